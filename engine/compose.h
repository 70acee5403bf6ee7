// What every generator shares: sign conditions with first-match lookup, layout pads, and the
// composition of a sign's pieces into its finished text at compile time.
#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <span>
#include <string_view>

#include "engine/birth_date.h"
#include "engine/text.h"

namespace kalmira {

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

// The layout pad lengths a generator's placeholders take.
struct PadLengths {
  std::size_t pad = 0;
  std::size_t shortPad = 0;
  std::size_t longPad = 0;
};

constexpr std::size_t padLength(Fill fill, PadLengths pads) {
  switch (fill) {
    case Fill::Pad: return pads.pad;
    case Fill::ShortPad: return pads.shortPad;
    case Fill::LongPad: return pads.longPad;
    case Fill::TextSoFar: break;
  }
  return 0;
}

// Length of the text that composing `pieces` gives, without its terminator.
constexpr std::size_t composedLength(std::span<const Piece> pieces, PadLengths pads) {
  std::size_t length = 0;
  for (const Piece& piece : pieces) {
    length += piece.size - 2 * piece.placeholders;
    for (std::size_t i = 0; i < piece.placeholders; ++i) length += padLength(piece.fills[i], pads);
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

namespace diagnostics {
inline constexpr char piecesBreakTheCompositionRule[1] = {};
inline constexpr char composedTextIsNotLengthBytesButIs[1] = {};
inline constexpr char composedTextTooLongForTheResultBufferAndIs[1] = {};
}  // namespace diagnostics

// A sign's whole text, composed at compile time: NUL-terminated, `Length` bytes before it.
template <std::size_t Length>
struct FinishedText {
  std::array<char, Length + 1> bytes{};

  constexpr std::string_view view() const { return {bytes.data(), Length}; }
};

// Composes `pieces` into one text: the pieces one after the other, each pad's placeholder
// replaced by its spaces, and the text-so-far placeholder by nothing, since that text already
// stands before the piece. Fails the build when the pieces break the composition rule, or when the
// text is not `Length` bytes long or would not fit the result text.
template <std::size_t Length>
consteval FinishedText<Length> composeAtCompileTime(std::span<const Piece> pieces, PadLengths pads) {
  FinishedText<Length> text;
  int failure = 0;
  if (!followsCompositionRule(pieces)) failure = diagnostics::piecesBreakTheCompositionRule[1];
  const std::size_t length = composedLength(pieces, pads);
  if (length != Length) failure = diagnostics::composedTextIsNotLengthBytesButIs[length];
  if (Length + 1 > resultTextSize) failure = diagnostics::composedTextTooLongForTheResultBufferAndIs[Length];
  (void)failure;
  std::size_t at = 0;
  for (const Piece& piece : pieces) {
    std::size_t placeholder = 0;
    for (std::size_t i = 0; i < piece.size; ++i) {
      if (placeholder < piece.placeholders && i == piece.offsets[placeholder]) {
        for (std::size_t n = padLength(piece.fills[placeholder], pads); n > 0; --n) text.bytes[at++] = ' ';
        ++placeholder;
        ++i;  // past the "%s"
        continue;
      }
      text.bytes[at++] = piece.bytes[i];
    }
  }
  return text;
}

// A sign's finished text, one constant per sign: `Length` is its size in bytes without the
// terminator, `pads` its generator's pads, then its pieces in order. A failing build names the
// pieces in the instantiation.
template <std::size_t Length, PadLengths pads, const auto&... pieces>
inline constexpr FinishedText<Length> finishedText =
    composeAtCompileTime<Length>(std::array<Piece, sizeof...(pieces)>{pieces.view()...}, pads);

// A date generator's answer: the text of `sign`, or the not-found message when the date fell in no
// sign (`sign` < 0), so that every date generator answers a month outside the year alike.
constexpr std::string_view signText(int sign, std::span<const std::string_view> texts) {
  return sign < 0 ? signNotFoundMessage.view() : texts[static_cast<std::size_t>(sign)];
}

}  // namespace kalmira
