// The twelve signs of the tropical zodiac as both European generators find them.
#pragma once

#include <string_view>

#include "engine/compose.h"

namespace kalmira {

inline constexpr int europeanSignCount = 12;

inline constexpr SignCondition europeanSignConditions[europeanSignCount] = {
    {from(3, 21), until(4, 20)},    // Baran
    {from(4, 21), until(5, 21)},    // Býk
    {from(5, 22), until(6, 21)},    // Blíženci
    {from(6, 22), until(7, 22)},    // Rak
    {from(7, 23), until(8, 22)},    // Lev
    {from(8, 23), until(9, 22)},    // Panna
    {from(9, 23), until(10, 23)},   // Váhy
    {from(10, 24), until(11, 22)},  // Škorpión
    {from(11, 23), until(12, 21)},  // Strelec
    {from(12, 22), until(1, 20)},   // Kozorožec
    {from(1, 21), until(2, 20)},    // Vodnár
    {from(2, 21), until(3, 20)},    // Ryby
};

// The heading each sign's text begins with (Slovak).
inline constexpr std::u8string_view europeanSignHeadings[europeanSignCount] = {
    u8"Baran", u8"Býk",      u8"Blíženci", u8"Rak",       u8"Lev",    u8"Panna",
    u8"Váhy",  u8"Škorpión", u8"Strelec",  u8"Kozorožec", u8"Vodnár", u8"Ryby",
};

// The index of the sign for a day and month, or -1 for a month outside 1 to 12.
constexpr int findEuropeanSign(int month, int day) { return findSign(europeanSignConditions, month, day); }

}  // namespace kalmira
