<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>dial</name>
    <message>
        <source>north</source>
        <translation>Norden</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Zentrum</translation>
    </message>
    <message>
        <source>Wires cross above</source>
        <translation>Hierüber kreuzen sich die Fäden</translation>
    </message>
    <message>
        <source>The x-wire&apos;s height spaces the hour lines evenly, 15° an hour around the centre</source>
        <translation>Die Höhe des x-Fadens teilt die Stundenlinien gleichmäßig, 15° je Stunde um das Zentrum</translation>
    </message>
    <message>
        <source>No x-wire height spaces the hour lines evenly on this face</source>
        <translation>Auf diesem Zifferblatt teilt keine Höhe des x-Fadens die Stundenlinien gleichmäßig</translation>
    </message>
    <message>
        <source>x-wire</source>
        <translation>x-Faden</translation>
    </message>
    <message>
        <source>%1 above the plate, along x over y = 0, posts at %2 and %3</source>
        <translation>%1 über der Platte, entlang x über y = 0, Pfosten bei %2 und %3</translation>
    </message>
    <message>
        <source>y-wire</source>
        <translation>y-Faden</translation>
    </message>
    <message>
        <source>%1 above the plate, along y over x = 0, posts at %2 and %3</source>
        <translation>%1 über der Platte, entlang y über x = 0, Pfosten bei %2 und %3</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>Zentrum</translation>
    </message>
    <message>
        <source>none: the hour lines are parallel</source>
        <translation>keines: die Stundenlinien sind parallel</translation>
    </message>
    <message>
        <source>evenly spaced</source>
        <translation>gleichmäßig geteilt</translation>
    </message>
    <message>
        <source>yes, 15° an hour</source>
        <translation>ja, 15° je Stunde</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Hour lines (angle at the centre from the noon side of the y axis, + towards x)</source>
        <translation>Stundenlinien (Winkel im Zentrum von der Mittagsseite der y-Achse, + zu x)</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the point under the wires&apos; crossing: x to the right, y up the slope.

</source>
        <translation>Millimeter auf der Platte vom Punkt unter der Fadenkreuzung: x nach rechts, y hangaufwärts.

</translation>
    </message>
    <message>
        <source>Wires %1 mm (x) and %2 mm (y) above the plate</source>
        <translation>Fäden %1 mm (x) und %2 mm (y) über der Platte</translation>
    </message>
    <message>
        <source>wires %1 mm and %2 mm above the plate</source>
        <translation>Fäden %1 mm und %2 mm über der Platte</translation>
    </message>
    <message>
        <source>Stretch each wire between its posts, parallel to the plate at its height; they cross over the plate&apos;s origin</source>
        <translation>Jeden Faden zwischen seinen Pfosten spannen, parallel zur Platte in seiner Höhe; sie kreuzen sich über dem Ursprung der Platte</translation>
    </message>
    <message>
        <source>Wires: x %1 mm, y %2 mm</source>
        <translation>Fäden: x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>Centre of the hour lines: x %1, y %2 mm%3</source>
        <translation>Zentrum der Stundenlinien: x %1, y %2 mm%3</translation>
    </message>
    <message>
        <source>, 15° an hour</source>
        <translation>, 15° je Stunde</translation>
    </message>
    <message>
        <source>No centre: the hour lines are parallel.</source>
        <translation>Kein Zentrum: die Stundenlinien sind parallel.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 mm, %3.</source>
        <translation>Fäden %1 und %2 mm, %3.</translation>
    </message>
    <message>
        <source>%1, wires %2 mm (x) and %3 mm (y) above the plate. %4.</source>
        <translation>%1, Fäden %2 mm (x) und %3 mm (y) über der Platte. %4.</translation>
    </message>
    <message>
        <source>lit from the March to the September equinox</source>
        <translation>beschienen von der März- bis zur September-Tagundnachtgleiche</translation>
    </message>
    <message>
        <source>lit from the September to the March equinox</source>
        <translation>beschienen von der September- bis zur März-Tagundnachtgleiche</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Horizontal dial</source>
        <translation>Horizontaluhr</translation>
    </message>
    <message>
        <source>From the meridian (°, + east)</source>
        <translation>Vom Meridian (°, + Ost)</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Vertical dial</source>
        <translation>Vertikaluhr</translation>
    </message>
    <message>
        <source>From the vertical (°, + right)</source>
        <translation>Von der Senkrechten (°, + rechts)</translation>
    </message>
    <message>
        <source>Reclining or inclining (any plane)</source>
        <translation>Rückwärts oder vorwärts geneigt (beliebige Ebene)</translation>
    </message>
    <message>
        <source>Plane dial</source>
        <translation>Ebene Sonnenuhr</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Polar dial</source>
        <translation>Polaruhr</translation>
    </message>
    <message>
        <source>Equatorial (both faces)</source>
        <translation>Äquatorial (beide Zifferblätter)</translation>
    </message>
    <message>
        <source>Equatorial dial</source>
        <translation>Äquatorialuhr</translation>
    </message>
    <message>
        <source>Analemmatic (a person is the gnomon)</source>
        <translation>Analemmatisch (ein Mensch ist der Schattenwerfer)</translation>
    </message>
    <message>
        <source>Analemmatic dial</source>
        <translation>Analemmatische Sonnenuhr</translation>
    </message>
    <message>
        <source>its ellipse flattens to a line near the equator, and its date scale to a point near a pole</source>
        <translation>seine Ellipse wird nahe dem Äquator zur Linie und seine Datumsskala nahe einem Pol zum Punkt</translation>
    </message>
    <message>
        <source>an analemmatic dial has no style that could stand turned: check its north-south line and its date scale instead</source>
        <translation>eine analemmatische Sonnenuhr hat keinen Polstab, der verdreht stehen könnte: stattdessen ihre Nord-Süd-Linie und ihre Datumsskala prüfen</translation>
    </message>
    <message>
        <source>an analemmatic dial&apos;s hour points lie on its ellipse, where a figure-8 of clock time has no place: draw it to sun or zone time</source>
        <translation>die Stundenpunkte einer analemmatischen Sonnenuhr liegen auf ihrer Ellipse, wo eine Achterschleife der Uhrzeit keinen Platz hat: sie in wahrer Ortszeit oder Zonenzeit zeichnen</translation>
    </message>
    <message>
        <source>an analemmatic dial&apos;s hour points lie on its ellipse, which has no place for lines of Italian, Babylonian or unequal hours: draw it in equal hours</source>
        <translation>die Stundenpunkte einer analemmatischen Sonnenuhr liegen auf ihrer Ellipse, die keinen Platz für Linien italischer, babylonischer Stunden oder Temporalstunden hat: sie in gleichen Stunden zeichnen</translation>
    </message>
    <message>
        <source>Noon mark (a spot of sun through a hole)</source>
        <translation>Mittagslinie (ein Sonnenfleck durch ein Loch)</translation>
    </message>
    <message>
        <source>Noon mark</source>
        <translation>Mittagslinie</translation>
    </message>
    <message>
        <source>a noon mark has no style that could stand turned: check its meridian line against the spot at the true noon instead</source>
        <translation>eine Mittagslinie hat keinen Polstab, der verdreht stehen könnte: stattdessen ihre Meridianlinie am Sonnenfleck zum wahren Mittag prüfen</translation>
    </message>
    <message>
        <source>a noon mark shows the noon alone, with no hour lines: draw a plane dial for the old hours</source>
        <translation>eine Mittagslinie zeigt nur den Mittag, ohne Stundenlinien: für die alten Stunden eine ebene Sonnenuhr zeichnen</translation>
    </message>
    <message>
        <source>Bifilar (two wires)</source>
        <translation>Bifilar (zwei Fäden)</translation>
    </message>
    <message>
        <source>Bifilar dial</source>
        <translation>Bifilare Sonnenuhr</translation>
    </message>
    <message>
        <source>From the y axis at the centre (°, + towards x)</source>
        <translation>Von der y-Achse im Zentrum (°, + zu x)</translation>
    </message>
    <message>
        <source>Wires</source>
        <translation>Fäden</translation>
    </message>
    <message>
        <source>a bifilar dial has no style that could stand turned: check the wires&apos; heights and that each runs along its axis instead</source>
        <translation>eine bifilare Sonnenuhr hat keinen Polstab, der verdreht stehen könnte: stattdessen die Höhen der Fäden prüfen und dass jeder entlang seiner Achse läuft</translation>
    </message>
    <message>
        <source>a bifilar dial&apos;s hour lines are straight lines of sun or zone time: draw it to sun or zone time</source>
        <translation>die Stundenlinien einer bifilaren Sonnenuhr sind Geraden der wahren Ortszeit oder der Zonenzeit: sie in wahrer Ortszeit oder Zonenzeit zeichnen</translation>
    </message>
    <message>
        <source>a bifilar dial&apos;s crossing is drawn for equal hours: draw a plane dial for the old hours</source>
        <translation>die Kreuzung einer bifilaren Sonnenuhr ist für gleiche Stunden gezeichnet: für die alten Stunden eine ebene Sonnenuhr zeichnen</translation>
    </message>
    <message>
        <source>From the line of steepest slope (°, + right)</source>
        <translation>Von der Falllinie (°, + rechts)</translation>
    </message>
    <message>
        <source>Gnomon</source>
        <translation>Schattenwerfer</translation>
    </message>
    <message>
        <source>east</source>
        <translation>Osten</translation>
    </message>
    <message>
        <source>west</source>
        <translation>Westen</translation>
    </message>
    <message>
        <source>on the line</source>
        <translation>auf der Linie</translation>
    </message>
    <message>
        <source>Stand up straight: anyone %1 m tall or taller casts a shadow that reaches the marks from %2 to %3 h on every day of the year. A shorter shadow still points along the line to the time.</source>
        <translation>Aufrecht stehen: wer %1 m oder größer ist, wirft einen Schatten, der an jedem Tag des Jahres die Marken von %2 bis %3 h erreicht. Ein kürzerer Schatten zeigt trotzdem in Richtung der Zeit.</translation>
    </message>
    <message>
        <source>Stand up straight: anyone %1 m tall or taller casts a shadow that reaches the marks from %2 to %3 h on every day of the year.</source>
        <translation>Aufrecht stehen: wer %1 m oder größer ist, wirft einen Schatten, der an jedem Tag des Jahres die Marken von %2 bis %3 h erreicht.</translation>
    </message>
    <message>
        <source>Lay out the north-south line: on %1 at %2 by a clock on %3 the sun stands on the meridian, and the shadow of a plumb line falls along it.</source>
        <translation>Die Nord-Süd-Linie abstecken: am %1 um %2 nach einer Uhr in %3 steht die Sonne im Meridian, und der Schatten eines Lots fällt entlang der Linie.</translation>
    </message>
    <message>
        <source>Mark the centre C on the line, and the noon point N %1 m north of C.</source>
        <translation>Das Zentrum C auf der Linie markieren und den Mittagspunkt N %1 m nördlich von C.</translation>
    </message>
    <message>
        <source>Mark the centre C on the line, and the noon point N %1 m south of C.</source>
        <translation>Das Zentrum C auf der Linie markieren und den Mittagspunkt N %1 m südlich von C.</translation>
    </message>
    <message>
        <source>Stake each hour with two tapes, one from C and one from N, at the lengths in the table: where they meet on the hour&apos;s side of the line (east or west) is the hour&apos;s mark.</source>
        <translation>Jede Stunde mit zwei Maßbändern abstecken, eines von C und eines von N, mit den Längen der Tabelle: wo sie sich auf der Seite der Stunde (Ost oder West) treffen, ist die Marke der Stunde.</translation>
    </message>
    <message>
        <source>Mark the dates on the line, each its distance from C (+ north, - south).</source>
        <translation>Die Daten auf der Linie markieren, jedes in seinem Abstand von C (+ Nord, - Süd).</translation>
    </message>
    <message>
        <source>To draw the ellipse, put a pin at each focus, %1 m east and west of C, and run a loop of string %2 m long round both pins and a marker.</source>
        <translation>Für die Ellipse einen Stift in jeden Brennpunkt setzen, %1 m östlich und westlich von C, und eine Schnurschlaufe von %2 m Länge um beide Stifte und einen Markierer legen.</translation>
    </message>
    <message>
        <source>Stand on today&apos;s date and your shadow points to the time; add the card&apos;s correction for the clock.</source>
        <translation>Auf dem heutigen Datum stehen, und der eigene Schatten zeigt die Zeit; für die Uhrzeit die Korrektur der Korrekturtafel addieren.</translation>
    </message>
    <message>
        <source>Stand on today&apos;s date and your shadow points to the dial&apos;s time; for the clock&apos;s, add the correction of a card (--card on the command line, or the Dial Designer&apos;s card).</source>
        <translation>Auf dem heutigen Datum stehen, und der eigene Schatten zeigt die Zeit der Sonnenuhr; für die Uhrzeit die Korrektur einer Korrekturtafel addieren (--card auf der Kommandozeile oder die Tafel im Sonnenuhr-Entwurf).</translation>
    </message>
    <message>
        <source>%1 m south</source>
        <translation>%1 m südlich</translation>
    </message>
    <message>
        <source>%1 m north</source>
        <translation>%1 m nördlich</translation>
    </message>
    <message>
        <source>Ellipse: %1 m by %2 m</source>
        <translation>Ellipse: %1 m mal %2 m</translation>
    </message>
    <message>
        <source>Noon point N %1 of the centre C. Foci %2 m east and west of C; string loop %3 m.
%4</source>
        <translation>Mittagspunkt N %1 des Zentrums C. Brennpunkte %2 m östlich und westlich von C; Schnurschlaufe %3 m.
%4</translation>
    </message>
    <message>
        <source>%1 m by %2 m</source>
        <translation>%1 m mal %2 m</translation>
    </message>
    <message>
        <source>no hour marks</source>
        <translation>keine Stundenmarken</translation>
    </message>
    <message>
        <source>%1 hour marks, from %2 to %3</source>
        <translation>%1 Stundenmarken, von %2 bis %3</translation>
    </message>
    <message>
        <source>Ellipse %1, %2.</source>
        <translation>Ellipse %1, %2.</translation>
    </message>
    <message>
        <source>%1 hour marks</source>
        <translation>%1 Stundenmarken</translation>
    </message>
    <message>
        <source>at the centre</source>
        <translation>im Zentrum</translation>
    </message>
    <message>
        <source> The date scale on the north-south line, from the centre C: %1.</source>
        <translation> Die Datumsskala auf der Nord-Süd-Linie, vom Zentrum C aus: %1.</translation>
    </message>
    <message>
        <source>%1: an ellipse %2 on the ground, %3.%4 Stand on today&apos;s date and your shadow points to the time.</source>
        <translation>%1: eine Ellipse von %2 auf dem Boden, %3.%4 Auf dem heutigen Datum stehen, und der eigene Schatten zeigt die Zeit.</translation>
    </message>
    <message>
        <source>Two tapes to each hour: from C and from N, on the hour&apos;s side of the line</source>
        <translation>Zwei Maßbänder je Stunde: von C und von N, auf der Seite der Stunde</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>From C (m)</source>
        <translation>Von C (m)</translation>
    </message>
    <message>
        <source>From N (m)</source>
        <translation>Von N (m)</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>The date scale: where to stand, from C along the line (+ north, - south)</source>
        <translation>Die Datumsskala: wo man steht, von C entlang der Linie (+ Nord, - Süd)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>The person as gnomon: the height whose shadow reaches the hour&apos;s mark on every day (rounded up to the cm)</source>
        <translation>Der Mensch als Schattenwerfer: die Größe, deren Schatten an jedem Tag die Stundenmarke erreicht (auf den cm aufgerundet)</translation>
    </message>
    <message>
        <source>Height (m)</source>
        <translation>Größe (m)</translation>
    </message>
    <message>
        <source>C is the centre, N the noon point.</source>
        <translation>C ist das Zentrum, N der Mittagspunkt.</translation>
    </message>
    <message>
        <source>Ellipse %1 m by %2 m</source>
        <translation>Ellipse %1 m mal %2 m</translation>
    </message>
    <message>
        <source>half-width %1 m</source>
        <translation>Halbachse %1 m</translation>
    </message>
    <message>
        <source>ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>%1 m east-west by %2 m north-south</source>
        <translation>%1 m Ost-West mal %2 m Nord-Süd</translation>
    </message>
    <message>
        <source>noon point N</source>
        <translation>Mittagspunkt N</translation>
    </message>
    <message>
        <source>%1 m north of the centre C</source>
        <translation>%1 m nördlich des Zentrums C</translation>
    </message>
    <message>
        <source>%1 m south of the centre C</source>
        <translation>%1 m südlich des Zentrums C</translation>
    </message>
    <message>
        <source>foci</source>
        <translation>Brennpunkte</translation>
    </message>
    <message>
        <source>%1 m east and west of C</source>
        <translation>%1 m östlich und westlich von C</translation>
    </message>
    <message>
        <source>string loop</source>
        <translation>Schnurschlaufe</translation>
    </message>
    <message>
        <source>Staking table (metres; x east, y north of C)</source>
        <translation>Absteckliste (Meter; x Ost, y Nord von C)</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>from C</source>
        <translation>von C</translation>
    </message>
    <message>
        <source>from N</source>
        <translation>von N</translation>
    </message>
    <message>
        <source>side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Date scale (metres from C along the line, + north)</source>
        <translation>Datumsskala (Meter von C entlang der Linie, + Nord)</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>Deklination</translation>
    </message>
    <message>
        <source>The person as gnomon (the height whose shadow reaches the mark on its worst day, rounded up to the cm)</source>
        <translation>Der Mensch als Schattenwerfer (die Größe, deren Schatten die Marke an ihrem ungünstigsten Tag erreicht, auf den cm aufgerundet)</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>worst at declination</source>
        <translation>ungünstigst bei Deklination</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>März</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug.</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez.</translation>
    </message>
    <message>
        <source>true noon</source>
        <translation>wahrer Mittag</translation>
    </message>
    <message>
        <source>up</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>south</source>
        <translation>Süden</translation>
    </message>
    <message>
        <source>down</source>
        <translation>unten</translation>
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
        <translation>Um %1 fällt der Fleck nie auf diese Fläche: an jedem Tag des Jahres steht die Sonne dann hinter der Fläche, unter dem Horizont oder weniger als %2° über der Fläche.</translation>
    </message>
    <message>
        <source>The spot falls on the face at %1 on %2 days of %3.</source>
        <translation>Um %1 fällt der Fleck an %2 Tagen von %3 auf die Fläche.</translation>
    </message>
    <message>
        <source>Left out: %1 days on which the sun stands under %2° above the face, the spot too long and faint to mark.</source>
        <translation>Ausgelassen: %1 Tage, an denen die Sonne weniger als %2° über der Fläche steht; der Fleck ist zu lang und zu schwach zum Markieren.</translation>
    </message>
    <message>
        <source>In summer time the clock runs an hour ahead: this figure-8 is crossed at %1 by it. For a mark of summer time&apos;s noon, give the mark time an hour later (13:00).</source>
        <translation>In der Sommerzeit geht die Uhr eine Stunde vor: diese Achterschleife wird nach ihr um %1 überquert. Für eine Marke des Mittags der Sommerzeit die Markierzeit eine Stunde später angeben (13:00).</translation>
    </message>
    <message>
        <source>The spot&apos;s centre crosses the meridian line at the true noon, from 14 minutes before the mean sun&apos;s noon to 16 after, and stands on the figure-8 at the mark time.</source>
        <translation>Die Mitte des Flecks überquert die Meridianlinie zum wahren Mittag, von 14 Minuten vor bis 16 Minuten nach dem mittleren Mittag, und steht zur Markierzeit auf der Achterschleife.</translation>
    </message>
    <message>
        <source>%1 m above the floor, %2 mm across</source>
        <translation>%1 m über dem Boden, %2 mm Durchmesser</translation>
    </message>
    <message>
        <source>%1 m above the face, %2 mm across</source>
        <translation>%1 m über der Fläche, %2 mm Durchmesser</translation>
    </message>
    <message>
        <source>Hole %1; figure-8 at %2 %3</source>
        <translation>Loch %1; Achterschleife um %2 %3</translation>
    </message>
    <message>
        <source>hole %1</source>
        <translation>Loch %1</translation>
    </message>
    <message>
        <source>Meridian line: %1 m</source>
        <translation>Meridianlinie: %1 m</translation>
    </message>
    <message>
        <source>through the foot F</source>
        <translation>durch den Fußpunkt F</translation>
    </message>
    <message>
        <source>%1 m %2 of the foot F</source>
        <translation>%1 m vom Fußpunkt F nach %2</translation>
    </message>
    <message>
        <source>The meridian line runs %1 %2; the figure-8 at %3 %4. %5</source>
        <translation>Die Meridianlinie verläuft %1 nach %2; die Achterschleife um %3 %4. %5</translation>
    </message>
    <message>
        <source>%1 days marked</source>
        <translation>%1 Tage markiert</translation>
    </message>
    <message>
        <source>Noon mark, hole %1: %2</source>
        <translation>Mittagslinie, Loch %1: %2</translation>
    </message>
    <message>
        <source>%1: a meridian line %2 m long and the figure-8 of the spot at %3. %4</source>
        <translation>%1: eine Meridianlinie von %2 m Länge und die Achterschleife des Flecks um %3. %4</translation>
    </message>
    <message>
        <source>Mark the foot F on the floor straight under the hole&apos;s centre, with a plumb line.</source>
        <translation>Den Fußpunkt F mit einem Lot genau unter der Mitte des Lochs auf dem Boden markieren.</translation>
    </message>
    <message>
        <source>Mark the foot F on the face where a line square to it from the hole&apos;s centre meets it.</source>
        <translation>Den Fußpunkt F auf der Fläche markieren, wo eine Senkrechte von der Mitte des Lochs sie trifft.</translation>
    </message>
    <message>
        <source>Draw the meridian line %1, running %2 from F&apos;s side: on %3 at %4 by a clock on %5 the spot&apos;s centre stands on it.</source>
        <translation>Die Meridianlinie %1 zeichnen, von der Seite von F nach %2: am %3 um %4 nach einer Uhr in %5 steht die Mitte des Flecks auf ihr.</translation>
    </message>
    <message>
        <source>Mark each date from the table: along the line from the point beside F, then across it (+ %1), and join the marks in the order of the year into the figure-8.</source>
        <translation>Jedes Datum aus der Tabelle markieren: entlang der Linie vom Punkt neben F, dann quer dazu (+ nach %1), und die Marken in der Reihenfolge des Jahres zur Achterschleife verbinden.</translation>
    </message>
    <message>
        <source>At %1 of %2 the spot&apos;s centre stands on the day&apos;s place on the figure-8.</source>
        <translation>Um %1 %2 steht die Mitte des Flecks an der Stelle des Tages auf der Achterschleife.</translation>
    </message>
    <message>
        <source>F is the foot, under the hole.</source>
        <translation>F ist der Fußpunkt unter dem Loch.</translation>
    </message>
    <message>
        <source>F is the foot, square from the hole.</source>
        <translation>F ist der Fußpunkt, senkrecht vom Loch.</translation>
    </message>
    <message>
        <source>Along (m)</source>
        <translation>Entlang (m)</translation>
    </message>
    <message>
        <source>Across (m)</source>
        <translation>Quer (m)</translation>
    </message>
    <message>
        <source>Spot (mm)</source>
        <translation>Fleck (mm)</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>Loch</translation>
    </message>
    <message>
        <source>mark time</source>
        <translation>Markierzeit</translation>
    </message>
    <message>
        <source>meridian line</source>
        <translation>Meridianlinie</translation>
    </message>
    <message>
        <source>from (%1, %2) to (%3, %4) m, %5 m long, %6</source>
        <translation>von (%1, %2) bis (%3, %4) m, %5 m lang, %6</translation>
    </message>
    <message>
        <source>along</source>
        <translation>entlang</translation>
    </message>
    <message>
        <source>across</source>
        <translation>quer</translation>
    </message>
    <message>
        <source>spot (mm)</source>
        <translation>Fleck (mm)</translation>
    </message>
    <message>
        <source>style parallel to the face</source>
        <translation>Polstab parallel zum Zifferblatt</translation>
    </message>
    <message>
        <source>through the plate at the foot, square to it</source>
        <translation>durch die Platte am Fußpunkt, senkrecht zu ihr</translation>
    </message>
    <message>
        <source>square to the plate at the foot</source>
        <translation>senkrecht zur Platte am Fußpunkt</translation>
    </message>
    <message>
        <source>Nodus, above the foot</source>
        <translation>Nodus, über dem Fußpunkt</translation>
    </message>
    <message>
        <source>Nodus</source>
        <translation>Nodus</translation>
    </message>
    <message>
        <source>Solid: December to June; dashed: June to December. Ticks: the first of each month</source>
        <translation>Durchgezogen: Dezember bis Juni; gestrichelt: Juni bis Dezember. Striche: der Erste jedes Monats</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Fußpunkt</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Zentrum</translation>
    </message>
    <message>
        <source>Italian hours (hours since the previous sunset), between the solstices: none on the plate</source>
        <translation>Italische Stunden (Stunden seit dem vorigen Sonnenuntergang), zwischen den Sonnenwenden: keine auf der Platte</translation>
    </message>
    <message>
        <source>Italian hours (hours since the previous sunset), between the solstices</source>
        <translation>Italische Stunden (Stunden seit dem vorigen Sonnenuntergang), zwischen den Sonnenwenden</translation>
    </message>
    <message>
        <source>Babylonian hours (hours since sunrise), between the solstices: none on the plate</source>
        <translation>Babylonische Stunden (Stunden seit Sonnenaufgang), zwischen den Sonnenwenden: keine auf der Platte</translation>
    </message>
    <message>
        <source>Babylonian hours (hours since sunrise), between the solstices</source>
        <translation>Babylonische Stunden (Stunden seit Sonnenaufgang), zwischen den Sonnenwenden</translation>
    </message>
    <message>
        <source>Unequal hours (twelfths of the daylight since sunrise), between the solstices: none on the plate</source>
        <translation>Temporalstunden (Zwölftel des lichten Tages seit Sonnenaufgang), zwischen den Sonnenwenden: keine auf der Platte</translation>
    </message>
    <message>
        <source>Unequal hours (twelfths of the daylight since sunrise), between the solstices</source>
        <translation>Temporalstunden (Zwölftel des lichten Tages seit Sonnenaufgang), zwischen den Sonnenwenden</translation>
    </message>
    <message>
        <source>points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>March equinox</source>
        <translation>März-Tagundnachtgleiche</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Juni-Sonnenwende</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Sept.-Tagundnachtgleiche</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Dez.-Sonnenwende</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the line of steepest slope, + towards x)</source>
        <translation>Stundenlinien (parallel: Winkel von der Falllinie, + zu x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the line of steepest slope through the foot.</source>
        <translation> Die 12-Uhr-Linie liegt auf der Falllinie durch den Fußpunkt.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the line of steepest slope.</source>
        <translation> Die 12-Uhr-Linie liegt %1° rechts der Falllinie.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the line of steepest slope.</source>
        <translation> Die 12-Uhr-Linie liegt %1° links der Falllinie.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the vertical, + towards x)</source>
        <translation>Stundenlinien (parallel: Winkel von der Senkrechten, + zu x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the vertical through the foot.</source>
        <translation> Die 12-Uhr-Linie liegt auf der Senkrechten durch den Fußpunkt.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the vertical.</source>
        <translation> Die 12-Uhr-Linie liegt %1° rechts der Senkrechten.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the vertical.</source>
        <translation> Die 12-Uhr-Linie liegt %1° links der Senkrechten.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the meridian, + towards x)</source>
        <translation>Stundenlinien (parallel: Winkel vom Meridian, + zu x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the meridian through the foot.</source>
        <translation> Die 12-Uhr-Linie liegt auf dem Meridian durch den Fußpunkt.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° east of the meridian.</source>
        <translation> Die 12-Uhr-Linie liegt %1° östlich des Meridians.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° west of the meridian.</source>
        <translation> Die 12-Uhr-Linie liegt %1° westlich des Meridians.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the y axis, + towards x)</source>
        <translation>Stundenlinien (parallel: Winkel von der y-Achse, + zu x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the y axis through the foot.</source>
        <translation> Die 12-Uhr-Linie liegt auf der y-Achse durch den Fußpunkt.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the y axis.</source>
        <translation> Die 12-Uhr-Linie liegt %1° rechts der y-Achse.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the y axis.</source>
        <translation> Die 12-Uhr-Linie liegt %1° links der y-Achse.</translation>
    </message>
    <message>
        <source>Hour lines (angle at the root from the noon side of the y axis, + towards x)</source>
        <translation>Stundenlinien (Winkel im Zentrum von der Mittagsseite der y-Achse, + zu x)</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>the wall faces</source>
        <translation>Ausrichtung der Wand</translation>
    </message>
    <message>
        <source>the face looks</source>
        <translation>Ausrichtung des Zifferblatts</translation>
    </message>
    <message>
        <source>tilt from the zenith</source>
        <translation>Neigung vom Zenit</translation>
    </message>
    <message>
        <source>nodus height</source>
        <translation>Nodushöhe</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>Platte</translation>
    </message>
    <message>
        <source>x %1 to %2, y %3 to %4</source>
        <translation>x %1 bis %2, y %3 bis %4</translation>
    </message>
    <message>
        <source>style height</source>
        <translation>Polstabhöhe</translation>
    </message>
    <message>
        <source>root</source>
        <translation>Zentrum</translation>
    </message>
    <message>
        <source>none: the style runs parallel to the face, the hour lines are parallel</source>
        <translation>keines: der Polstab verläuft parallel zum Zifferblatt, die Stundenlinien sind parallel</translation>
    </message>
    <message>
        <source>substyle</source>
        <translation>Substilare</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>gnomon</source>
        <translation>Schattenwerfer</translation>
    </message>
    <message>
        <source>style %1 mm, height %2 mm, base %3 mm</source>
        <translation>Polstab %1 mm, Höhe %2 mm, Basis %3 mm</translation>
    </message>
    <message>
        <source>gnomon as cut</source>
        <translation>Schattenwerfer wie zugeschnitten</translation>
    </message>
    <message>
        <source>base %1 mm from the plate&apos;s edge to the foot, edge %2 mm at the plate&apos;s edge, style %3 mm (the root lies off the plate)</source>
        <translation>Basis %1 mm vom Plattenrand zum Fußpunkt, Kante %2 mm am Plattenrand, Polstab %3 mm (das Zentrum liegt außerhalb der Platte)</translation>
    </message>
    <message>
        <source>Date lines</source>
        <translation>Datumslinien</translation>
    </message>
    <message>
        <source>line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>off the plate</source>
        <translation>außerhalb der Platte</translation>
    </message>
    <message>
        <source>
Lean: %1.
</source>
        <translation>
Neigungsfehler: %1.
</translation>
    </message>
    <message>
        <source>
Note: %1.
</source>
        <translation>
Hinweis: %1.
</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the right, y up the slope.

</source>
        <translation>Millimeter auf der Platte vom Fußpunkt des Nodus: x nach rechts, y hangaufwärts.

</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the right, y up.

</source>
        <translation>Millimeter auf der Platte vom Fußpunkt des Nodus: x nach rechts, y nach oben.

</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the east, y north.

</source>
        <translation>Millimeter auf der Platte vom Fußpunkt des Nodus: x nach Osten, y nach Norden.

</translation>
    </message>
    <message>
        <source>The upper face, lit from the March to the September equinox
</source>
        <translation>Das obere Zifferblatt, beschienen von der März- bis zur September-Tagundnachtgleiche
</translation>
    </message>
    <message>
        <source>The upper face, lit from the September to the March equinox
</source>
        <translation>Das obere Zifferblatt, beschienen von der September- bis zur März-Tagundnachtgleiche
</translation>
    </message>
    <message>
        <source>The lower face, lit from the March to the September equinox
</source>
        <translation>Das untere Zifferblatt, beschienen von der März- bis zur September-Tagundnachtgleiche
</translation>
    </message>
    <message>
        <source>The lower face, lit from the September to the March equinox
</source>
        <translation>Das untere Zifferblatt, beschienen von der September- bis zur März-Tagundnachtgleiche
</translation>
    </message>
    <message>
        <source>No hour line falls on the face: the sun lights it only between two hours&apos; lines</source>
        <translation>Auf das Zifferblatt fällt keine Stundenlinie: die Sonne bescheint es nur zwischen den Linien zweier Stunden</translation>
    </message>
    <message>
        <source>No hour line falls on the face: the sun never lights it above the horizon here</source>
        <translation>Auf das Zifferblatt fällt keine Stundenlinie: die Sonne bescheint es hier nie über dem Horizont</translation>
    </message>
    <message>
        <source>No hour line falls on the upper face: the sun lights it only between two hours&apos; lines</source>
        <translation>Auf das obere Zifferblatt fällt keine Stundenlinie: die Sonne bescheint es nur zwischen den Linien zweier Stunden</translation>
    </message>
    <message>
        <source>No hour line falls on the upper face: the sun never lights it above the horizon here</source>
        <translation>Auf das obere Zifferblatt fällt keine Stundenlinie: die Sonne bescheint es hier nie über dem Horizont</translation>
    </message>
    <message>
        <source>No hour line falls on the lower face: the sun lights it only between two hours&apos; lines</source>
        <translation>Auf das untere Zifferblatt fällt keine Stundenlinie: die Sonne bescheint es nur zwischen den Linien zweier Stunden</translation>
    </message>
    <message>
        <source>No hour line falls on the lower face: the sun never lights it above the horizon here</source>
        <translation>Auf das untere Zifferblatt fällt keine Stundenlinie: die Sonne bescheint es hier nie über dem Horizont</translation>
    </message>
    <message>
        <source>unlit</source>
        <translation>unbeschienen</translation>
    </message>
    <message>
        <source>Each degree the face leans beyond its tilt of %1° (its top towards where it looks) moves the readings by, in minutes at the June / December solstice: %2, %3, %4 (+ reads later; less towards the equinoxes)</source>
        <translation>Jedes Grad, um das sich das Zifferblatt über seine Neigung von %1° hinaus neigt (die Oberkante in Blickrichtung), verschiebt die Ablesungen um, in Minuten zur Juni- / Dezember-Sonnenwende: %2, %3, %4 (+ zeigt später; zu den Tagundnachtgleichen hin weniger)</translation>
    </message>
    <message>
        <source>%1 hour lines, from %2 to %3</source>
        <translation>%1 Stundenlinien, von %2 bis %3</translation>
    </message>
    <message>
        <source> No 12 o&apos;clock line on this plate.</source>
        <translation> Keine 12-Uhr-Linie auf dieser Platte.</translation>
    </message>
    <message>
        <source> Each line is the figure-8 of the shadow at its hour of the standard clock through the year.</source>
        <translation> Jede Linie ist die Achterschleife des Schattens zu ihrer Stunde der Normalzeit im Lauf des Jahres.</translation>
    </message>
    <message>
        <source>A rod through the plate at the foot, square to it, standing %1 mm out of each face; its ends are the nodus</source>
        <translation>Ein Stab durch die Platte am Fußpunkt, senkrecht zu ihr, der %1 mm aus jedem Zifferblatt ragt; seine Enden sind der Nodus</translation>
    </message>
    <message>
        <source>A rod at the foot, square to the plate, standing %1 mm out of it; its end is the nodus</source>
        <translation>Ein Stab am Fußpunkt, senkrecht zur Platte, der %1 mm herausragt; sein Ende ist der Nodus</translation>
    </message>
    <message>
        <source>Cut the shape; stand its lower edge on the substyle, the upright edge on the foot</source>
        <translation>Die Form ausschneiden; ihre Unterkante auf die Substilare stellen, die senkrechte Kante auf den Fußpunkt</translation>
    </message>
    <message>
        <source>Cut the rectangle; stand it on the substyle, its top edge is the style, the nodus over the foot where marked</source>
        <translation>Das Rechteck ausschneiden; es auf die Substilare stellen, seine Oberkante ist der Polstab, der Nodus über dem Fußpunkt, wo markiert</translation>
    </message>
    <message>
        <source>Style height: %1°</source>
        <translation>Polstabhöhe: %1°</translation>
    </message>
    <message>
        <source>No root: the style runs parallel to the face, and so do the hour lines.</source>
        <translation>Kein Zentrum: der Polstab verläuft parallel zum Zifferblatt, ebenso die Stundenlinien.</translation>
    </message>
    <message>
        <source>, no root</source>
        <translation>, kein Zentrum</translation>
    </message>
    <message>
        <source>Root: %1 mm from the nodus&apos;s foot (x %2, y %3 mm)</source>
        <translation>Zentrum: %1 mm vom Fußpunkt des Nodus (x %2, y %3 mm)</translation>
    </message>
    <message>
        <source>, root %1 mm from the foot</source>
        <translation>, Zentrum %1 mm vom Fußpunkt</translation>
    </message>
    <message>
        <source>
No hour line falls on this plate.</source>
        <translation>
Auf diese Platte fällt keine Stundenlinie.</translation>
    </message>
    <message>
        <source>%1 hour lines</source>
        <translation>%1 Stundenlinien</translation>
    </message>
    <message>
        <source>Style height %1°%2, %3.</source>
        <translation>Polstabhöhe %1°%2, %3.</translation>
    </message>
    <message>
        <source>no hour line on the plate</source>
        <translation>keine Stundenlinie auf der Platte</translation>
    </message>
    <message>
        <source>%1, style height %2°. No hour line falls on this plate.</source>
        <translation>%1, Polstabhöhe %2°. Auf diese Platte fällt keine Stundenlinie.</translation>
    </message>
    <message>
        <source>%1, style height %2°. %3.%4</source>
        <translation>%1, Polstabhöhe %2°. %3.%4</translation>
    </message>
    <message>
        <source>Style height %1°</source>
        <translation>Polstabhöhe %1°</translation>
    </message>
    <message>
        <source>nodus %1 mm above the plate</source>
        <translation>Nodus %1 mm über der Platte</translation>
    </message>
    <message>
        <source>The upper face is lit from the March to the September equinox</source>
        <translation>Das obere Zifferblatt wird von der März- bis zur September-Tagundnachtgleiche beschienen</translation>
    </message>
    <message>
        <source>The upper face is lit from the September to the March equinox</source>
        <translation>Das obere Zifferblatt wird von der September- bis zur März-Tagundnachtgleiche beschienen</translation>
    </message>
    <message>
        <source>The lower face is lit from the March to the September equinox</source>
        <translation>Das untere Zifferblatt wird von der März- bis zur September-Tagundnachtgleiche beschienen</translation>
    </message>
    <message>
        <source>The lower face is lit from the September to the March equinox</source>
        <translation>Das untere Zifferblatt wird von der September- bis zur März-Tagundnachtgleiche beschienen</translation>
    </message>
    <message>
        <source>The hour lines are not evenly spaced; an x-wire %1 mm above the plate would space them 15° an hour</source>
        <translation>Die Stundenlinien sind nicht gleichmäßig geteilt; ein x-Faden %1 mm über der Platte teilte sie zu 15° je Stunde</translation>
    </message>
    <message>
        <source>%1 Jan</source>
        <translation>%1. Jan.</translation>
    </message>
    <message>
        <source>%1 Feb</source>
        <translation>%1. Feb.</translation>
    </message>
    <message>
        <source>%1 Mar</source>
        <translation>%1. März</translation>
    </message>
    <message>
        <source>%1 Apr</source>
        <translation>%1. Apr.</translation>
    </message>
    <message>
        <source>%1 May</source>
        <translation>%1. Mai</translation>
    </message>
    <message>
        <source>%1 Jun</source>
        <translation>%1. Juni</translation>
    </message>
    <message>
        <source>%1 Jul</source>
        <translation>%1. Juli</translation>
    </message>
    <message>
        <source>%1 Aug</source>
        <translation>%1. Aug.</translation>
    </message>
    <message>
        <source>%1 Sep</source>
        <translation>%1. Sept.</translation>
    </message>
    <message>
        <source>%1 Oct</source>
        <translation>%1. Okt.</translation>
    </message>
    <message>
        <source>%1 Nov</source>
        <translation>%1. Nov.</translation>
    </message>
    <message>
        <source>%1 Dec</source>
        <translation>%1. Dez.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The Italian hour lines</source>
        <translation>Die Linien der italischen Stunden</translation>
    </message>
    <message>
        <source>the Italian hour lines</source>
        <translation>die Linien der italischen Stunden</translation>
    </message>
    <message>
        <source>The Babylonian hour lines</source>
        <translation>Die Linien der babylonischen Stunden</translation>
    </message>
    <message>
        <source>the Babylonian hour lines</source>
        <translation>die Linien der babylonischen Stunden</translation>
    </message>
    <message>
        <source>The unequal hour lines</source>
        <translation>Die Linien der Temporalstunden</translation>
    </message>
    <message>
        <source>the unequal hour lines</source>
        <translation>die Linien der Temporalstunden</translation>
    </message>
    <message>
        <source>The Italian and Babylonian hour lines</source>
        <translation>Die Linien der italischen und babylonischen Stunden</translation>
    </message>
    <message>
        <source>the Italian and Babylonian hour lines</source>
        <translation>die Linien der italischen und babylonischen Stunden</translation>
    </message>
    <message>
        <source>The Italian and unequal hour lines</source>
        <translation>Die Linien der italischen Stunden und der Temporalstunden</translation>
    </message>
    <message>
        <source>the Italian and unequal hour lines</source>
        <translation>die Linien der italischen Stunden und der Temporalstunden</translation>
    </message>
    <message>
        <source>The Babylonian and unequal hour lines</source>
        <translation>Die Linien der babylonischen Stunden und der Temporalstunden</translation>
    </message>
    <message>
        <source>the Babylonian and unequal hour lines</source>
        <translation>die Linien der babylonischen Stunden und der Temporalstunden</translation>
    </message>
    <message>
        <source>The Italian, Babylonian and unequal hour lines</source>
        <translation>Die Linien der italischen, babylonischen Stunden und der Temporalstunden</translation>
    </message>
    <message>
        <source>the Italian, Babylonian and unequal hour lines</source>
        <translation>die Linien der italischen, babylonischen Stunden und der Temporalstunden</translation>
    </message>
    <message>
        <source>%1 are reckoned in sun time from sunrise and sunset of the sun&apos;s centre on the geometric horizon (altitude 0, no refraction), whatever time the equal hours are drawn to</source>
        <translation>%1 werden in wahrer Ortszeit ab Auf- und Untergang der Sonnenmitte am geometrischen Horizont gezählt (Höhe 0, ohne Refraktion), gleich nach welcher Zeit die gleichen Stunden gezeichnet sind</translation>
    </message>
    <message>
        <source>Here the sun stays up, or down, all day around a solstice: %1 are drawn for the days on which it rises and sets</source>
        <translation>Hier bleibt die Sonne um eine Sonnenwende den ganzen Tag über oder unter dem Horizont: %1 sind für die Tage gezeichnet, an denen sie auf- und untergeht</translation>
    </message>
    <message>
        <source>The plate leaves out the lines of %1 h, when the sun also lights %2</source>
        <translation>Die Platte lässt die Linien von %1 Uhr aus, zu denen die Sonne %2 auch bescheint</translation>
    </message>
    <message>
        <source>No hour line falls on %1&apos;s plate: the sun lights it only at %2 h, whose lines fall off it</source>
        <translation>Keine Stundenlinie fällt auf die Platte (%1): die Sonne bescheint sie nur um %2 Uhr, deren Linien außerhalb liegen</translation>
    </message>
    <message>
        <source>the upper face</source>
        <translation>das obere Zifferblatt</translation>
    </message>
    <message>
        <source>the lower face</source>
        <translation>das untere Zifferblatt</translation>
    </message>
    <message>
        <source>the face</source>
        <translation>das Zifferblatt</translation>
    </message>
    <message>
        <source>The dates: along the meridian line from beside F (+ %1), across it (+ %2), and the spot&apos;s length x width</source>
        <translation>Die Daten: entlang der Mittagslinie von neben F (+ %1), quer dazu (+ %2), und Länge x Breite des Flecks</translation>
    </message>
    <message>
        <source>Marked days (metres; along the line + %1, across + %2; x east, y north of F)</source>
        <translation>Markierte Tage (Meter; entlang der Linie + %1, quer + %2; x Ost, y Nord von F)</translation>
    </message>
    <message>
        <source>Marked days (metres; along the line + %1, across + %2; x right, y up of F)</source>
        <translation>Markierte Tage (Meter; entlang der Linie + %1, quer + %2; x rechts, y oben von F)</translation>
    </message>
    <message>
        <source>Hour lines to the standard clock: the shadow&apos;s point on the equinoxes and the solstices (%1, %2, %3, %4; - off the plate or unlit)</source>
        <translation>Stundenlinien der Normalzeit: der Schattenpunkt zu den Tagundnachtgleichen und Sonnenwenden (%1, %2, %3, %4; - außerhalb der Platte oder unbeschienen)</translation>
    </message>
    <message>
        <source>true noon on %1</source>
        <translation>wahrer Mittag am %1</translation>
    </message>
    <message>
        <source>UTC standard time</source>
        <translation>UTC Normalzeit</translation>
    </message>
    <message>
        <source>UTC+%1 standard time</source>
        <translation>UTC+%1 Normalzeit</translation>
    </message>
    <message>
        <source>UTC-%1 standard time</source>
        <translation>UTC-%1 Normalzeit</translation>
    </message>
    <message>
        <source>UTC+%1:%2 standard time</source>
        <translation>UTC+%1:%2 Normalzeit</translation>
    </message>
    <message>
        <source>UTC-%1:%2 standard time</source>
        <translation>UTC-%1:%2 Normalzeit</translation>
    </message>
</context>
</TS>
