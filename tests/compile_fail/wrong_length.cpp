// A piece one byte short of its stated Length: the build must stop and name it.
#include "engine/text.h"

using namespace kalmira;
constexpr auto sample = piece<12>("Sample sign, description", text(u8"Sample"), spaces(3), pad);
