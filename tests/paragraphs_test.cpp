// The paragraphs that a result text's layout runs make, as the program and the console tool show them.
#include "engine/paragraphs.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace kalmira {
namespace {

std::vector<std::string> paragraphsOf(std::string_view text) {
  std::vector<std::string> found;
  std::size_t at = 0;
  for (std::string_view paragraph = nextParagraph(text, at); !paragraph.empty();
       paragraph = nextParagraph(text, at))
    found.emplace_back(paragraph);
  return found;
}

std::vector<std::string> wordsOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

using Paragraphs = std::vector<std::string>;

TEST(Paragraphs, EveryLayoutRunEndsOne) {
  EXPECT_EQ(paragraphsOf("Panna" + testing::spaces(152) + "Povaha: melancholic"),
            (Paragraphs{"Panna", "Povaha: melancholic"}));
  EXPECT_EQ(paragraphsOf("a\tb"), (Paragraphs{"a", "b"}));       // one tab is enough
  EXPECT_EQ(paragraphsOf("a b   c"), (Paragraphs{"a b", "c"}));  // three spaces, not one
  EXPECT_EQ(paragraphsOf(testing::cp(u8"Barva:  černá")), (Paragraphs{testing::cp(u8"Barva:  černá")}));
  EXPECT_EQ(paragraphsOf("a \t\t  b"), (Paragraphs{"a", "b"}));  // a mixed run is one break
  EXPECT_EQ(paragraphsOf(" a b "), (Paragraphs{"a b"}));         // blanks at either end
}

TEST(Paragraphs, BlanksAloneMakeNone) {
  EXPECT_TRUE(paragraphsOf("").empty());
  EXPECT_TRUE(paragraphsOf(" \t   ").empty());
}

// Nothing is lost or added: over texts of every system, the paragraphs hold the text's words.
TEST(Paragraphs, KeepEveryWordOfTheTexts) {
  const int dates[][3] = {{5, 9, 1980}, {21, 3, 1980}, {15, 8, 1980}, {1, 5, 1980}, {29, 1, 1980}};
  for (int type = 0; type < horoscopeTypeCount; ++type)
    for (const auto& date : dates) {
      const std::string text = testing::generateText(type, date[0], date[1], date[2]);
      std::string joined;
      for (const std::string& paragraph : paragraphsOf(text)) joined += paragraph + ' ';
      EXPECT_EQ(wordsOf(joined), wordsOf(text)) << type << ' ' << date[0] << '.' << date[1];
    }
}

TEST(Paragraphs, ShownInTheEditBoxWithAnEmptyLineBetween) {
  char16_t wide[64];
  paragraphsToUtf16(testing::cp(u8"  Rak\t\tVládce znamení: Měsíc   Živel: voda "), wide, 64);
  EXPECT_EQ(std::u16string(wide), u"Rak\r\n\r\nVládce znamení: Měsíc\r\n\r\nŽivel: voda");
  char16_t shortOut[6];
  paragraphsToUtf16("ab   cd", shortOut, 6);
  EXPECT_EQ(std::u16string(shortOut), u"ab\r\n\r");  // cut short, still terminated
}

}  // namespace
}  // namespace kalmira
