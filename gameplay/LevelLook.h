#pragma once

#include <array>
#include <glm/glm.hpp>
#include <optional>
#include <string>
#include <string_view>

// How a level looks and sounds as a place of its own: its sky, its light, its platforms' images
// and its music. What a level leaves out stays as the game has always had it.
struct LevelLook {
    std::optional<glm::vec3> sky;     // the clear colour, and the enhanced look's horizon; sRGB
    std::optional<glm::vec3> skyTop;  // the enhanced look's zenith
    std::optional<glm::vec3> light;   // the level's light on its platforms
    std::string platforms;            // a set of kPlatformSets; empty for the game's own
    std::string music;                // a loop of kMusicLoops; empty for the game's own

    bool operator==(const LevelLook& other) const {
        return sky == other.sky && skyTop == other.skyTop && light == other.light &&
               platforms == other.platforms && music == other.music;
    }
};

// What the game shows where a level leaves a colour out, as sRGB: its sky at the horizon, the
// enhanced look's deeper sky straight up, and a white light, which lights as the game's own.
const glm::vec3 kGameSky(0.2f, 0.2f, 0.3f);
const glm::vec3 kGameSkyTop(0.04f, 0.05f, 0.14f);
const glm::vec3 kGameLight(1.0f);

// The platform image sets and the music loops that tools/assetgen makes, by the names a level
// gives them. A set is a colour image and a shine image; each is loaded only by a level that
// names it.
inline constexpr std::array<std::string_view, 4> kPlatformSets = {"stone", "ice", "crystal",
                                                                  "rust"};
inline constexpr std::array<std::string_view, 2> kMusicLoops = {"glacier", "foundry"};

// The files' names, as "platform-stone.png" and "platform-stone_s.png" among the assets' images
// and "music-glacier.wav" among their sounds.
inline std::string platformSetColourFile(std::string_view set) {
    return "platform-" + std::string(set) + ".png";
}
inline std::string platformSetShineFile(std::string_view set) {
    return "platform-" + std::string(set) + "_s.png";
}
inline std::string musicLoopFile(std::string_view loop) {
    return "music-" + std::string(loop) + ".wav";
}
