// The Egyptian gods: each sign's text is one piece, the god's name over a Czech paragraph on the
// god and on the people born in the god's time, closing with the two European signs that time
// overlaps.
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

constexpr SignIndex egyptianSignIndex = indexByMonth(egyptianSignConditions);
static_assert(agreesWithLookup(egyptianSignIndex, egyptianSignConditions));

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
                text(u8"Amon-Ra byl pro staré Egypťany nejvyšším z bohů, pánem plodnosti a "
                     u8"stvořitelem veškerého života. Spojoval v sobě skrytou sílu Amona s jasem "
                     u8"slunečního boha Ra, a proto se mu klaněli faraoni i prostí rolníci, "
                     u8"kteří od něj čekali dobrou úrodu a zdravé potomstvo. Jeho chrámy patřily "
                     u8"k největším v zemi a kněží, kteří v nich sloužili, měli mnohdy větší "
                     u8"vliv než královští úředníci. Lidé narození v tomto znamení mají v sobě "
                     u8"něco z jeho vznešenosti. Jsou sebevědomí, klidní a přirozeně "
                     u8"autoritativní, takže se k nim ostatní obracejí, když je potřeba "
                     u8"rozhodnout. Nevyvyšují se však hlučně; jejich síla spočívá spíš v "
                     u8"trpělivosti a v pevném přesvědčení, že každá věc má svůj čas. Mají "
                     u8"vrozený smysl pro spravedlnost a umějí se postavit za slabší, i když je "
                     u8"to stojí pohodlí. V práci bývají vytrvalí a spolehliví, dokážou vést "
                     u8"druhé a rozdělit úkoly tak, aby každý dělal to, v čem vyniká. S penězi "
                     u8"zacházejí rozvážně a zbytečně neutrácejí. Chybou je jejich tvrdohlavost: "
                     u8"jakmile si něco usmyslí, jen těžko připustí, že by se mohli mýlit. V "
                     u8"citech jsou věrní a štědří, domov pro ně znamená pevnou půdu pod nohama "
                     u8"a rodině rádi dopřejí pohodlí. Potřebují ale partnera, který je bude "
                     u8"respektovat a nebude se je snažit ovládat. Nejlépe se jim daří tam, kde "
                     u8"mohou tvořit něco trvalého, ať jde o podnik, dům, nebo zahradu. Zdraví "
                     u8"mají obvykle pevné, měli by však dbát na srdce a nepřepínat síly. "),
                text(u8"V západní astrologii znamení Amon-Ra koresponduje s Vodnářem a Rybami."));

// Mut
constexpr auto mut =
    piece<1428>("Mut", heading(1), spaces(36), pad,
                text(u8"Mut byla manželkou mocného Amona a Egypťané ji uctívali jako nebeskou "
                     u8"matku, královnu bohů a ochránkyni panovnického rodu. Už její jméno "
                     u8"znamenalo v egyptštině prostě matka. Zobrazovali ji jako ženu s korunou "
                     u8"obou zemí na hlavě, někdy i s roztaženými křídly supa, jimiž laskavě "
                     u8"zastiňuje všechno, co jí bylo svěřeno. V Thébách spolu s manželem a "
                     u8"jejich synem, bohem Měsíce, tvořila božskou trojici. Ti, kdo se narodili "
                     u8"v jejím znamení, bývají citliví, pozorní a vlídní. Nejraději se starají "
                     u8"o druhé a jejich domov je místem, kam se přátelé rádi vracejí pro radu i "
                     u8"pro útěchu. Mají silnou intuici, často vycítí náladu člověka dřív, než "
                     u8"promluví, a umějí najít slova, která uklidní. Přesto nejsou slabí: když "
                     u8"jde o blízké, dokážou být nesmlouvaví a statečně je bránit. Mají vkus a "
                     u8"cit pro krásu a rádi zdobí své okolí drobnostmi s vlastním příběhem. V "
                     u8"zaměstnání se nejlépe uplatní tam, kde je třeba trpělivosti a citu, "
                     u8"třeba ve školství, zdravotnictví nebo v umění. Peníze pro ně nejsou "
                     u8"cílem, ale jen prostředkem, jak zajistit rodině klid a bezpečí. Často se "
                     u8"obětují příliš a zapomínají na vlastní potřeby, z čehož pramení únava a "
                     u8"tichá výčitka. V lásce hledají jistotu a oddanost, na nevěru nebo "
                     u8"lhostejnost reagují bolestně a dlouho ji nosí v sobě. Prospěje jim, když "
                     u8"se naučí říkat ne a dopřejí si chvíle jen pro sebe. "),
                text(u8"V západní astrologii znamení Mut koresponduje s Rybami a Beranem."));

// Isis
constexpr auto isis =
    piece<1619>("Isis", heading(2), spaces(37), pad,
                text(u8"Isis patřila k nejmilovanějším bohyním Egypta. Byla dárkyní i ochránkyní "
                     u8"života, věrnou manželkou Osirida a matkou Hora. Vyprávělo se, že když "
                     u8"jejího muže zabil žárlivý Seth, procestovala celou zemi, posbírala jeho "
                     u8"rozmetané tělo a svou láskou a kouzly mu vrátila život. Od té doby se k "
                     u8"ní modlily matky, nemocní i všichni, kdo potřebovali ochranu. Uctívali "
                     u8"ji i daleko za hranicemi Egypta, v Řecku a později v celé římské říši. "
                     u8"Stejnou vytrvalost a vnitřní sílu mají i lidé, nad nimiž bohyně drží "
                     u8"ochrannou ruku. Jsou energičtí, odvážní a nevzdávají se, ani když se "
                     u8"okolnosti obrátí proti nim. Pro ty, které milují, udělají téměř cokoli, "
                     u8"a jejich věrnost nebývá jen slovem, ale činem. Mají bystrý rozum a "
                     u8"praktickou povahu, takže dokážou rychle najít řešení tam, kde jiní "
                     u8"bezradně rozhazují rukama. Nebojí se převzít zodpovědnost a často se z "
                     u8"nich stávají opory rodiny i pracovního kolektivu. Nečinnost a prázdné "
                     u8"řeči je unaví. Zároveň jsou to lidé upřímní a přímí, kteří neradi chodí "
                     u8"kolem horké kaše; jejich otevřenost ale někdy působí ostře a může "
                     u8"zranit. Rádi poznávají nové kraje a zážitky, ale vždycky se s radostí "
                     u8"vracejí domů. Jako partneři jsou vášniví a romantičtí a přejí si někoho, "
                     u8"kdo ocení jejich péči a oplatí ji stejnou oddaností. Hodí se jim "
                     u8"povolání, v nichž mohou pomáhat a léčit, ale uspějí i jako organizátoři "
                     u8"a podnikatelé. Pozor by si měli dávat na přepracování, protože mají "
                     u8"sklon nést na svých bedrech víc, než unesou. Odpočinek jim dává příroda, "
                     u8"zahrada a tiché večery s nejbližšími. "),
                text(u8"V západní astrologii znamení Isis koresponduje s Beranem a Býkem."));

// Horus
constexpr auto horus =
    piece<1536>("Horus", heading(3), spaces(36), pad,
                text(u8"Horus, syn Isis a Osirida, byl zobrazován s hlavou sokola a jeho oči prý "
                     u8"představovaly Slunce a Měsíc. Jako mladý bůh pomstil otcovu smrt, v "
                     u8"dlouhém zápasu přemohl svého strýce, vládce pouště, a získal trůn "
                     u8"Egypta, a proto se faraoni pokládali za jeho pozemské vtělení. Jeho levé "
                     u8"oko, poraněné v boji a znovu uzdravené moudrým Tothem, se stalo "
                     u8"oblíbeným amuletem, který měl nositele chránit před zlem a nemocí. Jeho "
                     u8"chráněnci jsou odvážní, ctižádostiví a mají v sobě vůdčí sílu. Rádi se "
                     u8"dívají na svět z výšky, vidí souvislosti, které ostatním unikají, a "
                     u8"umějí si stanovit daleké cíle. Když se pro něco rozhodnou, jdou za tím s "
                     u8"vytrvalostí a nenechají se snadno odradit. Příležitost dokážou "
                     u8"postřehnout a chopit se jí ve správnou chvíli, podobně jako sokol, který "
                     u8"se z oblohy vrhá na kořist. Vyznačují se smyslem pro čest a povinnost; "
                     u8"dané slovo pro ně má váhu smlouvy a totéž očekávají i od druhých. "
                     u8"Dokážou být velkorysí a ochraňovat slabší, ale neodpouštějí zradu a na "
                     u8"křivdu jen tak nezapomenou. Ve společnosti působí sebejistě, někdy až "
                     u8"povýšeně, a bývají přesvědčeni, že jejich cesta je ta jediná správná. V "
                     u8"práci jim vyhovují vedoucí místa a obory, kde se uplatní rozhled a "
                     u8"rozhodnost. Peníze umějí nejen vydělat, ale i rozumně spravovat. Ve "
                     u8"vztazích jsou stálí a ochranitelští, ocení však jen toho, kdo obdivuje "
                     u8"jejich sny a nechá jim prostor. Ještě se potřebují naučit naslouchat a "
                     u8"uznat, že i jiní mohou mít pravdu. "),
                text(u8"V západní astrologii znamení Horus koresponduje s Býkem a Blíženci."));

// Geb
constexpr auto geb =
    piece<1368>("Geb", heading(4), spaces(38), pad,
                text(u8"Geb byl egyptským bohem země, na jehož zádech rostlo obilí a z jehož "
                     u8"těla vyvěraly prameny. Staral se o plodnost polí a o bohatou sklizeň a "
                     u8"jeho péče o všechno živé byla tak něžná, že ho lidé uctívali i jako "
                     u8"strážce mateřství. Jeho manželkou byla bohyně nebe, která se nad ním "
                     u8"klenula, a jejich dětmi byli Osiris, Isis a Seth. Když se země otřásala, "
                     u8"Egypťané říkali, že se Geb směje. Lidé tohoto znamení jsou pevně spojeni "
                     u8"se zemí a s praktickým životem. Jsou spolehliví, pracovití a trpěliví, "
                     u8"nepotřebují velká gesta a nejvíc si cení toho, co vzniklo poctivou "
                     u8"prací. Mají rádi jistotu, pořádek a pohodlný domov, v němž je vždycky "
                     u8"dost jídla pro nečekané hosty. Mají blízko k přírodě, rádi pracují na "
                     u8"zahradě či chodí do lesa a dokážou ocenit chuť čerstvého chleba nebo "
                     u8"vůni posečené trávy. Přestože působí klidně, dokážou být bystří a "
                     u8"vynalézaví, zvláště když musí vyřešit praktický problém. Rychle se učí a "
                     u8"rádi si s lidmi povídají, takže mají mnoho přátel. V práci se jim daří v "
                     u8"zemědělství, stavebnictví, obchodě nebo v oborech, kde mohou něco "
                     u8"pěstovat a rozmnožovat. Jako manželé a rodiče jsou věrní, něžní a "
                     u8"starostliví, z rodiny si dělají středobod světa. Škodí jim paličatost a "
                     u8"někdy přílišná opatrnost, kvůli níž občas promeškají příležitost ke "
                     u8"změně. "),
                text(u8"V západní astrologii znamení Geb koresponduje s Blíženci a Raky."));

// Sechmet
constexpr auto sechmet =
    piece<1429>("Sechmet", heading(5), spaces(36), pad,
                text(u8"Sechmet byla bohyně s hlavou lvice, strážkyně řádu a spravedlnosti. Její "
                     u8"jméno znamená Mocná a z jejího žhavého dechu prý vznikla poušť. Podle "
                     u8"mýtů ji sluneční bůh vyslal potrestat lidi, kteří se proti němu "
                     u8"vzbouřili, a její hněv byl tak strašlivý, že ji bohové museli lstí "
                     u8"zkrotit. Zároveň však uměla nemoci seslat i léčit a její kněží patřili k "
                     u8"nejváženějším lékařům země. Faraoni ji pokládali za svou ochránkyni v "
                     u8"bitvách a věřili, že kráčí před jejich vojskem. V jejím znamení se rodí "
                     u8"lidé se silnou vůlí a výrazným smyslem pro spravedlnost. Nesnášejí lež, "
                     u8"nepořádek a zneužívání moci a nebojí se ozvat, i když by bylo "
                     u8"pohodlnější mlčet. Jsou disciplinovaní, pracovití a od sebe chtějí "
                     u8"stejně mnoho jako od ostatních. Ve vedoucí roli se cítí jako doma a "
                     u8"dokážou udržet řád i v nepřehledné chvíli. Pod tvrdou slupkou se ale "
                     u8"skrývá citlivé srdce, které se snadno zraní, když jim někdo nevěří nebo "
                     u8"je zradí. Nejsou zvyklí prosit o pomoc a přijmout ji je pro ně těžší než "
                     u8"ji nabídnout. Jejich hněv je rychlý a prudký, naštěstí však stejně "
                     u8"rychle vyprchává. Milují vášnivě a oddaně a hodí se k nim jen ten, kdo "
                     u8"ocení jejich upřímnost a nezalekne se jejich síly. Uplatní se jako "
                     u8"soudci, lékaři, vojáci nebo manažeři. Zátěž snášejí lépe než většina "
                     u8"lidí, měli by si však hlídat krevní tlak a dopřát si dostatek odpočinku. "),
                text(u8"V západní astrologii znamení Sechmet koresponduje s Rakem a Lvem."));

// Toth
constexpr auto toth =
    piece<1699>("Toth", heading(6), spaces(39), pad,
                text(u8"Toth byl bůh moudrosti, zobrazovaný s hlavou ibise, někdy také v podobě "
                     u8"paviána. Podle egyptských mýtů vynalezl písmo, počty a kalendář, a proto "
                     u8"byl patronem písařů, učenců a lékařů. Zapisoval výsledek soudu nad "
                     u8"zemřelými, počítal čas podle Měsíce a znal tajemství, která zůstávala "
                     u8"skryta i ostatním bohům. Byl také prostředníkem mezi bohy, smiřoval "
                     u8"jejich spory a radil jim v těžkých chvílích. Jeho svěřenci jsou zvídaví, "
                     u8"inteligentní a touží po poznání. Rádi čtou, studují a debatují, a když "
                     u8"je něco zaujme, dokážou se do toho ponořit na celé hodiny. Často je baví "
                     u8"cizí jazyky, hádanky, šachy nebo staré knihy a jejich knihovna se rychle "
                     u8"rozrůstá. Cestují rádi, ale za poznáním, ne za odpočinkem. Rozhodují se "
                     u8"pomalu, zato rozvážně. Mají výbornou paměť, smysl pro detail a schopnost "
                     u8"vysvětlit složité věci srozumitelně, takže z nich bývají dobří učitelé, "
                     u8"vědci, novináři i lékaři. Jsou pečliví a důslední, co slíbí, to splní, a "
                     u8"v práci nesnášejí povrchnost. Jejich skromnost je někdy až přehnaná, "
                     u8"protože své schopnosti podceňují a nechávají vyniknout hlasitější "
                     u8"kolegy. Ve společnosti bývají spíš pozorovateli než středem pozornosti, "
                     u8"ale když promluví, ostatní naslouchají. V lásce jsou zdrženliví, "
                     u8"potřebují čas, než se otevřou, a hledají partnera, se kterým si budou "
                     u8"rozumět nejen citově, ale také duchovně. Slib berou vážně a věrnost pro "
                     u8"ně znamená samozřejmost. Jejich slabinou je sklon k přílišné kritičnosti "
                     u8"a k trápení se drobnostmi, které nikdo jiný nevidí. Měli by pamatovat, "
                     u8"že dokonalost je cíl, k němuž se lze jen přibližovat, a dopřávat si "
                     u8"radost z toho, co se už podařilo. "),
                text(u8"V západní astrologii znamení Toth koresponduje se Lvem a Pannou."));

// Seth
constexpr auto seth =
    piece<1528>("Seth", heading(7), spaces(39), pad,
                text(u8"Seth byl bůh války, bouře a pouště, vládce neúrodných písků a "
                     u8"nezkrotných živlů. Egypťané ho zobrazovali jako podivné zvíře s dlouhým "
                     u8"zahnutým čenichem a vztyčenýma ušima. Jeho barvou byla rudá jako "
                     u8"vyprahlá poušť a zasvěceni mu byli osel, krokodýl a hroch. Zabil svého "
                     u8"bratra Osirida a dlouho zápasil s Horem o trůn, ale zároveň každou noc "
                     u8"chránil sluneční loďku před obrovským hadem, a byl tedy nejen ničitelem, "
                     u8"ale i mocným obráncem. V lidech tohoto znamení je hodně energie a "
                     u8"nepokoje. Neradi dlouho sedí na jednom místě. Jsou odvážní, soutěživí a "
                     u8"rádi se pouštějí do riskantních dobrodružství, které by jiní raději "
                     u8"obešli. Nudu snášejí hůř než nebezpečí a potřebují mít nějaký cíl, za "
                     u8"kterým se mohou hnát. Neradi se podřizují pravidlům, pokud jim nedávají "
                     u8"smysl, a nebojí se vzepřít autoritám. Jejich myšlení je rychlé a bystré, "
                     u8"umějí se rozhodnout v okamžiku a v krizových chvílích zůstávají nečekaně "
                     u8"klidní. Ve společnosti jsou výrazní a charismatičtí, často jsou ale také "
                     u8"netrpěliví a náladoví. Když se rozzlobí, dokážou být prudcí jako písečná "
                     u8"bouře, jejich hněv však rychle odezní. K přátelům jsou loajální a v "
                     u8"nouzi jim pomohou bez dlouhého otálení. Jejich láska bývá vášnivá i "
                     u8"žárlivá a sluší jim protějšek, který bude rovnocenný a nenechá se "
                     u8"zastrašit. Najdou se v roli sportovců, záchranářů, cestovatelů nebo "
                     u8"podnikatelů. Učit se potřebují trpělivosti a pochopit, že síla se "
                     u8"ukazuje i v umění ustoupit. "),
                text(u8"V západní astrologii znamení Seth koresponduje s Pannou a Váhami."));

// Osiris
constexpr auto osiris =
    piece<1410>("Osiris", heading(8), spaces(38), pad,
                text(u8"Osiris byl vládcem podsvětí a soudcem mrtvých, ale také bohem obnovy a "
                     u8"znovuzrození. Zobrazovali ho se zelenou nebo černou pletí, s vysokou "
                     u8"korunou na hlavě, se žezlem a důtkami v rukou. Podle legendy naučil lidi "
                     u8"obdělávat půdu, pěstovat vinnou révu a žít podle zákonů. Byl zavražděn "
                     u8"bratrem, ale díky lásce své ženy opět povstal a stal se symbolem života, "
                     u8"který se stále obnovuje. Jeho zásluhou se podle víry Egypťanů každoročně "
                     u8"rozvodňoval Nil a na polích znovu klíčilo obilí. Ti, jimž vládne jeho "
                     u8"znamení, mají dvojí tvář: umějí být silní a rozhodní, ale zároveň "
                     u8"zranitelní a hluboce citliví. Nevzdávají se, když je postihne nezdar, a "
                     u8"po každém pádu se dokážou zvednout silnější. Jsou spravedliví a mají "
                     u8"přirozenou autoritu, takže se na ně druzí obracejí, aby rozsoudili spor. "
                     u8"Ctižádost jim nechybí, ale nejsou bezohlední; svých cílů chtějí "
                     u8"dosáhnout čestně. Přitahují je otázky života a smrti, zajímá je minulost "
                     u8"a rádi pátrají po kořenech vlastního rodu. V práci vynikají vytrvalostí "
                     u8"a schopností dotáhnout věci do konce. Povrchní rozhovory je nudí. Přátel "
                     u8"mají málo, zato na celý život. Hospodaří obezřetně a myslí na budoucnost "
                     u8"dětí. Citově jsou oddaní a vášniví, potřebují však cítit, že jim partner "
                     u8"důvěřuje. Mají sklon k samotářství a starosti nosí v sobě, místo aby o "
                     u8"nich hovořili. "),
                text(u8"V západní astrologii znamení Osiris koresponduje se Štírem a Střelcem."));

// Anubis
constexpr auto anubis =
    piece<1305>("Anubis", heading(9), spaces(38), pad,
                text(u8"Anubis byl bůh s hlavou černého psa, ochránce hrobek a pán balzamování. "
                     u8"Jeho posvátným zvířetem byl šakal, který se toulal kolem pohřebišť na "
                     u8"okraji pouště. Černá barva nepřipomínala smrt, ale úrodné bahno Nilu, a "
                     u8"byla tedy příslibem nového života. Staral se o to, aby těla zemřelých "
                     u8"byla řádně připravena na věčnost, a provázel duše na cestě do podsvětí, "
                     u8"kde vážil jejich srdce proti péru pravdy. Kněží, kteří balzamovali těla, "
                     u8"si při obřadech nasazovali jeho masku. Lidé, nad nimiž bdí Anubis, jsou "
                     u8"zamyšlení, vnímaví a mají sklon hledat skrytý smysl věcí. Bývají tiší a "
                     u8"rádi tráví čas o samotě, ve společnosti cizích lidí se zpočátku drží "
                     u8"stranou. Přesto mají dost odvahy a nebojí se otázek, kterým se ostatní "
                     u8"vyhýbají. Jejich intuice je silná a často je dovede přesně tam, kam "
                     u8"rozum ještě nedohlédne. Umějí uchovat tajemství, a proto se jim lidé "
                     u8"svěřují s tím, co by jinak neřekli nikomu. Jsou důkladní, pečliví a "
                     u8"spolehliví, práci nikdy neodbudou. Dokážou být výbornými psychology, "
                     u8"lékaři, vědci nebo badateli. Své city dávají najevo opatrně, ačkoli jsou "
                     u8"hluboce oddaní, a nejlépe jim bude s někým, kdo je pochopí bez "
                     u8"zbytečných slov. Slabinou bývá sklon k melancholii a nedůvěře. "),
                text(u8"V západní astrologii znamení Anubis koresponduje se Střelcem a "
                     u8"Kozorohem."));

// Hathor
constexpr auto hathor =
    piece<1505>("Hathor", heading(10), spaces(38), pad,
                text(u8"Hathor byla bohyně lásky, radosti, hudby a tance, zobrazovaná jako kráva "
                     u8"nebo jako žena s kravskými rohy, mezi nimiž nosila sluneční kotouč. "
                     u8"Pokládali ji za nebeskou kojnou, která živí svět svým mlékem, a její "
                     u8"svátky patřily k nejveselejším v roce. Byla také ochránkyní žen, matek a "
                     u8"novorozenců a věřilo se, že ke každému narozenému dítěti přichází v "
                     u8"podobě sedmi sudiček, které mu předpovídají osud. Lidé zrození pod jejím "
                     u8"znamením jsou vřelí, přátelští a mají dar rozdávat kolem sebe dobrou "
                     u8"náladu. Milují krásu ve všech podobách, od umění a hudby po dobré jídlo "
                     u8"a pěkně zařízený domov. Rádi se smějí, umějí oslavit i drobný úspěch a "
                     u8"jejich domácnost bývá plná hudby a květin. Jsou společenští a rádi se "
                     u8"obklopují lidmi, přitom ale umějí naslouchat a ke svým přátelům se "
                     u8"chovají velkoryse. Mají smysl pro harmonii, takže se často stávají "
                     u8"smírčími soudci, když se v rodině nebo v práci objeví spor. Přesto "
                     u8"nejsou povrchní; pod veselou tváří se skrývá silná vůle a schopnost "
                     u8"vytrvat. V lásce jsou něžní, věrní a romantičtí, partnera rádi "
                     u8"rozmazlují a touží po stálém, klidném vztahu. Slabou stránkou bývá "
                     u8"záliba v požitcích a odkládání nepříjemných povinností na později. "
                     u8"Peníze jim snadno proklouzávají mezi prsty, protože neodolají hezkým "
                     u8"věcem. Někdy také až příliš dbají na to, co řeknou druzí. Nejlépe se "
                     u8"cítí v povoláních spojených s uměním, módou, péčí o lidi nebo "
                     u8"pohostinstvím. "),
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
  return signText(egyptianSignIndex.find(date.month, date.day), egyptianTexts);
}

}  // namespace kalmira
