#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "d3dx/matrix.h"

namespace d3d8water {
namespace {

D3DMATRIX matrix(std::initializer_list<float> values) {
    D3DMATRIX m{};
    int i = 0;
    for (float v : values) {
        m.m[i / 4][i % 4] = v;
        ++i;
    }
    return m;
}

void expectMatrixNear(const D3DMATRIX& actual, const D3DMATRIX& expected, float tolerance = 1e-5f) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(actual.m[r][c], expected.m[r][c], tolerance) << "element _" << r + 1 << c + 1;
}

const D3DMATRIX counting = matrix({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
// Scale (2, 3, 4), then translate by (1, 2, 3).
const D3DMATRIX scaleTranslate = matrix({2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 1, 2, 3, 1});
const D3DMATRIX countingTimesScaleTranslate =
    matrix({6, 14, 24, 4, 18, 34, 52, 8, 30, 54, 80, 12, 42, 74, 108, 16});
const D3DMATRIX scaleTranslateTimesCounting =
    matrix({2, 4, 6, 8, 15, 18, 21, 24, 36, 40, 44, 48, 51, 58, 65, 72});

TEST(D3dxMatrixMultiply, MultipliesRowsOfTheFirstByColumnsOfTheSecond) {
    D3DMATRIX out;
    EXPECT_EQ(D3DXMatrixMultiply(&out, &counting, &scaleTranslate), &out);
    expectMatrixNear(out, countingTimesScaleTranslate, 0);
    EXPECT_EQ(D3DXMatrixMultiply(&out, &scaleTranslate, &counting), &out);
    expectMatrixNear(out, scaleTranslateTimesCounting, 0);
}

TEST(D3dxMatrixMultiply, RowVectorConventionPutsTheTranslationLast) {
    // The point (1, 1, 1) scaled by (2, 3, 4) and then moved by (1, 2, 3).
    const D3DMATRIX point = matrix({1, 1, 1, 1});
    D3DMATRIX out;
    D3DXMatrixMultiply(&out, &point, &scaleTranslate);
    EXPECT_EQ(out._11, 3);
    EXPECT_EQ(out._12, 5);
    EXPECT_EQ(out._13, 7);
    EXPECT_EQ(out._14, 1);
}

TEST(D3dxMatrixMultiply, OutputMayBeEitherInputOrBoth) {
    D3DMATRIX first = counting;
    EXPECT_EQ(D3DXMatrixMultiply(&first, &first, &scaleTranslate), &first);
    expectMatrixNear(first, countingTimesScaleTranslate, 0);

    D3DMATRIX second = scaleTranslate;
    EXPECT_EQ(D3DXMatrixMultiply(&second, &counting, &second), &second);
    expectMatrixNear(second, countingTimesScaleTranslate, 0);

    D3DMATRIX both = scaleTranslate;
    D3DXMatrixMultiply(&both, &both, &both);  // scale (4, 9, 16), translate (1, 2, 3) x S + (1, 2, 3)
    expectMatrixNear(both, matrix({4, 0, 0, 0, 0, 9, 0, 0, 0, 0, 16, 0, 3, 8, 15, 1}), 0);
}

TEST(D3dxMatrixTranspose, SwapsRowsAndColumnsAlsoInPlace) {
    const D3DMATRIX expected = matrix({1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 16});
    D3DMATRIX out;
    EXPECT_EQ(D3DXMatrixTranspose(&out, &counting), &out);
    expectMatrixNear(out, expected, 0);

    D3DMATRIX inPlace = counting;
    EXPECT_EQ(D3DXMatrixTranspose(&inPlace, &inPlace), &inPlace);
    expectMatrixNear(inPlace, expected, 0);
}

struct InverseCase {
    const char* name;
    D3DMATRIX m;
    D3DMATRIX inverse;
    float determinant;
};

TEST(D3dxMatrixInverse, InvertsHandComputedMatrices) {
    const InverseCase cases[] = {
        {"identity", matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}),
         matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), 1},
        {"scale and translation", matrix({2, 0, 0, 0, 0, 4, 0, 0, 0, 0, 8, 0, 1, 2, 3, 1}),
         matrix({0.5f, 0, 0, 0, 0, 0.25f, 0, 0, 0, 0, 0.125f, 0, -0.5f, -0.5f, -0.375f, 1}), 64},
        {"rotation about z", matrix({0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}),
         matrix({0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), 1},
        // Linear part [[1 2] [3 4]] has the inverse [[-2 1] [1.5 -0.5]]; the
        // translation becomes -(5, 6, 7) x L^-1 = (1, -2, -7).
        {"shear with translation", matrix({1, 2, 0, 0, 3, 4, 0, 0, 0, 0, 1, 0, 5, 6, 7, 1}),
         matrix({-2, 1, 0, 0, 1.5f, -0.5f, 0, 0, 0, 0, 1, 0, 1, -2, -7, 1}), -2},
    };
    for (const InverseCase& c : cases) {
        SCOPED_TRACE(c.name);
        D3DMATRIX out;
        float determinant = 0;
        EXPECT_EQ(D3DXMatrixInverse(&out, &determinant, &c.m), &out);
        expectMatrixNear(out, c.inverse);
        EXPECT_FLOAT_EQ(determinant, c.determinant);
    }
}

TEST(D3dxMatrixInverse, DenseMatrixTimesItsInverseIsIdentityAndOutputMayAliasInput) {
    const D3DMATRIX dense = matrix({4, 7, 2, 3, 0, 5, 1, 6, 8, 1, 9, 2, 3, 4, 5, 7});
    D3DMATRIX inverse = dense;
    EXPECT_EQ(D3DXMatrixInverse(&inverse, nullptr, &inverse), &inverse);
    D3DMATRIX product;
    D3DXMatrixMultiply(&product, &dense, &inverse);
    expectMatrixNear(product, matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
}

TEST(D3dxMatrixInverse, MatrixWithoutFiniteInverseReturnsNullAndWritesNothing) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* name;
        D3DMATRIX m;
    } cases[] = {
        {"all zero (no view set yet)", matrix({})},
        {"second row twice the first", matrix({1, 2, 3, 4, 2, 4, 6, 8, 0, 0, 1, 0, 0, 0, 0, 1})},
        {"zero scale on one axis", matrix({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 5, 6, 7, 1})},
        {"NaN element", matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, nan, 0, 0, 1})},
        {"infinite element", matrix({inf, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1})},
        {"inverse beyond float range", matrix({1e-39f, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        D3DMATRIX out;
        std::memset(&out, 0xA5, sizeof out);
        D3DMATRIX untouched = out;
        float determinant = 123.0f;
        EXPECT_EQ(D3DXMatrixInverse(&out, &determinant, &c.m), nullptr);
        EXPECT_EQ(std::memcmp(&out, &untouched, sizeof out), 0);
        EXPECT_EQ(determinant, 123.0f);
        EXPECT_EQ(D3DXMatrixInverse(&out, nullptr, &c.m), nullptr);
        EXPECT_EQ(std::memcmp(&out, &untouched, sizeof out), 0);
    }
}

TEST(D3dxMatrixInverse, TinyButFiniteInverseSucceedsWithInfiniteDeterminantReported) {
    // det = 1e40 does not fit a float, but the inverse 1e-10 does.
    const D3DMATRIX large = matrix({1e10f, 0, 0, 0, 0, 1e10f, 0, 0, 0, 0, 1e10f, 0, 0, 0, 0, 1e10f});
    D3DMATRIX out;
    float determinant = 0;
    EXPECT_EQ(D3DXMatrixInverse(&out, &determinant, &large), &out);
    EXPECT_FLOAT_EQ(out._11, 1e-10f);
    EXPECT_FLOAT_EQ(out._44, 1e-10f);
    EXPECT_EQ(determinant, std::numeric_limits<float>::infinity());
}

}  // namespace
}  // namespace d3d8water
