#include "tools/autoplay/Playthrough.h"

#include "app/Game.h"
#include "app/frame/Clock.h"
#include "tools/autoplay/AutoPilot.h"
#include "tools/xdrive/XInput.h"

Playthrough playWithPilot(Game& game, XInput& input, SteppedClock& clock, double stepSeconds,
                          int maxFrames, const std::function<void(int frame)>& afterFrame) {
    AutoPilot pilot(game, input);
    Playthrough played;
    // A level the player chose ends in its results rather than closing the window.
    while (played.frames < maxFrames && !glfwWindowShouldClose(game.window) &&
           !game.session.results) {
        pilot.act();
        if (pilot.gaveUp()) {
            played.gaveUp = pilot.gaveUp();
            break;
        }
        clock.advance(stepSeconds);
        game.update();
        game.render();
        ++played.frames;
        if (afterFrame) {
            afterFrame(played.frames);
        }
    }
    input.releaseAll();
    return played;
}
