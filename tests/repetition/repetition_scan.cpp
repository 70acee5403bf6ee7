// Repetition scan: no run of five words may stand in the free prose of two different texts, and no
// run of four words in two texts that one birth date reaches (one person reads every system for
// their date). The texts' fixed sentences and labels (listed in the file given as the first
// argument, one per line) are cut out first, so that the runs they share by design do not count.
// Prints every offending run with the texts it stands in; exit status 1 if there is one.
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/codepage.h"
#include "engine/systems.h"
#include "tools/kalmira-text/render.h"

namespace {

using namespace kalmira;

struct SignText {
  std::string name;  // system and heading, for the report
  std::string utf8;  // the text as paragraphs, one per line
};

// Every distinct sign text of every system, as paragraphs in UTF-8; `index` finds a text's place.
std::vector<SignText> allSignTexts(std::map<std::string_view, std::size_t>& index) {
  std::vector<SignText> texts;
  std::set<std::string> seen;
  for (int type = 0; type < horoscopeTypeCount; ++type) {
    const bool byYear = type == static_cast<int>(HoroscopeType::Chinese);
    for (int year = byYear ? 1900 : 1980; year <= (byYear ? 1911 : 1980); ++year) {
      for (int month = 1; month <= (byYear ? 1 : 12); ++month) {
        for (int day = 1; day <= (byYear ? 1 : 31); ++day) {
          const std::string_view text = horoscopeText(type, {day, month, year});
          if (!seen.emplace(text).second) continue;
          index[text] = texts.size();
          std::string paragraphs = renderParagraphs(text, 1000000);
          std::string name = cp1250ToUtf8(horoscopeSystems[type].listText) + " / " +
                             paragraphs.substr(0, paragraphs.find('\n'));
          texts.push_back({std::move(name), std::move(paragraphs)});
        }
      }
    }
  }
  return texts;
}

// Lower-case letters and digits of a UTF-8 text as words; anything else separates them, and a line
// break (a paragraph's end) or a cut-out fixed text ends a stretch: runs never cross one.
using Stretch = std::vector<std::u32string>;

std::u32string decode(std::string_view utf8) {
  std::u32string out;
  const std::u8string_view view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size());
  for (std::size_t at = 0; at < view.size();) {
    const Utf8Char c = decodeUtf8(view, at);
    if (c.length == 0) {
      ++at;
      continue;
    }
    out += c.codePoint;
    at += c.length;
  }
  return out;
}

char32_t lower(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
  return c;
}

bool isWordChar(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
         (c >= 0xC0 && c <= 0x17F && c != 0xD7 && c != 0xF7);
}

std::vector<Stretch> stretches(std::string utf8, const std::vector<std::string>& fixedTexts) {
  for (const std::string& fixed : fixedTexts) {
    for (std::size_t at = utf8.find(fixed); at != std::string::npos; at = utf8.find(fixed, at))
      utf8.replace(at, fixed.size(), "\n");
  }
  std::vector<Stretch> out(1);
  std::u32string word;
  for (char32_t c : decode(utf8) + U'\n') {
    if (isWordChar(c)) {
      word += lower(c);
      continue;
    }
    if (!word.empty()) out.back().push_back(std::move(word));
    word.clear();
    if (c == U'\n' && !out.back().empty()) out.emplace_back();
  }
  return out;
}

std::string encode(const std::vector<std::u32string>& words) {
  std::string out;
  for (const std::u32string& w : words) {
    if (!out.empty()) out += ' ';
    for (char32_t c : w) {
      if (c < 0x80) {
        out += static_cast<char>(c);
      } else {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
  }
  return out;
}

// For every run of `length` words, the texts it stands in.
std::map<std::string, std::set<std::size_t>> runs(const std::vector<std::vector<Stretch>>& texts,
                                                  std::size_t length) {
  std::map<std::string, std::set<std::size_t>> where;
  for (std::size_t t = 0; t < texts.size(); ++t) {
    for (const Stretch& stretch : texts[t]) {
      for (std::size_t at = 0; at + length <= stretch.size(); ++at) {
        const std::vector<std::u32string> run(stretch.begin() + at, stretch.begin() + at + length);
        where[encode(run)].insert(t);
      }
    }
  }
  return where;
}

// The pairs of texts that one birth date reaches: every day of a leap year, through the systems
// that go by the date (all but the Chinese, which goes by the year alone).
std::set<std::pair<std::size_t, std::size_t>> textsOfOneDate(
    const std::map<std::string_view, std::size_t>& index) {
  static constexpr int daysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::set<std::pair<std::size_t, std::size_t>> pairs;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= daysInMonth[month - 1]; ++day) {
      std::vector<std::size_t> reached;
      for (int type = 0; type < horoscopeTypeCount; ++type) {
        if (type == static_cast<int>(HoroscopeType::Chinese)) continue;
        reached.push_back(index.at(horoscopeText(type, {day, month, 2000})));
      }
      for (std::size_t a : reached)
        for (std::size_t b : reached)
          if (a < b) pairs.emplace(a, b);
    }
  }
  return pairs;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: repetition-scan FIXED_TEXTS\n");
    return 2;
  }
  std::vector<std::string> fixedTexts;
  std::ifstream list(argv[1]);
  for (std::string line; std::getline(list, line);) {
    if (!line.empty() && line[0] != '#') fixedTexts.push_back(line);
  }
  std::map<std::string_view, std::size_t> index;
  const std::vector<SignText> texts = allSignTexts(index);
  const auto oneDate = textsOfOneDate(index);
  std::vector<std::vector<Stretch>> words;
  for (const SignText& text : texts) words.push_back(stretches(text.utf8, fixedTexts));

  int offending = 0;
  const auto report = [&](const char* rule, const std::string& run, const std::set<std::size_t>& where) {
    ++offending;
    std::printf("%s: \"%s\"\n", rule, run.c_str());
    for (std::size_t t : where) std::printf("    %s\n", texts[t].name.c_str());
  };
  for (const auto& [run, where] : runs(words, 5)) {
    if (where.size() >= 2) report("5 words in two texts", run, where);
  }
  for (const auto& [run, where] : runs(words, 4)) {
    if (where.size() < 2) continue;
    bool sameDate = false;
    for (std::size_t a : where)
      for (std::size_t b : where)
        if (a < b && oneDate.count({a, b})) sameDate = true;
    if (sameDate) report("4 words in two texts of one date", run, where);
  }
  std::printf("%zu texts: %d shared runs over the limits\n", texts.size(), offending);
  return offending == 0 ? 0 : 1;
}
