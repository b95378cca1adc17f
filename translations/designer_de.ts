<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>designer</name>
    <message>
        <source>Each reading&apos;s error in minutes against the clock time: before the fit from %1 to %2 minutes; no fit.</source>
        <translation>Fehler jeder Ablesung in Minuten über der Uhrzeit: vor dem Ausgleich von %1 bis %2 Minuten; kein Ausgleich.</translation>
    </message>
    <message>
        <source>Each reading&apos;s error in minutes against the clock time: before the fit from %1 to %2 minutes, after it within %3 minutes.</source>
        <translation>Fehler jeder Ablesung in Minuten über der Uhrzeit: vor dem Ausgleich von %1 bis %2 Minuten, danach innerhalb von %3 Minuten.</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>before the fit</source>
        <translation>vor dem Ausgleich</translation>
    </message>
    <message>
        <source>after it</source>
        <translation>danach</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Dial showed</source>
        <translation>Sonnenuhr zeigte</translation>
    </message>
    <message>
        <source>Readings of the standing dial</source>
        <translation>Ablesungen an der aufgestellten Sonnenuhr</translation>
    </message>
    <message>
        <source>Each row a reading: the date, the clock&apos;s time and what the dial showed then, as HH:MM or HH:MM:SS. Type into a cell to change it.</source>
        <translation>Jede Zeile eine Ablesung: das Datum, die Zeit der Uhr und was die Sonnenuhr dann zeigte, als HH:MM oder HH:MM:SS. Zum Ändern in eine Zelle tippen.</translation>
    </message>
    <message>
        <source>Add readin&amp;g</source>
        <translation>Ablesun&amp;g hinzufügen</translation>
    </message>
    <message>
        <source>Add reading</source>
        <translation>Ablesung hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Remove the chosen reading</source>
        <translation>Gewählte Ablesung entfernen</translation>
    </message>
    <message>
        <source>Refused reading</source>
        <translation>Abgelehnte Ablesung</translation>
    </message>
    <message>
        <source>How the dial stands</source>
        <translation>Wie die Sonnenuhr steht</translation>
    </message>
    <message>
        <source>What to do</source>
        <translation>Was zu tun ist</translation>
    </message>
    <message>
        <source>Each reading&apos;s error before and after the fit</source>
        <translation>Fehler jeder Ablesung vor und nach dem Ausgleich</translation>
    </message>
    <message>
        <source>type the date, 2027-03-15 or in your locale&apos;s form</source>
        <translation>Datum eingeben, 2027-03-15 oder in der Form Ihrer Region</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; cannot be read: type it as 2027-03-15 or in your locale&apos;s form</source>
        <translation>das Datum „%1“ ist nicht lesbar: als 2027-03-15 oder in der Form Ihrer Region eingeben</translation>
    </message>
    <message>
        <source>Not checked: a reading is refused (see the message under the table).</source>
        <translation>Nicht geprüft: eine Ablesung ist abgelehnt (siehe die Meldung unter der Tabelle).</translation>
    </message>
    <message>
        <source>type the clock&apos;s time, HH:MM or HH:MM:SS</source>
        <translation>Zeit der Uhr eingeben, HH:MM oder HH:MM:SS</translation>
    </message>
    <message>
        <source>the clock&apos;s time &quot;%1&quot; cannot be read: type HH:MM or HH:MM:SS</source>
        <translation>die Zeit der Uhr „%1“ ist nicht lesbar: HH:MM oder HH:MM:SS eingeben</translation>
    </message>
    <message>
        <source>type what the dial showed, HH:MM or HH:MM:SS</source>
        <translation>eingeben, was die Sonnenuhr zeigte, HH:MM oder HH:MM:SS</translation>
    </message>
    <message>
        <source>what the dial showed &quot;%1&quot; cannot be read: type HH:MM or HH:MM:SS</source>
        <translation>die Anzeige der Sonnenuhr „%1“ ist nicht lesbar: HH:MM oder HH:MM:SS eingeben</translation>
    </message>
    <message>
        <source>Not checked while the dial is not drawn.</source>
        <translation>Nicht geprüft, solange die Sonnenuhr nicht gezeichnet ist.</translation>
    </message>
    <message>
        <source>Not checked: %1.</source>
        <translation>Nicht geprüft: %1.</translation>
    </message>
    <message>
        <source>Turn: %1 ± %2 anticlockwise, seen from above</source>
        <translation>Drehung: %1 ± %2 gegen den Uhrzeigersinn, von oben gesehen</translation>
    </message>
    <message>
        <source>Turn: %1 ± %2 clockwise, seen from above</source>
        <translation>Drehung: %1 ± %2 im Uhrzeigersinn, von oben gesehen</translation>
    </message>
    <message>
        <source>Lean: %1 ± %2, the face leaning %3</source>
        <translation>Neigung: %1 ± %2, das Zifferblatt neigt sich %3</translation>
    </message>
    <message>
        <source>Offset: %1 ± %2 minutes, the dial behind the clock</source>
        <translation>Versatz: %1 ± %2 Minuten, die Sonnenuhr hinter der Uhr</translation>
    </message>
    <message>
        <source>Offset: %1 ± %2 minutes, the dial ahead of the clock</source>
        <translation>Versatz: %1 ± %2 Minuten, die Sonnenuhr vor der Uhr</translation>
    </message>
    <message>
        <source>Left after the fit: %1 minutes rms over %2 readings</source>
        <translation>Rest nach dem Ausgleich: %1 Minuten (RMS) über %2 Ablesungen</translation>
    </message>
    <message>
        <source>No readings yet.</source>
        <translation>Noch keine Ablesungen.</translation>
    </message>
    <message>
        <source>Turn, lean and offset not found from these readings.</source>
        <translation>Drehung, Neigung und Versatz aus diesen Ablesungen nicht bestimmbar.</translation>
    </message>
    <message>
        <source>Reading %1: %2.</source>
        <translation>Ablesung %1: %2.</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Nicht geprüft</translation>
    </message>
    <message>
        <source>dial designer</source>
        <translation>Sonnenuhr-Entwurf</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day of the month, then the month&apos;s name</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>add nothing</source>
        <translation>nichts addieren</translation>
    </message>
    <message>
        <source>add %1</source>
        <comment>a correction, as 4 minutes 32 seconds</comment>
        <translation>%1 addieren</translation>
    </message>
    <message>
        <source>take off %1</source>
        <comment>a correction, as 4 minutes 32 seconds</comment>
        <translation>%1 abziehen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a date, then its correction</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No correction card for this site.</source>
        <translation>Keine Korrekturtafel für diesen Ort.</translation>
    </message>
    <message>
        <source>Correction card for %1, what to add to the dial&apos;s reading: the most, on %2, %3; the least, on %4, %5.</source>
        <translation>Korrekturtafel für %1, was zur Anzeige der Sonnenuhr zu addieren ist: am meisten am %2, %3; am wenigsten am %4, %5.</translation>
    </message>
    <message>
        <source>Type %1 from %2 to %3 %4.</source>
        <translation>Geben Sie %1 von %2 bis %3 %4 ein.</translation>
    </message>
    <message>
        <source>Not drawn: a setting is refused (see the message beside its box).</source>
        <translation>Nicht gezeichnet: eine Einstellung ist abgelehnt (siehe die Meldung neben ihrem Feld).</translation>
    </message>
    <message>
        <source>Not drawn: %1.</source>
        <translation>Nicht gezeichnet: %1.</translation>
    </message>
    <message>
        <source>Style height: not shown while a setting is refused</source>
        <translation>Polstabhöhe: nicht gezeigt, solange eine Einstellung abgelehnt ist</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Distance from the foot to the line (mm)</source>
        <translation>Abstand vom Fußpunkt zur Linie (mm)</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Zifferblatt</translation>
    </message>
    <message>
        <source>figure-8</source>
        <translation>Achterschleife</translation>
    </message>
    <message>
        <source>%1. Add the figure to the time the dial shows to get the clock time; negative: subtract.</source>
        <translation>%1. Die Zahl zur Anzeige der Sonnenuhr addieren, um die Uhrzeit zu erhalten; negativ: abziehen.</translation>
    </message>
    <message>
        <source>Save them as a PDF file?</source>
        <translation>Als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Print them?</source>
        <translation>Drucken?</translation>
    </message>
    <message>
        <source>This dial takes %1 pages of %2 paper. %3</source>
        <translation>Diese Sonnenuhr braucht %1 Seiten %2. %3</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Painting the dial&apos;s pages...</source>
        <translation>Seiten der Sonnenuhr werden gezeichnet...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Painting page %1 of %2...</source>
        <translation>Seite %1 von %2 wird gezeichnet...</translation>
    </message>
    <message>
        <source>Save Dial as %1</source>
        <translation>Sonnenuhr als %1 speichern</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>%1-Dateien (*.%2)</translation>
    </message>
    <message>
        <source>The dial could not be saved as %1.</source>
        <translation>Die Sonnenuhr konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Saved the dial as %1.</source>
        <translation>Sonnenuhr als %1 gespeichert.</translation>
    </message>
    <message>
        <source>Dial Designer</source>
        <translation>Sonnenuhr-Entwurf</translation>
    </message>
    <message>
        <source>The dial, drawn to scale</source>
        <translation>Die Sonnenuhr, maßstäblich gezeichnet</translation>
    </message>
    <message>
        <source>Sun time puts noon on the meridian; zone time differs from the clock by the equation of time only</source>
        <translation>Wahre Ortszeit legt den Mittag auf den Meridian; Zonenzeit weicht von der Uhr nur um die Zeitgleichung ab</translation>
    </message>
    <message>
        <source>Dial &amp;type:</source>
        <translation>Uhren&amp;typ:</translation>
    </message>
    <message>
        <source>&amp;Hour lines every:</source>
        <translation>&amp;Stundenlinien alle:</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>&amp;Zeit:</translation>
    </message>
    <message>
        <source>Date &amp;lines:</source>
        <translation>Datums&amp;linien:</translation>
    </message>
    <message>
        <source>Hour lines</source>
        <translation>Stundenlinien</translation>
    </message>
    <message>
        <source>Two tapes to each hour mark, from C and from N</source>
        <translation>Zwei Maßbänder zu jeder Stundenmarke, von C und von N</translation>
    </message>
    <message>
        <source>Hour line&amp;s</source>
        <translation>Stundenli&amp;nien</translation>
    </message>
    <message>
        <source>Correction c&amp;ard</source>
        <translation>&amp;Korrekturtafel</translation>
    </message>
    <message>
        <source>Check &amp;readings</source>
        <translation>Ablesungen p&amp;rüfen</translation>
    </message>
    <message>
        <source>What to add to the dial&apos;s reading, over the year</source>
        <translation>Was zur Anzeige der Sonnenuhr zu addieren ist, übers Jahr</translation>
    </message>
    <message>
        <source>Add (min:s)</source>
        <translation>Addieren (min:s)</translation>
    </message>
    <message>
        <source>Add (s)</source>
        <translation>Addieren (s)</translation>
    </message>
    <message>
        <source>Correction card by week</source>
        <translation>Korrekturtafel nach Wochen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Als &amp;PDF speichern</translation>
    </message>
    <message>
        <source>Save as S&amp;VG</source>
        <translation>Als S&amp;VG speichern</translation>
    </message>
    <message>
        <source>Save as D&amp;XF</source>
        <translation>Als D&amp;XF speichern</translation>
    </message>
    <message>
        <source>The same drawing for laser cutters and routers</source>
        <translation>Dieselbe Zeichnung für Laserschneider und Fräsen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Sta&amp;king out</source>
        <translation>A&amp;bstecken</translation>
    </message>
    <message>
        <source>The date whose shadow the dial shows</source>
        <translation>Das Datum, dessen Schatten die Sonnenuhr zeigt</translation>
    </message>
    <message>
        <source>The clock&apos;s time whose shadow the dial shows</source>
        <translation>Die Uhrzeit, deren Schatten die Sonnenuhr zeigt</translation>
    </message>
    <message>
        <source>Day of the year</source>
        <translation>Tag des Jahres</translation>
    </message>
    <message>
        <source>Time of day, every 5 minutes</source>
        <translation>Tageszeit, alle 5 Minuten</translation>
    </message>
    <message>
        <source>What the dial reads at the chosen moment</source>
        <translation>Was die Sonnenuhr zum gewählten Zeitpunkt anzeigt</translation>
    </message>
    <message>
        <source>Shadow &amp;on:</source>
        <translation>Schatten a&amp;m:</translation>
    </message>
    <message>
        <source>Time of da&amp;y:</source>
        <translation>&amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>Day &amp;by day:</source>
        <translation>T&amp;ag für Tag:</translation>
    </message>
    <message>
        <source>Every &amp;5 minutes:</source>
        <translation>Alle &amp;5 Minuten:</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Equal hours</source>
        <translation>Gleiche Stunden</translation>
    </message>
    <message>
        <source>Today&apos;s hour lines</source>
        <translation>Die heutigen Stundenlinien</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italisch</translation>
    </message>
    <message>
        <source>Italian hours</source>
        <translation>Italische Stunden</translation>
    </message>
    <message>
        <source>Hours since the previous sunset, 24 at sunset</source>
        <translation>Stunden seit dem letzten Sonnenuntergang, 24 bei Sonnenuntergang</translation>
    </message>
    <message>
        <source>Babylonian</source>
        <translation>Babylonisch</translation>
    </message>
    <message>
        <source>Babylonian hours</source>
        <translation>Babylonische Stunden</translation>
    </message>
    <message>
        <source>Hours since sunrise</source>
        <translation>Stunden seit Sonnenaufgang</translation>
    </message>
    <message>
        <source>Unequal</source>
        <translation>Temporal</translation>
    </message>
    <message>
        <source>Unequal hours</source>
        <translation>Temporalstunden</translation>
    </message>
    <message>
        <source>Twelfths of the daylight since sunrise</source>
        <translation>Zwölftel des lichten Tages seit Sonnenaufgang</translation>
    </message>
    <message>
        <source>Special date</source>
        <translation>Besonderes Datum</translation>
    </message>
    <message>
        <source>Label (optional)</source>
        <translation>Beschriftung (optional)</translation>
    </message>
    <message>
        <source>Special date&apos;s label</source>
        <translation>Beschriftung des besonderen Datums</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add the special date</source>
        <translation>Besonderes Datum hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the chosen special date</source>
        <translation>Gewähltes besonderes Datum entfernen</translation>
    </message>
    <message>
        <source>Special dates</source>
        <translation>Besondere Daten</translation>
    </message>
    <message>
        <source>A date line each, for the sun&apos;s declination at noon on that day</source>
        <translation>Je eine Datumslinie, für die Deklination der Sonne am Mittag dieses Tages</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Stunden:</translation>
    </message>
    <message>
        <source>Special dates:</source>
        <translation>Besondere Daten:</translation>
    </message>
    <message>
        <source>north</source>
        <translation>Norden</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>Nordosten</translation>
    </message>
    <message>
        <source>east</source>
        <translation>Osten</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>Südosten</translation>
    </message>
    <message>
        <source>south</source>
        <translation>Süden</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>Südwesten</translation>
    </message>
    <message>
        <source>west</source>
        <translation>Westen</translation>
    </message>
    <message>
        <source>north-west</source>
        <translation>Nordwesten</translation>
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
        <translation>SO</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SW</translation>
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
        <translation>Das Zifferblatt von der Seite</translation>
    </message>
    <message>
        <source>Seen from the side, %1 to the right and %2 to the left: the level ground dashed; the face %3° from level, its front (the lit side) towards %4°, %1; the style along the Earth&apos;s axis, rising %5° towards the %6.</source>
        <translation>Von der Seite gesehen, %1 rechts und %2 links: der waagrechte Boden gestrichelt; das Zifferblatt %3° gegen die Waagrechte, seine Vorderseite (die beleuchtete Seite) nach %4°, %1; der Polstab entlang der Erdachse, um %5° nach %6 ansteigend.</translation>
    </message>
    <message>
        <source>level</source>
        <translation>waagrecht</translation>
    </message>
    <message>
        <source>face</source>
        <translation>Zifferblatt</translation>
    </message>
    <message>
        <source>front, style</source>
        <translation>vorn, Polstab</translation>
    </message>
    <message>
        <source>front</source>
        <translation>vorn</translation>
    </message>
    <message>
        <source>style</source>
        <translation>Polstab</translation>
    </message>
</context>
</TS>
