#include "contour_fixture.h"

#include <cstring>

namespace contourtest {

Values distinctSettings(double offset) {
    return {{"contourColor", {offset + 0.1, offset + 0.2, offset + 0.3, offset + 0.4}},
            {"widthRamp", {offset + 0.5}},
            {"widthMin", {offset + 1.0}},
            {"widthMax", {offset + 2.0}},
            {"overrideContrast", {offset == 0.0 ? 0.0 : 1.0}},
            {"overrideAngle", {offset + 3.0}},
            {"overrideDepth", {offset + 4.0}},
            {"falloffBase", {offset + 5.0}},
            {"nearDepth", {offset + 6.0}},
            {"nearFactor", {offset + 7.0}},
            {"farDepth", {offset + 8.0}},
            {"farFactor", {offset + 9.0}}};
}

ContourFixture::ContourFixture() {
    store = reinterpret_cast<miContour_Store_Function>(library.symbol("contourStore"));
    contrast = reinterpret_cast<miContour_Contrast_Function>(library.symbol("contourContrast"));
    line = reinterpret_cast<miContour_Shader_Function>(library.symbol("contourShader"));
    options.contrast = {0.1f, 0.1f, 0.1f, 0.1f};
}

ContourFixture::~ContourFixture() {
    rayhost::setTransparencyTracer({});
}

rayhost::InstanceId ContourFixture::material(const std::string& name, const Values& values) {
    const rayhost::InstanceId instance = network.add(name, library.kind("contourMltShader"));
    for (const auto& [field, value] : values) {
        network.set(instance, field, value);
    }
    return instance;
}

rayhost::PrimarySample ContourFixture::sample(miSshort thread) {
    rayhost::PrimarySample s;
    rayhost::fillPrimarySample(s, &options, 3, 4, 8, 8, thread);
    s.state.point.z = -5.0f;
    s.state.pri_idx = 21;
    s.state.instance = 31;
    s.state.material = 41;
    s.state.label = 2;
    return s;
}

miColor ContourFixture::shade(rayhost::InstanceId instance, miState& state) {
    miColor result{};
    EXPECT_EQ(network.call(instance, &result, &state), miTRUE);
    return result;
}

Info ContourFixture::storeInfo(miState& state, miColor* color) {
    Info info;
    std::memset(&info, 0xAB, sizeof info);
    int size = 0;
    EXPECT_EQ(store(&info, &size, &state, color), miTRUE);
    EXPECT_EQ(size, 132);
    return info;
}

void expectSettings(const Settings& actual, const Values& expected) {
    float words[15];
    std::memcpy(words, &actual, sizeof words);
    int word = 0;
    for (const auto& [field, values] : expected) {
        for (double value : values) {
            SCOPED_TRACE(field);
            if (field == "overrideContrast") {
                EXPECT_EQ(static_cast<int>(actual.overrideContrast), static_cast<int>(value));
            } else {
                EXPECT_EQ(words[word], static_cast<float>(value));
            }
            ++word;
        }
    }
    EXPECT_EQ(word, 15);
}

} // namespace contourtest
