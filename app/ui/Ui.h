#pragma once

struct GLFWwindow;
struct GLFWgamepadstate;

// Dear ImGui over the game's window: its context, its GLFW and OpenGL 3 backends and the
// font. A frame of UI is begun, filled by whoever draws, and rendered over the scene. It
// writes no file and leaves the GL state as it found it.
class Ui {
public:
    // Chains the backends' callbacks onto those the window already has, so the game's own
    // key and focus callbacks keep running first.
    // `textScale` sizes the text over its size for the screen, as setTextScale does.
    Ui(GLFWwindow* window, float textScale);
    ~Ui();
    Ui(const Ui&) = delete;
    Ui& operator=(const Ui&) = delete;

    // `now` is the game's clock, which times the UI too (its key repeats, its fades): the
    // backend would read GLFW's timer, which a test that steps the clock does not set. The
    // framebuffer's height as the frame just drawn found it: asking the window again would
    // cost another round trip to the X server every frame. The panels are navigated with the
    // gamepad in use, if there is one.
    void beginFrame(double now, int framebufferHeight, const GLFWgamepadstate* pad);
    void endFrame();

    // How much larger than at 1280x720 the UI is drawn: it follows the framebuffer's height
    // and, on a high-density display, the window's content scale.
    float scale() const { return currentScale; }

    // The player's choice of text size, over what the screen gives: 1 keeps it. The font is
    // drawn again at the new size as the next frame begins.
    void setTextScale(float scale) { textScale = scale; }

private:
    void loadFont();
    void reloadFont();
    void followScale(int framebufferHeight);

    GLFWwindow* window;
    float fontScale = 1.0f;  // the scale the font was rasterised at
    float textScale;
    float fontTextScale;  // the text scale when the font was rasterised
    float currentScale = 1.0f;
    bool fontUploaded = false;  // the backend makes the font's texture in its first frame
    bool styled = false;
    double lastFrame = -1.0;  // the clock at the UI's last frame; none yet
};
