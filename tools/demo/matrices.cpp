#include "matrices.h"

#include <cmath>

namespace demo {

Matrix identity() { return scaling(1, 1, 1); }

Matrix scaling(float x, float y, float z) {
    Matrix matrix;
    matrix.m[0][0] = x;
    matrix.m[1][1] = y;
    matrix.m[2][2] = z;
    matrix.m[3][3] = 1;
    return matrix;
}

Matrix translated(Matrix matrix, float x, float y, float z) {
    matrix.m[3][0] += x;
    matrix.m[3][1] += y;
    matrix.m[3][2] += z;
    return matrix;
}

namespace {

void normalize(float (&v)[3]) {
    float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    for (float& c : v) c /= length;
}

void cross(const float (&a)[3], const float (&b)[3], float (&out)[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

float dot(const float (&a)[3], const float (&b)[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

}  // namespace

Matrix lookAt(const float (&eye)[3], const float (&at)[3]) {
    float zAxis[3] = {at[0] - eye[0], at[1] - eye[1], at[2] - eye[2]};
    normalize(zAxis);
    const float up[3] = {0, 1, 0};
    float xAxis[3], yAxis[3];
    cross(up, zAxis, xAxis);
    normalize(xAxis);
    cross(zAxis, xAxis, yAxis);
    Matrix view = identity();
    for (int i = 0; i < 3; ++i) {
        view.m[i][0] = xAxis[i];
        view.m[i][1] = yAxis[i];
        view.m[i][2] = zAxis[i];
    }
    view.m[3][0] = -dot(xAxis, eye);
    view.m[3][1] = -dot(yAxis, eye);
    view.m[3][2] = -dot(zAxis, eye);
    return view;
}

Matrix perspective(float fovY, float aspect, float zNear, float zFar) {
    float yScale = 1.0f / std::tan(fovY / 2);
    Matrix projection;
    projection.m[0][0] = yScale / aspect;
    projection.m[1][1] = yScale;
    projection.m[2][2] = zFar / (zFar - zNear);
    projection.m[2][3] = 1;
    projection.m[3][2] = -zNear * zFar / (zFar - zNear);
    return projection;
}

}  // namespace demo
