#pragma once

#include <string>
#include <vector>

#include "render/Vertex.h"

// Reads "assets/OBJFiles/<name>.obj" into one vertex per face corner, in file order.
// Throws std::runtime_error when the file cannot be opened, and when a face would reach
// outside the file's lists or is not a triangle of "p/t/n" or "p//n" corners.
std::vector<Vertex> loadObj(const std::string& name);

// The same, from text already in memory; `name` only labels the errors.
std::vector<Vertex> parseObj(const std::string& text, const std::string& name);
