#pragma once

#include <glm/glm.hpp>
#include <memory>
#include <string>
#include <vector>

#include "render/Mesh.h"

class Material;
class Shader;
class Texture;

// A scene object: meshes it owns, drawn with the shared material and two shared textures.
// Every transform change applies to the model and to each mesh alike, which keeps the
// model's fields (what gameplay reads) and the meshes' (what is drawn) in step.
class Model {
public:
    // One mesh from the model file "assets/OBJFiles/<objName>.obj".
    Model(glm::vec3 position, Material* material, Texture* diffuseTexture, Texture* specularTexture,
          const std::string& objName);
    // One mesh of a model file's vertices as loadObj read them, which the caller may share.
    Model(glm::vec3 position, Material* material, Texture* diffuseTexture, Texture* specularTexture,
          const std::vector<Vertex>& vertices);
    // Own copies of the given meshes; the caller keeps the originals.
    Model(glm::vec3 position, Material* material, Texture* diffuseTexture, Texture* specularTexture,
          const std::vector<const Mesh*>& meshes);
    virtual ~Model();
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    // Draws every mesh with the program; whether the model is hidden is the caller's concern.
    void render(const Shader& program);

    // Places the model beside the target, heightOffset above it and sideOffset to one side,
    // and turns it about the target's pivot: on top of the target's own turn, it spins
    // turnFactor x 50 degrees per second.
    void orbit(const Model& target, float deltaTime, float heightOffset, int turnFactor,
               float sideOffset);

    void move(const glm::vec3& offset);
    void rotate(const glm::vec3& angles);
    void setPosition(const glm::vec3& value);
    void setPivot(const glm::vec3& value);
    void setRotation(const glm::vec3& value);
    void setScale(const glm::vec3& value);

    Material* material;
    Texture* diffuseTexture;
    Texture* specularTexture;
    std::vector<std::unique_ptr<Mesh>> meshes;
    glm::vec3 position;
    glm::vec3 rotation{0.0f};  // degrees; y is the model's facing
    glm::vec3 spin{0.0f};      // degrees
    glm::vec3 scale{1.0f};
    glm::vec3 pivot;
    bool hidden = false;
    // The box around the vertices of every mesh as loaded, without position, scale or turn.
    // The meshes never change after construction, so it is found then, not on every frame.
    glm::vec3 lowCorner{0.0f};
    glm::vec3 highCorner{0.0f};

private:
    void placeMeshes();
    void findCorners();
};
