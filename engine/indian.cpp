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
                    u8"tvora na zemi. Narodí-li se dítě v sokolím čase, dostane do vínku bystrý "
                    u8"zrak a umění vyčkat na vyhlídce, než přijde jeho chvíle."));
constexpr auto sokol2 =
    piece<640>("Sokol, piece 2", textSoFar, tabs(10),
               text(u8"Sokol nežije v hejnu a nepotřebuje, aby mu někdo ukazoval cestu. Nejlépe je "
                    u8"mu na vlastní vyhlídce, odkud vidí daleko a kde sám určí chvíli, kdy "
                    u8"vzlétne. Myslí rychle a mluví přímo, bez zbytečných oklik, a nesnáší lež "
                    u8"ani přetvářku. V práci potřebuje rozhled: chce vidět celé pole, ne jen svůj "
                    u8"kousek, a pak udeří přesně tam, kde se věc rozhoduje. Skutečný sokol "
                    u8"většinu útoků mine a hned se vrací do výšky, a ani jeho člověk se nenechá "
                    u8"zlomit nezdarem; chybu si rozebere a příště zaútočí jinak. Jeho slabinou bývá "
                    u8"dravčí tvrdost i k sobě. Kdo nestačí jeho letu, toho snadno přehlédne, a "
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
                    u8"nikdo se nevyptává, čí je zásluha. Takový bývá i lidský Bobr: nejvíc zmůže "
                    u8"s lidmi, kterým věří, a o slávu se vůbec nestará, dokud dílo drží. Bobr "
                    u8"dokáže proměnit krajinu. Kde postaví hráz, vznikne tůň a mokřad a v nich "
                    u8"najdou domov žáby, ptáci i ryby, a také Bobr mezi lidmi zanechává místa, "
                    u8"jimiž prošel, obyvatelnější, než byla. Má praktický rozum a šikovné ruce a "
                    u8"nejlépe přemýšlí s nástrojem v ruce. Při nebezpečí bobr plácne ocasem o "
                    u8"hladinu, aby varoval ostatní, a zmizí pod vodou; i jeho člověk nejdříve "
                    u8"varuje a pak se stáhne do bezpečí, rvačky nevyhledává. Vchod do bobří nory "
                    u8"leží pod hladinou a nezvaný host se dovnitř nikdy nedostane. Ani Bobr "
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
                    u8"mít dělbu práce jasnou a spravedlivou. Kdo s ním žije, pozná jeho lásku "
                    u8"podle toho, že u nich nic dlouho nezůstane rozbité. Mladí bobři zůstávají u "
                    u8"rodičů dva roky, než odejdou hledat svou vlastní řeku; loučení nese Bobr "
                    u8"těžce, ale nebrání mu. S Husou a Medvědem, kteří stojí na stejně pevné "
                    u8"zemi, se snadno dohodne, a vodní totemy mu naplní tůň."));
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
               text(u8"Jelen v práci hledá místo, kde se dá zhluboka dýchat. Stádo chodí po "
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
                    u8"tak, že to uslyší celé okolí. Do té doby bývá opatrný, a než se usadí, "
                    u8"projde často několika vztahy. Rozumí si dobře se Sokolem a Vydrou, s "
                    u8"Havranem i se Sovou. Pro zdraví Jelen nejvíce potřebuje chvíle, kdy si v "
                    u8"klidu přežvýká, co za den nasbíral, jako jeho zvíře, které v poledne leží "
                    u8"ve stínu houštiny. V horkých dnech se jelen válí v kališti, aby se zchladil "
                    u8"a zbavil hmyzu; své kaliště, místo, kde ze sebe smyje celý den, by měl mít "
                    u8"každý Jelen."));

// Datel
constexpr auto datel1 =
    piece<636>("Datel, piece 1", heading(3), spaces(38), pad,
               text(u8"Lidi narozené mezi 21. červnem a 21. červencem zveme v názvosloví "
                    u8"indiánského horoskopu „Datly“. Tyto zrozence ovlivňuje vodní živel a "
                    u8"vítr jižní. "),
               text(u8"Datel nastupuje, když je bukový les v plném listí a v korunách utichá "
                    u8"jarní zpěv. Datel černý, největší z našich šplhavců, tehdy vyvádí z hnízda "
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
                    u8"pták jím vytáhne potravu i z nejhlubší chodby. Vytrvale se Datel dostane k "
                    u8"jádru věci, na niž jiní rezignovali. Z práce, kterou udělá, žijí ti, kdo ji "
                    u8"ani neviděli, tak jako ptáci v jeho staré dutině. Po kmeni šplhá pomalu, "
                    u8"ale vždycky vzhůru."));
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
               text(u8"Lososa málokdo ohne. Když se jednou vydá k prameni, nezastaví ho peřej ani "
                    u8"jez, a tak i jeho člověk jde za tím, co si předsevzal, s vytrvalostí, nad "
                    u8"níž ostatní kroutí hlavou. Nezapomíná, odkud vyšel: tak jako ryba po letech "
                    u8"v moři pozná podle pachu vlastní řeku, vrací se i on k lidem a místům svého "
                    u8"dětství, i když ho život zavál daleko. Na cestu k trdlišti se lososí samec "
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
                    u8"potom skočí; tak pracuje i Losos, v mohutných náporech, mezi nimiž "
                    u8"potřebuje klid a ticho. Kdo ho žene ke skoku dřív, než je připraven, ničeho "
                    u8"nedosáhne. Na cestě do moře prošel mladý losos řadou proměn, z říčního "
                    u8"potěru se stal tvorem slané vody, a podobně snadno se i lidský Losos naučí "
                    u8"nové prostředí a nové řemeslo, když to jeho cesta vyžaduje. Jen se velmi "
                    u8"nerad vzdává toho, do čeho už vložil tolik sil, i tehdy, kdy je moudřejší "
                    u8"se obrátit."));
constexpr auto losos4 =
    piece<1300>("Losos, piece 4", textSoFar, tabs(4), spaces(280),
                text(u8"Lásku bere Losos jako cestu domů. Hledá člověka, u něhož by mohl zakotvit, "
                     u8"a když ho najde, vrací se k němu z každé dálky tak jistě jako ryba ke "
                     u8"štěrku, na němž se vylíhla. Na trdlišti samice vyhrabe ocasem jamku pro "
                     u8"jikry a samec u ní stojí, střeží ji a zahání soky; i lidský Losos lásku "
                     u8"hlídá, je pozorný a starostlivý, ale také žárlivý a náročný. Vztah s ním "
                     u8"nebývá nudný, ale občas připomíná jarní peřeje. Sokol a Sova mají v sobě "
                     u8"týž oheň, Jelen a Havran mu dodají lehkost a nadhled. Naučí-li se Losos "
                     u8"poslouchat i proud druhého, čeká ho dlouholetý svazek. Zdraví mu slouží, "
                     u8"dokud má studenou, čistou vodu: v parném létě, kdy se řeky prohřejí, se "
                     u8"losos stahuje do hlubin a vyčkává. Také lidský Losos špatně snáší horko a "
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
               text(u8"Medvěd přichází na sklonku léta, kdy v lesích rostou houby, na pasekách "
                    u8"zrají ostružiny a z buků začínají padat první bukvice. Medvěd teď jí od "
                    u8"rána do noci a ukládá si zásobu tuku na dlouhý zimní spánek. Jeho člověk "
                    u8"mívá v sobě tutéž klidnou, neuspěchanou sílu a dar myslet dopředu."));
constexpr auto medved2 =
    piece<758>("Medvěd, piece 2", textSoFar, tabs(1), spaces(67), tabs(1), spaces(93),
               text(u8"Medvěd je samotář, který nikomu nepřekáží a nikoho se nebojí. Chodí "
                    u8"vlastním tempem a zdánlivě neohrabaně, a lidský Medvěd působí podobně: "
                    u8"rozvážně, pomalu, skoro ospale, a kdo ho podcení, bývá nemile překvapen. "
                    u8"Rozzlobit ho dá práci. Snese leccos, dlouho mlčí a jen bručí, a teprve když "
                    u8"někdo sáhne na to, co je mu nejdražší, ukáže sílu, před kterou je lepší "
                    u8"ustoupit. Medvědice, která brání mláďata, nezná strach, a lidský Medvěd "
                    u8"hájí své blízké stejně neohroženě. Rád je sám v lese či v dílně a nevadí mu "
                    u8"ticho. Potřebuje ale, aby jeho samotu ostatní brali jako odpočinek, ne jako "
                    u8"uraženost."));
constexpr auto medved3 =
    piece<647>("Medvěd, piece 3", textSoFar, tabs(16), spaces(8),
               text(u8"V práci Medvěd spoléhá na to, co si ověřil. Skutečný medvěd ví, kde v jeho "
                    u8"revíru zrají první maliny a kde na podzim padají žaludy, a Medvěd zná svůj "
                    u8"obor jako zvíře svůj les: ví, kdy a kde co hledat. Nehoní se za novinkami a "
                    u8"vůbec nemá rád, když ho někdo popohání. Na Aljašce stojí medvěd dlouhé "
                    u8"hodiny v peřeji, než mu losos skočí přímo do tlamy, a trpělivost je i v "
                    u8"lidském Medvědovi tou největší devizou. Šéfa nad sebou potřebuje jen málo, "
                    u8"protože si umí práci rozvrhnout úplně sám. Indiáni kdysi věřili, že medvěd "
                    u8"zná léčivé byliny, protože vyhrabává kořeny, a nejeden Medvěd má k bylinám "
                    u8"a k léčení přirozený vztah."));
constexpr auto medved4 =
    piece<707>("Medvěd, piece 4", textSoFar, tabs(14),
               text(u8"V lásce bývá Medvěd velkorysým ochráncem: jeho láska je hluboká a laskavá a "
                    u8"náruč, do které partnera sevře, chrání před celým světem. Přitom potřebuje, "
                    u8"aby mu jeho partner dopřál chvíle samoty, tak jako medvěd, který většinu "
                    u8"roku žije o samotě a družku hledá jen na začátku léta. Medvědí péče má jen "
                    u8"jednu past: snadno z ní vznikne medvědí služba, pomoc, která to myslí "
                    u8"dobře, ale dopadne neohrabaně. Nejvíc porozumění najde u Bobra a Husy, s "
                    u8"vodními totemy se naučí mluvit o citech. Zdraví Medvěda řídí roční doby. V "
                    u8"zimě potřebuje víc spánku než ostatní a neměl by se za to stydět; vždyť "
                    u8"medvědice v brlohu rodí a kojí mladé v polospánku. Na jaře mu naopak "
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
                    u8"hejna z východu. Havran patří k nejchytřejším ptákům a jeho bystrá hlava "
                    u8"přechází i na toho, komu je totemem: každou hádanku bere jako hru."));
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
                    u8"čechrají si navzájem peří a sameček nosí družce potravu až na hnízdo. Pro "
                    u8"lidského Havrana je vztah podobným každodenním řemeslem. Lásku nedokazuje "
                    u8"vznešenými slovy, ale drobnou pozorností, pochoutkou, kterou přinese v "
                    u8"pravou chvíli nebo vtipem, který partnera rozesměje. Potřebuje však "
                    u8"protějšek, který s ním udrží krok v rozhovoru a nebude žárlit na jeho "
                    u8"přátele z hejna. Nejlépe mu je s Jelenem či Vydrou, s nimiž sdílí lehkost "
                    u8"vzduchu, a ohnivé totemy mu dodají víc vytrvalosti a odvahy."));
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
                    u8"kdy příroda usíná. Užovky a zmije se teď naposledy vyhřívají na kamenech v "
                    u8"poledním slunci a potom zalézají do skalních puklin a starých nor, kde jich "
                    u8"často přečká zimu celé klubko. Had nemá uši, a přece vnímá každý krok, "
                    u8"protože chvění země cítí celým tělem, a vzduch ochutnává rozeklaným "
                    u8"jazykem. Hopiové v Arizoně kdysi tančili s živými hady v ústech, aby hadi "
                    u8"odnesli prosbu o déšť k duchům pod zemí. Trpělivost a tichá síla, která se "
                    u8"nikam nežene, provázejí i člověka, nad nímž Had bdí."));
constexpr auto had2 =
    piece<796>("Had, piece 2", textSoFar, tabs(2), spaces(201),
               text(u8"Had šetří silou. Celé hodiny se ani nehne, vyčkává a na svět se dívá očima "
                    u8"bez víček, a když se pohne, je to jediný přesný pohyb. Stejně hospodaří se "
                    u8"silou i člověk pod jeho znamením: neplýtvá slovy ani gesty. Když užovku "
                    u8"přepadne nepřítel, nebrání se zuby, ale lstí: převrátí se na záda, otevře "
                    u8"tlamu a předstírá smrt, dokud nebezpečí neodejde. I lidský Had raději "
                    u8"vyhraje chytrostí než silou. Několikrát do roka had svlékne celou kůži, a "
                    u8"předtím se mu zakalí oči, skoro nevidí a ukryje se. Ani jeho člověk neroste "
                    u8"plynule, ale ve skocích, a před každou velkou změnou bývá mrzutý a zamlklý."));
constexpr auto had3 =
    piece<543>("Had, piece 3", textSoFar, tabs(13), spaces(6), tabs(1), spaces(8), tabs(1), spaces(9),
               text(u8"V práci je Had vytrvalý, soustředěný a pečlivý a nejlépe mu je tam, kde "
                    u8"může pracovat v klidu a po svém, bez dohledu. Had polyká kořist vcelku a "
                    u8"pak ji celé dny tráví v úkrytu, a podobně i on přijímá velké úkoly naráz "
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
                    u8"měsících bývá pomalý a ospalý, a čím víc slunce a pohybu si dopřeje, tím "
                    u8"líp se mu daří. Po zimě se had první dny jen vyhřívá na slunci, a i lidský "
                    u8"Had potřebuje pozvolnější rozjezd."));

// Sova
constexpr auto sova1 =
    piece<428>("Sova, piece 1", heading(8), spaces(38), pad,
               text(u8"Lidi narozené mezi 23. listopadem a 21. prosincem zveme v názvosloví "
                    u8"indiánského horoskopu „Sovy“. Tyto zrozence ovlivňuje ohnivý živel a "
                    u8"vítr západní. "),
               text(u8"Sova vládne nejdelším nocím, kdy se svět halí do tmy a mrazu. Puštík teď v "
                    u8"lese houká o svém revíru a hlídá jej, protože ze svého lesa se za celý "
                    u8"život nehne. Narodit se pod Sovou znamená vidět a slyšet ve tmě, v níž jiní "
                    u8"jen tápou."));
constexpr auto sova2 =
    piece<892>("Sova, piece 2", textSoFar, tabs(2), spaces(233),
               text(u8"Sova létá neslyšně. Okraje jejích letek jsou roztřepené jako hřeben a tlumí "
                    u8"každý šelest, a tak se ke kořisti snese, aniž by ji kdo slyšel. Podobně "
                    u8"tiše vstupuje do věcí její člověk: nedělá kolem sebe hluk, a když přijde, "
                    u8"věc už je většinou vyřešená. Sova chytí myš i v úplné tmě, protože její uši "
                    u8"jsou každé v jiné výšce a poznají, odkud šelest přišel, a lidská Sova umí "
                    u8"stejně přesně poslouchat. Je věrná místu i lidem, které si vybrala, a svůj "
                    u8"kout si brání. Pod tichým povrchem v ní však hoří oheň: puštík, který hájí "
                    u8"hnízdo, se nezalekne ani člověka a zaútočí mu na hlavu. Také lidská Sova, "
                    u8"jinak klidná a vlídná, se dokáže nečekaně prudce rozzlobit."));
constexpr auto sova3 =
    piece<846>("Sova, piece 3", textSoFar, tabs(10), spaces(2), tabs(1), spaces(5),
               text(u8"V práci je Sova trpělivá a přesná. Celé hodiny umí sedět na jednom místě, "
                    u8"než přijde ta pravá chvíle, a pak jediným tichým přeletem udělá, na co jiní "
                    u8"potřebují celý den hluku. Nejlépe jí je tam, kde nikdo nestojí za zády a "
                    u8"kde si smí práci rozvrhnout podle svých hodin; když ostatní odcházejí domů, "
                    u8"bývá teprve ve své síle. Oči má sova v hlavě pevně zasazené a nemůže jimi "
                    u8"pohnout, a proto otáčí celou hlavou, skoro dokola. Ani lidská Sova se na "
                    u8"problém nedívá koutkem oka: když ho zkoumá, obrátí se k němu celá. Co sova "
                    u8"nestráví, kosti a chlupy, vyvrhne ve vývržku, a právě z vývržků "
                    u8"přírodovědci čtou, čím se živí. Její člověk nedrží zbytečnosti; čeho "
                    u8"nepotřebuje, se zbaví a jde dál. S penězi zachází stejně střídmě jako se "
                    u8"svou silou. Kolegové si u ní rádi nechají poradit, protože vidí i to, co "
                    u8"oni ve tmě sami přehlédli."));
constexpr auto sova4 =
    piece<527>("Sova, piece 4", textSoFar, tabs(11), spaces(6), tabs(3),
               text(u8"Puštíci spolu drží celý život a to známé noční houkání je často rozhovor "
                    u8"dvou: on zahouká, ona mu ostrým hlasem odpoví. Pro lidskou Sovu je láska "
                    u8"podobným dialogem. Potřebuje partnera, který jí umí odpovědět, s nímž se "
                    u8"může přít i smát. Se Sokolem a Lososem ji pojí společný oheň a vzdušné "
                    u8"totemy ji rozesmějí, když až příliš zvážní. Zdraví jí nejlépe slouží, když "
                    u8"žije podle svých hodin: ke spánku potřebuje tmu a ticho, jaké si sova najde "
                    u8"v dutině starého stromu, a neměla by se nutit do ranních výkonů."));

// Husa
constexpr auto husa1 =
    piece<551>("Husa, piece 1", heading(9), spaces(38), pad,
               text(u8"Lidi narozené mezi 22. prosincem a 19. lednem zveme v názvosloví "
                    u8"indiánského horoskopu „Husy“. Tyto zrozence ovlivňuje zemský živel a "
                    u8"vítr severní. "),
               text(u8"Čas Husy přichází se zimním slunovratem, kdy příroda zdánlivě spí, ale dny "
                    u8"se začínají prodlužovat. Na rybnících jižní Moravy nocují desítky tisíc "
                    u8"hus, které k nám přiletěly ze sibiřské tundry. Táhnou v klínovém šiku, v "
                    u8"němž každý pták využívá vzdušný proud od křídel předchozího. Lidská Husa si "
                    u8"z toho bere to nejdůležitější: daleko se doletí pouze společně."));
constexpr auto husa2 =
    piece<537>("Husa, piece 2", textSoFar, spaces(46), tabs(10),
               text(u8"Husa je člověk dlouhých cest. Ví, kam letí, i když cíl leží tisíce "
                    u8"kilometrů daleko, a z kurzu ji nesvede mlha ani protivítr. Ve vedení se "
                    u8"chová jako pták na špici klínu: na čas převezme nejtěžší místo a pak ho bez "
                    u8"okolků přenechá jinému, protože vyčerpaný vůdce hejnu nepomůže. Hejno se za "
                    u8"letu neustále ozývá, a i Husa dodává odvahu slovem, když druhým dochází "
                    u8"dech. Na odpočinku stojí vždy některá husa na stráži a při nebezpečí spustí "
                    u8"poplach; podobně bdělá je i její člověk."));
constexpr auto husa3 =
    piece<573>("Husa, piece 3", textSoFar, tabs(18),
               text(u8"Husy žijí v párech po celý život a rodina se nerozdělí ani na tahu: mladé "
                    u8"husy letí první zimu s rodiči a cestu se učí od nich. Také pro lidskou Husu "
                    u8"je láska hlavně dlouhou společnou cestou. Prchavé romantické vzplanutí ji "
                    u8"neláká, hledá svazek, na kterém se dá stavět, a s partnerem chce sdílet i "
                    u8"směr. Doma bývá tou, kdo drží pohromadě zvyky, svátky a rodinné příběhy a "
                    u8"předává je dál. Dobře ladí s Bobrem a Medvědem, jejichž zemitost je jí "
                    u8"blízká; vodní totemy jí pomohou rozmrazit city. Když se ve vztahu něco "
                    u8"pokazí, nehledá viníka, ale cestu dále."));
constexpr auto husa4 =
    piece<939>("Husa, piece 4", textSoFar, tabs(12),
               text(u8"Nejraději pracuje Husa s lidmi, na něž je spoleh, a v kolektivu je jí "
                    u8"nejlépe, když je jasné, kdo kdy letí vpředu. Pamatuje si osvědčené cesty a "
                    u8"místa, tak jako husy, které se každý rok vracejí na stejná zimoviště a "
                    u8"odpočívají na týchž rybnících cestou. Když rakouský badatel Konrad Lorenz "
                    u8"vychovával housata, chodila za ním v zástupu jako za matkou, protože housě "
                    u8"přijme za rodiče prvního tvora, kterého po vylíhnutí spatří. Lidská Husa je "
                    u8"podobně věrná těm, kdo ji něco naučili, a časem sama ráda ukazuje cestu "
                    u8"mladším. Finančně si počíná uvážlivě a včas myslí na stáří. Zdravotně je "
                    u8"odolná a často se dožije vysokého věku, má však sklon k přepracování. V "
                    u8"létě husy ztratí všechna letka naráz a na několik týdnů přijdou o schopnost "
                    u8"létat; schovávají se na vodě a čekají, až jim narostou nová. I lidská Husa "
                    u8"by měla přijmout období, kdy nemůže letět, a nebrat je jako porážku, a "
                    u8"občas se ohlédnout za tím, kolik už dokázala."));

// Vydra
constexpr auto vydra1 =
    piece<598>("Vydra, piece 1", heading(10), spaces(38), pad,
               text(u8"Lidi narozené mezi 20. lednem a 18. únorem zveme v názvosloví "
                    u8"indiánského horoskopu „Vydry“. Tyto zrozence ovlivňuje vzdušný živel a "
                    u8"vítr severní. "),
               text(u8"Vydra vládne období očišťování, kdy je zima ještě v plné síle, ale pod "
                    u8"ledem se už pomalu probouzí nový život. Vydra zimu nepřespí. Loví pod "
                    u8"ledem, dýchá u děr v ledu a zahřívá ji kožich tak hustý, že se k její kůži "
                    u8"voda vůbec nedostane. Mezi lovy se ráda klouže po sněhu a po blátivém "
                    u8"břehu, jen tak, pro radost. Co z toho zdědil člověk narozený v jejím čase? "
                    u8"Především chuť si hrát, i když je kolem mráz."));
constexpr auto vydra2 =
    piece<437>("Vydra, piece 2", textSoFar, tabs(1), spaces(7), tabs(14), spaces(45),
               text(u8"Vydra je hravá, zvídavá a neposedná a učí se zkušeností. Ve vodě i na souši "
                    u8"je stejně doma a s lehkostí přechází mezi světy, které jiní drží odděleně. "
                    u8"Každý kámen na dně musí otočit a každou novou díru v břehu prozkoumat. I v "
                    u8"tvrdých časech si najde důvod k radosti, a když ostatní v mrazu jen čekají "
                    u8"na jaro, ona se klouže z kopce. Stojatá tůň ji neláká, hledá proud."));
constexpr auto vydra3 =
    piece<915>("Vydra, piece 3", textSoFar, tabs(17),
               text(u8"V práci se Vydra nejlépe uplatní tam, kde se nic nedá vyčíst z manuálu. V "
                    u8"kalné vodě, kde nic nevidí, nachází rybu podle vousků, které zachytí každé "
                    u8"chvění, a lidská Vydra má podobný cit: i ve zmatku pozná, kudy se věc hýbe, "
                    u8"a chytí ji dřív, než uplave. Daří se jí tam, kde práce není jen povinnost, "
                    u8"ale i trochu hra. Mladé vydry se vody zpočátku bojí a matka je plavat musí "
                    u8"naučit, a tak si Vydra váží každého, kdo ji něco naučil, a sama ráda "
                    u8"ukazuje mladším, jak na to. Na vedoucím místě působí spíše jako "
                    u8"inspirátorka než jako přísná šéfová, protože nerada rozkazuje a raději jde "
                    u8"příkladem. Bývá ovšem roztěkaná a rutinní úkoly odkládá na poslední chvíli. "
                    u8"Vydra za den spotřebuje obrovské množství ryb a žab, aby jí v ledové vodě "
                    u8"nevychladlo tělo, a také lidská Vydra dává do všeho tolik energie, že "
                    u8"potřebuje pravidelný přísun síly, jinak rychle vyhoří. Peníze ji pohánějí "
                    u8"méně než zvědavost."));
constexpr auto vydra4 =
    piece<710>("Vydra, piece 4", textSoFar, tabs(19),
               text(u8"Při námluvách si vydry spolu hrají, honí se ve vodě a válejí se v trávě, a "
                    u8"lidská Vydra se nejspíš zamiluje do toho, s kým se dá smát a dovádět ještě "
                    u8"po letech. Vydry se po řece dorozumívají hvízdáním a lidská Vydra dává city "
                    u8"najevo podobně: nahlas a vesele. Vážné chvíle zvládá lépe, když je "
                    u8"prostřídá humor. Ocení překvapení a společné objevování, kdežto romantika s "
                    u8"růžemi ji nudí. Mláďata vychovává vydra sama a bývá to oddaná matka. Blízko "
                    u8"má k Jelenovi, k Havranovi i k ohnivým totemům. Zdraví Vydry stojí na "
                    u8"teple: její zvíře si kožich ustavičně čistí, aby ho voda nepromočila, a i "
                    u8"ona by se měla chránit před chladem a vlhkem, protože právě ty jí škodí "
                    u8"nejvíc. Dobře jí dělá pohyb."));

// Vlk
constexpr auto vlk1 =
    piece<686>("Vlk, piece 1", heading(11), spaces(41), pad,
               text(u8"Lidi narozené mezi 19. únorem a 20. březnem zveme v názvosloví "
                    u8"indiánského horoskopu „Vlky“. Tyto zrozence ovlivňuje vodní živel a "
                    u8"vítr severní. "),
               text(u8"Vlk vládne posledním týdnům zimy, kdy sníh na horách ještě drží, ale z "
                    u8"údolí už potoky odnášejí vodu z tání. Pro vlky je to čas lásky: v únoru se "
                    u8"páří vůdčí pár smečky a v dubnu se v noře narodí slepá vlčata. Smečka "
                    u8"přitom není tlupa cizích zvířat, ale rodina, rodiče a jejich potomci z "
                    u8"minulých let, kteří spolu loví, hlídají revír a společně se starají o "
                    u8"mláďata. Do české krajiny se divoký vlk po více než sto letech vrátil a "
                    u8"jeho vytí se dnes znovu nese Krušnými horami, Šumavou i Beskydami."));
constexpr auto vlk2 =
    piece<743>("Vlk, piece 2", textSoFar, tabs(1), spaces(75), tabs(15), spaces(2), tabs(1),
               text(u8"Lidský Vlk žije pro svou smečku. Rodina a pár věrných přátel jsou pro něj "
                    u8"kruhem, který hájí, a cizímu se otevírá pomalu, jako se divoký vlk vyhne "
                    u8"člověku. Své hranice zná a umí je dát najevo; kdo je překročí, dostane "
                    u8"nejdřív varování, ne hned ránu. Je to trpělivý učitel: vlčata se učí lovit "
                    u8"tak, že běží za dospělými a dívají se, a Vlk podobně předává, co umí, spíš "
                    u8"příkladem než slovy. Mladí vlci opouštějí rodnou smečku a putují i stovky "
                    u8"kilometrů, než najdou vlastní revír, a i v lidském Vlkovi žije tulák, "
                    u8"kterého občas musí pustit ven. Vytím se vlci svolávají, a i on potřebuje "
                    u8"mít s blízkými živé spojení a zle nese, když nikdo neodpovídá."));
constexpr auto vlk3 =
    piece<647>("Vlk, piece 3", textSoFar, tabs(8), spaces(74),
               text(u8"V práci Vlk vyniká hlavně vytrvalostí. Vlci neloví sprintem, ale klusem: "
                    u8"kořist sledují dlouhé hodiny, dokud neochabne. Lidský Vlk také vítězí "
                    u8"dechem, ne prvním náporem, a nejlépe mu jdou dlouhé úkoly, u nichž jiní "
                    u8"cestou odpadnou. Ve sněhu chodí smečka v zástupu a každý šlape do stop toho "
                    u8"před sebou, aby ušetřil síly, a Vlk i v práci rád dělí námahu tak, aby ji "
                    u8"unesli všichni. V lásce je věrný a vážný. Vlčí pár drží spolu dlouhá léta a "
                    u8"vlčata jim pomáhají krmit i jejich starší potomci. Oporu nachází u Datla a "
                    u8"Hada i u zemských totemů, na nichž může stavět."));
constexpr auto vlk4 =
    piece<272>("Vlk, piece 4", textSoFar, tabs(19), spaces(13),
               text(u8"Vlk za noc urazí desítky kilometrů a jeho člověk potřebuje pohyb: dlouhá "
                    u8"chůze krajinou mu vrací klid. Po lovu vlci odpočívají dlouhé hodiny, a ani "
                    u8"lidský Vlk by neměl jen běžet. Měl by věřit svému instinktu, ale "
                    u8"nezapomínat ani na rozum."));

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
