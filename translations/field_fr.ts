<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>field</name>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Compass: not given for this date; the World Magnetic Model %1 covers %2. The sun&apos;s meridian passage gives the north-south line.</source>
        <translation>Boussole : non indiquée pour cette date ; le World Magnetic Model %1 couvre %2. Le passage du soleil au méridien donne la ligne nord-sud.</translation>
    </message>
    <message>
        <source>its needle points to true north here, within %1</source>
        <translation>son aiguille indique ici le nord vrai, à %1 près</translation>
    </message>
    <message>
        <source>its needle points %1 east of true north here</source>
        <translation>son aiguille pointe ici %1 à l&apos;est du nord vrai</translation>
    </message>
    <message>
        <source>its needle points %1 west of true north here</source>
        <translation>son aiguille pointe ici %1 à l&apos;ouest du nord vrai</translation>
    </message>
    <message>
        <source>hardly moving from year to year</source>
        <translation>presque immobile d&apos;une année à l&apos;autre</translation>
    </message>
    <message>
        <source>moving %1 a year eastward</source>
        <translation>se déplaçant de %1 par an vers l&apos;est</translation>
    </message>
    <message>
        <source>moving %1 a year westward</source>
        <translation>se déplaçant de %1 par an vers l&apos;ouest</translation>
    </message>
    <message>
        <source>Compass: %1 (%2 for this date, %3); iron and steel nearby turn it further. The sun&apos;s meridian passage gives the truer north-south line.</source>
        <translation>Boussole : %1 (%2 pour cette date, %3) ; le fer et l&apos;acier proches la dévient davantage. Le passage du soleil au méridien donne une ligne nord-sud plus juste.</translation>
    </message>
    <message>
        <source>readings on other days, a month or more apart</source>
        <translation>des lectures à d&apos;autres jours, espacées d&apos;un mois ou plus</translation>
    </message>
    <message>
        <source>readings in the morning and the afternoon, two hours or more from noon</source>
        <translation>des lectures le matin et l&apos;après-midi, à deux heures ou plus de midi</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, et %2</translation>
    </message>
    <message>
        <source>readings on other days and at other hours</source>
        <translation>des lectures à d&apos;autres jours et à d&apos;autres heures</translation>
    </message>
    <message>
        <source>Four readings at least are needed to find the turn, the lean and the clock&apos;s offset: add %1.</source>
        <translation>Il faut au moins quatre lectures pour trouver la rotation, l&apos;inclinaison et le décalage de l&apos;horloge : ajoutez %1.</translation>
    </message>
    <message>
        <source>These readings cannot tell the turn from the lean: add %1.</source>
        <translation>Ces lectures ne distinguent pas la rotation de l&apos;inclinaison : ajoutez %1.</translation>
    </message>
    <message>
        <source>These readings cannot tell the turn from the clock&apos;s offset: add %1.</source>
        <translation>Ces lectures ne distinguent pas la rotation du décalage de l&apos;horloge : ajoutez %1.</translation>
    </message>
    <message>
        <source>These readings cannot tell the lean from the clock&apos;s offset: add %1.</source>
        <translation>Ces lectures ne distinguent pas l&apos;inclinaison du décalage de l&apos;horloge : ajoutez %1.</translation>
    </message>
    <message>
        <source>the noon line&apos;s north end %1 mm to the west on this %2 mm plate</source>
        <translation>l&apos;extrémité nord de la ligne de midi de %1 mm vers l&apos;ouest sur cette plaque de %2 mm</translation>
    </message>
    <message>
        <source>the noon line&apos;s north end %1 mm to the east on this %2 mm plate</source>
        <translation>l&apos;extrémité nord de la ligne de midi de %1 mm vers l&apos;est sur cette plaque de %2 mm</translation>
    </message>
    <message>
        <source>its right edge %1 mm back on this %2 mm wide plate</source>
        <translation>son bord droit de %1 mm vers l&apos;arrière sur cette plaque de %2 mm de large</translation>
    </message>
    <message>
        <source>its right edge %1 mm forward on this %2 mm wide plate</source>
        <translation>son bord droit de %1 mm vers l&apos;avant sur cette plaque de %2 mm de large</translation>
    </message>
    <message>
        <source>Turn the dial %1 anticlockwise seen from above: %2.</source>
        <translation>Tournez le cadran de %1 dans le sens antihoraire vu d&apos;en haut : %2.</translation>
    </message>
    <message>
        <source>Turn the dial %1 clockwise seen from above: %2.</source>
        <translation>Tournez le cadran de %1 dans le sens horaire vu d&apos;en haut : %2.</translation>
    </message>
    <message>
        <source>The face leans %1 down towards the south: raise its south edge %2 mm over the plate&apos;s %3 mm.</source>
        <translation>La table penche de %1 vers le sud : relevez son bord sud de %2 mm sur les %3 mm de la plaque.</translation>
    </message>
    <message>
        <source>The face leans %1 down towards the north: raise its north edge %2 mm over the plate&apos;s %3 mm.</source>
        <translation>La table penche de %1 vers le nord : relevez son bord nord de %2 mm sur les %3 mm de la plaque.</translation>
    </message>
    <message>
        <source>The face leans %1 forward: tip its top edge %2 mm back over the plate&apos;s %3 mm.</source>
        <translation>La table penche de %1 vers l&apos;avant : basculez son bord supérieur de %2 mm vers l&apos;arrière sur les %3 mm de la plaque.</translation>
    </message>
    <message>
        <source>The face leans %1 back: tip its top edge %2 mm forward over the plate&apos;s %3 mm.</source>
        <translation>La table penche de %1 vers l&apos;arrière : basculez son bord supérieur de %2 mm vers l&apos;avant sur les %3 mm de la plaque.</translation>
    </message>
    <message>
        <source>The rest is %1 minutes, the dial ahead of the clock: check the clock, and that the readings were taken in the dial&apos;s own time.</source>
        <translation>Il reste %1 minutes, le cadran en avance sur l&apos;horloge : vérifiez l&apos;horloge, et que les lectures ont été faites dans le temps propre du cadran.</translation>
    </message>
    <message>
        <source>The rest is %1 minutes, the dial behind the clock: check the clock, and that the readings were taken in the dial&apos;s own time.</source>
        <translation>Il reste %1 minutes, le cadran en retard sur l&apos;horloge : vérifiez l&apos;horloge, et que les lectures ont été faites dans le temps propre du cadran.</translation>
    </message>
    <message>
        <source>The dial stands true: within %1 of turn and lean and a minute of time.</source>
        <translation>Le cadran est juste : à %1 près en rotation et en inclinaison, et à une minute près en temps.</translation>
    </message>
    <message>
        <source>forward</source>
        <comment>leaning</comment>
        <translation>vers l&apos;avant</translation>
    </message>
    <message>
        <source>back</source>
        <comment>leaning</comment>
        <translation>vers l&apos;arrière</translation>
    </message>
    <message>
        <source>down towards the south</source>
        <translation>vers le bas au sud</translation>
    </message>
    <message>
        <source>down towards the north</source>
        <translation>vers le bas au nord</translation>
    </message>
    <message>
        <source>a dial drawn to the clock has figure-8s, not hour lines that turn with its style: check it against the clock by eye, or design it to zone time to check readings</source>
        <translation>un cadran tracé pour l&apos;heure légale a des courbes en 8, pas des lignes horaires qui tournent avec son style : comparez-le à l&apos;œil avec l&apos;horloge, ou concevez-le au temps du fuseau pour vérifier des lectures</translation>
    </message>
    <message>
        <source>the clock skips that time on that day</source>
        <translation>l&apos;horloge saute cette heure ce jour-là</translation>
    </message>
    <message>
        <source>the dial&apos;s reading is more than %1 hours from the clock&apos;s</source>
        <translation>la lecture du cadran s&apos;écarte de plus de %1 heures de celle de l&apos;horloge</translation>
    </message>
    <message>
        <source>the sun is below the horizon then</source>
        <translation>le soleil est alors sous l&apos;horizon</translation>
    </message>
    <message>
        <source>Sun time</source>
        <translation>Temps solaire vrai</translation>
    </message>
    <message>
        <source>Zone time</source>
        <translation>Temps du fuseau</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Heure légale</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Solstices and equinoxes</source>
        <translation>Solstices et équinoxes</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>60 minutes</source>
        <translation>60 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutes</translation>
    </message>
    <message>
        <source>Equinox</source>
        <translation>Équinoxe</translation>
    </message>
    <message>
        <source>a label of at most %1 characters</source>
        <translation>une étiquette de %1 caractères au plus</translation>
    </message>
    <message>
        <source>a label without control characters</source>
        <translation>une étiquette sans caractères de contrôle</translation>
    </message>
    <message>
        <source>Add to the dial&apos;s reading for the clock, %1</source>
        <translation>À ajouter à la lecture du cadran pour l&apos;heure de l&apos;horloge, %1</translation>
    </message>
    <message>
        <source>Clock: %1</source>
        <translation>Horloge : %1</translation>
    </message>
    <message>
        <source>sun time</source>
        <translation>temps solaire vrai</translation>
    </message>
    <message>
        <source>the zone&apos;s standard clock (%1), add an hour in summer time</source>
        <translation>heure normale du fuseau (%1), ajoutez une heure en heure d&apos;été</translation>
    </message>
    <message>
        <source>the zone&apos;s standard clock (%1)</source>
        <translation>heure normale du fuseau (%1)</translation>
    </message>
    <message>
        <source>zone time, meridian %1° %2, add an hour in daylight saving time</source>
        <translation>temps du fuseau, méridien %1° %2, ajoutez une heure en heure d&apos;été</translation>
    </message>
    <message>
        <source>zone time, meridian %1° %2</source>
        <translation>temps du fuseau, méridien %1° %2</translation>
    </message>
    <message>
        <source>%1 on a level floor</source>
        <translation>%1 sur un sol horizontal</translation>
    </message>
    <message>
        <source>%1, facing %2°, tilt %3°</source>
        <translation>%1, orientation %2°, inclinaison %3°</translation>
    </message>
    <message>
        <source>%1 facing %2°, tilt %3°</source>
        <translation>%1, orientation %2°, inclinaison %3°</translation>
    </message>
    <message>
        <source>%1, facing %2°</source>
        <translation>%1, orientation %2°</translation>
    </message>
    <message>
        <source>%1 facing %2°</source>
        <translation>%1, orientation %2°</translation>
    </message>
    <message>
        <source>%1, tilt %2°</source>
        <translation>%1, inclinaison %2°</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>plane</source>
        <translation>plan</translation>
    </message>
    <message>
        <source>polar</source>
        <translation>polaire</translation>
    </message>
    <message>
        <source>equatorial</source>
        <translation>équatorial</translation>
    </message>
    <message>
        <source>analemmatic</source>
        <translation>analemmatique</translation>
    </message>
    <message>
        <source>noon mark</source>
        <translation>méridienne</translation>
    </message>
    <message>
        <source>bifilar</source>
        <translation>bifilaire</translation>
    </message>
    <message>
        <source>This dial reads the clock: no correction card is needed.</source>
        <translation>Ce cadran indique l&apos;heure légale : aucune table de correction n&apos;est nécessaire.</translation>
    </message>
    <message>
        <source>Site: %1, %2</source>
        <translation>Lieu : %1, %2</translation>
    </message>
    <message>
        <source>Dial: %1, %2, %3</source>
        <translation>Cadran : %1, %2, %3</translation>
    </message>
    <message>
        <source> (no region&apos;s summer-time rules for this time zone entry)</source>
        <translation> (aucune règle régionale d&apos;heure d&apos;été pour cette entrée de fuseau horaire)</translation>
    </message>
    <message>
        <source>give degrees from %1 to %2, from north through east</source>
        <translation>donnez des degrés de %1 à %2, du nord par l&apos;est</translation>
    </message>
    <message>
        <source>--dial %1 needs --facing DEG, the direction the plane faces from north through east (180 = south)</source>
        <translation>--dial %1 demande --facing DEG, la direction vers laquelle regarde le plan, du nord par l&apos;est (180 = sud)</translation>
    </message>
    <message>
        <source>--dial %1 needs --facing DEG, the direction the wall faces from north through east (180 = south)</source>
        <translation>--dial %1 demande --facing DEG, la direction vers laquelle regarde le mur, du nord par l&apos;est (180 = sud)</translation>
    </message>
    <message>
        <source>&amp;Facing (degrees):</source>
        <translation>&amp;Orientation (degrés) :</translation>
    </message>
    <message>
        <source>The direction the face looks out to (a wall&apos;s outward direction), degrees from north through east</source>
        <translation>La direction vers laquelle regarde la table (pour un mur, vers l&apos;extérieur), en degrés du nord par l&apos;est</translation>
    </message>
    <message>
        <source>a facing</source>
        <translation>une orientation</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>give degrees from %1 (level) to %2 (looking down)</source>
        <translation>donnez des degrés de %1 (horizontal) à %2 (tourné vers le bas)</translation>
    </message>
    <message>
        <source>--dial %1 needs --tilt DEG, the angle from the zenith to the face&apos;s outward normal (0 level, 90 upright, 180 looking down)</source>
        <translation>--dial %1 demande --tilt DEG, l&apos;angle du zénith à la normale extérieure de la table (0 horizontal, 90 vertical, 180 tourné vers le bas)</translation>
    </message>
    <message>
        <source>Tilt from the &amp;zenith (degrees):</source>
        <translation>Inclinaison depuis le &amp;zénith (degrés) :</translation>
    </message>
    <message>
        <source>The angle from the zenith to the face&apos;s outward normal: 0 level, 90 upright, over 90 leaning over</source>
        <translation>L&apos;angle du zénith à la normale extérieure de la table : 0 horizontal, 90 vertical, au-delà de 90 en surplomb</translation>
    </message>
    <message>
        <source>a tilt</source>
        <translation>une inclinaison</translation>
    </message>
    <message>
        <source>each side must lie between %1 and %2 mm</source>
        <translation>chaque côté doit mesurer entre %1 et %2 mm</translation>
    </message>
    <message>
        <source>Plate &amp;width (mm):</source>
        <translation>&amp;Largeur de la plaque (mm) :</translation>
    </message>
    <message>
        <source>a width</source>
        <translation>une largeur</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Plate h&amp;eight (mm):</source>
        <translation>&amp;Hauteur de la plaque (mm) :</translation>
    </message>
    <message>
        <source>a height</source>
        <translation>une hauteur</translation>
    </message>
    <message>
        <source>give mm from %1 to the plate&apos;s smaller side (%2)</source>
        <translation>donnez des mm de %1 au plus petit côté de la plaque (%2)</translation>
    </message>
    <message>
        <source>&amp;Nodus height (mm):</source>
        <translation>Hauteur de l&apos;œille&amp;ton (mm) :</translation>
    </message>
    <message>
        <source>mm (the plate&apos;s smaller side)</source>
        <translation>mm (le plus petit côté de la plaque)</translation>
    </message>
    <message>
        <source>give metres from %1 to %2</source>
        <translation>donnez des mètres de %1 à %2</translation>
    </message>
    <message>
        <source>Half-width on the gro&amp;und (m):</source>
        <translation>Demi-largeur a&amp;u sol (m) :</translation>
    </message>
    <message>
        <source>For a dial on the ground: half its width east to west, from the centre to the 6 o&apos;clock mark</source>
        <translation>Pour un cadran au sol : la moitié de sa largeur d&apos;est en ouest, du centre à la marque de 6 heures</translation>
    </message>
    <message>
        <source>a half-width</source>
        <translation>une demi-largeur</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>--dial %1 needs --aperture-height M, the hole&apos;s height above the floor or out from the wall</source>
        <translation>--dial %1 demande --aperture-height M, la hauteur du trou au-dessus du sol ou sa distance au mur</translation>
    </message>
    <message>
        <source>&amp;Aperture height (m):</source>
        <translation>H&amp;auteur de l&apos;ouverture (m) :</translation>
    </message>
    <message>
        <source>How far the hole stands above the floor, or out from the wall, in metres</source>
        <translation>À quelle hauteur le trou se trouve au-dessus du sol, ou à quelle distance du mur, en mètres</translation>
    </message>
    <message>
        <source>give mm from %1 to %2</source>
        <translation>donnez des mm de %1 à %2</translation>
    </message>
    <message>
        <source>Aperture &amp;diameter (mm):</source>
        <translation>&amp;Diamètre de l&apos;ouverture (mm) :</translation>
    </message>
    <message>
        <source>The round hole&apos;s width across, in millimetres</source>
        <translation>Le diamètre du trou rond, en millimètres</translation>
    </message>
    <message>
        <source>a diameter</source>
        <translation>un diamètre</translation>
    </message>
    <message>
        <source>give a time HH:MM of the zone&apos;s standard clock, from %1:00 to before %2:00, such as 12:00</source>
        <translation>donnez une heure HH:MM de l&apos;heure normale du fuseau, de %1:00 à avant %2:00, par exemple 12:00</translation>
    </message>
    <message>
        <source>&amp;Mark time (HH:MM):</source>
        <translation>&amp;Heure de la marque (HH:MM) :</translation>
    </message>
    <message>
        <source>The time of the zone&apos;s standard clock whose figure-8 is marked: 12:00, or 13:00 for summer time</source>
        <translation>L&apos;heure normale du fuseau dont la courbe en 8 est tracée : 12:00, ou 13:00 pour l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>a time</source>
        <translation>une heure</translation>
    </message>
    <message>
        <source>(HH:MM, the standard clock)</source>
        <translation>(HH:MM, heure normale)</translation>
    </message>
    <message>
        <source>Wire alo&amp;ng x, height (mm):</source>
        <translation>Fil le lo&amp;ng de x, hauteur (mm) :</translation>
    </message>
    <message>
        <source>The height above the face of the wire along the plate&apos;s x axis; empty: the height that spaces the hours evenly where one does</source>
        <translation>La hauteur au-dessus de la table du fil le long de l&apos;axe x de la plaque ; vide : la hauteur qui espace les heures régulièrement, là où il y en a une</translation>
    </message>
    <message>
        <source>Wire along y, height (&amp;mm):</source>
        <translation>Fil le long de y, hauteur (&amp;mm) :</translation>
    </message>
    <message>
        <source>The height above the face of the wire along the plate&apos;s y axis</source>
        <translation>La hauteur au-dessus de la table du fil le long de l&apos;axe y de la plaque</translation>
    </message>
    <message>
        <source>a horizontal dial</source>
        <translation>un cadran horizontal</translation>
    </message>
    <message>
        <source>a vertical dial</source>
        <translation>un cadran vertical</translation>
    </message>
    <message>
        <source>a plane dial</source>
        <translation>un cadran plan</translation>
    </message>
    <message>
        <source>a polar dial</source>
        <translation>un cadran polaire</translation>
    </message>
    <message>
        <source>an equatorial dial</source>
        <translation>un cadran équatorial</translation>
    </message>
    <message>
        <source>an analemmatic dial</source>
        <translation>un cadran analemmatique</translation>
    </message>
    <message>
        <source>a noon mark</source>
        <translation>une méridienne</translation>
    </message>
    <message>
        <source>a bifilar dial</source>
        <translation>un cadran bifilaire</translation>
    </message>
    <message>
        <source>%1 needs a latitude from %2° to %3°, north or south: %4</source>
        <translation>%1 demande une latitude de %2° à %3°, nord ou sud : %4</translation>
    </message>
    <message>
        <source>sun below the horizon: no shadow at this time</source>
        <translation>soleil sous l&apos;horizon : pas d&apos;ombre à cette heure</translation>
    </message>
    <message>
        <source>sun under 5 degrees: long, faint shadow</source>
        <translation>soleil sous 5 degrés : ombre longue et pâle</translation>
    </message>
    <message>
        <source>sun over 80 degrees: short shadow, direction hard to read</source>
        <translation>soleil au-dessus de 80 degrés : ombre courte, direction difficile à lire</translation>
    </message>
    <message>
        <source>the longitude is more than 15 degrees from the time zone&apos;s meridian</source>
        <translation>la longitude s&apos;écarte de plus de 15 degrés du méridien du fuseau horaire</translation>
    </message>
    <message>
        <source>the wall readings disagree by more than 1 degree: check the board, the square line and the clock times</source>
        <translation>les lectures au mur diffèrent de plus de 1 degré : vérifiez la planchette, la ligne d&apos;équerre et les heures</translation>
    </message>
    <message>
        <source>this computer&apos;s time zone uses the other clock (standard or daylight saving) on this date</source>
        <translation>le fuseau horaire de cet ordinateur utilise à cette date l&apos;autre heure (normale ou d&apos;été)</translation>
    </message>
    <message>
        <source>east-west</source>
        <translation>est-ouest</translation>
    </message>
    <message>
        <source>north-south</source>
        <translation>nord-sud</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no magnetic declination</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>standard time (%1)</source>
        <translation>heure normale (%1)</translation>
    </message>
    <message>
        <source>summer time (%1; the zone&apos;s standard time is %2)</source>
        <translation>heure d&apos;été (%1 ; l&apos;heure normale du fuseau est %2)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 le %2</translation>
    </message>
    <message>
        <source>The clock skips %1: it jumps an hour ahead that night.</source>
        <translation>L&apos;horloge saute %1 : elle avance d&apos;une heure cette nuit-là.</translation>
    </message>
    <message>
        <source>At %1 the sun is below the horizon.</source>
        <translation>À %1, le soleil est sous l&apos;horizon.</translation>
    </message>
    <message>
        <source>At %1 the sun does not light this face.</source>
        <translation>À %1, le soleil n&apos;éclaire pas cette table.</translation>
    </message>
    <message>
        <source>At %1 the sun lights this face.</source>
        <translation>À %1, le soleil éclaire cette table.</translation>
    </message>
    <message>
        <source>zone time</source>
        <translation>temps du fuseau</translation>
    </message>
    <message>
        <source>clock time</source>
        <translation>heure légale</translation>
    </message>
    <message>
        <source>At %1 the dial reads %2 (%3); the clock says %4 in summer time.</source>
        <translation>À %1, le cadran indique %2 (%3) ; l&apos;horloge indique %4 en heure d&apos;été.</translation>
    </message>
    <message>
        <source>At %1 the dial reads %2 (%3); the clock says %4.</source>
        <translation>À %1, le cadran indique %2 (%3) ; l&apos;horloge indique %4.</translation>
    </message>
    <message>
        <source>Correction card</source>
        <translation>Table de correction</translation>
    </message>
    <message>
        <source>Add the figure to the time the dial shows to get the clock time; negative: subtract. Minutes and seconds.</source>
        <translation>Ajoutez le nombre à l&apos;heure du cadran pour obtenir l&apos;heure de l&apos;horloge ; négatif : retranchez-le. Minutes et secondes.</translation>
    </message>
    <message>
        <source>Print at actual size, not fitted to the page; check both rulers.</source>
        <translation>Imprimez en taille réelle, sans ajuster ; vérifiez les deux règles.</translation>
    </message>
    <message>
        <source>%1, whole on this page</source>
        <translation>%1, entier sur cette page</translation>
    </message>
    <message>
        <source>%1: column %2 of %3, row %4 of %5</source>
        <translation>%1 : colonne %2 sur %3, rangée %4 sur %5</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Where the pages go: the plate in %1 across x %2 down; each outline carries the number of its page.</source>
        <translation>Disposition des pages : la plaque en %1 en largeur x %2 en hauteur ; chaque contour porte le numéro de sa page.</translation>
    </message>
    <message>
        <source>Dial plate</source>
        <translation>Table du cadran</translation>
    </message>
    <message>
        <source>dial</source>
        <comment>the thing printed or saved</comment>
        <translation>cadran</translation>
    </message>
    <message>
        <source>Save Dial as PDF</source>
        <translation>Enregistrer le cadran en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saved the %1 as %2.</source>
        <translation>Enregistré : %1 sous %2.</translation>
    </message>
    <message>
        <source>The %1 could not be saved as %2.</source>
        <translation>Impossible d&apos;enregistrer %1 sous %2.</translation>
    </message>
    <message>
        <source>Sent the %1 to the printer %2.</source>
        <translation>Envoyé : %1 à l&apos;imprimante %2.</translation>
    </message>
    <message>
        <source>No printer is available. Do you want to save the %1 as a PDF file instead?</source>
        <translation>Aucune imprimante n&apos;est disponible. Voulez-vous plutôt enregistrer %1 en fichier PDF ?</translation>
    </message>
    <message>
        <source>report</source>
        <comment>the thing printed or saved</comment>
        <translation>rapport</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>%1 m.  Scale 1:%2: 1 cm on paper is %3 m on the ground.  %4</source>
        <translation>%1 m.  Échelle 1:%2 : 1 cm sur le papier vaut %3 m sur le terrain.  %4</translation>
    </message>
    <message>
        <source>Staking it out</source>
        <translation>Piquetage</translation>
    </message>
    <message>
        <source>meridian</source>
        <translation>méridien</translation>
    </message>
</context>
</TS>
