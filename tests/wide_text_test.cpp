// The conversion between the program's code page 1250 texts and the wide text Windows shows.
#include "ui/wide_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace kalmira {
namespace {

TEST(WideText, ShowsCzechAndSlovakLettersAsTheyAre) {
  wchar_t wide[64];
  cp1250ToWide(testing::cp(u8"Nesprávna hodnota dňa: ďťľĺŕôäúůžščřěň").c_str(), wide);
  EXPECT_EQ(std::wstring(wide), L"Nesprávna hodnota dňa: ďťľĺŕôäúůžščřěň");
}

TEST(WideText, EveryDefinedByteGoesThereAndBack) {
  for (int byte = 1; byte < 256; ++byte) {
    const char text[2] = {static_cast<char>(byte), '\0'};
    wchar_t wide[2];
    cp1250ToWide(text, wide);
    char back[2];
    wideToCp1250(wide, back);
    if (cp1250ToUnicode(text[0]) == 0) {
      EXPECT_EQ(wide[0], L'?') << byte;  // one of the five bytes the code page leaves undefined
    } else {
      EXPECT_EQ(static_cast<unsigned char>(back[0]), byte) << byte;
    }
  }
}

TEST(WideText, CutsShortInsteadOfOverflowing) {
  wchar_t wide[4] = {L'x', L'x', L'x', L'x'};
  cp1250ToWide("abcdef", wide);
  EXPECT_EQ(std::wstring(wide), L"abc");
  char narrow[3];
  wideToCp1250(L"Čínsky", narrow);
  EXPECT_EQ(std::string(narrow), testing::cp(u8"Čí"));
}

TEST(WideText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  char narrow[8];
  wideToCp1250(L"a€∞β", narrow);  // the euro sign is in code page 1250, infinity and beta are not
  EXPECT_EQ(std::string(narrow), testing::cp(u8"a€??"));
}

}  // namespace
}  // namespace kalmira
