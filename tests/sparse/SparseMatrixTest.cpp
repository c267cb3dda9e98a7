#include <gtest/gtest.h>

#include "SparseFixtures.h"
#include "sparse/SparseMatrix.h"

TEST(SparseMatrix, RefusesSizesBelowOneAndComplexMatrices) {
    for (int n : {0, -1, -100}) {
        int error = -1;
        EXPECT_EQ(SparseCreate(n, 0, &error), nullptr) << n;
        EXPECT_EQ(error, kSparseBadArgument) << n;
    }
    int error = -1;
    EXPECT_EQ(SparseCreate(4, 1, &error), nullptr);
    EXPECT_EQ(error, kSparseBadArgument);
}

TEST(SparseMatrix, SmallMatricesAreAllocatedForSixRows) {
    for (int n = 1; n <= 8; ++n) {
        CSparseHolder holder(n);
        ASSERT_NE(holder.get(), nullptr);
        EXPECT_EQ(holder.CreateError(), kSparseOk);
        EXPECT_EQ(holder.get()->size, n);
        EXPECT_EQ(holder.get()->allocatedSize, std::max(n, 6));
        EXPECT_EQ(holder.get()->relativeThreshold, 0.001);
        EXPECT_EQ(holder.get()->absoluteThreshold, 0.0);
        EXPECT_TRUE(holder.get()->needsOrdering);
        // The maps are identities over the whole allocated size.
        for (int i = 1; i <= holder.get()->allocatedSize; ++i) {
            EXPECT_EQ(holder.get()->internalToExternalRow[i], i);
            EXPECT_EQ(holder.get()->internalToExternalColumn[i], i);
        }
    }
}

TEST(SparseMatrix, SameElementComesBackAtTheSameAddress) {
    CSparseHolder holder(5);
    SparseMatrix* m = holder.get();
    double* a23 = SparseElementAt(m, 2, 3);
    double* a33 = SparseElementAt(m, 3, 3);
    double* a13 = SparseElementAt(m, 1, 3);
    ASSERT_NE(a23, nullptr);
    EXPECT_EQ(*a23, 0.0);
    EXPECT_NE(a23, a33);
    EXPECT_NE(a23, a13);
    EXPECT_EQ(SparseElementAt(m, 2, 3), a23);
    EXPECT_EQ(SparseElementAt(m, 3, 3), a33);
    EXPECT_EQ(m->elementCount, 3);
    EXPECT_EQ(m->diagonal[3]->row, 3);
    // Column 3 is kept in ascending row order whatever the order of the requests.
    SparseElement* e = m->firstInColumn[3];
    EXPECT_EQ(e->row, 1);
    EXPECT_EQ(e->nextInColumn->row, 2);
    EXPECT_EQ(e->nextInColumn->nextInColumn->row, 3);
    EXPECT_EQ(e->nextInColumn->nextInColumn->nextInColumn, nullptr);
}

TEST(SparseMatrix, RowOrColumnZeroIsTheScratchElementOutsideTheSystem) {
    CSparseHolder holder(2);
    SparseMatrix* m = holder.get();
    double* scratch = SparseElementAt(m, 0, 2);
    EXPECT_EQ(scratch, SparseElementAt(m, 1, 0));
    EXPECT_EQ(scratch, SparseElementAt(m, 0, 0));
    *scratch = 1e300;
    *SparseElementAt(m, 1, 1) = 2.0;
    *SparseElementAt(m, 2, 2) = 4.0;
    EXPECT_EQ(m->elementCount, 2);
    ASSERT_EQ(SparseFactor(m), kSparseOk);
    double rhs[2] = {1.0, 1.0};
    double x[2] = {};
    SparseSolve(m, rhs, x);
    EXPECT_EQ(x[0], 0.5);
    EXPECT_EQ(x[1], 0.25);
}

TEST(SparseMatrix, ElementPoolGrowsBeyondItsFirstBlock) {
    // 100 x 6 elements come with creation; a full 30 x 30 matrix needs more blocks.
    int n = 30;
    CSparseHolder holder(n);
    CMatrix a = RandomSparse(n, 1.0, 7);
    Load(holder.get(), a);
    EXPECT_EQ(holder.get()->elementCount, n * n);
    ASSERT_EQ(SparseFactor(holder.get()), kSparseOk);
    CVector b = RandomVector(n, 8);
    CVector x(n);
    SparseSolve(holder.get(), b.Data(), x.Data());
    EXPECT_LT(RelativeResidual(a, x, b), 1e-14);
}

// Every block request of a creation, an element request and a factorisation fails in turn: each
// reports out of memory and, with the matrix destroyed, nothing leaks (checked under
// AddressSanitizer and valgrind).
TEST(SparseAllocation, CreationFailsCleanlyAtEveryRequest) {
    for (int nth = 1;; ++nth) {
        SparseFailNthAllocation(nth);
        int error = -1;
        SparseMatrix* m = SparseCreate(3, 0, &error);
        SparseFailNthAllocation(0);
        if (m != nullptr) {
            EXPECT_EQ(error, kSparseOk);
            SparseDestroy(m);
            EXPECT_GT(nth, 5);
            break;
        }
        EXPECT_EQ(error, kSparseNoMemory) << nth;
    }
}

TEST(SparseAllocation, ElementRequestReportsExhaustedMemory) {
    CSparseHolder holder(6);
    SparseMatrix* m = holder.get();
    m->elementsLeft = 0;  // the pool is used up: the next element needs a new block
    SparseFailNthAllocation(1);
    EXPECT_EQ(SparseElementAt(m, 2, 3), nullptr);
    EXPECT_EQ(m->error, kSparseNoMemory);
    EXPECT_EQ(m->elementCount, 0);
    EXPECT_EQ(m->firstInColumn[3], nullptr);
    ASSERT_NE(SparseElementAt(m, 2, 3), nullptr);
    EXPECT_EQ(m->elementCount, 1);
}

TEST(SparseAllocation, FactorisationReportsOutOfMemoryAtEveryRequest) {
    int n = 40;
    CMatrix a = RandomSparse(n, 0.3, 11);
    bool completed = false;
    for (int nth = 1; !completed; ++nth) {
        CSparseHolder holder(n);
        SparseMatrix* m = holder.get();
        Load(m, a);
        m->fillInsLeft = 0;  // send fill-ins to block requests so that each one can fail
        m->elementsLeft = 0;
        SparseFailNthAllocation(nth);
        int code = SparseFactor(m);
        SparseFailNthAllocation(0);
        CVector x(n);
        CVector b = RandomVector(n, 12);
        SparseSolve(m, b.Data(), x.Data());
        if (code == kSparseNoMemory) {
            EXPECT_TRUE(std::isnan(x(1)) && std::isnan(x(n))) << nth;
        } else {
            ASSERT_EQ(code, kSparseOk);
            EXPECT_LT(RelativeResidual(a, x, b), 1e-13);
            completed = true;
        }
    }
}
