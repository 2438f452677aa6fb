#version 450 core

// A soft dark disc, cut off where the surface's top ends: a shadow never hangs in the air.

// The share of the radius that is fully dark; beyond it the disc fades out to its rim.
const float CORE = 0.45;

in vec2 vs_offset;
in vec2 vs_ground;

out vec4 fs_color;

uniform float opacity;
uniform vec2 surfaceLow;
uniform vec2 surfaceHigh;

void main()
{
    vec2 inside = step(surfaceLow, vs_ground) * step(vs_ground, surfaceHigh);
    float darkness = opacity * inside.x * inside.y
                   * (1.0 - smoothstep(CORE, 1.0, length(vs_offset)));
    if (darkness <= 0.0)
        discard;
    fs_color = vec4(0.0, 0.0, 0.0, darkness);
}
