// The Chinese zodiac: for each animal sign its heading and trait list, its character, the signs it
// gets on with as friends, relatives and colleagues, its lucky day, numbers and cards, famous
// people born in its years, and the signs that suit it as partners. Two pads and runs of spaces lay
// the text out for the word-wrapping result box.
//
// The famous people are born in a year of their sign as this generator counts it: sign number
// (year - 1900) mod 12, by the Gregorian year. The Chinese year itself begins at the New Year, which
// falls between 21 January and 20 February, so whoever is born in a year's first weeks belongs to
// the animal of the year before. Every person listed is therefore born between 21 February and
// 31 December, after the New Year of the birth year whatever its date, so both reckonings agree.
// Each list carries the full birth dates in a comment so that a reader can check them.
#include "engine/chinese.h"

namespace kalmira {

namespace {

constexpr Text characterLabel = text(u8"Charakteristika");
constexpr Text relationsLabel = text(u8"Mezilidské vztahy");

// The three lines that close the relations section: label, a space, value.
constexpr Entry luckyDay(std::u8string_view value) { return entry(u8"Příznivý den:", value); }
constexpr Entry luckyNumbers(std::u8string_view value) { return entry(u8"Příznivá čísla:", value); }
constexpr Entry luckyCards(std::u8string_view value) { return entry(u8"Příznivé karty:", value); }

// Krysa
constexpr std::u8string_view krysaTraits =
    u8"Bystrá, Vynalézavá, Šetrná, Pracovitá, Společenská, Okouzlující, Přizpůsobivá, Zvídavá, "
    u8"Vytrvalá, Ostražitá, Praktická, Důvtipná, Výmluvná, Podnikavá, Starostlivá, Kritická, "
    u8"Neklidná, Sebejistá";
constexpr std::u8string_view krysaCharacter =
    u8"Krysa je prvním znamením čínského zvěrokruhu a podle legendy si toto místo vybojovala lstí: "
    u8"v závodě zvířat se svezla na hřbetě Buvola a těsně před cílem seskočila. Tato historka "
    u8"přesně vystihuje její povahu. Rokem Krysy se tak otevírá nový dvanáctiletý kruh, čas "
    u8"začátků a prvních zásob. Krysa je bystrá, pohotová a umí obratně využít každou příležitost, "
    u8"kterou jí život nabídne. Má výborný postřeh i paměť na jména a čísla, rychle se naučí a "
    u8"málokdy ji něco zaskočí nepřipravenou. Na pohled bývá klidná a přátelská, v duchu však "
    u8"neustále přemýšlí, plánuje a propočítává. Je šetrná a ráda si dělá zásoby, a to nejen peněz "
    u8"a potravin, ale i užitečných známostí. Plýtvání nesnáší a v těžkých časech bývá tou, kdo má "
    u8"pro rodinu vždycky něco schovaného. Ve společnosti je oblíbená pro svůj humor a schopnost "
    u8"naslouchat; snadno si získá důvěru lidí a rychle vycítí jejich slabiny. Srdce před světem "
    u8"příliš neotevírá, o partnera a děti se však stará s nečekanou něhou a trpělivostí. Práce ji "
    u8"baví, hlavně když vidí výsledky; cestu ke každé spižírně najde vždycky, výhodu zavětří "
    u8"dříve než ostatní a nejvíc se jí daří, když se vyjednává o ceně. Jejím slabým místem bývá "
    u8"neklid a přehnaná kritičnost. Krysu snadno zláká hazard, když cítí rychlý zisk, a někdy se "
    u8"rozptýlí do příliš mnoha plánů najednou. Umí být i malicherná a sobecká, pokud se cítí "
    u8"ohrožená, a zahnaná do kouta se umí ohnat. Když se ale naučí zpomalit a důvěřovat ostatním, "
    u8"stává se z ní věrný přítel a rádce, na jehož slovo je spolehnutí. Štěstí jí přeje zejména v "
    u8"první polovině života, kdy sbírá zkušenosti, jež později dokáže proměnit v pohodlí a "
    u8"bezpečí pro sebe i své blízké.";
constexpr std::u8string_view krysaPartnership =
    u8"Krysa nejraději tráví volné chvíle s Opicí, s níž vtipkuje a kuje plány, a s Drakem, jehož "
    u8"podnikům vede účty. Buvolovi svěří klíče od bytu i úspory; s Koněm, který nerad počítá, se "
    u8"v práci hádá.";
// Born: Václav Havel 5 Oct 1936, Zdeněk Svěrák 28 Mar 1936, Diego Maradona 30 Oct 1960.
constexpr std::u8string_view krysaFamousPeople = u8"Václav Havel, Zdeněk Svěrák, Diego Maradona";
constexpr std::u8string_view krysaCompatibility =
    u8"Nejlepším partnerem Krysy bývá Drak, jehož odvaha a velkorysost dodají jejím plánům "
    u8"rozmach, zatímco ona mu přinese rozvahu a cit pro detaily. Výborně si rozumí i s Opicí, s "
    u8"níž sdílí důvtip a obchodního ducha, a s klidným Buvolem, který jí poskytne jistotu a "
    u8"bezpečí. Obtížný vztah čeká Krysu s Koněm, jehož netrpělivost a touha po volnosti ji "
    u8"zneklidňují. Méně se k ní hodí Kohout, Králík a Koza, kteří mají odlišný postoj k práci i k "
    u8"životu.";
constexpr auto krysaOpening = piece<1922>(
    "Krysa, opening", text(u8"KRYSA"), spaces(2), shortPad, shortPad, shortPad, shortPad, spaces(1),
    text(krysaTraits), spaces(1), longPad, spaces(10), characterLabel, spaces(1), shortPad, shortPad,
    shortPad, shortPad, spaces(1), text(krysaCharacter), spaces(1), shortPad, longPad, shortPad, spaces(1),
    relationsLabel, spaces(1), shortPad, shortPad, shortPad, shortPad);
constexpr auto krysaRelations = piece<362>(
    "Krysa, relations and luck", textSoFar, text(krysaPartnership), spaces(17), longPad, spaces(10),
    luckyDay(u8"sobota"), spaces(1), shortPad, shortPad, shortPad, spaces(19), luckyNumbers(u8"0 , 4 , 7"),
    spaces(1), shortPad, shortPad, shortPad, spaces(17), luckyCards(u8"kule (káry), dáma + čísla"));
constexpr auto krysaFamous =
    piece<90>("Krysa, famous people", textSoFar, longPad, spaces(1), shortPad, shortPad, shortPad, spaces(1),
              text(u8"Známé osobnosti ve znamení Krysy:"), spaces(1), text(krysaFamousPeople), spaces(1));
constexpr auto krysaMatches = piece<504>("Krysa, compatibility", textSoFar, longPad, spaces(1), shortPad,
                                         spaces(1), text(u8"Kdo se hodí ke Kryse?"), spaces(1), shortPad,
                                         shortPad, shortPad, spaces(24), text(krysaCompatibility));

// Buvol
constexpr std::u8string_view buvolTraits =
    u8"Vytrvalý, Spolehlivý, Trpělivý, Pracovitý, Rozvážný, Poctivý, Houževnatý, Systematický, "
    u8"Zodpovědný, Skromný, Tvrdohlavý, Konzervativní, Cílevědomý, Důkladný, Rezervovaný, "
    u8"Neústupný, Praktický, Ctižádostivý";
constexpr std::u8string_view buvolCharacter =
    u8"Buvol, který v závodě zvířat doběhl jako druhý jen proto, že se na jeho hřbetě svezla "
    u8"Krysa, patří k nejvytrvalejším znamením. Narodil se pro poctivou práci, a když se jednou "
    u8"opře do jařma, zastaví ho málokterá překážka. Nespěchá, nenechá se unést náladou okamžiku "
    u8"a každý krok si nejprve pečlivě rozmyslí. Kdo s ním jedná, přesně ví, na čem je. Mluví jen "
    u8"málo, a když už promluví, jeho slova mají váhu. Okázalost mu nic neříká; váží si tradic a "
    u8"jasných pravidel. V jednání s lidmi je přímý, lichotky a intriky nesnáší a sám se k nim "
    u8"neuchýlí. Doma bývá pevnou oporou rodiny, pečuje o své blízké a vyžaduje od nich stejnou "
    u8"poctivost, jakou dává sám. Jeho úspěch nepřichází náhle, zato je trvalý: vyrůstá z let tiché "
    u8"dřiny, a proto mu často patří uznání až v pozdějším věku. Jako buvol, který den co den "
    u8"táhne pluh zaplaveným rýžovým políčkem, nejlépe pracuje tam, kde se výsledek měří na "
    u8"sezóny, ne na dny. Jeho síla spočívá v klidu: zatímco jiní propadají panice, Buvol vytrvale "
    u8"pokračuje. Daní za tuto sílu bývá tvrdohlavost. Jakmile si vytvoří názor, jen těžko ho "
    u8"mění, a na novinky pohlíží s nedůvěrou. Bývá uzavřený, city skrývá a druzí ho někdy "
    u8"považují za chladného či příliš přísného. Rozzlobí se zřídka, pak je ovšem jeho zlost "
    u8"prudká a křivdu si pamatuje léta. S přibývajícím věkem ale zpravidla změkne a snáze "
    u8"odpouští.";
constexpr std::u8string_view buvolPartnership =
    u8"Buvol si přátele nevybírá snadno, ale kdo si u něj jednou získá místo, může s jeho pomocí "
    u8"počítat i ve zlých časech. Nejlépe se cítí s Kohoutem, který vstává stejně časně a říká "
    u8"věci na rovinu, a s Hadem, s nímž dokáže celé večery mlčet nad šachovnicí. Krysa ho vytáhne "
    u8"mezi lidi a vyřídí za něj úřední papíry, on jí za to pomůže se stěhováním. S Kozou v jedné "
    u8"kanceláři trpí: nesnáší její věčné zpoždění a ona zase jeho úsečné pokyny. Tygra, který "
    u8"jako šéf každý týden mění plány, snáší jen stěží.";
// Born: Napoleon 15 Aug 1769, Antonín Dvořák 8 Sep 1841, Otto Wichterle 27 Oct 1913,
// Walt Disney 5 Dec 1901.
constexpr std::u8string_view buvolFamousPeople = u8"Napoleon, Antonín Dvořák, Otto Wichterle, Walt Disney";
constexpr std::u8string_view buvolCompatibility =
    u8"Buvolovi se nejlépe hodí Had, s nímž ho spojuje trpělivost a smysl pro dlouhodobé cíle. Had "
    u8"do vztahu vnáší jemnost a moudrost, Buvol zase pevnou podporu. Skvělým partnerem je i "
    u8"Kohout, protože oba milují pořádek, pracují poctivě a nespoléhají na náhodu. Šťastný svazek "
    u8"může Buvol uzavřít i s Krysou, jejíž důvtip doplní jeho vytrvalost. Nejtěžší je pro něj "
    u8"soužití s Kozou: její rozmarnost a náladovost ho unavují a on jí přijde příliš strohý. "
    u8"Napětí vzniká i s Koněm, který touží po volnosti, a s Tygrem, jenž se nechce podřizovat "
    u8"žádným pravidlům. S Drakem a Psem se může střetnout v boji o vedení.";
constexpr auto buvolOpening =
    piece<1642>("Buvol, opening", text(u8"BUVOL"), spaces(2), shortPad, shortPad, shortPad, shortPad,
                spaces(12), text(buvolTraits), spaces(2), longPad, spaces(10), characterLabel, spaces(1),
                shortPad, shortPad, shortPad, shortPad, spaces(1), text(buvolCharacter), spaces(1), shortPad,
                longPad, spaces(12), relationsLabel, spaces(1), shortPad, shortPad, shortPad);
constexpr auto buvolRelations = piece<706>(
    "Buvol, relations and luck", textSoFar, shortPad, text(buvolPartnership), spaces(17), longPad, spaces(39),
    luckyDay(u8"středa"), spaces(1), shortPad, shortPad, shortPad, spaces(19), luckyNumbers(u8"2, 3, 5"),
    spaces(1), shortPad, shortPad, shortPad, spaces(25), luckyCards(u8"červené (srdce) , eso + čísla"));
constexpr auto buvolFamous =
    piece<124>("Buvol, famous people", textSoFar, spaces(1), longPad, shortPad, shortPad, spaces(27),
               text(u8"Známé osobnosti ve znamení Buvola:"), spaces(1), text(buvolFamousPeople));
// The question "Kdo se hodí ke Buvola?" is kept exactly as stored.
constexpr auto buvolMatches =
    piece<678>("Buvol, compatibility", textSoFar, longPad, spaces(21), text(u8"Kdo se hodí ke Buvola?"),
               spaces(1), shortPad, shortPad, shortPad, spaces(23), text(buvolCompatibility));

// Tygr
constexpr std::u8string_view tygrTraits =
    u8"Smělý, Vášnivý, Velkorysý, Nezávislý, Energický, Sebevědomý, Dobrodružný, Nespoutaný, "
    u8"Vznětlivý, Charismatický, Spravedlivý, Veselý, Hrdý, Soutěživý, Ochranitelský, Ušlechtilý";
constexpr std::u8string_view tygrCharacter =
    u8"Tygr, v Číně král zvířat, jehož čelo prý zdobí znak pro slovo „král“, se nebojí postavit "
    u8"proti nespravedlnosti, ani když stojí sám. Vyzařuje z něho zvláštní moc, kterou okolí "
    u8"vycítí, i když Tygr ještě nepromluvil. Nenechá se nikým zavřít do klece a bez pohybu a cíle "
    u8"chřadne jako šelma ve zvěřinci. Tygr jedná rychle a často podle intuice, a tak uspěje dřív, "
    u8"než ostatní přestanou váhat. Je velkorysý, rád se rozdělí a za své přátele by dal ruku do "
    u8"ohně. Nerad se ale podřizuje; autorita, kterou nerespektuje, v něm vyvolává vzdor. Čínským "
    u8"dětem se odedávna šívají botičky s tygří hlavou, aby je chránily před zlými duchy. Na nudné "
    u8"povinnosti a rutinní práci nemá trpělivost a rád je přenechává ostatním. Nejraději loví "
    u8"sám, a tak v práci potřebuje vlastní revír a volnou ruku. Jeho nadšení bývá nakažlivé a "
    u8"pohne i těmi nejopatrnějšími. Nezřídka se pouští do riskantních podniků, které by "
    u8"rozumnější lidé nezačali, a často z nich vyjde jako vítěz. Zároveň se ovšem snadno nechá "
    u8"unést emocemi. Bývá netrpělivý, vznětlivý a občas jedná, aniž by domyslel následky. Jeho "
    u8"život proto provázejí prudké zvraty: vzlety střídají pády, ale Tygr se po každém nezdaru "
    u8"rychle zvedne a hledá novou příležitost. V soukromí bývá překvapivě něžný a citlivý, i když "
    u8"to před světem rád skrývá. Pokud se naučí trpělivosti a naslouchání, stane se z něho moudrý "
    u8"ochránce všech, které má rád.";
constexpr std::u8string_view tygrPartnership =
    u8"Tygr je ve společnosti nepřehlédnutelný a rád má okolo sebe lidi, kteří stačí jeho tempu. S "
    u8"Koněm za týden dotáhne projekt, na který by jiní potřebovali měsíc, a Psa přibírá s sebou, "
    u8"protože pohlídá, na co Tygr zapomíná. Pochybnosti, jež před ostatními skrývá, přizná pouze "
    u8"Praseti. Opici, která si ráda přivlastní jeho nápady, by nejraději poslal pryč.";
// Born: Leoš Janáček 3 Jul 1854, Jiří Menzel 23 Feb 1938, Bohumil Hrabal 28 Mar 1914,
// Marilyn Monroe 1 Jun 1926.
constexpr std::u8string_view tygrFamousPeople = u8"Leoš Janáček, Jiří Menzel, Bohumil Hrabal, Marilyn Monroe";
constexpr std::u8string_view tygrCompatibility =
    u8"Ideálním protějškem Tygra je Kůň. Oba milují volnost a pohyb a nikdo z nich druhého "
    u8"nespoutává ani nehlídá. Dobře se Tygr snese i se Psem, jehož věrnost a smysl pro "
    u8"spravedlnost obdivuje; Pes mu navíc dokáže klidně a bez urážky říct pravdu. Vhodným "
    u8"partnerem je i dobrosrdečné Prase, které Tygrovi dopřeje domov plný pohody a zklidní jeho "
    u8"výbuchy. Nejvíc problémů přináší svazek s Opicí: ta se jeho vážnosti ráda vysmívá a Tygr jí "
    u8"nedokáže odpustit posměšky. Složité bývá také soužití s Hadem, jehož skrytost a "
    u8"podezíravost Tygr nechápe. S Buvolem pak svádí stálý souboj o to, kdo má poslední slovo.";
constexpr auto tygrOpening =
    piece<1680>("Tygr, opening", text(u8"TYGR (TIGER)"), spaces(2), shortPad, shortPad, shortPad, shortPad,
                spaces(3), text(tygrTraits), spaces(2), longPad, spaces(52), characterLabel, spaces(1),
                shortPad, shortPad, shortPad, shortPad, spaces(1), text(tygrCharacter), spaces(2), longPad,
                spaces(1), relationsLabel, spaces(1), shortPad, shortPad, shortPad);
constexpr auto tygrRelations = piece<609>(
    "Tygr, relations and luck", textSoFar, shortPad, text(tygrPartnership), spaces(17), longPad, spaces(96),
    luckyDay(u8"středa"), spaces(1), shortPad, shortPad, shortPad, spaces(19), luckyNumbers(u8"2, 6, 7"),
    spaces(1), shortPad, shortPad, shortPad, spaces(25), luckyCards(u8"zelené, král + čísla"));
constexpr auto tygrFamous =
    piece<137>("Tygr, famous people", textSoFar, spaces(1), longPad, shortPad, shortPad, spaces(37),
               text(u8"Známé osobnosti ve znamení Tygra:"), spaces(1), text(tygrFamousPeople));
constexpr auto tygrMatches =
    piece<677>("Tygr, compatibility", textSoFar, longPad, spaces(21), text(u8"Kdo se hodí ke Tygrovi?"),
               spaces(1), shortPad, shortPad, shortPad, spaces(23), text(tygrCompatibility));

// Králík: a short text, with neither character nor relations and so no lucky data. The heading's
// spelling KRÁLIK is the one the program has always shown.
constexpr std::u8string_view kralikTraits =
    u8"Jemný, Laskavý, Vstřícný, Taktní, Citlivý, Elegantní, Smířlivý, Pohostinný, Uměřený, "
    u8"Opatrný, Vkusný, Ohleduplný, Rozvážný, Nenápadný, Uhlazený, Zdrženlivý";
// Born: Karel Gott 14 Jul 1939, Eva Pilarová 9 Aug 1939, Lionel Messi 24 Jun 1987.
constexpr std::u8string_view kralikFamousPeople = u8"Karel Gott, Eva Pilarová, Lionel Messi";
constexpr std::u8string_view kralikCompatibility =
    u8"Králíkovi nejvíce svědčí Koza, se kterou ho spojuje láska ke kráse a ke klidným večerům. "
    u8"Šťastný bude rovněž s Prasetem, které ocení jeho jemnost a vlídnost, a se Psem, jenž mu dá "
    u8"pocit bezpečí a stálosti. Nejtěžší je vztah s Kohoutem, jehož přímost a kritičnost Králíka "
    u8"zraňují. Potíže mohou vzniknout také s Krysou nebo s Drakem, jejichž neklid a ctižádost "
    u8"narušují Králíkovu potřebu harmonie.";
constexpr auto kralikOpening = piece<264>("Králík, opening", text(u8"KRÁLIK"), spaces(6), shortPad, shortPad,
                                          shortPad, shortPad, spaces(3), text(kralikTraits), spaces(86));
constexpr auto kralikFamous =
    piece<80>("Králík, famous people", textSoFar, spaces(1), longPad, spaces(1),
              text(u8"Známé osobnosti ve znamení Králíka:"), spaces(1), text(kralikFamousPeople));
constexpr auto kralikMatches =
    piece<506>("Králík, compatibility", textSoFar, longPad, spaces(52), text(u8"Kdo se hodí ke Králíkovi?"),
               spaces(1), shortPad, shortPad, shortPad, spaces(23), text(kralikCompatibility));

// Drak
constexpr std::u8string_view drakTraits =
    u8"Sebejistý, Energický, Ctižádostivý, Štědrý, Inteligentní, Nadšený, Hrdý, Odvážný, "
    u8"Charismatický, Přímý, Zásadový, Panovačný, Netrpělivý, Svéhlavý, Šťastný, Velkolepý, "
    u8"Tvořivý, Čestný";
constexpr std::u8string_view drakCharacter =
    u8"Drak je v čínské tradici symbolem císařské moci, štěstí a životní síly, a kdo se narodí v "
    u8"jeho roce, jako by dostal do vínku jeho lesk; v dračích letech se v Číně rodí nejvíce dětí. "
    u8"Čínský drak není zlý netvor z evropských bájí, nýbrž dobrodinec a vládce vod, který přináší "
    u8"déšť. Štěstí se k Drakovi často hlásí samo, a přesto se za ním žene jako drak na obrazech "
    u8"za ohnivou perlou mezi oblaky. Je plný energie, nápadů a odhodlání, má vysoké cíle a věří, "
    u8"že je dokáže uskutečnit. Mnohdy se mu to podaří, protože spojuje odvahu s inteligencí a "
    u8"neúnavnou pracovitostí. Drak se neumí přetvařovat a od ostatních vyžaduje stejnou "
    u8"otevřenost. Lež nebo pokrytectví ho dokážou rozzuřit. Jeho přímost však někdy působí "
    u8"bezohledně a svým sebevědomím Drak dokáže druhé nechtěně zranit. Poslední slovo chce mít "
    u8"vždycky on, i kdyby ho to stálo přátelství. Zná jen liják, nebo sucho: věci se věnuje celou "
    u8"silou, anebo ji rovnou odmítne. Drobná každodenní práce ho nudí, láká ho spíše velkolepé "
    u8"dílo, jež oslní. Daří se mu tam, kde je třeba vést lidi a mít vizi. Pomoc od druhých přijímá "
    u8"jen nerad, protože nechce působit slabě. Bývá netrpělivý, od lidí i od sebe čeká "
    u8"příliš mnoho, takže ho zklamání zasáhne hlouběji než ostatní. Neúspěch ho ale nezlomí; drak "
    u8"se vždycky znovu vzchopí. Okouzlí snadno, trvalý vztah však naváže teprve s někým, kdo "
    u8"dokáže obdivovat jeho lesk a přitom se v jeho záři neztratí.";
constexpr std::u8string_view drakPartnership =
    u8"Drak je obklopen obdivovateli, nejvíc si ale váží těch, kdo věří v jeho plány. Nejlepší "
    u8"pomocnicí mu bývá Krysa: zná každého, koho je třeba, a sežene zprávy dříve než ostatní. "
    u8"Opice mu vyjedná výhodné podmínky a jeho nápady prodá i lidem, které by on sám odradil. "
    u8"Kohout je mu spolehlivým spojencem na poradách a zastane se ho i proti většině. Se Psem se "
    u8"v kolektivu přetahuje o důvěru ostatních, a proto je lepší, když každý z nich vede jiný tým.";
// Born: Karel IV. 14 May 1316 (Julian calendar), Jan Amos Komenský 28 Mar 1592,
// Josef Mánes 12 May 1820, Friedrich Nietzsche 15 Oct 1844, John Lennon 9 Oct 1940.
constexpr std::u8string_view drakFamousPeople =
    u8"Karel IV., Jan Amos Komenský, Josef Mánes, Friedrich Nietzsche, John Lennon";
constexpr std::u8string_view drakCompatibility =
    u8"Nejlépe se k Drakovi hodí Krysa. Krysa obdivuje jeho sílu a štědrost, zatímco on oceňuje "
    u8"její bystrost a schopnost myslet prakticky; společně promění odvážné sny ve skutečnost. "
    u8"Výborným partnerem je také Opice, jejíž vynalézavost a humor Draka nikdy nenudí, a oba mají "
    u8"rádi velké plány. Dobře mu bude též s Kohoutem, který sdílí jeho smysl pro okázalost a "
    u8"úspěch a navíc vnese do vztahu pořádek. Harmonické spojení nabízí moudrý Had, jenž Drakovi "
    u8"dodá klid a diplomacii. Naopak nejtěžší zkouškou je vztah se Psem. Pes je realista a "
    u8"kritik, vidí za Drakovým leskem jeho chyby a nebojí se je nahlas pojmenovat, což Drak snáší "
    u8"velmi těžce. Komplikované bývá i soužití s dalším Drakem, protože se dva vládci do jednoho "
    u8"paláce nevejdou. S citlivým Králíkem musí jednat šetrně: Králík se v jeho blízkosti snadno "
    u8"cítí přehlížený.";
constexpr auto drakOpening = piece<1766>(
    "Drak, opening", text(u8"DRAK"), spaces(14), shortPad, shortPad, shortPad, shortPad, spaces(1),
    text(drakTraits), spaces(2), longPad, spaces(10), characterLabel, spaces(1), shortPad, shortPad, shortPad,
    shortPad, spaces(1), text(drakCharacter), spaces(2), shortPad, longPad, shortPad, spaces(91),
    relationsLabel, spaces(1), shortPad, shortPad, shortPad, shortPad);
constexpr auto drakRelations = piece<752>(
    "Drak, relations and luck", textSoFar, text(drakPartnership), spaces(127), longPad, spaces(10),
    luckyDay(u8"pátek"), spaces(1), shortPad, shortPad, shortPad, spaces(33), luckyNumbers(u8"0, 6, 7"),
    spaces(1), shortPad, shortPad, shortPad, spaces(30), luckyCards(u8"červené (srdce), král + čísla"));
constexpr auto drakFamous =
    piece<152>("Drak, famous people", textSoFar, longPad, spaces(1), shortPad, shortPad, spaces(33),
               text(u8"Známé osobnosti ve znamení Draka:"), spaces(1), text(drakFamousPeople), spaces(1));
constexpr auto drakMatches = piece<1006>("Drak, compatibility", textSoFar, longPad, spaces(1), shortPad,
                                         spaces(124), text(u8"Kdo se hodí k Drakovi?"), spaces(1), shortPad,
                                         shortPad, shortPad, spaces(24), text(drakCompatibility));

// Had
constexpr std::u8string_view hadTraits =
    u8"Moudrý, Intuitivní, Elegantní, Tajemný, Přemýšlivý, Rozvážný, Okouzlující, Diskrétní, "
    u8"Vytříbený, Uvážlivý, Filozofický, Pronikavý, Zdrženlivý, Žárlivý, Podezíravý, Majetnický, "
    u8"Soustředěný, Jemný, Svůdný";
constexpr std::u8string_view hadCharacter =
    u8"Had je nejtajemnějším znamením celého čínského horoskopu a v lidové tradici se mu říká "
    u8"„malý drak“. Oplývá hlubokou moudrostí a zvláštní přitažlivostí, které se dá jen těžko "
    u8"odolat. V čínské legendě o Bílé paní se hadí duch promění v ženu a z lásky k obyčejnému "
    u8"muži se postaví i mocnému mnichovi. Had nikdy nejedná unáhleně a své plány neprozrazuje "
    u8"předčasně. Rozhodnutí nechává v klidu uzrát a k ničemu se nenechá dotlačit. Ve staré čínské "
    u8"soustavě hodin mu patří dopoledne mezi devátou a jedenáctou, kdy slunce hřeje, ale ještě "
    u8"nepálí. Je elegantní a rád se obklopuje krásou, nejraději starými knihami a tušovými "
    u8"obrazy. Ve společnosti se pohybuje s přirozenou grácií a jeho slova bývají uvážená, často s "
    u8"jemnou ironií. Had je nesmírně inteligentní a rád přemýšlí o filozofických otázkách, o "
    u8"smyslu života i o lidské přirozenosti. V práci spoléhá na rozmysl a přípravu, a co udělá, "
    u8"to už nebývá třeba opravovat. Peníze si k němu najdou cestu samy, a přesto s nimi zachází "
    u8"úsporně a s chladnou hlavou. Hadí rok bývá příznivý pro studium a rozvážná rozhodnutí, "
    u8"nikoli pro ukvapené sázky. Kdo chce poznat jeho opravdové myšlenky, musí mít trpělivost. Je "
    u8"zamlklý a svá tajemství si nechává pro sebe. Pokud ho někdo zradí, Had to nezapomene a umí "
    u8"být nesmiřitelný. V lásce se kolem partnera ovíjí pevně a nerad ho pouští ze sevření, a co "
    u8"dává, čeká i na oplátku. Brzdí ho ovšem sklon k podezíravosti a pohodlnosti: když nemusí, "
    u8"nerad se namáhá, a někdy si svou lenost omlouvá tím, že jen čeká na správnou chvíli. Přesto "
    u8"ho jeho moudrost málokdy zklame. Had se umí z každé zkušenosti poučit a s věkem se z něho "
    u8"stává rádce, jehož názoru si lidé váží a ke kterému se rádi vracejí.";
constexpr std::u8string_view hadPartnership =
    u8"Had si přátele pěstuje v tichosti. Buvol a Kohout mlčí o svěřených tajemstvích stejně jako "
    u8"on a Opice ho u sklenky vína pobaví; hlučné Prase ho při práci spíš rozptyluje.";
// Born: Johannes Brahms 7 May 1833, Jiří Voskovec 19 Jun 1905, Milan Kundera 1 Apr 1929,
// Vladimír Menšík 9 Oct 1929, Grace Kelly 12 Nov 1929.
constexpr std::u8string_view hadFamousPeople =
    u8"Johannes Brahms, Jiří Voskovec, Milan Kundera, Vladimír Menšík, Grace Kelly";
constexpr std::u8string_view hadCompatibility =
    u8"K Hadovi se nejlépe hodí Buvol, jehož spolehlivost a klid mu dají pocit bezpečí a jistoty. "
    u8"Dobrou volbou je i Kohout, s nímž sdílí pečlivost, vkus a ctižádost. Nejvíc napětí přináší "
    u8"vztah s Prasetem, jehož naivní otevřenost Hada znervózňuje, a také s Tygrem, který nesnese "
    u8"jeho tajnůstkářství.";
constexpr auto hadOpening =
    piece<256>("Had, opening", text(u8"HAD"), spaces(10), shortPad, shortPad, shortPad, shortPad, spaces(1),
               text(hadTraits), spaces(20), longPad, spaces(10));
constexpr auto hadPortrait =
    piece<1816>("Had, character", textSoFar, spaces(1), characterLabel, spaces(1), shortPad, shortPad,
                shortPad, shortPad, spaces(1), text(hadCharacter), spaces(1), longPad, spaces(17),
                relationsLabel, spaces(1), shortPad, shortPad, spaces(70));
constexpr auto hadRelations = piece<400>(
    "Had, relations and luck", textSoFar, text(hadPartnership), spaces(17), longPad, spaces(49),
    luckyDay(u8"pátek"), spaces(1), shortPad, shortPad, shortPad, spaces(32), luckyNumbers(u8"3, 5, 8"),
    spaces(1), shortPad, shortPad, shortPad, spaces(30), luckyCards(u8"kule (káry) , král + čísla"));
constexpr auto hadFamous =
    piece<121>("Had, famous people", textSoFar, longPad, spaces(1), shortPad, shortPad, shortPad, spaces(1),
               text(u8"Známé osobnosti ve znamení Hada:"), spaces(1), text(hadFamousPeople), spaces(1));
constexpr auto hadMatches = piece<467>("Had, compatibility", textSoFar, longPad, spaces(1), shortPad,
                                       spaces(113), text(u8"Kdo se hodí k Hadovi?"), spaces(1), shortPad,
                                       shortPad, shortPad, spaces(26), text(hadCompatibility));

// Kůň
constexpr std::u8string_view kunTraits =
    u8"Energický, Nezávislý, Veselý, Upřímný, Výmluvný, Společenský, Šarmantní, Pracovitý, "
    u8"Důvtipný, Odvážný, Dobrodružný, Sebevědomý, Štědrý, Optimistický, Netrpělivý, Prchlivý, "
    u8"Nestálý, Tvrdohlavý, Sobecký";
constexpr std::u8string_view kunCharacter =
    u8"Koně žene vpřed neklid stepního hřebce, který nesnese ohradu, a jeho rok bývá podle "
    u8"čínských kalendářů časem rychlých změn a cest, kdy se věci dávají do pohybu. Potřebuje "
    u8"prostor, pohyb a pocit, že o svém životě rozhoduje sám. Je bystrý a výmluvný a pracuje jako "
    u8"o závod, pokud ho úkol baví; stereotyp ho však dokáže udusit rychleji než jakákoliv dřina. "
    u8"Má přirozený šarm a umí zaujmout celou společnost vtipem i elánem, takže kolem sebe brzy "
    u8"shromáždí přátele. Kůň, který za den urazí tisíc li, je v čínských pořekadlech obrazem "
    u8"nadání, jež čeká na toho, kdo je rozpozná. Bez stáda je nešťastný a potřebuje mít okolo "
    u8"sebe ruch a hovor. Rád je tam, kde se něco děje, a pro nový nápad se nadchne na první "
    u8"pohled, jako by zavětřil otevřenou step. Kůň jedná impulzivně a málokdy si věc předem "
    u8"pořádně promyslí. Jeho první nadšení ovšem bývá krátkého dechu. Proto se mu stává, že "
    u8"vyrazí tryskem a před cílem mu dojdou síly. Nejlépe pracuje, když smí sám volit cestu a "
    u8"tempo; uzda a ostruhy neustálého dozoru ho naopak tíží. S penězi je Kůň šikovný, jenže je "
    u8"nerad počítá a šetřit ho moc nebaví. Nejvíc mu škodí netrpělivost a prchlivá povaha; když "
    u8"se rozzlobí, řekne víc, než chce, ale už příští den je zase vlídný a křivdy si nepamatuje. "
    u8"Výčitky ho zato splaší jako koně prásknutí biče. V citech bývá prudký, zamilovává se snadno "
    u8"a naplno, jenže potřebuje partnera, který ho nebude držet na krátké uzdě. Jakmile najde "
    u8"člověka, jenž chápe jeho touhu po svobodě, dokáže být věrným a pozorným druhem. Do "
    u8"středního věku žije Kůň rušně a často mění místo i zaměstnání, později se usadí a sklízí "
    u8"plody své energie.";
constexpr std::u8string_view kunPartnership =
    u8"Kůň snadno navazuje známosti, hluboká pouta však vytváří pomaleji. Na hory si nejraději "
    u8"vezme Tygra a Psa, kteří vydrží šlapat až na hřeben, a Koze se svěří se vším, co ho trápí. "
    u8"S Krysou, která mu v práci hlídá každý výdaj, se často hádá.";
// Born: Jimi Hendrix 27 Nov 1942, Harrison Ford 13 Jul 1942, Neil Armstrong 5 Aug 1930,
// Věra Čáslavská 3 May 1942, Rembrandt 15 Jul 1606.
constexpr std::u8string_view kunFamousPeople =
    u8"Jimi Hendrix, Harrison Ford, Neil Armstrong, Věra Čáslavská, Rembrandt";
constexpr std::u8string_view kunCompatibility =
    u8"Nejlépe se k němu hodí Tygr, Pes a Koza; s Krysou a Buvolem se cítí jako v ohradě.";
constexpr auto kunOpening = piece<1904>(
    "Kůň, opening", text(u8"KŮŇ"), spaces(20), shortPad, shortPad, shortPad, shortPad, spaces(1),
    text(kunTraits), spaces(1), longPad, spaces(1), characterLabel, spaces(1), shortPad, shortPad, shortPad,
    shortPad, spaces(1), text(kunCharacter), spaces(1), shortPad, longPad, shortPad, shortPad, shortPad,
    spaces(1), relationsLabel, spaces(1), shortPad, shortPad, shortPad, shortPad);
constexpr auto kunRelations = piece<522>(
    "Kůň, relations and luck", textSoFar, text(kunPartnership), spaces(18), longPad, spaces(99),
    luckyDay(u8"úterý"), spaces(1), shortPad, shortPad, shortPad, spaces(35), luckyNumbers(u8"3, 5, 6"),
    spaces(1), shortPad, shortPad, shortPad, spaces(31), luckyCards(u8"kule (káry), eso + čísla"));
constexpr auto kunFamous =
    piece<115>("Kůň, famous people", textSoFar, longPad, spaces(1), shortPad, shortPad, shortPad, spaces(1),
               text(u8"Známé osobnosti ve znamení Koně:"), spaces(1), text(kunFamousPeople));
constexpr auto kunMatches =
    piece<138>("Kůň, compatibility", textSoFar, longPad, spaces(1), text(u8"Kdo se hodí ke Koni?"), spaces(1),
               shortPad, shortPad, shortPad, spaces(24), text(kunCompatibility));

// Koza
constexpr std::u8string_view kozaTraits =
    u8"Citlivá, Něžná, Vlídná, Soucitná, Tvořivá, Vkusná, Mírná, Přívětivá, Tolerantní, "
    u8"Romantická, Zasněná, Obětavá, Elegantní, Poddajná, Nerozhodná, Úzkostná, Rozmazlená, "
    u8"Náladová, Nepraktická, Tvrdohlavá";
constexpr std::u8string_view kozaCharacter =
    u8"Jemnost a tvůrčí duch patří ke Koze stejně neodmyslitelně jako touha po klidu. Rok Kozy se "
    u8"v Číně pokládá za dobu smíru, kdy se daří umění, a Koza sama má citlivou duši, která vnímá "
    u8"krásu i na místech, kde by ji nikdo nehledal. Zlé slovo ji zraní víc, než by kdo čekal, "
    u8"a dlouho ho nosí v sobě. Znak pro kozu je v čínském písmu součástí znaků pro krásu i pro "
    u8"dobrotu. Radost jí vždy udělá, když může někoho obdarovat nebo potěšit. Nerozhodnost "
    u8"a obavy z toho, co bude, jí berou klid: strachuje se víc, než je nutné, a potřebuje "
    u8"vědět, že má pevné zázemí. Koza ráda žije v pohodlí a harmonii, mezi lidmi, kteří ji mají "
    u8"upřímně rádi. Tlak, spěch a přísné předpisy jí nesvědčí; nejlépe tvoří ve vlastním rytmu. "
    u8"Jako koza, která si na horské pastvině vybírá jen ty nejjemnější byliny, si i v práci "
    u8"nejraději volí úkoly, jež ji těší. Vůdčí roli však nikdy nevyhledává a raději pracuje v "
    u8"týmu, kde ji někdo podpoří. S penězi nakládá lehkomyslně, protože si ráda dopřeje hezké "
    u8"věci, a nechá se snadno přemluvit. Na dobrotu odpovídá dobrotou a křivdu nevrací. Zároveň "
    u8"dokáže být nečekaně tvrdohlavá: když se jí něco nelíbí, tiše to odmítne, trucuje nebo se "
    u8"stáhne do sebe. V lásce dává partnerovi hodně citu, ale očekává na oplátku pozornost a "
    u8"jistotu. Nejšťastnější je ve vztahu, kde se cítí bezpečně a kde její jemnost nikdo "
    u8"nezneužije.";
constexpr std::u8string_view kozaPartnership =
    u8"Koza je vlídná společnice, se kterou je lidem dobře, protože umí naslouchat a nikoho "
    u8"nesoudí. Doma pamatuje na všechny narozeniny a nikoho nenechává stranou. S Králíkem chodí "
    u8"na koncerty a do galerií a na hostinách, které pořádá Prase, se postará o prostřený stůl a "
    u8"květiny. Ke Koni si chodí pro radu, když se na ni někdo v práci oboří, protože on se nikoho "
    u8"nebojí. Buvol ji jako nadřízený ochromuje kontrolou každé čárky. Když se v kolektivu křičí, "
    u8"zmlkne a svůj názor si nechá pro sebe.";
// Born: Hana Hegerová 20 Oct 1931, Mick Jagger 26 Jul 1943.
constexpr std::u8string_view kozaFamousPeople = u8"Hana Hegerová, Mick Jagger";
constexpr std::u8string_view kozaCompatibility =
    u8"Nejvíc štěstí jí přinese Králík nebo Prase, kteří sdílejí její citlivost a smysl pro "
    u8"pohodu, a také Kůň, jehož elán ji vytrhne z nerozhodnosti. Těžko se jí žije s Buvolem, "
    u8"který ji považuje za rozmazlenou, a se Psem, jehož kritičnost ji raní.";
constexpr auto kozaOpening =
    piece<1614>("Koza, opening", text(u8"KOZA"), spaces(7), shortPad, shortPad, shortPad, shortPad, spaces(1),
                text(kozaTraits), spaces(2), longPad, spaces(1), characterLabel, spaces(1), shortPad,
                shortPad, shortPad, shortPad, spaces(1), text(kozaCharacter), spaces(2), shortPad, longPad,
                shortPad, spaces(1), relationsLabel, spaces(1), shortPad, shortPad, shortPad, shortPad);
constexpr auto kozaRelations = piece<689>(
    "Koza, relations and luck", textSoFar, text(kozaPartnership), spaces(18), longPad, spaces(39),
    luckyDay(u8"čtvrtek"), spaces(1), shortPad, shortPad, shortPad, spaces(19), luckyNumbers(u8"0, 3, 5"),
    spaces(2), shortPad, shortPad, shortPad, spaces(17), luckyCards(u8"červené (srdce), dáma + čísla"));
constexpr auto kozaFamous =
    piece<98>("Koza, famous people", textSoFar, longPad, spaces(1), shortPad, shortPad, spaces(29),
              text(u8"Známé osobnosti ve znamení Kozy:"), spaces(1), text(kozaFamousPeople), spaces(1));
constexpr auto kozaMatches = piece<337>("Koza, compatibility", textSoFar, longPad, spaces(1), shortPad,
                                        spaces(36), text(u8"Kdo se hodí ke Koze?"), spaces(1), shortPad,
                                        shortPad, shortPad, spaces(24), text(kozaCompatibility), spaces(1));

// Opice
constexpr std::u8string_view opiceTraits =
    u8"Chytrá, Vynalézavá, Důvtipná, Zvídavá, Rozpustilá, Hravá, Společenská, Pohotová, Výřečná, "
    u8"Obratná, Přizpůsobivá, Velkorysá, Ctižádostivá, Sebejistá, Vychytralá, Ješitná, "
    u8"Přelétavá, Lstivá";
constexpr std::u8string_view opiceCharacter =
    u8"Důvtip a nevyčerpatelná vynalézavost dělají z Opice mistryni improvizace. Opice má "
    u8"pohotovou mysl, skvělou paměť a talent najít východ i z uličky, kterou všichni mají za "
    u8"slepou. Učí se bleskově, zajímá ji takřka všechno a ráda se chlubí svými znalostmi. Je "
    u8"zábavná, vtipná a společenská, na každém večírku na sebe upoutá pozornost a dokáže rozesmát "
    u8"i zasmušilého člověka. Umí napodobit hlas i chůzi kohokoli a s oblibou si dělá legraci i "
    u8"sama ze sebe. Drobný nezdar ji nezastaví, protože si vždycky najde náhradní plán. Pod "
    u8"veselou maskou se ale skrývá bystrá pozorovatelka, která přesně ví, co chce, a umí toho "
    u8"dosáhnout, někdy i lstí. Opice kličkuje mezi pravidly jako mezi větvemi stromů a považuje "
    u8"je spíš za doporučení, jež lze obratně obejít. Pokud svou vychytralost nepřežene, vyjedná "
    u8"výhodný obchod i tam, odkud by jiní odešli s prázdnou. Potřebuje neustále nové podněty, "
    u8"jinak se rychle nudí a začne si hrát s lidmi. Její slabinou je jistá povrchnost a "
    u8"ješitnost: snadno se nadchne, ale nadšení brzy opadne, a porážku přijímá jen nerada. "
    u8"Ostatní ji občas považují za vypočítavou, i když ve skutečnosti jen ráda vyhrává. Na druhou "
    u8"stranu je velkorysá, ochotně pomůže a v nesnázích nepropadá panice. V lásce bývá Opice "
    u8"okouzlující a hravá, často však přelétavá; než se usadí, vystřídá více partnerů. Potřebuje "
    u8"protějšek, který ji stále něčím překvapí a stačí jejímu myšlení. S penězi umí zacházet, "
    u8"vydělává lehce a dokáže je šikovně investovat.";
constexpr std::u8string_view opicePartnership =
    u8"Opice si přátele získává snadno, protože je zábavná a štědrá. V rodině je tou, kdo vymyslí "
    u8"výlet nebo oslavu. Nejvíc legrace zažije s Krysou, se kterou si vyměňuje novinky a hraje "
    u8"karty do rána. Drakovi ráda dělá pravou ruku při velkých akcích, protože se u něj nikdy "
    u8"nenudí. S Hadem vydrží do noci mluvit o knihách a lidech. S Tygrem se v práci neshodne: "
    u8"jemu vadí její kličkování, jí zase jeho přímočarost.";
// Born: Martina Navrátilová 18 Oct 1956.
constexpr std::u8string_view opiceFamousPeople = u8"Martina Navrátilová";
constexpr std::u8string_view opiceCompatibility =
    u8"Ideálně se doplňuje s Krysou a s Drakem. Krysa sdílí její bystrost a chuť do podnikání, "
    u8"takže spolu dokážou vybudovat prosperující domácnost i firmu. Drak jí poskytne sílu a "
    u8"odvahu, ona jemu chytré nápady a diplomatický takt. Dobré spojení vytváří i s Hadem, jehož "
    u8"rozvážnost ji zklidní. Nejtěžší bývá vztah s Tygrem: oba chtějí vést a každý spor se mezi "
    u8"nimi snadno změní v souboj. Nepříliš šťastný bývá i svazek s Prasetem, které její vtipy a "
    u8"lsti často nepochopí.";
constexpr auto opiceOpening = piece<1751>(
    "Opice, opening", text(u8"OPICE"), spaces(2), shortPad, shortPad, shortPad, shortPad, spaces(16),
    text(opiceTraits), spaces(2), longPad, spaces(16), characterLabel, spaces(1), shortPad, shortPad,
    shortPad, shortPad, spaces(1), text(opiceCharacter), spaces(4), shortPad, longPad, shortPad, spaces(1),
    relationsLabel, spaces(1), shortPad, shortPad, shortPad, shortPad);
constexpr auto opiceRelations = piece<580>(
    "Opice, relations and luck", textSoFar, text(opicePartnership), spaces(17), longPad, spaces(9),
    luckyDay(u8"pondělí"), spaces(1), shortPad, shortPad, shortPad, spaces(19), luckyNumbers(u8"0, 2, 8"),
    spaces(1), shortPad, shortPad, shortPad, spaces(29), luckyCards(u8"zelené, dáma + čísla"));
constexpr auto opiceFamous =
    piece<65>("Opice, famous people", textSoFar, longPad, spaces(1), shortPad, shortPad, shortPad, spaces(1),
              text(u8"Známé osobnosti ve znamení Opice:"), spaces(1), text(opiceFamousPeople));
constexpr auto opiceMatches = piece<570>("Opice, compatibility", textSoFar, longPad, spaces(1), shortPad,
                                         spaces(46), text(u8"Kdo se hodí k Opici?"), spaces(1), shortPad,
                                         shortPad, shortPad, spaces(24), text(opiceCompatibility));

// Kohout
constexpr std::u8string_view kohoutTraits =
    u8"Upřímný, Otevřený, Odvážný, Pracovitý, Pořádný, Pečlivý, Spolehlivý, Sebevědomý, "
    u8"Elegantní, Výřečný, Věrný, Praktický, Ctižádostivý, Cílevědomý, Pyšný, Okázalý, Kritický, "
    u8"Panovačný, Výbušný, Marnivý, Vychloubačný";
constexpr std::u8string_view kohoutCharacter =
    u8"Hrdě vztyčený hřebínek prozrazuje, že se Kohout před nikým nekrčí. Mluví zpříma, bez obalu "
    u8"a bez ohledu na to, zda se to posluchačům líbí. Je pracovitý, pořádný a pečlivý do "
    u8"posledního detailu, vstává za svítání a den má předem naplánovaný. Miluje řád ve věcech i v "
    u8"myšlenkách a lajdáctví druhých ho dokáže vážně rozladit. Rád se předvádí, vybírá si "
    u8"elegantní oblečení, pečuje o svůj vzhled a na veřejnosti působí sebevědomě, až okázale. Pod "
    u8"nablýskaným peřím však často dříme nejistota a veliká touha po uznání. Pochvala ho potěší "
    u8"více, než je ochoten přiznat. Je odvážný, nebojí se konfliktu ani rizika a za své "
    u8"přesvědčení se postaví i proti většině. Kohout ohlašuje každé ráno nový den a stejně přesný "
    u8"chce být i v práci: potřebuje místo, kde se na něj lidé mohou spolehnout. Vyznamenání a "
    u8"uniformy mají pro něj veliký půvab. S penězi hospodaří rozumně, i když si občas dopřeje "
    u8"luxus, aby se pochlubil. Okolí nejvíc zkouší jeho kritičnost a sklon všechny poučovat; v "
    u8"diskusi se rád kohoutí i tam, kde by stačilo mlčet a nechat jiné domluvit. Někdy plýtvá "
    u8"silami na malichernosti a snadno se nechá rozčilit. Přesto je to věrný, spolehlivý přítel, "
    u8"který pomůže, kdykoli je toho třeba. Ve vztahu je Kohout upřímný a oddaný, city však neumí "
    u8"dávat najevo jemně a romantické gesto často nahradí praktickou péčí.";
constexpr std::u8string_view kohoutPartnership =
    u8"Kohout má rád společnost, v níž může zazářit, a přátele si vybírá podle jejich "
    u8"spolehlivosti. Nejlépe se mu pracuje s Buvolem, kterého jeho poznámky nerozhodí, a s Hadem, "
    u8"jenž ho vždy nechá domluvit. Drakovi, jehož odvahu obdivuje, rád kryje záda na poradách i "
    u8"ve sporech s vedením. V rodině vládne pevnou rukou a hlídá rozpočet; děti v něm mají "
    u8"přísného, ale spravedlivého rádce. Citlivý Králík se mu doma i v kanceláři raději vyhne, "
    u8"protože nemá rád jeho chlubení a hlučné spory.";
// Born: Steffi Graf 14 Jun 1969, Marek Eben 18 Jul 1957, Ivan Passer 10 Jul 1933.
constexpr std::u8string_view kohoutFamousPeople = u8"Steffi Graf, Marek Eben, Ivan Passer";
constexpr std::u8string_view kohoutCompatibility =
    u8"Skvěle se doplňuje s Buvolem a s Hadem. Buvol obdivuje jeho píli a přesnost, Had mu zase "
    u8"dodává klid a rozvahu, které mu v zápalu chybí. Slibné je také spojení s Drakem: oba milují "
    u8"lesk a úspěch a dokážou se navzájem inspirovat. Naopak s Králíkem, jemuž vadí Kohoutova "
    u8"přímost, vznikají časté rozpory a vzájemné výčitky. Obtížné bývá soužití se Psem a s jiným "
    u8"Kohoutem, protože se přou o každou maličkost.";
constexpr auto kohoutOpening =
    piece<1620>("Kohout, opening", text(u8"KOHOUT"), spaces(2), shortPad, shortPad, shortPad, shortPad,
                spaces(1), text(kohoutTraits), spaces(1), longPad, characterLabel, spaces(1), shortPad,
                shortPad, shortPad, shortPad, spaces(1), text(kohoutCharacter), spaces(1), shortPad, longPad,
                shortPad, spaces(21), relationsLabel, spaces(1), shortPad, shortPad, shortPad, shortPad);
constexpr auto kohoutRelations = piece<692>(
    "Kohout, relations and luck", textSoFar, text(kohoutPartnership), spaces(14), longPad, spaces(43),
    luckyDay(u8"sobota"), spaces(1), shortPad, shortPad, shortPad, spaces(19), luckyNumbers(u8"2, 4, 9"),
    spaces(1), shortPad, shortPad, shortPad, spaces(30), luckyCards(u8"žaludy (kříže), král + čísla"));
constexpr auto kohoutFamous =
    piece<84>("Kohout, famous people", textSoFar, longPad, spaces(1), shortPad, shortPad, shortPad,
              text(u8"Známé osobnosti ve znamení Kohouta:"), spaces(1), text(kohoutFamousPeople), spaces(1));
constexpr auto kohoutMatches =
    piece<476>("Kohout, compatibility", textSoFar, longPad, spaces(1), shortPad, spaces(11),
               text(u8"Kdo se hodí ke Kohoutovi?"), spaces(1), shortPad, shortPad, shortPad, spaces(21),
               text(kohoutCompatibility));

// Pes
constexpr std::u8string_view pesTraits =
    u8"Věrný, Poctivý, Spravedlivý, Spolehlivý, Upřímný, Obětavý, Nenáročný, Svědomitý, "
    u8"Vytrvalý, Nápomocný, Přátelský, Rozumný, Ostražitý, Nedůvěřivý, Úzkostlivý, Pesimistický, "
    u8"Kritický, Tvrdohlavý, Jízlivý";
constexpr std::u8string_view pesCharacter =
    u8"Pes je symbolem věrnosti, poctivosti a smyslu pro spravedlnost a jeho rok prý vrací do "
    u8"světa právo a pořádek. Je spolehlivý a upřímný, nikoho by nezradil a stojí při svých "
    u8"blízkých i v nejtěžších chvílích. Nesnáší křivdu, přetvářku a lež; jakmile vidí, že se "
    u8"někomu děje bezpráví, neváhá se ho zastat. Okázalost ani bohatství ho příliš nelákají; "
    u8"nejvíce si cení klidného a bezpečného domova, rodiny a několika skutečných přátel. Pes bývá "
    u8"zpočátku ostražitý a nedůvěřivý, k novým lidem si hledá cestu pomalu, ale komu jednou dá "
    u8"své přátelství, toho se nikdy nevzdá. Má vyvinutý smysl pro povinnost a své sliby plní, i "
    u8"když ho to stojí hodně sil. Za penězi se nežene: vydělá si právě tolik, aby jeho rodina "
    u8"netrpěla nouzí, a zbytek rád věnuje na dobrou věc. Pracuje svědomitě a jako hlídací pes je "
    u8"nejraději tam, kde střeží něco cenného pro druhé. Hlídač v něm ovšem nikdy docela nespí, "
    u8"a tak vidí hrozby i tam, kde nejsou, a trápí se věcmi, které nemůže ovlivnit. Dokáže být "
    u8"tvrdohlavý a kritický, někdy až jízlivý, zejména když se cítí ohrožený. Partnerovi je Pes "
    u8"oddaný a pozorný, ale potřebuje jistotu; zradu odpouští jen těžko. Mezi svými však roztaje "
    u8"a ukáže svůj vlídný humor.";
constexpr std::u8string_view pesPartnership =
    u8"Pes je všude oblíbený, protože za ním lze zajít s čímkoli. Nemocného kamaráda navštíví, "
    u8"sousedům pohlídá byt a o stárnoucí rodiče se stará s velkou trpělivostí. Nejvěrnějším "
    u8"přítelem mu bývá Tygr, se kterým chodí hrát fotbal a kterému poradí, když se do něčeho "
    u8"unáhleně pustí. Blízko má i ke Koni: když se pohádají, do večera se usmíří. Králík je mu "
    u8"milým sousedem i kolegou: Pes mu přes léto zalévá zahradu a Králík ho za to pozve na kávu a "
    u8"na chvíli ho odvede od starostí. Drakovým velkým slibům nedůvěřuje, a má-li ho za "
    u8"nadřízeného, jsou mezi nimi spory o to, co je poctivé. V práci je svědomím týmu a zastane "
    u8"se slabšího.";
// Born: Emil Zátopek 19 Sep 1922, Hana Zagorová 6 Sep 1946, Michael Jackson 29 Aug 1958,
// Winston Churchill 30 Nov 1874.
constexpr std::u8string_view pesFamousPeople =
    u8"Emil Zátopek, Hana Zagorová, Michael Jackson, Winston Churchill";
constexpr std::u8string_view pesCompatibility =
    u8"Tygr, Kůň a Králík jsou pro něj nejlepší volbou. S Tygrem ho spojuje idealismus a odvaha, "
    u8"Kůň ho nakazí svým nezdolným optimismem a s Králíkem vytváří klidný a harmonický domov. "
    u8"Vhodným partnerem bývá i Prase, které je stejně upřímné a věrné a nehoní se za majetkem. S "
    u8"Drakem si Pes nerozumí, protože jej odpuzuje jeho okázalá touha po moci. Složitý bývá i "
    u8"vztah s Kohoutem, jenž ho neustále kritizuje, a s náladovou Kozou.";
constexpr auto pesOpening =
    piece<1538>("Pes, opening", text(u8"PES"), spaces(4), shortPad, shortPad, shortPad, shortPad, spaces(1),
                text(pesTraits), spaces(2), longPad, spaces(10), characterLabel, spaces(1), shortPad,
                shortPad, shortPad, shortPad, spaces(1), text(pesCharacter), spaces(1), shortPad, longPad,
                shortPad, spaces(69), relationsLabel, spaces(1), shortPad, shortPad, shortPad, shortPad);
constexpr auto pesRelations = piece<922>(
    "Pes, relations and luck", textSoFar, text(pesPartnership), spaces(133), longPad, spaces(10),
    luckyDay(u8"pondělí"), spaces(1), shortPad, shortPad, shortPad, spaces(19), luckyNumbers(u8"3, 5, 7"),
    spaces(1), shortPad, shortPad, shortPad, spaces(29), luckyCards(u8"žaludy (kříže), eso + čísla"));
constexpr auto pesFamous =
    piece<107>("Pes, famous people", textSoFar, longPad, spaces(1), shortPad, shortPad, shortPad,
               text(u8"Známé osobnosti ve znamení Psa:"), spaces(1), text(pesFamousPeople), spaces(1));
constexpr auto pesMatches =
    piece<500>("Pes, compatibility", textSoFar, longPad, spaces(20), text(u8"Kdo se hodí ke Psovi?"),
               spaces(2), shortPad, shortPad, shortPad, spaces(24), text(pesCompatibility));

// Prase
constexpr std::u8string_view praseTraits =
    u8"Štědré, Laskavé, Čestné, Upřímné, Dobrosrdečné, Pohostinné, Tolerantní, Mírumilovné, "
    u8"Pracovité, Vytrvalé, Obětavé, Spolehlivé, Veselé, Smyslné, Vášnivé, Důvěřivé, "
    u8"Prostoduché, Požitkářské, Nestřídmé, Lehkověrné, Paličaté";
constexpr std::u8string_view praseCharacterStart =
    u8"Laskavost a štědrost zdobí Prase víc než kterékoli jiné znamení. Prase má zlaté srdce, "
    u8"dobrou duši a vzácnou schopnost užívat si života a těšit se z maličkostí. Věří v lidskou "
    u8"dobrotu, nikomu nic nezávidí a ochotně se rozdělí o to, co má, ať už jde o peníze, čas, "
    u8"nebo střechu nad hlavou.";
constexpr std::u8string_view praseCharacterEnd =
    u8"Čínské písmo spojuje prase s dostatkem: znak pro domov se píše jako prase pod střechou. "
    u8"Prase má rádo společnost přátel, a proto jeho dveře bývají vždy otevřené hostům. Vypadá "
    u8"pohodlně, do práce se však opře s vytrvalostí, jakou nikdo nečekal. Nesnáší spory a "
    u8"intriky; hádky raději urovná smířlivým slovem, než aby přilévalo olej do ohně. Rádo se "
    u8"zasměje a jeho dobrá nálada je nakažlivá. Ve zlých časech neztrácí naději a umí utěšit i "
    u8"ty, kdo ji ztratili. Rádo vymýšlí dárky pro ostatní a každý vybírá dlouho a s láskou. "
    u8"Odpočívat umí bez výčitek. Vzdělání si cení, ale neholduje suché teorii; raději se učí z "
    u8"praxe. Úskalím Prasete je přílišná důvěřivost. Prase snadno uvěří sladkým slibům a "
    u8"vychytralejší lidé toho dokážou zneužít. Často také podléhá pokušení a neumí si odepřít "
    u8"radosti, zvlášť ty, které stojí peníze. Jako poslední zvíře kruhu je Prase tím, kdo sklízí, "
    u8"a práce ho proto nejvíc těší, když z ní mají radost i druzí. Díky své poctivosti a "
    u8"pracovitosti k němu peníze spolehlivě přicházejí a ve zralém věku bývá často zámožné. "
    u8"Kritiku snáší dobře. Pokud ho však někdo opakovaně podvede, dokáže se nečekaně rázně "
    u8"bránit. Své lásce dává Prase všechno, je vřelé a touží po stejně upřímném citu. Rodinu "
    u8"miluje nade vše a pro blízké by se rozdalo.";
constexpr std::u8string_view prasePartnership =
    u8"Prase je vítaným hostem každé společnosti. S Kozou a Králíkem rádo vaří a pořádá zahradní "
    u8"slavnosti, s Tygrem jezdí na ryby a v práci ho ochotně zastoupí. S Hadem si nerozumí: Prase "
    u8"se do všeho pouští hned, kdežto Had rád vyčkává.";
// Born: Alois Jirásek 23 Aug 1851, Thomas Mann 6 Jun 1875, Josef Lada 17 Dec 1887,
// Jan Saudek 13 May 1935, Helena Vondráčková 24 Jun 1947.
constexpr std::u8string_view praseFamousPeople =
    u8"Alois Jirásek, Thomas Mann, Josef Lada, Jan Saudek, Helena Vondráčková";
constexpr std::u8string_view praseCompatibility =
    u8"Králík, Koza a Tygr mu slibují šťastný svazek. Králík s ním sdílí lásku k pohodlí a "
    u8"klidnému rodinnému životu, Koza ocení jeho štědrost a něhu a Tygr mu dodává rozhodnost i "
    u8"ochranu. Dobře si rozumí rovněž se Psem, protože si oba cení poctivosti a věrnosti víc než "
    u8"bohatství. Méně vhodný bývá Had, jehož tajnůstkářství a chladná vypočítavost Prase "
    u8"znejisťují; jejich povahy stojí v čínském zvěrokruhu přímo proti sobě. Opatrnost je na "
    u8"místě i u Opice, která by mohla zneužít jeho důvěřivosti.";
constexpr auto praseOpening =
    piece<685>("Prase, opening", text(u8"PRASE"), spaces(2), shortPad, shortPad, shortPad, shortPad,
               spaces(1), text(praseTraits), spaces(2), longPad, spaces(132), characterLabel, spaces(1),
               shortPad, shortPad, shortPad, shortPad, spaces(1), text(praseCharacterStart));
constexpr auto praseCharacterRest = piece<1312>(
    "Prase, rest of the character", textSoFar, spaces(1), text(praseCharacterEnd), spaces(1), shortPad,
    longPad, spaces(20), relationsLabel, spaces(1), shortPad, shortPad, shortPad, shortPad);
constexpr auto praseRelations = piece<508>(
    "Prase, relations and luck", textSoFar, text(prasePartnership), spaces(15), longPad, spaces(117),
    luckyDay(u8"čtvrtek"), spaces(1), shortPad, shortPad, shortPad, spaces(19), luckyNumbers(u8"3, 4, 5"),
    spaces(1), shortPad, shortPad, shortPad, spaces(30), luckyCards(u8"zelené, eso + čísla"));
constexpr auto praseFamous =
    piece<119>("Prase, famous people", textSoFar, longPad, spaces(1), shortPad, shortPad, shortPad, spaces(1),
               text(u8"Známé osobnosti ve znamení Prasete:"), spaces(1), text(praseFamousPeople), spaces(1));
constexpr auto praseMatches = piece<675>("Prase, compatibility", textSoFar, longPad, spaces(1), shortPad,
                                         spaces(123), text(u8"Kdo se hodí k Praseti?"), spaces(2), shortPad,
                                         shortPad, shortPad, spaces(24), text(praseCompatibility));

constexpr PadLengths chinesePads{.shortPad = chineseShortPadLength, .longPad = chineseLongPadLength};

// By sign number.
constexpr std::string_view chineseTexts[chineseSignCount] = {
    finishedText<4645, chinesePads, krysaOpening, krysaRelations, krysaFamous, krysaMatches>.view(),  // Krysa
    finishedText<4815, chinesePads, buvolOpening, buvolRelations, buvolFamous, buvolMatches>.view(),  // Buvol
    finishedText<4734, chinesePads, tygrOpening, tygrRelations, tygrFamous, tygrMatches>.view(),  // Tygr
    finishedText<1426, chinesePads, kralikOpening, kralikFamous, kralikMatches>.view(),  // Králík
    finishedText<5409, chinesePads, drakOpening, drakRelations, drakFamous, drakMatches>.view(),  // Drak
    finishedText<4689, chinesePads, hadOpening, hadPortrait, hadRelations, hadFamous, hadMatches>.view(),  // Had
    finishedText<4480, chinesePads, kunOpening, kunRelations, kunFamous, kunMatches>.view(),  // Kůň
    finishedText<4471, chinesePads, kozaOpening, kozaRelations, kozaFamous, kozaMatches>.view(),  // Koza
    finishedText<4733, chinesePads, opiceOpening, opiceRelations, opiceFamous, opiceMatches>.view(),  // Opice
    finishedText<4639, chinesePads, kohoutOpening, kohoutRelations, kohoutFamous, kohoutMatches>.view(),  // Kohout
    finishedText<4800, chinesePads, pesOpening, pesRelations, pesFamous, pesMatches>.view(),  // Pes
    finishedText<5030, chinesePads, praseOpening, praseCharacterRest, praseRelations, praseFamous, praseMatches>.view(),  // Prase
};

}  // namespace

std::string_view chineseText(BirthDate date) {
  const int sign = findChineseSign(date.year);
  return sign < 0 ? chineseYearOutOfRangeMessage.view() : chineseTexts[sign];
}

}  // namespace kalmira
