// composite and choiceMr called by the stand-in renderer with parameter blocks of the input's
// making: any number of layers or elements at any start, any blend mode and selector, colours
// and opacities that are NaN or infinite, and colours attached to a pattern shader.
#include "fuzz_network.h"
#include "fuzz_renderer.h"

#include <rayhost/render.h>

#include <memory>
#include <vector>

namespace {

fuzz::Renderer* renderer = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    renderer = fuzz::loadRenderer();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const std::uint8_t choice = in.byte();
    rayhost::ShaderNetwork network;
    const rayhost::InstanceId pattern =
        network.add("pattern", renderer->patterns.kind(choice & 2 ? "uvChecker" : "uvRamp"));
    const rayhost::InstanceId block =
        network.add("block", renderer->library.kind(choice & 1 ? "choiceMr" : "composite"));
    fuzz::fillParameters(network, pattern, in, {});
    fuzz::fillParameters(network, block, in, {16, pattern});

    miOptions options{};
    rayhost::PrimarySample sample;
    rayhost::fillPrimarySample(sample, &options, static_cast<int>(in.upTo(7)),
                               static_cast<int>(in.upTo(7)), 8, 8, in.take<miSshort>());
    std::vector<char> result(network.resultSize(block));
    network.call(block, result.data(), &sample.state);
    return 0;
}
