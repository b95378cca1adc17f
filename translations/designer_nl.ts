<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>designer</name>
    <message>
        <source>Each reading&apos;s error in minutes against the clock time: before the fit from %1 to %2 minutes; no fit.</source>
        <translation>Fout van elke aflezing in minuten tegen de kloktijd: vóór de aanpassing van %1 tot %2 minuten; geen aanpassing.</translation>
    </message>
    <message>
        <source>Each reading&apos;s error in minutes against the clock time: before the fit from %1 to %2 minutes, after it within %3 minutes.</source>
        <translation>Fout van elke aflezing in minuten tegen de kloktijd: vóór de aanpassing van %1 tot %2 minuten, daarna binnen %3 minuten.</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Kloktijd</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>before the fit</source>
        <translation>vóór de aanpassing</translation>
    </message>
    <message>
        <source>after it</source>
        <translation>daarna</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klok</translation>
    </message>
    <message>
        <source>Dial showed</source>
        <translation>Zonnewijzer gaf</translation>
    </message>
    <message>
        <source>Readings of the standing dial</source>
        <translation>Aflezingen van de geplaatste zonnewijzer</translation>
    </message>
    <message>
        <source>Each row a reading: the date, the clock&apos;s time and what the dial showed then, as HH:MM or HH:MM:SS. Type into a cell to change it.</source>
        <translation>Elke rij een aflezing: de datum, de kloktijd en wat de zonnewijzer toen aangaf, als HH:MM of HH:MM:SS. Typ in een cel om die te wijzigen.</translation>
    </message>
    <message>
        <source>Add readin&amp;g</source>
        <translation>Aflezing toevoe&amp;gen</translation>
    </message>
    <message>
        <source>Add reading</source>
        <translation>Aflezing toevoegen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Verwijde&amp;ren</translation>
    </message>
    <message>
        <source>Remove the chosen reading</source>
        <translation>Gekozen aflezing verwijderen</translation>
    </message>
    <message>
        <source>Refused reading</source>
        <translation>Geweigerde aflezing</translation>
    </message>
    <message>
        <source>How the dial stands</source>
        <translation>Hoe de zonnewijzer staat</translation>
    </message>
    <message>
        <source>What to do</source>
        <translation>Wat te doen</translation>
    </message>
    <message>
        <source>Each reading&apos;s error before and after the fit</source>
        <translation>Fout van elke aflezing vóór en na de aanpassing</translation>
    </message>
    <message>
        <source>type the date, 2027-03-15 or in your locale&apos;s form</source>
        <translation>typ de datum, 2027-03-15 of in de vorm van uw regio</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; cannot be read: type it as 2027-03-15 or in your locale&apos;s form</source>
        <translation>de datum &quot;%1&quot; is niet leesbaar: typ die als 2027-03-15 of in de vorm van uw regio</translation>
    </message>
    <message>
        <source>Not checked: a reading is refused (see the message under the table).</source>
        <translation>Niet gecontroleerd: een aflezing is geweigerd (zie de melding onder de tabel).</translation>
    </message>
    <message>
        <source>type the clock&apos;s time, HH:MM or HH:MM:SS</source>
        <translation>typ de kloktijd, HH:MM of HH:MM:SS</translation>
    </message>
    <message>
        <source>the clock&apos;s time &quot;%1&quot; cannot be read: type HH:MM or HH:MM:SS</source>
        <translation>de kloktijd &quot;%1&quot; is niet leesbaar: typ HH:MM of HH:MM:SS</translation>
    </message>
    <message>
        <source>type what the dial showed, HH:MM or HH:MM:SS</source>
        <translation>typ wat de zonnewijzer aangaf, HH:MM of HH:MM:SS</translation>
    </message>
    <message>
        <source>what the dial showed &quot;%1&quot; cannot be read: type HH:MM or HH:MM:SS</source>
        <translation>wat de zonnewijzer aangaf, &quot;%1&quot;, is niet leesbaar: typ HH:MM of HH:MM:SS</translation>
    </message>
    <message>
        <source>Not checked while the dial is not drawn.</source>
        <translation>Niet gecontroleerd zolang de zonnewijzer niet getekend is.</translation>
    </message>
    <message>
        <source>Not checked: %1.</source>
        <translation>Niet gecontroleerd: %1.</translation>
    </message>
    <message>
        <source>Turn: %1 ± %2 anticlockwise, seen from above</source>
        <translation>Draaiing: %1 ± %2 tegen de klok in, van boven gezien</translation>
    </message>
    <message>
        <source>Turn: %1 ± %2 clockwise, seen from above</source>
        <translation>Draaiing: %1 ± %2 met de klok mee, van boven gezien</translation>
    </message>
    <message>
        <source>Lean: %1 ± %2, the face leaning %3</source>
        <translation>Helling: %1 ± %2, de wijzerplaat helt %3</translation>
    </message>
    <message>
        <source>Offset: %1 ± %2 minutes, the dial behind the clock</source>
        <translation>Verschil: %1 ± %2 minuten, de zonnewijzer achter op de klok</translation>
    </message>
    <message>
        <source>Offset: %1 ± %2 minutes, the dial ahead of the clock</source>
        <translation>Verschil: %1 ± %2 minuten, de zonnewijzer voor op de klok</translation>
    </message>
    <message>
        <source>Left after the fit: %1 minutes rms over %2 readings</source>
        <translation>Rest na de aanpassing: %1 minuten (RMS) over %2 aflezingen</translation>
    </message>
    <message>
        <source>No readings yet.</source>
        <translation>Nog geen aflezingen.</translation>
    </message>
    <message>
        <source>Turn, lean and offset not found from these readings.</source>
        <translation>Draaiing, helling en verschil niet te bepalen uit deze aflezingen.</translation>
    </message>
    <message>
        <source>Reading %1: %2.</source>
        <translation>Aflezing %1: %2.</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Niet gecontroleerd</translation>
    </message>
    <message>
        <source>dial designer</source>
        <translation>zonnewijzerontwerper</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 uur</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 uur</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 minuut</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuten</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 seconden</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day of the month, then the month&apos;s name</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>add nothing</source>
        <translation>niets optellen</translation>
    </message>
    <message>
        <source>add %1</source>
        <comment>a correction, as 4 minutes 32 seconds</comment>
        <translation>%1 optellen</translation>
    </message>
    <message>
        <source>take off %1</source>
        <comment>a correction, as 4 minutes 32 seconds</comment>
        <translation>%1 aftrekken</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a date, then its correction</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No correction card for this site.</source>
        <translation>Geen correctietabel voor deze plaats.</translation>
    </message>
    <message>
        <source>Correction card for %1, what to add to the dial&apos;s reading: the most, on %2, %3; the least, on %4, %5.</source>
        <translation>Correctietabel voor %1, wat bij de aflezing van de zonnewijzer op te tellen: het meest, op %2, %3; het minst, op %4, %5.</translation>
    </message>
    <message>
        <source>Type %1 from %2 to %3 %4.</source>
        <translation>Typ %1 van %2 tot %3 %4.</translation>
    </message>
    <message>
        <source>Not drawn: a setting is refused (see the message beside its box).</source>
        <translation>Niet getekend: een instelling is geweigerd (zie de melding naast het vak).</translation>
    </message>
    <message>
        <source>Not drawn: %1.</source>
        <translation>Niet getekend: %1.</translation>
    </message>
    <message>
        <source>Style height: not shown while a setting is refused</source>
        <translation>Stijlhoogte: niet getoond zolang een instelling geweigerd is</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Uur</translation>
    </message>
    <message>
        <source>Distance from the foot to the line (mm)</source>
        <translation>Afstand van voetpunt tot lijn (mm)</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Wijzerplaat</translation>
    </message>
    <message>
        <source>figure-8</source>
        <translation>achtvormige lus</translation>
    </message>
    <message>
        <source>%1. Add the figure to the time the dial shows to get the clock time; negative: subtract.</source>
        <translation>%1. Tel het getal op bij de tijd die de zonnewijzer aangeeft om de kloktijd te krijgen; negatief: aftrekken.</translation>
    </message>
    <message>
        <source>Save them as a PDF file?</source>
        <translation>Opslaan als PDF-bestand?</translation>
    </message>
    <message>
        <source>Print them?</source>
        <translation>Afdrukken?</translation>
    </message>
    <message>
        <source>This dial takes %1 pages of %2 paper. %3</source>
        <translation>Deze zonnewijzer beslaat %1 pagina&apos;s %2-papier. %3</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Painting the dial&apos;s pages...</source>
        <translation>Pagina&apos;s van de zonnewijzer tekenen...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Painting page %1 of %2...</source>
        <translation>Pagina %1 van %2 tekenen...</translation>
    </message>
    <message>
        <source>Save Dial as %1</source>
        <translation>Zonnewijzer opslaan als %1</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>%1-bestanden (*.%2)</translation>
    </message>
    <message>
        <source>The dial could not be saved as %1.</source>
        <translation>De zonnewijzer kon niet worden opgeslagen als %1.</translation>
    </message>
    <message>
        <source>Saved the dial as %1.</source>
        <translation>Zonnewijzer opgeslagen als %1.</translation>
    </message>
    <message>
        <source>Dial Designer</source>
        <translation>Zonnewijzerontwerper</translation>
    </message>
    <message>
        <source>The dial, drawn to scale</source>
        <translation>De zonnewijzer, op schaal getekend</translation>
    </message>
    <message>
        <source>Sun time puts noon on the meridian; zone time differs from the clock by the equation of time only</source>
        <translation>Ware zonnetijd legt de middag op de meridiaan; zonetijd wijkt alleen door de tijdsvereffening van de klok af</translation>
    </message>
    <message>
        <source>Dial &amp;type:</source>
        <translation>Soort &amp;wijzer:</translation>
    </message>
    <message>
        <source>&amp;Hour lines every:</source>
        <translation>&amp;Uurlijnen om de:</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>&amp;Tijd:</translation>
    </message>
    <message>
        <source>Date &amp;lines:</source>
        <translation>Datum&amp;lijnen:</translation>
    </message>
    <message>
        <source>Hour lines</source>
        <translation>Uurlijnen</translation>
    </message>
    <message>
        <source>Two tapes to each hour mark, from C and from N</source>
        <translation>Twee meetlinten naar elke uurmarkering, vanaf C en vanaf N</translation>
    </message>
    <message>
        <source>Hour line&amp;s</source>
        <translation>Uurlij&amp;nen</translation>
    </message>
    <message>
        <source>Correction c&amp;ard</source>
        <translation>&amp;Correctietabel</translation>
    </message>
    <message>
        <source>Check &amp;readings</source>
        <translation>Aflezingen contr&amp;oleren</translation>
    </message>
    <message>
        <source>What to add to the dial&apos;s reading, over the year</source>
        <translation>Wat bij de aflezing van de zonnewijzer op te tellen, over het jaar</translation>
    </message>
    <message>
        <source>Add (min:s)</source>
        <translation>Optellen (min:s)</translation>
    </message>
    <message>
        <source>Add (s)</source>
        <translation>Optellen (s)</translation>
    </message>
    <message>
        <source>Correction card by week</source>
        <translation>Correctietabel per week</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Opslaan als PD&amp;F</translation>
    </message>
    <message>
        <source>Save as S&amp;VG</source>
        <translation>Opslaan als S&amp;VG</translation>
    </message>
    <message>
        <source>Save as D&amp;XF</source>
        <translation>Opslaan als D&amp;XF</translation>
    </message>
    <message>
        <source>The same drawing for laser cutters and routers</source>
        <translation>Dezelfde tekening voor lasersnijders en freesmachines</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Sta&amp;king out</source>
        <translation>Uit&amp;zetten</translation>
    </message>
    <message>
        <source>The date whose shadow the dial shows</source>
        <translation>De datum waarvan de zonnewijzer de schaduw toont</translation>
    </message>
    <message>
        <source>The clock&apos;s time whose shadow the dial shows</source>
        <translation>De kloktijd waarvan de zonnewijzer de schaduw toont</translation>
    </message>
    <message>
        <source>Day of the year</source>
        <translation>Dag van het jaar</translation>
    </message>
    <message>
        <source>Time of day, every 5 minutes</source>
        <translation>Tijdstip, elke 5 minuten</translation>
    </message>
    <message>
        <source>What the dial reads at the chosen moment</source>
        <translation>Wat de zonnewijzer op het gekozen moment aangeeft</translation>
    </message>
    <message>
        <source>Shadow &amp;on:</source>
        <translation>Schaduw o&amp;p:</translation>
    </message>
    <message>
        <source>Time of da&amp;y:</source>
        <translation>T&amp;ijdstip:</translation>
    </message>
    <message>
        <source>Day &amp;by day:</source>
        <translation>&amp;Dag voor dag:</translation>
    </message>
    <message>
        <source>Every &amp;5 minutes:</source>
        <translation>Elke &amp;5 minuten:</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Gelijk</translation>
    </message>
    <message>
        <source>Equal hours</source>
        <translation>Gelijke uren</translation>
    </message>
    <message>
        <source>Today&apos;s hour lines</source>
        <translation>De uurlijnen van nu</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Italian hours</source>
        <translation>Italiaanse uren</translation>
    </message>
    <message>
        <source>Hours since the previous sunset, 24 at sunset</source>
        <translation>Uren sinds de vorige zonsondergang, 24 bij zonsondergang</translation>
    </message>
    <message>
        <source>Babylonian</source>
        <translation>Babylonisch</translation>
    </message>
    <message>
        <source>Babylonian hours</source>
        <translation>Babylonische uren</translation>
    </message>
    <message>
        <source>Hours since sunrise</source>
        <translation>Uren sinds zonsopkomst</translation>
    </message>
    <message>
        <source>Unequal</source>
        <translation>Temporaal</translation>
    </message>
    <message>
        <source>Unequal hours</source>
        <translation>Temporale uren</translation>
    </message>
    <message>
        <source>Twelfths of the daylight since sunrise</source>
        <translation>Twaalfden van de daglichttijd sinds zonsopkomst</translation>
    </message>
    <message>
        <source>Special date</source>
        <translation>Bijzondere datum</translation>
    </message>
    <message>
        <source>Label (optional)</source>
        <translation>Label (optioneel)</translation>
    </message>
    <message>
        <source>Special date&apos;s label</source>
        <translation>Label van de bijzondere datum</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Add the special date</source>
        <translation>Bijzondere datum toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Remove the chosen special date</source>
        <translation>Gekozen bijzondere datum verwijderen</translation>
    </message>
    <message>
        <source>Special dates</source>
        <translation>Bijzondere datums</translation>
    </message>
    <message>
        <source>A date line each, for the sun&apos;s declination at noon on that day</source>
        <translation>Elk een datumlijn, voor de declinatie van de zon op de middag van die dag</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Uren:</translation>
    </message>
    <message>
        <source>Special dates:</source>
        <translation>Bijzondere datums:</translation>
    </message>
    <message>
        <source>north</source>
        <translation>noord</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>noordoost</translation>
    </message>
    <message>
        <source>east</source>
        <translation>oost</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>zuidoost</translation>
    </message>
    <message>
        <source>south</source>
        <translation>zuid</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>zuidwest</translation>
    </message>
    <message>
        <source>west</source>
        <translation>west</translation>
    </message>
    <message>
        <source>north-west</source>
        <translation>noordwest</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>ZO</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>ZW</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NW</translation>
    </message>
    <message>
        <source>The face from the side</source>
        <translation>De wijzerplaat van opzij</translation>
    </message>
    <message>
        <source>Seen from the side, %1 to the right and %2 to the left: the level ground dashed; the face %3° from level, its front (the lit side) towards %4°, %1; the style along the Earth&apos;s axis, rising %5° towards the %6.</source>
        <translation>Van opzij gezien, %1 rechts en %2 links: de vlakke grond gestreept; de wijzerplaat %3° uit het horizontale vlak, de voorkant (de verlichte kant) naar %4°, %1; de stijl langs de aardas, %5° oplopend richting %6.</translation>
    </message>
    <message>
        <source>level</source>
        <translation>vlak</translation>
    </message>
    <message>
        <source>face</source>
        <translation>wijzerplaat</translation>
    </message>
    <message>
        <source>front, style</source>
        <translation>voorkant, stijl</translation>
    </message>
    <message>
        <source>front</source>
        <translation>voorkant</translation>
    </message>
    <message>
        <source>style</source>
        <translation>stijl</translation>
    </message>
</context>
</TS>
