<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>sheet</name>
    <message>
        <source>At %1:</source>
        <translation>Alle %1:</translation>
    </message>
    <message>
        <source>never seen</source>
        <translation>mai visibile</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>field sheet</source>
        <translation>scheda di campo</translation>
    </message>
    <message>
        <source>Computer&apos;s clock: %1</source>
        <translation>Orologio del computer: %1</translation>
    </message>
    <message>
        <source>No more events today</source>
        <translation>Nessun altro evento oggi</translation>
    </message>
    <message>
        <source>Next: %1 at %2, in %3</source>
        <translation>Prossimo: %1 alle %2, tra %3</translation>
    </message>
    <message>
        <source>Next: %1 at %2, now</source>
        <translation>Prossimo: %1 alle %2, ora</translation>
    </message>
    <message>
        <source>Save Field Sheet as PDF</source>
        <translation>Salva la scheda di campo come PDF</translation>
    </message>
    <message>
        <source>Field Sheet</source>
        <translation>Scheda di campo</translation>
    </message>
    <message>
        <source>Plumb line &amp;height (m):</source>
        <translation>&amp;Altezza del filo a piombo (m):</translation>
    </message>
    <message>
        <source>Degrees from north through east; empty for no fourth event</source>
        <translation>Gradi da nord verso est; vuoto per nessun quarto evento</translation>
    </message>
    <message>
        <source>Sun at &amp;bearing (°):</source>
        <translation>Sole all&apos;a&amp;zimut (°):</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>&amp;Tick in the last five seconds</source>
        <translation>&amp;Ticchettio negli ultimi cinque secondi</translation>
    </message>
    <message>
        <source>The times are only as good as the clock you read: set your watch and this computer&apos;s clock exactly.</source>
        <translation>Gli orari sono esatti solo quanto l&apos;orologio che si legge: regolare con precisione l&apos;orologio da polso e quello di questo computer.</translation>
    </message>
    <message>
        <source>Click here to set your watch to atomic standard via internet</source>
        <translation>Fare clic qui per regolare l&apos;orologio sull&apos;ora atomica via Internet</translation>
    </message>
    <message>
        <source>Set your watch to atomic standard via internet</source>
        <translation>Regolare l&apos;orologio sull&apos;ora atomica via Internet</translation>
    </message>
    <message>
        <source>&amp;Every 30 seconds around:</source>
        <translation>&amp;Ogni 30 secondi attorno a:</translation>
    </message>
    <message>
        <source>Every 30 seconds around the chosen event</source>
        <translation>Ogni 30 secondi attorno all&apos;evento scelto</translation>
    </message>
    <message>
        <source>I &amp;marked the shadow at:</source>
        <translation>Ho se&amp;gnato l&apos;ombra alle:</translation>
    </message>
    <message>
        <source>The &amp;next 14 days:</source>
        <translation>I &amp;prossimi 14 giorni:</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Save as PDF</source>
        <translation>Salva come P&amp;DF</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Plan of the site</source>
        <translation>Pianta del luogo</translation>
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
        <translation>est-ovest vero</translation>
    </message>
    <message>
        <source>true north-south</source>
        <translation>nord-sud vero</translation>
    </message>
    <message>
        <source>plumb line %1</source>
        <translation>filo a piombo %1</translation>
    </message>
    <message>
        <source>%1 (%2), every 30 seconds</source>
        <translation>%1 (%2), ogni 30 secondi</translation>
    </message>
    <message>
        <source>%1, every 30 s</source>
        <translation>%1, ogni 30 s</translation>
    </message>
    <message>
        <source>%1 at %2, every 30 s</source>
        <translation>%1 alle %2, ogni 30 s</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Which way the wall faces</source>
        <translation>Orientamento del muro</translation>
    </message>
    <message numerus="yes">
        <source>The next %n days</source>
        <translation>
            <numerusform>Il prossimo giorno</numerusform>
            <numerusform>I prossimi %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Orvane Field Sheet</source>
        <translation>Scheda di campo Orvane</translation>
    </message>
    <message>
        <source>On the ground</source>
        <translation>Sul terreno</translation>
    </message>
    <message>
        <source>Shadows drawn for a plumb line %1 high.
Mark the shadow at the large time; bold rows are that moment.
Marked at another time? Turn the mark back by its row&apos;s shadow bearing
less the true line&apos;s (0, 90, 180 or 270 degrees).</source>
        <translation>Ombre disegnate per un filo a piombo alto %1.
Segnare l&apos;ombra all&apos;ora in grande; le righe in grassetto
sono quell&apos;istante.
Segnata a un&apos;altra ora? Ruotare indietro il segno dell&apos;azimut
d&apos;ombra della sua riga meno quello della linea vera
(0, 90, 180 o 270 gradi).</translation>
    </message>
    <message>
        <source>due north</source>
        <translation>esattamente a nord</translation>
    </message>
    <message>
        <source>due east</source>
        <translation>esattamente a est</translation>
    </message>
    <message>
        <source>due south</source>
        <translation>esattamente a sud</translation>
    </message>
    <message>
        <source>due west</source>
        <translation>esattamente a ovest</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>Meridian</source>
        <translation>Meridiano</translation>
    </message>
    <message>
        <source>east</source>
        <comment>event</comment>
        <translation>est</translation>
    </message>
    <message>
        <source>meridian</source>
        <comment>event</comment>
        <translation>meridiano</translation>
    </message>
    <message>
        <source>west</source>
        <comment>event</comment>
        <translation>ovest</translation>
    </message>
    <message>
        <source>sun due north</source>
        <translation>sole esattamente a nord</translation>
    </message>
    <message>
        <source>sun due east</source>
        <translation>sole esattamente a est</translation>
    </message>
    <message>
        <source>sun due south</source>
        <translation>sole esattamente a sud</translation>
    </message>
    <message>
        <source>sun due west</source>
        <translation>sole esattamente a ovest</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>Shadow %1, none</source>
        <translation>Ombra %1, nessuna</translation>
    </message>
    <message>
        <source>Shadow %1, %2 long</source>
        <translation>Ombra %1, lunga %2</translation>
    </message>
    <message>
        <source>Turns %1 a minute, clockwise</source>
        <translation>Ruota di %1 al minuto, in senso orario</translation>
    </message>
    <message>
        <source>Turns %1 a minute, anticlockwise</source>
        <translation>Ruota di %1 al minuto, in senso antiorario</translation>
    </message>
    <message>
        <source>The sun never stands %1 above the horizon on this date.</source>
        <translation>Il sole non si trova mai %1 sopra l&apos;orizzonte in questa data.</translation>
    </message>
    <message>
        <source>Precise %1 (%2 s)</source>
        <translation>Esatto %1 (%2 s)</translation>
    </message>
    <message>
        <source>Precise: the true sun does not reach this bearing above the horizon</source>
        <translation>Esatto: il sole vero non raggiunge questo azimut sopra l&apos;orizzonte</translation>
    </message>
    <message>
        <source>Sun&apos;s altitude %1</source>
        <translation>Altezza del sole %1</translation>
    </message>
    <message>
        <source>Off the true line %1 (%2 mm/m)</source>
        <translation>Scarto dalla linea vera %1 (%2 mm/m)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Shadow bearing</source>
        <translation>Azimut ombra</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>never</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4</source>
        <translation>Latitudine %1 %2, longitudine %3 %4</translation>
    </message>
    <message>
        <source>Clock: %1, daylight saving time (%2)</source>
        <translation>Orologio: %1, ora legale (%2)</translation>
    </message>
    <message>
        <source>Clock: %1, standard time (%2)</source>
        <translation>Orologio: %1, ora solare (%2)</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark lies on the east-west line.</source>
        <translation>L&apos;ombra puntava allora a %1: il segno si trova sulla linea est-ovest.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark lies on the north-south line.</source>
        <translation>L&apos;ombra puntava allora a %1: il segno si trova sulla linea nord-sud.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the east-west line. Turn it %2 clockwise (seen from above) about the foot of the plumb line.</source>
        <translation>L&apos;ombra puntava allora a %1: il segno appartiene alla linea est-ovest. Ruotarlo di %2 in senso orario (visto dall&apos;alto) attorno al piede del filo a piombo.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the east-west line. Turn it %2 anticlockwise (seen from above) about the foot of the plumb line.</source>
        <translation>L&apos;ombra puntava allora a %1: il segno appartiene alla linea est-ovest. Ruotarlo di %2 in senso antiorario (visto dall&apos;alto) attorno al piede del filo a piombo.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the north-south line. Turn it %2 clockwise (seen from above) about the foot of the plumb line.</source>
        <translation>L&apos;ombra puntava allora a %1: il segno appartiene alla linea nord-sud. Ruotarlo di %2 in senso orario (visto dall&apos;alto) attorno al piede del filo a piombo.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the north-south line. Turn it %2 anticlockwise (seen from above) about the foot of the plumb line.</source>
        <translation>L&apos;ombra puntava allora a %1: il segno appartiene alla linea nord-sud. Ruotarlo di %2 in senso antiorario (visto dall&apos;alto) attorno al piede del filo a piombo.</translation>
    </message>
    <message>
        <source>North up, the plumb line&apos;s foot in the middle, the dotted circle %1 m from it.</source>
        <translation>Nord in alto, il piede del filo a piombo al centro, il cerchio punteggiato a %1 m da esso.</translation>
    </message>
    <message>
        <source>%1: at %2 the shadow points to %3 and is %4 long.</source>
        <translation>%1: alle %2 l&apos;ombra punta a %3 ed è lunga %4.</translation>
    </message>
    <message>
        <source>%1: no shadow, the sun is below the horizon.</source>
        <translation>%1: nessuna ombra, il sole è sotto l&apos;orizzonte.</translation>
    </message>
    <message>
        <source>%1: never seen on this date.</source>
        <translation>%1: mai visibile in questa data.</translation>
    </message>
    <message>
        <source>%1: never seen on this date</source>
        <translation>%1: mai visibile in questa data</translation>
    </message>
    <message>
        <source>%1: sun below the horizon, no shadow</source>
        <translation>%1: sole sotto l&apos;orizzonte, nessuna ombra</translation>
    </message>
    <message>
        <source>%1: not reached above the horizon on this date</source>
        <translation>%1: non raggiunto sopra l&apos;orizzonte in questa data</translation>
    </message>
    <message>
        <source>Bearing %1</source>
        <translation>Azimut %1</translation>
    </message>
    <message>
        <source>sun at %1</source>
        <translation>sole a %1</translation>
    </message>
    <message>
        <source>The sun does not stand at %1 above the horizon on this date</source>
        <translation>Il sole non si trova a %1 sopra l&apos;orizzonte in questa data</translation>
    </message>
    <message>
        <source>Precise %1</source>
        <translation>Esatto %1</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth</source>
        <translation>Azimut sole</translation>
    </message>
    <message>
        <source>Facing</source>
        <translation>Orientamento</translation>
    </message>
    <message>
        <source>Off the mean</source>
        <translation>Scarto dalla media</translation>
    </message>
    <message>
        <source>The wall faces %1: it faces due north.</source>
        <translation>Il muro è orientato a %1: guarda esattamente a nord.</translation>
    </message>
    <message>
        <source>The wall faces %1: it faces due south.</source>
        <translation>Il muro è orientato a %1: guarda esattamente a sud.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 east of north.</source>
        <translation>Il muro è orientato a %1: declinazione %2 a est rispetto a nord.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 west of north.</source>
        <translation>Il muro è orientato a %1: declinazione %2 a ovest rispetto a nord.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 east of south.</source>
        <translation>Il muro è orientato a %1: declinazione %2 a est rispetto a sud.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 west of south.</source>
        <translation>Il muro è orientato a %1: declinazione %2 a ovest rispetto a sud.</translation>
    </message>
    <message>
        <source> Spread %1.</source>
        <translation> Dispersione %1.</translation>
    </message>
    <message>
        <source>Reading %1 (%2, %3) refused: the sun is below the horizon then.</source>
        <translation>Lettura %1 (%2, %3) rifiutata: il sole è allora sotto l&apos;orizzonte.</translation>
    </message>
    <message>
        <source>Reading %1 (%2, %3) refused: the angle must lie between -90° and +90°.</source>
        <translation>Lettura %1 (%2, %3) rifiutata: l&apos;angolo deve essere compreso tra -90° e +90°.</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>muro</translation>
    </message>
    <message>
        <source>board</source>
        <translation>tavola</translation>
    </message>
    <message>
        <source>square line</source>
        <translation>linea a squadra</translation>
    </message>
    <message>
        <source>plumb line</source>
        <translation>filo a piombo</translation>
    </message>
    <message>
        <source>+A: clockwise from above</source>
        <translation>+A: senso orario dall&apos;alto</translation>
    </message>
    <message>
        <source>Seen from above: a level board held against the wall, a line drawn on it square to the wall, a plumb line hanging over that line. A reading is the clock time and the angle A from the square line, taken towards the wall, to the plumb line&apos;s shadow, positive clockwise. The wall then faces the sun&apos;s azimuth minus A.</source>
        <translation>Visto dall&apos;alto: una tavola in bolla appoggiata al muro, su di essa una linea tracciata a squadra con il muro, un filo a piombo appeso sopra quella linea. Una lettura è l&apos;ora e l&apos;angolo A dalla linea a squadra, presa verso il muro, all&apos;ombra del filo a piombo, positivo in senso orario. Il muro è allora orientato all&apos;azimut del sole meno A.</translation>
    </message>
    <message>
        <source>How to take a reading</source>
        <translation>Come fare una lettura</translation>
    </message>
    <message>
        <source>Which way does my w&amp;all face?</source>
        <translation>Dove guarda il mio m&amp;uro?</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>A (°)</source>
        <translation>A (°)</translation>
    </message>
    <message>
        <source>Wall readings</source>
        <translation>Letture del muro</translation>
    </message>
    <message>
        <source>One reading a row: the clock time and the angle A; Enter keeps a cell. Clear a row to drop it.</source>
        <translation>Una lettura per riga: l&apos;ora e l&apos;angolo A; Invio conferma una cella. Svuotare una riga per eliminarla.</translation>
    </message>
    <message>
        <source>Type a clock time and the angle A in each row.</source>
        <translation>Inserire in ogni riga un&apos;ora e l&apos;angolo A.</translation>
    </message>
    <message>
        <source>Reading %1: the clock time &quot;%2&quot; cannot be read.</source>
        <translation>Lettura %1: l&apos;ora «%2» non è leggibile.</translation>
    </message>
    <message>
        <source>Reading %1: the angle &quot;%2&quot; cannot be read.</source>
        <translation>Lettura %1: l&apos;angolo «%2» non è leggibile.</translation>
    </message>
</context>
</TS>
