#version 330 core

layout (location = 0) in vec3 vertex_position;
layout (location = 3) in vec3 vertex_normal;

uniform mat4 ModelMatrix;

void main()
{
    gl_Position = ModelMatrix * vec4(vertex_position, 1.f);
}
