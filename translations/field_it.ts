<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>field</name>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Compass: not given for this date; the World Magnetic Model %1 covers %2. The sun&apos;s meridian passage gives the north-south line.</source>
        <translation>Bussola: non indicata per questa data; il World Magnetic Model %1 copre %2. Il passaggio del sole al meridiano dà la linea nord-sud.</translation>
    </message>
    <message>
        <source>its needle points to true north here, within %1</source>
        <translation>qui l&apos;ago indica il nord vero, entro %1</translation>
    </message>
    <message>
        <source>its needle points %1 east of true north here</source>
        <translation>qui l&apos;ago punta %1 a est del nord vero</translation>
    </message>
    <message>
        <source>its needle points %1 west of true north here</source>
        <translation>qui l&apos;ago punta %1 a ovest del nord vero</translation>
    </message>
    <message>
        <source>hardly moving from year to year</source>
        <translation>quasi fermo da un anno all&apos;altro</translation>
    </message>
    <message>
        <source>moving %1 a year eastward</source>
        <translation>in moto di %1 all&apos;anno verso est</translation>
    </message>
    <message>
        <source>moving %1 a year westward</source>
        <translation>in moto di %1 all&apos;anno verso ovest</translation>
    </message>
    <message>
        <source>Compass: %1 (%2 for this date, %3); iron and steel nearby turn it further. The sun&apos;s meridian passage gives the truer north-south line.</source>
        <translation>Bussola: %1 (%2 per questa data, %3); ferro e acciaio vicini la deviano ancora. Il passaggio del sole al meridiano dà una linea nord-sud più fedele.</translation>
    </message>
    <message>
        <source>readings on other days, a month or more apart</source>
        <translation>letture in altri giorni, a un mese o più di distanza</translation>
    </message>
    <message>
        <source>readings in the morning and the afternoon, two hours or more from noon</source>
        <translation>letture al mattino e al pomeriggio, a due ore o più dal mezzogiorno</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, e %2</translation>
    </message>
    <message>
        <source>readings on other days and at other hours</source>
        <translation>letture in altri giorni e ad altre ore</translation>
    </message>
    <message>
        <source>Four readings at least are needed to find the turn, the lean and the clock&apos;s offset: add %1.</source>
        <translation>Servono almeno quattro letture per trovare la rotazione, l&apos;inclinazione e lo scarto dell&apos;orologio: aggiungi %1.</translation>
    </message>
    <message>
        <source>These readings cannot tell the turn from the lean: add %1.</source>
        <translation>Queste letture non distinguono la rotazione dall&apos;inclinazione: aggiungi %1.</translation>
    </message>
    <message>
        <source>These readings cannot tell the turn from the clock&apos;s offset: add %1.</source>
        <translation>Queste letture non distinguono la rotazione dallo scarto dell&apos;orologio: aggiungi %1.</translation>
    </message>
    <message>
        <source>These readings cannot tell the lean from the clock&apos;s offset: add %1.</source>
        <translation>Queste letture non distinguono l&apos;inclinazione dallo scarto dell&apos;orologio: aggiungi %1.</translation>
    </message>
    <message>
        <source>the noon line&apos;s north end %1 mm to the west on this %2 mm plate</source>
        <translation>l&apos;estremità nord della linea del mezzogiorno di %1 mm verso ovest su questa lastra di %2 mm</translation>
    </message>
    <message>
        <source>the noon line&apos;s north end %1 mm to the east on this %2 mm plate</source>
        <translation>l&apos;estremità nord della linea del mezzogiorno di %1 mm verso est su questa lastra di %2 mm</translation>
    </message>
    <message>
        <source>its right edge %1 mm back on this %2 mm wide plate</source>
        <translation>il suo bordo destro di %1 mm indietro su questa lastra larga %2 mm</translation>
    </message>
    <message>
        <source>its right edge %1 mm forward on this %2 mm wide plate</source>
        <translation>il suo bordo destro di %1 mm in avanti su questa lastra larga %2 mm</translation>
    </message>
    <message>
        <source>Turn the dial %1 anticlockwise seen from above: %2.</source>
        <translation>Ruota l&apos;orologio di %1 in senso antiorario visto dall&apos;alto: %2.</translation>
    </message>
    <message>
        <source>Turn the dial %1 clockwise seen from above: %2.</source>
        <translation>Ruota l&apos;orologio di %1 in senso orario visto dall&apos;alto: %2.</translation>
    </message>
    <message>
        <source>The face leans %1 down towards the south: raise its south edge %2 mm over the plate&apos;s %3 mm.</source>
        <translation>Il quadrante pende di %1 verso sud: alza il suo bordo sud di %2 mm sui %3 mm della lastra.</translation>
    </message>
    <message>
        <source>The face leans %1 down towards the north: raise its north edge %2 mm over the plate&apos;s %3 mm.</source>
        <translation>Il quadrante pende di %1 verso nord: alza il suo bordo nord di %2 mm sui %3 mm della lastra.</translation>
    </message>
    <message>
        <source>The face leans %1 forward: tip its top edge %2 mm back over the plate&apos;s %3 mm.</source>
        <translation>Il quadrante pende di %1 in avanti: porta indietro il suo bordo superiore di %2 mm sui %3 mm della lastra.</translation>
    </message>
    <message>
        <source>The face leans %1 back: tip its top edge %2 mm forward over the plate&apos;s %3 mm.</source>
        <translation>Il quadrante pende di %1 all&apos;indietro: porta in avanti il suo bordo superiore di %2 mm sui %3 mm della lastra.</translation>
    </message>
    <message>
        <source>The rest is %1 minutes, the dial ahead of the clock: check the clock, and that the readings were taken in the dial&apos;s own time.</source>
        <translation>Restano %1 minuti, l&apos;orologio solare in anticipo sull&apos;orologio: controlla l&apos;orologio, e che le letture siano state fatte nel tempo proprio del quadrante.</translation>
    </message>
    <message>
        <source>The rest is %1 minutes, the dial behind the clock: check the clock, and that the readings were taken in the dial&apos;s own time.</source>
        <translation>Restano %1 minuti, l&apos;orologio solare in ritardo sull&apos;orologio: controlla l&apos;orologio, e che le letture siano state fatte nel tempo proprio del quadrante.</translation>
    </message>
    <message>
        <source>The dial stands true: within %1 of turn and lean and a minute of time.</source>
        <translation>L&apos;orologio è a posto: entro %1 di rotazione e inclinazione e un minuto di tempo.</translation>
    </message>
    <message>
        <source>forward</source>
        <comment>leaning</comment>
        <translation>in avanti</translation>
    </message>
    <message>
        <source>back</source>
        <comment>leaning</comment>
        <translation>all&apos;indietro</translation>
    </message>
    <message>
        <source>down towards the south</source>
        <translation>verso il basso a sud</translation>
    </message>
    <message>
        <source>down towards the north</source>
        <translation>verso il basso a nord</translation>
    </message>
    <message>
        <source>a dial drawn to the clock has figure-8s, not hour lines that turn with its style: check it against the clock by eye, or design it to zone time to check readings</source>
        <translation>un orologio tracciato sull&apos;ora civile ha lemniscate, non linee orarie che ruotano con lo stilo: confrontalo a occhio con l&apos;orologio, o progettalo sul tempo del fuso per verificare le letture</translation>
    </message>
    <message>
        <source>the clock skips that time on that day</source>
        <translation>quel giorno l&apos;orologio salta quell&apos;ora</translation>
    </message>
    <message>
        <source>the dial&apos;s reading is more than %1 hours from the clock&apos;s</source>
        <translation>la lettura del quadrante dista più di %1 ore da quella dell&apos;orologio</translation>
    </message>
    <message>
        <source>the sun is below the horizon then</source>
        <translation>il sole è allora sotto l&apos;orizzonte</translation>
    </message>
    <message>
        <source>Sun time</source>
        <translation>Tempo vero locale</translation>
    </message>
    <message>
        <source>Zone time</source>
        <translation>Tempo del fuso</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Ora civile</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Solstices and equinoxes</source>
        <translation>Solstizi ed equinozi</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mesi</translation>
    </message>
    <message>
        <source>60 minutes</source>
        <translation>60 minuti</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuti</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minuti</translation>
    </message>
    <message>
        <source>Equinox</source>
        <translation>Equinozio</translation>
    </message>
    <message>
        <source>a label of at most %1 characters</source>
        <translation>un&apos;etichetta di al massimo %1 caratteri</translation>
    </message>
    <message>
        <source>a label without control characters</source>
        <translation>un&apos;etichetta senza caratteri di controllo</translation>
    </message>
    <message>
        <source>Add to the dial&apos;s reading for the clock, %1</source>
        <translation>Da aggiungere alla lettura del quadrante per l&apos;ora dell&apos;orologio, %1</translation>
    </message>
    <message>
        <source>Clock: %1</source>
        <translation>Orologio: %1</translation>
    </message>
    <message>
        <source>sun time</source>
        <translation>tempo vero locale</translation>
    </message>
    <message>
        <source>the zone&apos;s standard clock (%1), add an hour in summer time</source>
        <translation>ora solare del fuso (%1), aggiungi un&apos;ora con l&apos;ora legale</translation>
    </message>
    <message>
        <source>the zone&apos;s standard clock (%1)</source>
        <translation>ora solare del fuso (%1)</translation>
    </message>
    <message>
        <source>zone time, meridian %1° %2, add an hour in daylight saving time</source>
        <translation>tempo del fuso, meridiano %1° %2, aggiungi un&apos;ora con l&apos;ora legale</translation>
    </message>
    <message>
        <source>zone time, meridian %1° %2</source>
        <translation>tempo del fuso, meridiano %1° %2</translation>
    </message>
    <message>
        <source>%1 on a level floor</source>
        <translation>%1 su un piano orizzontale</translation>
    </message>
    <message>
        <source>%1, facing %2°, tilt %3°</source>
        <translation>%1, orientamento %2°, inclinazione %3°</translation>
    </message>
    <message>
        <source>%1 facing %2°, tilt %3°</source>
        <translation>%1, orientamento %2°, inclinazione %3°</translation>
    </message>
    <message>
        <source>%1, facing %2°</source>
        <translation>%1, orientamento %2°</translation>
    </message>
    <message>
        <source>%1 facing %2°</source>
        <translation>%1, orientamento %2°</translation>
    </message>
    <message>
        <source>%1, tilt %2°</source>
        <translation>%1, inclinazione %2°</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>orizzontale</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>verticale</translation>
    </message>
    <message>
        <source>plane</source>
        <translation>piano</translation>
    </message>
    <message>
        <source>polar</source>
        <translation>polare</translation>
    </message>
    <message>
        <source>equatorial</source>
        <translation>equatoriale</translation>
    </message>
    <message>
        <source>analemmatic</source>
        <translation>analemmatico</translation>
    </message>
    <message>
        <source>noon mark</source>
        <translation>meridiana</translation>
    </message>
    <message>
        <source>bifilar</source>
        <translation>bifilare</translation>
    </message>
    <message>
        <source>This dial reads the clock: no correction card is needed.</source>
        <translation>Questo orologio segna l&apos;ora civile: non serve una tabella di correzione.</translation>
    </message>
    <message>
        <source>Site: %1, %2</source>
        <translation>Luogo: %1, %2</translation>
    </message>
    <message>
        <source>Dial: %1, %2, %3</source>
        <translation>Orologio: %1, %2, %3</translation>
    </message>
    <message>
        <source> (no region&apos;s summer-time rules for this time zone entry)</source>
        <translation> (nessuna regola regionale dell&apos;ora legale per questa voce di fuso orario)</translation>
    </message>
    <message>
        <source>give degrees from %1 to %2, from north through east</source>
        <translation>indica i gradi da %1 a %2, da nord verso est</translation>
    </message>
    <message>
        <source>--dial %1 needs --facing DEG, the direction the plane faces from north through east (180 = south)</source>
        <translation>--dial %1 richiede --facing GRADI, la direzione verso cui guarda il piano, da nord verso est (180 = sud)</translation>
    </message>
    <message>
        <source>--dial %1 needs --facing DEG, the direction the wall faces from north through east (180 = south)</source>
        <translation>--dial %1 richiede --facing GRADI, la direzione verso cui guarda il muro, da nord verso est (180 = sud)</translation>
    </message>
    <message>
        <source>&amp;Facing (degrees):</source>
        <translation>&amp;Orientamento (gradi):</translation>
    </message>
    <message>
        <source>The direction the face looks out to (a wall&apos;s outward direction), degrees from north through east</source>
        <translation>La direzione verso cui guarda il quadrante (per un muro, verso l&apos;esterno), in gradi da nord verso est</translation>
    </message>
    <message>
        <source>a facing</source>
        <translation>un orientamento</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>gradi</translation>
    </message>
    <message>
        <source>give degrees from %1 (level) to %2 (looking down)</source>
        <translation>indica i gradi da %1 (orizzontale) a %2 (rivolto in basso)</translation>
    </message>
    <message>
        <source>--dial %1 needs --tilt DEG, the angle from the zenith to the face&apos;s outward normal (0 level, 90 upright, 180 looking down)</source>
        <translation>--dial %1 richiede --tilt GRADI, l&apos;angolo dallo zenit alla normale esterna del quadrante (0 orizzontale, 90 verticale, 180 rivolto in basso)</translation>
    </message>
    <message>
        <source>Tilt from the &amp;zenith (degrees):</source>
        <translation>Inclinazione dallo &amp;zenit (gradi):</translation>
    </message>
    <message>
        <source>The angle from the zenith to the face&apos;s outward normal: 0 level, 90 upright, over 90 leaning over</source>
        <translation>L&apos;angolo dallo zenit alla normale esterna del quadrante: 0 orizzontale, 90 verticale, oltre 90 strapiombante</translation>
    </message>
    <message>
        <source>a tilt</source>
        <translation>un&apos;inclinazione</translation>
    </message>
    <message>
        <source>each side must lie between %1 and %2 mm</source>
        <translation>ogni lato deve essere tra %1 e %2 mm</translation>
    </message>
    <message>
        <source>Plate &amp;width (mm):</source>
        <translation>&amp;Larghezza lastra (mm):</translation>
    </message>
    <message>
        <source>a width</source>
        <translation>una larghezza</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Plate h&amp;eight (mm):</source>
        <translation>Alt&amp;ezza lastra (mm):</translation>
    </message>
    <message>
        <source>a height</source>
        <translation>un&apos;altezza</translation>
    </message>
    <message>
        <source>give mm from %1 to the plate&apos;s smaller side (%2)</source>
        <translation>indica i mm da %1 al lato minore della lastra (%2)</translation>
    </message>
    <message>
        <source>&amp;Nodus height (mm):</source>
        <translation>Altezza del &amp;nodo (mm):</translation>
    </message>
    <message>
        <source>mm (the plate&apos;s smaller side)</source>
        <translation>mm (il lato minore della lastra)</translation>
    </message>
    <message>
        <source>give metres from %1 to %2</source>
        <translation>indica i metri da %1 a %2</translation>
    </message>
    <message>
        <source>Half-width on the gro&amp;und (m):</source>
        <translation>Semiampiezza s&amp;ul terreno (m):</translation>
    </message>
    <message>
        <source>For a dial on the ground: half its width east to west, from the centre to the 6 o&apos;clock mark</source>
        <translation>Per un orologio sul terreno: metà della sua ampiezza da est a ovest, dal centro al segno delle ore 6</translation>
    </message>
    <message>
        <source>a half-width</source>
        <translation>una semiampiezza</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>--dial %1 needs --aperture-height M, the hole&apos;s height above the floor or out from the wall</source>
        <translation>--dial %1 richiede --aperture-height M, l&apos;altezza del foro sul pavimento o la sua distanza dal muro</translation>
    </message>
    <message>
        <source>&amp;Aperture height (m):</source>
        <translation>Altezza del &amp;foro (m):</translation>
    </message>
    <message>
        <source>How far the hole stands above the floor, or out from the wall, in metres</source>
        <translation>Quanto il foro sta sopra il pavimento, o lontano dal muro, in metri</translation>
    </message>
    <message>
        <source>give mm from %1 to %2</source>
        <translation>indica i mm da %1 a %2</translation>
    </message>
    <message>
        <source>Aperture &amp;diameter (mm):</source>
        <translation>&amp;Diametro del foro (mm):</translation>
    </message>
    <message>
        <source>The round hole&apos;s width across, in millimetres</source>
        <translation>Il diametro del foro rotondo, in millimetri</translation>
    </message>
    <message>
        <source>a diameter</source>
        <translation>un diametro</translation>
    </message>
    <message>
        <source>give a time HH:MM of the zone&apos;s standard clock, from %1:00 to before %2:00, such as 12:00</source>
        <translation>indica un&apos;ora HH:MM dell&apos;ora solare del fuso, da %1:00 a prima delle %2:00, per esempio 12:00</translation>
    </message>
    <message>
        <source>&amp;Mark time (HH:MM):</source>
        <translation>Ora del &amp;segno (HH:MM):</translation>
    </message>
    <message>
        <source>The time of the zone&apos;s standard clock whose figure-8 is marked: 12:00, or 13:00 for summer time</source>
        <translation>L&apos;ora solare del fuso di cui si segna la lemniscata: 12:00, o 13:00 per l&apos;ora legale</translation>
    </message>
    <message>
        <source>a time</source>
        <translation>un&apos;ora</translation>
    </message>
    <message>
        <source>(HH:MM, the standard clock)</source>
        <translation>(HH:MM, ora solare del fuso)</translation>
    </message>
    <message>
        <source>Wire alo&amp;ng x, height (mm):</source>
        <translation>Filo lu&amp;ngo x, altezza (mm):</translation>
    </message>
    <message>
        <source>The height above the face of the wire along the plate&apos;s x axis; empty: the height that spaces the hours evenly where one does</source>
        <translation>L&apos;altezza sopra il quadrante del filo lungo l&apos;asse x della lastra; vuoto: l&apos;altezza che distanzia le ore in modo uniforme, dove esiste</translation>
    </message>
    <message>
        <source>Wire along y, height (&amp;mm):</source>
        <translation>Filo lungo y, altezza (&amp;mm):</translation>
    </message>
    <message>
        <source>The height above the face of the wire along the plate&apos;s y axis</source>
        <translation>L&apos;altezza sopra il quadrante del filo lungo l&apos;asse y della lastra</translation>
    </message>
    <message>
        <source>a horizontal dial</source>
        <translation>un orologio orizzontale</translation>
    </message>
    <message>
        <source>a vertical dial</source>
        <translation>un orologio verticale</translation>
    </message>
    <message>
        <source>a plane dial</source>
        <translation>un orologio piano</translation>
    </message>
    <message>
        <source>a polar dial</source>
        <translation>un orologio polare</translation>
    </message>
    <message>
        <source>an equatorial dial</source>
        <translation>un orologio equatoriale</translation>
    </message>
    <message>
        <source>an analemmatic dial</source>
        <translation>un orologio analemmatico</translation>
    </message>
    <message>
        <source>a noon mark</source>
        <translation>una meridiana</translation>
    </message>
    <message>
        <source>a bifilar dial</source>
        <translation>un orologio bifilare</translation>
    </message>
    <message>
        <source>%1 needs a latitude from %2° to %3°, north or south: %4</source>
        <translation>%1 richiede una latitudine da %2° a %3°, nord o sud: %4</translation>
    </message>
    <message>
        <source>sun below the horizon: no shadow at this time</source>
        <translation>sole sotto l&apos;orizzonte: nessuna ombra a quest&apos;ora</translation>
    </message>
    <message>
        <source>sun under 5 degrees: long, faint shadow</source>
        <translation>sole sotto i 5 gradi: ombra lunga e debole</translation>
    </message>
    <message>
        <source>sun over 80 degrees: short shadow, direction hard to read</source>
        <translation>sole sopra gli 80 gradi: ombra corta, direzione difficile da leggere</translation>
    </message>
    <message>
        <source>the longitude is more than 15 degrees from the time zone&apos;s meridian</source>
        <translation>la longitudine dista più di 15 gradi dal meridiano del fuso orario</translation>
    </message>
    <message>
        <source>the wall readings disagree by more than 1 degree: check the board, the square line and the clock times</source>
        <translation>le letture sul muro differiscono di più di 1 grado: controlla la tavoletta, la linea a squadra e gli orari</translation>
    </message>
    <message>
        <source>this computer&apos;s time zone uses the other clock (standard or daylight saving) on this date</source>
        <translation>il fuso orario di questo computer usa in questa data l&apos;altra ora (solare o legale)</translation>
    </message>
    <message>
        <source>east-west</source>
        <translation>est-ovest</translation>
    </message>
    <message>
        <source>north-south</source>
        <translation>nord-sud</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no magnetic declination</comment>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>standard time (%1)</source>
        <translation>ora solare (%1)</translation>
    </message>
    <message>
        <source>summer time (%1; the zone&apos;s standard time is %2)</source>
        <translation>ora legale (%1; l&apos;ora solare del fuso è %2)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 del %2</translation>
    </message>
    <message>
        <source>The clock skips %1: it jumps an hour ahead that night.</source>
        <translation>L&apos;orologio salta le %1: quella notte va avanti di un&apos;ora.</translation>
    </message>
    <message>
        <source>At %1 the sun is below the horizon.</source>
        <translation>Alle %1 il sole è sotto l&apos;orizzonte.</translation>
    </message>
    <message>
        <source>At %1 the sun does not light this face.</source>
        <translation>Alle %1 il sole non illumina questo quadrante.</translation>
    </message>
    <message>
        <source>At %1 the sun lights this face.</source>
        <translation>Alle %1 il sole illumina questo quadrante.</translation>
    </message>
    <message>
        <source>zone time</source>
        <translation>tempo del fuso</translation>
    </message>
    <message>
        <source>clock time</source>
        <translation>ora civile</translation>
    </message>
    <message>
        <source>At %1 the dial reads %2 (%3); the clock says %4 in summer time.</source>
        <translation>Alle %1 l&apos;orologio solare segna %2 (%3); l&apos;orologio segna %4 con l&apos;ora legale.</translation>
    </message>
    <message>
        <source>At %1 the dial reads %2 (%3); the clock says %4.</source>
        <translation>Alle %1 l&apos;orologio solare segna %2 (%3); l&apos;orologio segna %4.</translation>
    </message>
    <message>
        <source>Correction card</source>
        <translation>Tabella di correzione</translation>
    </message>
    <message>
        <source>Add the figure to the time the dial shows to get the clock time; negative: subtract. Minutes and seconds.</source>
        <translation>Aggiungi il valore all&apos;ora segnata dal quadrante per avere l&apos;ora dell&apos;orologio; se negativo, sottrai. Minuti e secondi.</translation>
    </message>
    <message>
        <source>Print at actual size, not fitted to the page; check both rulers.</source>
        <translation>Stampa a grandezza reale, non adattata; controlla i due righelli.</translation>
    </message>
    <message>
        <source>%1, whole on this page</source>
        <translation>%1, intera in questa pagina</translation>
    </message>
    <message>
        <source>%1: column %2 of %3, row %4 of %5</source>
        <translation>%1: colonna %2 di %3, riga %4 di %5</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Where the pages go: the plate in %1 across x %2 down; each outline carries the number of its page.</source>
        <translation>Dove vanno le pagine: la lastra in %1 in orizzontale x %2 in verticale; ogni contorno porta il numero della sua pagina.</translation>
    </message>
    <message>
        <source>Dial plate</source>
        <translation>Quadrante</translation>
    </message>
    <message>
        <source>dial</source>
        <comment>the thing printed or saved</comment>
        <translation>orologio</translation>
    </message>
    <message>
        <source>Save Dial as PDF</source>
        <translation>Salva orologio come PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saved the %1 as %2.</source>
        <translation>Salvato: %1 come %2.</translation>
    </message>
    <message>
        <source>The %1 could not be saved as %2.</source>
        <translation>Impossibile salvare %1 come %2.</translation>
    </message>
    <message>
        <source>Sent the %1 to the printer %2.</source>
        <translation>Inviato: %1 alla stampante %2.</translation>
    </message>
    <message>
        <source>No printer is available. Do you want to save the %1 as a PDF file instead?</source>
        <translation>Nessuna stampante disponibile. Vuoi invece salvare %1 come file PDF?</translation>
    </message>
    <message>
        <source>report</source>
        <comment>the thing printed or saved</comment>
        <translation>resoconto</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Salva resoconto come PDF</translation>
    </message>
    <message>
        <source>%1 m.  Scale 1:%2: 1 cm on paper is %3 m on the ground.  %4</source>
        <translation>%1 m.  Scala 1:%2: 1 cm sulla carta corrisponde a %3 m sul terreno.  %4</translation>
    </message>
    <message>
        <source>Staking it out</source>
        <translation>Tracciamento sul terreno</translation>
    </message>
    <message>
        <source>meridian</source>
        <translation>meridiano</translation>
    </message>
</context>
</TS>
