#include <algorithm>

#include "app/Game.h"
#include "render/TextureSet.h"

namespace {

const char* const kVertexShaderFile = "assets/shaders/vertexShader.glsl";
const char* const kFragmentShaderFile = "assets/shaders/fragmentShader.glsl";
const char* const kContourFragmentShaderFile = "assets/shaders/contourFragmentShader.glsl";
const char* const kEnhancedDefinition = "#define ENHANCED\n";
const char* const kImageFolder = "assets/Images/";
const int kImagesPerPlatformSet = 2;  // the colour, then the shine

const glm::vec3 kAmbient(0.1f);
const glm::vec3 kDiffuse(1.0f);
const glm::vec3 kSpecular(1.0f);
const int kDiffuseUnit = 0;
const int kSpecularUnit = 1;
const float kOpaque = 1.0f;

}  // namespace

// The classic look's programs are built from the files as they are; the enhanced look's from
// the same files, told so, and with the sky's gradient for the fog.
void Game::initShaders() {
    std::vector<const char*> mainFiles{kFragmentShaderFile};
    if (look.enhancedAtStart) {
        mainFiles.push_back(kSkyGradientFile);
    }
    const std::string definitions = look.enhancedAtStart ? kEnhancedDefinition : "";
    shaders.push_back(
        std::make_unique<Shader>(glMajor, glMinor, kVertexShaderFile, mainFiles, definitions));
    shaders.push_back(std::make_unique<Shader>(
        glMajor, glMinor, kVertexShaderFile, std::vector{kContourFragmentShaderFile}, definitions));
}

void Game::initLook(const Settings& settings) {
    look.make(glMajor, glMinor, settings.antialiasing == kFxaa, settings.shadow);
}

TexelEncoding Game::colourEncoding() const {
    return look.colourEncoding();
}

void Game::initTextures() {
    textures.resize(textureEntryCount + kImagesPerPlatformSet * kPlatformSets.size());
    // A level that dresses its platforms in a set of its own has no use for the game's plates.
    const bool platesShown = session.played.level.look.platforms.empty();
    for (int entry = 0; entry < kStartTextureCount; ++entry) {
        if (platesShown || (entry != platformDiffuse && entry != platformSpecular)) {
            gameTexture(static_cast<TextureEntry>(entry));
        }
    }
}

Texture* Game::gameTexture(TextureEntry entry) {
    std::unique_ptr<Texture>& texture = textures[entry];
    if (!texture) {
        texture = std::make_unique<Texture>(
            kTextureFiles[entry], holdsColour(entry) ? colourEncoding() : TexelEncoding::Plain);
    }
    return texture.get();
}

Texture* Game::platformSetTexture(std::string_view set, bool shine) {
    const auto index =
        std::find(kPlatformSets.begin(), kPlatformSets.end(), set) - kPlatformSets.begin();
    std::unique_ptr<Texture>& texture =
        textures[textureEntryCount + kImagesPerPlatformSet * index + (shine ? 1 : 0)];
    if (!texture) {
        const std::string file =
            kImageFolder + (shine ? platformSetShineFile(set) : platformSetColourFile(set));
        texture = std::make_unique<Texture>(file.c_str(),
                                            shine ? TexelEncoding::Plain : colourEncoding());
    }
    return texture.get();
}

void Game::initMaterials() {
    materials.push_back(std::make_unique<Material>(look.lightColour(kAmbient), kDiffuse, kSpecular,
                                                   kDiffuseUnit, kSpecularUnit, kOpaque));
}

// The level's light falls on the platforms alone, through a material of their own: the rest of
// the scene, and a level without a light, keep the shared one.
Material* Game::platformMaterial() {
    const std::optional<glm::vec3>& light = session.played.level.look.light;
    if (!light) {
        return materials[0].get();
    }
    materials.push_back(std::make_unique<Material>(
        look.lightColour(kAmbient * *light), look.lightColour(kDiffuse * *light),
        look.lightColour(kSpecular * *light), kDiffuseUnit, kSpecularUnit, kOpaque));
    return materials.back().get();
}

namespace {

// Every light fades alike with distance.
const float kConstant = 1.0f;
const float kLinear = 0.045f;
const float kQuadratic = 0.0075f;

const glm::vec3 kPlayerLightStart(0.0f, 0.0f, 1.0f);
const float kPlayerLightIntensity = 0.75f;
const glm::vec3 kWhite(1.0f);
const glm::vec3 kHealthGreen(96 / 255.0f, 211 / 255.0f, 62 / 255.0f);
const float kHealthLightIntensity = 0.5f;
const glm::vec3 kTrapPurple(184 / 255.0f, 49 / 255.0f, 218 / 255.0f);
const float kMarkerIntensity = 1.0f;

// Red, green and blue around the goal.
const struct {
    glm::vec3 offset;
    glm::vec3 color;
} kGoalLights[] = {
    {glm::vec3(0.0f, 0.0f, -0.5f), glm::vec3(1.0f, 0.0f, 0.0f)},
    {glm::vec3(-0.25f, 0.0f, 0.25f), glm::vec3(0.0f, 1.0f, 0.0f)},
    {glm::vec3(0.25f, 0.0f, 0.25f), glm::vec3(0.0f, 0.0f, 1.0f)},
};

const int kParticleCount = 100;
const glm::vec3 kParticleScale(0.025f);
const float kParticleMaxLife = 5.0f;  // seconds

}  // namespace

void Game::addLight(glm::vec3 position, float intensity, glm::vec3 color) {
    const int index = static_cast<int>(lights.size());
    lights.push_back(std::make_unique<PointLight>(
        index, position, intensity, look.lightColour(color), kConstant, kLinear, kQuadratic));
}

// The player's light, one for each health pack and each trap, then three at the goal.
void Game::initLights() {
    addLight(kPlayerLightStart, kPlayerLightIntensity, kWhite);
    for (Item& item : run.items) {
        if (item.kind == Item::Kind::HealthPack) {
            item.light = static_cast<int>(lights.size());
            addLight(item.object->position, kHealthLightIntensity, kHealthGreen);
        }
    }
    for (Item& item : run.items) {
        if (item.kind == Item::Kind::Trap) {
            item.light = static_cast<int>(lights.size());
            addLight(item.object->position, kMarkerIntensity, kTrapPurple);
        }
    }
    const glm::vec3 goal = run.goalRings[0]->position;
    for (const auto& light : kGoalLights) {
        addLight(goal + light.offset, kMarkerIntensity, light.color);
    }
    look.litOrder.reserve(lights.size());
}

void Game::initParticleSystems() {
    const glm::vec3 goal = run.goalRings[0]->position;
    auto particle = std::make_unique<Model>(goal, materials[0].get(), gameTexture(healthDiffuse),
                                            gameTexture(healthSpecular), "orbit");
    particle->setScale(kParticleScale);
    particleSystems.push_back(std::make_unique<ParticleSystem>(
        kParticleCount, std::move(particle), kParticleMaxLife, "checkpointparticlesystem"));
}
