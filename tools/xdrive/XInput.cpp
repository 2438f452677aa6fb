#include "tools/xdrive/XInput.h"

#include <GLFW/glfw3.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <stb_image_write.h>

#include <cctype>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

// GLFW's connection to the X server. Declared here as glfw3native.h declares it: that header
// would want the Xrandr headers for this one function.
extern "C" Display* glfwGetX11Display();

namespace {

KeySym keysymOf(int glfwKey) {
    if (glfwKey >= GLFW_KEY_A && glfwKey <= GLFW_KEY_Z) {
        return XK_a + (glfwKey - GLFW_KEY_A);
    }
    if (glfwKey >= GLFW_KEY_0 && glfwKey <= GLFW_KEY_9) {
        return XK_0 + (glfwKey - GLFW_KEY_0);
    }
    if (glfwKey >= GLFW_KEY_F1 && glfwKey <= GLFW_KEY_F12) {
        return XK_F1 + (glfwKey - GLFW_KEY_F1);
    }
    static const std::map<int, KeySym> others = {
        {GLFW_KEY_SPACE, XK_space},
        {GLFW_KEY_ESCAPE, XK_Escape},
        {GLFW_KEY_ENTER, XK_Return},
        {GLFW_KEY_LEFT_SHIFT, XK_Shift_L},
        {GLFW_KEY_LEFT, XK_Left},
        {GLFW_KEY_RIGHT, XK_Right},
        {GLFW_KEY_UP, XK_Up},
        {GLFW_KEY_DOWN, XK_Down},
        {GLFW_KEY_TAB, XK_Tab},
        {GLFW_KEY_LEFT_ALT, XK_Alt_L},
        {GLFW_KEY_PAGE_UP, XK_Prior},
        {GLFW_KEY_PAGE_DOWN, XK_Next},
        {GLFW_KEY_DELETE, XK_Delete},
        {GLFW_KEY_LEFT_CONTROL, XK_Control_L},
        {GLFW_KEY_BACKSPACE, XK_BackSpace},
        {GLFW_KEY_HOME, XK_Home},
        {GLFW_KEY_LEFT_BRACKET, XK_bracketleft},
        {GLFW_KEY_RIGHT_BRACKET, XK_bracketright},
    };
    const auto found = others.find(glfwKey);
    if (found == others.end()) {
        throw std::invalid_argument("no X key for GLFW key " + std::to_string(glfwKey));
    }
    return found->second;
}

}  // namespace

XInput::XInput() : display(XOpenDisplay(nullptr)), target(display) {
    if (!display) {
        throw std::runtime_error("cannot open the X display");
    }
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        XCloseDisplay(display);
        throw std::runtime_error("the X display has no XTest extension");
    }
    // A held key must read as held on every frame: the server's own repeats could reach the
    // game as a release in one poll and a press in the next.
    XAutoRepeatOff(display);
}

XInput::~XInput() {
    releaseAll();
    XCloseDisplay(display);
}

void XInput::sendKey(int glfwKey, bool down) {
    const KeyCode code = XKeysymToKeycode(display, keysymOf(glfwKey));
    XTestFakeKeyEvent(target, code, down ? True : False, CurrentTime);
    sync();
}

void XInput::sendThroughGlfw() {
    target = glfwGetX11Display();
}

void XInput::sendAlone() {
    target = display;
}

void XInput::sync() {
    XSync(target, False);
}

void XInput::press(int glfwKey) {
    sendKey(glfwKey, true);
    held.insert(glfwKey);
}

void XInput::release(int glfwKey) {
    sendKey(glfwKey, false);
    held.erase(glfwKey);
}

void XInput::tap(int glfwKey) {
    press(glfwKey);
    release(glfwKey);
}

void XInput::typeText(const std::string& text) {
    for (const char character : text) {
        // Latin-1 key symbols are the characters' own codes; an upper-case letter wants Shift.
        const KeySym symbol = static_cast<unsigned char>(std::tolower(character));
        const bool shifted = std::isupper(static_cast<unsigned char>(character)) != 0;
        const KeyCode code = XKeysymToKeycode(display, symbol);
        if (code == 0) {
            throw std::invalid_argument(std::string("no X key types ") + character);
        }
        if (shifted) {
            press(GLFW_KEY_LEFT_SHIFT);
        }
        XTestFakeKeyEvent(target, code, True, CurrentTime);
        XTestFakeKeyEvent(target, code, False, CurrentTime);
        sync();
        if (shifted) {
            release(GLFW_KEY_LEFT_SHIFT);
        }
    }
}

void XInput::releaseAll() {
    while (!held.empty()) {
        release(*held.begin());
    }
}

void XInput::moveMouse(int dx, int dy) {
    XTestFakeRelativeMotionEvent(target, dx, dy, CurrentTime);
    sync();
}

void XInput::moveMouseTo(int x, int y) {
    XTestFakeMotionEvent(target, -1, x, y, CurrentTime);
    sync();
}

void XInput::pressButton(int button) {
    XTestFakeButtonEvent(target, static_cast<unsigned>(button), True, CurrentTime);
    sync();
}

void XInput::releaseButton(int button) {
    XTestFakeButtonEvent(target, static_cast<unsigned>(button), False, CurrentTime);
    sync();
}

void XInput::focusElsewhere() {
    const Window other =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 16, 16, 0, 0, 0);
    XSelectInput(display, other, StructureNotifyMask);
    XMapWindow(display, other);
    // Only a window that is shown can take the focus.
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != MapNotify);
    XSetInputFocus(target, other, RevertToPointerRoot, CurrentTime);
    sync();
    // It goes with the connection, when this object does.
}

std::vector<unsigned long> XInput::shownWindows() {
    // Without a window manager the game's window is a child of the root.
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    std::vector<unsigned long> shown;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable) {
            shown.push_back(children[i]);
        }
    }
    XFree(children);
    return shown;
}

std::optional<unsigned long> XInput::shownWindow(const std::string& title) {
    for (const Window window : shownWindows()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name) {
            const bool named = title == name;
            XFree(name);
            if (named) {
                return window;
            }
        }
    }
    return std::nullopt;
}

bool XInput::windowShown(const std::string& title) {
    return shownWindow(title).has_value();
}

bool XInput::askToClose(const std::string& title) {
    const std::optional<unsigned long> window = shownWindow(title);
    if (!window) {
        return false;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = *window;
    event.xclient.message_type = XInternAtom(target, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(target, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(target, *window, False, NoEventMask, &event);
    sync();
    return true;
}

std::vector<std::string> XInput::shownWindowClasses() {
    std::vector<std::string> classes;
    for (const Window window : shownWindows()) {
        XClassHint hint{};
        if (XGetClassHint(display, window, &hint)) {
            classes.emplace_back(hint.res_class ? hint.res_class : "");
            XFree(hint.res_name);
            XFree(hint.res_class);
        }
    }
    return classes;
}

void XInput::saveScreen(const std::string& path) {
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    const auto destroy = [](XImage* image) { XDestroyImage(image); };
    std::unique_ptr<XImage, decltype(destroy)> image(
        XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap),
        destroy);
    if (!image) {
        throw std::runtime_error("cannot read the screen");
    }
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<size_t>(attributes.width) * attributes.height * 3);
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) {
            const unsigned long pixel = XGetPixel(image.get(), x, y);
            rgb.push_back(static_cast<unsigned char>((pixel & image->red_mask) >> 16));
            rgb.push_back(static_cast<unsigned char>((pixel & image->green_mask) >> 8));
            rgb.push_back(static_cast<unsigned char>(pixel & image->blue_mask));
        }
    }
    if (!stbi_write_png(path.c_str(), attributes.width, attributes.height, 3, rgb.data(),
                        attributes.width * 3)) {
        throw std::runtime_error("cannot write " + path);
    }
}

int glfwKeyByName(const std::string& name) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
        return std::toupper(static_cast<unsigned char>(name[0]));
    }
    if (name.size() >= 2 && name[0] == 'F' && std::isdigit(static_cast<unsigned char>(name[1]))) {
        const int number = std::stoi(name.substr(1));
        return number >= 1 && number <= 12 ? GLFW_KEY_F1 + number - 1 : -1;
    }
    static const std::map<std::string, int> named = {
        {"Escape", GLFW_KEY_ESCAPE},
        {"Space", GLFW_KEY_SPACE},
        {"Enter", GLFW_KEY_ENTER},
        {"Shift", GLFW_KEY_LEFT_SHIFT},
        {"Ctrl", GLFW_KEY_LEFT_CONTROL},
        {"Tab", GLFW_KEY_TAB},
        {"Left", GLFW_KEY_LEFT},
        {"Right", GLFW_KEY_RIGHT},
        {"Up", GLFW_KEY_UP},
        {"Down", GLFW_KEY_DOWN},
        {"PageUp", GLFW_KEY_PAGE_UP},
        {"PageDown", GLFW_KEY_PAGE_DOWN},
        {"Delete", GLFW_KEY_DELETE},
        {"Backspace", GLFW_KEY_BACKSPACE},
        {"Home", GLFW_KEY_HOME},
        {"[", GLFW_KEY_LEFT_BRACKET},
        {"]", GLFW_KEY_RIGHT_BRACKET},
    };
    const auto found = named.find(name);
    return found == named.end() ? -1 : found->second;
}
