// Contour points joined into lines and drawn with antialiasing: coverage across a line adds up
// to its width, points join within sample cells, and the most covering line colours a pixel.
#include <rayhost/contour_lines.h>

#include <gtest/gtest.h>

namespace {

using rayhost::ContourPoint;

// A point between sample (x, y) and its right (across) or lower neighbour, one sample per pixel.
ContourPoint between(int x, int y, bool across, double width, miColor color) {
    ContourPoint point;
    point.pair = {x, y, across};
    point.x = x + (across ? 1.0 : 0.5);
    point.y = y + (across ? 0.5 : 1.0);
    point.width = width;
    point.color = color;
    return point;
}

ContourPoint below(int x, int y, double width, miColor color = {0, 0, 1, 1}) {
    return between(x, y, false, width, color);
}

ContourPoint beside(int x, int y, double width, miColor color = {0, 0, 1, 1}) {
    return between(x, y, true, width, color);
}

rayhost::ColorImage white(int width, int height) {
    rayhost::ColorImage image(width, height);
    for (miColor& pixel : image.pixels) {
        pixel = {1, 1, 1, 1};
    }
    return image;
}

double coverageDown(rayhost::ColorImage& image, int x) {
    double sum = 0;
    for (int y = 0; y < image.height; ++y) {
        sum += 1 - image.at(x, y).r;
    }
    return sum;
}

TEST(ContourLines, CoverageAcrossAStraightLineAddsUpToItsWidth) {
    // Centred on the boundary between two rows of pixels, and through a row's centres.
    for (const double offset : {0.0, 0.5}) {
        for (const double width : {0.4, 1.0, 3.0, 4.6}) {
            std::vector<ContourPoint> row;
            for (int x = 0; x < 30; ++x) {
                row.push_back(below(x, 9, width));
                row.back().y += offset;
            }
            rayhost::ColorImage image = white(30, 20);
            rayhost::drawLines(rayhost::joinContourPoints(row), image);
            EXPECT_NEAR(coverageDown(image, 15), width, 1e-5) << width << " " << offset;
            // The row the line's centre lies in or next to is covered up to the line's width.
            const double covered = offset == 0 ? std::min(width / 2, 1.0) : std::min(width, 1.0);
            EXPECT_NEAR(image.at(15, 9 + (offset == 0 ? 0 : 1)).r, 1 - covered, 1e-5);
            EXPECT_EQ(image.at(15, 9).b, 1.0f);
        }
    }
}

TEST(ContourLines, WidthAndColourVaryAlongASegmentBetweenItsPoints) {
    std::vector<ContourPoint> row;
    for (int x = 0; x < 21; ++x) {
        const double t = x / 20.0;
        row.push_back(below(x, 9, 1 + 4 * t, {0, 0, static_cast<float>(t), 1}));
    }
    rayhost::ColorImage image = white(21, 20);
    rayhost::drawLines(rayhost::joinContourPoints(row), image);
    EXPECT_NEAR(coverageDown(image, 5), 1 + 4 * 0.25, 1e-4);
    EXPECT_NEAR(coverageDown(image, 15), 1 + 4 * 0.75, 1e-4);
    EXPECT_NEAR(image.at(15, 9).b, 0.75f, 1e-5);
}

TEST(ContourLines, PointsJoinWithinCellsAndMeetAtTheCentreWhenMoreThanTwo) {
    // A straight run of four points: three segments, and dots at both ends.
    std::vector<ContourPoint> run = {below(2, 2, 1), below(3, 2, 1), below(4, 2, 1),
                                     below(5, 2, 1)};
    std::size_t segments = 0, dots = 0;
    for (const auto& segment : rayhost::joinContourPoints(run)) {
        const bool dot = segment.from.pair.x == segment.to.pair.x;
        dots += dot;
        segments += !dot;
        if (!dot) {
            EXPECT_EQ(std::abs(segment.from.pair.x - segment.to.pair.x), 1);
        }
    }
    EXPECT_EQ(segments, 3u);
    EXPECT_EQ(dots, 2u);

    // A corner turning in cell (4, 4): one segment from its top edge to its left edge.
    const auto corner = rayhost::joinContourPoints({beside(4, 4, 1), below(4, 4, 1)});
    // Each point also lies in a second cell where it is alone: two dots and the segment.
    std::size_t joined = 0;
    for (const auto& segment : corner) {
        if (segment.from.pair.across != segment.to.pair.across) {
            ++joined;
            EXPECT_DOUBLE_EQ(segment.from.x + segment.to.x, 5.0 + 4.5);
        }
    }
    EXPECT_EQ(joined, 1u);

    // Three edges of cell (1, 1), top, left and right: each point is joined to their mean.
    const auto three =
        rayhost::joinContourPoints({beside(1, 1, 1), below(1, 1, 1), below(2, 1, 1)});
    std::size_t toMean = 0;
    for (const auto& segment : three) {
        if (segment.to.x == 2.0 && std::abs(segment.to.y - 11.0 / 6) < 1e-12) {
            ++toMean;
        }
    }
    EXPECT_EQ(toMean, 3u);
}

TEST(ContourLines, TheLineThatCoversAPixelMostColoursIt) {
    rayhost::ColorImage image = white(10, 10);
    std::vector<ContourPoint> points;
    for (int x = 0; x < 10; ++x) {
        points.push_back(below(x, 4, 3, {1, 0, 0, 1})); // red, through row boundary 5
        points.push_back(below(x, 5, 1, {0, 0, 0, 1})); // black, thin, through boundary 6
    }
    rayhost::drawLines(rayhost::joinContourPoints(points), image);
    // Row 5 lies inside the red line entirely and half inside the black one.
    EXPECT_EQ(image.at(3, 5).r, 1.0f);
    EXPECT_EQ(image.at(3, 5).g, 0.0f);
    // Row 6: red and black cover half each; the black line, nearer, colours it.
    EXPECT_EQ(image.at(3, 6).r, 0.5f);
    EXPECT_EQ(image.at(3, 6).g, 0.5f);
    // A line of alpha 0 covers nothing.
    rayhost::ColorImage clear = white(10, 10);
    rayhost::drawLines(rayhost::joinContourPoints({below(3, 4, 3, {0, 0, 0, 0})}), clear);
    EXPECT_EQ(clear.at(3, 5).r, 1.0f);
}

} // namespace
