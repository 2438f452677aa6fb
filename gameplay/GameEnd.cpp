#include <string>

#include "app/Console.h"
#include "app/Game.h"
#include "gameplay/LevelLayout.h"

namespace {

const int kParSeconds = 50;
const int kPointsPerSecondUnderPar = 200;
const int kFinishBonus = 10000;
const float kDoublingSeconds = 10.0f;  // a win faster than this scores double
const glm::vec3 kRestartPosition(0.0f);

// Whole seconds played, truncated; times past par all score alike, so they stop there,
// which keeps a huge or broken clock from overflowing the conversion.
int wholeSeconds(float seconds) {
    if (!(seconds < static_cast<float>(kParSeconds))) {
        return kParSeconds;
    }
    return seconds > 0.0f ? static_cast<int>(seconds) : 0;
}

}  // namespace

std::string Game::getPoints(bool won) const {
    int points = (kParSeconds - wholeSeconds(totalTime)) * kPointsPerSecondUnderPar;
    if (won) {
        points += kFinishBonus;
        if (totalTime < kDoublingSeconds) {
            points *= 2;
        }
    }
    return std::to_string(points) + " points";
}

void Game::checkGameState() {
    if (player->goalReached) {
        printLine("GAME WON! ", totalTime, "s | ", getPoints(true));
        glfwSetWindowShouldClose(window, true);
    }
    if (player->position.y <= level::kLossHeight || player->health < 1) {
        printLine("GAME LOST! ", totalTime, "s | ", getPoints(false));
        printLine("");
        player->health = 1;
        player->slowTimer = -1.0f;  // the next update restores the normal speed
        player->setPosition(kRestartPosition);
        player->setPivot(kRestartPosition);
        totalTime = 0.0f;
        restoreItems();
    }
}
