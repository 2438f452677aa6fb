#pragma once

class Model;
class Shader;
class Texture;

// Draws models one after the other, switching the program and the images only where they
// change. Switching the program off and on and unbinding an image around every draw makes the
// software driver validate its whole state again for each of a level's 1,000 pieces; the
// pictures are the same either way. Once the run ends, no program and no image on unit 0 are
// bound, as after a model drawn on its own.
class ModelRun {
public:
    ModelRun() = default;
    ModelRun(const ModelRun&) = delete;
    ModelRun& operator=(const ModelRun&) = delete;
    ~ModelRun() { finish(); }

    void draw(Model& model, const Shader& program);
    // Leaves the state as a model drawn on its own does, for anything that changes it between
    // two draws; the next draw sets everything afresh.
    void finish();

private:
    const Shader* program = nullptr;
    const Texture* diffuse = nullptr;
    const Texture* specular = nullptr;
};
