<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>window</name>
    <message>
        <source>Find a Place</source>
        <translation>Plaats zoeken</translation>
    </message>
    <message>
        <source>A town&apos;s name, then a comma and its country or region if you like: Paris, Texas. The up and down arrows go through the places found, Enter chooses one</source>
        <translation>De naam van een plaats, desgewenst met een komma en het land of de regio: Paris, Texas. De pijltjes omhoog en omlaag gaan door de gevonden plaatsen, Enter kiest er een</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Gevonden plaatsen</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Kiezen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Place name:</source>
        <translation>&amp;Plaatsnaam:</translation>
    </message>
    <message>
        <source>The place search is unavailable: %1</source>
        <translation>Het zoeken naar plaatsen is niet beschikbaar: %1</translation>
    </message>
    <message>
        <source>No place of that name.</source>
        <translation>Geen plaats met die naam.</translation>
    </message>
    <message>
        <source>No place of that name; nearest: %1.</source>
        <translation>Geen plaats met die naam; het dichtst erbij: %1.</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <comment>place found, of the places found</comment>
        <translation>%1 van %2: %3</translation>
    </message>
    <message>
        <source>: its zone&apos;s rules dropped, the clock was changed by hand</source>
        <translation>: de regels van de tijdzone vervallen, de klok is met de hand gewijzigd</translation>
    </message>
    <message>
        <source>Last chosen: %1</source>
        <translation>Laatst gekozen: %1</translation>
    </message>
    <message>
        <source>: no time zone entry has its offset; choose the clock by hand</source>
        <translation>: geen tijdzone in de lijst heeft dit verschil; kies de klok met de hand</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>Z</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5; no time zone entry has its offset: choose the clock by hand.</source>
        <translation>Ingevuld vanuit %1: breedte %2 %3, lengte %4 %5; geen tijdzone in de lijst heeft dit verschil: kies de klok met de hand.</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5, %6, Daylight Savings Time.</source>
        <translation>Ingevuld vanuit %1: breedte %2 %3, lengte %4 %5, %6, zomertijd.</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5, %6, Standard Time.</source>
        <translation>Ingevuld vanuit %1: breedte %2 %3, lengte %4 %5, %6, standaardtijd.</translation>
    </message>
    <message>
        <source>The language changes the next time Orvane starts.</source>
        <translation>De taal verandert bij de volgende start van Orvane.</translation>
    </message>
    <message>
        <source>A plumb line hung from a post&apos;s arm, its bob in a dish of water, and its shadow on the ground</source>
        <translation>Een schietlood aan de arm van een paal, het lood in een schaal water, en zijn schaduw op de grond</translation>
    </message>
    <message>
        <source>Orvane Calculator</source>
        <translation>Orvane-rekenaar</translation>
    </message>
    <message>
        <source>Click here to set your watch to atomic standard via internet</source>
        <translation>Klik hier om uw horloge via internet op atoomtijd te zetten</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berekenen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>&amp;Field Sheet</source>
        <translation>&amp;Veldblad</translation>
    </message>
    <message>
        <source>&amp;Dial</source>
        <translation>&amp;Zonnewijzer</translation>
    </message>
    <message>
        <source>by E. Marrow, 2003</source>
        <translation>door E. Marrow, 2003</translation>
    </message>
    <message>
        <source>Date(mm/dd/yyyy)</source>
        <translation>Datum(mm/dd/jjjj)</translation>
    </message>
    <message>
        <source>Latitude (decimal)</source>
        <translation>Breedte (decimaal)</translation>
    </message>
    <message>
        <source>Longitude (decimal)</source>
        <translation>Lengte (decimaal)</translation>
    </message>
    <message>
        <source>West of Greenwich (e.g. USA)</source>
        <translation>West van Greenwich (bijv. VS)</translation>
    </message>
    <message>
        <source>East of Greenwich (e.g. USSR)</source>
        <translation>Oost van Greenwich (bijv. USSR)</translation>
    </message>
    <message>
        <source>(North +, South -)</source>
        <translation>(Noord +, Zuid -)</translation>
    </message>
    <message>
        <source>Standard Time (October to April)</source>
        <translation>Standaardtijd (oktober tot april)</translation>
    </message>
    <message>
        <source>Daylight Savings (April to October)</source>
        <translation>Zomertijd (april tot oktober)</translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Taal van het bureaublad</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>T&amp;aal:</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>This page needs an internet connection; without one, a phone&apos;s network time, a GPS receiver or a radio time signal sets a watch to the second.</source>
        <translation>Deze pagina heeft een internetverbinding nodig; zonder verbinding zet de netwerktijd van een telefoon, een gps-ontvanger of een radiotijdsignaal een horloge op de seconde gelijk.</translation>
    </message>
</context>
</TS>
