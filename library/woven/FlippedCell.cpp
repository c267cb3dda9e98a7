#include "FlippedCell.h"

CMatrix FlippedABD(const CMatrix& abd) {
    CMatrix flipped(abd);
    for (int i = 1; i <= 3; ++i) {
        for (int j = 4; j <= 6; ++j) {
            flipped(i, j) = -abd(i, j);
            flipped(j, i) = -abd(j, i);
        }
    }
    return flipped;
}

CVector FlippedResultants(const CVector& resultants) {
    CVector flipped(resultants);
    for (int i = 4; i <= 6; ++i) {
        flipped(i) = -resultants(i);
    }
    return flipped;
}
