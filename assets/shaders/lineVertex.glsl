#version 450 core

// Lines drawn over the scene in plain colours: the editor's grid and its marks.

layout(location = 0) in vec3 position;
layout(location = 1) in vec3 colour;

out vec3 vs_colour;

uniform mat4 ViewMatrix;
uniform mat4 ProjectionMatrix;

void main()
{
    vs_colour = colour;
    gl_Position = ProjectionMatrix * ViewMatrix * vec4(position, 1.0);
}
