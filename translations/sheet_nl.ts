<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>sheet</name>
    <message>
        <source>At %1:</source>
        <translation>Om %1:</translation>
    </message>
    <message>
        <source>never seen</source>
        <translation>nooit zichtbaar</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>field sheet</source>
        <translation>veldblad</translation>
    </message>
    <message>
        <source>Computer&apos;s clock: %1</source>
        <translation>Computerklok: %1</translation>
    </message>
    <message>
        <source>No more events today</source>
        <translation>Vandaag geen gebeurtenissen meer</translation>
    </message>
    <message>
        <source>Next: %1 at %2, in %3</source>
        <translation>Volgende: %1 om %2, over %3</translation>
    </message>
    <message>
        <source>Next: %1 at %2, now</source>
        <translation>Volgende: %1 om %2, nu</translation>
    </message>
    <message>
        <source>Save Field Sheet as PDF</source>
        <translation>Veldblad opslaan als PDF</translation>
    </message>
    <message>
        <source>Field Sheet</source>
        <translation>Veldblad</translation>
    </message>
    <message>
        <source>Plumb line &amp;height (m):</source>
        <translation>&amp;Hoogte schietlood (m):</translation>
    </message>
    <message>
        <source>Degrees from north through east; empty for no fourth event</source>
        <translation>Graden van noord over oost; leeg voor geen vierde gebeurtenis</translation>
    </message>
    <message>
        <source>Sun at &amp;bearing (°):</source>
        <translation>Zon in &amp;richting (°):</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>&amp;Tick in the last five seconds</source>
        <translation>&amp;Tikken in de laatste vijf seconden</translation>
    </message>
    <message>
        <source>The times are only as good as the clock you read: set your watch and this computer&apos;s clock exactly.</source>
        <translation>De tijden zijn maar zo goed als de klok die u afleest: zet uw horloge en de klok van deze computer precies gelijk.</translation>
    </message>
    <message>
        <source>Click here to set your watch to atomic standard via internet</source>
        <translation>Klik hier om uw horloge via internet op atoomtijd te zetten</translation>
    </message>
    <message>
        <source>Set your watch to atomic standard via internet</source>
        <translation>Horloge via internet op atoomtijd zetten</translation>
    </message>
    <message>
        <source>&amp;Every 30 seconds around:</source>
        <translation>&amp;Elke 30 seconden rond:</translation>
    </message>
    <message>
        <source>Every 30 seconds around the chosen event</source>
        <translation>Elke 30 seconden rond de gekozen gebeurtenis</translation>
    </message>
    <message>
        <source>I &amp;marked the shadow at:</source>
        <translation>Schaduw ge&amp;markeerd om:</translation>
    </message>
    <message>
        <source>The &amp;next 14 days:</source>
        <translation>De &amp;volgende 14 dagen:</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Save as PDF</source>
        <translation>Opslaan als &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Plan of the site</source>
        <translation>Plattegrond van de plek</translation>
    </message>
    <message>
        <source>N</source>
        <comment>compass</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass</comment>
        <translation>Z</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>true east-west</source>
        <translation>ware oost-west</translation>
    </message>
    <message>
        <source>true north-south</source>
        <translation>ware noord-zuid</translation>
    </message>
    <message>
        <source>plumb line %1</source>
        <translation>schietlood %1</translation>
    </message>
    <message>
        <source>%1 (%2), every 30 seconds</source>
        <translation>%1 (%2), elke 30 seconden</translation>
    </message>
    <message>
        <source>%1, every 30 s</source>
        <translation>%1, elke 30 s</translation>
    </message>
    <message>
        <source>%1 at %2, every 30 s</source>
        <translation>%1 om %2, elke 30 s</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schaduw</translation>
    </message>
    <message>
        <source>Which way the wall faces</source>
        <translation>Oriëntatie van de muur</translation>
    </message>
    <message numerus="yes">
        <source>The next %n days</source>
        <translation>
            <numerusform>De volgende dag</numerusform>
            <numerusform>De volgende %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Orvane Field Sheet</source>
        <translation>Orvane-veldblad</translation>
    </message>
    <message>
        <source>On the ground</source>
        <translation>Ter plaatse</translation>
    </message>
    <message>
        <source>Shadows drawn for a plumb line %1 high.
Mark the shadow at the large time; bold rows are that moment.
Marked at another time? Turn the mark back by its row&apos;s shadow bearing
less the true line&apos;s (0, 90, 180 or 270 degrees).</source>
        <translation>Schaduwen getekend voor een schietlood van %1 hoog.
Markeer de schaduw op de grote tijd; vetgedrukte rijen
zijn dat moment.
Op een ander tijdstip gemarkeerd? Draai de markering terug met
de schaduwrichting van haar rij min die van de ware lijn
(0, 90, 180 of 270 graden).</translation>
    </message>
    <message>
        <source>due north</source>
        <translation>pal noord</translation>
    </message>
    <message>
        <source>due east</source>
        <translation>pal oost</translation>
    </message>
    <message>
        <source>due south</source>
        <translation>pal zuid</translation>
    </message>
    <message>
        <source>due west</source>
        <translation>pal west</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Noord</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Oost</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Zuid</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Meridian</source>
        <translation>Meridiaan</translation>
    </message>
    <message>
        <source>east</source>
        <comment>event</comment>
        <translation>oost</translation>
    </message>
    <message>
        <source>meridian</source>
        <comment>event</comment>
        <translation>meridiaan</translation>
    </message>
    <message>
        <source>west</source>
        <comment>event</comment>
        <translation>west</translation>
    </message>
    <message>
        <source>sun due north</source>
        <translation>zon pal noord</translation>
    </message>
    <message>
        <source>sun due east</source>
        <translation>zon pal oost</translation>
    </message>
    <message>
        <source>sun due south</source>
        <translation>zon pal zuid</translation>
    </message>
    <message>
        <source>sun due west</source>
        <translation>zon pal west</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Let op: %1</translation>
    </message>
    <message>
        <source>Shadow %1, none</source>
        <translation>Schaduw %1, geen</translation>
    </message>
    <message>
        <source>Shadow %1, %2 long</source>
        <translation>Schaduw %1, %2 lang</translation>
    </message>
    <message>
        <source>Turns %1 a minute, clockwise</source>
        <translation>Draait %1 per minuut, met de klok mee</translation>
    </message>
    <message>
        <source>Turns %1 a minute, anticlockwise</source>
        <translation>Draait %1 per minuut, tegen de klok in</translation>
    </message>
    <message>
        <source>The sun never stands %1 above the horizon on this date.</source>
        <translation>De zon staat op deze datum nooit %1 boven de horizon.</translation>
    </message>
    <message>
        <source>Precise %1 (%2 s)</source>
        <translation>Exact %1 (%2 s)</translation>
    </message>
    <message>
        <source>Precise: the true sun does not reach this bearing above the horizon</source>
        <translation>Exact: de ware zon bereikt deze richting niet boven de horizon</translation>
    </message>
    <message>
        <source>Sun&apos;s altitude %1</source>
        <translation>Zonshoogte %1</translation>
    </message>
    <message>
        <source>Off the true line %1 (%2 mm/m)</source>
        <translation>Afwijking van de ware lijn %1 (%2 mm/m)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Kloktijd</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Shadow bearing</source>
        <translation>Schaduwrichting</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nooit</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4</source>
        <translation>Breedte %1 %2, lengte %3 %4</translation>
    </message>
    <message>
        <source>Clock: %1, daylight saving time (%2)</source>
        <translation>Klok: %1, zomertijd (%2)</translation>
    </message>
    <message>
        <source>Clock: %1, standard time (%2)</source>
        <translation>Klok: %1, standaardtijd (%2)</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark lies on the east-west line.</source>
        <translation>De schaduw wees toen naar %1: de markering ligt op de oost-westlijn.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark lies on the north-south line.</source>
        <translation>De schaduw wees toen naar %1: de markering ligt op de noord-zuidlijn.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the east-west line. Turn it %2 clockwise (seen from above) about the foot of the plumb line.</source>
        <translation>De schaduw wees toen naar %1: de markering hoort bij de oost-westlijn. Draai haar %2 met de klok mee (van boven gezien) om de voet van het schietlood.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the east-west line. Turn it %2 anticlockwise (seen from above) about the foot of the plumb line.</source>
        <translation>De schaduw wees toen naar %1: de markering hoort bij de oost-westlijn. Draai haar %2 tegen de klok in (van boven gezien) om de voet van het schietlood.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the north-south line. Turn it %2 clockwise (seen from above) about the foot of the plumb line.</source>
        <translation>De schaduw wees toen naar %1: de markering hoort bij de noord-zuidlijn. Draai haar %2 met de klok mee (van boven gezien) om de voet van het schietlood.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the north-south line. Turn it %2 anticlockwise (seen from above) about the foot of the plumb line.</source>
        <translation>De schaduw wees toen naar %1: de markering hoort bij de noord-zuidlijn. Draai haar %2 tegen de klok in (van boven gezien) om de voet van het schietlood.</translation>
    </message>
    <message>
        <source>North up, the plumb line&apos;s foot in the middle, the dotted circle %1 m from it.</source>
        <translation>Noorden boven, de voet van het schietlood in het midden, de gestippelde cirkel op %1 m ervandaan.</translation>
    </message>
    <message>
        <source>%1: at %2 the shadow points to %3 and is %4 long.</source>
        <translation>%1: om %2 wijst de schaduw naar %3 en is %4 lang.</translation>
    </message>
    <message>
        <source>%1: no shadow, the sun is below the horizon.</source>
        <translation>%1: geen schaduw, de zon staat onder de horizon.</translation>
    </message>
    <message>
        <source>%1: never seen on this date.</source>
        <translation>%1: op deze datum nooit zichtbaar.</translation>
    </message>
    <message>
        <source>%1: never seen on this date</source>
        <translation>%1: op deze datum nooit zichtbaar</translation>
    </message>
    <message>
        <source>%1: sun below the horizon, no shadow</source>
        <translation>%1: zon onder de horizon, geen schaduw</translation>
    </message>
    <message>
        <source>%1: not reached above the horizon on this date</source>
        <translation>%1: op deze datum niet bereikt boven de horizon</translation>
    </message>
    <message>
        <source>Bearing %1</source>
        <translation>Richting %1</translation>
    </message>
    <message>
        <source>sun at %1</source>
        <translation>zon op %1</translation>
    </message>
    <message>
        <source>The sun does not stand at %1 above the horizon on this date</source>
        <translation>De zon staat op deze datum niet op %1 boven de horizon</translation>
    </message>
    <message>
        <source>Precise %1</source>
        <translation>Exact %1</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Hoek</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth</source>
        <translation>Zonsazimut</translation>
    </message>
    <message>
        <source>Facing</source>
        <translation>Oriëntatie</translation>
    </message>
    <message>
        <source>Off the mean</source>
        <translation>Afwijking van gemiddelde</translation>
    </message>
    <message>
        <source>The wall faces %1: it faces due north.</source>
        <translation>De muur is gericht op %1: hij kijkt pal naar het noorden.</translation>
    </message>
    <message>
        <source>The wall faces %1: it faces due south.</source>
        <translation>De muur is gericht op %1: hij kijkt pal naar het zuiden.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 east of north.</source>
        <translation>De muur is gericht op %1: declinatie %2 oost van noord.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 west of north.</source>
        <translation>De muur is gericht op %1: declinatie %2 west van noord.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 east of south.</source>
        <translation>De muur is gericht op %1: declinatie %2 oost van zuid.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 west of south.</source>
        <translation>De muur is gericht op %1: declinatie %2 west van zuid.</translation>
    </message>
    <message>
        <source> Spread %1.</source>
        <translation> Spreiding %1.</translation>
    </message>
    <message>
        <source>Reading %1 (%2, %3) refused: the sun is below the horizon then.</source>
        <translation>Meting %1 (%2, %3) geweigerd: de zon staat dan onder de horizon.</translation>
    </message>
    <message>
        <source>Reading %1 (%2, %3) refused: the angle must lie between -90° and +90°.</source>
        <translation>Meting %1 (%2, %3) geweigerd: de hoek moet tussen -90° en +90° liggen.</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>muur</translation>
    </message>
    <message>
        <source>board</source>
        <translation>plank</translation>
    </message>
    <message>
        <source>square line</source>
        <translation>haakse lijn</translation>
    </message>
    <message>
        <source>plumb line</source>
        <translation>schietlood</translation>
    </message>
    <message>
        <source>+A: clockwise from above</source>
        <translation>+A: met de klok mee</translation>
    </message>
    <message>
        <source>Seen from above: a level board held against the wall, a line drawn on it square to the wall, a plumb line hanging over that line. A reading is the clock time and the angle A from the square line, taken towards the wall, to the plumb line&apos;s shadow, positive clockwise. The wall then faces the sun&apos;s azimuth minus A.</source>
        <translation>Van boven gezien: een waterpas gelegde plank tegen de muur, daarop een lijn haaks op de muur getekend, een schietlood dat boven die lijn hangt. Een meting is de kloktijd en de hoek A van de haakse lijn, genomen naar de muur toe, tot de schaduw van het schietlood, positief met de klok mee. De muur is dan gericht op het zonsazimut min A.</translation>
    </message>
    <message>
        <source>How to take a reading</source>
        <translation>Zo doet u een meting</translation>
    </message>
    <message>
        <source>Which way does my w&amp;all face?</source>
        <translation>Welke kant kijkt mijn m&amp;uur op?</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Kloktijd</translation>
    </message>
    <message>
        <source>A (°)</source>
        <translation>A (°)</translation>
    </message>
    <message>
        <source>Wall readings</source>
        <translation>Muurmetingen</translation>
    </message>
    <message>
        <source>One reading a row: the clock time and the angle A; Enter keeps a cell. Clear a row to drop it.</source>
        <translation>Eén meting per rij: de kloktijd en de hoek A; Enter bevestigt een cel. Maak een rij leeg om haar te verwijderen.</translation>
    </message>
    <message>
        <source>Type a clock time and the angle A in each row.</source>
        <translation>Typ in elke rij een kloktijd en de hoek A.</translation>
    </message>
    <message>
        <source>Reading %1: the clock time &quot;%2&quot; cannot be read.</source>
        <translation>Meting %1: de kloktijd ‘%2’ is onleesbaar.</translation>
    </message>
    <message>
        <source>Reading %1: the angle &quot;%2&quot; cannot be read.</source>
        <translation>Meting %1: de hoek ‘%2’ is onleesbaar.</translation>
    </message>
</context>
</TS>
