<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>field</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Compass: not given for this date; the World Magnetic Model %1 covers %2. The sun&apos;s meridian passage gives the north-south line.</source>
        <translation>Brújula: no se indica para esta fecha; el World Magnetic Model %1 abarca %2. El paso del sol por el meridiano da la línea norte-sur.</translation>
    </message>
    <message>
        <source>its needle points to true north here, within %1</source>
        <translation>su aguja señala aquí el norte verdadero, con %1 de margen</translation>
    </message>
    <message>
        <source>its needle points %1 east of true north here</source>
        <translation>su aguja apunta aquí %1 al este del norte verdadero</translation>
    </message>
    <message>
        <source>its needle points %1 west of true north here</source>
        <translation>su aguja apunta aquí %1 al oeste del norte verdadero</translation>
    </message>
    <message>
        <source>hardly moving from year to year</source>
        <translation>casi inmóvil de un año a otro</translation>
    </message>
    <message>
        <source>moving %1 a year eastward</source>
        <translation>moviéndose %1 al año hacia el este</translation>
    </message>
    <message>
        <source>moving %1 a year westward</source>
        <translation>moviéndose %1 al año hacia el oeste</translation>
    </message>
    <message>
        <source>Compass: %1 (%2 for this date, %3); iron and steel nearby turn it further. The sun&apos;s meridian passage gives the truer north-south line.</source>
        <translation>Brújula: %1 (%2 para esta fecha, %3); el hierro y el acero cercanos la desvían más. El paso del sol por el meridiano da una línea norte-sur más fiel.</translation>
    </message>
    <message>
        <source>readings on other days, a month or more apart</source>
        <translation>lecturas en otros días, separadas un mes o más</translation>
    </message>
    <message>
        <source>readings in the morning and the afternoon, two hours or more from noon</source>
        <translation>lecturas por la mañana y por la tarde, a dos horas o más del mediodía</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, y %2</translation>
    </message>
    <message>
        <source>readings on other days and at other hours</source>
        <translation>lecturas en otros días y a otras horas</translation>
    </message>
    <message>
        <source>Four readings at least are needed to find the turn, the lean and the clock&apos;s offset: add %1.</source>
        <translation>Hacen falta al menos cuatro lecturas para hallar el giro, la inclinación y el desfase del reloj: añada %1.</translation>
    </message>
    <message>
        <source>These readings cannot tell the turn from the lean: add %1.</source>
        <translation>Estas lecturas no distinguen el giro de la inclinación: añada %1.</translation>
    </message>
    <message>
        <source>These readings cannot tell the turn from the clock&apos;s offset: add %1.</source>
        <translation>Estas lecturas no distinguen el giro del desfase del reloj: añada %1.</translation>
    </message>
    <message>
        <source>These readings cannot tell the lean from the clock&apos;s offset: add %1.</source>
        <translation>Estas lecturas no distinguen la inclinación del desfase del reloj: añada %1.</translation>
    </message>
    <message>
        <source>the noon line&apos;s north end %1 mm to the west on this %2 mm plate</source>
        <translation>el extremo norte de la línea del mediodía %1 mm hacia el oeste en esta placa de %2 mm</translation>
    </message>
    <message>
        <source>the noon line&apos;s north end %1 mm to the east on this %2 mm plate</source>
        <translation>el extremo norte de la línea del mediodía %1 mm hacia el este en esta placa de %2 mm</translation>
    </message>
    <message>
        <source>its right edge %1 mm back on this %2 mm wide plate</source>
        <translation>su borde derecho %1 mm hacia atrás en esta placa de %2 mm de ancho</translation>
    </message>
    <message>
        <source>its right edge %1 mm forward on this %2 mm wide plate</source>
        <translation>su borde derecho %1 mm hacia delante en esta placa de %2 mm de ancho</translation>
    </message>
    <message>
        <source>Turn the dial %1 anticlockwise seen from above: %2.</source>
        <translation>Gire el reloj %1 en sentido antihorario visto desde arriba: %2.</translation>
    </message>
    <message>
        <source>Turn the dial %1 clockwise seen from above: %2.</source>
        <translation>Gire el reloj %1 en sentido horario visto desde arriba: %2.</translation>
    </message>
    <message>
        <source>The face leans %1 down towards the south: raise its south edge %2 mm over the plate&apos;s %3 mm.</source>
        <translation>El cuadrante se inclina %1 hacia el sur: eleve su borde sur %2 mm sobre los %3 mm de la placa.</translation>
    </message>
    <message>
        <source>The face leans %1 down towards the north: raise its north edge %2 mm over the plate&apos;s %3 mm.</source>
        <translation>El cuadrante se inclina %1 hacia el norte: eleve su borde norte %2 mm sobre los %3 mm de la placa.</translation>
    </message>
    <message>
        <source>The face leans %1 forward: tip its top edge %2 mm back over the plate&apos;s %3 mm.</source>
        <translation>El cuadrante se inclina %1 hacia delante: lleve su borde superior %2 mm hacia atrás sobre los %3 mm de la placa.</translation>
    </message>
    <message>
        <source>The face leans %1 back: tip its top edge %2 mm forward over the plate&apos;s %3 mm.</source>
        <translation>El cuadrante se inclina %1 hacia atrás: lleve su borde superior %2 mm hacia delante sobre los %3 mm de la placa.</translation>
    </message>
    <message>
        <source>The rest is %1 minutes, the dial ahead of the clock: check the clock, and that the readings were taken in the dial&apos;s own time.</source>
        <translation>Quedan %1 minutos, el reloj de sol adelantado respecto al reloj: compruebe el reloj y que las lecturas se tomaron en la hora propia del cuadrante.</translation>
    </message>
    <message>
        <source>The rest is %1 minutes, the dial behind the clock: check the clock, and that the readings were taken in the dial&apos;s own time.</source>
        <translation>Quedan %1 minutos, el reloj de sol atrasado respecto al reloj: compruebe el reloj y que las lecturas se tomaron en la hora propia del cuadrante.</translation>
    </message>
    <message>
        <source>The dial stands true: within %1 of turn and lean and a minute of time.</source>
        <translation>El reloj está bien colocado: dentro de %1 de giro e inclinación y de un minuto de tiempo.</translation>
    </message>
    <message>
        <source>forward</source>
        <comment>leaning</comment>
        <translation>hacia delante</translation>
    </message>
    <message>
        <source>back</source>
        <comment>leaning</comment>
        <translation>hacia atrás</translation>
    </message>
    <message>
        <source>down towards the south</source>
        <translation>hacia abajo al sur</translation>
    </message>
    <message>
        <source>down towards the north</source>
        <translation>hacia abajo al norte</translation>
    </message>
    <message>
        <source>a dial drawn to the clock has figure-8s, not hour lines that turn with its style: check it against the clock by eye, or design it to zone time to check readings</source>
        <translation>un reloj trazado para la hora oficial tiene curvas en 8, no líneas horarias que giren con su estilo: compárelo a ojo con el reloj, o diséñelo a la hora del huso para comprobar lecturas</translation>
    </message>
    <message>
        <source>the clock skips that time on that day</source>
        <translation>ese día el reloj se salta esa hora</translation>
    </message>
    <message>
        <source>the dial&apos;s reading is more than %1 hours from the clock&apos;s</source>
        <translation>la lectura del reloj de sol dista más de %1 horas de la del reloj</translation>
    </message>
    <message>
        <source>the sun is below the horizon then</source>
        <translation>el sol está entonces bajo el horizonte</translation>
    </message>
    <message>
        <source>Sun time</source>
        <translation>Hora solar verdadera</translation>
    </message>
    <message>
        <source>Zone time</source>
        <translation>Hora del huso</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Hora oficial</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Solstices and equinoxes</source>
        <translation>Solsticios y equinoccios</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>60 minutes</source>
        <translation>60 minutos</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutos</translation>
    </message>
    <message>
        <source>Equinox</source>
        <translation>Equinoccio</translation>
    </message>
    <message>
        <source>a label of at most %1 characters</source>
        <translation>una etiqueta de %1 caracteres como máximo</translation>
    </message>
    <message>
        <source>a label without control characters</source>
        <translation>una etiqueta sin caracteres de control</translation>
    </message>
    <message>
        <source>Add to the dial&apos;s reading for the clock, %1</source>
        <translation>Sumar a la lectura del reloj de sol para la hora del reloj, %1</translation>
    </message>
    <message>
        <source>Clock: %1</source>
        <translation>Reloj: %1</translation>
    </message>
    <message>
        <source>sun time</source>
        <translation>hora solar verdadera</translation>
    </message>
    <message>
        <source>the zone&apos;s standard clock (%1), add an hour in summer time</source>
        <translation>hora estándar del huso (%1), sume una hora en horario de verano</translation>
    </message>
    <message>
        <source>the zone&apos;s standard clock (%1)</source>
        <translation>hora estándar del huso (%1)</translation>
    </message>
    <message>
        <source>zone time, meridian %1° %2, add an hour in daylight saving time</source>
        <translation>hora del huso, meridiano %1° %2, sume una hora en horario de verano</translation>
    </message>
    <message>
        <source>zone time, meridian %1° %2</source>
        <translation>hora del huso, meridiano %1° %2</translation>
    </message>
    <message>
        <source>%1 on a level floor</source>
        <translation>%1 sobre suelo horizontal</translation>
    </message>
    <message>
        <source>%1, facing %2°, tilt %3°</source>
        <translation>%1, orientación %2°, inclinación %3°</translation>
    </message>
    <message>
        <source>%1 facing %2°, tilt %3°</source>
        <translation>%1, orientación %2°, inclinación %3°</translation>
    </message>
    <message>
        <source>%1, facing %2°</source>
        <translation>%1, orientación %2°</translation>
    </message>
    <message>
        <source>%1 facing %2°</source>
        <translation>%1, orientación %2°</translation>
    </message>
    <message>
        <source>%1, tilt %2°</source>
        <translation>%1, inclinación %2°</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>plane</source>
        <translation>plano</translation>
    </message>
    <message>
        <source>polar</source>
        <translation>polar</translation>
    </message>
    <message>
        <source>equatorial</source>
        <translation>ecuatorial</translation>
    </message>
    <message>
        <source>analemmatic</source>
        <translation>analemático</translation>
    </message>
    <message>
        <source>noon mark</source>
        <translation>meridiana</translation>
    </message>
    <message>
        <source>bifilar</source>
        <translation>bifilar</translation>
    </message>
    <message>
        <source>This dial reads the clock: no correction card is needed.</source>
        <translation>Este reloj marca la hora oficial: no hace falta tabla de corrección.</translation>
    </message>
    <message>
        <source>Site: %1, %2</source>
        <translation>Lugar: %1, %2</translation>
    </message>
    <message>
        <source>Dial: %1, %2, %3</source>
        <translation>Reloj: %1, %2, %3</translation>
    </message>
    <message>
        <source> (no region&apos;s summer-time rules for this time zone entry)</source>
        <translation> (sin reglas regionales de horario de verano para esta entrada de huso horario)</translation>
    </message>
    <message>
        <source>give degrees from %1 to %2, from north through east</source>
        <translation>indique grados de %1 a %2, desde el norte por el este</translation>
    </message>
    <message>
        <source>--dial %1 needs --facing DEG, the direction the plane faces from north through east (180 = south)</source>
        <translation>--dial %1 necesita --facing GRADOS, la dirección hacia la que mira el plano, desde el norte por el este (180 = sur)</translation>
    </message>
    <message>
        <source>--dial %1 needs --facing DEG, the direction the wall faces from north through east (180 = south)</source>
        <translation>--dial %1 necesita --facing GRADOS, la dirección hacia la que mira la pared, desde el norte por el este (180 = sur)</translation>
    </message>
    <message>
        <source>&amp;Facing (degrees):</source>
        <translation>&amp;Orientación (grados):</translation>
    </message>
    <message>
        <source>The direction the face looks out to (a wall&apos;s outward direction), degrees from north through east</source>
        <translation>La dirección hacia la que mira el cuadrante (en una pared, hacia fuera), en grados desde el norte por el este</translation>
    </message>
    <message>
        <source>a facing</source>
        <translation>una orientación</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>give degrees from %1 (level) to %2 (looking down)</source>
        <translation>indique grados de %1 (horizontal) a %2 (mirando hacia abajo)</translation>
    </message>
    <message>
        <source>--dial %1 needs --tilt DEG, the angle from the zenith to the face&apos;s outward normal (0 level, 90 upright, 180 looking down)</source>
        <translation>--dial %1 necesita --tilt GRADOS, el ángulo desde el cenit hasta la normal exterior del cuadrante (0 horizontal, 90 vertical, 180 mirando hacia abajo)</translation>
    </message>
    <message>
        <source>Tilt from the &amp;zenith (degrees):</source>
        <translation>Inclinación desde el &amp;cenit (grados):</translation>
    </message>
    <message>
        <source>The angle from the zenith to the face&apos;s outward normal: 0 level, 90 upright, over 90 leaning over</source>
        <translation>El ángulo desde el cenit hasta la normal exterior del cuadrante: 0 horizontal, 90 vertical, más de 90 en voladizo</translation>
    </message>
    <message>
        <source>a tilt</source>
        <translation>una inclinación</translation>
    </message>
    <message>
        <source>each side must lie between %1 and %2 mm</source>
        <translation>cada lado debe medir entre %1 y %2 mm</translation>
    </message>
    <message>
        <source>Plate &amp;width (mm):</source>
        <translation>Anc&amp;hura de la placa (mm):</translation>
    </message>
    <message>
        <source>a width</source>
        <translation>una anchura</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Plate h&amp;eight (mm):</source>
        <translation>Al&amp;tura de la placa (mm):</translation>
    </message>
    <message>
        <source>a height</source>
        <translation>una altura</translation>
    </message>
    <message>
        <source>give mm from %1 to the plate&apos;s smaller side (%2)</source>
        <translation>indique mm de %1 al lado menor de la placa (%2)</translation>
    </message>
    <message>
        <source>&amp;Nodus height (mm):</source>
        <translation>Altura del &amp;nodo (mm):</translation>
    </message>
    <message>
        <source>mm (the plate&apos;s smaller side)</source>
        <translation>mm (el lado menor de la placa)</translation>
    </message>
    <message>
        <source>give metres from %1 to %2</source>
        <translation>indique metros de %1 a %2</translation>
    </message>
    <message>
        <source>Half-width on the gro&amp;und (m):</source>
        <translation>Semiancho en el s&amp;uelo (m):</translation>
    </message>
    <message>
        <source>For a dial on the ground: half its width east to west, from the centre to the 6 o&apos;clock mark</source>
        <translation>Para un reloj en el suelo: la mitad de su anchura de este a oeste, del centro a la marca de las 6</translation>
    </message>
    <message>
        <source>a half-width</source>
        <translation>un semiancho</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>--dial %1 needs --aperture-height M, the hole&apos;s height above the floor or out from the wall</source>
        <translation>--dial %1 necesita --aperture-height M, la altura del orificio sobre el suelo o su distancia a la pared</translation>
    </message>
    <message>
        <source>&amp;Aperture height (m):</source>
        <translation>Altura de la &amp;abertura (m):</translation>
    </message>
    <message>
        <source>How far the hole stands above the floor, or out from the wall, in metres</source>
        <translation>A qué altura está el orificio sobre el suelo, o a qué distancia de la pared, en metros</translation>
    </message>
    <message>
        <source>give mm from %1 to %2</source>
        <translation>indique mm de %1 a %2</translation>
    </message>
    <message>
        <source>Aperture &amp;diameter (mm):</source>
        <translation>&amp;Diámetro de la abertura (mm):</translation>
    </message>
    <message>
        <source>The round hole&apos;s width across, in millimetres</source>
        <translation>El diámetro del orificio redondo, en milímetros</translation>
    </message>
    <message>
        <source>a diameter</source>
        <translation>un diámetro</translation>
    </message>
    <message>
        <source>give a time HH:MM of the zone&apos;s standard clock, from %1:00 to before %2:00, such as 12:00</source>
        <translation>indique una hora HH:MM de la hora estándar del huso, de %1:00 a antes de %2:00, por ejemplo 12:00</translation>
    </message>
    <message>
        <source>&amp;Mark time (HH:MM):</source>
        <translation>&amp;Hora de la marca (HH:MM):</translation>
    </message>
    <message>
        <source>The time of the zone&apos;s standard clock whose figure-8 is marked: 12:00, or 13:00 for summer time</source>
        <translation>La hora estándar del huso cuya curva en 8 se marca: 12:00, o 13:00 para el horario de verano</translation>
    </message>
    <message>
        <source>a time</source>
        <translation>una hora</translation>
    </message>
    <message>
        <source>(HH:MM, the standard clock)</source>
        <translation>(HH:MM, hora estándar)</translation>
    </message>
    <message>
        <source>Wire alo&amp;ng x, height (mm):</source>
        <translation>Hilo a lo lar&amp;go de x, altura (mm):</translation>
    </message>
    <message>
        <source>The height above the face of the wire along the plate&apos;s x axis; empty: the height that spaces the hours evenly where one does</source>
        <translation>La altura sobre el cuadrante del hilo a lo largo del eje x de la placa; vacío: la altura que espacia las horas por igual, donde la hay</translation>
    </message>
    <message>
        <source>Wire along y, height (&amp;mm):</source>
        <translation>Hilo a lo largo de y, altura (&amp;mm):</translation>
    </message>
    <message>
        <source>The height above the face of the wire along the plate&apos;s y axis</source>
        <translation>La altura sobre el cuadrante del hilo a lo largo del eje y de la placa</translation>
    </message>
    <message>
        <source>a horizontal dial</source>
        <translation>un reloj horizontal</translation>
    </message>
    <message>
        <source>a vertical dial</source>
        <translation>un reloj vertical</translation>
    </message>
    <message>
        <source>a plane dial</source>
        <translation>un reloj plano</translation>
    </message>
    <message>
        <source>a polar dial</source>
        <translation>un reloj polar</translation>
    </message>
    <message>
        <source>an equatorial dial</source>
        <translation>un reloj ecuatorial</translation>
    </message>
    <message>
        <source>an analemmatic dial</source>
        <translation>un reloj analemático</translation>
    </message>
    <message>
        <source>a noon mark</source>
        <translation>una meridiana</translation>
    </message>
    <message>
        <source>a bifilar dial</source>
        <translation>un reloj bifilar</translation>
    </message>
    <message>
        <source>%1 needs a latitude from %2° to %3°, north or south: %4</source>
        <translation>%1 necesita una latitud de %2° a %3°, norte o sur: %4</translation>
    </message>
    <message>
        <source>sun below the horizon: no shadow at this time</source>
        <translation>sol bajo el horizonte: sin sombra a esta hora</translation>
    </message>
    <message>
        <source>sun under 5 degrees: long, faint shadow</source>
        <translation>sol por debajo de 5 grados: sombra larga y tenue</translation>
    </message>
    <message>
        <source>sun over 80 degrees: short shadow, direction hard to read</source>
        <translation>sol por encima de 80 grados: sombra corta, dirección difícil de leer</translation>
    </message>
    <message>
        <source>the longitude is more than 15 degrees from the time zone&apos;s meridian</source>
        <translation>la longitud dista más de 15 grados del meridiano del huso horario</translation>
    </message>
    <message>
        <source>the wall readings disagree by more than 1 degree: check the board, the square line and the clock times</source>
        <translation>las lecturas en la pared difieren en más de 1 grado: compruebe la tabla, la línea en escuadra y las horas</translation>
    </message>
    <message>
        <source>this computer&apos;s time zone uses the other clock (standard or daylight saving) on this date</source>
        <translation>el huso horario de este ordenador usa en esta fecha la otra hora (estándar o de verano)</translation>
    </message>
    <message>
        <source>east-west</source>
        <translation>este-oeste</translation>
    </message>
    <message>
        <source>north-south</source>
        <translation>norte-sur</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no magnetic declination</comment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>standard time (%1)</source>
        <translation>hora estándar (%1)</translation>
    </message>
    <message>
        <source>summer time (%1; the zone&apos;s standard time is %2)</source>
        <translation>horario de verano (%1; la hora estándar del huso es %2)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 del %2</translation>
    </message>
    <message>
        <source>The clock skips %1: it jumps an hour ahead that night.</source>
        <translation>El reloj se salta las %1: esa noche adelanta una hora.</translation>
    </message>
    <message>
        <source>At %1 the sun is below the horizon.</source>
        <translation>A las %1 el sol está bajo el horizonte.</translation>
    </message>
    <message>
        <source>At %1 the sun does not light this face.</source>
        <translation>A las %1 el sol no ilumina este cuadrante.</translation>
    </message>
    <message>
        <source>At %1 the sun lights this face.</source>
        <translation>A las %1 el sol ilumina este cuadrante.</translation>
    </message>
    <message>
        <source>zone time</source>
        <translation>hora del huso</translation>
    </message>
    <message>
        <source>clock time</source>
        <translation>hora oficial</translation>
    </message>
    <message>
        <source>At %1 the dial reads %2 (%3); the clock says %4 in summer time.</source>
        <translation>A las %1 el reloj de sol marca %2 (%3); el reloj marca %4 en horario de verano.</translation>
    </message>
    <message>
        <source>At %1 the dial reads %2 (%3); the clock says %4.</source>
        <translation>A las %1 el reloj de sol marca %2 (%3); el reloj marca %4.</translation>
    </message>
    <message>
        <source>Correction card</source>
        <translation>Tabla de corrección</translation>
    </message>
    <message>
        <source>Add the figure to the time the dial shows to get the clock time; negative: subtract. Minutes and seconds.</source>
        <translation>Sume la cifra a la hora que marca el reloj de sol para obtener la hora del reloj; si es negativa, réstela. Minutos y segundos.</translation>
    </message>
    <message>
        <source>Print at actual size, not fitted to the page; check both rulers.</source>
        <translation>Imprima a tamaño real, sin ajustar; compruebe ambas reglas.</translation>
    </message>
    <message>
        <source>%1, whole on this page</source>
        <translation>%1, entero en esta página</translation>
    </message>
    <message>
        <source>%1: column %2 of %3, row %4 of %5</source>
        <translation>%1: columna %2 de %3, fila %4 de %5</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Where the pages go: the plate in %1 across x %2 down; each outline carries the number of its page.</source>
        <translation>Dónde va cada página: la placa en %1 a lo ancho x %2 a lo alto; cada contorno lleva el número de su página.</translation>
    </message>
    <message>
        <source>Dial plate</source>
        <translation>Cuadrante</translation>
    </message>
    <message>
        <source>dial</source>
        <comment>the thing printed or saved</comment>
        <translation>reloj</translation>
    </message>
    <message>
        <source>Save Dial as PDF</source>
        <translation>Guardar reloj como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saved the %1 as %2.</source>
        <translation>Guardado: %1 como %2.</translation>
    </message>
    <message>
        <source>The %1 could not be saved as %2.</source>
        <translation>No se pudo guardar %1 como %2.</translation>
    </message>
    <message>
        <source>Sent the %1 to the printer %2.</source>
        <translation>Enviado: %1 a la impresora %2.</translation>
    </message>
    <message>
        <source>No printer is available. Do you want to save the %1 as a PDF file instead?</source>
        <translation>No hay ninguna impresora disponible. ¿Quiere guardar %1 como archivo PDF?</translation>
    </message>
    <message>
        <source>report</source>
        <comment>the thing printed or saved</comment>
        <translation>informe</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Guardar informe como PDF</translation>
    </message>
    <message>
        <source>%1 m.  Scale 1:%2: 1 cm on paper is %3 m on the ground.  %4</source>
        <translation>%1 m.  Escala 1:%2: 1 cm en el papel son %3 m en el terreno.  %4</translation>
    </message>
    <message>
        <source>Staking it out</source>
        <translation>Replanteo</translation>
    </message>
    <message>
        <source>meridian</source>
        <translation>meridiano</translation>
    </message>
</context>
</TS>
