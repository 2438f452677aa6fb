#pragma once

#include <memory>

#include "app/frame/FrameOverlay.h"
#include "app/frame/FrameTiming.h"
#include "app/ui/Hud.h"
#include "app/ui/PausePanel.h"
#include "app/ui/Ui.h"

struct GLFWwindow;

// What is drawn over the scene: the HUD, the frame-time overlay and the pause panel, each
// shown or not, with the UI they are drawn through; and what the player asked of the frame
// through them, a screenshot or to quit.
class Interface {
public:
    explicit Interface(bool hudShown) : hudVisible(hudShown) {}

    // The UI over the window, whose key and focus callbacks it chains onto.
    void open(GLFWwindow* window, float textScale);
    // Deletes the UI's GL objects; the context must still be current.
    void close() { imgui.reset(); }

    // Whether anything at all is drawn over the scene.
    bool shows(bool paused) const { return hudVisible || frameOverlayVisible || paused; }
    // F7 and F8; each tells whether it shows now.
    bool flipHud() { return hudVisible = !hudVisible; }
    bool flipFrameOverlay() { return frameOverlayVisible = !frameOverlayVisible; }

    // F12, for the frame being drawn.
    void askScreenshot() { screenshotAsked = true; }
    // The UI's Quit: the UI runs after the frame's events were told, so the next update quits.
    void askToQuit() { quitAsked = true; }
    // Whether it was asked since the last time this was asked; forgotten once asked.
    bool takeScreenshotAsk();
    bool takeQuitAsk();

    std::unique_ptr<Ui> imgui;
    Hud hud;
    bool hudVisible;
    PausePanel pausePanel;
    // The frame's times, which the overlay shows, and the pace that ends each frame.
    FrameTiming frameTiming;
    FrameOverlay frameOverlay;
    bool frameOverlayVisible = false;

private:
    bool screenshotAsked = false;
    bool quitAsked = false;
};
