#include "app/Game.h"
#include "app/input/Toggles.h"
#include "gameplay/Camera.h"

// Its event tells the console, the HUD and a replay's recording of the flip.
void Game::toldToggle(Action toggle, bool on) {
    events.push_back(Event::toggled(toggle, on));
}

bool Game::flip(bool& toggle, Action action) {
    toggle = !toggle;
    toldToggle(action, toggle);
    return toggle;
}

void Game::applyToggle(Action toggle) {
    switch (toggle) {
        case Action::Wireframe:
            glPolygonMode(GL_FRONT_AND_BACK,
                          flip(wireframe, Action::Wireframe) ? GL_LINE : GL_FILL);
            break;
        case Action::Culling:
            if (flip(culling, Action::Culling)) {
                glEnable(GL_CULL_FACE);
            } else {
                glDisable(GL_CULL_FACE);
            }
            break;
        case Action::DebugCamera:
            camera.switchMode(flip(debugCamera, Action::DebugCamera));
            break;
        case Action::CelShading:
            flip(celShading, Action::CelShading);
            break;
        case Action::Contour:
            flip(contour, Action::Contour);
            break;
        case Action::Specular:
            flip(specular, Action::Specular);
            break;
        case Action::Hud:
            toldToggle(Action::Hud, ui.flipHud());
            break;
        case Action::FrameOverlay:
            toldToggle(Action::FrameOverlay, ui.flipFrameOverlay());
            break;
        default:
            break;
    }
}
