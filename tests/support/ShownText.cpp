#include "tests/support/ShownText.h"

#include <imgui.h>

#include <algorithm>
#include <map>
#include <utility>

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

std::string shownGlyphs() {
    const ImDrawData* frame = ImGui::GetDrawData();
    if (!frame || !frame->Valid) {
        return "";
    }
    const GlyphsByCorners glyphs = glyphsOfTheAtlas();
    std::string text;
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
            appendUtf8(text, glyph->second);
            i += kCorners;
        }
    }
    return text;
}

bool showsText(const std::string& text) {
    std::string glyphsOnly = text;
    glyphsOnly.erase(std::remove(glyphsOnly.begin(), glyphsOnly.end(), ' '), glyphsOnly.end());
    return shownGlyphs().find(glyphsOnly) != std::string::npos;
}
