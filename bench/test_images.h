// Test pictures generated in code for benchmarks and the command-line tool:
// a screen-like grab (flat interface colours, text, a few gradients) and a
// photo-like one (smooth noise with hundreds of thousands of distinct colours).
// Both are deterministic, so runs compare like with like.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "imaging/pixel_view.h"

struct GeneratedImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<Argb> pixels;

    ArgbView View() {
        return ArgbView{width, height, width * 4, reinterpret_cast<uint8_t*>(pixels.data())};
    }
};

// A tiny deterministic generator (xorshift32), so the pictures do not depend on
// the standard library's distributions.
class PictureRandom {
public:
    explicit PictureRandom(uint32_t seed) : state(seed != 0 ? seed : 1) {}
    uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    int32_t Below(int32_t n) { return static_cast<int32_t>(Next() % static_cast<uint32_t>(n)); }

private:
    uint32_t state;
};

inline void FillRect(GeneratedImage& image, int32_t x0, int32_t y0, int32_t w, int32_t h,
                     Argb colour) {
    for (int32_t y = std::max(y0, 0); y < std::min(y0 + h, image.height); ++y) {
        for (int32_t x = std::max(x0, 0); x < std::min(x0 + w, image.width); ++x) {
            image.pixels[size_t(y) * size_t(image.width) + size_t(x)] = colour;
        }
    }
}

inline void HorizontalGradient(GeneratedImage& image, int32_t x0, int32_t y0, int32_t w, int32_t h,
                               Argb from, Argb to) {
    for (int32_t x = 0; x < w; ++x) {
        auto mix = [&](uint32_t a, uint32_t b) { return a + (int32_t(b) - int32_t(a)) * x / w; };
        Argb c = MakeArgb(255, mix(RedOfArgb(from), RedOfArgb(to)),
                          mix(GreenOfArgb(from), GreenOfArgb(to)),
                          mix(BlueOfArgb(from), BlueOfArgb(to)));
        FillRect(image, x0 + x, y0, 1, h, c);
    }
}

// Desktop, windows with gradient title bars, buttons, and lines of "text"
// (glyph-sized random strokes in a few ink colours, anti-aliased edges).
inline GeneratedImage ScreenLikeImage(int32_t width = 1920, int32_t height = 1080) {
    GeneratedImage image{width, height, std::vector<Argb>(size_t(width) * size_t(height))};
    PictureRandom random(1234);
    HorizontalGradient(image, 0, 0, width, height, 0xFF3A6EA5u, 0xFF0A246Au);  // desktop
    const Argb faces[] = {0xFFECE9D8u, 0xFFFFFFFFu, 0xFFD4D0C8u, 0xFFF7F7F7u};
    const Argb inks[] = {0xFF000000u, 0xFF1F1F1Fu, 0xFF0000EEu, 0xFF800000u};
    for (int win = 0; win < 6; ++win) {
        int32_t x0 = random.Below(width / 2), y0 = random.Below(height / 2);
        int32_t w = width / 3 + random.Below(width / 3), h = height / 3 + random.Below(height / 3);
        FillRect(image, x0 - 1, y0 - 1, w + 2, h + 2, 0xFF404040u);
        FillRect(image, x0, y0, w, h, faces[win % 4]);
        HorizontalGradient(image, x0, y0, w, 24, 0xFF0054E3u, 0xFF3D95FFu);
        FillRect(image, x0 + 8, y0 + 32, w - 16, h - 80, 0xFFFFFFFFu);
        for (int b = 0; b < 3; ++b) {
            FillRect(image, x0 + w - 90 * (b + 1), y0 + h - 40, 80, 26, 0xFFD4D0C8u);
        }
        for (int32_t line = y0 + 40; line + 14 < y0 + h - 50; line += 16) {
            Argb ink = inks[random.Below(4)];
            for (int32_t x = x0 + 12; x < x0 + w - 24; x += 7) {
                if (random.Below(9) == 0) {
                    continue;  // a space
                }
                for (int s = 0; s < 5; ++s) {
                    int32_t gx = x + random.Below(6), gy = line + random.Below(11);
                    FillRect(image, gx, gy, 1, 1 + random.Below(3), ink);
                    // Anti-aliasing: a lighter pixel beside the stroke.
                    FillRect(image, gx + 1, gy, 1, 1,
                             MakeArgb(255, (RedOfArgb(ink) + 255) / 2, (GreenOfArgb(ink) + 255) / 2,
                                      (BlueOfArgb(ink) + 255) / 2));
                }
            }
        }
    }
    return image;
}

// Smooth value noise over several octaves per channel, plus a little grain.
inline GeneratedImage PhotoLikeImage(int32_t width = 1920, int32_t height = 1080) {
    GeneratedImage image{width, height, std::vector<Argb>(size_t(width) * size_t(height))};
    PictureRandom random(98765);
    const int kGrid = 64;
    std::vector<float> lattice(size_t(3) * kGrid * kGrid * 4);
    for (float& v : lattice) {
        v = float(random.Next() % 1000) / 1000.0f;
    }
    auto noise = [&](int channel, int octave, float x, float y) {
        int xi = int(x), yi = int(y);
        float fx = x - float(xi), fy = y - float(yi);
        fx = fx * fx * (3 - 2 * fx);
        fy = fy * fy * (3 - 2 * fy);
        auto at = [&](int gx, int gy) {
            return lattice[((size_t(channel) * 4 + size_t(octave)) * kGrid + size_t(gy % kGrid)) *
                               kGrid +
                           size_t(gx % kGrid)];
        };
        float top = at(xi, yi) + (at(xi + 1, yi) - at(xi, yi)) * fx;
        float bottom = at(xi, yi + 1) + (at(xi + 1, yi + 1) - at(xi, yi + 1)) * fx;
        return top + (bottom - top) * fy;
    };
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint32_t channels[3];
            for (int c = 0; c < 3; ++c) {
                float v = 0, scale = 1.0f / 240.0f, weight = 0.55f;
                for (int o = 0; o < 4; ++o) {
                    v += weight * noise(c, o, float(x) * scale + 7.0f * float(c),
                                        float(y) * scale + 3.0f * float(o));
                    scale *= 2.3f;
                    weight *= 0.5f;
                }
                int grain = int(random.Next() % 5) - 2;
                int level = int(v * 255.0f) + grain;
                channels[c] = uint32_t(std::min(std::max(level, 0), 255));
            }
            image.pixels[size_t(y) * size_t(width) + size_t(x)] =
                MakeArgb(255, channels[0], channels[1], channels[2]);
        }
    }
    return image;
}
