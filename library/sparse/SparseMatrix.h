#pragma once

// Sparse LU package for general real square matrices.
//
// An n x n matrix is stored as linked lists of its structurally non-zero elements: every element
// sits in the list of its column (rows ascending) and, once the matrix has been factored, in the
// list of its row (columns ascending). SparseFactor chooses the pivot order during elimination by
// the Markowitz criterion (fewest expected fill-ins) under threshold pivoting, preferring diagonal
// pivots, and creates fill-ins as elimination needs them; SparseSolve then does forward and back
// substitution. Rows and columns are numbered 1..n; the caller's vectors are plain arrays of n
// doubles in which element k - 1 belongs to row (or column) k.
//
// When the part still to be eliminated has become large and largely filled in (see
// kSparseDenseTrailingSize), it is finished as one dense block with partial pivoting by rows, and
// its factors are stored back as elements in the same layout: on a full block the lists would
// only add pointer chasing to the same arithmetic. Smaller matrices never take that path.
//
// Internally rows and columns are renumbered by the pivot exchanges; the two internal-to-external
// maps (and their inverses) translate. After factorisation the diagonal holds the reciprocals of
// the pivots, the strict lower triangle L (not divided by the pivots) and the strict upper
// triangle U with a unit diagonal implied.
//
// The matrix owns every element and array; each block is recorded in an allocation list so that
// SparseDestroy frees them all. Nothing throws, nothing is printed and no state is kept outside the
// matrix object: every operation reports through the error codes below, kept in `error`.

// Error codes. Codes of kSparseZeroPivot and above are fatal: the operation stops there.
constexpr int kSparseOk = 0;
constexpr int kSparseSmallPivot = 1;  // a pivot below the thresholds was used (warning)
constexpr int kSparseZeroPivot = 2;   // zero pivot when re-factoring in the stored order
constexpr int kSparseSingular = 3;    // no usable pivot remains, or a pivot is exactly zero
constexpr int kSparseNoMemory = 4;
constexpr int kSparseBadArgument = 5;  // size not positive, or complex requested

// While the order is chosen, a trailing active submatrix of at least this many rows that is at
// least kSparseDenseFraction full is factored as a dense block (partial pivoting by rows): it
// would fill in completely anyway.
constexpr int kSparseDenseTrailingSize = 200;
constexpr double kSparseDenseFraction = 0.2;

// Columns updated side by side during elimination.
constexpr int kSparseWalkLanes = 4;

// One structurally non-zero entry, fill-ins included; row and column are internal numbers.
struct SparseElement {
    double value;
    int row;
    int column;
    SparseElement* nextInRow;     // columns ascending
    SparseElement* nextInColumn;  // rows ascending
};

// Per-row and per-column arrays hold allocatedSize + 1 entries (index 0 unused), so that every
// index 1..allocatedSize is valid even for n below 6.
struct SparseMatrix {
    double absoluteThreshold;  // a pivot must exceed this magnitude
    int allocatedSize;         // max(n, 6)
    SparseElement** diagonal;  // element at internal (i, i), or null
    bool* realDirect;          // per column: re-factor it with a dense scatter vector
    int elementCount;          // fill-ins included
    int error;
    int fillInCount;
    SparseElement** firstInColumn;
    SparseElement** firstInRow;
    double* intermediate;  // work vector of factorisation and solve
    bool internalVectorsAllocated;
    int* internalToExternalColumn;
    int* internalToExternalRow;
    int* markowitzRow;      // per row: non-zeros in the active part minus one
    int* markowitzColumn;   // per column: the same
    int* markowitzProduct;  // per diagonal position: row count x column count
    bool needsOrdering;
    bool partitioned;          // realDirect is up to date
    double relativeThreshold;  // a pivot must exceed this fraction of its column's largest entry
    bool rowsLinked;
    int singletons;  // positions of the active part whose Markowitz product is 0
    int size;
    SparseElement scratch;  // target of requests with row or column 0; never part of the system

    SparseElement* nextElement;  // element pool: next free element and how many remain
    int elementsLeft;
    SparseElement* nextFillIn;  // fill-in pool
    int fillInsLeft;
    void** allocationList;  // current record block: slot 0 links to the previous record block
    int allocationSlotsLeft;

    int* externalToInternalColumn;
    int* externalToInternalRow;
    // Per row, an element address: of the pivot column while ordering, of the column being
    // re-factored otherwise.
    SparseElement** columnScatter;
    // While ordering at step k: the last element with row < k of each active column (null when
    // there is none), where the column's active part begins; and a list for sorting elements.
    SparseElement** lastAbove;
    SparseElement** elementList;
    // Per row, the pivot-row element whose update reached it last, one array per column walked
    // at the same time.
    SparseElement** updatedBy[kSparseWalkLanes];
    // While ordering, per active column: its largest magnitude, the element holding it and the
    // largest magnitude of the others, kept until an elimination or exchange changes the column.
    double* columnLargest;
    SparseElement** columnLargestAt;
    double* columnSecond;
    bool* columnStale;
    bool factorsValid;  // the last factorisation completed (error below 2)
    // The smallest trailing submatrix factored densely; kSparseDenseTrailingSize at creation.
    int denseTrailingSize;
    // The factors copied into arrays in the order the solves read them, made by the first solve
    // after a factorisation (the lists lie scattered in memory): the entries of L below the
    // diagonal of column i at solveLowerStart[i]..solveLowerStart[i + 1] - 1, rows ascending, and
    // those of U right of the diagonal of row i at solveUpperStart[i].., columns ascending. Freed
    // by SparseDestroy; when they cannot be obtained the solves walk the lists instead.
    int* solveLowerStart;
    int* solveLowerRow;
    double* solveLowerValue;
    int* solveUpperStart;
    int* solveUpperColumn;
    double* solveUpperValue;
    bool solveArraysValid;
};

// New empty n x n real matrix, or null with *error set (kSparseBadArgument for n <= 0 or complex
// != 0, kSparseNoMemory). *error is kSparseOk on success.
SparseMatrix* SparseCreate(int n, int complex, int* error);

// Address of the value of element (row, col), in the caller's numbering, creating the element with
// value 0 when it does not exist; null (and error kSparseNoMemory) when memory runs out. Row or
// col 0 gives the scratch element. Callers store or accumulate into the returned address; the
// address stays valid until SparseDestroy. A new element after a factorisation makes the matrix
// need ordering again and invalidates the factors.
double* SparseElementAt(SparseMatrix* m, int row, int col);

// Sets every value to zero, fill-ins included, keeping the structure and the pivot order: the way
// to reload new values for re-factorisation in the stored order. Invalidates the factors.
void SparseClear(SparseMatrix* m);

// Chooses the pivot order if the matrix needs it and factors in place; otherwise re-factors in the
// stored order. Returns the error code (also kept in m->error).
int SparseFactor(SparseMatrix* m);

// Solves A x = rhs with the factors; rhs and solution may be the same array. Without valid
// factors (never factored, structure changed since, or the last factorisation failed with a fatal
// code) the factors are not read and every entry of the solution becomes NaN.
void SparseSolve(SparseMatrix* m, const double* rhs, double* solution);

// SparseSolve for `count` right-hand sides at once, each solved in place in vectors[j]: the
// factors are read once for all of them, with the same operations per vector as SparseSolve.
void SparseSolveSeveral(SparseMatrix* m, int count, double* const* vectors);

// Frees the matrix and every block it obtained. A null matrix is ignored.
void SparseDestroy(SparseMatrix* m);

// Test hook for the out-of-memory paths: the nth block request from now on this thread fails
// (1 = the next one) and the count is then cleared; 0 turns failures off.
void SparseFailNthAllocation(int nth);
