<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>cli</name>
    <message>
        <source>--language %1: not one of %2; the answer is in English</source>
        <translation>--language %1: keine von %2; die Antwort folgt auf Englisch</translation>
    </message>
    <message>
        <source>Check against the clock (%1 readings)</source>
        <translation>Vergleich mit der Uhr (%1 Ablesungen)</translation>
    </message>
    <message>
        <source>turn (clockwise from above)</source>
        <translation>Drehung (von oben im Uhrzeigersinn)</translation>
    </message>
    <message>
        <source>lean (more tilt from the zenith)</source>
        <translation>Neigung (mehr Neigung vom Zenit)</translation>
    </message>
    <message>
        <source>offset (dial late)</source>
        <translation>Versatz (Sonnenuhr nach)</translation>
    </message>
    <message>
        <source>rms after the fit</source>
        <translation>rms nach dem Ausgleich</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>dial</source>
        <translation>Sonnenuhr</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>erwartet</translation>
    </message>
    <message>
        <source>error min</source>
        <translation>Fehler min</translation>
    </message>
    <message>
        <source>residual min</source>
        <translation>Rest min</translation>
    </message>
    <message>
        <source>the date: m/d/yyyy, yyyy-mm-dd or your locale&apos;s own form</source>
        <translation>das Datum: m/d/yyyy, yyyy-mm-dd oder die Form Ihres Gebietsschemas</translation>
    </message>
    <message>
        <source>latitude in degrees, north positive; 40.655N, 40°39&apos;18&quot;N and 40 39.3 N are read too</source>
        <translation>Breite in Grad, Nord positiv; auch 40.655N, 40°39&apos;18&quot;N und 40 39.3 N werden gelesen</translation>
    </message>
    <message>
        <source>longitude in degrees, east positive; 72.855W, W 72.855 and 72°51&apos;18&quot;W are read too</source>
        <translation>Länge in Grad, Ost positiv; auch 72.855W, W 72.855 und 72°51&apos;18&quot;W werden gelesen</translation>
    </message>
    <message>
        <source>the zone&apos;s standard offset from UTC, also in summer: -5, +5:30, +5:45 (New York in July: --utc-offset -5 --daylight-saving, not -4)</source>
        <translation>die Normalzeit-Abweichung der Zone von UTC, auch im Sommer: -5, +5:30, +5:45 (New York im Juli: --utc-offset -5 --daylight-saving, nicht -4)</translation>
    </message>
    <message>
        <source>with --utc-offset: the clock shows standard time</source>
        <translation>mit --utc-offset: die Uhr zeigt Normalzeit</translation>
    </message>
    <message>
        <source>with --utc-offset: the clock shows daylight-saving time, one hour ahead</source>
        <translation>mit --utc-offset: die Uhr zeigt Sommerzeit, eine Stunde voraus</translation>
    </message>
    <message>
        <source>instead of the three above: a time zone such as America/New_York or Asia/Kolkata, whose offset and daylight saving on each day come from its rules</source>
        <translation>statt der drei obigen: eine Zeitzone wie America/New_York oder Asia/Kolkata, deren Abweichung und Sommerzeit an jedem Tag aus ihren Regeln folgen</translation>
    </message>
    <message>
        <source>instead of --latitude, --longitude and the clock: a town or city of 1,000 or more people, with its country or region after a comma where the name is shared (Zurich, &quot;Paris, Texas&quot;, &quot;Springfield, US&quot;); its latitude, longitude and time zone, each unless given with its own option</source>
        <translation>statt --latitude, --longitude und der Uhr: ein Ort mit 1.000 oder mehr Einwohnern, bei mehrfach vergebenem Namen mit Land oder Region nach einem Komma (Zurich, &quot;Paris, Texas&quot;, &quot;Springfield, US&quot;); seine Breite, Länge und Zeitzone, jeweils sofern nicht mit eigener Option angegeben</translation>
    </message>
    <message>
        <source>days in the days table, 1 to 366 (default 1)</source>
        <translation>Tage in der Tagestabelle, 1 bis 366 (Vorgabe 1)</translation>
    </message>
    <message>
        <source>also when the sun stands at this bearing (0 to under 360, from north through east); up to 8 times</source>
        <translation>auch wann die Sonne in dieser Richtung steht (0 bis unter 360, von Nord über Ost); bis zu 8-mal</translation>
    </message>
    <message>
        <source>also when the sun&apos;s centre reaches this height (-1 to under 90 degrees); up to 8 times</source>
        <translation>auch wann die Sonnenmitte diese Höhe erreicht (-1 bis unter 90 Grad); bis zu 8-mal</translation>
    </message>
    <message>
        <source>a wall&apos;s facing from a plumb line&apos;s shadow on a level board: the clock time and the angle from the line square to the wall (towards it) to the shadow, clockwise positive; up to 20 times</source>
        <translation>die Ausrichtung einer Wand aus dem Schatten eines Lots auf einem waagrechten Brett: die Uhrzeit und der Winkel von der Linie rechtwinklig zur Wand (zu ihr hin) bis zum Schatten, im Uhrzeigersinn positiv; bis zu 20-mal</translation>
    </message>
    <message>
        <source>the clock time at which you marked the shadow: its bearing and the turn onto the nearest true line</source>
        <translation>die Uhrzeit, zu der Sie den Schatten markiert haben: seine Richtung und die Drehung auf die nächste wahre Linie</translation>
    </message>
    <message>
        <source>instead of the field data: a sundial for the site, with its hour lines, style, gnomon and date lines; KIND is one of: %1</source>
        <translation>statt der Felddaten: eine Sonnenuhr für den Standort, mit Stundenlinien, Polstab, Schattenwerfer und Datumslinien; KIND ist eines von: %1</translation>
    </message>
    <message>
        <source>the direction the face looks, from north through east (180 = south): the wall&apos;s facing; for --dial polar instead of the equator&apos;s side</source>
        <translation>die Richtung, in die das Zifferblatt blickt, von Nord über Ost (180 = Süd): die Ausrichtung der Wand; bei --dial polar statt der Äquatorseite</translation>
    </message>
    <message>
        <source>with --dial plane: the angle from the zenith to the face&apos;s outward normal (0 level, 90 upright)</source>
        <translation>mit --dial plane: der Winkel vom Zenit zur äußeren Normalen des Zifferblatts (0 waagrecht, 90 senkrecht)</translation>
    </message>
    <message>
        <source>the nodus&apos;s height above the dial&apos;s face in mm (default 100)</source>
        <translation>die Höhe des Nodus über dem Zifferblatt in mm (Vorgabe 100)</translation>
    </message>
    <message>
        <source>the plate&apos;s width and height in mm, 50 to 5000 (default 300x300)</source>
        <translation>Breite und Höhe der Platte in mm, 50 bis 5000 (Vorgabe 300x300)</translation>
    </message>
    <message>
        <source>with --dial analemmatic: the ellipse&apos;s half-width east-west in metres, 0.1 to 50 (default 2.5)</source>
        <translation>mit --dial analemmatic: die halbe Breite der Ellipse in Ost-West-Richtung in Metern, 0.1 bis 50 (Vorgabe 2.5)</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the hole&apos;s height above the floor, or out from the wall, in metres, 0.1 to 50</source>
        <translation>mit --dial noon-mark: die Höhe des Lochs über dem Boden oder sein Abstand von der Wand, in Metern, 0.1 bis 50</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the round hole&apos;s diameter in mm, 1 to 200 (default 10)</source>
        <translation>mit --dial noon-mark: der Durchmesser des runden Lochs in mm, 1 bis 200 (Vorgabe 10)</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the time of the zone&apos;s standard clock to mark (default 12:00; 13:00 for summer time)</source>
        <translation>mit --dial noon-mark: die zu markierende Zeit der Normalzeituhr der Zone (Vorgabe 12:00; 13:00 für Sommerzeit)</translation>
    </message>
    <message>
        <source>with --dial bifilar: the height above the face of the wire along the plate&apos;s x axis, 5 mm to the plate&apos;s smaller side (default: the height that spaces the hours evenly where one does, else the y-wire&apos;s)</source>
        <translation>mit --dial bifilar: die Höhe des Fadens entlang der x-Achse der Platte über dem Zifferblatt, 5 mm bis zur kleineren Plattenseite (Vorgabe: die Höhe, die die Stunden gleichmäßig verteilt, wo es eine gibt, sonst die des y-Fadens)</translation>
    </message>
    <message>
        <source>with --dial bifilar: the height above the face of the wire along the plate&apos;s y axis, 5 mm to the plate&apos;s smaller side (default 100)</source>
        <translation>mit --dial bifilar: die Höhe des Fadens entlang der y-Achse der Platte über dem Zifferblatt, 5 mm bis zur kleineren Plattenseite (Vorgabe 100)</translation>
    </message>
    <message>
        <source>an hour line every 60 (default), 30 or 15 minutes</source>
        <translation>eine Stundenlinie alle 60 (Vorgabe), 30 oder 15 Minuten</translation>
    </message>
    <message>
        <source>sun (default): the dial shows local sun time; zone: its 12 line is the zone meridian&apos;s mean noon; clock: each hour line is the figure-8 the shadow traces at that hour of the zone&apos;s standard clock</source>
        <translation>sun (Vorgabe): die Uhr zeigt wahre Ortszeit; zone: ihre 12-Uhr-Linie ist der mittlere Mittag des Zonenmeridians; clock: jede Stundenlinie ist die Achterschleife, die der Schatten zu dieser Stunde der Normalzeituhr der Zone zeichnet</translation>
    </message>
    <message>
        <source>none, solstices (default: the solstices and the equinox) or months (also the first of each month)</source>
        <translation>none, solstices (Vorgabe: die Sonnenwenden und die Tagundnachtgleiche) oder months (auch der Erste jedes Monats)</translation>
    </message>
    <message>
        <source>a comma list of the hour systems drawn: equal (default), italian (hours since the previous sunset), babylonian (since sunrise), unequal (twelfths of the daylight); not for --dial analemmatic or noon-mark</source>
        <translation>eine Kommaliste der gezeichneten Stundensysteme: equal (Vorgabe), italian (Stunden seit dem letzten Sonnenuntergang), babylonian (seit Sonnenaufgang), unequal (Zwölftel des Tagbogens); nicht für --dial analemmatic oder noon-mark</translation>
    </message>
    <message>
        <source>a date line for the sun&apos;s declination at noon on that month and day, labelled (up to 40 characters) or by its date and the other day of the same declination; up to 12 times</source>
        <translation>eine Datumslinie für die Deklination der Sonne am Mittag dieses Monats und Tages, beschriftet (bis zu 40 Zeichen) oder mit ihrem Datum und dem anderen Tag gleicher Deklination; bis zu 12-mal</translation>
    </message>
    <message>
        <source>with --dial: the correction card, what to add to the dial&apos;s reading each day for the clock</source>
        <translation>mit --dial: die Korrekturtafel, was an jedem Tag zur Ablesung der Sonnenuhr zu addieren ist, um die Uhrzeit zu erhalten</translation>
    </message>
    <message>
        <source>with --dial: the dial drawn at full scale as SVG, in millimetres</source>
        <translation>mit --dial: die Sonnenuhr in voller Größe als SVG, in Millimetern</translation>
    </message>
    <message>
        <source>with --dial: the same drawing as DXF for cutters and routers, in millimetres, one layer per part</source>
        <translation>mit --dial: dieselbe Zeichnung als DXF für Schneideplotter und Fräsen, in Millimetern, eine Ebene je Teil</translation>
    </message>
    <message>
        <source>with --dial: the correction card alone as SVG</source>
        <translation>mit --dial: nur die Korrekturtafel als SVG</translation>
    </message>
    <message>
        <source>with --svg or --dxf: the drawing at 1:N, a plan (default 1:1)</source>
        <translation>mit --svg oder --dxf: die Zeichnung im Maßstab 1:N, ein Plan (Vorgabe 1:1)</translation>
    </message>
    <message>
        <source>with --dial: the dial printed at full scale as PDF, over as many pages as it needs</source>
        <translation>mit --dial: die Sonnenuhr in voller Größe als PDF gedruckt, auf so vielen Seiten wie nötig</translation>
    </message>
    <message>
        <source>with --dial: a standing dial checked against the clock: the date, the clock&apos;s time and what the dial showed then (in its own time, sun or zone); up to 100 times, fitted for how the dial stands turned and leaned</source>
        <translation>mit --dial: eine aufgestellte Sonnenuhr mit der Uhr verglichen: das Datum, die Uhrzeit und was die Sonnenuhr da zeigte (in ihrer eigenen Zeit, sun oder zone); bis zu 100-mal, ausgeglichen auf Verdrehung und Neigung der Sonnenuhr</translation>
    </message>
    <message>
        <source>instead of the field data, with no site: an old dial&apos;s latitude (and for vertical its wall&apos;s facing) from its hour lines; KIND is horizontal or vertical</source>
        <translation>statt der Felddaten, ohne Standort: die Breite einer alten Sonnenuhr (und bei vertical die Ausrichtung ihrer Wand) aus ihren Stundenlinien; KIND ist horizontal oder vertical</translation>
    </message>
    <message>
        <source>with --find-dial, once a line: its hour in sun time and its angle at the root from the noon line, as --dial&apos;s angle_deg: + towards x, east on a level dial, right on a wall</source>
        <translation>mit --find-dial, einmal je Linie: ihre Stunde in wahrer Ortszeit und ihr Winkel am Fußpunkt von der Mittagslinie, wie angle_deg von --dial: + zu x hin, Ost bei einer waagrechten Sonnenuhr, rechts an einer Wand</translation>
    </message>
    <message>
        <source>also how far a compass points from true north at the site on the date, from the World Magnetic Model WMM2025 (2025.0 to 2030.0)</source>
        <translation>auch wie weit ein Kompass am Standort an dem Datum von geografisch Nord abweicht, nach dem World Magnetic Model WMM2025 (2025.0 bis 2030.0)</translation>
    </message>
    <message>
        <source>text (default), json or csv</source>
        <translation>text (Vorgabe), json oder csv</translation>
    </message>
    <message>
        <source>the language of the answer: en, de, es, fr, it or nl; without it the desktop&apos;s (LANGUAGE, LC_MESSAGES, LANG)</source>
        <translation>die Sprache der Antwort: en, de, es, fr, it oder nl; ohne sie die des Desktops (LANGUAGE, LC_MESSAGES, LANG)</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>diesen Text anzeigen</translation>
    </message>
    <message>
        <source>show the program&apos;s version</source>
        <translation>die Programmversion anzeigen</translation>
    </message>
    <message>
        <source>%1 may be given at most %2 times</source>
        <translation>%1 darf höchstens %2-mal angegeben werden</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: give degrees from %3 to under %4</source>
        <translation>%1 &quot;%2&quot;: Grad von %3 bis unter %4 angeben</translation>
    </message>
    <message>
        <source>--wall-reading may be given at most 20 times</source>
        <translation>--wall-reading darf höchstens 20-mal angegeben werden</translation>
    </message>
    <message>
        <source>--wall-reading &quot;%1&quot;: give the clock time and the angle in degrees, such as 10:15:00@-23.5</source>
        <translation>--wall-reading &quot;%1&quot;: Uhrzeit und Winkel in Grad angeben, etwa 10:15:00@-23.5</translation>
    </message>
    <message>
        <source>--wall-reading &quot;%1&quot;: the angle must lie between -90 and 90 degrees; the sun then shines on the wall</source>
        <translation>--wall-reading &quot;%1&quot;: der Winkel muss zwischen -90 und 90 Grad liegen; dann scheint die Sonne auf die Wand</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>give either --utc-offset with --standard or --daylight-saving, or --zone</source>
        <translation>entweder --utc-offset mit --standard oder --daylight-saving angeben, oder --zone</translation>
    </message>
    <message>
        <source>--zone takes the daylight saving from the zone&apos;s rules: leave out --standard and --daylight-saving</source>
        <translation>--zone entnimmt die Sommerzeit den Regeln der Zone: --standard und --daylight-saving weglassen</translation>
    </message>
    <message>
        <source>--place takes the daylight saving from the place&apos;s time zone (%1): leave out --standard and --daylight-saving, or give --utc-offset with them</source>
        <translation>--place entnimmt die Sommerzeit der Zeitzone des Ortes (%1): --standard und --daylight-saving weglassen oder --utc-offset dazu angeben</translation>
    </message>
    <message>
        <source>--utc-offset must be hours with an optional sign and minutes, such as -5, +5:30 or +5:45, not &quot;%1&quot;</source>
        <translation>--utc-offset muss Stunden mit wahlweise Vorzeichen und Minuten angeben, etwa -5, +5:30 oder +5:45, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no time zone has the offset %1</source>
        <translation>keine Zeitzone hat die Abweichung %1</translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot;</source>
        <translation>unbekannte Zeitzone &quot;%1&quot;</translation>
    </message>
    <message>
        <source>; give a name such as America/New_York or Asia/Kolkata</source>
        <translation>; einen Namen wie America/New_York oder Asia/Kolkata angeben</translation>
    </message>
    <message>
        <source>: did you mean %1?</source>
        <translation>: meinten Sie %1?</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>--days must be a whole number from 1 to 366</source>
        <translation>--days muss eine ganze Zahl von 1 bis 366 sein</translation>
    </message>
    <message>
        <source>--mark must be a clock time HH:MM or HH:MM:SS, such as 08:55:10</source>
        <translation>--mark muss eine Uhrzeit HH:MM oder HH:MM:SS sein, etwa 08:55:10</translation>
    </message>
    <message>
        <source>%1: the zone&apos;s offset on %2 is not a whole number of minutes</source>
        <translation>%1: die Abweichung der Zone am %2 ist keine ganze Zahl von Minuten</translation>
    </message>
    <message>
        <source>%1: no time zone has its offset on %2 (%3)</source>
        <translation>%1: keine Zeitzone hat ihre Abweichung am %2 (%3)</translation>
    </message>
    <message>
        <source>write m/d/yyyy (6/21/2027), yyyy-mm-dd (2027-06-21) or this computer&apos;s own form (%1)</source>
        <translation>m/d/yyyy (6/21/2027), yyyy-mm-dd (2027-06-21) oder die Form dieses Computers (%1) schreiben</translation>
    </message>
    <message>
        <source>degrees from -90 to 90, north positive, with %1</source>
        <translation>Grad von -90 bis 90, Nord positiv, mit %1</translation>
    </message>
    <message>
        <source>degrees from -180 to 180, east positive (-72.855) or with a letter (72.855W), not both, with %1</source>
        <translation>Grad von -180 bis 180, Ost positiv (-72.855) oder mit einem Buchstaben (72.855W), nicht beides, mit %1</translation>
    </message>
    <message>
        <source> Add --standard or --daylight-saving to --utc-offset, or give --zone.</source>
        <translation> --standard oder --daylight-saving zu --utc-offset hinzufügen oder --zone angeben.</translation>
    </message>
    <message>
        <source> (with %1)</source>
        <translation> (mit %1)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source> (%1 optional)</source>
        <translation> (%1 wahlweise)</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach &apos;%1&apos;.</translation>
    </message>
    <message>
        <source> orvane --help lists the options.</source>
        <translation> orvane --help listet die Optionen auf.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>--format must be text, json or csv</source>
        <translation>--format muss text, json oder csv sein</translation>
    </message>
    <message>
        <source>--latitude &quot;%1&quot; holds a latitude and a longitude: give the longitude with --longitude</source>
        <translation>--latitude &quot;%1&quot; enthält eine Breite und eine Länge: die Länge mit --longitude angeben</translation>
    </message>
    <message>
        <source>--dial %1 at latitude %2: %3</source>
        <translation>--dial %1 auf Breite %2: %3</translation>
    </message>
    <message>
        <source>--magnetic: the date %1 lies outside the years of the World Magnetic Model %2 (%3)</source>
        <translation>--magnetic: das Datum %1 liegt außerhalb der Jahre des World Magnetic Model %2 (%3)</translation>
    </message>
    <message>
        <source>Usage: orvane [--date DATE --latitude DEG --longitude DEG
               (--utc-offset H[:MM] (--standard | --daylight-saving) | --zone NAME)
               or --date DATE --place NAME, the coordinates and clock optional)
               [--days N] [--mark HH:MM[:SS]] [--bearing DEG]... [--altitude DEG]...
               [--wall-reading HH:MM[:SS]@DEG]... [--format text|json|csv]]
       orvane --dial KIND [--facing DEG] [--tilt DEG] [--nodus-height MM]
               [--plate WxH] [--half-width M] [--hour-step 60|30|15]
               [--aperture-height M] [--aperture-diameter MM] [--mark-time HH:MM]
               [--x-wire MM] [--y-wire MM]
               [--dial-time sun|zone|clock] [--date-lines none|solstices|months]
               [--hours equal,italian,babylonian,unequal]
               [--date-line YYYY-MM-DD[=LABEL]]...
               [--card] [--svg FILE] [--dxf FILE] [--scale 1:N]
               [--card-svg FILE] [--pdf FILE], with the date, site and clock
       orvane --find-dial horizontal|vertical --line-angle HOUR=DEG...
               [--format text|json|csv]
</source>
        <translation>Aufruf: orvane [--date DATE --latitude DEG --longitude DEG
                (--utc-offset H[:MM] (--standard | --daylight-saving) | --zone NAME)
                oder --date DATE --place NAME, Koordinaten und Uhr wahlweise)
                [--days N] [--mark HH:MM[:SS]] [--bearing DEG]... [--altitude DEG]...
                [--wall-reading HH:MM[:SS]@DEG]... [--format text|json|csv]]
        orvane --dial KIND [--facing DEG] [--tilt DEG] [--nodus-height MM]
                [--plate WxH] [--half-width M] [--hour-step 60|30|15]
                [--aperture-height M] [--aperture-diameter MM] [--mark-time HH:MM]
                [--x-wire MM] [--y-wire MM]
                [--dial-time sun|zone|clock] [--date-lines none|solstices|months]
                [--hours equal,italian,babylonian,unequal]
                [--date-line YYYY-MM-DD[=LABEL]]...
                [--card] [--svg FILE] [--dxf FILE] [--scale 1:N]
                [--card-svg FILE] [--pdf FILE], mit Datum, Standort und Uhr
        orvane --find-dial horizontal|vertical --line-angle HOUR=DEG...
                [--format text|json|csv]
</translation>
    </message>
    <message>
        <source>Without options Orvane opens its window. With them it prints, for the date and
the site, the clock times at which the sun stands exactly east, on the meridian
and exactly west, the true sun&apos;s instants beside them, where the shadow points
and how fast it turns, and the same times for the coming days. With --dial it
lays out a sundial for the site instead; with --find-dial it finds an old
dial&apos;s latitude, and its wall&apos;s facing, from the angles of its hour lines.
</source>
        <translation>Ohne Optionen öffnet Orvane sein Fenster. Mit ihnen gibt es für das Datum und
den Standort die Uhrzeiten aus, zu denen die Sonne genau im Osten, im Meridian
und genau im Westen steht, daneben die Zeitpunkte der wahren Sonne, wohin der
Schatten zeigt und wie schnell er sich dreht, und dieselben Zeiten für die
folgenden Tage. Mit --dial entwirft es stattdessen eine Sonnenuhr für den
Standort; mit --find-dial ermittelt es die Breite einer alten Sonnenuhr und die
Ausrichtung ihrer Wand aus den Winkeln ihrer Stundenlinien.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Beispiele:</translation>
    </message>
    <message>
        <source>--check-reading &quot;%1&quot; (reading %2): %3</source>
        <translation>--check-reading &quot;%1&quot; (Ablesung %2): %3</translation>
    </message>
    <message>
        <source>--pdf &quot;%1&quot;: %2 pages</source>
        <translation>--pdf &quot;%1&quot;: %2 Seiten</translation>
    </message>
    <message>
        <source>--wall-reading %1 (reading %2): %3</source>
        <translation>--wall-reading %1 (Ablesung %2): %3</translation>
    </message>
    <message>
        <source>the sun is below the horizon then</source>
        <translation>die Sonne steht dann unter dem Horizont</translation>
    </message>
    <message>
        <source>the angle must lie between -90 and 90 degrees</source>
        <translation>der Winkel muss zwischen -90 und 90 Grad liegen</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>--pdf &quot;%1&quot;: PDF output needs the window&apos;s libraries, which this program was built without; write --svg instead</source>
        <translation>--pdf &quot;%1&quot;: die PDF-Ausgabe braucht die Bibliotheken des Fensters, ohne die dieses Programm gebaut wurde; stattdessen --svg verwenden</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: the pages could not be painted</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: die Seiten ließen sich nicht zeichnen</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>not in %1; </source>
        <translation>nicht in %1; </translation>
    </message>
    <message>
        <source>not a number with %1; </source>
        <translation>keine Zahl mit %1; </translation>
    </message>
    <message>
        <source>not a time; </source>
        <translation>keine Uhrzeit; </translation>
    </message>
    <message>
        <source>--plate &quot;%1&quot;: the nodus height (%2 mm) must not exceed the plate&apos;s smaller side; give --%3</source>
        <translation>--plate &quot;%1&quot;: die Nodushöhe (%2 mm) darf die kleinere Plattenseite nicht übersteigen; --%3 angeben</translation>
    </message>
    <message>
        <source>%1 is for --dial %2; %3 takes none</source>
        <translation>%1 gilt für --dial %2; %3 nimmt keine</translation>
    </message>
    <message>
        <source>give the width and height in mm, such as 300x300</source>
        <translation>Breite und Höhe in mm angeben, etwa 300x300</translation>
    </message>
    <message>
        <source>--check-reading may be given at most %1 times</source>
        <translation>--check-reading darf höchstens %1-mal angegeben werden</translation>
    </message>
    <message>
        <source>--check-reading &quot;%1&quot;: give the date, the clock&apos;s time and what the dial showed then, such as &quot;2027-03-01 10:15=10:27&quot; (YYYY-MM-DD HH:MM[:SS]=HH:MM[:SS])</source>
        <translation>--check-reading &quot;%1&quot;: das Datum, die Uhrzeit und was die Sonnenuhr da zeigte angeben, etwa &quot;2027-03-01 10:15=10:27&quot; (YYYY-MM-DD HH:MM[:SS]=HH:MM[:SS])</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>give a comma list of equal, italian, babylonian and unequal</source>
        <translation>eine Kommaliste aus equal, italian, babylonian und unequal angeben</translation>
    </message>
    <message>
        <source>--date-line may be given at most %1 times</source>
        <translation>--date-line darf höchstens %1-mal angegeben werden</translation>
    </message>
    <message>
        <source>--date-line &quot;%1&quot;: give a date that exists, YYYY-MM-DD, and a label after = if wanted, such as 1990-05-14=Anna</source>
        <translation>--date-line &quot;%1&quot;: ein existierendes Datum YYYY-MM-DD angeben, nach Wunsch mit einer Beschriftung nach =, etwa 1990-05-14=Anna</translation>
    </message>
    <message>
        <source>--date-line &quot;%1&quot;: give %2</source>
        <translation>--date-line &quot;%1&quot;: %2 angeben</translation>
    </message>
    <message>
        <source>%1 goes with --dial %2</source>
        <translation>%1 gehört zu --dial %2</translation>
    </message>
    <message>
        <source>%1 is for the field data, which --dial does not print</source>
        <translation>%1 gilt für die Felddaten, die --dial nicht ausgibt</translation>
    </message>
    <message>
        <source>give %1</source>
        <translation>%1 angeben</translation>
    </message>
    <message>
        <source>give 60, 30 or 15 minutes</source>
        <translation>60, 30 oder 15 Minuten angeben</translation>
    </message>
    <message>
        <source>give sun, zone or clock</source>
        <translation>sun, zone oder clock angeben</translation>
    </message>
    <message>
        <source>give none, solstices or months</source>
        <translation>none, solstices oder months angeben</translation>
    </message>
    <message>
        <source>give 1:N, N a whole number from 1 to %1, such as 1:50</source>
        <translation>1:N angeben, N eine ganze Zahl von 1 bis %1, etwa 1:50</translation>
    </message>
    <message>
        <source>--scale goes with --svg or --dxf</source>
        <translation>--scale gehört zu --svg oder --dxf</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--card-svg: a dial drawn to the clock (--dial-time clock) needs no correction card</source>
        <translation>--card-svg: eine nach der Uhr gezeichnete Sonnenuhr (--dial-time clock) braucht keine Korrekturtafel</translation>
    </message>
    <message>
        <source>zone time (the 12 line at UTC%1&apos;s mean noon)</source>
        <translation>Zonenzeit (die 12-Uhr-Linie beim mittleren Mittag von UTC%1)</translation>
    </message>
    <message>
        <source>sun time</source>
        <translation>wahre Ortszeit</translation>
    </message>
    <message>
        <source>Correction card %1: add to the dial&apos;s reading to get the clock&apos;s time</source>
        <translation>Korrekturtafel %1: zur Ablesung der Sonnenuhr addieren, um die Uhrzeit zu erhalten</translation>
    </message>
    <message>
        <source>week from</source>
        <translation>Woche ab</translation>
    </message>
    <message>
        <source>add</source>
        <translation>addieren</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>%1 for latitude %2, longitude %3, showing %4
</source>
        <translation>%1 für Breite %2, Länge %3, zeigt %4
</translation>
    </message>
    <message>
        <source>give the hour in sun time and the angle in degrees, such as 9=-37.5</source>
        <translation>die Stunde in wahrer Ortszeit und den Winkel in Grad angeben, etwa 9=-37.5</translation>
    </message>
    <message>
        <source>the hour must be from 0 to under 24</source>
        <translation>die Stunde muss von 0 bis unter 24 reichen</translation>
    </message>
    <message>
        <source>the angle must lie between -90 and 90 degrees: a line at the root makes less than a right angle with the noon line</source>
        <translation>der Winkel muss zwischen -90 und 90 Grad liegen: eine Linie bildet am Fußpunkt weniger als einen rechten Winkel mit der Mittagslinie</translation>
    </message>
    <message>
        <source>hour %1 is given twice</source>
        <translation>Stunde %1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>--line-angle goes with --find-dial %1</source>
        <translation>--line-angle gehört zu --find-dial %1</translation>
    </message>
    <message>
        <source>--%1 is not taken by --find-dial: the hour lines alone give the latitude and the facing</source>
        <translation>--%1 wird von --find-dial nicht angenommen: die Stundenlinien allein ergeben Breite und Ausrichtung</translation>
    </message>
    <message>
        <source>--find-dial &quot;%1&quot;: give %2</source>
        <translation>--find-dial &quot;%1&quot;: %2 angeben</translation>
    </message>
    <message>
        <source>--line-angle may be given at most %1 times</source>
        <translation>--line-angle darf höchstens %1-mal angegeben werden</translation>
    </message>
    <message>
        <source>--find-dial %1 needs a line besides noon&apos;s, one --line-angle HOUR=DEG each, for the latitude</source>
        <translation>--find-dial %1 braucht außer der Mittagslinie eine Linie, je ein --line-angle HOUR=DEG, für die Breite</translation>
    </message>
    <message>
        <source>--find-dial %1 needs %2 lines besides noon&apos;s, one --line-angle HOUR=DEG each, for the latitude and the facing</source>
        <translation>--find-dial %1 braucht außer der Mittagslinie %2 Linien, je ein --line-angle HOUR=DEG, für Breite und Ausrichtung</translation>
    </message>
    <message>
        <source>%1 (faces %2)</source>
        <translation>%1 (zeigt nach %2)</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 von %3 nach %2</translation>
    </message>
    <message>
        <source>. Check that the hours are sun time and that angles towards the east are positive.</source>
        <translation>. Prüfen Sie, ob die Stunden wahre Ortszeit sind und Winkel nach Osten positiv.</translation>
    </message>
    <message>
        <source>. Check that the hours are sun time and that angles towards the right are positive.</source>
        <translation>. Prüfen Sie, ob die Stunden wahre Ortszeit sind und Winkel nach rechts positiv.</translation>
    </message>
    <message>
        <source>No %1 fits these lines within %2 degrees rms</source>
        <translation>Keine %1 passt zu diesen Linien innerhalb von %2 Grad rms</translation>
    </message>
    <message>
        <source>; the closest, at latitude %1 facing %2, misses them by %3 degrees rms</source>
        <translation>; die nächste, auf Breite %1 mit Ausrichtung %2, verfehlt sie um %3 Grad rms</translation>
    </message>
    <message>
        <source>; the closest, at latitude %1, misses them by %2 degrees rms</source>
        <translation>; die nächste, auf Breite %1, verfehlt sie um %2 Grad rms</translation>
    </message>
    <message>
        <source>%1 from %2 hour lines: %3 within %4 degrees rms
</source>
        <translation>%1 aus %2 Stundenlinien: %3 innerhalb von %4 Grad rms
</translation>
    </message>
    <message>
        <source>none fits</source>
        <translation>keine passt</translation>
    </message>
    <message>
        <source>1 fits</source>
        <translation>1 passt</translation>
    </message>
    <message>
        <source>%1 fit</source>
        <translation>%1 passen</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>facing</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>rms</source>
        <translation>rms</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>gemessen</translation>
    </message>
    <message>
        <source>fitted</source>
        <translation>ausgeglichen</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Dial %1</source>
        <translation>Sonnenuhr %1</translation>
    </message>
    <message>
        <source>--place must name a town or city, such as Zurich or &quot;Paris, Texas&quot;</source>
        <translation>--place muss einen Ort nennen, etwa Zurich oder &quot;Paris, Texas&quot;</translation>
    </message>
    <message>
        <source>--place is longer than %1 characters</source>
        <translation>--place ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>--place holds a control character</source>
        <translation>--place enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot;</source>
        <translation>kein Ort namens &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot;; nearest: %2</source>
        <translation>kein Ort namens &quot;%1&quot;; am nächsten: %2</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Ort: %1</translation>
    </message>
    <message>
        <source> (population %1)</source>
        <translation> (%1 Einwohner)</translation>
    </message>
    <message>
        <source>Other places named %1: %2
</source>
        <translation>Weitere Orte namens %1: %2
</translation>
    </message>
    <message>
        <source> DST</source>
        <translation> Sommerzeit</translation>
    </message>
    <message>
        <source> std</source>
        <translation> Normalzeit</translation>
    </message>
    <message>
        <source>Field data for latitude %1, longitude %2, on the clock UTC%3: UTC%4 standard + 1 h daylight saving</source>
        <translation>Felddaten für Breite %1, Länge %2, nach der Uhr UTC%3: UTC%4 Normalzeit + 1 h Sommerzeit</translation>
    </message>
    <message>
        <source>Field data for latitude %1, longitude %2, on the clock UTC%3, standard time</source>
        <translation>Felddaten für Breite %1, Länge %2, nach der Uhr UTC%3, Normalzeit</translation>
    </message>
    <message>
        <source>Angles in degrees, bearings from north through east; lengths for a plumb line 1 m high.</source>
        <translation>Winkel in Grad, Richtungen von Nord über Ost; Längen für ein Lot von 1 m Höhe.</translation>
    </message>
    <message>
        <source>  the sun is never seen %1 at this location and date
</source>
        <translation>  die Sonne ist an diesem Ort und Datum nie in Richtung %1 zu sehen
</translation>
    </message>
    <message>
        <source>clock, as in the result</source>
        <translation>Uhrzeit, wie im Ergebnis</translation>
    </message>
    <message>
        <source>true sun due %1 at</source>
        <translation>wahre Sonne in Richtung %1 um</translation>
    </message>
    <message>
        <source>never, above the horizon</source>
        <translation>nie, über dem Horizont</translation>
    </message>
    <message>
        <source>sun azimuth</source>
        <translation>Azimut der Sonne</translation>
    </message>
    <message>
        <source>sun altitude</source>
        <translation>Höhe der Sonne</translation>
    </message>
    <message>
        <source>shadow bearing</source>
        <translation>Richtung des Schattens</translation>
    </message>
    <message>
        <source>shadow length</source>
        <translation>Länge des Schattens</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>off the true line</source>
        <translation>Abstand zur wahren Linie</translation>
    </message>
    <message>
        <source> = %1 mm at 1 m</source>
        <translation> = %1 mm auf 1 m</translation>
    </message>
    <message>
        <source>the shadow turns</source>
        <translation>der Schatten dreht sich</translation>
    </message>
    <message>
        <source>%1 per minute</source>
        <translation>%1 pro Minute</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>east</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>meridian</source>
        <translation>Meridian</translation>
    </message>
    <message>
        <source>west</source>
        <translation>West</translation>
    </message>
    <message>
        <source>true east</source>
        <translation>wahrer Ost</translation>
    </message>
    <message>
        <source>true meridian</source>
        <translation>wahrer Meridian</translation>
    </message>
    <message>
        <source>true west</source>
        <translation>wahrer West</translation>
    </message>
    <message>
        <source>Days (- where the sun is never seen there)</source>
        <translation>Tage (- wo die Sonne dort nie steht)</translation>
    </message>
    <message>
        <source>Mark at %1</source>
        <translation>Markierung um %1</translation>
    </message>
    <message>
        <source>nearest true line</source>
        <translation>nächste wahre Linie</translation>
    </message>
    <message>
        <source>turn the mark</source>
        <translation>Markierung drehen</translation>
    </message>
    <message>
        <source>%1 (counterclockwise seen from above)</source>
        <translation>%1 (von oben gegen den Uhrzeigersinn)</translation>
    </message>
    <message>
        <source>%1 (clockwise seen from above)</source>
        <translation>%1 (von oben im Uhrzeigersinn)</translation>
    </message>
    <message>
        <source>Sun at bearing %1</source>
        <translation>Sonne in Richtung %1</translation>
    </message>
    <message>
        <source>  not reached above the horizon on this date
</source>
        <translation>  an diesem Datum über dem Horizont nicht erreicht
</translation>
    </message>
    <message>
        <source>true sun at</source>
        <translation>wahre Sonne um</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>turns per minute</source>
        <translation>Drehung pro Minute</translation>
    </message>
    <message>
        <source>Sun at altitude %1</source>
        <translation>Sonne in Höhe %1</translation>
    </message>
    <message>
        <source>  not reached on this date
</source>
        <translation>  an diesem Datum nicht erreicht
</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>steigend</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>sinkend</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Wand</translation>
    </message>
    <message>
        <source>the wall faces</source>
        <translation>die Wand zeigt nach</translation>
    </message>
    <message>
        <source>spread</source>
        <translation>Streuung</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>orvane: no display to open the window on; give options to answer in the shell (orvane --help), or choose a platform with QT_QPA_PLATFORM (such as QT_QPA_PLATFORM=offscreen).</source>
        <translation>orvane: kein Bildschirm, um das Fenster zu öffnen; Optionen angeben, um in der Shell zu antworten (orvane --help), oder eine Plattform mit QT_QPA_PLATFORM wählen (etwa QT_QPA_PLATFORM=offscreen).</translation>
    </message>
</context>
</TS>
