#include "LaminateLayout.h"

CMatrix AssembleABD(const CMatrix& A, const CMatrix& B, const CMatrix& D) {
    CMatrix abd(6, 6, false);
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            abd(i, j) = A(i, j);
            abd(i, j + 3) = B(i, j);
            abd(i + 3, j) = B(i, j);
            abd(i + 3, j + 3) = D(i, j);
        }
    }
    return abd;
}

void WriteLaminateOutput(const LaminateResults& results, double* out) {
    const CMatrix& abd = results.abd;
    const int upper[6][2] = {{1, 1}, {1, 2}, {1, 3}, {2, 2}, {2, 3}, {3, 3}};
    for (int k = 0; k < 6; ++k) {
        const int i = upper[k][0];
        const int j = upper[k][1];
        out[k] = abd(i, j);               // A
        out[k + 6] = abd(i, j + 3);       // B
        out[k + 12] = abd(i + 3, j + 3);  // D
    }
    out[18] = abd(1, 3) / abd(1, 1);
    out[19] = abd(2, 3) / abd(2, 2);
    out[20] = abd(4, 6) / abd(4, 4);
    out[21] = abd(5, 6) / abd(5, 5);
    for (int i = 1; i <= 6; ++i) {
        out[21 + i] = results.thermalResultants(i);
        out[27 + i] = results.thermalStrains(i);
        out[34 + i] = results.yarnLoadResultants(i);
    }
    out[34] = results.thickness;
}
