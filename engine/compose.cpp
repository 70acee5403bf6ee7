// The result text as a caller's buffer.
#include "engine/compose.h"

#include <cstring>

namespace kalmira {

void copyToResultText(std::string_view text, ResultText& out) {
  const std::size_t length = text.size() < resultTextSize ? text.size() : resultTextSize - 1;
  std::memmove(out, text.data(),
               length);  // a library call: GCC would inline a slower string move for a bounded memcpy
  out[length] = '\0';
}

}  // namespace kalmira
