#include <gtest/gtest.h>

#include "fe/FeSparseMatrix.h"
#include "numerics/Matrix.h"

// The periodicity and support operations on the sparse matrix do, entry by entry, what they do on
// a dense one: the results are the same to the last bit, and cleared entries read as zero.
TEST(FeSparseMatrix, RowAndColumnOperationsMatchTheDenseOnesExactly) {
    const int n = 9;
    CFeSparseMatrix sparse(n);
    CMatrix dense(n, n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if ((i * 7 + j * 3) % 4 == 0 || i == j) {
                double value = 0.1 * i - 0.37 * j + 1.0 / (i + j);
                sparse.Add(i, j, value);
                sparse.Add(i, j, value / 3.0);
                dense(i, j) += value;
                dense(i, j) += value / 3.0;
            }
        }
    }
    sparse.AddColumnMultiple(4, 2, 0.3);
    sparse.AddRowMultiple(4, 2, 0.3);
    sparse.AddRowMultiple(7, 9, -1.0 / 3.0);
    sparse.AddColumnMultiple(7, 9, -1.0 / 3.0);
    for (int k = 1; k <= n; ++k) {
        dense(k, 2) += 0.3 * dense(k, 4);
    }
    for (int k = 1; k <= n; ++k) {
        dense(2, k) += 0.3 * dense(4, k);
    }
    for (int k = 1; k <= n; ++k) {
        dense(9, k) += -1.0 / 3.0 * dense(7, k);
    }
    for (int k = 1; k <= n; ++k) {
        dense(k, 9) += -1.0 / 3.0 * dense(k, 7);
    }
    sparse.ClearRow(4);
    sparse.ClearColumn(7);
    sparse.Set(4, 4, 1.0);
    for (int k = 1; k <= n; ++k) {
        dense(4, k) = 0.0;
        dense(k, 7) = 0.0;
    }
    dense(4, 4) = 1.0;

    CMatrix rebuilt = sparse.ToDense();
    CVector x(n);
    for (int i = 1; i <= n; ++i) {
        x(i) = 1.0 + 0.25 * i;
    }
    CVector sparseProduct = sparse * x;
    CVector denseProduct = dense * x;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            EXPECT_EQ(sparse(i, j), dense(i, j)) << i << ", " << j;
            EXPECT_EQ(rebuilt(i, j), dense(i, j)) << i << ", " << j;
        }
        EXPECT_EQ(sparseProduct(i), denseProduct(i)) << i;
    }
    EXPECT_EQ(sparse.Row(4).size(), 1u);  // cleared entries are gone, not stored zeros
    for (int i = 1; i <= n; ++i) {
        for (const CFeSparseMatrix::Entry& e : sparse.Row(i)) {
            EXPECT_NE(e.column, 7);
        }
    }
}
