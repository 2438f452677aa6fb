#include "tests/support/ShownText.h"

#include <imgui.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

const int kCorners = 4;  // vertices of a glyph's quad: its atlas corners in the order a, b, c, d

// Each glyph of every font of the atlas by its quad's first and third corners in the atlas.
using GlyphsByCorners =
    std::map<std::pair<std::pair<float, float>, std::pair<float, float>>, unsigned int>;

GlyphsByCorners glyphsOfTheAtlas() {
    GlyphsByCorners glyphs;
    for (const ImFont* font : ImGui::GetIO().Fonts->Fonts) {
        for (const ImFontGlyph& glyph : font->Glyphs) {
            if (glyph.Visible) {
                glyphs[{{glyph.U0, glyph.V0}, {glyph.U1, glyph.V1}}] = glyph.Codepoint;
            }
        }
    }
    return glyphs;
}

void appendUtf8(std::string& text, unsigned int codepoint) {
    if (codepoint < 0x80) {
        text += static_cast<char>(codepoint);
    } else {
        text += static_cast<char>(0xC0 | (codepoint >> 6));
        text += static_cast<char>(0x80 | (codepoint & 0x3F));
    }
}

}  // namespace

namespace {

// The glyphs drawn in the last frame, in order, with the text they spell: each glyph's bytes
// of that text start at its entry of `starts`.
struct Glyphs {
    std::string text;
    std::vector<std::size_t> starts;
    std::vector<std::pair<ImVec2, ImVec2>> quads;  // corners a and c, in the display's pixels
};

Glyphs glyphsDrawn() {
    Glyphs drawn;
    const ImDrawData* frame = ImGui::GetDrawData();
    if (!frame || !frame->Valid) {
        return drawn;
    }
    const GlyphsByCorners glyphs = glyphsOfTheAtlas();
    for (int list = 0; list < frame->CmdListsCount; ++list) {
        const ImVector<ImDrawVert>& vertices = frame->CmdLists[list]->VtxBuffer;
        for (int i = 0; i + kCorners <= vertices.Size;) {
            const ImVec2 a = vertices[i].uv;
            const ImVec2 c = vertices[i + 2].uv;
            const auto glyph = glyphs.find({{a.x, a.y}, {c.x, c.y}});
            if (glyph == glyphs.end()) {
                ++i;
                continue;
            }
            drawn.starts.push_back(drawn.text.size());
            drawn.quads.emplace_back(vertices[i].pos, vertices[i + 2].pos);
            appendUtf8(drawn.text, glyph->second);
            i += kCorners;
        }
    }
    return drawn;
}

std::string withoutSpaces(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

}  // namespace

std::string shownGlyphs() {
    return glyphsDrawn().text;
}

std::optional<ShownBox> whereShown(const std::string& text) {
    const Glyphs drawn = glyphsDrawn();
    const std::string glyphsOnly = withoutSpaces(text);
    const std::size_t at = drawn.text.rfind(glyphsOnly);
    if (glyphsOnly.empty() || at == std::string::npos) {
        return std::nullopt;
    }
    const auto first = std::lower_bound(drawn.starts.begin(), drawn.starts.end(), at);
    const auto last =
        std::lower_bound(drawn.starts.begin(), drawn.starts.end(), at + glyphsOnly.size());
    const std::size_t from = static_cast<std::size_t>(first - drawn.starts.begin());
    const std::size_t to = static_cast<std::size_t>(last - drawn.starts.begin()) - 1;
    const ImVec2 low = drawn.quads[from].first;
    const ImVec2 high = drawn.quads[to].second;
    return ShownBox{glm::vec2(low.x, low.y), glm::vec2(high.x, high.y)};
}

bool showsText(const std::string& text) {
    return shownGlyphs().find(withoutSpaces(text)) != std::string::npos;
}
