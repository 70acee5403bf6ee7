// The seasonal periods: for each period its Czech heading and three passages (the season itself,
// with its nature, its work in the fields, gardens and farmyards and its customs; the person that
// season shapes; love and health in the season's own images). Runs of tabs and spaces stand
// between the passages because the result box knows no line breaks.
#include "engine/cyclic.h"

#include <iterator>

#include "engine/totem_periods.h"

namespace kalmira {

namespace {

// Doba probuzení
constexpr auto probuzeniNature =
    piece<464>("Doba probuzení, nature", text(u8"Doba probuzení"), spaces(25), pad,
               text(u8"Jarní rovnodennost přehoupne den přes noc a od té chvíle vládne světlo. Ze "
                    u8"strání mizí poslední sníh, v lesích kvete jaterník a sasanka hajní, u cest "
                    u8"žloutne podběl a v zahradách se otvírají první meruňkové květy. Vrací se čáp, "
                    u8"na pole sedají špačci a za vlažných nocí táhnou ropuchy k rybníkům. Sedlák "
                    u8"vláčí role a seje oves a ječmen, na Smrtnou neděli nesou děti Moranu k potoku "
                    u8"a po ní přicházejí Velikonoce s pomlázkou."));
constexpr auto probuzeniCharacter =
    piece<1146>("Doba probuzení, character", textSoFar, tabs(14),
                text(u8"Kdo přijde na svět s prvními jarními dny, nese si z nich do života sílu "
                     u8"rašícího semene, které prorazí i ušlapanou hlínu. Když po něčem touží, vyrazí "
                     u8"hned, tak jako podběl, který vykvete dřív, než mu narostou listy. Vstává "
                     u8"časně, nejraději s kosem, jenž zpívá ještě za tmy, a ráno je jeho nejlepší "
                     u8"chvílí. Ve společnosti přináší pohyb; kde se dlouho jen rokuje, on už zapřahá "
                     u8"a ostatní se k němu přidávají. Nálady se mu mění jako aprílové počasí: ráno "
                     u8"přeháňka, v poledne slunce, navečer krupobití, a kdo ho zná, ví, že zítra bude "
                     u8"zase jasno. Má rád hluk probouzejícího se dvora, bečení jehňat a rachot vozů, "
                     u8"kdežto ticho prázdného stavení ho znepokojuje. Jarní práce mu jdou od ruky, "
                     u8"protože se nebojí bláta ani studené rosy. Sousedé vědí, že když on vyjede s "
                     u8"bránami, je půda oschlá a dá se sít. Pozdní mráz, který jiné spálí, ho "
                     u8"nezlomí: otřepe se a raší znovu. Na Velký pátek se dřív chodilo za svítání "
                     u8"umýt k potoku a on by šel i dnes. S penězi zachází jako hospodář v březnu, "
                     u8"který dá do země poslední zrno v důvěře, že se mu vrátí stokrát; občas se "
                     u8"přepočítá, a proto se mu vyplatí mít v komoře schovaný pytel na horší rok."));
constexpr auto probuzeniLove =
    piece<872>("Doba probuzení, love and health", textSoFar, tabs(17),
               text(u8"Náklonnost dává najevo hlučně a s humorem, tak jako chlapci, kteří o "
                    u8"Velikonocích obcházejí ves s pomlázkou a za každou písničku dostanou malované "
                    u8"vejce. Přitahuje ho ten, kdo se nenechá získat hned napoprvé a kdo mu na jeho "
                    u8"kousky odpoví smíchem, a ne výčitkou. Vztah je pro něho jako jarní zahrada, "
                    u8"kterou je třeba každý den obejít, protože přes noc v ní něco raší. Nejvíc mu "
                    u8"ublíží chlad: partner, který se zamračí a mlčí, je pro něj jako noční mrazík, "
                    u8"jenž spálí právě rozkvetlé meruňky. Zdraví má jako mladý trávník, který vydrží "
                    u8"šlapání a za pár dní se zase zvedne. Slabinou je spěch: za prvního teplého dne "
                    u8"vyběhne v košili, nachladí se a potom se zlobí, že musí ležet. Jarní slunce je "
                    u8"zrádné a on mu věří příliš brzy. Posilu mu dá polévka z mladých kopřiv a "
                    u8"podbělový čaj, které venkov odjakživa vaří na konci zimy, když už spíž zeje "
                    u8"prázdnotou."));

// Doba růstu
constexpr auto rustuNature =
    piece<544>("Doba růstu, nature", text(u8"Doba růstu"), spaces(29), pad,
               text(u8"Po velikonočních přeháňkách se jaro usadí a začne vytrvale pracovat. Ozimy na "
                    u8"polích houstnou a sytě zelenají, řepka rozlévá po krajině žluté lány, v sadech "
                    u8"kvetou třešně a po nich jabloně, u plotů voní šeřík. Na svatého Jiří se "
                    u8"vyháněl dobytek na pastvu, v noci na první máj se pálily čarodějnice a ráno "
                    u8"stála na návsi májka. Zahrádkáři sázejí brambory, ale okurky a rajčata dávají "
                    u8"ven až po zmrzlých mužích, protože v polovině května umí přijít mráz. Z lesa "
                    u8"se ozve kukačka a v hájích zpívají slavíci."));
constexpr auto rustuCharacter =
    piece<1052>("Doba růstu, character", textSoFar, tabs(16),
                text(u8"Člověk narozený v době růstu má v sobě klid dobře zorané role. Nespěchá, a "
                     u8"přesto se jeho dílo den po dni zvětšuje jako obilí, které v květnu přidává do "
                     u8"výšky, aniž by si toho kdo všiml. Neokouzlí na první setkání; jeho síla je v "
                     u8"tom, že vydrží. Co zasadí, to zalévá, okopává a hlídá, dokud nesklidí. Pozná "
                     u8"podle vůně hlíny, kdy se dá sázet, a podle kukačky, kdy je jaro doopravdy "
                     u8"tady. Ve svém okolí zná každý kout, ví, která hrušeň rodí dřív a kde se v "
                     u8"dubnu drží voda, a tohle se nedá vyčíst z knih. Jeho trpělivost je trpělivostí "
                     u8"pastýře, který na jaře poprvé vyhání krávy: nechá je, ať se po zimě "
                     u8"vydovádějí, a ví, že večer stejně přijdou domů. Stavění máje ho baví víc než "
                     u8"cokoli jiného: vysoký smrk se musí vybrat v lese, oloupat a ozdobit stuhami a "
                     u8"potom celou noc hlídat, aby ho chlapci ze sousední vesnice nepodřízli. Z jeho "
                     u8"rukou roste i to, co jinde hyne: přesazený stromek, zanedbaný záhon, "
                     u8"nedůvěřivý soused. Rád si zpívá při práci a nejeden z narozených v tomto čase "
                     u8"má hlas, který by utišil i neklidné stádo na pastvě."));
constexpr auto rustuLove =
    piece<802>("Doba růstu, love and health", textSoFar, tabs(16),
               text(u8"Jeho láska roste jako strom v sadu: pomalu a s kořeny, které sahají hluboko. "
                    u8"Když je zamilovaný, postaví milé v noci na první máj pod okno májku, břízku "
                    u8"ozdobenou pentličkami, a ráno se tváří, že o ničem neví. Máj je pro něj lásky "
                    u8"čas i bez Máchy: večer pod rozkvetlou třešní, kde se podle zvyku líbají dívky, "
                    u8"aby neuschly, je jeho svátkem víc než kterýkoli jiný den v roce. K tomu, koho "
                    u8"miluje, se chová jako k jabloni, kterou sám vysadil: přivazuje ke kůlu, když "
                    u8"fouká, a na zimu obaluje slámou. Tělo má pevné jako mladý dub a vydrží hodně, "
                    u8"jen si musí hlídat, aby ho zvyk ze zimy nepřipoutal k lavici u kamen. Nejlépe "
                    u8"mu dělá pohyb venku v čase, kdy všechno kvete, a pylové mraky ze sadů mu "
                    u8"zřídka vadí. Babičky mu dávaly do salátu mladé lístky pampelišky, aby z těla "
                    u8"vyhnaly zimu."));

// Doba rozkvětu
constexpr auto rozkvetuNature =
    piece<852>("Doba rozkvětu, nature", text(u8"Doba rozkvětu"), spaces(25), pad,
               text(u8"Když odkvetou sady, rozvine se krása luk. Tráva je vysoká a pestrá, kvetou v "
                    u8"ní kopretiny, zvonky a jetel, v obilí svítí vlčí máky a chrpy, na zahradách se "
                    u8"rozvíjejí pivoňky a první růže a podél cest voní bez černý. Z úlů vyrážejí "
                    u8"roje a včelař s nimi běhá po zahradách. Na konci května začíná senoseč: kosy "
                    u8"zvoní od rána, seno se obrací hráběmi a za teplých večerů se sváží na vůz, "
                    u8"dokud nespadne rosa. Zrají první jahody a třešně, na Boží tělo sypou družičky "
                    u8"pod nohy průvodu lístky pivoněk. Vše se teď soustředí na květ a na to, aby "
                    u8"přilákal hmyz, který roznese pyl. Během dne se krajina hemží motýly, večery "
                    u8"jsou světlé a dlouhé a sedláci si hlídají oblohu, protože Medardova kápě prý "
                    u8"čtyřicet dní kape. Na lípách se chystají květy, které otevřou až v posledních "
                    u8"dnech této doby, a s nimi přichází slunovrat."));
constexpr auto rozkvetuCharacter =
    piece<909>("Doba rozkvětu, character", textSoFar, tabs(17),
               text(u8"Zvídavý jako včela, která obletí sto květů, než se vrátí do úlu, bývá ten, kdo "
                    u8"se narodí v době rozkvětu. Z každé louky si něco přinese a doma to smíchá v "
                    u8"med, jaký nikdo jiný nevyrobí. Je lehký jako pyl, který vítr roznese po kraji, "
                    u8"a kde se objeví, je hned veseleji. Hrábě mu v ruce tančí a seno obrátí dřív, "
                    u8"než ostatní dojdou na konec řádku. Hloubka mu ale dá práci: jako louka před "
                    u8"sečí je pestrý a vysoký, kořeny však nemá tak dlouhé jako strom. Nejlíp mu je "
                    u8"za svítání, kdy se kosí v rose a celá ves je venku. První zralou jahodu musí "
                    u8"ochutnat dřív než ostatní. Práci bere jako včelař při rojení: rychle, odvážně "
                    u8"a trochu s hlavou v oblacích, a když se roj usadí na nejvyšší větvi, vymyslí, "
                    u8"jak ho dostat do úlu, a ještě se přitom zasměje. Krása pro něj není přepych, "
                    u8"ale potřeba, a i na okno chalupy dá hrnek s pivoňkami. Na ostatní působí mladě "
                    u8"v každém věku a stárnout snad neumí."));
constexpr auto rozkvetuLove =
    piece<684>("Doba rozkvětu, love and health", textSoFar, tabs(20),
               text(u8"Lásku si představuje jako senoseč ve dvou: jeden kosí a druhý obrací, a když "
                    u8"je zastihne přeháňka, skryjí se pod vůz. Nejhezčí vyznání pro něj je kytice "
                    u8"natrhaná cestou z pole, třeba jen jetel a pár klásků, a nevadí mu, že do "
                    u8"večera zvadne. O letnicích se na Slovácku jezdí jízda králů a chlapci se na "
                    u8"koních ukazují před děvčaty; takové dvoření je mu bližší než vážné sliby. "
                    u8"Otázku, zda je milován, by nejraději svěřil kopretině a otrhával její lístky: "
                    u8"má mě rád, nemá mě rád. V čase senoseče ho umí potrápit pyl travin, a tak je "
                    u8"rád, když po dešti prach sedne a louka voní čistě. Medardovy deště ho neskolí; "
                    u8"přečká je s knihou a s hrnkem čaje z bezového květu."));

// Doba dlouhých dnů
constexpr auto dlouhychDnuNature =
    piece<560>("Doba dlouhých dnů, nature", text(u8"Doba dlouhých dnů"), spaces(19), pad,
               text(u8"Slunce se o slunovratu zastaví na nejvyšším bodě své pouti a soumrak se na "
                    u8"severu oblohy protáhne skoro do půlnoci. O svatojánské noci hoří na kopcích "
                    u8"ohně, v trávě blikají světlušky a byliny natrhané před svítáním mají podle "
                    u8"starých bylinářek největší moc; nejvíc se cení třezalka, která kvete právě "
                    u8"kolem svatého Jana. Dozrávají pozdní třešně, rybíz a angrešt, kvetou lípy a "
                    u8"celé vsi voní medem. V hnízdech bývá těsno a čápata mávají křídly. Na horských "
                    u8"loukách se teprve suší seno a v nížinách se chystá ječmen ke žním."));
constexpr auto dlouhychDnuCharacter =
    piece<1238>("Doba dlouhých dnů, character", textSoFar, tabs(12),
                text(u8"Nejdelší dny roku vtisknou tomu, kdo se v nich narodí, zvláštní dvojí tvář: "
                     u8"plnost, která už v sobě nese první krůček zpátky. Od slunovratu den neznatelně "
                     u8"ubývá a on to cítí, i když to jiní nevidí. Proto dovede být šťastný a zároveň "
                     u8"dojatý, jako by i v tom nejkrásnějším večeru slyšel, že se léto jednou "
                     u8"přehoupne. Je laskavý jako stín staré lípy, pod kterou se v poledne schází "
                     u8"celá ves, a sousedé se k němu slétají, aniž by je zval. Rád pozoruje, jak se "
                     u8"věci mají, a než promluví, poslouchá. Bouřku pozná na obloze dřív než kdokoliv "
                     u8"jiný a seno stihne svézt, když ostatní teprve zvedají hlavy; ta předvídavost "
                     u8"se mu hodí i mezi lidmi. K práci přistupuje jako včela v lipovém květu: "
                     u8"vytrvale, bez hluku a s jistotou, že se z toho udělá med pro horší časy. Kdo "
                     u8"se od něj učí, pozná ho jako čápa na komíně: neudělá nic za mladé, ale zůstane "
                     u8"nablízku, dokud nevzlétnou sami. V den, kdy se kosí, vstává před sluncem, "
                     u8"protože tráva se nejlépe seče, dokud je na ní rosa. Nejraději má vůni sušeného "
                     u8"sena a chladnou vodu ze studny. Umí zavařit léto do sklenic a usušit lipový "
                     u8"květ, aby se v lednu bylo čím ohřát. Krátké noci mu nevadí; nejživější bývá za "
                     u8"soumraku, kdy se nad loukou rozsvítí světlušky a ze vsi je slyšet harmoniku."));
constexpr auto dlouhychDnuLove =
    piece<964>("Doba dlouhých dnů, love and health", textSoFar, tabs(17),
               text(u8"Podle zvyku se o svatojánské noci přeskakuje oheň ve dvou, ruku v ruce, aby "
                    u8"pár vydržel, a u takového ohně se rodí i jeho láska. Nevěří na lásku, která "
                    u8"vzplane a shoří; chce plamen, který se dá přiložit a hřeje do rána. S tím, "
                    u8"koho miluje, nejraději sedí večer na mezi a poslouchá cvrčky do soumraku. "
                    u8"Dívky v tuto noc kladly pod polštář věneček z devatera kvítí, aby se jim zdálo "
                    u8"o budoucím ženichovi, a něco z té trpělivé naděje nosí v srdci i on. Nevyzná "
                    u8"se ve velkých slovech, zato ví, kdy třešně otrhat, a ty nejkrásnější nechá na "
                    u8"stromě pro toho druhého. Potřebuje vědět, že se k němu ten druhý večer vrátí, "
                    u8"a když se nevrací, trápí se potichu. Letní vedro a dusné noci, kdy se nedá ani "
                    u8"spát, ho vyčerpají víc než práce. Svěžest mu vrátí koupel v řece a lipový čaj, "
                    u8"který babičky dávaly dětem proti horečce i proti smutku. Vyplatí se mu v "
                    u8"poledne zalézt do stínu, jako to dělá každý rozvážný sedlák, a práci nechat na "
                    u8"večer, kdy se ochladí."));

// Doba zrání
constexpr auto zraniNature =
    piece<520>("Doba zrání, nature", text(u8"Doba zrání"), spaces(27), pad,
               text(u8"Žně jsou v plném proudu: kombajny pojíždějí po lánech pšenice do večera a za "
                    u8"nimi zůstává strniště a balíky slámy. Nastaly psí dny, nejparnější týdny, kdy "
                    u8"nad polem stojí horko a po poledni se na obzoru kupí bouřková mračna. V sadech "
                    u8"dozrávají meruňky, broskve a letní jablka, na zahradách se nakládají okurky a "
                    u8"nad ploty se ke slunci otáčejí slunečnice. Po bouřce rostou hřiby. Za jasných "
                    u8"nocí padají z nebe hvězdy, slzy svatého Vavřince, a kdo vydrží bdít, napočítá "
                    u8"jich desítky."));
constexpr auto zraniCharacter =
    piece<869>("Doba zrání, character", textSoFar, tabs(17),
               text(u8"Narodit se, když zraje obilí, znamená přijít na svět do vrcholné práce roku. "
                    u8"Takový člověk ví, že úroda nepadá z nebe: co se zjara zaselo a přes léto "
                    u8"ochránilo před krupobitím, musí se teď sklidit, dokud stojí počasí. Má tedy v "
                    u8"sobě horkou rozhodnost poledne a pracuje nejlépe tehdy, když na něčem záleží. "
                    u8"Nebojí se vedra ani prachu a vydrží na poli do setmění, když je potřeba úrodu "
                    u8"dostat pod střechu. Rád má kolem sebe ruch: vozy, hlasy, smích okolo džbánu na "
                    u8"mezi, kam hospodyně nosily žencům svačinu. Radost pro něj teprve tehdy něco "
                    u8"znamená, když ji s někým sdílí. Líbí se mu, když se věci dotáhnou do zralosti, "
                    u8"a nedočkavce, kteří trhají zelené ovoce, nechápe. Po práci se umí veselit do "
                    u8"sytosti, s hudbou a tancem na návsi, jak se to na vsi o poutích dělávalo. Z "
                    u8"letní oblohy si bere ještě něco: odvahu přání, které vysloví, když padá "
                    u8"hvězda."));
constexpr auto zraniLove =
    piece<1094>("Doba zrání, love and health", textSoFar, tabs(12),
                text(u8"V lásce má k letu blízko: chce teplo, světlo a noc pod širým nebem. "
                     u8"Nejkrásnější schůzka se mu odehraje na kupce sena za vsí, kde se dva dívají do "
                     u8"tmy a každý padající meteor je záminkou k novému přání. Neumí milovat napůl, "
                     u8"ale ani potají; komu dá srdce, ten to pozná, protože to dá najevo před celou "
                     u8"vsí. Láska pro něj není tichá: chce ji vidět v očích, slyšet ji v písni a "
                     u8"ochutnat v meruňkách, které mu ten druhý přinese z vlastního stromu. Na "
                     u8"zábavách po žních tančí do rána a nevynechá jedinou písničku. Touží po někom, "
                     u8"kdo mu řekne, kdy je čas složit kosu a jít domů. Naučit se lépe naslouchat mu "
                     u8"neuškodí, protože partner ne vždy řekne všechno nahlas. Nejraději by lásku "
                     u8"slavil jako pouť: s perníkovým srdcem a kolotočem. Rodina je pro něj jako pole "
                     u8"v plném klasu: chce ji vidět prosperovat a dělá pro to, co může. Sil mívá dost "
                     u8"a po nemoci se rychle postaví na nohy, ale v psích dnech by se měl vyhnout "
                     u8"polednímu úpalu. Při přehřátí mu pomůže chladný sklep a okurkový salát. Z léta "
                     u8"si má vzít i klid dlouhého večera, kdy se po žních sedá na zápraží a nikam se "
                     u8"už nespěchá."));

// Doba žní
constexpr auto zniNature =
    piece<752>("Doba žní, nature", text(u8"Doba žní"), spaces(29), pad,
               text(u8"Na polích v nížinách zůstalo po žních jen strniště a pluhy ho zaorávají, aby "
                    u8"se mohla sít řepka. V podhůří se ještě sklízí oves, a když padne poslední "
                    u8"klas, vije se z něj dožínkový věnec a nese se hospodáři s písní. Na Žatecku se "
                    u8"češe chmel, v sadech se ohýbají větve pod švestkami a hruškami a brambory se "
                    u8"začínají vybírat z půdy. Vlaštovky se shromažďují na drátech a jednoho rána "
                    u8"jsou pryč. Rosa leží v trávě dlouho do dopoledne, noci jsou chladnější a "
                    u8"rudnou jeřabiny. Kouř ze dvorů prozrazuje, že se vaří povidla: švestky se celý "
                    u8"den i noc míchají v kotli, aby se nepřipálily, a sousedé se u toho střídají. "
                    u8"Tohle je čas, kdy se sčítá, co rok dal: obilí do sýpky, brambory do sklepa, "
                    u8"ovoce na sušení do lísek."));
constexpr auto zniCharacter =
    piece<1081>("Doba žní, character", textSoFar, tabs(16),
                text(u8"S rozvahou hospodáře, jenž stojí na konci léta u vrat stodoly a ví, že rok už "
                     u8"nelze předělat, přichází na svět člověk doby žní. Na to, co se letos "
                     u8"nepovedlo, se dlouho nezlobí; bere to jako počasí a do příštího jara si z toho "
                     u8"vezme poučení. Pozná, kdy je co zralé: rozkousne zrno a ví, zda se dá mlátit, "
                     u8"potěžká švestku a řekne, zda už patří do kotle. Ta jistota odhadu se mu hodí v "
                     u8"každé práci, i tam, kde se nevozí obilí, ale rozhodují se věci mezi lidmi. "
                     u8"Nejlépe se mu daří ve společném díle, kde se ruka přidává k ruce, tak jako při "
                     u8"česání chmele, kdy celá rodina sedí kolem koše a soutěží, kdo natrhá více. Umí "
                     u8"poděkovat, a to není málo: když nese hospodáři dožínkový věnec, děkuje v duchu "
                     u8"i zemi, dešti a sousedům, kteří pomohli. Odchod vlaštovek ho nechá "
                     u8"zamyšleného, protože v něm cítí, jak rychle se rok otáčí. Z té chvíle si však "
                     u8"neudělá smutek, ale pobídku: co se dá ještě stihnout, to stihne, než přijdou "
                     u8"deště. Vydrží u kotle s povidly celou noc a ví, že vařečka se nesmí zastavit, "
                     u8"jinak se všechno připálí; stejně vytrvale drží i slovo a přátelství."));
constexpr auto zniLove =
    piece<914>("Doba žní, love and health", textSoFar, tabs(14),
               text(u8"Při nočním míchání povidel se dřív nejen pracovalo: sousedé se u kotle "
                    u8"střídali do rána, vyprávělo se a zpívalo a leckterý pár se dal dohromady právě "
                    u8"tam, v kouři a vůni švestek. Stejně tak přichází láska i k němu, pomalu a při "
                    u8"společné práci. O citech nemluví hned; nejdřív chce vědět, jestli se s tím "
                    u8"druhým dá táhnout za jeden provaz, až bude potřeba svézt úrodu před deštěm. "
                    u8"Když to ví, nepotřebuje už nic slibovat. Na dožínkách tančí s tím, koho má "
                    u8"rád, celou noc, a kdo ho zná jen z pole, diví se, jak lehce se umí točit. Bolí "
                    u8"ho lhostejnost k tomu, co společně vypěstovali, ať je to zahrada, anebo dům. "
                    u8"Konec léta ho zaskočí únavou, protože chce stihnout všechno najednou, a ranním "
                    u8"chladem, na který po horkých týdnech zapomíná. Zotaví se spánkem při otevřeném "
                    u8"okně, kterým voní posečená otava, a ráno mu přijde vhod jablko z vlastního "
                    u8"sadu, utržené s rosou, se lžící medu z pozdní snůšky."),
               spaces(2));

// Doba padajícího listí
constexpr auto padajicihoListiNature =
    piece<719>("Doba padajícího listí, nature", text(u8"Doba padajícího listí"), spaces(18), pad,
               text(u8"Babí léto rozvěsí po strništích stříbrná vlákna pavučin, ráno se údolími táhne "
                    u8"mlha a odpoledne bývá ještě teplo skoro jako v srpnu. Den a noc se o "
                    u8"rovnodennosti vyrovnají a pak už tma každý den ukrojí kus světla. Listí se "
                    u8"barví: javory a břízy žloutnou, buky rezavějí, duby hnědnou a jen divoké víno "
                    u8"na zdech a svída v remízcích rudnou do šarlatu. Na jižní Moravě se sklízí "
                    u8"réva, ve sklepích kvasí burčák a ze dvorů je slyšet vrzání lisů. Brambory se "
                    u8"sypou do pytlů, cukrovka se sváží do cukrovarů a na zoraná pole se seje ozimá "
                    u8"pšenice. V lesích troubí jeleni a nad hlavami táhnou hejna hus a jeřábů. Děti "
                    u8"pouštějí draky, a kde se ještě drží zvyk, slaví se posvícení s koláči."));
constexpr auto padajicihoListiCharacter =
    piece<461>("Doba padajícího listí, character", textSoFar, tabs(21),
               text(u8"Narozený v čase padajícího listí se umí s věcmi rozloučit bez hořkosti, jako "
                    u8"strom, který nechá odletět i ten nejkrásnější list. Podzimní světlo ho "
                    u8"naučilo, že krása neznamená trvání, a proto si každé chvíle váží. Pracuje v "
                    u8"tempu vinaře: ví, kdy trhat, kdy lisovat a kdy nechat víno v klidu dozrát, a "
                    u8"netlačí na nic, co potřebuje čas. Změně se nevzpírá, ale hledá, co nového "
                    u8"přinese. Jeho blízkost hřeje jako odpolední slunce babího léta."));
constexpr auto padajicihoListiLove =
    piece<937>("Doba padajícího listí, love and health", textSoFar, tabs(21),
               text(u8"Láska mu voní vinobraním. Rodí se mezi řádky vinice, při společném trhání "
                    u8"hroznů, a dozrává pomalu jako víno ve sklepě, které se nesmí popohánět. "
                    u8"Zamilovaný zpívá u lisu hlasitěji než ostatní a burčák s ním chutná sladčeji. "
                    u8"Vztah si představuje jako draka na provázku: potřebuje vítr, aby stoupal, a "
                    u8"současně ruku, která ho pevně drží, aby neulétl. Na posvícení peče koláče pro "
                    u8"toho, koho má rád, a nejlepší mu schová. Společník jeho života by měl chápat, "
                    u8"že podzim je proměnlivý, v jednu chvíli teplý a vzápětí mlhavý, a že i jeho "
                    u8"nálady se s tím počasím trochu otáčejí. Mlhavá rána a vlhko, které zalézá pod "
                    u8"kabát, na něj dolehnou brzy, a v říjnu bývá první, koho skolí rýma. Bylinkářka "
                    u8"mu poradí šípkový čaj z plodů, které právě zčervenaly na mezích, a hrst "
                    u8"ořechů, jež v tuto dobu opadávají ze stromů. Nejlíp si ale odpočine na "
                    u8"procházce šustícím listím, kde se po chvíli uklidní i ta nejneposednější "
                    u8"myšlenka."));

// Doba prvních mrazů
constexpr auto prvnichMrazuNature =
    piece<1155>("Doba prvních mrazů, nature", text(u8"Doba prvních mrazů"), spaces(18), pad,
                text(u8"Jednoho rána je tráva stříbrná a kaluže na cestě pokryté tenkým ledem: přišly "
                     u8"první mrazy. Stromy shodily zbytky listí a les prosvítá, takže je v něm "
                     u8"najednou vidět daleko. Ozimá pšenice na polích vzešla a zelená a na záhonech "
                     u8"zůstaly jen kapusta a pór, které mráz snesou a chutnají po něm sladčeji. Na "
                     u8"dvorech se krouhá zelí a šlape do sudů, mrkev a celer se ukládají do písku ve "
                     u8"sklepě a řepa do krechtů. Zahrádkář hrabe listí, přikrývá růže chvojím a "
                     u8"natírá kmeny ovocných stromů vápnem, aby jim v zimě slunce nepopraskalo kůru. "
                     u8"Ježek si v hromádce listí chystá pelech k zimnímu spánku a veverka ukládá "
                     u8"oříšky. Na Dušičky se hřbitovy rozsvítí svíčkami, na hrobech leží chryzantémy "
                     u8"a věnce z jedliček a vzpomíná se na ty, kdo odešli. O svatém Martinu se peče "
                     u8"husa, ochutnává se mladé víno a říká se, že Martin přijede na bílém koni. Mlhy "
                     u8"se válí v údolích celé dny, soumrak přichází už odpoledne a kouř z komínů se "
                     u8"drží při zemi. V polích se pořádají hony na bažanty a zajíce a k večeru se v "
                     u8"hospodě vyprávějí lovecké historky. Příroda se nezastavila, jen stáhla život "
                     u8"do kořenů, cibulí a semen, kam mráz nedosáhne."));
constexpr auto prvnichMrazuCharacter =
    piece<857>("Doba prvních mrazů, character", textSoFar, tabs(17),
               text(u8"V době prvních mrazů se rodí člověk, který nemá rád příkrasy. Podobá se "
                    u8"listopadovému lesu: když opadá listí, nic se v něm neschová, a on sám také "
                    u8"dává přednost věcem, jak jsou, bez pozlátka. Tma, která teď přichází brzo "
                    u8"odpoledne, ho nelekne, stejně jako práce těžká a špinavá; krouhání zelí a "
                    u8"zazimování zahrady udělá bez reptání a u toho si zazpívá. Má v sobě úctu ke "
                    u8"starým a k tomu, co po nich zůstalo, a na Dušičky nechá svíčku hořet i na "
                    u8"opuštěném hrobě. Je rozvážný a zásobu si připraví včas: mráz nečeká. S korunou "
                    u8"zachází jako hospodyně, která v listopadu počítá sudy zelí a pytle brambor: "
                    u8"nic nerozhazuje, ale ani neskrblí, protože ví, co je potřeba do jara. Jeho "
                    u8"humor bývá suchý jako první jinovatka: štípne, ale nikdy neublíží. V tichém "
                    u8"soustředění mu jde práce nejlíp, když je venku mlha a uvnitř teplo a čas na "
                    u8"rozmýšlení."));
constexpr auto prvnichMrazuLove =
    piece<526>("Doba prvních mrazů, love and health", textSoFar, tabs(13),
               text(u8"Svatomartinskému večeru se podobá jeho láska: zvenku mlha a chlad, uvnitř plná "
                    u8"kuchyně, pečená husa a mladé víno. Kdo k němu v mlze najde cestu, najde i "
                    u8"teplo a místo u stolu. Potěší ho, když na něj někdo za tmy počká s lucernou. "
                    u8"Sblíží se s tím druhým nejsnadněji při společné práci za soumraku, když se na "
                    u8"zahradě hrabe a pálí listí. Rád obdaruje něčím, co sám připravil, třeba i "
                    u8"sklenicí zavařených švestek nebo pletenou šálou. Na vlhký chlad a krátké dny "
                    u8"platí domácí cibulový sirup s medem a dlouhý spánek."));

// Doba dlouhých nocí
constexpr auto dlouhychNociNature =
    piece<1002>("Doba dlouhých nocí, nature", text(u8"Doba dlouhých nocí"), spaces(18), pad,
                text(u8"Slunce zapadá kolem čtvrté odpoledne a vychází skoro v osm; noc je dvakrát "
                     u8"delší než den. Na svatou Lucii prý noci upije a dne nepřidá, a pranostika "
                     u8"nelže: právě kolem ní zapadá slunce nejdřív v celém roce. Napadne první sníh, "
                     u8"většinou jen na pár dní, a na krmítkách se slétají sýkory, zvonci a hýlové s "
                     u8"červenou hrudí. Ves se stáhne do světnic. Ženy se scházejí na draní peří, ve "
                     u8"stavení se konají zabijačky a z kuchyní voní perník a vanilkové rohlíčky. S "
                     u8"adventem se na stole objeví věnec se čtyřmi svícemi a každou neděli se zapálí "
                     u8"další. V den svaté Barbory se řežou třešňové větvičky a dávají do vody, aby do "
                     u8"Štědrého dne rozkvetly. Večer před svatým Mikulášem chodí po vsi Mikuláš s "
                     u8"andělem a čertem a děti odříkají básničky. Nad obzorem vychází Orion a za "
                     u8"mrazivých nocí jsou hvězdy vidět ostře jako v žádném jiném měsíci. Ve spížích "
                     u8"stojí zavařeniny a na půdě visí věnce cibule a sušené houby. Všechno míří k "
                     u8"nejdelší noci, po které se světlo začne vracet."));
constexpr auto dlouhychNociCharacter =
    piece<768>("Doba dlouhých nocí, character", textSoFar, tabs(22),
               text(u8"Do času čekání se rodí ten, kdo přijde na svět za dlouhých nocí, a brzy "
                    u8"pochopí, že čekání nemusí být prázdné. Umí se těšit: na první sníh, na "
                    u8"rozsvícenou svíci, na to, že se větvička v okně jednoho dne obalí květy. Kolem "
                    u8"něj je teplo jako u kamen při draní peří, kam se chodilo nejen pracovat, ale i "
                    u8"vyprávět. Příběhy, které večer slyší, si pamatuje a vypráví je dál vlastními "
                    u8"slovy, a děti u toho zapomenou, že venku je tma. Je štědrý po způsobu "
                    u8"Mikuláše, který nerozdává bohatství, ale ořechy, jablka a dobré slovo. Jeho "
                    u8"ruce jsou šikovné a v dlouhých večerech se naučí věcem, na které v létě "
                    u8"nezbývá čas, třeba i vyřezat dřevěnou lžíci nebo plést z proutí. Nejmilejší "
                    u8"jsou mu chvíle, kdy se u kamen vypráví o strašidlech a venku kvílí vítr."));
constexpr auto dlouhychNociLove =
    piece<619>("Doba dlouhých nocí, love and health", textSoFar, tabs(12),
               text(u8"Hravou, hlučnou a teplou lásku zná z večerů u draní peří, kam se chodili "
                    u8"ukázat chlapci: škádlili dívky a občas jim do světnice vypustili vrabce, aby "
                    u8"se peří rozlétlo až ke stropu. V takové lásce se vyzná, kde se smích mísí s "
                    u8"něžností. Na Barboru by nejraději utrhl větvičku i za toho druhého; kdyby do "
                    u8"Vánoc rozkvetla, byla by podle starého zvyku do roka svatba. Dlouhé noci mu "
                    u8"nevadí, pokud je s kým je prosedět, a nejhezčí dárek pro něj je čas strávený u "
                    u8"společného pečení cukroví. Bez světla však chřadne, a tak by měl každý den "
                    u8"chytit pár paprsků v poledne, kdy slunce stojí nízko nad jižním obzorem."));

// Doba hlubokého spánku
constexpr auto hlubokehoSpankuNature =
    piece<659>("Doba hlubokého spánku, nature", text(u8"Doba hlubokého spánku"), spaces(9), pad,
               text(u8"Po zimním slunovratu se den začne nepatrně prodlužovat: na Nový rok podle "
                    u8"pranostiky o slepičí krok. V nížinách sníh často nevydrží a pole leží holá pod "
                    u8"jinovatkou, ale na horách zasype chalupy po okna. Rybníky zamrzají, stromy "
                    u8"spí, ježek a plch přečkávají zimu v hlubokém spánku a netopýři visí ve "
                    u8"sklepích a starých štolách. Zvěř v lese hubne a šetří síly; myslivci jí vozí "
                    u8"do krmelců seno, kaštany a žaludy. Štědrý večer patří kapru, lití olova a "
                    u8"lodičkám z ořechových skořápek, a na Tři krále se posvěcenou křídou píše na "
                    u8"dveře požehnání. Po svátcích se venkov vrací k zimní práci: mlátí se, štípe "
                    u8"dříví a spravují se vozy."));
constexpr auto hlubokehoSpankuCharacter =
    piece<1036>("Doba hlubokého spánku, character", textSoFar, tabs(13),
                text(u8"Kdo má narozeniny v době hlubokého spánku, nese v povaze klid zimní krajiny, "
                     u8"která nic nemusí dokazovat. Silou šetří jako strom pod sněhem: nerozhazuje ji "
                     u8"do prázdna a bere si z ní jen tolik, kolik je třeba, aby na jaře měl z čeho "
                     u8"vyrazit. Co má dozrát, nechá ležet jako semeno pod sněhem, o kterém ví, že v "
                     u8"něm život nespí, jen čeká. Rád pracuje v ústraní, ve vytopené dílně nebo u "
                     u8"kamen, kde se v zimě spravovalo nářadí a vyřezávaly se figurky do betlémů. Tam "
                     u8"je vidět, kolik trpělivosti se vejde do dvou rukou: jeden pastýř, jedna ovečka "
                     u8"za večer, a za pár let má celá ves betlém, o kterém se mluví daleko. Jeho "
                     u8"slova jsou úsporná jako zimní světlo, ale mají váhu. Ostatní k němu chodí pro "
                     u8"radu, když je venku nejhůř, protože v mrazu neztrácí hlavu. Váží si hlavně "
                     u8"toho, co přetrvá zimu: dobrého dřeva na topení, pevného domu a lidí, kteří "
                     u8"nezmizí, když přijde nouze. Svátky bere vážně a nezapomene nasypat ptákům ani "
                     u8"o Štědrém dni, kdy podle zvyku dostávala dárek i zvířata. Jeho dílo vydrží "
                     u8"jako dřevo kácené v zimě."));
constexpr auto hlubokehoSpankuLove =
    piece<725>("Doba hlubokého spánku, love and health", textSoFar, tabs(16),
               text(u8"Nepotřebuje ohňostroje; stačí mu kamna, která hřejí celou noc, a někdo, kdo k "
                    u8"nim ráno přiloží, aniž by se ho zeptal. Na Štědrý večer házely dívky přes "
                    u8"rameno střevícem, a když dopadl špičkou ke dveřím, měla se dívka do roka vdát. "
                    u8"S podobnou důvěrou v osud přistupuje k lásce i on a věří, že co má přijít, to "
                    u8"přijde. Jeho cit je hluboký jako zamrzlý rybník, pod jehož ledem se dál tiše "
                    u8"hýbe voda. Nejraději tráví zimní večery ve dvou u stolu, na němž leží ořechy, "
                    u8"jablka a vánočka. Zdraví mu na Štědrý večer předpoví rozkrojené jablko: "
                    u8"hvězdička uprostřed slibuje zdravý rok, křížek nemoc. Mráz mu nevadí, spíš "
                    u8"vlhko a tání, a nejvíc mu prospěje dostatek spánku, jaký si v tomto čase "
                    u8"dopřává i celá příroda."));

// Doba ticha
constexpr auto tichaNature =
    piece<282>("Doba ticha, nature", text(u8"Doba ticha"), spaces(18), pad,
               text(u8"Nejtužší mrazy přicházejí obyčejně na konci ledna. Na rybnících stojí led, "
                    u8"sníh vrže pod nohama a v bílé pláni jsou čitelné jen stopy zajíce, srnce a "
                    u8"lišky. Na Hromnice bývá den podle pranostiky o hodinu delší a na lískách se už "
                    u8"chystají první jehnědy."));
constexpr auto tichaCharacter =
    piece<1337>("Doba ticha, character", textSoFar, tabs(19),
                text(u8"Samota ani prázdná bílá pláň nevylekají toho, kdo přišel na svět v čase ticha. "
                     u8"V tichu slyší, co jiní přeslechnou: praskání ledu na rybníce, sýkoru koňadru, "
                     u8"která na konci ledna poprvé zkouší jarní písničku, noční štěkot lišek, jimž "
                     u8"právě začíná období lásky. Ticho pro něho není nuda, ale prostor, v němž se dá "
                     u8"přemýšlet. Myslí jasně jako mrazivé ráno, kdy je vidět až na hřebeny hor, a "
                     u8"dokáže věci pojmenovat bez obalu. Někomu se taková přímost zdá chladná, ale "
                     u8"nejbližší vědí, že za ní není tvrdost, jen poctivost. Zimní stopy ve sněhu čte "
                     u8"jako knihu: ze dvou otisků pozná, kudy šla liška a proč se zastavila u plotu. "
                     u8"Podle barvy ledu pozná, kde je příliš tenký. Pracuje nejraději soustředěně a "
                     u8"sám, jako dřív chalupníci, kteří v lednu a únoru pletli košíky, dělali šindele "
                     u8"nebo tkali plátno. Zasněží-li se však cesta, je první, kdo vezme lopatu a "
                     u8"prohází ji i sousedovi, protože v zimě se drží pohromadě. Rád chodí ven za "
                     u8"jasných nocí, kdy mráz kreslí na okna ledové květy a nad vsí září Orion a "
                     u8"Sírius. Z masopustních veselic si bere hudbu a tanec, ale potom se vrací do "
                     u8"klidu, kde má čas na své myšlenky. Peníze ho nezajímají pro ně samé; ví ovšem, "
                     u8"že zásoby musí vydržet do jara, a s tím, co má, umí dobře vyjít. Nejsilnější "
                     u8"je, když může mlčet a dělat, a za týden ukázat hotovou práci, o které nikdo "
                     u8"nevěděl."));
constexpr auto tichaLove =
    piece<715>("Doba ticha, love and health", textSoFar, tabs(19),
               text(u8"Zamilovat se nejsnadněji dokáže v plesové sezóně, která vrcholí na konci ledna "
                    u8"a v únoru: hasičské, sedlácké i myslivecké bály s tombolou a půlnočním "
                    u8"překvapením, v hudbě a světle, zatímco venku mrzne. Mluvit o citech dlouho "
                    u8"neumí; dá přednost procházce po zamrzlém rybníce, kde stačí pár slov. "
                    u8"Potřebuje vedle sebe někoho, kdo s ním umí mlčet a komu ticho nepřipadá jako "
                    u8"hádka. Jeho náklonnost je jako stopa ve sněhu: jasná, čitelná, jen je třeba se "
                    u8"na ni podívat. Za zimních večerů vyřeže dárek z lipového dřeva. Přetopená "
                    u8"světnice, kde se vysouší sliznice, mu škodí víc než mráz venku. Zimní slunce, "
                    u8"které už v poledne začíná hřát, mu dodá sílu; stačí si k němu sednout na "
                    u8"lavičku u chalupy."));

// Doba obnovy
constexpr auto obnovyNature =
    piece<1455>("Doba obnovy, nature", text(u8"Doba obnovy"), spaces(21), pad,
                text(u8"Svatý Matěj láme led, a nemá-li co lámat, tak ho dělá, říká pranostika o konci "
                     u8"února. Sníh na polích šedne a rozbředá, potoky se plní tající vodou a na "
                     u8"svazích se objevují první hnědé skvrny hlíny. Půda je nasáklá vláhou a měkne. "
                     u8"Led na rybnících praská a rybáři obcházejí hráze. V lese bubnuje strakapoud, "
                     u8"který si tak značí své území. Na jívách se stříbří kočičky, v zahradách "
                     u8"vykvetly sněženky a v lužních lesích bílé bledule, u potoků se rozsvítí první "
                     u8"podběl. Vracejí se špačci a čejky, a kdo poslouchá, uslyší nad poli první "
                     u8"skřivaní trylek. Den se prodlužuje čím dál rychleji, až se při rovnodennosti, "
                     u8"s posledním dnem této doby, vyrovná noci. Sedláci kontrolují nářadí a vyvážejí "
                     u8"na pole hnůj, sadaři řežou ovocné stromy, dokud se nepohne míza, a na "
                     u8"parapetech rostou v kelímcích první sazenice rajčat a paprik. Masopust vrcholí "
                     u8"průvodem masek s koblihami a muzikou, v němž nesmí chybět medvěd v hrachové "
                     u8"slámě; ženy s ním tančily, aby jim vyrostl vysoký len. Po Popeleční středě "
                     u8"přichází půst, kdy se nejí maso, tancovat se přestane a v domácnosti se "
                     u8"uklízí, aby bylo čisto do jara. Krajina teď vypadá ošuntěle, ale pod hnědou "
                     u8"kůrou vrb a v hlíně se všechno připravuje. Ráno je ještě zima a v noci mrzne, "
                     u8"ale v poledne hřeje slunce na jižní stráni tak, že z úkrytů vylétají první "
                     u8"žluťásci. Na Řehoře, dvanáctého března, letí podle pranostiky čáp přes moře, a "
                     u8"to znamená, že se brzy vrátí na své hnízdo na komíně."));
constexpr auto obnovyCharacter = piece<675>(
    "Doba obnovy, character", textSoFar, tabs(5), spaces(7), tabs(1), spaces(14), tabs(12), spaces(24),
    text(u8"Tání propůjčí tomu, kdo se v něm narodí, povahu jarního potoka: po zimě se "
         u8"rozběhne s hlukem a nezastaví ho ani poslední kry, které nese s sebou do "
         u8"údolí. Změna mu nevadí, protože se narodil v proměně samé, mezi posledním "
         u8"sněhem a první sněženkou. Jaro cítí dřív než jiní. Umí si hrát s rolemi jako "
         u8"masky v masopustním průvodu a ví, že za každou maskou je někdo, kdo chce být "
         u8"poznán. Po veselí dokáže přejít ke střídmosti: půst ho nevyleká a z toho, co "
         u8"zbylo ze zimních zásob, uvaří polévku, kterou chválí celý dům. Nejraději "
         u8"pracuje na přelomu, kdy se svět teprve chystá a kdy ještě nikdo neví, jaký rok "
         u8"bude."));
constexpr auto obnovyLove =
    piece<543>("Doba obnovy, love and health", textSoFar, tabs(14),
               text(u8"Cit v něm taje pomalu jako sníh na severní straně stavení: dlouho se zdá, že "
                    u8"se nic neděje, a potom jednoho rána teče potok. Na masopustní zábavě se rád "
                    u8"převlékne a s maskou na tváři řekne víc, než by se jinak odvážil. Nejkrásnější "
                    u8"den s tím, koho miluje, je ten, kdy spolu po zimě poprvé otevřou okna a do "
                    u8"světnice zavane vůně hlíny. Jarní únava, která na konci zimy dolehne na "
                    u8"každého, ho zasáhne víc než jiné. Proti ní pomáhá řeřicha, kterou si sám "
                    u8"vypěstuje na okně za pár dní, a první procházka k potoku, kde kvete podběl."));

constexpr PadLengths cyclicPads{.pad = cyclicPadLength};

// In the order of the condition table.
constexpr std::string_view cyclicTexts[] = {
    finishedText<2599, cyclicPads, probuzeniNature, probuzeniCharacter, probuzeniLove>.view(),  // Doba
                                                                                                // probuzení
    finishedText<2515, cyclicPads, rustuNature, rustuCharacter, rustuLove>.view(),              // Doba růstu
    finishedText<2562, cyclicPads, rozkvetuNature, rozkvetuCharacter, rozkvetuLove>.view(),  // Doba rozkvětu
    finishedText<2879, cyclicPads, dlouhychDnuNature, dlouhychDnuCharacter, dlouhychDnuLove>.view(),  // Doba
                                                                                                      // dlouhých
                                                                                                      // dnů
    finishedText<2600, cyclicPads, zraniNature, zraniCharacter, zraniLove>.view(),  // Doba zrání
    finishedText<2864, cyclicPads, zniNature, zniCharacter, zniLove>.view(),        // Doba žní
    finishedText<2234, cyclicPads, padajicihoListiNature, padajicihoListiCharacter, padajicihoListiLove>.view(),  // Doba padajícího listí
    finishedText<2655, cyclicPads, prvnichMrazuNature, prvnichMrazuCharacter, prvnichMrazuLove>.view(),  // Doba
                                                                                                         // prvních
                                                                                                         // mrazů
    finishedText<2506, cyclicPads, dlouhychNociNature, dlouhychNociCharacter, dlouhychNociLove>.view(),  // Doba
                                                                                                         // dlouhých
                                                                                                         // nocí
    finishedText<2537, cyclicPads, hlubokehoSpankuNature, hlubokehoSpankuCharacter, hlubokehoSpankuLove>.view(),  // Doba hlubokého spánku
    finishedText<2451, cyclicPads, tichaNature, tichaCharacter, tichaLove>.view(),     // Doba ticha
    finishedText<2790, cyclicPads, obnovyNature, obnovyCharacter, obnovyLove>.view(),  // Doba obnovy
};

static_assert(std::size(cyclicTexts) == std::size(totemPeriodConditions));

// Where each heading and its run end and the pad begins.
static_assert(probuzeniNature.offsets[0] == 39, "Doba probuzení: where the pad stands");
static_assert(rustuNature.offsets[0] == 39, "Doba růstu: where the pad stands");
static_assert(rozkvetuNature.offsets[0] == 38, "Doba rozkvětu: where the pad stands");
static_assert(dlouhychDnuNature.offsets[0] == 36, "Doba dlouhých dnů: where the pad stands");
static_assert(zraniNature.offsets[0] == 37, "Doba zrání: where the pad stands");
static_assert(zniNature.offsets[0] == 37, "Doba žní: where the pad stands");
static_assert(padajicihoListiNature.offsets[0] == 39, "Doba padajícího listí: where the pad stands");
static_assert(prvnichMrazuNature.offsets[0] == 36, "Doba prvních mrazů: where the pad stands");
static_assert(dlouhychNociNature.offsets[0] == 36, "Doba dlouhých nocí: where the pad stands");
static_assert(hlubokehoSpankuNature.offsets[0] == 30, "Doba hlubokého spánku: where the pad stands");
static_assert(tichaNature.offsets[0] == 28, "Doba ticha: where the pad stands");
static_assert(obnovyNature.offsets[0] == 32, "Doba obnovy: where the pad stands");

}  // namespace

std::string_view cyclicText(BirthDate date) {
  return signText(findTotemPeriod(date.month, date.day), cyclicTexts);
}

}  // namespace kalmira
