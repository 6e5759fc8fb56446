#include "trailArrays.h"

#include <omp.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

TrailData::TrailData(unsigned int count)
    : current(count), previous(count), older(count), normals(count), noise(count), weights(count) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (unsigned int i = 0; i < count; ++i) {
        const double angle = 0.001 * i;
        const MPoint onSphere(std::cos(angle), std::sin(0.37 * angle), std::sin(angle));
        older[i] = onSphere;
        previous[i] = onSphere + MVector(0.3, 0.1, 0.0);
        current[i] = onSphere + MVector(0.5, 0.4, -0.2);
        normals[i] = MFloatVector(MVector(onSphere).normal());
        const float grey = unit(random);
        noise[i] = MFloatVector(grey, grey, grey);
        weights[i] = unit(random);
    }
}

TrailArrays TrailData::arrays() const {
    return {current.data(),
            previous.data(),
            older.data(),
            normals.data(),
            noise.data(),
            weights.data(),
            static_cast<unsigned int>(current.size())};
}

double timeTrailLoop(unsigned int count, int threads) {
    const TrailData data(count);
    std::vector<MPoint> result(count);
    const int threadsBefore = omp_get_max_threads();
    omp_set_num_threads(threads);
    double best = 1e30;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        trailVertices(data.arrays(), TrailSettings(), result.data());
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    omp_set_num_threads(threadsBefore);
    return best;
}
