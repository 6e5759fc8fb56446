#include "rayhost/contour_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace rayhost {

namespace {

std::uint64_t edgeKey(int level, bool across, int x, int y) {
    return (std::uint64_t(level) << 56) | (std::uint64_t(across) << 55) |
           (std::uint64_t(std::uint32_t(y)) << 27) | std::uint64_t(std::uint32_t(x));
}

std::uint64_t cellKey(int level, int x, int y) {
    return (std::uint64_t(level) << 56) | (std::uint64_t(std::uint32_t(y)) << 27) |
           std::uint64_t(std::uint32_t(x));
}

ContourPoint centreOf(const std::vector<const ContourPoint*>& points) {
    ContourPoint centre = *points.front();
    centre.x = centre.y = centre.width = 0;
    centre.color = {0, 0, 0, 0};
    const double share = 1.0 / static_cast<double>(points.size());
    for (const ContourPoint* point : points) {
        centre.x += point->x * share;
        centre.y += point->y * share;
        centre.width += point->width * share;
        centre.color.r += static_cast<float>(point->color.r * share);
        centre.color.g += static_cast<float>(point->color.g * share);
        centre.color.b += static_cast<float>(point->color.b * share);
        centre.color.a += static_cast<float>(point->color.a * share);
    }
    return centre;
}

miColor mix(const miColor& a, const miColor& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

// Overlap of a band of `width` centred `distance` away with a pixel of size 1.
double bandCoverage(double distance, double width) {
    const double half = width / 2;
    return std::max(0.0, std::min(half, distance + 0.5) - std::max(-half, distance - 0.5));
}

} // namespace

std::vector<LineSegment> joinContourPoints(const std::vector<ContourPoint>& points) {
    std::unordered_map<std::uint64_t, const ContourPoint*> byEdge;
    byEdge.reserve(points.size());
    for (const ContourPoint& point : points) {
        byEdge.emplace(edgeKey(point.level, point.pair.across, point.pair.x, point.pair.y), &point);
    }
    const auto find = [&](int level, bool across, int x, int y) -> const ContourPoint* {
        const auto found = byEdge.find(edgeKey(level, across, x, y));
        return found != byEdge.end() ? found->second : nullptr;
    };
    std::vector<LineSegment> segments;
    std::unordered_set<std::uint64_t> cellsDone;
    std::vector<const ContourPoint*> inCell;
    for (const ContourPoint& point : points) {
        // The two cells the point lies on the border of, named by their top-left sample.
        const SamplePair& pair = point.pair;
        const int cells[2][2] = {
            {pair.x, pair.y},
            {pair.across ? pair.x : pair.x - 1, pair.across ? pair.y - 1 : pair.y}};
        for (const auto& cell : cells) {
            const int x = cell[0];
            const int y = cell[1];
            if (x < 0 || y < 0 || !cellsDone.insert(cellKey(point.level, x, y)).second) {
                continue;
            }
            inCell.clear();
            for (const ContourPoint* edge :
                 {find(point.level, true, x, y), find(point.level, false, x + 1, y),
                  find(point.level, true, x, y + 1), find(point.level, false, x, y)}) {
                if (edge != nullptr) {
                    inCell.push_back(edge);
                }
            }
            if (inCell.size() == 1) {
                segments.push_back({*inCell[0], *inCell[0]});
            } else if (inCell.size() == 2) {
                segments.push_back({*inCell[0], *inCell[1]});
            } else {
                const ContourPoint centre = centreOf(inCell);
                for (const ContourPoint* edge : inCell) {
                    segments.push_back({*edge, centre});
                }
            }
        }
    }
    return segments;
}

void drawLines(const std::vector<LineSegment>& segments, ColorImage& image) {
    std::vector<float> coverage(image.pixels.size(), 0.0f);
    std::vector<double> nearest(image.pixels.size());
    std::vector<miColor> lineColor(image.pixels.size());
    for (const LineSegment& segment : segments) {
        const ContourPoint& a = segment.from;
        const ContourPoint& b = segment.to;
        const double reach = std::max(a.width, b.width) / 2 + 1;
        const int left = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - reach)));
        const int right =
            std::min(image.width - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + reach)));
        const int top = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - reach)));
        const int bottom =
            std::min(image.height - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + reach)));
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double lengthSquared = dx * dx + dy * dy;
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                const double px = x + 0.5 - a.x;
                const double py = y + 0.5 - a.y;
                const double t = lengthSquared > 0
                                     ? std::clamp((px * dx + py * dy) / lengthSquared, 0.0, 1.0)
                                     : 0.0;
                const double distance = std::hypot(px - t * dx, py - t * dy);
                const miColor color = mix(a.color, b.color, static_cast<float>(t));
                const double width = a.width + (b.width - a.width) * t;
                const float covered = static_cast<float>(bandCoverage(distance, width) *
                                                         std::clamp(color.a, 0.0f, 1.0f));
                const std::size_t index = std::size_t(y) * image.width + x;
                // Inside a wide line several segments cover a pixel fully: the nearest one
                // colours it.
                if (covered > coverage[index] ||
                    (covered > 0 && covered == coverage[index] && distance < nearest[index])) {
                    coverage[index] = covered;
                    nearest[index] = distance;
                    lineColor[index] = color;
                }
            }
        }
    }
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const float c = coverage[i];
        if (c > 0) {
            miColor& pixel = image.pixels[i];
            pixel.r = pixel.r * (1 - c) + lineColor[i].r * c;
            pixel.g = pixel.g * (1 - c) + lineColor[i].g * c;
            pixel.b = pixel.b * (1 - c) + lineColor[i].b * c;
            pixel.a = pixel.a * (1 - c) + c;
        }
    }
}

} // namespace rayhost
