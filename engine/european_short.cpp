// The European zodiac with its short texts: each sign's Slovak heading, then a characterisation
// that reads on from it, on a line of its own.
#include "engine/european_short.h"

#include "engine/european_signs.h"

namespace kalmira {

namespace {

constexpr Text heading(int sign) { return text(europeanSignHeadings[sign]); }

constexpr auto baranText =
    piece<168>("Baran, characterisation", heading(0), spaces(8), pad,
               text(u8"je odvážny priekopník, ktorý sa do každej novej veci pustí s nadšením a "
                    u8"energiou. Je netrpezlivý a prchký, no rýchlo odpúšťa a prekážky ho len "
                    u8"povzbudia."));
constexpr auto bykText =
    piece<131>("Býk, characterisation", heading(1), spaces(11), pad,
               text(u8"je trpezlivý, spoľahlivý a verný, miluje pohodlie, dobré jedlo a istotu "
                    u8"domova. Ťažko sa ale vzdáva svojich zvykov."));
constexpr auto blizenciText =
    piece<123>("Blíženci, characterisation", heading(2), spaces(5), pad,
               text(u8"sú zvedaví, vtipní a večne v pohybe, radi sa rozprávajú a spoznávajú "
                    u8"nové veci. Rutina ich ale rýchlo unaví."));
constexpr auto rakText =
    piece<153>("Rak, characterisation", heading(3), spaces(10), pad,
               text(u8"je citlivý a starostlivý, rodina a domov sú pre neho na prvom mieste. "
                    u8"Navonok pôsobí zdržanlivo, no vo vnútri je nežný a ľahko zraniteľný."));
constexpr auto levText = piece<97>("Lev, characterisation", heading(4), spaces(10), pad,
                                   text(u8"je štedrý a hrdý vodca, ktorý rád žiari na výslní a "
                                        u8"verne chráni svojich blízkych."));
constexpr auto pannaText =
    piece<153>("Panna, characterisation", heading(5), spaces(7), pad,
               text(u8"je presná, pracovitá a skromná, všíma si každý detail a ochotne pomáha "
                    u8"blížnym. Niekedy je k sebe aj k okoliu až príliš kritická a náročná."));
constexpr auto vahyText =
    piece<142>("Váhy, characterisation", heading(6), spaces(8), pad,
               text(u8"sú prívetivé, spravodlivé a spoločenské, milujú krásu a harmóniu. Pred "
                    u8"rozhodnutím však dlho váhajú a sporom sa radšej vyhýbajú."));
constexpr auto skorpionText =
    piece<157>("Škorpión, characterisation", heading(7), spaces(3), pad,
               text(u8"je vášnivý, tajomný a vytrvalý, cíti hlboko a nič nerobí polovičato. "
                    u8"Býva verným priateľom aj zarytým protivníkom a na krivdu len tak "
                    u8"nezabudne."));
constexpr auto strelecText =
    piece<125>("Strelec, characterisation", heading(8), spaces(6), pad,
               text(u8"je optimista a dobrodruh, ktorý miluje slobodu, cestovanie a poznanie. "
                    u8"Jeho priamosť však občas niekoho zraní."));
constexpr auto kozorozecText =
    piece<105>("Kozorožec, characterisation", heading(9), pad,
               text(u8"je cieľavedomý, zodpovedný a trpezlivý. O úspech sa usiluje húževnato a "
                    u8"nič nenechá na náhodu."));
constexpr auto vodnarText =
    piece<157>("Vodnár, characterisation", heading(10), spaces(4), pad,
               text(u8"je originálny mysliteľ a priateľ celého ľudstva, ktorý sa nikdy nebojí "
                    u8"ísť proti prúdu. Potrebuje voľnosť a nerád sa podriaďuje cudzím "
                    u8"pravidlám."));
constexpr auto rybyText =
    piece<113>("Ryby, characterisation", heading(11), spaces(6), pad,
               text(u8"sú citlivé, snivé a súcitné bytosti s bohatou fantáziou a štedrým "
                    u8"srdcom pre každého, kto je v núdzi."));

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
