// The European zodiac with its long texts: for each sign a character portrait (Czech) under its
// Slovak heading, then a fact sheet laid out with runs of spaces for the word-wrapping result box.
#include "engine/european.h"

#include "engine/european_signs.h"

namespace kalmira {

namespace {

constexpr Text heading(int sign) { return text(europeanSignHeadings[sign]); }

// The fact sheet's entries: label, a space, value.
constexpr Entry ruler(std::u8string_view value) { return entry(u8"Vládce znamení:", value); }
constexpr Entry element(std::u8string_view value) { return entry(u8"Živel znamení:", value); }
constexpr Entry harmony(std::u8string_view value) { return entry(u8"Soulad se znamením:", value); }
constexpr Entry colour(std::u8string_view value, std::size_t gap = 1) {
  return entry(u8"Barva:", value, gap);
}
constexpr Entry metal(std::u8string_view value) { return entry(u8"Kov:", value); }
constexpr Entry plants(std::u8string_view value) { return entry(u8"Rostliny:", value); }
constexpr Entry magic(std::u8string_view value) { return entry(u8"Magické číslo:", value); }
constexpr Entry lucky(std::u8string_view value) { return entry(u8"Šťastná čísla:", value); }
constexpr Entry days(std::u8string_view value) { return entry(u8"Příznivé dny:", value); }
constexpr Entry temperament(std::u8string_view value) { return entry(u8"Povaha:", value); }

// Baran
constexpr auto baranDescription = piece<1000>(
    "Baran, description", heading(0), spaces(34), pad,
    text(u8"Beran se rodí s ohněm v krvi a s chutí být první. Jeho vladař Mars mu dává odvahu, rychlé "
         u8"rozhodování a energii, která nevydrží dlouho sedět na místě. Jste průkopník, který se "
         u8"pouští do nových věcí dřív, než ostatní domyslí, co by se mohlo pokazit. Cholerická "
         u8"povaha znamená, že vzplanete snadno, ale také rychle vychladnete a zlost v sobě dlouho "
         u8"nenosíte. Vaší silou je upřímnost, nadšení a schopnost strhnout druhé k činu; slabinou "
         u8"netrpělivost, sklon přerušovat lidi a ztrácet zájem, jakmile práce přestane být výzvou. "
         u8"Nejlépe se vám daří tam, kde můžete vést, rozhodovat a vidět okamžité výsledky, stereotyp "
         u8"vás naopak dusí. V lásce jste vášniví a přímí, dobýváte rádi a otevřeně, jen se musíte "
         u8"naučit naslouchat a dopřát partnerovi prostor. Přátelé u vás oceňují věrnost a ochotu "
         u8"postavit se za ně, i když vaše slova bývají ostřejší, než jste zamýšleli. Dobře vám je, "
         u8"když máte pohyb, cíl před očima a kolem sebe lidi, kteří se vaší prudkosti nezaleknou."));
constexpr auto baranFacts =
    piece<870>("Baran, fact sheet", textSoFar, pad, spaces(62), ruler(u8"Mars"), spaces(1), pad, spaces(6),
               element(u8"oheň"), spaces(1), pad, spaces(16), harmony(u8"Lev, Střelec"), spaces(117),
               colour(u8"červená, rubín"), spaces(1), pad, spaces(12), metal(u8"železo"), spaces(1), pad,
               spaces(25), plants(u8"tulipán, karafiát, kopřiva"), spaces(114), magic(u8"5"), spaces(1), pad,
               spaces(23), lucky(u8"1, 5, 7, 13, 25, 65, 47, 325"), spaces(108),
               days(u8"úterý, sobota, neděle"), spaces(117), temperament(u8"cholerická"));

// Býk
constexpr auto bykDescription = piece<1038>(
    "Býk, description", heading(1), spaces(43), pad,
    text(u8"Býk je znamením klidné síly a trpělivosti. Pod vlivem Venuše máte vyvinutý smysl pro "
         u8"krásu, pohodlí a dobré jídlo, rádi se obklopujete věcmi, které něco vydrží, a lidmi, na "
         u8"které je spolehnutí. Zemský živel vás drží nohama na pevné půdě: nejdříve zvažujete, "
         u8"potom jednáte, a co jednou začnete, dotáhnete až do konce. Vaše povaha v sobě spojuje "
         u8"melancholickou hloubku s flegmatickou rozvahou, proto se jen tak nerozčílíte, ale když "
         u8"vás někdo dlouho dráždí, umíte být neústupní a tvrdohlaví. V práci jste vytrvalí, pečliví "
         u8"a praktičtí, nejlépe se cítíte tam, kde výsledek roste pomalu, ale jistě. Náhlé změny vás "
         u8"znepokojují a k novotám se stavíte nedůvěřivě. Milujete něžně, smyslně a věrně, city "
         u8"neprojevujete okázale, zato trvale, jen si musíte hlídat žárlivost a pokušení považovat "
         u8"blízkého člověka za svůj majetek. Přátel nemáte mnoho, o to pevnější a upřímnější jsou "
         u8"vaše pouta. Potřebujete jistotu, klidný domov, hmatatelné výsledky a čas, aby se všechno "
         u8"mohlo vyvíjet vlastním tempem."));
constexpr auto bykFacts =
    piece<1111>("Býk, fact sheet", textSoFar, pad, spaces(163), ruler(u8"Venuše"), pad, spaces(11),
                element(u8"země"), spaces(141), harmony(u8"Panna, Kozoroh, Rak, Ryby"), spaces(94),
                colour(u8"tmavě zelená", 2), spaces(1), pad, spaces(16), metal(u8"měď"), spaces(1), pad,
                spaces(33), plants(u8"pomněnka, slunečnice, vrba, modřín, dub"), spaces(91), magic(u8"7"),
                spaces(1), pad, spaces(23), lucky(u8"4, 6, 7, 8, 22, 49, 175, 1225"), spaces(106),
                days(u8"pátek"), spaces(142), temperament(u8"melancholicko-flegmatická"), spaces(1));

// Blíženci
constexpr auto blizenciDescription = piece<1366>(
    "Blíženci, description", heading(2), spaces(34), pad,
    text(u8"Blíženci mají v sobě dvě duše a málokdy vydrží dlouho u jediné myšlenky. Merkur, jejich "
         u8"vládce, jim dává rychlý rozum, hbitý jazyk a zvědavost, která se nespokojí s první "
         u8"odpovědí. Vzdušný živel vás nese od jednoho zájmu k druhému, od knihy k rozhovoru, od "
         u8"plánu k cestě, a všude sbíráte nápady, souvislosti a novinky. Nudu snášíte hůř než "
         u8"nepohodlí či únavu. Vaše povaha kolísá mezi sangvinickou veselostí a melancholickým "
         u8"zamyšlením: dnes rozdáváte vtip a dobrou náladu, zítra se uzavřete a přemýšlíte, zda to "
         u8"vše má smysl. Okolí vás proto někdy považuje za nevyzpytatelné, ve skutečnosti jen "
         u8"rychleji než druzí zpracováváte dojmy a střídáte nálady. Velkou předností je vaše "
         u8"přizpůsobivost, výmluvnost a dar vysvětlit složité věci jednoduše; stinnou stránkou "
         u8"roztěkanost, povrchnost a zvyk slibovat víc, než stihnete splnit. Práce vás baví, pokud "
         u8"je pestrá, spojená s lidmi, jazyky, obchodem nebo psaním, jednotvárnost vás rychle unaví. "
         u8"V lásce hledáte hlavně partnera k rozhovoru, někoho, kdo vás překvapí a nebude svazovat, "
         u8"protože pocit sevření vás spolehlivě zažene. Známých máte spoustu a s každým si najdete "
         u8"společné téma, hlubší pouto však vzniká jen s těmi, kdo snesou vaši proměnlivost. Bez "
         u8"podnětů, volnosti a zajímavé společnosti strádáte a občas vám prospěje někdo, kdo pomůže "
         u8"dovést rozdělanou věc do konce."));
constexpr auto blizenciFacts =
    piece<950>("Blíženci, fact sheet", textSoFar, pad, spaces(133), ruler(u8"Merkur"), spaces(1), pad,
               spaces(11), element(u8"vzduch"), spaces(1), pad, spaces(11), harmony(u8"Váhy, Vodnář"),
               spaces(117), colour(u8"žlutá, hnědá, kaštanová"), spaces(1), pad, metal(u8"rtuť"), spaces(1),
               pad, spaces(35), plants(u8"máta, meduňka, pomněnka, líska, tymián"), spaces(81), magic(u8"7"),
               spaces(1), pad, spaces(23), lucky(u8"3, 8, 12, 13, 23, 64, 260, 2080"), spaces(102),
               days(u8"úterý"), spaces(144), temperament(u8"melancholický sangvinik"));

// Rak
constexpr auto rakDescription = piece<1444>(
    "Rak, description", heading(3), spaces(43), pad,
    text(u8"Rak prožívá svět především citem. Jeho vládcem je Měsíc, a tak se i vaše nálady mění jako "
         u8"jeho fáze: chvíli jste plní něhy a humoru, jindy se stáhnete a potřebujete samotu. Vodní "
         u8"živel vám dává bohatou fantazii, intuici a schopnost vycítit, co druhý prožívá, ještě než "
         u8"to vysloví. Navenek působíte klidně a rozvážně, flegmatická povaha vás chrání před "
         u8"ukvapenými kroky, pod tvrdým krunýřem se však skrývá velmi citlivé a zranitelné nitro. "
         u8"Máte silný vztah k minulosti, k rodinným tradicím i k místům, kde jste vyrůstali, a staré "
         u8"fotografie pro vás mají větší cenu než drahé dárky. Domov a rodina pro vás znamenají víc "
         u8"než cokoli jiného, rádi pečujete, vaříte, schraňujete vzpomínky a držíte pohromadě ty, "
         u8"které máte rádi. Mezi vaše přednosti patří věrnost, obětavost, dobrá paměť a trpělivost, "
         u8"s níž dokážete vyčkat na pravou chvíli. Potíže vám působí přecitlivělost a sklon k "
         u8"ukřivděnosti; křivdu sice odpustíte, ale nikdy nezapomenete. Pracujete svědomitě a "
         u8"opatrně, hodí se vám obory, kde jde o péči o lidi, o historii, o domov nebo o hospodaření "
         u8"s penězi, s nimiž umíte zacházet šetrně. Partnerovi jste oddaní a něžní, potřebujete však "
         u8"cítit bezpečí, jinak se raději stáhnete, než byste riskovali zranění. Přátelství s vámi "
         u8"je trvalé a hluboké, a kdo si jednou získá vaši důvěru, má oporu na celý život. Ke štěstí "
         u8"vám stačí klidné zázemí, blízcí lidé a jistota, že vaše city nikdo nezlehčuje."));
constexpr auto rakFacts =
    piece<999>("Rak, fact sheet", textSoFar, pad, spaces(198), ruler(u8"Měsíc"), spaces(1), pad, spaces(6),
               element(u8"voda"), spaces(1), pad, spaces(16), harmony(u8"Šťír, Ryby"), spaces(117),
               colour(u8"fialová, bílá"), spaces(1), pad, spaces(12), metal(u8"stříbro"), spaces(1), pad,
               spaces(25), plants(u8"mák, bříza, konvalinka"), spaces(114), magic(u8"2"), spaces(1), pad,
               spaces(23), lucky(u8"2, 5, 9, 12, 48, 81, 369, 3321"), spaces(103),
               days(u8"pondělí, čtvrtek, pátek"), spaces(115), temperament(u8"flegmatická"));

// Lev
constexpr auto levDescription = piece<1720>(
    "Lev, description", heading(4), spaces(43), pad,
    text(u8"Ve znamení Lva vládne Slunce a ohnivý živel, a proto do všeho, co děláte, vkládáte teplo, "
         u8"světlo a velkorysost. Váš temperament v sobě spojuje cholerický a flegmatický sklon: "
         u8"dokážete se rychle rozhořet a prudce vybuchnout, ale stejně rychle se zase uklidníte a "
         u8"nesete v sobě pevnou jistotu, která ostatním dodává odvahu. Lidé si vás všimnou, sotva "
         u8"vstoupíte do místnosti, a to i tehdy, když o pozornost vůbec neusilujete. Máte přirozenou "
         u8"autoritu, smysl pro důstojnost a vrozenou potřebu dávat věcem řád a lesk. Nejste typ, "
         u8"který by se spokojil s průměrem; chcete, aby vaše práce, domov i vztahy měly úroveň, na "
         u8"kterou můžete být hrdí. Ve vašem nitru dřímá tvořivá síla, která se hlásí o slovo v "
         u8"umění, ve hře i v tom, jak si zařizujete byt nebo chystáte oslavu. Vaší největší silou je "
         u8"ovšem štědrost srdce. Umíte se radovat z úspěchu druhých, rádi pomáháte a podáte ruku i "
         u8"tomu, kdo by si ji podle ostatních nezasloužil. Jste věrní, čestní a přímí, lež a intriky "
         u8"vám jsou cizí, a pokud se pro něco nadchnete, strhnete s sebou celé okolí. Máte odvahu "
         u8"převzít odpovědnost tam, kde jiní couvají, a v krizi si zachováte chladnou hlavu, protože "
         u8"víte, že se na vás ostatní dívají. Stinnou stránkou téže síly bývá pýcha. Těžko snášíte "
         u8"kritiku, zvláště před svědky, a zraněná ješitnost vás dokáže urazit na dlouhé týdny. "
         u8"Občas chcete mít poslední slovo i tam, kde na něm vůbec nezáleží, a někdy si pletete úctu "
         u8"s obdivem. Lichotníci proto u vás mají snadnou cestu. Pozor také na sklon k okázalosti a "
         u8"rozhazování: rádi dopřáváte sobě i druhým a ne vždy se ohlížíte na to, kolik vás to "
         u8"stojí. Pokud se naučíte naslouchat a přiznat chybu, vaše autorita tím neutrpí, naopak "
         u8"poroste."));
constexpr auto levContinuation = piece<1249>(
    "Lev, continuation", textSoFar, spaces(1),
    text(u8"V práci potřebujete prostor a uznání. Nejvíc vás těší práce, v níž můžete vést, tvořit a "
         u8"rozhodovat, ať už jako podnikatelé, manažeři, učitelé, herci nebo lékaři. Podřízené místo "
         u8"vás brzy unaví, pokud v něm nevidíte smysl a nikdo neocení vaši snahu. Jako vedoucí "
         u8"býváte spravedliví a ochranitelští, za své lidi se postavíte, jen musíte hlídat, abyste "
         u8"jim nechali dost prostoru pro vlastní nápady. Peníze vám přicházejí do rukou snadno, ale "
         u8"stejně snadno z nich zase odcházejí. V lásce jste vášniví, romantičtí a velkorysí. Rádi "
         u8"dobýváte, rádi obdarováváte a rádi se pyšníte partnerem, kterého jste si vybrali. Od něj "
         u8"však čekáte věrnost, obdiv a pozornost; lhostejnost vás zraní víc než otevřená hádka. "
         u8"Hněv vás ale brzy zase opouští. Kdo vás opravdu miluje, tomu se odměníte oddaností na "
         u8"celý život. Děti vás zbožňují, protože s nimi umíte hrát a nebojíte se být trochu "
         u8"dětinští. V přátelství jste štědrými hostiteli a spolehlivými ochránci a přátelé se na "
         u8"vás mohou obrátit ve dne i v noci. Potřebujete však, aby vaše dobrota nebyla brána jako "
         u8"samozřejmost, a kdo vás zradí, ten druhou šanci dostane jen těžko. K životu potřebujete "
         u8"publikum, ocenění, slunce a pocit, že na vás záleží. Jakmile je máte, rozdáváte kolem "
         u8"sebe radost plnými hrstmi."));
constexpr auto levFacts = piece<1331>(
    "Lev, fact sheet", textSoFar, pad, spaces(274), ruler(u8"Slunce"), pad, spaces(10), element(u8"oheň"),
    spaces(141), harmony(u8"Beran, Střelec"), spaces(108), colour(u8"červená, oranžová, žlutá", 2),
    spaces(122), metal(u8"zlato"), spaces(1), pad, spaces(33),
    plants(u8"kopretina, slunečnice, růže, oliva, pivoňka, hloh"), spaces(84), magic(u8"19"), spaces(1), pad,
    spaces(21), lucky(u8"1, 3, 6, 9, 36, 93, 111, 6661"), spaces(106), days(u8"středa, čtvrtek, neděle"),
    spaces(114), temperament(u8"cholericko-flegmatická"), spaces(2));

// Panna
constexpr auto pannaDescription = piece<317>(
    "Panna, description", heading(5), spaces(26), pad, spaces(3),
    text(u8"Vaše znamení ovládá Merkur a živel země, povahou jste melancholici. Jste svědomití, "
         u8"skromní a pracovití, všímáte si detailů, které jiní přehlédnou, a rádi pomáháte. Příliš "
         u8"se však trápíte chybami, svými i cizími. Potřebujete řád, klid a lidi, kteří vaši tichou "
         u8"péči dokážou ocenit."));
constexpr auto pannaFacts =
    piece<1025>("Panna, fact sheet", textSoFar, pad, spaces(292), ruler(u8"Merkur"), pad, spaces(10),
                element(u8"země"), spaces(140), harmony(u8"Býk, Kozoroh"), spaces(116), metal(u8"rtuť"),
                spaces(1), pad, spaces(35), lucky(u8"8, 64, 260, 2080"), spaces(123), days(u8"úterý"),
                spaces(144), temperament(u8"melancholická"), spaces(3));

// Váhy
constexpr auto vahyDescription = piece<1473>(
    "Váhy, description", heading(6), spaces(34), pad,
    text(u8"Vaším vládcem je Venuše a vaším živlem vzduch, proto ve vás žije touha po kráse, souladu "
         u8"a spravedlnosti. Váš temperament je směsí sangvinika a flegmatika v tom nejlepším smyslu: "
         u8"jste společenští, vlídní a veselí, přitom však vyrovnaní a málokdy ztrácíte nervy. "
         u8"Dokážete se vcítit do druhých a vidíte každou věc z více stran, což z vás dělá skvělé "
         u8"prostředníky, diplomaty a rádce. Když se pohádají vaši přátelé, jste to často právě vy, "
         u8"kdo je zase usmíří. Máte vytříbený vkus, cit pro barvy, hudbu i slovo a neumíte žít v "
         u8"ošklivém nebo hlučném prostředí. Na lidech oceňujete zdvořilost a dobré vychování, "
         u8"hrubost vás zraňuje víc, než dáváte najevo. Vaší slabinou je nerozhodnost. Tak dlouho "
         u8"vážíte všechny důvody pro a proti, až příležitost uteče, a někdy raději ustoupíte, než "
         u8"byste riskovali spor. Lidé vás pak mohou považovat za povrchní nebo nestálé, ačkoli jen "
         u8"nechcete nikomu ublížit. V práci vynikáte tam, kde je třeba jednat s lidmi, vyjednávat "
         u8"nebo tvořit: v právu, obchodě, umění, módě či architektuře. Samotu a jednotvárnou dřinu "
         u8"snášíte špatně, nejlépe pracujete ve dvojici nebo v dobrém týmu. V lásce jste něžní, "
         u8"pozorní a romantičtí, partnerství je pro vás přirozeným stavem a bez blízkého člověka se "
         u8"cítíte neúplní. Hledáte někoho, kdo bude vaším protějškem, ne pánem. V přátelství jste "
         u8"taktní, věrní a velmi oblíbení. Potřebujete harmonii, krásu kolem sebe a jistotu, že jste "
         u8"milováni; pak ze sebe vydáte to nejlepší."));
constexpr auto vahyFacts =
    piece<1047>("Váhy, fact sheet", textSoFar, pad, spaces(126), ruler(u8"Venuše"), spaces(1), pad, spaces(6),
                element(u8"vzduch"), spaces(1), pad, spaces(13), harmony(u8"Blíženci, Vodnář"), spaces(112),
                colour(u8"námořnická modrá, vodově zelená"), spaces(106), metal(u8"měď"), spaces(1), pad,
                spaces(32), plants(u8"šípková růže, azalka, pomněnka"), spaces(107), magic(u8"3"), spaces(1),
                pad, spaces(23), lucky(u8"7, 8, 10, 27, 49, 175, 1225"), spaces(108), days(u8"středa, pátek"),
                spaces(117), temperament(u8"sangvinicko-flegmatická"));

// Škorpión
constexpr auto skorpionDescription = piece<1537>(
    "Škorpión, description", heading(7), spaces(32), pad,
    text(u8"Štír prožívá svět do hloubky a povrchnost mu nic neříká. Navenek bývá klidný, zdrženlivý "
         u8"a těžko čitelný, ale pod hladinou v něm pracuje silný proud citů, vůle a vášně. Tahle "
         u8"směs flegmatického klidu a cholerické síly, kterou mu dávají vodní živel i vládci Pluto a "
         u8"Mars, z něj dělá člověka, který dokáže dlouho mlčet a vyčkávat, a když se pak rozhodne, "
         u8"jde za svým cílem s neúprosnou vytrvalostí. Má výborný odhad pro lidi, bleskově pozná "
         u8"faleš a pod slupkou zdvořilých slov vycítí skutečné pohnutky. Jeho silnou stránkou je "
         u8"odvaha podívat se věcem na kořen, schopnost vydržet tlak a proměnit krizi v nový začátek. "
         u8"Slabinou bývá podezíravost, žárlivost a sklon nezapomínat na křivdy; kdo ho zradí, jen "
         u8"těžko získá jeho důvěru zpět. V práci se mu daří tam, kde je třeba soustředění, "
         u8"diskrétnost a odhodlání jít až do konce: ve výzkumu, medicíně, psychologii, financích "
         u8"nebo všude, kde se odkrývá to, co je skryté. Nesnáší dozor a polovičatá řešení, a když se "
         u8"do něčeho pustí, nedá se snadno odradit; nezdar pro něj není konec, ale výzva. Jeho humor "
         u8"bývá suchý a nečekaně ostrý. V lásce je oddaný a intenzivní, miluje celou bytostí a od "
         u8"partnera čeká totéž, vlažný vztah by ho spíš trápil než těšil. Přátel nemá mnoho, ale ty, "
         u8"které si vybere, bere vážně a v nouzi za nimi stojí bez zaváhání. Klid najde teprve "
         u8"tehdy, když má soukromí, vlastní život ve svých rukou a vedle sebe člověka, před nímž "
         u8"nemusí nic skrývat. Učí se pouštět staré rány a věřit, že otevřenost ho neoslabí, ale "
         u8"naopak posílí."));
constexpr auto skorpionFacts =
    piece<1135>("Škorpión, fact sheet", textSoFar, pad, spaces(199), ruler(u8"Pluto, Mars"), pad, spaces(1),
                element(u8"voda"), spaces(1), pad, spaces(16), harmony(u8"Rak, Ryby"), spaces(117),
                colour(u8"černá, rumělková, fialová"), spaces(117), metal(u8"železo"), spaces(1), pad,
                spaces(31), plants(u8"cypřiš, narcis, jeřabina, broskvoň"), spaces(107), magic(u8"4"),
                spaces(1), pad, spaces(23), lucky(u8"5, 7, 9, 11, 23, 25, 47, 65, 325"), spaces(102),
                days(u8"čtvrtek, pátek"), spaces(124), temperament(u8"flegmaticko-cholerická"));

// Strelec
constexpr auto strelecDescription = piece<1666>(
    "Strelec, description", heading(8), spaces(34), pad,
    text(u8"Střelec je rozený poutník, a to nejen po mapách, ale i po myšlenkách, knihách a lidských "
         u8"osudech. Oheň mu dává nadšení a odvahu, vládce Jupiter velkorysost, optimismus a touhu po "
         u8"smyslu, a tak se v jeho povaze cholerický zápal potkává se sangvinickou lehkostí. Jde rád "
         u8"s kůží na trh, věří, že za obzorem čeká něco lepšího, a své okolí dokáže strhnout "
         u8"upřímným smíchem i vírou v dobrý konec. Je přímý, někdy až nešikovně otevřený: řekne, co "
         u8"si myslí, a teprve potom zjišťuje, že tím někoho ranil. Zlé úmysly ale nemívá a za chybu "
         u8"se umí omluvit. Rád se učí, ptá se a hledá odpovědi na velké otázky o tom, proč je svět "
         u8"takový, jaký je. Mezi jeho přednosti patří poctivost, smysl pro spravedlnost, široký "
         u8"rozhled a schopnost vidět věci v souvislostech. Slabší stránkou je netrpělivost, sklon "
         u8"slibovat víc, než stihne splnit, a nechuť k drobné každodenní práci, která ho rychle "
         u8"nudí. V zaměstnání potřebuje volnost, pohyb a pocit, že jeho úsilí má vyšší cíl; dobře se "
         u8"uplatní ve vzdělávání, cestovním ruchu, právu, publicistice, sportu nebo všude, kde se "
         u8"setkává s cizími kulturami. Pevný rozvrh a přísná kontrola mu brzy berou chuť do práce. "
         u8"Jako partner je vřelý, hravý a štědrý, ale těžko snáší žárlivost a omezování; nejlépe mu "
         u8"bude s někým, kdo s ním sdílí chuť objevovat a zároveň mu nechá prostor. Přátelství bere "
         u8"jako společné dobrodružství, mívá kamarády po celém světě a rád je spojuje dohromady. Aby "
         u8"byl spokojený, potřebuje před sebou vždy nějaký cíl, víru, že život dává smysl, a dost "
         u8"svobody, aby se mohl kdykoli vydat na cestu. Učit by se měl vytrvalosti a tomu, že i "
         u8"malé, pečlivě dokončené věci mají svou cenu."));
constexpr auto strelecFacts = piece<959>(
    "Strelec, fact sheet", textSoFar, pad, spaces(139), ruler(u8"Jupiter"), spaces(1), pad, spaces(11),
    element(u8"oheň"), spaces(1), pad, spaces(16), harmony(u8"Beran, Lev"), spaces(117),
    colour(u8"azurová, fialová"), spaces(1), pad, spaces(12), metal(u8"cín"), spaces(1), pad, spaces(25),
    plants(u8"dub, buk, jasan, lípa, vavřín, chrpa"), spaces(103), magic(u8"6"), spaces(1), pad, spaces(23),
    lucky(u8"4, 5, 9, 14, 16, 34, 37, 136"), spaces(108), days(u8"čtvrtek, pátek, sobota, neděle"),
    spaces(104), temperament(u8"cholericko-sangvinická"));

// Kozorožec
constexpr auto kozorozecDescription = piece<1255>(
    "Kozorožec, description", heading(9), spaces(33), pad,
    text(u8"Kozoroh jde životem pomalu, ale jistě, podobně jako horská koza, která krok za krokem "
         u8"stoupá po skalách až na vrchol. Živel země a vládce Saturn mu dávají trpělivost, vážnost "
         u8"a smysl pro odpovědnost, melancholická povaha pak sklon k přemýšlení a jistou "
         u8"zdrženlivost. Nerad spoléhá na štěstí; věří spíš poctivé práci, plánu a času. Už v mládí "
         u8"působí rozvážně a dospěle, zato s léty jako by mládl a uvolňoval se. Za vážnou tváří se "
         u8"často skrývá suchý, jemný humor, kterým dokáže překvapit i ty, kdo ho znají roky. Jeho "
         u8"předností je spolehlivost, vytrvalost, praktický rozum a schopnost nést zátěž, pod níž by "
         u8"jiní dávno povolili. Škodí mu ale přílišná přísnost k sobě samému i k druhým, pesimismus "
         u8"a neochota dát najevo city. Pracovně je pilný a ctižádostivý, cení si řádu, jasných "
         u8"pravidel a postupného růstu; uplatní se ve vedení, správě, stavebnictví, architektuře, "
         u8"financích nebo ve vědě. Citově bývá opatrný, ale když se rozhodne, je věrný a spolehlivý "
         u8"partner, který projevuje náklonnost spíš činy než slovy. Kdo si získá jeho přátelství, "
         u8"může se na něj spoléhat celý život. Šťastný je tam, kde se jeho úsilí uznává, kde má "
         u8"pevnou půdu pod nohama a kde ho někdo občas přiměje odložit povinnosti a zasmát se."));
constexpr auto kozorozecFacts =
    piece<920>("Kozorožec, fact sheet", textSoFar, pad, spaces(126), ruler(u8"Saturn"), spaces(1), pad,
               spaces(11), element(u8"země"), spaces(1), pad, spaces(11), harmony(u8"Býk, Štír"), spaces(117),
               colour(u8"černá"), spaces(22), pad, metal(u8"olovo"), spaces(1), pad, spaces(32),
               plants(u8"indické konopí, sedmikráska, topol, kapradí"), spaces(81), magic(u8"4"), spaces(1),
               pad, spaces(23), lucky(u8"2, 3, 8, 9, 15, 28, 45, 47"), spaces(102),
               days(u8"pondělí, úterý, středa"), spaces(118), temperament(u8"melancholická"));

// Vodnár
constexpr auto vodnarDescription = piece<1294>(
    "Vodnár, description", heading(10), spaces(36), pad,
    text(u8"Vodnář myslí po svém a na vyšlapané cesty se dívá s nedůvěrou. Vzdušný živel mu dává "
         u8"lehkost, zvídavost a chuť komunikovat, Uran touhu po změně a originalitě, Saturn zase "
         u8"nečekanou vytrvalost a smysl pro princip. Sangvinická povaha z něj dělá společenského, "
         u8"přátelského člověka, který však i uprostřed davu zůstává trochu nezávislý a odstup si "
         u8"dokáže uhájit. Má v sobě ducha vynálezce a reformátora, zajímá ho budoucnost, technika, "
         u8"nové nápady i spravedlivé uspořádání společnosti. Rád zkoumá, proč věci fungují tak, jak "
         u8"fungují, a zda by to nešlo jinak. Je tolerantní, velkorysý a nesnáší předsudky. Názor "
         u8"mění jen tehdy, když ho přesvědčí argumenty, ne tlak či autorita. Potíže mu dělá "
         u8"tvrdohlavost, nevyzpytatelnost a jistý chlad v citech; o lidstvo se stará rád, s blízkým "
         u8"člověkem v slzách si někdy neví rady. Ke své práci potřebuje volnost a prostor pro "
         u8"vlastní nápady, daří se mu ve vědě, technických oborech, médiích nebo v neziskových "
         u8"projektech. Rutina a dlouhé porady ho vyčerpají. V partnerství hledá hlavně přítele a "
         u8"rovnocenného druha, žárlivost a vlastnictví ho odrazují. Přátelství je pro něj posvátné a "
         u8"kamarádům zůstává věrný. Dobře mu je mezi lidmi, kteří mu nechají svobodu, přinesou "
         u8"inspiraci a přijmou ho i s jeho výstřednostmi."));
constexpr auto vodnarFacts =
    piece<892>("Vodnár, fact sheet", textSoFar, pad, spaces(91), ruler(u8"Uran, Saturn"), spaces(1), pad,
               element(u8"vzduch"), spaces(1), pad, spaces(11), harmony(u8"Blíženci, Váhy"), spaces(116),
               colour(u8"modrá, šedá"), spaces(1), pad, spaces(17), metal(u8"olovo"), spaces(1), pad,
               spaces(32), plants(u8"narcis, tulipán, třešeň , rozmarýn, topol, kapradí"), spaces(81),
               magic(u8"22"), spaces(1), pad, spaces(21), lucky(u8"2, 30, 4, 9, 10, 15, 39, 45, 49"),
               spaces(102), days(u8"čtvrtek, pátek, sobota"), spaces(113), temperament(u8"sangvinická"));

// Ryby
constexpr auto rybyDescription = piece<1381>(
    "Ryby, description", heading(11), spaces(34), pad,
    text(u8"Ryby vnímají svět víc srdcem a intuicí než rozumem. Vodní živel a vládce Neptun jim "
         u8"dávají citlivost, fantazii a schopnost vcítit se do druhých tak hluboko, že cizí bolest "
         u8"často prožívají jako vlastní; Jupiter k tomu přidává dobrotu, víru a štědrost. Povaha, v "
         u8"níž se flegmatický klid mísí se sangvinickou vstřícností, z nich dělá lidi mírné, "
         u8"přizpůsobivé a vlídné, kteří neradi vstupují do sporů a raději ustoupí, než aby někomu "
         u8"ublížili. Vynikají soucitem, tvořivostí, smyslem pro krásu a hudbu a schopností porozumět "
         u8"i tomu, co zůstalo nevyřčeno. Mají bohatý vnitřní svět, živé sny a zvláštní tušení, které "
         u8"je často nezklame. Úskalím jejich povahy je nerozhodnost, sklon utíkat před tvrdou "
         u8"skutečností do snů a nechat se snadno ovlivnit nebo zneužít. Praktické záležitosti, "
         u8"termíny a papíry je unavují. Profesně se jim daří tam, kde mohou pomáhat nebo tvořit: ve "
         u8"zdravotnictví, sociálních službách, umění, hudbě či duchovních oborech. Prospívá jim "
         u8"klidné prostředí bez ostrých loktů. Samota a ticho u vody jim pomáhají načerpat síly. "
         u8"Zamilované Ryby jsou romantické, oddané a něžné, partnera idealizují a pak bolestně "
         u8"narážejí na jeho lidské chyby. Přátelům dávají čas, pozornost a ochotu naslouchat, i když "
         u8"na sebe samy zapomínají. Potřebují bezpečí, porozumění a někoho pevného, kdo jim pomůže "
         u8"stát nohama na zemi, aniž by jim bral sny."));
constexpr auto rybyFacts =
    piece<1174>("Ryby, fact sheet", textSoFar, pad, spaces(121), ruler(u8"Neptun, Jupiter"), spaces(121),
                element(u8"voda"), spaces(1), pad, spaces(13), harmony(u8"Rak, Štír"), spaces(120),
                colour(u8"světle modrá"), spaces(138), metal(u8"cín"), spaces(1), pad, spaces(32),
                plants(u8"mák, vodní rostliny, olše, jasmín, chrpa"), spaces(98), magic(u8"11"), spaces(1),
                pad, spaces(20), lucky(u8"2, 4, 11, 16, 24, 32, 34, 136"), spaces(103),
                days(u8"pátek, sobota, neděle"), spaces(112), temperament(u8"flegmaticko-sangvinická"));

constexpr PadLengths europeanPads{.pad = europeanPadLength};

// In the order of the sign table.
constexpr std::string_view europeanTexts[europeanSignCount] = {
    finishedText<2715, europeanPads, baranDescription, baranFacts>.view(),               // Baran
    finishedText<2873, europeanPads, bykDescription, bykFacts>.view(),                   // Býk
    finishedText<3161, europeanPads, blizenciDescription, blizenciFacts>.view(),         // Blíženci
    finishedText<3288, europeanPads, rakDescription, rakFacts>.view(),                   // Rak
    finishedText<4901, europeanPads, levDescription, levContinuation, levFacts>.view(),  // Lev
    finishedText<1824, europeanPads, pannaDescription, pannaFacts>.view(),               // Panna
    finishedText<3244, europeanPads, vahyDescription, vahyFacts>.view(),                 // Váhy
    finishedText<3396, europeanPads, skorpionDescription, skorpionFacts>.view(),         // Škorpión
    finishedText<3470, europeanPads, strelecDescription, strelecFacts>.view(),           // Strelec
    finishedText<3020, europeanPads, kozorozecDescription, kozorozecFacts>.view(),       // Kozorožec
    finishedText<3031, europeanPads, vodnarDescription, vodnarFacts>.view(),             // Vodnár
    finishedText<3158, europeanPads, rybyDescription, rybyFacts>.view(),                 // Ryby
};

}  // namespace

std::string_view europeanText(BirthDate date) {
  return signText(findEuropeanSign(date.month, date.day), europeanTexts);
}

}  // namespace kalmira
