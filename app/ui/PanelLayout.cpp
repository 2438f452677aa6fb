#include "app/ui/PanelLayout.h"

#include <imgui.h>

#include <algorithm>

namespace {

// In font heights: room for the tallest tab, the key buttons and a control's label beside it.
const float kPageWidthEms = 40.0f;
const float kPageHeightEms = 28.0f;

float footerHeight() {
    const ImGuiStyle& style = ImGui::GetStyle();
    return ImGui::GetFrameHeightWithSpacing() + style.ItemSpacing.y;  // and the separator's
}

}  // namespace

void nextFixedPage() {
    const ImGuiViewport* screen = ImGui::GetMainViewport();
    const float em = ImGui::GetFontSize();
    const ImVec2 margin = ImGui::GetStyle().WindowPadding;
    ImGui::SetNextWindowSize(
        ImVec2(std::min(kPageWidthEms * em, screen->WorkSize.x - 2.0f * margin.x),
               std::min(kPageHeightEms * em, screen->WorkSize.y - 2.0f * margin.y)));
}

void placeFooter() {
    const float top = ImGui::GetWindowHeight() - ImGui::GetStyle().WindowPadding.y - footerHeight();
    if (ImGui::GetCursorPosY() < top) {
        ImGui::SetCursorPosY(top);
    }
}
