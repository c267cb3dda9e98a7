#include <benchmark/benchmark.h>

#include "numerics/Matrix.h"
#include "weftcore.h"

namespace {

// A diagonally dominant n x n matrix, like a material or stiffness matrix.
CMatrix DominantMatrix(int n) {
    CMatrix a(n, n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            a(i, j) = (i == j) ? 2.0 * n : 1.0 / (i + j);
        }
    }
    return a;
}

void BM_DenseSolve(benchmark::State& state) {
    int n = static_cast<int>(state.range(0));
    CMatrix a = DominantMatrix(n);
    CVector b(n);
    b.Fill(1.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a.Solve(b));
    }
}
BENCHMARK(BM_DenseSolve)->Arg(6)->Arg(60)->Arg(600);

void BM_Inverse6(benchmark::State& state) {
    CMatrix a = DominantMatrix(6);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a.Inverse());
    }
}
BENCHMARK(BM_Inverse6);

void BM_UDMixel(benchmark::State& state) {
    const double resin[3] = {3.64e9, 0.37, 6.5e-5};
    const double fibre[8] = {221e9, 15e9, 20e9, 5e9, 0.27, -4e-7, 1.2e-5, 1790};
    double out[9];
    for (auto _ : state) {
        UDMixel(0.6, resin, fibre, 2, 14, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_UDMixel);

}  // namespace
