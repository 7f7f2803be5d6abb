#include "d3dx/matrix.h"

#include <cmath>

namespace d3d8water {

D3DMATRIX* D3DXMatrixMultiply(D3DMATRIX* out, const D3DMATRIX* m1, const D3DMATRIX* m2) {
    D3DMATRIX product;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            product.m[row][column] = m1->m[row][0] * m2->m[0][column] + m1->m[row][1] * m2->m[1][column] +
                                     m1->m[row][2] * m2->m[2][column] + m1->m[row][3] * m2->m[3][column];
    *out = product;
    return out;
}

D3DMATRIX* D3DXMatrixTranspose(D3DMATRIX* out, const D3DMATRIX* m) {
    D3DMATRIX transposed;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) transposed.m[row][column] = m->m[column][row];
    *out = transposed;
    return out;
}

// Cofactor expansion in double precision: each element of a float matrix is
// exact in double, and no product of four of them can overflow or vanish there.
D3DMATRIX* D3DXMatrixInverse(D3DMATRIX* out, float* determinant, const D3DMATRIX* m) {
    double a[16];
    for (int i = 0; i < 16; ++i) {
        a[i] = m->m[i / 4][i % 4];
        if (!std::isfinite(a[i])) return nullptr;
    }
    // 2x2 determinants of the top two rows (s) and of the bottom two rows (c).
    const double s0 = a[0] * a[5] - a[4] * a[1], s1 = a[0] * a[6] - a[4] * a[2];
    const double s2 = a[0] * a[7] - a[4] * a[3], s3 = a[1] * a[6] - a[5] * a[2];
    const double s4 = a[1] * a[7] - a[5] * a[3], s5 = a[2] * a[7] - a[6] * a[3];
    const double c5 = a[10] * a[15] - a[14] * a[11], c4 = a[9] * a[15] - a[13] * a[11];
    const double c3 = a[9] * a[14] - a[13] * a[10], c2 = a[8] * a[15] - a[12] * a[11];
    const double c1 = a[8] * a[14] - a[12] * a[10], c0 = a[8] * a[13] - a[12] * a[9];
    const double det = s0 * c5 - s1 * c4 + s2 * c3 + s3 * c2 - s4 * c1 + s5 * c0;
    if (det == 0.0) return nullptr;

    const double adjugate[16] = {
        a[5] * c5 - a[6] * c4 + a[7] * c3,   -a[1] * c5 + a[2] * c4 - a[3] * c3,
        a[13] * s5 - a[14] * s4 + a[15] * s3, -a[9] * s5 + a[10] * s4 - a[11] * s3,
        -a[4] * c5 + a[6] * c2 - a[7] * c1,  a[0] * c5 - a[2] * c2 + a[3] * c1,
        -a[12] * s5 + a[14] * s2 - a[15] * s1, a[8] * s5 - a[10] * s2 + a[11] * s1,
        a[4] * c4 - a[5] * c2 + a[7] * c0,   -a[0] * c4 + a[1] * c2 - a[3] * c0,
        a[12] * s4 - a[13] * s2 + a[15] * s0, -a[8] * s4 + a[9] * s2 - a[11] * s0,
        -a[4] * c3 + a[5] * c1 - a[6] * c0,  a[0] * c3 - a[1] * c1 + a[2] * c0,
        -a[12] * s3 + a[13] * s1 - a[14] * s0, a[8] * s3 - a[9] * s1 + a[10] * s0,
    };
    D3DMATRIX inverse;
    for (int i = 0; i < 16; ++i) {
        inverse.m[i / 4][i % 4] = static_cast<float>(adjugate[i] / det);
        if (!std::isfinite(inverse.m[i / 4][i % 4])) return nullptr;
    }
    // A determinant beyond the float range is reported as infinite; the inverse is still good.
    if (determinant) *determinant = static_cast<float>(det);
    *out = inverse;
    return out;
}

}  // namespace d3d8water
