#pragma once

#include <array>
#include <glm/glm.hpp>
#include <string>

#include "gameplay/InputSnapshot.h"

// Something a frame did that the player is told of or hears. The rules and the key callback
// add events to the frame's list; at the end of the update the game tells each once, on the
// console, the HUD and the sound, in the order they happened.
struct Event {
    // How each kind is told, on the console, the HUD and the sound, is its row in the game's
    // table of events (app/events/EventWords.cpp): a new kind is that row and the rule that adds
    // it.
    enum Kind {
        HealthPack,
        Trap,
        Won,
        NewBestTime,
        Lost,
        Toggle,
        Quit,
        Jump,
        Landing,
        Step,
        GamepadConnected,
        GamepadDisconnected,
        Checkpoint,
        ScreenshotSaved,  // notices only, with the file's name or why there is none
        ScreenshotFailed,
        LevelReread,  // notices only, with the level's name, or why the file does not read
        LevelNotReread,
        Count  // not a kind: how many there are
    };
    // Room for the longest name a gamepad mapping can give (GLFW keeps 128 bytes for it), with
    // its terminating zero.
    using Name = std::array<char, 128>;

    static Event of(Kind kind) { return Event{kind, 0.0f, 0, Action::Count, false, {}, {}}; }
    static Event at(Kind kind, glm::vec3 place) {
        return Event{kind, 0.0f, 0, Action::Count, false, place, {}};
    }
    static Event ended(bool won, float seconds, int points) {
        return Event{won ? Won : Lost, seconds, points, Action::Count, false, {}, {}};
    }
    // A loss after which the run goes on from the last checkpoint reached, its clock with it.
    static Event lostToCheckpoint(float seconds, int points) {
        return Event{Lost, seconds, points, Action::Count, true, {}, {}};
    }
    // `checkpoint` is its place among the level's checkpoints; `seconds` the run's time there.
    static Event checkpoint(glm::vec3 place, float seconds, int checkpoint) {
        return Event{Checkpoint, seconds, checkpoint, Action::Count, false, place, {}};
    }
    // Told right after a win that beat the best time of the player's records.
    static Event newBestTime(float seconds) {
        return Event{NewBestTime, seconds, 0, Action::Count, false, {}, {}};
    }
    static Event toggled(Action toggle, bool on) {
        return Event{Toggle, 0.0f, 0, toggle, on, {}, {}};
    }
    static Event gamepad(bool connected, const Name& name) {
        return Event{connected ? GamepadConnected : GamepadDisconnected,
                     0.0f,
                     0,
                     Action::Count,
                     false,
                     {},
                     name};
    }

    // `text` is the file's path, or why there is none; a path too long for a name keeps its
    // end, where the file's own name is.
    static Event screenshot(bool saved, const std::string& text);
    // A level's file read again as it changed: `text` is the level's name, or why it does not
    // read; a text too long for a name keeps its end, where the reason is.
    static Event levelReread(bool read, const std::string& text);

    Kind kind;
    float seconds;    // Won, Lost, NewBestTime, Checkpoint: the time of the run
    int points;       // Won, Lost: its score; Checkpoint: which one
    Action toggle;    // Toggle: which display toggle
    bool on;          // Toggle: its new state; Lost: the run goes on from a checkpoint
    glm::vec3 place;  // HealthPack, Trap, Checkpoint: where the item stood
    Name name;        // GamepadConnected, GamepadDisconnected: the pad's, ended by a zero;
                      // ScreenshotSaved: the file's; ScreenshotFailed: why;
                      // LevelReread: the level's; LevelNotReread: why
};
