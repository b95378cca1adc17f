<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>dial</name>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Wires cross above</source>
        <translation>Qui sopra si incrociano i fili</translation>
    </message>
    <message>
        <source>The x-wire&apos;s height spaces the hour lines evenly, 15° an hour around the centre</source>
        <translation>L&apos;altezza del filo x distribuisce le linee orarie in modo uniforme, 15° all&apos;ora attorno al centro</translation>
    </message>
    <message>
        <source>No x-wire height spaces the hour lines evenly on this face</source>
        <translation>Su questo quadrante nessuna altezza del filo x distribuisce uniformemente le linee orarie</translation>
    </message>
    <message>
        <source>x-wire</source>
        <translation>filo x</translation>
    </message>
    <message>
        <source>%1 above the plate, along x over y = 0, posts at %2 and %3</source>
        <translation>%1 sopra la lastra, lungo x sopra y = 0, sostegni in %2 e %3</translation>
    </message>
    <message>
        <source>y-wire</source>
        <translation>filo y</translation>
    </message>
    <message>
        <source>%1 above the plate, along y over x = 0, posts at %2 and %3</source>
        <translation>%1 sopra la lastra, lungo y sopra x = 0, sostegni in %2 e %3</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>none: the hour lines are parallel</source>
        <translation>nessuno: le linee orarie sono parallele</translation>
    </message>
    <message>
        <source>evenly spaced</source>
        <translation>spaziatura uniforme</translation>
    </message>
    <message>
        <source>yes, 15° an hour</source>
        <translation>sì, 15° all&apos;ora</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Hour lines (angle at the centre from the noon side of the y axis, + towards x)</source>
        <translation>Linee orarie (angolo al centro dal lato del mezzogiorno dell&apos;asse y, + verso x)</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the point under the wires&apos; crossing: x to the right, y up the slope.

</source>
        <translation>Millimetri sulla lastra dal punto sotto l&apos;incrocio dei fili: x verso destra, y verso l&apos;alto lungo la pendenza.

</translation>
    </message>
    <message>
        <source>Wires %1 mm (x) and %2 mm (y) above the plate</source>
        <translation>Fili a %1 mm (x) e %2 mm (y) sopra la lastra</translation>
    </message>
    <message>
        <source>wires %1 mm and %2 mm above the plate</source>
        <translation>fili a %1 mm e %2 mm sopra la lastra</translation>
    </message>
    <message>
        <source>Stretch each wire between its posts, parallel to the plate at its height; they cross over the plate&apos;s origin</source>
        <translation>Tendere ogni filo tra i suoi sostegni, parallelo alla lastra alla sua altezza; i fili si incrociano sopra l&apos;origine della lastra</translation>
    </message>
    <message>
        <source>Wires: x %1 mm, y %2 mm</source>
        <translation>Fili: x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>Centre of the hour lines: x %1, y %2 mm%3</source>
        <translation>Centro delle linee orarie: x %1, y %2 mm%3</translation>
    </message>
    <message>
        <source>, 15° an hour</source>
        <translation>, 15° all&apos;ora</translation>
    </message>
    <message>
        <source>No centre: the hour lines are parallel.</source>
        <translation>Nessun centro: le linee orarie sono parallele.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 mm, %3.</source>
        <translation>Fili a %1 e %2 mm, %3.</translation>
    </message>
    <message>
        <source>%1, wires %2 mm (x) and %3 mm (y) above the plate. %4.</source>
        <translation>%1, fili a %2 mm (x) e %3 mm (y) sopra la lastra. %4.</translation>
    </message>
    <message>
        <source>lit from the March to the September equinox</source>
        <translation>illuminato dall&apos;equinozio di marzo a quello di settembre</translation>
    </message>
    <message>
        <source>lit from the September to the March equinox</source>
        <translation>illuminato dall&apos;equinozio di settembre a quello di marzo</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Horizontal dial</source>
        <translation>Orologio orizzontale</translation>
    </message>
    <message>
        <source>From the meridian (°, + east)</source>
        <translation>Dal meridiano (°, + est)</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Vertical dial</source>
        <translation>Orologio verticale</translation>
    </message>
    <message>
        <source>From the vertical (°, + right)</source>
        <translation>Dalla verticale (°, + destra)</translation>
    </message>
    <message>
        <source>Reclining or inclining (any plane)</source>
        <translation>Reclinante o inclinante (qualsiasi piano)</translation>
    </message>
    <message>
        <source>Plane dial</source>
        <translation>Orologio piano</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polare</translation>
    </message>
    <message>
        <source>Polar dial</source>
        <translation>Orologio polare</translation>
    </message>
    <message>
        <source>Equatorial (both faces)</source>
        <translation>Equatoriale (entrambi i quadranti)</translation>
    </message>
    <message>
        <source>Equatorial dial</source>
        <translation>Orologio equatoriale</translation>
    </message>
    <message>
        <source>Analemmatic (a person is the gnomon)</source>
        <translation>Analemmatico (una persona fa da gnomone)</translation>
    </message>
    <message>
        <source>Analemmatic dial</source>
        <translation>Orologio analemmatico</translation>
    </message>
    <message>
        <source>its ellipse flattens to a line near the equator, and its date scale to a point near a pole</source>
        <translation>la sua ellisse si appiattisce in una linea vicino all&apos;equatore e la sua scala delle date in un punto vicino a un polo</translation>
    </message>
    <message>
        <source>an analemmatic dial has no style that could stand turned: check its north-south line and its date scale instead</source>
        <translation>un orologio analemmatico non ha uno stilo che possa essere ruotato: controllare invece la sua linea nord-sud e la sua scala delle date</translation>
    </message>
    <message>
        <source>an analemmatic dial&apos;s hour points lie on its ellipse, where a figure-8 of clock time has no place: draw it to sun or zone time</source>
        <translation>i punti orari di un orologio analemmatico stanno sulla sua ellisse, dove non c&apos;è posto per una lemniscata del tempo dell&apos;orologio: tracciarlo in tempo vero locale o in tempo del fuso</translation>
    </message>
    <message>
        <source>an analemmatic dial&apos;s hour points lie on its ellipse, which has no place for lines of Italian, Babylonian or unequal hours: draw it in equal hours</source>
        <translation>i punti orari di un orologio analemmatico stanno sulla sua ellisse, che non ha posto per linee di ore italiche, babiloniche o temporarie: tracciarlo in ore uguali</translation>
    </message>
    <message>
        <source>Noon mark (a spot of sun through a hole)</source>
        <translation>Meridiana (una macchia di sole attraverso un foro)</translation>
    </message>
    <message>
        <source>Noon mark</source>
        <translation>Meridiana</translation>
    </message>
    <message>
        <source>a noon mark has no style that could stand turned: check its meridian line against the spot at the true noon instead</source>
        <translation>una meridiana non ha uno stilo che possa essere ruotato: controllare invece la sua linea meridiana con la macchia di sole al mezzogiorno vero</translation>
    </message>
    <message>
        <source>a noon mark shows the noon alone, with no hour lines: draw a plane dial for the old hours</source>
        <translation>una meridiana mostra solo il mezzogiorno, senza linee orarie: per le ore antiche tracciare un orologio piano</translation>
    </message>
    <message>
        <source>Bifilar (two wires)</source>
        <translation>Bifilare (due fili)</translation>
    </message>
    <message>
        <source>Bifilar dial</source>
        <translation>Orologio bifilare</translation>
    </message>
    <message>
        <source>From the y axis at the centre (°, + towards x)</source>
        <translation>Dall&apos;asse y al centro (°, + verso x)</translation>
    </message>
    <message>
        <source>Wires</source>
        <translation>Fili</translation>
    </message>
    <message>
        <source>a bifilar dial has no style that could stand turned: check the wires&apos; heights and that each runs along its axis instead</source>
        <translation>un orologio bifilare non ha uno stilo che possa essere ruotato: controllare invece l&apos;altezza dei fili e che ciascuno corra lungo il suo asse</translation>
    </message>
    <message>
        <source>a bifilar dial&apos;s hour lines are straight lines of sun or zone time: draw it to sun or zone time</source>
        <translation>le linee orarie di un orologio bifilare sono rette di tempo vero locale o del fuso: tracciarlo in tempo vero locale o del fuso</translation>
    </message>
    <message>
        <source>a bifilar dial&apos;s crossing is drawn for equal hours: draw a plane dial for the old hours</source>
        <translation>l&apos;incrocio di un orologio bifilare è tracciato per le ore uguali: per le ore antiche tracciare un orologio piano</translation>
    </message>
    <message>
        <source>From the line of steepest slope (°, + right)</source>
        <translation>Dalla linea di massima pendenza (°, + destra)</translation>
    </message>
    <message>
        <source>Gnomon</source>
        <translation>Gnomone</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ovest</translation>
    </message>
    <message>
        <source>on the line</source>
        <translation>sulla linea</translation>
    </message>
    <message>
        <source>Stand up straight: anyone %1 m tall or taller casts a shadow that reaches the marks from %2 to %3 h on every day of the year. A shorter shadow still points along the line to the time.</source>
        <translation>Stare ben dritti: chiunque sia alto %1 m o più proietta un&apos;ombra che raggiunge i segni dalle %2 alle %3 h in ogni giorno dell&apos;anno. Un&apos;ombra più corta indica comunque l&apos;ora lungo la sua direzione.</translation>
    </message>
    <message>
        <source>Stand up straight: anyone %1 m tall or taller casts a shadow that reaches the marks from %2 to %3 h on every day of the year.</source>
        <translation>Stare ben dritti: chiunque sia alto %1 m o più proietta un&apos;ombra che raggiunge i segni dalle %2 alle %3 h in ogni giorno dell&apos;anno.</translation>
    </message>
    <message>
        <source>Lay out the north-south line: on %1 at %2 by a clock on %3 the sun stands on the meridian, and the shadow of a plumb line falls along it.</source>
        <translation>Tracciare la linea nord-sud: il %1 alle %2 di un orologio in %3 il sole è sul meridiano e l&apos;ombra di un filo a piombo cade lungo di essa.</translation>
    </message>
    <message>
        <source>Mark the centre C on the line, and the noon point N %1 m north of C.</source>
        <translation>Segnare il centro C sulla linea e il punto del mezzogiorno N %1 m a nord di C.</translation>
    </message>
    <message>
        <source>Mark the centre C on the line, and the noon point N %1 m south of C.</source>
        <translation>Segnare il centro C sulla linea e il punto del mezzogiorno N %1 m a sud di C.</translation>
    </message>
    <message>
        <source>Stake each hour with two tapes, one from C and one from N, at the lengths in the table: where they meet on the hour&apos;s side of the line (east or west) is the hour&apos;s mark.</source>
        <translation>Picchettare ogni ora con due nastri, uno da C e uno da N, alle lunghezze della tabella: dove si incontrano dal lato dell&apos;ora rispetto alla linea (est o ovest) è il segno dell&apos;ora.</translation>
    </message>
    <message>
        <source>Mark the dates on the line, each its distance from C (+ north, - south).</source>
        <translation>Segnare le date sulla linea, ciascuna alla sua distanza da C (+ nord, - sud).</translation>
    </message>
    <message>
        <source>To draw the ellipse, put a pin at each focus, %1 m east and west of C, and run a loop of string %2 m long round both pins and a marker.</source>
        <translation>Per tracciare l&apos;ellisse, piantare un picchetto in ciascun fuoco, %1 m a est e a ovest di C, e passare un anello di corda lungo %2 m attorno ai due picchetti e a un tracciatore.</translation>
    </message>
    <message>
        <source>Stand on today&apos;s date and your shadow points to the time; add the card&apos;s correction for the clock.</source>
        <translation>Stando sulla data di oggi, la propria ombra indica l&apos;ora; per l&apos;ora dell&apos;orologio aggiungere la correzione della tabella.</translation>
    </message>
    <message>
        <source>Stand on today&apos;s date and your shadow points to the dial&apos;s time; for the clock&apos;s, add the correction of a card (--card on the command line, or the Dial Designer&apos;s card).</source>
        <translation>Stando sulla data di oggi, la propria ombra indica l&apos;ora del quadrante; per quella dell&apos;orologio aggiungere la correzione di una tabella (--card dalla riga di comando, o la tabella del Progettista di quadranti).</translation>
    </message>
    <message>
        <source>%1 m south</source>
        <translation>%1 m a sud</translation>
    </message>
    <message>
        <source>%1 m north</source>
        <translation>%1 m a nord</translation>
    </message>
    <message>
        <source>Ellipse: %1 m by %2 m</source>
        <translation>Ellisse: %1 m per %2 m</translation>
    </message>
    <message>
        <source>Noon point N %1 of the centre C. Foci %2 m east and west of C; string loop %3 m.
%4</source>
        <translation>Punto del mezzogiorno N %1 del centro C. Fuochi %2 m a est e a ovest di C; anello di corda %3 m.
%4</translation>
    </message>
    <message>
        <source>%1 m by %2 m</source>
        <translation>%1 m per %2 m</translation>
    </message>
    <message>
        <source>no hour marks</source>
        <translation>nessun segno orario</translation>
    </message>
    <message>
        <source>%1 hour marks, from %2 to %3</source>
        <translation>%1 segni orari, dalle %2 alle %3</translation>
    </message>
    <message>
        <source>Ellipse %1, %2.</source>
        <translation>Ellisse %1, %2.</translation>
    </message>
    <message>
        <source>%1 hour marks</source>
        <translation>%1 segni orari</translation>
    </message>
    <message>
        <source>at the centre</source>
        <translation>al centro</translation>
    </message>
    <message>
        <source> The date scale on the north-south line, from the centre C: %1.</source>
        <translation> La scala delle date sulla linea nord-sud, dal centro C: %1.</translation>
    </message>
    <message>
        <source>%1: an ellipse %2 on the ground, %3.%4 Stand on today&apos;s date and your shadow points to the time.</source>
        <translation>%1: un&apos;ellisse di %2 sul terreno, %3.%4 Stando sulla data di oggi, la propria ombra indica l&apos;ora.</translation>
    </message>
    <message>
        <source>Two tapes to each hour: from C and from N, on the hour&apos;s side of the line</source>
        <translation>Due nastri per ogni ora: da C e da N, dal lato dell&apos;ora rispetto alla linea</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>From C (m)</source>
        <translation>Da C (m)</translation>
    </message>
    <message>
        <source>From N (m)</source>
        <translation>Da N (m)</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Lato</translation>
    </message>
    <message>
        <source>The date scale: where to stand, from C along the line (+ north, - south)</source>
        <translation>La scala delle date: dove stare, da C lungo la linea (+ nord, - sud)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>The person as gnomon: the height whose shadow reaches the hour&apos;s mark on every day (rounded up to the cm)</source>
        <translation>La persona come gnomone: l&apos;altezza la cui ombra raggiunge il segno dell&apos;ora in ogni giorno (arrotondata per eccesso al cm)</translation>
    </message>
    <message>
        <source>Height (m)</source>
        <translation>Altezza (m)</translation>
    </message>
    <message>
        <source>C is the centre, N the noon point.</source>
        <translation>C è il centro, N il punto del mezzogiorno.</translation>
    </message>
    <message>
        <source>Ellipse %1 m by %2 m</source>
        <translation>Ellisse %1 m per %2 m</translation>
    </message>
    <message>
        <source>half-width %1 m</source>
        <translation>semiasse %1 m</translation>
    </message>
    <message>
        <source>ellipse</source>
        <translation>ellisse</translation>
    </message>
    <message>
        <source>%1 m east-west by %2 m north-south</source>
        <translation>%1 m est-ovest per %2 m nord-sud</translation>
    </message>
    <message>
        <source>noon point N</source>
        <translation>punto del mezzogiorno N</translation>
    </message>
    <message>
        <source>%1 m north of the centre C</source>
        <translation>%1 m a nord del centro C</translation>
    </message>
    <message>
        <source>%1 m south of the centre C</source>
        <translation>%1 m a sud del centro C</translation>
    </message>
    <message>
        <source>foci</source>
        <translation>fuochi</translation>
    </message>
    <message>
        <source>%1 m east and west of C</source>
        <translation>%1 m a est e a ovest di C</translation>
    </message>
    <message>
        <source>string loop</source>
        <translation>anello di corda</translation>
    </message>
    <message>
        <source>Staking table (metres; x east, y north of C)</source>
        <translation>Tabella di tracciamento (metri; x est, y nord da C)</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>ora</translation>
    </message>
    <message>
        <source>from C</source>
        <translation>da C</translation>
    </message>
    <message>
        <source>from N</source>
        <translation>da N</translation>
    </message>
    <message>
        <source>side</source>
        <translation>lato</translation>
    </message>
    <message>
        <source>Date scale (metres from C along the line, + north)</source>
        <translation>Scala delle date (metri da C lungo la linea, + nord)</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>declinazione</translation>
    </message>
    <message>
        <source>The person as gnomon (the height whose shadow reaches the mark on its worst day, rounded up to the cm)</source>
        <translation>La persona come gnomone (l&apos;altezza la cui ombra raggiunge il segno nel giorno più sfavorevole, arrotondata per eccesso al cm)</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altezza</translation>
    </message>
    <message>
        <source>worst at declination</source>
        <translation>caso peggiore a declinazione</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>gen</translation>
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
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mag</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>giu</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lug</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>ott</translation>
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
        <translation>mezzogiorno vero</translation>
    </message>
    <message>
        <source>up</source>
        <translation>l&apos;alto</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sud</translation>
    </message>
    <message>
        <source>down</source>
        <translation>il basso</translation>
    </message>
    <message>
        <source>right</source>
        <translation>destra</translation>
    </message>
    <message>
        <source>left</source>
        <translation>sinistra</translation>
    </message>
    <message>
        <source>The spot never falls on this face at %1: on every day of the year the sun then stands behind the face, below the horizon or under %2° above the face.</source>
        <translation>Alle %1 la macchia non cade mai su questo quadrante: in ogni giorno dell&apos;anno il sole sta allora dietro il quadrante, sotto l&apos;orizzonte o a meno di %2° sopra il quadrante.</translation>
    </message>
    <message>
        <source>The spot falls on the face at %1 on %2 days of %3.</source>
        <translation>Alle %1 la macchia cade sulla superficie in %2 giorni del %3.</translation>
    </message>
    <message>
        <source>Left out: %1 days on which the sun stands under %2° above the face, the spot too long and faint to mark.</source>
        <translation>Esclusi: %1 giorni in cui il sole sta a meno di %2° sopra la superficie, con la macchia troppo lunga e debole da segnare.</translation>
    </message>
    <message>
        <source>In summer time the clock runs an hour ahead: this figure-8 is crossed at %1 by it. For a mark of summer time&apos;s noon, give the mark time an hour later (13:00).</source>
        <translation>Con l&apos;ora legale l&apos;orologio è avanti di un&apos;ora: questa lemniscata viene attraversata alle %1 secondo l&apos;orologio. Per segnare il mezzogiorno dell&apos;ora legale, indicare un&apos;ora di segno più tarda di un&apos;ora (13:00).</translation>
    </message>
    <message>
        <source>The spot&apos;s centre crosses the meridian line at the true noon, from 14 minutes before the mean sun&apos;s noon to 16 after, and stands on the figure-8 at the mark time.</source>
        <translation>Il centro della macchia attraversa la linea meridiana al mezzogiorno vero, da 14 minuti prima a 16 minuti dopo il mezzogiorno medio, e sta sulla lemniscata all&apos;ora di segno.</translation>
    </message>
    <message>
        <source>%1 m above the floor, %2 mm across</source>
        <translation>a %1 m sopra il pavimento, %2 mm di diametro</translation>
    </message>
    <message>
        <source>%1 m above the face, %2 mm across</source>
        <translation>a %1 m sopra la superficie, %2 mm di diametro</translation>
    </message>
    <message>
        <source>Hole %1; figure-8 at %2 %3</source>
        <translation>Foro %1; lemniscata alle %2 %3</translation>
    </message>
    <message>
        <source>hole %1</source>
        <translation>foro %1</translation>
    </message>
    <message>
        <source>Meridian line: %1 m</source>
        <translation>Linea meridiana: %1 m</translation>
    </message>
    <message>
        <source>through the foot F</source>
        <translation>per il piede F</translation>
    </message>
    <message>
        <source>%1 m %2 of the foot F</source>
        <translation>a %1 m dal piede F verso %2</translation>
    </message>
    <message>
        <source>The meridian line runs %1 %2; the figure-8 at %3 %4. %5</source>
        <translation>La linea meridiana passa %1 verso %2; la lemniscata alle %3 %4. %5</translation>
    </message>
    <message>
        <source>%1 days marked</source>
        <translation>%1 giorni segnati</translation>
    </message>
    <message>
        <source>Noon mark, hole %1: %2</source>
        <translation>Meridiana, foro %1: %2</translation>
    </message>
    <message>
        <source>%1: a meridian line %2 m long and the figure-8 of the spot at %3. %4</source>
        <translation>%1: una linea meridiana lunga %2 m e la lemniscata della macchia alle %3. %4</translation>
    </message>
    <message>
        <source>Mark the foot F on the floor straight under the hole&apos;s centre, with a plumb line.</source>
        <translation>Segnare il piede F sul pavimento esattamente sotto il centro del foro, con un filo a piombo.</translation>
    </message>
    <message>
        <source>Mark the foot F on the face where a line square to it from the hole&apos;s centre meets it.</source>
        <translation>Segnare il piede F sulla superficie dove la incontra una retta perpendicolare a essa dal centro del foro.</translation>
    </message>
    <message>
        <source>Draw the meridian line %1, running %2 from F&apos;s side: on %3 at %4 by a clock on %5 the spot&apos;s centre stands on it.</source>
        <translation>Tracciare la linea meridiana %1, verso %2 dal lato di F: il %3 alle %4 di un orologio in %5 il centro della macchia vi si trova sopra.</translation>
    </message>
    <message>
        <source>Mark each date from the table: along the line from the point beside F, then across it (+ %1), and join the marks in the order of the year into the figure-8.</source>
        <translation>Segnare ogni data della tabella: lungo la linea dal punto accanto a F, poi di traverso (+ verso %1), e unire i segni nell&apos;ordine dell&apos;anno nella lemniscata.</translation>
    </message>
    <message>
        <source>At %1 of %2 the spot&apos;s centre stands on the day&apos;s place on the figure-8.</source>
        <translation>Alle %1 di %2 il centro della macchia sta sul punto del giorno sulla lemniscata.</translation>
    </message>
    <message>
        <source>F is the foot, under the hole.</source>
        <translation>F è il piede, sotto il foro.</translation>
    </message>
    <message>
        <source>F is the foot, square from the hole.</source>
        <translation>F è il piede, sulla perpendicolare dal foro.</translation>
    </message>
    <message>
        <source>Along (m)</source>
        <translation>Lungo (m)</translation>
    </message>
    <message>
        <source>Across (m)</source>
        <translation>Di traverso (m)</translation>
    </message>
    <message>
        <source>Spot (mm)</source>
        <translation>Macchia (mm)</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>foro</translation>
    </message>
    <message>
        <source>mark time</source>
        <translation>ora di segno</translation>
    </message>
    <message>
        <source>meridian line</source>
        <translation>linea meridiana</translation>
    </message>
    <message>
        <source>from (%1, %2) to (%3, %4) m, %5 m long, %6</source>
        <translation>da (%1, %2) a (%3, %4) m, lunga %5 m, %6</translation>
    </message>
    <message>
        <source>along</source>
        <translation>lungo</translation>
    </message>
    <message>
        <source>across</source>
        <translation>traverso</translation>
    </message>
    <message>
        <source>spot (mm)</source>
        <translation>macchia (mm)</translation>
    </message>
    <message>
        <source>style parallel to the face</source>
        <translation>stilo parallelo al quadrante</translation>
    </message>
    <message>
        <source>through the plate at the foot, square to it</source>
        <translation>attraverso la lastra al piede, perpendicolare a essa</translation>
    </message>
    <message>
        <source>square to the plate at the foot</source>
        <translation>perpendicolare alla lastra al piede</translation>
    </message>
    <message>
        <source>Nodus, above the foot</source>
        <translation>Nodo gnomonico, sopra il piede</translation>
    </message>
    <message>
        <source>Nodus</source>
        <translation>Nodo gnomonico</translation>
    </message>
    <message>
        <source>Solid: December to June; dashed: June to December. Ticks: the first of each month</source>
        <translation>Continua: da dicembre a giugno; tratteggiata: da giugno a dicembre. Tacche: il primo di ogni mese</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Piede</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Italian hours (hours since the previous sunset), between the solstices: none on the plate</source>
        <translation>Ore italiche (ore dal tramonto precedente), tra i solstizi: nessuna sulla lastra</translation>
    </message>
    <message>
        <source>Italian hours (hours since the previous sunset), between the solstices</source>
        <translation>Ore italiche (ore dal tramonto precedente), tra i solstizi</translation>
    </message>
    <message>
        <source>Babylonian hours (hours since sunrise), between the solstices: none on the plate</source>
        <translation>Ore babiloniche (ore dal sorgere del sole), tra i solstizi: nessuna sulla lastra</translation>
    </message>
    <message>
        <source>Babylonian hours (hours since sunrise), between the solstices</source>
        <translation>Ore babiloniche (ore dal sorgere del sole), tra i solstizi</translation>
    </message>
    <message>
        <source>Unequal hours (twelfths of the daylight since sunrise), between the solstices: none on the plate</source>
        <translation>Ore temporarie (dodicesimi del dì dal sorgere del sole), tra i solstizi: nessuna sulla lastra</translation>
    </message>
    <message>
        <source>Unequal hours (twelfths of the daylight since sunrise), between the solstices</source>
        <translation>Ore temporarie (dodicesimi del dì dal sorgere del sole), tra i solstizi</translation>
    </message>
    <message>
        <source>points</source>
        <translation>punti</translation>
    </message>
    <message>
        <source>from</source>
        <translation>da</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>days</source>
        <translation>giorni</translation>
    </message>
    <message>
        <source>March equinox</source>
        <translation>Equinozio di marzo</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Solstizio di giugno</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Equinozio di settembre</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Solstizio di dicembre</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the line of steepest slope, + towards x)</source>
        <translation>Linee orarie (parallele: angolo dalla linea di massima pendenza, + verso x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the line of steepest slope through the foot.</source>
        <translation> La linea delle 12 giace sulla linea di massima pendenza passante per il piede.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the line of steepest slope.</source>
        <translation> La linea delle 12 sta %1° a destra della linea di massima pendenza.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the line of steepest slope.</source>
        <translation> La linea delle 12 sta %1° a sinistra della linea di massima pendenza.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the vertical, + towards x)</source>
        <translation>Linee orarie (parallele: angolo dalla verticale, + verso x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the vertical through the foot.</source>
        <translation> La linea delle 12 giace sulla verticale passante per il piede.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the vertical.</source>
        <translation> La linea delle 12 sta %1° a destra della verticale.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the vertical.</source>
        <translation> La linea delle 12 sta %1° a sinistra della verticale.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the meridian, + towards x)</source>
        <translation>Linee orarie (parallele: angolo dal meridiano, + verso x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the meridian through the foot.</source>
        <translation> La linea delle 12 giace sul meridiano passante per il piede.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° east of the meridian.</source>
        <translation> La linea delle 12 sta %1° a est del meridiano.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° west of the meridian.</source>
        <translation> La linea delle 12 sta %1° a ovest del meridiano.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the y axis, + towards x)</source>
        <translation>Linee orarie (parallele: angolo dall&apos;asse y, + verso x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the y axis through the foot.</source>
        <translation> La linea delle 12 giace sull&apos;asse y passante per il piede.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the y axis.</source>
        <translation> La linea delle 12 sta %1° a destra dell&apos;asse y.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the y axis.</source>
        <translation> La linea delle 12 sta %1° a sinistra dell&apos;asse y.</translation>
    </message>
    <message>
        <source>Hour lines (angle at the root from the noon side of the y axis, + towards x)</source>
        <translation>Linee orarie (angolo al centro dal lato del mezzogiorno dell&apos;asse y, + verso x)</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>angolo</translation>
    </message>
    <message>
        <source>the wall faces</source>
        <translation>orientamento della parete</translation>
    </message>
    <message>
        <source>the face looks</source>
        <translation>orientamento del quadrante</translation>
    </message>
    <message>
        <source>tilt from the zenith</source>
        <translation>inclinazione dallo zenit</translation>
    </message>
    <message>
        <source>nodus height</source>
        <translation>altezza del nodo gnomonico</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>lastra</translation>
    </message>
    <message>
        <source>x %1 to %2, y %3 to %4</source>
        <translation>x da %1 a %2, y da %3 a %4</translation>
    </message>
    <message>
        <source>style height</source>
        <translation>altezza dello stilo</translation>
    </message>
    <message>
        <source>root</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>none: the style runs parallel to the face, the hour lines are parallel</source>
        <translation>nessuno: lo stilo è parallelo al quadrante, le linee orarie sono parallele</translation>
    </message>
    <message>
        <source>substyle</source>
        <translation>sustilare</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>gnomon</source>
        <translation>gnomone</translation>
    </message>
    <message>
        <source>style %1 mm, height %2 mm, base %3 mm</source>
        <translation>stilo %1 mm, altezza %2 mm, base %3 mm</translation>
    </message>
    <message>
        <source>gnomon as cut</source>
        <translation>gnomone come tagliato</translation>
    </message>
    <message>
        <source>base %1 mm from the plate&apos;s edge to the foot, edge %2 mm at the plate&apos;s edge, style %3 mm (the root lies off the plate)</source>
        <translation>base %1 mm dal bordo della lastra al piede, lato %2 mm al bordo della lastra, stilo %3 mm (il centro cade fuori dalla lastra)</translation>
    </message>
    <message>
        <source>Date lines</source>
        <translation>Linee diurne</translation>
    </message>
    <message>
        <source>line</source>
        <translation>linea</translation>
    </message>
    <message>
        <source>off the plate</source>
        <translation>fuori dalla lastra</translation>
    </message>
    <message>
        <source>
Lean: %1.
</source>
        <translation>
Inclinazione: %1.
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
        <translation>Millimetri sulla lastra dal piede del nodo gnomonico: x verso destra, y verso l&apos;alto lungo la pendenza.

</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the right, y up.

</source>
        <translation>Millimetri sulla lastra dal piede del nodo gnomonico: x verso destra, y verso l&apos;alto.

</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the east, y north.

</source>
        <translation>Millimetri sulla lastra dal piede del nodo gnomonico: x verso est, y verso nord.

</translation>
    </message>
    <message>
        <source>The upper face, lit from the March to the September equinox
</source>
        <translation>Il quadrante superiore, illuminato dall&apos;equinozio di marzo a quello di settembre
</translation>
    </message>
    <message>
        <source>The upper face, lit from the September to the March equinox
</source>
        <translation>Il quadrante superiore, illuminato dall&apos;equinozio di settembre a quello di marzo
</translation>
    </message>
    <message>
        <source>The lower face, lit from the March to the September equinox
</source>
        <translation>Il quadrante inferiore, illuminato dall&apos;equinozio di marzo a quello di settembre
</translation>
    </message>
    <message>
        <source>The lower face, lit from the September to the March equinox
</source>
        <translation>Il quadrante inferiore, illuminato dall&apos;equinozio di settembre a quello di marzo
</translation>
    </message>
    <message>
        <source>No hour line falls on the face: the sun lights it only between two hours&apos; lines</source>
        <translation>Nessuna linea oraria cade sul quadrante: il sole lo illumina solo tra le linee di due ore</translation>
    </message>
    <message>
        <source>No hour line falls on the face: the sun never lights it above the horizon here</source>
        <translation>Nessuna linea oraria cade sul quadrante: qui il sole non lo illumina mai sopra l&apos;orizzonte</translation>
    </message>
    <message>
        <source>No hour line falls on the upper face: the sun lights it only between two hours&apos; lines</source>
        <translation>Nessuna linea oraria cade sul quadrante superiore: il sole lo illumina solo tra le linee di due ore</translation>
    </message>
    <message>
        <source>No hour line falls on the upper face: the sun never lights it above the horizon here</source>
        <translation>Nessuna linea oraria cade sul quadrante superiore: qui il sole non lo illumina mai sopra l&apos;orizzonte</translation>
    </message>
    <message>
        <source>No hour line falls on the lower face: the sun lights it only between two hours&apos; lines</source>
        <translation>Nessuna linea oraria cade sul quadrante inferiore: il sole lo illumina solo tra le linee di due ore</translation>
    </message>
    <message>
        <source>No hour line falls on the lower face: the sun never lights it above the horizon here</source>
        <translation>Nessuna linea oraria cade sul quadrante inferiore: qui il sole non lo illumina mai sopra l&apos;orizzonte</translation>
    </message>
    <message>
        <source>unlit</source>
        <translation>non illuminato</translation>
    </message>
    <message>
        <source>Each degree the face leans beyond its tilt of %1° (its top towards where it looks) moves the readings by, in minutes at the June / December solstice: %2, %3, %4 (+ reads later; less towards the equinoxes)</source>
        <translation>Ogni grado in cui il quadrante pende oltre la sua inclinazione di %1° (la sommità verso dove guarda) sposta le letture di, in minuti al solstizio di giugno / dicembre: %2, %3, %4 (+ legge più tardi; meno verso gli equinozi)</translation>
    </message>
    <message>
        <source>%1 hour lines, from %2 to %3</source>
        <translation>%1 linee orarie, dalle %2 alle %3</translation>
    </message>
    <message>
        <source> No 12 o&apos;clock line on this plate.</source>
        <translation> Nessuna linea delle 12 su questa lastra.</translation>
    </message>
    <message>
        <source> Each line is the figure-8 of the shadow at its hour of the standard clock through the year.</source>
        <translation> Ogni linea è la lemniscata dell&apos;ombra alla sua ora dell&apos;ora standard nel corso dell&apos;anno.</translation>
    </message>
    <message>
        <source>A rod through the plate at the foot, square to it, standing %1 mm out of each face; its ends are the nodus</source>
        <translation>Un&apos;asta attraverso la lastra al piede, perpendicolare a essa, sporgente %1 mm da ogni quadrante; le sue estremità sono il nodo gnomonico</translation>
    </message>
    <message>
        <source>A rod at the foot, square to the plate, standing %1 mm out of it; its end is the nodus</source>
        <translation>Un&apos;asta al piede, perpendicolare alla lastra, sporgente %1 mm; la sua estremità è il nodo gnomonico</translation>
    </message>
    <message>
        <source>Cut the shape; stand its lower edge on the substyle, the upright edge on the foot</source>
        <translation>Ritagliare la sagoma; posarne il lato inferiore sulla sustilare e il lato verticale sul piede</translation>
    </message>
    <message>
        <source>Cut the rectangle; stand it on the substyle, its top edge is the style, the nodus over the foot where marked</source>
        <translation>Ritagliare il rettangolo; posarlo sulla sustilare: il lato superiore è lo stilo, il nodo gnomonico sopra il piede dove segnato</translation>
    </message>
    <message>
        <source>Style height: %1°</source>
        <translation>Altezza dello stilo: %1°</translation>
    </message>
    <message>
        <source>No root: the style runs parallel to the face, and so do the hour lines.</source>
        <translation>Nessun centro: lo stilo è parallelo al quadrante, e così le linee orarie.</translation>
    </message>
    <message>
        <source>, no root</source>
        <translation>, nessun centro</translation>
    </message>
    <message>
        <source>Root: %1 mm from the nodus&apos;s foot (x %2, y %3 mm)</source>
        <translation>Centro: %1 mm dal piede del nodo gnomonico (x %2, y %3 mm)</translation>
    </message>
    <message>
        <source>, root %1 mm from the foot</source>
        <translation>, centro a %1 mm dal piede</translation>
    </message>
    <message>
        <source>
No hour line falls on this plate.</source>
        <translation>
Nessuna linea oraria cade su questa lastra.</translation>
    </message>
    <message>
        <source>%1 hour lines</source>
        <translation>%1 linee orarie</translation>
    </message>
    <message>
        <source>Style height %1°%2, %3.</source>
        <translation>Altezza dello stilo %1°%2, %3.</translation>
    </message>
    <message>
        <source>no hour line on the plate</source>
        <translation>nessuna linea oraria sulla lastra</translation>
    </message>
    <message>
        <source>%1, style height %2°. No hour line falls on this plate.</source>
        <translation>%1, altezza dello stilo %2°. Nessuna linea oraria cade su questa lastra.</translation>
    </message>
    <message>
        <source>%1, style height %2°. %3.%4</source>
        <translation>%1, altezza dello stilo %2°. %3.%4</translation>
    </message>
    <message>
        <source>Style height %1°</source>
        <translation>Altezza dello stilo %1°</translation>
    </message>
    <message>
        <source>nodus %1 mm above the plate</source>
        <translation>nodo gnomonico a %1 mm sopra la lastra</translation>
    </message>
    <message>
        <source>The upper face is lit from the March to the September equinox</source>
        <translation>Il quadrante superiore è illuminato dall&apos;equinozio di marzo a quello di settembre</translation>
    </message>
    <message>
        <source>The upper face is lit from the September to the March equinox</source>
        <translation>Il quadrante superiore è illuminato dall&apos;equinozio di settembre a quello di marzo</translation>
    </message>
    <message>
        <source>The lower face is lit from the March to the September equinox</source>
        <translation>Il quadrante inferiore è illuminato dall&apos;equinozio di marzo a quello di settembre</translation>
    </message>
    <message>
        <source>The lower face is lit from the September to the March equinox</source>
        <translation>Il quadrante inferiore è illuminato dall&apos;equinozio di settembre a quello di marzo</translation>
    </message>
    <message>
        <source>The hour lines are not evenly spaced; an x-wire %1 mm above the plate would space them 15° an hour</source>
        <translation>Le linee orarie non sono equidistanti; un filo x a %1 mm sopra la lastra le distanzierebbe di 15° l&apos;ora</translation>
    </message>
    <message>
        <source>%1 Jan</source>
        <translation>%1 gen</translation>
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
        <translation>%1 apr</translation>
    </message>
    <message>
        <source>%1 May</source>
        <translation>%1 mag</translation>
    </message>
    <message>
        <source>%1 Jun</source>
        <translation>%1 giu</translation>
    </message>
    <message>
        <source>%1 Jul</source>
        <translation>%1 lug</translation>
    </message>
    <message>
        <source>%1 Aug</source>
        <translation>%1 ago</translation>
    </message>
    <message>
        <source>%1 Sep</source>
        <translation>%1 set</translation>
    </message>
    <message>
        <source>%1 Oct</source>
        <translation>%1 ott</translation>
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
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The Italian hour lines</source>
        <translation>Le linee delle ore italiche</translation>
    </message>
    <message>
        <source>the Italian hour lines</source>
        <translation>le linee delle ore italiche</translation>
    </message>
    <message>
        <source>The Babylonian hour lines</source>
        <translation>Le linee delle ore babiloniche</translation>
    </message>
    <message>
        <source>the Babylonian hour lines</source>
        <translation>le linee delle ore babiloniche</translation>
    </message>
    <message>
        <source>The unequal hour lines</source>
        <translation>Le linee delle ore temporarie</translation>
    </message>
    <message>
        <source>the unequal hour lines</source>
        <translation>le linee delle ore temporarie</translation>
    </message>
    <message>
        <source>The Italian and Babylonian hour lines</source>
        <translation>Le linee delle ore italiche e babiloniche</translation>
    </message>
    <message>
        <source>the Italian and Babylonian hour lines</source>
        <translation>le linee delle ore italiche e babiloniche</translation>
    </message>
    <message>
        <source>The Italian and unequal hour lines</source>
        <translation>Le linee delle ore italiche e temporarie</translation>
    </message>
    <message>
        <source>the Italian and unequal hour lines</source>
        <translation>le linee delle ore italiche e temporarie</translation>
    </message>
    <message>
        <source>The Babylonian and unequal hour lines</source>
        <translation>Le linee delle ore babiloniche e temporarie</translation>
    </message>
    <message>
        <source>the Babylonian and unequal hour lines</source>
        <translation>le linee delle ore babiloniche e temporarie</translation>
    </message>
    <message>
        <source>The Italian, Babylonian and unequal hour lines</source>
        <translation>Le linee delle ore italiche, babiloniche e temporarie</translation>
    </message>
    <message>
        <source>the Italian, Babylonian and unequal hour lines</source>
        <translation>le linee delle ore italiche, babiloniche e temporarie</translation>
    </message>
    <message>
        <source>%1 are reckoned in sun time from sunrise and sunset of the sun&apos;s centre on the geometric horizon (altitude 0, no refraction), whatever time the equal hours are drawn to</source>
        <translation>%1 sono contate in tempo vero dal sorgere e dal tramonto del centro del Sole sull&apos;orizzonte geometrico (altezza 0, senza rifrazione), qualunque sia il tempo delle ore uguali</translation>
    </message>
    <message>
        <source>Here the sun stays up, or down, all day around a solstice: %1 are drawn for the days on which it rises and sets</source>
        <translation>Qui il Sole resta sopra, o sotto, l&apos;orizzonte tutto il giorno attorno a un solstizio: %1 sono tracciate per i giorni in cui sorge e tramonta</translation>
    </message>
    <message>
        <source>The plate leaves out the lines of %1 h, when the sun also lights %2</source>
        <translation>La lastra tralascia le linee delle %1, quando il Sole illumina anche %2</translation>
    </message>
    <message>
        <source>No hour line falls on %1&apos;s plate: the sun lights it only at %2 h, whose lines fall off it</source>
        <translation>Nessuna linea oraria cade sulla lastra (%1): il Sole la illumina solo alle %2, le cui linee cadono fuori</translation>
    </message>
    <message>
        <source>the upper face</source>
        <translation>il quadrante superiore</translation>
    </message>
    <message>
        <source>the lower face</source>
        <translation>il quadrante inferiore</translation>
    </message>
    <message>
        <source>the face</source>
        <translation>il quadrante</translation>
    </message>
    <message>
        <source>The dates: along the meridian line from beside F (+ %1), across it (+ %2), and the spot&apos;s length x width</source>
        <translation>Le date: lungo la linea meridiana da accanto a F (+ %1), di traverso (+ %2), e lunghezza x larghezza della macchia</translation>
    </message>
    <message>
        <source>Marked days (metres; along the line + %1, across + %2; x east, y north of F)</source>
        <translation>Giorni segnati (metri; lungo la linea + %1, di traverso + %2; x est, y nord di F)</translation>
    </message>
    <message>
        <source>Marked days (metres; along the line + %1, across + %2; x right, y up of F)</source>
        <translation>Giorni segnati (metri; lungo la linea + %1, di traverso + %2; x a destra, y in alto da F)</translation>
    </message>
    <message>
        <source>Hour lines to the standard clock: the shadow&apos;s point on the equinoxes and the solstices (%1, %2, %3, %4; - off the plate or unlit)</source>
        <translation>Linee orarie dell&apos;ora solare del fuso: il punto d&apos;ombra agli equinozi e ai solstizi (%1, %2, %3, %4; - fuori dalla lastra o non illuminato)</translation>
    </message>
    <message>
        <source>true noon on %1</source>
        <translation>mezzogiorno vero il %1</translation>
    </message>
    <message>
        <source>UTC standard time</source>
        <translation>ora solare UTC</translation>
    </message>
    <message>
        <source>UTC+%1 standard time</source>
        <translation>ora solare UTC+%1</translation>
    </message>
    <message>
        <source>UTC-%1 standard time</source>
        <translation>ora solare UTC-%1</translation>
    </message>
    <message>
        <source>UTC+%1:%2 standard time</source>
        <translation>ora solare UTC+%1:%2</translation>
    </message>
    <message>
        <source>UTC-%1:%2 standard time</source>
        <translation>ora solare UTC-%1:%2</translation>
    </message>
</context>
</TS>
