#pragma once

#include <optional>
#include <vector>

#include "gameplay/RecordRun.h"

// The run's time at one checkpoint, set against the best run's there.
struct RunSplit {
    float seconds;  // or kNoSplit
    float best;     // the best run's, or kNoSplit
};

// After a chosen level's win: what the results panel shows until the player picks what comes
// next.
struct RunResults {
    float seconds;
    int points;
    std::optional<float> best;
    bool newBest;
    std::vector<RunSplit> splits;
    std::optional<RunFault> notRecord;  // why the win counts for no record
};
