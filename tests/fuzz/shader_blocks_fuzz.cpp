// composite and choiceMr called by the stand-in renderer with parameter blocks of the input's
// making: any number of layers or elements at any start, any blend mode and selector, colours
// and opacities that are NaN or infinite, and colours attached to a pattern shader.
#include "fuzz_network.h"

#include <rayhost/patterns.h>
#include <rayhost/render.h>
#include <rayhost/shader_library.h>

#include <memory>
#include <vector>

namespace {

rayhost::ShaderLibrary* library = nullptr;
rayhost::PatternShaders* patterns = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    library = new rayhost::ShaderLibrary(QUILLOMAR_SHADER_LIBRARY, QUILLOMAR_SHADER_DECLARATIONS);
    patterns = new rayhost::PatternShaders();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const std::uint8_t choice = in.byte();
    rayhost::ShaderNetwork network;
    const rayhost::InstanceId pattern =
        network.add("pattern", patterns->kind(choice & 2 ? "uvChecker" : "uvRamp"));
    const rayhost::InstanceId block =
        network.add("block", library->kind(choice & 1 ? "choiceMr" : "composite"));
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
