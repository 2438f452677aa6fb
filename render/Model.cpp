#include "render/Model.h"

#include "render/ModelRun.h"
#include "render/ObjLoader.h"

Model::Model(glm::vec3 position, Material* material, Texture* diffuseTexture,
             Texture* specularTexture, const std::string& objName)
    : Model(position, material, diffuseTexture, specularTexture, loadObj(objName)) {}

Model::Model(glm::vec3 position, Material* material, Texture* diffuseTexture,
             Texture* specularTexture, const std::vector<Vertex>& vertices)
    : material(material),
      diffuseTexture(diffuseTexture),
      specularTexture(specularTexture),
      position(position),
      pivot(position) {
    meshes.push_back(
        std::make_unique<Mesh>(vertices.data(), static_cast<GLuint>(vertices.size()), nullptr, 0));
    placeMeshes();
    findCorners();
}

Model::Model(glm::vec3 position, Material* material, Texture* diffuseTexture,
             Texture* specularTexture, const std::vector<const Mesh*>& meshes)
    : material(material),
      diffuseTexture(diffuseTexture),
      specularTexture(specularTexture),
      position(position),
      pivot(position) {
    for (const Mesh* mesh : meshes) {
        this->meshes.push_back(std::make_unique<Mesh>(*mesh));
    }
    placeMeshes();
    findCorners();
}

Model::~Model() = default;

void Model::placeMeshes() {
    for (auto& mesh : meshes) {
        mesh->move(position);
        mesh->setPivot(position);
    }
}

void Model::findCorners() {
    bool first = true;
    for (const auto& mesh : meshes) {
        lowCorner = first ? mesh->lowCorner : glm::min(lowCorner, mesh->lowCorner);
        highCorner = first ? mesh->highCorner : glm::max(highCorner, mesh->highCorner);
        first = false;
    }
}

void Model::render(const Shader& program) {
    ModelRun run;
    run.draw(*this, program);
}

void Model::orbit(const Model& target, float deltaTime, float heightOffset, int turnFactor,
                  float sideOffset) {
    const double kDegreesPerTurnFactor = 50.0;
    setPosition(glm::vec3(target.position.x, target.position.y + heightOffset,
                          target.position.z - sideOffset));
    setPivot(target.pivot);
    spin.y += turnFactor * deltaTime * kDegreesPerTurnFactor;
    setRotation(spin + target.rotation);
}

void Model::move(const glm::vec3& offset) {
    for (auto& mesh : meshes) {
        mesh->move(offset);
    }
    position += offset;
    pivot += offset;
}

void Model::rotate(const glm::vec3& angles) {
    for (auto& mesh : meshes) {
        mesh->rotate(angles);
    }
    rotation += angles;
}

void Model::setPosition(const glm::vec3& value) {
    for (auto& mesh : meshes) {
        mesh->setPosition(value);
    }
    position = value;
}

void Model::setPivot(const glm::vec3& value) {
    for (auto& mesh : meshes) {
        mesh->setPivot(value);
    }
    pivot = value;
}

void Model::setRotation(const glm::vec3& value) {
    for (auto& mesh : meshes) {
        mesh->setRotation(value);
    }
    rotation = value;
}

void Model::setScale(const glm::vec3& value) {
    for (auto& mesh : meshes) {
        mesh->setScale(value);
    }
    scale = value;
}
