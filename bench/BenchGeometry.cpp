// Benchmarks of the geometry that runs for every object in every tick: matrix
// products for placements and the sphere tests of the collision pass.

#include "geometry/BoundingBox.h"
#include "geometry/Matrix.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

namespace {

// Enough distinct inputs that the compiler cannot fold a result away.
constexpr std::size_t inputCount = 64;

std::array<Matrix, inputCount> MakeMatrices() {
    std::array<Matrix, inputCount> matrices;
    for (std::size_t i = 0; i < inputCount; ++i) {
        Matrix rotation;
        Matrix translation;
        rotation.SetRotationZ(static_cast<float>(i) * 7.0f);
        translation.SetTranslation(static_cast<float>(i), 2.0f * i, 0.5f * i);
        matrices[i] = translation * rotation;
    }
    return matrices;
}

std::array<BoundingBox, inputCount> MakeBoxes() {
    std::array<BoundingBox, inputCount> boxes;
    const auto matrices = MakeMatrices();
    for (std::size_t i = 0; i < inputCount; ++i) {
        Matrix scale;
        scale.SetScale(1.0f + i % 5, 2.0f, 3.0f);
        boxes[i].TransformBy(matrices[i] * scale);
    }
    return boxes;
}

void MatrixProduct(benchmark::State& state) {
    const auto matrices = MakeMatrices();
    std::size_t i = 0;
    for (auto _ : state) {
        Matrix product = matrices[i % inputCount] * matrices[(i + 1) % inputCount];
        benchmark::DoNotOptimize(product);
        ++i;
    }
}
BENCHMARK(MatrixProduct);

void MatrixTimesPoint(benchmark::State& state) {
    const auto matrices = MakeMatrices();
    std::size_t i = 0;
    for (auto _ : state) {
        const float f = static_cast<float>(i % inputCount);
        Point p = matrices[i % inputCount] * Point(f, -f, 2.0f * f);
        benchmark::DoNotOptimize(p);
        ++i;
    }
}
BENCHMARK(MatrixTimesPoint);

void BoxIntersects(benchmark::State& state) {
    const auto boxes = MakeBoxes();
    std::size_t i = 0;
    for (auto _ : state) {
        bool hit = boxes[i % inputCount].Intersects(boxes[(i * 7 + 3) % inputCount]);
        benchmark::DoNotOptimize(hit);
        ++i;
    }
}
BENCHMARK(BoxIntersects);

void BoxContains(benchmark::State& state) {
    const auto boxes = MakeBoxes();
    std::size_t i = 0;
    for (auto _ : state) {
        const float f = static_cast<float>(i % inputCount);
        bool inside = boxes[i % inputCount].Contains(Point(f, 2.0f * f, 0.5f * f));
        benchmark::DoNotOptimize(inside);
        ++i;
    }
}
BENCHMARK(BoxContains);

} // namespace

BENCHMARK_MAIN();
