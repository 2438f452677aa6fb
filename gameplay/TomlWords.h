#pragma once

#include <string>
#include <string_view>

// What toml++ says of a file that is no TOML, in the words of the level format where its own
// would leave an author guessing ("cannot redefine existing array 'at'" is "at is given
// twice"); any other description as it is.
std::string tomlErrorInFormatWords(std::string_view description);
