#include "gameplay/RunState.h"

#include <algorithm>

void RunState::startOver(std::size_t platformCount) {
    for (Item& item : items) {
        item.taken = false;
        item.reached = false;
        item.seeThrough = 0.0f;
    }
    swingOrigins.assign(platformCount, std::nullopt);
    standingOn = -1;
}

void RunState::putItemsBack() {
    for (Item& item : items) {
        item.taken = false;
    }
}

bool RunState::checkpointReached() const {
    return std::any_of(items.begin(), items.end(), [](const Item& item) { return item.reached; });
}
