#pragma once

#include <string>

// Replaces the first "#version" directive's number with `version` (such as "450"): the
// twelve characters from the directive on, but never past the end of its line. Returns
// false, leaving the text as it is, when there is no directive.
bool rewriteVersionDirective(std::string& source, const std::string& version);
