#pragma once

#include <filesystem>
#include <string>

// How a write went: done, or the reason it was not, in words fit for the console or a panel.
struct WriteResult {
    bool ok = false;
    std::string reason;  // empty when ok
};

// Replaces the file at `target` (an absolute path) with `text` so that, whatever happens, it
// holds either all of its old contents or all of the new: the text goes to a temporary file
// beside the target, reaches the disk, and is then renamed over it. The target's folder is
// created first, with its parents. On a failure the temporary file is removed and the old
// file is left as it was. Never throws.
WriteResult writeFileAtomically(const std::filesystem::path& target, const std::string& text);
