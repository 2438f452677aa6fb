#pragma once

#include <glm/glm.hpp>
#include <memory>
#include <vector>

#include "render/DrawList.h"
#include "render/DropShadow.h"
#include "render/Fxaa.h"
#include "render/Light.h"
#include "render/Model.h"
#include "render/SkyGradient.h"
#include "render/Texture.h"

// How the frame is drawn around the scene's models: the look the game started with, and the
// passes and the extras that go with it. What the settings leave out is never made, so its
// files may be missing.
class Look {
public:
    explicit Look(bool enhanced) : enhancedAtStart(enhanced) {}

    // The sky for the enhanced look, the FXAA pass and the shadow, as asked.
    void make(int glMajor, int glMinor, bool withFxaa, bool withShadow);
    // The shadow, made when first asked for: it may be switched on after a start without it.
    DropShadow& shadow(int glMajor, int glMinor);
    // A colour chosen as sRGB, as the look lights with it: linear light in the enhanced look.
    glm::vec3 lightColour(const glm::vec3& colour) const;
    // A colour image's encoding: sRGB in the enhanced look.
    TexelEncoding colourEncoding() const;
    // Deletes the GL objects while the context is still current.
    void release();

    // The enhanced look lights in linear light into an sRGB framebuffer, in front of a sky
    // gradient. The window is made for it, so that it changes only with a restart.
    const bool enhancedAtStart;
    std::unique_ptr<SkyGradient> sky;        // the enhanced look's
    std::unique_ptr<Fxaa> fxaa;              // with FXAA only: the scene is drawn into its target
    std::unique_ptr<DropShadow> dropShadow;  // made when the shadow is first shown
    std::vector<PointLight*> litOrder;  // the lights after the player's, as the frame sends them
    DrawList opaqueOrder;               // the frame's opaque models, as drawn
    std::unique_ptr<Model> ghost;       // the character, seen through, where the best run stood
    float ghostFade = 0.0f;             // 0 as the ghost is drawn, 1 faded while in the way
};
