<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>dial</name>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Wires cross above</source>
        <translation>Les fils se croisent au-dessus</translation>
    </message>
    <message>
        <source>The x-wire&apos;s height spaces the hour lines evenly, 15° an hour around the centre</source>
        <translation>La hauteur du fil x espace régulièrement les lignes horaires, 15° par heure autour du centre</translation>
    </message>
    <message>
        <source>No x-wire height spaces the hour lines evenly on this face</source>
        <translation>Sur cette table, aucune hauteur du fil x n&apos;espace régulièrement les lignes horaires</translation>
    </message>
    <message>
        <source>x-wire</source>
        <translation>fil x</translation>
    </message>
    <message>
        <source>%1 above the plate, along x over y = 0, posts at %2 and %3</source>
        <translation>%1 au-dessus de la plaque, le long de x au-dessus de y = 0, poteaux en %2 et %3</translation>
    </message>
    <message>
        <source>y-wire</source>
        <translation>fil y</translation>
    </message>
    <message>
        <source>%1 above the plate, along y over x = 0, posts at %2 and %3</source>
        <translation>%1 au-dessus de la plaque, le long de y au-dessus de x = 0, poteaux en %2 et %3</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>none: the hour lines are parallel</source>
        <translation>aucun : les lignes horaires sont parallèles</translation>
    </message>
    <message>
        <source>evenly spaced</source>
        <translation>espacement régulier</translation>
    </message>
    <message>
        <source>yes, 15° an hour</source>
        <translation>oui, 15° par heure</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Hour lines (angle at the centre from the noon side of the y axis, + towards x)</source>
        <translation>Lignes horaires (angle au centre depuis le côté midi de l&apos;axe y, + vers x)</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the point under the wires&apos; crossing: x to the right, y up the slope.

</source>
        <translation>Millimètres sur la plaque depuis le point sous le croisement des fils : x vers la droite, y vers le haut de la pente.

</translation>
    </message>
    <message>
        <source>Wires %1 mm (x) and %2 mm (y) above the plate</source>
        <translation>Fils à %1 mm (x) et %2 mm (y) au-dessus de la plaque</translation>
    </message>
    <message>
        <source>wires %1 mm and %2 mm above the plate</source>
        <translation>fils à %1 mm et %2 mm au-dessus de la plaque</translation>
    </message>
    <message>
        <source>Stretch each wire between its posts, parallel to the plate at its height; they cross over the plate&apos;s origin</source>
        <translation>Tendre chaque fil entre ses poteaux, parallèle à la plaque à sa hauteur ; ils se croisent au-dessus de l&apos;origine de la plaque</translation>
    </message>
    <message>
        <source>Wires: x %1 mm, y %2 mm</source>
        <translation>Fils : x %1 mm, y %2 mm</translation>
    </message>
    <message>
        <source>Centre of the hour lines: x %1, y %2 mm%3</source>
        <translation>Centre des lignes horaires : x %1, y %2 mm%3</translation>
    </message>
    <message>
        <source>, 15° an hour</source>
        <translation>, 15° par heure</translation>
    </message>
    <message>
        <source>No centre: the hour lines are parallel.</source>
        <translation>Pas de centre : les lignes horaires sont parallèles.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 mm, %3.</source>
        <translation>Fils à %1 et %2 mm, %3.</translation>
    </message>
    <message>
        <source>%1, wires %2 mm (x) and %3 mm (y) above the plate. %4.</source>
        <translation>%1, fils à %2 mm (x) et %3 mm (y) au-dessus de la plaque. %4.</translation>
    </message>
    <message>
        <source>lit from the March to the September equinox</source>
        <translation>éclairée de l&apos;équinoxe de mars à celui de septembre</translation>
    </message>
    <message>
        <source>lit from the September to the March equinox</source>
        <translation>éclairée de l&apos;équinoxe de septembre à celui de mars</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Horizontal dial</source>
        <translation>Cadran horizontal</translation>
    </message>
    <message>
        <source>From the meridian (°, + east)</source>
        <translation>Depuis le méridien (°, + est)</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Vertical dial</source>
        <translation>Cadran vertical</translation>
    </message>
    <message>
        <source>From the vertical (°, + right)</source>
        <translation>Depuis la verticale (°, + droite)</translation>
    </message>
    <message>
        <source>Reclining or inclining (any plane)</source>
        <translation>Incliné ou surplombant (tout plan)</translation>
    </message>
    <message>
        <source>Plane dial</source>
        <translation>Cadran plan</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polaire</translation>
    </message>
    <message>
        <source>Polar dial</source>
        <translation>Cadran polaire</translation>
    </message>
    <message>
        <source>Equatorial (both faces)</source>
        <translation>Équatorial (les deux tables)</translation>
    </message>
    <message>
        <source>Equatorial dial</source>
        <translation>Cadran équatorial</translation>
    </message>
    <message>
        <source>Analemmatic (a person is the gnomon)</source>
        <translation>Analemmatique (une personne sert de gnomon)</translation>
    </message>
    <message>
        <source>Analemmatic dial</source>
        <translation>Cadran analemmatique</translation>
    </message>
    <message>
        <source>its ellipse flattens to a line near the equator, and its date scale to a point near a pole</source>
        <translation>son ellipse s&apos;aplatit en une ligne près de l&apos;équateur, et son échelle des dates en un point près d&apos;un pôle</translation>
    </message>
    <message>
        <source>an analemmatic dial has no style that could stand turned: check its north-south line and its date scale instead</source>
        <translation>un cadran analemmatique n&apos;a pas de style qui pourrait être tourné : vérifiez plutôt sa ligne nord-sud et son échelle des dates</translation>
    </message>
    <message>
        <source>an analemmatic dial&apos;s hour points lie on its ellipse, where a figure-8 of clock time has no place: draw it to sun or zone time</source>
        <translation>les points horaires d&apos;un cadran analemmatique sont sur son ellipse, où une courbe en 8 de l&apos;heure de la montre n&apos;a pas sa place : tracez-le en temps solaire vrai ou en heure du fuseau</translation>
    </message>
    <message>
        <source>an analemmatic dial&apos;s hour points lie on its ellipse, which has no place for lines of Italian, Babylonian or unequal hours: draw it in equal hours</source>
        <translation>les points horaires d&apos;un cadran analemmatique sont sur son ellipse, qui n&apos;a pas de place pour des lignes d&apos;heures italiques, babyloniques ou temporaires : tracez-le en heures égales</translation>
    </message>
    <message>
        <source>Noon mark (a spot of sun through a hole)</source>
        <translation>Méridienne (une tache de soleil à travers un trou)</translation>
    </message>
    <message>
        <source>Noon mark</source>
        <translation>Méridienne</translation>
    </message>
    <message>
        <source>a noon mark has no style that could stand turned: check its meridian line against the spot at the true noon instead</source>
        <translation>une méridienne n&apos;a pas de style qui pourrait être tourné : vérifiez plutôt sa ligne méridienne avec la tache au midi vrai</translation>
    </message>
    <message>
        <source>a noon mark shows the noon alone, with no hour lines: draw a plane dial for the old hours</source>
        <translation>une méridienne ne montre que midi, sans lignes horaires : pour les heures anciennes, tracez un cadran plan</translation>
    </message>
    <message>
        <source>Bifilar (two wires)</source>
        <translation>Bifilaire (deux fils)</translation>
    </message>
    <message>
        <source>Bifilar dial</source>
        <translation>Cadran bifilaire</translation>
    </message>
    <message>
        <source>From the y axis at the centre (°, + towards x)</source>
        <translation>Depuis l&apos;axe y au centre (°, + vers x)</translation>
    </message>
    <message>
        <source>Wires</source>
        <translation>Fils</translation>
    </message>
    <message>
        <source>a bifilar dial has no style that could stand turned: check the wires&apos; heights and that each runs along its axis instead</source>
        <translation>un cadran bifilaire n&apos;a pas de style qui pourrait être tourné : vérifiez plutôt la hauteur des fils et que chacun suit son axe</translation>
    </message>
    <message>
        <source>a bifilar dial&apos;s hour lines are straight lines of sun or zone time: draw it to sun or zone time</source>
        <translation>les lignes horaires d&apos;un cadran bifilaire sont des droites de temps solaire vrai ou d&apos;heure du fuseau : tracez-le en temps solaire vrai ou en heure du fuseau</translation>
    </message>
    <message>
        <source>a bifilar dial&apos;s crossing is drawn for equal hours: draw a plane dial for the old hours</source>
        <translation>le croisement d&apos;un cadran bifilaire est tracé pour les heures égales : pour les heures anciennes, tracez un cadran plan</translation>
    </message>
    <message>
        <source>From the line of steepest slope (°, + right)</source>
        <translation>Depuis la ligne de plus grande pente (°, + droite)</translation>
    </message>
    <message>
        <source>Gnomon</source>
        <translation>Gnomon</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ouest</translation>
    </message>
    <message>
        <source>on the line</source>
        <translation>sur la ligne</translation>
    </message>
    <message>
        <source>Stand up straight: anyone %1 m tall or taller casts a shadow that reaches the marks from %2 to %3 h on every day of the year. A shorter shadow still points along the line to the time.</source>
        <translation>Tenez-vous bien droit : toute personne de %1 m ou plus projette une ombre qui atteint les repères de %2 à %3 h chaque jour de l&apos;année. Une ombre plus courte indique tout de même l&apos;heure par sa direction.</translation>
    </message>
    <message>
        <source>Stand up straight: anyone %1 m tall or taller casts a shadow that reaches the marks from %2 to %3 h on every day of the year.</source>
        <translation>Tenez-vous bien droit : toute personne de %1 m ou plus projette une ombre qui atteint les repères de %2 à %3 h chaque jour de l&apos;année.</translation>
    </message>
    <message>
        <source>Lay out the north-south line: on %1 at %2 by a clock on %3 the sun stands on the meridian, and the shadow of a plumb line falls along it.</source>
        <translation>Tracez la ligne nord-sud : le %1 à %2 à une montre réglée sur %3, le soleil est au méridien et l&apos;ombre d&apos;un fil à plomb tombe le long de cette ligne.</translation>
    </message>
    <message>
        <source>Mark the centre C on the line, and the noon point N %1 m north of C.</source>
        <translation>Marquez le centre C sur la ligne, et le point de midi N à %1 m au nord de C.</translation>
    </message>
    <message>
        <source>Mark the centre C on the line, and the noon point N %1 m south of C.</source>
        <translation>Marquez le centre C sur la ligne, et le point de midi N à %1 m au sud de C.</translation>
    </message>
    <message>
        <source>Stake each hour with two tapes, one from C and one from N, at the lengths in the table: where they meet on the hour&apos;s side of the line (east or west) is the hour&apos;s mark.</source>
        <translation>Piquetez chaque heure avec deux rubans, l&apos;un depuis C et l&apos;autre depuis N, aux longueurs du tableau : leur rencontre du côté de l&apos;heure (est ou ouest) est le repère de l&apos;heure.</translation>
    </message>
    <message>
        <source>Mark the dates on the line, each its distance from C (+ north, - south).</source>
        <translation>Marquez les dates sur la ligne, chacune à sa distance de C (+ nord, - sud).</translation>
    </message>
    <message>
        <source>To draw the ellipse, put a pin at each focus, %1 m east and west of C, and run a loop of string %2 m long round both pins and a marker.</source>
        <translation>Pour tracer l&apos;ellipse, plantez un piquet à chaque foyer, à %1 m à l&apos;est et à l&apos;ouest de C, et passez une boucle de ficelle de %2 m autour des deux piquets et d&apos;un traceur.</translation>
    </message>
    <message>
        <source>Stand on today&apos;s date and your shadow points to the time; add the card&apos;s correction for the clock.</source>
        <translation>Placez-vous sur la date du jour et votre ombre indique l&apos;heure ; ajoutez la correction de la table pour l&apos;heure de la montre.</translation>
    </message>
    <message>
        <source>Stand on today&apos;s date and your shadow points to the dial&apos;s time; for the clock&apos;s, add the correction of a card (--card on the command line, or the Dial Designer&apos;s card).</source>
        <translation>Placez-vous sur la date du jour et votre ombre indique l&apos;heure du cadran ; pour celle de la montre, ajoutez la correction d&apos;une table (--card en ligne de commande, ou la table de Conception de cadran).</translation>
    </message>
    <message>
        <source>%1 m south</source>
        <translation>%1 m au sud</translation>
    </message>
    <message>
        <source>%1 m north</source>
        <translation>%1 m au nord</translation>
    </message>
    <message>
        <source>Ellipse: %1 m by %2 m</source>
        <translation>Ellipse : %1 m sur %2 m</translation>
    </message>
    <message>
        <source>Noon point N %1 of the centre C. Foci %2 m east and west of C; string loop %3 m.
%4</source>
        <translation>Point de midi N %1 du centre C. Foyers à %2 m à l&apos;est et à l&apos;ouest de C ; boucle de ficelle %3 m.
%4</translation>
    </message>
    <message>
        <source>%1 m by %2 m</source>
        <translation>%1 m sur %2 m</translation>
    </message>
    <message>
        <source>no hour marks</source>
        <translation>aucun repère horaire</translation>
    </message>
    <message>
        <source>%1 hour marks, from %2 to %3</source>
        <translation>%1 repères horaires, de %2 à %3</translation>
    </message>
    <message>
        <source>Ellipse %1, %2.</source>
        <translation>Ellipse %1, %2.</translation>
    </message>
    <message>
        <source>%1 hour marks</source>
        <translation>%1 repères horaires</translation>
    </message>
    <message>
        <source>at the centre</source>
        <translation>au centre</translation>
    </message>
    <message>
        <source> The date scale on the north-south line, from the centre C: %1.</source>
        <translation> L&apos;échelle des dates sur la ligne nord-sud, depuis le centre C : %1.</translation>
    </message>
    <message>
        <source>%1: an ellipse %2 on the ground, %3.%4 Stand on today&apos;s date and your shadow points to the time.</source>
        <translation>%1 : une ellipse de %2 au sol, %3.%4 Placez-vous sur la date du jour et votre ombre indique l&apos;heure.</translation>
    </message>
    <message>
        <source>Two tapes to each hour: from C and from N, on the hour&apos;s side of the line</source>
        <translation>Deux rubans par heure : depuis C et depuis N, du côté de l&apos;heure</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>From C (m)</source>
        <translation>Depuis C (m)</translation>
    </message>
    <message>
        <source>From N (m)</source>
        <translation>Depuis N (m)</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>The date scale: where to stand, from C along the line (+ north, - south)</source>
        <translation>L&apos;échelle des dates : où se placer, depuis C le long de la ligne (+ nord, - sud)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>The person as gnomon: the height whose shadow reaches the hour&apos;s mark on every day (rounded up to the cm)</source>
        <translation>La personne comme gnomon : la taille dont l&apos;ombre atteint le repère de l&apos;heure chaque jour (arrondie au cm supérieur)</translation>
    </message>
    <message>
        <source>Height (m)</source>
        <translation>Taille (m)</translation>
    </message>
    <message>
        <source>C is the centre, N the noon point.</source>
        <translation>C est le centre, N le point de midi.</translation>
    </message>
    <message>
        <source>Ellipse %1 m by %2 m</source>
        <translation>Ellipse %1 m sur %2 m</translation>
    </message>
    <message>
        <source>half-width %1 m</source>
        <translation>demi-largeur %1 m</translation>
    </message>
    <message>
        <source>ellipse</source>
        <translation>ellipse</translation>
    </message>
    <message>
        <source>%1 m east-west by %2 m north-south</source>
        <translation>%1 m est-ouest sur %2 m nord-sud</translation>
    </message>
    <message>
        <source>noon point N</source>
        <translation>point de midi N</translation>
    </message>
    <message>
        <source>%1 m north of the centre C</source>
        <translation>%1 m au nord du centre C</translation>
    </message>
    <message>
        <source>%1 m south of the centre C</source>
        <translation>%1 m au sud du centre C</translation>
    </message>
    <message>
        <source>foci</source>
        <translation>foyers</translation>
    </message>
    <message>
        <source>%1 m east and west of C</source>
        <translation>%1 m à l&apos;est et à l&apos;ouest de C</translation>
    </message>
    <message>
        <source>string loop</source>
        <translation>boucle de ficelle</translation>
    </message>
    <message>
        <source>Staking table (metres; x east, y north of C)</source>
        <translation>Table de piquetage (mètres ; x est, y nord depuis C)</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>from C</source>
        <translation>depuis C</translation>
    </message>
    <message>
        <source>from N</source>
        <translation>depuis N</translation>
    </message>
    <message>
        <source>side</source>
        <translation>côté</translation>
    </message>
    <message>
        <source>Date scale (metres from C along the line, + north)</source>
        <translation>Échelle des dates (mètres depuis C le long de la ligne, + nord)</translation>
    </message>
    <message>
        <source>date</source>
        <translation>date</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>déclinaison</translation>
    </message>
    <message>
        <source>The person as gnomon (the height whose shadow reaches the mark on its worst day, rounded up to the cm)</source>
        <translation>La personne comme gnomon (la taille dont l&apos;ombre atteint le repère le jour le plus défavorable, arrondie au cm supérieur)</translation>
    </message>
    <message>
        <source>height</source>
        <translation>taille</translation>
    </message>
    <message>
        <source>worst at declination</source>
        <translation>pire à la déclinaison</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <source>true noon</source>
        <translation>midi vrai</translation>
    </message>
    <message>
        <source>up</source>
        <translation>haut</translation>
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
        <translation>bas</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>The spot never falls on this face at %1: on every day of the year the sun then stands behind the face, below the horizon or under %2° above the face.</source>
        <translation>À %1, la tache ne tombe jamais sur cette surface : chaque jour de l&apos;année, le soleil est alors derrière la surface, sous l&apos;horizon ou à moins de %2° au-dessus de la surface.</translation>
    </message>
    <message>
        <source>The spot falls on the face at %1 on %2 days of %3.</source>
        <translation>À %1, la tache tombe sur la surface %2 jours en %3.</translation>
    </message>
    <message>
        <source>Left out: %1 days on which the sun stands under %2° above the face, the spot too long and faint to mark.</source>
        <translation>Omis : %1 jours où le soleil est à moins de %2° au-dessus de la surface, la tache trop longue et trop pâle pour être marquée.</translation>
    </message>
    <message>
        <source>In summer time the clock runs an hour ahead: this figure-8 is crossed at %1 by it. For a mark of summer time&apos;s noon, give the mark time an hour later (13:00).</source>
        <translation>En heure d&apos;été, la montre avance d&apos;une heure : cette courbe en 8 est franchie à %1 selon elle. Pour un repère du midi de l&apos;heure d&apos;été, indiquez une heure de repère plus tardive d&apos;une heure (13:00).</translation>
    </message>
    <message>
        <source>The spot&apos;s centre crosses the meridian line at the true noon, from 14 minutes before the mean sun&apos;s noon to 16 after, and stands on the figure-8 at the mark time.</source>
        <translation>Le centre de la tache franchit la ligne méridienne au midi vrai, de 14 minutes avant à 16 minutes après le midi moyen, et se trouve sur la courbe en 8 à l&apos;heure du repère.</translation>
    </message>
    <message>
        <source>%1 m above the floor, %2 mm across</source>
        <translation>à %1 m au-dessus du sol, %2 mm de diamètre</translation>
    </message>
    <message>
        <source>%1 m above the face, %2 mm across</source>
        <translation>à %1 m au-dessus de la surface, %2 mm de diamètre</translation>
    </message>
    <message>
        <source>Hole %1; figure-8 at %2 %3</source>
        <translation>Trou %1 ; courbe en 8 à %2 %3</translation>
    </message>
    <message>
        <source>hole %1</source>
        <translation>trou %1</translation>
    </message>
    <message>
        <source>Meridian line: %1 m</source>
        <translation>Ligne méridienne : %1 m</translation>
    </message>
    <message>
        <source>through the foot F</source>
        <translation>par le pied F</translation>
    </message>
    <message>
        <source>%1 m %2 of the foot F</source>
        <translation>à %1 m du pied F, direction %2</translation>
    </message>
    <message>
        <source>The meridian line runs %1 %2; the figure-8 at %3 %4. %5</source>
        <translation>La ligne méridienne passe %1, direction %2 ; la courbe en 8 à %3 %4. %5</translation>
    </message>
    <message>
        <source>%1 days marked</source>
        <translation>%1 jours marqués</translation>
    </message>
    <message>
        <source>Noon mark, hole %1: %2</source>
        <translation>Méridienne, trou %1 : %2</translation>
    </message>
    <message>
        <source>%1: a meridian line %2 m long and the figure-8 of the spot at %3. %4</source>
        <translation>%1 : une ligne méridienne de %2 m et la courbe en 8 de la tache à %3. %4</translation>
    </message>
    <message>
        <source>Mark the foot F on the floor straight under the hole&apos;s centre, with a plumb line.</source>
        <translation>Marquez le pied F au sol juste sous le centre du trou, au fil à plomb.</translation>
    </message>
    <message>
        <source>Mark the foot F on the face where a line square to it from the hole&apos;s centre meets it.</source>
        <translation>Marquez le pied F sur la surface là où la rencontre une perpendiculaire issue du centre du trou.</translation>
    </message>
    <message>
        <source>Draw the meridian line %1, running %2 from F&apos;s side: on %3 at %4 by a clock on %5 the spot&apos;s centre stands on it.</source>
        <translation>Tracez la ligne méridienne %1, direction %2 depuis le côté de F : le %3 à %4 à une montre réglée sur %5, le centre de la tache s&apos;y trouve.</translation>
    </message>
    <message>
        <source>Mark each date from the table: along the line from the point beside F, then across it (+ %1), and join the marks in the order of the year into the figure-8.</source>
        <translation>Marquez chaque date du tableau : le long de la ligne depuis le point à côté de F, puis en travers (+ direction %1), et reliez les repères dans l&apos;ordre de l&apos;année pour former la courbe en 8.</translation>
    </message>
    <message>
        <source>At %1 of %2 the spot&apos;s centre stands on the day&apos;s place on the figure-8.</source>
        <translation>À %1 de %2, le centre de la tache se trouve à la place du jour sur la courbe en 8.</translation>
    </message>
    <message>
        <source>F is the foot, under the hole.</source>
        <translation>F est le pied, sous le trou.</translation>
    </message>
    <message>
        <source>F is the foot, square from the hole.</source>
        <translation>F est le pied, à la perpendiculaire du trou.</translation>
    </message>
    <message>
        <source>Along (m)</source>
        <translation>Le long (m)</translation>
    </message>
    <message>
        <source>Across (m)</source>
        <translation>En travers (m)</translation>
    </message>
    <message>
        <source>Spot (mm)</source>
        <translation>Tache (mm)</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>trou</translation>
    </message>
    <message>
        <source>mark time</source>
        <translation>heure du repère</translation>
    </message>
    <message>
        <source>meridian line</source>
        <translation>ligne méridienne</translation>
    </message>
    <message>
        <source>from (%1, %2) to (%3, %4) m, %5 m long, %6</source>
        <translation>de (%1, %2) à (%3, %4) m, longue de %5 m, %6</translation>
    </message>
    <message>
        <source>along</source>
        <translation>le long</translation>
    </message>
    <message>
        <source>across</source>
        <translation>en travers</translation>
    </message>
    <message>
        <source>spot (mm)</source>
        <translation>tache (mm)</translation>
    </message>
    <message>
        <source>style parallel to the face</source>
        <translation>style parallèle à la table</translation>
    </message>
    <message>
        <source>through the plate at the foot, square to it</source>
        <translation>à travers la plaque au pied, perpendiculaire à elle</translation>
    </message>
    <message>
        <source>square to the plate at the foot</source>
        <translation>perpendiculaire à la plaque au pied</translation>
    </message>
    <message>
        <source>Nodus, above the foot</source>
        <translation>Œilleton, au-dessus du pied</translation>
    </message>
    <message>
        <source>Nodus</source>
        <translation>Œilleton</translation>
    </message>
    <message>
        <source>Solid: December to June; dashed: June to December. Ticks: the first of each month</source>
        <translation>Trait plein : de décembre à juin ; pointillé : de juin à décembre. Traits : le premier de chaque mois</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Pied</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Italian hours (hours since the previous sunset), between the solstices: none on the plate</source>
        <translation>Heures italiques (heures depuis le coucher du soleil précédent), entre les solstices : aucune sur la plaque</translation>
    </message>
    <message>
        <source>Italian hours (hours since the previous sunset), between the solstices</source>
        <translation>Heures italiques (heures depuis le coucher du soleil précédent), entre les solstices</translation>
    </message>
    <message>
        <source>Babylonian hours (hours since sunrise), between the solstices: none on the plate</source>
        <translation>Heures babyloniques (heures depuis le lever du soleil), entre les solstices : aucune sur la plaque</translation>
    </message>
    <message>
        <source>Babylonian hours (hours since sunrise), between the solstices</source>
        <translation>Heures babyloniques (heures depuis le lever du soleil), entre les solstices</translation>
    </message>
    <message>
        <source>Unequal hours (twelfths of the daylight since sunrise), between the solstices: none on the plate</source>
        <translation>Heures temporaires (douzièmes du jour depuis le lever du soleil), entre les solstices : aucune sur la plaque</translation>
    </message>
    <message>
        <source>Unequal hours (twelfths of the daylight since sunrise), between the solstices</source>
        <translation>Heures temporaires (douzièmes du jour depuis le lever du soleil), entre les solstices</translation>
    </message>
    <message>
        <source>points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>from</source>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>March equinox</source>
        <translation>Équinoxe de mars</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Solstice de juin</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Équinoxe de septembre</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Solstice de décembre</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the line of steepest slope, + towards x)</source>
        <translation>Lignes horaires (parallèles : angle depuis la ligne de plus grande pente, + vers x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the line of steepest slope through the foot.</source>
        <translation> La ligne de 12 h est sur la ligne de plus grande pente passant par le pied.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the line of steepest slope.</source>
        <translation> La ligne de 12 h est à %1° à droite de la ligne de plus grande pente.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the line of steepest slope.</source>
        <translation> La ligne de 12 h est à %1° à gauche de la ligne de plus grande pente.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the vertical, + towards x)</source>
        <translation>Lignes horaires (parallèles : angle depuis la verticale, + vers x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the vertical through the foot.</source>
        <translation> La ligne de 12 h est sur la verticale passant par le pied.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the vertical.</source>
        <translation> La ligne de 12 h est à %1° à droite de la verticale.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the vertical.</source>
        <translation> La ligne de 12 h est à %1° à gauche de la verticale.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the meridian, + towards x)</source>
        <translation>Lignes horaires (parallèles : angle depuis le méridien, + vers x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the meridian through the foot.</source>
        <translation> La ligne de 12 h est sur le méridien passant par le pied.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° east of the meridian.</source>
        <translation> La ligne de 12 h est à %1° à l&apos;est du méridien.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° west of the meridian.</source>
        <translation> La ligne de 12 h est à %1° à l&apos;ouest du méridien.</translation>
    </message>
    <message>
        <source>Hour lines (parallel: angle from the y axis, + towards x)</source>
        <translation>Lignes horaires (parallèles : angle depuis l&apos;axe y, + vers x)</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies on the y axis through the foot.</source>
        <translation> La ligne de 12 h est sur l&apos;axe y passant par le pied.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° right of the y axis.</source>
        <translation> La ligne de 12 h est à %1° à droite de l&apos;axe y.</translation>
    </message>
    <message>
        <source> The 12 o&apos;clock line lies %1° left of the y axis.</source>
        <translation> La ligne de 12 h est à %1° à gauche de l&apos;axe y.</translation>
    </message>
    <message>
        <source>Hour lines (angle at the root from the noon side of the y axis, + towards x)</source>
        <translation>Lignes horaires (angle au centre depuis le côté midi de l&apos;axe y, + vers x)</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>angle</translation>
    </message>
    <message>
        <source>the wall faces</source>
        <translation>orientation du mur</translation>
    </message>
    <message>
        <source>the face looks</source>
        <translation>orientation de la table</translation>
    </message>
    <message>
        <source>tilt from the zenith</source>
        <translation>inclinaison depuis le zénith</translation>
    </message>
    <message>
        <source>nodus height</source>
        <translation>hauteur de l&apos;œilleton</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>plaque</translation>
    </message>
    <message>
        <source>x %1 to %2, y %3 to %4</source>
        <translation>x de %1 à %2, y de %3 à %4</translation>
    </message>
    <message>
        <source>style height</source>
        <translation>hauteur du style</translation>
    </message>
    <message>
        <source>root</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>none: the style runs parallel to the face, the hour lines are parallel</source>
        <translation>aucun : le style est parallèle à la table, les lignes horaires sont parallèles</translation>
    </message>
    <message>
        <source>substyle</source>
        <translation>sous-stylaire</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>gnomon</source>
        <translation>gnomon</translation>
    </message>
    <message>
        <source>style %1 mm, height %2 mm, base %3 mm</source>
        <translation>style %1 mm, hauteur %2 mm, base %3 mm</translation>
    </message>
    <message>
        <source>gnomon as cut</source>
        <translation>gnomon tel que découpé</translation>
    </message>
    <message>
        <source>base %1 mm from the plate&apos;s edge to the foot, edge %2 mm at the plate&apos;s edge, style %3 mm (the root lies off the plate)</source>
        <translation>base %1 mm du bord de la plaque au pied, arête %2 mm au bord de la plaque, style %3 mm (le centre est hors de la plaque)</translation>
    </message>
    <message>
        <source>Date lines</source>
        <translation>Arcs diurnes</translation>
    </message>
    <message>
        <source>line</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>off the plate</source>
        <translation>hors de la plaque</translation>
    </message>
    <message>
        <source>
Lean: %1.
</source>
        <translation>
Inclinaison : %1.
</translation>
    </message>
    <message>
        <source>
Note: %1.
</source>
        <translation>
Remarque : %1.
</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the right, y up the slope.

</source>
        <translation>Millimètres sur la plaque depuis le pied de l&apos;œilleton : x vers la droite, y vers le haut de la pente.

</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the right, y up.

</source>
        <translation>Millimètres sur la plaque depuis le pied de l&apos;œilleton : x vers la droite, y vers le haut.

</translation>
    </message>
    <message>
        <source>Millimetres on the plate from the nodus&apos;s foot: x to the east, y north.

</source>
        <translation>Millimètres sur la plaque depuis le pied de l&apos;œilleton : x vers l&apos;est, y vers le nord.

</translation>
    </message>
    <message>
        <source>The upper face, lit from the March to the September equinox
</source>
        <translation>La table supérieure, éclairée de l&apos;équinoxe de mars à celui de septembre
</translation>
    </message>
    <message>
        <source>The upper face, lit from the September to the March equinox
</source>
        <translation>La table supérieure, éclairée de l&apos;équinoxe de septembre à celui de mars
</translation>
    </message>
    <message>
        <source>The lower face, lit from the March to the September equinox
</source>
        <translation>La table inférieure, éclairée de l&apos;équinoxe de mars à celui de septembre
</translation>
    </message>
    <message>
        <source>The lower face, lit from the September to the March equinox
</source>
        <translation>La table inférieure, éclairée de l&apos;équinoxe de septembre à celui de mars
</translation>
    </message>
    <message>
        <source>No hour line falls on the face: the sun lights it only between two hours&apos; lines</source>
        <translation>Aucune ligne horaire ne tombe sur la table : le soleil ne l&apos;éclaire qu&apos;entre les lignes de deux heures</translation>
    </message>
    <message>
        <source>No hour line falls on the face: the sun never lights it above the horizon here</source>
        <translation>Aucune ligne horaire ne tombe sur la table : ici, le soleil ne l&apos;éclaire jamais au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>No hour line falls on the upper face: the sun lights it only between two hours&apos; lines</source>
        <translation>Aucune ligne horaire ne tombe sur la table supérieure : le soleil ne l&apos;éclaire qu&apos;entre les lignes de deux heures</translation>
    </message>
    <message>
        <source>No hour line falls on the upper face: the sun never lights it above the horizon here</source>
        <translation>Aucune ligne horaire ne tombe sur la table supérieure : ici, le soleil ne l&apos;éclaire jamais au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>No hour line falls on the lower face: the sun lights it only between two hours&apos; lines</source>
        <translation>Aucune ligne horaire ne tombe sur la table inférieure : le soleil ne l&apos;éclaire qu&apos;entre les lignes de deux heures</translation>
    </message>
    <message>
        <source>No hour line falls on the lower face: the sun never lights it above the horizon here</source>
        <translation>Aucune ligne horaire ne tombe sur la table inférieure : ici, le soleil ne l&apos;éclaire jamais au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>unlit</source>
        <translation>non éclairé</translation>
    </message>
    <message>
        <source>Each degree the face leans beyond its tilt of %1° (its top towards where it looks) moves the readings by, in minutes at the June / December solstice: %2, %3, %4 (+ reads later; less towards the equinoxes)</source>
        <translation>Chaque degré dont la table penche au-delà de son inclinaison de %1° (le haut vers où elle regarde) décale les lectures de, en minutes au solstice de juin / décembre : %2, %3, %4 (+ indique plus tard ; moins vers les équinoxes)</translation>
    </message>
    <message>
        <source>%1 hour lines, from %2 to %3</source>
        <translation>%1 lignes horaires, de %2 à %3</translation>
    </message>
    <message>
        <source> No 12 o&apos;clock line on this plate.</source>
        <translation> Pas de ligne de 12 h sur cette plaque.</translation>
    </message>
    <message>
        <source> Each line is the figure-8 of the shadow at its hour of the standard clock through the year.</source>
        <translation> Chaque ligne est la courbe en 8 de l&apos;ombre à son heure de l&apos;heure normale au cours de l&apos;année.</translation>
    </message>
    <message>
        <source>A rod through the plate at the foot, square to it, standing %1 mm out of each face; its ends are the nodus</source>
        <translation>Une tige à travers la plaque au pied, perpendiculaire à elle, dépassant de %1 mm de chaque table ; ses extrémités sont l&apos;œilleton</translation>
    </message>
    <message>
        <source>A rod at the foot, square to the plate, standing %1 mm out of it; its end is the nodus</source>
        <translation>Une tige au pied, perpendiculaire à la plaque, dépassant de %1 mm ; son extrémité est l&apos;œilleton</translation>
    </message>
    <message>
        <source>Cut the shape; stand its lower edge on the substyle, the upright edge on the foot</source>
        <translation>Découpez la forme ; posez son bord inférieur sur la sous-stylaire et le bord vertical sur le pied</translation>
    </message>
    <message>
        <source>Cut the rectangle; stand it on the substyle, its top edge is the style, the nodus over the foot where marked</source>
        <translation>Découpez le rectangle ; posez-le sur la sous-stylaire, son bord supérieur est le style, l&apos;œilleton au-dessus du pied là où il est marqué</translation>
    </message>
    <message>
        <source>Style height: %1°</source>
        <translation>Hauteur du style : %1°</translation>
    </message>
    <message>
        <source>No root: the style runs parallel to the face, and so do the hour lines.</source>
        <translation>Pas de centre : le style est parallèle à la table, tout comme les lignes horaires.</translation>
    </message>
    <message>
        <source>, no root</source>
        <translation>, pas de centre</translation>
    </message>
    <message>
        <source>Root: %1 mm from the nodus&apos;s foot (x %2, y %3 mm)</source>
        <translation>Centre : à %1 mm du pied de l&apos;œilleton (x %2, y %3 mm)</translation>
    </message>
    <message>
        <source>, root %1 mm from the foot</source>
        <translation>, centre à %1 mm du pied</translation>
    </message>
    <message>
        <source>
No hour line falls on this plate.</source>
        <translation>
Aucune ligne horaire ne tombe sur cette plaque.</translation>
    </message>
    <message>
        <source>%1 hour lines</source>
        <translation>%1 lignes horaires</translation>
    </message>
    <message>
        <source>Style height %1°%2, %3.</source>
        <translation>Hauteur du style %1°%2, %3.</translation>
    </message>
    <message>
        <source>no hour line on the plate</source>
        <translation>aucune ligne horaire sur la plaque</translation>
    </message>
    <message>
        <source>%1, style height %2°. No hour line falls on this plate.</source>
        <translation>%1, hauteur du style %2°. Aucune ligne horaire ne tombe sur cette plaque.</translation>
    </message>
    <message>
        <source>%1, style height %2°. %3.%4</source>
        <translation>%1, hauteur du style %2°. %3.%4</translation>
    </message>
    <message>
        <source>Style height %1°</source>
        <translation>Hauteur du style %1°</translation>
    </message>
    <message>
        <source>nodus %1 mm above the plate</source>
        <translation>œilleton à %1 mm au-dessus de la plaque</translation>
    </message>
    <message>
        <source>The upper face is lit from the March to the September equinox</source>
        <translation>La table supérieure est éclairée de l&apos;équinoxe de mars à celui de septembre</translation>
    </message>
    <message>
        <source>The upper face is lit from the September to the March equinox</source>
        <translation>La table supérieure est éclairée de l&apos;équinoxe de septembre à celui de mars</translation>
    </message>
    <message>
        <source>The lower face is lit from the March to the September equinox</source>
        <translation>La table inférieure est éclairée de l&apos;équinoxe de mars à celui de septembre</translation>
    </message>
    <message>
        <source>The lower face is lit from the September to the March equinox</source>
        <translation>La table inférieure est éclairée de l&apos;équinoxe de septembre à celui de mars</translation>
    </message>
    <message>
        <source>The hour lines are not evenly spaced; an x-wire %1 mm above the plate would space them 15° an hour</source>
        <translation>Les lignes horaires ne sont pas régulièrement espacées ; un fil x à %1 mm au-dessus de la plaque les espacerait de 15° par heure</translation>
    </message>
    <message>
        <source>%1 Jan</source>
        <translation>%1 janv.</translation>
    </message>
    <message>
        <source>%1 Feb</source>
        <translation>%1 févr.</translation>
    </message>
    <message>
        <source>%1 Mar</source>
        <translation>%1 mars</translation>
    </message>
    <message>
        <source>%1 Apr</source>
        <translation>%1 avr.</translation>
    </message>
    <message>
        <source>%1 May</source>
        <translation>%1 mai</translation>
    </message>
    <message>
        <source>%1 Jun</source>
        <translation>%1 juin</translation>
    </message>
    <message>
        <source>%1 Jul</source>
        <translation>%1 juil.</translation>
    </message>
    <message>
        <source>%1 Aug</source>
        <translation>%1 août</translation>
    </message>
    <message>
        <source>%1 Sep</source>
        <translation>%1 sept.</translation>
    </message>
    <message>
        <source>%1 Oct</source>
        <translation>%1 oct.</translation>
    </message>
    <message>
        <source>%1 Nov</source>
        <translation>%1 nov.</translation>
    </message>
    <message>
        <source>%1 Dec</source>
        <translation>%1 déc.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The Italian hour lines</source>
        <translation>Les lignes des heures italiques</translation>
    </message>
    <message>
        <source>the Italian hour lines</source>
        <translation>les lignes des heures italiques</translation>
    </message>
    <message>
        <source>The Babylonian hour lines</source>
        <translation>Les lignes des heures babyloniques</translation>
    </message>
    <message>
        <source>the Babylonian hour lines</source>
        <translation>les lignes des heures babyloniques</translation>
    </message>
    <message>
        <source>The unequal hour lines</source>
        <translation>Les lignes des heures temporaires</translation>
    </message>
    <message>
        <source>the unequal hour lines</source>
        <translation>les lignes des heures temporaires</translation>
    </message>
    <message>
        <source>The Italian and Babylonian hour lines</source>
        <translation>Les lignes des heures italiques et babyloniques</translation>
    </message>
    <message>
        <source>the Italian and Babylonian hour lines</source>
        <translation>les lignes des heures italiques et babyloniques</translation>
    </message>
    <message>
        <source>The Italian and unequal hour lines</source>
        <translation>Les lignes des heures italiques et temporaires</translation>
    </message>
    <message>
        <source>the Italian and unequal hour lines</source>
        <translation>les lignes des heures italiques et temporaires</translation>
    </message>
    <message>
        <source>The Babylonian and unequal hour lines</source>
        <translation>Les lignes des heures babyloniques et temporaires</translation>
    </message>
    <message>
        <source>the Babylonian and unequal hour lines</source>
        <translation>les lignes des heures babyloniques et temporaires</translation>
    </message>
    <message>
        <source>The Italian, Babylonian and unequal hour lines</source>
        <translation>Les lignes des heures italiques, babyloniques et temporaires</translation>
    </message>
    <message>
        <source>the Italian, Babylonian and unequal hour lines</source>
        <translation>les lignes des heures italiques, babyloniques et temporaires</translation>
    </message>
    <message>
        <source>%1 are reckoned in sun time from sunrise and sunset of the sun&apos;s centre on the geometric horizon (altitude 0, no refraction), whatever time the equal hours are drawn to</source>
        <translation>%1 sont comptées en temps solaire vrai depuis le lever et le coucher du centre du Soleil sur l&apos;horizon géométrique (hauteur 0, sans réfraction), quel que soit le temps des heures égales</translation>
    </message>
    <message>
        <source>Here the sun stays up, or down, all day around a solstice: %1 are drawn for the days on which it rises and sets</source>
        <translation>Ici le Soleil reste levé, ou couché, toute la journée autour d&apos;un solstice : %1 sont tracées pour les jours où il se lève et se couche</translation>
    </message>
    <message>
        <source>The plate leaves out the lines of %1 h, when the sun also lights %2</source>
        <translation>La plaque omet les lignes de %1 h, où le Soleil éclaire aussi %2</translation>
    </message>
    <message>
        <source>No hour line falls on %1&apos;s plate: the sun lights it only at %2 h, whose lines fall off it</source>
        <translation>Aucune ligne horaire ne tombe sur la plaque (%1) : le Soleil ne l&apos;éclaire qu&apos;à %2 h, dont les lignes tombent hors de la plaque</translation>
    </message>
    <message>
        <source>the upper face</source>
        <translation>la face supérieure</translation>
    </message>
    <message>
        <source>the lower face</source>
        <translation>la face inférieure</translation>
    </message>
    <message>
        <source>the face</source>
        <translation>le cadran</translation>
    </message>
    <message>
        <source>The dates: along the meridian line from beside F (+ %1), across it (+ %2), and the spot&apos;s length x width</source>
        <translation>Les dates : le long de la méridienne depuis F (+ %1), en travers (+ %2), et longueur x largeur de la tache</translation>
    </message>
    <message>
        <source>Marked days (metres; along the line + %1, across + %2; x east, y north of F)</source>
        <translation>Jours marqués (mètres ; le long de la ligne + %1, en travers + %2 ; x est, y nord de F)</translation>
    </message>
    <message>
        <source>Marked days (metres; along the line + %1, across + %2; x right, y up of F)</source>
        <translation>Jours marqués (mètres ; le long de la ligne + %1, en travers + %2 ; x à droite, y en haut de F)</translation>
    </message>
    <message>
        <source>Hour lines to the standard clock: the shadow&apos;s point on the equinoxes and the solstices (%1, %2, %3, %4; - off the plate or unlit)</source>
        <translation>Lignes horaires de l&apos;heure normale : le point d&apos;ombre aux équinoxes et aux solstices (%1, %2, %3, %4 ; - hors de la plaque ou non éclairé)</translation>
    </message>
    <message>
        <source>true noon on %1</source>
        <translation>midi vrai le %1</translation>
    </message>
    <message>
        <source>UTC standard time</source>
        <translation>heure normale UTC</translation>
    </message>
    <message>
        <source>UTC+%1 standard time</source>
        <translation>heure normale UTC+%1</translation>
    </message>
    <message>
        <source>UTC-%1 standard time</source>
        <translation>heure normale UTC-%1</translation>
    </message>
    <message>
        <source>UTC+%1:%2 standard time</source>
        <translation>heure normale UTC+%1:%2</translation>
    </message>
    <message>
        <source>UTC-%1:%2 standard time</source>
        <translation>heure normale UTC-%1:%2</translation>
    </message>
</context>
</TS>
