<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>sheet</name>
    <message>
        <source>At %1:</source>
        <translation>À %1&#xa0;:</translation>
    </message>
    <message>
        <source>never seen</source>
        <translation>jamais visible</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>field sheet</source>
        <translation>fiche de terrain</translation>
    </message>
    <message>
        <source>Computer&apos;s clock: %1</source>
        <translation>Horloge de l&apos;ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>No more events today</source>
        <translation>Plus d&apos;événement aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Next: %1 at %2, in %3</source>
        <translation>Prochain&#xa0;: %1 à %2, dans %3</translation>
    </message>
    <message>
        <source>Next: %1 at %2, now</source>
        <translation>Prochain&#xa0;: %1 à %2, maintenant</translation>
    </message>
    <message>
        <source>Save Field Sheet as PDF</source>
        <translation>Enregistrer la fiche de terrain en PDF</translation>
    </message>
    <message>
        <source>Field Sheet</source>
        <translation>Fiche de terrain</translation>
    </message>
    <message>
        <source>Plumb line &amp;height (m):</source>
        <translation>&amp;Hauteur du fil à plomb (m)&#xa0;:</translation>
    </message>
    <message>
        <source>Degrees from north through east; empty for no fourth event</source>
        <translation>Degrés du nord par l&apos;est&#xa0;; vide pour aucun quatrième événement</translation>
    </message>
    <message>
        <source>Sun at &amp;bearing (°):</source>
        <translation>Soleil à l&apos;a&amp;zimut (°)&#xa0;:</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>&amp;Tick in the last five seconds</source>
        <translation>&amp;Bip pendant les cinq dernières secondes</translation>
    </message>
    <message>
        <source>The times are only as good as the clock you read: set your watch and this computer&apos;s clock exactly.</source>
        <translation>Les heures ne valent que l&apos;horloge que vous lisez&#xa0;: réglez exactement votre montre et l&apos;horloge de cet ordinateur.</translation>
    </message>
    <message>
        <source>Click here to set your watch to atomic standard via internet</source>
        <translation>Cliquez ici pour régler votre montre sur l&apos;heure atomique par Internet</translation>
    </message>
    <message>
        <source>Set your watch to atomic standard via internet</source>
        <translation>Régler votre montre sur l&apos;heure atomique par Internet</translation>
    </message>
    <message>
        <source>&amp;Every 30 seconds around:</source>
        <translation>&amp;Toutes les 30 secondes autour de&#xa0;:</translation>
    </message>
    <message>
        <source>Every 30 seconds around the chosen event</source>
        <translation>Toutes les 30 secondes autour de l&apos;événement choisi</translation>
    </message>
    <message>
        <source>I &amp;marked the shadow at:</source>
        <translation>J&apos;ai &amp;marqué l&apos;ombre à&#xa0;:</translation>
    </message>
    <message>
        <source>The &amp;next 14 days:</source>
        <translation>Les 14 &amp;prochains jours&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Save as PDF</source>
        <translation>&amp;Enregistrer en PDF</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Plan of the site</source>
        <translation>Plan du site</translation>
    </message>
    <message>
        <source>N</source>
        <comment>compass</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>true east-west</source>
        <translation>est-ouest vrai</translation>
    </message>
    <message>
        <source>true north-south</source>
        <translation>nord-sud vrai</translation>
    </message>
    <message>
        <source>plumb line %1</source>
        <translation>fil à plomb %1</translation>
    </message>
    <message>
        <source>%1 (%2), every 30 seconds</source>
        <translation>%1 (%2), toutes les 30 secondes</translation>
    </message>
    <message>
        <source>%1, every 30 s</source>
        <translation>%1, toutes les 30 s</translation>
    </message>
    <message>
        <source>%1 at %2, every 30 s</source>
        <translation>%1 à %2, toutes les 30 s</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Which way the wall faces</source>
        <translation>Orientation du mur</translation>
    </message>
    <message numerus="yes">
        <source>The next %n days</source>
        <translation>
            <numerusform>Le jour suivant</numerusform>
            <numerusform>Les %n prochains jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Orvane Field Sheet</source>
        <translation>Fiche de terrain Orvane</translation>
    </message>
    <message>
        <source>On the ground</source>
        <translation>Sur le terrain</translation>
    </message>
    <message>
        <source>Shadows drawn for a plumb line %1 high.
Mark the shadow at the large time; bold rows are that moment.
Marked at another time? Turn the mark back by its row&apos;s shadow bearing
less the true line&apos;s (0, 90, 180 or 270 degrees).</source>
        <translation>Ombres tracées pour un fil à plomb de %1 de haut.
Marquez l&apos;ombre à l&apos;heure en gros chiffres&#xa0;; les lignes
en gras donnent cet instant.
Marquée à une autre heure&#xa0;? Ramenez la marque de l&apos;azimut de l&apos;ombre
de sa ligne, moins celui de la ligne vraie (0, 90, 180 ou 270 degrés).</translation>
    </message>
    <message>
        <source>due north</source>
        <translation>plein nord</translation>
    </message>
    <message>
        <source>due east</source>
        <translation>plein est</translation>
    </message>
    <message>
        <source>due south</source>
        <translation>plein sud</translation>
    </message>
    <message>
        <source>due west</source>
        <translation>plein ouest</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
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
        <source>Meridian</source>
        <translation>Méridien</translation>
    </message>
    <message>
        <source>east</source>
        <comment>event</comment>
        <translation>est</translation>
    </message>
    <message>
        <source>meridian</source>
        <comment>event</comment>
        <translation>méridien</translation>
    </message>
    <message>
        <source>west</source>
        <comment>event</comment>
        <translation>ouest</translation>
    </message>
    <message>
        <source>sun due north</source>
        <translation>soleil plein nord</translation>
    </message>
    <message>
        <source>sun due east</source>
        <translation>soleil plein est</translation>
    </message>
    <message>
        <source>sun due south</source>
        <translation>soleil plein sud</translation>
    </message>
    <message>
        <source>sun due west</source>
        <translation>soleil plein ouest</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Remarque&#xa0;: %1</translation>
    </message>
    <message>
        <source>Shadow %1, none</source>
        <translation>Ombre %1, aucune</translation>
    </message>
    <message>
        <source>Shadow %1, %2 long</source>
        <translation>Ombre %1, longue de %2</translation>
    </message>
    <message>
        <source>Turns %1 a minute, clockwise</source>
        <translation>Tourne de %1 par minute, sens horaire</translation>
    </message>
    <message>
        <source>Turns %1 a minute, anticlockwise</source>
        <translation>Tourne de %1 par minute, sens antihoraire</translation>
    </message>
    <message>
        <source>The sun never stands %1 above the horizon on this date.</source>
        <translation>Le soleil n&apos;est jamais %1 au-dessus de l&apos;horizon à cette date.</translation>
    </message>
    <message>
        <source>Precise %1 (%2 s)</source>
        <translation>Exact %1 (%2 s)</translation>
    </message>
    <message>
        <source>Precise: the true sun does not reach this bearing above the horizon</source>
        <translation>Exact&#xa0;: le soleil vrai n&apos;atteint pas cet azimut au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>Sun&apos;s altitude %1</source>
        <translation>Hauteur du soleil %1</translation>
    </message>
    <message>
        <source>Off the true line %1 (%2 mm/m)</source>
        <translation>Écart à la ligne vraie %1 (%2 mm/m)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Shadow bearing</source>
        <translation>Azimut de l&apos;ombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Latitude %1 %2, Longitude %3 %4</source>
        <translation>Latitude %1 %2, longitude %3 %4</translation>
    </message>
    <message>
        <source>Clock: %1, daylight saving time (%2)</source>
        <translation>Horloge&#xa0;: %1, heure d&apos;été (%2)</translation>
    </message>
    <message>
        <source>Clock: %1, standard time (%2)</source>
        <translation>Horloge&#xa0;: %1, heure normale (%2)</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark lies on the east-west line.</source>
        <translation>L&apos;ombre pointait alors vers %1&#xa0;: la marque est sur la ligne est-ouest.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark lies on the north-south line.</source>
        <translation>L&apos;ombre pointait alors vers %1&#xa0;: la marque est sur la ligne nord-sud.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the east-west line. Turn it %2 clockwise (seen from above) about the foot of the plumb line.</source>
        <translation>L&apos;ombre pointait alors vers %%1&#xa0;: la marque appartient à la ligne est-ouest. Tournez-la de %2 dans le sens horaire (vu d&apos;en haut) autour du pied du fil à plomb.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the east-west line. Turn it %2 anticlockwise (seen from above) about the foot of the plumb line.</source>
        <translation>L&apos;ombre pointait alors vers %%1&#xa0;: la marque appartient à la ligne est-ouest. Tournez-la de %2 dans le sens antihoraire (vu d&apos;en haut) autour du pied du fil à plomb.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the north-south line. Turn it %2 clockwise (seen from above) about the foot of the plumb line.</source>
        <translation>L&apos;ombre pointait alors vers %%1&#xa0;: la marque appartient à la ligne nord-sud. Tournez-la de %2 dans le sens horaire (vu d&apos;en haut) autour du pied du fil à plomb.</translation>
    </message>
    <message>
        <source>The shadow then pointed to %1: the mark belongs to the north-south line. Turn it %2 anticlockwise (seen from above) about the foot of the plumb line.</source>
        <translation>L&apos;ombre pointait alors vers %%1&#xa0;: la marque appartient à la ligne nord-sud. Tournez-la de %2 dans le sens antihoraire (vu d&apos;en haut) autour du pied du fil à plomb.</translation>
    </message>
    <message>
        <source>North up, the plumb line&apos;s foot in the middle, the dotted circle %1 m from it.</source>
        <translation>Nord en haut, le pied du fil à plomb au centre, le cercle pointillé à %1 m de celui-ci.</translation>
    </message>
    <message>
        <source>%1: at %2 the shadow points to %3 and is %4 long.</source>
        <translation>%1&#xa0;: à %2, l&apos;ombre pointe vers %3 et mesure %4.</translation>
    </message>
    <message>
        <source>%1: no shadow, the sun is below the horizon.</source>
        <translation>%1&#xa0;: pas d&apos;ombre, le soleil est sous l&apos;horizon.</translation>
    </message>
    <message>
        <source>%1: never seen on this date.</source>
        <translation>%1&#xa0;: jamais visible à cette date.</translation>
    </message>
    <message>
        <source>%1: never seen on this date</source>
        <translation>%1&#xa0;: jamais visible à cette date</translation>
    </message>
    <message>
        <source>%1: sun below the horizon, no shadow</source>
        <translation>%1&#xa0;: soleil sous l&apos;horizon, pas d&apos;ombre</translation>
    </message>
    <message>
        <source>%1: not reached above the horizon on this date</source>
        <translation>%1&#xa0;: non atteint au-dessus de l&apos;horizon à cette date</translation>
    </message>
    <message>
        <source>Bearing %1</source>
        <translation>Azimut %1</translation>
    </message>
    <message>
        <source>sun at %1</source>
        <translation>soleil à %1</translation>
    </message>
    <message>
        <source>The sun does not stand at %1 above the horizon on this date</source>
        <translation>Le soleil n&apos;est pas à %1 au-dessus de l&apos;horizon à cette date</translation>
    </message>
    <message>
        <source>Precise %1</source>
        <translation>Exact %1</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth</source>
        <translation>Azimut du soleil</translation>
    </message>
    <message>
        <source>Facing</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Off the mean</source>
        <translation>Écart à la moyenne</translation>
    </message>
    <message>
        <source>The wall faces %1: it faces due north.</source>
        <translation>Le mur est orienté à %1&#xa0;: il fait face plein nord.</translation>
    </message>
    <message>
        <source>The wall faces %1: it faces due south.</source>
        <translation>Le mur est orienté à %1&#xa0;: il fait face plein sud.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 east of north.</source>
        <translation>Le mur est orienté à %%1&#xa0;: déclinaison %2 à l&apos;est du nord.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 west of north.</source>
        <translation>Le mur est orienté à %%1&#xa0;: déclinaison %2 à l&apos;ouest du nord.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 east of south.</source>
        <translation>Le mur est orienté à %%1&#xa0;: déclinaison %2 à l&apos;est du sud.</translation>
    </message>
    <message>
        <source>The wall faces %1: declination %2 west of south.</source>
        <translation>Le mur est orienté à %%1&#xa0;: déclinaison %2 à l&apos;ouest du sud.</translation>
    </message>
    <message>
        <source> Spread %1.</source>
        <translation> Dispersion %1.</translation>
    </message>
    <message>
        <source>Reading %1 (%2, %3) refused: the sun is below the horizon then.</source>
        <translation>Relevé %1 (%2, %3) refusé&#xa0;: le soleil est alors sous l&apos;horizon.</translation>
    </message>
    <message>
        <source>Reading %1 (%2, %3) refused: the angle must lie between -90° and +90°.</source>
        <translation>Relevé %1 (%2, %3) refusé&#xa0;: l&apos;angle doit être compris entre -90° et +90°.</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>mur</translation>
    </message>
    <message>
        <source>board</source>
        <translation>planche</translation>
    </message>
    <message>
        <source>square line</source>
        <translation>ligne d&apos;équerre</translation>
    </message>
    <message>
        <source>plumb line</source>
        <translation>fil à plomb</translation>
    </message>
    <message>
        <source>+A: clockwise from above</source>
        <translation>+A&#xa0;: sens horaire vu d&apos;en haut</translation>
    </message>
    <message>
        <source>Seen from above: a level board held against the wall, a line drawn on it square to the wall, a plumb line hanging over that line. A reading is the clock time and the angle A from the square line, taken towards the wall, to the plumb line&apos;s shadow, positive clockwise. The wall then faces the sun&apos;s azimuth minus A.</source>
        <translation>Vu d&apos;en haut&#xa0;: une planche de niveau tenue contre le mur, une ligne tracée dessus d&apos;équerre au mur, un fil à plomb suspendu au-dessus de cette ligne. Un relevé est l&apos;heure et l&apos;angle A entre la ligne d&apos;équerre, prise vers le mur, et l&apos;ombre du fil à plomb, positif dans le sens horaire. Le mur est alors orienté vers l&apos;azimut du soleil moins A.</translation>
    </message>
    <message>
        <source>How to take a reading</source>
        <translation>Comment faire un relevé</translation>
    </message>
    <message>
        <source>Which way does my w&amp;all face?</source>
        <translation>Quelle orientation a mon m&amp;ur&#xa0;?</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>A (°)</source>
        <translation>A (°)</translation>
    </message>
    <message>
        <source>Wall readings</source>
        <translation>Relevés du mur</translation>
    </message>
    <message>
        <source>One reading a row: the clock time and the angle A; Enter keeps a cell. Clear a row to drop it.</source>
        <translation>Un relevé par ligne&#xa0;: l&apos;heure et l&apos;angle A&#xa0;; Entrée valide une cellule. Videz une ligne pour la supprimer.</translation>
    </message>
    <message>
        <source>Type a clock time and the angle A in each row.</source>
        <translation>Saisissez une heure et l&apos;angle A dans chaque ligne.</translation>
    </message>
    <message>
        <source>Reading %1: the clock time &quot;%2&quot; cannot be read.</source>
        <translation>Relevé %1&#xa0;: l&apos;heure «&#xa0;%2&#xa0;» est illisible.</translation>
    </message>
    <message>
        <source>Reading %1: the angle &quot;%2&quot; cannot be read.</source>
        <translation>Relevé %1&#xa0;: l&apos;angle «&#xa0;%2&#xa0;» est illisible.</translation>
    </message>
</context>
</TS>
