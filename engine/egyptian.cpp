// The Egyptian gods: each sign's text is one piece, the god's name over a Czech paragraph on the
// god's myth and on the person born under the god's protection, closing with the two European
// signs that the god's time overlaps.
#include "engine/egyptian.h"

#include <string_view>

namespace kalmira {

namespace {

constexpr int egyptianSignCount = 11;

// Eleven signs share the year, so Amon - Ra takes the end of January, every day of February (29
// to 31 included) and the first of March.
constexpr SignCondition egyptianSignConditions[egyptianSignCount] = {
    {from(1, 30), until(3, 1), wholeMonth(2)},  // Amon - Ra
    {from(3, 2), until(4, 3)},                  // Mut
    {from(4, 4), until(5, 6)},                  // Isis
    {from(5, 7), until(6, 8)},                  // Horus
    {from(6, 9), until(7, 12)},                 // Geb
    {from(7, 13), until(8, 14)},                // Sechmet
    {from(8, 15), until(9, 16)},                // Toth
    {from(9, 17), until(10, 20)},               // Seth
    {from(10, 21), until(11, 25)},              // Osiris
    {from(11, 26), until(12, 28)},              // Anubis
    {from(12, 29), until(1, 29)},               // Hathor
};

constexpr std::u8string_view egyptianHeadings[egyptianSignCount] = {
    u8"Amon - Ra", u8"Mut",  u8"Isis",   u8"Horus",  u8"Geb",    u8"Sechmet",
    u8"Toth",      u8"Seth", u8"Osiris", u8"Anubis", u8"Hathor",
};

constexpr Text heading(int sign) { return text(egyptianHeadings[sign]); }

// Each paragraph closes with its own sentence naming the two European signs, where Amon-Ra is
// written without spaces.

// Amon - Ra
constexpr auto amonRa =
    piece<1496>("Amon - Ra", heading(0), spaces(32), pad,
                text(u8"Jméno Amon znamenalo „Skrytý“: byl to bůh, kterého nikdo nespatřil, "
                     u8"neviditelný jako vítr, jenž dme plachty. Když se v Thébách spojil se "
                     u8"slunečním Ra, stal se z něj Amon-Ra, král bohů, stvořitel všeho živého a "
                     u8"dárce plodnosti, který na obrazech nosí korunu se dvěma vysokými pery. "
                     u8"Každý rok o svátku Opet vynášeli kněží jeho sochu ve zlacené bárce z "
                     u8"Karnaku a doprovázeli ji po Nilu do chrámu v Luxoru, zatímco po březích "
                     u8"tančily zástupy a faraon obnovoval své božské právo vládnout. Za posvátná "
                     u8"zvířata mu sloužili beran a nilská husa. Jeho chráněnec zdědil obojí "
                     u8"povahu svého boha: klidnou sílu, jež není vidět, a jas, který se ukáže, až "
                     u8"přijde jeho chvíle. Nepotřebuje se předvádět; jako skrytý bůh působí spíše "
                     u8"tím, co připravuje v tichu, a ostatní poznají jeho vliv až podle výsledku. "
                     u8"Umí počkat, až se ostatní vymluví, a teprve potom řekne, co si myslí. "
                     u8"Práci bere jako stavbu chrámu: přidává kámen ke kameni a chce, aby po něm "
                     u8"zůstalo něco, co přečká generace. S penězi zachází uvážlivě jako správce "
                     u8"sýpek. Potíže mu dělá umíněnost boha, který se nerad ptá jiných na radu; "
                     u8"co jednou rozhodne, to sotva změní. Partnerovi je štědrou a spolehlivou "
                     u8"oporou, potřebuje však protějšek, který jeho tichou moc nebude zkoušet. "
                     u8"Domov je mu tím, čím byl Amonovi Karnak: místem, odkud vychází do světa a "
                     u8"kam se vrací. Svědčí mu řád dne, který zachovávali kněží; srdce by neměl "
                     u8"přetěžovat. "),
                text(u8"V západní astrologii znamení Amon-Ra koresponduje s Vodnářem a Rybami."));

// Mut
constexpr auto mut =
    piece<1428>("Mut", heading(1), spaces(36), pad,
                text(u8"Manželka Amona se jmenovala prostě Mut, což v egyptštině znamená „matka“, "
                     u8"a s ním a jejich synem Chonsem, bohem Měsíce, tvořila thébskou trojici. "
                     u8"Malovali ji jako ženu s dvojitou korunou Horního a Dolního Egypta, často i "
                     u8"s čepcem v podobě supa, jehož křídla jí splývala kolem hlavy; sup totiž "
                     u8"platil za vzor mateřské péče a královny nosily supí čepec jako odznak své "
                     u8"hodnosti. Její chrámový okrsek v Karnaku obtékalo posvátné jezero ve tvaru "
                     u8"půlměsíce, a protože se v hněvu prý měnila v lvici, nechal tam faraon "
                     u8"Amenhotep III. postavit stovky soch lví bohyně. Pod jejími křídly přichází "
                     u8"na svět člověk, v němž se snoubí mateřská něha s lvím drápem. Všimne si, "
                     u8"kdo u stolu zmlkl, a umí ho vtáhnout zpátky do hovoru, aniž by to někdo "
                     u8"postřehl. Kdo se mu svěří, odchází s lehčím srdcem. Měkký ovšem není: když "
                     u8"jde o blízké, dokáže být nesmlouvavý a postaví se i silnějšímu. Nejraději "
                     u8"chrání a nechává růst, jako sup mláďata, ať jde o mladé kolegy, či o "
                     u8"zděděný podnik. Peníze schraňuje pro klid rodiny, ne pro lesk. Jeho "
                     u8"úskalím je trpělivost, která dlouho mlčí a pak se najednou promění ve lví "
                     u8"hněv; rozumnější je říci výhradu včas. Pro lásku chce pevné hnízdo, jaké "
                     u8"si sup staví na skále, a nevěru nese těžce. Když mu dojdou síly, vrací ho "
                     u8"do rovnováhy voda, jako bohyni její jezero, a hodina ticha, kterou nikomu "
                     u8"nedluží. "),
                text(u8"V západní astrologii znamení Mut koresponduje s Rybami a Beranem."));

// Isis
constexpr auto isis =
    piece<1619>("Isis", heading(2), spaces(37), pad,
                text(u8"Isis nosila na hlavě znak trůnu, jímž se psalo její jméno, a Egypťané ji "
                     u8"ctili jako nejmocnější kouzelnici mezi bohy. Když jejího manžela Osirida "
                     u8"zavraždil Seth a rozmetal jeho tělo po celé zemi, putovala se sestrou "
                     u8"Nebthet od jednoho ramene Nilu k druhému, dokud všechny části nenašla, a "
                     u8"svými kouzly mu vrátila život na tak dlouho, aby mohla počít syna Hora. "
                     u8"Dítě potom ukrývala v papyrových houštinách delty u Chemmis, a když ho tam "
                     u8"uštkl štír, zaříkáváním ho uzdravila. Vyprávělo se také, jak vymámila na "
                     u8"samotném bohu Ra jeho tajné jméno: z jeho slin a hlíny uhnětla hada, který "
                     u8"boha uštkl, a jed z rány vytáhla teprve tehdy, když jí jméno prozradil. "
                     u8"Egypťané věřili, že každoroční vzestup Nilu způsobují její slzy pro "
                     u8"Osirida, a její kult se později rozšířil po celé římské říši až k Rýnu a "
                     u8"Dunaji. Po bohyni zdědil její chráněnec vytrvalost: když se něco rozbije, "
                     u8"nehledá viníka, ale sbírá střepy a skládá je dohromady, dokud celek znovu "
                     u8"nedrží. Nevzdá se, ani když všichni ostatní už odešli. Má bystrý úsudek a "
                     u8"nebojí se lsti, je-li to pro dobrou věc; s mocnějšími jedná jako bohyně s "
                     u8"bohem Ra, trpělivě a s pevným cílem. Pro ty, které miluje, udělá téměř "
                     u8"cokoli a jeho věrnost se pozná podle skutků. Jeho parketou je záchrana, u "
                     u8"lůžka nemocného stejně jako ve firmě, kterou jiní odepsali. Škodí mu sklon "
                     u8"brát každé břemeno jen na sebe, jako by nikdo jiný neuměl pomoci, a "
                     u8"přímost, která někdy zraní. Odpočinek nachází u vody a mezi rostlinami, v "
                     u8"nichž bohyně ukrývala syna: doma mu nesmí chybět zeleň. "),
                text(u8"V západní astrologii znamení Isis koresponduje s Beranem a Býkem."));

// Horus
constexpr auto horus =
    piece<1536>("Horus", heading(3), spaces(36), pad,
                text(u8"Horus, syn Isis a Osirida, měl hlavu sokola a jeho pravé oko bylo Sluncem, "
                     u8"levé Měsícem. Vyrůstal v úkrytu mezi papyrem a jako mladík předstoupil "
                     u8"před soud bohů, aby na strýci Sethovi vymohl trůn po zavražděném otci. "
                     u8"Spor se táhl celých osmdesát let. Soupeři se proměnili v hrochy a utkali "
                     u8"se pod hladinou, závodili v lodích z kamene, přičemž Horus si lstivě "
                     u8"postavil loď z cedru natřenou sádrou, aby vypadala jako kámen, a v jednom "
                     u8"zápase mu Seth vyrval levé oko. Toth je poskládal a uzdravil, a tak se oko "
                     u8"udžat stalo nejoblíbenějším amuletem Egypta. Nakonec bohové přiznali celou "
                     u8"zemi Horovi a každý faraon se od té doby pokládal za jeho živé vtělení. "
                     u8"Jeho velký chrám stojí dodnes v Edfu. Kdo stojí pod Horovou ochranou, "
                     u8"připomíná mladého dědice, který ví, co mu náleží, a dokáže na to čekat. "
                     u8"Nevzdá se v půli cesty a umí hrát dlouhou hru, v níž vítězí ten, kdo "
                     u8"vydrží. Nebojí se přitom lsti, když jde o spravedlivou věc. Zranění ho "
                     u8"nezlomí; zjizvený, ale celý se vrací do hry jako oko, které Toth složil z "
                     u8"úlomků. Druzí ho následují, protože z něj cítí klidnou jistotu. Svou cestu "
                     u8"však občas pokládá za jedinou správnou a rád by slyšel jen souhlas. Svěřit "
                     u8"mu lze rozhodnutí o celku, protože vidí daleko dopředu. K milovaným je "
                     u8"ochranitelský a stálý, potřebuje ale partnera, který jeho plány bere "
                     u8"vážně. Nejvíc by si měl chránit oči a nenamáhat je prací dlouho do "
                     u8"půlnoci; prospěje mu pohled do dálky pod otevřeným nebem. "),
                text(u8"V západní astrologii znamení Horus koresponduje s Býkem a Blíženci."));

// Geb
constexpr auto geb =
    piece<1368>("Geb", heading(4), spaces(38), pad,
                text(u8"Geb byl bohem země. Ležel pod nebem na boku, z jeho zad rostlo obilí a z "
                     u8"jeho nitra vyvěraly prameny; malíři ho proto často barvili zeleně. Jeho "
                     u8"manželkou byla bohyně nebe Nut a ti dva se prý zpočátku drželi v tak "
                     u8"těsném objetí, že mezi nimi nebylo místo pro nic živého, dokud je bůh "
                     u8"vzduchu Šu na příkaz boha Ra neoddělil a Nut nezvedl nad zemi. Od té doby "
                     u8"k ní Geb vzhlíží zdola. Na hlavě nosíval husu, protože se vyprávělo, že "
                     u8"jako Velký kejhal snesl vejce, z něhož se vylíhlo slunce. Když se země "
                     u8"chvěla, říkalo se, že se Geb směje. Jako bývalý král bohů rozsuzoval spor "
                     u8"Hora se Sethem: nejprve jim zemi rozdělil napůl, pak ji celou svěřil "
                     u8"Horovi, a faraoni se proto nazývali jeho dědici. Jeho svěřenec stojí pevně "
                     u8"na zemi a ví, že co se zaseje, potřebuje čas. Nepodléhá panice a na "
                     u8"slibech mu sejde méně než na tom, co vzejde z práce. Rád se směje, a když "
                     u8"se směje, otřásá se celá místnost. Pod jeho rukama roste cokoli, zahrada "
                     u8"stejně jako mladý tým. V lásce vzhlíží k partnerovi jako Geb k nebi a "
                     u8"touží po blízkosti, kterou by mu nikdo nebral. K blízkým je štědrý jako "
                     u8"černá země v roce vydatné povodně. Ke změně se odhodlává pomalu a dlouho, "
                     u8"a tak mu občas unikne příležitost, na niž čekal. Nejlépe si odpočine "
                     u8"bosý na trávě a při práci rukama v hlíně. "),
                text(u8"V západní astrologii znamení Geb koresponduje s Blíženci a Raky."));

// Sechmet
constexpr auto sechmet =
    piece<1429>("Sechmet", heading(5), spaces(36), pad,
                text(u8"Sechmet, „Mocná“, měla hlavu lvice a na ní sluneční kotouč se vztyčenou "
                     u8"kobrou. Byla Okem boha Ra, jeho žhavým pohledem obráceným proti "
                     u8"nepřátelům, a horký pouštní vítr byl prý jejím dechem. Když lidé přestali "
                     u8"slunečního boha poslouchat, vyslal ji, aby je potrestala, a bohyně se "
                     u8"rozběsnila tak, že hrozilo vyhubení celého lidstva. Ra se polekal "
                     u8"vlastního rozkazu, dal přes noc uvařit sedm tisíc džbánů piva obarveného "
                     u8"červenou hlinkou a rozlít je po polích. Ráno je lvice vypila v domnění, že "
                     u8"je to krev, opila se a usnula, a když se probudila, její hněv byl pryč. Od "
                     u8"té doby se jí o svátcích obětovalo pivo. Její kněží byli zároveň lékaři, "
                     u8"protože kdo dokáže nemoc seslat, umí ji i zahnat. Žár lvice a dovednost "
                     u8"léčitele se potkávají i v tom, komu Sechmet vládne. Lež a zneužívání moci "
                     u8"ho rozpálí doběla a ozve se i tam, kde by ostatní raději mlčeli. Jeho hněv "
                     u8"přijde prudce, ale nemusí trvat: stačí vlídné slovo v pravou chvíli, jako "
                     u8"kdysi stačilo pivo, a bouře utichne. Nerad žádá o pomoc a přijmout ji je "
                     u8"pro něj těžší než ji nabídnout. Naplno se rozvine tam, kde hoří, kde "
                     u8"rozhoduje rychlá ruka a kde je nutné bojovat s něčím zlým. Miluje žhavě a "
                     u8"oddaně a potřebuje člověka, který se jeho síly nezalekne. Horko snáší "
                     u8"hůře, než přizná: v létě by měl pít dost vody a velká rozhodnutí nechávat "
                     u8"na chladnější hodiny. "),
                text(u8"V západní astrologii znamení Sechmet koresponduje s Rakem a Lvem."));

// Toth
constexpr auto toth =
    piece<1699>("Toth", heading(6), spaces(39), pad,
                text(u8"Toth, bůh s hlavou ibise, jindy v podobě paviána, byl písařem bohů. "
                     u8"Egypťané mu připisovali vynález písma, počtů a kalendáře a věřili, že zná "
                     u8"slova, jimiž lze pohnout světem. Sídlil v Chemenu, městě, které Řekové "
                     u8"později nazvali Hermopolis, protože v Tothovi poznávali svého Herma; "
                     u8"posvátné ibisy tam kněží chovali po tisících a po smrti je balzamovali. "
                     u8"Byl také pánem Měsíce a počítal čas. Podle Plútarchova podání si s Měsícem "
                     u8"zahrál deskovou hru a vyhrál na něm kus jeho světla, z něhož poskládal pět "
                     u8"dní navíc; v nich mohla bohyně Nut porodit své děti, což jí Ra v řádných "
                     u8"dnech roku zakázal. Když se Horus a Seth přeli o trůn, byl Toth tím, kdo "
                     u8"mezi bohy vyjednával a kdo Horovi uzdravil vyrvané oko. Při soudu nad "
                     u8"mrtvými stál u vah s paletou a rákosovým perem a zapisoval výsledek. "
                     u8"Tothův chráněnec se podobá písaři, jenž stojí u vah: dívá se, poslouchá a "
                     u8"zapisuje, a když nakonec promluví, váží každé slovo. Zvědavost ho vodí ke "
                     u8"knihám i k lidem, od nichž se dá něčemu naučit, a s novou znalostí si "
                     u8"pohrává jako bůh s Měsícem, dokud z ní nevytěží užitek. Dokáže najít "
                     u8"východisko, které nikoho jiného nenapadlo, a hledat je ho baví. Vyniká "
                     u8"jako prostředník: obě strany sporu mu důvěřují, protože nikomu nestraní. "
                     u8"Nejvíc ho těší, když může něco srozumitelně vysvětlit nebo zaznamenat "
                     u8"pro ty, kdo přijdou potom. Umí se ale zahrabat do papyrových svitků tak "
                     u8"hluboko, že ani nepostřehne, jak uteklo léto. S láskou nespěchá; potřebuje "
                     u8"partnera, s nímž si bude rozumět nad knihou stejně jako v tichu večera. "
                     u8"Odpočívá na procházce za svitu Měsíce a u hry, v níž rozhoduje rozum, ne "
                     u8"štěstí. "),
                text(u8"V západní astrologii znamení Toth koresponduje se Lvem a Pannou."));

// Seth
constexpr auto seth =
    piece<1528>("Seth", heading(7), spaces(39), pad,
                text(u8"Poušť, bouře a cizí země patřily Sethovi, bohu rudé barvy, zobrazovanému "
                     u8"jako tajemné zvíře se zahnutým čenichem, vztyčenýma hranatýma ušima a "
                     u8"rozeklaným ocasem; dodnes nikdo netuší, které zvíře mu bylo předlohou. "
                     u8"Proslul jako vrah svého bratra: dal podle Osiridových rozměrů zhotovit "
                     u8"nádhernou truhlu, při hostině slíbil, že ji daruje tomu, komu bude přesně "
                     u8"pasovat, a když si do ní Osiris lehl, zaklapnul víko a truhlu hodil do "
                     u8"Nilu. Egypťané ho však nepokládali jen za zloducha. Každou noc stál na "
                     u8"přídi sluneční bárky plující podsvětím a kopím odrážel obrovského hada "
                     u8"Apopa, který chtěl slunce pohltit, a faraoni ramessovské doby se po něm "
                     u8"dávali jmenovat; Sethi znamená „ten, kdo patří Sethovi“. Tutéž neklidnou "
                     u8"sílu, kterou lze obrátit k ničení i k obraně, si nese každý, kdo se narodí "
                     u8"v Sethově čase. Nudu snáší hůř než nebezpečí a v krizi, kdy ostatní "
                     u8"ztrácejí hlavu, zůstává nečekaně klidný, jako by se teprve v bouři cítil "
                     u8"doma. Neposlouchá pravidla, jejichž smysl nevidí, a autorita mu musí svou "
                     u8"cenu dokázat. Když se rozzlobí, zvedne se v něm písečná bouře, a co v ní "
                     u8"napáchá, pak dlouho napravuje. Jeho místo je na přídi, třeba při záchraně "
                     u8"lidí nebo v čele firmy, jež začíná od nuly. V lásce bývá žárlivý a "
                     u8"náruživý a k sobě pustí jen toho, kdo se jeho hromů nezalekne. Své síle by "
                     u8"měl dávat práci, jinak se obrátí proti němu; prospívá mu vítr a dlouhé "
                     u8"cesty. Jako Seth na soudu bohů se učí i prohrávat. "),
                text(u8"V západní astrologii znamení Seth koresponduje s Pannou a Váhami."));

// Osiris
constexpr auto osiris =
    piece<1410>("Osiris", heading(8), spaces(38), pad,
                text(u8"Podle mýtu vládl Egyptu jako první král Osiris. Naučil lidi obdělávat "
                     u8"půdu, pěstovat obilí a révu a žít podle zákonů, a proto ho na obrazech "
                     u8"poznáváme podle pastýřské berly a důtek v rukou a vysoké koruny atef s "
                     u8"pštrosími pery. Pleť mu malovali zeleně jako mladé osení nebo černě jako "
                     u8"nilské bahno. Když ho bratr Seth zavraždil, Isis jeho tělo znovu oživila a "
                     u8"Osiris sestoupil do podsvětí, kde se stal vládcem a soudcem zemřelých. V "
                     u8"jeho chrámu v Abydu se každý rok hrálo posvátné drama o jeho smrti a "
                     u8"návratu a do hrobů se kladly hliněné podoby boha, v nichž se vysévalo "
                     u8"obilí: když vzklíčilo, bylo to znamení, že život pokračuje. Sloup džed, "
                     u8"znamení stálosti, byl jeho páteří. Ten, nad kým vládne Osiris, rozumí "
                     u8"ročním cyklům lépe než jiní: ví, že co je zaseto do tmy, potřebuje čas a "
                     u8"že konec bývá jen zimou před setím. Nebojí se proto změn a umí nechat "
                     u8"odejít, co už dosloužilo. Křivdu nesnáší a jako soudce v síni mrtvých nedá "
                     u8"na lichotky ani na úplatky. Cíle si klade vysoko, chce jich však dosáhnout "
                     u8"čestně. Přitahuje ho minulost a kořeny vlastního rodu. Práce ho naplňuje, "
                     u8"když v ní něco zakládá pro další generace, třeba sad, jenž ponese ovoce až "
                     u8"vnukům. Blízkým dává všechno, co sám má, ale potřebuje cítit, že mu věří. "
                     u8"Starosti nosívá v sobě; měl by je vyslovit dříve, než ztěžknou. "),
                text(u8"V západní astrologii znamení Osiris koresponduje se Štírem a Střelcem."));

// Anubis
constexpr auto anubis =
    piece<1305>("Anubis", heading(9), spaces(38), pad,
                text(u8"Anubis měl hlavu černého šakala, zvířete, které se v noci toulalo kolem "
                     u8"pohřebišť na okraji pouště; Egypťané z něj proto učinili strážce mrtvých. "
                     u8"Když Seth zavraždil Osirida, byl to Anubis, kdo jeho tělo omyl, "
                     u8"nabalzamoval a ovinul plátnem, a stal se tak prvním balzamovačem a pánem "
                     u8"všech, kdo to řemeslo po něm vykonávali; kněží si při obřadech nasazovali "
                     u8"jeho masku. Černá barva jeho hlavy neznamenala smrt, ale úrodné nilské "
                     u8"bahno, tedy slib nového života. V síni soudu kladl na jednu misku vah "
                     u8"srdce zemřelého a na druhou pero bohyně Maat a jazýček vah střežil tak "
                     u8"bedlivě, že jej nebylo možné ošálit. Anubisův chráněnec je strážcem prahu: "
                     u8"umí být nablízku, když druzí procházejí těžkou změnou, a nepovažuje za "
                     u8"nutné o tom mluvit. Odvahy má ovšem dost, jen ji nikomu nepředvádí. "
                     u8"Tajemství u něj zůstane uloženo jako v zapečetěné hrobce, a proto se mu "
                     u8"lidé svěřují. Práci nikdy neodbude: jako balzamovač ví, že každý krok má "
                     u8"své pořadí a nic se nesmí uspěchat. Skrytou příčinu vystopuje jako šakal "
                     u8"stopu v písku. Jeho náklonnost je tichá, ale hluboká, a nejlépe mu je s "
                     u8"někým, kdo ho pochopí beze slov. Občas na něj padne stín melancholie; "
                     u8"rozežene ho ranní světlo a čerstvý vzduch. "),
                text(u8"V západní astrologii znamení Anubis koresponduje se Střelcem a "
                     u8"Kozorohem."));

// Hathor
constexpr auto hathor =
    piece<1505>("Hathor", heading(10), spaces(38), pad,
                text(u8"Hathor byla bohyně lásky, hudby a radosti, kterou Egypťané zvali Zlatou a "
                     u8"zobrazovali jako krávu nebo jako ženu s kravskými rohy a slunečním "
                     u8"kotoučem mezi nimi. Její hlavní chrám stál v Dendeře a jednou za rok z něj "
                     u8"kněží vyvezli její sochu na lodi po Nilu na jih do Edfu, kde se na dva "
                     u8"týdny setkala se svým manželem Horem; celá země to slavila jako svatbu. "
                     u8"Když se sluneční bůh Ra jednou urazil a odmítl dál soudit spor bohů, byla "
                     u8"to Hathor, kdo ho rozesmál a přiměl vrátit se k soudu. Ke každému "
                     u8"novorozenci prý přicházela jako sedm sudiček a zemřelým podávala z koruny "
                     u8"sykomory vodu a chléb. Kdo se narodí v jejím čase, nese si kus oné "
                     u8"slavnostní lodi: kam přijde, tam se lidé sejdou a rozproudí se hovor. Umí "
                     u8"rozveselit zamračené a podobně jako bohyně před uraženým bohem Ra dokáže "
                     u8"smíchem rozpustit spor, který vážná slova jen přiostřila. Za jeho lehkostí "
                     u8"ale stojí vytrvalost; radost pro něj není zábava na jeden večer, nýbrž "
                     u8"řemeslo, na kterém se pracuje. V práci mu jde o to, aby z ní vzešlo něco, "
                     u8"co druhé potěší, ať je to nová píseň, nebo dobře připravená slavnost. Od "
                     u8"lásky čeká setkání, na které se dá těšit celý rok, a partnera, kterého "
                     u8"může hýčkat. Svádí ho záliba v krásných věcech, kvůli níž mu peníze "
                     u8"protékají mezi prsty, a také ochota odkládat nepříjemné povinnosti na "
                     u8"zítřek. Zdraví mu nejvíc prospívá hudba a pohyb v rytmu, jaký kdysi "
                     u8"udávala sistra jejích kněžek. "),
                text(u8"V západní astrologii znamení Hathor koresponduje s Kozorohem a Vodnářem."));

constexpr PadLengths egyptianPads{.pad = egyptianPadLength};

// In the order of the sign table.
constexpr std::string_view egyptianTexts[egyptianSignCount] = {
    finishedText<1617, egyptianPads, amonRa>.view(),   // Amon - Ra
    finishedText<1549, egyptianPads, mut>.view(),      // Mut
    finishedText<1740, egyptianPads, isis>.view(),     // Isis
    finishedText<1657, egyptianPads, horus>.view(),    // Horus
    finishedText<1489, egyptianPads, geb>.view(),      // Geb
    finishedText<1550, egyptianPads, sechmet>.view(),  // Sechmet
    finishedText<1820, egyptianPads, toth>.view(),     // Toth
    finishedText<1649, egyptianPads, seth>.view(),     // Seth
    finishedText<1531, egyptianPads, osiris>.view(),   // Osiris
    finishedText<1426, egyptianPads, anubis>.view(),   // Anubis
    finishedText<1626, egyptianPads, hathor>.view(),   // Hathor
};

}  // namespace

std::string_view egyptianText(BirthDate date) {
  return signText(findSign(egyptianSignConditions, date.month, date.day), egyptianTexts);
}

}  // namespace kalmira
