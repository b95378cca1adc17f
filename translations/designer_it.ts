<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>designer</name>
    <message>
        <source>Each reading&apos;s error in minutes against the clock time: before the fit from %1 to %2 minutes; no fit.</source>
        <translation>Errore di ogni lettura in minuti rispetto all&apos;ora dell&apos;orologio: prima della correzione da %1 a %2 minuti; nessuna correzione.</translation>
    </message>
    <message>
        <source>Each reading&apos;s error in minutes against the clock time: before the fit from %1 to %2 minutes, after it within %3 minutes.</source>
        <translation>Errore di ogni lettura in minuti rispetto all&apos;ora dell&apos;orologio: prima della correzione da %1 a %2 minuti, dopo entro %3 minuti.</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Ora dell&apos;orologio</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>before the fit</source>
        <translation>prima della correzione</translation>
    </message>
    <message>
        <source>after it</source>
        <translation>dopo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Dial showed</source>
        <translation>Segnava la meridiana</translation>
    </message>
    <message>
        <source>Readings of the standing dial</source>
        <translation>Letture dell&apos;orologio solare installato</translation>
    </message>
    <message>
        <source>Each row a reading: the date, the clock&apos;s time and what the dial showed then, as HH:MM or HH:MM:SS. Type into a cell to change it.</source>
        <translation>Ogni riga una lettura: la data, l&apos;ora dell&apos;orologio e ciò che la meridiana segnava allora, come HH:MM o HH:MM:SS. Scrivete in una cella per cambiarla.</translation>
    </message>
    <message>
        <source>Add readin&amp;g</source>
        <translation>A&amp;ggiungi lettura</translation>
    </message>
    <message>
        <source>Add reading</source>
        <translation>Aggiungi lettura</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ri&amp;muovi</translation>
    </message>
    <message>
        <source>Remove the chosen reading</source>
        <translation>Rimuovi la lettura scelta</translation>
    </message>
    <message>
        <source>Refused reading</source>
        <translation>Lettura rifiutata</translation>
    </message>
    <message>
        <source>How the dial stands</source>
        <translation>Come è posto l&apos;orologio solare</translation>
    </message>
    <message>
        <source>What to do</source>
        <translation>Che cosa fare</translation>
    </message>
    <message>
        <source>Each reading&apos;s error before and after the fit</source>
        <translation>Errore di ogni lettura prima e dopo la correzione</translation>
    </message>
    <message>
        <source>type the date, 2027-03-15 or in your locale&apos;s form</source>
        <translation>scrivete la data, 2027-03-15 o nel formato locale</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; cannot be read: type it as 2027-03-15 or in your locale&apos;s form</source>
        <translation>la data &quot;%1&quot; non si legge: scrivetela come 2027-03-15 o nel formato locale</translation>
    </message>
    <message>
        <source>Not checked: a reading is refused (see the message under the table).</source>
        <translation>Non verificato: una lettura è rifiutata (vedi il messaggio sotto la tabella).</translation>
    </message>
    <message>
        <source>type the clock&apos;s time, HH:MM or HH:MM:SS</source>
        <translation>scrivete l&apos;ora dell&apos;orologio, HH:MM o HH:MM:SS</translation>
    </message>
    <message>
        <source>the clock&apos;s time &quot;%1&quot; cannot be read: type HH:MM or HH:MM:SS</source>
        <translation>l&apos;ora dell&apos;orologio &quot;%1&quot; non si legge: scrivete HH:MM o HH:MM:SS</translation>
    </message>
    <message>
        <source>type what the dial showed, HH:MM or HH:MM:SS</source>
        <translation>scrivete ciò che segnava la meridiana, HH:MM o HH:MM:SS</translation>
    </message>
    <message>
        <source>what the dial showed &quot;%1&quot; cannot be read: type HH:MM or HH:MM:SS</source>
        <translation>ciò che segnava la meridiana, &quot;%1&quot;, non si legge: scrivete HH:MM o HH:MM:SS</translation>
    </message>
    <message>
        <source>Not checked while the dial is not drawn.</source>
        <translation>Non verificato finché l&apos;orologio solare non è disegnato.</translation>
    </message>
    <message>
        <source>Not checked: %1.</source>
        <translation>Non verificato: %1.</translation>
    </message>
    <message>
        <source>Turn: %1 ± %2 anticlockwise, seen from above</source>
        <translation>Rotazione: %1 ± %2 in senso antiorario, vista dall&apos;alto</translation>
    </message>
    <message>
        <source>Turn: %1 ± %2 clockwise, seen from above</source>
        <translation>Rotazione: %1 ± %2 in senso orario, vista dall&apos;alto</translation>
    </message>
    <message>
        <source>Lean: %1 ± %2, the face leaning %3</source>
        <translation>Pendenza: %1 ± %2, il quadrante pende %3</translation>
    </message>
    <message>
        <source>Offset: %1 ± %2 minutes, the dial behind the clock</source>
        <translation>Scarto: %1 ± %2 minuti, la meridiana indietro rispetto all&apos;orologio</translation>
    </message>
    <message>
        <source>Offset: %1 ± %2 minutes, the dial ahead of the clock</source>
        <translation>Scarto: %1 ± %2 minuti, la meridiana avanti rispetto all&apos;orologio</translation>
    </message>
    <message>
        <source>Left after the fit: %1 minutes rms over %2 readings</source>
        <translation>Resto dopo la correzione: %1 minuti (scarto quadratico medio) su %2 letture</translation>
    </message>
    <message>
        <source>No readings yet.</source>
        <translation>Ancora nessuna lettura.</translation>
    </message>
    <message>
        <source>Turn, lean and offset not found from these readings.</source>
        <translation>Rotazione, pendenza e scarto non ricavabili da queste letture.</translation>
    </message>
    <message>
        <source>Reading %1: %2.</source>
        <translation>Lettura %1: %2.</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Non verificato</translation>
    </message>
    <message>
        <source>dial designer</source>
        <translation>progettista di quadranti</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 ora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 ore</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 secondo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondi</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day of the month, then the month&apos;s name</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>add nothing</source>
        <translation>non aggiungere nulla</translation>
    </message>
    <message>
        <source>add %1</source>
        <comment>a correction, as 4 minutes 32 seconds</comment>
        <translation>aggiungere %1</translation>
    </message>
    <message>
        <source>take off %1</source>
        <comment>a correction, as 4 minutes 32 seconds</comment>
        <translation>togliere %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a date, then its correction</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No correction card for this site.</source>
        <translation>Nessuna tabella di correzione per questo luogo.</translation>
    </message>
    <message>
        <source>Correction card for %1, what to add to the dial&apos;s reading: the most, on %2, %3; the least, on %4, %5.</source>
        <translation>Tabella di correzione per il %1, cosa aggiungere alla lettura della meridiana: il massimo, il %2, %3; il minimo, il %4, %5.</translation>
    </message>
    <message>
        <source>Type %1 from %2 to %3 %4.</source>
        <translation>Scrivete %1 da %2 a %3 %4.</translation>
    </message>
    <message>
        <source>Not drawn: a setting is refused (see the message beside its box).</source>
        <translation>Non disegnato: un&apos;impostazione è rifiutata (vedi il messaggio accanto alla sua casella).</translation>
    </message>
    <message>
        <source>Not drawn: %1.</source>
        <translation>Non disegnato: %1.</translation>
    </message>
    <message>
        <source>Style height: not shown while a setting is refused</source>
        <translation>Altezza dello stilo: non mostrata finché un&apos;impostazione è rifiutata</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Distance from the foot to the line (mm)</source>
        <translation>Distanza dal piede alla linea (mm)</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Quadrante</translation>
    </message>
    <message>
        <source>figure-8</source>
        <translation>lemniscata</translation>
    </message>
    <message>
        <source>%1. Add the figure to the time the dial shows to get the clock time; negative: subtract.</source>
        <translation>%1. Aggiungete il valore all&apos;ora segnata dalla meridiana per avere l&apos;ora dell&apos;orologio; se negativo, sottraetelo.</translation>
    </message>
    <message>
        <source>Save them as a PDF file?</source>
        <translation>Salvarle come file PDF?</translation>
    </message>
    <message>
        <source>Print them?</source>
        <translation>Stamparle?</translation>
    </message>
    <message>
        <source>This dial takes %1 pages of %2 paper. %3</source>
        <translation>Questo orologio solare occupa %1 pagine in formato %2. %3</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Painting the dial&apos;s pages...</source>
        <translation>Disegno delle pagine dell&apos;orologio solare...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Painting page %1 of %2...</source>
        <translation>Disegno della pagina %1 di %2...</translation>
    </message>
    <message>
        <source>Save Dial as %1</source>
        <translation>Salva l&apos;orologio solare come %1</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>File %1 (*.%2)</translation>
    </message>
    <message>
        <source>The dial could not be saved as %1.</source>
        <translation>Non è stato possibile salvare l&apos;orologio solare come %1.</translation>
    </message>
    <message>
        <source>Saved the dial as %1.</source>
        <translation>Orologio solare salvato come %1.</translation>
    </message>
    <message>
        <source>Dial Designer</source>
        <translation>Progettista di quadranti</translation>
    </message>
    <message>
        <source>The dial, drawn to scale</source>
        <translation>L&apos;orologio solare, disegnato in scala</translation>
    </message>
    <message>
        <source>Sun time puts noon on the meridian; zone time differs from the clock by the equation of time only</source>
        <translation>Il tempo vero locale pone il mezzogiorno sul meridiano; il tempo del fuso differisce dall&apos;orologio solo per l&apos;equazione del tempo</translation>
    </message>
    <message>
        <source>Dial &amp;type:</source>
        <translation>&amp;Tipo di orologio:</translation>
    </message>
    <message>
        <source>&amp;Hour lines every:</source>
        <translation>&amp;Linee orarie ogni:</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>&amp;Ora:</translation>
    </message>
    <message>
        <source>Date &amp;lines:</source>
        <translation>Linee d&amp;iurne:</translation>
    </message>
    <message>
        <source>Hour lines</source>
        <translation>Linee orarie</translation>
    </message>
    <message>
        <source>Two tapes to each hour mark, from C and from N</source>
        <translation>Due nastri per ogni segno orario, da C e da N</translation>
    </message>
    <message>
        <source>Hour line&amp;s</source>
        <translation>Linee o&amp;rarie</translation>
    </message>
    <message>
        <source>Correction c&amp;ard</source>
        <translation>Tabella di corr&amp;ezione</translation>
    </message>
    <message>
        <source>Check &amp;readings</source>
        <translation>Veri&amp;fica letture</translation>
    </message>
    <message>
        <source>What to add to the dial&apos;s reading, over the year</source>
        <translation>Cosa aggiungere alla lettura della meridiana, nel corso dell&apos;anno</translation>
    </message>
    <message>
        <source>Add (min:s)</source>
        <translation>Aggiungere (min:s)</translation>
    </message>
    <message>
        <source>Add (s)</source>
        <translation>Aggiungere (s)</translation>
    </message>
    <message>
        <source>Correction card by week</source>
        <translation>Tabella di correzione per settimana</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Salva come P&amp;DF</translation>
    </message>
    <message>
        <source>Save as S&amp;VG</source>
        <translation>Salva come S&amp;VG</translation>
    </message>
    <message>
        <source>Save as D&amp;XF</source>
        <translation>Salva come D&amp;XF</translation>
    </message>
    <message>
        <source>The same drawing for laser cutters and routers</source>
        <translation>Lo stesso disegno per taglio laser e fresatrici</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Chi&amp;udi</translation>
    </message>
    <message>
        <source>Sta&amp;king out</source>
        <translation>Tra&amp;cciamento</translation>
    </message>
    <message>
        <source>The date whose shadow the dial shows</source>
        <translation>La data di cui l&apos;orologio solare mostra l&apos;ombra</translation>
    </message>
    <message>
        <source>The clock&apos;s time whose shadow the dial shows</source>
        <translation>L&apos;ora dell&apos;orologio di cui l&apos;orologio solare mostra l&apos;ombra</translation>
    </message>
    <message>
        <source>Day of the year</source>
        <translation>Giorno dell&apos;anno</translation>
    </message>
    <message>
        <source>Time of day, every 5 minutes</source>
        <translation>Ora del giorno, ogni 5 minuti</translation>
    </message>
    <message>
        <source>What the dial reads at the chosen moment</source>
        <translation>Ciò che segna l&apos;orologio solare nel momento scelto</translation>
    </message>
    <message>
        <source>Shadow &amp;on:</source>
        <translation>Ombra &amp;al:</translation>
    </message>
    <message>
        <source>Time of da&amp;y:</source>
        <translation>Ora del gior&amp;no:</translation>
    </message>
    <message>
        <source>Day &amp;by day:</source>
        <translation>Giorno &amp;per giorno:</translation>
    </message>
    <message>
        <source>Every &amp;5 minutes:</source>
        <translation>Ogni &amp;5 minuti:</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Uguali</translation>
    </message>
    <message>
        <source>Equal hours</source>
        <translation>Ore uguali</translation>
    </message>
    <message>
        <source>Today&apos;s hour lines</source>
        <translation>Le linee orarie di oggi</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiche</translation>
    </message>
    <message>
        <source>Italian hours</source>
        <translation>Ore italiche</translation>
    </message>
    <message>
        <source>Hours since the previous sunset, 24 at sunset</source>
        <translation>Ore dal tramonto precedente, 24 al tramonto</translation>
    </message>
    <message>
        <source>Babylonian</source>
        <translation>Babiloniche</translation>
    </message>
    <message>
        <source>Babylonian hours</source>
        <translation>Ore babiloniche</translation>
    </message>
    <message>
        <source>Hours since sunrise</source>
        <translation>Ore dal sorgere del sole</translation>
    </message>
    <message>
        <source>Unequal</source>
        <translation>Temporarie</translation>
    </message>
    <message>
        <source>Unequal hours</source>
        <translation>Ore temporarie</translation>
    </message>
    <message>
        <source>Twelfths of the daylight since sunrise</source>
        <translation>Dodicesimi del dì dal sorgere del sole</translation>
    </message>
    <message>
        <source>Special date</source>
        <translation>Data speciale</translation>
    </message>
    <message>
        <source>Label (optional)</source>
        <translation>Etichetta (facoltativa)</translation>
    </message>
    <message>
        <source>Special date&apos;s label</source>
        <translation>Etichetta della data speciale</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Add the special date</source>
        <translation>Aggiungi la data speciale</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove the chosen special date</source>
        <translation>Rimuovi la data speciale scelta</translation>
    </message>
    <message>
        <source>Special dates</source>
        <translation>Date speciali</translation>
    </message>
    <message>
        <source>A date line each, for the sun&apos;s declination at noon on that day</source>
        <translation>Una linea diurna ciascuna, per la declinazione del sole a mezzogiorno di quel giorno</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Ore:</translation>
    </message>
    <message>
        <source>Special dates:</source>
        <translation>Date speciali:</translation>
    </message>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>nord-est</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>sud-est</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sud</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>sud-ovest</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ovest</translation>
    </message>
    <message>
        <source>north-west</source>
        <translation>nord-ovest</translation>
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
        <translation>Il quadrante visto di lato</translation>
    </message>
    <message>
        <source>Seen from the side, %1 to the right and %2 to the left: the level ground dashed; the face %3° from level, its front (the lit side) towards %4°, %1; the style along the Earth&apos;s axis, rising %5° towards the %6.</source>
        <translation>Visto di lato, %1 a destra e %2 a sinistra: il suolo orizzontale tratteggiato; il quadrante a %3° dall&apos;orizzontale, il suo fronte (il lato illuminato) verso %4°, %1; lo stilo lungo l&apos;asse terrestre, che sale di %5° verso %6.</translation>
    </message>
    <message>
        <source>level</source>
        <translation>orizzontale</translation>
    </message>
    <message>
        <source>face</source>
        <translation>quadrante</translation>
    </message>
    <message>
        <source>front, style</source>
        <translation>fronte, stilo</translation>
    </message>
    <message>
        <source>front</source>
        <translation>fronte</translation>
    </message>
    <message>
        <source>style</source>
        <translation>stilo</translation>
    </message>
</context>
</TS>
