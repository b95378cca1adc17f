<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>window</name>
    <message>
        <source>Find a Place</source>
        <translation>Buscar un lugar</translation>
    </message>
    <message>
        <source>A town&apos;s name, then a comma and its country or region if you like: Paris, Texas. The up and down arrows go through the places found, Enter chooses one</source>
        <translation>El nombre de una población y, si quiere, una coma y su país o región: Paris, Texas. Las flechas arriba y abajo recorren los lugares encontrados, Intro elige uno</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Lugares encontrados</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Elegir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Place name:</source>
        <translation>Nombre del &amp;lugar:</translation>
    </message>
    <message>
        <source>The place search is unavailable: %1</source>
        <translation>La búsqueda de lugares no está disponible: %1</translation>
    </message>
    <message>
        <source>No place of that name.</source>
        <translation>Ningún lugar con ese nombre.</translation>
    </message>
    <message>
        <source>No place of that name; nearest: %1.</source>
        <translation>Ningún lugar con ese nombre; los más parecidos: %1.</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <comment>place found, of the places found</comment>
        <translation>%1 de %2: %3</translation>
    </message>
    <message>
        <source>: its zone&apos;s rules dropped, the clock was changed by hand</source>
        <translation>: se dejan las reglas de su huso, el reloj se cambió a mano</translation>
    </message>
    <message>
        <source>Last chosen: %1</source>
        <translation>Último elegido: %1</translation>
    </message>
    <message>
        <source>: no time zone entry has its offset; choose the clock by hand</source>
        <translation>: ninguna entrada de huso tiene su desfase; elija el reloj a mano</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5; no time zone entry has its offset: choose the clock by hand.</source>
        <translation>Rellenado desde %1: latitud %2 %3, longitud %4 %5; ninguna entrada de huso tiene ese desfase: elija el reloj a mano.</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5, %6, Daylight Savings Time.</source>
        <translation>Rellenado desde %1: latitud %2 %3, longitud %4 %5, %6, horario de verano.</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5, %6, Standard Time.</source>
        <translation>Rellenado desde %1: latitud %2 %3, longitud %4 %5, %6, hora estándar.</translation>
    </message>
    <message>
        <source>The language changes the next time Orvane starts.</source>
        <translation>El idioma cambia la próxima vez que se inicie Orvane.</translation>
    </message>
    <message>
        <source>A plumb line hung from a post&apos;s arm, its bob in a dish of water, and its shadow on the ground</source>
        <translation>Una plomada colgada del brazo de un poste, su pesa en un plato con agua, y su sombra en el suelo</translation>
    </message>
    <message>
        <source>Orvane Calculator</source>
        <translation>Calculadora Orvane</translation>
    </message>
    <message>
        <source>Click here to set your watch to atomic standard via internet</source>
        <translation>Pulse aquí para poner su reloj en hora atómica por Internet</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Field Sheet</source>
        <translation>&amp;Hoja de campo</translation>
    </message>
    <message>
        <source>&amp;Dial</source>
        <translation>&amp;Cuadrante</translation>
    </message>
    <message>
        <source>by E. Marrow, 2003</source>
        <translation>de E. Marrow, 2003</translation>
    </message>
    <message>
        <source>Date(mm/dd/yyyy)</source>
        <translation>Fecha(mm/dd/aaaa)</translation>
    </message>
    <message>
        <source>Latitude (decimal)</source>
        <translation>Latitud (decimal)</translation>
    </message>
    <message>
        <source>Longitude (decimal)</source>
        <translation>Longitud (decimal)</translation>
    </message>
    <message>
        <source>West of Greenwich (e.g. USA)</source>
        <translation>Oeste de Greenwich (ej. EE. UU.)</translation>
    </message>
    <message>
        <source>East of Greenwich (e.g. USSR)</source>
        <translation>Este de Greenwich (p. ej. URSS)</translation>
    </message>
    <message>
        <source>(North +, South -)</source>
        <translation>(Norte +, Sur -)</translation>
    </message>
    <message>
        <source>Standard Time (October to April)</source>
        <translation>Hora estándar (octubre a abril)</translation>
    </message>
    <message>
        <source>Daylight Savings (April to October)</source>
        <translation>Horario de verano (abril a octubre)</translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Idi&amp;oma:</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>This page needs an internet connection; without one, a phone&apos;s network time, a GPS receiver or a radio time signal sets a watch to the second.</source>
        <translation>Esta página necesita conexión a Internet; sin ella, la hora de red de un teléfono, un receptor GPS o una señal horaria de radio ponen un reloj en hora al segundo.</translation>
    </message>
</context>
</TS>
