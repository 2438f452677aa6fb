#include "app/Game.h"
#include "app/RecordsFile.h"

void Game::initRecords() {
    records = loadRecords(recordsPath());
}

// Told after the win's own line, and only when an earlier best falls: a first win ever adds
// nothing to the console.
void Game::keepWin(const Event& won, double now) {
    const std::optional<KeptWin> kept =
        ::keepWin(recordsPath(), Win{won.seconds, won.points, utcDateNow()}, nullptr);
    if (!kept) {
        return;
    }
    records = kept->records;
    if (kept->beatenTime) {
        tell(Event::newBestTime(won.seconds), now);
    }
}
