// What every generator shares: the result text, sign conditions with first-match lookup, layout
// pads and the composition of a sign's pieces.
#pragma once

#include <cstddef>
#include <cstring>
#include <limits>
#include <span>
#include <string_view>

#include "engine/text.h"

namespace kalmira {

inline constexpr std::size_t resultTextSize = 6000;
using ResultText = char[resultTextSize];

// The whole text when a date falls in no sign (only a month outside 1 to 12 does).
inline constexpr auto signNotFoundMessage = cp1250(u8"Nastala chyba nemôžem nájsť tvoje znamenie");

// One clause of a sign's date condition: the month, and the days from `firstDay` to `lastDay`
// inclusive. `month` is compared for equality only, days as signed numbers, so that a day outside
// the calendar (a negative day, 31 February) falls where the bounds put it.
struct Clause {
  int month;
  int firstDay;
  int lastDay;

  constexpr bool holds(int requestMonth, int requestDay) const {
    return requestMonth == month && requestDay >= firstDay && requestDay <= lastDay;
  }
};

inline constexpr int anyDayBelow = std::numeric_limits<int>::min();
inline constexpr int anyDayAbove = std::numeric_limits<int>::max();

// month = M and day >= D
constexpr Clause from(int month, int day) { return {month, day, anyDayAbove}; }
// month = M and day > D
constexpr Clause after(int month, int day) { return {month, day + 1, anyDayAbove}; }
// month = M and day <= D
constexpr Clause until(int month, int day) { return {month, anyDayBelow, day}; }
// month = M and day < D
constexpr Clause before(int month, int day) { return {month, anyDayBelow, day - 1}; }
// month = M
constexpr Clause wholeMonth(int month) { return {month, anyDayBelow, anyDayAbove}; }

// A sign's condition: its clauses joined by "or", tested in order.
struct SignCondition {
  Clause clauses[3];
  std::size_t count;

  constexpr SignCondition(Clause first, Clause second) : clauses{first, second, {}}, count(2) {}
  constexpr SignCondition(Clause first, Clause second, Clause third)
      : clauses{first, second, third}, count(3) {}

  constexpr bool holds(int month, int day) const {
    for (std::size_t i = 0; i < count; ++i)
      if (clauses[i].holds(month, day)) return true;
    return false;
  }
};

// The index of the first sign whose condition holds, or -1 when none does.
constexpr int findSign(std::span<const SignCondition> signs, int month, int day) {
  for (std::size_t i = 0; i < signs.size(); ++i)
    if (signs[i].holds(month, day)) return static_cast<int>(i);
  return -1;
}

// The pads a generator offers its placeholders; a generator with one pad sets `pad` only.
struct Pads {
  std::string_view pad = {};
  std::string_view shortPad = {};
  std::string_view longPad = {};
};

// The layout pad lengths, for working out composed lengths at compile time.
struct PadLengths {
  std::size_t pad = 0;
  std::size_t shortPad = 0;
  std::size_t longPad = 0;
};

// Fills `buffer` with `length` spaces and a terminator; the view covers the spaces.
template <std::size_t N>
std::string_view makePad(char (&buffer)[N], std::size_t length) {
  static_assert(N > 0);
  if (length >= N) length = N - 1;
  std::memset(buffer, ' ', length);
  buffer[length] = '\0';
  return {buffer, length};
}

// Length of the text that composing `pieces` gives, without its terminator.
constexpr std::size_t composedLength(std::span<const Piece> pieces, PadLengths pads) {
  std::size_t length = 0;
  for (const Piece& piece : pieces) {
    length += piece.size - 2 * piece.placeholders;
    for (std::size_t i = 0; i < piece.placeholders; ++i) {
      switch (piece.fills[i]) {
        case Fill::TextSoFar: break;
        case Fill::Pad: length += pads.pad; break;
        case Fill::ShortPad: length += pads.shortPad; break;
        case Fill::LongPad: length += pads.longPad; break;
      }
    }
  }
  return length;
}

// True when the pieces follow the composition rule: the first piece does not take the text so
// far, and every later piece takes it in its first placeholder, at its very first byte, and
// nowhere else.
constexpr bool followsCompositionRule(std::span<const Piece> pieces) {
  for (std::size_t p = 0; p < pieces.size(); ++p) {
    const Piece& piece = pieces[p];
    for (std::size_t i = 0; i < piece.placeholders; ++i) {
      const bool wantsTextSoFar = p > 0 && i == 0;
      if ((piece.fills[i] == Fill::TextSoFar) != wantsTextSoFar) return false;
    }
    if (p > 0 && (piece.placeholders == 0 || piece.bytes[0] != '%' || piece.bytes[1] != 's')) return false;
  }
  return !pieces.empty();
}

// True when the composed text of every sign fits the result text with its terminator.
constexpr bool fitsResultText(std::span<const std::span<const Piece>> signs, PadLengths pads) {
  for (const auto& pieces : signs)
    if (!followsCompositionRule(pieces) || composedLength(pieces, pads) + 1 > resultTextSize) return false;
  return true;
}

// Writes the pieces one after the other into `out`: each placeholder takes its pad, the text so
// far is what already stands in `out`. Never writes past the result text: the sign tables are
// proven at compile time to fit, and a text that did not would be cut short, not overflow.
void composePieces(ResultText& out, std::span<const Piece> pieces, const Pads& pads);

// Writes `text` as the whole result text.
void writeWholeText(ResultText& out, std::string_view text);

// Writes the text of `sign` from a date generator's table, or the not-found message when the date
// fell in no sign (`sign` < 0), so that every date generator answers a month outside the year alike.
void writeSignText(ResultText& out, int sign, std::span<const std::span<const Piece>> texts,
                   const Pads& pads);

// writeSignText for the generators whose texts take one pad of `padLength` spaces.
void writeSignTextWithPad(ResultText& out, int sign, std::span<const std::span<const Piece>> texts,
                          std::size_t padLength);

}  // namespace kalmira
