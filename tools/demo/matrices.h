// The few 4x4 matrices the demo needs, row-major and used with row vectors, as
// Direct3D lays out D3DMATRIX.
#pragma once

namespace demo {

struct Matrix {
    float m[4][4] = {};
};

Matrix identity();
Matrix scaling(float x, float y, float z);
Matrix translated(Matrix matrix, float x, float y, float z);
// Left-handed camera at `eye` looking at `at`, y up.
Matrix lookAt(const float (&eye)[3], const float (&at)[3]);
// Left-handed perspective: vertical field of view in radians, depth 0 at `zNear`, 1 at `zFar`.
Matrix perspective(float fovY, float aspect, float zNear, float zFar);

}  // namespace demo
