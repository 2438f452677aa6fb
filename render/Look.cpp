#include "render/Look.h"

#include "render/ColourSpace.h"

void Look::make(int glMajor, int glMinor, bool withFxaa, bool withShadow) {
    if (enhancedAtStart) {
        sky = std::make_unique<SkyGradient>(glMajor, glMinor);
    }
    if (withFxaa) {
        fxaa = std::make_unique<Fxaa>(glMajor, glMinor, enhancedAtStart);
    }
    if (withShadow) {
        shadow(glMajor, glMinor);
    }
}

DropShadow& Look::shadow(int glMajor, int glMinor) {
    if (!dropShadow) {
        dropShadow = std::make_unique<DropShadow>(glMajor, glMinor);
    }
    return *dropShadow;
}

glm::vec3 Look::lightColour(const glm::vec3& colour) const {
    return enhancedAtStart ? linearFromSrgb(colour) : colour;
}

TexelEncoding Look::colourEncoding() const {
    return enhancedAtStart ? TexelEncoding::Srgb : TexelEncoding::Plain;
}

void Look::release() {
    sky.reset();
    fxaa.reset();
    dropShadow.reset();
    ghost.reset();
}
