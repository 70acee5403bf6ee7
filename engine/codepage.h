// Code page 1250 (Windows Central European): the encoding of every text the program holds, and the
// one place where it is converted to and from UTF-8 (terminals, sources) and UTF-16 (Windows).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kalmira {

// Unicode code points of the bytes 0x80 to 0xFF; 0 marks the five bytes the code page leaves
// undefined.
inline constexpr std::array<char16_t, 128> cp1250HighHalf = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// The code point a byte of code page 1250 stands for (0 for an undefined byte above 0x7F).
constexpr char32_t cp1250ToUnicode(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value < 0x80 ? char32_t{value} : char32_t{cp1250HighHalf[value - 0x80]};
}

// The byte of code page 1250 for a code point, or -1 when the code page has no such character.
constexpr int unicodeToCp1250(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<int>(codePoint);
  for (std::size_t i = 0; i < cp1250HighHalf.size(); ++i)
    if (cp1250HighHalf[i] != 0 && cp1250HighHalf[i] == codePoint) return static_cast<int>(0x80 + i);
  return -1;
}

// One code point decoded from UTF-8; `length` 0 marks a malformed sequence.
struct Utf8Char {
  char32_t codePoint;
  std::size_t length;
};

// Decodes the sequence that begins at `at`. Only the shortest form of a Unicode scalar value is
// accepted: a longer form of a smaller code point, a UTF-16 surrogate (U+D800 to U+DFFF), a value
// above U+10FFFF and a sequence cut short are all malformed.
constexpr Utf8Char decodeUtf8(std::u8string_view text, std::size_t at) {
  constexpr Utf8Char malformed{0, 0};
  constexpr char32_t smallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
  if (length == 0 || length > text.size() - at) return malformed;
  if (length == 1) return {lead, 1};
  char32_t codePoint = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return malformed;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  if (codePoint < smallestOfLength[length] || (codePoint >= 0xD800 && codePoint <= 0xDFFF) ||
      codePoint > 0x10FFFF)
    return malformed;
  return {codePoint, length};
}

// UTF-8 of code page 1250 `text`; an undefined byte becomes U+FFFD.
std::string cp1250ToUtf8(std::string_view text);

// True when `text` is well-formed UTF-8 (shortest forms of Unicode scalar values only).
bool isUtf8(std::string_view text);

// Code page 1250 bytes of UTF-8 `text`: a malformed byte or a character the code page lacks
// becomes '?'. `firstFailure`, when given, receives the UTF-8 byte position of the first such
// (std::string::npos when there is none).
std::string utf8ToCp1250(std::u8string_view text, std::size_t* firstFailure = nullptr);
inline std::string utf8ToCp1250(std::string_view text, std::size_t* firstFailure = nullptr) {
  return utf8ToCp1250(std::u8string_view(reinterpret_cast<const char8_t*>(text.data()), text.size()),
                      firstFailure);
}

// Writes code page 1250 `text` as UTF-16 into `out`, which holds `outSize` units with the
// terminator (a longer text is cut short); an undefined byte becomes '?'. Returns the units
// written, the terminator not counted. `Unit` is any 16-bit character type: char16_t, or wchar_t
// on Windows.
template <class Unit>
std::size_t cp1250ToUtf16(std::string_view text, Unit* out, std::size_t outSize) {
  static_assert(sizeof(Unit) == 2, "UTF-16 takes 16-bit units");
  if (outSize == 0) return 0;
  std::size_t length = 0;
  for (; length < text.size() && length + 1 < outSize; ++length) {
    const char32_t codePoint = cp1250ToUnicode(text[length]);
    out[length] = static_cast<Unit>(codePoint == 0 && text[length] != '\0' ? U'?' : codePoint);
  }
  out[length] = 0;
  return length;
}

// Writes NUL-terminated UTF-16 `text` as code page 1250 into `out`, which holds `outSize` bytes with
// the terminator (a longer text is cut short); a unit the code page lacks becomes '?'.
template <class Unit>
void utf16ToCp1250(const Unit* text, char* out, std::size_t outSize) {
  static_assert(sizeof(Unit) == 2, "UTF-16 takes 16-bit units");
  if (outSize == 0) return;
  std::size_t length = 0;
  for (; text[length] != 0 && length + 1 < outSize; ++length) {
    const int byte = unicodeToCp1250(static_cast<char16_t>(text[length]));
    out[length] = byte < 0 ? '?' : static_cast<char>(byte);
  }
  out[length] = '\0';
}

}  // namespace kalmira
