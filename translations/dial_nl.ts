<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>dial</name>
    <message>
        <source>north</source>
        <translation>noord</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centrum</translation>
    </message>
    <message>
        <source>Wires cross above</source>
        <translation>Hierboven kruisen de draden</translation>
    </message>
    <message>
        <source>The x-wire&apos;s height spaces the hour lines evenly, 15° an hour around the centre</source>
        <translation>De hoogte van de x-draad verdeelt de uurlijnen gelijkmatig, 15° per uur rond het centrum</translation>
    </message>
    <message>
        <source>No x-wire height spaces the hour lines evenly on this face</source>
        <translation>Op deze wijzerplaat verdeelt geen hoogte van de x-draad de uurlijnen gelijkmatig</translation>
    </message>
    <message>
        <source>x-wire</source>
        <translation>x-draad</translation>
    </message>
    <message>
        <source>%1 above the plate, along x over y = 0, posts at %2 and %3</source>
        <translation>%1 boven de plaat, langs x boven y = 0, palen op %2 en %3</translation>
    </message>
    <message>
        <source>y-wire</source>
        <translation>y-draad</translation>
    </message>
    <message>
        <source>%1 above the plate, along y over x = 0, posts at %2 and %3</source>
        <translation>%1 boven de plaat, langs y boven x = 0, palen op %2 en %3</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centrum</translation>
    </message>
    <message>
        <source>none: the hour lines are parallel</source>
        <translation>geen: de uurlijnen zijn evenwijdig</translation>
    </message>
    <message>
        <source>evenly spaced</source>
        <translation>gelijkmatig verdeeld</translation>
    </message>
    <message>
        <source>yes, 15° an hour</source>
        <translation>ja, 15° per uur</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nee</translation>
    </message>
    <message>
        <source>Hour lines (angle at the centre from the noon side of the y axis, + towards x)</source>
        <translation>Uurlijnen (hoek in het centrum vanaf de middagzijde van de y-as, + naar x)</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the point under the wires&apos; crossing: x to the right, y up the slope.

</source>
        <translation>Millimeters op de plaat vanaf het punt onder de kruising van de draden: x naar rechts, y hellingopwaarts.

</translation>
    </message>
    <message>
        <source>Wires %1 mm (x) and %2 mm (y) above the plate</source>
        <translation>Draden %1 mm (x) en %2 mm (y) boven de plaat</translation>
    </message>
    <message>
        <source>wires %1 mm and %2 mm above the plate</source>
        <translation>draden %1 mm en %2 mm boven de plaat</translation>
    </message>
    <message>
        <source>Stretch each wire between its posts, parallel to the plate at its height; they cross over the plate&apos;s origin</source>
        <translation>Span elke draad tussen zijn palen, evenwijdig aan de plaat op zijn hoogte; ze kruisen elkaar boven de oorsprong van de plaat</translation>
    </message>
    <message>
        <source>Wires: x %1 mm, y %2 mm</source>
        <translation>Draden: x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>Centre of the hour lines: x %1, y %2 mm%3</source>
        <translation>Centrum van de uurlijnen: x %1, y %2 mm%3</translation>
    </message>
    <message>
        <source>, 15° an hour</source>
        <translation>, 15° per uur</translation>
    </message>
    <message>
        <source>No centre: the hour lines are parallel.</source>
        <translation>Geen centrum: de uurlijnen zijn evenwijdig.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 mm, %3.</source>
        <translation>Draden %1 en %2 mm, %3.</translation>
    </message>
    <message>
        <source>%1, wires %2 mm (x) and %3 mm (y) above the plate. %4.</source>
        <translation>%1, draden %2 mm (x) en %3 mm (y) boven de plaat. %4.</translation>
    </message>
    <message>
        <source>lit from the March to the September equinox</source>
        <translation>beschenen van de maart- tot de septemberequinox</translation>
    </message>
    <message>
        <source>lit from the September to the March equinox</source>
        <translation>beschenen van de september- tot de maartequinox</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontaal</translation>
    </message>
    <message>
        <source>Horizontal dial</source>
        <translation>Horizontale zonnewijzer</translation>
    </message>
    <message>
        <source>From the meridian (°, + east)</source>
        <translation>Vanaf de meridiaan (°, + oost)</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticaal</translation>
    </message>
    <message>
        <source>Vertical dial</source>
        <translation>Verticale zonnewijzer</translation>
    </message>
    <message>
        <source>From the vertical (°, + right)</source>
        <translation>Vanaf de verticaal (°, + rechts)</translation>
    </message>
    <message>
        <source>Reclining or inclining (any plane)</source>
        <translation>Achterover of voorover hellend (elk vlak)</translation>
    </message>
    <message>
        <source>Plane dial</source>
        <translation>Vlakke zonnewijzer</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polair</translation>
    </message>
    <message>
        <source>Polar dial</source>
        <translation>Poolzonnewijzer</translation>
    </message>
    <message>
        <source>Equatorial (both faces)</source>
        <translation>Equatoriaal (beide wijzerplaten)</translation>
    </message>
    <message>
        <source>Equatorial dial</source>
        <translation>Equatoriale zonnewijzer</translation>
    </message>
    <message>
        <source>Analemmatic (a person is the gnomon)</source>
        <translation>Analemmatisch (een persoon is de gnomon)</translation>
    </message>
    <message>
        <source>Analemmatic dial</source>
        <translation>Analemmatische zonnewijzer</translation>
    </message>
    <message>
        <source>its ellipse flattens to a line near the equator, and its date scale to a point near a pole</source>
        <translation>de ellips wordt bij de evenaar een lijn, en de datumschaal bij een pool een punt</translation>
    </message>
    <message>
        <source>an analemmatic dial has no style that could stand turned: check its north-south line and its date scale instead</source>
        <translation>een analemmatische zonnewijzer heeft geen stijl die verdraaid kan staan: controleer in plaats daarvan de noord-zuidlijn en de datumschaal</translation>
    </message>
    <message>
        <source>an analemmatic dial&apos;s hour points lie on its ellipse, where a figure-8 of clock time has no place: draw it to sun or zone time</source>
        <translation>de uurpunten van een analemmatische zonnewijzer liggen op de ellips, waar geen plaats is voor een achtvormige lus van kloktijd: teken hem in ware zonnetijd of zonetijd</translation>
    </message>
    <message>
        <source>an analemmatic dial&apos;s hour points lie on its ellipse, which has no place for lines of Italian, Babylonian or unequal hours: draw it in equal hours</source>
        <translation>de uurpunten van een analemmatische zonnewijzer liggen op de ellips, waar geen plaats is voor lijnen van Italiaanse, Babylonische of temporale uren: teken hem in gelijke uren</translation>
    </message>
    <message>
        <source>Noon mark (a spot of sun through a hole)</source>
        <translation>Middaglijn (een zonnevlek door een gat)</translation>
    </message>
    <message>
        <source>Noon mark</source>
        <translation>Middaglijn</translation>
    </message>
    <message>
        <source>a noon mark has no style that could stand turned: check its meridian line against the spot at the true noon instead</source>
        <translation>een middaglijn heeft geen stijl die verdraaid kan staan: controleer in plaats daarvan de meridiaanlijn met de vlek op de ware middag</translation>
    </message>
    <message>
        <source>a noon mark shows the noon alone, with no hour lines: draw a plane dial for the old hours</source>
        <translation>een middaglijn toont alleen de middag, zonder uurlijnen: teken voor de oude uren een vlakke zonnewijzer</translation>
    </message>
    <message>
        <source>Bifilar (two wires)</source>
        <translation>Bifilair (twee draden)</translation>
    </message>
    <message>
        <source>Bifilar dial</source>
        <translation>Bifilaire zonnewijzer</translation>
    </message>
    <message>
        <source>From the y axis at the centre (°, + towards x)</source>
        <translation>Vanaf de y-as in het centrum (°, + naar x)</translation>
    </message>
    <message>
        <source>Wires</source>
        <translation>Draden</translation>
    </message>
    <message>
        <source>a bifilar dial has no style that could stand turned: check the wires&apos; heights and that each runs along its axis instead</source>
        <translation>een bifilaire zonnewijzer heeft geen stijl die verdraaid kan staan: controleer in plaats daarvan de hoogte van de draden en dat elke draad langs zijn as loopt</translation>
    </message>
    <message>
        <source>a bifilar dial&apos;s hour lines are straight lines of sun or zone time: draw it to sun or zone time</source>
        <translation>de uurlijnen van een bifilaire zonnewijzer zijn rechte lijnen van ware zonnetijd of zonetijd: teken hem in ware zonnetijd of zonetijd</translation>
    </message>
    <message>
        <source>a bifilar dial&apos;s crossing is drawn for equal hours: draw a plane dial for the old hours</source>
        <translation>de kruising van een bifilaire zonnewijzer is getekend voor gelijke uren: teken voor de oude uren een vlakke zonnewijzer</translation>
    </message>
    <message>
        <source>From the line of steepest slope (°, + right)</source>
        <translation>Vanaf de lijn van de grootste helling (°, + rechts)</translation>
    </message>
    <message>
        <source>Gnomon</source>
        <translation>Gnomon</translation>
    </message>
    <message>
        <source>east</source>
        <translation>oost</translation>
    </message>
    <message>
        <source>west</source>
        <translation>west</translation>
    </message>
    <message>
        <source>on the line</source>
        <translation>op de lijn</translation>
    </message>
    <message>
        <source>Stand up straight: anyone %1 m tall or taller casts a shadow that reaches the marks from %2 to %3 h on every day of the year. A shorter shadow still points along the line to the time.</source>
        <translation>Sta rechtop: iedereen van %1 m of langer werpt een schaduw die op elke dag van het jaar de merktekens van %2 tot %3 h bereikt. Een kortere schaduw wijst toch in de richting van de tijd.</translation>
    </message>
    <message>
        <source>Stand up straight: anyone %1 m tall or taller casts a shadow that reaches the marks from %2 to %3 h on every day of the year.</source>
        <translation>Sta rechtop: iedereen van %1 m of langer werpt een schaduw die op elke dag van het jaar de merktekens van %2 tot %3 h bereikt.</translation>
    </message>
    <message>
        <source>Lay out the north-south line: on %1 at %2 by a clock on %3 the sun stands on the meridian, and the shadow of a plumb line falls along it.</source>
        <translation>Zet de noord-zuidlijn uit: op %1 om %2 volgens een klok op %3 staat de zon in de meridiaan en valt de schaduw van een schietlood langs de lijn.</translation>
    </message>
    <message>
        <source>Mark the centre C on the line, and the noon point N %1 m north of C.</source>
        <translation>Markeer het centrum C op de lijn, en het middagpunt N %1 m ten noorden van C.</translation>
    </message>
    <message>
        <source>Mark the centre C on the line, and the noon point N %1 m south of C.</source>
        <translation>Markeer het centrum C op de lijn, en het middagpunt N %1 m ten zuiden van C.</translation>
    </message>
    <message>
        <source>Stake each hour with two tapes, one from C and one from N, at the lengths in the table: where they meet on the hour&apos;s side of the line (east or west) is the hour&apos;s mark.</source>
        <translation>Zet elk uur uit met twee meetlinten, één vanaf C en één vanaf N, op de lengtes uit de tabel: waar ze elkaar aan de kant van het uur (oost of west) raken, ligt het merkteken van het uur.</translation>
    </message>
    <message>
        <source>Mark the dates on the line, each its distance from C (+ north, - south).</source>
        <translation>Markeer de data op de lijn, elk op zijn afstand van C (+ noord, - zuid).</translation>
    </message>
    <message>
        <source>To draw the ellipse, put a pin at each focus, %1 m east and west of C, and run a loop of string %2 m long round both pins and a marker.</source>
        <translation>Om de ellips te tekenen: zet een pen in elk brandpunt, %1 m ten oosten en ten westen van C, en leg een lus touw van %2 m om beide pennen en een stift.</translation>
    </message>
    <message>
        <source>Stand on today&apos;s date and your shadow points to the time; add the card&apos;s correction for the clock.</source>
        <translation>Ga op de datum van vandaag staan en uw schaduw wijst de tijd aan; tel voor de kloktijd de correctie van de tabel op.</translation>
    </message>
    <message>
        <source>Stand on today&apos;s date and your shadow points to the dial&apos;s time; for the clock&apos;s, add the correction of a card (--card on the command line, or the Dial Designer&apos;s card).</source>
        <translation>Ga op de datum van vandaag staan en uw schaduw wijst de tijd van de zonnewijzer aan; tel voor de kloktijd de correctie van een tabel op (--card op de opdrachtregel, of de tabel van de Zonnewijzerontwerper).</translation>
    </message>
    <message>
        <source>%1 m south</source>
        <translation>%1 m ten zuiden</translation>
    </message>
    <message>
        <source>%1 m north</source>
        <translation>%1 m ten noorden</translation>
    </message>
    <message>
        <source>Ellipse: %1 m by %2 m</source>
        <translation>Ellips: %1 m bij %2 m</translation>
    </message>
    <message>
        <source>Noon point N %1 of the centre C. Foci %2 m east and west of C; string loop %3 m.
%4</source>
        <translation>Middagpunt N %1 van het centrum C. Brandpunten %2 m ten oosten en ten westen van C; touwlus %3 m.
%4</translation>
    </message>
    <message>
        <source>%1 m by %2 m</source>
        <translation>%1 m bij %2 m</translation>
    </message>
    <message>
        <source>no hour marks</source>
        <translation>geen uurmerktekens</translation>
    </message>
    <message>
        <source>%1 hour marks, from %2 to %3</source>
        <translation>%1 uurmerktekens, van %2 tot %3</translation>
    </message>
    <message>
        <source>Ellipse %1, %2.</source>
        <translation>Ellips %1, %2.</translation>
    </message>
    <message>
        <source>%1 hour marks</source>
        <translation>%1 uurmerktekens</translation>
    </message>
    <message>
        <source>at the centre</source>
        <translation>in het centrum</translation>
    </message>
    <message>
        <source> The date scale on the north-south line, from the centre C: %1.</source>
        <translation> De datumschaal op de noord-zuidlijn, vanaf het centrum C: %1.</translation>
    </message>
    <message>
        <source>%1: an ellipse %2 on the ground, %3.%4 Stand on today&apos;s date and your shadow points to the time.</source>
        <translation>%1: een ellips van %2 op de grond, %3.%4 Ga op de datum van vandaag staan en uw schaduw wijst de tijd aan.</translation>
    </message>
    <message>
        <source>Two tapes to each hour: from C and from N, on the hour&apos;s side of the line</source>
        <translation>Twee meetlinten per uur: vanaf C en vanaf N, aan de kant van het uur</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Uur</translation>
    </message>
    <message>
        <source>From C (m)</source>
        <translation>Vanaf C (m)</translation>
    </message>
    <message>
        <source>From N (m)</source>
        <translation>Vanaf N (m)</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Kant</translation>
    </message>
    <message>
        <source>The date scale: where to stand, from C along the line (+ north, - south)</source>
        <translation>De datumschaal: waar te staan, vanaf C langs de lijn (+ noord, - zuid)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>The person as gnomon: the height whose shadow reaches the hour&apos;s mark on every day (rounded up to the cm)</source>
        <translation>De persoon als gnomon: de lengte waarvan de schaduw elke dag het merkteken van het uur bereikt (naar boven afgerond op de cm)</translation>
    </message>
    <message>
        <source>Height (m)</source>
        <translation>Lengte (m)</translation>
    </message>
    <message>
        <source>C is the centre, N the noon point.</source>
        <translation>C is het centrum, N het middagpunt.</translation>
    </message>
    <message>
        <source>Ellipse %1 m by %2 m</source>
        <translation>Ellips %1 m bij %2 m</translation>
    </message>
    <message>
        <source>half-width %1 m</source>
        <translation>halve breedte %1 m</translation>
    </message>
    <message>
        <source>ellipse</source>
        <translation>ellips</translation>
    </message>
    <message>
        <source>%1 m east-west by %2 m north-south</source>
        <translation>%1 m oost-west bij %2 m noord-zuid</translation>
    </message>
    <message>
        <source>noon point N</source>
        <translation>middagpunt N</translation>
    </message>
    <message>
        <source>%1 m north of the centre C</source>
        <translation>%1 m ten noorden van het centrum C</translation>
    </message>
    <message>
        <source>%1 m south of the centre C</source>
        <translation>%1 m ten zuiden van het centrum C</translation>
    </message>
    <message>
        <source>foci</source>
        <translation>brandpunten</translation>
    </message>
    <message>
        <source>%1 m east and west of C</source>
        <translation>%1 m ten oosten en ten westen van C</translation>
    </message>
    <message>
        <source>string loop</source>
        <translation>touwlus</translation>
    </message>
    <message>
        <source>Staking table (metres; x east, y north of C)</source>
        <translation>Uitzettabel (meters; x oost, y noord vanaf C)</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>uur</translation>
    </message>
    <message>
        <source>from C</source>
        <translation>vanaf C</translation>
    </message>
    <message>
        <source>from N</source>
        <translation>vanaf N</translation>
    </message>
    <message>
        <source>side</source>
        <translation>kant</translation>
    </message>
    <message>
        <source>Date scale (metres from C along the line, + north)</source>
        <translation>Datumschaal (meters vanaf C langs de lijn, + noord)</translation>
    </message>
    <message>
        <source>date</source>
        <translation>datum</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>declinatie</translation>
    </message>
    <message>
        <source>The person as gnomon (the height whose shadow reaches the mark on its worst day, rounded up to the cm)</source>
        <translation>De persoon als gnomon (de lengte waarvan de schaduw het merkteken op de ongunstigste dag bereikt, naar boven afgerond op de cm)</translation>
    </message>
    <message>
        <source>height</source>
        <translation>lengte</translation>
    </message>
    <message>
        <source>worst at declination</source>
        <translation>ongunstigst bij declinatie</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mrt</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dec</translation>
    </message>
    <message>
        <source>true noon</source>
        <translation>ware middag</translation>
    </message>
    <message>
        <source>up</source>
        <translation>omhoog</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>south</source>
        <translation>zuid</translation>
    </message>
    <message>
        <source>down</source>
        <translation>omlaag</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>The spot never falls on this face at %1: on every day of the year the sun then stands behind the face, below the horizon or under %2° above the face.</source>
        <translation>Om %1 valt de vlek nooit op dit vlak: op elke dag van het jaar staat de zon dan achter het vlak, onder de horizon of minder dan %2° boven het vlak.</translation>
    </message>
    <message>
        <source>The spot falls on the face at %1 on %2 days of %3.</source>
        <translation>Om %1 valt de vlek op %2 dagen van %3 op het vlak.</translation>
    </message>
    <message>
        <source>Left out: %1 days on which the sun stands under %2° above the face, the spot too long and faint to mark.</source>
        <translation>Weggelaten: %1 dagen waarop de zon minder dan %2° boven het vlak staat; de vlek is dan te lang en te zwak om te markeren.</translation>
    </message>
    <message>
        <source>In summer time the clock runs an hour ahead: this figure-8 is crossed at %1 by it. For a mark of summer time&apos;s noon, give the mark time an hour later (13:00).</source>
        <translation>In de zomertijd loopt de klok een uur voor: deze achtvormige lus wordt volgens de klok om %1 gekruist. Geef voor een merkteken van de middag in zomertijd een markeertijd een uur later op (13:00).</translation>
    </message>
    <message>
        <source>The spot&apos;s centre crosses the meridian line at the true noon, from 14 minutes before the mean sun&apos;s noon to 16 after, and stands on the figure-8 at the mark time.</source>
        <translation>Het midden van de vlek kruist de meridiaanlijn op de ware middag, van 14 minuten vóór tot 16 minuten na de middelbare middag, en staat op de markeertijd op de achtvormige lus.</translation>
    </message>
    <message>
        <source>%1 m above the floor, %2 mm across</source>
        <translation>%1 m boven de vloer, %2 mm doorsnede</translation>
    </message>
    <message>
        <source>%1 m above the face, %2 mm across</source>
        <translation>%1 m boven het vlak, %2 mm doorsnede</translation>
    </message>
    <message>
        <source>Hole %1; figure-8 at %2 %3</source>
        <translation>Gat %1; achtvormige lus om %2 %3</translation>
    </message>
    <message>
        <source>hole %1</source>
        <translation>gat %1</translation>
    </message>
    <message>
        <source>Meridian line: %1 m</source>
        <translation>Meridiaanlijn: %1 m</translation>
    </message>
    <message>
        <source>through the foot F</source>
        <translation>door het voetpunt F</translation>
    </message>
    <message>
        <source>%1 m %2 of the foot F</source>
        <translation>%1 m vanaf het voetpunt F richting %2</translation>
    </message>
    <message>
        <source>The meridian line runs %1 %2; the figure-8 at %3 %4. %5</source>
        <translation>De meridiaanlijn loopt %1 richting %2; de achtvormige lus om %3 %4. %5</translation>
    </message>
    <message>
        <source>%1 days marked</source>
        <translation>%1 dagen gemarkeerd</translation>
    </message>
    <message>
        <source>Noon mark, hole %1: %2</source>
        <translation>Middaglijn, gat %1: %2</translation>
    </message>
    <message>
        <source>%1: a meridian line %2 m long and the figure-8 of the spot at %3. %4</source>
        <translation>%1: een meridiaanlijn van %2 m lang en de achtvormige lus van de vlek om %3. %4</translation>
    </message>
    <message>
        <source>Mark the foot F on the floor straight under the hole&apos;s centre, with a plumb line.</source>
        <translation>Markeer het voetpunt F op de vloer recht onder het midden van het gat, met een schietlood.</translation>
    </message>
    <message>
        <source>Mark the foot F on the face where a line square to it from the hole&apos;s centre meets it.</source>
        <translation>Markeer het voetpunt F op het vlak waar een loodlijn vanuit het midden van het gat het raakt.</translation>
    </message>
    <message>
        <source>Draw the meridian line %1, running %2 from F&apos;s side: on %3 at %4 by a clock on %5 the spot&apos;s centre stands on it.</source>
        <translation>Teken de meridiaanlijn %1, vanaf de kant van F richting %2: op %3 om %4 volgens een klok op %5 staat het midden van de vlek erop.</translation>
    </message>
    <message>
        <source>Mark each date from the table: along the line from the point beside F, then across it (+ %1), and join the marks in the order of the year into the figure-8.</source>
        <translation>Markeer elke datum uit de tabel: langs de lijn vanaf het punt naast F, dan dwars erop (+ richting %1), en verbind de merktekens in de volgorde van het jaar tot de achtvormige lus.</translation>
    </message>
    <message>
        <source>At %1 of %2 the spot&apos;s centre stands on the day&apos;s place on the figure-8.</source>
        <translation>Om %1 %2 staat het midden van de vlek op de plaats van de dag op de achtvormige lus.</translation>
    </message>
    <message>
        <source>F is the foot, under the hole.</source>
        <translation>F is het voetpunt, onder het gat.</translation>
    </message>
    <message>
        <source>F is the foot, square from the hole.</source>
        <translation>F is het voetpunt, loodrecht vanaf het gat.</translation>
    </message>
    <message>
        <source>Along (m)</source>
        <translation>Langs (m)</translation>
    </message>
    <message>
        <source>Across (m)</source>
        <translation>Dwars (m)</translation>
    </message>
    <message>
        <source>Spot (mm)</source>
        <translation>Vlek (mm)</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>gat</translation>
    </message>
    <message>
        <source>mark time</source>
        <translation>markeertijd</translation>
    </message>
    <message>
        <source>meridian line</source>
        <translation>meridiaanlijn</translation>
    </message>
    <message>
        <source>from (%1, %2) to (%3, %4) m, %5 m long, %6</source>
        <translation>van (%1, %2) tot (%3, %4) m, %5 m lang, %6</translation>
    </message>
    <message>
        <source>along</source>
        <translation>langs</translation>
    </message>
    <message>
        <source>across</source>
        <translation>dwars</translation>
    </message>
    <message>
        <source>spot (mm)</source>
        <translation>vlek (mm)</translation>
    </message>
    <message>
        <source>style parallel to the face</source>
        <translation>stijl evenwijdig aan de wijzerplaat</translation>
    </message>
    <message>
        <source>through the plate at the foot, square to it</source>
        <translation>door de plaat bij het voetpunt, er loodrecht op</translation>
    </message>
    <message>
        <source>square to the plate at the foot</source>
        <translation>loodrecht op de plaat bij het voetpunt</translation>
    </message>
    <message>
        <source>Nodus, above the foot</source>
        <translation>Nodus, boven het voetpunt</translation>
    </message>
    <message>
        <source>Nodus</source>
        <translation>Nodus</translation>
    </message>
    <message>
        <source>Solid: December to June; dashed: June to December. Ticks: the first of each month</source>
        <translation>Doorgetrokken: december tot juni; gestreept: juni tot december. Streepjes: de eerste van elke maand</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Voetpunt</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Centrum</translation>
    </message>
    <message>
        <source>Italian hours (hours since the previous sunset), between the solstices: none on the plate</source>
        <translation>Italiaanse uren (uren sinds de vorige zonsondergang), tussen de zonnewendes: geen op de plaat</translation>
    </message>
    <message>
        <source>Italian hours (hours since the previous sunset), between the solstices</source>
        <translation>Italiaanse uren (uren sinds de vorige zonsondergang), tussen de zonnewendes</translation>
    </message>
    <message>
        <source>Babylonian hours (hours since sunrise), between the solstices: none on the plate</source>
        <translation>Babylonische uren (uren sinds zonsopkomst), tussen de zonnewendes: geen op de plaat</translation>
    </message>
    <message>
        <source>Babylonian hours (hours since sunrise), between the solstices</source>
        <translation>Babylonische uren (uren sinds zonsopkomst), tussen de zonnewendes</translation>
    </message>
    <message>
        <source>Unequal hours (twelfths of the daylight since sunrise), between the solstices: none on the plate</source>
        <translation>Temporale uren (twaalfden van de daglengte sinds zonsopkomst), tussen de zonnewendes: geen op de plaat</translation>
    </message>
    <message>
        <source>Unequal hours (twelfths of the daylight since sunrise), between the solstices</source>
        <translation>Temporale uren (twaalfden van de daglengte sinds zonsopkomst), tussen de zonnewendes</translation>
    </message>
    <message>
        <source>points</source>
        <translation>punten</translation>
    </message>
    <message>
        <source>from</source>
        <translation>van</translation>
    </message>
    <message>
        <source>to</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dagen</translation>
    </message>
    <message>
        <source>March equinox</source>
        <translation>Maartequinox</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Junizonnewende</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Septemberequinox</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Decemberzonnewende</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the line of steepest slope, + towards x)</source>
        <translation>Uurlijnen (evenwijdig: hoek vanaf de lijn van de grootste helling, + naar x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the line of steepest slope through the foot.</source>
        <translation> De 12-uurlijn ligt op de lijn van de grootste helling door het voetpunt.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the line of steepest slope.</source>
        <translation> De 12-uurlijn ligt %1° rechts van de lijn van de grootste helling.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the line of steepest slope.</source>
        <translation> De 12-uurlijn ligt %1° links van de lijn van de grootste helling.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the vertical, + towards x)</source>
        <translation>Uurlijnen (evenwijdig: hoek vanaf de verticaal, + naar x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the vertical through the foot.</source>
        <translation> De 12-uurlijn ligt op de verticaal door het voetpunt.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the vertical.</source>
        <translation> De 12-uurlijn ligt %1° rechts van de verticaal.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the vertical.</source>
        <translation> De 12-uurlijn ligt %1° links van de verticaal.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the meridian, + towards x)</source>
        <translation>Uurlijnen (evenwijdig: hoek vanaf de meridiaan, + naar x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the meridian through the foot.</source>
        <translation> De 12-uurlijn ligt op de meridiaan door het voetpunt.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° east of the meridian.</source>
        <translation> De 12-uurlijn ligt %1° ten oosten van de meridiaan.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° west of the meridian.</source>
        <translation> De 12-uurlijn ligt %1° ten westen van de meridiaan.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the y axis, + towards x)</source>
        <translation>Uurlijnen (evenwijdig: hoek vanaf de y-as, + naar x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the y axis through the foot.</source>
        <translation> De 12-uurlijn ligt op de y-as door het voetpunt.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the y axis.</source>
        <translation> De 12-uurlijn ligt %1° rechts van de y-as.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the y axis.</source>
        <translation> De 12-uurlijn ligt %1° links van de y-as.</translation>
    </message>
    <message>
        <source>Hour lines (angle at the root from the noon side of the y axis, + towards x)</source>
        <translation>Uurlijnen (hoek in het centrum vanaf de middagzijde van de y-as, + naar x)</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>hoek</translation>
    </message>
    <message>
        <source>the wall faces</source>
        <translation>oriëntatie van de muur</translation>
    </message>
    <message>
        <source>the face looks</source>
        <translation>oriëntatie van de wijzerplaat</translation>
    </message>
    <message>
        <source>tilt from the zenith</source>
        <translation>helling vanaf het zenit</translation>
    </message>
    <message>
        <source>nodus height</source>
        <translation>nodushoogte</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>plaat</translation>
    </message>
    <message>
        <source>x %1 to %2, y %3 to %4</source>
        <translation>x %1 tot %2, y %3 tot %4</translation>
    </message>
    <message>
        <source>style height</source>
        <translation>stijlhoogte</translation>
    </message>
    <message>
        <source>root</source>
        <translation>centrum</translation>
    </message>
    <message>
        <source>none: the style runs parallel to the face, the hour lines are parallel</source>
        <translation>geen: de stijl loopt evenwijdig aan de wijzerplaat, de uurlijnen zijn evenwijdig</translation>
    </message>
    <message>
        <source>substyle</source>
        <translation>substijl</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>gnomon</source>
        <translation>gnomon</translation>
    </message>
    <message>
        <source>style %1 mm, height %2 mm, base %3 mm</source>
        <translation>stijl %1 mm, hoogte %2 mm, basis %3 mm</translation>
    </message>
    <message>
        <source>gnomon as cut</source>
        <translation>gnomon zoals gezaagd</translation>
    </message>
    <message>
        <source>base %1 mm from the plate&apos;s edge to the foot, edge %2 mm at the plate&apos;s edge, style %3 mm (the root lies off the plate)</source>
        <translation>basis %1 mm van de plaatrand tot het voetpunt, rand %2 mm bij de plaatrand, stijl %3 mm (het centrum ligt buiten de plaat)</translation>
    </message>
    <message>
        <source>Date lines</source>
        <translation>Datumlijnen</translation>
    </message>
    <message>
        <source>line</source>
        <translation>lijn</translation>
    </message>
    <message>
        <source>off the plate</source>
        <translation>buiten de plaat</translation>
    </message>
    <message>
        <source>
Lean: %1.
</source>
        <translation>
Helling: %1.
</translation>
    </message>
    <message>
        <source>
Note: %1.
</source>
        <translation>
Opmerking: %1.
</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the right, y up the slope.

</source>
        <translation>Millimeters op de plaat vanaf het voetpunt van de nodus: x naar rechts, y hellingopwaarts.

</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the right, y up.

</source>
        <translation>Millimeters op de plaat vanaf het voetpunt van de nodus: x naar rechts, y omhoog.

</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the east, y north.

</source>
        <translation>Millimeters op de plaat vanaf het voetpunt van de nodus: x naar het oosten, y naar het noorden.

</translation>
    </message>
    <message>
        <source>The upper face, lit from the March to the September equinox
</source>
        <translation>De bovenste wijzerplaat, beschenen van de maart- tot de septemberequinox
</translation>
    </message>
    <message>
        <source>The upper face, lit from the September to the March equinox
</source>
        <translation>De bovenste wijzerplaat, beschenen van de september- tot de maartequinox
</translation>
    </message>
    <message>
        <source>The lower face, lit from the March to the September equinox
</source>
        <translation>De onderste wijzerplaat, beschenen van de maart- tot de septemberequinox
</translation>
    </message>
    <message>
        <source>The lower face, lit from the September to the March equinox
</source>
        <translation>De onderste wijzerplaat, beschenen van de september- tot de maartequinox
</translation>
    </message>
    <message>
        <source>No hour line falls on the face: the sun lights it only between two hours&apos; lines</source>
        <translation>Geen uurlijn valt op de wijzerplaat: de zon beschijnt hem alleen tussen de lijnen van twee uren</translation>
    </message>
    <message>
        <source>No hour line falls on the face: the sun never lights it above the horizon here</source>
        <translation>Geen uurlijn valt op de wijzerplaat: de zon beschijnt hem hier nooit boven de horizon</translation>
    </message>
    <message>
        <source>No hour line falls on the upper face: the sun lights it only between two hours&apos; lines</source>
        <translation>Geen uurlijn valt op de bovenste wijzerplaat: de zon beschijnt hem alleen tussen de lijnen van twee uren</translation>
    </message>
    <message>
        <source>No hour line falls on the upper face: the sun never lights it above the horizon here</source>
        <translation>Geen uurlijn valt op de bovenste wijzerplaat: de zon beschijnt hem hier nooit boven de horizon</translation>
    </message>
    <message>
        <source>No hour line falls on the lower face: the sun lights it only between two hours&apos; lines</source>
        <translation>Geen uurlijn valt op de onderste wijzerplaat: de zon beschijnt hem alleen tussen de lijnen van twee uren</translation>
    </message>
    <message>
        <source>No hour line falls on the lower face: the sun never lights it above the horizon here</source>
        <translation>Geen uurlijn valt op de onderste wijzerplaat: de zon beschijnt hem hier nooit boven de horizon</translation>
    </message>
    <message>
        <source>unlit</source>
        <translation>onbeschenen</translation>
    </message>
    <message>
        <source>Each degree the face leans beyond its tilt of %1° (its top towards where it looks) moves the readings by, in minutes at the June / December solstice: %2, %3, %4 (+ reads later; less towards the equinoxes)</source>
        <translation>Elke graad die de wijzerplaat verder helt dan zijn helling van %1° (de bovenkant naar waar hij kijkt) verschuift de aflezingen, in minuten bij de juni- / decemberzonnewende: %2, %3, %4 (+ wijst later; minder naar de equinoxen toe)</translation>
    </message>
    <message>
        <source>%1 hour lines, from %2 to %3</source>
        <translation>%1 uurlijnen, van %2 tot %3</translation>
    </message>
    <message>
        <source> No 12 o&apos;clock line on this plate.</source>
        <translation> Geen 12-uurlijn op deze plaat.</translation>
    </message>
    <message>
        <source> Each line is the figure-8 of the shadow at its hour of the standard clock through the year.</source>
        <translation> Elke lijn is de achtvormige lus van de schaduw op haar uur in standaardtijd door het jaar heen.</translation>
    </message>
    <message>
        <source>A rod through the plate at the foot, square to it, standing %1 mm out of each face; its ends are the nodus</source>
        <translation>Een staaf door de plaat bij het voetpunt, er loodrecht op, die %1 mm uit elke wijzerplaat steekt; de uiteinden zijn de nodus</translation>
    </message>
    <message>
        <source>A rod at the foot, square to the plate, standing %1 mm out of it; its end is the nodus</source>
        <translation>Een staaf bij het voetpunt, loodrecht op de plaat, die er %1 mm uitsteekt; het uiteinde is de nodus</translation>
    </message>
    <message>
        <source>Cut the shape; stand its lower edge on the substyle, the upright edge on the foot</source>
        <translation>Zaag de vorm uit; zet de onderrand op de substijl en de rechtopstaande rand op het voetpunt</translation>
    </message>
    <message>
        <source>Cut the rectangle; stand it on the substyle, its top edge is the style, the nodus over the foot where marked</source>
        <translation>Zaag de rechthoek uit; zet hem op de substijl, de bovenrand is de stijl, de nodus boven het voetpunt waar gemarkeerd</translation>
    </message>
    <message>
        <source>Style height: %1°</source>
        <translation>Stijlhoogte: %1°</translation>
    </message>
    <message>
        <source>No root: the style runs parallel to the face, and so do the hour lines.</source>
        <translation>Geen centrum: de stijl loopt evenwijdig aan de wijzerplaat, en de uurlijnen ook.</translation>
    </message>
    <message>
        <source>, no root</source>
        <translation>, geen centrum</translation>
    </message>
    <message>
        <source>Root: %1 mm from the nodus&apos;s foot (x %2, y %3 mm)</source>
        <translation>Centrum: %1 mm van het voetpunt van de nodus (x %2, y %3 mm)</translation>
    </message>
    <message>
        <source>, root %1 mm from the foot</source>
        <translation>, centrum %1 mm van het voetpunt</translation>
    </message>
    <message>
        <source>
No hour line falls on this plate.</source>
        <translation>
Geen uurlijn valt op deze plaat.</translation>
    </message>
    <message>
        <source>%1 hour lines</source>
        <translation>%1 uurlijnen</translation>
    </message>
    <message>
        <source>Style height %1°%2, %3.</source>
        <translation>Stijlhoogte %1°%2, %3.</translation>
    </message>
    <message>
        <source>no hour line on the plate</source>
        <translation>geen uurlijn op de plaat</translation>
    </message>
    <message>
        <source>%1, style height %2°. No hour line falls on this plate.</source>
        <translation>%1, stijlhoogte %2°. Geen uurlijn valt op deze plaat.</translation>
    </message>
    <message>
        <source>%1, style height %2°. %3.%4</source>
        <translation>%1, stijlhoogte %2°. %3.%4</translation>
    </message>
    <message>
        <source>Style height %1°</source>
        <translation>Stijlhoogte %1°</translation>
    </message>
    <message>
        <source>nodus %1 mm above the plate</source>
        <translation>nodus %1 mm boven de plaat</translation>
    </message>
    <message>
        <source>The upper face is lit from the March to the September equinox</source>
        <translation>De bovenste wijzerplaat wordt beschenen van de maart- tot de septemberequinox</translation>
    </message>
    <message>
        <source>The upper face is lit from the September to the March equinox</source>
        <translation>De bovenste wijzerplaat wordt beschenen van de september- tot de maartequinox</translation>
    </message>
    <message>
        <source>The lower face is lit from the March to the September equinox</source>
        <translation>De onderste wijzerplaat wordt beschenen van de maart- tot de septemberequinox</translation>
    </message>
    <message>
        <source>The lower face is lit from the September to the March equinox</source>
        <translation>De onderste wijzerplaat wordt beschenen van de september- tot de maartequinox</translation>
    </message>
    <message>
        <source>The hour lines are not evenly spaced; an x-wire %1 mm above the plate would space them 15° an hour</source>
        <translation>De uurlijnen staan niet gelijk verdeeld; een x-draad %1 mm boven de plaat zou ze 15° per uur verdelen</translation>
    </message>
    <message>
        <source>%1 Jan</source>
        <translation>%1 jan</translation>
    </message>
    <message>
        <source>%1 Feb</source>
        <translation>%1 feb</translation>
    </message>
    <message>
        <source>%1 Mar</source>
        <translation>%1 mrt</translation>
    </message>
    <message>
        <source>%1 Apr</source>
        <translation>%1 apr</translation>
    </message>
    <message>
        <source>%1 May</source>
        <translation>%1 mei</translation>
    </message>
    <message>
        <source>%1 Jun</source>
        <translation>%1 jun</translation>
    </message>
    <message>
        <source>%1 Jul</source>
        <translation>%1 jul</translation>
    </message>
    <message>
        <source>%1 Aug</source>
        <translation>%1 aug</translation>
    </message>
    <message>
        <source>%1 Sep</source>
        <translation>%1 sep</translation>
    </message>
    <message>
        <source>%1 Oct</source>
        <translation>%1 okt</translation>
    </message>
    <message>
        <source>%1 Nov</source>
        <translation>%1 nov</translation>
    </message>
    <message>
        <source>%1 Dec</source>
        <translation>%1 dec</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The Italian hour lines</source>
        <translation>De lijnen van de Italiaanse uren</translation>
    </message>
    <message>
        <source>the Italian hour lines</source>
        <translation>de lijnen van de Italiaanse uren</translation>
    </message>
    <message>
        <source>The Babylonian hour lines</source>
        <translation>De lijnen van de Babylonische uren</translation>
    </message>
    <message>
        <source>the Babylonian hour lines</source>
        <translation>de lijnen van de Babylonische uren</translation>
    </message>
    <message>
        <source>The unequal hour lines</source>
        <translation>De lijnen van de temporale uren</translation>
    </message>
    <message>
        <source>the unequal hour lines</source>
        <translation>de lijnen van de temporale uren</translation>
    </message>
    <message>
        <source>The Italian and Babylonian hour lines</source>
        <translation>De lijnen van de Italiaanse en Babylonische uren</translation>
    </message>
    <message>
        <source>the Italian and Babylonian hour lines</source>
        <translation>de lijnen van de Italiaanse en Babylonische uren</translation>
    </message>
    <message>
        <source>The Italian and unequal hour lines</source>
        <translation>De lijnen van de Italiaanse en temporale uren</translation>
    </message>
    <message>
        <source>the Italian and unequal hour lines</source>
        <translation>de lijnen van de Italiaanse en temporale uren</translation>
    </message>
    <message>
        <source>The Babylonian and unequal hour lines</source>
        <translation>De lijnen van de Babylonische en temporale uren</translation>
    </message>
    <message>
        <source>the Babylonian and unequal hour lines</source>
        <translation>de lijnen van de Babylonische en temporale uren</translation>
    </message>
    <message>
        <source>The Italian, Babylonian and unequal hour lines</source>
        <translation>De lijnen van de Italiaanse, Babylonische en temporale uren</translation>
    </message>
    <message>
        <source>the Italian, Babylonian and unequal hour lines</source>
        <translation>de lijnen van de Italiaanse, Babylonische en temporale uren</translation>
    </message>
    <message>
        <source>%1 are reckoned in sun time from sunrise and sunset of the sun&apos;s centre on the geometric horizon (altitude 0, no refraction), whatever time the equal hours are drawn to</source>
        <translation>%1 worden in ware zonnetijd geteld vanaf op- en ondergang van het middelpunt van de zon aan de geometrische horizon (hoogte 0, zonder refractie), ongeacht de tijd van de gelijke uren</translation>
    </message>
    <message>
        <source>Here the sun stays up, or down, all day around a solstice: %1 are drawn for the days on which it rises and sets</source>
        <translation>Hier blijft de zon rond een zonnewende de hele dag op, of onder: %1 zijn getekend voor de dagen waarop ze op- en ondergaat</translation>
    </message>
    <message>
        <source>The plate leaves out the lines of %1 h, when the sun also lights %2</source>
        <translation>De plaat laat de lijnen van %1 uur weg, wanneer de zon ook %2 beschijnt</translation>
    </message>
    <message>
        <source>No hour line falls on %1&apos;s plate: the sun lights it only at %2 h, whose lines fall off it</source>
        <translation>Geen uurlijn valt op de plaat (%1): de zon beschijnt die alleen om %2 uur, waarvan de lijnen erbuiten vallen</translation>
    </message>
    <message>
        <source>the upper face</source>
        <translation>de bovenste wijzerplaat</translation>
    </message>
    <message>
        <source>the lower face</source>
        <translation>de onderste wijzerplaat</translation>
    </message>
    <message>
        <source>the face</source>
        <translation>de wijzerplaat</translation>
    </message>
    <message>
        <source>The dates: along the meridian line from beside F (+ %1), across it (+ %2), and the spot&apos;s length x width</source>
        <translation>De data: langs de middaglijn vanaf naast F (+ %1), dwars erop (+ %2), en lengte x breedte van de vlek</translation>
    </message>
    <message>
        <source>Marked days (metres; along the line + %1, across + %2; x east, y north of F)</source>
        <translation>Gemarkeerde dagen (meter; langs de lijn + %1, dwars + %2; x oost, y noord van F)</translation>
    </message>
    <message>
        <source>Marked days (metres; along the line + %1, across + %2; x right, y up of F)</source>
        <translation>Gemarkeerde dagen (meter; langs de lijn + %1, dwars + %2; x rechts, y omhoog van F)</translation>
    </message>
    <message>
        <source>Hour lines to the standard clock: the shadow&apos;s point on the equinoxes and the solstices (%1, %2, %3, %4; - off the plate or unlit)</source>
        <translation>Uurlijnen naar de standaardtijd: het schaduwpunt op de equinoxen en de zonnewendes (%1, %2, %3, %4; - buiten de plaat of onbeschenen)</translation>
    </message>
    <message>
        <source>true noon on %1</source>
        <translation>ware middag op %1</translation>
    </message>
    <message>
        <source>UTC standard time</source>
        <translation>UTC standaardtijd</translation>
    </message>
    <message>
        <source>UTC+%1 standard time</source>
        <translation>UTC+%1 standaardtijd</translation>
    </message>
    <message>
        <source>UTC-%1 standard time</source>
        <translation>UTC-%1 standaardtijd</translation>
    </message>
    <message>
        <source>UTC+%1:%2 standard time</source>
        <translation>UTC+%1:%2 standaardtijd</translation>
    </message>
    <message>
        <source>UTC-%1:%2 standard time</source>
        <translation>UTC-%1:%2 standaardtijd</translation>
    </message>
</context>
</TS>
