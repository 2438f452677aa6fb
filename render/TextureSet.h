#pragma once

// The game's textures in load order. Each model takes a diffuse and a specular entry, in
// that order; an image used for both is loaded twice, as a texture of its own each time.
enum TextureEntry {
    apheliosDiffuse,
    apheliosSpecular,
    healthDiffuse,
    healthSpecular,
    platformDiffuse,
    platformSpecular,
    flareGreenDiffuse,
    flareGreenSpecular,
    flareBaseDiffuse,
    flareBaseSpecular,
    trapDiffuse,
    trapSpecular,
    flagDiffuse,
    flagSpecular,
    moverDiffuse,
    moverSpecular,
    textureEntryCount
};

inline const char* const kTextureFiles[textureEntryCount] = {
    "assets/Images/aphelios.jpg",    "assets/Images/aphelios.jpg",   "assets/Images/health.png",
    "assets/Images/health.png",      "assets/Images/platform.png",   "assets/Images/platform_s.png",
    "assets/Images/flareGreen.png",  "assets/Images/flareGreen.png", "assets/Images/flareBase.png",
    "assets/Images/flareBase_s.png", "assets/Images/trap.png",       "assets/Images/trap.png",
    "assets/Images/flag.png",        "assets/Images/flag.png",       "assets/Images/mover.png",
    "assets/Images/mover_s.png",
};

// The entries that every start loads, in order. Those after them dress only some levels' pieces
// (checkpoint flags, moving platforms), and are loaded when a level first has such a piece.
inline const int kStartTextureCount = flagDiffuse;

// Whether the entry is a colour image (a diffuse map) rather than a specular map.
inline bool holdsColour(TextureEntry entry) {
    return entry % 2 == 0;
}
