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
               text(u8"Doba probuzení je chvílí, kdy se příroda teprve protahuje po dlouhém "
                    u8"spánku. Sníh ustupuje do stínů, z rozmoklé země vykukují sněženky a "
                    u8"podběl a ptáci se vracejí z jihu a hlasitě ohlašují svůj příchod. "
                    u8"Vzduch voní vlhkou hlínou a slunce má poprvé skutečnou sílu. Je to čas "
                    u8"odvahy a začátků, kdy se všechno odvažuje vystrčit hlavu, i když ještě "
                    u8"hrozí mráz. Symbolem této doby je pupen, který slibuje víc, než zatím "
                    u8"ukazuje."));
constexpr auto probuzeniCharacter =
    piece<1146>("Doba probuzení, character", textSoFar, tabs(14),
                text(u8"Kdo se narodil v době probuzení, má v sobě netrpělivost jarní mízy. "
                     u8"Tito lidé nesnášejí stojaté vody a nejlépe se cítí tam, kde se něco "
                     u8"rozbíhá: nový projekt, nová firma, nová cesta. Jsou přímí, mnohdy až "
                     u8"prostořecí, a svým nadšením dokážou strhnout i ty, kdo by jinak zůstali "
                     u8"sedět. Jsou stateční a nebojí se rizika, i když ne vždy domyslí "
                     u8"následky. Rozhodují se bleskově a spoléhají na první dojem, který je "
                     u8"málokdy klame. Chybí jim však vytrvalost; jakmile se věc stane rutinou, "
                     u8"jejich zájem ochabuje a hledají další výzvu. Naučí-li se dotahovat "
                     u8"započaté do konce, anebo si najdou spolehlivého partnera, který to "
                     u8"udělá za ně, dosáhnou mimořádných úspěchů. Hodí se pro ně povolání, v "
                     u8"nichž se cení iniciativa a rychlá reakce: podnikání, záchranářství, "
                     u8"sport, žurnalistika, obchod nebo služba v armádě či u policie. Dobře se "
                     u8"uplatní také jako zakladatelé spolků, organizátoři akcí a učitelé "
                     u8"začátečníků, protože umějí probudit zájem. Méně jim sedí úřednická "
                     u8"místa s pevným řádem a dlouhým čekáním na výsledek. Peníze utrácejí "
                     u8"stejně rychle, jako je vydělávají, a měli by si proto včas zvyknout na "
                     u8"rozumnou rezervu pro horší časy."));
constexpr auto probuzeniLove =
    piece<872>("Doba probuzení, love and health", textSoFar, tabs(17),
               text(u8"V lásce jsou lidé doby probuzení dobyvateli. Zamilovávají se prudce, na "
                    u8"první pohled, a neváhají udělat první krok. Líbí se jim partner, který "
                    u8"jim klade drobné překážky a nenechá se získat příliš snadno; přílišná "
                    u8"povolnost je rychle omrzí. Ve vztahu potřebují volnost a společné "
                    u8"zážitky, nejlépe výlety, sport a cestování. Žárlivost u nich vzplane "
                    u8"rychle, ale stejně rychle zase uhasne, neboť mstivost je jim cizí. "
                    u8"Nejvíce harmonie nacházejí s lidmi doby zrání a doby dlouhých nocí, "
                    u8"kteří s nimi dokážou udržet krok. Pokud jde o zdraví, bývají odolní a "
                    u8"rychle se zotavují, jen sklon ke spěchu je vystavuje úrazům, zejména "
                    u8"hlavy a obličeje. Trpívají bolestmi hlavy z přepracování a mívají vyšší "
                    u8"krevní tlak. Prospívá jim pohyb na čerstvém vzduchu, dostatek spánku a "
                    u8"strava bohatá na zeleninu; naopak by se měli vyhýbat alkoholu a příliš "
                    u8"kořeněným jídlům."));

// Doba růstu
constexpr auto rustuNature =
    piece<544>("Doba růstu, nature", text(u8"Doba růstu"), spaces(29), pad,
               text(u8"Doba růstu přichází, když jaro nabere plnou sílu. Louky se zelenají tak "
                    u8"rychle, že se to dá skoro sledovat, stromy se obalují mladým listím a "
                    u8"pole se pokrývají hustým kobercem osení. Zvířata rodí mláďata a celá "
                    u8"krajina jako by se nadechla k dlouhé a vytrvalé práci. Už nejde o první "
                    u8"nesmělé pokusy, ale o soustavné přibývání, o sílu, která roste den po "
                    u8"dni bez okázalosti. Tato doba symbolizuje trpělivost, plodnost a hmotný "
                    u8"dostatek. Jejím znamením je mladý kmen, který zapouští kořeny hluboko "
                    u8"do země."));
constexpr auto rustuCharacter =
    piece<1052>("Doba růstu, character", textSoFar, tabs(16),
                text(u8"Ti, kdo přišli na svět v době růstu, jsou klidní, vytrvalí a pevně "
                     u8"stojí nohama na zemi. Nespěchají, ale co jednou začnou, to také "
                     u8"dokončí, a výsledky jejich práce mívají trvalou hodnotu. Mají smysl pro "
                     u8"krásu, pohodlí a dobré jídlo, rádi se obklopují kvalitními věcmi a "
                     u8"vytvářejí si útulný domov. Jsou spolehliví a věrní přátelé, ale když je "
                     u8"někdo dlouho provokuje, umějí vybuchnout se silou, kterou by u nich "
                     u8"nikdo nečekal. V kolektivu bývají tichou oporou, na kterou se ostatní "
                     u8"obracejí, když jde do tuhého. Jejich nevýhodou bývá tvrdohlavost a "
                     u8"odpor ke změnám; zbytečně dlouho lpí na tom, co znají. Z peněz mají "
                     u8"radost a umějí s nimi zacházet, takže majetek pomalu, ale jistě "
                     u8"rozmnožují. Vynikají v povoláních, kde je třeba trpělivosti a citu pro "
                     u8"hmotu: zemědělství, zahradnictví, stavebnictví, bankovnictví, "
                     u8"účetnictví nebo řemesla, zejména truhlářství a keramika. Mnozí mají i "
                     u8"umělecký talent, hlavně hudební, a uplatní se jako zpěváci, malíři či "
                     u8"kuchaři. Hodí se pro ně také práce správce, která vyžaduje péči o "
                     u8"svěřené hodnoty."));
constexpr auto rustuLove =
    piece<802>("Doba růstu, love and health", textSoFar, tabs(16),
               text(u8"Ve vztazích jsou lidé doby růstu něžní, smyslní a velmi věrní. Netouží "
                    u8"po krátkých dobrodružstvích; hledají partnera na celý život a dávají si "
                    u8"na čas, než se skutečně rozhodnou. Své city projevují spíš péčí a "
                    u8"drobnými pozornostmi než velkými slovy a rádi pro milované vaří. "
                    u8"Potřebují jistotu, dotek a klidný domov, kde se mohou spolehnout na "
                    u8"každodenní rytmus. Žárlivost a majetnické sklony jim mohou vztah "
                    u8"zkomplikovat, proto by se měli naučit dopřát partnerovi volnost. "
                    u8"Harmonický vztah mohou prožít s lidmi doby žní a doby hlubokého spánku. "
                    u8"Co se zdraví týče, mají většinou silnou konstituci, ale citlivým místem "
                    u8"je krk, hrdlo a štítná žláza. Kvůli zálibě v dobrém jídle mívají sklon "
                    u8"k nadváze, a proto jim prospívá pravidelný pohyb, nejlépe práce na "
                    u8"zahradě nebo dlouhé procházky."));

// Doba rozkvětu
constexpr auto rozkvetuNature =
    piece<852>("Doba rozkvětu, nature", text(u8"Doba rozkvětu"), spaces(25), pad,
               text(u8"Doba rozkvětu je nejveselejší částí jara. Sady se zahalují do bílých a "
                    u8"růžových květů, v trávě svítí pampelišky a vzduch je plný bzučení včel "
                    u8"a vůně šeříku a konvalinek. Dny se prodlužují, večery jsou vlahé a "
                    u8"světlé a lidé se po dlouhé době začínají scházet venku. Příroda v tomto "
                    u8"období neplýtvá silou na budování kořenů; všechno se soustředí na květ, "
                    u8"na to, aby upoutal pozornost a přilákal opylovače. Je to čas pestrosti, "
                    u8"výměny a setkávání, čas, kdy se vítr stává poslem a nosí pyl z jednoho "
                    u8"stromu na druhý. Nálada této doby je lehká, zvědavá a trochu roztěkaná, "
                    u8"protože na každém kroku je k vidění něco nového. Symbolem je motýl, "
                    u8"který přelétá z květu na květ a nikde se nezdrží dlouho, a přesto je "
                    u8"jeho cesta pro zahradu nezbytná. Doba rozkvětu připomíná, že krása a "
                    u8"komunikace jsou také formou plodnosti."));
constexpr auto rozkvetuCharacter =
    piece<909>("Doba rozkvětu, character", textSoFar, tabs(17),
               text(u8"Lidé, kteří se narodili v době rozkvětu, jsou zvídaví, pohotoví a "
                    u8"společenští. Mluví rádi a dobře, mají bystrý postřeh a umějí se rychle "
                    u8"zorientovat v jakékoliv nové situaci. Mívají obratné ruce stejně jako "
                    u8"jazyk. Zajímá je mnoho věcí zároveň, takže často studují více oborů, "
                    u8"čtou několik knih současně a mají přátele ve všech vrstvách "
                    u8"společnosti. Jejich slabinou je jistá povrchnost a nestálost; nadchnou "
                    u8"se, ale když je věc přestane bavit, odběhnou jinam. Umějí však "
                    u8"vyjednávat, přesvědčovat a spojovat lidi, kteří by se jinak nikdy "
                    u8"nepotkali. Vynikají v povoláních, kde se pracuje se slovem a "
                    u8"informacemi: jako novináři, překladatelé, učitelé, obchodní zástupci, "
                    u8"moderátoři, spisovatelé či pracovníci reklamy. Hodí se jim i cestovní "
                    u8"ruch a doprava. Nejlépe se jim daří v prostředí, které se stále mění; "
                    u8"jednotvárná práce u jednoho stolu by je brzy unavila a vzala by jim "
                    u8"chuť do života."));
constexpr auto rozkvetuLove =
    piece<684>("Doba rozkvětu, love and health", textSoFar, tabs(20),
               text(u8"Lidé doby rozkvětu hledají v lásce především duchovního partnera, s "
                    u8"nímž si budou mít pořád co říct. Fyzická přitažlivost pro ně nestačí; "
                    u8"láska u nich začíná rozhovorem a končí, když se rozhovor vyčerpá. "
                    u8"Bývají hraví a flirtují rádi, a proto mohou působit nestále, ale "
                    u8"jakmile najdou někoho, kdo jim stačí duchem, zůstávají věrní. Mlčení je "
                    u8"pro ně horší než hádka. Nejlépe se cítí s lidmi doby padajícího listí a "
                    u8"doby ticha. Zdraví ohrožuje hlavně jejich nervozita: mají sklon k "
                    u8"nespavosti, přepětí a nemocem dýchacích cest, plic a průdušek. Citlivé "
                    u8"jsou i ruce a ramena. Pomáhají jim dechová cvičení, pobyt v přírodě a "
                    u8"pravidelný odpočinek bez telefonu a zpráv."));

// Doba dlouhých dnů
constexpr auto dlouhychDnuNature =
    piece<560>("Doba dlouhých dnů, nature", text(u8"Doba dlouhých dnů"), spaces(19), pad,
               text(u8"Doba dlouhých dnů je vrcholem světla. Slunce vystoupá nejvýš a noci "
                    u8"jsou tak krátké, že se večerní červánky téměř potkávají s ranními. "
                    u8"Příroda je v plné síle, lesy jsou temně zelené, na loukách se kosí "
                    u8"první seno a zahrady nabízejí jahody a třešně. Zároveň však právě teď "
                    u8"začíná světla nepatrně ubývat, a tak má tato doba v sobě něco citlivého "
                    u8"a ochranitelského. Je to čas hnízd, rodin a péče o mladé, kteří ještě "
                    u8"nejsou samostatní. Teplé večery patří cvrčkům a světluškám. Symbolem je "
                    u8"ptačí hnízdo ukryté v koruně stromu."));
constexpr auto dlouhychDnuCharacter =
    piece<1238>("Doba dlouhých dnů, character", textSoFar, tabs(12),
                text(u8"Lidé, jejichž narozeniny připadají na dobu dlouhých dnů, jsou citliví, "
                     u8"pečující a hluboce spjatí s domovem a rodinou. Navenek mohou působit "
                     u8"zdrženlivě, ale pod touto ochrannou skořápkou se skrývá neobyčejně "
                     u8"bohatý citový život. Pamatují si, kdo jim kdy udělal radost i kdo jim "
                     u8"ublížil, a vzpomínky pro ně mají velikou cenu; často sbírají staré "
                     u8"fotografie, dopisy a rodinné památky. Mají vyvinutou intuici a dokážou "
                     u8"vycítit náladu druhých dřív, než ji ti sami vysloví. Jejich nálady se "
                     u8"však střídají jako příliv a odliv, a když jsou zraněni, stahují se do "
                     u8"sebe. Je dobré, když se naučí mluvit o svých pocitech otevřeně a "
                     u8"nenechávat křivdy dlouho doutnat. Mají smysl pro úspornost a o peníze "
                     u8"se starají opatrně, protože touží po jistotě. Vaří rádi a s láskou a "
                     u8"jejich kuchyně bývá místem, kde se schází celá rodina i s přáteli. "
                     u8"Vynikají v povoláních, kde se o někoho pečuje: jako zdravotní sestry, "
                     u8"lékaři, vychovatelé, učitelé v mateřských školách, sociální pracovníci "
                     u8"nebo psychologové. Uplatní se i v pohostinství, gastronomii, "
                     u8"hotelnictví a v obchodě s nemovitostmi. Zajímají se o dějiny, a proto "
                     u8"bývají dobrými historiky, archiváři a muzejníky. Pracují nejraději v "
                     u8"menším, přátelském kolektivu, který jim připomíná rodinu."));
constexpr auto dlouhychDnuLove =
    piece<964>("Doba dlouhých dnů, love and health", textSoFar, tabs(17),
               text(u8"Jako partneři jsou lidé doby dlouhých dnů oddaní, něžní a nesmírně "
                    u8"starostliví. Lásku berou vážně a nedokážou si představit život bez "
                    u8"blízkého člověka po boku. Partnera si pečlivě vybírají a zpočátku jsou "
                    u8"nesmělí, protože se bojí odmítnutí; když se však jednou otevřou, "
                    u8"rozdávají teplo s velkorysostí, jakou u nich nikdo nečekal. Touží po "
                    u8"rodině, dětech a společném domově, kde budou mít svůj klid. Někdy se "
                    u8"ale starají až příliš a partner se může cítit jako pod dohledem, proto "
                    u8"by si měli dát pozor, aby se péče neproměnila v kontrolu. Nejhlubší "
                    u8"porozumění najdou u lidí doby prvních mrazů a doby obnovy. "
                    u8"Nejcitlivějším místem jejich těla bývá žaludek a zažívání, které "
                    u8"okamžitě reaguje na stres a smutek. Často mívají potíže s trávením, "
                    u8"zadržováním vody a sklonem k zajídání starostí. Měli by jíst pravidelně "
                    u8"a v klidu, vyhýbat se těžkým pokrmům a najít si činnost, která jim "
                    u8"pomůže uvolnit napětí, například plavání nebo procházky podél vody."));

// Doba zrání
constexpr auto zraniNature =
    piece<520>("Doba zrání, nature", text(u8"Doba zrání"), spaces(27), pad,
               text(u8"Doba zrání je vrcholem léta, kdy slunce pálí nejvíc a vzduch se nad "
                    u8"poli chvěje horkem. Obilí zlátne a čeká na sklizeň, na stromech se "
                    u8"vybarvují meruňky a slunečnice obracejí své těžké hlavy k nebi. Příroda "
                    u8"už nic neslibuje, ale ukazuje, co dokázala: plody se nalévají sladkostí "
                    u8"a krajina hraje plnými barvami. Je to čas hojnosti, sebevědomí a "
                    u8"veselých slavností pod širým nebem. Nálada doby zrání je hrdá a "
                    u8"velkorysá a jejím symbolem je zlatý klas, který se sklání pod tíhou "
                    u8"zrna."));
constexpr auto zraniCharacter =
    piece<869>("Doba zrání, character", textSoFar, tabs(17),
               text(u8"Narodit se v době zrání znamená mít v sobě cosi královského. Tito lidé "
                    u8"jsou sebevědomí, velkorysí a rádi stojí ve středu pozornosti, kde se "
                    u8"jim daří nejlépe. Umějí vést ostatní, dodávat jim odvahu a rozdávat "
                    u8"radost, ale potřebují uznání a obdiv, a když se ho nedostává, jsou "
                    u8"dotčení. Jsou věrní přátelé, kteří nenechají nikoho v nouzi, a jejich "
                    u8"štědrost bývá téměř bezmezná. Nesnášejí lakotu a malichernost a umějí "
                    u8"být šlechetní i k těm, kdo jim ublížili. Slabou stránkou bývá pýcha a "
                    u8"sklon přeceňovat své síly, stejně jako neochota přiznat chybu. Hodí se "
                    u8"pro ně povolání, v nichž mohou vystupovat a řídit: manažeři, politici, "
                    u8"herci, režiséři, zpěváci, pedagogové nebo organizátoři kulturních akcí. "
                    u8"Uplatní se i jako designéři a v luxusním obchodě, protože mají vkus a "
                    u8"cit pro okázalost. Nejlépe pracují, když mají volnou ruku a odpovědnost "
                    u8"za celek."));
constexpr auto zraniLove =
    piece<1094>("Doba zrání, love and health", textSoFar, tabs(12),
                text(u8"Lidé doby zrání milují vášnivě, romanticky a velkoryse. Rádi dobývají i "
                     u8"jsou dobýváni a pro milovanou bytost jsou schopni velkých gest, "
                     u8"nečekaných dárků a okouzlujících překvapení. Potřebují partnera, na "
                     u8"kterého mohou být hrdí a který je bude obdivovat; lhostejnost a nezájem "
                     u8"je zraňují víc než otevřená hádka. Jsou věrní, pokud cítí, že jejich "
                     u8"láska je opětována, ale nesnesou, aby byli zastíněni nebo zesměšněni. "
                     u8"Rádi se s partnerem ukazují ve společnosti. Jejich žárlivost je spíš "
                     u8"uražená pýcha než skutečný strach ze ztráty. Dětem jsou láskyplnými a "
                     u8"štědrými rodiči, i když od nich někdy očekávají až příliš. Nejlepší "
                     u8"souznění nacházejí s lidmi doby probuzení a doby dlouhých nocí. Tělo "
                     u8"mají obvykle plné vitality a po nemoci či úrazu se rychle zotavují. "
                     u8"Jejich slabým místem je srdce, krevní oběh a záda, zejména páteř. Ve "
                     u8"zralém věku by si měli hlídat krevní tlak a hladinu cholesterolu a "
                     u8"omezit tučná jídla a sladkosti. Prospívá jim sport s přiměřenou zátěží, "
                     u8"například tanec, plavání nebo jízda na kole, a dostatek slunce, ovšem s "
                     u8"mírou, protože jeho přemíra je vyčerpává."));

// Doba žní
constexpr auto zniNature =
    piece<752>("Doba žní, nature", text(u8"Doba žní"), spaces(29), pad,
               text(u8"Doba žní je obdobím, kdy se sklízí. Na polích hučí kombajny, vzduch je "
                    u8"prosycen prachem ze slámy a v sadech se trhají švestky, jablka a "
                    u8"hrušky. Vlaštovky se na drátech řadí k odletu. Léto se pomalu chýlí ke "
                    u8"konci, rána jsou chladná a v trávě se objevuje rosa. Po bujarém vrcholu "
                    u8"přichází čas střízlivého účtování: co se urodilo, je třeba sklidit, "
                    u8"roztřídit, uskladnit a spočítat. Nic se nesmí zmařit, protože na tom "
                    u8"závisí celá dlouhá zima. Nálada této doby je pracovitá, soustředěná a "
                    u8"trochu přísná, ale také vděčná za všechno, co země vydala. Symbolem je "
                    u8"snop svázaný pečlivou rukou a plná stodola, v níž má každá věc své "
                    u8"místo. Doba žní učí, že hojnost bez řádu rychle vyprchá a že i malá "
                    u8"práce má velký smysl."));
constexpr auto zniCharacter =
    piece<1081>("Doba žní, character", textSoFar, tabs(16),
                text(u8"Pro narozené v době žní je typická pečlivost, pracovitost a mimořádná "
                     u8"spolehlivost. Mají smysl pro detail a pořádek, všimnou si chyby, kterou "
                     u8"jiní přehlédnou, a nespokojí se s prací odvedenou napůl. Přemýšlejí "
                     u8"analyticky a věci si rádi ověřují, než se rozhodnou. Jsou skromní, "
                     u8"nevyhledávají slávu a jejich pomoc bývá praktická a nenápadná. Rádi "
                     u8"pomáhají druhým, ale nečekají za to obdiv; stačí jim vědomí, že je věc "
                     u8"dobře udělaná. Mnohdy jsou však k sobě i k okolí příliš kritičtí a "
                     u8"snadno propadají starostem o to, co by se mohlo pokazit. Potřebují se "
                     u8"naučit přijímat nedokonalost, svou i cizí, a odpočinout si bez pocitu "
                     u8"viny. S penězi zacházejí rozvážně a nerozhazují je, takže si vždy něco "
                     u8"odloží na později. Vynikají také jako lékaři, lékárníci, výživoví "
                     u8"poradci, laboranti, statistici, vědci, účetní, auditoři, redaktoři, "
                     u8"korektoři či programátoři. Dobře se uplatní všude, kde se třídí, "
                     u8"kontroluje a zlepšuje, tedy i v knihovnách, ve veřejné správě a v "
                     u8"řízení jakosti. Jejich pečlivost ocení každý zaměstnavatel, jen sami k "
                     u8"sobě by neměli být příliš přísní."));
constexpr auto zniLove =
    piece<914>("Doba žní, love and health", textSoFar, tabs(14),
               text(u8"Ve věcech srdce jsou lidé doby žní zdrženliví a opatrní. Neradi dávají "
                    u8"své city najevo na veřejnosti a velká romantická gesta jim připadají "
                    u8"zbytečná. Svou lásku projevují činy: postarají se, opraví, připraví, "
                    u8"pamatují si, co partner potřebuje. Od vztahu očekávají spolehlivost, "
                    u8"čistotu a upřímnost a jen těžko snášejí nepořádek, a to jak v "
                    u8"domácnosti, tak v citech. Jejich sklon ke kritice může partnera "
                    u8"zraňovat, a proto je dobré, když se naučí také chválit. Jakmile však "
                    u8"důvěřují, jsou neobyčejně věrní a obětaví. Nejlépe si rozumějí s lidmi "
                    u8"doby růstu a doby hlubokého spánku. Zdraví mají často citlivé a hodně o "
                    u8"něm přemýšlejí, až úzkostlivě. Slabým místem jsou střeva a zažívání, "
                    u8"které reaguje na každé rozrušení. Prospívá jim pravidelný denní režim, "
                    u8"lehká a pestrá strava a dostatek spánku. Relaxační cvičení, jóga nebo "
                    u8"práce na zahradě jim pomohou zbavit se napětí a nadbytečných starostí."),
               spaces(2));

// Doba padajícího listí
constexpr auto padajicihoListiNature =
    piece<719>("Doba padajícího listí, nature", text(u8"Doba padajícího listí"), spaces(18), pad,
               text(u8"Doba padajícího listí přináší krajině nejpestřejší barvy roku. Javory "
                    u8"červenají, břízy zlátnou a lesy se mění v mozaiku odstínů od okrové po "
                    u8"vínovou. Den a noc jsou na čas stejně dlouhé a příroda jako by hledala "
                    u8"rovnováhu mezi světlem a tmou. Vinice vydávají zralé hrozny, ve "
                    u8"sklepích kvasí mošt a na polích se orá a seje ozim. Ve vzduchu je "
                    u8"melancholie, ale i klidná krása smíření: strom se vzdává listí bez "
                    u8"boje, protože ví, že je to tak správně. Je to čas harmonie, vzájemnosti "
                    u8"a spravedlivého vyvažování, kdy se srovnávají účty a uzavírají dohody. "
                    u8"Symbolem této doby jsou váhy se dvěma miskami, na nichž se ustálí zralé "
                    u8"plody, a list, který se snáší k zemi lehce a s grácií."));
constexpr auto padajicihoListiCharacter =
    piece<461>("Doba padajícího listí, character", textSoFar, tabs(21),
               text(u8"Pro lidi z doby padajícího listí je typická diplomatičnost, vlídnost a "
                    u8"vytříbený vkus. Mají silný cit pro spravedlnost. Nesnášejí hrubost a "
                    u8"konflikty a umějí urovnat spor tak, aby nikdo neztratil tvář. "
                    u8"Rozhodování jim ale trvá dlouho, protože zvažují všechna pro a proti. "
                    u8"Uplatní se jako právníci, soudci, diplomaté, mediátoři, architekti, "
                    u8"návrháři, módní poradci či umělci. Dobře pracují ve dvojici nebo v "
                    u8"týmu, samota je spíš vyčerpává."));
constexpr auto padajicihoListiLove =
    piece<937>("Doba padajícího listí, love and health", textSoFar, tabs(21),
               text(u8"Láska je pro lidi doby padajícího listí středem života. Bez partnera se "
                    u8"cítí neúplní a hledají vztah, v němž bude vládnout harmonie, vzájemná "
                    u8"úcta a krása. Jsou pozorní, romantičtí a okouzlující, dokážou připravit "
                    u8"nezapomenutelný večer a vždy vědí, čím druhého potěšit. Hádky jim "
                    u8"působí skutečnou bolest, a tak často ustupují více, než by měli, jen "
                    u8"aby zachovali mír. Měli by se naučit říkat otevřeně, co chtějí, jinak "
                    u8"se v nich může hromadit tichá nespokojenost. Nejlépe se jim daří s "
                    u8"lidmi doby rozkvětu a doby ticha, kteří jim do života vnesou lehkost. "
                    u8"Ze zdravotního hlediska jsou u nich zranitelné ledviny, bedra a kůže. "
                    u8"Mají sklony k nerovnováze, a proto jim škodí jakékoli výkyvy, ať už v "
                    u8"jídle, v práci, či ve spánku. Měli by pít hodně čisté vody, omezit "
                    u8"sladkosti a dbát na pravidelný pohyb. Velmi jim prospívá tanec, hudba a "
                    u8"pobyt v esteticky příjemném prostředí, které jim dodá klid a vnitřní "
                    u8"rovnováhu."));

// Doba prvních mrazů
constexpr auto prvnichMrazuNature =
    piece<1155>("Doba prvních mrazů, nature", text(u8"Doba prvních mrazů"), spaces(18), pad,
                text(u8"Doba prvních mrazů je obdobím proměny a odhalení. Stromy už shodily "
                     u8"většinu listí a jejich holé větve se rýsují proti šedivé obloze. Ráno "
                     u8"leží na trávě jinovatka a kaluže se potahují tenkou vrstvou ledu, který "
                     u8"přes den opět roztaje. Ve vzduchu je cítit kouř z ohníčků, v nichž hoří "
                     u8"natě a listí. Mlhy se válejí v údolích, dny se zkracují a světla rychle "
                     u8"ubývá. Příroda zdánlivě umírá, ale ve skutečnosti se jen stahuje "
                     u8"dovnitř: míza klesá ke kořenům, semena se ukrývají v zemi a zvířata se "
                     u8"připravují k zimnímu spánku. Nic z toho, co žilo, se neztrácí; jen to "
                     u8"mění podobu. Proto je tato doba spojena s tajemstvím, s hloubkou a s "
                     u8"tím, co není na první pohled vidět. Lidé odedávna v této části roku "
                     u8"vzpomínají na zemřelé, zapalují svíčky a rozjímají o pomíjivosti, ale "
                     u8"také o tom, že každý konec nese semínko nového začátku. Nálada doby "
                     u8"prvních mrazů je vážná, soustředěná a intenzivní. Pod zamrzlou hladinou "
                     u8"se však skrývá velká síla, podobně jako pod tvrdou slupkou ořechu leží "
                     u8"jádro plné života. Symbolem tohoto období je had, který svléká starou "
                     u8"kůži, a fénix, který vstává z popela obnovený a silnější než předtím."));
constexpr auto prvnichMrazuCharacter =
    piece<857>("Doba prvních mrazů, character", textSoFar, tabs(17),
               text(u8"Ti, jejichž život začal v době prvních mrazů, jsou hlubocí, vášniví a "
                    u8"velmi odolní. Navenek bývají klidní a zdrženliví, ale uvnitř v nich "
                    u8"kypí silné city, o kterých málokdo ví. Mají pronikavý pohled, rychle "
                    u8"prokouknou přetvářku a jen těžko se jim dá něco zatajit. Nemají rádi "
                    u8"prázdné tlachání a raději mlčí, než aby mluvili o ničem. Jsou "
                    u8"cílevědomí a vytrvalí, a když si něco předsevzali, nenechají se odradit "
                    u8"žádnou překážkou. Neodpouštějí snadno a umějí být nepříjemnými soupeři, "
                    u8"zato jsou nesmírně oddanými přáteli. Přitahuje je všechno skryté a "
                    u8"tajemné, takže vynikají ve výzkumu, psychologii, medicíně, zejména v "
                    u8"chirurgii, v kriminalistice, v detektivní práci či v pojišťovnictví a "
                    u8"finančnictví. Uplatní se rovněž jako psychoterapeuti, protože se nebojí "
                    u8"temných stránek duše. Krize je neochromí; naopak v nich objevují "
                    u8"neznámé síly."));
constexpr auto prvnichMrazuLove =
    piece<526>("Doba prvních mrazů, love and health", textSoFar, tabs(13),
               text(u8"Pro lidi doby prvních mrazů je láska věcí vášně a úplné oddanosti. "
                    u8"Milují naplno, anebo vůbec, a polovičaté vztahy je neuspokojují. "
                    u8"Žárlivost a potřeba mít partnera jen pro sebe jim mohou přidělávat "
                    u8"starosti, proto je dobré, když se naučí důvěřovat. Souznějí s lidmi "
                    u8"doby dlouhých dnů a doby obnovy. Po zdravotní stránce bývají zranitelné "
                    u8"pohlavní orgány, močový měchýř a konečník. Potlačované emoce se u nich "
                    u8"mohou projevovat tělesnými obtížemi, a proto jim prospívá otevřený "
                    u8"rozhovor, sauna a dostatek pohybu."));

// Doba dlouhých nocí
constexpr auto dlouhychNociNature =
    piece<1002>("Doba dlouhých nocí, nature", text(u8"Doba dlouhých nocí"), spaces(18), pad,
                text(u8"Doba dlouhých nocí přichází, když se svět ponoří do šera. Slunce "
                     u8"vychází pozdě a zapadá brzy, takže většinu dne provází umělé světlo. "
                     u8"Krajina je holá a syrová, vítr honí po polích poslední suché listí a "
                     u8"první sníh se střídá s deštěm. Ve vzduchu voní pečená jablka a kouř z "
                     u8"komínů. Přesto v této době nevládne smutek, ale zvláštní očekávání. "
                     u8"Lidé se obracejí k ohni, k lampě a ke hvězdám, které jsou teď vidět "
                     u8"jasněji než jindy. Noční obloha je vysoká a plná souhvězdí a právě ona "
                     u8"odedávna podněcovala touhu po poznání, dalekých cestách a smyslu "
                     u8"života. Je to čas, kdy se vyprávějí příběhy, čtou se knihy a plánují se "
                     u8"výpravy na příští rok. Ve tmě se snadněji myslí na to, co leží za "
                     u8"obzorem, a proto je tato doba spojena s filozofií, vírou a vzděláním. "
                     u8"Nálada je optimistická, i když trochu neklidná, jako by se něco "
                     u8"chystalo. Symbolem doby dlouhých nocí je šíp vypuštěný ke hvězdám a "
                     u8"poutník, který se vydává na cestu s lucernou v ruce, přestože neví, kde "
                     u8"skončí."));
constexpr auto dlouhychNociCharacter =
    piece<768>("Doba dlouhých nocí, character", textSoFar, tabs(22),
               text(u8"Mezi lidmi narozenými v době dlouhých nocí najdeme optimisty, "
                    u8"dobrodruhy a myslitele. Milují svobodu, cestování a vše, co rozšiřuje "
                    u8"obzory, ať jde o cizí země, kultury, či filozofické myšlenky. Rádi se "
                    u8"učí po celý život a často ovládají několik jazyků. Jsou upřímní až "
                    u8"nediplomatičtí a řeknou pravdu i tam, kde by bylo lépe mlčet. Mají "
                    u8"velký smysl pro humor a dokážou rozveselit každou společnost. Nesnášejí "
                    u8"omezování, rutinu a malichernost a snadno se rozhodnou změnit bydliště "
                    u8"či zaměstnání. Vynikají jako učitelé, vysokoškolští pedagogové, "
                    u8"cestovatelé, průvodci, misionáři, filozofové, právníci, nakladatelé "
                    u8"nebo sportovci. Uplatní se také v zahraničním obchodě a diplomacii. "
                    u8"Nejlepší je pro ně práce, která jim dává volnost a smysl zároveň."));
constexpr auto dlouhychNociLove =
    piece<619>("Doba dlouhých nocí, love and health", textSoFar, tabs(12),
               text(u8"Ve vztahu jsou lidé doby dlouhých nocí veselí, spontánní a štědří. "
                    u8"Láska je pro ně dobrodružstvím a partner by měl být především přítelem "
                    u8"a společníkem na cestách. Nesnášejí žárlivost a pocit, že jsou drženi "
                    u8"na krátkém vodítku; pokud dostanou dost volnosti, dokážou zůstat věrní. "
                    u8"Nudu a stereotyp nemají rádi a rádi vztah oživují nečekanými nápady. "
                    u8"Souznějí s lidmi doby probuzení a doby zrání, kteří sdílejí jejich "
                    u8"zápal. Ke zdraví bývají přezíraví, věří, že je nic nezastaví, a proto "
                    u8"je ohrožují úrazy při sportu. Citlivá místa jsou boky, stehna a játra. "
                    u8"Měli by mírnit jídlo i pití a nepřeceňovat síly."));

// Doba hlubokého spánku
constexpr auto hlubokehoSpankuNature =
    piece<659>("Doba hlubokého spánku, nature", text(u8"Doba hlubokého spánku"), spaces(9), pad,
               text(u8"Doba hlubokého spánku je srdcem zimy. Po nejdelší noci se slunce znovu "
                    u8"začíná vracet, ale zatím to skoro není znát; mráz sílí a krajina leží "
                    u8"pod sněhem, tichá, nehybná. Rybníky zamrzly a ve vzduchu zvoní každý "
                    u8"krok. Stromy spí, zvířata přečkávají v norách a doupatech a život se "
                    u8"zdánlivě zastavil. Ve skutečnosti však příroda šetří silami a pevně "
                    u8"drží to, co má. Je to čas vytrvalosti, kázně a hospodaření se zásobami, "
                    u8"kdy přežije ten, kdo umí plánovat a nevzdává se. Nálada této doby je "
                    u8"vážná, střízlivá a důstojná. Symbolem je horský štít, který odolává "
                    u8"vichřicím, a kamzík, jenž trpělivě a jistě stoupá po skalách k vrcholu."));
constexpr auto hlubokehoSpankuCharacter =
    piece<1036>("Doba hlubokého spánku, character", textSoFar, tabs(13),
                text(u8"Ti, kdo se narodili v době hlubokého spánku, bývají vážní, ctižádostiví "
                     u8"a nesmírně vytrvalí. Už v mládí působí starší, než ve skutečnosti jsou, "
                     u8"a časem se zdá, že naopak mládnou. Mají vrozený smysl pro odpovědnost a "
                     u8"pořádek, dodržují slovo a očekávají totéž od ostatních. Cíle si "
                     u8"vytyčují na dlouhou dobu dopředu a jdou k nim krok za krokem, bez "
                     u8"ohledu na překážky a pochybnosti. V rychlé zisky nevěří; raději budují "
                     u8"pomalu a pevně, jako by stavěli na staletí. Nejsou okázalí a city "
                     u8"neukazují rádi, ale kdo si získá jejich důvěru, najde v nich oporu na "
                     u8"celý život. Slabinou bývá přílišná strohost, pesimismus a sklon k "
                     u8"pracovnímu přetížení. Měli by se naučit radovat z maličkostí a nebrat "
                     u8"všechno tak vážně. Hodí se pro ně vedoucí a řídící funkce, státní "
                     u8"správa, politika, bankovnictví, stavitelství, architektura, geologie, "
                     u8"hornictví a horolezectví. Vynikají také jako lékaři specialisté, "
                     u8"zubaři, soudci a správci majetku. V podnikání jsou úspěšní díky "
                     u8"trpělivosti a nezdolnosti, neboť mají pro své záměry dostatek času."));
constexpr auto hlubokehoSpankuLove =
    piece<725>("Doba hlubokého spánku, love and health", textSoFar, tabs(16),
               text(u8"Také v lásce zůstávají lidé doby hlubokého spánku zdrženliví, opatrní a "
                    u8"velmi stálí. Dlouho váhají, než se někomu otevřou, a city projevují "
                    u8"spíš spolehlivostí než slovy. Partnera si vybírají s rozmyslem a vztah "
                    u8"berou jako celoživotní závazek. Na jejich slovo je vždy spolehnutí. "
                    u8"Jakmile se rozhodnou, jsou věrní a pečují o rodinu s obětavostí, ale "
                    u8"měli by nezapomínat na něhu a obyčejnou radost ze společných chvil. "
                    u8"Dobře si rozumějí s lidmi doby růstu a doby žní. Zdravotně jsou jejich "
                    u8"slabým místem kosti, klouby, kolena a zuby, a také kůže. Trápit je může "
                    u8"revma a ztuhlost. Prospívá jim teplo, pravidelný pohyb, dostatek "
                    u8"vápníku a vitamínů a především schopnost se občas skutečně uvolnit a "
                    u8"odpočinout si."));

// Doba ticha
constexpr auto tichaNature =
    piece<282>("Doba ticha, nature", text(u8"Doba ticha"), spaces(18), pad,
               text(u8"Doba ticha je poslední výdech zimy. Dny se prodlužují, ale mráz ještě "
                    u8"drží a sníh tiše vrže pod nohama. Krajina je čistá a prázdná jako "
                    u8"nepopsaný list. V tom tichu se rodí nápady, které zatím nikdo nevidí. "
                    u8"Symbolem je jasná hvězda nad zasněženou plání."));
constexpr auto tichaCharacter =
    piece<1337>("Doba ticha, character", textSoFar, tabs(19),
                text(u8"Lidé narození v době ticha jsou nezávislí, originální a svým způsobem "
                     u8"výjimeční. Myslí jinak než většina, předbíhají svou dobu a nebojí se "
                     u8"jít proti proudu, když jsou přesvědčeni o své pravdě. Zajímá je "
                     u8"budoucnost, věda, technika, vynálezy a všechno, co může svět změnit k "
                     u8"lepšímu. Jsou přátelští a mají mnoho známých, ale skutečně blízko k "
                     u8"sobě pouštějí jen málokoho. Působí často chladně a odtažitě, protože "
                     u8"city raději rozebírají rozumem, než aby je prožívali. Silně vnímají "
                     u8"každou nespravedlnost a zapojují se do spolků, občanských iniciativ a "
                     u8"dobročinných akcí. Jejich slabinou je tvrdohlavost, s jakou hájí své "
                     u8"názory, a nechuť přizpůsobit se pravidlům, která považují za nesmyslná. "
                     u8"Někdy se zdají nevyzpytatelní a náladoví, což může jejich okolí mást. "
                     u8"Hodí se jim povolání, v nichž mohou zkoušet nové postupy a objevovat: "
                     u8"vědci, vynálezci, inženýři, informatici, programátoři, astronomové, "
                     u8"meteorologové, technici v letectví a elektronice. Uplatní se též v "
                     u8"sociologii a ve všech humanitárních oborech, kde lze pomáhat celé "
                     u8"společnosti. Mnozí mají výtvarný nebo hudební talent, zejména pro "
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
                    u8"svobodných lidí, kteří jsou spolu, protože to chtějí. Mohou působit "
                    u8"chladně, ale jejich věrnost je hluboká, i když nenápadná. Spřízněnou "
                    u8"duši často najdou mezi lidmi doby rozkvětu a doby padajícího listí. Po "
                    u8"tělesné stránce bývají citlivé kotníky, lýtka a krevní oběh, zejména "
                    u8"žíly na nohou. Trpívají také nervovým vypětím, migrénami a nespavostí. "
                    u8"Prospívá jim pohyb na čerstvém vzduchu, pravidelný spánek a chvíle bez "
                    u8"obrazovek."));

// Doba obnovy
constexpr auto obnovyNature =
    piece<1455>("Doba obnovy, nature", text(u8"Doba obnovy"), spaces(21), pad,
                text(u8"Doba obnovy uzavírá koloběh roku a zároveň připravuje jeho nový "
                     u8"začátek. Sníh se mění v rozbředlou kaši, led na rybnících praská a "
                     u8"potoky se plní tající vodou, která stéká z kopců do údolí. Půda je "
                     u8"nasáklá vláhou a měkne, ve vzduchu se vznáší mlhavá vůně, jež ještě "
                     u8"není jarní, ale už také není zimní. Všechno je v pohybu a splývá: "
                     u8"hranice mezi zimou a jarem se rozpouští stejně jako hranice mezi sněhem "
                     u8"a vodou. Příroda v této době nic nebuduje, jen se čistí, odplavuje "
                     u8"staré a uvolňuje místo pro nové. Je to čas snů, tušení a odevzdanosti, "
                     u8"kdy člověk cítí, že se něco chystá, i když ještě neví co. Hladina "
                     u8"rozvodněných řek odráží šedé nebe a v ranních mlhách se obrysy krajiny "
                     u8"rozplývají. Z dálky se už ozývají první hlasy ptáků, kteří se vracejí, "
                     u8"ale ještě nezačali stavět hnízda. Na vrbách u potoků se objevují první "
                     u8"kočičky. Doba obnovy je spojena se soucitem, odpuštěním a rozloučením "
                     u8"se vším, co už nepotřebujeme. Mnohé tradice v tomto období ukládaly "
                     u8"půst, úklid a smíření, aby člověk vstoupil do nového koloběhu lehčí a "
                     u8"čistší. Nálada této doby je zasněná, měkká a trochu nostalgická, "
                     u8"protože v ní končí to, co bylo, a ještě nezačalo to, co bude. Voda, "
                     u8"která teče a nic si neponechává, je jejím hlavním živlem. Symbolem jsou "
                     u8"dvě ryby plovoucí proti sobě, jedna k minulosti a druhá k budoucnosti, "
                     u8"spojené jedním tokem. Připomínají, že každý konec a každý počátek patří "
                     u8"k sobě a jeden bez druhého nemůže existovat."));
constexpr auto obnovyCharacter = piece<675>(
    "Doba obnovy, character", textSoFar, tabs(5), spaces(7), tabs(1), spaces(14), tabs(12), spaces(24),
    text(u8"Citlivost, soucit a bohatá fantazie jsou dary lidí narozených v době "
         u8"obnovy. Vnímají nálady druhých jako své vlastní a nedokážou projít "
         u8"kolem cizího trápení bez povšimnutí. Mají umělecké nadání a silnou "
         u8"intuici, ale v praktických věcech bývají nerozhodní a snadno se nechají "
         u8"ovlivnit. Potřebují kolem sebe pevný bod, o který se mohou opřít. Když "
         u8"je realita tíží, unikají do snů. Uplatní se jako hudebníci, malíři, "
         u8"básníci, herci, fotografové, zdravotníci, terapeuti, duchovní nebo "
         u8"sociální pracovníci. Dobře se jim daří i v práci s vodou, například v "
         u8"rybářství nebo lodní dopravě. Tvrdé soutěžení jim nesvědčí."));
constexpr auto obnovyLove =
    piece<543>("Doba obnovy, love and health", textSoFar, tabs(14),
               text(u8"Láska lidí doby obnovy je romantická, obětavá a něžná. Pro milovaného "
                    u8"člověka se umějí vzdát mnohého, někdy až příliš, proto by si měli "
                    u8"hlídat, aby je partner nevyužíval. Snadno odpouštějí, dokonce i to, co "
                    u8"by neměli. Touží po duchovním souznění a vztahu, jenž připomíná "
                    u8"pohádku. Nejbližší jsou jim lidé doby dlouhých dnů a doby prvních "
                    u8"mrazů. Zdravotně jsou citlivé nohy, hlavně chodidla, a imunita, která "
                    u8"slábne při únavě a smutku. Měli by se vyhýbat alkoholu a lékům bez rady "
                    u8"lékaře. Svědčí jim plavání, hodně spánku a klid."));

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
