#pragma once

#include <cstddef>

#include "cholesky/CholeskyBuffer.h"

// The structure of the Cholesky factor of a sparse symmetric matrix, found from its pattern alone:
// the elimination order, and the factor's columns grouped into supernodes.
//
// The order is minimum degree, renumbered along a postorder of the elimination tree so that every
// subtree is a contiguous range of columns. A supernode is a range of consecutive columns that
// share one row structure below their diagonal block (a chain of the tree in which each column's
// structure is its child's less one row); its part of L is stored as one dense column-major block
// of m rows (the supernode's columns first, then the rows below, ascending) by w columns. The
// multifrontal factorisation passes each supernode's Schur complement to its parent through a
// stack whose layout is planned here.
//
// Positions (the order of elimination) and the caller's indices are both 0-based:
// Original(k) is the caller's index eliminated k-th, Position(i) the inverse.
class CCholeskySymbolic {
public:
    // From the lower triangle (diagonal included, no duplicates) in compressed columns: the rows
    // of column j at rowIndex[columnStart[j]] .. rowIndex[columnStart[j + 1] - 1], each >= j.
    // False when memory runs out.
    bool Analyse(int n, const int* columnStart, const int* rowIndex);

    int Size() const { return n_; }
    int Original(int position) const { return order_[position]; }
    int Position(int original) const { return position_[original]; }
    int SupernodeCount() const { return supernodeCount_; }
    int FirstColumn(int s) const { return firstColumn_[s]; }
    int Width(int s) const { return firstColumn_[s + 1] - firstColumn_[s]; }
    int RowCount(int s) const { return rowStart_[s + 1] - rowStart_[s]; }
    // The positions of supernode s's rows: its own columns, then the rows below, ascending.
    const int* Rows(int s) const { return rows_.Data() + rowStart_[s]; }
    std::size_t BlockStart(int s) const { return blockStart_[s]; }
    std::size_t BlockTotal() const { return blockStart_[supernodeCount_]; }
    // Children of supernode s in the supernodal tree.
    const int* Children(int s) const { return children_.Data() + childStart_[s]; }
    int ChildCount(int s) const { return childStart_[s + 1] - childStart_[s]; }
    // Where supernode s leaves its Schur complement on the update stack, and the stack's size.
    std::size_t UpdateOffset(int s) const { return updateOffset_[s]; }
    std::size_t StackSize() const { return stackSize_; }
    std::size_t LargestUpdate() const { return largestUpdate_; }
    // The matrix's lower triangle in eliminated order: column k's entries (rows >= k, by
    // position) and, for each, its index in the caller's value array.
    int EntryStart(int k) const { return entryStart_[k]; }
    int EntryRow(int e) const { return entryRow_[e]; }
    int EntrySource(int e) const { return entrySource_[e]; }
    // Entries of L on and below the diagonal.
    long long FactorNonZeros() const { return factorNonZeros_; }

private:
    bool BuildAdjacency(const int* columnStart, const int* rowIndex);
    bool Order();
    bool EliminationTree(CCholeskyBuffer<int>& parent);
    bool Postorder(CCholeskyBuffer<int>& parent);
    bool CountColumns(const CCholeskyBuffer<int>& parent, CCholeskyBuffer<int>& counts);
    bool FindSupernodes(const CCholeskyBuffer<int>& parent, const CCholeskyBuffer<int>& counts);
    bool GatherRows();
    bool PlanStack();
    bool PermuteEntries(const int* columnStart, const int* rowIndex);

    int n_ = 0;
    CCholeskyBuffer<int> adjacencyStart_;  // the full pattern less the diagonal, by caller's index
    CCholeskyBuffer<int> adjacency_;
    CCholeskyBuffer<int> order_;
    CCholeskyBuffer<int> position_;
    int supernodeCount_ = 0;
    CCholeskyBuffer<int> firstColumn_;
    CCholeskyBuffer<int> supernodeParent_;
    CCholeskyBuffer<int> rowStart_;
    CCholeskyBuffer<int> rows_;
    CCholeskyBuffer<std::size_t> blockStart_;
    CCholeskyBuffer<int> childStart_;
    CCholeskyBuffer<int> children_;
    CCholeskyBuffer<std::size_t> updateOffset_;
    std::size_t stackSize_ = 0;
    std::size_t largestUpdate_ = 0;
    CCholeskyBuffer<int> entryStart_;
    CCholeskyBuffer<int> entryRow_;
    CCholeskyBuffer<int> entrySource_;
    long long factorNonZeros_ = 0;
};
