// The seasonal periods: for each period its Czech heading and three passages (the period itself,
// the character and occupations of people born in it, their love and health). Runs of tabs and
// spaces stand between the passages because the result box knows no line breaks.
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
                     u8"kdežto ticho prázdného stavení ho znepokojuje. Nejvíc ho zkouší práce, jejíž "
                     u8"plody uzrají až za léta; naučí-li se však zasít a nechat čas pracovat, sklidí "
                     u8"víc než ostatní. Dobře je mu všude, kde se zakládá něco nového a kde se cení "
                     u8"odvaha vyjet ráno na pole první. Pozdní mráz, který jiné spálí, ho nezlomí: "
                     u8"otřepe se a raší znovu. S penězi zachází jako hospodář v březnu, který dá do "
                     u8"země poslední zrno v důvěře, že se mu vrátí stokrát; občas se přepočítá, a "
                     u8"proto se mu vyplatí mít v komoře schovaný pytel na horší rok."));
constexpr auto probuzeniLove =
    piece<872>("Doba probuzení, love and health", textSoFar, tabs(17),
               text(u8"Náklonnost dává najevo hlučně a s humorem, tak jako chlapci, kteří o "
                    u8"Velikonocích obcházejí ves s pomlázkou a za každou písničku dostanou malované "
                    u8"vejce. Přitahuje ho ten, kdo se nenechá získat hned napoprvé a kdo mu na jeho "
                    u8"kousky odpoví smíchem, a ne výčitkou. Vztah pro něj nemá být teplá světnice, "
                    u8"ale společná cesta ven, třeba k potoku, kde právě kvete blatouch. Nejvíc mu "
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
               text(u8"Po velikonočních přeháňkách se jaro usadí a začne vytrvale pracovat. Pole "
                    u8"ozimé pšenice se zavírají a tmavnou, řepka rozlévá po krajině žluté lány, v "
                    u8"sadech kvetou třešně a po nich jabloně, u plotů voní šeřík. Na svatého Jiří se "
                    u8"vyháněl dobytek na pastvu, v noci na první máj se pálily čarodějnice a ráno "
                    u8"stála na návsi májka. Zahrádkáři sázejí brambory, ale okurky a rajčata dávají "
                    u8"ven až po zmrzlých mužích, protože v polovině května umí přijít mráz. Z lesa "
                    u8"se ozve kukačka a v hájích zpívají slavíci."));
constexpr auto rustuCharacter =
    piece<1052>("Doba růstu, character", textSoFar, tabs(16),
                text(u8"Člověk narozený v době růstu má v sobě klid dobře zorané role. Nespěchá, a "
                     u8"přesto se jeho dílo den po dni zvětšuje jako obilí, které v květnu přidává do "
                     u8"výšky, aniž by si toho kdo všiml. Neokouzlí na první setkání; jeho síla je v "
                     u8"tom, že vydrží. Co zasadí, to zalévá, okopává a hlídá, dokud nesklidí. "
                     u8"Bláznivým nápadům nedůvěřuje jako starý sadař nové odrůdě: nejprve chce vidět, "
                     u8"jak snese zimu. Věří tomu, co se dá vzít do ruky, a svět měří tím, co unese, "
                     u8"upeče nebo vypěstuje. Ve svém okolí zná každý kout, ví, která hrušeň rodí dřív "
                     u8"a kde se v dubnu drží voda, a tohle se nedá vyčíst z knih. Jeho trpělivost je "
                     u8"trpělivostí pastýře, který na jaře poprvé vyhání krávy: nechá je, ať se po "
                     u8"zimě vydovádějí, a ví, že večer stejně přijdou domů. Kdo s ním chce "
                     u8"obchodovat, musí počítat s tím, že si každou korunu prohlédne dvakrát. Z jeho "
                     u8"rukou roste i to, co jinde hyne: přesazený stromek, zanedbaný záhon, "
                     u8"nedůvěřivý soused. Rád si zpívá při práci a nejeden z narozených v tomto čase "
                     u8"má hlas, který by utišil i neklidné stádo na pastvě."));
constexpr auto rustuLove =
    piece<802>("Doba růstu, love and health", textSoFar, tabs(16),
               text(u8"Jeho láska roste jako strom v sadu: pomalu, bez velkých slov a s kořeny, které "
                    u8"sahají hluboko. Nepospíchá, neslibuje modré z nebe a dává si na čas, než "
                    u8"někomu otevře vrátka. Když se však rozhodne, zůstává, a k tomu, koho má rád, "
                    u8"se chová jako k jabloni, kterou sám zasadil: chrání, přivazuje ke kolíku a v "
                    u8"zimě obaluje. Něhu ukazuje rukama, kytkou šeříku na stole nebo čerstvým "
                    u8"chlebem. Májová noc pod rozkvetlou třešní, kdy se podle zvyku dívky líbaly, "
                    u8"aby neuschly, je jeho svátkem víc než kterýkoli jiný den v roce. Tělo má pevné "
                    u8"a vydrží hodně, jen si musí hlídat, aby ho pohodlí domova nepřipoutalo k "
                    u8"lavici u kamen. Nejlépe mu dělá pohyb venku v čase, kdy všechno kvete, a "
                    u8"pylové mraky mu zřídka vadí. Babičky mu dávaly do salátu mladé listy "
                    u8"pampelišky, aby z těla vyhnaly zimu."));

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
               text(u8"Dítě doby rozkvětu je zvídavé jako včela, která obletí sto květů, než se vrátí "
                    u8"do úlu. Zajímá ho všechno najednou, a tak si z každé louky přinese trochu a "
                    u8"doma to smíchá v med, jaký nikdo jiný nevyrobí. Mluví rád a lehce, umí se ptát "
                    u8"a ještě lépe poslouchat, a zprávy z jednoho konce vsi donese na druhý dřív, "
                    u8"než k tomu kdo dá pokyn. Je obratný, má šikovné prsty a hbitou hlavu, a co "
                    u8"jiný pochopí za týden, jemu dojde za odpoledne. Cizí nářečí i jazyk pochytí za "
                    u8"jedno léto. Hloubka mu ale dá práci: jako louka před sečí je pestrý a vysoký, "
                    u8"kořeny však nemá tak dlouhé jako strom. Nejlíp mu je mezi lidmi, při senoseči, "
                    u8"kde se pracuje ve skupině a zpívá se z řádku do řádku. Hodí se tam, kde se "
                    u8"nosí zprávy, vysvětluje a vyjednává, kde se z neznámých stávají známí. "
                    u8"Potřebuje pestrost: týden u jednoho stolu by ho uvadl jako utržený zvonek ve "
                    u8"sklenici. Na druhé působí mladě v každém věku."));
constexpr auto rozkvetuLove =
    piece<684>("Doba rozkvětu, love and health", textSoFar, tabs(20),
               text(u8"Lásku si představuje jako rozhovor na mezi, který trvá do tmy a nikdy není u "
                    u8"konce. Tělesná přitažlivost ho neudrží, pokud si s protějškem nemá co "
                    u8"vyprávět; zato ho dokáže zaujmout hádanka, vtip nebo kytice luční trávy. "
                    u8"Flirtuje lehce jako motýl, takže se může zdát přelétavý, ale kdo ho nepřestane "
                    u8"překvapovat, u toho zůstane. Věrnost pro něj není zavřená vrátka, ale jistota, "
                    u8"že se ten druhý večer vrátí na stejnou mez. Otázku, zda je milován, by "
                    u8"nejraději svěřil kopretině a otrhával její lístky: má mě rád, nemá mě rád. "
                    u8"Zdraví mu bere neklid: usíná pozdě a vstává s prvním ptačím zpěvem. Nejlépe ho "
                    u8"zklidní večer na louce, když se sváží seno a kosy utichnou."));

// Doba dlouhých dnů
constexpr auto dlouhychDnuNature =
    piece<560>("Doba dlouhých dnů, nature", text(u8"Doba dlouhých dnů"), spaces(19), pad,
               text(u8"Slunce se o slunovratu zastaví na nejvyšším bodě své pouti a soumrak se na "
                    u8"severu oblohy protáhne skoro do půlnoci. O svatojánské noci hoří na kopcích "
                    u8"ohně, v trávě blikají světlušky a byliny natrhané před svítáním mají podle "
                    u8"starých bylinářek největší moc; nejvíc se cení třezalka, která kvete právě "
                    u8"kolem svatého Jana. Dozrávají pozdní třešně, rybíz a angrešt, kvetou lípy a "
                    u8"celé vsi voní medem. V hnízdech bývá těsno a čápi učí mladé létat. Na horských "
                    u8"loukách se teprve suší seno a v nížinách se chystá ječmen ke žním."));
constexpr auto dlouhychDnuCharacter =
    piece<1238>("Doba dlouhých dnů, character", textSoFar, tabs(12),
                text(u8"Kdo se narodil v týdnech nejdelších dnů, má v sobě jejich zvláštní dvojí tvář: "
                     u8"plnost, která už v sobě nese první krůček zpátky. Od slunovratu den neznatelně "
                     u8"ubývá a on to cítí, i když to jiní nevidí. Proto umí být šťastný a zároveň "
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
               text(u8"Jeho láska se rodí o svatojánské noci, kdy se podle starého zvyku přeskakuje "
                    u8"oheň ve dvou a drží se přitom za ruce, aby pár vydržel. Nevěří na lásku, která "
                    u8"vzplane a shoří; chce plamen, který se dá přiložit a hřeje do rána. Ten, koho "
                    u8"miluje, u něj najde stín v poledním vedru a pohár vody v pravou chvíli, a "
                    u8"přitom nemusí o nic žádat. Dívky v tuto noc kladly pod polštář věneček z "
                    u8"devatera kvítí, aby se jim zdálo o budoucím ženichovi, a něco z té trpělivé "
                    u8"naděje nosí v srdci i on. Nevyzná se ve velkých slovech, zato si pamatuje, kde "
                    u8"spolu poprvé trhali třešně. Potřebuje vědět, že se k němu ten druhý večer "
                    u8"vrátí, a když se nevrací, trápí se potichu. Zdraví mu nejvíc bere letní vedro "
                    u8"a neklidné noci, kdy se nedá ani spát. Svěžest mu vrátí koupel v řece a lipový "
                    u8"čaj, který babičky dávaly dětem proti horečce i proti smutku. Vyplatí se mu v "
                    u8"poledne zalézt do stínu, jako to dělá každý rozumný sedlák, a práci nechat na "
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
                    u8"Dítě doby zrání ví, že úroda nepadá z nebe: co se na jaře zaselo a přes léto "
                    u8"ochránilo před krupobitím, musí se teď sklidit, dokud stojí počasí. Má proto v "
                    u8"sobě horkou rozhodnost poledne a pracuje nejlépe tehdy, když na něčem záleží. "
                    u8"Nebojí se horka ani prachu a vydrží na poli do setmění, když je třeba úrodu "
                    u8"dostat pod střechu. Rádo má kolem sebe ruch: vozy, hlasy, smích u džbánu na "
                    u8"mezi, kam hospodyně nosily žencům svačinu. Radost pro něj teprve tehdy něco "
                    u8"znamená, když ji s někým sdílí. Líbí se mu, když se věci dotáhnou do zralosti, "
                    u8"a nedočkavce, kteří trhají zelené ovoce, nechápe. Po práci se umí veselit "
                    u8"naplno, s hudbou a tancem na návsi, jak se to na venkově o poutích dělávalo. Z "
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
                     u8"zábavách po žních tančí do rána a nevynechá ani jedinou písničku. Touží po "
                     u8"protějšku, s nímž se bude moci pochlubit, a zároveň po někom, kdo mu řekne, "
                     u8"kdy je čas složit kosu a jít domů. Vyplatí se mu naučit se poslouchat, protože "
                     u8"partner ne vždy řekne všechno nahlas. Rodina je pro něj jako pole v plném "
                     u8"klasu: chce ji vidět prosperovat a rozdává se pro ni bez počítání. Zdraví má "
                     u8"silné a po nemoci se rychle postaví na nohy, ale v psích dnech by se měl "
                     u8"vyhnout polednímu úpalu. Když se přehřeje, pomůže mu chladný sklep a okurkový "
                     u8"salát. Z léta si má vzít i klid dlouhého večera, kdy se po žních sedá na "
                     u8"zápraží a nikam se nespěchá."));

// Doba žní
constexpr auto zniNature =
    piece<752>("Doba žní, nature", text(u8"Doba žní"), spaces(29), pad,
               text(u8"Na polích v nížinách zůstalo po žních jen strniště a pluhy ho zaorávají, aby "
                    u8"se mohla sít řepka. V podhůří se ještě sklízí oves, a když padne poslední "
                    u8"klas, vije se z něj dožínkový věnec a nese se hospodáři s písní. Na Žatecku se "
                    u8"češe chmel, v sadech se ohýbají větve pod švestkami a jablky a brambory se "
                    u8"začínají vybírat z hlíny. Vlaštovky se shromažďují na drátech a jednoho rána "
                    u8"zmizí. Rosa leží v trávě dlouho do dopoledne, noci jsou chladnější a v lesích "
                    u8"rostou houby. Kouř z dvorů prozrazuje, že se vaří povidla: švestky se celý den "
                    u8"i noc míchají v kotli, aby se nepřipálily, a sousedé se u toho střídají. Tohle "
                    u8"je čas, kdy se sčítá, co rok dal: obilí do sýpky, brambory do sklepa, ovoce na "
                    u8"sušení do lísek."));
constexpr auto zniCharacter =
    piece<1081>("Doba žní, character", textSoFar, tabs(16),
                text(u8"Člověk, který přišel na svět v době žní, má v sobě rozvahu hospodáře, jenž "
                     u8"stojí na konci léta u vrat stodoly a ví, že rok už nelze předělat. Na to, co "
                     u8"se nepovedlo, se nezlobí; bere to jako počasí a do příštího jara si z toho "
                     u8"vezme poučení. Pozná, kdy je co zralé: rozkousne zrno a ví, zda se dá mlátit, "
                     u8"potěžká švestku a řekne, zda už patří do kotle. Ta jistota odhadu se mu hodí v "
                     u8"každé práci, i tam, kde se nevozí obilí, ale rozhodují se věci mezi lidmi. "
                     u8"Nejlépe se mu daří ve společném díle, kde se ruka přidává k ruce, tak jako při "
                     u8"česání chmele, kdy celá rodina sedí kolem koše a soutěží, kdo natrhá víc. Umí "
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
                    u8"tam, v kouři a vůni švestek. Tak nějak přichází láska i k němu, pomalu a při "
                    u8"společné práci. O citech nemluví ihned; nejdřív chce vědět, jestli se s tím "
                    u8"druhým dá táhnout za jeden provaz, až bude potřeba svézt úrodu před deštěm. "
                    u8"Když to ví, nepotřebuje už nic slibovat. Na dožínkách tančí s tím, koho má "
                    u8"rád, celou noc, a kdo ho zná jen z pole, diví se, jak lehce se umí točit. "
                    u8"Nejvíc mu v lásce ublíží lhostejnost k tomu, co společně vypěstovali, ať je to "
                    u8"zahrada, nebo dům. Zdraví mu nejčastěji vezme únava konce léta, kdy chce "
                    u8"stihnout všechno najednou, a ranní chlad, na který po horkých týdnech "
                    u8"zapomíná. Posílí ho med z pozdní snůšky a jablko z vlastního sadu, utržené "
                    u8"ještě s rosou, a spánek při otevřeném okně, kterým voní posečená otava."),
               spaces(2));

// Doba padajícího listí
constexpr auto padajicihoListiNature =
    piece<719>("Doba padajícího listí, nature", text(u8"Doba padajícího listí"), spaces(18), pad,
               text(u8"Doba padajícího listí přináší krajině nejpestřejší barvy roku. Javory "
                    u8"červenají, břízy zlátnou a lesy se mění v mozaiku odstínů od okrové po "
                    u8"vínovou. Den a noc jsou na čas stejně dlouhé a příroda jako by hledala "
                    u8"rovnováhu mezi světlem a tmou. Vinice dávají zralé hrozny, ve sklepích "
                    u8"kvasí mošt a na polích se orá a seje ozim. Ve vzduchu je melancholie, "
                    u8"ale i klidná krása smíření: strom se vzdává listí bez boje, protože ví, "
                    u8"že je to tak správně. Je to čas harmonie, vzájemnosti a spravedlivého "
                    u8"vyvažování, kdy se srovnávají účty a uzavírají dohody. Symbolem jsou "
                    u8"váhy se dvěma miskami, na nichž zralé plody spočívají v rovnováze, a "
                    u8"list, který se snáší k zemi lehce a s grácií."));
constexpr auto padajicihoListiCharacter =
    piece<461>("Doba padajícího listí, character", textSoFar, tabs(21),
               text(u8"Lidé z doby padajícího listí vynikají diplomacií, vlídností a "
                    u8"vytříbeným vkusem. Mají silný smysl pro spravedlnost. Nesnášejí hrubost "
                    u8"a konflikty a umějí urovnat spor tak, aby nikdo neztratil tvář. "
                    u8"Rozhodování jim ale trvá dlouho, protože zvažují všechna pro a proti. "
                    u8"Uplatní se jako právníci, soudci, diplomaté, mediátoři, architekti, "
                    u8"návrháři, módní poradci nebo umělci. Nejlépe pracují ve dvojici nebo v "
                    u8"týmu, samota je spíš vyčerpává."));
constexpr auto padajicihoListiLove =
    piece<937>("Doba padajícího listí, love and health", textSoFar, tabs(21),
               text(u8"Láska je pro lidi doby padajícího listí středem života. Život o samotě "
                    u8"jim připadá jako váhy s jedinou miskou, proto hledají vztah, v němž "
                    u8"bude vládnout harmonie, vzájemná úcta a krása. Jsou pozorní, romantičtí "
                    u8"a okouzlující, dovedou připravit nezapomenutelný večer a vždy vědí, čím "
                    u8"druhého potěšit. Hádky jim působí skutečnou bolest, a tak často "
                    u8"ustupují víc, než by měli, jen aby zachovali mír. Měli by se naučit "
                    u8"říkat otevřeně, co chtějí, jinak se v nich může hromadit tichá "
                    u8"nespokojenost. Lehkost jim do života vnesou lidé zrození v době "
                    u8"rozkvětu nebo ticha. Ze zdravotního hlediska jsou u nich zranitelné "
                    u8"ledviny, bedra a kůže. Jsou náchylní k nerovnováze, a proto jim škodí "
                    u8"jakékoli výkyvy, ať v jídle, v práci, či ve spánku. Měli by pít hodně "
                    u8"čisté vody, omezit sladkosti a dbát na pravidelný pohyb. Prospívá jim "
                    u8"tanec, hudba a pobyt v esteticky příjemném prostředí, které jim dodá "
                    u8"klid a vnitřní rovnováhu."));

// Doba prvních mrazů
constexpr auto prvnichMrazuNature =
    piece<1155>("Doba prvních mrazů, nature", text(u8"Doba prvních mrazů"), spaces(18), pad,
                text(u8"Doba prvních mrazů je obdobím proměny a odhalení. Stromy již shodily "
                     u8"většinu listí a jejich holé větve se rýsují proti šedivé obloze. Ráno "
                     u8"leží na trávě jinovatka a kaluže se potahují tenkou vrstvou ledu, který "
                     u8"přes den opět roztaje. Ve vzduchu je cítit kouř z ohníčků, v nichž hoří "
                     u8"shrabané listí a roští. Mlhy se válejí po údolích, dny se zkracují a "
                     u8"světla rychle ubývá. Příroda zdánlivě umírá, ale ve skutečnosti se jen "
                     u8"stahuje dovnitř: míza klesá ke kořenům, semena se ukrývají v zemi a "
                     u8"zvířata se připravují k zimnímu spánku. Nic z toho, co žilo, se "
                     u8"neztrácí; jen to mění podobu. Proto k této době patří tajemství, hloubka "
                     u8"a všechno, co není na první pohled vidět. V této části roku lidé "
                     u8"odjakživa vzpomínají na zemřelé, zapalují svíčky a rozjímají o "
                     u8"pomíjivosti, ale také o tom, že každý konec nese semínko nového počátku. "
                     u8"Celá doba prvních mrazů dýchá vážností a tichým soustředěním. Pod "
                     u8"klidným povrchem se však skrývá velká síla, stejně jako v nenápadném "
                     u8"ořechu dřímá celý budoucí strom. Symbolem tohoto období je had, který "
                     u8"svléká starou kůži, a fénix, který vstává z popela obnovený a silnější "
                     u8"než předtím."));
constexpr auto prvnichMrazuCharacter =
    piece<857>("Doba prvních mrazů, character", textSoFar, tabs(17),
               text(u8"Ti, jejichž život začal v době prvních mrazů, jsou hlubocí, vášniví a "
                    u8"odolní. Navenek bývají klidní a zdrženliví, ale uvnitř v nich kypí silné "
                    u8"city, o kterých málokdo ví. Mají pronikavý pohled, rychle prokouknou "
                    u8"přetvářku a těžko se jim dá něco zatajit. Nesnášejí prázdné řeči a "
                    u8"raději mlčí, než aby hovořili o ničem. Jsou cílevědomí a vytrvalí, a "
                    u8"když si něco předsevzali, nenechají se odradit žádnou překážkou. "
                    u8"Neodpouštějí snadno a umějí být nepříjemnými soupeři, zato jsou nesmírně "
                    u8"oddanými přáteli. Přitahuje je všechno skryté a tajemné, a proto je láká "
                    u8"výzkum, medicína, zejména chirurgie, kriminalistika a detektivní práce. "
                    u8"Díky mlčenlivosti jsou na svém místě i ve financích a pojišťovnictví. "
                    u8"Dobrými psychoterapeuty je dělá to, že se nebojí temných stránek duše. "
                    u8"Krize je neochromí; naopak v sobě díky nim objevují netušené síly."));
constexpr auto prvnichMrazuLove =
    piece<526>("Doba prvních mrazů, love and health", textSoFar, tabs(13),
               text(u8"Pro lidi doby prvních mrazů je láska věcí vášně a úplné oddanosti. "
                    u8"Milují naplno, nebo vůbec, a polovičaté vztahy je neuspokojují. "
                    u8"Žárlivost a potřeba mít partnera jen pro sebe jim mohou přidělávat "
                    u8"starosti, a tak se musejí učit důvěře. Souznějí s protějšky z doby "
                    u8"dlouhých dnů a doby obnovy. Po zdravotní stránce bývají u nich "
                    u8"zranitelné pohlavní orgány, močový měchýř a konečník. Potlačované emoce "
                    u8"se u nich mohou projevovat tělesnými obtížemi, a proto jim prospívá "
                    u8"otevřený rozhovor, sauna a dostatek pohybu."));

// Doba dlouhých nocí
constexpr auto dlouhychNociNature =
    piece<1002>("Doba dlouhých nocí, nature", text(u8"Doba dlouhých nocí"), spaces(18), pad,
                text(u8"Doba dlouhých nocí přichází, když se svět ponoří do šera. Slunce vychází "
                     u8"pozdě a zapadá časně, takže většinu dne provází umělé světlo. Krajina je "
                     u8"holá a syrová, vítr honí po polích poslední suché listí a první sníh se "
                     u8"střídá s deštěm. Ve vzduchu voní pečená jablka a kouř z komínů. Přesto v "
                     u8"této době nevládne smutek, ale zvláštní očekávání. Lidé se obracejí k "
                     u8"ohni, k lampě a ke hvězdám, které jsou teď vidět jasněji než jindy. "
                     u8"Noční obloha je vysoká a plná souhvězdí a právě ona odedávna podněcovala "
                     u8"touhu po poznání, dalekých cestách a smyslu života. Je to čas, kdy se "
                     u8"vyprávějí příběhy, čtou se knihy a plánují se výpravy na příští rok. Ve "
                     u8"tmě se mnohem snadněji myslí na to, co leží za obzorem, a proto tato "
                     u8"doba přeje filozofii, víře a vzdělání. Panuje v ní optimismus, i když "
                     u8"poněkud neklidný, jako by se něco chystalo. Symbolem doby dlouhých nocí "
                     u8"je šíp vypuštěný ke hvězdám a poutník, který se vydává na cestu s "
                     u8"lucernou v ruce, přestože neví, kde skončí."));
constexpr auto dlouhychNociCharacter =
    piece<768>("Doba dlouhých nocí, character", textSoFar, tabs(22),
               text(u8"Mezi lidmi narozenými v době dlouhých nocí najdeme optimisty, dobrodruhy "
                    u8"a myslitele. Milují svobodu, cestování a vše, co rozšiřuje obzory, ať "
                    u8"jde o cizí země, kultury, či filozofické myšlenky. Rádi se učí po celý "
                    u8"život a často ovládají několik jazyků. Jsou upřímní až nediplomatičtí a "
                    u8"řeknou pravdu i tam, kde by bylo lépe mlčet. Oplývají jiskřivým humorem "
                    u8"a dokážou rozveselit každou společnost. Nesnášejí omezování, rutinu a "
                    u8"malichernost a snadno se rozhodnou změnit bydliště či zaměstnání. "
                    u8"Vynikají jako učitelé, vysokoškolští pedagogové, cestovatelé, průvodci, "
                    u8"misionáři, filozofové, právníci, nakladatelé nebo sportovci. Uplatní se "
                    u8"také v zahraničním obchodě a diplomacii. Nejlepší je pro ně práce, která "
                    u8"jim dává volnost a smysl zároveň."));
constexpr auto dlouhychNociLove =
    piece<619>("Doba dlouhých nocí, love and health", textSoFar, tabs(12),
               text(u8"Ve vztahu jsou lidé doby dlouhých nocí veselí, spontánní a štědří. "
                    u8"Láska je pro ně dobrodružstvím a partner by měl být především přítelem "
                    u8"a společníkem na cestách. Nesnášejí žárlivost a pocit, že jsou drženi "
                    u8"na krátkém vodítku; pokud dostanou dostatek volnosti, dokážou zůstat "
                    u8"věrní. Nudu a stereotyp nemají rádi a vztah s oblibou oživují "
                    u8"nečekanými nápady. Jejich zápal nejlépe sdílejí lidé z doby probuzení a "
                    u8"zrání. Své zdraví často podceňují, věří, že je nic nezastaví, a proto "
                    u8"je ohrožují úrazy při sportu. Citlivé mívají boky, stehna a játra. Měli "
                    u8"by se mírnit v jídle i pití a nepřeceňovat své síly."));

// Doba hlubokého spánku
constexpr auto hlubokehoSpankuNature =
    piece<659>("Doba hlubokého spánku, nature", text(u8"Doba hlubokého spánku"), spaces(9), pad,
               text(u8"Doba hlubokého spánku začíná zimním slunovratem. Po nejdelší noci roku se "
                    u8"slunce vrací, ale zatím to není znát; mrazy sílí a krajina leží pod "
                    u8"sněhem, tichá a nehybná. Rybníky zamrzly a ve vzduchu zvoní každý krok. "
                    u8"Stromy spí, zvířata přečkávají zimu v norách a doupatech a život se "
                    u8"zdánlivě zastavil. Ve skutečnosti však příroda šetří silami a pevně drží "
                    u8"to, co má. Je to čas vytrvalosti, kázně a hospodaření se zásobami, kdy "
                    u8"přežije ten, kdo umí plánovat a nevzdává se. Zima nyní působí vážně, "
                    u8"střízlivě a důstojně. Představují ji horský štít, který odolává "
                    u8"vichřicím, a kamzík, jenž trpělivě a jistě stoupá po skalách vzhůru."));
constexpr auto hlubokehoSpankuCharacter =
    piece<1036>("Doba hlubokého spánku, character", textSoFar, tabs(13),
                text(u8"Lidé zrození v době hlubokého spánku bývají vážní, ctižádostiví a "
                     u8"nesmírně vytrvalí. Nemají rádi zmatek a improvizaci a nejjistěji se "
                     u8"cítí, když mají před sebou jasný plán. Mají vrozený smysl pro "
                     u8"odpovědnost a pořádek, dodržují slovo a očekávají totéž od ostatních. "
                     u8"Cíle si stanovují na dlouhou dobu dopředu a jdou za nimi houževnatě, "
                     u8"navzdory všem překážkám i pochybnostem. Na rychlé zisky nevěří; raději "
                     u8"budují pomalu a pevně, jako by stavěli pro staletí. Nejsou okázalí a "
                     u8"city neukazují rádi, ale kdo si získá jejich důvěru, najde v nich "
                     u8"oporu, která nezklame. Slabinou bývá přílišná strohost, pesimismus a "
                     u8"sklon k pracovnímu přetížení. Měli by se naučit radovat z maličkostí a "
                     u8"nebrat všechno tak vážně. Svědčí jim vedoucí a řídicí funkce, státní "
                     u8"správa, politika, bankovnictví, stavitelství, architektura, geologie, "
                     u8"hornictví nebo horská služba. Vynikají také jako lékaři specialisté, "
                     u8"zubaři, soudci a správci majetku. V podnikání jsou úspěšní díky "
                     u8"trpělivosti a nezdolnosti, protože si na své záměry dokážou dát čas."));
constexpr auto hlubokehoSpankuLove =
    piece<725>("Doba hlubokého spánku, love and health", textSoFar, tabs(16),
               text(u8"Také v lásce zůstávají lidé doby hlubokého spánku zdrženliví, opatrní a "
                    u8"velmi stálí. Dlouho váhají, než se někomu otevřou, a city neprojevují "
                    u8"slovy, nýbrž spolehlivostí. Partnera si vybírají s rozmyslem a vztah "
                    u8"berou jako celoživotní závazek. Jakmile se rozhodnou, jsou věrní a "
                    u8"pečují o rodinu s obětavostí, ale měli by nezapomínat na něhu a "
                    u8"obyčejnou radost ze společných chvil. Nejpevnější svazky uzavírají s "
                    u8"partnery z doby růstu či žní. Zdravotně jsou jejich slabým místem kosti, "
                    u8"klouby, kolena a zuby, a také kůže. Trápit je může revma a ztuhlost, "
                    u8"zvláště za vlhka a chladu. Prospívá jim teplo, pravidelný pohyb, "
                    u8"dostatek vápníku a vitamínů a hlavně schopnost se občas skutečně uvolnit "
                    u8"a odpočinout si."));

// Doba ticha
constexpr auto tichaNature =
    piece<282>("Doba ticha, nature", text(u8"Doba ticha"), spaces(18), pad,
               text(u8"Doba ticha je samým srdcem zimy. Mrazy bývají nejtužší, na řekách "
                    u8"stojí led a sníh vrže pod nohama. Krajina je čistá a prázdná jako "
                    u8"nepopsaný list. V tom tichu se rodí nápady, které zatím nikdo nevidí. "
                    u8"Jeho obrazem je jasná hvězda nad zasněženou plání."));
constexpr auto tichaCharacter =
    piece<1337>("Doba ticha, character", textSoFar, tabs(19),
                text(u8"Lidé narození v době ticha jsou nezávislí, originální a svým způsobem "
                     u8"výjimeční. Myslí jinak než většina, předbíhají svou dobu a nebojí se "
                     u8"jít proti proudu, když jsou přesvědčeni o své pravdě. Zajímá je "
                     u8"budoucnost, věda, technika, vynálezy a všechno, co může svět změnit k "
                     u8"lepšímu. Jsou přátelští a mají mnoho známých, ale do svého soukromí "
                     u8"nechají nahlédnout jen pár vyvolených. Působí často chladně a odtažitě, "
                     u8"protože city raději rozebírají rozumem, než aby je prožívali. Silně "
                     u8"vnímají každou nespravedlnost a zapojují se do spolků, občanských "
                     u8"iniciativ a dobročinných akcí. Jejich slabinou je tvrdohlavost, s jakou "
                     u8"hájí své názory, a nechuť přizpůsobit se pravidlům, která považují za "
                     u8"nesmyslná. Někdy se zdají nevyzpytatelní a náladoví, což může jejich "
                     u8"okolí mást. Rádi zkoušejí nové postupy a objevují, a proto z nich "
                     u8"bývají vědci, vynálezci, inženýři, informatici, programátoři, "
                     u8"astronomové, meteorologové, technici v letectví a elektronice. Uplatní "
                     u8"se i v sociologii a ve všech humanitárních oborech, kde lze pomáhat "
                     u8"celé společnosti. Mnozí mají výtvarný nebo hudební talent, zejména pro "
                     u8"moderní a experimentální formy. Nejlépe se jim pracuje v týmu "
                     u8"rovnocenných kolegů bez přísné hierarchie, kde se cení nápad, nikoliv "
                     u8"titul. Pevná pracovní doba a dohled nadřízených je spíš ubíjejí a berou "
                     u8"jim chuť tvořit."));
constexpr auto tichaLove =
    piece<715>("Doba ticha, love and health", textSoFar, tabs(19),
               text(u8"Ani v lásce se lidé doby ticha nedrží konvencí a potřebují hodně "
                    u8"prostoru. Přátelství je pro ně základem každého vztahu, a pokud s "
                    u8"partnerem nemohou sdílet myšlenky a ideály, rychle ztrácejí zájem. "
                    u8"Vášnivé scény a žárlivost je odrazují; dávají přednost vztahu dvou "
                    u8"svobodných lidí, kteří jsou spolu, protože to chtějí. Jejich věrnost je "
                    u8"hluboká, i když ji nedávají nijak okázale najevo. Spřízněnou duši "
                    u8"obvykle najdou mezi lidmi doby rozkvětu a doby padajícího listí. Po "
                    u8"tělesné stránce mívají citlivé kotníky, lýtka a krevní oběh, zejména "
                    u8"žíly na nohou. Trpívají také nervovým vypětím, migrénami a nespavostí. "
                    u8"Pomáhají jim vycházky v mrazivém vzduchu, pravidelný spánek a chvíle "
                    u8"bez obrazovek."));

// Doba obnovy
constexpr auto obnovyNature =
    piece<1455>("Doba obnovy, nature", text(u8"Doba obnovy"), spaces(21), pad,
                text(u8"Doba obnovy uzavírá koloběh roku a zároveň připravuje jeho nový začátek. "
                     u8"Sníh na polích šedne a rozbředá, led na rybnících praská a potoky se plní "
                     u8"tající vodou, která stéká z kopců do údolí. Půda je nasáklá vláhou a "
                     u8"měkne, ve vzduchu se vznáší vlhká vůně tání, jež ještě není jarní, ale už "
                     u8"také není zimní. Všechno je v pohybu a splývá: hranice mezi zimou a jarem "
                     u8"se rozpouští stejně jako hranice mezi sněhem a vodou. Světla přibývá "
                     u8"rychleji než v kterékoliv jiné části roku, a přece je den téměř až do "
                     u8"konce této doby kratší než noc. Příroda v této době nic nebuduje, jen se "
                     u8"čistí, odplavuje staré a uvolňuje místo pro nové. Je to čas snů, tušení a "
                     u8"odevzdanosti, kdy člověk cítí, že se něco chystá, i když ještě neví co. "
                     u8"Doba obnovy je spojena se soucitem, odpuštěním a rozloučením se vším, co "
                     u8"už člověk nepotřebuje. Se zimou se venkov loučil masopustem: maškary "
                     u8"obcházely vesnici a hodovalo se, jako by se všechno staré mělo "
                     u8"spotřebovat až do dna. Potom přicházel půst, úklid a smíření, aby člověk "
                     u8"vstoupil do nového koloběhu lehčí a čistší. Tato doba je zasněná, měkká a "
                     u8"lehce nostalgická, neboť v ní končí to, co bylo, a ještě nezačalo to, co "
                     u8"bude. Voda, která teče a nic si neponechává, je jejím hlavním živlem. "
                     u8"Zobrazují ji dvě ryby plovoucí opačnými směry, jedna k minulosti a druhá "
                     u8"k budoucnosti, spojené jedním tokem. Připomínají, že každý konec a každý "
                     u8"počátek patří k sobě a jeden bez druhého nemůže existovat."));
constexpr auto obnovyCharacter = piece<675>(
    "Doba obnovy, character", textSoFar, tabs(5), spaces(7), tabs(1), spaces(14), tabs(12), spaces(24),
    text(u8"Citlivost, soucit a bohatá fantazie jsou dary lidí narozených v době "
         u8"obnovy. Vnímají nálady druhých jako své vlastní a nedokážou lhostejně "
         u8"projít kolem cizího trápení. Mají umělecké nadání a silnou intuici, ale "
         u8"v praktických věcech bývají nerozhodní a snadno se nechají ovlivnit. "
         u8"Potřebují kolem sebe pevný bod, o který se mohou opřít, nejlépe "
         u8"rozvážného přítele či partnera. Když je skutečnost tíží, unikají do "
         u8"snů. Uplatní se jako hudebníci, malíři, básníci, herci, fotografové, "
         u8"zdravotníci, terapeuti, duchovní či sociální pracovníci. Daří se jim i "
         u8"v práci s vodou, například v rybářství nebo lodní dopravě."));
constexpr auto obnovyLove =
    piece<543>("Doba obnovy, love and health", textSoFar, tabs(14),
               text(u8"Láska lidí doby obnovy je romantická, obětavá a něžná. Pro milovaného "
                    u8"člověka se umějí vzdát mnohého, někdy až příliš, proto by si měli "
                    u8"hlídat, aby je partner nevyužíval. Snadno odpouštějí, dokonce i to, co "
                    u8"by neměli. Touží po duchovním souznění a vztahu, jenž připomíná pohádku. "
                    u8"Nejbližší jsou jim lidé z doby prvních mrazů nebo dlouhých dnů. "
                    u8"Zdravotně mají citlivé nohy, hlavně chodidla, a imunitu, která slábne "
                    u8"při únavě a smutku. Měli by se vyhýbat alkoholu a lékům bez rady lékaře. "
                    u8"Svědčí jim plavání, hodně spánku a klid."));

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
