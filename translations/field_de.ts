<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>field</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Compass: not given for this date; the World Magnetic Model %1 covers %2. The sun&apos;s meridian passage gives the north-south line.</source>
        <translation>Kompass: für dieses Datum nicht angegeben; das World Magnetic Model %1 gilt für %2. Der Meridiandurchgang der Sonne gibt die Nord-Süd-Linie.</translation>
    </message>
    <message>
        <source>its needle points to true north here, within %1</source>
        <translation>seine Nadel zeigt hier auf geographisch Nord, auf %1 genau</translation>
    </message>
    <message>
        <source>its needle points %1 east of true north here</source>
        <translation>seine Nadel zeigt hier %1 östlich von geographisch Nord</translation>
    </message>
    <message>
        <source>its needle points %1 west of true north here</source>
        <translation>seine Nadel zeigt hier %1 westlich von geographisch Nord</translation>
    </message>
    <message>
        <source>hardly moving from year to year</source>
        <translation>von Jahr zu Jahr kaum veränderlich</translation>
    </message>
    <message>
        <source>moving %1 a year eastward</source>
        <translation>jährlich %1 nach Osten wandernd</translation>
    </message>
    <message>
        <source>moving %1 a year westward</source>
        <translation>jährlich %1 nach Westen wandernd</translation>
    </message>
    <message>
        <source>Compass: %1 (%2 for this date, %3); iron and steel nearby turn it further. The sun&apos;s meridian passage gives the truer north-south line.</source>
        <translation>Kompass: %1 (%2 für dieses Datum, %3); Eisen und Stahl in der Nähe lenken sie weiter ab. Der Meridiandurchgang der Sonne gibt die genauere Nord-Süd-Linie.</translation>
    </message>
    <message>
        <source>readings on other days, a month or more apart</source>
        <translation>Ablesungen an anderen Tagen, einen Monat oder mehr auseinander</translation>
    </message>
    <message>
        <source>readings in the morning and the afternoon, two hours or more from noon</source>
        <translation>Ablesungen am Vormittag und am Nachmittag, zwei Stunden oder mehr vom Mittag entfernt</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1 sowie %2</translation>
    </message>
    <message>
        <source>readings on other days and at other hours</source>
        <translation>Ablesungen an anderen Tagen und zu anderen Stunden</translation>
    </message>
    <message>
        <source>Four readings at least are needed to find the turn, the lean and the clock&apos;s offset: add %1.</source>
        <translation>Mindestens vier Ablesungen braucht es, um Drehung, Neigung und Uhrversatz zu finden: ergänzen Sie %1.</translation>
    </message>
    <message>
        <source>These readings cannot tell the turn from the lean: add %1.</source>
        <translation>Diese Ablesungen können Drehung und Neigung nicht trennen: ergänzen Sie %1.</translation>
    </message>
    <message>
        <source>These readings cannot tell the turn from the clock&apos;s offset: add %1.</source>
        <translation>Diese Ablesungen können Drehung und Uhrversatz nicht trennen: ergänzen Sie %1.</translation>
    </message>
    <message>
        <source>These readings cannot tell the lean from the clock&apos;s offset: add %1.</source>
        <translation>Diese Ablesungen können Neigung und Uhrversatz nicht trennen: ergänzen Sie %1.</translation>
    </message>
    <message>
        <source>the noon line&apos;s north end %1 mm to the west on this %2 mm plate</source>
        <translation>das Nordende der Mittagslinie %1 mm nach Westen bei dieser %2-mm-Platte</translation>
    </message>
    <message>
        <source>the noon line&apos;s north end %1 mm to the east on this %2 mm plate</source>
        <translation>das Nordende der Mittagslinie %1 mm nach Osten bei dieser %2-mm-Platte</translation>
    </message>
    <message>
        <source>its right edge %1 mm back on this %2 mm wide plate</source>
        <translation>ihren rechten Rand %1 mm zurück bei dieser %2 mm breiten Platte</translation>
    </message>
    <message>
        <source>its right edge %1 mm forward on this %2 mm wide plate</source>
        <translation>ihren rechten Rand %1 mm nach vorn bei dieser %2 mm breiten Platte</translation>
    </message>
    <message>
        <source>Turn the dial %1 anticlockwise seen from above: %2.</source>
        <translation>Drehen Sie die Sonnenuhr von oben gesehen um %1 gegen den Uhrzeigersinn: %2.</translation>
    </message>
    <message>
        <source>Turn the dial %1 clockwise seen from above: %2.</source>
        <translation>Drehen Sie die Sonnenuhr von oben gesehen um %1 im Uhrzeigersinn: %2.</translation>
    </message>
    <message>
        <source>The face leans %1 down towards the south: raise its south edge %2 mm over the plate&apos;s %3 mm.</source>
        <translation>Das Zifferblatt neigt sich %1 nach Süden: heben Sie seinen Südrand um %2 mm auf %3 mm Plattenlänge an.</translation>
    </message>
    <message>
        <source>The face leans %1 down towards the north: raise its north edge %2 mm over the plate&apos;s %3 mm.</source>
        <translation>Das Zifferblatt neigt sich %1 nach Norden: heben Sie seinen Nordrand um %2 mm auf %3 mm Plattenlänge an.</translation>
    </message>
    <message>
        <source>The face leans %1 forward: tip its top edge %2 mm back over the plate&apos;s %3 mm.</source>
        <translation>Das Zifferblatt neigt sich %1 nach vorn: kippen Sie seine Oberkante um %2 mm zurück auf %3 mm Plattenhöhe.</translation>
    </message>
    <message>
        <source>The face leans %1 back: tip its top edge %2 mm forward over the plate&apos;s %3 mm.</source>
        <translation>Das Zifferblatt neigt sich %1 nach hinten: kippen Sie seine Oberkante um %2 mm nach vorn auf %3 mm Plattenhöhe.</translation>
    </message>
    <message>
        <source>The rest is %1 minutes, the dial ahead of the clock: check the clock, and that the readings were taken in the dial&apos;s own time.</source>
        <translation>Es bleiben %1 Minuten, die Sonnenuhr geht der Uhr voraus: prüfen Sie die Uhr und ob die Ablesungen in der Zeit der Sonnenuhr gemacht wurden.</translation>
    </message>
    <message>
        <source>The rest is %1 minutes, the dial behind the clock: check the clock, and that the readings were taken in the dial&apos;s own time.</source>
        <translation>Es bleiben %1 Minuten, die Sonnenuhr geht der Uhr nach: prüfen Sie die Uhr und ob die Ablesungen in der Zeit der Sonnenuhr gemacht wurden.</translation>
    </message>
    <message>
        <source>The dial stands true: within %1 of turn and lean and a minute of time.</source>
        <translation>Die Sonnenuhr steht richtig: auf %1 in Drehung und Neigung und eine Minute in der Zeit genau.</translation>
    </message>
    <message>
        <source>forward</source>
        <comment>leaning</comment>
        <translation>nach vorn</translation>
    </message>
    <message>
        <source>back</source>
        <comment>leaning</comment>
        <translation>nach hinten</translation>
    </message>
    <message>
        <source>down towards the south</source>
        <translation>nach Süden abfallend</translation>
    </message>
    <message>
        <source>down towards the north</source>
        <translation>nach Norden abfallend</translation>
    </message>
    <message>
        <source>a dial drawn to the clock has figure-8s, not hour lines that turn with its style: check it against the clock by eye, or design it to zone time to check readings</source>
        <translation>eine auf die Uhrzeit gezeichnete Sonnenuhr hat Achterschleifen, keine Stundenlinien, die sich mit dem Polstab drehen: vergleichen Sie sie mit bloßem Auge mit der Uhr oder entwerfen Sie sie auf Zonenzeit, um Ablesungen zu prüfen</translation>
    </message>
    <message>
        <source>the clock skips that time on that day</source>
        <translation>die Uhr überspringt diese Zeit an diesem Tag</translation>
    </message>
    <message>
        <source>the dial&apos;s reading is more than %1 hours from the clock&apos;s</source>
        <translation>die Ablesung der Sonnenuhr liegt mehr als %1 Stunden von der Uhr entfernt</translation>
    </message>
    <message>
        <source>the sun is below the horizon then</source>
        <translation>die Sonne steht dann unter dem Horizont</translation>
    </message>
    <message>
        <source>Sun time</source>
        <translation>Wahre Ortszeit</translation>
    </message>
    <message>
        <source>Zone time</source>
        <translation>Zonenzeit</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Solstices and equinoxes</source>
        <translation>Sonnenwenden und Tagundnachtgleichen</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>60 minutes</source>
        <translation>60 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <source>Equinox</source>
        <translation>Tagundnachtgleiche</translation>
    </message>
    <message>
        <source>a label of at most %1 characters</source>
        <translation>eine Beschriftung von höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>a label without control characters</source>
        <translation>eine Beschriftung ohne Steuerzeichen</translation>
    </message>
    <message>
        <source>Add to the dial&apos;s reading for the clock, %1</source>
        <translation>Zuschlag zur Sonnenuhrzeit für die Uhrzeit, %1</translation>
    </message>
    <message>
        <source>Clock: %1</source>
        <translation>Uhr: %1</translation>
    </message>
    <message>
        <source>sun time</source>
        <translation>wahre Ortszeit</translation>
    </message>
    <message>
        <source>the zone&apos;s standard clock (%1), add an hour in summer time</source>
        <translation>Normalzeit der Zone (%1), zur Sommerzeit eine Stunde addieren</translation>
    </message>
    <message>
        <source>the zone&apos;s standard clock (%1)</source>
        <translation>Normalzeit der Zone (%1)</translation>
    </message>
    <message>
        <source>zone time, meridian %1° %2, add an hour in daylight saving time</source>
        <translation>Zonenzeit, Meridian %1° %2, zur Sommerzeit eine Stunde addieren</translation>
    </message>
    <message>
        <source>zone time, meridian %1° %2</source>
        <translation>Zonenzeit, Meridian %1° %2</translation>
    </message>
    <message>
        <source>%1 on a level floor</source>
        <translation>%1 auf ebenem Boden</translation>
    </message>
    <message>
        <source>%1, facing %2°, tilt %3°</source>
        <translation>%1, Ausrichtung %2°, Neigung %3°</translation>
    </message>
    <message>
        <source>%1 facing %2°, tilt %3°</source>
        <translation>%1, Ausrichtung %2°, Neigung %3°</translation>
    </message>
    <message>
        <source>%1, facing %2°</source>
        <translation>%1, Ausrichtung %2°</translation>
    </message>
    <message>
        <source>%1 facing %2°</source>
        <translation>%1, Ausrichtung %2°</translation>
    </message>
    <message>
        <source>%1, tilt %2°</source>
        <translation>%1, Neigung %2°</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertikal</translation>
    </message>
    <message>
        <source>plane</source>
        <translation>eben</translation>
    </message>
    <message>
        <source>polar</source>
        <translation>polar</translation>
    </message>
    <message>
        <source>equatorial</source>
        <translation>äquatorial</translation>
    </message>
    <message>
        <source>analemmatic</source>
        <translation>analemmatisch</translation>
    </message>
    <message>
        <source>noon mark</source>
        <translation>Mittagslinie</translation>
    </message>
    <message>
        <source>bifilar</source>
        <translation>bifilar</translation>
    </message>
    <message>
        <source>This dial reads the clock: no correction card is needed.</source>
        <translation>Diese Sonnenuhr zeigt die Uhrzeit: eine Korrekturtafel ist nicht nötig.</translation>
    </message>
    <message>
        <source>Site: %1, %2</source>
        <translation>Standort: %1, %2</translation>
    </message>
    <message>
        <source>Dial: %1, %2, %3</source>
        <translation>Sonnenuhr: %1, %2, %3</translation>
    </message>
    <message>
        <source> (no region&apos;s summer-time rules for this time zone entry)</source>
        <translation> (keine regionalen Sommerzeitregeln für diesen Zeitzoneneintrag)</translation>
    </message>
    <message>
        <source>give degrees from %1 to %2, from north through east</source>
        <translation>Grad von %1 bis %2 angeben, von Nord über Ost</translation>
    </message>
    <message>
        <source>--dial %1 needs --facing DEG, the direction the plane faces from north through east (180 = south)</source>
        <translation>--dial %1 braucht --facing GRAD, die Richtung, in die die Ebene blickt, von Nord über Ost (180 = Süd)</translation>
    </message>
    <message>
        <source>--dial %1 needs --facing DEG, the direction the wall faces from north through east (180 = south)</source>
        <translation>--dial %1 braucht --facing GRAD, die Richtung, in die die Wand blickt, von Nord über Ost (180 = Süd)</translation>
    </message>
    <message>
        <source>&amp;Facing (degrees):</source>
        <translation>&amp;Ausrichtung (Grad):</translation>
    </message>
    <message>
        <source>The direction the face looks out to (a wall&apos;s outward direction), degrees from north through east</source>
        <translation>Die Richtung, in die das Zifferblatt blickt (bei einer Wand ihre Außenseite), in Grad von Nord über Ost</translation>
    </message>
    <message>
        <source>a facing</source>
        <translation>eine Ausrichtung</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>give degrees from %1 (level) to %2 (looking down)</source>
        <translation>Grad von %1 (waagrecht) bis %2 (nach unten blickend) angeben</translation>
    </message>
    <message>
        <source>--dial %1 needs --tilt DEG, the angle from the zenith to the face&apos;s outward normal (0 level, 90 upright, 180 looking down)</source>
        <translation>--dial %1 braucht --tilt GRAD, den Winkel vom Zenit zur äußeren Normalen des Zifferblatts (0 waagrecht, 90 senkrecht, 180 nach unten blickend)</translation>
    </message>
    <message>
        <source>Tilt from the &amp;zenith (degrees):</source>
        <translation>Neigung vom &amp;Zenit (Grad):</translation>
    </message>
    <message>
        <source>The angle from the zenith to the face&apos;s outward normal: 0 level, 90 upright, over 90 leaning over</source>
        <translation>Der Winkel vom Zenit zur äußeren Normalen des Zifferblatts: 0 waagrecht, 90 senkrecht, über 90 überhängend</translation>
    </message>
    <message>
        <source>a tilt</source>
        <translation>eine Neigung</translation>
    </message>
    <message>
        <source>each side must lie between %1 and %2 mm</source>
        <translation>jede Seite muss zwischen %1 und %2 mm liegen</translation>
    </message>
    <message>
        <source>Plate &amp;width (mm):</source>
        <translation>Platten&amp;breite (mm):</translation>
    </message>
    <message>
        <source>a width</source>
        <translation>eine Breite</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Plate h&amp;eight (mm):</source>
        <translation>Platten&amp;höhe (mm):</translation>
    </message>
    <message>
        <source>a height</source>
        <translation>eine Höhe</translation>
    </message>
    <message>
        <source>give mm from %1 to the plate&apos;s smaller side (%2)</source>
        <translation>mm von %1 bis zur kleineren Plattenseite (%2) angeben</translation>
    </message>
    <message>
        <source>&amp;Nodus height (mm):</source>
        <translation>&amp;Nodushöhe (mm):</translation>
    </message>
    <message>
        <source>mm (the plate&apos;s smaller side)</source>
        <translation>mm (kleinere Plattenseite)</translation>
    </message>
    <message>
        <source>give metres from %1 to %2</source>
        <translation>Meter von %1 bis %2 angeben</translation>
    </message>
    <message>
        <source>Half-width on the gro&amp;und (m):</source>
        <translation>Halbe Breite am Bo&amp;den (m):</translation>
    </message>
    <message>
        <source>For a dial on the ground: half its width east to west, from the centre to the 6 o&apos;clock mark</source>
        <translation>Für eine Sonnenuhr am Boden: die halbe Breite von Ost nach West, von der Mitte bis zur 6-Uhr-Marke</translation>
    </message>
    <message>
        <source>a half-width</source>
        <translation>eine halbe Breite</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>--dial %1 needs --aperture-height M, the hole&apos;s height above the floor or out from the wall</source>
        <translation>--dial %1 braucht --aperture-height M, die Höhe des Lochs über dem Boden oder seinen Abstand von der Wand</translation>
    </message>
    <message>
        <source>&amp;Aperture height (m):</source>
        <translation>Höhe der Ö&amp;ffnung (m):</translation>
    </message>
    <message>
        <source>How far the hole stands above the floor, or out from the wall, in metres</source>
        <translation>Wie hoch das Loch über dem Boden oder wie weit es vor der Wand liegt, in Metern</translation>
    </message>
    <message>
        <source>give mm from %1 to %2</source>
        <translation>mm von %1 bis %2 angeben</translation>
    </message>
    <message>
        <source>Aperture &amp;diameter (mm):</source>
        <translation>&amp;Durchmesser der Öffnung (mm):</translation>
    </message>
    <message>
        <source>The round hole&apos;s width across, in millimetres</source>
        <translation>Der Durchmesser des runden Lochs, in Millimetern</translation>
    </message>
    <message>
        <source>a diameter</source>
        <translation>einen Durchmesser</translation>
    </message>
    <message>
        <source>give a time HH:MM of the zone&apos;s standard clock, from %1:00 to before %2:00, such as 12:00</source>
        <translation>eine Zeit HH:MM der Normalzeit der Zone angeben, von %1:00 bis vor %2:00, etwa 12:00</translation>
    </message>
    <message>
        <source>&amp;Mark time (HH:MM):</source>
        <translation>&amp;Markenzeit (HH:MM):</translation>
    </message>
    <message>
        <source>The time of the zone&apos;s standard clock whose figure-8 is marked: 12:00, or 13:00 for summer time</source>
        <translation>Die Zeit der Normalzeit der Zone, deren Achterschleife markiert wird: 12:00, oder 13:00 für Sommerzeit</translation>
    </message>
    <message>
        <source>a time</source>
        <translation>eine Zeit</translation>
    </message>
    <message>
        <source>(HH:MM, the standard clock)</source>
        <translation>(HH:MM, Normalzeit)</translation>
    </message>
    <message>
        <source>Wire alo&amp;ng x, height (mm):</source>
        <translation>Faden e&amp;ntlang x, Höhe (mm):</translation>
    </message>
    <message>
        <source>The height above the face of the wire along the plate&apos;s x axis; empty: the height that spaces the hours evenly where one does</source>
        <translation>Die Höhe des Fadens entlang der x-Achse der Platte über dem Zifferblatt; leer: die Höhe, die die Stunden gleichmäßig verteilt, wo es eine solche gibt</translation>
    </message>
    <message>
        <source>Wire along y, height (&amp;mm):</source>
        <translation>Faden entlang y, Höhe (&amp;mm):</translation>
    </message>
    <message>
        <source>The height above the face of the wire along the plate&apos;s y axis</source>
        <translation>Die Höhe des Fadens entlang der y-Achse der Platte über dem Zifferblatt</translation>
    </message>
    <message>
        <source>a horizontal dial</source>
        <translation>eine Horizontaluhr</translation>
    </message>
    <message>
        <source>a vertical dial</source>
        <translation>eine Vertikaluhr</translation>
    </message>
    <message>
        <source>a plane dial</source>
        <translation>eine ebene Sonnenuhr</translation>
    </message>
    <message>
        <source>a polar dial</source>
        <translation>eine Polaruhr</translation>
    </message>
    <message>
        <source>an equatorial dial</source>
        <translation>eine Äquatorialuhr</translation>
    </message>
    <message>
        <source>an analemmatic dial</source>
        <translation>eine analemmatische Sonnenuhr</translation>
    </message>
    <message>
        <source>a noon mark</source>
        <translation>eine Mittagslinie</translation>
    </message>
    <message>
        <source>a bifilar dial</source>
        <translation>eine bifilare Sonnenuhr</translation>
    </message>
    <message>
        <source>%1 needs a latitude from %2° to %3°, north or south: %4</source>
        <translation>%1 braucht eine Breite von %2° bis %3°, Nord oder Süd: %4</translation>
    </message>
    <message>
        <source>sun below the horizon: no shadow at this time</source>
        <translation>Sonne unter dem Horizont: zu dieser Zeit kein Schatten</translation>
    </message>
    <message>
        <source>sun under 5 degrees: long, faint shadow</source>
        <translation>Sonne unter 5 Grad: langer, schwacher Schatten</translation>
    </message>
    <message>
        <source>sun over 80 degrees: short shadow, direction hard to read</source>
        <translation>Sonne über 80 Grad: kurzer Schatten, Richtung schwer ablesbar</translation>
    </message>
    <message>
        <source>the longitude is more than 15 degrees from the time zone&apos;s meridian</source>
        <translation>die Länge liegt mehr als 15 Grad vom Meridian der Zeitzone entfernt</translation>
    </message>
    <message>
        <source>the wall readings disagree by more than 1 degree: check the board, the square line and the clock times</source>
        <translation>die Wandablesungen weichen um mehr als 1 Grad voneinander ab: prüfen Sie das Brett, die Winkellinie und die Uhrzeiten</translation>
    </message>
    <message>
        <source>this computer&apos;s time zone uses the other clock (standard or daylight saving) on this date</source>
        <translation>die Zeitzone dieses Computers verwendet an diesem Datum die andere Uhrzeit (Normal- oder Sommerzeit)</translation>
    </message>
    <message>
        <source>east-west</source>
        <translation>Ost-West</translation>
    </message>
    <message>
        <source>north-south</source>
        <translation>Nord-Süd</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no magnetic declination</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>standard time (%1)</source>
        <translation>Normalzeit (%1)</translation>
    </message>
    <message>
        <source>summer time (%1; the zone&apos;s standard time is %2)</source>
        <translation>Sommerzeit (%1; die Normalzeit der Zone ist %2)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <source>The clock skips %1: it jumps an hour ahead that night.</source>
        <translation>Die Uhr überspringt %1: sie springt in dieser Nacht eine Stunde vor.</translation>
    </message>
    <message>
        <source>At %1 the sun is below the horizon.</source>
        <translation>Um %1 steht die Sonne unter dem Horizont.</translation>
    </message>
    <message>
        <source>At %1 the sun does not light this face.</source>
        <translation>Um %1 bescheint die Sonne dieses Zifferblatt nicht.</translation>
    </message>
    <message>
        <source>At %1 the sun lights this face.</source>
        <translation>Um %1 bescheint die Sonne dieses Zifferblatt.</translation>
    </message>
    <message>
        <source>zone time</source>
        <translation>Zonenzeit</translation>
    </message>
    <message>
        <source>clock time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>At %1 the dial reads %2 (%3); the clock says %4 in summer time.</source>
        <translation>Um %1 zeigt die Sonnenuhr %2 (%3); die Uhr zeigt zur Sommerzeit %4.</translation>
    </message>
    <message>
        <source>At %1 the dial reads %2 (%3); the clock says %4.</source>
        <translation>Um %1 zeigt die Sonnenuhr %2 (%3); die Uhr zeigt %4.</translation>
    </message>
    <message>
        <source>Correction card</source>
        <translation>Korrekturtafel</translation>
    </message>
    <message>
        <source>Add the figure to the time the dial shows to get the clock time; negative: subtract. Minutes and seconds.</source>
        <translation>Den Wert zur Zeit der Sonnenuhr addieren, um die Uhrzeit zu erhalten; negativ: abziehen. Minuten und Sekunden.</translation>
    </message>
    <message>
        <source>Print at actual size, not fitted to the page; check both rulers.</source>
        <translation>In Originalgröße drucken, nicht eingepasst; beide Maßstäbe prüfen.</translation>
    </message>
    <message>
        <source>%1, whole on this page</source>
        <translation>%1, ganz auf dieser Seite</translation>
    </message>
    <message>
        <source>%1: column %2 of %3, row %4 of %5</source>
        <translation>%1: Spalte %2 von %3, Zeile %4 von %5</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Where the pages go: the plate in %1 across x %2 down; each outline carries the number of its page.</source>
        <translation>Anordnung der Seiten: die Platte in %1 nebeneinander x %2 untereinander; jeder Umriss trägt die Nummer seiner Seite.</translation>
    </message>
    <message>
        <source>Dial plate</source>
        <translation>Zifferblatt</translation>
    </message>
    <message>
        <source>dial</source>
        <comment>the thing printed or saved</comment>
        <translation>Sonnenuhr</translation>
    </message>
    <message>
        <source>Save Dial as PDF</source>
        <translation>Sonnenuhr als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Saved the %1 as %2.</source>
        <translation>%1 gespeichert als %2.</translation>
    </message>
    <message>
        <source>The %1 could not be saved as %2.</source>
        <translation>%1 konnte nicht als %2 gespeichert werden.</translation>
    </message>
    <message>
        <source>Sent the %1 to the printer %2.</source>
        <translation>%1 an den Drucker %2 gesendet.</translation>
    </message>
    <message>
        <source>No printer is available. Do you want to save the %1 as a PDF file instead?</source>
        <translation>Kein Drucker verfügbar. Möchten Sie %1 stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>report</source>
        <comment>the thing printed or saved</comment>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>%1 m.  Scale 1:%2: 1 cm on paper is %3 m on the ground.  %4</source>
        <translation>%1 m.  Maßstab 1:%2: 1 cm auf dem Papier sind %3 m im Gelände.  %4</translation>
    </message>
    <message>
        <source>Staking it out</source>
        <translation>Abstecken</translation>
    </message>
    <message>
        <source>meridian</source>
        <translation>Meridian</translation>
    </message>
</context>
</TS>
