// The twelve spans into which both the Native American totems and the seasonal periods divide
// the year: totem and period of a date always share their index.
#pragma once

#include "engine/compose.h"

namespace kalmira {

inline constexpr int totemPeriodCount = 12;

inline constexpr SignCondition totemPeriodConditions[totemPeriodCount] = {
    {from(3, 21), until(4, 19)},    // Sokol, Doba probuzení
    {from(4, 20), until(5, 20)},    // Bobr, Doba růstu
    {from(5, 21), until(6, 20)},    // Jelen, Doba rozkvětu
    {from(6, 21), until(7, 21)},    // Datel, Doba dlouhých dnů
    {from(7, 22), until(8, 21)},    // Losos, Doba zrání
    {from(8, 22), until(9, 21)},    // Medvěd, Doba žní
    {from(9, 22), until(10, 22)},   // Havran, Doba padajícího listí
    {from(10, 23), until(11, 22)},  // Had, Doba prvních mrazů
    {from(11, 23), until(12, 21)},  // Sova, Doba dlouhých nocí
    {from(12, 22), until(1, 19)},   // Husa, Doba hlubokého spánku
    {from(1, 20), until(2, 18)},    // Vydra, Doba ticha
    {from(2, 19), until(3, 20)},    // Vlk, Doba obnovy
};

// The index of the totem and period for a day and month, or -1 for a month outside 1 to 12.
constexpr int findTotemPeriod(int month, int day) { return findSign(totemPeriodConditions, month, day); }

}  // namespace kalmira
