<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>dial</name>
    <message>
        <source>north</source>
        <translation>norte</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Wires cross above</source>
        <translation>Los hilos se cruzan encima</translation>
    </message>
    <message>
        <source>The x-wire&apos;s height spaces the hour lines evenly, 15° an hour around the centre</source>
        <translation>La altura del hilo x espacia uniformemente las líneas horarias, 15° por hora alrededor del centro</translation>
    </message>
    <message>
        <source>No x-wire height spaces the hour lines evenly on this face</source>
        <translation>En este cuadrante ninguna altura del hilo x espacia uniformemente las líneas horarias</translation>
    </message>
    <message>
        <source>x-wire</source>
        <translation>hilo x</translation>
    </message>
    <message>
        <source>%1 above the plate, along x over y = 0, posts at %2 and %3</source>
        <translation>%1 sobre la placa, a lo largo de x sobre y = 0, postes en %2 y %3</translation>
    </message>
    <message>
        <source>y-wire</source>
        <translation>hilo y</translation>
    </message>
    <message>
        <source>%1 above the plate, along y over x = 0, posts at %2 and %3</source>
        <translation>%1 sobre la placa, a lo largo de y sobre x = 0, postes en %2 y %3</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>none: the hour lines are parallel</source>
        <translation>ninguno: las líneas horarias son paralelas</translation>
    </message>
    <message>
        <source>evenly spaced</source>
        <translation>espaciado uniforme</translation>
    </message>
    <message>
        <source>yes, 15° an hour</source>
        <translation>sí, 15° por hora</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Hour lines (angle at the centre from the noon side of the y axis, + towards x)</source>
        <translation>Líneas horarias (ángulo en el centro desde el lado del mediodía del eje y, + hacia x)</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the point under the wires&apos; crossing: x to the right, y up the slope.

</source>
        <translation>Milímetros sobre la placa desde el punto bajo el cruce de los hilos: x hacia la derecha, y pendiente arriba.

</translation>
    </message>
    <message>
        <source>Wires %1 mm (x) and %2 mm (y) above the plate</source>
        <translation>Hilos a %1 mm (x) y %2 mm (y) sobre la placa</translation>
    </message>
    <message>
        <source>wires %1 mm and %2 mm above the plate</source>
        <translation>hilos a %1 mm y %2 mm sobre la placa</translation>
    </message>
    <message>
        <source>Stretch each wire between its posts, parallel to the plate at its height; they cross over the plate&apos;s origin</source>
        <translation>Tense cada hilo entre sus postes, paralelo a la placa a su altura; se cruzan sobre el origen de la placa</translation>
    </message>
    <message>
        <source>Wires: x %1 mm, y %2 mm</source>
        <translation>Hilos: x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>Centre of the hour lines: x %1, y %2 mm%3</source>
        <translation>Centro de las líneas horarias: x %1, y %2 mm%3</translation>
    </message>
    <message>
        <source>, 15° an hour</source>
        <translation>, 15° por hora</translation>
    </message>
    <message>
        <source>No centre: the hour lines are parallel.</source>
        <translation>Sin centro: las líneas horarias son paralelas.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 mm, %3.</source>
        <translation>Hilos a %1 y %2 mm, %3.</translation>
    </message>
    <message>
        <source>%1, wires %2 mm (x) and %3 mm (y) above the plate. %4.</source>
        <translation>%1, hilos a %2 mm (x) y %3 mm (y) sobre la placa. %4.</translation>
    </message>
    <message>
        <source>lit from the March to the September equinox</source>
        <translation>iluminado del equinoccio de marzo al de septiembre</translation>
    </message>
    <message>
        <source>lit from the September to the March equinox</source>
        <translation>iluminado del equinoccio de septiembre al de marzo</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Horizontal dial</source>
        <translation>Reloj horizontal</translation>
    </message>
    <message>
        <source>From the meridian (°, + east)</source>
        <translation>Desde el meridiano (°, + este)</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Vertical dial</source>
        <translation>Reloj vertical</translation>
    </message>
    <message>
        <source>From the vertical (°, + right)</source>
        <translation>Desde la vertical (°, + derecha)</translation>
    </message>
    <message>
        <source>Reclining or inclining (any plane)</source>
        <translation>Reclinado o inclinado (cualquier plano)</translation>
    </message>
    <message>
        <source>Plane dial</source>
        <translation>Reloj plano</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Polar dial</source>
        <translation>Reloj polar</translation>
    </message>
    <message>
        <source>Equatorial (both faces)</source>
        <translation>Ecuatorial (ambos cuadrantes)</translation>
    </message>
    <message>
        <source>Equatorial dial</source>
        <translation>Reloj ecuatorial</translation>
    </message>
    <message>
        <source>Analemmatic (a person is the gnomon)</source>
        <translation>Analemático (una persona hace de gnomon)</translation>
    </message>
    <message>
        <source>Analemmatic dial</source>
        <translation>Reloj analemático</translation>
    </message>
    <message>
        <source>its ellipse flattens to a line near the equator, and its date scale to a point near a pole</source>
        <translation>su elipse se aplana en una línea cerca del ecuador, y su escala de fechas en un punto cerca de un polo</translation>
    </message>
    <message>
        <source>an analemmatic dial has no style that could stand turned: check its north-south line and its date scale instead</source>
        <translation>un reloj analemático no tiene estilo que pueda estar girado: compruebe en su lugar su línea norte-sur y su escala de fechas</translation>
    </message>
    <message>
        <source>an analemmatic dial&apos;s hour points lie on its ellipse, where a figure-8 of clock time has no place: draw it to sun or zone time</source>
        <translation>los puntos horarios de un reloj analemático están en su elipse, donde no cabe una curva en 8 de la hora del reloj: trácelo en hora solar verdadera o en hora del huso</translation>
    </message>
    <message>
        <source>an analemmatic dial&apos;s hour points lie on its ellipse, which has no place for lines of Italian, Babylonian or unequal hours: draw it in equal hours</source>
        <translation>los puntos horarios de un reloj analemático están en su elipse, donde no caben líneas de horas itálicas, babilónicas o temporarias: trácelo en horas iguales</translation>
    </message>
    <message>
        <source>Noon mark (a spot of sun through a hole)</source>
        <translation>Meridiana (una mancha de sol a través de un orificio)</translation>
    </message>
    <message>
        <source>Noon mark</source>
        <translation>Meridiana</translation>
    </message>
    <message>
        <source>a noon mark has no style that could stand turned: check its meridian line against the spot at the true noon instead</source>
        <translation>una meridiana no tiene estilo que pueda estar girado: compruebe en su lugar su línea meridiana con la mancha al mediodía verdadero</translation>
    </message>
    <message>
        <source>a noon mark shows the noon alone, with no hour lines: draw a plane dial for the old hours</source>
        <translation>una meridiana solo muestra el mediodía, sin líneas horarias: para las horas antiguas trace un reloj plano</translation>
    </message>
    <message>
        <source>Bifilar (two wires)</source>
        <translation>Bifilar (dos hilos)</translation>
    </message>
    <message>
        <source>Bifilar dial</source>
        <translation>Reloj bifilar</translation>
    </message>
    <message>
        <source>From the y axis at the centre (°, + towards x)</source>
        <translation>Desde el eje y en el centro (°, + hacia x)</translation>
    </message>
    <message>
        <source>Wires</source>
        <translation>Hilos</translation>
    </message>
    <message>
        <source>a bifilar dial has no style that could stand turned: check the wires&apos; heights and that each runs along its axis instead</source>
        <translation>un reloj bifilar no tiene estilo que pueda estar girado: compruebe en su lugar la altura de los hilos y que cada uno siga su eje</translation>
    </message>
    <message>
        <source>a bifilar dial&apos;s hour lines are straight lines of sun or zone time: draw it to sun or zone time</source>
        <translation>las líneas horarias de un reloj bifilar son rectas de hora solar verdadera o del huso: trácelo en hora solar verdadera o del huso</translation>
    </message>
    <message>
        <source>a bifilar dial&apos;s crossing is drawn for equal hours: draw a plane dial for the old hours</source>
        <translation>el cruce de un reloj bifilar se traza para horas iguales: para las horas antiguas trace un reloj plano</translation>
    </message>
    <message>
        <source>From the line of steepest slope (°, + right)</source>
        <translation>Desde la línea de máxima pendiente (°, + derecha)</translation>
    </message>
    <message>
        <source>Gnomon</source>
        <translation>Gnomon</translation>
    </message>
    <message>
        <source>east</source>
        <translation>este</translation>
    </message>
    <message>
        <source>west</source>
        <translation>oeste</translation>
    </message>
    <message>
        <source>on the line</source>
        <translation>sobre la línea</translation>
    </message>
    <message>
        <source>Stand up straight: anyone %1 m tall or taller casts a shadow that reaches the marks from %2 to %3 h on every day of the year. A shorter shadow still points along the line to the time.</source>
        <translation>Póngase bien derecho: cualquiera de %1 m o más proyecta una sombra que alcanza las marcas de %2 a %3 h todos los días del año. Una sombra más corta sigue señalando la hora con su dirección.</translation>
    </message>
    <message>
        <source>Stand up straight: anyone %1 m tall or taller casts a shadow that reaches the marks from %2 to %3 h on every day of the year.</source>
        <translation>Póngase bien derecho: cualquiera de %1 m o más proyecta una sombra que alcanza las marcas de %2 a %3 h todos los días del año.</translation>
    </message>
    <message>
        <source>Lay out the north-south line: on %1 at %2 by a clock on %3 the sun stands on the meridian, and the shadow of a plumb line falls along it.</source>
        <translation>Trace la línea norte-sur: el %1 a las %2 de un reloj en %3 el sol está en el meridiano y la sombra de una plomada cae a lo largo de ella.</translation>
    </message>
    <message>
        <source>Mark the centre C on the line, and the noon point N %1 m north of C.</source>
        <translation>Marque el centro C en la línea y el punto del mediodía N a %1 m al norte de C.</translation>
    </message>
    <message>
        <source>Mark the centre C on the line, and the noon point N %1 m south of C.</source>
        <translation>Marque el centro C en la línea y el punto del mediodía N a %1 m al sur de C.</translation>
    </message>
    <message>
        <source>Stake each hour with two tapes, one from C and one from N, at the lengths in the table: where they meet on the hour&apos;s side of the line (east or west) is the hour&apos;s mark.</source>
        <translation>Replantee cada hora con dos cintas, una desde C y otra desde N, con las longitudes de la tabla: donde se cruzan en el lado de la hora (este u oeste) está la marca de la hora.</translation>
    </message>
    <message>
        <source>Mark the dates on the line, each its distance from C (+ north, - south).</source>
        <translation>Marque las fechas en la línea, cada una a su distancia de C (+ norte, - sur).</translation>
    </message>
    <message>
        <source>To draw the ellipse, put a pin at each focus, %1 m east and west of C, and run a loop of string %2 m long round both pins and a marker.</source>
        <translation>Para trazar la elipse, clave una estaca en cada foco, a %1 m al este y al oeste de C, y pase un lazo de cuerda de %2 m alrededor de ambas estacas y de un marcador.</translation>
    </message>
    <message>
        <source>Stand on today&apos;s date and your shadow points to the time; add the card&apos;s correction for the clock.</source>
        <translation>Colóquese sobre la fecha de hoy y su sombra señala la hora; para la hora del reloj sume la corrección de la tabla.</translation>
    </message>
    <message>
        <source>Stand on today&apos;s date and your shadow points to the dial&apos;s time; for the clock&apos;s, add the correction of a card (--card on the command line, or the Dial Designer&apos;s card).</source>
        <translation>Colóquese sobre la fecha de hoy y su sombra señala la hora del reloj de sol; para la del reloj, sume la corrección de una tabla (--card en la línea de órdenes, o la tabla del Diseñador de cuadrantes).</translation>
    </message>
    <message>
        <source>%1 m south</source>
        <translation>%1 m al sur</translation>
    </message>
    <message>
        <source>%1 m north</source>
        <translation>%1 m al norte</translation>
    </message>
    <message>
        <source>Ellipse: %1 m by %2 m</source>
        <translation>Elipse: %1 m por %2 m</translation>
    </message>
    <message>
        <source>Noon point N %1 of the centre C. Foci %2 m east and west of C; string loop %3 m.
%4</source>
        <translation>Punto del mediodía N %1 del centro C. Focos a %2 m al este y al oeste de C; lazo de cuerda %3 m.
%4</translation>
    </message>
    <message>
        <source>%1 m by %2 m</source>
        <translation>%1 m por %2 m</translation>
    </message>
    <message>
        <source>no hour marks</source>
        <translation>ninguna marca horaria</translation>
    </message>
    <message>
        <source>%1 hour marks, from %2 to %3</source>
        <translation>%1 marcas horarias, de %2 a %3</translation>
    </message>
    <message>
        <source>Ellipse %1, %2.</source>
        <translation>Elipse %1, %2.</translation>
    </message>
    <message>
        <source>%1 hour marks</source>
        <translation>%1 marcas horarias</translation>
    </message>
    <message>
        <source>at the centre</source>
        <translation>en el centro</translation>
    </message>
    <message>
        <source> The date scale on the north-south line, from the centre C: %1.</source>
        <translation> La escala de fechas en la línea norte-sur, desde el centro C: %1.</translation>
    </message>
    <message>
        <source>%1: an ellipse %2 on the ground, %3.%4 Stand on today&apos;s date and your shadow points to the time.</source>
        <translation>%1: una elipse de %2 en el suelo, %3.%4 Colóquese sobre la fecha de hoy y su sombra señala la hora.</translation>
    </message>
    <message>
        <source>Two tapes to each hour: from C and from N, on the hour&apos;s side of the line</source>
        <translation>Dos cintas por hora: desde C y desde N, en el lado de la hora</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>From C (m)</source>
        <translation>Desde C (m)</translation>
    </message>
    <message>
        <source>From N (m)</source>
        <translation>Desde N (m)</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <source>The date scale: where to stand, from C along the line (+ north, - south)</source>
        <translation>La escala de fechas: dónde colocarse, desde C a lo largo de la línea (+ norte, - sur)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>The person as gnomon: the height whose shadow reaches the hour&apos;s mark on every day (rounded up to the cm)</source>
        <translation>La persona como gnomon: la altura cuya sombra alcanza la marca de la hora todos los días (redondeada al cm superior)</translation>
    </message>
    <message>
        <source>Height (m)</source>
        <translation>Altura (m)</translation>
    </message>
    <message>
        <source>C is the centre, N the noon point.</source>
        <translation>C es el centro, N el punto del mediodía.</translation>
    </message>
    <message>
        <source>Ellipse %1 m by %2 m</source>
        <translation>Elipse %1 m por %2 m</translation>
    </message>
    <message>
        <source>half-width %1 m</source>
        <translation>semiancho %1 m</translation>
    </message>
    <message>
        <source>ellipse</source>
        <translation>elipse</translation>
    </message>
    <message>
        <source>%1 m east-west by %2 m north-south</source>
        <translation>%1 m este-oeste por %2 m norte-sur</translation>
    </message>
    <message>
        <source>noon point N</source>
        <translation>punto del mediodía N</translation>
    </message>
    <message>
        <source>%1 m north of the centre C</source>
        <translation>%1 m al norte del centro C</translation>
    </message>
    <message>
        <source>%1 m south of the centre C</source>
        <translation>%1 m al sur del centro C</translation>
    </message>
    <message>
        <source>foci</source>
        <translation>focos</translation>
    </message>
    <message>
        <source>%1 m east and west of C</source>
        <translation>%1 m al este y al oeste de C</translation>
    </message>
    <message>
        <source>string loop</source>
        <translation>lazo de cuerda</translation>
    </message>
    <message>
        <source>Staking table (metres; x east, y north of C)</source>
        <translation>Tabla de replanteo (metros; x este, y norte desde C)</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>from C</source>
        <translation>desde C</translation>
    </message>
    <message>
        <source>from N</source>
        <translation>desde N</translation>
    </message>
    <message>
        <source>side</source>
        <translation>lado</translation>
    </message>
    <message>
        <source>Date scale (metres from C along the line, + north)</source>
        <translation>Escala de fechas (metros desde C a lo largo de la línea, + norte)</translation>
    </message>
    <message>
        <source>date</source>
        <translation>fecha</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>declinación</translation>
    </message>
    <message>
        <source>The person as gnomon (the height whose shadow reaches the mark on its worst day, rounded up to the cm)</source>
        <translation>La persona como gnomon (la altura cuya sombra alcanza la marca en su peor día, redondeada al cm superior)</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altura</translation>
    </message>
    <message>
        <source>worst at declination</source>
        <translation>peor a declinación</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>ene</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>may</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
    <message>
        <source>true noon</source>
        <translation>mediodía verdadero</translation>
    </message>
    <message>
        <source>up</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>down</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>The spot never falls on this face at %1: on every day of the year the sun then stands behind the face, below the horizon or under %2° above the face.</source>
        <translation>A las %1 la mancha nunca cae sobre esta superficie: todos los días del año el sol está entonces detrás de la superficie, bajo el horizonte o a menos de %2° sobre la superficie.</translation>
    </message>
    <message>
        <source>The spot falls on the face at %1 on %2 days of %3.</source>
        <translation>A las %1 la mancha cae sobre la superficie %2 días de %3.</translation>
    </message>
    <message>
        <source>Left out: %1 days on which the sun stands under %2° above the face, the spot too long and faint to mark.</source>
        <translation>Omitidos: %1 días en que el sol está a menos de %2° sobre la superficie, con la mancha demasiado larga y débil para marcarla.</translation>
    </message>
    <message>
        <source>In summer time the clock runs an hour ahead: this figure-8 is crossed at %1 by it. For a mark of summer time&apos;s noon, give the mark time an hour later (13:00).</source>
        <translation>En horario de verano el reloj va una hora adelantado: esta curva en 8 se cruza a las %1 según él. Para marcar el mediodía del horario de verano, indique una hora de marca una hora más tarde (13:00).</translation>
    </message>
    <message>
        <source>The spot&apos;s centre crosses the meridian line at the true noon, from 14 minutes before the mean sun&apos;s noon to 16 after, and stands on the figure-8 at the mark time.</source>
        <translation>El centro de la mancha cruza la línea meridiana al mediodía verdadero, desde 14 minutos antes hasta 16 después del mediodía medio, y está sobre la curva en 8 a la hora de marca.</translation>
    </message>
    <message>
        <source>%1 m above the floor, %2 mm across</source>
        <translation>a %1 m sobre el suelo, %2 mm de diámetro</translation>
    </message>
    <message>
        <source>%1 m above the face, %2 mm across</source>
        <translation>a %1 m sobre la superficie, %2 mm de diámetro</translation>
    </message>
    <message>
        <source>Hole %1; figure-8 at %2 %3</source>
        <translation>Orificio %1; curva en 8 a las %2 %3</translation>
    </message>
    <message>
        <source>hole %1</source>
        <translation>orificio %1</translation>
    </message>
    <message>
        <source>Meridian line: %1 m</source>
        <translation>Línea meridiana: %1 m</translation>
    </message>
    <message>
        <source>through the foot F</source>
        <translation>por el pie F</translation>
    </message>
    <message>
        <source>%1 m %2 of the foot F</source>
        <translation>a %1 m del pie F hacia %2</translation>
    </message>
    <message>
        <source>The meridian line runs %1 %2; the figure-8 at %3 %4. %5</source>
        <translation>La línea meridiana pasa %1 hacia %2; la curva en 8 a las %3 %4. %5</translation>
    </message>
    <message>
        <source>%1 days marked</source>
        <translation>%1 días marcados</translation>
    </message>
    <message>
        <source>Noon mark, hole %1: %2</source>
        <translation>Meridiana, orificio %1: %2</translation>
    </message>
    <message>
        <source>%1: a meridian line %2 m long and the figure-8 of the spot at %3. %4</source>
        <translation>%1: una línea meridiana de %2 m y la curva en 8 de la mancha a las %3. %4</translation>
    </message>
    <message>
        <source>Mark the foot F on the floor straight under the hole&apos;s centre, with a plumb line.</source>
        <translation>Marque el pie F en el suelo justo debajo del centro del orificio, con una plomada.</translation>
    </message>
    <message>
        <source>Mark the foot F on the face where a line square to it from the hole&apos;s centre meets it.</source>
        <translation>Marque el pie F en la superficie donde la corta una perpendicular trazada desde el centro del orificio.</translation>
    </message>
    <message>
        <source>Draw the meridian line %1, running %2 from F&apos;s side: on %3 at %4 by a clock on %5 the spot&apos;s centre stands on it.</source>
        <translation>Trace la línea meridiana %1, hacia %2 desde el lado de F: el %3 a las %4 de un reloj en %5 el centro de la mancha está sobre ella.</translation>
    </message>
    <message>
        <source>Mark each date from the table: along the line from the point beside F, then across it (+ %1), and join the marks in the order of the year into the figure-8.</source>
        <translation>Marque cada fecha de la tabla: a lo largo de la línea desde el punto junto a F, luego de través (+ hacia %1), y una las marcas en el orden del año para formar la curva en 8.</translation>
    </message>
    <message>
        <source>At %1 of %2 the spot&apos;s centre stands on the day&apos;s place on the figure-8.</source>
        <translation>A las %1 de %2 el centro de la mancha está en el lugar del día sobre la curva en 8.</translation>
    </message>
    <message>
        <source>F is the foot, under the hole.</source>
        <translation>F es el pie, bajo el orificio.</translation>
    </message>
    <message>
        <source>F is the foot, square from the hole.</source>
        <translation>F es el pie, en la perpendicular desde el orificio.</translation>
    </message>
    <message>
        <source>Along (m)</source>
        <translation>A lo largo (m)</translation>
    </message>
    <message>
        <source>Across (m)</source>
        <translation>De través (m)</translation>
    </message>
    <message>
        <source>Spot (mm)</source>
        <translation>Mancha (mm)</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>orificio</translation>
    </message>
    <message>
        <source>mark time</source>
        <translation>hora de marca</translation>
    </message>
    <message>
        <source>meridian line</source>
        <translation>línea meridiana</translation>
    </message>
    <message>
        <source>from (%1, %2) to (%3, %4) m, %5 m long, %6</source>
        <translation>de (%1, %2) a (%3, %4) m, de %5 m de largo, %6</translation>
    </message>
    <message>
        <source>along</source>
        <translation>a lo largo</translation>
    </message>
    <message>
        <source>across</source>
        <translation>de través</translation>
    </message>
    <message>
        <source>spot (mm)</source>
        <translation>mancha (mm)</translation>
    </message>
    <message>
        <source>style parallel to the face</source>
        <translation>estilo paralelo al cuadrante</translation>
    </message>
    <message>
        <source>through the plate at the foot, square to it</source>
        <translation>a través de la placa en el pie, perpendicular a ella</translation>
    </message>
    <message>
        <source>square to the plate at the foot</source>
        <translation>perpendicular a la placa en el pie</translation>
    </message>
    <message>
        <source>Nodus, above the foot</source>
        <translation>Nodo, sobre el pie</translation>
    </message>
    <message>
        <source>Nodus</source>
        <translation>Nodo</translation>
    </message>
    <message>
        <source>Solid: December to June; dashed: June to December. Ticks: the first of each month</source>
        <translation>Continua: de diciembre a junio; discontinua: de junio a diciembre. Marcas: el día 1 de cada mes</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Pie</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Italian hours (hours since the previous sunset), between the solstices: none on the plate</source>
        <translation>Horas itálicas (horas desde la puesta de sol anterior), entre los solsticios: ninguna en la placa</translation>
    </message>
    <message>
        <source>Italian hours (hours since the previous sunset), between the solstices</source>
        <translation>Horas itálicas (horas desde la puesta de sol anterior), entre los solsticios</translation>
    </message>
    <message>
        <source>Babylonian hours (hours since sunrise), between the solstices: none on the plate</source>
        <translation>Horas babilónicas (horas desde la salida del sol), entre los solsticios: ninguna en la placa</translation>
    </message>
    <message>
        <source>Babylonian hours (hours since sunrise), between the solstices</source>
        <translation>Horas babilónicas (horas desde la salida del sol), entre los solsticios</translation>
    </message>
    <message>
        <source>Unequal hours (twelfths of the daylight since sunrise), between the solstices: none on the plate</source>
        <translation>Horas temporarias (doceavos del día desde la salida del sol), entre los solsticios: ninguna en la placa</translation>
    </message>
    <message>
        <source>Unequal hours (twelfths of the daylight since sunrise), between the solstices</source>
        <translation>Horas temporarias (doceavos del día desde la salida del sol), entre los solsticios</translation>
    </message>
    <message>
        <source>points</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>from</source>
        <translation>desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>March equinox</source>
        <translation>Equinoccio de marzo</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Solsticio de junio</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Equinoccio de septiembre</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Solsticio de diciembre</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the line of steepest slope, + towards x)</source>
        <translation>Líneas horarias (paralelas: ángulo desde la línea de máxima pendiente, + hacia x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the line of steepest slope through the foot.</source>
        <translation> La línea de las 12 está sobre la línea de máxima pendiente que pasa por el pie.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the line of steepest slope.</source>
        <translation> La línea de las 12 está %1° a la derecha de la línea de máxima pendiente.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the line of steepest slope.</source>
        <translation> La línea de las 12 está %1° a la izquierda de la línea de máxima pendiente.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the vertical, + towards x)</source>
        <translation>Líneas horarias (paralelas: ángulo desde la vertical, + hacia x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the vertical through the foot.</source>
        <translation> La línea de las 12 está sobre la vertical que pasa por el pie.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the vertical.</source>
        <translation> La línea de las 12 está %1° a la derecha de la vertical.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the vertical.</source>
        <translation> La línea de las 12 está %1° a la izquierda de la vertical.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the meridian, + towards x)</source>
        <translation>Líneas horarias (paralelas: ángulo desde el meridiano, + hacia x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the meridian through the foot.</source>
        <translation> La línea de las 12 está sobre el meridiano que pasa por el pie.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° east of the meridian.</source>
        <translation> La línea de las 12 está %1° al este del meridiano.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° west of the meridian.</source>
        <translation> La línea de las 12 está %1° al oeste del meridiano.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the y axis, + towards x)</source>
        <translation>Líneas horarias (paralelas: ángulo desde el eje y, + hacia x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the y axis through the foot.</source>
        <translation> La línea de las 12 está sobre el eje y que pasa por el pie.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the y axis.</source>
        <translation> La línea de las 12 está %1° a la derecha del eje y.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the y axis.</source>
        <translation> La línea de las 12 está %1° a la izquierda del eje y.</translation>
    </message>
    <message>
        <source>Hour lines (angle at the root from the noon side of the y axis, + towards x)</source>
        <translation>Líneas horarias (ángulo en el centro desde el lado del mediodía del eje y, + hacia x)</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>ángulo</translation>
    </message>
    <message>
        <source>the wall faces</source>
        <translation>orientación de la pared</translation>
    </message>
    <message>
        <source>the face looks</source>
        <translation>orientación del cuadrante</translation>
    </message>
    <message>
        <source>tilt from the zenith</source>
        <translation>inclinación desde el cenit</translation>
    </message>
    <message>
        <source>nodus height</source>
        <translation>altura del nodo</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>placa</translation>
    </message>
    <message>
        <source>x %1 to %2, y %3 to %4</source>
        <translation>x de %1 a %2, y de %3 a %4</translation>
    </message>
    <message>
        <source>style height</source>
        <translation>altura del estilo</translation>
    </message>
    <message>
        <source>root</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>none: the style runs parallel to the face, the hour lines are parallel</source>
        <translation>ninguno: el estilo es paralelo al cuadrante, las líneas horarias son paralelas</translation>
    </message>
    <message>
        <source>substyle</source>
        <translation>subestilar</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>gnomon</source>
        <translation>gnomon</translation>
    </message>
    <message>
        <source>style %1 mm, height %2 mm, base %3 mm</source>
        <translation>estilo %1 mm, altura %2 mm, base %3 mm</translation>
    </message>
    <message>
        <source>gnomon as cut</source>
        <translation>gnomon tal como se corta</translation>
    </message>
    <message>
        <source>base %1 mm from the plate&apos;s edge to the foot, edge %2 mm at the plate&apos;s edge, style %3 mm (the root lies off the plate)</source>
        <translation>base %1 mm del borde de la placa al pie, canto %2 mm en el borde de la placa, estilo %3 mm (el centro queda fuera de la placa)</translation>
    </message>
    <message>
        <source>Date lines</source>
        <translation>Líneas de fecha</translation>
    </message>
    <message>
        <source>line</source>
        <translation>línea</translation>
    </message>
    <message>
        <source>off the plate</source>
        <translation>fuera de la placa</translation>
    </message>
    <message>
        <source>
Lean: %1.
</source>
        <translation>
Inclinación: %1.
</translation>
    </message>
    <message>
        <source>
Note: %1.
</source>
        <translation>
Nota: %1.
</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the right, y up the slope.

</source>
        <translation>Milímetros sobre la placa desde el pie del nodo: x hacia la derecha, y pendiente arriba.

</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the right, y up.

</source>
        <translation>Milímetros sobre la placa desde el pie del nodo: x hacia la derecha, y hacia arriba.

</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the east, y north.

</source>
        <translation>Milímetros sobre la placa desde el pie del nodo: x hacia el este, y hacia el norte.

</translation>
    </message>
    <message>
        <source>The upper face, lit from the March to the September equinox
</source>
        <translation>El cuadrante superior, iluminado del equinoccio de marzo al de septiembre
</translation>
    </message>
    <message>
        <source>The upper face, lit from the September to the March equinox
</source>
        <translation>El cuadrante superior, iluminado del equinoccio de septiembre al de marzo
</translation>
    </message>
    <message>
        <source>The lower face, lit from the March to the September equinox
</source>
        <translation>El cuadrante inferior, iluminado del equinoccio de marzo al de septiembre
</translation>
    </message>
    <message>
        <source>The lower face, lit from the September to the March equinox
</source>
        <translation>El cuadrante inferior, iluminado del equinoccio de septiembre al de marzo
</translation>
    </message>
    <message>
        <source>No hour line falls on the face: the sun lights it only between two hours&apos; lines</source>
        <translation>Ninguna línea horaria cae sobre el cuadrante: el sol solo lo ilumina entre las líneas de dos horas</translation>
    </message>
    <message>
        <source>No hour line falls on the face: the sun never lights it above the horizon here</source>
        <translation>Ninguna línea horaria cae sobre el cuadrante: aquí el sol nunca lo ilumina por encima del horizonte</translation>
    </message>
    <message>
        <source>No hour line falls on the upper face: the sun lights it only between two hours&apos; lines</source>
        <translation>Ninguna línea horaria cae sobre el cuadrante superior: el sol solo lo ilumina entre las líneas de dos horas</translation>
    </message>
    <message>
        <source>No hour line falls on the upper face: the sun never lights it above the horizon here</source>
        <translation>Ninguna línea horaria cae sobre el cuadrante superior: aquí el sol nunca lo ilumina por encima del horizonte</translation>
    </message>
    <message>
        <source>No hour line falls on the lower face: the sun lights it only between two hours&apos; lines</source>
        <translation>Ninguna línea horaria cae sobre el cuadrante inferior: el sol solo lo ilumina entre las líneas de dos horas</translation>
    </message>
    <message>
        <source>No hour line falls on the lower face: the sun never lights it above the horizon here</source>
        <translation>Ninguna línea horaria cae sobre el cuadrante inferior: aquí el sol nunca lo ilumina por encima del horizonte</translation>
    </message>
    <message>
        <source>unlit</source>
        <translation>sin sol</translation>
    </message>
    <message>
        <source>Each degree the face leans beyond its tilt of %1° (its top towards where it looks) moves the readings by, in minutes at the June / December solstice: %2, %3, %4 (+ reads later; less towards the equinoxes)</source>
        <translation>Cada grado que el cuadrante se incline más allá de su inclinación de %1° (la parte superior hacia donde mira) desplaza las lecturas, en minutos en el solsticio de junio / diciembre: %2, %3, %4 (+ marca más tarde; menos hacia los equinoccios)</translation>
    </message>
    <message>
        <source>%1 hour lines, from %2 to %3</source>
        <translation>%1 líneas horarias, de %2 a %3</translation>
    </message>
    <message>
        <source> No 12 o&apos;clock line on this plate.</source>
        <translation> No hay línea de las 12 en esta placa.</translation>
    </message>
    <message>
        <source> Each line is the figure-8 of the shadow at its hour of the standard clock through the year.</source>
        <translation> Cada línea es la curva en 8 de la sombra a su hora estándar a lo largo del año.</translation>
    </message>
    <message>
        <source>A rod through the plate at the foot, square to it, standing %1 mm out of each face; its ends are the nodus</source>
        <translation>Una varilla a través de la placa en el pie, perpendicular a ella, que sobresale %1 mm de cada cuadrante; sus extremos son el nodo</translation>
    </message>
    <message>
        <source>A rod at the foot, square to the plate, standing %1 mm out of it; its end is the nodus</source>
        <translation>Una varilla en el pie, perpendicular a la placa, que sobresale %1 mm; su extremo es el nodo</translation>
    </message>
    <message>
        <source>Cut the shape; stand its lower edge on the substyle, the upright edge on the foot</source>
        <translation>Recorte la forma; apoye su borde inferior en la subestilar y el borde vertical en el pie</translation>
    </message>
    <message>
        <source>Cut the rectangle; stand it on the substyle, its top edge is the style, the nodus over the foot where marked</source>
        <translation>Recorte el rectángulo; apóyelo en la subestilar: su borde superior es el estilo, el nodo sobre el pie donde está marcado</translation>
    </message>
    <message>
        <source>Style height: %1°</source>
        <translation>Altura del estilo: %1°</translation>
    </message>
    <message>
        <source>No root: the style runs parallel to the face, and so do the hour lines.</source>
        <translation>Sin centro: el estilo es paralelo al cuadrante, y también las líneas horarias.</translation>
    </message>
    <message>
        <source>, no root</source>
        <translation>, sin centro</translation>
    </message>
    <message>
        <source>Root: %1 mm from the nodus&apos;s foot (x %2, y %3 mm)</source>
        <translation>Centro: a %1 mm del pie del nodo (x %2, y %3 mm)</translation>
    </message>
    <message>
        <source>, root %1 mm from the foot</source>
        <translation>, centro a %1 mm del pie</translation>
    </message>
    <message>
        <source>
No hour line falls on this plate.</source>
        <translation>
Ninguna línea horaria cae en esta placa.</translation>
    </message>
    <message>
        <source>%1 hour lines</source>
        <translation>%1 líneas horarias</translation>
    </message>
    <message>
        <source>Style height %1°%2, %3.</source>
        <translation>Altura del estilo %1°%2, %3.</translation>
    </message>
    <message>
        <source>no hour line on the plate</source>
        <translation>ninguna línea horaria en la placa</translation>
    </message>
    <message>
        <source>%1, style height %2°. No hour line falls on this plate.</source>
        <translation>%1, altura del estilo %2°. Ninguna línea horaria cae en esta placa.</translation>
    </message>
    <message>
        <source>%1, style height %2°. %3.%4</source>
        <translation>%1, altura del estilo %2°. %3.%4</translation>
    </message>
    <message>
        <source>Style height %1°</source>
        <translation>Altura del estilo %1°</translation>
    </message>
    <message>
        <source>nodus %1 mm above the plate</source>
        <translation>nodo a %1 mm sobre la placa</translation>
    </message>
    <message>
        <source>The upper face is lit from the March to the September equinox</source>
        <translation>El cuadrante superior está iluminado del equinoccio de marzo al de septiembre</translation>
    </message>
    <message>
        <source>The upper face is lit from the September to the March equinox</source>
        <translation>El cuadrante superior está iluminado del equinoccio de septiembre al de marzo</translation>
    </message>
    <message>
        <source>The lower face is lit from the March to the September equinox</source>
        <translation>El cuadrante inferior está iluminado del equinoccio de marzo al de septiembre</translation>
    </message>
    <message>
        <source>The lower face is lit from the September to the March equinox</source>
        <translation>El cuadrante inferior está iluminado del equinoccio de septiembre al de marzo</translation>
    </message>
    <message>
        <source>The hour lines are not evenly spaced; an x-wire %1 mm above the plate would space them 15° an hour</source>
        <translation>Las líneas horarias no están espaciadas por igual; un hilo x a %1 mm sobre la placa las espaciaría 15° por hora</translation>
    </message>
    <message>
        <source>%1 Jan</source>
        <translation>%1 ene</translation>
    </message>
    <message>
        <source>%1 Feb</source>
        <translation>%1 feb</translation>
    </message>
    <message>
        <source>%1 Mar</source>
        <translation>%1 mar</translation>
    </message>
    <message>
        <source>%1 Apr</source>
        <translation>%1 abr</translation>
    </message>
    <message>
        <source>%1 May</source>
        <translation>%1 may</translation>
    </message>
    <message>
        <source>%1 Jun</source>
        <translation>%1 jun</translation>
    </message>
    <message>
        <source>%1 Jul</source>
        <translation>%1 jul</translation>
    </message>
    <message>
        <source>%1 Aug</source>
        <translation>%1 ago</translation>
    </message>
    <message>
        <source>%1 Sep</source>
        <translation>%1 sep</translation>
    </message>
    <message>
        <source>%1 Oct</source>
        <translation>%1 oct</translation>
    </message>
    <message>
        <source>%1 Nov</source>
        <translation>%1 nov</translation>
    </message>
    <message>
        <source>%1 Dec</source>
        <translation>%1 dic</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The Italian hour lines</source>
        <translation>Las líneas de las horas itálicas</translation>
    </message>
    <message>
        <source>the Italian hour lines</source>
        <translation>las líneas de las horas itálicas</translation>
    </message>
    <message>
        <source>The Babylonian hour lines</source>
        <translation>Las líneas de las horas babilónicas</translation>
    </message>
    <message>
        <source>the Babylonian hour lines</source>
        <translation>las líneas de las horas babilónicas</translation>
    </message>
    <message>
        <source>The unequal hour lines</source>
        <translation>Las líneas de las horas temporarias</translation>
    </message>
    <message>
        <source>the unequal hour lines</source>
        <translation>las líneas de las horas temporarias</translation>
    </message>
    <message>
        <source>The Italian and Babylonian hour lines</source>
        <translation>Las líneas de las horas itálicas y babilónicas</translation>
    </message>
    <message>
        <source>the Italian and Babylonian hour lines</source>
        <translation>las líneas de las horas itálicas y babilónicas</translation>
    </message>
    <message>
        <source>The Italian and unequal hour lines</source>
        <translation>Las líneas de las horas itálicas y temporarias</translation>
    </message>
    <message>
        <source>the Italian and unequal hour lines</source>
        <translation>las líneas de las horas itálicas y temporarias</translation>
    </message>
    <message>
        <source>The Babylonian and unequal hour lines</source>
        <translation>Las líneas de las horas babilónicas y temporarias</translation>
    </message>
    <message>
        <source>the Babylonian and unequal hour lines</source>
        <translation>las líneas de las horas babilónicas y temporarias</translation>
    </message>
    <message>
        <source>The Italian, Babylonian and unequal hour lines</source>
        <translation>Las líneas de las horas itálicas, babilónicas y temporarias</translation>
    </message>
    <message>
        <source>the Italian, Babylonian and unequal hour lines</source>
        <translation>las líneas de las horas itálicas, babilónicas y temporarias</translation>
    </message>
    <message>
        <source>%1 are reckoned in sun time from sunrise and sunset of the sun&apos;s centre on the geometric horizon (altitude 0, no refraction), whatever time the equal hours are drawn to</source>
        <translation>%1 se cuentan en hora solar verdadera desde la salida y la puesta del centro del Sol en el horizonte geométrico (altura 0, sin refracción), sea cual sea la hora de las horas iguales</translation>
    </message>
    <message>
        <source>Here the sun stays up, or down, all day around a solstice: %1 are drawn for the days on which it rises and sets</source>
        <translation>Aquí el Sol permanece sobre, o bajo, el horizonte todo el día en torno a un solsticio: %1 se trazan para los días en que sale y se pone</translation>
    </message>
    <message>
        <source>The plate leaves out the lines of %1 h, when the sun also lights %2</source>
        <translation>La placa omite las líneas de las %1 h, cuando el Sol también ilumina %2</translation>
    </message>
    <message>
        <source>No hour line falls on %1&apos;s plate: the sun lights it only at %2 h, whose lines fall off it</source>
        <translation>Ninguna línea horaria cae en la placa (%1): el Sol solo la ilumina a las %2 h, cuyas líneas quedan fuera</translation>
    </message>
    <message>
        <source>the upper face</source>
        <translation>el cuadrante superior</translation>
    </message>
    <message>
        <source>the lower face</source>
        <translation>el cuadrante inferior</translation>
    </message>
    <message>
        <source>the face</source>
        <translation>el cuadrante</translation>
    </message>
    <message>
        <source>The dates: along the meridian line from beside F (+ %1), across it (+ %2), and the spot&apos;s length x width</source>
        <translation>Las fechas: a lo largo de la meridiana desde junto a F (+ %1), a través (+ %2), y largo x ancho de la mancha</translation>
    </message>
    <message>
        <source>Marked days (metres; along the line + %1, across + %2; x east, y north of F)</source>
        <translation>Días marcados (metros; a lo largo de la línea + %1, a través + %2; x este, y norte de F)</translation>
    </message>
    <message>
        <source>Marked days (metres; along the line + %1, across + %2; x right, y up of F)</source>
        <translation>Días marcados (metros; a lo largo de la línea + %1, a través + %2; x derecha, y arriba de F)</translation>
    </message>
    <message>
        <source>Hour lines to the standard clock: the shadow&apos;s point on the equinoxes and the solstices (%1, %2, %3, %4; - off the plate or unlit)</source>
        <translation>Líneas horarias de la hora estándar: el punto de sombra en los equinoccios y los solsticios (%1, %2, %3, %4; - fuera de la placa o sin sol)</translation>
    </message>
    <message>
        <source>true noon on %1</source>
        <translation>mediodía verdadero el %1</translation>
    </message>
    <message>
        <source>UTC standard time</source>
        <translation>hora estándar UTC</translation>
    </message>
    <message>
        <source>UTC+%1 standard time</source>
        <translation>hora estándar UTC+%1</translation>
    </message>
    <message>
        <source>UTC-%1 standard time</source>
        <translation>hora estándar UTC-%1</translation>
    </message>
    <message>
        <source>UTC+%1:%2 standard time</source>
        <translation>hora estándar UTC+%1:%2</translation>
    </message>
    <message>
        <source>UTC-%1:%2 standard time</source>
        <translation>hora estándar UTC-%1:%2</translation>
    </message>
</context>
</TS>
