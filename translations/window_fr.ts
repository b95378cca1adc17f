<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>window</name>
    <message>
        <source>Find a Place</source>
        <translation>Trouver un lieu</translation>
    </message>
    <message>
        <source>A town&apos;s name, then a comma and its country or region if you like: Paris, Texas. The up and down arrows go through the places found, Enter chooses one</source>
        <translation>Le nom d&apos;une ville, puis si vous voulez une virgule et son pays ou sa région : Paris, Texas. Les flèches haut et bas parcourent les lieux trouvés, Entrée en choisit un</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Lieux trouvés</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Place name:</source>
        <translation>Nom du &amp;lieu :</translation>
    </message>
    <message>
        <source>The place search is unavailable: %1</source>
        <translation>La recherche de lieux n&apos;est pas disponible : %1</translation>
    </message>
    <message>
        <source>No place of that name.</source>
        <translation>Aucun lieu de ce nom.</translation>
    </message>
    <message>
        <source>No place of that name; nearest: %1.</source>
        <translation>Aucun lieu de ce nom ; les plus proches : %1.</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <comment>place found, of the places found</comment>
        <translation>%1 sur %2 : %3</translation>
    </message>
    <message>
        <source>: its zone&apos;s rules dropped, the clock was changed by hand</source>
        <translation> : les règles de son fuseau sont abandonnées, l&apos;heure a été changée à la main</translation>
    </message>
    <message>
        <source>Last chosen: %1</source>
        <translation>Dernier choix : %1</translation>
    </message>
    <message>
        <source>: no time zone entry has its offset; choose the clock by hand</source>
        <translation> : aucune entrée de fuseau n&apos;a son décalage ; choisissez l&apos;heure à la main</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5; no time zone entry has its offset: choose the clock by hand.</source>
        <translation>Repris de %1 : latitude %2 %3, longitude %4 %5 ; aucune entrée de fuseau n&apos;a ce décalage : choisissez l&apos;heure à la main.</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5, %6, Daylight Savings Time.</source>
        <translation>Repris de %1 : latitude %2 %3, longitude %4 %5, %6, heure d&apos;été.</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5, %6, Standard Time.</source>
        <translation>Repris de %1 : latitude %2 %3, longitude %4 %5, %6, heure normale.</translation>
    </message>
    <message>
        <source>The language changes the next time Orvane starts.</source>
        <translation>La langue change au prochain démarrage d&apos;Orvane.</translation>
    </message>
    <message>
        <source>A plumb line hung from a post&apos;s arm, its bob in a dish of water, and its shadow on the ground</source>
        <translation>Un fil à plomb suspendu au bras d&apos;un poteau, son plomb dans un bol d&apos;eau, et son ombre au sol</translation>
    </message>
    <message>
        <source>Orvane Calculator</source>
        <translation>Calculateur Orvane</translation>
    </message>
    <message>
        <source>Click here to set your watch to atomic standard via internet</source>
        <translation>Cliquez ici pour régler votre montre sur l&apos;heure atomique via Internet</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Field Sheet</source>
        <translation>&amp;Fiche de terrain</translation>
    </message>
    <message>
        <source>&amp;Dial</source>
        <translation>&amp;Cadran</translation>
    </message>
    <message>
        <source>by E. Marrow, 2003</source>
        <translation>par E. Marrow, 2003</translation>
    </message>
    <message>
        <source>Date(mm/dd/yyyy)</source>
        <translation>Date(mm/jj/aaaa)</translation>
    </message>
    <message>
        <source>Latitude (decimal)</source>
        <translation>Latitude (décimale)</translation>
    </message>
    <message>
        <source>Longitude (decimal)</source>
        <translation>Longitude (décimale)</translation>
    </message>
    <message>
        <source>West of Greenwich (e.g. USA)</source>
        <translation>À l&apos;ouest de Greenwich (ex. USA)</translation>
    </message>
    <message>
        <source>East of Greenwich (e.g. USSR)</source>
        <translation>À l&apos;est de Greenwich (ex. URSS)</translation>
    </message>
    <message>
        <source>(North +, South -)</source>
        <translation>(Nord +, Sud -)</translation>
    </message>
    <message>
        <source>Standard Time (October to April)</source>
        <translation>Heure normale (octobre à avril)</translation>
    </message>
    <message>
        <source>Daylight Savings (April to October)</source>
        <translation>Heure d&apos;été (avril à octobre)</translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>This page needs an internet connection; without one, a phone&apos;s network time, a GPS receiver or a radio time signal sets a watch to the second.</source>
        <translation>Cette page nécessite une connexion Internet ; sans elle, l&apos;heure réseau d&apos;un téléphone, un récepteur GPS ou un signal horaire radio règle une montre à la seconde.</translation>
    </message>
</context>
</TS>
