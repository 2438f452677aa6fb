#include "app/Game.h"

namespace {

const char* const kVertexShaderFile = "assets/shaders/vertexShader.glsl";
const char* const kFragmentShaderFile = "assets/shaders/fragmentShader.glsl";
const char* const kContourFragmentShaderFile = "assets/shaders/contourFragmentShader.glsl";

// Each model takes two entries, diffuse then specular; an image used for both is loaded twice.
const char* const kTextureFiles[] = {
    "assets/Images/aphelios.jpg",    "assets/Images/aphelios.jpg",   "assets/Images/health.png",
    "assets/Images/health.png",      "assets/Images/platform.png",   "assets/Images/platform_s.png",
    "assets/Images/flareGreen.png",  "assets/Images/flareGreen.png", "assets/Images/flareBase.png",
    "assets/Images/flareBase_s.png", "assets/Images/trap.png",       "assets/Images/trap.png",
};

const glm::vec3 kAmbient(0.1f);
const glm::vec3 kDiffuse(1.0f);
const glm::vec3 kSpecular(1.0f);
const int kDiffuseUnit = 0;
const int kSpecularUnit = 1;
const float kOpaque = 1.0f;

}  // namespace

void Game::initShaders() {
    shaders.push_back(
        std::make_unique<Shader>(glMajor, glMinor, kVertexShaderFile, kFragmentShaderFile));
    shaders.push_back(
        std::make_unique<Shader>(glMajor, glMinor, kVertexShaderFile, kContourFragmentShaderFile));
}

void Game::initTextures() {
    for (const char* file : kTextureFiles) {
        textures.push_back(std::make_unique<Texture>(file));
    }
}

void Game::initMaterials() {
    materials.push_back(std::make_unique<Material>(kAmbient, kDiffuse, kSpecular, kDiffuseUnit,
                                                   kSpecularUnit, kOpaque));
}
