// The repetition scan's echo detection, on the editors' examples and on near misses.
#include "tests/repetition/echoes.h"

#include <gtest/gtest.h>

#include "tools/kalmira-text/render.h"

namespace kalmira::echoes {
namespace {

// The kinds of echo found between two UTF-8 texts, lists first.
std::vector<Echo::Kind> kinds(std::string_view first, std::string_view second) {
  const std::string a = utf8ToCp1250(first), b = utf8ToCp1250(second);
  std::vector<Echo::Kind> found;
  for (const Echo& echo : echoes(analyse(a), analyse(b))) found.push_back(echo.kind);
  return found;
}

using Kinds = std::vector<Echo::Kind>;

TEST(Echoes, ListsInAnotherOrderAndForm) {
  EXPECT_EQ(kinds("Svědčí mu pohyb s mírou, například tanec, plavání nebo jízda na kole, a slunce.",
                  "Rád si dopřává pohyb: nejlépe plavání, tanec nebo jízdu na kole."),
            (Kinds{Echo::SharedList, Echo::SameSentence}));
  EXPECT_EQ(
      kinds("Hlídat by si měl krevní oběh, lýtka i kotníky.", "Citlivé mívá kotníky, lýtka a krevní oběh."),
      (Kinds{Echo::SharedList, Echo::SameSentence}));
  // The first item stands at the end of a longer clause.
  EXPECT_EQ(kinds("Ve vztazích jsou lidé doby růstu něžní, smyslní a velice věrní.",
                  "Miluje něžně, smyslně a věrně."),
            (Kinds{Echo::SharedList, Echo::SameSentence}));
}

TEST(Echoes, SentencesSayingTheSame) {
  EXPECT_EQ(
      kinds("Kvůli zálibě v dobrém jídle mívají sklon k nadváze, a proto jim svědčí pravidelný pohyb.",
            "Kvůli lásce k dobrému jídlu má sklon přibírat na váze, takže mu prospívá pravidelný pohyb."),
      Kinds{Echo::SameSentence});
  EXPECT_EQ(
      kinds("Jako milenec je vášnivý a romantický.", "Jako milenec je Losos vášnivý, romantický i štědrý."),
      Kinds{Echo::SameSentence});
}

TEST(Echoes, NearMisses) {
  // Two items in common make no shared list, and two words no same sentence.
  EXPECT_EQ(
      kinds("Zamilované Ryby jsou romantické, oddané a něžné.", "Láska je tu romantická, obětavá a něžná."),
      Kinds{});
  EXPECT_EQ(kinds("Rád cestuje a poznává cizí země.", "Cizí země ho lákají méně než domov a zahrada."),
            Kinds{});
  // Three words in common, but in sentences that are about other things.
  EXPECT_EQ(
      kinds("Partner u něj najde oporu, klid a pochopení, pokud mu nechá dost volnosti k toulkám.",
            "Volnost je pro něj vzácná, a když ji najde, hledá v ní spíš klid než dobrodružství a slávu."),
      Kinds{});
  // Sign names never count: the names of two signs, the rest unlike.
  const std::string husa = utf8ToCp1250("Husa je opatrná."), husy = utf8ToCp1250("Husy jsou plaché.");
  EXPECT_TRUE(echoes(analyse(husa, {stem("Husa")}), analyse(husy, {stem("Husa")})).empty());
}

}  // namespace
}  // namespace kalmira::echoes
