#pragma once

#include <filesystem>
#include <string>

#include <glm/glm.hpp>

// Writes "assets/OBJFiles/<name>.obj" below the directory: a closed box from low to high.
void writeBoxModel(const std::filesystem::path& directory, const std::string& name, glm::vec3 low,
                   glm::vec3 high);
