#pragma once

#include <glm/glm.hpp>
#include <optional>
#include <string>

// The characters that the UI drew in its last frame, in the order it drew them, read back from
// ImGui's draw data: each glyph's quad is known by where it lies in the font atlas. Spaces draw
// nothing and so are left out: "Time 3.02 s" reads "Time3.02s".
std::string shownGlyphs();

// Whether `text`, its spaces left out, is among them.
bool showsText(const std::string& text);

// Where a text was drawn, in the display's pixels from its top left: from the first glyph's
// quad's top left to the last's bottom right.
struct ShownBox {
    glm::vec2 low;
    glm::vec2 high;
    glm::vec2 middle() const { return 0.5f * (low + high); }
};

// Where the last of the glyphs spelling `text` (its spaces left out) were drawn in the last
// frame; the last drawn is the one on top.
std::optional<ShownBox> whereShown(const std::string& text);
