#include "scene_geometry.h"

#include <cmath>

namespace demo {

namespace {

// Where a mesh's vertices go: pre-divided x for a marker, and mirrored in the water.
struct Placement {
    float xDivisor = 1.0f;
    bool mirrored = false;
};

std::uint32_t argb(int r, int g, int b, int a = 255) {
    return std::uint32_t(a) << 24 | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
}

std::uint32_t shade(std::uint32_t color, float factor) {
    auto channel = [&](int shift) {
        float value = static_cast<float>(color >> shift & 0xFF) * factor;
        return static_cast<std::uint32_t>(value > 255.0f ? 255.0f : value) << shift;
    };
    return (color & 0xFF000000u) | channel(16) | channel(8) | channel(0);
}

class Builder {
public:
    explicit Builder(SceneGeometry& scene) : scene_(scene) {}

    void begin() {
        firstIndex_ = static_cast<unsigned>(scene_.indices.size());
        firstVertex_ = static_cast<unsigned>(scene_.vertices.size());
    }
    Mesh end() const {
        return {firstIndex_, static_cast<unsigned>(scene_.indices.size() - firstIndex_) / 3, firstVertex_,
                static_cast<unsigned>(scene_.vertices.size()) - firstVertex_};
    }

    std::uint16_t vertex(const Placement& place, float x, float y, float z, std::uint32_t color, float u = 0,
                         float v = 0) {
        float placedY = place.mirrored ? 2.0f * waterLevel - y : y;
        scene_.vertices.push_back({x / place.xDivisor, placedY, z, color, u, v});
        return static_cast<std::uint16_t>(scene_.vertices.size() - 1);
    }

    void quad(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d) {
        scene_.indices.insert(scene_.indices.end(), {a, b, c, a, c, d});
    }

    // An axis-aligned box from `low` to `high`, faces shaded as if lit from above.
    void box(const Placement& place, const float (&low)[3], const float (&high)[3], std::uint32_t color) {
        const float x[2] = {low[0], high[0]}, y[2] = {low[1], high[1]}, z[2] = {low[2], high[2]};
        struct Face {
            int axis, side;
            float light;
        };
        static const Face faces[6] = {{0, 0, 0.70f}, {0, 1, 0.60f}, {1, 0, 0.40f},
                                      {1, 1, 1.00f}, {2, 0, 0.85f}, {2, 1, 0.55f}};
        for (const Face& face : faces) {
            std::uint32_t faceColor = shade(color, face.light);
            std::uint16_t corner[4];
            for (int i = 0; i < 4; ++i) {
                int a = i == 1 || i == 2, b = i >= 2;  // walk the face's square
                int p[3];
                p[face.axis] = face.side;
                p[(face.axis + 1) % 3] = a;
                p[(face.axis + 2) % 3] = b;
                corner[i] = vertex(place, x[p[0]], y[p[1]], z[p[2]], faceColor);
            }
            quad(corner[0], corner[1], corner[2], corner[3]);
        }
    }

    // A heightfield over x and z in `cells` x `cells` squares.
    template <typename Height, typename Color>
    void grid(const Placement& place, float x0, float x1, float z0, float z1, int cells, Height height, Color color) {
        std::uint16_t first = static_cast<std::uint16_t>(scene_.vertices.size());
        for (int j = 0; j <= cells; ++j) {
            for (int i = 0; i <= cells; ++i) {
                float x = x0 + (x1 - x0) * static_cast<float>(i) / static_cast<float>(cells);
                float z = z0 + (z1 - z0) * static_cast<float>(j) / static_cast<float>(cells);
                float y = height(x, z);
                vertex(place, x, y, z, color(x, y, z));
            }
        }
        auto at = [&](int i, int j) { return static_cast<std::uint16_t>(first + j * (cells + 1) + i); };
        for (int j = 0; j < cells; ++j)
            for (int i = 0; i < cells; ++i) quad(at(i, j), at(i, j + 1), at(i + 1, j + 1), at(i + 1, j));
    }

private:
    SceneGeometry& scene_;
    unsigned firstIndex_ = 0;
    unsigned firstVertex_ = 0;
};

float bankHeight(float x, float z) {
    float rise = (z - 130.0f) / 130.0f;  // 0 at the water's edge, 1 at the back
    float hills = 9.0f * std::sin(x * 0.021f + 0.7f) * std::sin(x * 0.013f) + 5.0f * std::sin(x * 0.047f + 2.0f);
    return waterLevel + rise * (8.0f + hills + 10.0f * rise);
}

std::uint32_t bankColor(float, float y, float) {
    float t = (y - waterLevel) / 25.0f;  // sand at the water, grass and then rock higher up
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    auto mix = [&](float a, float b) { return static_cast<int>(a + (b - a) * t); };
    return t < 0.15f ? argb(196, 178, 128) : argb(mix(70, 120), mix(120, 110), mix(50, 90));
}

void addBank(Builder& builder, const Placement& place) {
    builder.grid(place, -420.0f, 420.0f, 130.0f, 260.0f, 24, bankHeight, bankColor);
}

void addObjects(Builder& builder, const Placement& place) {
    builder.box(place, {-28, waterLevel, 50}, {-16, 2.5f, 62}, argb(215, 45, 40));   // red crate
    builder.box(place, {3, waterLevel, 82}, {10, 22, 89}, argb(45, 175, 70));        // green pillar
    builder.box(place, {22, waterLevel, 44}, {36, -3, 54}, argb(235, 200, 45));      // yellow float
}

void addLantern(Builder& builder, const Placement& place) {
    builder.box(place, {-6, -6.5f, 38}, {-2, -2.5f, 42}, argb(255, 170, 60));  // a buoy light just above the water
}

void addSky(Builder& builder, const float (&scale)[3]) {
    const float half = 800.0f;
    const Placement place{};
    // Side faces map v from the top edge (0) to the bottom edge (1), so the
    // horizon at the camera's height is v = 0.5; top and bottom are the ends.
    auto corner = [&](float x, float y, float z, float u) {
        float v = 0.5f - y / (2 * half);
        return builder.vertex(place, x / scale[0], y / scale[1], z / scale[2], argb(255, 255, 255), u, v);
    };
    const float s[4][2] = {{-half, -half}, {half, -half}, {half, half}, {-half, half}};
    for (int side = 0; side < 4; ++side) {
        const float* a = s[side];
        const float* b = s[(side + 1) % 4];
        builder.quad(corner(a[0], half, a[1], 0), corner(b[0], half, b[1], 1), corner(b[0], -half, b[1], 1),
                     corner(a[0], -half, a[1], 0));
    }
    for (float y : {half, -half})
        builder.quad(corner(s[0][0], y, s[0][1], 0), corner(s[1][0], y, s[1][1], 1), corner(s[2][0], y, s[2][1], 1),
                     corner(s[3][0], y, s[3][1], 0));
}

void addWater(Builder& builder) {
    const Placement place{waterMarker, false};
    builder.grid(
        place, -420.0f, 420.0f, -40.0f, 420.0f, 24, [](float, float) { return waterLevel; },
        [](float, float, float) { return argb(46, 92, 110); });
}

void addFlag(Builder& builder) {
    const Placement place{};
    std::uint32_t cloth = argb(250, 250, 250, 150);
    builder.quad(builder.vertex(place, 10, 22, 85.5f, cloth), builder.vertex(place, 22, 20, 85.5f, cloth),
                 builder.vertex(place, 22, 14, 85.5f, cloth), builder.vertex(place, 10, 16, 85.5f, cloth));
}

}  // namespace

SceneGeometry buildSceneGeometry(const float (&waterColor)[3]) {
    SceneGeometry scene;
    Builder builder(scene);
    const float skyScale[3] = {1 + waterColor[0], 1 + waterColor[1], 1 + waterColor[2]};
    const Placement plain{}, reflected{redirectMarker, true}, mirroredLantern{mirrorMarker, true};

    builder.begin(); addSky(builder, skyScale); scene.sky = builder.end();
    builder.begin(); addBank(builder, plain); scene.bank = builder.end();
    builder.begin(); addObjects(builder, plain); scene.objects = builder.end();
    builder.begin(); addLantern(builder, plain); scene.lantern = builder.end();
    builder.begin(); addBank(builder, reflected); addObjects(builder, reflected); scene.mirroredScene = builder.end();
    builder.begin(); addLantern(builder, mirroredLantern); scene.mirroredLantern = builder.end();
    builder.begin(); addWater(builder); scene.water = builder.end();
    builder.begin(); addFlag(builder); scene.flag = builder.end();
    return scene;
}

}  // namespace demo
