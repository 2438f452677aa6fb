#pragma once

#include <string>

// Replaces the first "#version" directive's number with `version` (such as "450"): the
// twelve characters from the directive on, but never past the end of its line. Returns
// false, leaving the text as it is, when there is no directive.
bool rewriteVersionDirective(std::string& source, const std::string& version);

// Puts `definitions` on the lines right after the first "#version" directive, where the
// language allows them; a text without a directive is left as it is.
void addDefinitions(std::string& source, const std::string& definitions);
