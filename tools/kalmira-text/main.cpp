// kalmira-text: the horoscope engine on the command line, for scripts and for people on Linux.
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/codepage.h"
#include "engine/request.h"
#include "engine/systems.h"
#include "tools/kalmira-text/render.h"

namespace {

using namespace kalmira;

// The usage text, with the list positions and texts taken from the program's list.
std::string usage() {
  std::string text =
      "usage: kalmira-text [--raw] TYPE DAY MONTH YEAR\n"
      "       kalmira-text --unchecked [--raw] TYPE DAY MONTH YEAR\n"
      "TYPE is the list position: -1 (nothing selected)";
  for (int type = 0; type < horoscopeTypeCount; ++type)  // broken after the third, to keep lines short
    text += (type == 3 ? ",\n" : ", ") + std::to_string(type) + " " +
            cp1250ToUtf8(horoscopeSystems[type].listText);
  text +=
      ". DAY, MONTH and YEAR are the texts of the three\n"
      "date fields as typed; with --unchecked they are whole numbers and nothing is validated.\n"
      "--raw writes the title and the text as the program holds them, in code page 1250.\n";
  return text;
}

// An argument that is not UTF-8 is refused before anything reads it, so that no byte of it can
// be taken for a digit or a letter the user did not type.
int notUtf8(const std::string& argument) {
  std::fprintf(stderr, "kalmira-text: %s is not valid UTF-8\n", argument.c_str());
  return 2;
}

int usageError(const char* what) {
  std::fprintf(stderr, "kalmira-text: %s\n%s", what, usage().c_str());
  return 2;
}

// A whole signed 32-bit decimal number, nothing else.
bool parseWholeNumber(const char* text, long& value) {
  if (*text == '\0') return false;
  errno = 0;
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return errno == 0 && *end == '\0' && value >= INT_MIN && value <= INT_MAX;
}

std::size_t terminalWidth() {
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  if (const char* columns = std::getenv("COLUMNS")) {
    const long value = std::strtol(columns, nullptr, 10);
    if (value > 0) return static_cast<std::size_t>(value);
  }
  return 80;
}

void writeOut(std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

}  // namespace

int main(int argc, char** argv) {
  bool raw = false;
  bool unchecked = false;
  const char* positional[4];
  int count = 0;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool isOption = !optionsEnded && arg.size() > 2 && arg.substr(0, 2) == "--";
    if (!isUtf8(arg)) {
      constexpr const char* fieldNames[] = {"TYPE", "DAY", "MONTH", "YEAR"};
      return notUtf8(!isOption && count < 4 ? fieldNames[count] : "argument " + std::to_string(i));
    }
    if (isOption) {
      if (arg == "--raw") {
        raw = true;
      } else if (arg == "--unchecked") {
        unchecked = true;
      } else if (arg == "--help") {
        std::fputs(usage().c_str(), stdout);
        return 0;
      } else {
        return usageError("unknown option");
      }
    } else if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else {
      if (count == 4) return usageError("too many arguments");
      positional[count++] = argv[i];
    }
  }
  if (count < 4) return usageError("missing arguments");

  long type = 0;
  if (!parseWholeNumber(positional[0], type) || type < (unchecked ? 0 : -1) || type >= horoscopeTypeCount)
    return usageError("TYPE must be a list position from -1 to 5 (0 to 5 with --unchecked)");

  if (unchecked) {
    long day = 0, month = 0, year = 0;
    if (!parseWholeNumber(positional[1], day) || !parseWholeNumber(positional[2], month) ||
        !parseWholeNumber(positional[3], year))
      return usageError("with --unchecked, DAY, MONTH and YEAR are whole 32-bit numbers");
    const std::string_view text = horoscopeText(
        static_cast<std::int32_t>(type),
        {static_cast<std::int32_t>(day), static_cast<std::int32_t>(month), static_cast<std::int32_t>(year)});
    if (raw)
      writeOut(text);
    else
      writeOut(renderParagraphs(text, terminalWidth()));
    return 0;
  }

  const std::string day = utf8ToCp1250(positional[1]);
  const std::string month = utf8ToCp1250(positional[2]);
  const std::string year = utf8ToCp1250(positional[3]);
  const char* typeName = type >= 0 ? horoscopeSystems[type].listText : "";
  const RequestInput input{day.c_str(),  month.c_str(),
                           year.c_str(), static_cast<int>(type),
                           typeName,     type >= 0 ? static_cast<int>(std::strlen(typeName)) : -1};
  HoroscopeRequest request{};
  if (const char* message = computeRequest(input, request)) {
    std::fprintf(stderr, "%s\n", cp1250ToUtf8(message).c_str());
    return 1;
  }

  char title[titleSize];
  formatTitle(request, title);
  const std::string_view text = horoscopeText(request.typeIndex, birthDateOf(request));
  if (raw) {
    writeOut(title);
    writeOut("\n");
    writeOut(text);
  } else {
    writeOut(cp1250ToUtf8(title));
    writeOut("\n\n");
    writeOut(renderParagraphs(text, terminalWidth()));
  }
  return 0;
}
