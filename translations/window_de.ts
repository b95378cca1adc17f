<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>window</name>
    <message>
        <source>Find a Place</source>
        <translation>Ort suchen</translation>
    </message>
    <message>
        <source>A town&apos;s name, then a comma and its country or region if you like: Paris, Texas. The up and down arrows go through the places found, Enter chooses one</source>
        <translation>Der Name eines Ortes, nach Wunsch mit Komma und Land oder Region: Paris, Texas. Die Pfeiltasten nach oben und unten gehen durch die gefundenen Orte, Eingabe wählt einen</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Gefundene Orte</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Wählen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Place name:</source>
        <translation>&amp;Ortsname:</translation>
    </message>
    <message>
        <source>The place search is unavailable: %1</source>
        <translation>Die Ortssuche ist nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>No place of that name.</source>
        <translation>Kein Ort dieses Namens.</translation>
    </message>
    <message>
        <source>No place of that name; nearest: %1.</source>
        <translation>Kein Ort dieses Namens; am ähnlichsten: %1.</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <comment>place found, of the places found</comment>
        <translation>%1 von %2: %3</translation>
    </message>
    <message>
        <source>: its zone&apos;s rules dropped, the clock was changed by hand</source>
        <translation>: die Regeln seiner Zeitzone gelten nicht mehr, die Uhrzeit wurde von Hand geändert</translation>
    </message>
    <message>
        <source>Last chosen: %1</source>
        <translation>Zuletzt gewählt: %1</translation>
    </message>
    <message>
        <source>: no time zone entry has its offset; choose the clock by hand</source>
        <translation>: kein Eintrag der Zeitzonenliste hat seinen Zeitunterschied; die Uhrzeit von Hand wählen</translation>
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
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5; no time zone entry has its offset: choose the clock by hand.</source>
        <translation>Übernommen von %1: Breite %2 %3, Länge %4 %5; kein Eintrag der Zeitzonenliste hat diesen Zeitunterschied: die Uhrzeit von Hand wählen.</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5, %6, Daylight Savings Time.</source>
        <translation>Übernommen von %1: Breite %2 %3, Länge %4 %5, %6, Sommerzeit.</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5, %6, Standard Time.</source>
        <translation>Übernommen von %1: Breite %2 %3, Länge %4 %5, %6, Normalzeit.</translation>
    </message>
    <message>
        <source>The language changes the next time Orvane starts.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Orvane.</translation>
    </message>
    <message>
        <source>A plumb line hung from a post&apos;s arm, its bob in a dish of water, and its shadow on the ground</source>
        <translation>Ein Lot am Arm eines Pfostens, sein Senkblei in einer Schale Wasser, und sein Schatten auf dem Boden</translation>
    </message>
    <message>
        <source>Orvane Calculator</source>
        <translation>Orvane-Rechner</translation>
    </message>
    <message>
        <source>Click here to set your watch to atomic standard via internet</source>
        <translation>Hier klicken, um die Uhr über das Internet nach der Atomzeit zu stellen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Field Sheet</source>
        <translation>&amp;Feldblatt</translation>
    </message>
    <message>
        <source>&amp;Dial</source>
        <translation>&amp;Entwurf</translation>
    </message>
    <message>
        <source>by E. Marrow, 2003</source>
        <translation>von E. Marrow, 2003</translation>
    </message>
    <message>
        <source>Date(mm/dd/yyyy)</source>
        <translation>Datum(MM/TT/JJJJ)</translation>
    </message>
    <message>
        <source>Latitude (decimal)</source>
        <translation>Breite (dezimal)</translation>
    </message>
    <message>
        <source>Longitude (decimal)</source>
        <translation>Länge (dezimal)</translation>
    </message>
    <message>
        <source>West of Greenwich (e.g. USA)</source>
        <translation>Westlich v. Greenwich (USA)</translation>
    </message>
    <message>
        <source>East of Greenwich (e.g. USSR)</source>
        <translation>Östlich v. Greenwich (UdSSR)</translation>
    </message>
    <message>
        <source>(North +, South -)</source>
        <translation>(Nord +, Süd -)</translation>
    </message>
    <message>
        <source>Standard Time (October to April)</source>
        <translation>Normalzeit (Oktober bis April)</translation>
    </message>
    <message>
        <source>Daylight Savings (April to October)</source>
        <translation>Sommerzeit (April bis Oktober)</translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>This page needs an internet connection; without one, a phone&apos;s network time, a GPS receiver or a radio time signal sets a watch to the second.</source>
        <translation>Diese Seite braucht eine Internetverbindung; ohne sie stellen die Netzzeit eines Telefons, ein GPS-Empfänger oder ein Funkzeitsignal eine Uhr auf die Sekunde genau.</translation>
    </message>
</context>
</TS>
