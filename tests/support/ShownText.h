#pragma once

#include <string>

// The characters that the UI drew in its last frame, in the order it drew them, read back from
// ImGui's draw data: each glyph's quad is known by where it lies in the font atlas. Spaces draw
// nothing and so are left out: "Time 3.02 s" reads "Time3.02s".
std::string shownGlyphs();

// Whether `text`, its spaces left out, is among them.
bool showsText(const std::string& text);
