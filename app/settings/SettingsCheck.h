#pragma once

#include <string>

// Warns, one line each, about what in the settings file at `path` the game would not read as
// its writer meant: a key it does not know, a key given twice (the first stays), an indented
// line that continues the value above, and a section header with blanks inside its brackets,
// whose keys all go unread. `path` names the file in the lines.
void warnAboutSettingsText(const std::string& path, std::string text);
