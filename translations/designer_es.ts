<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>designer</name>
    <message>
        <source>Each reading&apos;s error in minutes against the clock time: before the fit from %1 to %2 minutes; no fit.</source>
        <translation>Error de cada lectura en minutos frente a la hora del reloj: antes del ajuste de %1 a %2 minutos; sin ajuste.</translation>
    </message>
    <message>
        <source>Each reading&apos;s error in minutes against the clock time: before the fit from %1 to %2 minutes, after it within %3 minutes.</source>
        <translation>Error de cada lectura en minutos frente a la hora del reloj: antes del ajuste de %1 a %2 minutos, después dentro de %3 minutos.</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Hora del reloj</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>before the fit</source>
        <translation>antes del ajuste</translation>
    </message>
    <message>
        <source>after it</source>
        <translation>después</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Dial showed</source>
        <translation>Marcaba el reloj de sol</translation>
    </message>
    <message>
        <source>Readings of the standing dial</source>
        <translation>Lecturas del reloj de sol instalado</translation>
    </message>
    <message>
        <source>Each row a reading: the date, the clock&apos;s time and what the dial showed then, as HH:MM or HH:MM:SS. Type into a cell to change it.</source>
        <translation>Una lectura por fila: la fecha, la hora del reloj y lo que marcaba entonces el reloj de sol, como HH:MM o HH:MM:SS. Escriba en una celda para cambiarla.</translation>
    </message>
    <message>
        <source>Add readin&amp;g</source>
        <translation>Añadir lect&amp;ura</translation>
    </message>
    <message>
        <source>Add reading</source>
        <translation>Añadir lectura</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove the chosen reading</source>
        <translation>Quitar la lectura elegida</translation>
    </message>
    <message>
        <source>Refused reading</source>
        <translation>Lectura rechazada</translation>
    </message>
    <message>
        <source>How the dial stands</source>
        <translation>Cómo está colocado el reloj de sol</translation>
    </message>
    <message>
        <source>What to do</source>
        <translation>Qué hacer</translation>
    </message>
    <message>
        <source>Each reading&apos;s error before and after the fit</source>
        <translation>Error de cada lectura antes y después del ajuste</translation>
    </message>
    <message>
        <source>type the date, 2027-03-15 or in your locale&apos;s form</source>
        <translation>escriba la fecha, 2027-03-15 o en el formato de su región</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; cannot be read: type it as 2027-03-15 or in your locale&apos;s form</source>
        <translation>la fecha &quot;%1&quot; no se puede leer: escríbala como 2027-03-15 o en el formato de su región</translation>
    </message>
    <message>
        <source>Not checked: a reading is refused (see the message under the table).</source>
        <translation>No comprobado: una lectura se ha rechazado (vea el mensaje bajo la tabla).</translation>
    </message>
    <message>
        <source>type the clock&apos;s time, HH:MM or HH:MM:SS</source>
        <translation>escriba la hora del reloj, HH:MM o HH:MM:SS</translation>
    </message>
    <message>
        <source>the clock&apos;s time &quot;%1&quot; cannot be read: type HH:MM or HH:MM:SS</source>
        <translation>la hora del reloj &quot;%1&quot; no se puede leer: escriba HH:MM o HH:MM:SS</translation>
    </message>
    <message>
        <source>type what the dial showed, HH:MM or HH:MM:SS</source>
        <translation>escriba lo que marcaba el reloj de sol, HH:MM o HH:MM:SS</translation>
    </message>
    <message>
        <source>what the dial showed &quot;%1&quot; cannot be read: type HH:MM or HH:MM:SS</source>
        <translation>lo que marcaba el reloj de sol, &quot;%1&quot;, no se puede leer: escriba HH:MM o HH:MM:SS</translation>
    </message>
    <message>
        <source>Not checked while the dial is not drawn.</source>
        <translation>No se comprueba mientras el reloj de sol no está dibujado.</translation>
    </message>
    <message>
        <source>Not checked: %1.</source>
        <translation>No comprobado: %1.</translation>
    </message>
    <message>
        <source>Turn: %1 ± %2 anticlockwise, seen from above</source>
        <translation>Giro: %1 ± %2 en sentido antihorario, visto desde arriba</translation>
    </message>
    <message>
        <source>Turn: %1 ± %2 clockwise, seen from above</source>
        <translation>Giro: %1 ± %2 en sentido horario, visto desde arriba</translation>
    </message>
    <message>
        <source>Lean: %1 ± %2, the face leaning %3</source>
        <translation>Inclinación: %1 ± %2, el cuadrante inclinado %3</translation>
    </message>
    <message>
        <source>Offset: %1 ± %2 minutes, the dial behind the clock</source>
        <translation>Desfase: %1 ± %2 minutos, el reloj de sol atrasado respecto al reloj</translation>
    </message>
    <message>
        <source>Offset: %1 ± %2 minutes, the dial ahead of the clock</source>
        <translation>Desfase: %1 ± %2 minutos, el reloj de sol adelantado respecto al reloj</translation>
    </message>
    <message>
        <source>Left after the fit: %1 minutes rms over %2 readings</source>
        <translation>Resto tras el ajuste: %1 minutos (media cuadrática) en %2 lecturas</translation>
    </message>
    <message>
        <source>No readings yet.</source>
        <translation>Aún no hay lecturas.</translation>
    </message>
    <message>
        <source>Turn, lean and offset not found from these readings.</source>
        <translation>Giro, inclinación y desfase no se pueden hallar con estas lecturas.</translation>
    </message>
    <message>
        <source>Reading %1: %2.</source>
        <translation>Lectura %1: %2.</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>No comprobado</translation>
    </message>
    <message>
        <source>dial designer</source>
        <translation>diseñador de cuadrantes</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day of the month, then the month&apos;s name</comment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>add nothing</source>
        <translation>no sumar nada</translation>
    </message>
    <message>
        <source>add %1</source>
        <comment>a correction, as 4 minutes 32 seconds</comment>
        <translation>sumar %1</translation>
    </message>
    <message>
        <source>take off %1</source>
        <comment>a correction, as 4 minutes 32 seconds</comment>
        <translation>restar %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a date, then its correction</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No correction card for this site.</source>
        <translation>No hay tabla de corrección para este lugar.</translation>
    </message>
    <message>
        <source>Correction card for %1, what to add to the dial&apos;s reading: the most, on %2, %3; the least, on %4, %5.</source>
        <translation>Tabla de corrección para %1, lo que hay que sumar a la lectura del reloj de sol: lo máximo, el %2, %3; lo mínimo, el %4, %5.</translation>
    </message>
    <message>
        <source>Type %1 from %2 to %3 %4.</source>
        <translation>Escriba %1 de %2 a %3 %4.</translation>
    </message>
    <message>
        <source>Not drawn: a setting is refused (see the message beside its box).</source>
        <translation>No dibujado: un ajuste se ha rechazado (vea el mensaje junto a su casilla).</translation>
    </message>
    <message>
        <source>Not drawn: %1.</source>
        <translation>No dibujado: %1.</translation>
    </message>
    <message>
        <source>Style height: not shown while a setting is refused</source>
        <translation>Altura del estilo: no se muestra mientras un ajuste esté rechazado</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Distance from the foot to the line (mm)</source>
        <translation>Distancia del pie a la línea (mm)</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Cuadrante</translation>
    </message>
    <message>
        <source>figure-8</source>
        <translation>curva en 8</translation>
    </message>
    <message>
        <source>%1. Add the figure to the time the dial shows to get the clock time; negative: subtract.</source>
        <translation>%1. Sume la cifra a la hora que marca el reloj de sol para obtener la hora del reloj; si es negativa, réstela.</translation>
    </message>
    <message>
        <source>Save them as a PDF file?</source>
        <translation>¿Guardarlas como archivo PDF?</translation>
    </message>
    <message>
        <source>Print them?</source>
        <translation>¿Imprimirlas?</translation>
    </message>
    <message>
        <source>This dial takes %1 pages of %2 paper. %3</source>
        <translation>Este reloj de sol ocupa %1 páginas de papel %2. %3</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Painting the dial&apos;s pages...</source>
        <translation>Dibujando las páginas del reloj de sol...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Painting page %1 of %2...</source>
        <translation>Dibujando la página %1 de %2...</translation>
    </message>
    <message>
        <source>Save Dial as %1</source>
        <translation>Guardar el reloj de sol como %1</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>Archivos %1 (*.%2)</translation>
    </message>
    <message>
        <source>The dial could not be saved as %1.</source>
        <translation>No se pudo guardar el reloj de sol como %1.</translation>
    </message>
    <message>
        <source>Saved the dial as %1.</source>
        <translation>Reloj de sol guardado como %1.</translation>
    </message>
    <message>
        <source>Dial Designer</source>
        <translation>Diseñador de cuadrantes</translation>
    </message>
    <message>
        <source>The dial, drawn to scale</source>
        <translation>El reloj de sol, dibujado a escala</translation>
    </message>
    <message>
        <source>Sun time puts noon on the meridian; zone time differs from the clock by the equation of time only</source>
        <translation>La hora solar verdadera pone el mediodía en el meridiano; la hora del huso difiere del reloj solo en la ecuación del tiempo</translation>
    </message>
    <message>
        <source>Dial &amp;type:</source>
        <translation>&amp;Tipo de reloj:</translation>
    </message>
    <message>
        <source>&amp;Hour lines every:</source>
        <translation>&amp;Líneas horarias cada:</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>Date &amp;lines:</source>
        <translation>Líneas de &amp;fecha:</translation>
    </message>
    <message>
        <source>Hour lines</source>
        <translation>Líneas horarias</translation>
    </message>
    <message>
        <source>Two tapes to each hour mark, from C and from N</source>
        <translation>Dos cintas a cada marca horaria, desde C y desde N</translation>
    </message>
    <message>
        <source>Hour line&amp;s</source>
        <translation>Líneas ho&amp;rarias</translation>
    </message>
    <message>
        <source>Correction c&amp;ard</source>
        <translation>Tabla de &amp;corrección</translation>
    </message>
    <message>
        <source>Check &amp;readings</source>
        <translation>C&amp;omprobar lecturas</translation>
    </message>
    <message>
        <source>What to add to the dial&apos;s reading, over the year</source>
        <translation>Lo que hay que sumar a la lectura del reloj de sol, a lo largo del año</translation>
    </message>
    <message>
        <source>Add (min:s)</source>
        <translation>Sumar (min:s)</translation>
    </message>
    <message>
        <source>Add (s)</source>
        <translation>Sumar (s)</translation>
    </message>
    <message>
        <source>Correction card by week</source>
        <translation>Tabla de corrección por semanas</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Guardar como &amp;PDF</translation>
    </message>
    <message>
        <source>Save as S&amp;VG</source>
        <translation>Guardar como S&amp;VG</translation>
    </message>
    <message>
        <source>Save as D&amp;XF</source>
        <translation>Guardar como D&amp;XF</translation>
    </message>
    <message>
        <source>The same drawing for laser cutters and routers</source>
        <translation>El mismo dibujo para cortadoras láser y fresadoras</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Sta&amp;king out</source>
        <translation>Repla&amp;nteo</translation>
    </message>
    <message>
        <source>The date whose shadow the dial shows</source>
        <translation>La fecha cuya sombra muestra el reloj de sol</translation>
    </message>
    <message>
        <source>The clock&apos;s time whose shadow the dial shows</source>
        <translation>La hora del reloj cuya sombra muestra el reloj de sol</translation>
    </message>
    <message>
        <source>Day of the year</source>
        <translation>Día del año</translation>
    </message>
    <message>
        <source>Time of day, every 5 minutes</source>
        <translation>Hora del día, cada 5 minutos</translation>
    </message>
    <message>
        <source>What the dial reads at the chosen moment</source>
        <translation>Lo que marca el reloj de sol en el momento elegido</translation>
    </message>
    <message>
        <source>Shadow &amp;on:</source>
        <translation>&amp;Sombra el:</translation>
    </message>
    <message>
        <source>Time of da&amp;y:</source>
        <translation>Hora del dí&amp;a:</translation>
    </message>
    <message>
        <source>Day &amp;by day:</source>
        <translation>Día a &amp;día:</translation>
    </message>
    <message>
        <source>Every &amp;5 minutes:</source>
        <translation>Cada &amp;5 minutos:</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Iguales</translation>
    </message>
    <message>
        <source>Equal hours</source>
        <translation>Horas iguales</translation>
    </message>
    <message>
        <source>Today&apos;s hour lines</source>
        <translation>Las líneas horarias de hoy</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Itálicas</translation>
    </message>
    <message>
        <source>Italian hours</source>
        <translation>Horas itálicas</translation>
    </message>
    <message>
        <source>Hours since the previous sunset, 24 at sunset</source>
        <translation>Horas desde la puesta de sol anterior, 24 a la puesta</translation>
    </message>
    <message>
        <source>Babylonian</source>
        <translation>Babilónicas</translation>
    </message>
    <message>
        <source>Babylonian hours</source>
        <translation>Horas babilónicas</translation>
    </message>
    <message>
        <source>Hours since sunrise</source>
        <translation>Horas desde la salida del sol</translation>
    </message>
    <message>
        <source>Unequal</source>
        <translation>Temporarias</translation>
    </message>
    <message>
        <source>Unequal hours</source>
        <translation>Horas temporarias</translation>
    </message>
    <message>
        <source>Twelfths of the daylight since sunrise</source>
        <translation>Doceavos de la luz del día desde la salida del sol</translation>
    </message>
    <message>
        <source>Special date</source>
        <translation>Fecha especial</translation>
    </message>
    <message>
        <source>Label (optional)</source>
        <translation>Etiqueta (opcional)</translation>
    </message>
    <message>
        <source>Special date&apos;s label</source>
        <translation>Etiqueta de la fecha especial</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add the special date</source>
        <translation>Añadir la fecha especial</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the chosen special date</source>
        <translation>Quitar la fecha especial elegida</translation>
    </message>
    <message>
        <source>Special dates</source>
        <translation>Fechas especiales</translation>
    </message>
    <message>
        <source>A date line each, for the sun&apos;s declination at noon on that day</source>
        <translation>Una línea de fecha cada una, para la declinación del sol a mediodía de ese día</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Horas:</translation>
    </message>
    <message>
        <source>Special dates:</source>
        <translation>Fechas especiales:</translation>
    </message>
    <message>
        <source>north</source>
        <translation>norte</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>noreste</translation>
    </message>
    <message>
        <source>east</source>
        <translation>este</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>sureste</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>suroeste</translation>
    </message>
    <message>
        <source>west</source>
        <translation>oeste</translation>
    </message>
    <message>
        <source>north-west</source>
        <translation>noroeste</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NE</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>The face from the side</source>
        <translation>El cuadrante visto de lado</translation>
    </message>
    <message>
        <source>Seen from the side, %1 to the right and %2 to the left: the level ground dashed; the face %3° from level, its front (the lit side) towards %4°, %1; the style along the Earth&apos;s axis, rising %5° towards the %6.</source>
        <translation>Visto de lado, %1 a la derecha y %2 a la izquierda: el suelo horizontal a trazos; el cuadrante a %3° de la horizontal, su frente (el lado iluminado) hacia %4°, %1; el estilo a lo largo del eje de la Tierra, subiendo %5° hacia el %6.</translation>
    </message>
    <message>
        <source>level</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>face</source>
        <translation>cuadrante</translation>
    </message>
    <message>
        <source>front, style</source>
        <translation>frente, estilo</translation>
    </message>
    <message>
        <source>front</source>
        <translation>frente</translation>
    </message>
    <message>
        <source>style</source>
        <translation>estilo</translation>
    </message>
</context>
</TS>
