<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>cli</name>
    <message>
        <source>--language %1: not one of %2; the answer is in English</source>
        <translation>--language %1 : aucune de %2 ; la réponse est en anglais</translation>
    </message>
    <message>
        <source>Check against the clock (%1 readings)</source>
        <translation>Comparaison avec l&apos;horloge (%1 lectures)</translation>
    </message>
    <message>
        <source>turn (clockwise from above)</source>
        <translation>rotation (sens horaire vu d&apos;en haut)</translation>
    </message>
    <message>
        <source>lean (more tilt from the zenith)</source>
        <translation>inclinaison (plus d&apos;inclinaison depuis le zénith)</translation>
    </message>
    <message>
        <source>offset (dial late)</source>
        <translation>décalage (cadran en retard)</translation>
    </message>
    <message>
        <source>rms after the fit</source>
        <translation>rms après l&apos;ajustement</translation>
    </message>
    <message>
        <source>date</source>
        <translation>date</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>horloge</translation>
    </message>
    <message>
        <source>dial</source>
        <translation>cadran</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>attendu</translation>
    </message>
    <message>
        <source>error min</source>
        <translation>écart min</translation>
    </message>
    <message>
        <source>residual min</source>
        <translation>résidu min</translation>
    </message>
    <message>
        <source>the date: m/d/yyyy, yyyy-mm-dd or your locale&apos;s own form</source>
        <translation>la date : m/d/yyyy, yyyy-mm-dd ou la forme propre à vos paramètres régionaux</translation>
    </message>
    <message>
        <source>latitude in degrees, north positive; 40.655N, 40°39&apos;18&quot;N and 40 39.3 N are read too</source>
        <translation>latitude en degrés, nord positif ; 40.655N, 40°39&apos;18&quot;N et 40 39.3 N sont lus aussi</translation>
    </message>
    <message>
        <source>longitude in degrees, east positive; 72.855W, W 72.855 and 72°51&apos;18&quot;W are read too</source>
        <translation>longitude en degrés, est positif ; 72.855W, W 72.855 et 72°51&apos;18&quot;W sont lus aussi</translation>
    </message>
    <message>
        <source>the zone&apos;s standard offset from UTC, also in summer: -5, +5:30, +5:45 (New York in July: --utc-offset -5 --daylight-saving, not -4)</source>
        <translation>le décalage de l&apos;heure normale du fuseau sur UTC, même en été : -5, +5:30, +5:45 (New York en juillet : --utc-offset -5 --daylight-saving, pas -4)</translation>
    </message>
    <message>
        <source>with --utc-offset: the clock shows standard time</source>
        <translation>avec --utc-offset : l&apos;horloge indique l&apos;heure normale</translation>
    </message>
    <message>
        <source>with --utc-offset: the clock shows daylight-saving time, one hour ahead</source>
        <translation>avec --utc-offset : l&apos;horloge indique l&apos;heure d&apos;été, une heure en avance</translation>
    </message>
    <message>
        <source>instead of the three above: a time zone such as America/New_York or Asia/Kolkata, whose offset and daylight saving on each day come from its rules</source>
        <translation>au lieu des trois ci-dessus : un fuseau horaire comme America/New_York ou Asia/Kolkata, dont le décalage et l&apos;heure d&apos;été de chaque jour viennent de ses règles</translation>
    </message>
    <message>
        <source>instead of --latitude, --longitude and the clock: a town or city of 1,000 or more people, with its country or region after a comma where the name is shared (Zurich, &quot;Paris, Texas&quot;, &quot;Springfield, US&quot;); its latitude, longitude and time zone, each unless given with its own option</source>
        <translation>au lieu de --latitude, --longitude et de l&apos;horloge : une localité de 1 000 habitants ou plus, avec son pays ou sa région après une virgule si le nom est partagé (Zurich, &quot;Paris, Texas&quot;, &quot;Springfield, US&quot;) ; sa latitude, sa longitude et son fuseau horaire, chacun sauf s&apos;il est donné par sa propre option</translation>
    </message>
    <message>
        <source>days in the days table, 1 to 366 (default 1)</source>
        <translation>jours dans la table des jours, de 1 à 366 (par défaut 1)</translation>
    </message>
    <message>
        <source>also when the sun stands at this bearing (0 to under 360, from north through east); up to 8 times</source>
        <translation>aussi quand le soleil se trouve à cet azimut (de 0 à moins de 360, du nord par l&apos;est) ; jusqu&apos;à 8 fois</translation>
    </message>
    <message>
        <source>also when the sun&apos;s centre reaches this height (-1 to under 90 degrees); up to 8 times</source>
        <translation>aussi quand le centre du soleil atteint cette hauteur (de -1 à moins de 90 degrés) ; jusqu&apos;à 8 fois</translation>
    </message>
    <message>
        <source>a wall&apos;s facing from a plumb line&apos;s shadow on a level board: the clock time and the angle from the line square to the wall (towards it) to the shadow, clockwise positive; up to 20 times</source>
        <translation>l&apos;orientation d&apos;un mur d&apos;après l&apos;ombre d&apos;un fil à plomb sur une planche de niveau : l&apos;heure de l&apos;horloge et l&apos;angle de la ligne perpendiculaire au mur (vers lui) à l&apos;ombre, positif dans le sens horaire ; jusqu&apos;à 20 fois</translation>
    </message>
    <message>
        <source>the clock time at which you marked the shadow: its bearing and the turn onto the nearest true line</source>
        <translation>l&apos;heure de l&apos;horloge à laquelle vous avez marqué l&apos;ombre : son azimut et la rotation vers la ligne vraie la plus proche</translation>
    </message>
    <message>
        <source>instead of the field data: a sundial for the site, with its hour lines, style, gnomon and date lines; KIND is one of: %1</source>
        <translation>au lieu des données de terrain : un cadran solaire pour le lieu, avec ses lignes horaires, son style, son gnomon et ses arcs diurnes ; KIND est l&apos;un de : %1</translation>
    </message>
    <message>
        <source>the direction the face looks, from north through east (180 = south): the wall&apos;s facing; for --dial polar instead of the equator&apos;s side</source>
        <translation>la direction vers laquelle regarde la table, du nord par l&apos;est (180 = sud) : l&apos;orientation du mur ; pour --dial polar au lieu du côté de l&apos;équateur</translation>
    </message>
    <message>
        <source>with --dial plane: the angle from the zenith to the face&apos;s outward normal (0 level, 90 upright)</source>
        <translation>avec --dial plane : l&apos;angle du zénith à la normale extérieure de la table (0 horizontale, 90 verticale)</translation>
    </message>
    <message>
        <source>the nodus&apos;s height above the dial&apos;s face in mm (default 100)</source>
        <translation>la hauteur de l&apos;œilleton au-dessus de la table en mm (par défaut 100)</translation>
    </message>
    <message>
        <source>the plate&apos;s width and height in mm, 50 to 5000 (default 300x300)</source>
        <translation>la largeur et la hauteur de la plaque en mm, de 50 à 5000 (par défaut 300x300)</translation>
    </message>
    <message>
        <source>with --dial analemmatic: the ellipse&apos;s half-width east-west in metres, 0.1 to 50 (default 2.5)</source>
        <translation>avec --dial analemmatic : la demi-largeur est-ouest de l&apos;ellipse en mètres, de 0.1 à 50 (par défaut 2.5)</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the hole&apos;s height above the floor, or out from the wall, in metres, 0.1 to 50</source>
        <translation>avec --dial noon-mark : la hauteur du trou au-dessus du sol, ou sa distance au mur, en mètres, de 0.1 à 50</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the round hole&apos;s diameter in mm, 1 to 200 (default 10)</source>
        <translation>avec --dial noon-mark : le diamètre du trou rond en mm, de 1 à 200 (par défaut 10)</translation>
    </message>
    <message>
        <source>with --dial noon-mark: the time of the zone&apos;s standard clock to mark (default 12:00; 13:00 for summer time)</source>
        <translation>avec --dial noon-mark : l&apos;heure normale du fuseau à marquer (par défaut 12:00 ; 13:00 pour l&apos;heure d&apos;été)</translation>
    </message>
    <message>
        <source>with --dial bifilar: the height above the face of the wire along the plate&apos;s x axis, 5 mm to the plate&apos;s smaller side (default: the height that spaces the hours evenly where one does, else the y-wire&apos;s)</source>
        <translation>avec --dial bifilar : la hauteur au-dessus de la table du fil le long de l&apos;axe x de la plaque, de 5 mm au plus petit côté de la plaque (par défaut : la hauteur qui espace également les heures quand il y en a une, sinon celle du fil y)</translation>
    </message>
    <message>
        <source>with --dial bifilar: the height above the face of the wire along the plate&apos;s y axis, 5 mm to the plate&apos;s smaller side (default 100)</source>
        <translation>avec --dial bifilar : la hauteur au-dessus de la table du fil le long de l&apos;axe y de la plaque, de 5 mm au plus petit côté de la plaque (par défaut 100)</translation>
    </message>
    <message>
        <source>an hour line every 60 (default), 30 or 15 minutes</source>
        <translation>une ligne horaire toutes les 60 (par défaut), 30 ou 15 minutes</translation>
    </message>
    <message>
        <source>sun (default): the dial shows local sun time; zone: its 12 line is the zone meridian&apos;s mean noon; clock: each hour line is the figure-8 the shadow traces at that hour of the zone&apos;s standard clock</source>
        <translation>sun (par défaut) : le cadran indique le temps solaire vrai ; zone : sa ligne de 12 h est le midi moyen du méridien du fuseau ; clock : chaque ligne horaire est la courbe en 8 que trace l&apos;ombre à cette heure de l&apos;horloge normale du fuseau</translation>
    </message>
    <message>
        <source>none, solstices (default: the solstices and the equinox) or months (also the first of each month)</source>
        <translation>none, solstices (par défaut : les solstices et l&apos;équinoxe) ou months (aussi le premier de chaque mois)</translation>
    </message>
    <message>
        <source>a comma list of the hour systems drawn: equal (default), italian (hours since the previous sunset), babylonian (since sunrise), unequal (twelfths of the daylight); not for --dial analemmatic or noon-mark</source>
        <translation>une liste, séparée par des virgules, des systèmes horaires tracés : equal (par défaut), italian (heures depuis le coucher du soleil précédent), babylonian (depuis le lever), unequal (douzièmes du jour) ; pas pour --dial analemmatic ni noon-mark</translation>
    </message>
    <message>
        <source>a date line for the sun&apos;s declination at noon on that month and day, labelled (up to 40 characters) or by its date and the other day of the same declination; up to 12 times</source>
        <translation>un arc diurne pour la déclinaison du soleil à midi ce mois et ce jour, avec une étiquette (jusqu&apos;à 40 caractères) ou avec sa date et l&apos;autre jour de même déclinaison ; jusqu&apos;à 12 fois</translation>
    </message>
    <message>
        <source>with --dial: the correction card, what to add to the dial&apos;s reading each day for the clock</source>
        <translation>avec --dial : la table de correction, ce qu&apos;il faut ajouter chaque jour à la lecture du cadran pour l&apos;heure de l&apos;horloge</translation>
    </message>
    <message>
        <source>with --dial: the dial drawn at full scale as SVG, in millimetres</source>
        <translation>avec --dial : le cadran dessiné en vraie grandeur en SVG, en millimètres</translation>
    </message>
    <message>
        <source>with --dial: the same drawing as DXF for cutters and routers, in millimetres, one layer per part</source>
        <translation>avec --dial : le même dessin en DXF pour découpeuses et défonceuses, en millimètres, un calque par partie</translation>
    </message>
    <message>
        <source>with --dial: the correction card alone as SVG</source>
        <translation>avec --dial : la table de correction seule en SVG</translation>
    </message>
    <message>
        <source>with --svg or --dxf: the drawing at 1:N, a plan (default 1:1)</source>
        <translation>avec --svg ou --dxf : le dessin à l&apos;échelle 1:N, un plan (par défaut 1:1)</translation>
    </message>
    <message>
        <source>with --dial: the dial printed at full scale as PDF, over as many pages as it needs</source>
        <translation>avec --dial : le cadran imprimé en vraie grandeur en PDF, sur autant de pages qu&apos;il faut</translation>
    </message>
    <message>
        <source>with --dial: a standing dial checked against the clock: the date, the clock&apos;s time and what the dial showed then (in its own time, sun or zone); up to 100 times, fitted for how the dial stands turned and leaned</source>
        <translation>avec --dial : un cadran en place comparé à l&apos;horloge : la date, l&apos;heure de l&apos;horloge et ce que le cadran indiquait alors (dans son propre temps, sun ou zone) ; jusqu&apos;à 100 fois, ajusté selon la rotation et l&apos;inclinaison du cadran</translation>
    </message>
    <message>
        <source>instead of the field data, with no site: an old dial&apos;s latitude (and for vertical its wall&apos;s facing) from its hour lines; KIND is horizontal or vertical</source>
        <translation>au lieu des données de terrain, sans lieu : la latitude d&apos;un ancien cadran (et pour vertical l&apos;orientation de son mur) d&apos;après ses lignes horaires ; KIND est horizontal ou vertical</translation>
    </message>
    <message>
        <source>with --find-dial, once a line: its hour in sun time and its angle at the root from the noon line, as --dial&apos;s angle_deg: + towards x, east on a level dial, right on a wall</source>
        <translation>avec --find-dial, une fois par ligne : son heure en temps solaire vrai et son angle au pied depuis la ligne de midi, comme angle_deg de --dial : + vers x, l&apos;est sur un cadran horizontal, la droite sur un mur</translation>
    </message>
    <message>
        <source>also how far a compass points from true north at the site on the date, from the World Magnetic Model WMM2025 (2025.0 to 2030.0)</source>
        <translation>aussi de combien une boussole s&apos;écarte du nord vrai au lieu et à la date, selon le World Magnetic Model WMM2025 (2025.0 à 2030.0)</translation>
    </message>
    <message>
        <source>text (default), json or csv</source>
        <translation>text (par défaut), json ou csv</translation>
    </message>
    <message>
        <source>the language of the answer: en, de, es, fr, it or nl; without it the desktop&apos;s (LANGUAGE, LC_MESSAGES, LANG)</source>
        <translation>la langue de la réponse : en, de, es, fr, it ou nl ; sans elle, celle du bureau (LANGUAGE, LC_MESSAGES, LANG)</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>afficher ce texte</translation>
    </message>
    <message>
        <source>show the program&apos;s version</source>
        <translation>afficher la version du programme</translation>
    </message>
    <message>
        <source>%1 may be given at most %2 times</source>
        <translation>%1 peut être donné au plus %2 fois</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: give degrees from %3 to under %4</source>
        <translation>%1 &quot;%2&quot; : donnez des degrés de %3 à moins de %4</translation>
    </message>
    <message>
        <source>--wall-reading may be given at most 20 times</source>
        <translation>--wall-reading peut être donné au plus 20 fois</translation>
    </message>
    <message>
        <source>--wall-reading &quot;%1&quot;: give the clock time and the angle in degrees, such as 10:15:00@-23.5</source>
        <translation>--wall-reading &quot;%1&quot; : donnez l&apos;heure de l&apos;horloge et l&apos;angle en degrés, comme 10:15:00@-23.5</translation>
    </message>
    <message>
        <source>--wall-reading &quot;%1&quot;: the angle must lie between -90 and 90 degrees; the sun then shines on the wall</source>
        <translation>--wall-reading &quot;%1&quot; : l&apos;angle doit être compris entre -90 et 90 degrés ; le soleil éclaire alors le mur</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>give either --utc-offset with --standard or --daylight-saving, or --zone</source>
        <translation>donnez soit --utc-offset avec --standard ou --daylight-saving, soit --zone</translation>
    </message>
    <message>
        <source>--zone takes the daylight saving from the zone&apos;s rules: leave out --standard and --daylight-saving</source>
        <translation>--zone prend l&apos;heure d&apos;été dans les règles du fuseau : omettez --standard et --daylight-saving</translation>
    </message>
    <message>
        <source>--place takes the daylight saving from the place&apos;s time zone (%1): leave out --standard and --daylight-saving, or give --utc-offset with them</source>
        <translation>--place prend l&apos;heure d&apos;été dans le fuseau horaire du lieu (%1) : omettez --standard et --daylight-saving, ou donnez --utc-offset avec elles</translation>
    </message>
    <message>
        <source>--utc-offset must be hours with an optional sign and minutes, such as -5, +5:30 or +5:45, not &quot;%1&quot;</source>
        <translation>--utc-offset doit être des heures avec signe et minutes facultatifs, comme -5, +5:30 ou +5:45, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no time zone has the offset %1</source>
        <translation>aucun fuseau horaire n&apos;a le décalage %1</translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot;</source>
        <translation>fuseau horaire inconnu &quot;%1&quot;</translation>
    </message>
    <message>
        <source>; give a name such as America/New_York or Asia/Kolkata</source>
        <translation> ; donnez un nom comme America/New_York ou Asia/Kolkata</translation>
    </message>
    <message>
        <source>: did you mean %1?</source>
        <translation> : vouliez-vous dire %1 ?</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>--days must be a whole number from 1 to 366</source>
        <translation>--days doit être un nombre entier de 1 à 366</translation>
    </message>
    <message>
        <source>--mark must be a clock time HH:MM or HH:MM:SS, such as 08:55:10</source>
        <translation>--mark doit être une heure HH:MM ou HH:MM:SS, comme 08:55:10</translation>
    </message>
    <message>
        <source>%1: the zone&apos;s offset on %2 is not a whole number of minutes</source>
        <translation>%1 : le décalage du fuseau le %2 n&apos;est pas un nombre entier de minutes</translation>
    </message>
    <message>
        <source>%1: no time zone has its offset on %2 (%3)</source>
        <translation>%1 : aucun fuseau horaire n&apos;a son décalage du %2 (%3)</translation>
    </message>
    <message>
        <source>write m/d/yyyy (6/21/2027), yyyy-mm-dd (2027-06-21) or this computer&apos;s own form (%1)</source>
        <translation>écrivez m/d/yyyy (6/21/2027), yyyy-mm-dd (2027-06-21) ou la forme propre à cet ordinateur (%1)</translation>
    </message>
    <message>
        <source>degrees from -90 to 90, north positive, with %1</source>
        <translation>degrés de -90 à 90, nord positif, avec %1</translation>
    </message>
    <message>
        <source>degrees from -180 to 180, east positive (-72.855) or with a letter (72.855W), not both, with %1</source>
        <translation>degrés de -180 à 180, est positif (-72.855) ou avec une lettre (72.855W), pas les deux, avec %1</translation>
    </message>
    <message>
        <source> Add --standard or --daylight-saving to --utc-offset, or give --zone.</source>
        <translation> Ajoutez --standard ou --daylight-saving à --utc-offset, ou donnez --zone.</translation>
    </message>
    <message>
        <source> (with %1)</source>
        <translation> (avec %1)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source> (%1 optional)</source>
        <translation> (%1 facultatif)</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après &apos;%1&apos;.</translation>
    </message>
    <message>
        <source> orvane --help lists the options.</source>
        <translation> orvane --help liste les options.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 est donné plus d&apos;une fois</translation>
    </message>
    <message>
        <source>--format must be text, json or csv</source>
        <translation>--format doit être text, json ou csv</translation>
    </message>
    <message>
        <source>--latitude &quot;%1&quot; holds a latitude and a longitude: give the longitude with --longitude</source>
        <translation>--latitude &quot;%1&quot; contient une latitude et une longitude : donnez la longitude avec --longitude</translation>
    </message>
    <message>
        <source>--dial %1 at latitude %2: %3</source>
        <translation>--dial %1 à la latitude %2 : %3</translation>
    </message>
    <message>
        <source>--magnetic: the date %1 lies outside the years of the World Magnetic Model %2 (%3)</source>
        <translation>--magnetic : la date %1 est hors des années du World Magnetic Model %2 (%3)</translation>
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
        <translation>Usage : orvane [--date DATE --latitude DEG --longitude DEG
                (--utc-offset H[:MM] (--standard | --daylight-saving) | --zone NAME)
                ou --date DATE --place NAME, coordonnées et horloge facultatives)
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
                [--card-svg FILE] [--pdf FILE], avec la date, le lieu et l&apos;horloge
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
        <translation>Sans options, Orvane ouvre sa fenêtre. Avec elles, il imprime, pour la date et
le lieu, les heures de l&apos;horloge où le soleil se trouve plein est, au méridien
et plein ouest, à côté les instants du soleil vrai, la direction de l&apos;ombre et
sa vitesse de rotation, et les mêmes heures pour les jours suivants. Avec
--dial, il trace à la place un cadran solaire pour le lieu ; avec --find-dial,
il retrouve la latitude d&apos;un ancien cadran, et l&apos;orientation de son mur,
d&apos;après les angles de ses lignes horaires.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Exemples :</translation>
    </message>
    <message>
        <source>--check-reading &quot;%1&quot; (reading %2): %3</source>
        <translation>--check-reading &quot;%1&quot; (lecture %2) : %3</translation>
    </message>
    <message>
        <source>--pdf &quot;%1&quot;: %2 pages</source>
        <translation>--pdf &quot;%1&quot; : %2 pages</translation>
    </message>
    <message>
        <source>--wall-reading %1 (reading %2): %3</source>
        <translation>--wall-reading %1 (lecture %2) : %3</translation>
    </message>
    <message>
        <source>the sun is below the horizon then</source>
        <translation>le soleil est alors sous l&apos;horizon</translation>
    </message>
    <message>
        <source>the angle must lie between -90 and 90 degrees</source>
        <translation>l&apos;angle doit être compris entre -90 et 90 degrés</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;écrire &quot;%1&quot; : %2</translation>
    </message>
    <message>
        <source>--pdf &quot;%1&quot;: PDF output needs the window&apos;s libraries, which this program was built without; write --svg instead</source>
        <translation>--pdf &quot;%1&quot; : la sortie PDF a besoin des bibliothèques de la fenêtre, sans lesquelles ce programme a été construit ; utilisez plutôt --svg</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: the pages could not be painted</source>
        <translation>impossible d&apos;écrire &quot;%1&quot; : les pages n&apos;ont pas pu être dessinées</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>not in %1; </source>
        <translation>pas en %1 ; </translation>
    </message>
    <message>
        <source>not a number with %1; </source>
        <translation>pas un nombre avec %1 ; </translation>
    </message>
    <message>
        <source>not a time; </source>
        <translation>pas une heure ; </translation>
    </message>
    <message>
        <source>--plate &quot;%1&quot;: the nodus height (%2 mm) must not exceed the plate&apos;s smaller side; give --%3</source>
        <translation>--plate &quot;%1&quot; : la hauteur de l&apos;œilleton (%2 mm) ne doit pas dépasser le plus petit côté de la plaque ; donnez --%3</translation>
    </message>
    <message>
        <source>%1 is for --dial %2; %3 takes none</source>
        <translation>%1 est pour --dial %2 ; %3 n&apos;en prend pas</translation>
    </message>
    <message>
        <source>give the width and height in mm, such as 300x300</source>
        <translation>donnez la largeur et la hauteur en mm, comme 300x300</translation>
    </message>
    <message>
        <source>--check-reading may be given at most %1 times</source>
        <translation>--check-reading peut être donné au plus %1 fois</translation>
    </message>
    <message>
        <source>--check-reading &quot;%1&quot;: give the date, the clock&apos;s time and what the dial showed then, such as &quot;2027-03-01 10:15=10:27&quot; (YYYY-MM-DD HH:MM[:SS]=HH:MM[:SS])</source>
        <translation>--check-reading &quot;%1&quot; : donnez la date, l&apos;heure de l&apos;horloge et ce que le cadran indiquait alors, comme &quot;2027-03-01 10:15=10:27&quot; (YYYY-MM-DD HH:MM[:SS]=HH:MM[:SS])</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>give a comma list of equal, italian, babylonian and unequal</source>
        <translation>donnez une liste, séparée par des virgules, de equal, italian, babylonian et unequal</translation>
    </message>
    <message>
        <source>--date-line may be given at most %1 times</source>
        <translation>--date-line peut être donné au plus %1 fois</translation>
    </message>
    <message>
        <source>--date-line &quot;%1&quot;: give a date that exists, YYYY-MM-DD, and a label after = if wanted, such as 1990-05-14=Anna</source>
        <translation>--date-line &quot;%1&quot; : donnez une date qui existe, YYYY-MM-DD, et une étiquette après = si vous le souhaitez, comme 1990-05-14=Anna</translation>
    </message>
    <message>
        <source>--date-line &quot;%1&quot;: give %2</source>
        <translation>--date-line &quot;%1&quot; : donnez %2</translation>
    </message>
    <message>
        <source>%1 goes with --dial %2</source>
        <translation>%1 va avec --dial %2</translation>
    </message>
    <message>
        <source>%1 is for the field data, which --dial does not print</source>
        <translation>%1 est pour les données de terrain, que --dial n&apos;imprime pas</translation>
    </message>
    <message>
        <source>give %1</source>
        <translation>donnez %1</translation>
    </message>
    <message>
        <source>give 60, 30 or 15 minutes</source>
        <translation>donnez 60, 30 ou 15 minutes</translation>
    </message>
    <message>
        <source>give sun, zone or clock</source>
        <translation>donnez sun, zone ou clock</translation>
    </message>
    <message>
        <source>give none, solstices or months</source>
        <translation>donnez none, solstices ou months</translation>
    </message>
    <message>
        <source>give 1:N, N a whole number from 1 to %1, such as 1:50</source>
        <translation>donnez 1:N, N un nombre entier de 1 à %1, comme 1:50</translation>
    </message>
    <message>
        <source>--scale goes with --svg or --dxf</source>
        <translation>--scale va avec --svg ou --dxf</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 a besoin d&apos;un nom de fichier</translation>
    </message>
    <message>
        <source>--card-svg: a dial drawn to the clock (--dial-time clock) needs no correction card</source>
        <translation>--card-svg : un cadran tracé pour l&apos;horloge (--dial-time clock) n&apos;a pas besoin de table de correction</translation>
    </message>
    <message>
        <source>zone time (the 12 line at UTC%1&apos;s mean noon)</source>
        <translation>heure du fuseau (la ligne de 12 h au midi moyen de UTC%1)</translation>
    </message>
    <message>
        <source>sun time</source>
        <translation>temps solaire vrai</translation>
    </message>
    <message>
        <source>Correction card %1: add to the dial&apos;s reading to get the clock&apos;s time</source>
        <translation>Table de correction %1 : à ajouter à la lecture du cadran pour obtenir l&apos;heure de l&apos;horloge</translation>
    </message>
    <message>
        <source>week from</source>
        <translation>semaine du</translation>
    </message>
    <message>
        <source>add</source>
        <translation>ajouter</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>%1 for latitude %2, longitude %3, showing %4
</source>
        <translation>%1 pour la latitude %2, longitude %3, indique %4
</translation>
    </message>
    <message>
        <source>give the hour in sun time and the angle in degrees, such as 9=-37.5</source>
        <translation>donnez l&apos;heure en temps solaire vrai et l&apos;angle en degrés, comme 9=-37.5</translation>
    </message>
    <message>
        <source>the hour must be from 0 to under 24</source>
        <translation>l&apos;heure doit aller de 0 à moins de 24</translation>
    </message>
    <message>
        <source>the angle must lie between -90 and 90 degrees: a line at the root makes less than a right angle with the noon line</source>
        <translation>l&apos;angle doit être compris entre -90 et 90 degrés : au pied, une ligne fait moins d&apos;un angle droit avec la ligne de midi</translation>
    </message>
    <message>
        <source>hour %1 is given twice</source>
        <translation>l&apos;heure %1 est donnée deux fois</translation>
    </message>
    <message>
        <source>--line-angle goes with --find-dial %1</source>
        <translation>--line-angle va avec --find-dial %1</translation>
    </message>
    <message>
        <source>--%1 is not taken by --find-dial: the hour lines alone give the latitude and the facing</source>
        <translation>--%1 n&apos;est pas pris par --find-dial : les lignes horaires seules donnent la latitude et l&apos;orientation</translation>
    </message>
    <message>
        <source>--find-dial &quot;%1&quot;: give %2</source>
        <translation>--find-dial &quot;%1&quot; : donnez %2</translation>
    </message>
    <message>
        <source>--line-angle may be given at most %1 times</source>
        <translation>--line-angle peut être donné au plus %1 fois</translation>
    </message>
    <message>
        <source>--find-dial %1 needs a line besides noon&apos;s, one --line-angle HOUR=DEG each, for the latitude</source>
        <translation>--find-dial %1 a besoin d&apos;une ligne en plus de celle de midi, un --line-angle HOUR=DEG chacune, pour la latitude</translation>
    </message>
    <message>
        <source>--find-dial %1 needs %2 lines besides noon&apos;s, one --line-angle HOUR=DEG each, for the latitude and the facing</source>
        <translation>--find-dial %1 a besoin de %2 lignes en plus de celle de midi, un --line-angle HOUR=DEG chacune, pour la latitude et l&apos;orientation</translation>
    </message>
    <message>
        <source>%1 (faces %2)</source>
        <translation>%1 (face au %2)</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 à l&apos;%2 du %3</translation>
    </message>
    <message>
        <source>. Check that the hours are sun time and that angles towards the east are positive.</source>
        <translation>. Vérifiez que les heures sont en temps solaire vrai et que les angles vers l&apos;est sont positifs.</translation>
    </message>
    <message>
        <source>. Check that the hours are sun time and that angles towards the right are positive.</source>
        <translation>. Vérifiez que les heures sont en temps solaire vrai et que les angles vers la droite sont positifs.</translation>
    </message>
    <message>
        <source>No %1 fits these lines within %2 degrees rms</source>
        <translation>Aucun %1 ne correspond à ces lignes à %2 degrés rms près</translation>
    </message>
    <message>
        <source>; the closest, at latitude %1 facing %2, misses them by %3 degrees rms</source>
        <translation> ; le plus proche, à la latitude %1 orienté à %2, s&apos;en écarte de %3 degrés rms</translation>
    </message>
    <message>
        <source>; the closest, at latitude %1, misses them by %2 degrees rms</source>
        <translation> ; le plus proche, à la latitude %1, s&apos;en écarte de %2 degrés rms</translation>
    </message>
    <message>
        <source>%1 from %2 hour lines: %3 within %4 degrees rms
</source>
        <translation>%1 d&apos;après %2 lignes horaires : %3 à %4 degrés rms près
</translation>
    </message>
    <message>
        <source>none fits</source>
        <translation>aucun ne correspond</translation>
    </message>
    <message>
        <source>1 fits</source>
        <translation>1 correspond</translation>
    </message>
    <message>
        <source>%1 fit</source>
        <translation>%1 correspondent</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>facing</source>
        <translation>orientation</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>déclinaison</translation>
    </message>
    <message>
        <source>rms</source>
        <translation>rms</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>mesuré</translation>
    </message>
    <message>
        <source>fitted</source>
        <translation>ajusté</translation>
    </message>
    <message>
        <source>residual</source>
        <translation>résidu</translation>
    </message>
    <message>
        <source>Dial %1</source>
        <translation>Cadran %1</translation>
    </message>
    <message>
        <source>--place must name a town or city, such as Zurich or &quot;Paris, Texas&quot;</source>
        <translation>--place doit nommer une localité, comme Zurich ou &quot;Paris, Texas&quot;</translation>
    </message>
    <message>
        <source>--place is longer than %1 characters</source>
        <translation>--place dépasse %1 caractères</translation>
    </message>
    <message>
        <source>--place holds a control character</source>
        <translation>--place contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot;</source>
        <translation>aucun lieu nommé &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no place named &quot;%1&quot;; nearest: %2</source>
        <translation>aucun lieu nommé &quot;%1&quot; ; les plus proches : %2</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Lieu : %1</translation>
    </message>
    <message>
        <source> (population %1)</source>
        <translation> (population %1)</translation>
    </message>
    <message>
        <source>Other places named %1: %2
</source>
        <translation>Autres lieux nommés %1 : %2
</translation>
    </message>
    <message>
        <source> DST</source>
        <translation> heure d&apos;été</translation>
    </message>
    <message>
        <source> std</source>
        <translation> heure normale</translation>
    </message>
    <message>
        <source>Field data for latitude %1, longitude %2, on the clock UTC%3: UTC%4 standard + 1 h daylight saving</source>
        <translation>Données de terrain pour la latitude %1, longitude %2, à l&apos;horloge UTC%3 : UTC%4 heure normale + 1 h d&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Field data for latitude %1, longitude %2, on the clock UTC%3, standard time</source>
        <translation>Données de terrain pour la latitude %1, longitude %2, à l&apos;horloge UTC%3, heure normale</translation>
    </message>
    <message>
        <source>Angles in degrees, bearings from north through east; lengths for a plumb line 1 m high.</source>
        <translation>Angles en degrés, azimuts du nord par l&apos;est ; longueurs pour un fil à plomb de 1 m de haut.</translation>
    </message>
    <message>
        <source>  the sun is never seen %1 at this location and date
</source>
        <translation>  le soleil n&apos;est jamais vu plein %1 en ce lieu et à cette date
</translation>
    </message>
    <message>
        <source>clock, as in the result</source>
        <translation>horloge, comme dans le résultat</translation>
    </message>
    <message>
        <source>true sun due %1 at</source>
        <translation>soleil vrai plein %1 à</translation>
    </message>
    <message>
        <source>never, above the horizon</source>
        <translation>jamais, au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>sun azimuth</source>
        <translation>azimut du soleil</translation>
    </message>
    <message>
        <source>sun altitude</source>
        <translation>hauteur du soleil</translation>
    </message>
    <message>
        <source>shadow bearing</source>
        <translation>azimut de l&apos;ombre</translation>
    </message>
    <message>
        <source>shadow length</source>
        <translation>longueur de l&apos;ombre</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>off the true line</source>
        <translation>écart à la ligne vraie</translation>
    </message>
    <message>
        <source> = %1 mm at 1 m</source>
        <translation> = %1 mm à 1 m</translation>
    </message>
    <message>
        <source>the shadow turns</source>
        <translation>l&apos;ombre tourne</translation>
    </message>
    <message>
        <source>%1 per minute</source>
        <translation>%1 par minute</translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>azimuth</source>
        <translation>azimut</translation>
    </message>
    <message>
        <source>altitude</source>
        <translation>hauteur</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>ombre</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>meridian</source>
        <translation>méridien</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ouest</translation>
    </message>
    <message>
        <source>true east</source>
        <translation>est vrai</translation>
    </message>
    <message>
        <source>true meridian</source>
        <translation>méridien vrai</translation>
    </message>
    <message>
        <source>true west</source>
        <translation>ouest vrai</translation>
    </message>
    <message>
        <source>Days (- where the sun is never seen there)</source>
        <translation>Jours (- là où le soleil n&apos;y est jamais vu)</translation>
    </message>
    <message>
        <source>Mark at %1</source>
        <translation>Repère à %1</translation>
    </message>
    <message>
        <source>nearest true line</source>
        <translation>ligne vraie la plus proche</translation>
    </message>
    <message>
        <source>turn the mark</source>
        <translation>tourner le repère</translation>
    </message>
    <message>
        <source>%1 (counterclockwise seen from above)</source>
        <translation>%1 (sens antihoraire vu d&apos;en haut)</translation>
    </message>
    <message>
        <source>%1 (clockwise seen from above)</source>
        <translation>%1 (sens horaire vu d&apos;en haut)</translation>
    </message>
    <message>
        <source>Sun at bearing %1</source>
        <translation>Soleil à l&apos;azimut %1</translation>
    </message>
    <message>
        <source>  not reached above the horizon on this date
</source>
        <translation>  pas atteint au-dessus de l&apos;horizon à cette date
</translation>
    </message>
    <message>
        <source>true sun at</source>
        <translation>soleil vrai à</translation>
    </message>
    <message>
        <source>length</source>
        <translation>longueur</translation>
    </message>
    <message>
        <source>turns per minute</source>
        <translation>rotation par minute</translation>
    </message>
    <message>
        <source>Sun at altitude %1</source>
        <translation>Soleil à la hauteur %1</translation>
    </message>
    <message>
        <source>  not reached on this date
</source>
        <translation>  pas atteint à cette date
</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>soleil</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>montant</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>descendant</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>angle</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mur</translation>
    </message>
    <message>
        <source>the wall faces</source>
        <translation>le mur fait face à</translation>
    </message>
    <message>
        <source>spread</source>
        <translation>dispersion</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avertissement : %1</translation>
    </message>
    <message>
        <source>orvane: no display to open the window on; give options to answer in the shell (orvane --help), or choose a platform with QT_QPA_PLATFORM (such as QT_QPA_PLATFORM=offscreen).</source>
        <translation>orvane : aucun écran où ouvrir la fenêtre ; donnez des options pour répondre dans le terminal (orvane --help), ou choisissez une plateforme avec QT_QPA_PLATFORM (comme QT_QPA_PLATFORM=offscreen).</translation>
    </message>
</context>
</TS>
