<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>text</name>
    <message>
        <source>North</source>
        <translation>Noord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Zuid</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Oost</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4, Standard Time</source>
        <translation>Breedte %1 %2, lengte %3 %4, standaardtijd</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4, Daylight Savings Time</source>
        <translation>Breedte %1 %2, lengte %3 %4, zomertijd</translation>
    </message>
    <message>
        <source> (declination=%1 degrees, EoT = MINUS %2 minutes, %3 seconds)</source>
        <translation> (declinatie=%1 graden, tijdsvereffening = MIN %2 minuten, %3 seconden)</translation>
    </message>
    <message>
        <source> (declination=%1 degrees, EoT = %2 minutes, %3 seconds)</source>
        <translation> (declinatie=%1 graden, tijdsvereffening = %2 minuten, %3 seconden)</translation>
    </message>
    <message>
        <source>The sun will be exactly east at %1</source>
        <translation>De zon staat om %1 precies in het oosten</translation>
    </message>
    <message>
        <source>The sun is never seen east at this location and date</source>
        <translation>De zon is op deze plaats en datum nooit in het oosten te zien</translation>
    </message>
    <message>
        <source>The sun will be exactly south at %1</source>
        <translation>De zon staat om %1 precies in het zuiden</translation>
    </message>
    <message>
        <source>The sun will be exactly north at %1</source>
        <translation>De zon staat om %1 precies in het noorden</translation>
    </message>
    <message>
        <source>The sun is never seen west at this location and date</source>
        <translation>De zon is op deze plaats en datum nooit in het westen te zien</translation>
    </message>
    <message>
        <source>The sun will be exactly west at %1</source>
        <translation>De zon staat om %1 precies in het westen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and month: 14 March</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>no summer time by the rules of %1 in %2</source>
        <translation>geen zomertijd volgens de regels van %1 in %2</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>summer time until a day</comment>
        <translation>tot %1</translation>
    </message>
    <message>
        <source>from %1</source>
        <comment>summer time from a day</comment>
        <translation>vanaf %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>summer time from a day until a day</comment>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of several spans</comment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between spans</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>summer time by the rules of %1: %2 %3</source>
        <translation>zomertijd volgens de regels van %1: %2 %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>clock offset, then its summer time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 with daylight saving all year</source>
        <translation>%1 met zomertijd het hele jaar</translation>
    </message>
    <message>
        <source>%1, standard time all year</source>
        <translation>%1, standaardtijd het hele jaar</translation>
    </message>
    <message>
        <source>Orvane Finder</source>
        <translation>Orvane – Oriëntatie</translation>
    </message>
    <message>
        <source>This program helps you determine exact east/west, or north/south lines to aid in the set-up of a sundial.  Enter the date, your longitude, latitude, time zone, and select daylight savings or standard time.  The program will determine the time of day that the sun is exactly east, south, and west.  In the Northern Hemisphere, the sun cannot reach east or west after the autumnal or before the spring equinoxes.<byte value="xd"/>
Set up a plumb line.  You can use a dish of water to dampen sway caused by the wind.  At the exact time indicated below, mark the shadow.  It will trace a perfect east/west or north/south line.<byte value="xd"/>
Your watch must be set accurately to use this method.  Click on the internet link below to set your watch to an atomic standard.</source>
        <translation>Dit programma helpt u exacte oost-west- of noord-zuidlijnen te bepalen voor het opstellen van een zonnewijzer.  Voer de datum, uw lengte, breedte en tijdzone in, en kies zomertijd of standaardtijd.  Het programma bepaalt het tijdstip waarop de zon precies in het oosten, zuiden en westen staat.  Op het noordelijk halfrond kan de zon na de herfst-equinox en vóór de lente-equinox het oosten of westen niet bereiken.<byte value="xd"/>
Hang een schietlood op.  Een schaal water dempt het slingeren door de wind.  Markeer op het hieronder aangegeven tijdstip precies de schaduw.  Die geeft een perfecte oost-west- of noord-zuidlijn.<byte value="xd"/>
Voor deze methode moet uw horloge nauwkeurig gelijk staan.  Klik op de internetlink hieronder om uw horloge op atoomtijd te zetten.</translation>
    </message>
    <message>
        <source>GMT-11hrs  Midway, Samoa</source>
        <translation>GMT-11 u  Midway, Samoa</translation>
    </message>
    <message>
        <source>GMT-10hrs  Hawaii</source>
        <translation>GMT-10 u  Hawaï</translation>
    </message>
    <message>
        <source>GMT-9hrs   Alaska</source>
        <translation>GMT-9 u   Alaska</translation>
    </message>
    <message>
        <source>GMT-8hrs   US Pacific Time, Seattle, Los Angeles</source>
        <translation>GMT-8 u   Pacifische tijd (VS), Seattle, Los Angeles</translation>
    </message>
    <message>
        <source>GMT-7hrs   US Mountain Time, Denver, Phoenix</source>
        <translation>GMT-7 u   Mountaintijd (VS), Denver, Phoenix</translation>
    </message>
    <message>
        <source>GMT-6hrs   US Central Time, Chicago, New Orleans</source>
        <translation>GMT-6 u   Centrale tijd (VS), Chicago, New Orleans</translation>
    </message>
    <message>
        <source>GMT-5hrs   US Eastern Time, Montreal, New York</source>
        <translation>GMT-5 u   Oostelijke tijd (VS), Montreal, New York</translation>
    </message>
    <message>
        <source>GMT-4hrs   Atlantic, Nova Scotia</source>
        <translation>GMT-4 u   Atlantisch, Nova Scotia</translation>
    </message>
    <message>
        <source>GMT-3hrs   Greenland</source>
        <translation>GMT-3 u   Groenland</translation>
    </message>
    <message>
        <source>GMT-2hrs  </source>
        <translation>GMT-2 u  </translation>
    </message>
    <message>
        <source>GMT-1hrs  </source>
        <translation>GMT-1 u  </translation>
    </message>
    <message>
        <source>GMT 0hrs   Western European Time, Greenwich</source>
        <translation>GMT 0 u   West-Europese tijd, Greenwich</translation>
    </message>
    <message>
        <source>GMT+1hrs   Middle European Time</source>
        <translation>GMT+1 u   Midden-Europese tijd</translation>
    </message>
    <message>
        <source>GMT+2hrs   Eastern European Time</source>
        <translation>GMT+2 u   Oost-Europese tijd</translation>
    </message>
    <message>
        <source>GMT+3hrs   Moscow</source>
        <translation>GMT+3 u   Moskou</translation>
    </message>
    <message>
        <source>GMT+4hrs   Gorki</source>
        <translation>GMT+4 u   Gorki</translation>
    </message>
    <message>
        <source>GMT+5hrs   </source>
        <translation>GMT+5 u   </translation>
    </message>
    <message>
        <source>GMT+6hrs</source>
        <translation>GMT+6 u</translation>
    </message>
    <message>
        <source>GMT+7hrs</source>
        <translation>GMT+7 u</translation>
    </message>
    <message>
        <source>GMT+8hrs   China</source>
        <translation>GMT+8 u   China</translation>
    </message>
    <message>
        <source>GMT+9hrs   Japan, Korea</source>
        <translation>GMT+9 u   Japan, Korea</translation>
    </message>
    <message>
        <source>GMT+10hrs</source>
        <translation>GMT+10 u</translation>
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
        <translation>GMT-9:30 u   Marquesaseilanden</translation>
    </message>
    <message>
        <source>GMT-3:30hrs   Newfoundland</source>
        <translation>GMT-3:30 u   Newfoundland</translation>
    </message>
    <message>
        <source>GMT+3:30hrs   Iran</source>
        <translation>GMT+3:30 u   Iran</translation>
    </message>
    <message>
        <source>GMT+4:30hrs   Afghanistan</source>
        <translation>GMT+4:30 u   Afghanistan</translation>
    </message>
    <message>
        <source>GMT+5:30hrs   India, Sri Lanka</source>
        <translation>GMT+5:30 u   India, Sri Lanka</translation>
    </message>
    <message>
        <source>GMT+5:45hrs   Nepal</source>
        <translation>GMT+5:45 u   Nepal</translation>
    </message>
    <message>
        <source>GMT+6:30hrs   Myanmar</source>
        <translation>GMT+6:30 u   Myanmar</translation>
    </message>
    <message>
        <source>GMT+8:45hrs   Eucla</source>
        <translation>GMT+8:45 u   Eucla</translation>
    </message>
    <message>
        <source>GMT+9:30hrs   Central Australia</source>
        <translation>GMT+9:30 u   Centraal-Australië</translation>
    </message>
    <message>
        <source>GMT+10:30hrs  Lord Howe Island</source>
        <translation>GMT+10:30 u  Lord Howe-eiland</translation>
    </message>
    <message>
        <source>GMT+12:45hrs  Chatham Islands</source>
        <translation>GMT+12:45 u  Chathameilanden</translation>
    </message>
    <message>
        <source>GMT+13hrs     Tonga, Samoa</source>
        <translation>GMT+13 u     Tonga, Samoa</translation>
    </message>
    <message>
        <source>GMT+14hrs     Line Islands</source>
        <translation>GMT+14 u     Line-eilanden</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Kies de tijdzone</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Tijdzone</translation>
    </message>
    <message>
        <source>Please enter a valid date</source>
        <translation>Voer een geldige datum in</translation>
    </message>
    <message>
        <source>Are clock readings Standard Time, or Daylight Savings?</source>
        <translation>Geeft de klok standaardtijd of zomertijd aan?</translation>
    </message>
    <message>
        <source>Please enter latitude in degrees from -90 to 90, e.g. 40.655</source>
        <translation>Voer de breedte in graden in, van -90 tot 90, bijv. 40.655</translation>
    </message>
    <message>
        <source>Please enter  longitude in degrees from 0 to 180, e.g. 72.855</source>
        <translation>Voer de lengte in graden in, van 0 tot 180, bijv. 72.855</translation>
    </message>
    <message>
        <source>Please select whether you are East or West of Greewich</source>
        <translation>Kies of u ten oosten of ten westen van Greenwich bent</translation>
    </message>
    <message>
        <source>Please select your time zone</source>
        <translation>Kies uw tijdzone</translation>
    </message>
    <message>
        <source>Your longitude is more than 15 degrees form your time zone.  Are you sure that this information is correct?</source>
        <translation>Uw lengte ligt meer dan 15 graden van uw tijdzone af.  Weet u zeker dat deze gegevens kloppen?</translation>
    </message>
    <message>
        <source>a place must have %1 fields</source>
        <translation>een plaats moet %1 velden hebben</translation>
    </message>
    <message>
        <source>a place&apos;s name, country, region or time zone is missing or unknown</source>
        <translation>naam, land, regio of tijdzone van een plaats ontbreekt of is onbekend</translation>
    </message>
    <message>
        <source>a place&apos;s latitude, longitude or population is out of range</source>
        <translation>breedte, lengte of inwonertal van een plaats valt buiten het bereik</translation>
    </message>
    <message>
        <source>the place names cannot be read from %1: %2</source>
        <translation>de plaatsnamen kunnen niet uit %1 gelezen worden: %2</translation>
    </message>
    <message>
        <source>not a gazetteer</source>
        <translation>geen plaatsnamenlijst</translation>
    </message>
    <message>
        <source>its compressed data is cut short or corrupt</source>
        <translation>de gecomprimeerde gegevens zijn afgebroken of beschadigd</translation>
    </message>
    <message>
        <source>the place names file %1 is damaged: %2</source>
        <translation>het plaatsnamenbestand %1 is beschadigd: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>not a gazetteer of this program&apos;s version</source>
        <translation>geen plaatsnamenlijst van deze programmaversie</translation>
    </message>
    <message>
        <source>the %1 table&apos;s heading is missing or wrong</source>
        <translation>de kop van de tabel %1 ontbreekt of is onjuist</translation>
    </message>
    <message>
        <source>a country must be a two-letter code and a name</source>
        <translation>een land moet een code van twee letters en een naam zijn</translation>
    </message>
    <message>
        <source>a region must be one name</source>
        <translation>een regio moet één naam zijn</translation>
    </message>
    <message>
        <source>a time zone must be one name</source>
        <translation>een tijdzone moet één naam zijn</translation>
    </message>
    <message>
        <source>a place&apos;s name is too long</source>
        <translation>de naam van een plaats is te lang</translation>
    </message>
    <message>
        <source>more lines than the places table counts</source>
        <translation>meer regels dan de plaatsentabel telt</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>het is afgebroken</translation>
    </message>
    <message>
        <source>its head is corrupt</source>
        <translation>de kop is beschadigd</translation>
    </message>
    <message>
        <source>head line %1: %2</source>
        <translation>kopregel %1: %2</translation>
    </message>
    <message>
        <source>the countries&apos; heading is missing or wrong</source>
        <translation>de kop van de landen ontbreekt of is onjuist</translation>
    </message>
    <message>
        <source>a country must be a code, a name and its folded form</source>
        <translation>een land moet een code, een naam en de genormaliseerde vorm zijn</translation>
    </message>
    <message>
        <source>the regions&apos; heading is missing or wrong</source>
        <translation>de kop van de regio&apos;s ontbreekt of is onjuist</translation>
    </message>
    <message>
        <source>a region must be a name and its folded form</source>
        <translation>een regio moet een naam en de genormaliseerde vorm zijn</translation>
    </message>
    <message>
        <source>the zones&apos; heading is missing or wrong</source>
        <translation>de kop van de tijdzones ontbreekt of is onjuist</translation>
    </message>
    <message>
        <source>the places&apos; heading is missing or wrong</source>
        <translation>de kop van de plaatsen ontbreekt of is onjuist</translation>
    </message>
    <message>
        <source>the key blocks&apos; heading is missing or wrong</source>
        <translation>de kop van de sleutelblokken ontbreekt of is onjuist</translation>
    </message>
    <message>
        <source>a block&apos;s first key is missing</source>
        <translation>de eerste sleutel van een blok ontbreekt</translation>
    </message>
    <message>
        <source>the blocks&apos; size is missing or wrong</source>
        <translation>de blokgrootte ontbreekt of is onjuist</translation>
    </message>
    <message>
        <source>it is cut short or has bytes past its end</source>
        <translation>het is afgebroken of heeft bytes na het einde</translation>
    </message>
    <message>
        <source>the blocks&apos; table is missing</source>
        <translation>de bloktabel ontbreekt</translation>
    </message>
    <message>
        <source>the blocks&apos; table is cut short or too long</source>
        <translation>de bloktabel is afgebroken of te lang</translation>
    </message>
    <message>
        <source>a block lies outside the file</source>
        <translation>een blok ligt buiten het bestand</translation>
    </message>
    <message>
        <source>a block of names is corrupt</source>
        <translation>een blok met namen is beschadigd</translation>
    </message>
    <message>
        <source>a block of places is corrupt</source>
        <translation>een blok met plaatsen is beschadigd</translation>
    </message>
    <message>
        <source>Place names from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>Plaatsnamen van GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>the place names file is missing: looked for %1</source>
        <translation>het plaatsnamenbestand ontbreekt: gezocht naar %1</translation>
    </message>
    <message>
        <source>The browser window cannot be opened: its module is missing or damaged.</source>
        <translation>Het browservenster kan niet worden geopend: de module ontbreekt of is beschadigd.</translation>
    </message>
    <message>
        <source>The field sheet cannot be opened: its module is missing or damaged.</source>
        <translation>Het veldblad kan niet worden geopend: de module ontbreekt of is beschadigd.</translation>
    </message>
    <message>
        <source>The dial designer cannot be opened: its module is missing or damaged.</source>
        <translation>De zonnewijzerontwerper kan niet worden geopend: de module ontbreekt of is beschadigd.</translation>
    </message>
    <message>
        <source>The window cannot be opened: its module is missing or damaged.</source>
        <translation>Het venster kan niet worden geopend: de module ontbreekt of is beschadigd.</translation>
    </message>
    <message>
        <source>The %1 cannot be opened: its module is missing or damaged.</source>
        <translation>%1 kan niet worden geopend: de module ontbreekt of is beschadigd.</translation>
    </message>
    <message>
        <source>north</source>
        <translation>noord</translation>
    </message>
    <message>
        <source>east</source>
        <translation>oost</translation>
    </message>
    <message>
        <source>south</source>
        <translation>zuid</translation>
    </message>
    <message>
        <source>west</source>
        <translation>west</translation>
    </message>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <translation>dddd d MMMM yyyy</translation>
    </message>
    <message>
        <source>a decimal point</source>
        <translation>een decimale punt</translation>
    </message>
    <message>
        <source>a decimal point or &quot;%1&quot;</source>
        <translation>een decimale punt of &quot;%1&quot;</translation>
    </message>
</context>
</TS>
