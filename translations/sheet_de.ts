<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>sheet</name>
    <message>
        <source>At %1:</source>
        <translation>Um %1:</translation>
    </message>
    <message>
        <source>never seen</source>
        <translation>nie sichtbar</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>field sheet</source>
        <translation>Feldblatt</translation>
    </message>
    <message>
        <source>Computer&apos;s clock: %1</source>
        <translation>Computeruhr: %1</translation>
    </message>
    <message>
        <source>No more events today</source>
        <translation>Heute keine Ereignisse mehr</translation>
    </message>
    <message>
        <source>Next: %1 at %2, in %3</source>
        <translation>Nächstes: %1 um %2, in %3</translation>
    </message>
    <message>
        <source>Next: %1 at %2, now</source>
        <translation>Nächstes: %1 um %2, jetzt</translation>
    </message>
    <message>
        <source>Save Field Sheet as PDF</source>
        <translation>Feldblatt als PDF speichern</translation>
    </message>
    <message>
        <source>Field Sheet</source>
        <translation>Feldblatt</translation>
    </message>
    <message>
        <source>Plumb line &amp;height (m):</source>
        <translation>Lot&amp;höhe (m):</translation>
    </message>
    <message>
        <source>Degrees from north through east; empty for no fourth event</source>
        <translation>Grad von Nord über Ost; leer für kein viertes Ereignis</translation>
    </message>
    <message>
        <source>Sun at &amp;bearing (°):</source>
        <translation>Sonne in &amp;Richtung (°):</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>&amp;Tick in the last five seconds</source>
        <translation>&amp;Ticken in den letzten fünf Sekunden</translation>
    </message>
    <message>
        <source>The times are only as good as the clock you read: set your watch and this computer&apos;s clock exactly.</source>
        <translation>Die Zeiten sind nur so genau wie die Uhr, die Sie ablesen: Stellen Sie Ihre Armbanduhr und die Uhr dieses Computers genau.</translation>
    </message>
    <message>
        <source>Click here to set your watch to atomic standard via internet</source>
        <translation>Hier klicken: Uhr per Internet nach der Atomzeit stellen</translation>
    </message>
    <message>
        <source>Set your watch to atomic standard via internet</source>
        <translation>Uhr per Internet nach der Atomzeit stellen</translation>
    </message>
    <message>
        <source>&amp;Every 30 seconds around:</source>
        <translation>Alle 30 Sekunden &amp;um:</translation>
    </message>
    <message>
        <source>Every 30 seconds around the chosen event</source>
        <translation>Alle 30 Sekunden um das gewählte Ereignis</translation>
    </message>
    <message>
        <source>I &amp;marked the shadow at:</source>
        <translation>Schatten &amp;markiert um:</translation>
    </message>
    <message>
        <source>The &amp;next 14 days:</source>
        <translation>&amp;Kommende 14 Tage:</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Save as PDF</source>
        <translation>Als PDF &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Plan of the site</source>
        <translation>Plan des Standorts</translation>
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
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>true east-west</source>
        <translation>wahre Ost-West-Linie</translation>
    </message>
    <message>
        <source>true north-south</source>
        <translation>wahre Nord-Süd-Linie</translation>
    </message>
    <message>
        <source>plumb line %1</source>
        <translation>Lot %1</translation>
    </message>
    <message>
        <source>%1 (%2), every 30 seconds</source>
        <translation>%1 (%2), alle 30 Sekunden</translation>
    </message>
    <message>
        <source>%1, every 30 s</source>
        <translation>%1, alle 30 s</translation>
    </message>
    <message>
        <source>%1 at %2, every 30 s</source>
        <translation>%1 um %2, alle 30 s</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Which way the wall faces</source>
        <translation>Ausrichtung der Wand</translation>
    </message>
    <message numerus="yes">
        <source>The next %n days</source>
        <translation>
            <numerusform>Der nächste Tag</numerusform>
            <numerusform>Die nächsten %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Orvane Field Sheet</source>
        <translation>Orvane-Feldblatt</translation>
    </message>
    <message>
        <source>On the ground</source>
        <translation>Vor Ort</translation>
    </message>
    <message>
        <source>Shadows drawn for a plumb line %1 high.
Mark the shadow at the large time; bold rows are that moment.
Marked at another time? Turn the mark back by its row&apos;s shadow bearing
less the true line&apos;s (0, 90, 180 or 270 degrees).</source>
        <translation>Schatten gezeichnet für ein Lot von %1 Höhe.
Den Schatten zur großen Uhrzeit markieren; fette Zeilen zeigen sie.
Zu anderer Zeit markiert? Die Marke zurückdrehen um die
Schattenrichtung ihrer Zeile minus die der wahren Linie
(0, 90, 180 oder 270 Grad).</translation>
    </message>
    <message>
        <source>due north</source>
        <translation>genau im Norden</translation>
    </message>
    <message>
        <source>due east</source>
        <translation>genau im Osten</translation>
    </message>
    <message>
        <source>due south</source>
        <translation>genau im Süden</translation>
    </message>
    <message>
        <source>due west</source>
        <translation>genau im Westen</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Meridian</source>
        <translation>Meridian</translation>
    </message>
    <message>
        <source>east</source>
        <comment>event</comment>
        <translation>Ost</translation>
    </message>
    <message>
        <source>meridian</source>
        <comment>event</comment>
        <translation>Meridian</translation>
    </message>
    <message>
        <source>west</source>
        <comment>event</comment>
        <translation>West</translation>
    </message>
    <message>
        <source>sun due north</source>
        <translation>Sonne genau im Norden</translation>
    </message>
    <message>
        <source>sun due east</source>
        <translation>Sonne genau im Osten</translation>
    </message>
    <message>
        <source>sun due south</source>
        <translation>Sonne genau im Süden</translation>
    </message>
    <message>
        <source>sun due west</source>
        <translation>Sonne genau im Westen</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>Shadow %1, none</source>
        <translation>Schatten %1, keiner</translation>
    </message>
    <message>
        <source>Shadow %1, %2 long</source>
        <translation>Schatten %1, %2 lang</translation>
    </message>
    <message>
        <source>Turns %1 a minute, clockwise</source>
        <translation>Dreht %1 pro Minute, im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Turns %1 a minute, anticlockwise</source>
        <translation>Dreht %1 pro Minute, gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>The sun never stands %1 above the horizon on this date.</source>
        <translation>Die Sonne steht an diesem Tag nie %1 über dem Horizont.</translation>
    </message>
    <message>
        <source>Precise %1 (%2 s)</source>
        <translation>Exakt %1 (%2 s)</translation>
    </message>
    <message>
        <source>Precise: the true sun does not reach this bearing above the horizon</source>
        <translation>Exakt: Die wahre Sonne erreicht diese Richtung nicht über dem Horizont</translation>
    </message>
    <message>
        <source>Sun&apos;s altitude %1</source>
        <translation>Sonnenhöhe %1</translation>
    </message>
    <message>
        <source>Off the true line %1 (%2 mm/m)</source>
        <translation>Versatz zur wahren Linie %1 (%2 mm/m)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Shadow bearing</source>
        <translation>Schattenrichtung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4</source>
        <translation>Breite %1 %2, Länge %3 %4</translation>
    </message>
    <message>
        <source>Clock: %1, daylight saving time (%2)</source>
        <translation>Uhr: %1, Sommerzeit (%2)</translation>
    </message>
    <message>
        <source>Clock: %1, standard time (%2)</source>
        <translation>Uhr: %1, Normalzeit (%2)</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark lies on the east-west line.</source>
        <translation>Der Schatten zeigte dann auf %1: Die Marke liegt auf der Ost-West-Linie.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark lies on the north-south line.</source>
        <translation>Der Schatten zeigte dann auf %1: Die Marke liegt auf der Nord-Süd-Linie.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the east-west line. Turn it %2 clockwise (seen from above) about the foot of the plumb line.</source>
        <translation>Der Schatten zeigte dann auf %1: Die Marke gehört zur Ost-West-Linie. Drehen Sie sie um %2 im Uhrzeigersinn (von oben gesehen) um den Fußpunkt des Lots.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the east-west line. Turn it %2 anticlockwise (seen from above) about the foot of the plumb line.</source>
        <translation>Der Schatten zeigte dann auf %1: Die Marke gehört zur Ost-West-Linie. Drehen Sie sie um %2 gegen den Uhrzeigersinn (von oben gesehen) um den Fußpunkt des Lots.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the north-south line. Turn it %2 clockwise (seen from above) about the foot of the plumb line.</source>
        <translation>Der Schatten zeigte dann auf %1: Die Marke gehört zur Nord-Süd-Linie. Drehen Sie sie um %2 im Uhrzeigersinn (von oben gesehen) um den Fußpunkt des Lots.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the north-south line. Turn it %2 anticlockwise (seen from above) about the foot of the plumb line.</source>
        <translation>Der Schatten zeigte dann auf %1: Die Marke gehört zur Nord-Süd-Linie. Drehen Sie sie um %2 gegen den Uhrzeigersinn (von oben gesehen) um den Fußpunkt des Lots.</translation>
    </message>
    <message>
        <source>North up, the plumb line&apos;s foot in the middle, the dotted circle %1 m from it.</source>
        <translation>Norden oben, der Fußpunkt des Lots in der Mitte, der gepunktete Kreis %1 m davon entfernt.</translation>
    </message>
    <message>
        <source>%1: at %2 the shadow points to %3 and is %4 long.</source>
        <translation>%1: Um %2 zeigt der Schatten auf %3 und ist %4 lang.</translation>
    </message>
    <message>
        <source>%1: no shadow, the sun is below the horizon.</source>
        <translation>%1: kein Schatten, die Sonne steht unter dem Horizont.</translation>
    </message>
    <message>
        <source>%1: never seen on this date.</source>
        <translation>%1: an diesem Tag nie sichtbar.</translation>
    </message>
    <message>
        <source>%1: never seen on this date</source>
        <translation>%1: an diesem Tag nie sichtbar</translation>
    </message>
    <message>
        <source>%1: sun below the horizon, no shadow</source>
        <translation>%1: Sonne unter dem Horizont, kein Schatten</translation>
    </message>
    <message>
        <source>%1: not reached above the horizon on this date</source>
        <translation>%1: an diesem Tag über dem Horizont nicht erreicht</translation>
    </message>
    <message>
        <source>Bearing %1</source>
        <translation>Richtung %1</translation>
    </message>
    <message>
        <source>sun at %1</source>
        <translation>Sonne bei %1</translation>
    </message>
    <message>
        <source>The sun does not stand at %1 above the horizon on this date</source>
        <translation>Die Sonne steht an diesem Tag nicht bei %1 über dem Horizont</translation>
    </message>
    <message>
        <source>Precise %1</source>
        <translation>Exakt %1</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth</source>
        <translation>Sonnenazimut</translation>
    </message>
    <message>
        <source>Facing</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Off the mean</source>
        <translation>Abw. vom Mittel</translation>
    </message>
    <message>
        <source>The wall faces %1: it faces due north.</source>
        <translation>Die Wand ist nach %1 ausgerichtet: Sie blickt genau nach Norden.</translation>
    </message>
    <message>
        <source>The wall faces %1: it faces due south.</source>
        <translation>Die Wand ist nach %1 ausgerichtet: Sie blickt genau nach Süden.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 east of north.</source>
        <translation>Die Wand ist nach %1 ausgerichtet: Abweichung %2 von Norden nach Osten.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 west of north.</source>
        <translation>Die Wand ist nach %1 ausgerichtet: Abweichung %2 von Norden nach Westen.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 east of south.</source>
        <translation>Die Wand ist nach %1 ausgerichtet: Abweichung %2 von Süden nach Osten.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 west of south.</source>
        <translation>Die Wand ist nach %1 ausgerichtet: Abweichung %2 von Süden nach Westen.</translation>
    </message>
    <message>
        <source> Spread %1.</source>
        <translation> Streuung %1.</translation>
    </message>
    <message>
        <source>Reading %1 (%2, %3) refused: the sun is below the horizon then.</source>
        <translation>Messung %1 (%2, %3) abgelehnt: Die Sonne steht dann unter dem Horizont.</translation>
    </message>
    <message>
        <source>Reading %1 (%2, %3) refused: the angle must lie between -90° and +90°.</source>
        <translation>Messung %1 (%2, %3) abgelehnt: Der Winkel muss zwischen -90° und +90° liegen.</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>Wand</translation>
    </message>
    <message>
        <source>board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <source>square line</source>
        <translation>90°-Linie</translation>
    </message>
    <message>
        <source>plumb line</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>+A: clockwise from above</source>
        <translation>+A: im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Seen from above: a level board held against the wall, a line drawn on it square to the wall, a plumb line hanging over that line. A reading is the clock time and the angle A from the square line, taken towards the wall, to the plumb line&apos;s shadow, positive clockwise. The wall then faces the sun&apos;s azimuth minus A.</source>
        <translation>Von oben gesehen: ein waagrechtes Brett an der Wand, darauf eine rechtwinklig zur Wand gezogene Linie, darüber ein hängendes Lot. Eine Messung ist die Uhrzeit und der Winkel A von dieser Linie, zur Wand hin genommen, bis zum Schatten des Lots, im Uhrzeigersinn positiv. Die Wand ist dann nach dem Sonnenazimut minus A ausgerichtet.</translation>
    </message>
    <message>
        <source>How to take a reading</source>
        <translation>So wird gemessen</translation>
    </message>
    <message>
        <source>Which way does my w&amp;all face?</source>
        <translation>Wohin zeigt meine W&amp;and?</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>A (°)</source>
        <translation>A (°)</translation>
    </message>
    <message>
        <source>Wall readings</source>
        <translation>Wandmessungen</translation>
    </message>
    <message>
        <source>One reading a row: the clock time and the angle A; Enter keeps a cell. Clear a row to drop it.</source>
        <translation>Eine Messung pro Zeile: Uhrzeit und Winkel A; die Eingabetaste übernimmt eine Zelle. Eine Zeile leeren, um sie zu entfernen.</translation>
    </message>
    <message>
        <source>Type a clock time and the angle A in each row.</source>
        <translation>Geben Sie in jede Zeile eine Uhrzeit und den Winkel A ein.</translation>
    </message>
    <message>
        <source>Reading %1: the clock time &quot;%2&quot; cannot be read.</source>
        <translation>Messung %1: Die Uhrzeit „%2“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>Reading %1: the angle &quot;%2&quot; cannot be read.</source>
        <translation>Messung %1: Der Winkel „%2“ ist nicht lesbar.</translation>
    </message>
</context>
</TS>
