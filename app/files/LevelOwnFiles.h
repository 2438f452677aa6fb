#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "gameplay/Level.h"
#include "render/Texture.h"
#include "render/Vertex.h"

// What a level's own files may make as a whole: its models' bytes as read (a file of nothing
// but comments costs its reading all the same) and its images' pixels as decoded, four bytes
// each. Room for two files at the loaders' caps; whatever the pieces, each file counts once.
constexpr std::uintmax_t kMaxOwnFileBytes = 128u << 20;

// Every piece keeps its own copy of its model, on both sides of the GL, and each is drawn in
// every frame.
constexpr std::size_t kMaxLevelTriangles = 1000000;

// The pieces in the order the game builds them: the health packs, the traps, the platforms,
// then the checkpoints.
std::vector<PieceRef> piecesInBuildOrder(const Level& level);
const PieceLook& lookOf(const Level& level, PieceRef piece);
// The pieces' looks in that order.
std::vector<const PieceLook*> pieceLooks(const Level& level);
// The name of a piece's key in a level file: "platform.model".
std::string lookKeyName(PieceRef piece, bool model);

// The budget in words: "128 MiB".
std::string ownFileBudgetText();

// A level's own file that cannot serve; what() is the console's error line.
class OwnFilesRefused : public std::runtime_error {
public:
    enum class Why { Unreadable, TooLarge };
    OwnFilesRefused(Why why, std::string file, const std::string& line)
        : std::runtime_error(line), why(why), file(std::move(file)) {}

    Why why;
    std::string file;  // as the level names it
};

// The models and images that a level's pieces name, loaded from its folder before any piece
// is built: each file once, however the pieces spell its path (`t.png`, `./t.png` and
// `sub/../t.png` are one file), and shared by every piece that names it.
class LevelOwnFiles {
public:
    // Textures for the GL to draw with, or only the images' sizes, to check a level without one.
    enum class Images { Textures, SizesOnly };

    // A level without own files, such as the course.
    LevelOwnFiles() = default;
    // Throws OwnFilesRefused when a model cannot be read or the level passes its budgets. An
    // image that cannot be decoded is the magenta checker, as every image is.
    LevelOwnFiles(const Level& level, const std::filesystem::path& folder,
                  TexelEncoding colourEncoding, Images images = Images::Textures);
    LevelOwnFiles(const LevelOwnFiles&) = delete;
    LevelOwnFiles& operator=(const LevelOwnFiles&) = delete;

    struct Model {
        std::string path;  // for the piece's objName, which lives as long as this
        std::vector<Vertex> vertices;
    };
    // By the names the level gives them; only names that its pieces give.
    const Model& model(const std::string& name) const;
    Texture* image(const std::string& name, TexelEncoding encoding) const;

    // The files loaded, each once, and what they cost of the budget.
    std::size_t fileCount() const { return models.size() + images.size(); }
    std::uintmax_t bytes() const { return spent; }

private:
    struct Image {
        std::unique_ptr<Texture> plain;
        std::unique_ptr<Texture> colour;  // none where the colour's encoding is the plain one
    };

    void loadImage(const std::string& name);
    void loadModel(const std::string& name);
    void spend(std::uintmax_t cost, const std::string& name);
    // The file that the name resolves to, by which the files are known.
    std::string resolved(const std::string& name) const;

    std::filesystem::path folder;
    TexelEncoding colourEncoding = TexelEncoding::Plain;
    Images made = Images::Textures;
    std::map<std::string, Model> models;  // by resolved path
    std::map<std::string, Image> images;
    std::map<std::string, const Model*> modelNames;  // by the names the pieces give
    std::map<std::string, const Image*> imageNames;
    std::uintmax_t spent = 0;
    std::size_t triangles = 0;
};
