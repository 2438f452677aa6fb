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
    // Normals need the inverse transpose to stay perpendicular under any scale. The cofactor
    // matrix is that times the determinant: the same directions, which the fragment shader
    // normalises, for three cross products instead of a matrix inverse at every vertex. The
    // determinant's sign keeps a mirrored model's normals facing out.
    mat3 linear = mat3(ModelMatrix);
    mat3 cofactor = mat3(cross(linear[1], linear[2]), cross(linear[2], linear[0]),
                         cross(linear[0], linear[1]));
    vs_normal = cofactor * vertex_normal * sign(dot(linear[0], cofactor[0]));
    gl_Position = ProjectionMatrix * ViewMatrix * world;
}
