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
                    u8"spánku. Sníh ustupuje do stínů, z rozmoklé země vykukují sasanky a "
                    u8"podběl a ptáci se vracejí z teplých krajin a hlasitě ohlašují svůj "
                    u8"příchod. Vzduch voní vlhkou hlínou a slunce má poprvé skutečnou sílu. Je "
                    u8"to čas odvahy a začátků, kdy se všechno dere na světlo, i když ještě "
                    u8"hrozí mrazy. Obrazem této doby je pupen, který slibuje víc, než zatím "
                    u8"ukazuje."));
constexpr auto probuzeniCharacter =
    piece<1146>("Doba probuzení, character", textSoFar, tabs(14),
                text(u8"Kdo se narodil v době probuzení, má v sobě netrpělivost jarní mízy. "
                     u8"Tito lidé nesnášejí stojaté vody a nejlépe se cítí tam, kde se něco "
                     u8"rozbíhá: nový projekt, nová firma, nová cesta. Jsou přímí, mnohdy až "
                     u8"prostořecí, a svým nadšením dokážou strhnout i ty, kdo by jinak zůstali "
                     u8"sedět. Riziko je nezastraší, i když ne vždy domyslí následky. Rozhodují "
                     u8"se bleskově a spoléhají na první dojem, který je málokdy klame. Chybí "
                     u8"jim však vytrvalost; jakmile se věc stane rutinou, jejich zájem "
                     u8"ochabuje a hledají další výzvu. Naučí-li se dotahovat započaté do "
                     u8"konce, anebo najdou-li si spolehlivého partnera, který to udělá za ně, "
                     u8"dosáhnou mimořádných úspěchů. Nejvíc jim sedí práce, kde se cení "
                     u8"iniciativa a rychlá reakce: podnikání, záchranářství, sport, "
                     u8"žurnalistika, obchod nebo služba v armádě či u policie. Dobře se "
                     u8"uplatní také jako zakladatelé spolků, organizátoři akcí a učitelé "
                     u8"začátečníků, protože umějí probudit zájem. Na úřednická místa s pevným "
                     u8"řádem a dlouhým čekáním na výsledek se hodí méně. S penězi zacházejí "
                     u8"ledabyle: co vydělají, často hned vloží do dalšího nápadu, a tak by se "
                     u8"měli včas naučit odkládat si něco stranou."));
constexpr auto probuzeniLove =
    piece<872>("Doba probuzení, love and health", textSoFar, tabs(17),
               text(u8"V lásce jsou lidé doby probuzení dobyvateli. Zamilovávají se prudce, "
                    u8"takřka okamžitě, a neváhají udělat první krok. Líbí se jim partner, "
                    u8"který jim klade drobné překážky a nenechá se získat příliš snadno; "
                    u8"přílišná povolnost je rychle omrzí. Ve vztahu potřebují volnost a "
                    u8"společné zážitky, nejlépe výlety, sport a cestování. Žárlivost v nich "
                    u8"umí prudce vzplanout, ale dlouho nedoutná a mstivost je jim úplně cizí. "
                    u8"Nejvíce harmonie jim přinášejí lidé doby zrání nebo dlouhých nocí, kteří "
                    u8"s nimi dokážou udržet krok. Pokud jde o zdraví, bývají odolní a rychle "
                    u8"se zotavují, jen sklon ke spěchu je vystavuje úrazům, zejména hlavy a "
                    u8"obličeje. Trpívají bolestmi hlavy z přepracování a mívají vyšší krevní "
                    u8"tlak. Svědčí jim běh nebo kolo v přírodě, dostatek spánku a strava "
                    u8"bohatá na zeleninu a ovoce; naopak by se měli vyhýbat alkoholu a příliš "
                    u8"kořeněným jídlům."));

// Doba růstu
constexpr auto rustuNature =
    piece<544>("Doba růstu, nature", text(u8"Doba růstu"), spaces(29), pad,
               text(u8"Doba růstu přichází, když jaro nabere plnou sílu. Louky jsou svěže "
                    u8"zelené a plné pampelišek, stromy se obalují mladým listím, v sadech "
                    u8"kvetou jabloně a pole pokryl hustý koberec osení. Zvířatům se rodí "
                    u8"mláďata a celá krajina jako by se nadechla k dlouhé a vytrvalé práci. "
                    u8"Už nejde o nesmělé pokusy, ale o soustavné přibývání, o sílu, která "
                    u8"roste den po dni bez okázalosti. Tato doba přeje trpělivosti, "
                    u8"plodnosti a hmotnému dostatku. Jejím symbolem je mladý strom, který "
                    u8"zapouští kořeny hluboko do hlíny."));
constexpr auto rustuCharacter =
    piece<1052>("Doba růstu, character", textSoFar, tabs(16),
                text(u8"Ti, kdo přišli na svět v době růstu, jsou klidní, vytrvalí a pevně "
                     u8"stojí nohama na zemi. Nespěchají, ale co jednou začnou, to také "
                     u8"dokončí, a výsledky jejich práce mívají trvalou hodnotu. Mají rádi "
                     u8"pohodlí a dobrou kuchyni; obklopují se kvalitními věcmi a vytvářejí si "
                     u8"útulný domov. Jsou spolehliví a věrní přátelé, ale když je někdo dlouho "
                     u8"provokuje, umějí vybuchnout se silou, která každého zaskočí. V "
                     u8"kolektivu bývají tichou oporou, na kterou se ostatní obracejí, když jde "
                     u8"do tuhého. Nevýhodou bývá tvrdohlavost a odpor ke změnám; zbytečně "
                     u8"dlouho lpí na tom, co znají. Z peněz mají radost a umějí s nimi "
                     u8"zacházet, takže majetek rozmnožují trpělivě, korunu ke koruně. Nejlépe "
                     u8"se uplatní tam, kde se pracuje s půdou, materiálem či penězi: v "
                     u8"zemědělství, zahradnictví, stavebnictví, bankovnictví, účetnictví a v "
                     u8"řemeslech, hlavně v truhlářství a keramice. Mnozí jsou hudebně nadaní a "
                     u8"prosadí se jako zpěváci či hudebníci; jiní zase vynikají jako kuchaři. "
                     u8"Lze jim bez obav svěřit i správu cizího majetku, o který pečují jako o "
                     u8"vlastní."));
constexpr auto rustuLove =
    piece<802>("Doba růstu, love and health", textSoFar, tabs(16),
               text(u8"Ve vztazích jsou lidé doby růstu něžní, smyslní a velice věrní. Netouží "
                    u8"po krátkých dobrodružstvích; hledají stálý vztah a dávají si na čas, než "
                    u8"se skutečně rozhodnou. Své city projevují spíš péčí a drobnými "
                    u8"pozornostmi než velkými slovy a rádi pro milované vaří. Potřebují "
                    u8"jistotu, dotek a klidný domov, kde se mohou spolehnout na každodenní "
                    u8"rytmus. Žárlivost a majetnické sklony jim mohou vztah zkomplikovat; lépe "
                    u8"udělají, když partnerovi nechají dostatek volnosti. Klidné a pevné "
                    u8"soužití je čeká s protějškem z doby žní nebo hlubokého spánku. Co se "
                    u8"zdraví týče, mají většinou silnou konstituci, ale slabinou bývá krk: "
                    u8"hrdlo, hlasivky a štítná žláza. Kvůli zálibě v dobrém jídle mívají sklon "
                    u8"k nadváze, a proto jim svědčí pravidelný pohyb, ať už péče o zahradu, či "
                    u8"dlouhé procházky."));

// Doba rozkvětu
constexpr auto rozkvetuNature =
    piece<852>("Doba rozkvětu, nature", text(u8"Doba rozkvětu"), spaces(25), pad,
               text(u8"Doba rozkvětu završuje jaro. Louky před první sečí jsou vysoké a pestré, "
                    u8"v obilí svítí vlčí máky a chrpy, na zahradách se rozvíjejí pivoňky a "
                    u8"růže a podél cest voní bez černý, jasmín a nakonec i lípy. Vzduch je "
                    u8"plný bzučení včel, večery bývají vlahé a světlé a lidé vysedávají venku "
                    u8"až dlouho do noci. Příroda v této době neplýtvá silou na budování "
                    u8"kořenů; všechno se soustředí na květ, na to, aby upoutal pozornost a "
                    u8"přilákal opylovače. Je to čas pestrosti, výměny a setkávání, čas, kdy se "
                    u8"vítr stává poslem a nosí pyl travin z louky na louku. Všude je k vidění "
                    u8"něco nového, a proto je tato doba lehká, zvědavá a mírně roztěkaná. "
                    u8"Ztělesňuje ji motýl, který přelétá z květu na květ a nikde se nezdrží "
                    u8"dlouho, a přesto je jeho cesta pro zahradu nezbytná. Doba rozkvětu "
                    u8"připomíná, že i krása a sdílení nesou plody."));
constexpr auto rozkvetuCharacter =
    piece<909>("Doba rozkvětu, character", textSoFar, tabs(17),
               text(u8"Lidé, kteří se narodili v době rozkvětu, jsou zvídaví, pohotoví a "
                    u8"společenští. Mluví rádi a dobře, mají bystrý postřeh a umějí se rychle "
                    u8"zorientovat v jakékoliv nové situaci. Mívají obratné ruce stejně jako "
                    u8"jazyk. Zajímá je mnoho věcí najednou, takže často studují více oborů, "
                    u8"čtou několik knih současně a mají přátele ve všech vrstvách společnosti. "
                    u8"Do hloubky však jdou zřídka a vytrvalosti mají málo; nadchnou se, ale "
                    u8"když je věc přestane bavit, odběhnou jinam. Zato umějí vyjednávat, "
                    u8"přesvědčovat a spojovat lidi, kteří by se jinak nikdy nepotkali. Své "
                    u8"nadání nejlépe zúročí jako novináři, překladatelé, učitelé, obchodní "
                    u8"zástupci, moderátoři, spisovatelé či pracovníci reklamy, tedy všude, kde "
                    u8"se pracuje se slovem a informacemi. Láká je i cestovní ruch a doprava. "
                    u8"Potřebují prostředí, které se stále mění; jednotvárná práce u jednoho "
                    u8"stolu by je brzy unavila a připravila by je o elán."));
constexpr auto rozkvetuLove =
    piece<684>("Doba rozkvětu, love and health", textSoFar, tabs(20),
               text(u8"Lidé doby rozkvětu hledají v lásce především partnera rovného duchem, s "
                    u8"nímž si budou mít pořád co říct. Fyzická přitažlivost jim nestačí; "
                    u8"láska u nich začíná rozhovorem a končí, když se rozhovor vyčerpá. "
                    u8"Bývají hraví a flirtují rádi, takže mohou působit nestále, ale jakmile "
                    u8"najdou někoho, kdo je nepřestane bavit, zůstávají věrní. Nejlépe si "
                    u8"rozumějí s rodáky z doby padajícího listí a z doby ticha, kteří ocení "
                    u8"jejich humor. Zdraví jim ohrožuje hlavně nervozita: mají sklon k "
                    u8"nespavosti, přepětí a nemocem dýchacích cest, plic a průdušek. Citlivé "
                    u8"mají i ruce a ramena. Pomáhají jim dechová cvičení, pobyt v přírodě a "
                    u8"pravidelný odpočinek bez telefonu a zpráv."));

// Doba dlouhých dnů
constexpr auto dlouhychDnuNature =
    piece<560>("Doba dlouhých dnů, nature", text(u8"Doba dlouhých dnů"), spaces(19), pad,
               text(u8"Doba dlouhých dnů je vrcholem světla. Slunce vystoupá nejvýš a noci jsou "
                    u8"tak krátké, že se večerní červánky téměř potkávají s ranními. Příroda je "
                    u8"v plné síle, lesy jsou temně zelené, na loukách schne seno a zahrady "
                    u8"nabízejí třešně, rybíz a maliny. Zároveň však právě teď začíná světla "
                    u8"nepatrně ubývat, a tak má tato doba něco citlivého a ochranitelského. Je "
                    u8"to čas hnízd, rodin a péče o mladé, kteří ještě nejsou samostatní: ptáci "
                    u8"krmí mláďata a srnčata se drží při matce. Jejím znakem je ptačí hnízdo "
                    u8"schované ve větvích."));
constexpr auto dlouhychDnuCharacter =
    piece<1238>("Doba dlouhých dnů, character", textSoFar, tabs(12),
                text(u8"Lidé, jejichž narozeniny připadají na dobu dlouhých dnů, jsou citliví, "
                     u8"pečující a hluboce spjatí s domovem a rodinou. Navenek mohou působit "
                     u8"zdrženlivě, ale ta zdrženlivost jen chrání neobyčejně bohatý citový "
                     u8"život. Pamatují si, kdo jim kdy udělal radost i kdo jim ublížil, a "
                     u8"vzpomínky pro ně mají velikou cenu; schovávají si rodinné recepty, "
                     u8"dětské kresby a věci po předcích. Mají vyvinutou intuici a bezpečně "
                     u8"poznají, když je někomu z blízkých smutno, i kdyby to tajil. Jejich "
                     u8"nálady se však střídají jako příliv a odliv, a když jsou zraněni, "
                     u8"stahují se do sebe. Prospěje jim naučit se mluvit o svých pocitech "
                     u8"otevřeně a nenechávat křivdy dlouho doutnat. Mají smysl pro úspornost a "
                     u8"o peníze se starají opatrně, protože touží po jistotě. Vaří rádi a s "
                     u8"láskou a jejich kuchyně bývá místem, kde se schází celá rodina i s "
                     u8"přáteli. Jejich povoláním bývá péče o druhé: pracují jako zdravotní "
                     u8"sestry, lékaři, vychovatelé, učitelé v mateřských školách, sociální "
                     u8"pracovníci nebo psychologové. Uplatní se i v pohostinství, gastronomii, "
                     u8"hotelnictví a v obchodu s nemovitostmi. Zajímají se o dějiny, a proto "
                     u8"bývají dobrými historiky, archiváři a muzejníky. Pracují nejraději v "
                     u8"menším a přátelském kolektivu, který jim připomíná rodinu."));
constexpr auto dlouhychDnuLove =
    piece<964>("Doba dlouhých dnů, love and health", textSoFar, tabs(17),
               text(u8"Jako partneři jsou lidé doby dlouhých dnů oddaní, něžní a nesmírně "
                    u8"starostliví. Lásku berou vážně a nedokážou si představit život bez "
                    u8"blízkého člověka po boku. Partnera si pečlivě vybírají a zpočátku jsou "
                    u8"nesmělí, protože se bojí odmítnutí; když se však jednou otevřou, "
                    u8"rozdávají teplo s překvapivou štědrostí. Touží po rodině, dětech a "
                    u8"společném domově, kde budou mít svůj klid. Někdy se ale starají až "
                    u8"příliš a partner se může cítit jako pod dohledem, proto by si měli dát "
                    u8"pozor, aby se péče neproměnila v kontrolu. Nejhlubší porozumění najdou u "
                    u8"lidí doby prvních mrazů a doby obnovy. Nejcitlivějším místem jejich těla "
                    u8"bývá žaludek: každá starost a každý smutek se jim hned promítne do "
                    u8"trávení a často je svádí k tomu, aby chmury zajídali sladkým. Mívají "
                    u8"také sklon k zadržování vody. Měli by jíst pravidelně a v klidu, vyhýbat "
                    u8"se těžkým pokrmům a najít si činnost, která jim pomůže uvolnit napětí, "
                    u8"například plavání nebo procházky podél vody."));

// Doba zrání
constexpr auto zraniNature =
    piece<520>("Doba zrání, nature", text(u8"Doba zrání"), spaces(27), pad,
               text(u8"Doba zrání je vrcholem léta, kdy slunce pálí nejvíc a vzduch se nad poli "
                    u8"chvěje horkem. Obilí zlátne a na polích začínají žně, na stromech se "
                    u8"barví meruňky a broskve a nad ploty září veliké žluté květy slunečnic. "
                    u8"Příroda už nic neslibuje, ale ukazuje, co dokázala: plody se nalévají "
                    u8"sladkostí a krajina hraje plnými barvami. Je to čas hojnosti, sebevědomí "
                    u8"a veselých slavností pod širým nebem. Hrdé a velkorysé léto se v tuto "
                    u8"dobu zdobí korunou ze zlatých klasů plných zralých zrn."));
constexpr auto zraniCharacter =
    piece<869>("Doba zrání, character", textSoFar, tabs(17),
               text(u8"Narodit se v době zrání znamená mít v sobě cosi královského. Tito lidé "
                    u8"jsou sebevědomí, velkorysí a rádi stojí ve středu pozornosti, kde se "
                    u8"jim daří nejlépe. Umějí vést ostatní, dodávat jim odvahu a rozdávat "
                    u8"radost, ale potřebují uznání a obdiv, a když se jim uznání nedostává, "
                    u8"jsou dotčení. Jsou věrní přátelé, kteří nenechají nikoho v nouzi, a "
                    u8"jejich štědrost bývá téměř bezmezná. Nesnášejí lakotu a malichernost a "
                    u8"umějí být šlechetní i k těm, kdo jim ublížili. Slabou stránkou bývá "
                    u8"pýcha a sklon přeceňovat své síly, stejně jako neochota přiznat chybu. "
                    u8"Táhne je to na jeviště a do čela, mezi manažery, politiky, herce, "
                    u8"režiséry, zpěváky, pedagogy nebo organizátory kulturních akcí. Prosadí "
                    u8"se rovněž jako designéři a v obchodě s luxusním zbožím, protože mají "
                    u8"vkus a cit pro okázalost. Nejlépe pracují, když mají volnou ruku a "
                    u8"odpovědnost za celek."));
constexpr auto zraniLove =
    piece<1094>("Doba zrání, love and health", textSoFar, tabs(12),
                text(u8"Lidé doby zrání milují vášnivě, romanticky a velkoryse. Rádi dobývají i "
                     u8"jsou dobýváni a pro milovanou bytost jsou schopni velkých gest, "
                     u8"nečekaných dárků a okouzlujících překvapení. Potřebují partnera, na "
                     u8"kterého mohou být hrdí a který je bude obdivovat; nejvíc je raní, když "
                     u8"si partner jejich snahy nevšimne. Jsou věrní, pokud cítí, že jejich "
                     u8"láska je opětována, ale nesnesou, aby byli zastíněni nebo zesměšněni. "
                     u8"Jejich žárlivost je spíš uražená pýcha než skutečný strach ze ztráty. "
                     u8"Dětem jsou láskyplnými a štědrými rodiči, i když od nich někdy "
                     u8"očekávají až příliš. Povahou se jim nejvíc podobají narození v době "
                     u8"probuzení a v době dlouhých nocí, s nimiž prožijí nejlepší souznění. "
                     u8"Tělo mají většinou plné vitality a po nemoci či úrazu se rychle "
                     u8"zotavují. Jejich slabým místem je srdce, krevní oběh a záda, zejména "
                     u8"páteř. Ve zralém věku by si měli hlídat krevní tlak a hladinu "
                     u8"cholesterolu a omezit tučná jídla a sladkosti. Dobře jim dělá sport s "
                     u8"přiměřenou zátěží, například tanec, plavání nebo jízda na kole, a "
                     u8"dostatek slunce, ovšem s mírou, protože jeho přemíra je vyčerpává."));

// Doba žní
constexpr auto zniNature =
    piece<752>("Doba žní, nature", text(u8"Doba žní"), spaces(29), pad,
               text(u8"Doba žní je časem sklizně. Na polích se dožínají poslední lány, vzduch "
                    u8"je plný prachu ze slámy a v sadech se trhají švestky, jablka a hrušky. "
                    u8"Vlaštovky se na drátech řadí k odletu. Léto se chýlí ke konci, rána "
                    u8"jsou chladnější a v trávě leží rosa. Po bujarém vrcholu přichází čas "
                    u8"střízlivého účtování: co se urodilo, je třeba roztřídit, uskladnit a "
                    u8"spočítat. Nic nesmí přijít nazmar, neboť na tom závisí celá zima. "
                    u8"Nálada této doby je pracovitá, soustředěná a poněkud přísná, ale vděčná "
                    u8"za všechno, co země vydala, a ten vděk se slaví dožínkami. Vystihují ji "
                    u8"snop svázaný pečlivou rukou a plná stodola, v níž má každá věc své "
                    u8"místo. Doba žní učí, že hojnost bez řádu se rozplyne a že i drobná "
                    u8"práce má velký smysl."));
constexpr auto zniCharacter =
    piece<1081>("Doba žní, character", textSoFar, tabs(16),
                text(u8"Pro narozené v době žní je typická pečlivost, pracovitost a mimořádná "
                     u8"spolehlivost. Mají smysl pro detail a pořádek, postřehnou i tu "
                     u8"nejdrobnější nepřesnost a nespokojí se s prací odvedenou napůl. "
                     u8"Přemýšlejí analyticky a věci si rádi ověřují, než se rozhodnou. Jsou "
                     u8"skromní, nevyhledávají slávu a jejich pomoc bývá praktická a nenápadná. "
                     u8"Rádi pomáhají druhým, ale nečekají za to obdiv; stačí jim vědomí, že je "
                     u8"věc dobře udělaná. Mnohdy jsou však k sobě i k okolí příliš kritičtí a "
                     u8"snadno propadají starostem o to, co by se mohlo pokazit. Potřebují se "
                     u8"naučit přijímat nedokonalost, svou i cizí, a odpočinout si bez pocitu "
                     u8"viny. S penězi zacházejí rozvážně a nerozhazují je, takže si vždy něco "
                     u8"odloží na později. Vynikají jako lékaři, lékárníci, výživoví poradci, "
                     u8"laboranti, statistici, vědci, účetní, auditoři, redaktoři, korektoři či "
                     u8"programátoři. Dobře se uplatní všude, kde se třídí, kontroluje a "
                     u8"zlepšuje, tedy i v knihovnách, ve veřejné správě a v řízení jakosti. Ve "
                     u8"volném čase je uklidní trpělivá práce rukama, třeba modelářství, "
                     u8"vyšívání nebo sušení bylin."));
constexpr auto zniLove =
    piece<914>("Doba žní, love and health", textSoFar, tabs(14),
               text(u8"Ve věcech srdce jsou lidé doby žní zdrženliví a opatrní. Neradi dávají "
                    u8"své city najevo na veřejnosti a velká romantická gesta jim připadají "
                    u8"zbytečná. Svou lásku projevují činy: postarají se, opraví, připraví, "
                    u8"pamatují si, co partner potřebuje. Od vztahu očekávají spolehlivost, "
                    u8"čistotu a upřímnost a jen těžko snášejí nepořádek, a to jak v "
                    u8"domácnosti, tak v citech. Jejich sklon ke kritice může partnera "
                    u8"zraňovat, a proto by se měli naučit i chválit. Jakmile však důvěřují, "
                    u8"jsou neobyčejně věrní a obětaví. Pochopení pro ně mají hlavně lidé "
                    u8"narození v době růstu nebo v době hlubokého spánku. Zdraví mívají často "
                    u8"citlivé a hodně o něm přemýšlejí, až úzkostlivě. Jejich slabinou jsou "
                    u8"střeva, citlivá na každé rozrušení. Prospívá jim pravidelný denní "
                    u8"režim, lehká a pestrá strava a dostatek spánku. Relaxační cvičení, jóga "
                    u8"nebo práce na zahradě jim pomohou zbavit se napětí a nadbytečných "
                    u8"starostí."),
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
