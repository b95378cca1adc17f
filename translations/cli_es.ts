<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>cli</name>
    <message>
        <source>--language %1: not one of %2; the answer is in English</source>
        <translation>--language %1: no es ninguno de %2; la respuesta va en inglés</translation>
    </message>
    <message>
        <source>Check against the clock (%1 readings)</source>
        <translation>Comparación con el reloj (%1 lecturas)</translation>
    </message>
    <message>
        <source>turn (clockwise from above)</source>
        <translation>giro (horario visto desde arriba)</translation>
    </message>
    <message>
        <source>lean (more tilt from the zenith)</source>
        <translation>inclinación (más inclinación desde el cenit)</translation>
    </message>
    <message>
        <source>offset (dial late)</source>
        <translation>desfase (reloj de sol atrasado)</translation>
    </message>
    <message>
        <source>rms after the fit</source>
        <translation>rms tras el ajuste</translation>
    </message>
    <message>
        <source>date</source>
        <translation>fecha</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>reloj</translation>
    </message>
    <message>
        <source>dial</source>
        <translation>reloj de sol</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>esperado</translation>
    </message>
    <message>
        <source>error min</source>
        <translation>error min</translation>
    </message>
    <message>
        <source>residual min</source>
        <translation>residuo min</translation>
    </message>
    <message>
        <source>the date: m/d/yyyy, yyyy-mm-dd or your locale&apos;s own form</source>
        <translation>la fecha: m/d/yyyy, yyyy-mm-dd o la forma propia de su configuración regional</translation>
    </message>
    <message>
        <source>latitude in degrees, north positive; 40.655N, 40°39&apos;18&quot;N and 40 39.3 N are read too</source>
        <translation>latitud en grados, norte positivo; también se leen 40.655N, 40°39&apos;18&quot;N y 40 39.3 N</translation>
    </message>
    <message>
        <source>longitude in degrees, east positive; 72.855W, W 72.855 and 72°51&apos;18&quot;W are read too</source>
        <translation>longitud en grados, este positivo; también se leen 72.855W, W 72.855 y 72°51&apos;18&quot;W</translation>
    </message>
    <message>
        <source>the zone&apos;s standard offset from UTC, also in summer: -5, +5:30, +5:45 (New York in July: --utc-offset -5 --daylight-saving, not -4)</source>
        <translation>el desfase estándar del huso respecto a UTC, también en verano: -5, +5:30, +5:45 (Nueva York en julio: --utc-offset -5 --daylight-saving, no -4)</translation>
    </message>
    <message>
        <source>with --utc-offset: the clock shows standard time</source>
        <translation>con --utc-offset: el reloj marca la hora estándar</translation>
    </message>
    <message>
        <source>with --utc-offset: the clock shows daylight-saving time, one hour ahead</source>
        <translation>con --utc-offset: el reloj marca el horario de verano, una hora adelantado</translation>
    </message>
    <message>
        <source>instead of the three above: a time zone such as America/New_York or Asia/Kolkata, whose offset and daylight saving on each day come from its rules</source>
        <translation>en lugar de las tres anteriores: un huso horario como America/New_York o Asia/Kolkata, cuyo desfase y horario de verano de cada día salen de sus reglas</translation>
    </message>
    <message>
        <source>instead of --latitude, --longitude and the clock: a town or city of 1,000 or more people, with its country or region after a comma where the name is shared (Zurich, &quot;Paris, Texas&quot;, &quot;Springfield, US&quot;); its latitude, longitude and time zone, each unless given with its own option</source>
        <translation>en lugar de --latitude, --longitude y el reloj: una población de 1.000 o más habitantes, con su país o región tras una coma si el nombre se repite (Zurich, &quot;Paris, Texas&quot;, &quot;Springfield, US&quot;); su latitud, longitud y huso horario, cada uno salvo que se dé con su propia opción</translation>
    </message>
    <message>
        <source>days in the days table, 1 to 366 (default 1)</source>
        <translation>días en la tabla de días, de 1 a 366 (por defecto 1)</translation>
    </message>
    <message>
        <source>also when the sun stands at this bearing (0 to under 360, from north through east); up to 8 times</source>
        <translation>también cuándo el sol está en este rumbo (de 0 a menos de 360, desde el norte por el este); hasta 8 veces</translation>
    </message>
    <message>
        <source>also when the sun&apos;s centre reaches this height (-1 to under 90 degrees); up to 8 times</source>
        <translation>también cuándo el centro del sol alcanza esta altura (de -1 a menos de 90 grados); hasta 8 veces</translation>
    </message>
    <message>
        <source>a wall&apos;s facing from a plumb line&apos;s shadow on a level board: the clock time and the angle from the line square to the wall (towards it) to the shadow, clockwise positive; up to 20 times</source>
        <translation>la orientación de una pared por la sombra de una plomada sobre una tabla nivelada: la hora del reloj y el ángulo desde la línea perpendicular a la pared (hacia ella) hasta la sombra, positivo en sentido horario; hasta 20 veces</translation>
    </message>
    <message>
        <source>the clock time at which you marked the shadow: its bearing and the turn onto the nearest true line</source>
        <translation>la hora del reloj en que marcó la sombra: su rumbo y el giro hasta la línea verdadera más cercana</translation>
    </message>
    <message>
        <source>instead of the field data: a sundial for the site, with its hour lines, style, gnomon and date lines; KIND is one of: %1</source>
        <translation>en lugar de los datos de campo: un reloj de sol para el lugar, con sus líneas horarias, estilo, gnomon y líneas de fecha; KIND es uno de: %1</translation>
    </message>
    <message>
        <source>the direction the face looks, from north through east (180 = south): the wall&apos;s facing; for --dial polar instead of the equator&apos;s side</source>
        <translation>la dirección a la que mira el cuadrante, desde el norte por el este (180 = sur): la orientación de la pared; con --dial polar en lugar del lado del ecuador</translation>
    </message>
    <message>
        <source>with --dial plane: the angle from the zenith to the face&apos;s outward normal (0 level, 90 upright)</source>
        <translation>con --dial plane: el ángulo desde el cenit hasta la normal exterior del cuadrante (0 horizontal, 90 vertical)</translation>
    </message>
    <message>
        <source>the nodus&apos;s height above the dial&apos;s face in mm (default 100)</source>
        <translation>la altura del nodo sobre el cuadrante en mm (por defecto 100)</translation>
    </message>
    <message>
        <source>the plate&apos;s width and height in mm, 50 to 5000 (default 300x300)</source>
        <translation>el ancho y el alto de la placa en mm, de 50 a 5000 (por defecto 300x300)</translation>
    </message>
    <message>
        <source>with --dial analemmatic: the ellipse&apos;s half-width east-west in metres, 0.1 to 50 (default 2.5)</source>
        <translation>con --dial analemmatic: el semiancho este-oeste de la elipse en metros, de 0.1 a 50 (por defecto 2.5)</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the hole&apos;s height above the floor, or out from the wall, in metres, 0.1 to 50</source>
        <translation>con --dial noon-mark: la altura del agujero sobre el suelo, o su distancia a la pared, en metros, de 0.1 a 50</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the round hole&apos;s diameter in mm, 1 to 200 (default 10)</source>
        <translation>con --dial noon-mark: el diámetro del agujero redondo en mm, de 1 a 200 (por defecto 10)</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the time of the zone&apos;s standard clock to mark (default 12:00; 13:00 for summer time)</source>
        <translation>con --dial noon-mark: la hora estándar del huso que se marca (por defecto 12:00; 13:00 para el horario de verano)</translation>
    </message>
    <message>
        <source>with --dial bifilar: the height above the face of the wire along the plate&apos;s x axis, 5 mm to the plate&apos;s smaller side (default: the height that spaces the hours evenly where one does, else the y-wire&apos;s)</source>
        <translation>con --dial bifilar: la altura sobre el cuadrante del hilo a lo largo del eje x de la placa, de 5 mm al lado menor de la placa (por defecto: la altura que reparte las horas por igual cuando la hay, si no la del hilo y)</translation>
    </message>
    <message>
        <source>with --dial bifilar: the height above the face of the wire along the plate&apos;s y axis, 5 mm to the plate&apos;s smaller side (default 100)</source>
        <translation>con --dial bifilar: la altura sobre el cuadrante del hilo a lo largo del eje y de la placa, de 5 mm al lado menor de la placa (por defecto 100)</translation>
    </message>
    <message>
        <source>an hour line every 60 (default), 30 or 15 minutes</source>
        <translation>una línea horaria cada 60 (por defecto), 30 o 15 minutos</translation>
    </message>
    <message>
        <source>sun (default): the dial shows local sun time; zone: its 12 line is the zone meridian&apos;s mean noon; clock: each hour line is the figure-8 the shadow traces at that hour of the zone&apos;s standard clock</source>
        <translation>sun (por defecto): el reloj marca la hora solar verdadera; zone: su línea de las 12 es el mediodía medio del meridiano del huso; clock: cada línea horaria es la curva en 8 que traza la sombra a esa hora del reloj estándar del huso</translation>
    </message>
    <message>
        <source>none, solstices (default: the solstices and the equinox) or months (also the first of each month)</source>
        <translation>none, solstices (por defecto: los solsticios y el equinoccio) o months (también el primero de cada mes)</translation>
    </message>
    <message>
        <source>a comma list of the hour systems drawn: equal (default), italian (hours since the previous sunset), babylonian (since sunrise), unequal (twelfths of the daylight); not for --dial analemmatic or noon-mark</source>
        <translation>una lista separada por comas de los sistemas horarios dibujados: equal (por defecto), italian (horas desde la puesta de sol anterior), babylonian (desde la salida del sol), unequal (doceavos del día); no para --dial analemmatic ni noon-mark</translation>
    </message>
    <message>
        <source>a date line for the sun&apos;s declination at noon on that month and day, labelled (up to 40 characters) or by its date and the other day of the same declination; up to 12 times</source>
        <translation>una línea de fecha para la declinación del sol a mediodía en ese mes y día, con rótulo (hasta 40 caracteres) o con su fecha y el otro día de igual declinación; hasta 12 veces</translation>
    </message>
    <message>
        <source>with --dial: the correction card, what to add to the dial&apos;s reading each day for the clock</source>
        <translation>con --dial: la tabla de corrección, lo que hay que sumar cada día a la lectura del reloj de sol para la hora del reloj</translation>
    </message>
    <message>
        <source>with --dial: the dial drawn at full scale as SVG, in millimetres</source>
        <translation>con --dial: el reloj dibujado a escala real en SVG, en milímetros</translation>
    </message>
    <message>
        <source>with --dial: the same drawing as DXF for cutters and routers, in millimetres, one layer per part</source>
        <translation>con --dial: el mismo dibujo en DXF para cortadoras y fresadoras, en milímetros, una capa por pieza</translation>
    </message>
    <message>
        <source>with --dial: the correction card alone as SVG</source>
        <translation>con --dial: solo la tabla de corrección en SVG</translation>
    </message>
    <message>
        <source>with --svg or --dxf: the drawing at 1:N, a plan (default 1:1)</source>
        <translation>con --svg o --dxf: el dibujo a escala 1:N, un plano (por defecto 1:1)</translation>
    </message>
    <message>
        <source>with --dial: the dial printed at full scale as PDF, over as many pages as it needs</source>
        <translation>con --dial: el reloj impreso a escala real en PDF, en tantas páginas como necesite</translation>
    </message>
    <message>
        <source>with --dial: a standing dial checked against the clock: the date, the clock&apos;s time and what the dial showed then (in its own time, sun or zone); up to 100 times, fitted for how the dial stands turned and leaned</source>
        <translation>con --dial: un reloj de sol instalado comparado con el reloj: la fecha, la hora del reloj y lo que marcaba entonces el reloj de sol (en su propia hora, sun o zone); hasta 100 veces, ajustado a cómo está girado e inclinado</translation>
    </message>
    <message>
        <source>instead of the field data, with no site: an old dial&apos;s latitude (and for vertical its wall&apos;s facing) from its hour lines; KIND is horizontal or vertical</source>
        <translation>en lugar de los datos de campo, sin lugar: la latitud de un reloj de sol antiguo (y en vertical la orientación de su pared) a partir de sus líneas horarias; KIND es horizontal o vertical</translation>
    </message>
    <message>
        <source>with --find-dial, once a line: its hour in sun time and its angle at the root from the noon line, as --dial&apos;s angle_deg: + towards x, east on a level dial, right on a wall</source>
        <translation>con --find-dial, una vez por línea: su hora en hora solar verdadera y su ángulo en la raíz desde la línea del mediodía, como angle_deg de --dial: + hacia x, este en un reloj horizontal, derecha en una pared</translation>
    </message>
    <message>
        <source>also how far a compass points from true north at the site on the date, from the World Magnetic Model WMM2025 (2025.0 to 2030.0)</source>
        <translation>también cuánto se desvía una brújula del norte verdadero en el lugar y la fecha, según el World Magnetic Model WMM2025 (2025.0 a 2030.0)</translation>
    </message>
    <message>
        <source>text (default), json or csv</source>
        <translation>text (por defecto), json o csv</translation>
    </message>
    <message>
        <source>the language of the answer: en, de, es, fr, it or nl; without it the desktop&apos;s (LANGUAGE, LC_MESSAGES, LANG)</source>
        <translation>el idioma de la respuesta: en, de, es, fr, it o nl; sin ella, el del escritorio (LANGUAGE, LC_MESSAGES, LANG)</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>mostrar este texto</translation>
    </message>
    <message>
        <source>show the program&apos;s version</source>
        <translation>mostrar la versión del programa</translation>
    </message>
    <message>
        <source>%1 may be given at most %2 times</source>
        <translation>%1 puede darse como máximo %2 veces</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: give degrees from %3 to under %4</source>
        <translation>%1 &quot;%2&quot;: indique grados de %3 a menos de %4</translation>
    </message>
    <message>
        <source>--wall-reading may be given at most 20 times</source>
        <translation>--wall-reading puede darse como máximo 20 veces</translation>
    </message>
    <message>
        <source>--wall-reading &quot;%1&quot;: give the clock time and the angle in degrees, such as 10:15:00@-23.5</source>
        <translation>--wall-reading &quot;%1&quot;: indique la hora del reloj y el ángulo en grados, como 10:15:00@-23.5</translation>
    </message>
    <message>
        <source>--wall-reading &quot;%1&quot;: the angle must lie between -90 and 90 degrees; the sun then shines on the wall</source>
        <translation>--wall-reading &quot;%1&quot;: el ángulo debe estar entre -90 y 90 grados; entonces el sol da en la pared</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>give either --utc-offset with --standard or --daylight-saving, or --zone</source>
        <translation>indique --utc-offset con --standard o --daylight-saving, o bien --zone</translation>
    </message>
    <message>
        <source>--zone takes the daylight saving from the zone&apos;s rules: leave out --standard and --daylight-saving</source>
        <translation>--zone toma el horario de verano de las reglas del huso: omita --standard y --daylight-saving</translation>
    </message>
    <message>
        <source>--place takes the daylight saving from the place&apos;s time zone (%1): leave out --standard and --daylight-saving, or give --utc-offset with them</source>
        <translation>--place toma el horario de verano del huso horario del lugar (%1): omita --standard y --daylight-saving, o indique --utc-offset con ellas</translation>
    </message>
    <message>
        <source>--utc-offset must be hours with an optional sign and minutes, such as -5, +5:30 or +5:45, not &quot;%1&quot;</source>
        <translation>--utc-offset debe ser horas con signo y minutos opcionales, como -5, +5:30 o +5:45, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no time zone has the offset %1</source>
        <translation>ningún huso horario tiene el desfase %1</translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot;</source>
        <translation>huso horario desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>; give a name such as America/New_York or Asia/Kolkata</source>
        <translation>; indique un nombre como America/New_York o Asia/Kolkata</translation>
    </message>
    <message>
        <source>: did you mean %1?</source>
        <translation>: ¿quería decir %1?</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>--days must be a whole number from 1 to 366</source>
        <translation>--days debe ser un número entero de 1 a 366</translation>
    </message>
    <message>
        <source>--mark must be a clock time HH:MM or HH:MM:SS, such as 08:55:10</source>
        <translation>--mark debe ser una hora HH:MM o HH:MM:SS, como 08:55:10</translation>
    </message>
    <message>
        <source>%1: the zone&apos;s offset on %2 is not a whole number of minutes</source>
        <translation>%1: el desfase del huso el %2 no es un número entero de minutos</translation>
    </message>
    <message>
        <source>%1: no time zone has its offset on %2 (%3)</source>
        <translation>%1: ningún huso horario tiene su desfase del %2 (%3)</translation>
    </message>
    <message>
        <source>write m/d/yyyy (6/21/2027), yyyy-mm-dd (2027-06-21) or this computer&apos;s own form (%1)</source>
        <translation>escriba m/d/yyyy (6/21/2027), yyyy-mm-dd (2027-06-21) o la forma propia de este equipo (%1)</translation>
    </message>
    <message>
        <source>degrees from -90 to 90, north positive, with %1</source>
        <translation>grados de -90 a 90, norte positivo, con %1</translation>
    </message>
    <message>
        <source>degrees from -180 to 180, east positive (-72.855) or with a letter (72.855W), not both, with %1</source>
        <translation>grados de -180 a 180, este positivo (-72.855) o con una letra (72.855W), no ambos, con %1</translation>
    </message>
    <message>
        <source> Add --standard or --daylight-saving to --utc-offset, or give --zone.</source>
        <translation> Añada --standard o --daylight-saving a --utc-offset, o indique --zone.</translation>
    </message>
    <message>
        <source> (with %1)</source>
        <translation> (con %1)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source> (%1 optional)</source>
        <translation> (%1 opcional)</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor tras &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado tras &apos;%1&apos;.</translation>
    </message>
    <message>
        <source> orvane --help lists the options.</source>
        <translation> orvane --help enumera las opciones.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 se da más de una vez</translation>
    </message>
    <message>
        <source>--format must be text, json or csv</source>
        <translation>--format debe ser text, json o csv</translation>
    </message>
    <message>
        <source>--latitude &quot;%1&quot; holds a latitude and a longitude: give the longitude with --longitude</source>
        <translation>--latitude &quot;%1&quot; contiene una latitud y una longitud: indique la longitud con --longitude</translation>
    </message>
    <message>
        <source>--dial %1 at latitude %2: %3</source>
        <translation>--dial %1 en latitud %2: %3</translation>
    </message>
    <message>
        <source>--magnetic: the date %1 lies outside the years of the World Magnetic Model %2 (%3)</source>
        <translation>--magnetic: la fecha %1 está fuera de los años del World Magnetic Model %2 (%3)</translation>
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
        <translation>Uso: orvane [--date DATE --latitude DEG --longitude DEG
             (--utc-offset H[:MM] (--standard | --daylight-saving) | --zone NAME)
             o --date DATE --place NAME, coordenadas y reloj opcionales)
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
             [--card-svg FILE] [--pdf FILE], con la fecha, el lugar y el reloj
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
        <translation>Sin opciones, Orvane abre su ventana. Con ellas imprime, para la fecha y el
lugar, las horas del reloj en que el sol está exactamente al este, en el
meridiano y exactamente al oeste, junto a los instantes del sol verdadero,
hacia dónde apunta la sombra y lo rápido que gira, y las mismas horas para los
días siguientes. Con --dial traza en su lugar un reloj de sol para el lugar;
con --find-dial halla la latitud de un reloj de sol antiguo, y la orientación
de su pared, a partir de los ángulos de sus líneas horarias.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Ejemplos:</translation>
    </message>
    <message>
        <source>--check-reading &quot;%1&quot; (reading %2): %3</source>
        <translation>--check-reading &quot;%1&quot; (lectura %2): %3</translation>
    </message>
    <message>
        <source>--pdf &quot;%1&quot;: %2 pages</source>
        <translation>--pdf &quot;%1&quot;: %2 páginas</translation>
    </message>
    <message>
        <source>--wall-reading %1 (reading %2): %3</source>
        <translation>--wall-reading %1 (lectura %2): %3</translation>
    </message>
    <message>
        <source>the sun is below the horizon then</source>
        <translation>el sol está entonces bajo el horizonte</translation>
    </message>
    <message>
        <source>the angle must lie between -90 and 90 degrees</source>
        <translation>el ángulo debe estar entre -90 y 90 grados</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>no se puede escribir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>--pdf &quot;%1&quot;: PDF output needs the window&apos;s libraries, which this program was built without; write --svg instead</source>
        <translation>--pdf &quot;%1&quot;: la salida PDF necesita las bibliotecas de la ventana, sin las que se compiló este programa; use --svg en su lugar</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: the pages could not be painted</source>
        <translation>no se puede escribir &quot;%1&quot;: no se pudieron pintar las páginas</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>not in %1; </source>
        <translation>no está en %1; </translation>
    </message>
    <message>
        <source>not a number with %1; </source>
        <translation>no es un número con %1; </translation>
    </message>
    <message>
        <source>not a time; </source>
        <translation>no es una hora; </translation>
    </message>
    <message>
        <source>--plate &quot;%1&quot;: the nodus height (%2 mm) must not exceed the plate&apos;s smaller side; give --%3</source>
        <translation>--plate &quot;%1&quot;: la altura del nodo (%2 mm) no debe superar el lado menor de la placa; indique --%3</translation>
    </message>
    <message>
        <source>%1 is for --dial %2; %3 takes none</source>
        <translation>%1 es para --dial %2; %3 no lo admite</translation>
    </message>
    <message>
        <source>give the width and height in mm, such as 300x300</source>
        <translation>indique el ancho y el alto en mm, como 300x300</translation>
    </message>
    <message>
        <source>--check-reading may be given at most %1 times</source>
        <translation>--check-reading puede darse como máximo %1 veces</translation>
    </message>
    <message>
        <source>--check-reading &quot;%1&quot;: give the date, the clock&apos;s time and what the dial showed then, such as &quot;2027-03-01 10:15=10:27&quot; (YYYY-MM-DD HH:MM[:SS]=HH:MM[:SS])</source>
        <translation>--check-reading &quot;%1&quot;: indique la fecha, la hora del reloj y lo que marcaba entonces el reloj de sol, como &quot;2027-03-01 10:15=10:27&quot; (YYYY-MM-DD HH:MM[:SS]=HH:MM[:SS])</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se da dos veces</translation>
    </message>
    <message>
        <source>give a comma list of equal, italian, babylonian and unequal</source>
        <translation>indique una lista separada por comas de equal, italian, babylonian y unequal</translation>
    </message>
    <message>
        <source>--date-line may be given at most %1 times</source>
        <translation>--date-line puede darse como máximo %1 veces</translation>
    </message>
    <message>
        <source>--date-line &quot;%1&quot;: give a date that exists, YYYY-MM-DD, and a label after = if wanted, such as 1990-05-14=Anna</source>
        <translation>--date-line &quot;%1&quot;: indique una fecha que exista, YYYY-MM-DD, y un rótulo tras = si lo desea, como 1990-05-14=Anna</translation>
    </message>
    <message>
        <source>--date-line &quot;%1&quot;: give %2</source>
        <translation>--date-line &quot;%1&quot;: indique %2</translation>
    </message>
    <message>
        <source>%1 goes with --dial %2</source>
        <translation>%1 va con --dial %2</translation>
    </message>
    <message>
        <source>%1 is for the field data, which --dial does not print</source>
        <translation>%1 es para los datos de campo, que --dial no imprime</translation>
    </message>
    <message>
        <source>give %1</source>
        <translation>indique %1</translation>
    </message>
    <message>
        <source>give 60, 30 or 15 minutes</source>
        <translation>indique 60, 30 o 15 minutos</translation>
    </message>
    <message>
        <source>give sun, zone or clock</source>
        <translation>indique sun, zone o clock</translation>
    </message>
    <message>
        <source>give none, solstices or months</source>
        <translation>indique none, solstices o months</translation>
    </message>
    <message>
        <source>give 1:N, N a whole number from 1 to %1, such as 1:50</source>
        <translation>indique 1:N, con N un número entero de 1 a %1, como 1:50</translation>
    </message>
    <message>
        <source>--scale goes with --svg or --dxf</source>
        <translation>--scale va con --svg o --dxf</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--card-svg: a dial drawn to the clock (--dial-time clock) needs no correction card</source>
        <translation>--card-svg: un reloj de sol dibujado según el reloj (--dial-time clock) no necesita tabla de corrección</translation>
    </message>
    <message>
        <source>zone time (the 12 line at UTC%1&apos;s mean noon)</source>
        <translation>hora del huso (la línea de las 12 en el mediodía medio de UTC%1)</translation>
    </message>
    <message>
        <source>sun time</source>
        <translation>hora solar verdadera</translation>
    </message>
    <message>
        <source>Correction card %1: add to the dial&apos;s reading to get the clock&apos;s time</source>
        <translation>Tabla de corrección %1: súmese a la lectura del reloj de sol para obtener la hora del reloj</translation>
    </message>
    <message>
        <source>week from</source>
        <translation>semana desde</translation>
    </message>
    <message>
        <source>add</source>
        <translation>sumar</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>%1 for latitude %2, longitude %3, showing %4
</source>
        <translation>%1 para latitud %2, longitud %3, marca %4
</translation>
    </message>
    <message>
        <source>give the hour in sun time and the angle in degrees, such as 9=-37.5</source>
        <translation>indique la hora en hora solar verdadera y el ángulo en grados, como 9=-37.5</translation>
    </message>
    <message>
        <source>the hour must be from 0 to under 24</source>
        <translation>la hora debe ir de 0 a menos de 24</translation>
    </message>
    <message>
        <source>the angle must lie between -90 and 90 degrees: a line at the root makes less than a right angle with the noon line</source>
        <translation>el ángulo debe estar entre -90 y 90 grados: en la raíz una línea forma menos de un ángulo recto con la línea del mediodía</translation>
    </message>
    <message>
        <source>hour %1 is given twice</source>
        <translation>la hora %1 se da dos veces</translation>
    </message>
    <message>
        <source>--line-angle goes with --find-dial %1</source>
        <translation>--line-angle va con --find-dial %1</translation>
    </message>
    <message>
        <source>--%1 is not taken by --find-dial: the hour lines alone give the latitude and the facing</source>
        <translation>--find-dial no admite --%1: las líneas horarias por sí solas dan la latitud y la orientación</translation>
    </message>
    <message>
        <source>--find-dial &quot;%1&quot;: give %2</source>
        <translation>--find-dial &quot;%1&quot;: indique %2</translation>
    </message>
    <message>
        <source>--line-angle may be given at most %1 times</source>
        <translation>--line-angle puede darse como máximo %1 veces</translation>
    </message>
    <message>
        <source>--find-dial %1 needs a line besides noon&apos;s, one --line-angle HOUR=DEG each, for the latitude</source>
        <translation>--find-dial %1 necesita una línea además de la del mediodía, un --line-angle HOUR=DEG por línea, para la latitud</translation>
    </message>
    <message>
        <source>--find-dial %1 needs %2 lines besides noon&apos;s, one --line-angle HOUR=DEG each, for the latitude and the facing</source>
        <translation>--find-dial %1 necesita %2 líneas además de la del mediodía, un --line-angle HOUR=DEG por línea, para la latitud y la orientación</translation>
    </message>
    <message>
        <source>%1 (faces %2)</source>
        <translation>%1 (mira al %2)</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 al %2 del %3</translation>
    </message>
    <message>
        <source>. Check that the hours are sun time and that angles towards the east are positive.</source>
        <translation>. Compruebe que las horas son hora solar verdadera y que los ángulos hacia el este son positivos.</translation>
    </message>
    <message>
        <source>. Check that the hours are sun time and that angles towards the right are positive.</source>
        <translation>. Compruebe que las horas son hora solar verdadera y que los ángulos hacia la derecha son positivos.</translation>
    </message>
    <message>
        <source>No %1 fits these lines within %2 degrees rms</source>
        <translation>Ningún %1 se ajusta a estas líneas dentro de %2 grados rms</translation>
    </message>
    <message>
        <source>; the closest, at latitude %1 facing %2, misses them by %3 degrees rms</source>
        <translation>; el más cercano, en latitud %1 con orientación %2, se desvía %3 grados rms</translation>
    </message>
    <message>
        <source>; the closest, at latitude %1, misses them by %2 degrees rms</source>
        <translation>; el más cercano, en latitud %1, se desvía %2 grados rms</translation>
    </message>
    <message>
        <source>%1 from %2 hour lines: %3 within %4 degrees rms
</source>
        <translation>%1 a partir de %2 líneas horarias: %3 dentro de %4 grados rms
</translation>
    </message>
    <message>
        <source>none fits</source>
        <translation>ninguno se ajusta</translation>
    </message>
    <message>
        <source>1 fits</source>
        <translation>1 se ajusta</translation>
    </message>
    <message>
        <source>%1 fit</source>
        <translation>%1 se ajustan</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitud</translation>
    </message>
    <message>
        <source>facing</source>
        <translation>orientación</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>declinación</translation>
    </message>
    <message>
        <source>rms</source>
        <translation>rms</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>medido</translation>
    </message>
    <message>
        <source>fitted</source>
        <translation>ajustado</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>residuo</translation>
    </message>
    <message>
        <source>Dial %1</source>
        <translation>Reloj %1</translation>
    </message>
    <message>
        <source>--place must name a town or city, such as Zurich or &quot;Paris, Texas&quot;</source>
        <translation>--place debe nombrar una población, como Zurich o &quot;Paris, Texas&quot;</translation>
    </message>
    <message>
        <source>--place is longer than %1 characters</source>
        <translation>--place tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>--place holds a control character</source>
        <translation>--place contiene un carácter de control</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot;</source>
        <translation>ningún lugar se llama &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot;; nearest: %2</source>
        <translation>ningún lugar se llama &quot;%1&quot;; los más parecidos: %2</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Lugar: %1</translation>
    </message>
    <message>
        <source> (population %1)</source>
        <translation> (población %1)</translation>
    </message>
    <message>
        <source>Other places named %1: %2
</source>
        <translation>Otros lugares llamados %1: %2
</translation>
    </message>
    <message>
        <source> DST</source>
        <translation> h. verano</translation>
    </message>
    <message>
        <source> std</source>
        <translation> h. estándar</translation>
    </message>
    <message>
        <source>Field data for latitude %1, longitude %2, on the clock UTC%3: UTC%4 standard + 1 h daylight saving</source>
        <translation>Datos de campo para latitud %1, longitud %2, con el reloj en UTC%3: UTC%4 estándar + 1 h de horario de verano</translation>
    </message>
    <message>
        <source>Field data for latitude %1, longitude %2, on the clock UTC%3, standard time</source>
        <translation>Datos de campo para latitud %1, longitud %2, con el reloj en UTC%3, hora estándar</translation>
    </message>
    <message>
        <source>Angles in degrees, bearings from north through east; lengths for a plumb line 1 m high.</source>
        <translation>Ángulos en grados, rumbos desde el norte por el este; longitudes para una plomada de 1 m de alto.</translation>
    </message>
    <message>
        <source>  the sun is never seen %1 at this location and date
</source>
        <translation>  el sol nunca se ve al %1 en este lugar y fecha
</translation>
    </message>
    <message>
        <source>clock, as in the result</source>
        <translation>reloj, como en el resultado</translation>
    </message>
    <message>
        <source>true sun due %1 at</source>
        <translation>sol verdadero justo al %1 a las</translation>
    </message>
    <message>
        <source>never, above the horizon</source>
        <translation>nunca, sobre el horizonte</translation>
    </message>
    <message>
        <source>sun azimuth</source>
        <translation>acimut del sol</translation>
    </message>
    <message>
        <source>sun altitude</source>
        <translation>altura del sol</translation>
    </message>
    <message>
        <source>shadow bearing</source>
        <translation>rumbo de la sombra</translation>
    </message>
    <message>
        <source>shadow length</source>
        <translation>longitud de la sombra</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>off the true line</source>
        <translation>desvío de la línea verdadera</translation>
    </message>
    <message>
        <source> = %1 mm at 1 m</source>
        <translation> = %1 mm a 1 m</translation>
    </message>
    <message>
        <source>the shadow turns</source>
        <translation>la sombra gira</translation>
    </message>
    <message>
        <source>%1 per minute</source>
        <translation>%1 por minuto</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>azimuth</source>
        <translation>acimut</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>altura</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>sombra</translation>
    </message>
    <message>
        <source>east</source>
        <translation>este</translation>
    </message>
    <message>
        <source>meridian</source>
        <translation>meridiano</translation>
    </message>
    <message>
        <source>west</source>
        <translation>oeste</translation>
    </message>
    <message>
        <source>true east</source>
        <translation>este verd.</translation>
    </message>
    <message>
        <source>true meridian</source>
        <translation>meridiano verd.</translation>
    </message>
    <message>
        <source>true west</source>
        <translation>oeste verd.</translation>
    </message>
    <message>
        <source>Days (- where the sun is never seen there)</source>
        <translation>Días (- donde el sol nunca se ve allí)</translation>
    </message>
    <message>
        <source>Mark at %1</source>
        <translation>Marca a las %1</translation>
    </message>
    <message>
        <source>nearest true line</source>
        <translation>línea verdadera más cercana</translation>
    </message>
    <message>
        <source>turn the mark</source>
        <translation>girar la marca</translation>
    </message>
    <message>
        <source>%1 (counterclockwise seen from above)</source>
        <translation>%1 (antihorario visto desde arriba)</translation>
    </message>
    <message>
        <source>%1 (clockwise seen from above)</source>
        <translation>%1 (horario visto desde arriba)</translation>
    </message>
    <message>
        <source>Sun at bearing %1</source>
        <translation>Sol en el rumbo %1</translation>
    </message>
    <message>
        <source>  not reached above the horizon on this date
</source>
        <translation>  no se alcanza sobre el horizonte en esta fecha
</translation>
    </message>
    <message>
        <source>true sun at</source>
        <translation>sol verdadero a las</translation>
    </message>
    <message>
        <source>length</source>
        <translation>longitud</translation>
    </message>
    <message>
        <source>turns per minute</source>
        <translation>giro por minuto</translation>
    </message>
    <message>
        <source>Sun at altitude %1</source>
        <translation>Sol a la altura %1</translation>
    </message>
    <message>
        <source>  not reached on this date
</source>
        <translation>  no se alcanza en esta fecha
</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>subiendo</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>bajando</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>ángulo</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Pared</translation>
    </message>
    <message>
        <source>the wall faces</source>
        <translation>la pared mira a</translation>
    </message>
    <message>
        <source>spread</source>
        <translation>dispersión</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Aviso: %1</translation>
    </message>
    <message>
        <source>orvane: no display to open the window on; give options to answer in the shell (orvane --help), or choose a platform with QT_QPA_PLATFORM (such as QT_QPA_PLATFORM=offscreen).</source>
        <translation>orvane: no hay pantalla en la que abrir la ventana; indique opciones para responder en la terminal (orvane --help) o elija una plataforma con QT_QPA_PLATFORM (como QT_QPA_PLATFORM=offscreen).</translation>
    </message>
</context>
</TS>
