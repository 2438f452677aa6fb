#version 450 core

out vec4 fs_color;

const vec4 OUTLINE_COLOR = vec4(0.05, 0.04, 0.08, 1.0);

void main()
{
    fs_color = OUTLINE_COLOR;
}
