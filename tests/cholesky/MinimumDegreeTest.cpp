#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "cholesky/MinimumDegree.h"
#include "cholesky/SparseCholesky.h"

namespace {

// An undirected graph by its edges, handed over as neighbour lists or as the lower-triangle
// pattern of a matrix (diagonal included).
class CGraph {
public:
    explicit CGraph(int n) : neighbours_(n) {}

    void Connect(int a, int b) {
        if (a != b) {
            neighbours_[a].insert(b);
            neighbours_[b].insert(a);
        }
    }
    int Size() const { return static_cast<int>(neighbours_.size()); }

    void Adjacency(std::vector<int>& start, std::vector<int>& adjacency) const {
        start.assign(1, 0);
        adjacency.clear();
        for (const std::set<int>& around : neighbours_) {
            adjacency.insert(adjacency.end(), around.begin(), around.end());
            start.push_back(static_cast<int>(adjacency.size()));
        }
    }

    // Entries of the lower triangle, and the fill of L under the order the package chooses.
    long long Entries() const {
        long long count = Size();
        for (const std::set<int>& around : neighbours_) {
            count += static_cast<long long>(around.size());
        }
        return (count + Size()) / 2;
    }
    long long FactorNonZeros() const {
        std::vector<int> start(1, 0), rows;
        for (int j = 0; j < Size(); ++j) {
            rows.push_back(j);
            for (int i : neighbours_[j]) {
                if (i > j) {
                    rows.push_back(i);
                }
            }
            start.push_back(static_cast<int>(rows.size()));
        }
        CSparseCholesky cholesky;
        EXPECT_EQ(cholesky.Analyse(Size(), start.data(), rows.data()), CholeskyStatus::Ok);
        return cholesky.FactorNonZeros();
    }

    std::vector<int> Order() const {
        std::vector<int> start, adjacency;
        Adjacency(start, adjacency);
        std::vector<int> order(Size(), -1);
        EXPECT_TRUE(CholeskyMinimumDegree(Size(), start.data(), adjacency.data(), order.data()));
        return order;
    }

private:
    std::vector<std::set<int>> neighbours_;
};

// side x side nodes, `unknowns` per node, each node coupled with its eight neighbours.
CGraph Grid(int side, int unknowns) {
    CGraph graph(side * side * unknowns);
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) {
            for (int dj = 0; dj <= 1; ++dj) {
                for (int di = -1; di <= 1; ++di) {
                    const int i2 = i + di;
                    const int j2 = j + dj;
                    if (i2 < 0 || i2 >= side || j2 >= side || (dj == 0 && di < 0)) {
                        continue;
                    }
                    for (int a = 0; a < unknowns; ++a) {
                        for (int b = 0; b < unknowns; ++b) {
                            graph.Connect((j * side + i) * unknowns + a,
                                          (j2 * side + i2) * unknowns + b);
                        }
                    }
                }
            }
        }
    }
    return graph;
}

bool IsPermutation(std::vector<int> order) {
    std::sort(order.begin(), order.end());
    for (int k = 0; k < static_cast<int>(order.size()); ++k) {
        if (order[k] != k) {
            return false;
        }
    }
    return true;
}

}  // namespace

// A forest needs no fill in a good order (leaves first), and minimum degree finds one: on a star,
// a path and random trees the factor has exactly the matrix's entries.
TEST(MinimumDegree, FactorsTreesWithoutFill) {
    std::vector<CGraph> graphs;
    CGraph star(40);
    for (int leaf = 1; leaf < 40; ++leaf) {
        star.Connect(0, leaf);
    }
    graphs.push_back(star);
    CGraph path(30);
    for (int i = 0; i + 1 < 30; ++i) {
        path.Connect(i, i + 1);
    }
    graphs.push_back(path);
    std::mt19937 generator(5);
    for (int n : {2, 17, 300}) {
        CGraph tree(n);
        for (int v = 1; v < n; ++v) {
            tree.Connect(v, std::uniform_int_distribution<int>(0, v - 1)(generator));
        }
        graphs.push_back(tree);
    }
    for (const CGraph& graph : graphs) {
        SCOPED_TRACE(graph.Size());
        EXPECT_TRUE(IsPermutation(graph.Order()));
        EXPECT_EQ(graph.FactorNonZeros(), graph.Entries());
    }
}

// The unknowns of a node have the same neighbours: they are eliminated together, one after the
// other. On a grid the order fills less than the natural one, whose factor holds the whole band
// (a row of nodes and a node below each unknown); at this size, by about a third, as nested
// dissection does.
TEST(MinimumDegree, KeepsTheUnknownsOfANodeTogetherAndBeatsTheBand) {
    const int side = 24;
    const int unknowns = 5;
    const CGraph grid = Grid(side, unknowns);
    const std::vector<int> order = grid.Order();
    ASSERT_TRUE(IsPermutation(order));
    for (int k = 0; k < grid.Size(); k += unknowns) {
        for (int a = 1; a < unknowns; ++a) {
            EXPECT_EQ(order[k + a] / unknowns, order[k] / unknowns) << k;
        }
    }
    const long long band = static_cast<long long>(grid.Size()) * (side + 2) * unknowns;
    EXPECT_LT(grid.FactorNonZeros(), 2 * band / 3);
}

// Dense random graphs fill the work space with cliques until it must be compacted; the order is
// still a permutation, and every request for memory that fails is reported.
TEST(MinimumDegree, CompactsItsWorkSpaceAndReportsExhaustedMemory) {
    std::mt19937 generator(3);
    CGraph graph(400);
    for (int edge = 0; edge < 2000; ++edge) {
        graph.Connect(std::uniform_int_distribution<int>(0, 399)(generator),
                      std::uniform_int_distribution<int>(0, 399)(generator));
    }
    const std::vector<int> order = graph.Order();
    EXPECT_TRUE(IsPermutation(order));
    std::vector<int> start, adjacency;
    graph.Adjacency(start, adjacency);
    int failures = 0;
    for (int nth = 1; nth <= 40; ++nth) {
        std::vector<int> again(graph.Size(), -1);
        CholeskyFailNthAllocation(nth);
        const bool ordered =
            CholeskyMinimumDegree(graph.Size(), start.data(), adjacency.data(), again.data());
        CholeskyFailNthAllocation(0);
        if (ordered) {
            EXPECT_EQ(again, order) << nth;
        } else {
            ++failures;
        }
    }
    EXPECT_GE(failures, 15);
}
