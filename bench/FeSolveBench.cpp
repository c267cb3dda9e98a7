#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

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

// The constrained system of the unit-cell model for an n x n pattern: 5 (n + 1)^2 equations,
// 8 -> 405, 16 -> 1445, 24 -> 3125, 32 -> 5445. Real crossing kinds of a carbon/epoxy fabric
// ("Hexcel 8552" / "Hercules AS4", 60 %, yarns at 0 and 90 degrees) laid out as a basket
// weave of 4 x 4 blocks; the supports of the membrane cases (type 2).
class CUnitCellSystem {
public:
    explicit CUnitCellSystem(int n) : Ks_(0) {
        const double resin[3] = {3.64e9, 0.37, 6.5e-5};
        const double fibre[8] = {221e9, 15e9, 20e9, 5e9, 0.27, -4e-7, 1.2e-5, 1790};
        const double fabric[7] = {1.0, 1.0, 0.95, 0.85, 500.0, 500.0, 0.3};
        const double loads[2] = {10.0, 5.0};
        const double u = 1.5707963267948966;
        const CellParams params = FabricCellParams(0.6, fibre, fabric, u, 0.0);
        FePattern pattern{n, n, std::vector<short>(static_cast<size_t>(n) * n), {}};
        for (int kind = 1; kind <= 4; ++kind) {
            CCellABD cell(true, 8, resin, fibre, params, YarnAngles{0.0, u}, 0.6, loads,
                          static_cast<CrossingKind>(kind));
            pattern.kinds.Add(cell.ABDcell(), cell.NMcell(), cell.Ycell());
        }
        for (int j = 0; j < n; ++j) {
            for (int i = 0; i < n; ++i) {
                short sign = ((i / 4 + j / 4) % 2 == 0) ? 1 : -1;
                short kind = static_cast<short>(1 + (i % 4 == 0 || i % 4 == 3) +
                                                2 * (j % 4 == 0 || j % 4 == 3));
                pattern.cells[j * n + i] = static_cast<short>(sign * (kind > 4 ? 4 : kind));
            }
        }
        const FeSizes sizes;
        const CMeshSize meshSize = CMeshSize::For(n, n);
        const int dofCount = sizes.nodeDofs * meshSize.nodeCount;
        const CFeMesh mesh(sizes, params, 0.0, u, meshSize, sizes.triangleNodes, dofCount);
        CFeSparseMatrix K(dofCount);
        CVector F1(dofCount), F2(dofCount);
        AssembleUnitCell(mesh, pattern, sizes, K, F1, F2);
        // Everything dense stays off: the solver is built with no case solved densely.
        const CFeSolver solver(params, 0.0, u, meshSize, sizes, K, F1, F2, FeSolveOptions{0});
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

}  // namespace
