<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>sheet</name>
    <message>
        <source>At %1:</source>
        <translation>A las %1:</translation>
    </message>
    <message>
        <source>never seen</source>
        <translation>nunca visible</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>field sheet</source>
        <translation>hoja de campo</translation>
    </message>
    <message>
        <source>Computer&apos;s clock: %1</source>
        <translation>Reloj del ordenador: %1</translation>
    </message>
    <message>
        <source>No more events today</source>
        <translation>No hay más eventos hoy</translation>
    </message>
    <message>
        <source>Next: %1 at %2, in %3</source>
        <translation>Próximo: %1 a las %2, en %3</translation>
    </message>
    <message>
        <source>Next: %1 at %2, now</source>
        <translation>Próximo: %1 a las %2, ahora</translation>
    </message>
    <message>
        <source>Save Field Sheet as PDF</source>
        <translation>Guardar la hoja de campo como PDF</translation>
    </message>
    <message>
        <source>Field Sheet</source>
        <translation>Hoja de campo</translation>
    </message>
    <message>
        <source>Plumb line &amp;height (m):</source>
        <translation>&amp;Altura de la plomada (m):</translation>
    </message>
    <message>
        <source>Degrees from north through east; empty for no fourth event</source>
        <translation>Grados desde el norte por el este; vacío para ningún cuarto evento</translation>
    </message>
    <message>
        <source>Sun at &amp;bearing (°):</source>
        <translation>Sol en el &amp;rumbo (°):</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>&amp;Tick in the last five seconds</source>
        <translation>&amp;Pitido en los últimos cinco segundos</translation>
    </message>
    <message>
        <source>The times are only as good as the clock you read: set your watch and this computer&apos;s clock exactly.</source>
        <translation>Las horas solo son tan exactas como el reloj que lee: ponga en hora exacta su reloj y el de este ordenador.</translation>
    </message>
    <message>
        <source>Click here to set your watch to atomic standard via internet</source>
        <translation>Haga clic aquí para poner su reloj en hora atómica por Internet</translation>
    </message>
    <message>
        <source>Set your watch to atomic standard via internet</source>
        <translation>Poner su reloj en hora atómica por Internet</translation>
    </message>
    <message>
        <source>&amp;Every 30 seconds around:</source>
        <translation>Ca&amp;da 30 segundos en torno a:</translation>
    </message>
    <message>
        <source>Every 30 seconds around the chosen event</source>
        <translation>Cada 30 segundos en torno al evento elegido</translation>
    </message>
    <message>
        <source>I &amp;marked the shadow at:</source>
        <translation>&amp;Marqué la sombra a las:</translation>
    </message>
    <message>
        <source>The &amp;next 14 days:</source>
        <translation>Los &amp;siguientes 14 días:</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Save as PDF</source>
        <translation>&amp;Guardar como PDF</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Plan of the site</source>
        <translation>Plano del lugar</translation>
    </message>
    <message>
        <source>N</source>
        <comment>compass</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>true east-west</source>
        <translation>este-oeste verdadero</translation>
    </message>
    <message>
        <source>true north-south</source>
        <translation>norte-sur verdadero</translation>
    </message>
    <message>
        <source>plumb line %1</source>
        <translation>plomada %1</translation>
    </message>
    <message>
        <source>%1 (%2), every 30 seconds</source>
        <translation>%1 (%2), cada 30 segundos</translation>
    </message>
    <message>
        <source>%1, every 30 s</source>
        <translation>%1, cada 30 s</translation>
    </message>
    <message>
        <source>%1 at %2, every 30 s</source>
        <translation>%1 a las %2, cada 30 s</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Which way the wall faces</source>
        <translation>Orientación de la pared</translation>
    </message>
    <message numerus="yes">
        <source>The next %n days</source>
        <translation>
            <numerusform>El próximo día</numerusform>
            <numerusform>Los próximos %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Orvane Field Sheet</source>
        <translation>Hoja de campo de Orvane</translation>
    </message>
    <message>
        <source>On the ground</source>
        <translation>Sobre el terreno</translation>
    </message>
    <message>
        <source>Shadows drawn for a plumb line %1 high.
Mark the shadow at the large time; bold rows are that moment.
Marked at another time? Turn the mark back by its row&apos;s shadow bearing
less the true line&apos;s (0, 90, 180 or 270 degrees).</source>
        <translation>Sombras dibujadas para una plomada de %1 de alto.
Marque la sombra a la hora en grande; las filas en negrita
son ese momento.
¿Marcada a otra hora? Gire la marca hacia atrás según el rumbo
de sombra de su fila menos el de la línea verdadera
(0, 90, 180 o 270 grados).</translation>
    </message>
    <message>
        <source>due north</source>
        <translation>exactamente al norte</translation>
    </message>
    <message>
        <source>due east</source>
        <translation>exactamente al este</translation>
    </message>
    <message>
        <source>due south</source>
        <translation>exactamente al sur</translation>
    </message>
    <message>
        <source>due west</source>
        <translation>exactamente al oeste</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Meridian</source>
        <translation>Meridiano</translation>
    </message>
    <message>
        <source>east</source>
        <comment>event</comment>
        <translation>este</translation>
    </message>
    <message>
        <source>meridian</source>
        <comment>event</comment>
        <translation>meridiano</translation>
    </message>
    <message>
        <source>west</source>
        <comment>event</comment>
        <translation>oeste</translation>
    </message>
    <message>
        <source>sun due north</source>
        <translation>sol exactamente al norte</translation>
    </message>
    <message>
        <source>sun due east</source>
        <translation>sol exactamente al este</translation>
    </message>
    <message>
        <source>sun due south</source>
        <translation>sol exactamente al sur</translation>
    </message>
    <message>
        <source>sun due west</source>
        <translation>sol exactamente al oeste</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>Shadow %1, none</source>
        <translation>Sombra %1, ninguna</translation>
    </message>
    <message>
        <source>Shadow %1, %2 long</source>
        <translation>Sombra %1, de %2 de largo</translation>
    </message>
    <message>
        <source>Turns %1 a minute, clockwise</source>
        <translation>Gira %1 por minuto, en sentido horario</translation>
    </message>
    <message>
        <source>Turns %1 a minute, anticlockwise</source>
        <translation>Gira %1 por minuto, en sentido antihorario</translation>
    </message>
    <message>
        <source>The sun never stands %1 above the horizon on this date.</source>
        <translation>El sol nunca está %1 sobre el horizonte en esta fecha.</translation>
    </message>
    <message>
        <source>Precise %1 (%2 s)</source>
        <translation>Exacto %1 (%2 s)</translation>
    </message>
    <message>
        <source>Precise: the true sun does not reach this bearing above the horizon</source>
        <translation>Exacto: el sol verdadero no alcanza este rumbo sobre el horizonte</translation>
    </message>
    <message>
        <source>Sun&apos;s altitude %1</source>
        <translation>Altura del sol %1</translation>
    </message>
    <message>
        <source>Off the true line %1 (%2 mm/m)</source>
        <translation>Desvío de la línea verdadera %1 (%2 mm/m)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Acimut</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Shadow bearing</source>
        <translation>Rumbo de la sombra</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4</source>
        <translation>Latitud %1 %2, longitud %3 %4</translation>
    </message>
    <message>
        <source>Clock: %1, daylight saving time (%2)</source>
        <translation>Reloj: %1, horario de verano (%2)</translation>
    </message>
    <message>
        <source>Clock: %1, standard time (%2)</source>
        <translation>Reloj: %1, hora estándar (%2)</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark lies on the east-west line.</source>
        <translation>La sombra apuntaba entonces a %1: la marca está en la línea este-oeste.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark lies on the north-south line.</source>
        <translation>La sombra apuntaba entonces a %1: la marca está en la línea norte-sur.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the east-west line. Turn it %2 clockwise (seen from above) about the foot of the plumb line.</source>
        <translation>La sombra apuntaba entonces a %1: la marca pertenece a la línea este-oeste. Gírela %2 en sentido horario (visto desde arriba) alrededor del pie de la plomada.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the east-west line. Turn it %2 anticlockwise (seen from above) about the foot of the plumb line.</source>
        <translation>La sombra apuntaba entonces a %1: la marca pertenece a la línea este-oeste. Gírela %2 en sentido antihorario (visto desde arriba) alrededor del pie de la plomada.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the north-south line. Turn it %2 clockwise (seen from above) about the foot of the plumb line.</source>
        <translation>La sombra apuntaba entonces a %1: la marca pertenece a la línea norte-sur. Gírela %2 en sentido horario (visto desde arriba) alrededor del pie de la plomada.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the north-south line. Turn it %2 anticlockwise (seen from above) about the foot of the plumb line.</source>
        <translation>La sombra apuntaba entonces a %1: la marca pertenece a la línea norte-sur. Gírela %2 en sentido antihorario (visto desde arriba) alrededor del pie de la plomada.</translation>
    </message>
    <message>
        <source>North up, the plumb line&apos;s foot in the middle, the dotted circle %1 m from it.</source>
        <translation>Norte arriba, el pie de la plomada en el centro, el círculo punteado a %1 m de él.</translation>
    </message>
    <message>
        <source>%1: at %2 the shadow points to %3 and is %4 long.</source>
        <translation>%1: a las %2 la sombra apunta a %3 y mide %4.</translation>
    </message>
    <message>
        <source>%1: no shadow, the sun is below the horizon.</source>
        <translation>%1: sin sombra, el sol está bajo el horizonte.</translation>
    </message>
    <message>
        <source>%1: never seen on this date.</source>
        <translation>%1: nunca visible en esta fecha.</translation>
    </message>
    <message>
        <source>%1: never seen on this date</source>
        <translation>%1: nunca visible en esta fecha</translation>
    </message>
    <message>
        <source>%1: sun below the horizon, no shadow</source>
        <translation>%1: sol bajo el horizonte, sin sombra</translation>
    </message>
    <message>
        <source>%1: not reached above the horizon on this date</source>
        <translation>%1: no se alcanza sobre el horizonte en esta fecha</translation>
    </message>
    <message>
        <source>Bearing %1</source>
        <translation>Rumbo %1</translation>
    </message>
    <message>
        <source>sun at %1</source>
        <translation>sol a %1</translation>
    </message>
    <message>
        <source>The sun does not stand at %1 above the horizon on this date</source>
        <translation>El sol no está a %1 sobre el horizonte en esta fecha</translation>
    </message>
    <message>
        <source>Precise %1</source>
        <translation>Exacto %1</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth</source>
        <translation>Acimut del sol</translation>
    </message>
    <message>
        <source>Facing</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Off the mean</source>
        <translation>Desvío de la media</translation>
    </message>
    <message>
        <source>The wall faces %1: it faces due north.</source>
        <translation>La pared está orientada a %1: mira exactamente al norte.</translation>
    </message>
    <message>
        <source>The wall faces %1: it faces due south.</source>
        <translation>La pared está orientada a %1: mira exactamente al sur.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 east of north.</source>
        <translation>La pared está orientada a %1: declinación %2 al este del norte.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 west of north.</source>
        <translation>La pared está orientada a %1: declinación %2 al oeste del norte.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 east of south.</source>
        <translation>La pared está orientada a %1: declinación %2 al este del sur.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 west of south.</source>
        <translation>La pared está orientada a %1: declinación %2 al oeste del sur.</translation>
    </message>
    <message>
        <source> Spread %1.</source>
        <translation> Dispersión %1.</translation>
    </message>
    <message>
        <source>Reading %1 (%2, %3) refused: the sun is below the horizon then.</source>
        <translation>Lectura %1 (%2, %3) rechazada: el sol está entonces bajo el horizonte.</translation>
    </message>
    <message>
        <source>Reading %1 (%2, %3) refused: the angle must lie between -90° and +90°.</source>
        <translation>Lectura %1 (%2, %3) rechazada: el ángulo debe estar entre -90° y +90°.</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>pared</translation>
    </message>
    <message>
        <source>board</source>
        <translation>tabla</translation>
    </message>
    <message>
        <source>square line</source>
        <translation>línea a escuadra</translation>
    </message>
    <message>
        <source>plumb line</source>
        <translation>plomada</translation>
    </message>
    <message>
        <source>+A: clockwise from above</source>
        <translation>+A: horario visto desde arriba</translation>
    </message>
    <message>
        <source>Seen from above: a level board held against the wall, a line drawn on it square to the wall, a plumb line hanging over that line. A reading is the clock time and the angle A from the square line, taken towards the wall, to the plumb line&apos;s shadow, positive clockwise. The wall then faces the sun&apos;s azimuth minus A.</source>
        <translation>Visto desde arriba: una tabla nivelada apoyada contra la pared, una línea trazada en ella a escuadra con la pared, una plomada colgando sobre esa línea. Una lectura es la hora del reloj y el ángulo A desde la línea a escuadra, tomada hacia la pared, hasta la sombra de la plomada, positivo en sentido horario. La pared mira entonces al acimut del sol menos A.</translation>
    </message>
    <message>
        <source>How to take a reading</source>
        <translation>Cómo tomar una lectura</translation>
    </message>
    <message>
        <source>Which way does my w&amp;all face?</source>
        <translation>¿Hacia dónde mira mi par&amp;ed?</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>A (°)</source>
        <translation>A (°)</translation>
    </message>
    <message>
        <source>Wall readings</source>
        <translation>Lecturas de la pared</translation>
    </message>
    <message>
        <source>One reading a row: the clock time and the angle A; Enter keeps a cell. Clear a row to drop it.</source>
        <translation>Una lectura por fila: la hora y el ángulo A; Intro confirma una celda. Vacíe una fila para quitarla.</translation>
    </message>
    <message>
        <source>Type a clock time and the angle A in each row.</source>
        <translation>Escriba una hora y el ángulo A en cada fila.</translation>
    </message>
    <message>
        <source>Reading %1: the clock time &quot;%2&quot; cannot be read.</source>
        <translation>Lectura %1: la hora «%2» no se puede leer.</translation>
    </message>
    <message>
        <source>Reading %1: the angle &quot;%2&quot; cannot be read.</source>
        <translation>Lectura %1: el ángulo «%2» no se puede leer.</translation>
    </message>
</context>
</TS>
