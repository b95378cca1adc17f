<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>text</name>
    <message>
        <source>North</source>
        <translation>Norte</translation>
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
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4, Standard Time</source>
        <translation>Latitud %1 %2, longitud %3 %4, hora estándar</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4, Daylight Savings Time</source>
        <translation>Latitud %1 %2, longitud %3 %4, horario de verano</translation>
    </message>
    <message>
        <source> (declination=%1 degrees, EoT = MINUS %2 minutes, %3 seconds)</source>
        <translation> (declinación=%1 grados, ecuación del tiempo = MENOS %2 minutos, %3 segundos)</translation>
    </message>
    <message>
        <source> (declination=%1 degrees, EoT = %2 minutes, %3 seconds)</source>
        <translation> (declinación=%1 grados, ecuación del tiempo = %2 minutos, %3 segundos)</translation>
    </message>
    <message>
        <source>The sun will be exactly east at %1</source>
        <translation>El sol estará exactamente al este a las %1</translation>
    </message>
    <message>
        <source>The sun is never seen east at this location and date</source>
        <translation>El sol nunca se ve al este en este lugar y fecha</translation>
    </message>
    <message>
        <source>The sun will be exactly south at %1</source>
        <translation>El sol estará exactamente al sur a las %1</translation>
    </message>
    <message>
        <source>The sun will be exactly north at %1</source>
        <translation>El sol estará exactamente al norte a las %1</translation>
    </message>
    <message>
        <source>The sun is never seen west at this location and date</source>
        <translation>El sol nunca se ve al oeste en este lugar y fecha</translation>
    </message>
    <message>
        <source>The sun will be exactly west at %1</source>
        <translation>El sol estará exactamente al oeste a las %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and month: 14 March</comment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>no summer time by the rules of %1 in %2</source>
        <translation>sin horario de verano según las reglas de %1 en %2</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>summer time until a day</comment>
        <translation>hasta el %1</translation>
    </message>
    <message>
        <source>from %1</source>
        <comment>summer time from a day</comment>
        <translation>desde el %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>summer time from a day until a day</comment>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of several spans</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between spans</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>summer time by the rules of %1: %2 %3</source>
        <translation>horario de verano según las reglas de %1: %2 de %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>clock offset, then its summer time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 with daylight saving all year</source>
        <translation>%1 con horario de verano todo el año</translation>
    </message>
    <message>
        <source>%1, standard time all year</source>
        <translation>%1, hora estándar todo el año</translation>
    </message>
    <message>
        <source>Orvane Finder</source>
        <translation>Orvane – Orientación</translation>
    </message>
    <message>
        <source>This program helps you determine exact east/west, or north/south lines to aid in the set-up of a sundial.  Enter the date, your longitude, latitude, time zone, and select daylight savings or standard time.  The program will determine the time of day that the sun is exactly east, south, and west.  In the Northern Hemisphere, the sun cannot reach east or west after the autumnal or before the spring equinoxes.<byte value="xd"/>
Set up a plumb line.  You can use a dish of water to dampen sway caused by the wind.  At the exact time indicated below, mark the shadow.  It will trace a perfect east/west or north/south line.<byte value="xd"/>
Your watch must be set accurately to use this method.  Click on the internet link below to set your watch to an atomic standard.</source>
        <translation>Este programa le ayuda a determinar líneas exactas este-oeste o norte-sur para instalar un reloj de sol.  Introduzca la fecha, su longitud, latitud y huso horario, y elija horario de verano u hora estándar.  El programa determina la hora del día en que el sol está exactamente al este, al sur y al oeste.  En el hemisferio norte, el sol no puede llegar al este ni al oeste después del equinoccio de otoño ni antes del de primavera.<byte value="xd"/>
Cuelgue una plomada.  Un plato con agua amortigua el balanceo causado por el viento.  A la hora exacta indicada abajo, marque la sombra.  Trazará una línea este-oeste o norte-sur perfecta.<byte value="xd"/>
Para este método su reloj debe estar bien en hora.  Pulse el enlace de Internet de abajo para poner su reloj en hora atómica.</translation>
    </message>
    <message>
        <source>GMT-11hrs  Midway, Samoa</source>
        <translation>GMT-11 h  Midway, Samoa</translation>
    </message>
    <message>
        <source>GMT-10hrs  Hawaii</source>
        <translation>GMT-10 h  Hawái</translation>
    </message>
    <message>
        <source>GMT-9hrs   Alaska</source>
        <translation>GMT-9 h   Alaska</translation>
    </message>
    <message>
        <source>GMT-8hrs   US Pacific Time, Seattle, Los Angeles</source>
        <translation>GMT-8 h   Pacífico (EE. UU.), Seattle, Los Ángeles</translation>
    </message>
    <message>
        <source>GMT-7hrs   US Mountain Time, Denver, Phoenix</source>
        <translation>GMT-7 h   Montañas (EE. UU.), Denver, Phoenix</translation>
    </message>
    <message>
        <source>GMT-6hrs   US Central Time, Chicago, New Orleans</source>
        <translation>GMT-6 h   Centro (EE. UU.), Chicago, Nueva Orleans</translation>
    </message>
    <message>
        <source>GMT-5hrs   US Eastern Time, Montreal, New York</source>
        <translation>GMT-5 h   Este (EE. UU.), Montreal, Nueva York</translation>
    </message>
    <message>
        <source>GMT-4hrs   Atlantic, Nova Scotia</source>
        <translation>GMT-4 h   Atlántico, Nueva Escocia</translation>
    </message>
    <message>
        <source>GMT-3hrs   Greenland</source>
        <translation>GMT-3 h   Groenlandia</translation>
    </message>
    <message>
        <source>GMT-2hrs  </source>
        <translation>GMT-2 h  </translation>
    </message>
    <message>
        <source>GMT-1hrs  </source>
        <translation>GMT-1 h  </translation>
    </message>
    <message>
        <source>GMT 0hrs   Western European Time, Greenwich</source>
        <translation>GMT 0 h   Hora de Europa occidental, Greenwich</translation>
    </message>
    <message>
        <source>GMT+1hrs   Middle European Time</source>
        <translation>GMT+1 h   Hora de Europa central</translation>
    </message>
    <message>
        <source>GMT+2hrs   Eastern European Time</source>
        <translation>GMT+2 h   Hora de Europa oriental</translation>
    </message>
    <message>
        <source>GMT+3hrs   Moscow</source>
        <translation>GMT+3 h   Moscú</translation>
    </message>
    <message>
        <source>GMT+4hrs   Gorki</source>
        <translation>GMT+4 h   Gorki</translation>
    </message>
    <message>
        <source>GMT+5hrs   </source>
        <translation>GMT+5 h   </translation>
    </message>
    <message>
        <source>GMT+6hrs</source>
        <translation>GMT+6 h</translation>
    </message>
    <message>
        <source>GMT+7hrs</source>
        <translation>GMT+7 h</translation>
    </message>
    <message>
        <source>GMT+8hrs   China</source>
        <translation>GMT+8 h   China</translation>
    </message>
    <message>
        <source>GMT+9hrs   Japan, Korea</source>
        <translation>GMT+9 h   Japón, Corea</translation>
    </message>
    <message>
        <source>GMT+10hrs</source>
        <translation>GMT+10 h</translation>
    </message>
    <message>
        <source>GMT+11</source>
        <translation>GMT+11</translation>
    </message>
    <message>
        <source>GMT+12</source>
        <translation>GMT+12</translation>
    </message>
    <message>
        <source>GMT-9:30hrs   Marquesas</source>
        <translation>GMT-9:30 h   Marquesas</translation>
    </message>
    <message>
        <source>GMT-3:30hrs   Newfoundland</source>
        <translation>GMT-3:30 h   Terranova</translation>
    </message>
    <message>
        <source>GMT+3:30hrs   Iran</source>
        <translation>GMT+3:30 h   Irán</translation>
    </message>
    <message>
        <source>GMT+4:30hrs   Afghanistan</source>
        <translation>GMT+4:30 h   Afganistán</translation>
    </message>
    <message>
        <source>GMT+5:30hrs   India, Sri Lanka</source>
        <translation>GMT+5:30 h   India, Sri Lanka</translation>
    </message>
    <message>
        <source>GMT+5:45hrs   Nepal</source>
        <translation>GMT+5:45 h   Nepal</translation>
    </message>
    <message>
        <source>GMT+6:30hrs   Myanmar</source>
        <translation>GMT+6:30 h   Myanmar</translation>
    </message>
    <message>
        <source>GMT+8:45hrs   Eucla</source>
        <translation>GMT+8:45 h   Eucla</translation>
    </message>
    <message>
        <source>GMT+9:30hrs   Central Australia</source>
        <translation>GMT+9:30 h   Australia central</translation>
    </message>
    <message>
        <source>GMT+10:30hrs  Lord Howe Island</source>
        <translation>GMT+10:30 h  Isla de Lord Howe</translation>
    </message>
    <message>
        <source>GMT+12:45hrs  Chatham Islands</source>
        <translation>GMT+12:45 h  Islas Chatham</translation>
    </message>
    <message>
        <source>GMT+13hrs     Tonga, Samoa</source>
        <translation>GMT+13 h     Tonga, Samoa</translation>
    </message>
    <message>
        <source>GMT+14hrs     Line Islands</source>
        <translation>GMT+14 h     Islas de la Línea</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Elija el huso horario</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Huso horario</translation>
    </message>
    <message>
        <source>Please enter a valid date</source>
        <translation>Introduzca una fecha válida</translation>
    </message>
    <message>
        <source>Are clock readings Standard Time, or Daylight Savings?</source>
        <translation>¿La hora del reloj es hora estándar u horario de verano?</translation>
    </message>
    <message>
        <source>Please enter latitude in degrees from -90 to 90, e.g. 40.655</source>
        <translation>Introduzca la latitud en grados de -90 a 90, p. ej. 40.655</translation>
    </message>
    <message>
        <source>Please enter  longitude in degrees from 0 to 180, e.g. 72.855</source>
        <translation>Introduzca la longitud en grados de 0 a 180, p. ej. 72.855</translation>
    </message>
    <message>
        <source>Please select whether you are East or West of Greewich</source>
        <translation>Indique si está al este o al oeste de Greenwich</translation>
    </message>
    <message>
        <source>Please select your time zone</source>
        <translation>Elija su huso horario</translation>
    </message>
    <message>
        <source>Your longitude is more than 15 degrees form your time zone.  Are you sure that this information is correct?</source>
        <translation>Su longitud dista más de 15 grados de su huso horario.  ¿Está seguro de que estos datos son correctos?</translation>
    </message>
    <message>
        <source>a place must have %1 fields</source>
        <translation>un lugar debe tener %1 campos</translation>
    </message>
    <message>
        <source>a place&apos;s name, country, region or time zone is missing or unknown</source>
        <translation>falta o es desconocido el nombre, país, región o huso horario de un lugar</translation>
    </message>
    <message>
        <source>a place&apos;s latitude, longitude or population is out of range</source>
        <translation>la latitud, longitud o población de un lugar está fuera de rango</translation>
    </message>
    <message>
        <source>the place names cannot be read from %1: %2</source>
        <translation>no se pueden leer los nombres de lugares de %1: %2</translation>
    </message>
    <message>
        <source>not a gazetteer</source>
        <translation>no es un nomenclátor</translation>
    </message>
    <message>
        <source>its compressed data is cut short or corrupt</source>
        <translation>sus datos comprimidos están truncados o dañados</translation>
    </message>
    <message>
        <source>the place names file %1 is damaged: %2</source>
        <translation>el archivo de nombres de lugares %1 está dañado: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>not a gazetteer of this program&apos;s version</source>
        <translation>no es un nomenclátor de esta versión del programa</translation>
    </message>
    <message>
        <source>the %1 table&apos;s heading is missing or wrong</source>
        <translation>falta el encabezado de la tabla %1 o es incorrecto</translation>
    </message>
    <message>
        <source>a country must be a two-letter code and a name</source>
        <translation>un país debe ser un código de dos letras y un nombre</translation>
    </message>
    <message>
        <source>a region must be one name</source>
        <translation>una región debe ser un solo nombre</translation>
    </message>
    <message>
        <source>a time zone must be one name</source>
        <translation>un huso horario debe ser un solo nombre</translation>
    </message>
    <message>
        <source>a place&apos;s name is too long</source>
        <translation>el nombre de un lugar es demasiado largo</translation>
    </message>
    <message>
        <source>more lines than the places table counts</source>
        <translation>más líneas de las que cuenta la tabla de lugares</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>está truncado</translation>
    </message>
    <message>
        <source>its head is corrupt</source>
        <translation>su cabecera está dañada</translation>
    </message>
    <message>
        <source>head line %1: %2</source>
        <translation>línea de cabecera %1: %2</translation>
    </message>
    <message>
        <source>the countries&apos; heading is missing or wrong</source>
        <translation>falta el encabezado de los países o es incorrecto</translation>
    </message>
    <message>
        <source>a country must be a code, a name and its folded form</source>
        <translation>un país debe ser un código, un nombre y su forma normalizada</translation>
    </message>
    <message>
        <source>the regions&apos; heading is missing or wrong</source>
        <translation>falta el encabezado de las regiones o es incorrecto</translation>
    </message>
    <message>
        <source>a region must be a name and its folded form</source>
        <translation>una región debe ser un nombre y su forma normalizada</translation>
    </message>
    <message>
        <source>the zones&apos; heading is missing or wrong</source>
        <translation>falta el encabezado de los husos o es incorrecto</translation>
    </message>
    <message>
        <source>the places&apos; heading is missing or wrong</source>
        <translation>falta el encabezado de los lugares o es incorrecto</translation>
    </message>
    <message>
        <source>the key blocks&apos; heading is missing or wrong</source>
        <translation>falta el encabezado de los bloques de claves o es incorrecto</translation>
    </message>
    <message>
        <source>a block&apos;s first key is missing</source>
        <translation>falta la primera clave de un bloque</translation>
    </message>
    <message>
        <source>the blocks&apos; size is missing or wrong</source>
        <translation>falta el tamaño de los bloques o es incorrecto</translation>
    </message>
    <message>
        <source>it is cut short or has bytes past its end</source>
        <translation>está truncado o tiene bytes tras su final</translation>
    </message>
    <message>
        <source>the blocks&apos; table is missing</source>
        <translation>falta la tabla de bloques</translation>
    </message>
    <message>
        <source>the blocks&apos; table is cut short or too long</source>
        <translation>la tabla de bloques está truncada o es demasiado larga</translation>
    </message>
    <message>
        <source>a block lies outside the file</source>
        <translation>un bloque está fuera del archivo</translation>
    </message>
    <message>
        <source>a block of names is corrupt</source>
        <translation>un bloque de nombres está dañado</translation>
    </message>
    <message>
        <source>a block of places is corrupt</source>
        <translation>un bloque de lugares está dañado</translation>
    </message>
    <message>
        <source>Place names from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>Nombres de lugares de GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>the place names file is missing: looked for %1</source>
        <translation>falta el archivo de nombres de lugares: se buscó %1</translation>
    </message>
    <message>
        <source>The browser window cannot be opened: its module is missing or damaged.</source>
        <translation>No se puede abrir la ventana del navegador: su módulo falta o está dañado.</translation>
    </message>
    <message>
        <source>The field sheet cannot be opened: its module is missing or damaged.</source>
        <translation>No se puede abrir la hoja de campo: su módulo falta o está dañado.</translation>
    </message>
    <message>
        <source>The dial designer cannot be opened: its module is missing or damaged.</source>
        <translation>No se puede abrir el diseñador de cuadrantes: su módulo falta o está dañado.</translation>
    </message>
    <message>
        <source>The window cannot be opened: its module is missing or damaged.</source>
        <translation>No se puede abrir la ventana: su módulo falta o está dañado.</translation>
    </message>
    <message>
        <source>The %1 cannot be opened: its module is missing or damaged.</source>
        <translation>No se puede abrir %1: su módulo falta o está dañado.</translation>
    </message>
    <message>
        <source>north</source>
        <translation>norte</translation>
    </message>
    <message>
        <source>east</source>
        <translation>este</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>west</source>
        <translation>oeste</translation>
    </message>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <translation>dddd, d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>a decimal point</source>
        <translation>un punto decimal</translation>
    </message>
    <message>
        <source>a decimal point or &quot;%1&quot;</source>
        <translation>un punto decimal o &quot;%1&quot;</translation>
    </message>
</context>
</TS>
