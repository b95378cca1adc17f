<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>text</name>
    <message>
        <source>North</source>
        <translation>Nord</translation>
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
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4, Standard Time</source>
        <translation>Latitudine %1 %2, longitudine %3 %4, ora solare</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4, Daylight Savings Time</source>
        <translation>Latitudine %1 %2, longitudine %3 %4, ora legale</translation>
    </message>
    <message>
        <source> (declination=%1 degrees, EoT = MINUS %2 minutes, %3 seconds)</source>
        <translation> (declinazione=%1 gradi, equazione del tempo = MENO %2 minuti, %3 secondi)</translation>
    </message>
    <message>
        <source> (declination=%1 degrees, EoT = %2 minutes, %3 seconds)</source>
        <translation> (declinazione=%1 gradi, equazione del tempo = %2 minuti, %3 secondi)</translation>
    </message>
    <message>
        <source>The sun will be exactly east at %1</source>
        <translation>Il sole sarà esattamente a est alle %1</translation>
    </message>
    <message>
        <source>The sun is never seen east at this location and date</source>
        <translation>Il sole non si vede mai a est in questo luogo e in questa data</translation>
    </message>
    <message>
        <source>The sun will be exactly south at %1</source>
        <translation>Il sole sarà esattamente a sud alle %1</translation>
    </message>
    <message>
        <source>The sun will be exactly north at %1</source>
        <translation>Il sole sarà esattamente a nord alle %1</translation>
    </message>
    <message>
        <source>The sun is never seen west at this location and date</source>
        <translation>Il sole non si vede mai a ovest in questo luogo e in questa data</translation>
    </message>
    <message>
        <source>The sun will be exactly west at %1</source>
        <translation>Il sole sarà esattamente a ovest alle %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and month: 14 March</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>no summer time by the rules of %1 in %2</source>
        <translation>nessuna ora legale secondo le regole di %1 nel %2</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>summer time until a day</comment>
        <translation>fino al %1</translation>
    </message>
    <message>
        <source>from %1</source>
        <comment>summer time from a day</comment>
        <translation>dal %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>summer time from a day until a day</comment>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of several spans</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between spans</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>summer time by the rules of %1: %2 %3</source>
        <translation>ora legale secondo le regole di %1: %2 %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>clock offset, then its summer time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 with daylight saving all year</source>
        <translation>%1 con l&apos;ora legale tutto l&apos;anno</translation>
    </message>
    <message>
        <source>%1, standard time all year</source>
        <translation>%1, ora solare tutto l&apos;anno</translation>
    </message>
    <message>
        <source>Orvane Finder</source>
        <translation>Orvane – Orientamento</translation>
    </message>
    <message>
        <source>This program helps you determine exact east/west, or north/south lines to aid in the set-up of a sundial.  Enter the date, your longitude, latitude, time zone, and select daylight savings or standard time.  The program will determine the time of day that the sun is exactly east, south, and west.  In the Northern Hemisphere, the sun cannot reach east or west after the autumnal or before the spring equinoxes.<byte value="xd"/>
Set up a plumb line.  You can use a dish of water to dampen sway caused by the wind.  At the exact time indicated below, mark the shadow.  It will trace a perfect east/west or north/south line.<byte value="xd"/>
Your watch must be set accurately to use this method.  Click on the internet link below to set your watch to an atomic standard.</source>
        <translation>Questo programma aiuta a determinare linee esatte est-ovest o nord-sud per installare un orologio solare.  Inserire la data, la longitudine, la latitudine e il fuso orario, e scegliere ora legale o ora solare.  Il programma determina l&apos;ora in cui il sole è esattamente a est, a sud e a ovest.  Nell&apos;emisfero settentrionale il sole non può raggiungere l&apos;est o l&apos;ovest dopo l&apos;equinozio d&apos;autunno né prima di quello di primavera.<byte value="xd"/>
Preparare un filo a piombo.  Una ciotola d&apos;acqua smorza l&apos;oscillazione causata dal vento.  All&apos;ora esatta indicata sotto, segnare l&apos;ombra.  Traccerà una linea est-ovest o nord-sud perfetta.<byte value="xd"/>
Per questo metodo l&apos;orologio deve essere regolato con precisione.  Fare clic sul link Internet qui sotto per regolare l&apos;orologio sull&apos;ora atomica.</translation>
    </message>
    <message>
        <source>GMT-11hrs  Midway, Samoa</source>
        <translation>GMT-11 ore  Midway, Samoa</translation>
    </message>
    <message>
        <source>GMT-10hrs  Hawaii</source>
        <translation>GMT-10 ore  Hawaii</translation>
    </message>
    <message>
        <source>GMT-9hrs   Alaska</source>
        <translation>GMT-9 ore   Alaska</translation>
    </message>
    <message>
        <source>GMT-8hrs   US Pacific Time, Seattle, Los Angeles</source>
        <translation>GMT-8 ore   Ora del Pacifico USA, Seattle, Los Angeles</translation>
    </message>
    <message>
        <source>GMT-7hrs   US Mountain Time, Denver, Phoenix</source>
        <translation>GMT-7 ore   Ora delle Montagne USA, Denver, Phoenix</translation>
    </message>
    <message>
        <source>GMT-6hrs   US Central Time, Chicago, New Orleans</source>
        <translation>GMT-6 ore   Ora centrale USA, Chicago, New Orleans</translation>
    </message>
    <message>
        <source>GMT-5hrs   US Eastern Time, Montreal, New York</source>
        <translation>GMT-5 ore   Ora orientale USA, Montréal, New York</translation>
    </message>
    <message>
        <source>GMT-4hrs   Atlantic, Nova Scotia</source>
        <translation>GMT-4 ore   Atlantico, Nuova Scozia</translation>
    </message>
    <message>
        <source>GMT-3hrs   Greenland</source>
        <translation>GMT-3 ore   Groenlandia</translation>
    </message>
    <message>
        <source>GMT-2hrs  </source>
        <translation>GMT-2 ore  </translation>
    </message>
    <message>
        <source>GMT-1hrs  </source>
        <translation>GMT-1 ore  </translation>
    </message>
    <message>
        <source>GMT 0hrs   Western European Time, Greenwich</source>
        <translation>GMT 0 ore   Ora dell&apos;Europa occidentale, Greenwich</translation>
    </message>
    <message>
        <source>GMT+1hrs   Middle European Time</source>
        <translation>GMT+1 ore   Ora dell&apos;Europa centrale</translation>
    </message>
    <message>
        <source>GMT+2hrs   Eastern European Time</source>
        <translation>GMT+2 ore   Ora dell&apos;Europa orientale</translation>
    </message>
    <message>
        <source>GMT+3hrs   Moscow</source>
        <translation>GMT+3 ore   Mosca</translation>
    </message>
    <message>
        <source>GMT+4hrs   Gorki</source>
        <translation>GMT+4 ore   Gor&apos;kij</translation>
    </message>
    <message>
        <source>GMT+5hrs   </source>
        <translation>GMT+5 ore   </translation>
    </message>
    <message>
        <source>GMT+6hrs</source>
        <translation>GMT+6 ore</translation>
    </message>
    <message>
        <source>GMT+7hrs</source>
        <translation>GMT+7 ore</translation>
    </message>
    <message>
        <source>GMT+8hrs   China</source>
        <translation>GMT+8 ore   Cina</translation>
    </message>
    <message>
        <source>GMT+9hrs   Japan, Korea</source>
        <translation>GMT+9 ore   Giappone, Corea</translation>
    </message>
    <message>
        <source>GMT+10hrs</source>
        <translation>GMT+10 ore</translation>
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
        <translation>GMT-9:30 ore   Marchesi</translation>
    </message>
    <message>
        <source>GMT-3:30hrs   Newfoundland</source>
        <translation>GMT-3:30 ore   Terranova</translation>
    </message>
    <message>
        <source>GMT+3:30hrs   Iran</source>
        <translation>GMT+3:30 ore   Iran</translation>
    </message>
    <message>
        <source>GMT+4:30hrs   Afghanistan</source>
        <translation>GMT+4:30 ore   Afghanistan</translation>
    </message>
    <message>
        <source>GMT+5:30hrs   India, Sri Lanka</source>
        <translation>GMT+5:30 ore   India, Sri Lanka</translation>
    </message>
    <message>
        <source>GMT+5:45hrs   Nepal</source>
        <translation>GMT+5:45 ore   Nepal</translation>
    </message>
    <message>
        <source>GMT+6:30hrs   Myanmar</source>
        <translation>GMT+6:30 ore   Myanmar</translation>
    </message>
    <message>
        <source>GMT+8:45hrs   Eucla</source>
        <translation>GMT+8:45 ore   Eucla</translation>
    </message>
    <message>
        <source>GMT+9:30hrs   Central Australia</source>
        <translation>GMT+9:30 ore   Australia centrale</translation>
    </message>
    <message>
        <source>GMT+10:30hrs  Lord Howe Island</source>
        <translation>GMT+10:30 ore  Isola di Lord Howe</translation>
    </message>
    <message>
        <source>GMT+12:45hrs  Chatham Islands</source>
        <translation>GMT+12:45 ore  Isole Chatham</translation>
    </message>
    <message>
        <source>GMT+13hrs     Tonga, Samoa</source>
        <translation>GMT+13 ore     Tonga, Samoa</translation>
    </message>
    <message>
        <source>GMT+14hrs     Line Islands</source>
        <translation>GMT+14 ore     Isole della Linea</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Scegliere il fuso orario</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Please enter a valid date</source>
        <translation>Inserire una data valida</translation>
    </message>
    <message>
        <source>Are clock readings Standard Time, or Daylight Savings?</source>
        <translation>L&apos;orologio segna l&apos;ora solare o l&apos;ora legale?</translation>
    </message>
    <message>
        <source>Please enter latitude in degrees from -90 to 90, e.g. 40.655</source>
        <translation>Inserire la latitudine in gradi da -90 a 90, ad es. 40.655</translation>
    </message>
    <message>
        <source>Please enter  longitude in degrees from 0 to 180, e.g. 72.855</source>
        <translation>Inserire la longitudine in gradi da 0 a 180, ad es. 72.855</translation>
    </message>
    <message>
        <source>Please select whether you are East or West of Greewich</source>
        <translation>Indicare se ci si trova a est o a ovest di Greenwich</translation>
    </message>
    <message>
        <source>Please select your time zone</source>
        <translation>Scegliere il proprio fuso orario</translation>
    </message>
    <message>
        <source>Your longitude is more than 15 degrees form your time zone.  Are you sure that this information is correct?</source>
        <translation>La longitudine dista più di 15 gradi dal fuso orario.  Questi dati sono davvero corretti?</translation>
    </message>
    <message>
        <source>a place must have %1 fields</source>
        <translation>un luogo deve avere %1 campi</translation>
    </message>
    <message>
        <source>a place&apos;s name, country, region or time zone is missing or unknown</source>
        <translation>nome, paese, regione o fuso orario di un luogo mancante o sconosciuto</translation>
    </message>
    <message>
        <source>a place&apos;s latitude, longitude or population is out of range</source>
        <translation>latitudine, longitudine o popolazione di un luogo fuori intervallo</translation>
    </message>
    <message>
        <source>the place names cannot be read from %1: %2</source>
        <translation>impossibile leggere i nomi dei luoghi da %1: %2</translation>
    </message>
    <message>
        <source>not a gazetteer</source>
        <translation>non è un elenco di luoghi</translation>
    </message>
    <message>
        <source>its compressed data is cut short or corrupt</source>
        <translation>i suoi dati compressi sono troncati o corrotti</translation>
    </message>
    <message>
        <source>the place names file %1 is damaged: %2</source>
        <translation>il file dei nomi dei luoghi %1 è danneggiato: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>not a gazetteer of this program&apos;s version</source>
        <translation>non è un elenco di luoghi di questa versione del programma</translation>
    </message>
    <message>
        <source>the %1 table&apos;s heading is missing or wrong</source>
        <translation>l&apos;intestazione della tabella %1 manca o è errata</translation>
    </message>
    <message>
        <source>a country must be a two-letter code and a name</source>
        <translation>un paese deve essere un codice di due lettere e un nome</translation>
    </message>
    <message>
        <source>a region must be one name</source>
        <translation>una regione deve essere un solo nome</translation>
    </message>
    <message>
        <source>a time zone must be one name</source>
        <translation>un fuso orario deve essere un solo nome</translation>
    </message>
    <message>
        <source>a place&apos;s name is too long</source>
        <translation>il nome di un luogo è troppo lungo</translation>
    </message>
    <message>
        <source>more lines than the places table counts</source>
        <translation>più righe di quante ne conti la tabella dei luoghi</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>è troncato</translation>
    </message>
    <message>
        <source>its head is corrupt</source>
        <translation>la sua intestazione è corrotta</translation>
    </message>
    <message>
        <source>head line %1: %2</source>
        <translation>riga d&apos;intestazione %1: %2</translation>
    </message>
    <message>
        <source>the countries&apos; heading is missing or wrong</source>
        <translation>l&apos;intestazione dei paesi manca o è errata</translation>
    </message>
    <message>
        <source>a country must be a code, a name and its folded form</source>
        <translation>un paese deve essere un codice, un nome e la sua forma normalizzata</translation>
    </message>
    <message>
        <source>the regions&apos; heading is missing or wrong</source>
        <translation>l&apos;intestazione delle regioni manca o è errata</translation>
    </message>
    <message>
        <source>a region must be a name and its folded form</source>
        <translation>una regione deve essere un nome e la sua forma normalizzata</translation>
    </message>
    <message>
        <source>the zones&apos; heading is missing or wrong</source>
        <translation>l&apos;intestazione dei fusi manca o è errata</translation>
    </message>
    <message>
        <source>the places&apos; heading is missing or wrong</source>
        <translation>l&apos;intestazione dei luoghi manca o è errata</translation>
    </message>
    <message>
        <source>the key blocks&apos; heading is missing or wrong</source>
        <translation>l&apos;intestazione dei blocchi di chiavi manca o è errata</translation>
    </message>
    <message>
        <source>a block&apos;s first key is missing</source>
        <translation>manca la prima chiave di un blocco</translation>
    </message>
    <message>
        <source>the blocks&apos; size is missing or wrong</source>
        <translation>la dimensione dei blocchi manca o è errata</translation>
    </message>
    <message>
        <source>it is cut short or has bytes past its end</source>
        <translation>è troncato o ha byte dopo la fine</translation>
    </message>
    <message>
        <source>the blocks&apos; table is missing</source>
        <translation>manca la tabella dei blocchi</translation>
    </message>
    <message>
        <source>the blocks&apos; table is cut short or too long</source>
        <translation>la tabella dei blocchi è troncata o troppo lunga</translation>
    </message>
    <message>
        <source>a block lies outside the file</source>
        <translation>un blocco è fuori dal file</translation>
    </message>
    <message>
        <source>a block of names is corrupt</source>
        <translation>un blocco di nomi è corrotto</translation>
    </message>
    <message>
        <source>a block of places is corrupt</source>
        <translation>un blocco di luoghi è corrotto</translation>
    </message>
    <message>
        <source>Place names from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>Nomi dei luoghi da GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>the place names file is missing: looked for %1</source>
        <translation>manca il file dei nomi dei luoghi: cercato %1</translation>
    </message>
    <message>
        <source>The browser window cannot be opened: its module is missing or damaged.</source>
        <translation>Impossibile aprire la finestra del browser: il suo modulo manca o è danneggiato.</translation>
    </message>
    <message>
        <source>The field sheet cannot be opened: its module is missing or damaged.</source>
        <translation>Impossibile aprire la scheda di campo: il suo modulo manca o è danneggiato.</translation>
    </message>
    <message>
        <source>The dial designer cannot be opened: its module is missing or damaged.</source>
        <translation>Impossibile aprire il progettista di quadranti: il suo modulo manca o è danneggiato.</translation>
    </message>
    <message>
        <source>The window cannot be opened: its module is missing or damaged.</source>
        <translation>Impossibile aprire la finestra: il suo modulo manca o è danneggiato.</translation>
    </message>
    <message>
        <source>The %1 cannot be opened: its module is missing or damaged.</source>
        <translation>Impossibile aprire %1: il modulo manca o è danneggiato.</translation>
    </message>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sud</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ovest</translation>
    </message>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <translation>dddd d MMMM yyyy</translation>
    </message>
    <message>
        <source>a decimal point</source>
        <translation>un punto decimale</translation>
    </message>
    <message>
        <source>a decimal point or &quot;%1&quot;</source>
        <translation>un punto decimale o &quot;%1&quot;</translation>
    </message>
</context>
</TS>
