#version 450 core

in vec3 vs_colour;

out vec4 fs_color;

void main()
{
    fs_color = vec4(vs_colour, 1.0);
}
