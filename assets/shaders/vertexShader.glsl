#version 450 core

layout (location = 0) in vec3 vertex_position;
layout (location = 1) in vec3 vertex_color;
layout (location = 2) in vec2 vertex_texcoord;
layout (location = 3) in vec3 vertex_normal;

out vec3 vs_position;
out vec3 vs_color;
out vec2 vs_texcoord;
out vec3 vs_normal;

uniform mat4 ModelMatrix;
uniform mat4 ViewMatrix;
uniform mat4 ProjectionMatrix;

void main()
{
    vec4 world = ModelMatrix * vec4(vertex_position, 1.0);
    vs_position = world.xyz;
    vs_color = vertex_color;
    vs_texcoord = vertex_texcoord;
    // The inverse transpose keeps normals perpendicular under any scale.
    vs_normal = mat3(transpose(inverse(ModelMatrix))) * vertex_normal;
    gl_Position = ProjectionMatrix * ViewMatrix * world;
}
