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
    text(u8"Beran otevírá zvěrokruh a rodí se s ohněm v krvi a s chutí být první. Mars mu vložil do vínku "
         u8"odvahu, rychlé rozhodování a energii, která mu nedovolí dlouho sedět na místě. Patří ke "
         u8"kardinálním znamením, která věci zakládají: pouští se do nich dřív, než ostatní domyslí, co se "
         u8"může zvrtnout. Povahou cholerik, snadno vzplane, ale zlost v sobě nenosí a druhý den na spor "
         u8"sotva pomyslí. Jeho silou je upřímnost, nadšení a schopnost zvednout lidi ze židle; slabinou "
         u8"netrpělivost, skákání do řeči a nuda, která ho přepadne, sotva je bitva vybojována. Výsledek "
         u8"chce vidět hned, stereotyp ho dusí. Hlava, jíž znamení vládne, odnáší jeho spěch migrénou, "
         u8"horečkou nebo boulí. V lásce je dobyvatel: vyznává se první a bez okolků, jen se musí naučit "
         u8"naslouchat a dopřát partnerovi prostor. Přátelé na něm oceňují věrnost a ochotu postavit se za "
         u8"ně, i když je ostřejší, než zamýšlel. Jeho znakem jsou sklopené beraní rohy: i do každého "
         u8"nového dne vstupuje hlavou napřed."));
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
    text(u8"Býk je znamením klidné síly a trpělivosti. Z Venuše čerpá cit pro krásné věci, pro hudbu, vůně "
         u8"a chutě; obklopuje se předměty, které hodně vydrží. Jako pevné zemské znamení se nedá snadno "
         u8"pohnout z místa: nejdřív zvažuje, potom jedná a započatou práci nenechá ležet. Jeho povaha "
         u8"spojuje melancholickou hloubku s flegmatickou rozvahou, proto se jen tak nerozčílí; kdo však "
         u8"jeho trpělivost zkouší příliš dlouho, narazí na neústupnou skálu. V práci je vytrvalý, pečlivý "
         u8"a praktický a nejlépe mu jde to, co roste postupně a co je nakonec hmatatelné: dílo zlatníka, "
         u8"sochaře či cukráře nebo rozumně spravované peníze. V lásce je smyslný a stálý, city nedává "
         u8"okázale najevo, zato jsou trvalé; hlídat si musí jen sklon pokládat blízkého člověka za svůj "
         u8"majetek. Přátel má hrstku, na ně však nedá dopustit. Slabým místem jsou u něj krk a šíje: "
         u8"nejdřív ho zradí hlasivky a mandle. Podobá se bílému býkovi z báje, který nesl přes moře "
         u8"fénickou princeznu: pomalu, ale jistě doplave tam, kam se rozhodl."));
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
    text(u8"Blíženec má v sobě dvě duše a málokdy vydrží u jediné myšlenky. Vládce Merkur, posel bohů, mu "
         u8"propůjčil rychlý rozum, hbitý jazyk a zvědavost, která se nespokojí s první odpovědí. Jeho "
         u8"živlem je vzduch a znamení patří k proměnlivým, a tak přelétá od knihy k rozhovoru, od plánu k "
         u8"cestě a všude sbírá nápady, souvislosti a novinky. Sangvinická veselost se v něm střídá s "
         u8"melancholickým zamyšlením: dnes rozdává vtipy, zítra přemýšlí, zda to všechno má smysl. Kdo ho "
         u8"nezná, pokládá ho za nevyzpytatelného, ve skutečnosti však jen rychleji než druzí zpracovává "
         u8"dojmy a dochází k závěrům. Velkou předností je jeho přizpůsobivost, výmluvnost a dar vysvětlit "
         u8"i složité věci jednoduše; daní za ni bývá roztěkanost, povrchnost a lehkomyslně dávané sliby. "
         u8"Daří se mu jako novinář, tlumočník, obchodník, učitel nebo moderátor, prostě tam, kde se každý "
         u8"den mění témata i tváře. V lásce hledá duchovní spřízněnost a lehkost: partner ho musí bavit a "
         u8"nechat mu volnost; pocit sevření ho zažene. Známých má spoustu, hlubší pouto však vzniká jen s "
         u8"těmi, kdo snesou jeho proměnlivost. Znamení vládne rukám, ramenům a plícím i nervům, jimž věčný "
         u8"spěch škodí. Nejlépe ho vystihuje báje o dvou bratrech, smrtelném a nesmrtelném, kteří se "
         u8"nechtěli rozdělit a střídali den v podsvětí se dnem na Olympu: i on žije napůl tady a napůl "
         u8"někde jinde."));
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
    text(u8"Rak prožívá svět především citem. Vládne mu Měsíc, a tak se i jeho nálady mění jako měsíční "
         u8"fáze: chvílemi je plný něhy a jemného humoru, jindy se stáhne a potřebuje být sám. Voda, jeho "
         u8"živel, mu přinesla fantazii, intuici a schopnost vycítit, co druhý prožívá, i když se o tom ani "
         u8"slůvkem nezmíní. Flegmatická povaha ho chrání před ukvapenými kroky, takže zpočátku působí "
         u8"rozvážně; citlivé nitro si však pamatuje každé nevlídné slovo a křivdu sice odpustí, ale "
         u8"nezapomene na ni. Že patří ke kardinálním znamením, ukáže, jde-li o blízké: drží pohromadě "
         u8"rodinu, stará se o stárnoucí rodiče i o vnoučata a pro své lidi umí být nečekaně průbojný. "
         u8"Minulost je pro něj živá: schraňuje fotografie, dopisy a rodinné příběhy a u každého kusu "
         u8"nábytku zná historky. Vyniká věrností, obětavostí, dobrou pamětí a trpělivostí, s níž dokáže "
         u8"vyčkat na pravou chvíli. Trápí ho přecitlivělost a sklon cítit se ukřivděný. Pracuje svědomitě; "
         u8"hodí se mu péče o lidi, historie, bydlení nebo finance, s nimiž zachází spořivě a s rozmyslem. "
         u8"V lásce se otevírá pomalu a potřebuje cítit bezpečí, jinak se raději uzavře do sebe, než by "
         u8"riskoval zranění; kdo jeho důvěru získá, toho zahrne něhou a péčí. Každá starost se mu usadí v "
         u8"žaludku nebo na hrudi, kam tradice klade slabinu Raka. Jako krab z jeho znamení nosí navrchu "
         u8"pevný krunýř a pod ním měkké tělo; a k cíli chodí, jak to krabi umějí, bokem a oklikou, ale "
         u8"dojde."));
constexpr auto rakFacts =
    piece<999>("Rak, fact sheet", textSoFar, pad, spaces(198), ruler(u8"Měsíc"), spaces(1), pad, spaces(6),
               element(u8"voda"), spaces(1), pad, spaces(16), harmony(u8"Štír, Ryby"), spaces(117),
               colour(u8"fialová, bílá"), spaces(1), pad, spaces(12), metal(u8"stříbro"), spaces(1), pad,
               spaces(25), plants(u8"mák, bříza, konvalinka"), spaces(114), magic(u8"2"), spaces(1), pad,
               spaces(23), lucky(u8"2, 5, 9, 12, 48, 81, 369, 3321"), spaces(103),
               days(u8"pondělí, čtvrtek, pátek"), spaces(115), temperament(u8"flegmatická"));

// Lev
constexpr auto levDescription = piece<1720>(
    "Lev, description", heading(4), spaces(43), pad,
    text(u8"Lev je jediné znamení, jemuž vládne samo Slunce, a kdo se v něm narodil, jako by si kus toho "
         u8"světla nesl s sebou. Oheň, jeho živel, v něm živí teplo, odvahu a chuť do života, které se "
         u8"projevují v úplně obyčejných věcech: ráno vstává s plánem na celý den, v práci se ujme slova, "
         u8"když všichni mlčí, a večer ho nejvíc potěší stůl plný přátel. Lev patří k pevným znamením a "
         u8"jeho oheň nehoří jako sláma: dokáže se rychle rozhořet a prudce vybuchnout, po bouřce však "
         u8"přichází klid, z něhož čerpají jistotu i ostatní. Cholerik s flegmatikem si v něm tak podávají "
         u8"ruce. Lidé si ho všimnou, sotva vstoupí do místnosti, i když o pozornost neusiluje. Má vrozenou "
         u8"důstojnost a potřebu dávat věcem řád a lesk. S průměrem se nesmíří; chce, aby jeho práce, domov "
         u8"i vztahy měly úroveň, na niž může být hrdý. V nitru mu dřímá tvořivá síla, která se hlásí o "
         u8"slovo v umění, ve hře i v tom, jak se obléká, zařizuje byt nebo chystá oslavu. Největším "
         u8"bohatstvím Lva je štědré srdce. Umí se upřímně radovat z úspěchu druhých, ochotně pomáhá a podá "
         u8"ruku i tomu, kdo by si ji podle ostatních nezasloužil. Je věrný, čestný a přímý a intriky jsou "
         u8"mu cizí; svým nadšením umí rozehřát celé okolí. Odpovědnost převezme, i když jiní couvají, a v "
         u8"krizi si zachová chladnou hlavu, protože ví, že se na něj druzí dívají. Rub téže síly se "
         u8"jmenuje pýcha. Výtky snáší těžko, zvlášť zazní-li před svědky, a kvůli zraněné ješitnosti "
         u8"dokáže být dotčený celé týdny. Potrpí si na poslední slovo i tam, kde na něm nezáleží, a obdiv "
         u8"si občas splete s úctou, takže snadno naletí lichotníkům. Naučí-li se vyslechnout druhé a "
         u8"přiznat chybu, jeho autorita tím neutrpí, naopak poroste. V práci potřebuje prostor a uznání."));
constexpr auto levContinuation = piece<1249>(
    "Lev, continuation", textSoFar, spaces(1),
    text(u8"Nejvíc ho těší místo, kde je vidět a nese odpovědnost: jeviště, vedení firmy, zlatnictví, "
         u8"politika nebo škola, v níž si získá celou třídu. Podřízené místo ho brzy unaví, pokud nikdo "
         u8"neocení jeho snahu. V čele týmu se chová jako patriarcha a za své lidi se postaví, jen musí "
         u8"hlídat, aby jim nechal dost prostoru pro vlastní nápady. Peníze se u něj dlouho neohřejí: "
         u8"dopřává sobě i druhým, leckdy nad vlastní poměry. V lásce hoří jasným plamenem: na schůzku "
         u8"přijde s květinami a umí překvapit, ale stejně tak chce být sám hýčkán. Rád dobývá, rád "
         u8"obdarovává a je pyšný na partnera, jehož si vybral. Od něj ale čeká věrnost, obdiv a pozornost; "
         u8"chladný nezájem ho zabolí víc než výčitky. Kdo ho opravdu miluje, tomu se odmění oddaností a "
         u8"něhou. Děti ho zbožňují, protože si s nimi umí hrát a nebojí se být trochu dětinský. V "
         u8"přátelství je štědrým hostitelem a věrným ochráncem a přátelé se na něj mohou obrátit ve dne v "
         u8"noci. Nesnese však, aby jeho dobrotu někdo bral jako samozřejmost, a kdo ho zradí, druhou šanci "
         u8"dostane stěží. Srdce, záda a páteř, které astrologie Lvu přisuzuje, by měl šetřit, ale v zápalu "
         u8"pro věc zapomíná na spánek i odpočinek. Nejjasnější hvězdě jeho souhvězdí se odedávna říká Lví "
         u8"srdce: i on svítí nejvíc, když může rozdávat."));
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
    text(
        u8"Panna je proměnlivé znamení: přizpůsobí se, dává-li věc smysl. Mluví věcně, pracuje pečlivě a "
        u8"chybu v účtech najde dřív, než ji kdo hledá; sebe přitom soudí přísněji než jiné. Na obloze "
        u8"drží v ruce obilný klas, a tak i ona v životě sbírá zrnko po zrnku, dokud z nich nesloží celek."));
constexpr auto pannaFacts =
    piece<1025>("Panna, fact sheet", textSoFar, pad, spaces(292), ruler(u8"Merkur"), pad, spaces(10),
                element(u8"země"), spaces(140), harmony(u8"Býk, Kozoroh"), spaces(116), metal(u8"rtuť"),
                spaces(1), pad, spaces(35), lucky(u8"8, 64, 260, 2080"), spaces(123), days(u8"úterý"),
                spaces(144), temperament(u8"melancholická"), spaces(3));

// Váhy
constexpr auto vahyDescription = piece<1473>(
    "Váhy, description", heading(6), spaces(34), pad,
    text(u8"Člověk narozený ve znamení Vah stojí pod vládou Venuše a patří ke vzdušnému živlu; odtud jeho "
         u8"touha po kráse, souladu a spravedlnosti. Povahou je směsí sangvinika a flegmatika v nejlepším "
         u8"slova smyslu: je společenský, vlídný a veselý, přitom vyrovnaný a jen málokdy ztrácí nervy. "
         u8"Jako jediné znamení zvěrokruhu nemají Váhy za symbol živého tvora, ale nástroj, a to k němu "
         u8"patří: umí poměřovat a spor dokáže vidět očima obou stran, proto bývá vyhledávaným rádcem. "
         u8"Pohádané přátele mnohdy usmíří právě on. Má jemný vkus, cit pro barvy, hudbu i slovo a v "
         u8"ošklivém nebo hlučném prostředí trpí. Jeho slabinou bývá nerozhodnost. Důvody pro a proti váží "
         u8"tak dlouho, že se mezitím rozhodne někdo jiný, a sporům se raději vyhne velkým obloukem, i za "
         u8"cenu ústupku. Kardinální povaha znamení se však ozve, jde-li o spravedlnost. V práci se prosadí "
         u8"taktem, šarmem a darem vyjednávat, třeba jako advokát, diplomat, architekt či módní návrhář. "
         u8"Samotu nese špatně a k dobré práci potřebuje někoho, s kým může věc probrat. V lásce je něžný, "
         u8"pozorný a romantický; partnerství je pro něj přirozeným stavem, a když je sám, něco mu chybí. "
         u8"Hledá někoho, kdo bude jeho protějškem, ne pánem. V přátelství je ohleduplný a věrný a na každé "
         u8"oslavě vítaný. Citlivým místem bývají ledviny, bedra a pleť, na nichž se první projeví, že žije "
         u8"v nesouladu. Jeho symbolem jsou misky vah v rukou bohyně spravedlnosti: klid najde, až když se "
         u8"obě zastaví v jedné rovině."));
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
    text(u8"Štír prožívá svět do hloubky a povrchnost mu nic neříká. Je pevným znamením vody: jeho city "
         u8"nepřetékají jako bystřina, ale leží hluboko jako voda ve studni, klidné na pohled a silné pod "
         u8"povrchem. Flegmatický klid se v něm mísí s cholerickou silou Marsu, dávného vládce znamení, a "
         u8"Pluto, pán podsvětí, k tomu přidal zálibu ve všem skrytém. Dokáže dlouho mlčet a vyčkávat, a "
         u8"když se pak rozhodne, jde za svým cílem s neúprosnou vytrvalostí. Má výborný odhad na lidi, "
         u8"bleskově pozná faleš a za zdvořilými slovy vycítí skutečné pohnutky. Jeho silnou stránkou je "
         u8"odvaha jít věcem na kořen a vydržet tlak bez stížností. Temnější stranu tvoří podezíravost, "
         u8"žárlivost a sklon nezapomínat na křivdy; kdo jeho důvěru zklame, získá ji zpět stěží. Zahnaný "
         u8"do kouta se brání jako štír: jediným slovem, jež zasáhne přesně tam, kde to bolí. Uplatní se "
         u8"všude, kde je třeba soustředění, diskrétnost a odhodlání jít až do konce: jako psychoterapeut, "
         u8"vyšetřovatel, pojistný matematik, patolog nebo archeolog. Nesnáší dozor a nejraději pracuje "
         u8"sám. V lásce je oddaný a vášnivý, miluje celou bytostí; vlažný vztah bez opravdové blízkosti by "
         u8"ho trápil více než samota. Přátele si vybírá pečlivě, zvolna, ale ty, které si vybere, bere "
         u8"vážně a v nouzi za nimi stojí bez zaváhání. K jeho znamení patří pohlavní orgány a měchýř, a ty "
         u8"ponesou následky, když dusí city v sobě. Podle báje skolil štír obra Oriona, a proto se ti dva "
         u8"na nebi nepotkají: když Štír vychází, Orion zapadá. Tak tiše, a přece neodbytně vítězí i on."));
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
    text(u8"Na obloze je Střelec kentaurem s lukem napjatým ke hvězdám a také v životě putuje nejen po "
         u8"mapách, ale i po myšlenkách, knihách a lidských osudech. Od ohně má nadšení a odvahu, od "
         u8"Jupitera, největší z planet, jemuž se odedávna říká velké štěstí, velkorysost, optimismus a "
         u8"touhu po smyslu; v jeho povaze se tak cholerický zápal potkává se sangvinickou lehkostí. Rád "
         u8"jde s kůží na trh, věří, že za obzorem čeká něco lepšího, a okolí dokáže nakazit upřímným "
         u8"smíchem i vírou v dobrý konec. Je přímý, někdy až nešikovně otevřený: řekne, co si myslí, a pak "
         u8"zjistí, že tím někoho ranil. Zlé úmysly však nemívá a za chybu se umí omluvit stejně upřímně. "
         u8"Proměnlivý oheň ho žene od otázky k otázce: rád se učí, vyptává se a přemýšlí o tom, proč je "
         u8"svět takový, jaký je. K jeho přednostem patří poctivost, smysl pro spravedlnost, široký rozhled "
         u8"a schopnost vidět věci v souvislostech. Slabší stránkou je netrpělivost, přehnaný optimismus, s "
         u8"nímž si naloží víc úkolů, než unese, a nechuť k drobné každodenní práci. Od zaměstnání čeká "
         u8"volnost, pohyb a pocit, že jeho úsilí má vyšší cíl; jako filozof na katedře, trenér, soudce, "
         u8"horský vůdce nebo zahraniční zpravodaj bývá ve svém živlu. Jako partner bývá vřelý, hravý a "
         u8"štědrý, ale těžko snáší žárlivost a omezování; nejlépe si rozumí s tím, kdo s ním sdílí chuť "
         u8"objevovat a zároveň mu nechá prostor. Přátelství bere jako společné dobrodružství, mívá "
         u8"kamarády na třech kontinentech a rád je seznamuje mezi sebou. Kyčle, stehna a játra jsou jeho "
         u8"slabinou, a proto by měl jíst a pít střídmě. Vytrvalosti se učí pomalu, ale jednou pochopí, že "
         u8"i malé, pečlivě dokončené věci mají svou cenu."));
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
    text(u8"Kozoroh si cíl vybírá předem a jde k němu houževnatě, krok za krokem a bez spěchu. Saturn, "
         u8"přísný vládce času, ho naučil trpělivosti, vážnosti a smyslu pro odpovědnost; země dodala "
         u8"praktický rozum a melancholická povaha sklon k přemýšlení. Na štěstí nesází; věří spíše poctivé "
         u8"práci, plánu a času. Ctižádost schovává za skromné vystupování a o svých záměrech mluví, až "
         u8"když je dotáhne. Za vážnou tváří mívá suchý humor, kterým překvapí i dávné známé. Jeho "
         u8"předností je vytrvalost, smysl pro povinnost a schopnost nést zátěž dlouho a bez reptání. Škodí "
         u8"mu přísnost k sobě i k druhým, pesimismus a neochota dát najevo city. Z kardinálního znamení si "
         u8"bere chuť řídit: cení si řádu, jasných pravidel a postupného růstu a dobře se mu daří jako "
         u8"stavbyvedoucí, notář, ředitel školy, geolog nebo zubař. V lásce se nevrhá po hlavě; náklonnost "
         u8"projevuje spíš činy než slovy a vztah, který založí, buduje jako dům, na desítky let. Přítel, "
         u8"jemuž jednou otevře dveře, se na něj může obrátit i po mnoha letech. Saturn mu svěřil kosti, "
         u8"klouby a chrup, a právě ty ho s léty nejspíše potrápí. Bájný tvor jeho znamení má kozí tělo a "
         u8"rybí ocas, napůl z hor a napůl z moře: pod kamennou vážností nosí i hloubku, o níž tuší "
         u8"málokdo."));
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
    text(u8"Vodnář, mladík se džbánem z hvězdné oblohy, myslí po svém a na vyšlapané cesty se dívá s "
         u8"nedůvěrou. Vzduch mu nadělil lehkost, zvídavost a chuť komunikovat; Uran, planeta náhlých "
         u8"zvratů, v něm probouzí touhu po změně a originalitě a Saturn mu přidává nečekanou vytrvalost a "
         u8"zásadovost. Díky sangvinické povaze je společenský a přátelský, ale i uprostřed davu si uchová "
         u8"kus nezávislosti. Má v sobě ducha vynálezce a reformátora: zajímá ho budoucnost, technika i "
         u8"spravedlivé uspořádání společnosti. Je tolerantní a velkorysý a předsudky nesnáší. Pevné "
         u8"znamení se v něm projevuje neoblomností: názor změní jen pod tíhou argumentů, nikdy pod tlakem "
         u8"autority. Horší je to s tvrdohlavostí, nevyzpytatelností a jistým chladem v citech; na lidstvu "
         u8"mu záleží, s blízkým člověkem ve slzách si ale někdy neví rady. K práci potřebuje volnost a "
         u8"prostor pro experimenty; najde se jako programátor, meteorolog, astronom nebo organizátor "
         u8"dobročinných sbírek. V lásce mu nejvíc záleží na rovnosti: partner má být spíše spojencem v "
         u8"myšlenkách než majitelem jeho času, a kdo si na něj začne dělat nárok, ztratí ho. Tradice mu "
         u8"přisuzuje oběh krve a nohy od lýtek po kotníky. Kamarádům zůstává věrný, i když se vidí jen "
         u8"zřídka, a po letech naváže tam, kde minule přestal."));
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
    text(u8"Kdo se narodil ve znamení Ryb, vnímá svět víc srdcem a intuicí než rozumem. Neptun, vládce "
         u8"moří, v něm rozvíjí citlivost, fantazii a schopnost vcítit se do druhých tak hluboce, že se mu "
         u8"jejich smutek vkrádá pod kůži; Jupiter, dávný pán znamení, ho obdařil dobrotou, vírou a "
         u8"štědrostí. Flegmatický klid a sangvinická vstřícnost z něj dělají člověka mírného, "
         u8"přizpůsobivého a vlídného, který nerad vstupuje do sporů a raději ustoupí, než aby někomu "
         u8"ublížil. Je soucitný a tvořivý a dokáže porozumět i tomu, co zůstalo nevyřčeno. Má živé sny a "
         u8"zvláštní tušení, které ho zřídka zklame. Úskalím jeho povahy je nerozhodnost a sklon nechat se "
         u8"ovlivnit nebo zneužít; tvrdá skutečnost ho unaví rychleji než jiné a s penězi a úředními "
         u8"lhůtami si leckdy neví rady. Profesně ho přitahují obory, v nichž může pomáhat nebo tvořit: "
         u8"ošetřovatelství, sociální práce, hudba, divadlo či duchovní služba. Ostré lokty a hlučné "
         u8"prostředí mu berou sílu. Když se zamiluje, vidí v partnerovi ideál a pak bolestně naráží na "
         u8"jeho lidské chyby. Přátelům dává čas, pozornost a ochotu naslouchat a o své starosti se dělí až "
         u8"poslední. Astrologie mu svěřuje chodidla a mízní soustavu, které jeho únavu prozradí jako "
         u8"první. Dvě ryby jeho znamení spojuje stuha, ale každá plave jinam, jedna k hladině a "
         u8"skutečnosti, druhá do hlubiny snů, a on se celý život učí plout s oběma."));
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
