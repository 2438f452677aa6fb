#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "render/Vertex.h"

// Whether `name` names a model file of its own (a level's), rather than one of the game's
// models by its bare name: it ends in ".obj", in any case. A level's reader takes no other
// name for a model, so that what it accepts the loader reads.
bool namesModelFile(std::string_view name);

// Reads "assets/OBJFiles/<name>.obj", or the file <name> itself when namesModelFile (a
// level's own model), into one vertex per triangle corner, in file order. A
// face of more than three corners becomes a fan of triangles from its first corner; corners
// may be p, p/t, p//n or p/t/n, with indices counting from 1, or back from the end of their
// list at that line when negative. A corner without a texture coordinate reads (0, 0), one
// without a normal takes its face's flat normal. Throws std::runtime_error when the file
// cannot be opened, and, naming the file and the line, when a face reaches outside the
// file's lists or has fewer than three corners.
std::vector<Vertex> loadObj(const std::string& name);

// The same, from text already in memory; `path` only labels the errors.
std::vector<Vertex> parseObj(const std::string& text, const std::string& path);
