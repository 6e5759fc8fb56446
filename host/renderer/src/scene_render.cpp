#include "rayhost/scene_render.h"
#include "rayhost/contour_lines.h"
#include "rayhost/contour_pass.h"
#include "rayhost/ray_caster.h"
#include "rayhost/scene_shading.h"
#include "rayhost/transparency.h"

#include <algorithm>
#include <atomic>
#include <optional>

namespace rayhost {

namespace {

// Everything one render shares among its threads.
struct SceneRender {
    const RenderSettings& settings;
    const SceneShading& shading;
    const ContourPass* contours; // null: no contour pass
    int samplesPerPixel;
    int gridWidth, gridHeight; // samples
    int tilesAcross;
    ColorImage& image;
    std::vector<std::vector<ContourPoint>>& pointsByTile;

    // Shades the tile's samples into its pixels. With contours, the tile also shades the first
    // column and row of its right and lower neighbours (again), so that every pair of
    // neighbouring samples is compared by exactly one tile.
    void renderTile(int tile, miSshort thread, std::vector<ContourLevel>& records) const {
        const int x0 = (tile % tilesAcross) * kTileSamples;
        const int y0 = (tile / tilesAcross) * kTileSamples;
        const int x1 = std::min(x0 + kTileSamples, gridWidth);
        const int y1 = std::min(y0 + kTileSamples, gridHeight);
        const int border = contours != nullptr ? 1 : 0;
        const int xEnd = std::min(x1 + border, gridWidth);
        const int yEnd = std::min(y1 + border, gridHeight);
        const int stride = xEnd - x0;
        const int levels = shading.levels();
        const auto recordOf = [&](int x, int y) {
            return contours != nullptr
                       ? &records[(std::size_t(y - y0) * stride + (x - x0)) * levels]
                       : nullptr;
        };
        const float share = 1.0f / static_cast<float>(samplesPerPixel * samplesPerPixel);
        for (int y = y0; y < yEnd; ++y) {
            for (int x = x0; x < xEnd; ++x) {
                if (x >= x1 && y >= y1) {
                    continue; // the corner beyond the tile is in no pair the tile compares
                }
                const miColor color =
                    shading.shadeEye((x + 0.5) / samplesPerPixel, (y + 0.5) / samplesPerPixel,
                                     settings.height, thread, recordOf(x, y));
                if (x < x1 && y < y1) {
                    miColor& pixel = image.at(x / samplesPerPixel, y / samplesPerPixel);
                    pixel.r += color.r * share;
                    pixel.g += color.g * share;
                    pixel.b += color.b * share;
                    pixel.a += color.a * share;
                }
            }
        }
        if (contours == nullptr) {
            return;
        }
        std::vector<ContourPoint>& points = pointsByTile[tile];
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                if (x + 1 < gridWidth) {
                    contours->compare(recordOf(x, y), recordOf(x + 1, y), levels, {x, y, true},
                                      thread, points);
                }
                if (y + 1 < gridHeight) {
                    contours->compare(recordOf(x, y), recordOf(x, y + 1), levels, {x, y, false},
                                      thread, points);
                }
            }
        }
    }
};

} // namespace

quillomar::Image render(const ShaderNetwork& network, const Scene& scene,
                        const RenderSettings& settings) {
    checkSettings(settings);
    network.checkAttachmentDepth();
    validate(scene, network);
    const bool withContours = scene.contourStore.has_value();
    miOptions options{};
    options.contrast = settings.contrast;
    options.min_samples = settings.samples;
    options.max_samples = settings.samples;
    options.contour = withContours ? miTRUE : miFALSE;
    if (withContours) {
        options.contour_store = SceneTags::shader(*scene.contourStore);
        options.contour_contrast = SceneTags::shader(*scene.contourContrast);
    }

    const RayCaster caster(scene, settings.width, settings.height);
    const SceneShading shading(network, scene, caster, options, settings.traceDepth + 1);
    const TracerScope tracer([&shading](miColor* result, miState* state) {
        return shading.traceTransparent(result, state);
    });
    const int samplesPerPixel = 1 << settings.samples;
    std::optional<ContourPass> contours;
    if (withContours) {
        contours.emplace(network, scene, options, settings.width, settings.height, samplesPerPixel);
    }
    ColorImage image(settings.width, settings.height);
    const int gridWidth = settings.width * samplesPerPixel;
    const int gridHeight = settings.height * samplesPerPixel;
    const int tilesAcross = (gridWidth + kTileSamples - 1) / kTileSamples;
    const int tileCount = tilesAcross * ((gridHeight + kTileSamples - 1) / kTileSamples);
    std::vector<std::vector<ContourPoint>> pointsByTile(withContours ? tileCount : 0);
    const SceneRender work{settings,        shading,   contours ? &*contours : nullptr,
                           samplesPerPixel, gridWidth, gridHeight,
                           tilesAcross,     image,     pointsByTile};

    std::atomic<int> nextTile{0};
    runThreads(settings.threads, [&](miSshort thread) {
        std::vector<ContourLevel> records;
        if (withContours) {
            records.resize(std::size_t(kTileSamples + 1) * (kTileSamples + 1) * shading.levels());
        }
        for (int tile = nextTile++; tile < tileCount; tile = nextTile++) {
            work.renderTile(tile, thread, records);
        }
    });

    if (withContours) {
        std::vector<ContourPoint> points;
        for (const auto& tilePoints : pointsByTile) {
            points.insert(points.end(), tilePoints.begin(), tilePoints.end());
        }
        drawLines(joinContourPoints(points), image);
    }
    quillomar::Image result(settings.width, settings.height);
    for (int y = 0; y < settings.height; ++y) {
        for (int x = 0; x < settings.width; ++x) {
            storePixel(result, x, y, image.at(x, y));
        }
    }
    return result;
}

} // namespace rayhost
