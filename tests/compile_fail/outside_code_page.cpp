// A character code page 1250 does not have: the build must stop and name the piece.
#include "engine/text.h"

using namespace kalmira;
constexpr auto sample = piece<10>("Sample sign, fact sheet", text(u8"Kov: ∞"), spaces(3));
