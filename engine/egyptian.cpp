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
                text(u8"Amon-Ra byl pro staré Egypťany nejvyšším bohem, pánem plodnosti a "
                     u8"stvořitelem veškerého života. Spojoval v sobě skrytou sílu Amona s jasem "
                     u8"slunečního boha Ra, a proto se mu klaněli faraoni i prostí rolníci, "
                     u8"kteří od něj čekali dobrou úrodu a zdravé potomstvo. Jeho chrámy patřily "
                     u8"k největším v zemi a kněží, kteří v nich sloužili, měli mnohdy větší "
                     u8"vliv než královští úředníci. Lidé jeho znamení mají v sobě něco z božské "
                     u8"vznešenosti. Jsou sebevědomí, klidní a přirozeně autoritativní, takže se "
                     u8"k nim ostatní obracejí, když je třeba rozhodnout. Nepotřebují se však "
                     u8"vytahovat; jejich síla spočívá spíše v trpělivosti a v pevném "
                     u8"přesvědčení, že každá věc má svůj čas. Mají vrozený smysl pro "
                     u8"spravedlnost a umějí se postavit za slabší, i když je to něco stojí. V "
                     u8"práci bývají vytrvalí a spolehliví, dokážou vést druhé a rozdělit úkoly "
                     u8"tak, aby každý dělal to, v čem vyniká. Peníze nerozhazují a každý výdaj "
                     u8"si rozmyslí. Kamenem úrazu je jejich tvrdohlavost: jakmile si něco "
                     u8"usmyslí, jen těžko připustí, že by se mohli mýlit. V citech jsou věrní a "
                     u8"štědří, domov pro ně znamená pevnou půdu pod nohama a rodině rádi "
                     u8"dopřávají pohodlí. Potřebují ale partnera, který je bude respektovat a "
                     u8"nebude se je snažit ovládat. Spokojenost jim přináší práce, po níž "
                     u8"zůstane něco trvalého, ať už jde o podnik, dům, nebo zahradu. Zdraví "
                     u8"mají obvykle pevné, měli by však dbát na srdce a nepřepínat síly. "),
                text(u8"V západní astrologii znamení Amon-Ra koresponduje s Vodnářem a Rybami."));

// Mut
constexpr auto mut =
    piece<1428>("Mut", heading(1), spaces(36), pad,
                text(u8"Mut byla manželkou mocného Amona a Egypťané ji uctívali jako nebeskou "
                     u8"matku, královnu bohů a ochránkyni panovnického rodu. Už její jméno "
                     u8"znamenalo v egyptštině prostě „matka“. Zobrazovali ji jako ženu s "
                     u8"korunou obou zemí na hlavě, někdy i s roztaženými křídly supa, jimiž "
                     u8"laskavě zastiňovala všechno, co jí bylo svěřeno. V Thébách spolu s "
                     u8"manželem a jejich synem, bohem Měsíce, tvořila božskou trojici. Pod "
                     u8"jejím znamením přicházejí na svět lidé citliví, pozorní a vlídní. "
                     u8"Nejraději se starají o druhé a jejich domov je místem, kde přátelé "
                     u8"vždycky najdou dobrou radu i útěchu. Mají silnou intuici; z pohledu či "
                     u8"hlasu poznají, co druhého trápí, a umějí najít slova, která uklidní. "
                     u8"Přesto nejsou slabí: když jde o blízké, dokážou být nesmlouvaví a "
                     u8"statečně je bránit. Vkus a cit pro krásu jim nechybí a rádi zdobí své "
                     u8"okolí drobnostmi s vlastním příběhem. Uplatní se ve školství, ve "
                     u8"zdravotnictví nebo v umění, všude, kde rozhoduje vlídnost a jemná ruka. "
                     u8"Peníze pro ně nejsou cílem, ale jen prostředkem, jak zajistit rodině "
                     u8"klid a bezpečí. Často se obětují víc, než je zdrávo, a zapomínají na "
                     u8"vlastní potřeby, z čehož pramení únava a tichá výčitka. V lásce hledají "
                     u8"jistotu a oddanost; nevěru nebo lhostejnost nesou těžce a dlouho se s "
                     u8"nimi vyrovnávají. Prospěje jim, když se naučí říkat ne a dopřejí si "
                     u8"chvíle jen pro sebe. "),
                text(u8"V západní astrologii znamení Mut koresponduje s Rybami a Beranem."));

// Isis
constexpr auto isis =
    piece<1619>("Isis", heading(2), spaces(37), pad,
                text(u8"Isis patřila k nejmilovanějším bohyním Egypta. Byla dárkyní i ochránkyní "
                     u8"života, věrnou manželkou Osirida a matkou Hora. Na hlavě nosila znak "
                     u8"trůnu, jímž se psalo její jméno. Vyprávělo se, že když jejího muže zabil "
                     u8"žárlivý Seth, procestovala celou zemi, posbírala jeho rozmetané tělo a "
                     u8"svou láskou a kouzly mu vrátila život. Od té doby se k ní modlily matky, "
                     u8"nemocní i všichni, kdo potřebovali ochranu. Uctívali ji daleko za "
                     u8"hranicemi Egypta, v Řecku a později v celé římské říši. Stejnou "
                     u8"vytrvalost a vnitřní sílu mají i lidé, nad nimiž bohyně drží ochrannou "
                     u8"ruku. Jsou energičtí, odvážní a nevzdávají se, ani když se okolnosti "
                     u8"obrátí proti nim. Pro ty, které milují, udělají téměř cokoli, a jejich "
                     u8"věrnost nebývá jen slovem, ale činem. Mají bystrý rozum a praktickou "
                     u8"povahu, takže dokážou rychle najít řešení tam, kde jiní bezradně "
                     u8"rozhazují rukama. Nebojí se převzít zodpovědnost a často se z nich "
                     u8"stávají opory rodiny i pracovního kolektivu. Jsou to lidé upřímní a "
                     u8"přímí, kteří neradi chodí kolem horké kaše; jejich otevřenost ale někdy "
                     u8"působí ostře a dokáže i zranit. Rádi poznávají nové kraje a sbírají "
                     u8"zážitky, ale vždy se s radostí vracejí domů. Jako partneři jsou vášniví "
                     u8"a romantičtí a přejí si někoho, kdo ocení jejich péči a oplatí ji "
                     u8"stejnou oddaností. Dobře se uplatní v péči o nemocné, ale uspějí i jako "
                     u8"organizátoři a podnikatelé. Pozor by si měli dávat na přepracování, "
                     u8"protože mají sklon nést na svých bedrech víc, než unesou. Odpočinek jim "
                     u8"dává příroda, zahrada a tiché večery s nejbližšími. "),
                text(u8"V západní astrologii znamení Isis koresponduje s Beranem a Býkem."));

// Horus
constexpr auto horus =
    piece<1536>("Horus", heading(3), spaces(36), pad,
                text(u8"Horus, syn Isis a Osirida, byl zobrazován s hlavou sokola a jeho oči prý "
                     u8"představovaly Slunce a Měsíc. Jako mladý bůh pomstil otcovu smrt na svém "
                     u8"strýci Sethovi, vládci pouště, a po dlouhém zápase získal trůn Egypta. "
                     u8"Faraoni se proto pokládali za jeho pozemské vtělení. Jeho levé oko, "
                     u8"poraněné v boji a znovu uzdravené moudrým Tothem, se stalo oblíbeným "
                     u8"amuletem, který měl nositele chránit před zlem a nemocí. Jeho chráněnci "
                     u8"jsou odvážní, ctižádostiví a mají v sobě vůdčí sílu. Rádi se dívají na "
                     u8"svět z výšky, vidí souvislosti, které ostatním unikají, a umějí si "
                     u8"stanovit daleké cíle. Když se pro něco rozhodnou, jdou za tím s "
                     u8"vytrvalostí a nenechají se snadno odradit. Příležitost dokážou "
                     u8"postřehnout a chopit se jí ve správnou chvíli, podobně jako sokol, který "
                     u8"se z oblohy vrhá na kořist. Vyznačují se smyslem pro čest a povinnost; "
                     u8"dané slovo pro ně má váhu smlouvy a totéž očekávají i od druhých. "
                     u8"Dokážou být velkorysí a ochraňovat slabší, ale zradu neodpouštějí a na "
                     u8"křivdy dlouho nezapomínají. Ve společnosti působí sebejistě, někdy až "
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
                     u8"těla vyvěraly prameny; jeho posvátným ptákem byla husa. Manželkou mu "
                     u8"byla bohyně nebe Nut, která se nad ním klenula, a jejich dětmi byli "
                     u8"Osiris, Isis, Seth a Nebthet. Jeho trůn zdědil syn Osiris a po něm vnuk "
                     u8"Horus; faraoni se proto nazývali jeho dědici. Když se země otřásala, "
                     u8"Egypťané vykládali, že se Geb směje. Jeho svěřenci jsou se zemí pevně "
                     u8"spjati a spoléhají na svůj selský rozum. Jsou spolehliví, pracovití a "
                     u8"trpěliví, nepotřebují velká gesta a nejvíc si cení toho, co vzniklo "
                     u8"poctivou prací. Mají rádi jistotu, pořádek a pohodlný domov, v němž je "
                     u8"vždycky dost jídla pro nečekané hosty. K přírodě mají blízko, rádi "
                     u8"pracují na zahradě či chodí do lesa a dokážou ocenit chuť čerstvého "
                     u8"chleba nebo vůni posečené trávy. Přestože působí klidně, umějí být "
                     u8"bystří a vynalézaví, zvláště když musí vyřešit praktický problém. Rychle "
                     u8"se učí a rádi si s lidmi popovídají, takže mají mnoho přátel. V práci se "
                     u8"jim daří v zemědělství, stavebnictví, obchodě nebo v oborech, kde mohou "
                     u8"něco pěstovat a rozmnožovat. Jako manželé a rodiče jsou věrní a "
                     u8"starostliví; nic pro ně není důležitější než rodina. Škodí jim "
                     u8"paličatost a někdy přílišná opatrnost, kvůli níž občas promeškají "
                     u8"příležitost ke změně. "),
                text(u8"V západní astrologii znamení Geb koresponduje s Blíženci a Raky."));

// Sechmet
constexpr auto sechmet =
    piece<1429>("Sechmet", heading(5), spaces(36), pad,
                text(u8"Sechmet byla bohyně války, moru a léčení, zobrazovaná jako žena s hlavou "
                     u8"lvice. Jako Oko boha Ra ztělesňovala jeho ničivou sílu obrácenou proti "
                     u8"nepřátelům. Její jméno znamená „Mocná“ a horký pouštní vítr byl prý "
                     u8"jejím dechem. Podle mýtů ji sluneční bůh vyslal potrestat lidi, kteří se "
                     u8"proti němu vzbouřili, a její běsnění bylo tak strašlivé, že ji bohové "
                     u8"museli lstí zkrotit. Uměla však nemoci seslat i léčit a její kněží "
                     u8"patřili k nejváženějším lékařům země. Faraoni ji považovali za svou "
                     u8"ochránkyni v bitvách a věřili, že kráčí před jejich vojskem. V jejím "
                     u8"znamení se rodí lidé se silnou vůlí a bojovnou povahou. Nesnášejí lež a "
                     u8"zneužívání moci a nebojí se ozvat, i když by bylo pohodlnější mlčet. "
                     u8"Jsou disciplinovaní, pracovití a od sebe chtějí stejně mnoho jako od "
                     u8"ostatních. Jejich rázné vystupování ale klame: nedůvěra nebo zrada je "
                     u8"zasáhne hlouběji, než by kdo čekal. Nejsou zvyklí prosit o pomoc a "
                     u8"přijmout ji je pro ně těžší než ji nabídnout. Dokážou vzplanout prudce "
                     u8"jako jejich bohyně, laskavým slovem se je však podaří usmířit snáz než "
                     u8"rozkazem. Milují vášnivě a oddaně a rozumí si jen s tím, kdo ocení "
                     u8"jejich upřímnost a nezalekne se jejich síly. Uplatní se jako soudci, "
                     u8"lékaři, vojáci nebo manažeři. Zátěž snášejí lépe než většina lidí, měli "
                     u8"by si však pravidelně měřit tlak a dopřávat si dost odpočinku. "),
                text(u8"V západní astrologii znamení Sechmet koresponduje s Rakem a Lvem."));

// Toth
constexpr auto toth =
    piece<1699>("Toth", heading(6), spaces(39), pad,
                text(u8"Toth byl bůh moudrosti, zobrazovaný s hlavou ibise, někdy také v podobě "
                     u8"paviána. Podle egyptských mýtů vynalezl písmo, počty a kalendář, a proto "
                     u8"byl patronem písařů, učenců a lékařů. Zapisoval výsledek soudu nad "
                     u8"zemřelými, počítal čas podle Měsíce a znal tajemství, která zůstávala "
                     u8"skryta i ostatním bohům. Byl také prostředníkem mezi bohy, smiřoval "
                     u8"jejich spory a radil jim v těžkých chvílích. Řekové ho později "
                     u8"ztotožnili se svým Hermem. Svěřenci boha moudrosti jsou zvídaví, "
                     u8"inteligentní a touží po poznání. Rádi čtou, studují a diskutují, a když "
                     u8"je něco zaujme, dokážou se do toho ponořit na celé hodiny. Často je baví "
                     u8"cizí jazyky, hádanky, šachy či staré knihy a jejich knihovna se rychle "
                     u8"rozrůstá. Cestují rádi, ale spíš za poznáním než za odpočinkem. Mají "
                     u8"výbornou paměť, smysl pro detaily a schopnost vysvětlit složité věci "
                     u8"srozumitelně, takže z nich bývají dobří učitelé, vědci, novináři i "
                     u8"lékaři. Jsou pečliví a důslední, co slíbí, to splní, a v práci nesnášejí "
                     u8"povrchnost. Jejich skromnost je někdy až přehnaná, protože své "
                     u8"schopnosti podceňují a nechávají vyniknout hlasitější kolegy. Ve "
                     u8"společnosti bývají spíš pozorovateli než středem pozornosti, ale když "
                     u8"promluví, ostatní naslouchají. V lásce jsou zdrženliví, potřebují čas, "
                     u8"než se otevřou, a hledají partnera, s nímž si porozumějí v citech i v "
                     u8"myšlenkách. Věrnost je pro ně samozřejmostí. Život si zbytečně ztěžují "
                     u8"přílišnou kritičností a trápením se pro drobnosti, kterých si nikdo jiný "
                     u8"ani nevšimne. Měli by pamatovat, že dokonalost je cíl, k němuž se lze "
                     u8"jen přibližovat, a dopřávat si radost z toho, co se už podařilo. "),
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
                     u8"nepokoje. Jsou odvážní, soutěživí a rádi se pouštějí do riskantních "
                     u8"dobrodružství, která by jiní raději obešli. Nudu snášejí hůř než "
                     u8"nebezpečí a potřebují mít nějaký cíl, za nímž se mohou hnát. Porážka je "
                     u8"nezlomí, spíš je vyburcuje. Neradi se podřizují pravidlům, pokud jim "
                     u8"nedávají smysl, a nebojí se vzepřít autoritám. Jejich myšlení je rychlé "
                     u8"a bystré, umějí se rozhodnout v okamžiku a v krizových chvílích "
                     u8"zůstávají nečekaně klidní. Ve společnosti jsou výrazní a charismatičtí, "
                     u8"často jsou ale také netrpěliví a náladoví. Když se rozzlobí, dokážou být "
                     u8"prudcí jako písečná bouře a nejednou toho pak litují. K přátelům jsou "
                     u8"loajální a v nouzi jim pomohou bez dlouhého otálení. Jejich láska bývá "
                     u8"vášnivá i žárlivá a hodí se k nim protějšek, který bude rovnocenný a "
                     u8"nenechá se zastrašit. Najdou se v roli sportovců, záchranářů, "
                     u8"cestovatelů nebo podnikatelů. Měli by se učit trpělivosti a pochopit, že "
                     u8"se síla projevuje i v umění ustoupit. "),
                text(u8"V západní astrologii znamení Seth koresponduje s Pannou a Váhami."));

// Osiris
constexpr auto osiris =
    piece<1410>("Osiris", heading(8), spaces(38), pad,
                text(u8"Osiris byl vládcem podsvětí a soudcem mrtvých, ale také bohem obnovy a "
                     u8"znovuzrození. Zobrazovali ho se zelenou nebo černou pletí, s vysokou "
                     u8"korunou na hlavě, s pastýřskou berlou a důtkami v rukou. Podle legendy "
                     u8"naučil lidi obdělávat půdu, pěstovat vinnou révu a žít podle zákonů. Byl "
                     u8"zavražděn bratrem, ale díky lásce své ženy opět povstal a stal se "
                     u8"symbolem života, který se stále obnovuje. Jeho zásluhou se podle víry "
                     u8"Egypťanů každoročně rozvodňoval Nil a na polích znovu klíčilo obilí. Ti, "
                     u8"jimž vládne jeho znamení, mají dvojí tvář: umějí být silní a rozhodní, "
                     u8"ale zároveň zranitelní a hluboce citliví. Nevzdávají se, když je "
                     u8"postihne nezdar, a po každém pádu se dokážou zvednout silnější. Jsou "
                     u8"spravedliví a mají přirozenou autoritu, takže se na ně druzí obracejí, "
                     u8"aby rozsoudili spory. Ctižádost jim nechybí, ale nejsou bezohlední; "
                     u8"svých cílů chtějí dosáhnout čestně. Přitahují je otázky života a smrti, "
                     u8"zajímá je minulost a rádi pátrají po kořenech vlastního rodu. V práci "
                     u8"vynikají vytrvalostí a schopností dotáhnout věci do konce. Změn se "
                     u8"nebojí, vidí v nich šanci začít znovu a lépe. Hospodaří obezřetně a "
                     u8"myslí na budoucnost dětí. Citově jsou oddaní a vášniví, potřebují ovšem "
                     u8"cítit, že jim partner důvěřuje. Mají sklon k samotářství a starosti nosí "
                     u8"v sobě, místo aby o nich hovořili. "),
                text(u8"V západní astrologii znamení Osiris koresponduje se Štírem a Střelcem."));

// Anubis
constexpr auto anubis =
    piece<1305>("Anubis", heading(9), spaces(38), pad,
                text(u8"Anubis byl bůh s hlavou černého šakala, zvířete, které se toulávalo "
                     u8"kolem pohřebišť na okraji pouště. Byl ochráncem hrobek a pánem "
                     u8"balzamování. Černá barva jeho hlavy nepřipomínala smrt, ale úrodné bahno "
                     u8"Nilu, a byla tedy příslibem nového života. Staral se o to, aby těla "
                     u8"zemřelých byla řádně připravena na věčnost, a provázel duše na cestě do "
                     u8"podsvětí, kde vážil jejich srdce proti péru pravdy. Kněží, kteří "
                     u8"balzamovali mrtvé, si při obřadech nasazovali jeho masku. Lidé, nad "
                     u8"nimiž bdí Anubis, jsou zamyšlení, vnímaví a mají sklon hledat skrytý "
                     u8"smysl věcí. Bývají tiší a rádi tráví čas o samotě, ve společnosti cizích "
                     u8"lidí se zpočátku drží stranou. Přesto mají dost odvahy a nebojí se "
                     u8"otázek, kterým se ostatní vyhýbají. Jejich intuice je silná a často je "
                     u8"dovede právě tam, kam rozum ještě nedohlédne. Umějí zachovat tajemství, "
                     u8"a proto se jim lidé svěřují s tím, co by jinak neřekli nikomu. Jsou "
                     u8"důkladní, pečliví a spolehliví, práci nikdy neodbudou. Dokážou být "
                     u8"výbornými psychology, lékaři, vědci nebo badateli. Své city dávají "
                     u8"najevo opatrně, ačkoli jsou hluboce oddaní, a nejlépe jim bude s někým, "
                     u8"kdo je pochopí bez zbytečných slov. Občas je trápí sklon k melancholii a "
                     u8"nedůvěře. "),
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
                     u8"jejich domácnost bývá plná květin a hostů. Jsou společenští a rádi se "
                     u8"obklopují lidmi, přitom ale umějí naslouchat a ke svým přátelům se "
                     u8"chovají velkoryse. Mají smysl pro harmonii, takže se často stávají "
                     u8"smírčími soudci, když se v rodině nebo v práci objeví spor. Přesto "
                     u8"nejsou povrchní: za jejich veselostí stojí silná vůle a schopnost "
                     u8"vytrvat. V lásce jsou něžní, věrní a romantičtí, partnera rádi "
                     u8"rozmazlují a touží po stálém, klidném vztahu. Slabou stránkou bývá "
                     u8"záliba v požitcích a odkládání nepříjemných povinností na později. "
                     u8"Peníze jim snadno proklouzávají mezi prsty, protože neodolají hezkým "
                     u8"věcem. Někdy také až příliš dbají na to, co řeknou ostatní. Nejlépe se "
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
  return signText(findSign(egyptianSignConditions, date.month, date.day), egyptianTexts);
}

}  // namespace kalmira
