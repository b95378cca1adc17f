<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>text</name>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4, Standard Time</source>
        <translation>Breite %1 %2, Länge %3 %4, Normalzeit</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4, Daylight Savings Time</source>
        <translation>Breite %1 %2, Länge %3 %4, Sommerzeit</translation>
    </message>
    <message>
        <source> (declination=%1 degrees, EoT = MINUS %2 minutes, %3 seconds)</source>
        <translation> (Deklination=%1 Grad, Zeitgleichung = MINUS %2 Minuten, %3 Sekunden)</translation>
    </message>
    <message>
        <source> (declination=%1 degrees, EoT = %2 minutes, %3 seconds)</source>
        <translation> (Deklination=%1 Grad, Zeitgleichung = %2 Minuten, %3 Sekunden)</translation>
    </message>
    <message>
        <source>The sun will be exactly east at %1</source>
        <translation>Die Sonne steht um %1 genau im Osten</translation>
    </message>
    <message>
        <source>The sun is never seen east at this location and date</source>
        <translation>Die Sonne steht an diesem Ort und Datum nie sichtbar im Osten</translation>
    </message>
    <message>
        <source>The sun will be exactly south at %1</source>
        <translation>Die Sonne steht um %1 genau im Süden</translation>
    </message>
    <message>
        <source>The sun will be exactly north at %1</source>
        <translation>Die Sonne steht um %1 genau im Norden</translation>
    </message>
    <message>
        <source>The sun is never seen west at this location and date</source>
        <translation>Die Sonne steht an diesem Ort und Datum nie sichtbar im Westen</translation>
    </message>
    <message>
        <source>The sun will be exactly west at %1</source>
        <translation>Die Sonne steht um %1 genau im Westen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and month: 14 March</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>no summer time by the rules of %1 in %2</source>
        <translation>keine Sommerzeit nach den Regeln von %1 im Jahr %2</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>summer time until a day</comment>
        <translation>bis %1</translation>
    </message>
    <message>
        <source>from %1</source>
        <comment>summer time from a day</comment>
        <translation>ab %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>summer time from a day until a day</comment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of several spans</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between spans</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>summer time by the rules of %1: %2 %3</source>
        <translation>Sommerzeit nach den Regeln von %1: %2 %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>clock offset, then its summer time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 with daylight saving all year</source>
        <translation>%1 mit Sommerzeit das ganze Jahr</translation>
    </message>
    <message>
        <source>%1, standard time all year</source>
        <translation>%1, Normalzeit das ganze Jahr</translation>
    </message>
    <message>
        <source>Orvane Finder</source>
        <translation>Orvane – Ausrichtung</translation>
    </message>
    <message>
        <source>This program helps you determine exact east/west, or north/south lines to aid in the set-up of a sundial.  Enter the date, your longitude, latitude, time zone, and select daylight savings or standard time.  The program will determine the time of day that the sun is exactly east, south, and west.  In the Northern Hemisphere, the sun cannot reach east or west after the autumnal or before the spring equinoxes.<byte value="xd"/>
Set up a plumb line.  You can use a dish of water to dampen sway caused by the wind.  At the exact time indicated below, mark the shadow.  It will trace a perfect east/west or north/south line.<byte value="xd"/>
Your watch must be set accurately to use this method.  Click on the internet link below to set your watch to an atomic standard.</source>
        <translation>Dieses Programm hilft, genaue Ost-West- oder Nord-Süd-Linien für das Aufstellen einer Sonnenuhr zu bestimmen.  Geben Sie das Datum, Ihre Länge, Breite und Zeitzone ein und wählen Sie Sommerzeit oder Normalzeit.  Das Programm bestimmt die Uhrzeit, zu der die Sonne genau im Osten, Süden und Westen steht.  Auf der Nordhalbkugel erreicht die Sonne nach der Herbst- und vor der Frühlings-Tagundnachtgleiche weder Osten noch Westen.<byte value="xd"/>
Hängen Sie ein Lot auf.  Eine Schale Wasser dämpft das Schwingen im Wind.  Markieren Sie genau zur unten angegebenen Zeit den Schatten.  Er zeigt eine exakte Ost-West- oder Nord-Süd-Linie.<byte value="xd"/>
Für diese Methode muss Ihre Uhr genau gehen.  Klicken Sie auf den Internet-Link unten, um Ihre Uhr nach der Atomzeit zu stellen.</translation>
    </message>
    <message>
        <source>GMT-11hrs  Midway, Samoa</source>
        <translation>GMT-11 Std.  Midway, Samoa</translation>
    </message>
    <message>
        <source>GMT-10hrs  Hawaii</source>
        <translation>GMT-10 Std.  Hawaii</translation>
    </message>
    <message>
        <source>GMT-9hrs   Alaska</source>
        <translation>GMT-9 Std.   Alaska</translation>
    </message>
    <message>
        <source>GMT-8hrs   US Pacific Time, Seattle, Los Angeles</source>
        <translation>GMT-8 Std.   US-Pazifikzeit, Seattle, Los Angeles</translation>
    </message>
    <message>
        <source>GMT-7hrs   US Mountain Time, Denver, Phoenix</source>
        <translation>GMT-7 Std.   US-Gebirgszeit, Denver, Phoenix</translation>
    </message>
    <message>
        <source>GMT-6hrs   US Central Time, Chicago, New Orleans</source>
        <translation>GMT-6 Std.   US-Zentralzeit, Chicago, New Orleans</translation>
    </message>
    <message>
        <source>GMT-5hrs   US Eastern Time, Montreal, New York</source>
        <translation>GMT-5 Std.   US-Ostküstenzeit, Montreal, New York</translation>
    </message>
    <message>
        <source>GMT-4hrs   Atlantic, Nova Scotia</source>
        <translation>GMT-4 Std.   Atlantik, Neuschottland</translation>
    </message>
    <message>
        <source>GMT-3hrs   Greenland</source>
        <translation>GMT-3 Std.   Grönland</translation>
    </message>
    <message>
        <source>GMT-2hrs  </source>
        <translation>GMT-2 Std.  </translation>
    </message>
    <message>
        <source>GMT-1hrs  </source>
        <translation>GMT-1 Std.  </translation>
    </message>
    <message>
        <source>GMT 0hrs   Western European Time, Greenwich</source>
        <translation>GMT 0 Std.   Westeuropäische Zeit, Greenwich</translation>
    </message>
    <message>
        <source>GMT+1hrs   Middle European Time</source>
        <translation>GMT+1 Std.   Mitteleuropäische Zeit</translation>
    </message>
    <message>
        <source>GMT+2hrs   Eastern European Time</source>
        <translation>GMT+2 Std.   Osteuropäische Zeit</translation>
    </message>
    <message>
        <source>GMT+3hrs   Moscow</source>
        <translation>GMT+3 Std.   Moskau</translation>
    </message>
    <message>
        <source>GMT+4hrs   Gorki</source>
        <translation>GMT+4 Std.   Gorki</translation>
    </message>
    <message>
        <source>GMT+5hrs   </source>
        <translation>GMT+5 Std.   </translation>
    </message>
    <message>
        <source>GMT+6hrs</source>
        <translation>GMT+6 Std.</translation>
    </message>
    <message>
        <source>GMT+7hrs</source>
        <translation>GMT+7 Std.</translation>
    </message>
    <message>
        <source>GMT+8hrs   China</source>
        <translation>GMT+8 Std.   China</translation>
    </message>
    <message>
        <source>GMT+9hrs   Japan, Korea</source>
        <translation>GMT+9 Std.   Japan, Korea</translation>
    </message>
    <message>
        <source>GMT+10hrs</source>
        <translation>GMT+10 Std.</translation>
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
        <translation>GMT-9:30 Std.   Marquesas</translation>
    </message>
    <message>
        <source>GMT-3:30hrs   Newfoundland</source>
        <translation>GMT-3:30 Std.   Neufundland</translation>
    </message>
    <message>
        <source>GMT+3:30hrs   Iran</source>
        <translation>GMT+3:30 Std.   Iran</translation>
    </message>
    <message>
        <source>GMT+4:30hrs   Afghanistan</source>
        <translation>GMT+4:30 Std.   Afghanistan</translation>
    </message>
    <message>
        <source>GMT+5:30hrs   India, Sri Lanka</source>
        <translation>GMT+5:30 Std.   Indien, Sri Lanka</translation>
    </message>
    <message>
        <source>GMT+5:45hrs   Nepal</source>
        <translation>GMT+5:45 Std.   Nepal</translation>
    </message>
    <message>
        <source>GMT+6:30hrs   Myanmar</source>
        <translation>GMT+6:30 Std.   Myanmar</translation>
    </message>
    <message>
        <source>GMT+8:45hrs   Eucla</source>
        <translation>GMT+8:45 Std.   Eucla</translation>
    </message>
    <message>
        <source>GMT+9:30hrs   Central Australia</source>
        <translation>GMT+9:30 Std.   Zentralaustralien</translation>
    </message>
    <message>
        <source>GMT+10:30hrs  Lord Howe Island</source>
        <translation>GMT+10:30 Std.  Lord-Howe-Insel</translation>
    </message>
    <message>
        <source>GMT+12:45hrs  Chatham Islands</source>
        <translation>GMT+12:45 Std.  Chatham-Inseln</translation>
    </message>
    <message>
        <source>GMT+13hrs     Tonga, Samoa</source>
        <translation>GMT+13 Std.     Tonga, Samoa</translation>
    </message>
    <message>
        <source>GMT+14hrs     Line Islands</source>
        <translation>GMT+14 Std.     Line-Inseln</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Zeitzone wählen</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Please enter a valid date</source>
        <translation>Bitte ein gültiges Datum eingeben</translation>
    </message>
    <message>
        <source>Are clock readings Standard Time, or Daylight Savings?</source>
        <translation>Zeigt die Uhr Normalzeit oder Sommerzeit?</translation>
    </message>
    <message>
        <source>Please enter latitude in degrees from -90 to 90, e.g. 40.655</source>
        <translation>Bitte die Breite in Grad von -90 bis 90 eingeben, z. B. 40.655</translation>
    </message>
    <message>
        <source>Please enter  longitude in degrees from 0 to 180, e.g. 72.855</source>
        <translation>Bitte die Länge in Grad von 0 bis 180 eingeben, z. B. 72.855</translation>
    </message>
    <message>
        <source>Please select whether you are East or West of Greewich</source>
        <translation>Bitte wählen, ob Sie östlich oder westlich von Greenwich sind</translation>
    </message>
    <message>
        <source>Please select your time zone</source>
        <translation>Bitte Ihre Zeitzone wählen</translation>
    </message>
    <message>
        <source>Your longitude is more than 15 degrees form your time zone.  Are you sure that this information is correct?</source>
        <translation>Ihre Länge liegt mehr als 15 Grad von Ihrer Zeitzone entfernt.  Sind diese Angaben sicher richtig?</translation>
    </message>
    <message>
        <source>a place must have %1 fields</source>
        <translation>ein Ort muss %1 Felder haben</translation>
    </message>
    <message>
        <source>a place&apos;s name, country, region or time zone is missing or unknown</source>
        <translation>Name, Land, Region oder Zeitzone eines Ortes fehlt oder ist unbekannt</translation>
    </message>
    <message>
        <source>a place&apos;s latitude, longitude or population is out of range</source>
        <translation>Breite, Länge oder Einwohnerzahl eines Ortes liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>the place names cannot be read from %1: %2</source>
        <translation>die Ortsnamen können nicht aus %1 gelesen werden: %2</translation>
    </message>
    <message>
        <source>not a gazetteer</source>
        <translation>kein Ortsverzeichnis</translation>
    </message>
    <message>
        <source>its compressed data is cut short or corrupt</source>
        <translation>seine komprimierten Daten sind unvollständig oder beschädigt</translation>
    </message>
    <message>
        <source>the place names file %1 is damaged: %2</source>
        <translation>die Ortsnamendatei %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>not a gazetteer of this program&apos;s version</source>
        <translation>kein Ortsverzeichnis dieser Programmversion</translation>
    </message>
    <message>
        <source>the %1 table&apos;s heading is missing or wrong</source>
        <translation>der Kopf der Tabelle %1 fehlt oder ist falsch</translation>
    </message>
    <message>
        <source>a country must be a two-letter code and a name</source>
        <translation>ein Land muss ein Kürzel aus zwei Buchstaben und ein Name sein</translation>
    </message>
    <message>
        <source>a region must be one name</source>
        <translation>eine Region muss ein Name sein</translation>
    </message>
    <message>
        <source>a time zone must be one name</source>
        <translation>eine Zeitzone muss ein Name sein</translation>
    </message>
    <message>
        <source>a place&apos;s name is too long</source>
        <translation>der Name eines Ortes ist zu lang</translation>
    </message>
    <message>
        <source>more lines than the places table counts</source>
        <translation>mehr Zeilen, als die Ortstabelle zählt</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>sie ist unvollständig</translation>
    </message>
    <message>
        <source>its head is corrupt</source>
        <translation>ihr Kopf ist beschädigt</translation>
    </message>
    <message>
        <source>head line %1: %2</source>
        <translation>Kopfzeile %1: %2</translation>
    </message>
    <message>
        <source>the countries&apos; heading is missing or wrong</source>
        <translation>der Kopf der Länder fehlt oder ist falsch</translation>
    </message>
    <message>
        <source>a country must be a code, a name and its folded form</source>
        <translation>ein Land muss ein Kürzel, ein Name und dessen Suchform sein</translation>
    </message>
    <message>
        <source>the regions&apos; heading is missing or wrong</source>
        <translation>der Kopf der Regionen fehlt oder ist falsch</translation>
    </message>
    <message>
        <source>a region must be a name and its folded form</source>
        <translation>eine Region muss ein Name und dessen Suchform sein</translation>
    </message>
    <message>
        <source>the zones&apos; heading is missing or wrong</source>
        <translation>der Kopf der Zeitzonen fehlt oder ist falsch</translation>
    </message>
    <message>
        <source>the places&apos; heading is missing or wrong</source>
        <translation>der Kopf der Orte fehlt oder ist falsch</translation>
    </message>
    <message>
        <source>the key blocks&apos; heading is missing or wrong</source>
        <translation>der Kopf der Schlüsselblöcke fehlt oder ist falsch</translation>
    </message>
    <message>
        <source>a block&apos;s first key is missing</source>
        <translation>der erste Schlüssel eines Blocks fehlt</translation>
    </message>
    <message>
        <source>the blocks&apos; size is missing or wrong</source>
        <translation>die Blockgröße fehlt oder ist falsch</translation>
    </message>
    <message>
        <source>it is cut short or has bytes past its end</source>
        <translation>sie ist unvollständig oder hat Bytes nach ihrem Ende</translation>
    </message>
    <message>
        <source>the blocks&apos; table is missing</source>
        <translation>die Blocktabelle fehlt</translation>
    </message>
    <message>
        <source>the blocks&apos; table is cut short or too long</source>
        <translation>die Blocktabelle ist unvollständig oder zu lang</translation>
    </message>
    <message>
        <source>a block lies outside the file</source>
        <translation>ein Block liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>a block of names is corrupt</source>
        <translation>ein Block mit Namen ist beschädigt</translation>
    </message>
    <message>
        <source>a block of places is corrupt</source>
        <translation>ein Block mit Orten ist beschädigt</translation>
    </message>
    <message>
        <source>Place names from GeoNames (geonames.org), CC BY 4.0</source>
        <translation>Ortsnamen von GeoNames (geonames.org), CC BY 4.0</translation>
    </message>
    <message>
        <source>the place names file is missing: looked for %1</source>
        <translation>die Ortsnamendatei fehlt: gesucht wurde %1</translation>
    </message>
    <message>
        <source>The browser window cannot be opened: its module is missing or damaged.</source>
        <translation>Das Browserfenster kann nicht geöffnet werden: sein Modul fehlt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>The field sheet cannot be opened: its module is missing or damaged.</source>
        <translation>Das Feldblatt kann nicht geöffnet werden: sein Modul fehlt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>The dial designer cannot be opened: its module is missing or damaged.</source>
        <translation>Der Sonnenuhr-Entwurf kann nicht geöffnet werden: sein Modul fehlt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>The window cannot be opened: its module is missing or damaged.</source>
        <translation>Das Fenster kann nicht geöffnet werden: sein Modul fehlt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>The %1 cannot be opened: its module is missing or damaged.</source>
        <translation>%1 kann nicht geöffnet werden: das Modul fehlt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>north</source>
        <translation>Norden</translation>
    </message>
    <message>
        <source>east</source>
        <translation>Osten</translation>
    </message>
    <message>
        <source>south</source>
        <translation>Süden</translation>
    </message>
    <message>
        <source>west</source>
        <translation>Westen</translation>
    </message>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <translation>dddd, d. MMMM yyyy</translation>
    </message>
    <message>
        <source>a decimal point</source>
        <translation>einem Dezimalpunkt</translation>
    </message>
    <message>
        <source>a decimal point or &quot;%1&quot;</source>
        <translation>einem Dezimalpunkt oder &quot;%1&quot;</translation>
    </message>
</context>
</TS>
