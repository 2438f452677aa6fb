#pragma once

#include <utility>

#include "Canvas.h"
#include "UvRect.h"

// Where each part of the character's clothes and face lies in aphelios.jpg. The model's
// texture coordinates and the painter both read this, so they cannot drift apart.
namespace atlas {

constexpr int kSize = 512;

constexpr PixelRect kFace{0, 0, 128, 128};
constexpr PixelRect kHeadSide{128, 0, 128, 128};  // the face's side is on the right
constexpr PixelRect kHeadBack{256, 0, 128, 128};
constexpr PixelRect kHairTop{384, 0, 128, 128};
constexpr PixelRect kTorsoFront{0, 128, 128, 192};
constexpr PixelRect kTorsoBack{128, 128, 128, 192};
constexpr PixelRect kTorsoSide{256, 128, 64, 192};
constexpr PixelRect kArm{320, 128, 64, 192};
constexpr PixelRect kLeg{384, 128, 64, 192};
constexpr PixelRect kLegSide{448, 128, 64, 192};
constexpr PixelRect kBoot{0, 320, 128, 64};

// Plain patches for faces that show a single colour.
constexpr int kSwatchSize = 32;
constexpr PixelRect kSkin{0, 448, kSwatchSize, kSwatchSize};
constexpr PixelRect kHair{32, 448, kSwatchSize, kSwatchSize};
constexpr PixelRect kJacket{64, 448, kSwatchSize, kSwatchSize};
constexpr PixelRect kTrousers{96, 448, kSwatchSize, kSwatchSize};
constexpr PixelRect kLeather{128, 448, kSwatchSize, kSwatchSize};
constexpr PixelRect kSole{160, 448, kSwatchSize, kSwatchSize};

// Texture coordinates of a region, pulled in by a pixel so that filtering stays inside it.
inline UvRect uv(const PixelRect& r) {
    const float inset = 1.0f;
    const float size = static_cast<float>(kSize);
    return {(r.x + inset) / size, (r.y + inset) / size, (r.x + r.width - inset) / size,
            (r.y + r.height - inset) / size};
}

// The same region seen in a mirror, for faces on the other side of the body.
inline UvRect mirrored(const PixelRect& r) {
    UvRect rect = uv(r);
    std::swap(rect.u0, rect.u1);
    return rect;
}

}  // namespace atlas
