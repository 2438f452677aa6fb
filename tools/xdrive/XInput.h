#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

typedef struct _XDisplay Display;

// Real keyboard and mouse input through the X server's XTest extension. Events are sent
// and synchronised at once; the game's next glfwPollEvents delivers them.
class XInput {
public:
    // Connects to $DISPLAY; throws when there is none or it lacks XTest.
    XInput();
    ~XInput();
    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;

    // Keys are named by their GLFW key codes.
    void press(int glfwKey);
    void release(int glfwKey);
    void tap(int glfwKey);
    void releaseAll();
    // Types the text as keys would: letters, digits and the punctuation of an unshifted key.
    void typeText(const std::string& text);

    // Sends through GLFW's own connection, which the game in this process polls, until
    // sendAlone(); only while GLFW is initialised. The server handles a connection's requests
    // in order, and the events that fake input makes for the game are queued on its
    // connection before the answer to the round trip that follows: once a call here returns,
    // the game's next poll has its events, however busy the machine. Through a connection of
    // its own, they could still be on their way.
    void sendThroughGlfw();
    void sendAlone();
    // A round trip on the connection sent through: what the server has made for the game by
    // now (the answer to a resize, say) is queued for the game's next poll.
    void sync();

    // Moves the pointer by a relative amount in pixels; a captured cursor follows it.
    void moveMouse(int dx, int dy);
    // Moves the pointer to that place on the screen, in pixels from its top left.
    void moveMouseTo(int x, int y);
    // Mouse buttons by X's numbers: 1 the left, 3 the right.
    void pressButton(int button);
    void releaseButton(int button);

    // Gives the keyboard focus to a window of its own, as a click elsewhere does; the window
    // with the focus before loses it.
    void focusElsewhere();

    // Whether a window of this title is on the screen: mapped, and viewable.
    bool windowShown(const std::string& title);
    // Asks the window of this title to close, as a window manager's close button does; false
    // when no such window is shown.
    bool askToClose(const std::string& title);
    // The classes (WM_CLASS's second string) of the windows on the screen.
    std::vector<std::string> shownWindowClasses();

    // Writes the whole screen as an RGB PNG.
    void saveScreen(const std::string& path);

private:
    void sendKey(int glfwKey, bool down);
    std::vector<unsigned long> shownWindows();  // X window ids
    std::optional<unsigned long> shownWindow(const std::string& title);

    Display* display;
    Display* target;  // the connection sent through: display, or GLFW's
    std::set<int> held;
};

// The GLFW key code of a key name such as "Escape", "F3", "W", "Space", "Ctrl" or "PageUp"; -1 if
// unknown.
int glfwKeyByName(const std::string& name);
