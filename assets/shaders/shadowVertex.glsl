#version 450 core

// A square lying flat on the surface below the player, made from the vertex's number alone:
// four corners of a triangle strip, counter-clockwise seen from above.

out vec2 vs_offset;
out vec2 vs_ground;

uniform vec3 centre;
uniform float radius;
uniform mat4 ViewMatrix;
uniform mat4 ProjectionMatrix;

void main()
{
    vs_offset = vec2(float(gl_VertexID & 1) * 2.0 - 1.0, 1.0 - float(gl_VertexID >> 1) * 2.0);
    vec3 world = centre + vec3(vs_offset.x, 0.0, vs_offset.y) * radius;
    vs_ground = world.xz;
    gl_Position = ProjectionMatrix * ViewMatrix * vec4(world, 1.0);
}
