#include "app/frame/FrameOverlay.h"

#include <imgui.h>

#include <algorithm>
#include <string>

#include "app/settings/Translate.h"

namespace {

const float kWindowMs = 2000.0f;  // the figures and the graph cover the last two seconds
const float kMsPerSecond = 1000.0f;
const float kGraphWidthEm = 16.0f;  // in font heights, so that the graph follows the UI's scale
const float kGraphHeightEm = 4.0f;
// The graph's top stands this much above the slowest frame, leaving room for its title.
const float kGraphHeadroom = 1.3f;
const float kBackgroundAlpha = 0.35f;

const ImGuiWindowFlags kOverlayFlags =
    ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoInputs |
    ImGuiWindowFlags_NoNav | ImGuiWindowFlags_NoFocusOnAppearing | ImGuiWindowFlags_NoSavedSettings;

// The bottom right corner is the one the HUD leaves free.
void atBottomRight() {
    const ImGuiViewport* screen = ImGui::GetMainViewport();
    const float margin = ImGui::GetStyle().WindowPadding.x;
    const ImVec2 corner(screen->WorkPos.x + screen->WorkSize.x - margin,
                        screen->WorkPos.y + screen->WorkSize.y - margin);
    ImGui::SetNextWindowPos(corner, ImGuiCond_Always, ImVec2(1.0f, 1.0f));
    ImGui::SetNextWindowBgAlpha(kBackgroundAlpha);
}

// Reorders the first `count` values.
float medianOf(float* values, std::size_t count) {
    if (count == 0) {
        return 0.0f;
    }
    float* middle = values + count / 2;
    std::nth_element(values, middle, values + count);
    return *middle;
}

}  // namespace

void FrameOverlay::record(const FrameTimes& times) {
    samples[recorded % kCapacity] = times;
    ++recorded;
}

const FrameTimes& FrameOverlay::fromLatest(std::size_t back) const {
    return samples[(recorded - 1 - back) % kCapacity];
}

std::size_t FrameOverlay::framesInWindow(float& spanMs) const {
    const std::size_t kept = std::min(recorded, kCapacity);
    std::size_t count = 0;
    spanMs = 0.0f;
    while (count < kept && spanMs < kWindowMs) {
        spanMs += fromLatest(count).frame;
        ++count;
    }
    return count;
}

void FrameOverlay::copyLatest(float FrameTimes::*field, std::size_t count, Series& out) const {
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = fromLatest(count - 1 - i).*field;
    }
}

void FrameOverlay::draw() const {
    float spanMs = 0.0f;
    const std::size_t count = framesInWindow(spanMs);
    Series frames, updates, renders;
    copyLatest(&FrameTimes::frame, count, frames);
    copyLatest(&FrameTimes::update, count, updates);
    copyLatest(&FrameTimes::render, count, renders);
    const float slowest =
        count > 0 ? *std::max_element(frames.begin(), frames.begin() + count) : 0.0f;
    const std::string graphTitle = formatted(tr("frame ms, 2 s (max %.1f)"), slowest);
    const float em = ImGui::GetFontSize();

    atBottomRight();
    ImGui::Begin("##frame times", nullptr, kOverlayFlags);
    const float fps = spanMs > 0.0f ? kMsPerSecond * count / spanMs : 0.0f;
    ImGui::TextUnformatted(formatted(tr("%.1f frames per second"), fps).c_str());
    ImGui::TextUnformatted(formatted(tr("CPU, median of 2 s: update %.2f ms, render %.2f ms"),
                                     medianOf(updates.data(), count),
                                     medianOf(renders.data(), count))
                               .c_str());
    // The graph's title on a line of its own: as the plot's overlay it covered the graph.
    ImGui::TextUnformatted(graphTitle.c_str());
    ImGui::PlotLines("##frame ms", frames.data(), static_cast<int>(count), 0, nullptr, 0.0f,
                     kGraphHeadroom * slowest, ImVec2(kGraphWidthEm * em, kGraphHeightEm * em));
    ImGui::End();
}
