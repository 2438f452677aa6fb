#pragma once

#include <string>

#include "Mesh.h"

// Writes the mesh as a Wavefront OBJ of p/t/n triangles. Equal positions, texture coordinates
// and normals are written once; numbers have a fixed format so that every run is byte-identical.
// Throws std::runtime_error when the file cannot be written.
void writeObj(const Mesh& mesh, const std::string& name, const std::string& path);
