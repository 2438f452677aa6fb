// smeltrun-assetgen ROOT: writes every model, image and sound the game loads under ROOT/OBJFiles,
// ROOT/Images and ROOT/sounds, and the desktop's icon under ROOT/icons, the same bytes on every
// run.
#include <exception>
#include <filesystem>
#include <iostream>
#include <iterator>

#include "Images.h"
#include "Models.h"
#include "ObjWriter.h"
#include "PlatformSets.h"
#include "Sounds.h"
#include "WavWriter.h"
#include "gameplay/LevelLook.h"

namespace {

const int kJpegQuality = 90;

struct ModelFile {
    const char* name;
    Mesh (*make)();
};

struct ImageFile {
    const char* name;
    Canvas (*make)();
};

struct SoundFile {
    const char* name;
    synth::Signal (*make)();
};

const ModelFile kModels[] = {
    {"aphelios", models::aphelios},
    {"platform", models::platform},
    {"trap", models::trap},
    {"healthOrbit", models::healthPack},
    {"orbit", models::orb},
    {"checkpoint1", models::checkpointCrown},
    {"checkpoint2", models::checkpointShards},
    {"checkpoint3", models::checkpointSpire},
    {"flag", models::flag},
    {"mover", models::mover},
};

const ImageFile kPngs[] = {
    {"health.png", images::health},
    {"platform.png", images::platform},
    {"platform_s.png", images::platformSpecular},
    {"flareGreen.png", images::flareGreen},
    {"flareBase.png", images::flareBase},
    {"flareBase_s.png", images::flareBaseSpecular},
    {"trap.png", images::trap},
    {"flag.png", images::flag},
    {"mover.png", images::mover},
    {"mover_s.png", images::moverSpecular},
};

const SoundFile kSounds[] = {
    {"step.wav", sounds::step},
    {"jump.wav", sounds::jump},
    {"land.wav", sounds::land},
    {"health_hum.wav", sounds::healthHum},
    {"health_pickup.wav", sounds::healthPickup},
    {"trap_hit.wav", sounds::trapHit},
    {"slowed.wav", sounds::slowed},
    {"goal_chime.wav", sounds::goalChime},
    {"lose.wav", sounds::lose},
    {"win.wav", sounds::win},
    {"click.wav", sounds::click},
    {"music.wav", sounds::music},
};

// A level's own loops, in the order of kMusicLoops.
synth::Signal (*const kMusicLoopMakers[])() = {sounds::musicGlacier, sounds::musicFoundry};
static_assert(std::size(kMusicLoopMakers) == kMusicLoops.size());

// The platform sets and music loops that a level may choose, under the names it gives them.
void writeLevelLooks(const std::filesystem::path& imageDir, const std::filesystem::path& soundDir) {
    for (const std::string_view set : kPlatformSets) {
        images::platformSetColour(set).writePng((imageDir / platformSetColourFile(set)).string());
        images::platformSetShine(set).writePng((imageDir / platformSetShineFile(set)).string());
    }
    for (std::size_t i = 0; i < kMusicLoops.size(); ++i) {
        writeWav(kMusicLoopMakers[i](), (soundDir / musicLoopFile(kMusicLoops[i])).string());
    }
}

void writeAll(const std::filesystem::path& root) {
    const std::filesystem::path modelDir = root / "OBJFiles";
    const std::filesystem::path imageDir = root / "Images";
    const std::filesystem::path soundDir = root / "sounds";
    std::filesystem::create_directories(modelDir);
    std::filesystem::create_directories(imageDir);
    std::filesystem::create_directories(soundDir);
    for (const ModelFile& model : kModels) {
        writeObj(model.make(), model.name,
                 (modelDir / (std::string(model.name) + ".obj")).string());
    }
    for (const ImageFile& image : kPngs) {
        image.make().writePng((imageDir / image.name).string());
    }
    // The character's texture is the one photograph-like image, so it ships as a JPEG.
    images::aphelios().writeJpg((imageDir / "aphelios.jpg").string(), kJpegQuality);
    for (const SoundFile& sound : kSounds) {
        writeWav(sound.make(), (soundDir / sound.name).string());
    }
    writeLevelLooks(imageDir, soundDir);
    // Installed for the desktop only: the game never loads it.
    const std::filesystem::path iconDir = root / "icons";
    std::filesystem::create_directories(iconDir);
    images::icon().writePng((iconDir / "smeltrun.png").string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: smeltrun-assetgen ROOT\n";
        return 2;
    }
    try {
        writeAll(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "smeltrun-assetgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
