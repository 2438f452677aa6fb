#include "app/files/LevelOwnFiles.h"

#include "render/ObjLoader.h"

namespace fs = std::filesystem;

namespace {

const std::uintmax_t kBytesPerPixel = 4;  // decoded as RGBA
const int kMebibyteShift = 20;
const std::size_t kCornersPerTriangle = 3;

}  // namespace

std::vector<PieceRef> piecesInBuildOrder(const Level& level) {
    std::vector<PieceRef> pieces;
    const auto add = [&pieces](PieceRef::Kind kind, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            pieces.push_back(PieceRef{kind, static_cast<int>(i)});
        }
    };
    add(PieceRef::Kind::Health, level.healthPacks.size());
    add(PieceRef::Kind::Trap, level.traps.size());
    add(PieceRef::Kind::Platform, level.platforms.size());
    add(PieceRef::Kind::Checkpoint, level.checkpoints.size());
    return pieces;
}

const PieceLook& lookOf(const Level& level, PieceRef piece) {
    const auto index = static_cast<std::size_t>(piece.index);
    switch (piece.kind) {
        case PieceRef::Kind::Platform:
            return level.platforms.at(index).look;
        case PieceRef::Kind::Trap:
            return level.traps.at(index).look;
        case PieceRef::Kind::Health:
            return level.healthPacks.at(index).look;
        case PieceRef::Kind::Checkpoint:
            return level.checkpoints.at(index).look;
        case PieceRef::Kind::Start:
        case PieceRef::Kind::Goal:
            break;
    }
    throw std::out_of_range("the start and the goal have no look of their own");
}

std::vector<const PieceLook*> pieceLooks(const Level& level) {
    std::vector<const PieceLook*> looks;
    for (const PieceRef piece : piecesInBuildOrder(level)) {
        looks.push_back(&lookOf(level, piece));
    }
    return looks;
}

std::string lookKeyName(PieceRef piece, bool model) {
    static const char* const kinds[] = {"start", "goal",   "platform",
                                        "trap",  "health", "checkpoint"};
    return std::string(kinds[static_cast<int>(piece.kind)]) + (model ? ".model" : ".image");
}

std::string ownFileBudgetText() {
    return std::to_string(kMaxOwnFileBytes >> kMebibyteShift) + " MiB";
}

// In the order the pieces are built, each piece's image before its model, as the pieces
// themselves took them.
LevelOwnFiles::LevelOwnFiles(const Level& level, const fs::path& folder,
                             TexelEncoding colourEncoding, Images images)
    : folder(folder), colourEncoding(colourEncoding), made(images) {
    for (const PieceLook* look : pieceLooks(level)) {
        if (!look->image.empty()) {
            loadImage(look->image);
        }
        if (!look->model.empty()) {
            loadModel(look->model);
            triangles += modelNames.at(look->model)->vertices.size() / kCornersPerTriangle;
            if (triangles > kMaxLevelTriangles) {
                throw OwnFilesRefused(
                    OwnFilesRefused::Why::TooLarge, look->model,
                    "ERROR::OBJLOADER::TOO_LARGE: " + (folder / look->model).string() +
                        ": the level's pieces make more than " +
                        std::to_string(kMaxLevelTriangles) + " triangles of their own models");
            }
        }
    }
}

const LevelOwnFiles::Model& LevelOwnFiles::model(const std::string& name) const {
    return *modelNames.at(name);
}

Texture* LevelOwnFiles::image(const std::string& name, TexelEncoding encoding) const {
    const Image& image = *imageNames.at(name);
    return encoding == TexelEncoding::Plain || !image.colour ? image.plain.get()
                                                             : image.colour.get();
}

std::string LevelOwnFiles::resolved(const std::string& name) const {
    std::error_code error;
    const fs::path file = fs::weakly_canonical(folder / name, error);
    return error ? (folder / name).lexically_normal().string() : file.string();
}

void LevelOwnFiles::spend(std::uintmax_t cost, const std::string& name) {
    spent += cost;
    if (spent > kMaxOwnFileBytes) {
        throw OwnFilesRefused(OwnFilesRefused::Why::TooLarge, name,
                              "ERROR::LEVEL::TOO_LARGE: " + (folder / name).string() +
                                  ": the level's own files make more than " + ownFileBudgetText() +
                                  " (its models as read, its images as decoded)");
    }
}

// The image is decoded for each encoding it is read in; the budget counts its pixels once,
// so that whether a level can be played does not depend on the look.
void LevelOwnFiles::loadImage(const std::string& name) {
    if (imageNames.count(name) != 0) {
        return;
    }
    const std::string key = resolved(name);
    const auto [place, added] = images.try_emplace(key);
    Image& image = place->second;
    imageNames[name] = &image;
    if (!added) {
        return;
    }
    const std::string path = (folder / name).string();
    if (made == Images::SizesOnly) {
        const TextureSize size = textureSizeOf(path.c_str());
        spend(static_cast<std::uintmax_t>(size.width) * size.height * kBytesPerPixel, name);
        return;
    }
    auto first = std::make_unique<Texture>(path.c_str(), colourEncoding);
    spend(static_cast<std::uintmax_t>(first->width) * first->height * kBytesPerPixel, name);
    if (colourEncoding == TexelEncoding::Plain) {
        image.plain = std::move(first);
        return;
    }
    image.colour = std::move(first);
    image.plain = std::make_unique<Texture>(path.c_str(), TexelEncoding::Plain);
}

// The budget is checked before the file is read, so that a file that cannot fit costs nothing.
void LevelOwnFiles::loadModel(const std::string& name) {
    if (modelNames.count(name) != 0) {
        return;
    }
    const std::string key = resolved(name);
    if (const auto known = models.find(key); known != models.end()) {
        modelNames[name] = &known->second;
        return;
    }
    std::error_code error;
    const std::uintmax_t size = fs::file_size(key, error);
    spend(error ? 0 : size, name);
    Model& model = models[key];
    modelNames[name] = &model;
    model.path = (folder / name).string();
    try {
        model.vertices = loadObj(model.path);
    } catch (const std::runtime_error& failure) {
        throw OwnFilesRefused(OwnFilesRefused::Why::Unreadable, name, failure.what());
    }
}
