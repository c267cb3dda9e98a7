#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "WeavePatterns.h"
#include "fe/FeFactoredSystem.h"
#include "fe/FeKinds.h"
#include "fe/FeMesh.h"
#include "fe/FeSolver.h"
#include "fe/FeUnitCell.h"
#include "numerics/IntVector.h"
#include "numerics/LUDecompose.h"
#include "sparse/SparseMatrix.h"
#include "woven/CellABD.h"
#include "woven/FabricCellParams.h"

namespace {

// The benchmark fabric: real crossing kinds of a carbon/epoxy fabric ("Hexcel 8552" /
// "Hercules AS4", 60 %, yarns at 0 and 90 degrees, 500 yarns/m each way).
struct BenchmarkFabric {
    CellParams params;
    CFeKinds kinds;
    static constexpr double kU = 1.5707963267948966;

    BenchmarkFabric() {
        const double resin[3] = {3.64e9, 0.37, 6.5e-5};
        const double fibre[8] = {221e9, 15e9, 20e9, 5e9, 0.27, -4e-7, 1.2e-5, 1790};
        const double fabric[7] = {1.0, 1.0, 0.95, 0.85, 500.0, 500.0, 0.3};
        const double loads[2] = {10.0, 5.0};
        params = FabricCellParams(0.6, fibre, fabric, kU, 0.0);
        for (int kind = 1; kind <= 4; ++kind) {
            CCellABD cell(true, 8, resin, fibre, params, YarnAngles{0.0, kU}, 0.6, loads,
                          static_cast<CrossingKind>(kind));
            kinds.Add(cell.ABDcell(), cell.NMcell(), cell.Ycell());
        }
    }
};

// The assembled free plate of a pattern's unit cell with the benchmark fabric's kinds.
struct AssembledCell {
    BenchmarkFabric fabric;
    CMeshSize meshSize;
    FeSizes sizes;
    CFeSparseMatrix K;
    CVector F1;
    CVector F2;

    AssembledCell(int nx, int ny, const std::vector<short>& cells)
        : meshSize(CMeshSize::For(nx, ny)),
          K(sizes.nodeDofs * meshSize.nodeCount),
          F1(K.Size()),
          F2(K.Size()) {
        const FePattern pattern{nx, ny, cells, fabric.kinds};
        const CFeMesh mesh(sizes, fabric.params, 0.0, BenchmarkFabric::kU, meshSize,
                           sizes.triangleNodes, K.Size());
        AssembleUnitCell(mesh, pattern, sizes, K, F1, F2);
    }

    CFeSolver Solve(FeSolveOptions options) const {
        return CFeSolver(fabric.params, 0.0, BenchmarkFabric::kU, meshSize, sizes, K, F1, F2,
                         options);
    }
};

// The constrained system of the unit-cell model for an n x n pattern: 5 (n + 1)^2 equations,
// 8 -> 405, 16 -> 1445, 24 -> 3125, 32 -> 5445, with the benchmark fabric's kinds laid out as a
// basket weave of 4 x 4 blocks; the supports of the membrane cases (type 2).
class CUnitCellSystem {
public:
    explicit CUnitCellSystem(int n) : Ks_(0) {
        std::vector<short> cells(static_cast<size_t>(n) * n);
        for (int j = 0; j < n; ++j) {
            for (int i = 0; i < n; ++i) {
                short sign = ((i / 4 + j / 4) % 2 == 0) ? 1 : -1;
                short kind = static_cast<short>(1 + (i % 4 == 0 || i % 4 == 3) +
                                                2 * (j % 4 == 0 || j % 4 == 3));
                cells[j * n + i] = static_cast<short>(sign * (kind > 4 ? 4 : kind));
            }
        }
        const AssembledCell cell(n, n, cells);
        // Everything dense stays off: the solver is built with no case solved densely.
        const CFeSolver solver = cell.Solve(FeSolveOptions{0});
        Ks_ = solver.ApplySupportsToMatrix(2, solver.PeriodicStiffness());
        load_ = std::make_unique<CVector>(solver.ApplySupportsToLoad(
            2, solver.PeriodicStiffness(), solver.CondenseLoad(solver.UnitLoad(1))));
    }

    const CFeSparseMatrix& Matrix() const { return Ks_; }
    const CVector& Load() const { return *load_; }

private:
    CFeSparseMatrix Ks_;
    std::unique_ptr<CVector> load_;
};

// Create, load the non-zeros, order, factor and solve one case.
void BM_SparseFactorUnitCell(benchmark::State& state) {
    CUnitCellSystem system(static_cast<int>(state.range(0)));
    const CFeSparseMatrix& matrix = system.Matrix();
    int n = matrix.Size();
    CVector x(n);
    int entries = 0;
    int factorEntries = 0;
    for (auto _ : state) {
        int error = 0;
        SparseMatrix* m = SparseCreate(n, 0, &error);
        for (int r = 1; r <= n; ++r) {
            for (const CFeSparseMatrix::Entry& e : matrix.Row(r)) {
                if (e.value != 0.0) {
                    *SparseElementAt(m, r, e.column) = e.value;
                }
            }
        }
        entries = m->elementCount;
        if (SparseFactor(m) >= kSparseZeroPivot) {
            state.SkipWithError("factorisation failed");
        }
        SparseSolve(m, system.Load().Data(), x.Data());
        factorEntries = m->elementCount;
        benchmark::DoNotOptimize(x.Data());
        SparseDestroy(m);
    }
    state.counters["N"] = n;
    state.counters["entries"] = entries;
    state.counters["LU_nonzeros"] = factorEntries;
}
BENCHMARK(BM_SparseFactorUnitCell)
    ->Arg(2)
    ->Arg(4)
    ->Arg(6)
    ->Arg(8)
    ->Arg(10)
    ->Arg(12)
    ->Arg(16)
    ->Arg(24)
    ->Arg(32)
    ->Unit(benchmark::kMillisecond);

// The same systems through the dense LU kernels, where that is still reasonable.
void BM_DenseFactorUnitCell(benchmark::State& state) {
    CUnitCellSystem system(static_cast<int>(state.range(0)));
    int n = system.Matrix().Size();
    for (auto _ : state) {
        CMatrix a = system.Matrix().ToDense();
        CIntVector index(n);
        LUDecompose(a, index);
        CVector x = system.Load();
        LUSubstitute(a, index, x);
        benchmark::DoNotOptimize(x.Data());
    }
    state.counters["N"] = n;
}
BENCHMARK(BM_DenseFactorUnitCell)
    ->Arg(2)
    ->Arg(4)
    ->Arg(6)
    ->Arg(8)
    ->Arg(10)
    ->Arg(12)
    ->Arg(16)
    ->Unit(benchmark::kMillisecond);

// All eight cases of a catalogue weave's unit cell at accuracy Fine (one element per pattern
// cell), from the assembled plate to the displacements and forces: the periodicity, the
// factorisations and the solves. BM_UnitCellSolve/<weave>/<path>, the path "Markowitz" (the
// general sparse LU package), "Cholesky" (the symmetric core) or, up to 405 equations, "Dense"
// (the dense LU per group of cases with the same supports); counters: N, the entries of the
// factors (L + U for Markowitz, L for Cholesky, N^2 for Dense), and the peak resident memory of
// the process (run one benchmark per process to read it).
struct RegisterUnitCellSolves {
    RegisterUnitCellSolves() {
        const std::pair<const char*, FeSolveOptions> paths[] = {
            {"Markowitz", FeSolveOptions(0, FeSolveOptions::Large::Markowitz)},
            {"Cholesky", FeSolveOptions(0, FeSolveOptions::Large::Cholesky)},
            {"Dense", FeSolveOptions(INT_MAX)}};
        for (const WeaveDefinition& weave : BuiltinWeaveDefinitions()) {
            const int size = 2 * static_cast<int>(weave.interlacing.size());
            for (const auto& [path, options] : paths) {
                if (options.sparseAbove == INT_MAX && 5 * (size + 1) * (size + 1) > 405) {
                    continue;
                }
                const std::string name = "BM_UnitCellSolve/" + weave.name + "/" + path;
                benchmark::RegisterBenchmark(name.c_str(), [weave, size,
                                                            options](benchmark::State& state) {
                    const AssembledCell cell(size, size,
                                             ExpandInterlacing(weave.interlacing, weave.deviation));
                    long long factorNonZeros = 0;
                    for (auto _ : state) {
                        const CFeSolver solver = cell.Solve(options);
                        factorNonZeros = solver.Report().factorNonZeros;
                        benchmark::DoNotOptimize(solver.U(1).Data());
                    }
                    rusage usage{};
                    getrusage(RUSAGE_SELF, &usage);
                    state.counters["N"] = cell.K.Size();
                    state.counters["factor_nonzeros"] = static_cast<double>(factorNonZeros);
                    state.counters["peak_MiB"] = usage.ru_maxrss / 1024.0;
                })->Unit(benchmark::kMillisecond);
            }
        }
    }
} registerUnitCellSolves;

}  // namespace
