#include "rayhost/render.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace rayhost {

namespace {

std::uint8_t channelByte(float value) {
    if (!(value > 0.0f)) {
        return 0; // negative or not a number
    }
    return static_cast<std::uint8_t>(std::lround(std::min(value, 1.0f) * 255.0f));
}

} // namespace

void storePixel(quillomar::Image& image, int x, int y, const miColor& color) {
    std::uint8_t* pixel = image.pixel(x, y);
    pixel[0] = channelByte(color.r);
    pixel[1] = channelByte(color.g);
    pixel[2] = channelByte(color.b);
    pixel[3] = channelByte(color.a);
}

void checkSettings(const RenderSettings& settings) {
    if (settings.width < 1 || settings.height < 1 || settings.width > 16384 ||
        settings.height > 16384) {
        throw std::invalid_argument("image size must be 1..16384 pixels each way");
    }
    if (settings.threads < 1 || settings.threads > 256) {
        throw std::invalid_argument("render thread count must be 1..256");
    }
    if (settings.samples < 0 || settings.samples > 3) {
        throw std::invalid_argument("samples must be 0..3 (1 to 64 samples per pixel)");
    }
    if (settings.traceDepth < 0 || settings.traceDepth > 16) {
        throw std::invalid_argument("trace depth must be 0..16");
    }
}

void fillPrimarySample(PrimarySample& sample, miOptions* options, int x, int y, int width,
                       int height, miSshort thread) {
    const float u = (static_cast<float>(x) + 0.5f) / static_cast<float>(width);
    const float v = 1.0f - (static_cast<float>(y) + 0.5f) / static_cast<float>(height);
    sample.uv = {u, v, 0.0f};
    miState& state = sample.state;
    state = miState{};
    state.version = 1;
    state.raster_x = static_cast<miScalar>(x) + 0.5f;
    state.raster_y = static_cast<miScalar>(height - y) - 0.5f;
    state.options = options;
    state.type = miRAY_EYE;
    state.thread = thread;
    state.org = {0.0f, 0.0f, 0.0f};
    state.point = {2.0f * u - 1.0f, 2.0f * v - 1.0f, -1.0f};
    const float length =
        std::sqrt(state.point.x * state.point.x + state.point.y * state.point.y + 1.0f);
    state.dir = {state.point.x / length, state.point.y / length, -1.0f / length};
    state.dist = length;
    state.normal = {0.0f, 0.0f, 1.0f};
    state.normal_geom = state.normal;
    state.dot_nd = state.dir.z;
    state.tex_list = &sample.uv;
}

void runThreads(int count, const std::function<void(miSshort thread)>& work) {
    std::vector<std::thread> threads;
    std::exception_ptr failure;
    std::mutex failureLock;
    for (int t = 0; t < count; ++t) {
        threads.emplace_back([&, t] {
            try {
                work(static_cast<miSshort>(t));
            } catch (...) {
                std::lock_guard<std::mutex> lock(failureLock);
                failure = std::current_exception();
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

quillomar::Image render(const ShaderNetwork& network, const Output& root,
                        const RenderSettings& settings) {
    checkSettings(settings);
    network.checkAttachmentDepth();
    std::size_t offset = 0;
    if (network.resultType(root.instance, root.field, &offset).kind != ValueKind::Color) {
        throw NetworkError("the rendered output must be a color");
    }
    miOptions options{};
    options.contrast = settings.contrast;
    quillomar::Image image(settings.width, settings.height);
    std::atomic<int> nextRow{0};
    runThreads(settings.threads, [&](miSshort thread) {
        std::vector<char> result(network.resultSize(root.instance));
        PrimarySample sample;
        for (int y = nextRow++; y < settings.height; y = nextRow++) {
            for (int x = 0; x < settings.width; ++x) {
                fillPrimarySample(sample, &options, x, y, settings.width, settings.height, thread);
                std::fill(result.begin(), result.end(), 0);
                network.call(root.instance, result.data(), &sample.state);
                miColor color;
                std::memcpy(&color, result.data() + offset, sizeof color);
                storePixel(image, x, y, color);
            }
        }
    });
    return image;
}

} // namespace rayhost
