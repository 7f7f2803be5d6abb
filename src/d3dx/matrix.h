// The 4x4 matrix functions of D3DX on D3DMATRIX (row-major, row vectors).
// Each returns `out`, except that an inverse that does not exist returns null.
#pragma once

#include "platform/d3d8_api.h"

namespace d3d8water {

// out = m1 x m2; out may be m1 or m2.
D3DMATRIX* D3DXMatrixMultiply(D3DMATRIX* out, const D3DMATRIX* m1, const D3DMATRIX* m2);

// out = the transpose of m; out may be m.
D3DMATRIX* D3DXMatrixTranspose(D3DMATRIX* out, const D3DMATRIX* m);

// out = the inverse of m, and *determinant = det(m) where determinant is not
// null; out may be m. Where m has no finite inverse in single precision (m is
// singular, m holds an infinity or a NaN, or an element of the inverse
// overflows), returns null and writes neither out nor *determinant.
D3DMATRIX* D3DXMatrixInverse(D3DMATRIX* out, float* determinant, const D3DMATRIX* m);

}  // namespace d3d8water
