// The blend-mode chart tool end to end: it loads the built shader library, renders every swatch
// through composite and labels it.
#include "chart.h"

#include <image_io.h>
#include <tool_run.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

int runChart(const std::string& arguments) {
    const std::string command = std::string(QUILLOMAR_BLEND_CHART) + " " + arguments;
    return std::system(command.c_str());
}

std::string chartArguments(const std::string& output) {
    return std::string("--library ") + QUILLOMAR_SHADER_LIBRARY + " --declarations " +
           QUILLOMAR_SHADER_DECLARATIONS + " -o " + output;
}

class BlendChartTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // ctest runs each case in its own process, possibly at the same time.
        const std::string path =
            testing::TempDir() + "/blend-modes-" + std::to_string(getpid()) + ".png";
        ASSERT_EQ(runChart(chartArguments(path) + " 2>&1"), 0);
        const bool read = quillomar::readPng(path, chart);
        std::remove(path.c_str());
        ASSERT_TRUE(read);
    }
    static quillomar::Image chart;
    const blendchart::ChartLayout layout{};

    // Colour at the centre of row `y` and column `x` of a swatch's gradient area, 0..255.
    const std::uint8_t* at(int cell, int x, int y) const {
        const blendchart::Rect r = layout.swatch(cell);
        return chart.pixel(r.x + x, r.y + y);
    }
};
quillomar::Image BlendChartTest::chart;

int toByte(float v) {
    return int(std::lround(std::fmin(std::fmax(v, 0.0f), 1.0f) * 255.0f));
}

TEST_F(BlendChartTest, HasOneSwatchPerModeAndALegend) {
    EXPECT_EQ(chart.width, layout.imageWidth());
    EXPECT_EQ(chart.height, layout.imageHeight());
}

TEST_F(BlendChartTest, SwatchesShowTheirOwnModeOverTheBaseGradient) {
    const blendchart::Rect r = layout.swatch(0);
    for (int y : {5, r.height / 2, r.height - 3}) {
        for (int x : {2, r.width / 2, r.width - 2}) {
            const blendchart::Colour layer = blendchart::layerGradient((y + 0.5f) / r.height);
            const blendchart::Colour base = blendchart::baseGradient((x + 0.5f) / r.width);
            // normal shows the layer only
            const std::uint8_t* normal = at(0, x, y);
            EXPECT_NEAR(normal[0], toByte(layer.r), 1);
            EXPECT_NEAR(normal[1], toByte(layer.g), 1);
            EXPECT_NEAR(normal[2], toByte(layer.b), 1);
            // multiply (third swatch) the product
            const std::uint8_t* multiply = at(2, x, y);
            EXPECT_NEAR(multiply[0], toByte(layer.r * base.r), 1);
            EXPECT_NEAR(multiply[2], toByte(layer.b * base.b), 1);
            // lighter colour (eleventh) picks whole colours
            const std::uint8_t* lighter = at(10, x, y);
            const bool isBase = lighter[0] == toByte(base.r) && lighter[1] == toByte(base.g) &&
                                lighter[2] == toByte(base.b);
            const bool isLayer = lighter[0] == toByte(layer.r) && lighter[1] == toByte(layer.g) &&
                                 lighter[2] == toByte(layer.b);
            EXPECT_TRUE(isBase || isLayer) << x << "," << y;
        }
    }
}

TEST_F(BlendChartTest, EverySwatchIsLabelled) {
    for (int cell = 0; cell <= blendchart::kModeCount; ++cell) {
        const blendchart::Rect r = layout.swatch(cell);
        int lit = 0;
        for (int y = r.y + r.height; y < r.y + r.height + layout.labelHeight; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) {
                lit += chart.pixel(x, y)[0] > 200 ? 1 : 0;
            }
        }
        EXPECT_GT(lit, 40) << "cell " << cell;
    }
}

TEST(BlendChartTool, HelpAndExitCodes) {
    const auto chart = [](const std::string& arguments) {
        return testsupport::runCommand(std::string(QUILLOMAR_BLEND_CHART) + " " + arguments);
    };
    const testsupport::ToolRun help = chart("--help");
    EXPECT_EQ(help.exitCode, 0);
    // Each option but --help has an example.
    EXPECT_EQ(testsupport::occurrences(help.output, "e.g.", "Options:", "Example:"), 3u)
        << help.output;
    EXPECT_NE(help.output.find("Exit codes"), std::string::npos);

    const std::string never = testing::TempDir() + "/blend-chart-never.png";
    std::remove(never.c_str());
    const struct {
        std::string arguments;
        int status;
        std::string message;
    } cases[] = {
        {"--library", 2, "--library needs a value"},
        {"--bogus -o " + never, 2, "unknown option --bogus"},
        {"", 2, "no output file"},
        {chartArguments("/nonexistent-dir/chart.png"), 1, "/nonexistent-dir/chart.png"},
        {"--library /nonexistent.so -o " + never, 1, "/nonexistent.so"},
    };
    for (const auto& c : cases) {
        const testsupport::ToolRun run = chart(c.arguments);
        EXPECT_EQ(run.exitCode, c.status) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << "\n"
                                                                 << run.output;
    }
    EXPECT_FALSE(std::ifstream(never).good());
}

} // namespace
