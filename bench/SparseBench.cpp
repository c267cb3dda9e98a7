#include <benchmark/benchmark.h>

#include <random>
#include <unordered_map>
#include <vector>

#include "fe/SolveSparse.h"
#include "numerics/Matrix.h"
#include "sparse/SparseMatrix.h"

namespace {

constexpr int kUnknownsPerNode = 5;

struct Entry {
    int row;
    int column;
    double value;
};

// Stiffness pattern of a plate mesh: a square grid of four-node elements with five unknowns per
// node, assembled from symmetric positive definite 20 x 20 element matrices (B^T B plus a
// diagonal shift), so that every node couples with its eight neighbours. nodesPerSide^2 * 5
// equations: 9 -> 405, 17 -> 1445, 25 -> 3125, 33 -> 5445.
class CPlateMesh {
public:
    explicit CPlateMesh(int nodesPerSide) : side_(nodesPerSide) {
        int n = Equations();
        std::vector<std::vector<double>> rows(n);
        std::vector<std::vector<int>> columns(n);
        std::mt19937 generator(42);
        std::uniform_real_distribution<double> value(-1.0, 1.0);
        constexpr int kElementSize = 4 * kUnknownsPerNode;
        for (int j = 0; j + 1 < side_; ++j) {
            for (int i = 0; i + 1 < side_; ++i) {
                int nodes[4] = {j * side_ + i, j * side_ + i + 1, (j + 1) * side_ + i,
                                (j + 1) * side_ + i + 1};
                double b[kElementSize][kElementSize];
                for (auto& row : b) {
                    for (double& entry : row) {
                        entry = value(generator);
                    }
                }
                for (int p = 0; p < kElementSize; ++p) {
                    for (int q = 0; q < kElementSize; ++q) {
                        double k = (p == q) ? 1.0 : 0.0;
                        for (int s = 0; s < kElementSize; ++s) {
                            k += b[s][p] * b[s][q];
                        }
                        Add(kUnknownsPerNode * nodes[p / kUnknownsPerNode] + p % kUnknownsPerNode,
                            kUnknownsPerNode * nodes[q / kUnknownsPerNode] + q % kUnknownsPerNode,
                            k);
                    }
                }
            }
        }
        // The first node held fixed, as the supports of a plate model do.
        for (Entry& e : entries_) {
            if (e.row < kUnknownsPerNode || e.column < kUnknownsPerNode) {
                e.value = (e.row == e.column) ? 1.0 : 0.0;
            }
        }
    }

    int Equations() const { return kUnknownsPerNode * side_ * side_; }

    void Load(SparseMatrix* m) const {
        for (const Entry& e : entries_) {
            if (e.value != 0.0) {
                *SparseElementAt(m, e.row + 1, e.column + 1) = e.value;
            }
        }
    }

    CMatrix Dense() const {
        CMatrix a(Equations(), Equations());
        for (const Entry& e : entries_) {
            a(e.row + 1, e.column + 1) = e.value;
        }
        return a;
    }

private:
    // Accumulates into a (row, column) entry; rows are kept in a map from column to entry index.
    void Add(int row, int column, double value) {
        long long key = static_cast<long long>(row) * Equations() + column;
        auto [position, inserted] = index_.try_emplace(key, entries_.size());
        if (inserted) {
            entries_.push_back({row, column, value});
        } else {
            entries_[position->second].value += value;
        }
    }

    int side_;
    std::vector<Entry> entries_;
    std::unordered_map<long long, std::size_t> index_;
};

std::vector<double> Loads(int n) {
    std::vector<double> b(n);
    for (int i = 0; i < n; ++i) {
        b[i] = (i % 7) - 3.0;
    }
    return b;
}

// Create, load, factor and solve: everything a plate solve needs from the sparse package.
void BM_SparseFactorSolve(benchmark::State& state) {
    CPlateMesh mesh(static_cast<int>(state.range(0)));
    int n = mesh.Equations();
    std::vector<double> b = Loads(n);
    std::vector<double> x(n);
    int elements = 0;
    int fillIns = 0;
    for (auto _ : state) {
        int error = 0;
        SparseMatrix* m = SparseCreate(n, 0, &error);
        mesh.Load(m);
        int entries = m->elementCount;
        if (SparseFactor(m) != kSparseOk) {
            state.SkipWithError("factorisation failed");
        }
        SparseSolve(m, b.data(), x.data());
        elements = m->elementCount;
        fillIns = m->fillInCount;
        benchmark::DoNotOptimize(x.data());
        SparseDestroy(m);
        state.counters["entries"] = entries;
    }
    state.counters["N"] = n;
    state.counters["LU_nonzeros"] = elements;
    state.counters["fill_ins"] = fillIns;
}
BENCHMARK(BM_SparseFactorSolve)
    ->Arg(9)
    ->Arg(17)
    ->Arg(25)
    ->Arg(33)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

// The same plate through the dense kernels, for the sizes the dense path can still do.
void BM_DenseSolvePlate(benchmark::State& state) {
    CPlateMesh mesh(static_cast<int>(state.range(0)));
    int n = mesh.Equations();
    CMatrix a = mesh.Dense();
    std::vector<double> loads = Loads(n);
    CVector b(n);
    for (int i = 1; i <= n; ++i) {
        b(i) = loads[i - 1];
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(a.Solve(b));
    }
    state.counters["N"] = n;
}
BENCHMARK(BM_DenseSolvePlate)
    ->Arg(3)
    ->Arg(5)
    ->Arg(7)
    ->Arg(9)
    ->Arg(11)
    ->Arg(14)
    ->Arg(17)
    ->Unit(benchmark::kMillisecond);

// The dense matrix handed to the sparse package by SolveSparse, scan included; up to the
// largest plate, whose dense matrix alone takes 237 MB.
void BM_SolveSparsePlate(benchmark::State& state) {
    CPlateMesh mesh(static_cast<int>(state.range(0)));
    int n = mesh.Equations();
    CMatrix a = mesh.Dense();
    std::vector<double> loads = Loads(n);
    CVector b(n);
    for (int i = 1; i <= n; ++i) {
        b(i) = loads[i - 1];
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolveSparse(a, b));
    }
    state.counters["N"] = n;
}
BENCHMARK(BM_SolveSparsePlate)
    ->Arg(3)
    ->Arg(5)
    ->Arg(7)
    ->Arg(9)
    ->Arg(11)
    ->Arg(14)
    ->Arg(17)
    ->Arg(33)
    ->Unit(benchmark::kMillisecond);

}  // namespace
