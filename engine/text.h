// Compile-time texts: UTF-8 literals in the sources become code page 1250 bytes in the program,
// and every piece is checked against the `Length` its piece<Length>(...) call states.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/codepage.h"

namespace kalmira {

// What a "%s" placeholder of a piece receives.
enum class Fill : std::uint8_t {
  TextSoFar,  // the text composed before this piece; only at the very start of a later piece
  Pad,        // the generator's one layout pad
  ShortPad,   // the Chinese generator's two pads
  LongPad,
};

inline constexpr std::size_t maxPlaceholders = 24;

// A piece as composition reads it: code page 1250 bytes with "%s" placeholders, and what each
// placeholder receives, in order.
struct Piece {
  const char* bytes;
  std::size_t size;
  const Fill* fills;
  const std::uint16_t* offsets;  // where each placeholder stands, in bytes from the start
  std::size_t placeholders;
};

// The layout items a piece is written in.
struct Text {
  std::u8string_view utf8;
};
struct Run {
  char character;
  std::size_t count;
};
struct Placeholder {
  Fill fill;
};
// A labelled value: the label, `gap` spaces, the value.
struct Entry {
  std::u8string_view label;
  std::size_t gap;
  std::u8string_view value;
};

constexpr Text text(std::u8string_view utf8) { return {utf8}; }
constexpr Run spaces(std::size_t count) { return {' ', count}; }
constexpr Run tabs(std::size_t count) { return {'\t', count}; }
constexpr Entry entry(std::u8string_view label, std::u8string_view value, std::size_t gap = 1) {
  return {label, gap, value};
}
inline constexpr Placeholder textSoFar{Fill::TextSoFar};
inline constexpr Placeholder pad{Fill::Pad};
inline constexpr Placeholder shortPad{Fill::ShortPad};
inline constexpr Placeholder longPad{Fill::LongPad};

namespace diagnostics {
// A failed build names one of these; the "in constexpr expansion" line above it names the piece,
// and an array index in the message is the length found or the byte position (counted from 1).
inline constexpr char pieceIsNotLengthBytesButIs[1] = {};
inline constexpr char characterOutsideCodePage1250AtUtf8Byte[1] = {};
inline constexpr char malformedUtf8AtByte[1] = {};
inline constexpr char percentSignInTextAtUtf8Byte[1] = {};
inline constexpr char tooManyPlaceholders[1] = {};
inline constexpr char pieceIsEmpty[1] = {};
}  // namespace diagnostics

// A piece of exactly `Length` bytes, placeholders counted as their two bytes.
template <std::size_t Length>
struct FixedPiece {
  std::array<char, Length + 1> bytes{};  // NUL-terminated for readers that want a C string
  std::array<Fill, maxPlaceholders> fills{};
  std::array<std::uint16_t, maxPlaceholders> offsets{};
  std::size_t placeholders = 0;

  constexpr Piece view() const { return {bytes.data(), Length, fills.data(), offsets.data(), placeholders}; }
};

namespace detail {

template <std::size_t Length>
struct PieceWriter {
  FixedPiece<Length> piece{};
  std::size_t size = 0;
  int failure = 0;  // a diagnostics index to report, or 0

  // Bytes past `Length` are counted but not kept, so that a wrong length is reported as found.
  constexpr void put(char byte) {
    if (size < Length) piece.bytes[size] = byte;
    ++size;
  }
  constexpr void add(const Text& item) {
    for (std::size_t at = 0; at < item.utf8.size();) {
      const Utf8Char decoded = decodeUtf8(item.utf8, at);
      if (decoded.length == 0) {
        failure = diagnostics::malformedUtf8AtByte[at + 1];
        return;
      }
      if (decoded.codePoint == U'%') {
        failure = diagnostics::percentSignInTextAtUtf8Byte[at + 1];
        return;
      }
      const int byte = unicodeToCp1250(decoded.codePoint);
      if (byte < 0) {
        failure = diagnostics::characterOutsideCodePage1250AtUtf8Byte[at + 1];
        return;
      }
      put(static_cast<char>(byte));
      at += decoded.length;
    }
  }
  constexpr void add(const Run& item) {
    for (std::size_t i = 0; i < item.count; ++i) put(item.character);
  }
  constexpr void add(const Placeholder& item) {
    if (piece.placeholders == maxPlaceholders) {
      failure = diagnostics::tooManyPlaceholders[piece.placeholders];
      return;
    }
    piece.fills[piece.placeholders] = item.fill;
    piece.offsets[piece.placeholders++] = static_cast<std::uint16_t>(size);
    put('%');
    put('s');
  }
  constexpr void add(const Entry& item) {
    add(Text{item.label});
    add(Run{' ', item.gap});
    add(Text{item.value});
  }
};

}  // namespace detail

// Builds a piece from its layout at compile time. `name` says which sign and piece it is, so that
// a failing build says where. Fails the build when a text is malformed UTF-8 or holds a character
// that code page 1250 lacks or a percent sign, or when the piece is not `Length` bytes long.
template <std::size_t Length, typename... Items>
consteval FixedPiece<Length> piece(const char* name, const Items&... items) {
  (void)name;
  detail::PieceWriter<Length> writer;
  (writer.add(items), ...);
  if (writer.failure != 0) return {};
  if (writer.size == 0) writer.failure = diagnostics::pieceIsEmpty[writer.size + 1];
  if (writer.size != Length) writer.failure = diagnostics::pieceIsNotLengthBytesButIs[writer.size];
  return writer.piece;
}

// A NUL-terminated code page 1250 string converted at compile time; `Capacity` is the UTF-8
// size, an upper bound of the converted one.
template <std::size_t Capacity>
struct Cp1250String {
  std::array<char, Capacity> bytes{};
  std::size_t size = 0;

  constexpr const char* c_str() const { return bytes.data(); }
  constexpr std::string_view view() const { return {bytes.data(), size}; }
};

// Fails the build as a piece's text would.
template <std::size_t N>
consteval Cp1250String<N> cp1250(const char8_t (&utf8)[N]) {
  detail::PieceWriter<N - 1> writer;
  writer.add(Text{std::u8string_view{utf8, N - 1}});
  Cp1250String<N> result;
  if (writer.failure != 0) return result;
  for (std::size_t i = 0; i < writer.size; ++i) result.bytes[i] = writer.piece.bytes[i];
  result.size = writer.size;
  return result;
}

}  // namespace kalmira
