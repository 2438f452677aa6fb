#pragma once

#include <string>

// Whether the text is a mappings file as GLFW reads one (SDL's gamecontrollerdb.txt): every
// line blank, a comment (#) or a mapping, which is a GUID of 32 hexadecimal digits, a name and
// fields of the form key:value, separated by commas.
bool isMappingsText(const std::string& text);

// Adds the player's gamecontrollerdb.txt, when there is one, to the mappings GLFW has built
// in. A file that cannot be read or is no mappings file is named in one line and ignored
// whole; a missing one is normal. GLFW must be initialised.
void loadGamepadMappings();
