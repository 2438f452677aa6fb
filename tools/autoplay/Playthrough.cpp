#include "tools/autoplay/Playthrough.h"

#include "app/Game.h"
#include "app/frame/Clock.h"
#include "tools/autoplay/AutoPilot.h"
#include "tools/xdrive/XInput.h"

int playWithPilot(Game& game, XInput& input, SteppedClock& clock, double stepSeconds, int maxFrames,
                  const std::function<void(int frame)>& afterFrame) {
    AutoPilot pilot(game, input);
    int frame = 0;
    // A level the player chose ends in its results rather than closing the window.
    while (frame < maxFrames && !glfwWindowShouldClose(game.window) && !game.session.results) {
        pilot.act();
        clock.advance(stepSeconds);
        game.update();
        game.render();
        ++frame;
        if (afterFrame) {
            afterFrame(frame);
        }
    }
    input.releaseAll();
    return frame;
}
