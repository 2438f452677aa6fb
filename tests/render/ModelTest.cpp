#include <gtest/gtest.h>

#include <fstream>

#include "render/Model.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Near.h"

namespace {

// A unit cube: 12 triangles, 36 corners.
void writeCube(const std::filesystem::path& directory) {
    std::ofstream obj(directory / "assets/OBJFiles/testCube.obj");
    obj << "v -1 -1 -1\nv 1 -1 -1\nv 1 1 -1\nv -1 1 -1\nv -1 -1 1\nv 1 -1 1\nv 1 1 1\nv -1 1 1\n"
           "vt 0 0\nvn 0 0 1\n";
    const int faces[12][3] = {{5, 6, 7}, {5, 7, 8}, {2, 1, 4}, {2, 4, 3}, {1, 5, 8}, {1, 8, 4},
                              {6, 2, 3}, {6, 3, 7}, {8, 7, 3}, {8, 3, 4}, {1, 2, 6}, {1, 6, 5}};
    for (const auto& face : faces) {
        obj << "f " << face[0] << "/1/1 " << face[1] << "/1/1 " << face[2] << "/1/1\n";
    }
}

glm::vec3 transformed(const glm::mat4& matrix, const glm::vec3& point) {
    return glm::vec3(matrix * glm::vec4(point, 1.0f));
}

class Models : public GameFixture {
protected:
    void SetUp() override { startGame(kWindowedSettings, writeCube); }

    std::unique_ptr<Model> cube(glm::vec3 position) {
        return std::make_unique<Model>(position, game->materials[0].get(), game->textures[0].get(),
                                       game->textures[1].get(), "testCube");
    }
};

TEST_F(Models, AnObjModelIsOneMeshDrawnAsATriangleList) {
    const auto model = cube(glm::vec3(0.0f, 0.0f, -5.0f));
    ASSERT_EQ(model->meshes.size(), 1u);
    const Mesh& mesh = *model->meshes[0];
    EXPECT_EQ(mesh.nrOfVertices, 36u);
    EXPECT_EQ(mesh.nrOfIndices, 0u);
    EXPECT_EQ(mesh.EBO, 0u);
    GLint elementBuffer = -1;
    glGetVertexArrayiv(mesh.VAO, GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer);
    EXPECT_EQ(elementBuffer, 0);
    GLint stride = 0;
    glGetVertexArrayIndexediv(mesh.VAO, 3, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &stride);
    EXPECT_EQ(stride, 44);

    GLuint query = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_PRIMITIVES_GENERATED, query);
    model->render(*game->shaders[mainShader]);
    glEndQuery(GL_PRIMITIVES_GENERATED);
    GLuint primitives = 0;
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &primitives);
    glDeleteQueries(1, &query);
    EXPECT_EQ(primitives, 12u);

    GLint bound = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &bound);
    EXPECT_EQ(bound, 0);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &bound);
    EXPECT_EQ(bound, 0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    glGetIntegerv(GL_ACTIVE_TEXTURE, &bound);
    EXPECT_EQ(bound, GL_TEXTURE0);
}

TEST_F(Models, AMeshMadeWithIndicesHasItsElementBuffer) {
    const Vertex vertices[4] = {};
    const GLuint indices[6] = {0, 1, 2, 0, 2, 3};
    const Mesh mesh(vertices, 4, indices, 6);
    ASSERT_NE(mesh.EBO, 0u);
    GLint size = 0;
    glGetNamedBufferParameteriv(mesh.EBO, GL_BUFFER_SIZE, &size);
    EXPECT_EQ(size, 24);
    glGetNamedBufferParameteriv(mesh.VBO, GL_BUFFER_SIZE, &size);
    EXPECT_EQ(size, 4 * 44);
}

TEST_F(Models, AreBuiltAtTheirPositionWithThePivotThere) {
    const glm::vec3 p(1.0f, 2.0f, -3.0f);
    const auto model = cube(p);
    EXPECT_EQ(model->pivot, p);
    EXPECT_EQ(model->meshes[0]->position, p);
    EXPECT_EQ(model->meshes[0]->pivot, p);
    EXPECT_EQ(model->scale, glm::vec3(1.0f));
    EXPECT_FALSE(model->hidden);
}

TEST_F(Models, TheModelMatrixScalesPlacesAndTurnsAboutThePivot) {
    const auto model = cube(glm::vec3(0.0f));
    Mesh& mesh = *model->meshes[0];
    model->setPosition(glm::vec3(1.0f, 2.0f, 3.0f));
    model->setScale(glm::vec3(2.0f));
    mesh.updateModelMatrix();
    expectNear(transformed(mesh.ModelMatrix, glm::vec3(1.0f, 0.0f, 0.0f)), glm::vec3(3, 2, 3),
               1e-5f);

    const glm::vec3 p(4.0f, 0.0f, -2.0f);
    model->setScale(glm::vec3(1.0f));
    model->setPosition(p);
    model->setPivot(p);
    model->setRotation(glm::vec3(0.0f, 90.0f, 0.0f));
    mesh.updateModelMatrix();
    expectNear(transformed(mesh.ModelMatrix, glm::vec3(1.0f, 0.0f, 0.0f)),
               p + glm::vec3(0.0f, 0.0f, -1.0f), 1e-5f);
}

TEST_F(Models, TransformChangesKeepModelAndMeshesInStep) {
    const auto model = cube(glm::vec3(0.0f, -0.5f, 0.5f));
    model->move(glm::vec3(0.0f, 0.0f, -0.5f));
    model->rotate(glm::vec3(0.0f, 30.0f, 0.0f));
    model->rotate(glm::vec3(0.0f, 15.0f, 0.0f));
    const Mesh& mesh = *model->meshes[0];
    EXPECT_EQ(model->position, glm::vec3(0.0f, -0.5f, 0.0f));
    EXPECT_EQ(model->pivot, glm::vec3(0.0f, -0.5f, 0.0f));
    EXPECT_EQ(model->rotation, glm::vec3(0.0f, 45.0f, 0.0f));
    EXPECT_EQ(model->scale, glm::vec3(1.0f));
    EXPECT_EQ(mesh.position, model->position);
    EXPECT_EQ(mesh.pivot, model->pivot);
    EXPECT_EQ(mesh.rotation, model->rotation);

    model->setPosition(glm::vec3(7.0f, 0.0f, 0.0f));
    EXPECT_EQ(mesh.position, glm::vec3(7.0f, 0.0f, 0.0f));
    EXPECT_EQ(model->pivot, glm::vec3(0.0f, -0.5f, 0.0f)) << "setPosition leaves the pivot";
    model->setScale(glm::vec3(0.5f));
    EXPECT_EQ(mesh.scale, glm::vec3(0.5f));
}

TEST_F(Models, DestructionDeletesExactlyTheObjectsMade) {
    const Vertex vertices[4] = {};
    const GLuint indices[6] = {0, 1, 2, 0, 2, 3};
    auto model = cube(glm::vec3(0.0f));
    auto indexed = std::make_unique<Mesh>(vertices, 4, indices, 6);
    const Mesh copy(*indexed);
    const GLuint names[] = {model->meshes[0]->VAO, model->meshes[0]->VBO, indexed->VAO,
                            indexed->VBO, indexed->EBO};
    EXPECT_NE(copy.VAO, indexed->VAO) << "a copy uploads its own buffers";
    EXPECT_NE(copy.EBO, indexed->EBO);
    for (GLuint name : names) {
        ASSERT_NE(name, 0u);
    }
    model.reset();
    indexed.reset();
    EXPECT_FALSE(glIsVertexArray(names[0]));
    EXPECT_FALSE(glIsBuffer(names[1]));
    EXPECT_FALSE(glIsVertexArray(names[2]));
    EXPECT_FALSE(glIsBuffer(names[3]));
    EXPECT_FALSE(glIsBuffer(names[4]));
    EXPECT_TRUE(glIsVertexArray(copy.VAO)) << "the copy lives on";
    EXPECT_TRUE(glIsBuffer(copy.EBO));
}

TEST_F(Models, AMissingModelFileEndsConstruction) {
    EXPECT_THROW(Model(glm::vec3(0.0f), game->materials[0].get(), game->textures[0].get(),
                       game->textures[1].get(), "noSuchModel"),
                 std::runtime_error);
}

}  // namespace
