#version 450 core

out vec4 fs_color;

void main()
{
    fs_color = vec4(1.0);
}
