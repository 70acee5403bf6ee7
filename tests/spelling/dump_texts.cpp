// Writes every text the program can show, one segment per line as "LANGUAGE<TAB>UTF-8 text", for
// the spell check. Segments are the stretches between layout runs; a sign's heading is its first.
#include <cstdio>
#include <set>
#include <string>
#include <string_view>

#include "engine/codepage.h"
#include "engine/request.h"
#include "engine/systems.h"
#include "tools/kalmira-text/render.h"

namespace {

using namespace kalmira;

struct Languages {
  const char* heading;
  const char* body;
};

// By list position: the European headings and the short characterisations are Slovak.
constexpr Languages languages[horoscopeTypeCount] = {
    {"sk", "cs"}, {"cs", "cs"}, {"cs", "cs"}, {"cs", "cs"}, {"cs", "cs"}, {"sk", "sk"},
};

void printSegments(std::string_view text, Languages language) {
  const std::string paragraphs = renderParagraphs(text, 1000000);
  bool first = true;
  std::size_t at = 0;
  while (at < paragraphs.size()) {
    std::size_t end = paragraphs.find('\n', at);
    if (end == std::string::npos) end = paragraphs.size();
    if (end > at) {
      std::printf("%s\t%s\n", first ? language.heading : language.body,
                  paragraphs.substr(at, end - at).c_str());
      first = false;
    }
    at = end + 1;
  }
}

}  // namespace

int main() {
  std::set<std::string> seen;
  for (int type = 0; type < horoscopeTypeCount; ++type) {
    std::printf("sk\t%s\n", cp1250ToUtf8(horoscopeSystems[type].listText).c_str());
    // The Chinese signs depend on the year only, every other system on the day and month only.
    const bool byYear = type == static_cast<int>(HoroscopeType::Chinese);
    for (int year = byYear ? 1890 : 1980; year <= (byYear ? 2030 : 1980); ++year) {
      for (int month = byYear ? 1 : -1; month <= (byYear ? 1 : 12); ++month) {
        for (int day = 1; day <= (byYear ? 1 : 31); ++day) {
          const std::string_view text = horoscopeText(type, {day, month, year});
          if (!seen.emplace(text).second) continue;
          // A message written instead of a sign's text has no layout run, and is Slovak.
          const bool isMessage = text.find("  ") == std::string_view::npos;
          printSegments(text, isMessage ? Languages{"sk", "sk"} : languages[type]);
        }
      }
    }
  }
  // The messages of the compute command.
  HoroscopeRequest request{};
  for (const char* dayText : {"", "0", "1"}) {
    for (const char* month : {"0", "1"}) {
      const char* message =
          computeRequest({dayText, month, "1", 0, horoscopeSystems[0].listText, 1}, request);
      if (message && seen.insert(message).second) std::printf("sk\t%s\n", cp1250ToUtf8(message).c_str());
    }
  }
  const char* message = computeRequest({"1", "1", "1", -1, "", -1}, request);
  std::printf("sk\t%s\n", cp1250ToUtf8(message).c_str());
  message = computeRequest({"1", "1", "1", 0, horoscopeSystems[0].listText, 1}, request);
  std::printf("sk\t%s\n", cp1250ToUtf8(message).c_str());
  return 0;
}
