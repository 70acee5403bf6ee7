// The table of the six horoscope systems.
#include "engine/systems.h"

#include "engine/chinese.h"
#include "engine/cyclic.h"
#include "engine/egyptian.h"
#include "engine/european.h"
#include "engine/european_short.h"
#include "engine/indian.h"
#include "engine/text.h"

namespace kalmira {

namespace {

constexpr auto european = cp1250(u8"Európsky");
constexpr auto chinese = cp1250(u8"Čínsky");
constexpr auto cyclic = cp1250(u8"Cyklický");
constexpr auto egyptian = cp1250(u8"Egyptský");
constexpr auto indian = cp1250(u8"Indiánsky");
constexpr auto europeanShort = cp1250(u8"Európsky krátky");

}  // namespace

const HoroscopeSystem horoscopeSystems[horoscopeTypeCount] = {
    {HoroscopeType::European, european.c_str(), europeanText},
    {HoroscopeType::Chinese, chinese.c_str(), chineseText},
    {HoroscopeType::Cyclic, cyclic.c_str(), cyclicText},
    {HoroscopeType::Egyptian, egyptian.c_str(), egyptianText},
    {HoroscopeType::Indian, indian.c_str(), indianText},
    {HoroscopeType::EuropeanShort, europeanShort.c_str(), europeanShortText},
};

std::string_view horoscopeText(std::int32_t typeIndex, BirthDate date) {
  if (typeIndex < 0 || typeIndex >= horoscopeTypeCount) return "";  // terminated, like every text
  return horoscopeSystems[typeIndex].text(date);
}

}  // namespace kalmira
