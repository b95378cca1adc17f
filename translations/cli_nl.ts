<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>cli</name>
    <message>
        <source>--language %1: not one of %2; the answer is in English</source>
        <translation>--language %1: niet een van %2; het antwoord is in het Engels</translation>
    </message>
    <message>
        <source>Check against the clock (%1 readings)</source>
        <translation>Vergelijking met de klok (%1 aflezingen)</translation>
    </message>
    <message>
        <source>turn (clockwise from above)</source>
        <translation>draaiing (met de klok mee van boven)</translation>
    </message>
    <message>
        <source>lean (more tilt from the zenith)</source>
        <translation>kanteling (meer helling vanaf het zenit)</translation>
    </message>
    <message>
        <source>offset (dial late)</source>
        <translation>afwijking (zonnewijzer achter)</translation>
    </message>
    <message>
        <source>rms after the fit</source>
        <translation>rms na de aanpassing</translation>
    </message>
    <message>
        <source>date</source>
        <translation>datum</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>klok</translation>
    </message>
    <message>
        <source>dial</source>
        <translation>zonnewijzer</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>verwacht</translation>
    </message>
    <message>
        <source>error min</source>
        <translation>fout min</translation>
    </message>
    <message>
        <source>residual min</source>
        <translation>residu min</translation>
    </message>
    <message>
        <source>the date: m/d/yyyy, yyyy-mm-dd or your locale&apos;s own form</source>
        <translation>de datum: m/d/yyyy, yyyy-mm-dd of de eigen vorm van uw landinstelling</translation>
    </message>
    <message>
        <source>latitude in degrees, north positive; 40.655N, 40°39&apos;18&quot;N and 40 39.3 N are read too</source>
        <translation>breedte in graden, noord positief; ook 40.655N, 40°39&apos;18&quot;N en 40 39.3 N worden gelezen</translation>
    </message>
    <message>
        <source>longitude in degrees, east positive; 72.855W, W 72.855 and 72°51&apos;18&quot;W are read too</source>
        <translation>lengte in graden, oost positief; ook 72.855W, W 72.855 en 72°51&apos;18&quot;W worden gelezen</translation>
    </message>
    <message>
        <source>the zone&apos;s standard offset from UTC, also in summer: -5, +5:30, +5:45 (New York in July: --utc-offset -5 --daylight-saving, not -4)</source>
        <translation>de standaardafwijking van de zone ten opzichte van UTC, ook in de zomer: -5, +5:30, +5:45 (New York in juli: --utc-offset -5 --daylight-saving, niet -4)</translation>
    </message>
    <message>
        <source>with --utc-offset: the clock shows standard time</source>
        <translation>met --utc-offset: de klok toont standaardtijd</translation>
    </message>
    <message>
        <source>with --utc-offset: the clock shows daylight-saving time, one hour ahead</source>
        <translation>met --utc-offset: de klok toont zomertijd, een uur vooruit</translation>
    </message>
    <message>
        <source>instead of the three above: a time zone such as America/New_York or Asia/Kolkata, whose offset and daylight saving on each day come from its rules</source>
        <translation>in plaats van de drie hierboven: een tijdzone zoals America/New_York of Asia/Kolkata, waarvan de afwijking en de zomertijd per dag uit haar regels volgen</translation>
    </message>
    <message>
        <source>instead of --latitude, --longitude and the clock: a town or city of 1,000 or more people, with its country or region after a comma where the name is shared (Zurich, &quot;Paris, Texas&quot;, &quot;Springfield, US&quot;); its latitude, longitude and time zone, each unless given with its own option</source>
        <translation>in plaats van --latitude, --longitude en de klok: een plaats met 1.000 of meer inwoners, met land of regio na een komma als de naam vaker voorkomt (Zurich, &quot;Paris, Texas&quot;, &quot;Springfield, US&quot;); de breedte, lengte en tijdzone ervan, elk tenzij met een eigen optie gegeven</translation>
    </message>
    <message>
        <source>days in the days table, 1 to 366 (default 1)</source>
        <translation>dagen in de dagentabel, 1 tot 366 (standaard 1)</translation>
    </message>
    <message>
        <source>also when the sun stands at this bearing (0 to under 360, from north through east); up to 8 times</source>
        <translation>ook wanneer de zon in deze richting staat (0 tot onder 360, van noord over oost); tot 8 keer</translation>
    </message>
    <message>
        <source>also when the sun&apos;s centre reaches this height (-1 to under 90 degrees); up to 8 times</source>
        <translation>ook wanneer het midden van de zon deze hoogte bereikt (-1 tot onder 90 graden); tot 8 keer</translation>
    </message>
    <message>
        <source>a wall&apos;s facing from a plumb line&apos;s shadow on a level board: the clock time and the angle from the line square to the wall (towards it) to the shadow, clockwise positive; up to 20 times</source>
        <translation>de oriëntatie van een muur uit de schaduw van een schietlood op een waterpas plank: de kloktijd en de hoek van de lijn loodrecht op de muur (naar de muur toe) tot de schaduw, met de klok mee positief; tot 20 keer</translation>
    </message>
    <message>
        <source>the clock time at which you marked the shadow: its bearing and the turn onto the nearest true line</source>
        <translation>de kloktijd waarop u de schaduw markeerde: de richting ervan en de draaiing naar de dichtstbijzijnde ware lijn</translation>
    </message>
    <message>
        <source>instead of the field data: a sundial for the site, with its hour lines, style, gnomon and date lines; KIND is one of: %1</source>
        <translation>in plaats van de veldgegevens: een zonnewijzer voor de plaats, met uurlijnen, stijl, gnomon en datumlijnen; KIND is een van: %1</translation>
    </message>
    <message>
        <source>the direction the face looks, from north through east (180 = south): the wall&apos;s facing; for --dial polar instead of the equator&apos;s side</source>
        <translation>de richting waarin de wijzerplaat kijkt, van noord over oost (180 = zuid): de oriëntatie van de muur; bij --dial polar in plaats van de kant van de evenaar</translation>
    </message>
    <message>
        <source>with --dial plane: the angle from the zenith to the face&apos;s outward normal (0 level, 90 upright)</source>
        <translation>met --dial plane: de hoek van het zenit tot de naar buiten gerichte normaal van de wijzerplaat (0 waterpas, 90 rechtop)</translation>
    </message>
    <message>
        <source>the nodus&apos;s height above the dial&apos;s face in mm (default 100)</source>
        <translation>de hoogte van de nodus boven de wijzerplaat in mm (standaard 100)</translation>
    </message>
    <message>
        <source>the plate&apos;s width and height in mm, 50 to 5000 (default 300x300)</source>
        <translation>de breedte en hoogte van de plaat in mm, 50 tot 5000 (standaard 300x300)</translation>
    </message>
    <message>
        <source>with --dial analemmatic: the ellipse&apos;s half-width east-west in metres, 0.1 to 50 (default 2.5)</source>
        <translation>met --dial analemmatic: de halve breedte oost-west van de ellips in meters, 0.1 tot 50 (standaard 2.5)</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the hole&apos;s height above the floor, or out from the wall, in metres, 0.1 to 50</source>
        <translation>met --dial noon-mark: de hoogte van het gat boven de vloer, of de afstand tot de muur, in meters, 0.1 tot 50</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the round hole&apos;s diameter in mm, 1 to 200 (default 10)</source>
        <translation>met --dial noon-mark: de diameter van het ronde gat in mm, 1 tot 200 (standaard 10)</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the time of the zone&apos;s standard clock to mark (default 12:00; 13:00 for summer time)</source>
        <translation>met --dial noon-mark: de te markeren tijd van de standaardklok van de zone (standaard 12:00; 13:00 voor zomertijd)</translation>
    </message>
    <message>
        <source>with --dial bifilar: the height above the face of the wire along the plate&apos;s x axis, 5 mm to the plate&apos;s smaller side (default: the height that spaces the hours evenly where one does, else the y-wire&apos;s)</source>
        <translation>met --dial bifilar: de hoogte boven de wijzerplaat van de draad langs de x-as van de plaat, 5 mm tot de kortste zijde van de plaat (standaard: de hoogte die de uren gelijkmatig verdeelt als die bestaat, anders die van de y-draad)</translation>
    </message>
    <message>
        <source>with --dial bifilar: the height above the face of the wire along the plate&apos;s y axis, 5 mm to the plate&apos;s smaller side (default 100)</source>
        <translation>met --dial bifilar: de hoogte boven de wijzerplaat van de draad langs de y-as van de plaat, 5 mm tot de kortste zijde van de plaat (standaard 100)</translation>
    </message>
    <message>
        <source>an hour line every 60 (default), 30 or 15 minutes</source>
        <translation>een uurlijn elke 60 (standaard), 30 of 15 minuten</translation>
    </message>
    <message>
        <source>sun (default): the dial shows local sun time; zone: its 12 line is the zone meridian&apos;s mean noon; clock: each hour line is the figure-8 the shadow traces at that hour of the zone&apos;s standard clock</source>
        <translation>sun (standaard): de zonnewijzer toont ware zonnetijd; zone: de 12-uurlijn is de gemiddelde middag van de meridiaan van de zone; clock: elke uurlijn is de achtvormige lus die de schaduw op dat uur van de standaardklok van de zone beschrijft</translation>
    </message>
    <message>
        <source>none, solstices (default: the solstices and the equinox) or months (also the first of each month)</source>
        <translation>none, solstices (standaard: de zonnewenden en de equinox) of months (ook de eerste van elke maand)</translation>
    </message>
    <message>
        <source>a comma list of the hour systems drawn: equal (default), italian (hours since the previous sunset), babylonian (since sunrise), unequal (twelfths of the daylight); not for --dial analemmatic or noon-mark</source>
        <translation>een kommalijst van de getekende uursystemen: equal (standaard), italian (uren sinds de vorige zonsondergang), babylonian (sinds zonsopkomst), unequal (twaalfde delen van de dag); niet voor --dial analemmatic of noon-mark</translation>
    </message>
    <message>
        <source>a date line for the sun&apos;s declination at noon on that month and day, labelled (up to 40 characters) or by its date and the other day of the same declination; up to 12 times</source>
        <translation>een datumlijn voor de declinatie van de zon op de middag van die maand en dag, met een label (tot 40 tekens) of met de datum en de andere dag met dezelfde declinatie; tot 12 keer</translation>
    </message>
    <message>
        <source>with --dial: the correction card, what to add to the dial&apos;s reading each day for the clock</source>
        <translation>met --dial: de correctietabel, wat er elke dag bij de aflezing van de zonnewijzer moet worden opgeteld voor de kloktijd</translation>
    </message>
    <message>
        <source>with --dial: the dial drawn at full scale as SVG, in millimetres</source>
        <translation>met --dial: de zonnewijzer op ware grootte als SVG, in millimeters</translation>
    </message>
    <message>
        <source>with --dial: the same drawing as DXF for cutters and routers, in millimetres, one layer per part</source>
        <translation>met --dial: dezelfde tekening als DXF voor snijplotters en freesmachines, in millimeters, één laag per onderdeel</translation>
    </message>
    <message>
        <source>with --dial: the correction card alone as SVG</source>
        <translation>met --dial: alleen de correctietabel als SVG</translation>
    </message>
    <message>
        <source>with --svg or --dxf: the drawing at 1:N, a plan (default 1:1)</source>
        <translation>met --svg of --dxf: de tekening op schaal 1:N, een plan (standaard 1:1)</translation>
    </message>
    <message>
        <source>with --dial: the dial printed at full scale as PDF, over as many pages as it needs</source>
        <translation>met --dial: de zonnewijzer op ware grootte als PDF afgedrukt, over zoveel pagina&apos;s als nodig</translation>
    </message>
    <message>
        <source>with --dial: a standing dial checked against the clock: the date, the clock&apos;s time and what the dial showed then (in its own time, sun or zone); up to 100 times, fitted for how the dial stands turned and leaned</source>
        <translation>met --dial: een geplaatste zonnewijzer vergeleken met de klok: de datum, de kloktijd en wat de zonnewijzer toen aangaf (in zijn eigen tijd, sun of zone); tot 100 keer, aangepast aan hoe de zonnewijzer gedraaid en gekanteld staat</translation>
    </message>
    <message>
        <source>instead of the field data, with no site: an old dial&apos;s latitude (and for vertical its wall&apos;s facing) from its hour lines; KIND is horizontal or vertical</source>
        <translation>in plaats van de veldgegevens, zonder plaats: de breedte van een oude zonnewijzer (en bij vertical de oriëntatie van zijn muur) uit de uurlijnen; KIND is horizontal of vertical</translation>
    </message>
    <message>
        <source>with --find-dial, once a line: its hour in sun time and its angle at the root from the noon line, as --dial&apos;s angle_deg: + towards x, east on a level dial, right on a wall</source>
        <translation>met --find-dial, eenmaal per lijn: het uur in ware zonnetijd en de hoek aan de voet vanaf de middaglijn, zoals angle_deg van --dial: + naar x, oost op een horizontale zonnewijzer, rechts op een muur</translation>
    </message>
    <message>
        <source>also how far a compass points from true north at the site on the date, from the World Magnetic Model WMM2025 (2025.0 to 2030.0)</source>
        <translation>ook hoever een kompas op de plaats en datum van het ware noorden afwijkt, volgens het World Magnetic Model WMM2025 (2025.0 tot 2030.0)</translation>
    </message>
    <message>
        <source>text (default), json or csv</source>
        <translation>text (standaard), json of csv</translation>
    </message>
    <message>
        <source>the language of the answer: en, de, es, fr, it or nl; without it the desktop&apos;s (LANGUAGE, LC_MESSAGES, LANG)</source>
        <translation>de taal van het antwoord: en, de, es, fr, it of nl; zonder deze optie die van het bureaublad (LANGUAGE, LC_MESSAGES, LANG)</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>deze tekst tonen</translation>
    </message>
    <message>
        <source>show the program&apos;s version</source>
        <translation>de versie van het programma tonen</translation>
    </message>
    <message>
        <source>%1 may be given at most %2 times</source>
        <translation>%1 mag hoogstens %2 keer worden gegeven</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: give degrees from %3 to under %4</source>
        <translation>%1 &quot;%2&quot;: geef graden van %3 tot onder %4</translation>
    </message>
    <message>
        <source>--wall-reading may be given at most 20 times</source>
        <translation>--wall-reading mag hoogstens 20 keer worden gegeven</translation>
    </message>
    <message>
        <source>--wall-reading &quot;%1&quot;: give the clock time and the angle in degrees, such as 10:15:00@-23.5</source>
        <translation>--wall-reading &quot;%1&quot;: geef de kloktijd en de hoek in graden, zoals 10:15:00@-23.5</translation>
    </message>
    <message>
        <source>--wall-reading &quot;%1&quot;: the angle must lie between -90 and 90 degrees; the sun then shines on the wall</source>
        <translation>--wall-reading &quot;%1&quot;: de hoek moet tussen -90 en 90 graden liggen; dan schijnt de zon op de muur</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>give either --utc-offset with --standard or --daylight-saving, or --zone</source>
        <translation>geef ofwel --utc-offset met --standard of --daylight-saving, ofwel --zone</translation>
    </message>
    <message>
        <source>--zone takes the daylight saving from the zone&apos;s rules: leave out --standard and --daylight-saving</source>
        <translation>--zone haalt de zomertijd uit de regels van de zone: laat --standard en --daylight-saving weg</translation>
    </message>
    <message>
        <source>--place takes the daylight saving from the place&apos;s time zone (%1): leave out --standard and --daylight-saving, or give --utc-offset with them</source>
        <translation>--place haalt de zomertijd uit de tijdzone van de plaats (%1): laat --standard en --daylight-saving weg, of geef er --utc-offset bij</translation>
    </message>
    <message>
        <source>--utc-offset must be hours with an optional sign and minutes, such as -5, +5:30 or +5:45, not &quot;%1&quot;</source>
        <translation>--utc-offset moet uren zijn met een optioneel teken en minuten, zoals -5, +5:30 of +5:45, niet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no time zone has the offset %1</source>
        <translation>geen tijdzone heeft de afwijking %1</translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot;</source>
        <translation>onbekende tijdzone &quot;%1&quot;</translation>
    </message>
    <message>
        <source>; give a name such as America/New_York or Asia/Kolkata</source>
        <translation>; geef een naam zoals America/New_York of Asia/Kolkata</translation>
    </message>
    <message>
        <source>: did you mean %1?</source>
        <translation>: bedoelde u %1?</translation>
    </message>
    <message>
        <source> or </source>
        <translation> of </translation>
    </message>
    <message>
        <source>--days must be a whole number from 1 to 366</source>
        <translation>--days moet een geheel getal van 1 tot 366 zijn</translation>
    </message>
    <message>
        <source>--mark must be a clock time HH:MM or HH:MM:SS, such as 08:55:10</source>
        <translation>--mark moet een kloktijd HH:MM of HH:MM:SS zijn, zoals 08:55:10</translation>
    </message>
    <message>
        <source>%1: the zone&apos;s offset on %2 is not a whole number of minutes</source>
        <translation>%1: de afwijking van de zone op %2 is geen geheel aantal minuten</translation>
    </message>
    <message>
        <source>%1: no time zone has its offset on %2 (%3)</source>
        <translation>%1: geen tijdzone heeft de afwijking ervan op %2 (%3)</translation>
    </message>
    <message>
        <source>write m/d/yyyy (6/21/2027), yyyy-mm-dd (2027-06-21) or this computer&apos;s own form (%1)</source>
        <translation>schrijf m/d/yyyy (6/21/2027), yyyy-mm-dd (2027-06-21) of de eigen vorm van deze computer (%1)</translation>
    </message>
    <message>
        <source>degrees from -90 to 90, north positive, with %1</source>
        <translation>graden van -90 tot 90, noord positief, met %1</translation>
    </message>
    <message>
        <source>degrees from -180 to 180, east positive (-72.855) or with a letter (72.855W), not both, with %1</source>
        <translation>graden van -180 tot 180, oost positief (-72.855) of met een letter (72.855W), niet beide, met %1</translation>
    </message>
    <message>
        <source> Add --standard or --daylight-saving to --utc-offset, or give --zone.</source>
        <translation> Voeg --standard of --daylight-saving toe aan --utc-offset, of geef --zone.</translation>
    </message>
    <message>
        <source> (with %1)</source>
        <translation> (met %1)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source> (%1 optional)</source>
        <translation> (%1 optioneel)</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Onbekende optie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Onbekende opties: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Ontbrekende waarde na &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Onverwachte waarde na &apos;%1&apos;.</translation>
    </message>
    <message>
        <source> orvane --help lists the options.</source>
        <translation> orvane --help toont de opties.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>onverwacht argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 is meer dan eens gegeven</translation>
    </message>
    <message>
        <source>--format must be text, json or csv</source>
        <translation>--format moet text, json of csv zijn</translation>
    </message>
    <message>
        <source>--latitude &quot;%1&quot; holds a latitude and a longitude: give the longitude with --longitude</source>
        <translation>--latitude &quot;%1&quot; bevat een breedte en een lengte: geef de lengte met --longitude</translation>
    </message>
    <message>
        <source>--dial %1 at latitude %2: %3</source>
        <translation>--dial %1 op breedte %2: %3</translation>
    </message>
    <message>
        <source>--magnetic: the date %1 lies outside the years of the World Magnetic Model %2 (%3)</source>
        <translation>--magnetic: de datum %1 ligt buiten de jaren van het World Magnetic Model %2 (%3)</translation>
    </message>
    <message>
        <source>Usage: orvane [--date DATE --latitude DEG --longitude DEG
               (--utc-offset H[:MM] (--standard | --daylight-saving) | --zone NAME)
               or --date DATE --place NAME, the coordinates and clock optional)
               [--days N] [--mark HH:MM[:SS]] [--bearing DEG]... [--altitude DEG]...
               [--wall-reading HH:MM[:SS]@DEG]... [--format text|json|csv]]
       orvane --dial KIND [--facing DEG] [--tilt DEG] [--nodus-height MM]
               [--plate WxH] [--half-width M] [--hour-step 60|30|15]
               [--aperture-height M] [--aperture-diameter MM] [--mark-time HH:MM]
               [--x-wire MM] [--y-wire MM]
               [--dial-time sun|zone|clock] [--date-lines none|solstices|months]
               [--hours equal,italian,babylonian,unequal]
               [--date-line YYYY-MM-DD[=LABEL]]...
               [--card] [--svg FILE] [--dxf FILE] [--scale 1:N]
               [--card-svg FILE] [--pdf FILE], with the date, site and clock
       orvane --find-dial horizontal|vertical --line-angle HOUR=DEG...
               [--format text|json|csv]
</source>
        <translation>Gebruik: orvane [--date DATE --latitude DEG --longitude DEG
                 (--utc-offset H[:MM] (--standard | --daylight-saving) | --zone NAME)
                 of --date DATE --place NAME, coördinaten en klok optioneel)
                 [--days N] [--mark HH:MM[:SS]] [--bearing DEG]... [--altitude DEG]...
                 [--wall-reading HH:MM[:SS]@DEG]... [--format text|json|csv]]
         orvane --dial KIND [--facing DEG] [--tilt DEG] [--nodus-height MM]
                 [--plate WxH] [--half-width M] [--hour-step 60|30|15]
                 [--aperture-height M] [--aperture-diameter MM] [--mark-time HH:MM]
                 [--x-wire MM] [--y-wire MM]
                 [--dial-time sun|zone|clock] [--date-lines none|solstices|months]
                 [--hours equal,italian,babylonian,unequal]
                 [--date-line YYYY-MM-DD[=LABEL]]...
                 [--card] [--svg FILE] [--dxf FILE] [--scale 1:N]
                 [--card-svg FILE] [--pdf FILE], met datum, plaats en klok
         orvane --find-dial horizontal|vertical --line-angle HOUR=DEG...
                 [--format text|json|csv]
</translation>
    </message>
    <message>
        <source>Without options Orvane opens its window. With them it prints, for the date and
the site, the clock times at which the sun stands exactly east, on the meridian
and exactly west, the true sun&apos;s instants beside them, where the shadow points
and how fast it turns, and the same times for the coming days. With --dial it
lays out a sundial for the site instead; with --find-dial it finds an old
dial&apos;s latitude, and its wall&apos;s facing, from the angles of its hour lines.
</source>
        <translation>Zonder opties opent Orvane zijn venster. Met opties drukt het voor de datum en
de plaats de kloktijden af waarop de zon precies in het oosten, op de meridiaan
en precies in het westen staat, met daarnaast de momenten van de ware zon, waar
de schaduw naar wijst en hoe snel hij draait, en dezelfde tijden voor de
komende dagen. Met --dial ontwerpt het in plaats daarvan een zonnewijzer voor
de plaats; met --find-dial vindt het de breedte van een oude zonnewijzer, en de
oriëntatie van zijn muur, uit de hoeken van de uurlijnen.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Voorbeelden:</translation>
    </message>
    <message>
        <source>--check-reading &quot;%1&quot; (reading %2): %3</source>
        <translation>--check-reading &quot;%1&quot; (aflezing %2): %3</translation>
    </message>
    <message>
        <source>--pdf &quot;%1&quot;: %2 pages</source>
        <translation>--pdf &quot;%1&quot;: %2 pagina&apos;s</translation>
    </message>
    <message>
        <source>--wall-reading %1 (reading %2): %3</source>
        <translation>--wall-reading %1 (aflezing %2): %3</translation>
    </message>
    <message>
        <source>the sun is below the horizon then</source>
        <translation>de zon staat dan onder de horizon</translation>
    </message>
    <message>
        <source>the angle must lie between -90 and 90 degrees</source>
        <translation>de hoek moet tussen -90 en 90 graden liggen</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>kan &quot;%1&quot; niet schrijven: %2</translation>
    </message>
    <message>
        <source>--pdf &quot;%1&quot;: PDF output needs the window&apos;s libraries, which this program was built without; write --svg instead</source>
        <translation>--pdf &quot;%1&quot;: PDF-uitvoer heeft de bibliotheken van het venster nodig, zonder welke dit programma is gebouwd; gebruik in plaats daarvan --svg</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: the pages could not be painted</source>
        <translation>kan &quot;%1&quot; niet schrijven: de pagina&apos;s konden niet worden getekend</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>not in %1; </source>
        <translation>niet in %1; </translation>
    </message>
    <message>
        <source>not a number with %1; </source>
        <translation>geen getal met %1; </translation>
    </message>
    <message>
        <source>not a time; </source>
        <translation>geen tijd; </translation>
    </message>
    <message>
        <source>--plate &quot;%1&quot;: the nodus height (%2 mm) must not exceed the plate&apos;s smaller side; give --%3</source>
        <translation>--plate &quot;%1&quot;: de hoogte van de nodus (%2 mm) mag de kortste zijde van de plaat niet overschrijden; geef --%3</translation>
    </message>
    <message>
        <source>%1 is for --dial %2; %3 takes none</source>
        <translation>%1 is voor --dial %2; %3 neemt er geen</translation>
    </message>
    <message>
        <source>give the width and height in mm, such as 300x300</source>
        <translation>geef de breedte en hoogte in mm, zoals 300x300</translation>
    </message>
    <message>
        <source>--check-reading may be given at most %1 times</source>
        <translation>--check-reading mag hoogstens %1 keer worden gegeven</translation>
    </message>
    <message>
        <source>--check-reading &quot;%1&quot;: give the date, the clock&apos;s time and what the dial showed then, such as &quot;2027-03-01 10:15=10:27&quot; (YYYY-MM-DD HH:MM[:SS]=HH:MM[:SS])</source>
        <translation>--check-reading &quot;%1&quot;: geef de datum, de kloktijd en wat de zonnewijzer toen aangaf, zoals &quot;2027-03-01 10:15=10:27&quot; (YYYY-MM-DD HH:MM[:SS]=HH:MM[:SS])</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 is twee keer gegeven</translation>
    </message>
    <message>
        <source>give a comma list of equal, italian, babylonian and unequal</source>
        <translation>geef een kommalijst van equal, italian, babylonian en unequal</translation>
    </message>
    <message>
        <source>--date-line may be given at most %1 times</source>
        <translation>--date-line mag hoogstens %1 keer worden gegeven</translation>
    </message>
    <message>
        <source>--date-line &quot;%1&quot;: give a date that exists, YYYY-MM-DD, and a label after = if wanted, such as 1990-05-14=Anna</source>
        <translation>--date-line &quot;%1&quot;: geef een bestaande datum, YYYY-MM-DD, en desgewenst een label na =, zoals 1990-05-14=Anna</translation>
    </message>
    <message>
        <source>--date-line &quot;%1&quot;: give %2</source>
        <translation>--date-line &quot;%1&quot;: geef %2</translation>
    </message>
    <message>
        <source>%1 goes with --dial %2</source>
        <translation>%1 hoort bij --dial %2</translation>
    </message>
    <message>
        <source>%1 is for the field data, which --dial does not print</source>
        <translation>%1 is voor de veldgegevens, die --dial niet afdrukt</translation>
    </message>
    <message>
        <source>give %1</source>
        <translation>geef %1</translation>
    </message>
    <message>
        <source>give 60, 30 or 15 minutes</source>
        <translation>geef 60, 30 of 15 minuten</translation>
    </message>
    <message>
        <source>give sun, zone or clock</source>
        <translation>geef sun, zone of clock</translation>
    </message>
    <message>
        <source>give none, solstices or months</source>
        <translation>geef none, solstices of months</translation>
    </message>
    <message>
        <source>give 1:N, N a whole number from 1 to %1, such as 1:50</source>
        <translation>geef 1:N, N een geheel getal van 1 tot %1, zoals 1:50</translation>
    </message>
    <message>
        <source>--scale goes with --svg or --dxf</source>
        <translation>--scale hoort bij --svg of --dxf</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>--card-svg: a dial drawn to the clock (--dial-time clock) needs no correction card</source>
        <translation>--card-svg: een zonnewijzer getekend naar de klok (--dial-time clock) heeft geen correctietabel nodig</translation>
    </message>
    <message>
        <source>zone time (the 12 line at UTC%1&apos;s mean noon)</source>
        <translation>zonetijd (de 12-uurlijn op de gemiddelde middag van UTC%1)</translation>
    </message>
    <message>
        <source>sun time</source>
        <translation>ware zonnetijd</translation>
    </message>
    <message>
        <source>Correction card %1: add to the dial&apos;s reading to get the clock&apos;s time</source>
        <translation>Correctietabel %1: tel op bij de aflezing van de zonnewijzer voor de kloktijd</translation>
    </message>
    <message>
        <source>week from</source>
        <translation>week vanaf</translation>
    </message>
    <message>
        <source>add</source>
        <translation>optellen</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>%1 for latitude %2, longitude %3, showing %4
</source>
        <translation>%1 voor breedte %2, lengte %3, toont %4
</translation>
    </message>
    <message>
        <source>give the hour in sun time and the angle in degrees, such as 9=-37.5</source>
        <translation>geef het uur in ware zonnetijd en de hoek in graden, zoals 9=-37.5</translation>
    </message>
    <message>
        <source>the hour must be from 0 to under 24</source>
        <translation>het uur moet van 0 tot onder 24 zijn</translation>
    </message>
    <message>
        <source>the angle must lie between -90 and 90 degrees: a line at the root makes less than a right angle with the noon line</source>
        <translation>de hoek moet tussen -90 en 90 graden liggen: aan de voet maakt een lijn minder dan een rechte hoek met de middaglijn</translation>
    </message>
    <message>
        <source>hour %1 is given twice</source>
        <translation>uur %1 is twee keer gegeven</translation>
    </message>
    <message>
        <source>--line-angle goes with --find-dial %1</source>
        <translation>--line-angle hoort bij --find-dial %1</translation>
    </message>
    <message>
        <source>--%1 is not taken by --find-dial: the hour lines alone give the latitude and the facing</source>
        <translation>--%1 wordt niet door --find-dial aangenomen: de uurlijnen alleen geven de breedte en de oriëntatie</translation>
    </message>
    <message>
        <source>--find-dial &quot;%1&quot;: give %2</source>
        <translation>--find-dial &quot;%1&quot;: geef %2</translation>
    </message>
    <message>
        <source>--line-angle may be given at most %1 times</source>
        <translation>--line-angle mag hoogstens %1 keer worden gegeven</translation>
    </message>
    <message>
        <source>--find-dial %1 needs a line besides noon&apos;s, one --line-angle HOUR=DEG each, for the latitude</source>
        <translation>--find-dial %1 heeft naast de middaglijn een lijn nodig, elk met een --line-angle HOUR=DEG, voor de breedte</translation>
    </message>
    <message>
        <source>--find-dial %1 needs %2 lines besides noon&apos;s, one --line-angle HOUR=DEG each, for the latitude and the facing</source>
        <translation>--find-dial %1 heeft naast de middaglijn %2 lijnen nodig, elk met een --line-angle HOUR=DEG, voor de breedte en de oriëntatie</translation>
    </message>
    <message>
        <source>%1 (faces %2)</source>
        <translation>%1 (gericht op %2)</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 van %3</translation>
    </message>
    <message>
        <source>. Check that the hours are sun time and that angles towards the east are positive.</source>
        <translation>. Controleer of de uren ware zonnetijd zijn en hoeken naar het oosten positief.</translation>
    </message>
    <message>
        <source>. Check that the hours are sun time and that angles towards the right are positive.</source>
        <translation>. Controleer of de uren ware zonnetijd zijn en hoeken naar rechts positief.</translation>
    </message>
    <message>
        <source>No %1 fits these lines within %2 degrees rms</source>
        <translation>Geen %1 past bij deze lijnen binnen %2 graden rms</translation>
    </message>
    <message>
        <source>; the closest, at latitude %1 facing %2, misses them by %3 degrees rms</source>
        <translation>; de dichtstbijzijnde, op breedte %1 met oriëntatie %2, wijkt %3 graden rms af</translation>
    </message>
    <message>
        <source>; the closest, at latitude %1, misses them by %2 degrees rms</source>
        <translation>; de dichtstbijzijnde, op breedte %1, wijkt %2 graden rms af</translation>
    </message>
    <message>
        <source>%1 from %2 hour lines: %3 within %4 degrees rms
</source>
        <translation>%1 uit %2 uurlijnen: %3 binnen %4 graden rms
</translation>
    </message>
    <message>
        <source>none fits</source>
        <translation>geen past</translation>
    </message>
    <message>
        <source>1 fits</source>
        <translation>1 past</translation>
    </message>
    <message>
        <source>%1 fit</source>
        <translation>%1 passen</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>breedte</translation>
    </message>
    <message>
        <source>facing</source>
        <translation>oriëntatie</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>declinatie</translation>
    </message>
    <message>
        <source>rms</source>
        <translation>rms</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>uur</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>gemeten</translation>
    </message>
    <message>
        <source>fitted</source>
        <translation>aangepast</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>residu</translation>
    </message>
    <message>
        <source>Dial %1</source>
        <translation>Zonnewijzer %1</translation>
    </message>
    <message>
        <source>--place must name a town or city, such as Zurich or &quot;Paris, Texas&quot;</source>
        <translation>--place moet een plaats noemen, zoals Zurich of &quot;Paris, Texas&quot;</translation>
    </message>
    <message>
        <source>--place is longer than %1 characters</source>
        <translation>--place is langer dan %1 tekens</translation>
    </message>
    <message>
        <source>--place holds a control character</source>
        <translation>--place bevat een stuurteken</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot;</source>
        <translation>geen plaats met de naam &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot;; nearest: %2</source>
        <translation>geen plaats met de naam &quot;%1&quot;; het meest gelijkend: %2</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Plaats: %1</translation>
    </message>
    <message>
        <source> (population %1)</source>
        <translation> (%1 inwoners)</translation>
    </message>
    <message>
        <source>Other places named %1: %2
</source>
        <translation>Andere plaatsen met de naam %1: %2
</translation>
    </message>
    <message>
        <source> DST</source>
        <translation> zomertijd</translation>
    </message>
    <message>
        <source> std</source>
        <translation> standaardtijd</translation>
    </message>
    <message>
        <source>Field data for latitude %1, longitude %2, on the clock UTC%3: UTC%4 standard + 1 h daylight saving</source>
        <translation>Veldgegevens voor breedte %1, lengte %2, op de klok UTC%3: UTC%4 standaardtijd + 1 h zomertijd</translation>
    </message>
    <message>
        <source>Field data for latitude %1, longitude %2, on the clock UTC%3, standard time</source>
        <translation>Veldgegevens voor breedte %1, lengte %2, op de klok UTC%3, standaardtijd</translation>
    </message>
    <message>
        <source>Angles in degrees, bearings from north through east; lengths for a plumb line 1 m high.</source>
        <translation>Hoeken in graden, richtingen van noord over oost; lengtes voor een schietlood van 1 m hoog.</translation>
    </message>
    <message>
        <source>  the sun is never seen %1 at this location and date
</source>
        <translation>  de zon is op deze plaats en datum nooit richting %1 te zien
</translation>
    </message>
    <message>
        <source>clock, as in the result</source>
        <translation>klok, zoals in het resultaat</translation>
    </message>
    <message>
        <source>true sun due %1 at</source>
        <translation>ware zon pal %1 om</translation>
    </message>
    <message>
        <source>never, above the horizon</source>
        <translation>nooit, boven de horizon</translation>
    </message>
    <message>
        <source>sun azimuth</source>
        <translation>azimut van de zon</translation>
    </message>
    <message>
        <source>sun altitude</source>
        <translation>hoogte van de zon</translation>
    </message>
    <message>
        <source>shadow bearing</source>
        <translation>richting van de schaduw</translation>
    </message>
    <message>
        <source>shadow length</source>
        <translation>lengte van de schaduw</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>off the true line</source>
        <translation>afwijking van de ware lijn</translation>
    </message>
    <message>
        <source> = %1 mm at 1 m</source>
        <translation> = %1 mm op 1 m</translation>
    </message>
    <message>
        <source>the shadow turns</source>
        <translation>de schaduw draait</translation>
    </message>
    <message>
        <source>%1 per minute</source>
        <translation>%1 per minuut</translation>
    </message>
    <message>
        <source>note</source>
        <translation>opmerking</translation>
    </message>
    <message>
        <source>azimuth</source>
        <translation>azimut</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>hoogte</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>schaduw</translation>
    </message>
    <message>
        <source>east</source>
        <translation>oost</translation>
    </message>
    <message>
        <source>meridian</source>
        <translation>meridiaan</translation>
    </message>
    <message>
        <source>west</source>
        <translation>west</translation>
    </message>
    <message>
        <source>true east</source>
        <translation>ware oost</translation>
    </message>
    <message>
        <source>true meridian</source>
        <translation>ware meridiaan</translation>
    </message>
    <message>
        <source>true west</source>
        <translation>ware west</translation>
    </message>
    <message>
        <source>Days (- where the sun is never seen there)</source>
        <translation>Dagen (- waar de zon daar nooit te zien is)</translation>
    </message>
    <message>
        <source>Mark at %1</source>
        <translation>Markering om %1</translation>
    </message>
    <message>
        <source>nearest true line</source>
        <translation>dichtstbijzijnde ware lijn</translation>
    </message>
    <message>
        <source>turn the mark</source>
        <translation>markering draaien</translation>
    </message>
    <message>
        <source>%1 (counterclockwise seen from above)</source>
        <translation>%1 (tegen de klok in, van boven gezien)</translation>
    </message>
    <message>
        <source>%1 (clockwise seen from above)</source>
        <translation>%1 (met de klok mee, van boven gezien)</translation>
    </message>
    <message>
        <source>Sun at bearing %1</source>
        <translation>Zon in richting %1</translation>
    </message>
    <message>
        <source>  not reached above the horizon on this date
</source>
        <translation>  op deze datum niet boven de horizon bereikt
</translation>
    </message>
    <message>
        <source>true sun at</source>
        <translation>ware zon om</translation>
    </message>
    <message>
        <source>length</source>
        <translation>lengte</translation>
    </message>
    <message>
        <source>turns per minute</source>
        <translation>draaiing per minuut</translation>
    </message>
    <message>
        <source>Sun at altitude %1</source>
        <translation>Zon op hoogte %1</translation>
    </message>
    <message>
        <source>  not reached on this date
</source>
        <translation>  op deze datum niet bereikt
</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>zon</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>stijgend</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>dalend</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>hoek</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muur</translation>
    </message>
    <message>
        <source>the wall faces</source>
        <translation>de muur is gericht op</translation>
    </message>
    <message>
        <source>spread</source>
        <translation>spreiding</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Waarschuwing: %1</translation>
    </message>
    <message>
        <source>orvane: no display to open the window on; give options to answer in the shell (orvane --help), or choose a platform with QT_QPA_PLATFORM (such as QT_QPA_PLATFORM=offscreen).</source>
        <translation>orvane: geen beeldscherm om het venster op te openen; geef opties om in de shell te antwoorden (orvane --help), of kies een platform met QT_QPA_PLATFORM (zoals QT_QPA_PLATFORM=offscreen).</translation>
    </message>
</context>
</TS>
