// A sign whose pieces compose to another length than its finishedText states: the build fails,
// and the error names the pieces and gives the length they compose to.
#include "engine/compose.h"

namespace {

using namespace kalmira;

constexpr auto sampleDescription = piece<7>("Sample sign, description", text(u8"Rak"), spaces(2), pad);
constexpr PadLengths samplePads{.pad = 10};
constexpr std::string_view sampleText = finishedText<99, samplePads, sampleDescription>.view();

}  // namespace
