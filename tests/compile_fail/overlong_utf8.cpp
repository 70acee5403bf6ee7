// A "5" written as two bytes of UTF-8 is malformed, not a digit: the build must stop and name the
// piece.
#include "engine/text.h"

using namespace kalmira;
constexpr auto sample = piece<7>("Sample sign, lucky number", text(u8"Číslo \xC0\xB5"));
