<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Ouest</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4, Standard Time</source>
        <translation>Latitude %1 %2, longitude %3 %4, heure normale</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4, Daylight Savings Time</source>
        <translation>Latitude %1 %2, longitude %3 %4, heure d&apos;été</translation>
    </message>
    <message>
        <source> (declination=%1 degrees, EoT = MINUS %2 minutes, %3 seconds)</source>
        <translation> (déclinaison=%1 degrés, équation du temps = MOINS %2 minutes, %3 secondes)</translation>
    </message>
    <message>
        <source> (declination=%1 degrees, EoT = %2 minutes, %3 seconds)</source>
        <translation> (déclinaison=%1 degrés, équation du temps = %2 minutes, %3 secondes)</translation>
    </message>
    <message>
        <source>The sun will be exactly east at %1</source>
        <translation>Le soleil sera exactement à l&apos;est à %1</translation>
    </message>
    <message>
        <source>The sun is never seen east at this location and date</source>
        <translation>Le soleil n&apos;est jamais vu à l&apos;est en ce lieu à cette date</translation>
    </message>
    <message>
        <source>The sun will be exactly south at %1</source>
        <translation>Le soleil sera exactement au sud à %1</translation>
    </message>
    <message>
        <source>The sun will be exactly north at %1</source>
        <translation>Le soleil sera exactement au nord à %1</translation>
    </message>
    <message>
        <source>The sun is never seen west at this location and date</source>
        <translation>Le soleil n&apos;est jamais vu à l&apos;ouest en ce lieu à cette date</translation>
    </message>
    <message>
        <source>The sun will be exactly west at %1</source>
        <translation>Le soleil sera exactement à l&apos;ouest à %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and month: 14 March</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>no summer time by the rules of %1 in %2</source>
        <translation>pas d&apos;heure d&apos;été selon les règles de %1 en %2</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>summer time until a day</comment>
        <translation>jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>from %1</source>
        <comment>summer time from a day</comment>
        <translation>à partir du %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>summer time from a day until a day</comment>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of several spans</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between spans</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>summer time by the rules of %1: %2 %3</source>
        <translation>heure d&apos;été selon les règles de %1 : %2 %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>clock offset, then its summer time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 with daylight saving all year</source>
        <translation>%1 avec l&apos;heure d&apos;été toute l&apos;année</translation>
    </message>
    <message>
        <source>%1, standard time all year</source>
        <translation>%1, heure normale toute l&apos;année</translation>
    </message>
    <message>
        <source>Orvane Finder</source>
        <translation>Orvane – Orientation</translation>
    </message>
    <message>
        <source>This program helps you determine exact east/west, or north/south lines to aid in the set-up of a sundial.  Enter the date, your longitude, latitude, time zone, and select daylight savings or standard time.  The program will determine the time of day that the sun is exactly east, south, and west.  In the Northern Hemisphere, the sun cannot reach east or west after the autumnal or before the spring equinoxes.<byte value="xd"/>
Set up a plumb line.  You can use a dish of water to dampen sway caused by the wind.  At the exact time indicated below, mark the shadow.  It will trace a perfect east/west or north/south line.<byte value="xd"/>
Your watch must be set accurately to use this method.  Click on the internet link below to set your watch to an atomic standard.</source>
        <translation>Ce programme vous aide à déterminer des lignes exactes est-ouest ou nord-sud pour installer un cadran solaire.  Saisissez la date, votre longitude, votre latitude et votre fuseau horaire, et choisissez l&apos;heure d&apos;été ou l&apos;heure normale.  Le programme détermine l&apos;heure à laquelle le soleil est exactement à l&apos;est, au sud et à l&apos;ouest.  Dans l&apos;hémisphère Nord, le soleil ne peut atteindre l&apos;est ou l&apos;ouest après l&apos;équinoxe d&apos;automne ni avant l&apos;équinoxe de printemps.<byte value="xd"/>
Installez un fil à plomb.  Un bol d&apos;eau amortit le balancement dû au vent.  À l&apos;heure exacte indiquée ci-dessous, marquez l&apos;ombre.  Elle tracera une ligne est-ouest ou nord-sud parfaite.<byte value="xd"/>
Votre montre doit être réglée avec précision pour cette méthode.  Cliquez sur le lien Internet ci-dessous pour régler votre montre sur l&apos;heure atomique.</translation>
    </message>
    <message>
        <source>GMT-11hrs  Midway, Samoa</source>
        <translation>GMT-11 h  Midway, Samoa</translation>
    </message>
    <message>
        <source>GMT-10hrs  Hawaii</source>
        <translation>GMT-10 h  Hawaï</translation>
    </message>
    <message>
        <source>GMT-9hrs   Alaska</source>
        <translation>GMT-9 h   Alaska</translation>
    </message>
    <message>
        <source>GMT-8hrs   US Pacific Time, Seattle, Los Angeles</source>
        <translation>GMT-8 h   Pacifique (É.-U.), Seattle, Los Angeles</translation>
    </message>
    <message>
        <source>GMT-7hrs   US Mountain Time, Denver, Phoenix</source>
        <translation>GMT-7 h   Rocheuses (É.-U.), Denver, Phoenix</translation>
    </message>
    <message>
        <source>GMT-6hrs   US Central Time, Chicago, New Orleans</source>
        <translation>GMT-6 h   Centre (É.-U.), Chicago, Nouvelle-Orléans</translation>
    </message>
    <message>
        <source>GMT-5hrs   US Eastern Time, Montreal, New York</source>
        <translation>GMT-5 h   Est (É.-U.), Montréal, New York</translation>
    </message>
    <message>
        <source>GMT-4hrs   Atlantic, Nova Scotia</source>
        <translation>GMT-4 h   Atlantique, Nouvelle-Écosse</translation>
    </message>
    <message>
        <source>GMT-3hrs   Greenland</source>
        <translation>GMT-3 h   Groenland</translation>
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
        <translation>GMT 0 h   Heure d&apos;Europe occidentale, Greenwich</translation>
    </message>
    <message>
        <source>GMT+1hrs   Middle European Time</source>
        <translation>GMT+1 h   Heure d&apos;Europe centrale</translation>
    </message>
    <message>
        <source>GMT+2hrs   Eastern European Time</source>
        <translation>GMT+2 h   Heure d&apos;Europe de l&apos;Est</translation>
    </message>
    <message>
        <source>GMT+3hrs   Moscow</source>
        <translation>GMT+3 h   Moscou</translation>
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
        <translation>GMT+8 h   Chine</translation>
    </message>
    <message>
        <source>GMT+9hrs   Japan, Korea</source>
        <translation>GMT+9 h   Japon, Corée</translation>
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
        <translation>GMT-9:30 h   Marquises</translation>
    </message>
    <message>
        <source>GMT-3:30hrs   Newfoundland</source>
        <translation>GMT-3:30 h   Terre-Neuve</translation>
    </message>
    <message>
        <source>GMT+3:30hrs   Iran</source>
        <translation>GMT+3:30 h   Iran</translation>
    </message>
    <message>
        <source>GMT+4:30hrs   Afghanistan</source>
        <translation>GMT+4:30 h   Afghanistan</translation>
    </message>
    <message>
        <source>GMT+5:30hrs   India, Sri Lanka</source>
        <translation>GMT+5:30 h   Inde, Sri Lanka</translation>
    </message>
    <message>
        <source>GMT+5:45hrs   Nepal</source>
        <translation>GMT+5:45 h   Népal</translation>
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
        <translation>GMT+9:30 h   Australie centrale</translation>
    </message>
    <message>
        <source>GMT+10:30hrs  Lord Howe Island</source>
        <translation>GMT+10:30 h  Île Lord Howe</translation>
    </message>
    <message>
        <source>GMT+12:45hrs  Chatham Islands</source>
        <translation>GMT+12:45 h  Îles Chatham</translation>
    </message>
    <message>
        <source>GMT+13hrs     Tonga, Samoa</source>
        <translation>GMT+13 h     Tonga, Samoa</translation>
    </message>
    <message>
        <source>GMT+14hrs     Line Islands</source>
        <translation>GMT+14 h     Îles de la Ligne</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Choisir le fuseau horaire</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Please enter a valid date</source>
        <translation>Veuillez saisir une date valide</translation>
    </message>
    <message>
        <source>Are clock readings Standard Time, or Daylight Savings?</source>
        <translation>L&apos;heure lue est-elle l&apos;heure normale ou l&apos;heure d&apos;été ?</translation>
    </message>
    <message>
        <source>Please enter latitude in degrees from -90 to 90, e.g. 40.655</source>
        <translation>Veuillez saisir la latitude en degrés de -90 à 90, p. ex. 40.655</translation>
    </message>
    <message>
        <source>Please enter  longitude in degrees from 0 to 180, e.g. 72.855</source>
        <translation>Veuillez saisir la longitude en degrés de 0 à 180, p. ex. 72.855</translation>
    </message>
    <message>
        <source>Please select whether you are East or West of Greewich</source>
        <translation>Veuillez indiquer si vous êtes à l&apos;est ou à l&apos;ouest de Greenwich</translation>
    </message>
    <message>
        <source>Please select your time zone</source>
        <translation>Veuillez choisir votre fuseau horaire</translation>
    </message>
    <message>
        <source>Your longitude is more than 15 degrees form your time zone.  Are you sure that this information is correct?</source>
        <translation>Votre longitude s&apos;écarte de plus de 15 degrés de votre fuseau horaire.  Êtes-vous sûr que ces informations sont correctes ?</translation>
    </message>
    <message>
        <source>a place must have %1 fields</source>
        <translation>un lieu doit avoir %1 champs</translation>
    </message>
    <message>
        <source>a place&apos;s name, country, region or time zone is missing or unknown</source>
        <translation>le nom, le pays, la région ou le fuseau horaire d&apos;un lieu manque ou est inconnu</translation>
    </message>
    <message>
        <source>a place&apos;s latitude, longitude or population is out of range</source>
        <translation>la latitude, la longitude ou la population d&apos;un lieu est hors limites</translation>
    </message>
    <message>
        <source>the place names cannot be read from %1: %2</source>
        <translation>impossible de lire les noms de lieux dans %1 : %2</translation>
    </message>
    <message>
        <source>not a gazetteer</source>
        <translation>ce n&apos;est pas un répertoire de lieux</translation>
    </message>
    <message>
        <source>its compressed data is cut short or corrupt</source>
        <translation>ses données compressées sont tronquées ou corrompues</translation>
    </message>
    <message>
        <source>the place names file %1 is damaged: %2</source>
        <translation>le fichier des noms de lieux %1 est endommagé : %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>not a gazetteer of this program&apos;s version</source>
        <translation>pas un répertoire de lieux de cette version du programme</translation>
    </message>
    <message>
        <source>the %1 table&apos;s heading is missing or wrong</source>
        <translation>l&apos;en-tête de la table %1 manque ou est erroné</translation>
    </message>
    <message>
        <source>a country must be a two-letter code and a name</source>
        <translation>un pays doit être un code de deux lettres et un nom</translation>
    </message>
    <message>
        <source>a region must be one name</source>
        <translation>une région doit être un seul nom</translation>
    </message>
    <message>
        <source>a time zone must be one name</source>
        <translation>un fuseau horaire doit être un seul nom</translation>
    </message>
    <message>
        <source>a place&apos;s name is too long</source>
        <translation>le nom d&apos;un lieu est trop long</translation>
    </message>
    <message>
        <source>more lines than the places table counts</source>
        <translation>plus de lignes que n&apos;en compte la table des lieux</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>il est tronqué</translation>
    </message>
    <message>
        <source>its head is corrupt</source>
        <translation>son en-tête est corrompu</translation>
    </message>
    <message>
        <source>head line %1: %2</source>
        <translation>ligne d&apos;en-tête %1 : %2</translation>
    </message>
    <message>
        <source>the countries&apos; heading is missing or wrong</source>
        <translation>l&apos;en-tête des pays manque ou est erroné</translation>
    </message>
    <message>
        <source>a country must be a code, a name and its folded form</source>
        <translation>un pays doit être un code, un nom et sa forme normalisée</translation>
    </message>
    <message>
        <source>the regions&apos; heading is missing or wrong</source>
        <translation>l&apos;en-tête des régions manque ou est erroné</translation>
    </message>
    <message>
        <source>a region must be a name and its folded form</source>
        <translation>une région doit être un nom et sa forme normalisée</translation>
    </message>
    <message>
        <source>the zones&apos; heading is missing or wrong</source>
        <translation>l&apos;en-tête des fuseaux manque ou est erroné</translation>
    </message>
    <message>
        <source>the places&apos; heading is missing or wrong</source>
        <translation>l&apos;en-tête des lieux manque ou est erroné</translation>
    </message>
    <message>
        <source>the key blocks&apos; heading is missing or wrong</source>
        <translation>l&apos;en-tête des blocs de clés manque ou est erroné</translation>
    </message>
    <message>
        <source>a block&apos;s first key is missing</source>
        <translation>la première clé d&apos;un bloc manque</translation>
    </message>
    <message>
        <source>the blocks&apos; size is missing or wrong</source>
        <translation>la taille des blocs manque ou est erronée</translation>
    </message>
    <message>
        <source>it is cut short or has bytes past its end</source>
        <translation>il est tronqué ou a des octets après sa fin</translation>
    </message>
    <message>
        <source>the blocks&apos; table is missing</source>
        <translation>la table des blocs manque</translation>
    </message>
    <message>
        <source>the blocks&apos; table is cut short or too long</source>
        <translation>la table des blocs est tronquée ou trop longue</translation>
    </message>
    <message>
        <source>a block lies outside the file</source>
        <translation>un bloc se trouve hors du fichier</translation>
    </message>
    <message>
        <source>a block of names is corrupt</source>
        <translation>un bloc de noms est corrompu</translation>
    </message>
    <message>
        <source>a block of places is corrupt</source>
        <translation>un bloc de lieux est corrompu</translation>
    </message>
    <message>
        <source>Place names from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>Noms de lieux de GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>the place names file is missing: looked for %1</source>
        <translation>le fichier des noms de lieux manque : cherché %1</translation>
    </message>
    <message>
        <source>The browser window cannot be opened: its module is missing or damaged.</source>
        <translation>La fenêtre du navigateur ne peut pas s&apos;ouvrir : son module manque ou est endommagé.</translation>
    </message>
    <message>
        <source>The field sheet cannot be opened: its module is missing or damaged.</source>
        <translation>La fiche de terrain ne peut pas s&apos;ouvrir : son module manque ou est endommagé.</translation>
    </message>
    <message>
        <source>The dial designer cannot be opened: its module is missing or damaged.</source>
        <translation>La conception de cadran ne peut pas s&apos;ouvrir : son module manque ou est endommagé.</translation>
    </message>
    <message>
        <source>The window cannot be opened: its module is missing or damaged.</source>
        <translation>La fenêtre ne peut pas s&apos;ouvrir : son module manque ou est endommagé.</translation>
    </message>
    <message>
        <source>The %1 cannot be opened: its module is missing or damaged.</source>
        <translation>%1 ne peut pas s&apos;ouvrir : son module manque ou est endommagé.</translation>
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
        <translation>ouest</translation>
    </message>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <translation>dddd d MMMM yyyy</translation>
    </message>
    <message>
        <source>a decimal point</source>
        <translation>un point décimal</translation>
    </message>
    <message>
        <source>a decimal point or &quot;%1&quot;</source>
        <translation>un point décimal ou &quot;%1&quot;</translation>
    </message>
</context>
</TS>
