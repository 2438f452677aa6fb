#include "app/Game.h"

// Told after the win's own line, and only when an earlier best falls: a first win ever adds
// nothing to the console. The results then stay until the player chooses what next.
void Game::keepWin(const Event& won, double now) {
    LevelSession::KeptRun kept = session.keepWin(won.seconds, won.points);
    if (kept.beatenTime) {
        tell(Event::newBestTime(won.seconds), now);
    }
    if (session.played.chosen) {
        session.keepPackWin();
        session.results = std::move(kept.results);
        setPaused(true);
        ui.pausePanel.showResults();
    }
}
