#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/KeyBindings.h"

#include "gameplay/Event.h"

// What the HUD shows of the game, read afresh every frame.
struct HudView {
    int health;
    float clock;     // seconds of this run, as the end lines count them
    float slowLeft;  // seconds of slow-down left; 0 or less when not slowed
    // F1 to F6 in key order: wireframe, culling, debug camera, cel shading, contour, specular.
    std::array<bool, 6> toggles;
    std::optional<float> bestTime;  // seconds of the player's fastest win, if any
    bool replay;                    // a replay plays, not the player
    float played;                   // seconds since the game started, losses and all
    const KeyBindings& keys;        // for the hint of what the keys do, in a game's first seconds
};

// The heads-up display: health, the clock and the best time beside it, the slow-down left, the
// toggles that differ from how the game started, and each event's console lines, or its notice,
// in the player's language (EventWords), as messages that fade away.
class Hud {
public:
    // Keeps the event to show; it allocates nothing, so the update may call it.
    void hear(const Event& event, double now);
    // Shows a checkpoint's time against the best run's there (kNoSplit for none) a while.
    void hearSplit(const Event& checkpoint, float best, double now);
    // A level the player chose opens with a card a while: its name, its par and the best time.
    void showTitleCard(const std::string& name, int parSeconds, std::optional<float> best,
                       double now);
    // The card's lines while it shows at that time; none otherwise.
    std::vector<std::string> titleCard(double now) const;

    // Draws into the current UI frame; `now` and the times heard are in the same seconds.
    void draw(const HudView& view, double now) const;
    // The messages' lines that show at that time, the oldest first.
    std::vector<std::string> messageLines(double now) const;
    // What the middle of the screen says of the last loss at that time, if it still shows.
    const char* lossTitle(double now) const;

private:
    void drawStatus(const HudView& view) const;
    void drawToggles(const HudView& view) const;
    void drawMessages(double now) const;
    // Each line shown, with its opacity.
    std::vector<std::pair<std::string, float>> fadingLines(double now) const;
    void drawLoss(double now) const;
    void drawReplay() const;
    void drawHint(const HudView& view) const;
    void drawSplit(double now) const;
    void drawTitleCard(double now) const;

    struct Message {
        Event event;
        double heard;  // seconds
    };
    static constexpr std::size_t kMessages = 8;
    std::array<Message, kMessages> messages{};
    std::size_t heardCount = 0;    // all ever heard; the last kMessages are kept
    std::optional<Message> loss;   // the last loss, shown in the middle of the screen a while
    std::optional<Message> split;  // the last checkpoint, below it
    float splitBest = 0.0f;        // the best run's time at that checkpoint, or kNoSplit
    std::array<std::string, 2> cardLines;  // the level's name, then its par and best
    double cardShown = -1.0;               // seconds; never yet below 0
};
