<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>window</name>
    <message>
        <source>Find a Place</source>
        <translation>Cerca un luogo</translation>
    </message>
    <message>
        <source>A town&apos;s name, then a comma and its country or region if you like: Paris, Texas. The up and down arrows go through the places found, Enter chooses one</source>
        <translation>Il nome di una località, poi se si vuole una virgola e il paese o la regione: Paris, Texas. Le frecce su e giù scorrono i luoghi trovati, Invio ne sceglie uno</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>Luoghi trovati</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Scegli</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Place name:</source>
        <translation>&amp;Nome del luogo:</translation>
    </message>
    <message>
        <source>The place search is unavailable: %1</source>
        <translation>La ricerca dei luoghi non è disponibile: %1</translation>
    </message>
    <message>
        <source>No place of that name.</source>
        <translation>Nessun luogo con questo nome.</translation>
    </message>
    <message>
        <source>No place of that name; nearest: %1.</source>
        <translation>Nessun luogo con questo nome; i più simili: %1.</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <comment>place found, of the places found</comment>
        <translation>%1 di %2: %3</translation>
    </message>
    <message>
        <source>: its zone&apos;s rules dropped, the clock was changed by hand</source>
        <translation>: le regole del suo fuso sono abbandonate, l&apos;ora è stata cambiata a mano</translation>
    </message>
    <message>
        <source>Last chosen: %1</source>
        <translation>Ultima scelta: %1</translation>
    </message>
    <message>
        <source>: no time zone entry has its offset; choose the clock by hand</source>
        <translation>: nessuna voce dei fusi ha il suo scarto; scegliere l&apos;ora a mano</translation>
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
        <translation>Compilato da %1: latitudine %2 %3, longitudine %4 %5; nessuna voce dei fusi ha questo scarto: scegliere l&apos;ora a mano.</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5, %6, Daylight Savings Time.</source>
        <translation>Compilato da %1: latitudine %2 %3, longitudine %4 %5, %6, ora legale.</translation>
    </message>
    <message>
        <source>Filled from %1: latitude %2 %3, longitude %4 %5, %6, Standard Time.</source>
        <translation>Compilato da %1: latitudine %2 %3, longitudine %4 %5, %6, ora solare.</translation>
    </message>
    <message>
        <source>The language changes the next time Orvane starts.</source>
        <translation>La lingua cambia al prossimo avvio di Orvane.</translation>
    </message>
    <message>
        <source>A plumb line hung from a post&apos;s arm, its bob in a dish of water, and its shadow on the ground</source>
        <translation>Un filo a piombo appeso al braccio di un palo, il piombo in una ciotola d&apos;acqua, e la sua ombra sul terreno</translation>
    </message>
    <message>
        <source>Orvane Calculator</source>
        <translation>Calcolatore Orvane</translation>
    </message>
    <message>
        <source>Click here to set your watch to atomic standard via internet</source>
        <translation>Fare clic qui per regolare l&apos;orologio sull&apos;ora atomica via Internet</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Field Sheet</source>
        <translation>S&amp;cheda di campo</translation>
    </message>
    <message>
        <source>&amp;Dial</source>
        <translation>&amp;Quadrante</translation>
    </message>
    <message>
        <source>by E. Marrow, 2003</source>
        <translation>di E. Marrow, 2003</translation>
    </message>
    <message>
        <source>Date(mm/dd/yyyy)</source>
        <translation>Data(mm/gg/aaaa)</translation>
    </message>
    <message>
        <source>Latitude (decimal)</source>
        <translation>Latitudine (decimale)</translation>
    </message>
    <message>
        <source>Longitude (decimal)</source>
        <translation>Longitudine (decimale)</translation>
    </message>
    <message>
        <source>West of Greenwich (e.g. USA)</source>
        <translation>Ovest di Greenwich (es. USA)</translation>
    </message>
    <message>
        <source>East of Greenwich (e.g. USSR)</source>
        <translation>Est di Greenwich (es. URSS)</translation>
    </message>
    <message>
        <source>(North +, South -)</source>
        <translation>(Nord +, Sud -)</translation>
    </message>
    <message>
        <source>Standard Time (October to April)</source>
        <translation>Ora solare (da ottobre ad aprile)</translation>
    </message>
    <message>
        <source>Daylight Savings (April to October)</source>
        <translation>Ora legale (da aprile a ottobre)</translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Lingua del desktop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>This page needs an internet connection; without one, a phone&apos;s network time, a GPS receiver or a radio time signal sets a watch to the second.</source>
        <translation>Questa pagina richiede una connessione a Internet; senza, l&apos;ora di rete di un telefono, un ricevitore GPS o un segnale orario radio regolano un orologio al secondo.</translation>
    </message>
</context>
</TS>
