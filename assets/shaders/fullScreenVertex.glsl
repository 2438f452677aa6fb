#version 450 core

// One triangle over the whole screen, made from the vertex's number alone: no buffer to keep.
// It lies on the far plane, so that with the depth test at less-or-equal it fills only what
// nothing nearer has drawn.

out vec2 vs_clip;

void main()
{
    vs_clip = vec2(float((gl_VertexID & 1) << 2) - 1.0, float((gl_VertexID & 2) << 1) - 1.0);
    gl_Position = vec4(vs_clip, 1.0, 1.0);
}
