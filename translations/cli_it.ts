<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>cli</name>
    <message>
        <source>--language %1: not one of %2; the answer is in English</source>
        <translation>--language %1: non è tra %2; la risposta è in inglese</translation>
    </message>
    <message>
        <source>Check against the clock (%1 readings)</source>
        <translation>Confronto con l&apos;orologio (%1 letture)</translation>
    </message>
    <message>
        <source>turn (clockwise from above)</source>
        <translation>rotazione (oraria vista dall&apos;alto)</translation>
    </message>
    <message>
        <source>lean (more tilt from the zenith)</source>
        <translation>inclinazione (più inclinazione dallo zenit)</translation>
    </message>
    <message>
        <source>offset (dial late)</source>
        <translation>scarto (meridiana in ritardo)</translation>
    </message>
    <message>
        <source>rms after the fit</source>
        <translation>rms dopo l&apos;adattamento</translation>
    </message>
    <message>
        <source>date</source>
        <translation>data</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>orologio</translation>
    </message>
    <message>
        <source>dial</source>
        <translation>meridiana</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>atteso</translation>
    </message>
    <message>
        <source>error min</source>
        <translation>errore min</translation>
    </message>
    <message>
        <source>residual min</source>
        <translation>residuo min</translation>
    </message>
    <message>
        <source>the date: m/d/yyyy, yyyy-mm-dd or your locale&apos;s own form</source>
        <translation>la data: m/d/yyyy, yyyy-mm-dd o la forma delle impostazioni locali</translation>
    </message>
    <message>
        <source>latitude in degrees, north positive; 40.655N, 40°39&apos;18&quot;N and 40 39.3 N are read too</source>
        <translation>latitudine in gradi, nord positivo; si leggono anche 40.655N, 40°39&apos;18&quot;N e 40 39.3 N</translation>
    </message>
    <message>
        <source>longitude in degrees, east positive; 72.855W, W 72.855 and 72°51&apos;18&quot;W are read too</source>
        <translation>longitudine in gradi, est positivo; si leggono anche 72.855W, W 72.855 e 72°51&apos;18&quot;W</translation>
    </message>
    <message>
        <source>the zone&apos;s standard offset from UTC, also in summer: -5, +5:30, +5:45 (New York in July: --utc-offset -5 --daylight-saving, not -4)</source>
        <translation>lo scarto dell&apos;ora solare del fuso da UTC, anche d&apos;estate: -5, +5:30, +5:45 (New York a luglio: --utc-offset -5 --daylight-saving, non -4)</translation>
    </message>
    <message>
        <source>with --utc-offset: the clock shows standard time</source>
        <translation>con --utc-offset: l&apos;orologio segna l&apos;ora solare</translation>
    </message>
    <message>
        <source>with --utc-offset: the clock shows daylight-saving time, one hour ahead</source>
        <translation>con --utc-offset: l&apos;orologio segna l&apos;ora legale, un&apos;ora avanti</translation>
    </message>
    <message>
        <source>instead of the three above: a time zone such as America/New_York or Asia/Kolkata, whose offset and daylight saving on each day come from its rules</source>
        <translation>invece delle tre sopra: un fuso orario come America/New_York o Asia/Kolkata, il cui scarto e l&apos;ora legale di ogni giorno vengono dalle sue regole</translation>
    </message>
    <message>
        <source>instead of --latitude, --longitude and the clock: a town or city of 1,000 or more people, with its country or region after a comma where the name is shared (Zurich, &quot;Paris, Texas&quot;, &quot;Springfield, US&quot;); its latitude, longitude and time zone, each unless given with its own option</source>
        <translation>invece di --latitude, --longitude e dell&apos;orologio: una località di almeno 1.000 abitanti, con paese o regione dopo una virgola se il nome è condiviso (Zurich, &quot;Paris, Texas&quot;, &quot;Springfield, US&quot;); la sua latitudine, longitudine e fuso orario, ciascuno salvo se dato con la propria opzione</translation>
    </message>
    <message>
        <source>days in the days table, 1 to 366 (default 1)</source>
        <translation>giorni nella tabella dei giorni, da 1 a 366 (predefinito 1)</translation>
    </message>
    <message>
        <source>also when the sun stands at this bearing (0 to under 360, from north through east); up to 8 times</source>
        <translation>anche quando il sole si trova a questo azimut (da 0 a meno di 360, da nord verso est); fino a 8 volte</translation>
    </message>
    <message>
        <source>also when the sun&apos;s centre reaches this height (-1 to under 90 degrees); up to 8 times</source>
        <translation>anche quando il centro del sole raggiunge questa altezza (da -1 a meno di 90 gradi); fino a 8 volte</translation>
    </message>
    <message>
        <source>a wall&apos;s facing from a plumb line&apos;s shadow on a level board: the clock time and the angle from the line square to the wall (towards it) to the shadow, clockwise positive; up to 20 times</source>
        <translation>l&apos;orientamento di una parete dall&apos;ombra di un filo a piombo su una tavola in bolla: l&apos;ora dell&apos;orologio e l&apos;angolo dalla linea perpendicolare alla parete (verso di essa) all&apos;ombra, positivo in senso orario; fino a 20 volte</translation>
    </message>
    <message>
        <source>the clock time at which you marked the shadow: its bearing and the turn onto the nearest true line</source>
        <translation>l&apos;ora dell&apos;orologio in cui ha segnato l&apos;ombra: il suo azimut e la rotazione sulla linea vera più vicina</translation>
    </message>
    <message>
        <source>instead of the field data: a sundial for the site, with its hour lines, style, gnomon and date lines; KIND is one of: %1</source>
        <translation>invece dei dati di campo: un orologio solare per il luogo, con linee orarie, stilo, gnomone e linee diurne; KIND è uno tra: %1</translation>
    </message>
    <message>
        <source>the direction the face looks, from north through east (180 = south): the wall&apos;s facing; for --dial polar instead of the equator&apos;s side</source>
        <translation>la direzione verso cui guarda il quadrante, da nord verso est (180 = sud): l&apos;orientamento della parete; per --dial polar invece del lato dell&apos;equatore</translation>
    </message>
    <message>
        <source>with --dial plane: the angle from the zenith to the face&apos;s outward normal (0 level, 90 upright)</source>
        <translation>con --dial plane: l&apos;angolo dallo zenit alla normale esterna del quadrante (0 orizzontale, 90 verticale)</translation>
    </message>
    <message>
        <source>the nodus&apos;s height above the dial&apos;s face in mm (default 100)</source>
        <translation>l&apos;altezza del nodo gnomonico sopra il quadrante in mm (predefinita 100)</translation>
    </message>
    <message>
        <source>the plate&apos;s width and height in mm, 50 to 5000 (default 300x300)</source>
        <translation>larghezza e altezza della lastra in mm, da 50 a 5000 (predefinite 300x300)</translation>
    </message>
    <message>
        <source>with --dial analemmatic: the ellipse&apos;s half-width east-west in metres, 0.1 to 50 (default 2.5)</source>
        <translation>con --dial analemmatic: la semilarghezza est-ovest dell&apos;ellisse in metri, da 0.1 a 50 (predefinita 2.5)</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the hole&apos;s height above the floor, or out from the wall, in metres, 0.1 to 50</source>
        <translation>con --dial noon-mark: l&apos;altezza del foro sopra il pavimento, o la sua distanza dalla parete, in metri, da 0.1 a 50</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the round hole&apos;s diameter in mm, 1 to 200 (default 10)</source>
        <translation>con --dial noon-mark: il diametro del foro rotondo in mm, da 1 a 200 (predefinito 10)</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the time of the zone&apos;s standard clock to mark (default 12:00; 13:00 for summer time)</source>
        <translation>con --dial noon-mark: l&apos;ora solare del fuso da segnare (predefinita 12:00; 13:00 per l&apos;ora legale)</translation>
    </message>
    <message>
        <source>with --dial bifilar: the height above the face of the wire along the plate&apos;s x axis, 5 mm to the plate&apos;s smaller side (default: the height that spaces the hours evenly where one does, else the y-wire&apos;s)</source>
        <translation>con --dial bifilar: l&apos;altezza sopra il quadrante del filo lungo l&apos;asse x della lastra, da 5 mm al lato minore della lastra (predefinita: l&apos;altezza che spazia le ore in modo uniforme, se esiste, altrimenti quella del filo y)</translation>
    </message>
    <message>
        <source>with --dial bifilar: the height above the face of the wire along the plate&apos;s y axis, 5 mm to the plate&apos;s smaller side (default 100)</source>
        <translation>con --dial bifilar: l&apos;altezza sopra il quadrante del filo lungo l&apos;asse y della lastra, da 5 mm al lato minore della lastra (predefinita 100)</translation>
    </message>
    <message>
        <source>an hour line every 60 (default), 30 or 15 minutes</source>
        <translation>una linea oraria ogni 60 (predefinito), 30 o 15 minuti</translation>
    </message>
    <message>
        <source>sun (default): the dial shows local sun time; zone: its 12 line is the zone meridian&apos;s mean noon; clock: each hour line is the figure-8 the shadow traces at that hour of the zone&apos;s standard clock</source>
        <translation>sun (predefinito): l&apos;orologio segna il tempo vero locale; zone: la sua linea delle 12 è il mezzogiorno medio del meridiano del fuso; clock: ogni linea oraria è la lemniscata che l&apos;ombra traccia a quell&apos;ora dell&apos;orologio del fuso in ora solare</translation>
    </message>
    <message>
        <source>none, solstices (default: the solstices and the equinox) or months (also the first of each month)</source>
        <translation>none, solstices (predefinito: i solstizi e l&apos;equinozio) o months (anche il primo di ogni mese)</translation>
    </message>
    <message>
        <source>a comma list of the hour systems drawn: equal (default), italian (hours since the previous sunset), babylonian (since sunrise), unequal (twelfths of the daylight); not for --dial analemmatic or noon-mark</source>
        <translation>un elenco separato da virgole dei sistemi orari tracciati: equal (predefinito), italian (ore dal tramonto precedente), babylonian (dall&apos;alba), unequal (dodicesimi del dì); non per --dial analemmatic o noon-mark</translation>
    </message>
    <message>
        <source>a date line for the sun&apos;s declination at noon on that month and day, labelled (up to 40 characters) or by its date and the other day of the same declination; up to 12 times</source>
        <translation>una linea diurna per la declinazione del sole a mezzogiorno di quel mese e giorno, con un&apos;etichetta (fino a 40 caratteri) o con la sua data e l&apos;altro giorno di uguale declinazione; fino a 12 volte</translation>
    </message>
    <message>
        <source>with --dial: the correction card, what to add to the dial&apos;s reading each day for the clock</source>
        <translation>con --dial: la tabella di correzione, quanto aggiungere ogni giorno alla lettura dell&apos;orologio solare per l&apos;ora dell&apos;orologio</translation>
    </message>
    <message>
        <source>with --dial: the dial drawn at full scale as SVG, in millimetres</source>
        <translation>con --dial: l&apos;orologio disegnato a grandezza naturale in SVG, in millimetri</translation>
    </message>
    <message>
        <source>with --dial: the same drawing as DXF for cutters and routers, in millimetres, one layer per part</source>
        <translation>con --dial: lo stesso disegno in DXF per plotter da taglio e fresatrici, in millimetri, un livello per parte</translation>
    </message>
    <message>
        <source>with --dial: the correction card alone as SVG</source>
        <translation>con --dial: la sola tabella di correzione in SVG</translation>
    </message>
    <message>
        <source>with --svg or --dxf: the drawing at 1:N, a plan (default 1:1)</source>
        <translation>con --svg o --dxf: il disegno in scala 1:N, una pianta (predefinita 1:1)</translation>
    </message>
    <message>
        <source>with --dial: the dial printed at full scale as PDF, over as many pages as it needs</source>
        <translation>con --dial: l&apos;orologio stampato a grandezza naturale in PDF, su quante pagine servono</translation>
    </message>
    <message>
        <source>with --dial: a standing dial checked against the clock: the date, the clock&apos;s time and what the dial showed then (in its own time, sun or zone); up to 100 times, fitted for how the dial stands turned and leaned</source>
        <translation>con --dial: un orologio solare già posato confrontato con l&apos;orologio: la data, l&apos;ora dell&apos;orologio e ciò che segnava allora la meridiana (nel suo tempo, sun o zone); fino a 100 volte, adattato a come è ruotato e inclinato</translation>
    </message>
    <message>
        <source>instead of the field data, with no site: an old dial&apos;s latitude (and for vertical its wall&apos;s facing) from its hour lines; KIND is horizontal or vertical</source>
        <translation>invece dei dati di campo, senza luogo: la latitudine di un vecchio orologio solare (e per vertical l&apos;orientamento della sua parete) dalle sue linee orarie; KIND è horizontal o vertical</translation>
    </message>
    <message>
        <source>with --find-dial, once a line: its hour in sun time and its angle at the root from the noon line, as --dial&apos;s angle_deg: + towards x, east on a level dial, right on a wall</source>
        <translation>con --find-dial, una volta per linea: la sua ora in tempo vero locale e il suo angolo alla radice dalla linea del mezzogiorno, come angle_deg di --dial: + verso x, est su un orologio orizzontale, destra su una parete</translation>
    </message>
    <message>
        <source>also how far a compass points from true north at the site on the date, from the World Magnetic Model WMM2025 (2025.0 to 2030.0)</source>
        <translation>anche quanto una bussola si scosta dal nord vero nel luogo e alla data, secondo il World Magnetic Model WMM2025 (dal 2025.0 al 2030.0)</translation>
    </message>
    <message>
        <source>text (default), json or csv</source>
        <translation>text (predefinito), json o csv</translation>
    </message>
    <message>
        <source>the language of the answer: en, de, es, fr, it or nl; without it the desktop&apos;s (LANGUAGE, LC_MESSAGES, LANG)</source>
        <translation>la lingua della risposta: en, de, es, fr, it o nl; senza, quella del desktop (LANGUAGE, LC_MESSAGES, LANG)</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>mostra questo testo</translation>
    </message>
    <message>
        <source>show the program&apos;s version</source>
        <translation>mostra la versione del programma</translation>
    </message>
    <message>
        <source>%1 may be given at most %2 times</source>
        <translation>%1 può essere dato al massimo %2 volte</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: give degrees from %3 to under %4</source>
        <translation>%1 &quot;%2&quot;: indicare gradi da %3 a meno di %4</translation>
    </message>
    <message>
        <source>--wall-reading may be given at most 20 times</source>
        <translation>--wall-reading può essere dato al massimo 20 volte</translation>
    </message>
    <message>
        <source>--wall-reading &quot;%1&quot;: give the clock time and the angle in degrees, such as 10:15:00@-23.5</source>
        <translation>--wall-reading &quot;%1&quot;: indicare l&apos;ora dell&apos;orologio e l&apos;angolo in gradi, ad esempio 10:15:00@-23.5</translation>
    </message>
    <message>
        <source>--wall-reading &quot;%1&quot;: the angle must lie between -90 and 90 degrees; the sun then shines on the wall</source>
        <translation>--wall-reading &quot;%1&quot;: l&apos;angolo deve essere tra -90 e 90 gradi; allora il sole illumina la parete</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>give either --utc-offset with --standard or --daylight-saving, or --zone</source>
        <translation>indicare --utc-offset con --standard o --daylight-saving, oppure --zone</translation>
    </message>
    <message>
        <source>--zone takes the daylight saving from the zone&apos;s rules: leave out --standard and --daylight-saving</source>
        <translation>--zone ricava l&apos;ora legale dalle regole del fuso: omettere --standard e --daylight-saving</translation>
    </message>
    <message>
        <source>--place takes the daylight saving from the place&apos;s time zone (%1): leave out --standard and --daylight-saving, or give --utc-offset with them</source>
        <translation>--place ricava l&apos;ora legale dal fuso orario del luogo (%1): omettere --standard e --daylight-saving, o indicare con esse --utc-offset</translation>
    </message>
    <message>
        <source>--utc-offset must be hours with an optional sign and minutes, such as -5, +5:30 or +5:45, not &quot;%1&quot;</source>
        <translation>--utc-offset deve essere in ore con segno e minuti facoltativi, ad esempio -5, +5:30 o +5:45, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no time zone has the offset %1</source>
        <translation>nessun fuso orario ha lo scarto %1</translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot;</source>
        <translation>fuso orario sconosciuto &quot;%1&quot;</translation>
    </message>
    <message>
        <source>; give a name such as America/New_York or Asia/Kolkata</source>
        <translation>; indicare un nome come America/New_York o Asia/Kolkata</translation>
    </message>
    <message>
        <source>: did you mean %1?</source>
        <translation>: intendeva %1?</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>--days must be a whole number from 1 to 366</source>
        <translation>--days deve essere un numero intero da 1 a 366</translation>
    </message>
    <message>
        <source>--mark must be a clock time HH:MM or HH:MM:SS, such as 08:55:10</source>
        <translation>--mark deve essere un&apos;ora HH:MM o HH:MM:SS, ad esempio 08:55:10</translation>
    </message>
    <message>
        <source>%1: the zone&apos;s offset on %2 is not a whole number of minutes</source>
        <translation>%1: lo scarto del fuso il %2 non è un numero intero di minuti</translation>
    </message>
    <message>
        <source>%1: no time zone has its offset on %2 (%3)</source>
        <translation>%1: nessun fuso orario ha il suo scarto del %2 (%3)</translation>
    </message>
    <message>
        <source>write m/d/yyyy (6/21/2027), yyyy-mm-dd (2027-06-21) or this computer&apos;s own form (%1)</source>
        <translation>scrivere m/d/yyyy (6/21/2027), yyyy-mm-dd (2027-06-21) o la forma di questo computer (%1)</translation>
    </message>
    <message>
        <source>degrees from -90 to 90, north positive, with %1</source>
        <translation>gradi da -90 a 90, nord positivo, con %1</translation>
    </message>
    <message>
        <source>degrees from -180 to 180, east positive (-72.855) or with a letter (72.855W), not both, with %1</source>
        <translation>gradi da -180 a 180, est positivo (-72.855) o con una lettera (72.855W), non entrambi, con %1</translation>
    </message>
    <message>
        <source> Add --standard or --daylight-saving to --utc-offset, or give --zone.</source>
        <translation> Aggiungere --standard o --daylight-saving a --utc-offset, oppure indicare --zone.</translation>
    </message>
    <message>
        <source> (with %1)</source>
        <translation> (con %1)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source> (%1 optional)</source>
        <translation> (%1 facoltativo)</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Manca un valore dopo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valore inatteso dopo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source> orvane --help lists the options.</source>
        <translation> orvane --help elenca le opzioni.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argomento inatteso &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 è dato più di una volta</translation>
    </message>
    <message>
        <source>--format must be text, json or csv</source>
        <translation>--format deve essere text, json o csv</translation>
    </message>
    <message>
        <source>--latitude &quot;%1&quot; holds a latitude and a longitude: give the longitude with --longitude</source>
        <translation>--latitude &quot;%1&quot; contiene una latitudine e una longitudine: indicare la longitudine con --longitude</translation>
    </message>
    <message>
        <source>--dial %1 at latitude %2: %3</source>
        <translation>--dial %1 alla latitudine %2: %3</translation>
    </message>
    <message>
        <source>--magnetic: the date %1 lies outside the years of the World Magnetic Model %2 (%3)</source>
        <translation>--magnetic: la data %1 è fuori dagli anni del World Magnetic Model %2 (%3)</translation>
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
             oppure --date DATE --place NAME, coordinate e orologio facoltativi)
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
             [--card-svg FILE] [--pdf FILE], con data, luogo e orologio
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
        <translation>Senza opzioni Orvane apre la sua finestra. Con le opzioni stampa, per la data e
il luogo, le ore dell&apos;orologio in cui il sole si trova esattamente a est, sul
meridiano ed esattamente a ovest, accanto gli istanti del sole vero, dove punta
l&apos;ombra e quanto velocemente ruota, e le stesse ore per i giorni seguenti. Con
--dial traccia invece un orologio solare per il luogo; con --find-dial ricava
la latitudine di un vecchio orologio solare, e l&apos;orientamento della sua parete,
dagli angoli delle sue linee orarie.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Esempi:</translation>
    </message>
    <message>
        <source>--check-reading &quot;%1&quot; (reading %2): %3</source>
        <translation>--check-reading &quot;%1&quot; (lettura %2): %3</translation>
    </message>
    <message>
        <source>--pdf &quot;%1&quot;: %2 pages</source>
        <translation>--pdf &quot;%1&quot;: %2 pagine</translation>
    </message>
    <message>
        <source>--wall-reading %1 (reading %2): %3</source>
        <translation>--wall-reading %1 (lettura %2): %3</translation>
    </message>
    <message>
        <source>the sun is below the horizon then</source>
        <translation>il sole è allora sotto l&apos;orizzonte</translation>
    </message>
    <message>
        <source>the angle must lie between -90 and 90 degrees</source>
        <translation>l&apos;angolo deve essere tra -90 e 90 gradi</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>--pdf &quot;%1&quot;: PDF output needs the window&apos;s libraries, which this program was built without; write --svg instead</source>
        <translation>--pdf &quot;%1&quot;: l&apos;uscita PDF richiede le librerie della finestra, senza le quali è stato compilato questo programma; usare invece --svg</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: the pages could not be painted</source>
        <translation>impossibile scrivere &quot;%1&quot;: non è stato possibile disegnare le pagine</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>not in %1; </source>
        <translation>non in %1; </translation>
    </message>
    <message>
        <source>not a number with %1; </source>
        <translation>non è un numero con %1; </translation>
    </message>
    <message>
        <source>not a time; </source>
        <translation>non è un&apos;ora; </translation>
    </message>
    <message>
        <source>--plate &quot;%1&quot;: the nodus height (%2 mm) must not exceed the plate&apos;s smaller side; give --%3</source>
        <translation>--plate &quot;%1&quot;: l&apos;altezza del nodo gnomonico (%2 mm) non deve superare il lato minore della lastra; indicare --%3</translation>
    </message>
    <message>
        <source>%1 is for --dial %2; %3 takes none</source>
        <translation>%1 è per --dial %2; %3 non lo accetta</translation>
    </message>
    <message>
        <source>give the width and height in mm, such as 300x300</source>
        <translation>indicare larghezza e altezza in mm, ad esempio 300x300</translation>
    </message>
    <message>
        <source>--check-reading may be given at most %1 times</source>
        <translation>--check-reading può essere dato al massimo %1 volte</translation>
    </message>
    <message>
        <source>--check-reading &quot;%1&quot;: give the date, the clock&apos;s time and what the dial showed then, such as &quot;2027-03-01 10:15=10:27&quot; (YYYY-MM-DD HH:MM[:SS]=HH:MM[:SS])</source>
        <translation>--check-reading &quot;%1&quot;: indicare la data, l&apos;ora dell&apos;orologio e ciò che segnava allora la meridiana, ad esempio &quot;2027-03-01 10:15=10:27&quot; (YYYY-MM-DD HH:MM[:SS]=HH:MM[:SS])</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 è dato due volte</translation>
    </message>
    <message>
        <source>give a comma list of equal, italian, babylonian and unequal</source>
        <translation>indicare un elenco separato da virgole di equal, italian, babylonian e unequal</translation>
    </message>
    <message>
        <source>--date-line may be given at most %1 times</source>
        <translation>--date-line può essere dato al massimo %1 volte</translation>
    </message>
    <message>
        <source>--date-line &quot;%1&quot;: give a date that exists, YYYY-MM-DD, and a label after = if wanted, such as 1990-05-14=Anna</source>
        <translation>--date-line &quot;%1&quot;: indicare una data esistente, YYYY-MM-DD, e un&apos;etichetta dopo = se desiderata, ad esempio 1990-05-14=Anna</translation>
    </message>
    <message>
        <source>--date-line &quot;%1&quot;: give %2</source>
        <translation>--date-line &quot;%1&quot;: indicare %2</translation>
    </message>
    <message>
        <source>%1 goes with --dial %2</source>
        <translation>%1 va con --dial %2</translation>
    </message>
    <message>
        <source>%1 is for the field data, which --dial does not print</source>
        <translation>%1 è per i dati di campo, che --dial non stampa</translation>
    </message>
    <message>
        <source>give %1</source>
        <translation>indicare %1</translation>
    </message>
    <message>
        <source>give 60, 30 or 15 minutes</source>
        <translation>indicare 60, 30 o 15 minuti</translation>
    </message>
    <message>
        <source>give sun, zone or clock</source>
        <translation>indicare sun, zone o clock</translation>
    </message>
    <message>
        <source>give none, solstices or months</source>
        <translation>indicare none, solstices o months</translation>
    </message>
    <message>
        <source>give 1:N, N a whole number from 1 to %1, such as 1:50</source>
        <translation>indicare 1:N, con N numero intero da 1 a %1, ad esempio 1:50</translation>
    </message>
    <message>
        <source>--scale goes with --svg or --dxf</source>
        <translation>--scale va con --svg o --dxf</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 richiede un nome di file</translation>
    </message>
    <message>
        <source>--card-svg: a dial drawn to the clock (--dial-time clock) needs no correction card</source>
        <translation>--card-svg: un orologio solare disegnato sull&apos;orologio (--dial-time clock) non richiede tabella di correzione</translation>
    </message>
    <message>
        <source>zone time (the 12 line at UTC%1&apos;s mean noon)</source>
        <translation>ora del fuso (la linea delle 12 al mezzogiorno medio di UTC%1)</translation>
    </message>
    <message>
        <source>sun time</source>
        <translation>tempo vero locale</translation>
    </message>
    <message>
        <source>Correction card %1: add to the dial&apos;s reading to get the clock&apos;s time</source>
        <translation>Tabella di correzione %1: da aggiungere alla lettura della meridiana per avere l&apos;ora dell&apos;orologio</translation>
    </message>
    <message>
        <source>week from</source>
        <translation>settimana dal</translation>
    </message>
    <message>
        <source>add</source>
        <translation>aggiungere</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>%1 for latitude %2, longitude %3, showing %4
</source>
        <translation>%1 per latitudine %2, longitudine %3, segna %4
</translation>
    </message>
    <message>
        <source>give the hour in sun time and the angle in degrees, such as 9=-37.5</source>
        <translation>indicare l&apos;ora in tempo vero locale e l&apos;angolo in gradi, ad esempio 9=-37.5</translation>
    </message>
    <message>
        <source>the hour must be from 0 to under 24</source>
        <translation>l&apos;ora deve essere da 0 a meno di 24</translation>
    </message>
    <message>
        <source>the angle must lie between -90 and 90 degrees: a line at the root makes less than a right angle with the noon line</source>
        <translation>l&apos;angolo deve essere tra -90 e 90 gradi: alla radice una linea forma meno di un angolo retto con la linea del mezzogiorno</translation>
    </message>
    <message>
        <source>hour %1 is given twice</source>
        <translation>l&apos;ora %1 è data due volte</translation>
    </message>
    <message>
        <source>--line-angle goes with --find-dial %1</source>
        <translation>--line-angle va con --find-dial %1</translation>
    </message>
    <message>
        <source>--%1 is not taken by --find-dial: the hour lines alone give the latitude and the facing</source>
        <translation>--find-dial non accetta --%1: le sole linee orarie danno la latitudine e l&apos;orientamento</translation>
    </message>
    <message>
        <source>--find-dial &quot;%1&quot;: give %2</source>
        <translation>--find-dial &quot;%1&quot;: indicare %2</translation>
    </message>
    <message>
        <source>--line-angle may be given at most %1 times</source>
        <translation>--line-angle può essere dato al massimo %1 volte</translation>
    </message>
    <message>
        <source>--find-dial %1 needs a line besides noon&apos;s, one --line-angle HOUR=DEG each, for the latitude</source>
        <translation>--find-dial %1 richiede una linea oltre a quella del mezzogiorno, un --line-angle HOUR=DEG ciascuna, per la latitudine</translation>
    </message>
    <message>
        <source>--find-dial %1 needs %2 lines besides noon&apos;s, one --line-angle HOUR=DEG each, for the latitude and the facing</source>
        <translation>--find-dial %1 richiede %2 linee oltre a quella del mezzogiorno, un --line-angle HOUR=DEG ciascuna, per la latitudine e l&apos;orientamento</translation>
    </message>
    <message>
        <source>%1 (faces %2)</source>
        <translation>%1 (rivolta a %2)</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 verso %2 da %3</translation>
    </message>
    <message>
        <source>. Check that the hours are sun time and that angles towards the east are positive.</source>
        <translation>. Controllare che le ore siano in tempo vero locale e che gli angoli verso est siano positivi.</translation>
    </message>
    <message>
        <source>. Check that the hours are sun time and that angles towards the right are positive.</source>
        <translation>. Controllare che le ore siano in tempo vero locale e che gli angoli verso destra siano positivi.</translation>
    </message>
    <message>
        <source>No %1 fits these lines within %2 degrees rms</source>
        <translation>Nessun %1 si adatta a queste linee entro %2 gradi rms</translation>
    </message>
    <message>
        <source>; the closest, at latitude %1 facing %2, misses them by %3 degrees rms</source>
        <translation>; il più vicino, alla latitudine %1 con orientamento %2, se ne scosta di %3 gradi rms</translation>
    </message>
    <message>
        <source>; the closest, at latitude %1, misses them by %2 degrees rms</source>
        <translation>; il più vicino, alla latitudine %1, se ne scosta di %2 gradi rms</translation>
    </message>
    <message>
        <source>%1 from %2 hour lines: %3 within %4 degrees rms
</source>
        <translation>%1 da %2 linee orarie: %3 entro %4 gradi rms
</translation>
    </message>
    <message>
        <source>none fits</source>
        <translation>nessuno si adatta</translation>
    </message>
    <message>
        <source>1 fits</source>
        <translation>1 si adatta</translation>
    </message>
    <message>
        <source>%1 fit</source>
        <translation>%1 si adattano</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitudine</translation>
    </message>
    <message>
        <source>facing</source>
        <translation>orientamento</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>declinazione</translation>
    </message>
    <message>
        <source>rms</source>
        <translation>rms</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>ora</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>misurato</translation>
    </message>
    <message>
        <source>fitted</source>
        <translation>adattato</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>residuo</translation>
    </message>
    <message>
        <source>Dial %1</source>
        <translation>Orologio %1</translation>
    </message>
    <message>
        <source>--place must name a town or city, such as Zurich or &quot;Paris, Texas&quot;</source>
        <translation>--place deve indicare una località, ad esempio Zurich o &quot;Paris, Texas&quot;</translation>
    </message>
    <message>
        <source>--place is longer than %1 characters</source>
        <translation>--place supera i %1 caratteri</translation>
    </message>
    <message>
        <source>--place holds a control character</source>
        <translation>--place contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot;</source>
        <translation>nessuna località di nome &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot;; nearest: %2</source>
        <translation>nessuna località di nome &quot;%1&quot;; le più simili: %2</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Località: %1</translation>
    </message>
    <message>
        <source> (population %1)</source>
        <translation> (popolazione %1)</translation>
    </message>
    <message>
        <source>Other places named %1: %2
</source>
        <translation>Altre località di nome %1: %2
</translation>
    </message>
    <message>
        <source> DST</source>
        <translation> ora legale</translation>
    </message>
    <message>
        <source> std</source>
        <translation> ora solare</translation>
    </message>
    <message>
        <source>Field data for latitude %1, longitude %2, on the clock UTC%3: UTC%4 standard + 1 h daylight saving</source>
        <translation>Dati di campo per latitudine %1, longitudine %2, con l&apos;orologio su UTC%3: UTC%4 ora solare + 1 h di ora legale</translation>
    </message>
    <message>
        <source>Field data for latitude %1, longitude %2, on the clock UTC%3, standard time</source>
        <translation>Dati di campo per latitudine %1, longitudine %2, con l&apos;orologio su UTC%3, ora solare</translation>
    </message>
    <message>
        <source>Angles in degrees, bearings from north through east; lengths for a plumb line 1 m high.</source>
        <translation>Angoli in gradi, azimut da nord verso est; lunghezze per un filo a piombo alto 1 m.</translation>
    </message>
    <message>
        <source>  the sun is never seen %1 at this location and date
</source>
        <translation>  il sole non si vede mai a %1 in questo luogo e data
</translation>
    </message>
    <message>
        <source>clock, as in the result</source>
        <translation>orologio, come nel risultato</translation>
    </message>
    <message>
        <source>true sun due %1 at</source>
        <translation>sole vero esattamente a %1 alle</translation>
    </message>
    <message>
        <source>never, above the horizon</source>
        <translation>mai, sopra l&apos;orizzonte</translation>
    </message>
    <message>
        <source>sun azimuth</source>
        <translation>azimut del sole</translation>
    </message>
    <message>
        <source>sun altitude</source>
        <translation>altezza del sole</translation>
    </message>
    <message>
        <source>shadow bearing</source>
        <translation>azimut dell&apos;ombra</translation>
    </message>
    <message>
        <source>shadow length</source>
        <translation>lunghezza dell&apos;ombra</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>off the true line</source>
        <translation>scarto dalla linea vera</translation>
    </message>
    <message>
        <source> = %1 mm at 1 m</source>
        <translation> = %1 mm a 1 m</translation>
    </message>
    <message>
        <source>the shadow turns</source>
        <translation>l&apos;ombra ruota</translation>
    </message>
    <message>
        <source>%1 per minute</source>
        <translation>%1 al minuto</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>azimuth</source>
        <translation>azimut</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>altezza</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>ombra</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>meridian</source>
        <translation>meridiano</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ovest</translation>
    </message>
    <message>
        <source>true east</source>
        <translation>est vero</translation>
    </message>
    <message>
        <source>true meridian</source>
        <translation>meridiano vero</translation>
    </message>
    <message>
        <source>true west</source>
        <translation>ovest vero</translation>
    </message>
    <message>
        <source>Days (- where the sun is never seen there)</source>
        <translation>Giorni (- dove il sole non vi si vede mai)</translation>
    </message>
    <message>
        <source>Mark at %1</source>
        <translation>Segno alle %1</translation>
    </message>
    <message>
        <source>nearest true line</source>
        <translation>linea vera più vicina</translation>
    </message>
    <message>
        <source>turn the mark</source>
        <translation>ruotare il segno</translation>
    </message>
    <message>
        <source>%1 (counterclockwise seen from above)</source>
        <translation>%1 (antiorario visto dall&apos;alto)</translation>
    </message>
    <message>
        <source>%1 (clockwise seen from above)</source>
        <translation>%1 (orario visto dall&apos;alto)</translation>
    </message>
    <message>
        <source>Sun at bearing %1</source>
        <translation>Sole all&apos;azimut %1</translation>
    </message>
    <message>
        <source>  not reached above the horizon on this date
</source>
        <translation>  non raggiunto sopra l&apos;orizzonte in questa data
</translation>
    </message>
    <message>
        <source>true sun at</source>
        <translation>sole vero alle</translation>
    </message>
    <message>
        <source>length</source>
        <translation>lunghezza</translation>
    </message>
    <message>
        <source>turns per minute</source>
        <translation>rotazione al minuto</translation>
    </message>
    <message>
        <source>Sun at altitude %1</source>
        <translation>Sole all&apos;altezza %1</translation>
    </message>
    <message>
        <source>  not reached on this date
</source>
        <translation>  non raggiunto in questa data
</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>sole</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>in salita</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>in discesa</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>angolo</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Parete</translation>
    </message>
    <message>
        <source>the wall faces</source>
        <translation>la parete è rivolta a</translation>
    </message>
    <message>
        <source>spread</source>
        <translation>dispersione</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avviso: %1</translation>
    </message>
    <message>
        <source>orvane: no display to open the window on; give options to answer in the shell (orvane --help), or choose a platform with QT_QPA_PLATFORM (such as QT_QPA_PLATFORM=offscreen).</source>
        <translation>orvane: nessuno schermo su cui aprire la finestra; indicare delle opzioni per rispondere nel terminale (orvane --help), o scegliere una piattaforma con QT_QPA_PLATFORM (ad esempio QT_QPA_PLATFORM=offscreen).</translation>
    </message>
</context>
</TS>
