// Composition of a sign's pieces into the result text.
#include "engine/compose.h"

#include <cstring>

namespace kalmira {

namespace {

std::string_view padFor(Fill fill, const Pads& pads) {
  switch (fill) {
    case Fill::Pad: return pads.pad;
    case Fill::ShortPad: return pads.shortPad;
    case Fill::LongPad: return pads.longPad;
    case Fill::TextSoFar: break;
  }
  return {};
}

// Appends within the result text; what would not fit is dropped, never written past the end.
struct Output {
  char* at;
  char* last;  // the terminator's place when the text is full

  void append(const char* bytes, std::size_t count) {
    const std::size_t room = static_cast<std::size_t>(last - at);
    if (count > room) count = room;
    if (count == 0) return;
    std::memcpy(at, bytes, count);
    at += count;
  }
};

}  // namespace

void composePieces(ResultText& out, std::span<const Piece> pieces, const Pads& pads) {
  Output output{out, out + resultTextSize - 1};
  for (const Piece& piece : pieces) {
    std::size_t from = 0;
    for (std::size_t i = 0; i < piece.placeholders; ++i) {
      output.append(piece.bytes + from, piece.offsets[i] - from);
      // The text so far is already in place: appending after it is all that placeholder asks.
      const std::string_view fill = padFor(piece.fills[i], pads);
      output.append(fill.data(), fill.size());
      from = piece.offsets[i] + 2;
    }
    output.append(piece.bytes + from, piece.size - from);
  }
  *output.at = '\0';
}

void writeWholeText(ResultText& out, std::string_view text) {
  Output output{out, out + resultTextSize - 1};
  output.append(text.data(), text.size());
  *output.at = '\0';
}

void writeSignText(ResultText& out, int sign, std::span<const std::span<const Piece>> texts,
                   const Pads& pads) {
  if (sign < 0) {
    writeWholeText(out, signNotFoundMessage.view());
    return;
  }
  composePieces(out, texts[static_cast<std::size_t>(sign)], pads);
}

void writeSignTextWithPad(ResultText& out, int sign, std::span<const std::span<const Piece>> texts,
                          std::size_t padLength) {
  char padBuffer[200];
  writeSignText(out, sign, texts, {.pad = makePad(padBuffer, padLength)});
}

}  // namespace kalmira
