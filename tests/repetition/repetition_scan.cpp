// Repetition scan, over the free prose of every text (the texts' fixed sentences and labels, listed
// in the file given as the first argument, one per line, are cut out first, so that what they share
// by design does not count):
// - no run of five words may stand in two different texts, and no run of four words in two texts
//   that one birth date reaches through the systems that go by the date;
// - no two texts that one birth date reaches, the Chinese text among them, may share a list of three
//   or more items in any order or form, or say in substance the same in two sentences (echoes.h).
// One person reads every system for their date. Prints every finding with the texts it stands in;
// exit status 1 if there is one.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/codepage.h"
#include "engine/paragraphs.h"
#include "engine/systems.h"
#include "tests/repetition/echoes.h"
#include "tools/kalmira-text/render.h"

namespace {

using namespace kalmira;

struct SignText {
  std::string name;     // system and heading, in UTF-8 for the report
  std::string heading;  // code page 1250
  std::string prose;    // the text's paragraphs, one a line, the fixed texts cut out; code page 1250
};

// The paragraphs of a code page 1250 text, one a line, with every fixed text replaced by a line
// break: nothing that crosses a line counts.
std::string prose(std::string_view text, const std::vector<std::string>& fixedTexts) {
  std::string lines;
  std::size_t at = 0;
  for (std::string_view paragraph = nextParagraph(text, at); !paragraph.empty();
       paragraph = nextParagraph(text, at))
    (lines += paragraph) += '\n';
  for (const std::string& fixed : fixedTexts) {
    for (std::size_t at = lines.find(fixed); at != std::string::npos; at = lines.find(fixed, at))
      lines.replace(at, fixed.size(), "\n");
  }
  return lines;
}

// Every distinct sign text of every system; `index` finds a text's place.
std::vector<SignText> allSignTexts(const std::vector<std::string>& fixedTexts,
                                   std::map<std::string_view, std::size_t>& index) {
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
          std::size_t at = 0;
          const std::string heading(nextParagraph(text, at));
          texts.push_back({cp1250ToUtf8(horoscopeSystems[type].listText) + " / " + cp1250ToUtf8(heading),
                           heading, prose(text, fixedTexts)});
        }
      }
    }
  }
  return texts;
}

// The lower-case words of a text, in stretches that a line break ends: runs never cross one.
using Stretch = std::vector<std::string>;

std::vector<Stretch> stretches(std::string_view text) {
  std::vector<Stretch> out(1);
  std::string word;
  for (char c : std::string(text) + '\n') {
    if (const char letter = echoes::lowerLetter(c)) {
      word += letter;
      continue;
    }
    if (!word.empty()) out.back().push_back(std::move(word));
    word.clear();
    if (c == '\n' && !out.back().empty()) out.emplace_back();
  }
  return out;
}

// For every run of `length` words (code page 1250, separated by spaces), the texts it stands in.
std::map<std::string, std::set<std::size_t>> runs(const std::vector<std::vector<Stretch>>& texts,
                                                  std::size_t length) {
  std::map<std::string, std::set<std::size_t>> where;
  for (std::size_t t = 0; t < texts.size(); ++t) {
    for (const Stretch& stretch : texts[t]) {
      for (std::size_t at = 0; at + length <= stretch.size(); ++at) {
        std::string run = stretch[at];
        for (std::size_t w = at + 1; w < at + length; ++w) (run += ' ') += stretch[w];
        where[run].insert(t);
      }
    }
  }
  return where;
}

using Pairs = std::set<std::pair<std::size_t, std::size_t>>;

// The pairs of texts that one birth date reaches: every day of a leap year through the systems that
// go by the date, and (`withChinese`) the Chinese texts too. A Chinese text goes by the year alone,
// so every year's animal meets every day of the year: each Chinese text pairs with every text of
// every other system.
Pairs textsOfOneDate(const std::map<std::string_view, std::size_t>& index, bool withChinese) {
  static constexpr int daysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  Pairs pairs;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= daysInMonth[month - 1]; ++day) {
      std::vector<std::size_t> reached;
      for (int type = 0; type < horoscopeTypeCount; ++type) {
        if (type != static_cast<int>(HoroscopeType::Chinese))
          reached.push_back(index.at(horoscopeText(type, {day, month, 2000})));
      }
      // One year at a time: two Chinese texts never meet on one date.
      for (int year = 2000; year < (withChinese ? 2012 : 2000); ++year) {
        const std::size_t chinese =
            index.at(horoscopeText(static_cast<int>(HoroscopeType::Chinese), {day, month, year}));
        for (std::size_t other : reached) pairs.emplace(std::min(chinese, other), std::max(chinese, other));
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
    if (!line.empty() && line[0] != '#') fixedTexts.push_back(utf8ToCp1250(line));
  }
  std::map<std::string_view, std::size_t> index;
  const std::vector<SignText> texts = allSignTexts(fixedTexts, index);
  std::vector<std::vector<Stretch>> words;
  for (const SignText& text : texts) words.push_back(stretches(text.prose));

  std::size_t longRuns = 0, dateRuns = 0, sharedLists = 0, sameSentences = 0;
  const auto report = [&](const char* rule, const std::string& run, const std::set<std::size_t>& where) {
    std::printf("%s: \"%s\"\n", rule, cp1250ToUtf8(run).c_str());
    for (std::size_t t : where) std::printf("    %s\n", texts[t].name.c_str());
  };
  for (const auto& [run, where] : runs(words, 5)) {
    if (where.size() < 2) continue;
    ++longRuns;
    report("5 words in two texts", run, where);
  }
  const Pairs oneDate = textsOfOneDate(index, false);
  for (const auto& [run, where] : runs(words, 4)) {
    if (where.size() < 2) continue;
    bool sameDate = false;
    for (std::size_t a : where)
      for (std::size_t b : where)
        if (a < b && oneDate.count({a, b})) sameDate = true;
    if (!sameDate) continue;
    ++dateRuns;
    report("4 words in two texts of one date", run, where);
  }

  // The signs' names stand in every text of their sign and say nothing of it.
  std::set<std::string> names;
  for (const SignText& text : texts) {
    for (const echoes::Sentence& sentence : echoes::analyse(text.heading).sentences)
      names.insert(sentence.stems.begin(), sentence.stems.end());
  }
  std::vector<echoes::Prose> analysed;
  for (const SignText& text : texts) analysed.push_back(echoes::analyse(text.prose, names));
  for (const auto& [a, b] : textsOfOneDate(index, true)) {
    for (const echoes::Echo& echo : echoes::echoes(analysed[a], analysed[b])) {
      const bool list = echo.kind == echoes::Echo::SharedList;
      ++(list ? sharedLists : sameSentences);
      std::printf("%s of one date:\n    %s: \"%s\"\n    %s: \"%s\"\n",
                  list ? "shared list in two texts" : "same sentence in two texts", texts[a].name.c_str(),
                  cp1250ToUtf8(echo.first).c_str(), texts[b].name.c_str(), cp1250ToUtf8(echo.second).c_str());
    }
  }
  std::printf(
      "%zu texts: %zu runs of five words in two texts, %zu runs of four in two texts of one date, %zu shared "
      "lists, %zu sentences saying the same\n",
      texts.size(), longRuns, dateRuns, sharedLists, sameSentences);
  return longRuns + dateRuns + sharedLists + sameSentences == 0 ? 0 : 1;
}
