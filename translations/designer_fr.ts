<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>designer</name>
    <message>
        <source>Each reading&apos;s error in minutes against the clock time: before the fit from %1 to %2 minutes; no fit.</source>
        <translation>Écart de chaque lecture en minutes selon l&apos;heure de la montre : avant l&apos;ajustement de %1 à %2 minutes ; pas d&apos;ajustement.</translation>
    </message>
    <message>
        <source>Each reading&apos;s error in minutes against the clock time: before the fit from %1 to %2 minutes, after it within %3 minutes.</source>
        <translation>Écart de chaque lecture en minutes selon l&apos;heure de la montre : avant l&apos;ajustement de %1 à %2 minutes, après dans les %3 minutes.</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Heure de la montre</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>before the fit</source>
        <translation>avant l&apos;ajustement</translation>
    </message>
    <message>
        <source>after it</source>
        <translation>après</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Montre</translation>
    </message>
    <message>
        <source>Dial showed</source>
        <translation>Lu sur le cadran</translation>
    </message>
    <message>
        <source>Readings of the standing dial</source>
        <translation>Lectures du cadran en place</translation>
    </message>
    <message>
        <source>Each row a reading: the date, the clock&apos;s time and what the dial showed then, as HH:MM or HH:MM:SS. Type into a cell to change it.</source>
        <translation>Une lecture par ligne : la date, l&apos;heure de la montre et ce qu&apos;indiquait alors le cadran, en HH:MM ou HH:MM:SS. Tapez dans une cellule pour la modifier.</translation>
    </message>
    <message>
        <source>Add readin&amp;g</source>
        <translation>A&amp;jouter une lecture</translation>
    </message>
    <message>
        <source>Add reading</source>
        <translation>Ajouter une lecture</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Remove the chosen reading</source>
        <translation>Supprimer la lecture choisie</translation>
    </message>
    <message>
        <source>Refused reading</source>
        <translation>Lecture refusée</translation>
    </message>
    <message>
        <source>How the dial stands</source>
        <translation>Comment le cadran est posé</translation>
    </message>
    <message>
        <source>What to do</source>
        <translation>Que faire</translation>
    </message>
    <message>
        <source>Each reading&apos;s error before and after the fit</source>
        <translation>Écart de chaque lecture avant et après l&apos;ajustement</translation>
    </message>
    <message>
        <source>type the date, 2027-03-15 or in your locale&apos;s form</source>
        <translation>tapez la date, 2027-03-15 ou au format de votre région</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; cannot be read: type it as 2027-03-15 or in your locale&apos;s form</source>
        <translation>la date « %1 » est illisible : tapez-la en 2027-03-15 ou au format de votre région</translation>
    </message>
    <message>
        <source>Not checked: a reading is refused (see the message under the table).</source>
        <translation>Non vérifié : une lecture est refusée (voir le message sous le tableau).</translation>
    </message>
    <message>
        <source>type the clock&apos;s time, HH:MM or HH:MM:SS</source>
        <translation>tapez l&apos;heure de la montre, HH:MM ou HH:MM:SS</translation>
    </message>
    <message>
        <source>the clock&apos;s time &quot;%1&quot; cannot be read: type HH:MM or HH:MM:SS</source>
        <translation>l&apos;heure de la montre « %1 » est illisible : tapez HH:MM ou HH:MM:SS</translation>
    </message>
    <message>
        <source>type what the dial showed, HH:MM or HH:MM:SS</source>
        <translation>tapez ce qu&apos;indiquait le cadran, HH:MM ou HH:MM:SS</translation>
    </message>
    <message>
        <source>what the dial showed &quot;%1&quot; cannot be read: type HH:MM or HH:MM:SS</source>
        <translation>la lecture du cadran « %1 » est illisible : tapez HH:MM ou HH:MM:SS</translation>
    </message>
    <message>
        <source>Not checked while the dial is not drawn.</source>
        <translation>Non vérifié tant que le cadran n&apos;est pas dessiné.</translation>
    </message>
    <message>
        <source>Not checked: %1.</source>
        <translation>Non vérifié : %1.</translation>
    </message>
    <message>
        <source>Turn: %1 ± %2 anticlockwise, seen from above</source>
        <translation>Rotation : %1 ± %2 dans le sens antihoraire, vu d&apos;en haut</translation>
    </message>
    <message>
        <source>Turn: %1 ± %2 clockwise, seen from above</source>
        <translation>Rotation : %1 ± %2 dans le sens horaire, vu d&apos;en haut</translation>
    </message>
    <message>
        <source>Lean: %1 ± %2, the face leaning %3</source>
        <translation>Pente : %1 ± %2, la table penchant %3</translation>
    </message>
    <message>
        <source>Offset: %1 ± %2 minutes, the dial behind the clock</source>
        <translation>Décalage : %1 ± %2 minutes, le cadran en retard sur la montre</translation>
    </message>
    <message>
        <source>Offset: %1 ± %2 minutes, the dial ahead of the clock</source>
        <translation>Décalage : %1 ± %2 minutes, le cadran en avance sur la montre</translation>
    </message>
    <message>
        <source>Left after the fit: %1 minutes rms over %2 readings</source>
        <translation>Reste après l&apos;ajustement : %1 minutes (moyenne quadratique) sur %2 lectures</translation>
    </message>
    <message>
        <source>No readings yet.</source>
        <translation>Aucune lecture pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Turn, lean and offset not found from these readings.</source>
        <translation>Rotation, pente et décalage introuvables à partir de ces lectures.</translation>
    </message>
    <message>
        <source>Reading %1: %2.</source>
        <translation>Lecture %1 : %2.</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Non vérifié</translation>
    </message>
    <message>
        <source>dial designer</source>
        <translation>conception de cadran</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day of the month, then the month&apos;s name</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>add nothing</source>
        <translation>ne rien ajouter</translation>
    </message>
    <message>
        <source>add %1</source>
        <comment>a correction, as 4 minutes 32 seconds</comment>
        <translation>ajouter %1</translation>
    </message>
    <message>
        <source>take off %1</source>
        <comment>a correction, as 4 minutes 32 seconds</comment>
        <translation>retrancher %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a date, then its correction</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>No correction card for this site.</source>
        <translation>Pas de table de correction pour ce lieu.</translation>
    </message>
    <message>
        <source>Correction card for %1, what to add to the dial&apos;s reading: the most, on %2, %3; the least, on %4, %5.</source>
        <translation>Table de correction pour %1, ce qu&apos;il faut ajouter à la lecture du cadran : le plus, le %2, %3 ; le moins, le %4, %5.</translation>
    </message>
    <message>
        <source>Type %1 from %2 to %3 %4.</source>
        <translation>Tapez %1 de %2 à %3 %4.</translation>
    </message>
    <message>
        <source>Not drawn: a setting is refused (see the message beside its box).</source>
        <translation>Non dessiné : un réglage est refusé (voir le message à côté de sa case).</translation>
    </message>
    <message>
        <source>Not drawn: %1.</source>
        <translation>Non dessiné : %1.</translation>
    </message>
    <message>
        <source>Style height: not shown while a setting is refused</source>
        <translation>Hauteur du style : non affichée tant qu&apos;un réglage est refusé</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Distance from the foot to the line (mm)</source>
        <translation>Distance du pied à la ligne (mm)</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>figure-8</source>
        <translation>courbe en 8</translation>
    </message>
    <message>
        <source>%1. Add the figure to the time the dial shows to get the clock time; negative: subtract.</source>
        <translation>%1. Ajoutez le nombre à l&apos;heure indiquée par le cadran pour obtenir l&apos;heure de la montre ; négatif : retranchez-le.</translation>
    </message>
    <message>
        <source>Save them as a PDF file?</source>
        <translation>Les enregistrer en fichier PDF ?</translation>
    </message>
    <message>
        <source>Print them?</source>
        <translation>Les imprimer ?</translation>
    </message>
    <message>
        <source>This dial takes %1 pages of %2 paper. %3</source>
        <translation>Ce cadran occupe %1 pages au format %2. %3</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>Painting the dial&apos;s pages...</source>
        <translation>Dessin des pages du cadran...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Painting page %1 of %2...</source>
        <translation>Dessin de la page %1 sur %2...</translation>
    </message>
    <message>
        <source>Save Dial as %1</source>
        <translation>Enregistrer le cadran en %1</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>Fichiers %1 (*.%2)</translation>
    </message>
    <message>
        <source>The dial could not be saved as %1.</source>
        <translation>Le cadran n&apos;a pas pu être enregistré sous %1.</translation>
    </message>
    <message>
        <source>Saved the dial as %1.</source>
        <translation>Cadran enregistré sous %1.</translation>
    </message>
    <message>
        <source>Dial Designer</source>
        <translation>Conception de cadran</translation>
    </message>
    <message>
        <source>The dial, drawn to scale</source>
        <translation>Le cadran, dessiné à l&apos;échelle</translation>
    </message>
    <message>
        <source>Sun time puts noon on the meridian; zone time differs from the clock by the equation of time only</source>
        <translation>Le temps solaire vrai place midi sur le méridien ; l&apos;heure du fuseau ne diffère de la montre que de l&apos;équation du temps</translation>
    </message>
    <message>
        <source>Dial &amp;type:</source>
        <translation>&amp;Type de cadran :</translation>
    </message>
    <message>
        <source>&amp;Hour lines every:</source>
        <translation>&amp;Lignes horaires toutes les :</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>&amp;Heure :</translation>
    </message>
    <message>
        <source>Date &amp;lines:</source>
        <translation>&amp;Arcs diurnes :</translation>
    </message>
    <message>
        <source>Hour lines</source>
        <translation>Lignes horaires</translation>
    </message>
    <message>
        <source>Two tapes to each hour mark, from C and from N</source>
        <translation>Deux rubans vers chaque repère horaire, depuis C et depuis N</translation>
    </message>
    <message>
        <source>Hour line&amp;s</source>
        <translation>Lignes horai&amp;res</translation>
    </message>
    <message>
        <source>Correction c&amp;ard</source>
        <translation>Table de &amp;correction</translation>
    </message>
    <message>
        <source>Check &amp;readings</source>
        <translation>Contrôle des l&amp;ectures</translation>
    </message>
    <message>
        <source>What to add to the dial&apos;s reading, over the year</source>
        <translation>Ce qu&apos;il faut ajouter à la lecture du cadran, au fil de l&apos;année</translation>
    </message>
    <message>
        <source>Add (min:s)</source>
        <translation>Ajouter (min:s)</translation>
    </message>
    <message>
        <source>Add (s)</source>
        <translation>Ajouter (s)</translation>
    </message>
    <message>
        <source>Correction card by week</source>
        <translation>Table de correction par semaine</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Enregistrer en P&amp;DF</translation>
    </message>
    <message>
        <source>Save as S&amp;VG</source>
        <translation>Enregistrer en S&amp;VG</translation>
    </message>
    <message>
        <source>Save as D&amp;XF</source>
        <translation>Enregistrer en D&amp;XF</translation>
    </message>
    <message>
        <source>The same drawing for laser cutters and routers</source>
        <translation>Le même dessin pour découpe laser et fraiseuses</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Sta&amp;king out</source>
        <translation>Pi&amp;quetage</translation>
    </message>
    <message>
        <source>The date whose shadow the dial shows</source>
        <translation>La date dont le cadran montre l&apos;ombre</translation>
    </message>
    <message>
        <source>The clock&apos;s time whose shadow the dial shows</source>
        <translation>L&apos;heure de la montre dont le cadran montre l&apos;ombre</translation>
    </message>
    <message>
        <source>Day of the year</source>
        <translation>Jour de l&apos;année</translation>
    </message>
    <message>
        <source>Time of day, every 5 minutes</source>
        <translation>Heure du jour, toutes les 5 minutes</translation>
    </message>
    <message>
        <source>What the dial reads at the chosen moment</source>
        <translation>Ce qu&apos;indique le cadran au moment choisi</translation>
    </message>
    <message>
        <source>Shadow &amp;on:</source>
        <translation>&amp;Ombre le :</translation>
    </message>
    <message>
        <source>Time of da&amp;y:</source>
        <translation>Heure du jo&amp;ur :</translation>
    </message>
    <message>
        <source>Day &amp;by day:</source>
        <translation>Jour &amp;par jour :</translation>
    </message>
    <message>
        <source>Every &amp;5 minutes:</source>
        <translation>Toutes les &amp;5 minutes :</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Égales</translation>
    </message>
    <message>
        <source>Equal hours</source>
        <translation>Heures égales</translation>
    </message>
    <message>
        <source>Today&apos;s hour lines</source>
        <translation>Les lignes horaires d&apos;aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiques</translation>
    </message>
    <message>
        <source>Italian hours</source>
        <translation>Heures italiques</translation>
    </message>
    <message>
        <source>Hours since the previous sunset, 24 at sunset</source>
        <translation>Heures depuis le coucher du soleil précédent, 24 au coucher</translation>
    </message>
    <message>
        <source>Babylonian</source>
        <translation>Babyloniques</translation>
    </message>
    <message>
        <source>Babylonian hours</source>
        <translation>Heures babyloniques</translation>
    </message>
    <message>
        <source>Hours since sunrise</source>
        <translation>Heures depuis le lever du soleil</translation>
    </message>
    <message>
        <source>Unequal</source>
        <translation>Temporaires</translation>
    </message>
    <message>
        <source>Unequal hours</source>
        <translation>Heures temporaires</translation>
    </message>
    <message>
        <source>Twelfths of the daylight since sunrise</source>
        <translation>Douzièmes du jour depuis le lever du soleil</translation>
    </message>
    <message>
        <source>Special date</source>
        <translation>Date particulière</translation>
    </message>
    <message>
        <source>Label (optional)</source>
        <translation>Libellé (facultatif)</translation>
    </message>
    <message>
        <source>Special date&apos;s label</source>
        <translation>Libellé de la date particulière</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add the special date</source>
        <translation>Ajouter la date particulière</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the chosen special date</source>
        <translation>Supprimer la date particulière choisie</translation>
    </message>
    <message>
        <source>Special dates</source>
        <translation>Dates particulières</translation>
    </message>
    <message>
        <source>A date line each, for the sun&apos;s declination at noon on that day</source>
        <translation>Un arc diurne chacune, pour la déclinaison du soleil à midi ce jour-là</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Heures :</translation>
    </message>
    <message>
        <source>Special dates:</source>
        <translation>Dates particulières :</translation>
    </message>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>nord-est</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>sud-est</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sud</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>sud-ouest</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ouest</translation>
    </message>
    <message>
        <source>north-west</source>
        <translation>nord-ouest</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NE</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>The face from the side</source>
        <translation>La table vue de côté</translation>
    </message>
    <message>
        <source>Seen from the side, %1 to the right and %2 to the left: the level ground dashed; the face %3° from level, its front (the lit side) towards %4°, %1; the style along the Earth&apos;s axis, rising %5° towards the %6.</source>
        <translation>Vu de côté, %1 à droite et %2 à gauche : le sol horizontal en tirets ; la table à %3° de l&apos;horizontale, sa face avant (le côté éclairé) vers %4°, %1 ; le style selon l&apos;axe de la Terre, montant de %5° vers le %6.</translation>
    </message>
    <message>
        <source>level</source>
        <translation>horizontale</translation>
    </message>
    <message>
        <source>face</source>
        <translation>table</translation>
    </message>
    <message>
        <source>front, style</source>
        <translation>avant, style</translation>
    </message>
    <message>
        <source>front</source>
        <translation>avant</translation>
    </message>
    <message>
        <source>style</source>
        <translation>style</translation>
    </message>
</context>
</TS>
