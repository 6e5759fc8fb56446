#pragma once
// Parameter blocks filled from a fuzz input, through the stand-in renderer's shader network:
// every simple field gets raw 32-bit words (so NaN, infinities, any integer, any boolean word),
// every array a count and a start of the input's choosing, and colour fields may be attached to
// another instance instead.
#include "fuzz_bytes.h"

#include <rayhost/network.h>

#include <optional>

namespace fuzz {

struct FillLimits {
    unsigned mostElements = 8;                      // per array
    std::optional<rayhost::InstanceId> colorSource; // attached to colour fields now and then
};

void fillParameters(rayhost::ShaderNetwork& network, rayhost::InstanceId instance, Bytes& in,
                    const FillLimits& limits);

} // namespace fuzz
