#include "cholesky/CholeskySymbolic.h"

#include <algorithm>
#include <cassert>

#include "cholesky/MinimumDegree.h"

namespace {

// The middle of a counting sort: the counts held at start[k + 1] become the starts of the k
// slots, and each slot gets a cursor at its start. False when memory runs out.
bool StartsFromCounts(int* start, int count, CCholeskyBuffer<int>& cursor) {
    for (int k = 0; k < count; ++k) {
        start[k + 1] += start[k];
    }
    if (!cursor.Allocate(count)) {
        return false;
    }
    std::copy_n(start, count, cursor.Data());
    return true;
}

}  // namespace

bool CCholeskySymbolic::Analyse(int n, const int* columnStart, const int* rowIndex) {
    n_ = n;
    CCholeskyBuffer<int> parent;
    CCholeskyBuffer<int> counts;
    const bool analysed = BuildAdjacency(columnStart, rowIndex) && Order() && parent.Allocate(n) &&
                          EliminationTree(parent) && Postorder(parent) && counts.Allocate(n) &&
                          CountColumns(parent, counts) && FindSupernodes(parent, counts) &&
                          GatherRows() && PlanStack() && PermuteEntries(columnStart, rowIndex);
    adjacencyStart_.Release();
    adjacency_.Release();
    return analysed;
}

// Both triangles of the pattern, without the diagonal, as neighbour lists.
bool CCholeskySymbolic::BuildAdjacency(const int* columnStart, const int* rowIndex) {
    if (!adjacencyStart_.Allocate(n_ + 1, true)) {
        return false;
    }
    int* start = adjacencyStart_.Data();
    for (int j = 0; j < n_; ++j) {
        for (int e = columnStart[j]; e < columnStart[j + 1]; ++e) {
            if (rowIndex[e] != j) {
                ++start[rowIndex[e] + 1];
                ++start[j + 1];
            }
        }
    }
    CCholeskyBuffer<int> cursor;
    if (!StartsFromCounts(start, n_, cursor) || !adjacency_.Allocate(start[n_])) {
        return false;
    }
    for (int j = 0; j < n_; ++j) {
        for (int e = columnStart[j]; e < columnStart[j + 1]; ++e) {
            const int i = rowIndex[e];
            if (i != j) {
                adjacency_[cursor[i]++] = j;
                adjacency_[cursor[j]++] = i;
            }
        }
    }
    return true;
}

bool CCholeskySymbolic::Order() {
    if (!order_.Allocate(n_) || !position_.Allocate(n_) ||
        !CholeskyMinimumDegree(n_, adjacencyStart_.Data(), adjacency_.Data(), order_.Data())) {
        return false;
    }
    for (int k = 0; k < n_; ++k) {
        position_[order_[k]] = k;
    }
    return true;
}

// The parent of column k is the first row below the diagonal in column k of L. Found by walking
// from each earlier neighbour of k up the tree built so far, shortening the paths as it goes.
bool CCholeskySymbolic::EliminationTree(CCholeskyBuffer<int>& parent) {
    CCholeskyBuffer<int> ancestor;
    if (!ancestor.Allocate(n_)) {
        return false;
    }
    for (int k = 0; k < n_; ++k) {
        parent[k] = -1;
        ancestor[k] = -1;
        const int v = order_[k];
        for (int e = adjacencyStart_[v]; e < adjacencyStart_[v + 1]; ++e) {
            for (int i = position_[adjacency_[e]]; i != -1 && i < k;) {
                const int next = ancestor[i];
                ancestor[i] = k;
                if (next == -1) {
                    parent[i] = k;
                }
                i = next;
            }
        }
    }
    return true;
}

// Renumbers the columns along a depth-first postorder of the tree, children in increasing order:
// the fill stays the same, and every subtree becomes a contiguous range ending at its root.
bool CCholeskySymbolic::Postorder(CCholeskyBuffer<int>& parent) {
    CCholeskyBuffer<int> head, next, stack, post, renumbered;
    if (!head.Allocate(n_) || !next.Allocate(n_) || !stack.Allocate(n_) || !post.Allocate(n_) ||
        !renumbered.Allocate(n_)) {
        return false;
    }
    std::fill_n(head.Data(), n_, -1);
    for (int k = n_ - 1; k >= 0; --k) {
        if (parent[k] != -1) {
            next[k] = head[parent[k]];
            head[parent[k]] = k;
        }
    }
    int visited = 0;
    for (int root = 0; root < n_; ++root) {
        if (parent[root] != -1) {
            continue;
        }
        int top = 0;
        stack[0] = root;
        while (top >= 0) {
            const int k = stack[top];
            const int child = head[k];
            if (child != -1) {
                head[k] = next[child];
                stack[++top] = child;
            } else {
                post[visited++] = k;
                --top;
            }
        }
    }
    for (int t = 0; t < n_; ++t) {
        renumbered[post[t]] = t;
    }
    for (int t = 0; t < n_; ++t) {
        const int k = post[t];
        head[t] = parent[k] == -1 ? -1 : renumbered[parent[k]];
        next[t] = order_[k];
    }
    std::copy_n(head.Data(), n_, parent.Data());
    std::copy_n(next.Data(), n_, order_.Data());
    for (int k = 0; k < n_; ++k) {
        position_[order_[k]] = k;
    }
    return true;
}

// Row i of L holds the columns on the paths from i's earlier neighbours up the tree to i: each
// column is counted once per row that reaches it.
bool CCholeskySymbolic::CountColumns(const CCholeskyBuffer<int>& parent,
                                     CCholeskyBuffer<int>& counts) {
    CCholeskyBuffer<int> mark;
    if (!mark.Allocate(n_)) {
        return false;
    }
    std::fill_n(counts.Data(), n_, 1);
    for (int i = 0; i < n_; ++i) {
        mark[i] = i;
        const int v = order_[i];
        for (int e = adjacencyStart_[v]; e < adjacencyStart_[v + 1]; ++e) {
            for (int j = position_[adjacency_[e]]; j < i && mark[j] != i; j = parent[j]) {
                mark[j] = i;
                ++counts[j];
            }
        }
    }
    factorNonZeros_ = 0;
    for (int j = 0; j < n_; ++j) {
        factorNonZeros_ += counts[j];
    }
    return true;
}

// Column j + 1 joins column j's supernode when it is j's parent and only child's parent, and its
// structure is j's less j itself.
bool CCholeskySymbolic::FindSupernodes(const CCholeskyBuffer<int>& parent,
                                       const CCholeskyBuffer<int>& counts) {
    CCholeskyBuffer<int> childCount, supernodeOf;
    if (!childCount.Allocate(n_, true) || !supernodeOf.Allocate(n_) ||
        !firstColumn_.Allocate(n_ + 1)) {
        return false;
    }
    for (int j = 0; j < n_; ++j) {
        if (parent[j] != -1) {
            ++childCount[parent[j]];
        }
    }
    supernodeCount_ = 0;
    for (int j = 0; j < n_; ++j) {
        const bool continues =
            j > 0 && parent[j - 1] == j && counts[j - 1] == counts[j] + 1 && childCount[j] == 1;
        if (!continues) {
            firstColumn_[supernodeCount_++] = j;
        }
        supernodeOf[j] = supernodeCount_ - 1;
    }
    firstColumn_[supernodeCount_] = n_;
    const int count = supernodeCount_;
    if (!supernodeParent_.Allocate(count) || !rowStart_.Allocate(count + 1) ||
        !blockStart_.Allocate(count + 1) || !childStart_.Allocate(count + 1, true) ||
        !children_.Allocate(count)) {
        return false;
    }
    rowStart_[0] = 0;
    blockStart_[0] = 0;
    for (int s = 0; s < count; ++s) {
        const int last = firstColumn_[s + 1] - 1;
        supernodeParent_[s] = parent[last] == -1 ? -1 : supernodeOf[parent[last]];
        const int m = counts[firstColumn_[s]];
        rowStart_[s + 1] = rowStart_[s] + m;
        blockStart_[s + 1] = blockStart_[s] + static_cast<std::size_t>(m) * Width(s);
        if (supernodeParent_[s] != -1) {
            ++childStart_[supernodeParent_[s] + 1];
        }
    }
    CCholeskyBuffer<int> cursor;
    if (!StartsFromCounts(childStart_.Data(), count, cursor)) {
        return false;
    }
    for (int s = 0; s < count; ++s) {
        if (supernodeParent_[s] != -1) {
            children_[cursor[supernodeParent_[s]]++] = s;
        }
    }
    return true;
}

// A supernode's rows: its columns, then the rows below them that the matrix or a child's
// structure brings, ascending.
bool CCholeskySymbolic::GatherRows() {
    CCholeskyBuffer<int> mark;
    if (!rows_.Allocate(rowStart_[supernodeCount_]) || !mark.Allocate(n_)) {
        return false;
    }
    std::fill_n(mark.Data(), n_, -1);
    for (int s = 0; s < supernodeCount_; ++s) {
        const int first = firstColumn_[s];
        const int last = firstColumn_[s + 1] - 1;
        int* row = rows_.Data() + rowStart_[s];
        int count = 0;
        for (int j = first; j <= last; ++j) {
            row[count++] = j;
            mark[j] = s;
        }
        for (int j = first; j <= last; ++j) {
            const int v = order_[j];
            for (int e = adjacencyStart_[v]; e < adjacencyStart_[v + 1]; ++e) {
                const int r = position_[adjacency_[e]];
                if (r > last && mark[r] != s) {
                    mark[r] = s;
                    row[count++] = r;
                }
            }
        }
        for (int c = 0; c < ChildCount(s); ++c) {
            const int child = Children(s)[c];
            const int* childRows = Rows(child);
            for (int t = Width(child); t < RowCount(child); ++t) {
                if (mark[childRows[t]] != s) {
                    mark[childRows[t]] = s;
                    row[count++] = childRows[t];
                }
            }
        }
        assert(count == RowCount(s));
        std::sort(row + Width(s), row + count);
    }
    return true;
}

// Supernodes are factored in order, a postorder of their tree: when one is reached, its
// children's Schur complements lie on top of the stack, the last child's uppermost. They are
// read into the parent's front, then the parent's complement takes their place.
bool CCholeskySymbolic::PlanStack() {
    if (!updateOffset_.Allocate(supernodeCount_)) {
        return false;
    }
    std::size_t top = 0;
    stackSize_ = 0;
    largestUpdate_ = 0;
    for (int s = 0; s < supernodeCount_; ++s) {
        if (ChildCount(s) > 0) {
            top = updateOffset_[Children(s)[0]];
        }
        const std::size_t rest = static_cast<std::size_t>(RowCount(s) - Width(s));
        updateOffset_[s] = top;
        top += rest * rest;
        stackSize_ = std::max(stackSize_, top);
        largestUpdate_ = std::max(largestUpdate_, rest * rest);
    }
    return true;
}

bool CCholeskySymbolic::PermuteEntries(const int* columnStart, const int* rowIndex) {
    const int entries = columnStart[n_];
    if (!entryStart_.Allocate(n_ + 1, true) || !entryRow_.Allocate(entries) ||
        !entrySource_.Allocate(entries)) {
        return false;
    }
    for (int j = 0; j < n_; ++j) {
        for (int e = columnStart[j]; e < columnStart[j + 1]; ++e) {
            ++entryStart_[std::min(position_[rowIndex[e]], position_[j]) + 1];
        }
    }
    CCholeskyBuffer<int> cursor;
    if (!StartsFromCounts(entryStart_.Data(), n_, cursor)) {
        return false;
    }
    for (int j = 0; j < n_; ++j) {
        for (int e = columnStart[j]; e < columnStart[j + 1]; ++e) {
            const int a = position_[rowIndex[e]];
            const int b = position_[j];
            const int at = cursor[std::min(a, b)]++;
            entryRow_[at] = std::max(a, b);
            entrySource_[at] = e;
        }
    }
    return true;
}
