// The Native American totems: each text is the animal's name over four passages (five for the
// Bobr), the first naming the totem's span, element and wind, the others its character, love and
// health, separated by runs of tabs and spaces that the word-wrapping result box turns into
// paragraph breaks.
#include "engine/indian.h"

#include <string_view>

#include "engine/totem_periods.h"

namespace kalmira {

namespace {

constexpr std::u8string_view indianHeadings[totemPeriodCount] = {
    u8"Sokol",  u8"Bobr", u8"Jelen", u8"Datel", u8"Losos", u8"Medvěd",
    u8"Havran", u8"Had",  u8"Sova",  u8"Husa",  u8"Vydra", u8"Vlk",
};

constexpr Text heading(int totem) { return text(indianHeadings[totem]); }

// The first passage opens with two fixed sentences: the totem's span and its name in the plural,
// then its element and wind.

// Sokol
constexpr auto sokol1 =
    piece<696>("Sokol, piece 1", heading(0), spaces(38), pad,
               text(u8"Lidi narozené mezi 21. březnem a 19. dubnem zveme v názvosloví "
                    u8"indiánského horoskopu „Sokoly“. Tyto zrozence ovlivňuje ohnivý živel a "
                    u8"vítr východní. "),
               text(u8"Sokol otevírá roční kruh v době, kdy se příroda probouzí ze zimního spánku, "
                    u8"sníh mizí z horských svahů a první teplé paprsky slunce budí semena ukrytá "
                    u8"v zemi. Je to období začátků, odvahy a čerstvé síly. Sokol krouží vysoko "
                    u8"nad krajinou, vidí daleko a na kořist se vrhá bez zaváhání. Podobně i lidé "
                    u8"tohoto totemu mají bystré oko pro příležitosti a nebojí se jednat rychle a "
                    u8"rázně. Kamenem Sokola bývá ohnivý opál, rostlinou pampeliška a barvou "
                    u8"žlutozelená, barva mladé trávy, která právě prorazila zem."));
constexpr auto sokol2 =
    piece<640>("Sokol, piece 2", textSoFar, tabs(10),
               text(u8"Sokol je rozený průkopník. Jeho mysl pracuje rychle a nápady z ní srší jako "
                    u8"jiskry z ohně. Nerad čeká, nerad žádá o svolení a ještě méně rád poslouchá "
                    u8"dlouhé výklady. Když se pro něco nadchne, pustí se do díla celým srdcem a "
                    u8"strhne s sebou i druhé. Má přirozenou autoritu, a proto se často ocitá v "
                    u8"čele skupiny, aniž by o to usiloval. Jeho slabinou je netrpělivost: "
                    u8"rozdělanou práci nechá jiným, jakmile ho přestane bavit. Bývá prudký a v "
                    u8"rozčilení z něho vyletí slova, jichž brzy lituje; dokáže se však omluvit. "
                    u8"Rád soutěží, prohry nese těžce, přesto se vždy zvedne. Upřímnost je jeho "
                    u8"největší ctností, lež a přetvářku nesnáší."));
constexpr auto sokol3 =
    piece<711>("Sokol, piece 3", textSoFar, tabs(3),
               text(u8"V lásce se Sokol chová jako při lovu. Zamiluje se rychle, na první "
                    u8"pohled, a o přízeň vyvolené bytosti pak bojuje s nadšením, které je "
                    u8"odzbrojující. Dokáže partnera překvapit velkým gestem, nečekaným výletem "
                    u8"nebo vyznáním vysloveným uprostřed rušné ulice. Hledá protějšek, který s "
                    u8"ním udrží krok, nebude ho spoutávat žárlivostí a zároveň mu dá útočiště, "
                    u8"kam se může vracet. Nuda je pro něj nejhorším nepřítelem vztahu, proto "
                    u8"vítá společné dobrodružství, sport a cesty do neznáma. Nejlépe si rozumí "
                    u8"s Lososem a Sovou, kteří sdílejí jeho vnitřní oheň, a se vzdušnými "
                    u8"totemy, jež jeho plamen rozdmýchávají. Když zkrotí svou netrpělivost, "
                    u8"bývá z něho věrný a velkorysý společník, po jehož boku se nikdo nenudí."));
constexpr auto sokol4 =
    piece<298>("Sokol, piece 4", textSoFar, tabs(3), spaces(8),
               text(u8"Sokol by měl šetřit hlavu a oči, které mu slouží nejvíc, a nezapomínat "
                    u8"na odpočinek, protože svou energii rád vyčerpává až do dna. Svědčí mu "
                    u8"ranní běhání, plavání a lehká strava bez přemíry koření. Prospěje mu, "
                    u8"když se před každým vzletem pořádně rozhlédne a co začne, to také "
                    u8"dokončí."));

// Bobr
constexpr auto bobr1 =
    piece<574>("Bobr, piece 1", heading(1), spaces(38), pad,
               text(u8"Lidi narozené mezi 20. dubnem a 20. květnem zveme v názvosloví "
                    u8"indiánského horoskopu „Bobry“. Tyto zrozence ovlivňuje zemský živel a "
                    u8"vítr východní. "),
               text(u8"Bobr přichází v době, kdy jaro sílí, louky se zelenají a řeky se po tání "
                    u8"vracejí do koryt. Příroda už nejen kvete, ale i buduje a zakládá to, co "
                    u8"má přečkat celý rok. Bobr je stavitel. Trpělivě kácí stromy, klade větev "
                    u8"k větvi, těsní je bahnem a staví hráze, které vydrží desítky let. Jeho "
                    u8"domov je pevný, teplý a bezpečně chráněný, a právě o takové jistotě sní "
                    u8"i ti, jež Bobr hlídá."));
constexpr auto bobr2 =
    piece<768>("Bobr, piece 2", textSoFar, tabs(2),
               text(u8"Bobr je povahou klidný, vytrvalý a spolehlivý. Nerozhoduje se ukvapeně; než "
                    u8"něco udělá, všechno si dobře rozmyslí, zváží a spočítá. Jakmile se však "
                    u8"rozhodne, pracuje trpělivě a soustavně a málokdy to vzdá. Má praktický "
                    u8"rozum a šikovné ruce, a co jiní jen plánují, to on dokáže skutečně "
                    u8"postavit. Okolí si na něm cení rozvahy, věrnosti a smyslu pro pořádek. "
                    u8"Slovo, které jednou dá, vždy dodrží, a totéž očekává i od druhých. Bobr "
                    u8"nesnáší chaos a náhlé změny, protože ho vytrhují z dobře zavedených zvyků, "
                    u8"a někdy proto působí jako zarputilý tvrdohlavec. Umí být také majetnický, a "
                    u8"to jak ke svým věcem, tak i k lidem. Přitom je laskavý a ke spokojenosti mu "
                    u8"stačí klid, pohodlí a hezké věci kolem sebe. Rád dobře jí, poslouchá hudbu "
                    u8"a užívá si všeho, co těší smysly."));
constexpr auto bobr3 =
    piece<599>("Bobr, piece 3", textSoFar, tabs(19), spaces(9),
               text(u8"V práci je Bobr neúnavný a pečlivý a nejraději má obory, v nichž po něm "
                    u8"zůstane hmatatelný výsledek: stavebnictví, řemeslo, zahradnictví, "
                    u8"architekturu či účetnictví a bankovnictví, kde se uplatní jeho smysl pro "
                    u8"čísla. Dobře obstojí i jako správce, technik nebo kuchař, protože rád "
                    u8"tvoří věci, které slouží druhým. S penězi zachází uvážlivě, rád spoří a "
                    u8"nerad riskuje. Vedoucí si ho váží, protože je na něj spolehnutí a úkoly "
                    u8"plní včas. Vadí mu, když ho někdo honí nebo mu mění zadání za pochodu. "
                    u8"Potřebuje jasná pravidla a dostatek času, pak odvede práci, která vydrží."));
constexpr auto bobr4 =
    piece<598>("Bobr, piece 4", textSoFar, tabs(19), spaces(17),
               text(u8"Láska je pro Bobra vážná věc. Nezačíná vztahy lehkomyslně a dlouho zkoumá, "
                    u8"zda si s druhým skutečně rozumí. Když však jednou své srdce daruje, je "
                    u8"věrný, něžný a obětavý. O citech mluví málo, raději je prokazuje. Stará se "
                    u8"o to, aby partnerovi nic nechybělo, a jeho domov je plný tepla a dobrých "
                    u8"věcí. Bývá smyslný a umí si užívat společných chvil. Horší je to s jeho "
                    u8"žárlivostí a potřebou mít vše pod kontrolou, která může druhého dusit. "
                    u8"Dobře se mu daří s Husou a Medvědem, kteří sdílejí jeho zemitost, a s "
                    u8"vodními totemy, jež jeho pevnou půdu zavlažují něhou."));
// Piece 5 brings the text's second pad after a run of its own: 119 bytes of run, two placeholders
// and a 712-byte passage make it 835 bytes, so the Bobr's text is 3608 bytes and the longest of
// the totems.
constexpr auto bobr5 =
    piece<835>("Bobr, piece 5", textSoFar, tabs(1), spaces(54), tabs(1), spaces(17), tabs(1), spaces(29),
               tabs(1), spaces(15), pad,
               text(u8"Zdraví Bobra je zpravidla pevné, zranitelnými místy však bývají krk, "
                    u8"hrdlo a hlasivky, proto by se měl chránit před průvanem a nachlazením. "
                    u8"Kvůli lásce k dobrému jídlu má sklon přibírat na váze, takže mu prospívá "
                    u8"pravidelný pohyb, nejlépe v přírodě: procházky, práce na zahradě nebo "
                    u8"plavání. Stres v sobě dusí, proto je důležité, aby našel způsob, jak "
                    u8"napětí uvolnit, třeba zpíváním nebo rukodělnou činností. Bobr by se "
                    u8"neměl bát změn: i nejpevnější hráz musí občas propouštět vodu, aby ji "
                    u8"proud neprotrhl, a skutečný bobr ji také neustále opravuje a přestavuje. "
                    u8"Měl by se naučit opouštět zvyky, které mu už nepomáhají, a otevřít dveře "
                    u8"i novým lidem a nápadům. Jistota je dobrá, ale život se odehrává i za "
                    u8"hrází."));

// Jelen
constexpr auto jelen1 =
    piece<556>("Jelen, piece 1", heading(2), spaces(38), pad,
               text(u8"Lidi narozené mezi 21. květnem a 20. červnem zveme v názvosloví "
                    u8"indiánského horoskopu „Jeleny“. Tyto zrozence ovlivňuje vzdušný živel a "
                    u8"vítr východní. "),
               text(u8"Jelen vládne poslednímu úseku jara, kdy se dny prodlužují, lesy jsou "
                    u8"plné ptačího zpěvu a vzduch voní rozkvetlou loukou. Jelen je ladné, "
                    u8"plaché a rychlé zvíře, které se lesem pohybuje neslyšně a při náznaku "
                    u8"nebezpečí zmizí v houštině. V tuto dobu mu právě dorůstá nové paroží, "
                    u8"které na konci zimy shodil. Jeho lidské protějšky jsou stejně hbité "
                    u8"tělem i duchem."));
constexpr auto jelen2 =
    piece<925>("Jelen, piece 2", textSoFar, tabs(1), spaces(26), tabs(7), spaces(47), tabs(1),
               text(u8"Jelen má živou, zvídavou mysl, která nikdy neodpočívá. Zajímá ho téměř "
                    u8"všechno: knihy, cizí jazyky, novinky, lidé a jejich příběhy. Je výborným "
                    u8"společníkem, vtipným vypravěčem a duší každé zábavy, protože dokáže mluvit "
                    u8"s kýmkoli o čemkoli. Dovede odhadnout, co chce kdo slyšet, a podle toho "
                    u8"volí slova. Myslí rychle a ještě rychleji mluví, a když ho něco nadchne, "
                    u8"ostatní sotva stačí sledovat jeho myšlenkové skoky. Má dar přizpůsobit se "
                    u8"každé situaci, takže se v neznámé společnosti cítí jako doma. Stinnou "
                    u8"stránkou této lehkosti bývá povrchnost a nestálost. Jelen se rád pouští do "
                    u8"mnoha věcí najednou a jen málokterou dotáhne do konce. Snadno se nudí, "
                    u8"snadno mění názory a pravdu rád trochu přibarví, aby jeho historky zněly "
                    u8"zajímavěji. Uvnitř je ale citlivý a zranitelný, a když cítí tlak, raději "
                    u8"uteče, než by se postavil ke sporu čelem."));
constexpr auto jelen3 =
    piece<847>("Jelen, piece 3", textSoFar, tabs(12),
               text(u8"Jelena nejvíce baví práce, při níž může jednat s lidmi, cestovat a stále se "
                    u8"učit něčemu novému. Uplatní se jako novinář, spisovatel, učitel, "
                    u8"překladatel, prodejce či obchodní zástupce, tedy všude, kde rozhoduje "
                    u8"slovo. Jednotvárná práce za stolem ho ubíjí, a pokud v ní musí zůstat, "
                    u8"vymýšlí si aspoň malé změny, aby se nezbláznil nudou. Rád pracuje ve "
                    u8"skupině s lidmi, kteří ho povzbuzují, a potřebuje volnost v tom, jak si "
                    u8"práci rozvrhne. Jeho silou jsou nápady, vyjednávání a schopnost propojovat "
                    u8"lidi; slabinou je nedostatek trpělivosti při dokončování. Hodí se mu proto "
                    u8"kolega, který jeho návrhy dovede k cíli. Peníze Jelenovi slouží hlavně k "
                    u8"tomu, aby mohl něco prožít, a tak mu dlouho nevydrží: utratí je většinou za "
                    u8"cestování, knihy nebo dárky pro přátele. Bylo by moudré, kdyby si zvykl "
                    u8"část svého výdělku pravidelně odkládat."));
constexpr auto jelen4 =
    piece<725>("Jelen, piece 4", textSoFar, tabs(19), spaces(35),
               text(u8"V lásce hledá Jelen ze všeho nejvíc přítele, se kterým si bude mít stále co "
                    u8"říct. Přitahuje ho spíš chytrost a humor než krása a dobrý rozhovor pro něj "
                    u8"znamená víc než jakékoli sliby. Je okouzlující, něžný a hravý, ale také "
                    u8"nestálý; než se usadí, projde často několika vztahy. Nesnáší žárlivost a "
                    u8"pocit, že ho někdo svazuje, a jakmile se cítí uvězněný, ztratí o vztah "
                    u8"zájem. Rozumí si se Sokolem a Vydrou, s Havranem i se Sovou, tedy s lidmi, "
                    u8"kteří mu dají dost prostoru. Až najde partnera, který s ním sdílí "
                    u8"zvědavost, dokáže mu zůstat věrný celý život. Zdraví Jelena nejvíc ohrožuje "
                    u8"nervové vyčerpání, proto potřebuje dostatek spánku, klidné chvíle a pobyt v "
                    u8"přírodě."));

// Datel
constexpr auto datel1 =
    piece<636>("Datel, piece 1", heading(3), spaces(38), pad,
               text(u8"Lidi narozené mezi 21. červnem a 21. červencem zveme v názvosloví "
                    u8"indiánského horoskopu „Datly“. Tyto zrozence ovlivňuje vodní živel a "
                    u8"vítr jižní. "),
               text(u8"Datel nastupuje v nejdelších dnech roku, kdy slunce stojí vysoko, obilí "
                    u8"dozrává a v hnízdech pípají mláďata. Léto je v plném proudu a příroda "
                    u8"pečuje o všechno, co na jaře zrodila. Datel je pilný pták, který si "
                    u8"vytesá dutinu v kmeni stromu a udělá z ní bezpečný domov pro svou "
                    u8"rodinu. Jeho rytmické klepání se lesem nese daleko a všem ohlašuje, že "
                    u8"tento strom má pána. Lidé tohoto znamení jsou stejně vytrvalí, "
                    u8"starostliví a oddaní svému hnízdu."));
constexpr auto datel2 =
    piece<629>("Datel, piece 2", textSoFar, tabs(14), spaces(18),
               text(u8"Datel je citlivá a hluboce emotivní bytost. Nálady lidí kolem sebe pozná "
                    u8"podle pohledu, držení těla nebo tónu hlasu a umí utěšit, povzbudit i "
                    u8"poradit. Jeho největší silou je péče: o rodinu, přátele, zvířata i "
                    u8"rostliny se stará s takovou oddaností, že mu to ostatní někdy ani "
                    u8"nedokážou oplatit. Je spořivý, hospodárný a váží si tradic i vzpomínek. "
                    u8"Rodinné oslavy a svátky jsou pro něj posvátné a rád vypráví, jak žili "
                    u8"jeho prarodiče. Na druhou stranu bývá přecitlivělý, snadno se urazí a "
                    u8"dlouho si pamatuje křivdy. Umí se uzavřít do sebe jako do dutiny ve "
                    u8"stromě a pak ho nelze nijak vylákat ven."));
constexpr auto datel3 =
    piece<414>("Datel, piece 3", textSoFar, tabs(16), spaces(10),
               text(u8"Svou práci dělá Datel svědomitě a vytrvale, a co jednou začne, to "
                    u8"trpělivě doklepe až do konce. Jeho místo je tam, kde se pomáhá a pečuje: "
                    u8"ve zdravotnictví, školství, sociálních službách či gastronomii. Dobrý "
                    u8"bývá i v obchodě s nemovitostmi nebo historickými předměty. Finance "
                    u8"spravuje obezřetně a rád si dělá zásoby. Je loajální, nerad střídá "
                    u8"zaměstnání a časem se často vypracuje výš."));
constexpr auto datel4 =
    piece<644>("Datel, piece 4", textSoFar, tabs(15), spaces(13),
               text(u8"Láska a rodina jsou pro Datla středem světa. Je to oddaný, něžný, "
                    u8"romantický partner, který si pamatuje každé výročí a rád chystá malá "
                    u8"překvapení. Domov je pro něj útočištěm, a proto do něj vkládá hodně sil. "
                    u8"Potřebuje ale cítit, že si jeho péče ostatní váží, jinak se začne "
                    u8"trápit. Rozumí si s Hadem a Vlkem i se zemskými totemy. Vztah mu někdy "
                    u8"ztěžuje žárlivost a sklon k přehnané starostlivosti."),
               spaces(3),  // the passage's own pause before it turns to health
               text(u8"Po zdravotní stránce by měl Datel dbát hlavně na žaludek, kterému "
                    u8"neprospívá jídlo ve spěchu ani pozdní večeře. Svědčí mu pobyt u vody, "
                    u8"pravidelný režim a klid. Měl by se naučit pečovat i sám o sebe, nejen o "
                    u8"druhé."));

// Losos
constexpr auto losos1 =
    piece<610>("Losos, piece 1", heading(4), spaces(38), pad,
               text(u8"Lidi narozené mezi 22. červencem a 21. srpnem zveme v názvosloví "
                    u8"indiánského horoskopu „Lososy“. Tyto zrozence ovlivňuje ohnivý živel a "
                    u8"vítr jižní. "),
               text(u8"Losos vládne nejteplejším týdnům roku, kdy pole zlátnou a po parných dnech "
                    u8"přicházejí i bouřlivé noci. Příroda je plná síly, zralosti a hojnosti. "
                    u8"Losos je ryba neobyčejné vůle: když přijde jeho čas, vydá se proti proudu "
                    u8"své řeky, přeskakuje peřeje, kameny i vodopády a nevzdá se, dokud nedoplave "
                    u8"k místu, kde se kdysi sám narodil. Tato vytrvalá cesta dobře vystihuje i "
                    u8"zrozence Lososa, které nezastaví žádná překážka."));
constexpr auto losos2 =
    piece<884>("Losos, piece 2", textSoFar, tabs(17), spaces(19),
               text(u8"Losos je člověk velkého srdce a ještě větší energie. Vyzařuje z něj "
                    u8"sebevědomí, vřelost a radost ze života, a tak přitahuje lidi jako oheň v "
                    u8"chladné noci. Rád na sebe strhává pozornost, rád dává a rád dostává obdiv. "
                    u8"Je velkorysý, často až rozhazovačný, a pro své blízké udělá první poslední. "
                    u8"Má silné přesvědčení a vysoké ideály, za které se dokáže bít. Nesnáší "
                    u8"křivdu a malichernost a nebojí se zastat slabšího. Když se pro něco "
                    u8"rozhodne, plave jako jeho totem proti proudu, i když mu všichni radí opak. "
                    u8"Jeho stinnou stránkou je pýcha: špatně snáší kritiku a nerad přiznává "
                    u8"chybu. Umí být panovačný a někdy si plete vedení lidí s poroučením. Pokud "
                    u8"se cítí přehlížený, dá hlasitě najevo svou nespokojenost. Uznání a lásku "
                    u8"ale potřebuje víc, než by přiznal, a každá výtka od blízkých ho zabolí. "
                    u8"Stačí mu upřímně poděkovat a Losos rozzáří celý dům."));
constexpr auto losos3 =
    piece<681>("Losos, piece 3", textSoFar, tabs(12), spaces(3),
               text(u8"Losos je rozený vůdce a v zaměstnání se dříve či později dostane do "
                    u8"řídicí pozice. Nejvíc ho naplňuje práce, v níž může tvořit, organizovat "
                    u8"a inspirovat druhé. Uplatní se jako manažer, podnikatel, režisér, herec, "
                    u8"politik, pedagog nebo trenér, ale také v módě, umění či reklamě. "
                    u8"Potřebuje, aby jeho úsilí bylo vidět a bylo oceněno; anonymní práce v "
                    u8"pozadí ho rychle omrzí. Výborně prezentuje a přesvědčí i pochybovače. Je "
                    u8"pracovitý a dokáže nasadit neuvěřitelné tempo, když ho úkol baví. Jako "
                    u8"šéf je štědrý a ochranitelský, ale vyžaduje loajalitu a nesnese, když mu "
                    u8"někdo podráží nohy. S penězi zachází velkoryse, a co vydělá, to rád "
                    u8"promění v luxus a štědré dárky."));
constexpr auto losos4 =
    piece<1300>("Losos, piece 4", textSoFar, tabs(4), spaces(280),
                text(u8"Jako milenec je Losos vášnivý, romantický i štědrý. Zbožňuje velká "
                     u8"gesta, květiny, večeře při svíčkách a procházky za letních nocí. "
                     u8"Zamiluje-li se, dává partnerovi všechno, co má, a očekává, že ho bude "
                     u8"obdivovat a podporovat. Potřebuje cítit, že je pro svého milovaného tím "
                     u8"nejdůležitějším člověkem na světě. Je věrný, pozorný a ochranitelský, "
                     u8"ale také žárlivý a náročný. Vztah s ním nebývá nudný, zato bývá občas "
                     u8"bouřlivý. Nejlépe se doplňuje se Sokolem a Sovou, v nichž hoří stejný "
                     u8"oheň, a s Jelenem či Havranem, kteří mu dodávají lehkost a nadhled. "
                     u8"Pokud se naučí naslouchat a dopřeje druhému stejnou pozornost, jakou "
                     u8"sám vyžaduje, čeká ho šťastný a dlouhý svazek. Co se zdraví týče, Losos "
                     u8"má zpravidla pevnou konstituci, ale jeho citlivým místem je srdce a "
                     u8"krevní oběh, a také záda a páteř. Měl by se vyhýbat přepracování a "
                     u8"dlouhodobému stresu a pravidelně si dopřávat pohyb, nejlépe plavání, "
                     u8"tanec nebo jízdu na kole. Losos by měl vědět, že ne každou řeku musí "
                     u8"zdolat proti proudu; někdy stačí nechat se nést."));

// Medvěd
constexpr auto medved1 =
    piece<473>("Medvěd, piece 1", heading(5), spaces(37), pad,
               text(u8"Lidi narozené mezi 22. srpnem a 21. zářím zveme v názvosloví "
                    u8"indiánského horoskopu „Medvědy“. Tyto zrozence ovlivňuje zemský živel a "
                    u8"vítr jižní. "),
               text(u8"Medvěd přichází v čase sklizně, kdy se sváží z polí úroda, v sadech "
                    u8"dozrávají jablka a les nabízí ostružiny, ořechy a houby. Medvěd je "
                    u8"mohutné, ale rozvážné zvíře; v těchto týdnech se poctivě vykrmuje, aby "
                    u8"měl na zimu z čeho žít. I jeho lidští chráněnci bývají praktičtí a "
                    u8"prozíraví."));
constexpr auto medved2 =
    piece<758>("Medvěd, piece 2", textSoFar, tabs(1), spaces(67), tabs(1), spaces(93),
               text(u8"Medvěd je skromný, klidný a spolehlivý člověk, který nerad stojí v popředí. "
                    u8"Má bystrý analytický rozum a jeho oku neujde ani maličkost. Je pečlivý, "
                    u8"pořádný a nic nenechává náhodě; než se do něčeho pustí, má vše promyšlené. "
                    u8"Jeho dobrosrdečnost a ochota pomáhat jsou pověstné; když někdo potřebuje "
                    u8"radu nebo pomocnou ruku, Medvěd nikdy neodmítne. Sobě samému však bývá "
                    u8"nejpřísnějším soudcem a zbytečně se trápí drobnostmi. Nové věci přijímá s "
                    u8"nedůvěrou, ale jakmile je jednou vyzkouší a osvědčí se mu, zůstane jim "
                    u8"věrný. Nemá rád hluk a zbytečné řeči, ale v kruhu přátel umí být vtipný a "
                    u8"srdečný."));
constexpr auto medved3 =
    piece<647>("Medvěd, piece 3", textSoFar, tabs(16), spaces(8),
               text(u8"Jako spolupracovník je Medvěd neocenitelný. Je důkladný, trpělivý a "
                    u8"spolehlivý a zadané úkoly plní bez reptání a s maximální přesností. Hodí "
                    u8"se do povolání, která vyžadují pečlivost a znalosti: jako lékař, "
                    u8"lékárník, vědec, účetní, analytik, redaktor, technik nebo úředník. Dobře "
                    u8"se mu daří i v řemeslech, zejména tam, kde se pracuje se dřevem či "
                    u8"kovem. Nerad vede ostatní a raději je tím, kdo v pozadí drží celou věc "
                    u8"pohromadě. Kolegové oceňují jeho férovost a ochotu zaskočit za jiné. "
                    u8"Rozpočet drží pevně v rukou, nic neutrácí zbytečně a vždy má něco "
                    u8"našetřeno. Pozor si však musí dávat na to, aby ho druzí nezneužívali."));
constexpr auto medved4 =
    piece<707>("Medvěd, piece 4", textSoFar, tabs(14),
               text(u8"Ve věcech srdce bývá Medvěd plachý. Trvá dlouho, než své city přizná, a "
                    u8"ještě déle, než je vysloví nahlas. Když se však zamiluje, myslí to vážně a "
                    u8"natrvalo. Je spolehlivý, pozorný a starostlivý partner, který svou lásku "
                    u8"projevuje hlavně obyčejnou péčí: opraví, co se rozbilo, a uvaří, když je "
                    u8"druhý nemocný. Ocení klidný a harmonický vztah bez dramat a bouří. Dobře si "
                    u8"rozumí s Bobrem a Husou, ale také s vodními totemy, které ho naučí více "
                    u8"projevovat city. Nejcitlivější má Medvěd střeva a trávení. Pomáhá mu jíst v "
                    u8"pravidelnou dobu, dopřávat si dostatek vlákniny a toulat se lesem, nejlépe "
                    u8"s košíkem na houby. Medvědovi se vyplatí být na sebe méně přísný a občas si "
                    u8"dovolit i nedokonalost."));

// Havran
constexpr auto havran1 =
    piece<549>("Havran, piece 1", heading(6), spaces(38), pad,
               text(u8"Lidi narozené mezi 22. září a 22. říjnem zveme v názvosloví indiánského "
                    u8"horoskopu „Havrany“. Tyto zrozence ovlivňuje vzdušný živel a vítr "
                    u8"západní. "),
               text(u8"Havran otevírá podzim, kdy se den vyrovná noci, listí žloutne a rudne a "
                    u8"krajina se chystá ke spánku. Patří k nejchytřejším ptákům: v pokusech "
                    u8"havrani dokázali ohnout drát do háčku a vytáhnout jím potravu. Hnízdí v "
                    u8"koloniích a na zimu k nám přilétají hejna z východu. Lidští Havrani jsou "
                    u8"stejně bystří a společenští a hledají rovnováhu mezi rozumem a citem."));
constexpr auto havran2 =
    piece<835>("Havran, piece 2", textSoFar, tabs(2), spaces(180),
               text(u8"Havran je diplomat od přírody. Má vytříbený vkus, smysl pro krásu a "
                    u8"spravedlnost a usiluje o to, aby kolem něho vládl klid a soulad. Zbožňuje "
                    u8"hudbu, umění a módu. Je zdvořilý, vlídný a okouzlující, s lidmi vychází "
                    u8"snadno a umí urovnat spory, které by jiní jen přiživovali. Dokáže se vžít "
                    u8"do situace druhého, a proto je skvělým prostředníkem. Tato schopnost vidět "
                    u8"každou věc z několika stran má ale i svou odvrácenou tvář: Havran se těžko "
                    u8"rozhoduje. Dlouho váhá, zvažuje a sbírá názory ostatních, zatímco druzí už "
                    u8"dávno jednají. Nesnáší konflikty a kvůli klidu ustoupí i tam, kde by neměl. "
                    u8"Samota mu nesvědčí, potřebuje lidi kolem sebe a jejich uznání."));
constexpr auto havran3 =
    piece<591>("Havran, piece 3", textSoFar, tabs(19), spaces(9),
               text(u8"Pro Havrana je partnerství jednou z nejdůležitějších věcí v životě. Teprve "
                    u8"po boku milovaného člověka se doopravdy rozvine. Je romantický, něžný a "
                    u8"všímavý, rád dělá radost a vytváří doma krásnou a harmonickou atmosféru. V "
                    u8"lásce však hledá dokonalost a občas se zamiluje spíše do představy než do "
                    u8"skutečného člověka. Svým kouzlem přitahuje mnoho obdivovatelů, a výběr mu "
                    u8"proto dá práci. Ve vztazích vyžaduje rovnost a ohleduplnost. Nejlépe mu "
                    u8"bude s Jelenem či Vydrou, s nimiž sdílí lehkost vzduchu, anebo s ohnivými "
                    u8"totemy, které mu dodají odvahu k rozhodování."));
constexpr auto havran4 =
    piece<480>("Havran, piece 4", textSoFar, tabs(19),
               text(u8"V práci Havran vyniká tam, kde se jedná s lidmi nebo tvoří krása: jako "
                    u8"právník, vyjednavač, diplomat, designér, architekt, stylista či umělec. "
                    u8"Potřebuje příjemné pracovní prostředí a dobré vztahy v kolektivu. Peníze "
                    u8"rád utrácí za elegantní oblečení a umění. Jeho zdraví úzce souvisí s "
                    u8"duševní pohodou; citlivé jsou ledviny a bedra. Svědčí mu tanec, jóga a "
                    u8"dostatek pitné vody. Havran by měl více důvěřovat svému úsudku; i špatné "
                    u8"rozhodnutí je lepší než žádné."));

// Had
constexpr auto had1 =
    piece<758>("Had, piece 1", heading(7), spaces(40), pad,
               text(u8"Lidi narozené mezi 23. říjnem a 22. listopadem zveme v názvosloví "
                    u8"indiánského horoskopu „Hady“. Tyto zrozence ovlivňuje vodní živel a "
                    u8"vítr západní. "),
               text(u8"Had vládne pozdnímu podzimu, času mlh, dlouhých večerů a opadaného listí, "
                    u8"kdy příroda odumírá, aby se na jaře mohla znovu narodit. Je to období "
                    u8"proměn a tajemství. Had je zvíře, které lidi odedávna fascinuje i děsí. "
                    u8"Plazí se tiše a nenápadně, dokáže trpělivě vyčkávat a pak zaútočit "
                    u8"bleskurychle. Několikrát ročně se svlékne z kůže a vyklouzne z ní jako "
                    u8"nový, a proto se stal symbolem znovuzrození a léčivé síly. Některé kmeny "
                    u8"amerického Jihozápadu tančily s hady při obřadech za déšť. Lidé zrození pod "
                    u8"Hadem v sobě nesou stejnou hloubku, sílu a schopnost měnit se."));
constexpr auto had2 =
    piece<796>("Had, piece 2", textSoFar, tabs(2), spaces(201),
               text(u8"Had je povaha silná, vášnivá a neprůhledná. Jeho klid a zdrženlivost "
                    u8"klamou, protože v nitru se mu často rozpoutávají bouře. Má mimořádnou "
                    u8"intuici a vidí lidem až do duše, sám však o sobě prozradí jen málo. Je "
                    u8"odhodlaný a houževnatý, a když si vytkne cíl, nedá si pokoj, dokud ho "
                    u8"nedosáhne. Nezná polovičatá řešení: buď miluje, nebo nenávidí, buď věří, "
                    u8"nebo pochybuje. Přátelům je oddaný až za hrob, ale zradu nikdy neodpouští a "
                    u8"dokáže být i mstivý. Má také léčivý dar a umí druhé podržet i v obdobích, "
                    u8"kdy ostatní utíkají. Zajímají ho tajemství, psychologie, záhady i poslední "
                    u8"věci člověka."));
constexpr auto had3 =
    piece<543>("Had, piece 3", textSoFar, tabs(13), spaces(6), tabs(1), spaces(8), tabs(1), spaces(9),
               text(u8"Had je v práci cílevědomý a vytrvalý a nevzdá se ani tehdy, když jiní dávno "
                    u8"odešli domů. Nejlépe se uplatní v oborech, kde se hledají skryté příčiny: "
                    u8"jako detektiv, psycholog, lékař, chirurg, výzkumník nebo vědec. Láká ho i "
                    u8"léčitelství a alternativní medicína. Práce pro něj není jen zdrojem "
                    u8"výdělku, ale posláním, kterému se umí oddat celou duší. Pracuje raději sám "
                    u8"než ve skupině. Umí hospodařit i s cizími penězi a má čich na výhodné "
                    u8"investice. Kolegům vadí jeho nedůvěřivost a sklon vše kontrolovat."));
constexpr auto had4 =
    piece<639>("Had, piece 4", textSoFar, tabs(14), spaces(17),
               text(u8"Láska je pro Hada hlubokou a vášnivou zkušeností, nikdy ne pouhou hrou. "
                    u8"Dává se celý a od partnera čeká stejnou oddanost a naprostou upřímnost. Je "
                    u8"smyslný, přitažlivý a má tajemné kouzlo, kterému jen málokdo odolá. Bývá "
                    u8"však majetnický a žárlivý a potřebuje čas, než někomu skutečně důvěřuje. "
                    u8"Rozumí si s Datlem a Vlkem a se zemskými totemy, které mu dávají jistotu. "
                    u8"Pokud jde o zdraví, citlivé bývají u něho především močové cesty a pohlavní "
                    u8"orgány, a proto by měl dbát, aby neprochladl. Prospívá mu sauna, masáže, "
                    u8"koupele nebo meditace. Uleví se mu, jakmile se naučí odpouštět, zejména "
                    u8"kvůli sobě samému."));

// Sova
constexpr auto sova1 =
    piece<428>("Sova, piece 1", heading(8), spaces(38), pad,
               text(u8"Lidi narozené mezi 23. listopadem a 21. prosincem zveme v názvosloví "
                    u8"indiánského horoskopu „Sovy“. Tyto zrozence ovlivňuje ohnivý živel a "
                    u8"vítr západní. "),
               text(u8"Sova vládne nejdelším nocím, kdy se svět halí do tmy a mrazu. V šeru "
                    u8"vidí a slyší lépe než jiní ptáci, kořist najde i pod sněhem a letí téměř "
                    u8"neslyšně. Její lidští svěřenci mají podobný dar: najdou světlo tam, kde "
                    u8"ho jiní nehledají."));
constexpr auto sova2 =
    piece<892>("Sova, piece 2", textSoFar, tabs(2), spaces(233),
               text(u8"Sova je nezávislý duch s nezdolným optimismem. Miluje svobodu, cestování a "
                    u8"všechno, co rozšiřuje obzory: cizí kraje, jazyky, filozofii, náboženství i "
                    u8"dobrodružné romány. Je přímá a upřímná, často až příliš, protože řekne "
                    u8"pravdu bez okolků a ani ji nenapadne, že by mohla někoho zranit. Má "
                    u8"velkorysé srdce, smysl pro humor a nakažlivé nadšení, které dokáže "
                    u8"povzbudit i ty nejsmutnější. Snadno se ale nadchne pro nové plány a stejně "
                    u8"snadno je opustí. Pravidla, povinnosti a rutina ji dusí, a tak doma dlouho "
                    u8"nevydrží. Je netrpělivá, občas lehkomyslná a zapomíná na sliby, které v "
                    u8"zápalu dala. Hledá smysl života a často se stává učitelkou a rádkyní "
                    u8"druhých."));
constexpr auto sova3 =
    piece<846>("Sova, piece 3", textSoFar, tabs(10), spaces(2), tabs(1), spaces(5),
               text(u8"V pracovním životě potřebuje Sova především volnost a smysluplnost. Daří "
                    u8"se jí v oborech, kde může učit, radit, cestovat nebo šířit myšlenky: "
                    u8"jako pedagog, vysokoškolský učitel, cestovatel, průvodce, novinář, "
                    u8"nakladatel, právník, filozof či duchovní. Skvěle se uplatní i v "
                    u8"cestovním ruchu, zahraničním obchodě nebo ve sportu. Kancelářská práce s "
                    u8"přísným dohledem ji ubíjí a ve stereotypu rychle ztrácí motivaci. Je "
                    u8"plná nápadů a dokáže nadchnout kolegy, ale podrobnosti a dotažení do "
                    u8"konce raději přenechá druhým. S penězi je velkorysá až rozmařilá a věří, "
                    u8"že se o ni osud nějak postará, což se jí mnohdy opravdu vyplní. Po "
                    u8"zdravotní stránce má Sova slabší místo v oblasti kyčlí, stehen a jater, "
                    u8"a proto by měla být opatrná s alkoholem a s tučným jídlem. Nejvíce jí "
                    u8"svědčí jízda na koni, lukostřelba a dlouhé výlety po horách."));
constexpr auto sova4 =
    piece<527>("Sova, piece 4", textSoFar, tabs(11), spaces(6), tabs(3),
               text(u8"Sova se do lásky vrhá s nadšením, ale nerada se váže. Partner pro ni musí "
                    u8"být především kamarádem a spolucestujícím, s nímž může objevovat svět a "
                    u8"vést dlouhé debaty. Žárlivost ani omezování nesnese a na jejich projevy "
                    u8"odpovídá útěkem. Je-li jí však dopřána volnost, zůstává věrná a její láska "
                    u8"hřeje jako oheň. Ve vztahu miluje humor a spontánnost. Souzní hlavně se "
                    u8"Sokolem a Lososem, ale také se vzdušnými totemy. Před ostrou poznámkou na "
                    u8"partnerův účet by si měla rozmyslet, zda ji opravdu musí vyslovit."));

// Husa
constexpr auto husa1 =
    piece<551>("Husa, piece 1", heading(9), spaces(38), pad,
               text(u8"Lidi narozené mezi 22. prosincem a 19. lednem zveme v názvosloví "
                    u8"indiánského horoskopu „Husy“. Tyto zrozence ovlivňuje zemský živel a "
                    u8"vítr severní. "),
               text(u8"Čas Husy přichází se zimním slunovratem, kdy je příroda zdánlivě mrtvá, "
                    u8"ale dny se začínají prodlužovat a ohlašují návrat světla. Divoká husa je "
                    u8"pták nesmírné vytrvalosti: každoročně urazí tisíce kilometrů v pevném "
                    u8"klínovitém šiku a neztratí směr. Na špici se husy střídají, aby si "
                    u8"rozdělily námahu. Také lidská Husa bývá stejně cílevědomá, ukázněná a "
                    u8"odolná."));
constexpr auto husa2 =
    piece<537>("Husa, piece 2", textSoFar, spaces(46), tabs(10),
               text(u8"Husa je člověk povinnosti a řádu. Je vážná a zodpovědná a za svými "
                    u8"rozhodnutími si stojí. Má vysoké nároky na sebe i na ostatní a nesnáší "
                    u8"lenost a nespolehlivost. Je ctižádostivá, ale nehoní se za rychlým "
                    u8"úspěchem. Ctí tradice a má úctu ke starším. Na první pohled se zdá "
                    u8"chladná a odměřená, ve skutečnosti je však citlivější, než dává znát, a "
                    u8"umí být nečekaně vtipná. Dané slovo je pro ni svaté a důvěru, již v ni "
                    u8"kdo vložil, nezklame. Někdy bývá pesimistická a příliš kritická."));
constexpr auto husa3 =
    piece<573>("Husa, piece 3", textSoFar, tabs(18),
               text(u8"Citově je Husa opatrná a zdrženlivá. Své city neukazuje okázale a "
                    u8"potřebuje čas, než partnerovi otevře srdce. Romantické vzplanutí na "
                    u8"jednu noc ji neláká, hledá svazek, na kterém se dá stavět. Jakmile se "
                    u8"rozhodne, je věrná a spolehlivá a o rodinu se stará pečlivě; i husy v "
                    u8"přírodě tvoří páry na celý život. Dobře ladí s Bobrem a Medvědem, "
                    u8"jejichž zemitost je jí blízká, a s vodními totemy, které jí pomohou "
                    u8"rozmrazit city. Do vztahu vnáší klid, a když se něco pokazí, nehledá "
                    u8"viníka, ale řešení. Kdo ji umí rozesmát, získá u ní víc než okázalými "
                    u8"dárky."));
constexpr auto husa4 =
    piece<939>("Husa, piece 4", textSoFar, tabs(12),
               text(u8"Zaměstnání je pro Husu nesmírně důležité a kariéra mnohdy stojí na "
                    u8"prvním místě. Je pracovitá a disciplinovaná a na vrchol stoupá příčku po "
                    u8"příčce. Uplatní se ve vedoucích funkcích, ve státní správě, v politice, "
                    u8"bankovnictví, stavebnictví, vědě nebo ve velkých podnicích, kde se cení "
                    u8"systematičnost a spolehlivost. Je skvělou organizátorkou a dokáže "
                    u8"plánovat na mnoho let předem. Respektuje autority a hierarchii a časem "
                    u8"se sama stane uznávanou autoritou. Finančně si počíná uvážlivě a dbá na "
                    u8"to, aby měla zajištěné stáří. Zdravotně je Husa odolná a často se dožije "
                    u8"vysokého věku, citlivými místy však bývají kosti, klouby, zuby a kůže. "
                    u8"Měla by pamatovat na dostatek vápníku, pravidelný pohyb a hlavně "
                    u8"odpočinek, protože má sklon k přepracování a zapomíná, že i ona "
                    u8"potřebuje volno. Husa by si měla dopřát i radost a hru, protože život "
                    u8"není jen povinnost. Ať se také občas zastaví a ohlédne se za tím, kolik "
                    u8"toho už dokázala."));

// Vydra
constexpr auto vydra1 =
    piece<598>("Vydra, piece 1", heading(10), spaces(38), pad,
               text(u8"Lidi narozené mezi 20. lednem a 18. únorem zveme v názvosloví "
                    u8"indiánského horoskopu „Vydry“. Tyto zrozence ovlivňuje vzdušný živel a "
                    u8"vítr severní. "),
               text(u8"Vydra vládne období očišťování, kdy je zima ještě v plné kráse, ale pod "
                    u8"ledem už se pomalu probouzí nový život. Vydra je hbité, hravé a "
                    u8"inteligentní zvíře, které se stejně dobře cítí na souši jako ve vodě. "
                    u8"Zimu nepřespí a loví i pod ledem. Žije převážně o samotě a svůj úsek "
                    u8"řeky si hlídá, a přesto si ráda hraje a klouže se po sněhu. Kdo se "
                    u8"narodí pod Vydrou, je stejně vynalézavý, nezávislý a nespoutaný."));
constexpr auto vydra2 =
    piece<437>("Vydra, piece 2", textSoFar, tabs(1), spaces(7), tabs(14), spaces(45),
               text(u8"Vydra je originál, který jde vlastní cestou a nedbá na zvyklosti. Myslí "
                    u8"nezávisle, předbíhá svou dobu a má spoustu neotřelých nápadů, kterým "
                    u8"okolí zpočátku nerozumí. Je přátelská, tolerantní a má silný smysl pro "
                    u8"spravedlnost. Má ráda změny, překvapení a nečekané zvraty a nudu "
                    u8"nesnáší. Přátel má mnoho, a přece potřebuje, jako její zvířecí vzor, kus "
                    u8"řeky jen pro sebe."));
constexpr auto vydra3 =
    piece<915>("Vydra, piece 3", textSoFar, tabs(17),
               text(u8"V zaměstnání Vydra nejvíce ocení svobodu a možnost experimentovat. Její "
                    u8"vynalézavá mysl potřebuje prostor, a tam, kde vládne přísná hierarchie a "
                    u8"pravidla se nesmí zpochybňovat, se cítí jako ryba na suchu. Dobře se jí "
                    u8"daří ve vědě, technice, informatice, vynálezectví a výzkumu, ale také v "
                    u8"sociální práci, ekologii, neziskovém sektoru nebo astrologii. Jejím "
                    u8"talentem je schopnost vidět souvislosti, které druhým unikají, a "
                    u8"přicházet s řešeními, na která by nikdo jiný nepřišel. Ráda pracuje v "
                    u8"týmu lidí se stejným nadšením, kde má každý svůj hlas. Na vedoucím místě "
                    u8"působí spíše jako inspirátorka než jako přísná šéfová, protože nerada "
                    u8"rozkazuje a ještě méně ráda poslouchá. Bývá ovšem roztěkaná a rutinní "
                    u8"úkoly odkládá na poslední chvíli. Peníze pro ni nejsou hlavní motivací; "
                    u8"daleko více ji pohání pocit, že dělá něco prospěšného pro svět. Umí "
                    u8"dobře poradit druhým, ale sama nerada přijímá rady."));
constexpr auto vydra4 =
    piece<710>("Vydra, piece 4", textSoFar, tabs(19),
               text(u8"Vydra staví lásku hlavně na přátelství. Potřebuje partnera, s nímž může "
                    u8"sdílet své záliby, ideály a nekonečné diskuse, ale který ji zároveň "
                    u8"nechá žít vlastním životem. Majetnické chování, scény a citové vydírání "
                    u8"ji rychle odradí. Zdánlivě se řídí spíš rozumem než srdcem, ale ve "
                    u8"vztahu je laskavá a věrná. Ocení překvapení, společné cesty a "
                    u8"dobrodružství, kdežto romantika s růžemi a bonbony ji nudí. Blízko má k "
                    u8"Jelenovi a Havranovi i k ohnivým totemům. Z hlediska zdraví má citlivý "
                    u8"krevní oběh, lýtka a kotníky. Sílu jí vracejí plavání, procházky "
                    u8"mrazivým ránem a dostatek spánku, který její neklidná mysl potřebuje. "
                    u8"Měla by pochopit, že city nejsou slabostí, a přestat se bát je ukázat."));

// Vlk
constexpr auto vlk1 =
    piece<686>("Vlk, piece 1", heading(11), spaces(41), pad,
               text(u8"Lidi narozené mezi 19. únorem a 20. březnem zveme v názvosloví "
                    u8"indiánského horoskopu „Vlky“. Tyto zrozence ovlivňuje vodní živel a "
                    u8"vítr severní. "),
               text(u8"Vlk uzavírá roční kruh v týdnech, kdy zima pomalu ustupuje, sníh se mění v "
                    u8"bystřiny a příroda se chystá na nový začátek. Je to období konců i nadějí, "
                    u8"kdy se staré rozpouští a nové ještě nemá tvar. O vlku koluje mnoho pověstí; "
                    u8"traduje se, že vyje na měsíc, vytí mu ale slouží k dorozumění se smečkou. "
                    u8"Té je oddaný: smečku tvoří rodina, jež o mláďata pečuje společně. Pro mnohé "
                    u8"indiánské kmeny byl vlk moudrým učitelem a průvodcem. Ti, které Vlk "
                    u8"provází, jsou citliví, věrní a mají silnou intuici."));
constexpr auto vlk2 =
    piece<743>("Vlk, piece 2", textSoFar, tabs(1), spaces(75), tabs(15), spaces(2), tabs(1),
               text(u8"Vlk je snílek s bohatým vnitřním světem. Postřehne i to, co nikdo "
                    u8"nevyslovil, a jeho předtuchy se často až nápadně vyplní. Je soucitný, "
                    u8"laskavý a neumí zůstat lhostejný k cizímu trápení; pomůže každému, kdo o to "
                    u8"požádá, a někdy i tomu, kdo si to nezaslouží. Má umělecké nadání, lásku k "
                    u8"hudbě, poezii a všemu tajemnému. Potřebuje čas o samotě, aby si srovnal "
                    u8"myšlenky a nabral sílu. Přátelům bývá věrnou oporou a dokáže trpělivě "
                    u8"naslouchat i dlouhé hodiny. Jeho přílišná citlivost je však i slabinou: "
                    u8"snadno podléhá náladám, nechá se ovlivnit a před nepříjemnou realitou rád "
                    u8"utíká do světa fantazie. Mívá potíže říct ne a stanovit si jasné hranice."));
constexpr auto vlk3 =
    piece<647>("Vlk, piece 3", textSoFar, tabs(8), spaces(74),
               text(u8"Vlk miluje oddaně, něžně a bez výhrad. Ve vztahu je romantický, chápavý a "
                    u8"obětavý a pro partnera udělá cokoli. Lásku projevuje drobnými pozornostmi, "
                    u8"dopisy anebo básněmi a na druhém pozná, co ho trápí, i když nic neříká. "
                    u8"Potřebuje cítit hluboké duševní spojení a porozumění beze slov. Nesnáší "
                    u8"hrubost a chlad a v prostředí plném hádek vadne. Pozor by si měl dát na to, "
                    u8"aby nesplýval s druhým natolik, že zapomene na sebe, a aby nevybíral "
                    u8"partnery, které je třeba zachraňovat. Oporu nachází u Datla a Hada i u "
                    u8"zemských totemů, které ho vracejí oběma nohama na zem."));
constexpr auto vlk4 =
    piece<272>("Vlk, piece 4", textSoFar, tabs(19), spaces(13),
               text(u8"Vlkovi dělá dobře voda, hudba a klid přírody, měl by se však vyhýbat "
                    u8"alkoholu a dalším únikům před stresem. Citlivá má chodidla i mízní uzliny a "
                    u8"obranyschopnost mívá oslabenou. Vlk by měl věřit intuici, ale nezapomínat "
                    u8"na střízlivý rozum."));

constexpr PadLengths indianPads{.pad = indianPadLength};

// In the order of the totem table.
constexpr std::string_view indianTexts[totemPeriodCount] = {
    finishedText<2460, indianPads, sokol1, sokol2, sokol3, sokol4>.view(),      // Sokol
    finishedText<3608, indianPads, bobr1, bobr2, bobr3, bobr4, bobr5>.view(),   // Bobr
    finishedText<3168, indianPads, jelen1, jelen2, jelen3, jelen4>.view(),      // Jelen
    finishedText<2438, indianPads, datel1, datel2, datel3, datel4>.view(),      // Datel
    finishedText<3590, indianPads, losos1, losos2, losos3, losos4>.view(),      // Losos
    finishedText<2700, indianPads, medved1, medved2, medved3, medved4>.view(),  // Medvěd
    finishedText<2570, indianPads, havran1, havran2, havran3, havran4>.view(),  // Havran
    finishedText<2851, indianPads, had1, had2, had3, had4>.view(),              // Had
    finishedText<2808, indianPads, sova1, sova2, sova3, sova4>.view(),          // Sova
    finishedText<2715, indianPads, husa1, husa2, husa3, husa4>.view(),          // Husa
    finishedText<2775, indianPads, vydra1, vydra2, vydra3, vydra4>.view(),      // Vydra
    finishedText<2463, indianPads, vlk1, vlk2, vlk3, vlk4>.view(),              // Vlk
};

}  // namespace

std::string_view indianText(BirthDate date) {
  return signText(findTotemPeriod(date.month, date.day), indianTexts);
}

}  // namespace kalmira
