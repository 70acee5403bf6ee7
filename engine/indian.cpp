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
               text(u8"Sokol otevírá roční kruh v týdnech, kdy z horských svahů mizí sníh a první "
                    u8"teplé slunce budí semena ukrytá v zemi. Sokol stěhovavý, který se k nám po "
                    u8"letech vrátil, tehdy zahnízdí: na skalní římse, kam se pár vrací každý rok, "
                    u8"snese samice vejce do mělké jamky, protože hnízdo si sokol nestaví. Kořist "
                    u8"loví z výšky střemhlavým letem, rychlejším než pohyb kteréhokoli jiného "
                    u8"tvora na zemi. Kdo přišel na svět v sokolím čase, dostal do vínku bystrý "
                    u8"zrak a umění vyčkat na vyhlídce, než přijde jeho chvíle."));
constexpr auto sokol2 =
    piece<640>("Sokol, piece 2", textSoFar, tabs(10),
               text(u8"Sokol nežije v hejnu a nepotřebuje, aby mu někdo ukazoval cestu. Nejlépe je "
                    u8"mu na vlastní vyhlídce, odkud vidí daleko a kde sám určí chvíli, kdy "
                    u8"vzlétne. Myslí rychle a mluví přímo, bez zbytečných oklik, a nesnáší lež "
                    u8"ani přetvářku. V práci potřebuje rozhled: chce vidět celé pole, ne jen svůj "
                    u8"kousek, a pak udeří přesně tam, kde se věc rozhoduje. Skutečný sokol "
                    u8"většinu útoků mine a hned se vrací do výšky, a ani jeho člověk se nenechá "
                    u8"zlomit nezdarem; chybu si rozebere a příště zaútočí jinak. Jeho slabinou je "
                    u8"tvrdost k sobě i k druhým. Kdo nestačí jeho letu, toho snadno přehlédne, a "
                    u8"teprve později zjistí, že ho potřeboval."));
constexpr auto sokol3 =
    piece<711>("Sokol, piece 3", textSoFar, tabs(3),
               text(u8"V lásce se Sokol dvoří jako jeho pták na jaře: krouží, předvádí se a "
                    u8"nabízí. Samec sokola přináší samici úlovek a předává jí ho přímo ve "
                    u8"vzduchu, z pařátů do pařátů, a i lidský Sokol dává city najevo činem, "
                    u8"nikoli dlouhým vyznáním. Místo slov přinese něco, co sám vybojoval, nebo "
                    u8"vymyslí den, na který partner dlouho nezapomene. Potřebuje protějšek, který "
                    u8"vydrží jeho tempo a nebude ho držet na krátkém řemínku jako sokolník, a "
                    u8"který mu přitom nechá skalní římsu, kam se vždy může vrátit. Sokolí páry "
                    u8"obsazují stejné hnízdiště mnoho let po sobě, a když Sokol svou římsu najde, "
                    u8"nestřídá ji. Nejlépe souzní s Lososem a Sovou, v nichž hoří podobný oheň; "
                    u8"vzdušné totemy jeho plamen spíš rozdmýchají, než uhasí."));
constexpr auto sokol4 =
    piece<298>("Sokol, piece 4", textSoFar, tabs(3), spaces(8),
               text(u8"Skutečný sokol po každém střemhlavém letu dlouho sedí na vyhlídce a "
                    u8"odpočívá. Lidský Sokol tuhle část rád přeskočí a své síly vyčerpá až do "
                    u8"dna, proto potřebuje po velkém vypětí opravdový klid a spánek. Oči, jimiž "
                    u8"toho vidí tolik, by si měl šetřit a dopřávat jim častý pohled do dálky."));

// Bobr
constexpr auto bobr1 =
    piece<574>("Bobr, piece 1", heading(1), spaces(38), pad,
               text(u8"Lidi narozené mezi 20. dubnem a 20. květnem zveme v názvosloví "
                    u8"indiánského horoskopu „Bobry“. Tyto zrozence ovlivňuje zemský živel a "
                    u8"vítr východní. "),
               text(u8"Bobr přichází v době, kdy jaro sílí, louky se zelenají a řeky se po tání "
                    u8"vracejí do koryt. V bobří noře se teď rodí mláďata a rodina, k níž patří "
                    u8"loňští sourozenci, má plno práce. Bobr kácí stromy zuby, které mu rostou "
                    u8"celý život, a z větví a bahna staví hráz, aby voda u vchodu do obydlí nikdy "
                    u8"neklesla. Člověk s bobřím totemem má podobnou trpělivost s věcmi, které se "
                    u8"budují léta."));
constexpr auto bobr2 =
    piece<768>("Bobr, piece 2", textSoFar, tabs(2),
               text(u8"Bobr nepracuje sám. Hráz staví celá rodina, každý přitáhne vlastní větev a "
                    u8"nikdo se nevyptává, čí je zásluha. Takový je i lidský Bobr: nejvíc dokáže s "
                    u8"lidmi, kterým věří, a o slávu se vůbec nestará, dokud dílo drží. Bobr "
                    u8"dokáže proměnit krajinu. Kde postaví hráz, vznikne tůň a mokřad a v nich "
                    u8"najdou domov žáby, ptáci i ryby, a také jeho člověk zanechává místa, jimiž "
                    u8"prošel, obyvatelnější, než byla. Má praktický rozum a šikovné ruce a "
                    u8"nejlépe přemýšlí s nástrojem v ruce. Při nebezpečí bobr plácne ocasem o "
                    u8"hladinu, aby varoval ostatní, a zmizí pod vodou; i jeho člověk nejdříve "
                    u8"varuje a pak se stáhne do bezpečí, rvačky však nevyhledává. Vchod do bobří "
                    u8"nory leží pod hladinou a nezvaný host se dovnitř nikdy nedostane. Ani Bobr "
                    u8"nepouští do svého nitra každého."));
constexpr auto bobr3 =
    piece<599>("Bobr, piece 3", textSoFar, tabs(19), spaces(9),
               text(u8"V práci je Bobr neúnavný a pečlivý. Bobří hráz není nikdy hotová: rodina ji "
                    u8"opravuje každou noc a do opravy se pustí, jakmile zaslechne, že někde "
                    u8"prosakuje voda. Tak hlídá i Bobr svou práci: malou chybu spraví dřív, než "
                    u8"se z ní stane povodeň. Je na něj spolehnutí, jenom nesnáší, když ho někdo "
                    u8"honí. Nejvíc toho udělá večer, kdy ostatní usínají. Jeho dílo má vydržet i "
                    u8"velkou vodu, a k tomu potřebuje čas a jasná pravidla. Na podzim si bobr "
                    u8"skládá u nory pod hladinu větve, z nichž žije celou zimu. Také lidský Bobr "
                    u8"myslí dopředu na zlé dny a s penězi zachází uvážlivě."));
constexpr auto bobr4 =
    piece<598>("Bobr, piece 4", textSoFar, tabs(19), spaces(17),
               text(u8"V lásce hledá Bobr parťáka. Bobří pár drží spolu léta a všechno dělá "
                    u8"společně, staví, opravuje i vodí mláďata, a ani lidský Bobr si nedovede "
                    u8"představit vztah, v němž jeden nosí větve a druhý se jen dívá. Doma chce "
                    u8"mít dělbu práce jasnou a poctivou. Kdo s ním žije, pozná jeho lásku podle "
                    u8"toho, že u nich doma nic dlouho nezůstane rozbité. Mladí bobři zůstávají u "
                    u8"rodičů dva roky, než odejdou hledat svou vlastní řeku; loučení nese Bobr "
                    u8"těžce, ale nebrání mu. S Husou a Medvědem, kteří stojí na stejně pevné "
                    u8"zemi, se snadno shodne, a vodní totemy mu naplní tůň."));
// Piece 5 brings the text's second pad after a run of its own: 119 bytes of run, two placeholders
// and a 712-byte passage make it 835 bytes, so the Bobr's text is 3608 bytes and the longest of
// the totems.
constexpr auto bobr5 =
    piece<835>("Bobr, piece 5", textSoFar, tabs(1), spaces(54), tabs(1), spaces(17), tabs(1), spaces(29),
               tabs(1), spaces(15), pad,
               text(u8"Zdraví mívá Bobr obvykle pevné. Ohrožuje ho hlavně napětí, které v sobě "
                    u8"nosí, a uleví se mu podobně jako jeho zvířeti, které musí pořád něco "
                    u8"hryzat: prací rukou, nejlépe se dřevem v dílně. Skutečný bobr věnuje každý "
                    u8"den dlouhou chvíli péči o kožich, bez níž by ho voda v zimě promáčela až na "
                    u8"kůži, a přes den spí v suché komůrce vysoko nad hladinou. Místo, kde ho nic "
                    u8"neruší, potřebuje i lidský Bobr a čas jenom pro sebe by si měl dopřávat "
                    u8"pravidelně, ne teprve tehdy, když onemocní. Pod vodou bobr vydrží čtvrt "
                    u8"hodiny, pak se musí nadechnout: ani starosti se nemají zadržovat déle. Když "
                    u8"kolem nory dojdou stromy, bobří rodina se přestěhuje o kus dál po proudu a "
                    u8"začne stavět znovu, bez lítosti nad starou hrází."));

// Jelen
constexpr auto jelen1 =
    piece<556>("Jelen, piece 1", heading(2), spaces(38), pad,
               text(u8"Lidi narozené mezi 21. květnem a 20. červnem zveme v názvosloví "
                    u8"indiánského horoskopu „Jeleny“. Tyto zrozence ovlivňuje vzdušný živel a "
                    u8"vítr východní. "),
               text(u8"Jelen vládne poslednímu úseku jara, kdy se dny prodlužují, lesy jsou plné "
                    u8"ptačího zpěvu a vzduch voní rozkvetlou loukou. Laně teď v husté trávě "
                    u8"kladou strakaté koloušky a jelenům rostou nové parohy, které na konci zimy "
                    u8"shodili. V člověku se Jelen pozná podle ostražitých smyslů a lehkého kroku, "
                    u8"který ho nese dál dřív, než si ostatní stačí všimnout, že odešel."));
constexpr auto jelen2 =
    piece<925>("Jelen, piece 2", textSoFar, tabs(1), spaces(26), tabs(7), spaces(47), tabs(1),
               text(u8"Jelen má uši v ustavičném pohybu. Každé se natáčí jinam, a tak zvíře na "
                    u8"okraji paseky slyší zároveň les za sebou i louku před sebou. Takovou "
                    u8"ostražitost má i jeho člověk: do místnosti vejde potichu, a dřív, než "
                    u8"promluví, ví, jaká v ní panuje nálada. Kolouch v prvních dnech života téměř "
                    u8"nepáchne a v trávě se nehne, ani když kolem projde liška; i lidský Jelen "
                    u8"umí v nebezpečí ztichnout a vyčkat, až hrozba přejde. Je jemný, ladný a "
                    u8"laskavý, s lehkostí v pohybu i v řeči, a ve svém okolí nesnáší hrubost. S "
                    u8"lidmi, které zná, bývá veselý a hravý jako koloušci, kteří se honí po "
                    u8"pasece. Pod lehkým povrchem je plachý a zranitelný, a když ucítí tlak, "
                    u8"raději zmizí v houštině, než by se postavil sporu tváří v tvář. Jen jde-li "
                    u8"o mládě, laň neuteče a brání ho předními běhy; i plachý lidský Jelen se za "
                    u8"své blízké postaví, i kdyby se přitom třásl."));
constexpr auto jelen3 =
    piece<847>("Jelen, piece 3", textSoFar, tabs(12),
               text(u8"V práci Jelen potřebuje volný prostor a čistý vzduch. Stádo chodí po "
                    u8"starých stezkách mezi pastvou, napajedlem a úkrytem a ví, kde je bezpečno; "
                    u8"podobně se i lidský Jelen nejlépe cítí tam, kde zná cesty i lidi a kde "
                    u8"nikdo nekřičí. Zavřený mezi čtyři stěny je jako zvěř v oboře: sytý, a přece "
                    u8"nesvůj. Stádo vede stará laň zkušeností, ne silou, a také Jelen si váží "
                    u8"vedoucího, který umí poradit, a ne poroučet. Sám bývá tím, kdo první zvedne "
                    u8"hlavu a zpozoruje, že se něco chystá, a jeho varování ostatní zachrání "
                    u8"dřív, než si nebezpečí všimnou. Jako jeho zvíře má nejvíce sil za šera. V "
                    u8"rámusu a spěchu ztrácí hlavu, v klidu vidí daleko. S penězi je to u Jelena "
                    u8"podobné jako s parohy: každý rok o ně přijde a každý rok mu narostou znovu. "
                    u8"Bylo by moudré, kdyby si část výdělku odkládal stranou, jako si zvěř na "
                    u8"podzim ukládá tuk na zimu."));
constexpr auto jelen4 =
    piece<725>("Jelen, piece 4", textSoFar, tabs(19), spaces(35),
               text(u8"Láska u Jelena dozrává pomalu, jako jeho parohy: celé týdny rostou pod "
                    u8"jemnou kůží a ztvrdnou teprve v srpnu. V září pak jelen troubí, až se les "
                    u8"chvěje, a i tichý lidský Jelen dokáže, když přijde jeho čas, vyznat lásku "
                    u8"tak, že to slyší celé okolí. Do té doby bývá opatrný, a než se usadí, "
                    u8"projde často několika vztahy. Rozumí si dobře se Sokolem a Vydrou, s "
                    u8"Havranem i se Sovou. Pro zdraví Jelen nejvíce potřebuje chvíle, kdy si v "
                    u8"klidu přežvýká, co za den nasbíral, jako jeho zvíře, které v poledne leží "
                    u8"ve stínu houštiny. V horkých dnech se jelen válí v kališti, aby se zchladil "
                    u8"a zbavil hmyzu; i jeho člověk by měl mít své kaliště, místo, kde ze sebe "
                    u8"smyje celý den."));

// Datel
constexpr auto datel1 =
    piece<636>("Datel, piece 1", heading(3), spaces(38), pad,
               text(u8"Lidi narozené mezi 21. červnem a 21. červencem zveme v názvosloví "
                    u8"indiánského horoskopu „Datly“. Tyto zrozence ovlivňuje vodní živel a "
                    u8"vítr jižní. "),
               text(u8"Datel nastupuje v nejdelších dnech roku, kdy slunce stojí vysoko a obilí "
                    u8"dozrává. Datel černý, největší z našich šplhavců, tehdy vyvádí z hnízda "
                    u8"mláďata a rodina se spolu ještě několik týdnů toulá lesem. Dutinu vytesali "
                    u8"rodiče na jaře ve starém buku, celé dva týdny do ní bušili zobákem, a až ji "
                    u8"opustí, nastěhuje se do ní sýc, holub doupňák nebo netopýři. V lidské "
                    u8"podobě bývá Datel hospodářem, který staví, co přetrvá léta a poslouží i "
                    u8"jiným."));
constexpr auto datel2 =
    piece<629>("Datel, piece 2", textSoFar, tabs(14), spaces(18),
               text(u8"Datel nemá zpěv. Za něj mluví bubnování, rychlá série úderů do suché větve, "
                    u8"kterou se ohlašuje na kilometr daleko, a také lidský Datel raději než slovy "
                    u8"mluví tím, co udělá. City nevystavuje, spíš je promění v práci pro druhé. "
                    u8"Pták podle zvuku pozná, kde pod kůrou žije larva, a jeho člověk podobně "
                    u8"naslouchá věcem: na domě, na stroji i na plánu pozná, kde to zní dutě, "
                    u8"dřív, než to praskne. Jeho slabinou bývá umíněnost: umí klepat stále na "
                    u8"totéž místo, i když dřevo už dávno ukázalo, že se nepoddá. Když se "
                    u8"rozzlobí, je ho slyšet po celém lese, ale zlost ho přejde stejně rychle "
                    u8"jako bubnování."));
constexpr auto datel3 =
    piece<414>("Datel, piece 3", textSoFar, tabs(16), spaces(10),
               text(u8"Práci dělá Datel svědomitě, a co jednou začne, to trpělivě doklepe do "
                    u8"konce. Datlí jazyk je tak dlouhý, že se jeho kořen obtáčí kolem lebky, a "
                    u8"pták jím vytáhne potravu i z nejhlubší chodby. Jeho člověk se tak dobere k "
                    u8"jádru věci, na niž jiní rezignovali. Z práce, kterou udělá, žijí ti, kdo ji "
                    u8"ani neviděli, tak jako ptáci v jeho staré dutině. Nerad mění místo a časem "
                    u8"se vypracuje výš."));
constexpr auto datel4 =
    piece<644>("Datel, piece 4", textSoFar, tabs(15), spaces(13),
               text(u8"Datlí pár hnízdí spolu i léta a o vejce se dělí poctivě: ve dne se na nich "
                    u8"střídají, noc na nich prosedí sameček. Ani lidský Datel nenechá péči o "
                    u8"domácnost na jednom z dvojice a pamatuje si, co druhého potěší. Potřebuje "
                    u8"ovšem vědět, že si jeho pozornosti někdo všimne; bez toho chřadne jako "
                    u8"strom bez světla. S Hadem a Vlkem ho spojuje voda a se zemskými totemy "
                    u8"pevný kmen, do kterého se dá tesat."),
               spaces(3),  // the passage's own pause before it turns to health
               text(u8"Skutečný datel střídá údery s chvílemi, kdy se zastaví a naslouchá. Lidský "
                    u8"Datel přestávky rád vynechá, a napětí se mu pak usadí v šíji. Starosti, "
                    u8"které v sobě tluče, by měl raději vyslovit nahlas, dokud jsou malé."));

// Losos
constexpr auto losos1 =
    piece<610>("Losos, piece 1", heading(4), spaces(38), pad,
               text(u8"Lidi narozené mezi 22. červencem a 21. srpnem zveme v názvosloví "
                    u8"indiánského horoskopu „Lososy“. Tyto zrozence ovlivňuje ohnivý živel a "
                    u8"vítr jižní. "),
               text(u8"Losos vládne nejteplejším týdnům roku, kdy pole zlátnou a po parných dnech "
                    u8"přicházejí bouřlivé noci. Losos se tehdy vrací z moře. Celé roky žil v "
                    u8"severním Atlantiku, a teď podle pachu vody najde ústí řeky, v níž se "
                    u8"vylíhl, a táhne vzhůru přes peřeje, kameny i vodopády až k místu svého "
                    u8"zrodu. Cestou vůbec nejí a žije jen ze zásob, které si nastřádal v moři. "
                    u8"Tuto vůli dojít domů si nese i člověk, kterého Losos vede."));
constexpr auto losos2 =
    piece<884>("Losos, piece 2", textSoFar, tabs(17), spaces(19),
               text(u8"Lososa málokdo zlomí. Když se jednou vydá k prameni, nezastaví ho peřej ani "
                    u8"jez, a tak i jeho člověk jde za tím, co si předsevzal, s vytrvalostí, nad "
                    u8"níž ostatní kroutí hlavou. Nezapomíná, odkud vyšel: tak jako ryba po letech "
                    u8"v moři pozná podle pachu vlastní řeku, vrací se i on k lidem a místům svého "
                    u8"dětství i když ho život zavál daleko. Na cestu k trdlišti se lososí samec "
                    u8"vybarví do ruda a narostou mu hákovité čelisti; i lidský Losos se umí pro "
                    u8"velkou chvíli proměnit k nepoznání a ukázat sílu, kterou v něm nikdo "
                    u8"netušil. Indiáni severozápadního pobřeží vítali každý rok první úlovek "
                    u8"obřadem a kosti vraceli do řeky, aby se lososi vrátili. Ani Losos nebere, "
                    u8"aniž by vracel: co dostal, to oplatí, často s úrokem. Slabinou té vůle bývá "
                    u8"neústupnost. Kdo se mu postaví do cesty, narazí na rybu, která raději skočí "
                    u8"desetkrát, než aby se otočila."));
constexpr auto losos3 =
    piece<681>("Losos, piece 3", textSoFar, tabs(12), spaces(3),
               text(u8"V práci potřebuje Losos cíl, který stojí za dlouhou cestu. Dokud ví, ke "
                    u8"kterému prameni plave, unese námahu, pod kterou by jiní dávno klesli. Pod "
                    u8"vodopádem se losos nejdřív ukryje v hluboké tůni, nabere dech a teprve "
                    u8"potom skočí; tak pracuje i jeho člověk, v mohutných náporech, mezi nimiž "
                    u8"potřebuje klid a ticho. Kdo ho žene ke skoku dřív, než je připraven, ničeho "
                    u8"nedosáhne. Na cestě do moře prošel mladý losos řadou proměn, z říčního "
                    u8"potěru se stal tvorem slané vody, a podobně snadno se i lidský Losos naučí "
                    u8"nové prostředí a nové řemeslo, když to jeho cesta vyžaduje. Jen se nerad "
                    u8"vzdává toho, do čeho už vložil tolik sil, i tehdy, kdy je moudřejší se "
                    u8"obrátit."));
constexpr auto losos4 =
    piece<1300>("Losos, piece 4", textSoFar, tabs(4), spaces(280),
                text(u8"Lásku bere Losos jako cestu domů. Hledá člověka, u něhož by mohl zakotvit, "
                     u8"a když ho najde, vrací se k němu z každé dálky tak jistě jako ryba ke "
                     u8"štěrku, na němž se vylíhla. Na trdlišti samice vyhrabe ocasem jamku pro "
                     u8"jikry a samec u ní stojí, střeží ji a zahání soky; i lidský Losos lásku "
                     u8"hlídá, je pozorný a starostlivý, ale také žárlivý a náročný. Vztah s ním "
                     u8"nebývá nudný, zato občas připomíná jarní peřeje. Sokol a Sova mají v sobě "
                     u8"týž oheň, Jelen a Havran mu dodají lehkost a nadhled. Naučí-li se Losos "
                     u8"poslouchat i proud druhého, čeká ho dlouholetý svazek. Zdraví mu slouží, "
                     u8"dokud má studenou, čistou vodu: v parném létě, kdy se řeky prohřejí, se "
                     u8"losos stahuje do hlubin a vyčkává. Také jeho člověk špatně snáší horko a "
                     u8"dusno a potřebuje čerstvý vzduch a ranní chládek. Dlouhý půst, jaký ryba "
                     u8"drží na cestě k prameni, není pro člověka: lidský Losos by měl jíst "
                     u8"pravidelně, i když zrovna spěchá. Mladý losos ostatně nedoplave do moře "
                     u8"vlastní silou, nechá se nést proudem. Ne každou řeku je třeba zdolat "
                     u8"naráz."));

// Medvěd
constexpr auto medved1 =
    piece<473>("Medvěd, piece 1", heading(5), spaces(37), pad,
               text(u8"Lidi narozené mezi 22. srpnem a 21. zářím zveme v názvosloví "
                    u8"indiánského horoskopu „Medvědy“. Tyto zrozence ovlivňuje zemský živel a "
                    u8"vítr jižní. "),
               text(u8"Medvěd přichází v čase sklizně, kdy se z polí sváží úroda, v sadech "
                    u8"uzrávají jablka a les nabízí borůvky, ostružiny a bukvice. Medvěd teď jí od "
                    u8"rána do noci a ukládá si tuk na dlouhý zimní spánek. Kdo nese jeho znamení, "
                    u8"má v sobě klidnou, neuspěchanou sílu a dar myslet včas dopředu."));
constexpr auto medved2 =
    piece<758>("Medvěd, piece 2", textSoFar, tabs(1), spaces(67), tabs(1), spaces(93),
               text(u8"Medvěd je samotář, který nikomu nepřekáží a nikoho se nebojí. Chodí "
                    u8"vlastním tempem a zdánlivě neohrabaně, a jeho člověk působí podobně: "
                    u8"rozvážně, pomalu, skoro ospale, a kdo ho podcení, bývá nemile překvapen. "
                    u8"Rozzlobit ho dá práci. Snese leccos, dlouho mlčí a jen bručí, a teprve když "
                    u8"někdo sáhne na to, co mu je nejdražší, ukáže sílu, před kterou je lepší "
                    u8"ustoupit. Medvědice, která brání mláďata, nezná strach, a lidský Medvěd "
                    u8"hájí své blízké stejně neohroženě. Rád je sám v lese nebo v dílně a nevadí "
                    u8"mu ticho. Potřebuje ale, aby jeho samotu ostatní brali jako odpočinek, ne "
                    u8"jako uraženost."));
constexpr auto medved3 =
    piece<647>("Medvěd, piece 3", textSoFar, tabs(16), spaces(8),
               text(u8"V práci Medvěd spoléhá na zkušenost a paměť. Skutečný medvěd si léta "
                    u8"pamatuje, kde v jeho revíru zrají první maliny a kde padají žaludy; jeho "
                    u8"člověk podobně sbírá znalosti po celý život a ví, kdy a kde co hledat. "
                    u8"Nehoní se za novinkami a vůbec nemá rád, když ho někdo popohání. Na Aljašce "
                    u8"stojí medvěd dlouhé hodiny v peřeji, než mu losos skočí přímo do tlamy, a "
                    u8"trpělivost je i v lidském Medvědovi tou největší devizou. Šéfa nad sebou "
                    u8"potřebuje jen málo, protože si umí práci rozvrhnout sám. Indiáni věřili, že "
                    u8"medvěd zná léčivé byliny, protože vyhrabává kořeny, a nejeden Medvěd má k "
                    u8"bylinám a k léčení přirozený vztah."));
constexpr auto medved4 =
    piece<707>("Medvěd, piece 4", textSoFar, tabs(14),
               text(u8"V lásce je Medvěd opatrný a pomalý. Jako jeho zvíře, které celý rok žije "
                    u8"samo a družku hledá jen na začátku léta, si dlouho udržuje nezávislost a "
                    u8"svou samotu brání. Když se však zamiluje, je jeho láska hluboká a laskavá a "
                    u8"náruč, do které partnera sevře, chrání před celým světem. Medvědí péče má "
                    u8"jen jednu past: snadno z ní vznikne medvědí služba, pomoc, která to myslí "
                    u8"dobře, ale dopadne neohrabaně. Dobře si rozumí s Bobrem a Husou a s vodními "
                    u8"totemy, které ho učí mluvit o citech. Zdraví Medvěda řídí roční doby. V "
                    u8"zimě potřebuje víc spánku než ostatní a neměl by se za to stydět; vždyť "
                    u8"medvědice v zimní noře i rodí a kojí v polospánku. Na jaře mu naopak "
                    u8"prospějí dlouhé pochody po lese."));

// Havran
constexpr auto havran1 =
    piece<549>("Havran, piece 1", heading(6), spaces(38), pad,
               text(u8"Lidi narozené mezi 22. září a 22. říjnem zveme v názvosloví indiánského "
                    u8"horoskopu „Havrany“. Tyto zrozence ovlivňuje vzdušný živel a vítr "
                    u8"západní. "),
               text(u8"Havran otevírá podzim, kdy se den vyrovná noci, listí žloutne a na pole "
                    u8"vyjíždějí pluhy. Za pluhem se tehdy táhne černý průvod havranů, kteří "
                    u8"sbírají z čerstvé brázdy larvy a žížaly, a v říjnu k nám přilétají zimovat "
                    u8"hejna z východu. Havran patří k nejchytřejším ptákům, a kdo se narodí pod "
                    u8"ním, dostane do vínku hlavu, která si poradí s kdejakou hádankou."));
constexpr auto havran2 =
    piece<835>("Havran, piece 2", textSoFar, tabs(2), spaces(180),
               text(u8"V pokusech havrani dokázali ohnout kus drátu do háčku a vytáhnout jím "
                    u8"pamlsek, ačkoli v přírodě nástroje nepoužívají. Taková je mysl lidského "
                    u8"Havrana: vynalézavá a hravá, a když něco nejde, vymyslí nástroj, který to "
                    u8"dokáže. Havrani hnízdí v hlučných koloniích v korunách stromů a ustavičně "
                    u8"spolu hovoří, a jeho člověk potřebuje kolem sebe rozhovor a smích. Indiáni "
                    u8"severozápadního pobřeží vyprávějí o Havranovi, který lstí ukradl slunce z "
                    u8"truhly náčelníka a pověsil je na oblohu; jejich Havran je ve skutečnosti "
                    u8"velký krkavec, ale šibalskou povahu má i náš havran. Lidský Havran si rád "
                    u8"vystřelí z druhých a ne vždy pozná, kdy žert přestal být legrací."));
constexpr auto havran3 =
    piece<591>("Havran, piece 3", textSoFar, tabs(19), spaces(9),
               text(u8"Havraní páry drží spolu celý život a své pouto si každý den obnovují: "
                    u8"čechrají si navzájem peří a sameček nosí družce potravu, když sedí na "
                    u8"vejcích. Pro lidského Havrana je vztah podobným každodenním řemeslem. Lásku "
                    u8"nedokazuje vznešenými slovy, ale drobnou pozorností, pochoutkou přinesenou "
                    u8"v pravou chvíli nebo vtipem, který partnera rozesměje. Potřebuje však "
                    u8"druhého, který s ním udrží krok v rozhovoru a nebude žárlit na jeho přátele "
                    u8"z hejna. Dobře mu je s Jelenem či Vydrou, s nimiž sdílí lehkost vzduchu, a "
                    u8"ohnivé totemy mu dodají víc vytrvalosti a odvahy."));
constexpr auto havran4 =
    piece<480>("Havran, piece 4", textSoFar, tabs(19),
               text(u8"V práci Havran nejvíc vydělá na vlastním důvtipu a na tom, že umí využít "
                    u8"příležitost, kterou vytvořili druzí, tak jako pták jde za pluhem. Na podzim "
                    u8"havrani schovávají ořechy a žaludy do země na horší časy a lidský Havran "
                    u8"také nezapomíná myslet včas na zimu. Zdraví mu nejlépe slouží, když žije v "
                    u8"rytmu hejna: každý večer se havrani slétají na společné nocoviště a ráno "
                    u8"spolu vylétají. Pravidelný spánek a večerní návrat domů jsou pro něj tím "
                    u8"nejlepším lékem."));

// Had
constexpr auto had1 =
    piece<758>("Had, piece 1", heading(7), spaces(40), pad,
               text(u8"Lidi narozené mezi 23. říjnem a 22. listopadem zveme v názvosloví "
                    u8"indiánského horoskopu „Hady“. Tyto zrozence ovlivňuje vodní živel a "
                    u8"vítr západní. "),
               text(u8"Had vládne pozdnímu podzimu, času mlh, dlouhých večerů a opadaného listí, "
                    u8"kdy příroda usíná. Užovky a zmije se teď naposledy vyhřívají na kamenech na "
                    u8"poledním slunci a pak zalézají do skalních puklin a starých nor, kde jich "
                    u8"často přečká zimu pohromadě klubko. Had nemá uši, a přece vnímá každý krok, "
                    u8"protože chvění země cítí celým tělem, a vzduch ochutnává rozeklaným "
                    u8"jazykem. Hopiové v Arizoně tančili s živými hady v ústech, aby hadi odnesli "
                    u8"prosbu o déšť k duchům pod zemí. Kdo se pod Hadem zrodí, dostal do vínku "
                    u8"trpělivost a tichou sílu, která se nikam nežene."));
constexpr auto had2 =
    piece<796>("Had, piece 2", textSoFar, tabs(2), spaces(201),
               text(u8"Had šetří silou. Celé hodiny se nehne, vyčkává a na svět se dívá očima bez "
                    u8"víček, a když se pohne, je to jediný přesný pohyb. Jeho člověk zachází se "
                    u8"svou energií podobně: neplýtvá zbytečně slovy ani gesty. Když ji přepadne "
                    u8"nepřítel, užovka se nebrání zuby, ale lstí: převrátí se na záda, otevře "
                    u8"tlamu a předstírá smrt, dokud nebezpečí neodejde. I lidský Had raději "
                    u8"vyhraje chytrostí než silou. Několikrát do roka had svlékne celou kůži, a "
                    u8"předtím se mu zakalí oči, skoro nevidí a ukryje se. Ani jeho člověk neroste "
                    u8"plynule, ale ve skocích, a před každou velkou změnou bývá mrzutý a "
                    u8"uzavřený."));
constexpr auto had3 =
    piece<543>("Had, piece 3", textSoFar, tabs(13), spaces(6), tabs(1), spaces(8), tabs(1), spaces(9),
               text(u8"V práci je Had vytrvalý, soustředěný a pečlivý a nejlépe mu je tam, kde "
                    u8"může pracovat v klidu a po svém, bez dozoru. Had polyká kořist vcelku a pak "
                    u8"ji celé dny tráví v úkrytu, a jeho člověk podobně přijímá velké úkoly "
                    u8"najednou a potřebuje čas, aby je zpracoval do poslední drobnosti. Nespěchá "
                    u8"a nenechá se popohánět, zato to, co odevzdá, je promyšlené. Na pracovišti "
                    u8"potřebuje teplo v obou smyslech, vlídné lidi i slunné místo; v chladné, "
                    u8"nepřátelské atmosféře ztuhne a nepodá ani polovinu toho, co umí."));
constexpr auto had4 =
    piece<639>("Had, piece 4", textSoFar, tabs(14), spaces(17),
               text(u8"Had je tvor studené krve a k životu potřebuje teplo zvenčí. V lásce se "
                    u8"nejdřív dlouho vyhřívá opodál, než se přesvědčí, že slunce nezmizí, a "
                    u8"potřebuje čas, než někomu skutečně uvěří. Když se však zahřeje, miluje "
                    u8"hluboce a smyslně, a toho, kdo mu teplo dal, se pevně drží. Rozumí si s "
                    u8"Datlem a Vlkem a se zemskými totemy, na jejichž kamenech se mu dobře a "
                    u8"bezpečně odpočívá. Zdraví Hada závisí na teple a světle. V chladných "
                    u8"měsících bývá pomalý a unavený, a čím víc slunce a pohybu si dopřeje, tím "
                    u8"lépe se mu daří. Po zimě se had první dny jen vyhřívá na slunci, a i jeho "
                    u8"člověk potřebuje pozvolný rozjezd."));

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
