#version 450 core

in vec2 vs_clip;

out vec4 fs_color;

uniform mat4 inverseViewProjection;
uniform vec3 cameraPos;

vec3 skyToward(vec3 direction);

void main()
{
    vec4 far = inverseViewProjection * vec4(vs_clip, 1.0, 1.0);
    fs_color = vec4(skyToward(far.xyz / far.w - cameraPos), 1.0);
}
