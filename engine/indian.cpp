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
                    u8"Indiánského horoskopu \"Sokoly\". Tyto zrozence ovlivňuje ohnivý živel a "
                    u8"vítr východní. "),
               text(u8"Sokol otevírá kruh roku v čase, kdy se příroda probouzí ze zimního "
                    u8"spánku, sníh mizí z horských svahů a první teplé paprsky slunce budí "
                    u8"semena ukrytá v zemi. Je to období začátků, odvahy a čerstvé síly. Sokol "
                    u8"krouží vysoko nad krajinou, vidí daleko a na kořist se vrhá bez "
                    u8"zaváhání. Podobně i lidé tohoto totemu mají bystrý zrak pro příležitosti "
                    u8"a nebojí se jednat rychle a rázně. Kamenem Sokola bývá ohnivý opál, "
                    u8"rostlinou pampeliška a barvou žlutozelená, barva mladé trávy, která "
                    u8"právě prorazila zem."));
constexpr auto sokol2 =
    piece<640>("Sokol, piece 2", textSoFar, tabs(10),
               text(u8"Sokol je rozený průkopník. Jeho mysl pracuje rychle a nápady z ní srší "
                    u8"jako jiskry z ohně. Nerad čeká, nerad se ptá na svolení a ještě méně rád "
                    u8"poslouchá dlouhé výklady. Když se pro něco nadchne, pustí se do díla "
                    u8"celým srdcem a strhne s sebou i ostatní. Má přirozenou autoritu, a proto "
                    u8"se často ocitá v čele skupiny, aniž by o to usiloval. Jeho slabinou je "
                    u8"netrpělivost: rozdělanou práci rád přenechá jiným, sotva ho přestane "
                    u8"bavit. Umí být prudký a ve hněvu řekne více, než chtěl, ale nezanevře a "
                    u8"brzy zapomene. Rád soutěží, prohry nese těžce, přesto se vždy zvedne. "
                    u8"Upřímnost je jeho největší ctností, lež a přetvářku nesnáší."));
constexpr auto sokol3 =
    piece<711>("Sokol, piece 3", textSoFar, tabs(3),
               text(u8"V lásce se Sokol chová jako při lovu. Zamiluje se rychle, na první "
                    u8"pohled, a o přízeň vyvolené bytosti pak bojuje s nadšením, které je "
                    u8"odzbrojující. Dokáže partnera překvapit velkým gestem, nečekaným výletem "
                    u8"nebo vyznáním vysloveným uprostřed ulice. Hledá protějšek, který s ním "
                    u8"udrží krok, nebude ho spoutávat žárlivostí a zároveň mu poskytne "
                    u8"bezpečné hnízdo, kam se může vracet. Nuda je pro něj nejhorším "
                    u8"nepřítelem vztahu, proto vítá společné dobrodružství, sport a cestování. "
                    u8"Nejlépe si rozumí s Lososem a Sovou, kteří sdílejí jeho vnitřní oheň, a "
                    u8"se vzdušnými totemy, jež jeho plamen rozdmýchávají. Když se naučí "
                    u8"naslouchat a dopřát druhému čas, stane se věrným a velkorysým "
                    u8"společníkem na celý život."));
constexpr auto sokol4 =
    piece<298>("Sokol, piece 4", textSoFar, tabs(3), spaces(8),
               text(u8"Sokol by měl šetřit hlavu a oči, které mu slouží nejvíc, a nezapomínat "
                    u8"na odpočinek, protože svou energii rád vyčerpá až do dna. Prospívá mu "
                    u8"pohyb na čerstvém vzduchu, ranní vstávání a lehká strava bez přemíry "
                    u8"koření. Rada na cestu: než vzlétneš, rozhlédni se, a co začneš, to "
                    u8"dokonči."));

// Bobr
constexpr auto bobr1 =
    piece<574>("Bobr, piece 1", heading(1), spaces(38), pad,
               text(u8"Lidé narození mezi 20. dubnem a 20. květnem zveme v názvosloví "
                    u8"Indiánského horoskopu \"Bobry\". Tyto zrozence ovlivňuje zemský živel a "
                    u8"vítr východní. "),
               text(u8"Bobr přichází v době, kdy jaro nabírá plnou sílu, louky se zelenají a "
                    u8"řeky se po tání vracejí do koryt. Příroda už nejen kvete, ale také "
                    u8"buduje a zakládá to, co má přečkat celý rok. Bobr je stavitel. Trpělivě "
                    u8"kácí stromy, skládá větev k větvi a staví hráze, které vydrží desítky "
                    u8"let. Jeho domov je pevný, teplý a bezpečně chráněný, a právě o takové "
                    u8"jistotě sní i ti, jež Bobr hlídá."));
constexpr auto bobr2 =
    piece<768>("Bobr, piece 2", textSoFar, tabs(2),
               text(u8"Bobr je povahou klidný, vytrvalý a spolehlivý. Nerozhoduje se ukvapeně; "
                    u8"než něco udělá, všechno si dobře rozmyslí, zváží a spočítá. Jakmile si "
                    u8"však stanoví cíl, jde za ním krok za krokem a málokdy to vzdá. Má "
                    u8"praktický rozum a šikovné ruce, a co jiní jen plánují, to on dokáže "
                    u8"skutečně postavit. Okolí si na něm cení rozvahy, věrnosti a smyslu pro "
                    u8"pořádek. Slovo, které jednou dá, vždy dodrží, a totéž očekává i od "
                    u8"druhých. Bobr nesnáší chaos a náhlé změny, protože ho vytrhují z dobře "
                    u8"zavedených zvyků, a někdy proto působí jako zarputilý tvrdohlavec. Umí "
                    u8"být také majetnický, a to jak ke svým věcem, tak i k lidem. Pod pevnou "
                    u8"slupkou však bije laskavé srdce, které potřebuje klid, pohodlí a krásu "
                    u8"kolem sebe. Bobr má rád dobré jídlo, hudbu a vše, co těší smysly."));
constexpr auto bobr3 =
    piece<599>("Bobr, piece 3", textSoFar, tabs(19), spaces(9),
               text(u8"V práci je Bobr neúnavný a pečlivý. Nejlépe se mu daří tam, kde je vidět "
                    u8"hmatatelný výsledek: ve stavebnictví, v řemesle, zahradnictví, "
                    u8"architektuře či v účetnictví a bankovnictví, kde se uplatní jeho smysl "
                    u8"pro čísla. Dobře obstojí i jako správce, technik nebo kuchař, protože "
                    u8"rád tvoří věci, které slouží druhým. S penězi zachází uvážlivě, rád "
                    u8"spoří a nerad riskuje. Vedoucí si ho váží, protože na něj je spolehnutí "
                    u8"a úkoly plní včas. Vadí mu, když ho někdo honí nebo mu mění zadání za "
                    u8"pochodu. Potřebuje jasná pravidla a dostatek času, pak odvede práci, "
                    u8"která vydrží."));
constexpr auto bobr4 =
    piece<598>("Bobr, piece 4", textSoFar, tabs(19), spaces(17),
               text(u8"Láska je pro Bobra vážná věc. Nezačíná vztahy lehkomyslně a dlouho "
                    u8"zkoumá, zda si s druhým skutečně rozumí. Když však jednou své srdce "
                    u8"daruje, je věrný, něžný a obětavý. Své city dává najevo spíš činy než "
                    u8"slovy. Stará se o to, aby partnerovi nic nechybělo, a jeho domov je plný "
                    u8"tepla a dobrých věcí. Bývá smyslný a umí si užívat společných chvil. "
                    u8"Horší je to s jeho žárlivostí a potřebou mít vše pod kontrolou, která "
                    u8"může druhého dusit. Dobře se mu daří s Husou a Medvědem, kteří sdílejí "
                    u8"jeho zemitost, a s vodními totemy, jež jeho pevnou půdu zavlažují něhou."));
// Piece 5 brings the text's second pad after a run of its own: 119 bytes of run, two placeholders
// and a 712-byte passage make it 835 bytes, so the Bobr's text is 3608 bytes and the longest of
// the totems.
constexpr auto bobr5 =
    piece<835>("Bobr, piece 5", textSoFar, tabs(1), spaces(54), tabs(1), spaces(17), tabs(1), spaces(29),
               tabs(1), spaces(15), pad,
               text(u8"Zdraví Bobra je zpravidla pevné, zranitelným místem však bývá krk, hrdlo "
                    u8"a hlasivky, a proto by se měl chránit před průvanem a nachlazením. Kvůli "
                    u8"lásce k dobrému jídlu má sklon přibírat na váze, takže mu prospívá "
                    u8"pravidelný pohyb, nejlépe v přírodě: procházky, práce na zahradě nebo "
                    u8"plavání. Neuškodí mu ani dostatek spánku a pravidelný denní režim. Stres "
                    u8"v sobě dusí, a proto je důležité, aby našel způsob, jak napětí uvolnit, "
                    u8"třeba zpíváním nebo rukodělnou činností. Rada pro Bobra: nebojte se "
                    u8"změny, i ta nejpevnější hráz musí občas propustit vodu, aby ji proud "
                    u8"nestrhl. Naučte se pouštět věci, které vám už neslouží, a otevřete dveře "
                    u8"novým lidem a nápadům. Jistota je dobrá, ale život se odehrává i za "
                    u8"hrází."));

// Jelen
constexpr auto jelen1 =
    piece<556>("Jelen, piece 1", heading(2), spaces(38), pad,
               text(u8"Lidi narozené mezi 21. květnem a 20. červnem zveme v názvosloví "
                    u8"Indiánského horoskopu \"Jeleny\". Tyto zrozence ovlivňuje vzdušný živel a "
                    u8"vítr východní. "),
               text(u8"Jelen vládne poslednímu úseku jara, kdy se dny prodlužují, lesy jsou "
                    u8"plné ptačího zpěvu a vzduch voní rozkvetlou loukou. Vše kolem je v "
                    u8"pohybu a příroda jako by si povídala sama se sebou. Jelen je ladné, "
                    u8"plaché a rychlé zvíře, které se lesem pohybuje neslyšně a při náznaku "
                    u8"nebezpečí zmizí v houštině. Jeho lidské protějšky jsou též hbité, a to "
                    u8"tělem i duchem."));
constexpr auto jelen2 =
    piece<925>("Jelen, piece 2", textSoFar, tabs(1), spaces(26), tabs(7), spaces(47), tabs(1),
               text(u8"Jelen má živou, zvídavou mysl, která nikdy neodpočívá. Zajímá ho téměř "
                    u8"všechno: knihy, cizí jazyky, novinky, lidé a jejich příběhy. Je výborným "
                    u8"společníkem, vtipným vypravěčem a duší každé zábavy, protože dokáže "
                    u8"mluvit s kýmkoli o čemkoli. Rád se obklopuje přáteli a telefon má stále "
                    u8"po ruce. Myslí rychle a ještě rychleji mluví, a když ho něco nadchne, "
                    u8"ostatní sotva stačí sledovat jeho myšlenkové skoky. Má dar přizpůsobit "
                    u8"se každé situaci a prostředí, takže v neznámé společnosti se cítí jako "
                    u8"doma. Stinnou stránkou této lehkosti je povrchnost a nestálost. Jelen se "
                    u8"rád pouští do mnoha věcí najednou a jen málokterou dotáhne do konce. "
                    u8"Snadno se nudí, snadno mění názor a někdy neváhá ohnout pravdu, aby jeho "
                    u8"historka zněla zajímavěji. Uvnitř je však citlivý a zranitelný, a když "
                    u8"cítí tlak, raději uteče, než by se postavil ke sporu čelem."));
constexpr auto jelen3 =
    piece<847>("Jelen, piece 3", textSoFar, tabs(12),
               text(u8"Pracovní život Jelena se nejlépe rozvíjí tam, kde může komunikovat, "
                    u8"cestovat a učit se stále něčemu novému. Uplatní se jako novinář, "
                    u8"spisovatel, učitel, překladatel, prodejce nebo obchodní zástupce, tedy "
                    u8"všude, kde rozhoduje slovo. Jednotvárná práce za stolem ho ubíjí, a "
                    u8"pokud v ní musí zůstat, vymýšlí si aspoň malé změny, aby nezešílel. Rád "
                    u8"pracuje ve skupině s lidmi, kteří ho povzbuzují, a potřebuje volnost v "
                    u8"tom, jak si práci rozvrhne. Jeho silou jsou nápady, vyjednávání a "
                    u8"schopnost propojovat lidi; slabinou je nedostatek trpělivosti při "
                    u8"dokončování. Hodí se mu proto kolega, který jeho návrhy dotáhne do "
                    u8"konce. O peníze Jelen přílišnou starost nemá, rychle je vydělá a stejně "
                    u8"rychle utratí, nejčastěji za cestování, knížky nebo dárky pro přátele. "
                    u8"Bylo by moudré, kdyby si zvykl odkládat stranou malou rezervu na horší "
                    u8"časy."));
constexpr auto jelen4 =
    piece<725>("Jelen, piece 4", textSoFar, tabs(19), spaces(35),
               text(u8"V lásce hledá Jelen ze všeho nejvíc přítele, se kterým si bude mít stále "
                    u8"co říct. Přitahuje ho inteligence a humor víc než krása, a rozhovor u "
                    u8"něj znamená víc než jakékoli sliby. Je okouzlující, něžný a hravý, ale "
                    u8"také nestálý; než se usadí, projde často několika vztahy. Nesnáší "
                    u8"žárlivost a pocit, že ho někdo svazuje, a jakmile se cítí uvězněný, "
                    u8"ztratí o vztah zájem. Rozumí si se Sokolem a Vydrou, s Havranem i se "
                    u8"Sovou, tedy s lidmi, kteří mu dají dostatek prostoru. Až najde partnera, "
                    u8"který s ním sdílí zvědavost, stane se věrným a pozorným druhem. Zdraví "
                    u8"Jelena nejvíce ohrožuje nervové vyčerpání, proto potřebuje dostatek "
                    u8"spánku, klidné chvíle a pobyt v přírodě."));

// Datel
constexpr auto datel1 =
    piece<636>("Datel, piece 1", heading(3), spaces(38), pad,
               text(u8"Lidi narozené mezi 21. červnem a 21. červencem zveme v názvosloví "
                    u8"Indiánského horoskopu \"Datly\". Tyto zrozence ovlivňuje vodní živel a "
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
               text(u8"Datel je citlivá a hluboce emotivní bytost. Vnímá nálady lidí kolem sebe "
                    u8"dřív, než je sami vysloví, a umí utěšit, povzbudit i poradit. Jeho "
                    u8"největší silou je péče: o rodinu, přátele, zvířata i rostliny se stará s "
                    u8"takovou oddaností, že mu to ostatní někdy ani nedokážou oplatit. Je "
                    u8"šetrný, hospodárný a váží si tradic i vzpomínek. Rodinné oslavy a svátky "
                    u8"jsou pro něj posvátné. Pečlivě uchovává staré fotky, dopisy a rodinné "
                    u8"památky. Na druhou stranu bývá přecitlivělý, snadno se urazí a dlouho si "
                    u8"pamatuje křivdy. Umí se uzavřít do sebe jako do dutiny ve stromě a pak "
                    u8"ho nelze nijak vylákat ven."));
constexpr auto datel3 =
    piece<414>("Datel, piece 3", textSoFar, tabs(16), spaces(10),
               text(u8"V práci je Datel svědomitý a vytrvalý, a co jednou začne, to trpělivě "
                    u8"doklepe do konce. Daří se mu v povoláních, kde může pomáhat a pečovat, "
                    u8"ve zdravotnictví, školství, sociálních službách či gastronomii. Dobrý je "
                    u8"i v obchodě s nemovitostmi nebo historickými předměty. Finance spravuje "
                    u8"obezřetně a rád si dělá zásoby. Je loajální, nerad střídá zaměstnání a "
                    u8"časem se často vypracuje výš."));
constexpr auto datel4 =
    piece<644>("Datel, piece 4", textSoFar, tabs(15), spaces(13),
               text(u8"Láska a rodina jsou pro Datla středem světa. Je to oddaný, něžný a "
                    u8"romantický partner, který si pamatuje každé výročí a rád chystá malá "
                    u8"překvapení. Domov pro něj znamená útočiště, a proto do něj vkládá velkou "
                    u8"energii. Potřebuje však cítit, že jeho péče je oceněná, jinak se začne "
                    u8"trápit. Rozumí si s Hadem a Vlkem i se zemskými totemy. Jeho slabinou je "
                    u8"žárlivost a sklon k přehnané starostlivosti."),
               spaces(3),  // the passage's own pause before it turns to health
               text(u8"Po zdravotní stránce by si měl Datel hlídat žaludek a trávení, které "
                    u8"citlivě reagují na jeho nálady a stres. Prospívá mu pobyt u vody, "
                    u8"pravidelné jídlo a klid. Měl by se naučit pečovat i sám o sebe a nejen o "
                    u8"druhé."));

// Losos
constexpr auto losos1 =
    piece<610>("Losos, piece 1", heading(4), spaces(38), pad,
               text(u8"Lidi narozené mezi 22. červencem a 21. srpnem zveme v názvosloví "
                    u8"Indiánského horoskopu \"Lososy\". Tyto zrozence ovlivňuje ohnivý živel a "
                    u8"vítr jižní. "),
               text(u8"Losos vládne vrcholu léta, kdy je slunce nejsilnější, pole zlátnou a "
                    u8"horké dny střídají bouřlivé noci. Příroda je plná síly, zralosti a "
                    u8"hojnosti. Losos je ryba neobyčejné vůle: když přijde jeho čas, vydá se "
                    u8"proti proudu své řeky, přeskakuje peřeje, kameny i vodopády a nevzdá se, "
                    u8"dokud nedoplave k místu, kde se kdysi sám narodil. Tato vytrvalá cesta "
                    u8"dobře vystihuje i zrozence Lososa, které nezastaví žádná překážka."));
constexpr auto losos2 =
    piece<884>("Losos, piece 2", textSoFar, tabs(17), spaces(19),
               text(u8"Losos je člověk velkého srdce a ještě větší energie. Vyzařuje z něj "
                    u8"sebevědomí, vřelost a chuť do života, a tak přitahuje lidi jako oheň v "
                    u8"chladné noci. Rád je středem pozornosti, rád dává a rád dostává obdiv. "
                    u8"Je velkorysý, často až rozhazovačný, a pro své blízké udělá první "
                    u8"poslední. Má silné přesvědčení a vysoké ideály, za které se dokáže bít. "
                    u8"Nesnáší křivdu a malichernost a nebojí se zastat slabšího. Když se pro "
                    u8"něco rozhodne, plave jako jeho totem proti proudu, i když mu všichni "
                    u8"radí opak. Jeho stinnou stránkou je pýcha: špatně snáší kritiku a nerad "
                    u8"přiznává chybu. Umí být panovačný a někdy si plete vedení lidí s "
                    u8"poroučením. Pokud se cítí přehlížený, umí hlučně dávat najevo svou "
                    u8"nespokojenost. Pod tímto hrdým zevnějškem se však skrývá citlivá duše, "
                    u8"která touží po uznání a lásce. Stačí mu upřímně poděkovat a Losos "
                    u8"rozzáří celý dům."));
constexpr auto losos3 =
    piece<681>("Losos, piece 3", textSoFar, tabs(12), spaces(3),
               text(u8"Losos je rozený vůdce a v zaměstnání se dříve či později dostane do "
                    u8"řídící pozice. Nejvíc ho naplňuje práce, v níž může tvořit, organizovat "
                    u8"a inspirovat druhé. Uplatní se jako manažer, podnikatel, režisér, herec, "
                    u8"politik, pedagog nebo trenér, ale také v módě, umění či reklamě. "
                    u8"Potřebuje, aby jeho úsilí bylo vidět a oceněno, anonymní práce v pozadí "
                    u8"ho rychle omrzí. Výborně prezentuje a přesvědčí i pochybovače. Je "
                    u8"pracovitý a dokáže nasadit neuvěřitelné tempo, když ho úkol baví. Jako "
                    u8"šéf je štědrý a ochranitelský, ale vyžaduje loajalitu a nesnese, když mu "
                    u8"někdo podráží nohy. S penězi zachází velkoryse a rád si dopřává luxus; "
                    u8"vydělá hodně, ale i hodně utratí."));
constexpr auto losos4 =
    piece<1300>("Losos, piece 4", textSoFar, tabs(4), spaces(280),
                text(u8"Jako milenec je Losos vášnivý, romantický i štědrý. Zbožňuje velká "
                     u8"gesta, květiny, večeře při svíčkách a procházky za letních nocí. "
                     u8"Zamiluje-li se, dává partnerovi všechno, co má, a očekává, že ho bude "
                     u8"obdivovat a podporovat. Potřebuje cítit, že je pro svého milovaného tím "
                     u8"nejdůležitějším člověkem na světě. Je věrný, pozorný a ochranitelský, "
                     u8"ale také žárlivý a náročný. Vztah s ním nikdy není nudný, zato bývá "
                     u8"občas bouřlivý. Nejlépe se doplňuje se Sokolem a Sovou, kteří sdílejí "
                     u8"jeho žár, a s Jelenem či Havranem, kteří mu dodávají lehkost a nadhled. "
                     u8"Pokud se naučí naslouchat a dopřeje druhému stejnou pozornost, jakou "
                     u8"sám vyžaduje, čeká ho šťastný a dlouhý svazek. Co se zdraví týče, Losos "
                     u8"má obvykle pevnou konstituci, ale jeho citlivým místem je srdce a "
                     u8"krevní oběh, a také záda a páteř. Měl by se vyhýbat přepracování a "
                     u8"dlouhodobému stresu a pravidelně si dopřávat pohyb, nejlépe plavání, "
                     u8"tanec nebo jízdu na kole. Losos by měl vědět, že ne každou řeku musí "
                     u8"zdolat proti proudu; někdy stačí nechat se nést."));

// Medvěd
constexpr auto medved1 =
    piece<473>("Medvěd, piece 1", heading(5), spaces(37), pad,
               text(u8"Lidi narozené mezi 22. srpnem a 21. zářím zveme v názvosloví "
                    u8"Indiánského horoskopu \"Medvědy\". Tyto zrozence ovlivňuje zemský živel a "
                    u8"vítr jižní. "),
               text(u8"Medvěd přichází v čase sklizně, kdy se sváží z polí úroda, v sadech "
                    u8"dozrávají jablka a les nabízí maliny, ořechy a houby. Medvěd je mohutné, "
                    u8"ale nečekaně rozvážné zvíře, které se poctivě připravuje na zimu a nic "
                    u8"nenechává náhodě. I jeho lidští chráněnci bývají praktičtí a prozíraví."));
constexpr auto medved2 =
    piece<758>("Medvěd, piece 2", textSoFar, tabs(1), spaces(67), tabs(1), spaces(93),
               text(u8"Medvěd je skromný, klidný a spolehlivý člověk, který nerad stojí v "
                    u8"popředí. Má bystrý analytický rozum a všimne si podrobností, které "
                    u8"ostatním uniknou. Je pečlivý, pořádný a rád má věci promyšlené do "
                    u8"posledního detailu. Jeho dobrosrdečnost a ochota pomáhat jsou pověstné; "
                    u8"když někdo potřebuje radu nebo pomocnou ruku, Medvěd nikdy neodmítne. "
                    u8"Bývá ale až příliš kritický, k sobě i k okolí, a zbytečně se trápí "
                    u8"drobnostmi. Nové věci přijímá s nedůvěrou, ale jakmile je jednou "
                    u8"vyzkouší a osvědčí se mu, zůstane jim věrný. Nemá rád hluk a zbytečné "
                    u8"řeči, ale v kruhu přátel umí být vtipný a srdečný."));
constexpr auto medved3 =
    piece<647>("Medvěd, piece 3", textSoFar, tabs(16), spaces(8),
               text(u8"V práci je Medvěd neocenitelný. Je důkladný, trpělivý a spolehlivý a "
                    u8"zadané úkoly plní bez reptání a s maximální přesností. Hodí se do "
                    u8"povolání, která vyžadují pečlivost a znalosti: jako lékař, lékárník, "
                    u8"vědec, účetní, analytik, redaktor, technik nebo úředník. Dobře se mu "
                    u8"daří i v řemeslech, zejména tam, kde se pracuje se dřevem či kovem. "
                    u8"Nerad vede ostatní a raději je tím, kdo v pozadí drží celou věc "
                    u8"pohromadě. Kolegové oceňují jeho férovost a ochotu zaskočit za jiné. "
                    u8"Rozpočet drží pevně v rukou, nic neutrácí zbytečně a dokáže si naspořit "
                    u8"slušnou rezervu. Pozor si však musí dávat na to, aby ho druzí "
                    u8"nezneužívali."));
constexpr auto medved4 =
    piece<707>("Medvěd, piece 4", textSoFar, tabs(14),
               text(u8"Ve věcech srdce bývá Medvěd plachý. Trvá dlouho, než své city přizná, a "
                    u8"ještě déle, než je vysloví nahlas. Když se však zamiluje, je to na celý "
                    u8"život. Je věrný, pozorný a starostlivý partner, který svou lásku "
                    u8"projevuje spíše skutky než romantickými slovy. Ocení klidný a harmonický "
                    u8"vztah bez dramat a zbytečných bouří. Dobře si rozumí s Bobrem a Husou, "
                    u8"ale také s vodními totemy, které ho naučí více projevovat city. Zdraví "
                    u8"Medvěda ohrožuje hlavně stres a obavy, které se mu ukládají v žaludku a "
                    u8"střevech. Pomáhá mu pravidelný režim, zdravá strava bohatá na zeleninu a "
                    u8"pohyb v lesích, třeba houbaření nebo túry. Medvědovi se vyplatí být na "
                    u8"sebe méně přísný a občas si dovolit i nedokonalost."));

// Havran
constexpr auto havran1 =
    piece<549>("Havran, piece 1", heading(6), spaces(38), pad,
               text(u8"Lidi narozené mezi 22. září a 22. říjnem zveme v názvosloví Indiánského "
                    u8"horoskopu \"Havrany\". Tyto zrozence ovlivňuje vzdušný živel a vítr "
                    u8"západní. "),
               text(u8"Havran otevírá podzim, dobu, kdy se den s nocí vyrovnávají, listí zlátne "
                    u8"a rudne a krajina se pomalu chystá k odpočinku. Havran patří k "
                    u8"nejchytřejším ptákům; umí řešit i složité úkoly, napodobuje zvuky a žije "
                    u8"ve společenství, kde platí přísná pravidla. I Havrani v lidské podobě "
                    u8"jsou bystří, společenští a celý život hledají rovnováhu mezi rozumem a "
                    u8"citem."));
constexpr auto havran2 =
    piece<835>("Havran, piece 2", textSoFar, tabs(2), spaces(180),
               text(u8"Havran je diplomat od přírody. Má vytříbený vkus, smysl pro krásu a "
                    u8"spravedlnost a usiluje o to, aby kolem něj vládl klid a soulad. Zbožňuje "
                    u8"hudbu, umění a módu. Je zdvořilý, vlídný a okouzlující, s lidmi vychází "
                    u8"snadno a umí urovnat spory, které by jiní jen přiživovali. Dokáže se "
                    u8"vžít do pohledu druhého, a proto je skvělým prostředníkem. Tato "
                    u8"schopnost vidět každou věc z několika stran má ale i svou odvrácenou "
                    u8"tvář: Havran se těžko rozhoduje. Dlouho váhá, zvažuje a ptá se na názor "
                    u8"ostatních, až příležitost uteče. Nesnáší konflikty a hádky, a tak raději "
                    u8"ustoupí, než aby se pohádal. Samota mu nesvědčí, potřebuje lidi kolem "
                    u8"sebe a jejich uznání."));
constexpr auto havran3 =
    piece<591>("Havran, piece 3", textSoFar, tabs(19), spaces(9),
               text(u8"Pro Havrana je partnerství jednou z nejdůležitějších věcí v životě. Sám "
                    u8"se cítí neúplný a po boku milovaného člověka rozkvétá. Je romantický, "
                    u8"něžný a pozorný, rád dělá radost a vytváří doma krásnou a harmonickou "
                    u8"atmosféru. V lásce však hledá dokonalost a občas se zamiluje spíše do "
                    u8"představy než do skutečného člověka. Svým šarmem přitahuje mnoho "
                    u8"obdivovatelů, a výběr mu proto dá práci. Ve vztazích vyžaduje rovnost a "
                    u8"ohleduplnost. Nejlépe mu bude s Jelenem či Vydrou, s nimiž sdílí lehkost "
                    u8"vzduchu, nebo s ohnivými totemy, které mu dodají odvahu k rozhodnutí."));
constexpr auto havran4 =
    piece<480>("Havran, piece 4", textSoFar, tabs(19),
               text(u8"V práci Havran vyniká tam, kde se jedná s lidmi nebo tvoří krása: jako "
                    u8"právník, vyjednavač, diplomat, designér, architekt, stylista či umělec. "
                    u8"Potřebuje příjemné pracovní prostředí a dobré vztahy v kolektivu. Peníze "
                    u8"rád utrácí za elegantní oblečení a umění. Jeho zdraví úzce souvisí s "
                    u8"duševní pohodou; citlivá jsou ledviny a bedra. Svědčí mu tanec, jóga a "
                    u8"dostatek pitné vody. Havran by měl více důvěřovat svému úsudku, i špatné "
                    u8"rozhodnutí je lepší než žádné."));

// Had
constexpr auto had1 =
    piece<758>("Had, piece 1", heading(7), spaces(40), pad,
               text(u8"Lidi narozené mezi 23. říjnem a 22. listopadem zveme v názvosloví "
                    u8"Indiánského horoskopu \"Hady\". Tyto zrozence ovlivňuje vodní živel a "
                    u8"vítr západní. "),
               text(u8"Had vládne pozdnímu podzimu, času mlh, dlouhých večerů a opadaného "
                    u8"listí, kdy příroda umírá, aby se na jaře mohla znovu narodit. Je to "
                    u8"období proměn a tajemství. Had je zvíře, které lidi odedávna fascinuje i "
                    u8"děsí. Plazí se tiše a nenápadně, dokáže dlouho trpělivě vyčkávat a pak "
                    u8"zaútočit bleskurychle. Několikrát za život svlékne starou kůži a vychází "
                    u8"z ní obnovený, a proto se stal symbolem znovuzrození a léčivé síly. "
                    u8"Mnohé indiánské kmeny považovaly hada za strážce skrytého vědění. Lidé "
                    u8"zrození pod Hadem v sobě nesou stejnou hloubku, sílu a schopnost měnit "
                    u8"se."));
constexpr auto had2 =
    piece<796>("Had, piece 2", textSoFar, tabs(2), spaces(201),
               text(u8"Had je povaha silná, vášnivá a neprůhledná. Navenek působí klidně a "
                    u8"zdrženlivě, ale pod hladinou se v něm odehrávají bouře. Má mimořádnou "
                    u8"intuici a vidí lidem až do duše, sám však o sobě prozradí jen málo. Je "
                    u8"odhodlaný a houževnatý, a když si vytkne cíl, půjde za ním bez ohledu na "
                    u8"překážky. Nezná polovičaté řešení: buď miluje, nebo nenávidí, buď věří, "
                    u8"nebo pochybuje. Přátelům je oddaný až za hrob, ale zradu nikdy neodpustí "
                    u8"a dokáže být i mstivý. Má také léčivý dar a umí druhé podržet i v "
                    u8"obdobích, kdy ostatní utíkají. Zajímají ho tajemství, psychologie, "
                    u8"záhady a otázky života a smrti."));
constexpr auto had3 =
    piece<543>("Had, piece 3", textSoFar, tabs(13), spaces(6), tabs(1), spaces(8), tabs(1), spaces(9),
               text(u8"Had je v práci cílevědomý a vytrvalý a nevzdává se ani tehdy, když jiní "
                    u8"dávno odešli domů. Nejlépe se uplatní v oborech, kde je třeba jít věcem "
                    u8"na kořen: jako detektiv, psycholog, lékař, chirurg, výzkumník nebo "
                    u8"vědec. Láká ho i léčitelství a alternativní medicína. Práce pro něj není "
                    u8"jen zdrojem obživy, ale posláním, kterému se umí oddat celou duší. "
                    u8"Pracuje raději sám než ve skupině. Umí hospodařit s cizími penězi a má "
                    u8"čich na výhodné investice. Jeho slabinou je nedůvěřivost a sklon vše "
                    u8"kontrolovat."));
constexpr auto had4 =
    piece<639>("Had, piece 4", textSoFar, tabs(14), spaces(17),
               text(u8"Láska je pro Hada hlubokou a vášnivou zkušeností, nikdy ne pouhou hrou. "
                    u8"Miluje celou bytostí a od partnera očekává stejnou oddanost a naprostou "
                    u8"upřímnost. Je smyslný, přitažlivý a má tajemné kouzlo, kterému jen "
                    u8"málokdo odolá. Bývá však majetnický a žárlivý a potřebuje čas, než "
                    u8"někomu skutečně důvěřuje. Rozumí si s Datlem a Vlkem a se zemskými "
                    u8"totemy, které mu dávají jistotu. Pokud jde o zdraví, citlivá jsou u něho "
                    u8"pohlavní orgány, močový měchýř a vylučovací soustava. Dobře mu dělá voda "
                    u8"v jakékoli podobě, sauna, masáže nebo meditace. Uleví se mu, jakmile se "
                    u8"naučí odpouštět, zejména kvůli sobě samému."));

// Sova
constexpr auto sova1 =
    piece<428>("Sova, piece 1", heading(8), spaces(38), pad,
               text(u8"Lidi narozené mezi 23. listopadem a 21. prosincem zveme v názvosloví "
                    u8"Indiánského horoskopu \"Sovy\". Tyto zrozence ovlivňuje ohnivý živel a "
                    u8"vítr západní. "),
               text(u8"Sova vládne času, kdy noci jsou nejdelší a svět se halí do tmy a mrazu. "
                    u8"Přesto právě ona vidí i v temnotách a bezhlučně plachtí nad spící "
                    u8"krajinou. Její lidští svěřenci mají podobný dar: umí nalézt světlo tam, "
                    u8"kde ho jiní nehledají."));
constexpr auto sova2 =
    piece<892>("Sova, piece 2", textSoFar, tabs(2), spaces(233),
               text(u8"Sova je nezávislý duch s nezdolným optimismem. Miluje svobodu, cestování "
                    u8"a všechno, co rozšiřuje obzory: cizí kraje, jazyky, filozofii, "
                    u8"náboženství i dobrodružné romány. Je přímá a upřímná, mnohdy až příliš, "
                    u8"protože řekne pravdu bez obalu a ani ji nenapadne, že by mohla někoho "
                    u8"zranit. Má velkorysé srdce, smysl pro humor a nakažlivé nadšení, které "
                    u8"dokáže povzbudit i ty nejsmutnější. Snadno se ale nadchne pro nové plány "
                    u8"a stejně snadno je opustí. Pravidla, povinnosti a rutina ji dusí, a tak "
                    u8"doma dlouho nevydrží. Je netrpělivá, občas lehkomyslná a zapomíná na "
                    u8"sliby, které v zápalu dala. Hledá smysl života a často se stává učitelem "
                    u8"a rádcem ostatních."));
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
               text(u8"Sova se do lásky vrhá s nadšením, ale nerada se váže. Partner pro ni "
                    u8"musí být především kamarádem a spolucestujícím, s nímž může objevovat "
                    u8"svět a vést dlouhé debaty. Žárlivost a omezování nesnese a na jejich "
                    u8"projevy reaguje útěkem. Je-li jí však dopřána volnost, zůstává věrná a "
                    u8"rozdává lásku plnými hrstmi. Ve vztahu miluje humor a spontánnost; nuda "
                    u8"a stereotyp jsou pro ni horší než hádka. Souzní hlavně se Sokolem, "
                    u8"Lososem a vzdušnými totemy. Pozor by si měla dát na to, aby neslibovala "
                    u8"víc, než splní."));

// Husa
constexpr auto husa1 =
    piece<551>("Husa, piece 1", heading(9), spaces(38), pad,
               text(u8"Lidi narozené mezi 22. prosincem a 19. lednem zveme v názvosloví "
                    u8"Indiánského horoskopu \"Husy\". Tyto zrozence ovlivňuje zemský živel a "
                    u8"vítr severní. "),
               text(u8"Husa přilétá v době zimního slunovratu, kdy je příroda zdánlivě mrtvá, "
                    u8"ale dny se začínají pomalu prodlužovat a ohlašují návrat světla. Divoká "
                    u8"husa je pták nesmírné vytrvalosti: každoročně urazí tisíce kilometrů v "
                    u8"pevném klínovitém šiku a nikdy neztratí směr. Když vůdce zeslábne, "
                    u8"vystřídá ho další. Také lidská Husa bývá stejně cílevědomá, ukázněná a "
                    u8"odolná."));
constexpr auto husa2 =
    piece<537>("Husa, piece 2", textSoFar, spaces(46), tabs(10),
               text(u8"Husa je člověk povinnosti a řádu. Je vážná, zodpovědná a od mládí působí "
                    u8"dospěleji než její vrstevníci. Má vysoké nároky na sebe i na ostatní a "
                    u8"nesnáší lenost a nespolehlivost. Je ctižádostivá, ale nehoní se za "
                    u8"rychlým úspěchem; raději šplhá vzhůru pomalu a jistě. Navenek může "
                    u8"působit chladně a odměřeně, ve skutečnosti je však věrná, obětavá a má "
                    u8"suchý, jemný humor. Dané slovo je pro ni svaté a důvěru, již v ni kdo "
                    u8"vložil, nezklame. Někdy bývá pesimistická a příliš kritická."));
constexpr auto husa3 =
    piece<573>("Husa, piece 3", textSoFar, tabs(18),
               text(u8"Citově je Husa opatrná a zdrženlivá. Své city neukazuje okázale a "
                    u8"potřebuje čas, než partnerovi plně otevře srdce. Romantické vzplanutí na "
                    u8"jednu noc ji neláká, hledá vztah, na kterém se dá stavět. Jakmile se "
                    u8"rozhodne, je věrná, spolehlivá a obětavá a o rodinu se stará s velkou "
                    u8"zodpovědností. Husy se totiž v přírodě páří na celý život. Dobře ladí s "
                    u8"Bobrem a Medvědem, jejichž zemitost je jí blízká, a s vodními totemy, "
                    u8"které jí pomohou rozmrazit city. S přibývajícím věkem se uvolňuje a ve "
                    u8"zralých letech bývá v lásce šťastnější a hravější než v mládí."));
constexpr auto husa4 =
    piece<939>("Husa, piece 4", textSoFar, tabs(12),
               text(u8"Zaměstnání je pro Husu nesmírně důležité a kariéra mnohdy stojí na "
                    u8"prvním místě. Je pracovitá, vytrvalá a disciplinovaná a na vrchol se "
                    u8"propracovává pomalu, ale neochvějně. Uplatní se ve vedoucích funkcích, "
                    u8"ve státní správě, v politice, bankovnictví, stavebnictví, vědě nebo ve "
                    u8"velkých podnicích, kde se cení systematičnost a spolehlivost. Je skvělou "
                    u8"organizátorkou a dokáže plánovat na mnoho let předem. Respektuje "
                    u8"autority a hierarchii a časem se sama stává uznávanou autoritou. "
                    u8"Finančně si počíná uvážlivě a dbá na to, aby měla zajištěné stáří. "
                    u8"Zdravotně je Husa odolná a často se dožije vysokého věku, citlivými "
                    u8"místy však jsou kosti, klouby, zuby a kůže. Měla by pamatovat na "
                    u8"dostatek vápníku, pravidelný pohyb a hlavně odpočinek, protože má sklon "
                    u8"k přepracování a zapomíná, že i ona potřebuje volno. Husa by si měla "
                    u8"dopřát radost a hru, život není jen povinnost, a občas se zastavit a "
                    u8"ohlédnout, kolik toho už dokázala."));

// Vydra
constexpr auto vydra1 =
    piece<598>("Vydra, piece 1", heading(10), spaces(38), pad,
               text(u8"Lidi narozené mezi 20. lednem a 18. únorem zveme v názvosloví "
                    u8"Indiánského horoskopu \"Vydry\". Tyto zrozence ovlivňuje vzdušný živel a "
                    u8"vítr severní. "),
               text(u8"Vydra vládne období očišťování, kdy je zima ještě v plné kráse, ale pod "
                    u8"ledem už se pomalu probouzí nový život. Dny se prodlužují a světla "
                    u8"přibývá. Vydra je hbité, hravé a inteligentní zvíře, které se stejně "
                    u8"dobře cítí na souši jako ve vodě. Umí používat kameny jako nástroje, "
                    u8"ráda si hraje i v dospělosti a žije v úzce semknuté skupině. Kdo se "
                    u8"narodí pod Vydrou, je též vynalézavý, přátelský a nespoutaný."));
constexpr auto vydra2 =
    piece<437>("Vydra, piece 2", textSoFar, tabs(1), spaces(7), tabs(14), spaces(45),
               text(u8"Vydra je originál, který jde vlastní cestou a nedbá na zvyklosti. Myslí "
                    u8"nezávisle, předbíhá svou dobu a má spoustu neotřelých nápadů, kterým "
                    u8"okolí zpočátku nerozumí. Je přátelská, tolerantní a má silný smysl pro "
                    u8"spravedlnost. Má ráda změny, překvapení a nečekané zvraty a nudu "
                    u8"nesnáší. Dokáže být i tvrdohlavá. Přátel má mnoho, ale do hloubky své "
                    u8"duše pouští málokoho."));
constexpr auto vydra3 =
    piece<915>("Vydra, piece 3", textSoFar, tabs(17),
               text(u8"V zaměstnání Vydra nejvíce ocení svobodu a možnost experimentovat. Její "
                    u8"vynalézavá mysl potřebuje prostor, a tam, kde vládne přísná hierarchie a "
                    u8"pravidla se nesmí zpochybňovat, se cítí jako ryba na suchu. Dobře se jí "
                    u8"daří ve vědě, technice, informatice, vynálezectví a výzkumu, ale také v "
                    u8"sociální práci, ekologii, neziskovém sektoru nebo astrologii. Jejím "
                    u8"talentem je schopnost vidět souvislosti, které ostatním unikají, a "
                    u8"přicházet s řešeními, na která by nikdo jiný nepřišel. Ráda pracuje v "
                    u8"týmu lidí se stejným zápalem, kde má každý svůj hlas. Na vedoucím místě "
                    u8"působí spíše jako inspirátorka než jako přísná šéfová, protože nerada "
                    u8"rozkazuje a ještě méně ráda poslouchá. Bývá však roztěkaná a rutinní "
                    u8"úkoly odkládá na poslední chvíli. Peníze pro ni nejsou hlavní motivací; "
                    u8"daleko více ji pohání pocit, že dělá něco prospěšného pro svět. Umí "
                    u8"dobře poradit druhým, ale sama nerada přijímá rady."));
constexpr auto vydra4 =
    piece<710>("Vydra, piece 4", textSoFar, tabs(19),
               text(u8"Vydra staví lásku hlavně na přátelství. Potřebuje partnera, s nímž může "
                    u8"sdílet své zájmy, ideály a nekonečné diskuse, ale který ji zároveň nechá "
                    u8"žít vlastním životem. Majetnictví, scény a citové vydírání ji rychle "
                    u8"odradí. Navenek může působit chladně a rozumově, ale pod povrchem je "
                    u8"laskavá a věrná. Ve vztahu ocení překvapení, společné cesty a "
                    u8"dobrodružství, kdežto romantika s růžemi a bonbony ji nudí. Blízko má k "
                    u8"Jelenovi a Havranovi i k ohnivým totemům. Z hlediska zdraví je citlivá "
                    u8"na krevní oběh, lýtka a kotníky. Nabíjí ji pobyt na čerstvém vzduchu, "
                    u8"plavání a dostatek spánku, protože její mysl neustále pracuje. A hlavně: "
                    u8"city nejsou slabostí, a není proto třeba se bát je ukázat."));

// Vlk
constexpr auto vlk1 =
    piece<686>("Vlk, piece 1", heading(11), spaces(41), pad,
               text(u8"Lidi narozené mezi 19. únorem a 20. březnem zveme v názvosloví "
                    u8"Indiánského horoskopu \"Vlky\". Tyto zrozence ovlivňuje vodní živel a "
                    u8"vítr severní. "),
               text(u8"Vlk uzavírá kruh roku v čase, kdy zima pomalu ustupuje, sníh se mění v "
                    u8"bystřiny a příroda se připravuje na nový začátek. Je to období konců i "
                    u8"nadějí, kdy se staré rozpouští a nové ještě nemá tvar. Vlk je zvíře, o "
                    u8"němž koluje mnoho pověstí. Ve skutečnosti je to tvor nesmírně oddaný své "
                    u8"smečce, který pečuje o mláďata, staré i churavé členy a v noci zpívá k "
                    u8"měsíci. Pro mnohé indiánské národy byl vlk moudrým učitelem a průvodcem. "
                    u8"Ti, které Vlk provází, jsou citliví, věrní a mají silnou intuici."));
constexpr auto vlk2 =
    piece<743>("Vlk, piece 2", textSoFar, tabs(1), spaces(75), tabs(15), spaces(2), tabs(1),
               text(u8"Vlk je snílek s bohatým vnitřním světem. Vnímá i věci, které jiní "
                    u8"přehlédnou, a často tuší, co se stane, dřív než k tomu dojde. Je "
                    u8"soucitný, laskavý a neumí zůstat lhostejný k cizímu trápení; pomůže "
                    u8"každému, kdo o to požádá, a někdy i tomu, kdo si to nezaslouží. Má "
                    u8"umělecké nadání, lásku k hudbě, poezii a všemu tajemnému. Potřebuje čas "
                    u8"o samotě, aby si utřídil myšlenky a nabral sílu. Přátelům bývá věrnou "
                    u8"oporou a dokáže trpělivě naslouchat i dlouhé hodiny. Jeho přílišná "
                    u8"citlivost je však i slabinou: snadno podléhá náladám, nechá se ovlivnit "
                    u8"a před nepříjemnou realitou rád utíká do světa fantazie. Mívá problém "
                    u8"říct ne a stanovit si hranice."));
constexpr auto vlk3 =
    piece<647>("Vlk, piece 3", textSoFar, tabs(8), spaces(74),
               text(u8"Vlk miluje oddaně, něžně a bez výhrad. Ve vztahu je romantický, chápavý "
                    u8"a obětavý a pro partnera udělá cokoli. Lásku projevuje drobnými "
                    u8"pozornostmi, dopisy anebo básněmi a vycítí, co druhý potřebuje, dřív, "
                    u8"než to vysloví. Potřebuje cítit hluboké duševní spojení a porozumění "
                    u8"beze slov. Nesnáší hrubost a chlad a v prostředí plném hádek vadne. "
                    u8"Pozor by si měl dát na to, aby nesplýval s druhým natolik, že zapomene "
                    u8"na sebe, a aby nevybíral partnery, které je třeba zachraňovat. Oporu "
                    u8"nalézá u Datla a Hada i u zemských totemů, které mu dají pevnou půdu pod "
                    u8"nohama."));
constexpr auto vlk4 =
    piece<272>("Vlk, piece 4", textSoFar, tabs(19), spaces(13),
               text(u8"Vlkovi dělá dobře voda, hudba a klid přírody, měl by se však vyhýbat "
                    u8"alkoholu a jiným únikům od stresu. Citlivými místy bývají u něho "
                    u8"chodidla, mízní uzliny a obranyschopnost. Vlk má věřit své intuici, "
                    u8"nezapomínat však na střízlivý rozum."));

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
