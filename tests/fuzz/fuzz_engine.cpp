// libFuzzer target: arbitrary field texts through the compute command, arbitrary numbers through
// the generators, checking that every title and text stays inside the result text.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/request.h"
#include "engine/systems.h"

namespace {

using namespace kalmira;

void checkText(std::string_view text) {
  if (text.size() >= resultTextSize || std::memchr(text.data(), '\0', text.size()) != nullptr) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int type = static_cast<int>(data[0] % 9) - 1;  // -1 to 7: every list position and beyond
  ++data;
  --size;

  // The fields: the rest of the input split at NUL bytes into day, month and year texts.
  std::string fields[3];
  int field = 0;
  for (std::size_t i = 0; i < size && field < 3; ++i) {
    if (data[i] == 0)
      ++field;
    else
      fields[field] += static_cast<char>(data[i]);
  }
  const char* name = type >= 0 && type < horoscopeTypeCount ? horoscopeSystems[type].listText : "";
  const int length = static_cast<int>(std::strlen(name));
  HoroscopeRequest request{};
  char title[titleSize];
  if (computeRequest({fields[0].c_str(), fields[1].c_str(), fields[2].c_str(), type, name, length},
                     request) == nullptr) {
    formatTitle(request, title);
    if (std::strlen(title) >= titleSize) std::abort();
    checkText(horoscopeText(request.typeIndex, birthDateOf(request)));
  }

  // The same bytes as raw numbers, past validation, straight into the generator.
  if (size >= 12) {
    std::int32_t numbers[3];
    std::memcpy(numbers, data, sizeof numbers);
    request = {numbers[0], numbers[1], numbers[2], type, {}};
    checkText(horoscopeText(request.typeIndex, birthDateOf(request)));
    formatTitle(request, title);
  }
  return 0;
}
