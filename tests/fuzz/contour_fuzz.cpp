// The contour pipeline's functions as the renderer calls them, with what the input makes: a
// material's settings of any words stored on any render thread, contourStore on states with
// parent chains and sample colours of any value, then contourContrast and contourShader on
// stored records, records of random bytes or absent ones, at any level, with contrast
// parameters of any words.
#include "fuzz_network.h"

#include <rayhost/render.h>
#include <rayhost/shader_frame.h>
#include <rayhost/shader_library.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t kInfoSize = 132;

rayhost::ShaderLibrary* library = nullptr;

using Info = std::vector<unsigned char>;

// A record stored for a sample on `thread`, after its material ran there.
Info storedInfo(rayhost::ShaderNetwork& network, rayhost::InstanceId material,
                rayhost::InstanceId store, miSshort thread, fuzz::Bytes& in) {
    miOptions options{};
    rayhost::PrimarySample sample;
    rayhost::fillPrimarySample(sample, &options, 1, 2, 4, 4, thread);
    miState& state = sample.state;
    state.point.z = in.take<float>();
    state.normal = {in.take<float>(), in.take<float>(), in.take<float>()};
    state.label = in.take<miUint>();
    state.material = in.take<miTag>();
    state.instance = in.take<miTag>();
    state.pri_idx = in.take<miUint>();
    miColor result{};
    network.call(material, &result, &state);
    // A chain of parents, as for a sample seen through transparent surfaces.
    std::vector<miState> parents(in.upTo(5), state);
    for (std::size_t k = 0; k + 1 < parents.size(); ++k)
        parents[k].parent = &parents[k + 1];
    state.parent = parents.empty() ? nullptr : &parents.front();
    miColor color{in.take<float>(), in.take<float>(), in.take<float>(), in.take<float>()};
    Info info(kInfoSize);
    int size = 0;
    rayhost::ShaderFrame frame(network, store, &state);
    frame.function<miContour_Store_Function>()(info.data(), &size, &state, &color);
    if (size != static_cast<int>(kInfoSize))
        std::abort();
    return info;
}

// Absent, stored, or random bytes.
Info* anyInfo(Info& stored, Info& random, fuzz::Bytes& in) {
    switch (in.byte() % 3) {
    case 0:
        return nullptr;
    case 1:
        return &stored;
    default:
        for (unsigned char& byte : random)
            byte = in.byte();
        return &random;
    }
}

unsigned char* bytesOf(Info* info) {
    return info != nullptr ? info->data() : nullptr;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    library = new rayhost::ShaderLibrary(QUILLOMAR_SHADER_LIBRARY, QUILLOMAR_SHADER_DECLARATIONS);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    rayhost::ShaderNetwork network;
    const rayhost::InstanceId material = network.add("material", library->kind("contourMltShader"));
    const rayhost::InstanceId contrast = network.add("contrast", library->kind("contourContrast"));
    const rayhost::InstanceId store = network.add("store", library->kind("contourStore"));
    const rayhost::InstanceId line = network.add("line", library->kind("contourShader"));
    fuzz::fillParameters(network, material, in, {});
    fuzz::fillParameters(network, contrast, in, {});

    const miSshort thread = in.take<miSshort>();
    Info first = storedInfo(network, material, store, thread, in);
    const miSshort otherThread = in.byte() & 1 ? thread : in.take<miSshort>();
    Info second = storedInfo(network, material, store, otherThread, in);
    Info random1(kInfoSize), random2(kInfoSize);

    miOptions options{};
    options.contrast = {in.take<float>(), in.take<float>(), in.take<float>(), in.take<float>()};
    miState state{};
    state.version = 1;
    state.options = in.byte() & 1 ? &options : nullptr;
    state.thread = thread;
    const int pairs = static_cast<int>(in.upTo(4)) + 1;
    for (int k = 0; k < pairs; ++k) {
        Info* a = anyInfo(first, random1, in);
        Info* b = anyInfo(second, random2, in);
        const int level = in.take<std::int32_t>();
        {
            rayhost::ShaderFrame frame(network, contrast, &state);
            frame.function<miContour_Contrast_Function>()(bytesOf(a), bytesOf(b), level, &state,
                                                          frame.parameters());
        }
        miContour_endpoint end{};
        rayhost::ShaderFrame frame(network, line, &state);
        frame.function<miContour_Shader_Function>()(&end, bytesOf(a), bytesOf(b), &state,
                                                    frame.parameters());
    }
    return 0;
}
