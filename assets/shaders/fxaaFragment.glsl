#version 450 core

// Fast approximate anti-aliasing, in one pass over the frame drawn into one colour target.
// A pixel that stands out from its four neighbours in brightness sits on a step of an aliased
// edge: it is blended towards the neighbour across the edge, the more the further it stands
// out, as FXAA's sub-pixel blend does. It reads the frame as shown (sRGB values), where an
// edge's steps are as the eye sees them, and takes green for brightness, as FXAA may.
// Software rendering pays for every read, and a filtered or gathered one costs more than a
// plain one: five plain reads bring the pixel and its four neighbours whole, and the blend
// towards the neighbour across the edge is done here, as a filtered read between the two
// would. There is no search along the edge.

// Contrast below the larger of these (absolute, and as a share of the brightest) is no edge.
const float CONTRAST_MIN = 1.0 / 24.0;
const float CONTRAST_SHARE = 1.0 / 8.0;
// The most of the neighbour that a pixel takes.
const float BLEND_MAX = 0.75;
const int GREEN = 1;

out vec4 fs_color;

uniform sampler2D frame;

void main()
{
    ivec2 pixel = ivec2(gl_FragCoord.xy);
    ivec2 last = textureSize(frame, 0) - 1;
    vec3 middle = texelFetch(frame, pixel, 0).rgb;
    vec3 north = texelFetch(frame, min(pixel + ivec2(0, 1), last), 0).rgb;
    vec3 south = texelFetch(frame, max(pixel - ivec2(0, 1), ivec2(0)), 0).rgb;
    vec3 east = texelFetch(frame, min(pixel + ivec2(1, 0), last), 0).rgb;
    vec3 west = texelFetch(frame, max(pixel - ivec2(1, 0), ivec2(0)), 0).rgb;
    float m = middle[GREEN];
    float n = north[GREEN];
    float s = south[GREEN];
    float e = east[GREEN];
    float w = west[GREEN];
    float low = min(m, min(min(n, s), min(e, w)));
    float high = max(m, max(max(n, s), max(e, w)));
    float range = high - low;

    float standsOut = clamp(abs(0.25 * (n + s + e + w) - m) / max(range, 1e-6), 0.0, 1.0);
    float blend = smoothstep(0.0, 1.0, standsOut);
    blend *= blend * BLEND_MAX * step(max(CONTRAST_MIN, high * CONTRAST_SHARE), range);

    // A horizontal edge changes most from north to south; across it lies the steeper side.
    bool horizontal = abs(n + s - 2.0 * m) >= abs(e + w - 2.0 * m);
    vec3 across = horizontal ? (abs(n - m) >= abs(s - m) ? north : south)
                             : (abs(e - m) >= abs(w - m) ? east : west);
    fs_color = vec4(mix(middle, across, blend), 1.0);
}
