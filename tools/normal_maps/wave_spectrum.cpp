#include "wave_spectrum.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace normal_maps {

namespace {

// A small fixed-seed generator (xorshift32): the same sequence everywhere.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // In [0, 1).
    double unit() { return (next() >> 8) * (1.0 / 16777216.0); }

private:
    std::uint32_t state_;
};

constexpr std::uint32_t seed = 0x5EA5C0DEu;
constexpr int waveCount = 14;
constexpr double windAngle = 0.6;      // radians from +x: the main travel direction
constexpr double windSpread = 1.1;     // radians either side of it

}  // namespace

std::vector<Wave> waterWaves() {
    Random random(seed);
    std::vector<Wave> waves;
    while (static_cast<int>(waves.size()) < waveCount) {
        // Wavelengths from the tile width down to about a tenth of it,
        // mostly travelling with the wind, a few across it.
        double length = 1.5 + random.unit() * 8.0;
        double angle = windAngle + (random.unit() * 2.0 - 1.0) * windSpread;
        int kx = static_cast<int>(std::lround(length * std::cos(angle)));
        int ky = static_cast<int>(std::lround(length * std::sin(angle)));
        if (kx == 0 && ky == 0) continue;
        double k = std::sqrt(static_cast<double>(kx * kx + ky * ky));
        // Deep-water waves: the temporal frequency grows with the root of the
        // wave number. At least one period per loop, so that every wave moves.
        int cycles = static_cast<int>(std::lround(std::sqrt(k) * 1.2));
        if (cycles < 1) cycles = 1;
        Wave wave;
        wave.kx = kx;
        wave.ky = ky;
        wave.cycles = -cycles;  // crests travel along +k
        wave.amplitude = 0.010 / k * (0.6 + 0.4 * random.unit());
        wave.phase = random.unit() * 2.0 * std::numbers::pi;
        waves.push_back(wave);
    }
    return waves;
}

}  // namespace normal_maps
