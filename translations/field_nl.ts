<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>field</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nee</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Compass: not given for this date; the World Magnetic Model %1 covers %2. The sun&apos;s meridian passage gives the north-south line.</source>
        <translation>Kompas: niet gegeven voor deze datum; het World Magnetic Model %1 beslaat %2. De meridiaandoorgang van de zon geeft de noord-zuidlijn.</translation>
    </message>
    <message>
        <source>its needle points to true north here, within %1</source>
        <translation>de naald wijst hier naar het ware noorden, binnen %1</translation>
    </message>
    <message>
        <source>its needle points %1 east of true north here</source>
        <translation>de naald wijst hier %1 ten oosten van het ware noorden</translation>
    </message>
    <message>
        <source>its needle points %1 west of true north here</source>
        <translation>de naald wijst hier %1 ten westen van het ware noorden</translation>
    </message>
    <message>
        <source>hardly moving from year to year</source>
        <translation>van jaar tot jaar nauwelijks veranderend</translation>
    </message>
    <message>
        <source>moving %1 a year eastward</source>
        <translation>jaarlijks %1 naar het oosten verschuivend</translation>
    </message>
    <message>
        <source>moving %1 a year westward</source>
        <translation>jaarlijks %1 naar het westen verschuivend</translation>
    </message>
    <message>
        <source>Compass: %1 (%2 for this date, %3); iron and steel nearby turn it further. The sun&apos;s meridian passage gives the truer north-south line.</source>
        <translation>Kompas: %1 (%2 voor deze datum, %3); ijzer en staal in de buurt doen haar verder afwijken. De meridiaandoorgang van de zon geeft een zuiverder noord-zuidlijn.</translation>
    </message>
    <message>
        <source>readings on other days, a month or more apart</source>
        <translation>aflezingen op andere dagen, een maand of meer uit elkaar</translation>
    </message>
    <message>
        <source>readings in the morning and the afternoon, two hours or more from noon</source>
        <translation>aflezingen in de ochtend en de middag, twee uur of meer van het middaguur</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, en %2</translation>
    </message>
    <message>
        <source>readings on other days and at other hours</source>
        <translation>aflezingen op andere dagen en op andere uren</translation>
    </message>
    <message>
        <source>Four readings at least are needed to find the turn, the lean and the clock&apos;s offset: add %1.</source>
        <translation>Er zijn minstens vier aflezingen nodig om de draaiing, de helling en de afwijking van de klok te vinden: voeg %1 toe.</translation>
    </message>
    <message>
        <source>These readings cannot tell the turn from the lean: add %1.</source>
        <translation>Deze aflezingen kunnen de draaiing niet van de helling scheiden: voeg %1 toe.</translation>
    </message>
    <message>
        <source>These readings cannot tell the turn from the clock&apos;s offset: add %1.</source>
        <translation>Deze aflezingen kunnen de draaiing niet van de afwijking van de klok scheiden: voeg %1 toe.</translation>
    </message>
    <message>
        <source>These readings cannot tell the lean from the clock&apos;s offset: add %1.</source>
        <translation>Deze aflezingen kunnen de helling niet van de afwijking van de klok scheiden: voeg %1 toe.</translation>
    </message>
    <message>
        <source>the noon line&apos;s north end %1 mm to the west on this %2 mm plate</source>
        <translation>het noordeinde van de middaglijn %1 mm naar het westen op deze plaat van %2 mm</translation>
    </message>
    <message>
        <source>the noon line&apos;s north end %1 mm to the east on this %2 mm plate</source>
        <translation>het noordeinde van de middaglijn %1 mm naar het oosten op deze plaat van %2 mm</translation>
    </message>
    <message>
        <source>its right edge %1 mm back on this %2 mm wide plate</source>
        <translation>de rechterrand %1 mm naar achteren op deze %2 mm brede plaat</translation>
    </message>
    <message>
        <source>its right edge %1 mm forward on this %2 mm wide plate</source>
        <translation>de rechterrand %1 mm naar voren op deze %2 mm brede plaat</translation>
    </message>
    <message>
        <source>Turn the dial %1 anticlockwise seen from above: %2.</source>
        <translation>Draai de zonnewijzer, van boven gezien, %1 tegen de klok in: %2.</translation>
    </message>
    <message>
        <source>Turn the dial %1 clockwise seen from above: %2.</source>
        <translation>Draai de zonnewijzer, van boven gezien, %1 met de klok mee: %2.</translation>
    </message>
    <message>
        <source>The face leans %1 down towards the south: raise its south edge %2 mm over the plate&apos;s %3 mm.</source>
        <translation>De wijzerplaat helt %1 naar het zuiden: til de zuidrand %2 mm op over de %3 mm van de plaat.</translation>
    </message>
    <message>
        <source>The face leans %1 down towards the north: raise its north edge %2 mm over the plate&apos;s %3 mm.</source>
        <translation>De wijzerplaat helt %1 naar het noorden: til de noordrand %2 mm op over de %3 mm van de plaat.</translation>
    </message>
    <message>
        <source>The face leans %1 forward: tip its top edge %2 mm back over the plate&apos;s %3 mm.</source>
        <translation>De wijzerplaat helt %1 naar voren: kantel de bovenrand %2 mm naar achteren over de %3 mm van de plaat.</translation>
    </message>
    <message>
        <source>The face leans %1 back: tip its top edge %2 mm forward over the plate&apos;s %3 mm.</source>
        <translation>De wijzerplaat helt %1 naar achteren: kantel de bovenrand %2 mm naar voren over de %3 mm van de plaat.</translation>
    </message>
    <message>
        <source>The rest is %1 minutes, the dial ahead of the clock: check the clock, and that the readings were taken in the dial&apos;s own time.</source>
        <translation>Er blijft %1 minuten over, de zonnewijzer voor op de klok: controleer de klok, en of de aflezingen in de eigen tijd van de zonnewijzer zijn gedaan.</translation>
    </message>
    <message>
        <source>The rest is %1 minutes, the dial behind the clock: check the clock, and that the readings were taken in the dial&apos;s own time.</source>
        <translation>Er blijft %1 minuten over, de zonnewijzer achter op de klok: controleer de klok, en of de aflezingen in de eigen tijd van de zonnewijzer zijn gedaan.</translation>
    </message>
    <message>
        <source>The dial stands true: within %1 of turn and lean and a minute of time.</source>
        <translation>De zonnewijzer staat goed: binnen %1 draaiing en helling en een minuut tijd.</translation>
    </message>
    <message>
        <source>forward</source>
        <comment>leaning</comment>
        <translation>naar voren</translation>
    </message>
    <message>
        <source>back</source>
        <comment>leaning</comment>
        <translation>naar achteren</translation>
    </message>
    <message>
        <source>down towards the south</source>
        <translation>omlaag naar het zuiden</translation>
    </message>
    <message>
        <source>down towards the north</source>
        <translation>omlaag naar het noorden</translation>
    </message>
    <message>
        <source>a dial drawn to the clock has figure-8s, not hour lines that turn with its style: check it against the clock by eye, or design it to zone time to check readings</source>
        <translation>een zonnewijzer getekend naar de kloktijd heeft achtvormige lussen, geen uurlijnen die met de stijl meedraaien: vergelijk hem op het oog met de klok, of ontwerp hem op zonetijd om aflezingen te controleren</translation>
    </message>
    <message>
        <source>the clock skips that time on that day</source>
        <translation>de klok slaat die tijd op die dag over</translation>
    </message>
    <message>
        <source>the dial&apos;s reading is more than %1 hours from the clock&apos;s</source>
        <translation>de aflezing van de zonnewijzer ligt meer dan %1 uur van die van de klok</translation>
    </message>
    <message>
        <source>the sun is below the horizon then</source>
        <translation>de zon staat dan onder de horizon</translation>
    </message>
    <message>
        <source>Sun time</source>
        <translation>Ware zonnetijd</translation>
    </message>
    <message>
        <source>Zone time</source>
        <translation>Zonetijd</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Kloktijd</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Solstices and equinoxes</source>
        <translation>Zonnewenden en equinoxen</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Maanden</translation>
    </message>
    <message>
        <source>60 minutes</source>
        <translation>60 minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuten</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minuten</translation>
    </message>
    <message>
        <source>Equinox</source>
        <translation>Equinox</translation>
    </message>
    <message>
        <source>a label of at most %1 characters</source>
        <translation>een label van hoogstens %1 tekens</translation>
    </message>
    <message>
        <source>a label without control characters</source>
        <translation>een label zonder stuurtekens</translation>
    </message>
    <message>
        <source>Add to the dial&apos;s reading for the clock, %1</source>
        <translation>Op te tellen bij de aflezing van de zonnewijzer voor de kloktijd, %1</translation>
    </message>
    <message>
        <source>Clock: %1</source>
        <translation>Klok: %1</translation>
    </message>
    <message>
        <source>sun time</source>
        <translation>ware zonnetijd</translation>
    </message>
    <message>
        <source>the zone&apos;s standard clock (%1), add an hour in summer time</source>
        <translation>standaardtijd van de zone (%1), tel in de zomertijd een uur op</translation>
    </message>
    <message>
        <source>the zone&apos;s standard clock (%1)</source>
        <translation>standaardtijd van de zone (%1)</translation>
    </message>
    <message>
        <source>zone time, meridian %1° %2, add an hour in daylight saving time</source>
        <translation>zonetijd, meridiaan %1° %2, tel in de zomertijd een uur op</translation>
    </message>
    <message>
        <source>zone time, meridian %1° %2</source>
        <translation>zonetijd, meridiaan %1° %2</translation>
    </message>
    <message>
        <source>%1 on a level floor</source>
        <translation>%1 op een vlakke vloer</translation>
    </message>
    <message>
        <source>%1, facing %2°, tilt %3°</source>
        <translation>%1, oriëntatie %2°, helling %3°</translation>
    </message>
    <message>
        <source>%1 facing %2°, tilt %3°</source>
        <translation>%1, oriëntatie %2°, helling %3°</translation>
    </message>
    <message>
        <source>%1, facing %2°</source>
        <translation>%1, oriëntatie %2°</translation>
    </message>
    <message>
        <source>%1 facing %2°</source>
        <translation>%1, oriëntatie %2°</translation>
    </message>
    <message>
        <source>%1, tilt %2°</source>
        <translation>%1, helling %2°</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontaal</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>verticaal</translation>
    </message>
    <message>
        <source>plane</source>
        <translation>vlak</translation>
    </message>
    <message>
        <source>polar</source>
        <translation>pool</translation>
    </message>
    <message>
        <source>equatorial</source>
        <translation>equatoriaal</translation>
    </message>
    <message>
        <source>analemmatic</source>
        <translation>analemmatisch</translation>
    </message>
    <message>
        <source>noon mark</source>
        <translation>middaglijn</translation>
    </message>
    <message>
        <source>bifilar</source>
        <translation>bifilair</translation>
    </message>
    <message>
        <source>This dial reads the clock: no correction card is needed.</source>
        <translation>Deze zonnewijzer wijst de kloktijd aan: een correctietabel is niet nodig.</translation>
    </message>
    <message>
        <source>Site: %1, %2</source>
        <translation>Plaats: %1, %2</translation>
    </message>
    <message>
        <source>Dial: %1, %2, %3</source>
        <translation>Zonnewijzer: %1, %2, %3</translation>
    </message>
    <message>
        <source> (no region&apos;s summer-time rules for this time zone entry)</source>
        <translation> (geen regionale zomertijdregels voor deze tijdzone)</translation>
    </message>
    <message>
        <source>give degrees from %1 to %2, from north through east</source>
        <translation>geef graden van %1 tot %2, van noord over oost</translation>
    </message>
    <message>
        <source>--dial %1 needs --facing DEG, the direction the plane faces from north through east (180 = south)</source>
        <translation>--dial %1 vraagt --facing GRADEN, de richting waarin het vlak kijkt, van noord over oost (180 = zuid)</translation>
    </message>
    <message>
        <source>--dial %1 needs --facing DEG, the direction the wall faces from north through east (180 = south)</source>
        <translation>--dial %1 vraagt --facing GRADEN, de richting waarin de muur kijkt, van noord over oost (180 = zuid)</translation>
    </message>
    <message>
        <source>&amp;Facing (degrees):</source>
        <translation>&amp;Oriëntatie (graden):</translation>
    </message>
    <message>
        <source>The direction the face looks out to (a wall&apos;s outward direction), degrees from north through east</source>
        <translation>De richting waarin de wijzerplaat kijkt (bij een muur naar buiten), in graden van noord over oost</translation>
    </message>
    <message>
        <source>a facing</source>
        <translation>een oriëntatie</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>graden</translation>
    </message>
    <message>
        <source>give degrees from %1 (level) to %2 (looking down)</source>
        <translation>geef graden van %1 (waterpas) tot %2 (naar beneden kijkend)</translation>
    </message>
    <message>
        <source>--dial %1 needs --tilt DEG, the angle from the zenith to the face&apos;s outward normal (0 level, 90 upright, 180 looking down)</source>
        <translation>--dial %1 vraagt --tilt GRADEN, de hoek van het zenit tot de naar buiten gerichte normaal van de wijzerplaat (0 waterpas, 90 rechtop, 180 naar beneden kijkend)</translation>
    </message>
    <message>
        <source>Tilt from the &amp;zenith (degrees):</source>
        <translation>Helling vanaf het &amp;zenit (graden):</translation>
    </message>
    <message>
        <source>The angle from the zenith to the face&apos;s outward normal: 0 level, 90 upright, over 90 leaning over</source>
        <translation>De hoek van het zenit tot de naar buiten gerichte normaal van de wijzerplaat: 0 waterpas, 90 rechtop, boven 90 overhangend</translation>
    </message>
    <message>
        <source>a tilt</source>
        <translation>een helling</translation>
    </message>
    <message>
        <source>each side must lie between %1 and %2 mm</source>
        <translation>elke zijde moet tussen %1 en %2 mm liggen</translation>
    </message>
    <message>
        <source>Plate &amp;width (mm):</source>
        <translation>Plaat&amp;breedte (mm):</translation>
    </message>
    <message>
        <source>a width</source>
        <translation>een breedte</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Plate h&amp;eight (mm):</source>
        <translation>Plaat&amp;hoogte (mm):</translation>
    </message>
    <message>
        <source>a height</source>
        <translation>een hoogte</translation>
    </message>
    <message>
        <source>give mm from %1 to the plate&apos;s smaller side (%2)</source>
        <translation>geef mm van %1 tot de kleinste zijde van de plaat (%2)</translation>
    </message>
    <message>
        <source>&amp;Nodus height (mm):</source>
        <translation>&amp;Nodushoogte (mm):</translation>
    </message>
    <message>
        <source>mm (the plate&apos;s smaller side)</source>
        <translation>mm (de kleinste zijde van de plaat)</translation>
    </message>
    <message>
        <source>give metres from %1 to %2</source>
        <translation>geef meters van %1 tot %2</translation>
    </message>
    <message>
        <source>Half-width on the gro&amp;und (m):</source>
        <translation>Halve breedte op de g&amp;rond (m):</translation>
    </message>
    <message>
        <source>For a dial on the ground: half its width east to west, from the centre to the 6 o&apos;clock mark</source>
        <translation>Voor een zonnewijzer op de grond: de halve breedte van oost naar west, van het midden tot de markering van 6 uur</translation>
    </message>
    <message>
        <source>a half-width</source>
        <translation>een halve breedte</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>--dial %1 needs --aperture-height M, the hole&apos;s height above the floor or out from the wall</source>
        <translation>--dial %1 vraagt --aperture-height M, de hoogte van het gat boven de vloer of de afstand tot de muur</translation>
    </message>
    <message>
        <source>&amp;Aperture height (m):</source>
        <translation>Hoo&amp;gte van de opening (m):</translation>
    </message>
    <message>
        <source>How far the hole stands above the floor, or out from the wall, in metres</source>
        <translation>Hoe hoog het gat boven de vloer staat, of hoe ver van de muur, in meters</translation>
    </message>
    <message>
        <source>give mm from %1 to %2</source>
        <translation>geef mm van %1 tot %2</translation>
    </message>
    <message>
        <source>Aperture &amp;diameter (mm):</source>
        <translation>&amp;Diameter van de opening (mm):</translation>
    </message>
    <message>
        <source>The round hole&apos;s width across, in millimetres</source>
        <translation>De middellijn van het ronde gat, in millimeters</translation>
    </message>
    <message>
        <source>a diameter</source>
        <translation>een diameter</translation>
    </message>
    <message>
        <source>give a time HH:MM of the zone&apos;s standard clock, from %1:00 to before %2:00, such as 12:00</source>
        <translation>geef een tijd HH:MM van de standaardtijd van de zone, van %1:00 tot voor %2:00, bijvoorbeeld 12:00</translation>
    </message>
    <message>
        <source>&amp;Mark time (HH:MM):</source>
        <translation>&amp;Markeringstijd (HH:MM):</translation>
    </message>
    <message>
        <source>The time of the zone&apos;s standard clock whose figure-8 is marked: 12:00, or 13:00 for summer time</source>
        <translation>De standaardtijd van de zone waarvan de achtvormige lus wordt gemarkeerd: 12:00, of 13:00 voor zomertijd</translation>
    </message>
    <message>
        <source>a time</source>
        <translation>een tijd</translation>
    </message>
    <message>
        <source>(HH:MM, the standard clock)</source>
        <translation>(HH:MM, standaardtijd)</translation>
    </message>
    <message>
        <source>Wire alo&amp;ng x, height (mm):</source>
        <translation>Draad la&amp;ngs x, hoogte (mm):</translation>
    </message>
    <message>
        <source>The height above the face of the wire along the plate&apos;s x axis; empty: the height that spaces the hours evenly where one does</source>
        <translation>De hoogte boven de wijzerplaat van de draad langs de x-as van de plaat; leeg: de hoogte die de uren gelijkmatig verdeelt, waar die bestaat</translation>
    </message>
    <message>
        <source>Wire along y, height (&amp;mm):</source>
        <translation>Draad langs y, hoogte (&amp;mm):</translation>
    </message>
    <message>
        <source>The height above the face of the wire along the plate&apos;s y axis</source>
        <translation>De hoogte boven de wijzerplaat van de draad langs de y-as van de plaat</translation>
    </message>
    <message>
        <source>a horizontal dial</source>
        <translation>een horizontale zonnewijzer</translation>
    </message>
    <message>
        <source>a vertical dial</source>
        <translation>een verticale zonnewijzer</translation>
    </message>
    <message>
        <source>a plane dial</source>
        <translation>een vlakke zonnewijzer</translation>
    </message>
    <message>
        <source>a polar dial</source>
        <translation>een poolzonnewijzer</translation>
    </message>
    <message>
        <source>an equatorial dial</source>
        <translation>een equatoriale zonnewijzer</translation>
    </message>
    <message>
        <source>an analemmatic dial</source>
        <translation>een analemmatische zonnewijzer</translation>
    </message>
    <message>
        <source>a noon mark</source>
        <translation>een middaglijn</translation>
    </message>
    <message>
        <source>a bifilar dial</source>
        <translation>een bifilaire zonnewijzer</translation>
    </message>
    <message>
        <source>%1 needs a latitude from %2° to %3°, north or south: %4</source>
        <translation>%1 vraagt een breedte van %2° tot %3°, noord of zuid: %4</translation>
    </message>
    <message>
        <source>sun below the horizon: no shadow at this time</source>
        <translation>zon onder de horizon: geen schaduw op dit tijdstip</translation>
    </message>
    <message>
        <source>sun under 5 degrees: long, faint shadow</source>
        <translation>zon onder 5 graden: lange, vage schaduw</translation>
    </message>
    <message>
        <source>sun over 80 degrees: short shadow, direction hard to read</source>
        <translation>zon boven 80 graden: korte schaduw, richting moeilijk af te lezen</translation>
    </message>
    <message>
        <source>the longitude is more than 15 degrees from the time zone&apos;s meridian</source>
        <translation>de lengte ligt meer dan 15 graden van de meridiaan van de tijdzone</translation>
    </message>
    <message>
        <source>the wall readings disagree by more than 1 degree: check the board, the square line and the clock times</source>
        <translation>de muuraflezingen verschillen meer dan 1 graad: controleer de plank, de haakse lijn en de kloktijden</translation>
    </message>
    <message>
        <source>this computer&apos;s time zone uses the other clock (standard or daylight saving) on this date</source>
        <translation>de tijdzone van deze computer gebruikt op deze datum de andere tijd (standaard- of zomertijd)</translation>
    </message>
    <message>
        <source>east-west</source>
        <translation>oost-west</translation>
    </message>
    <message>
        <source>north-south</source>
        <translation>noord-zuid</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no magnetic declination</comment>
        <translation>geen</translation>
    </message>
    <message>
        <source>standard time (%1)</source>
        <translation>standaardtijd (%1)</translation>
    </message>
    <message>
        <source>summer time (%1; the zone&apos;s standard time is %2)</source>
        <translation>zomertijd (%1; de standaardtijd van de zone is %2)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <source>The clock skips %1: it jumps an hour ahead that night.</source>
        <translation>De klok slaat %1 over: ze springt die nacht een uur vooruit.</translation>
    </message>
    <message>
        <source>At %1 the sun is below the horizon.</source>
        <translation>Om %1 staat de zon onder de horizon.</translation>
    </message>
    <message>
        <source>At %1 the sun does not light this face.</source>
        <translation>Om %1 beschijnt de zon deze wijzerplaat niet.</translation>
    </message>
    <message>
        <source>At %1 the sun lights this face.</source>
        <translation>Om %1 beschijnt de zon deze wijzerplaat.</translation>
    </message>
    <message>
        <source>zone time</source>
        <translation>zonetijd</translation>
    </message>
    <message>
        <source>clock time</source>
        <translation>kloktijd</translation>
    </message>
    <message>
        <source>At %1 the dial reads %2 (%3); the clock says %4 in summer time.</source>
        <translation>Om %1 wijst de zonnewijzer %2 aan (%3); de klok zegt %4 in de zomertijd.</translation>
    </message>
    <message>
        <source>At %1 the dial reads %2 (%3); the clock says %4.</source>
        <translation>Om %1 wijst de zonnewijzer %2 aan (%3); de klok zegt %4.</translation>
    </message>
    <message>
        <source>Correction card</source>
        <translation>Correctietabel</translation>
    </message>
    <message>
        <source>Add the figure to the time the dial shows to get the clock time; negative: subtract. Minutes and seconds.</source>
        <translation>Tel het getal op bij de tijd van de zonnewijzer om de kloktijd te krijgen; negatief: aftrekken. Minuten en seconden.</translation>
    </message>
    <message>
        <source>Print at actual size, not fitted to the page; check both rulers.</source>
        <translation>Druk af op ware grootte, niet aangepast; controleer beide linialen.</translation>
    </message>
    <message>
        <source>%1, whole on this page</source>
        <translation>%1, geheel op deze pagina</translation>
    </message>
    <message>
        <source>%1: column %2 of %3, row %4 of %5</source>
        <translation>%1: kolom %2 van %3, rij %4 van %5</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>Where the pages go: the plate in %1 across x %2 down; each outline carries the number of its page.</source>
        <translation>Waar de pagina&apos;s komen: de plaat in %1 naast elkaar x %2 onder elkaar; elke omtrek draagt het nummer van zijn pagina.</translation>
    </message>
    <message>
        <source>Dial plate</source>
        <translation>Wijzerplaat</translation>
    </message>
    <message>
        <source>dial</source>
        <comment>the thing printed or saved</comment>
        <translation>zonnewijzer</translation>
    </message>
    <message>
        <source>Save Dial as PDF</source>
        <translation>Zonnewijzer opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>Saved the %1 as %2.</source>
        <translation>%1 opgeslagen als %2.</translation>
    </message>
    <message>
        <source>The %1 could not be saved as %2.</source>
        <translation>%1 kon niet worden opgeslagen als %2.</translation>
    </message>
    <message>
        <source>Sent the %1 to the printer %2.</source>
        <translation>%1 naar de printer %2 gestuurd.</translation>
    </message>
    <message>
        <source>No printer is available. Do you want to save the %1 as a PDF file instead?</source>
        <translation>Er is geen printer beschikbaar. Wilt u %1 in plaats daarvan als PDF-bestand opslaan?</translation>
    </message>
    <message>
        <source>report</source>
        <comment>the thing printed or saved</comment>
        <translation>rapport</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Rapport opslaan als PDF</translation>
    </message>
    <message>
        <source>%1 m.  Scale 1:%2: 1 cm on paper is %3 m on the ground.  %4</source>
        <translation>%1 m.  Schaal 1:%2: 1 cm op papier is %3 m op de grond.  %4</translation>
    </message>
    <message>
        <source>Staking it out</source>
        <translation>Uitzetten</translation>
    </message>
    <message>
        <source>meridian</source>
        <translation>meridiaan</translation>
    </message>
</context>
</TS>
