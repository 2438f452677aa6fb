#include "app/ui/Ui.h"

#include <GLFW/glfw3.h>
#include <imgui.h>
#include <imgui_impl_glfw.h>
#include <imgui_impl_opengl3.h>

#include <algorithm>
#include <fstream>

#include "base/Console.h"

namespace {

const char* const kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const float kFontPixels = 18.0f;        // at the reference height
const float kReferenceHeight = 720.0f;  // framebuffer pixels at which the scale is 1
const char* const kGlslVersion = "#version 450 core";
// ImGui needs time to move forward between its frames; the game's clock may stand still or
// start again (a new game), so a frame is never taken as shorter than this.
const float kShortestFrame = 1e-4f;      // seconds
const float kFirstFrame = 1.0f / 60.0f;  // what the UI takes its first frame to have lasted

const struct {
    ImGuiNavInput_ input;
    int button;
} kNavButtons[] = {
    {ImGuiNavInput_Activate, GLFW_GAMEPAD_BUTTON_A},
    {ImGuiNavInput_Cancel, GLFW_GAMEPAD_BUTTON_B},
    {ImGuiNavInput_Menu, GLFW_GAMEPAD_BUTTON_X},
    {ImGuiNavInput_Input, GLFW_GAMEPAD_BUTTON_Y},
    {ImGuiNavInput_DpadLeft, GLFW_GAMEPAD_BUTTON_DPAD_LEFT},
    {ImGuiNavInput_DpadRight, GLFW_GAMEPAD_BUTTON_DPAD_RIGHT},
    {ImGuiNavInput_DpadUp, GLFW_GAMEPAD_BUTTON_DPAD_UP},
    {ImGuiNavInput_DpadDown, GLFW_GAMEPAD_BUTTON_DPAD_DOWN},
    {ImGuiNavInput_FocusPrev, GLFW_GAMEPAD_BUTTON_LEFT_BUMPER},
    {ImGuiNavInput_FocusNext, GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER},
    {ImGuiNavInput_TweakSlow, GLFW_GAMEPAD_BUTTON_LEFT_BUMPER},
    {ImGuiNavInput_TweakFast, GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER},
};
// The left stick moves through the panel as the pad's arrows do, from a third of its tilt.
const float kNavStickFrom = 0.3f;
const float kNavStickFull = 0.9f;

float scaleFor(GLFWwindow* window, int framebufferHeight) {
    float contentX = 1.0f, contentY = 1.0f;
    glfwGetWindowContentScale(window, &contentX, &contentY);
    return std::max(static_cast<float>(framebufferHeight) / kReferenceHeight, contentY);
}

float stickShare(float tilt) {
    return std::clamp((tilt - kNavStickFrom) / (kNavStickFull - kNavStickFrom), 0.0f, 1.0f);
}

// ImGui's GLFW backend fills the navigation from joystick 0's raw buttons, which only a pad
// that happens to be first and laid out like GLFW's mapping would drive; the pad in use,
// through its mapping, takes their place.
void navigateWith(const GLFWgamepadstate* pad) {
    ImGuiIO& io = ImGui::GetIO();
    std::fill(std::begin(io.NavInputs), std::end(io.NavInputs), 0.0f);
    if (!pad) {
        io.BackendFlags &= ~ImGuiBackendFlags_HasGamepad;
        return;
    }
    io.BackendFlags |= ImGuiBackendFlags_HasGamepad;
    for (const auto& [input, button] : kNavButtons) {
        io.NavInputs[input] = pad->buttons[button] == GLFW_PRESS ? 1.0f : 0.0f;
    }
    const float x = pad->axes[GLFW_GAMEPAD_AXIS_LEFT_X];
    const float y = pad->axes[GLFW_GAMEPAD_AXIS_LEFT_Y];  // down is positive
    io.NavInputs[ImGuiNavInput_LStickLeft] = stickShare(-x);
    io.NavInputs[ImGuiNavInput_LStickRight] = stickShare(x);
    io.NavInputs[ImGuiNavInput_LStickUp] = stickShare(-y);
    io.NavInputs[ImGuiNavInput_LStickDown] = stickShare(y);
}

}  // namespace

Ui::Ui(GLFWwindow* window, float textScale)
    : window(window), textScale(textScale), fontTextScale(textScale) {
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;  // nothing of the UI is kept between runs
    io.LogFilename = nullptr;
    io.ConfigFlags |= ImGuiConfigFlags_NavEnableKeyboard | ImGuiConfigFlags_NavEnableGamepad;
    int width = 0, height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    currentScale = scaleFor(window, height) * textScale;
    loadFont();
    ImGui_ImplGlfw_InitForOpenGL(window, true);
    ImGui_ImplOpenGL3_Init(kGlslVersion);
}

Ui::~Ui() {
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplGlfw_Shutdown();
    ImGui::DestroyContext();
}

void Ui::loadFont() {
    ImGuiIO& io = ImGui::GetIO();
    fontScale = std::max(currentScale, 0.5f);
    // ImGui reads the file itself; a missing one is found here first, so that it is one
    // clear line and the built-in font instead of a failed assertion.
    if (std::ifstream(kFontFile).good()) {
        io.Fonts->AddFontFromFileTTF(kFontFile, kFontPixels * fontScale);
    } else {
        printProblem("ERROR::UI::FONT_NOT_FOUND: ", kFontFile);
        ImFontConfig config;
        config.SizePixels = kFontPixels * fontScale;
        io.Fonts->AddFontDefault(&config);
    }
}

// A text size chosen in the game is drawn sharp, not stretched from the old one.
void Ui::reloadFont() {
    ImGui::GetIO().Fonts->Clear();
    loadFont();
    fontTextScale = textScale;
    if (fontUploaded) {
        ImGui_ImplOpenGL3_DestroyFontsTexture();
        ImGui_ImplOpenGL3_CreateFontsTexture();
    }
}

void Ui::followScale(int framebufferHeight) {
    const float scale = scaleFor(window, framebufferHeight) * textScale;
    if (scale == currentScale && styled) {
        return;
    }
    currentScale = scale;
    if (textScale != fontTextScale) {
        reloadFont();
    }
    ImGui::GetIO().FontGlobalScale = currentScale / fontScale;
    // The spacing follows the screen, not the text size: larger text in the same padding keeps
    // the pages within the screen.
    ImGuiStyle style;
    ImGui::StyleColorsDark(&style);
    style.ScaleAllSizes(currentScale / textScale);
    ImGui::GetStyle() = style;
    styled = true;
}

void Ui::beginFrame(double now, int framebufferHeight, const GLFWgamepadstate* pad) {
    followScale(framebufferHeight);
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplGlfw_NewFrame();
    navigateWith(pad);
    ImGuiIO& io = ImGui::GetIO();
    const float step = lastFrame < 0.0 ? kFirstFrame : static_cast<float>(now - lastFrame);
    io.DeltaTime = std::max(step, kShortestFrame);
    lastFrame = now;
    ImGui::NewFrame();
    fontUploaded = true;
}

void Ui::endFrame() {
    ImGui::Render();
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
}
