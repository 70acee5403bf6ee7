// The European zodiac with its short texts: each sign's Slovak heading, then a characterisation
// that reads on from it, on a line of its own.
#include "engine/european_short.h"

#include "engine/european_signs.h"

namespace kalmira {

namespace {

constexpr Text heading(int sign) { return text(europeanSignHeadings[sign]); }

constexpr auto baranText = piece<168>(
    "Baran, characterisation", heading(0), spaces(8), pad,
    text(u8"je iskra, od ktorej vzbĺkne každý oheň: súťaživý, priamy a netrpezlivý voči každému, kto váha. "
         u8"Prehru znáša ťažko, no najlepšie výkony podáva pod tlakom."));
constexpr auto bykText = piece<131>(
    "Býk, characterisation", heading(1), spaces(11), pad,
    text(u8"je trpezlivý a dobromyseľný, no kto ho raz oklame, stratí jeho dôveru navždy. Zo zvykov sa však "
         u8"vyzúva veľmi ťažko."));
constexpr auto blizenciText = piece<123>(
    "Blíženci, characterisation", heading(2), spaces(5), pad,
    text(u8"sú hraví, ironickí a pohotoví a na každú otázku majú aspoň dve odpovede. Rutina ich však veľmi "
         u8"rýchlo omrzí."));
constexpr auto rakText = piece<153>(
    "Rak, characterisation", heading(3), spaces(10), pad,
    text(u8"je pozorný a štedrý hostiteľ, pri ktorom sa každý cíti ako doma. Na dlhých cestách mu chýba "
         u8"vlastná posteľ a z cudziny sa vždy rád vracia."));
constexpr auto levText =
    piece<97>("Lev, characterisation", heading(4), spaces(10), pad,
              text(u8"verí vo svoju šťastnú hviezdu, rád súťaží, no prehrávať nevie; odvaha ho neopúšťa."));
constexpr auto pannaText = piece<153>(
    "Panna, characterisation", heading(5), spaces(7), pad,
    text(u8"je skromná a spoľahlivá pomocníčka, ktorá nerobí rozruch, ale bez ktorej by sa mnoho vecí "
         u8"zastavilo. Dbá o zdravie a o poriadok okolo seba."));
constexpr auto vahyText = piece<142>(
    "Váhy, characterisation", heading(6), spaces(8), pad,
    text(u8"majú šarm, ktorému sa ťažko odoláva, a úsmev, ktorý otvorí aj zatvorené dvere. Hrubosťou ani "
         u8"krikom u nich nikto nič nedosiahne."));
constexpr auto skorpionText = piece<157>(
    "Škorpión, characterisation", heading(7), spaces(3), pad,
    text(u8"má magnetický pohľad a vôľu, ktorej sa ťažko odporuje. Nemá rád ľahké víťazstvá ani lacné "
         u8"lichôtky, a preto má jeho úprimná pochvala veľkú cenu."));
constexpr auto strelecText = piece<125>(
    "Strelec, characterisation", heading(8), spaces(6), pad,
    text(u8"má veľkorysé plány, divadelné gestá a vrodený humor; aj z každej nepríjemnosti spraví historku "
         u8"na rozprávanie."));
constexpr auto kozorozecText = piece<105>(
    "Kozorožec, characterisation", heading(9), pad,
    text(u8"vraj s vekom mladne: čo v mladosti bral smrteľne vážne, to v starobe berie s láskavým úsmevom."));
constexpr auto vodnarText = piece<157>(
    "Vodnár, characterisation", heading(10), spaces(4), pad,
    text(u8"je trochu výstredník: oblieka sa po svojom, číta, čo nikto nečíta, a priateľov má medzi ľuďmi "
         u8"rôznych vekov a povolaní. Nudnú spoločnosť neznáša."));
constexpr auto rybyText = piece<113>(
    "Ryby, characterisation", heading(11), spaces(6), pad,
    text(u8"majú ten dar rozosmiať smutného a utíšiť nahnevaného; ich tichý pokoj sa prenáša na všetkých "
         u8"naokolo."));

constexpr PadLengths europeanShortPads{.pad = europeanShortPadLength};

// In the order of the sign table.
constexpr std::string_view europeanShortTexts[europeanSignCount] = {
    finishedText<322, europeanShortPads, baranText>.view(),      // Baran
    finishedText<285, europeanShortPads, bykText>.view(),        // Býk
    finishedText<277, europeanShortPads, blizenciText>.view(),   // Blíženci
    finishedText<307, europeanShortPads, rakText>.view(),        // Rak
    finishedText<251, europeanShortPads, levText>.view(),        // Lev
    finishedText<307, europeanShortPads, pannaText>.view(),      // Panna
    finishedText<296, europeanShortPads, vahyText>.view(),       // Váhy
    finishedText<311, europeanShortPads, skorpionText>.view(),   // Škorpión
    finishedText<279, europeanShortPads, strelecText>.view(),    // Strelec
    finishedText<259, europeanShortPads, kozorozecText>.view(),  // Kozorožec
    finishedText<311, europeanShortPads, vodnarText>.view(),     // Vodnár
    finishedText<267, europeanShortPads, rybyText>.view(),       // Ryby
};

}  // namespace

std::string_view europeanShortText(BirthDate date) {
  return signText(findEuropeanSign(date.month, date.day), europeanShortTexts);
}

}  // namespace kalmira
