#pragma once

#include "Canvas.h"
#include "UvRect.h"

// Where each part of the checkpoint flag lies in flag.png. The model's texture coordinates and
// the painter both read this, so they cannot drift apart.
namespace flagAtlas {

constexpr int kSize = 256;  // pixels

constexpr PixelRect kPennant{0, 0, 192, 256};
constexpr PixelRect kPole{192, 0, 32, 256};
// Plain patches: the pennant's orange for its hem and the pole's knob, and the dark foot.
constexpr PixelRect kOrange{224, 0, 32, 32};
constexpr PixelRect kFoot{224, 32, 32, 32};

// Texture coordinates of a region, pulled in by a pixel so that filtering stays inside it.
inline UvRect uv(const PixelRect& r) {
    const float inset = 1.0f;
    const float size = static_cast<float>(kSize);
    return {(r.x + inset) / size, (r.y + inset) / size, (r.x + r.width - inset) / size,
            (r.y + r.height - inset) / size};
}

}  // namespace flagAtlas
