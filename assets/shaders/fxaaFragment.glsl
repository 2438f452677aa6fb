#version 450 core

// Fast approximate anti-aliasing, in one pass over the frame drawn into one colour target.
// A pixel that stands out from its four neighbours in brightness sits on a step of an aliased
// edge: it is blended towards the neighbour across the edge, the more the further it stands
// out, as FXAA's sub-pixel blend does. It reads the frame as shown (sRGB values), where an
// edge's steps are as the eye sees them, and takes green for brightness, as FXAA may.
// Software rendering pays for every read: two gathers bring the five greens, and one filtered
// read between the pixel and its neighbour is the blend itself. There is no search along the
// edge.

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
    vec2 texel = 1.0 / vec2(textureSize(frame, 0));
    vec2 corner = floor(gl_FragCoord.xy);
    // Between four pixels a gather reads all four: west, middle, north (and north-west), then
    // middle, east, south (and south-east).
    vec4 upperLeft = textureGather(frame, (corner + vec2(0.0, 1.0)) * texel, GREEN);
    vec4 lowerRight = textureGather(frame, (corner + vec2(1.0, 0.0)) * texel, GREEN);
    float m = upperLeft.z;
    float n = upperLeft.y;
    float w = upperLeft.w;
    float e = lowerRight.y;
    float s = lowerRight.w;
    float low = min(m, min(min(n, s), min(e, w)));
    float high = max(m, max(max(n, s), max(e, w)));
    float range = high - low;

    float standsOut = clamp(abs(0.25 * (n + s + e + w) - m) / max(range, 1e-6), 0.0, 1.0);
    float blend = smoothstep(0.0, 1.0, standsOut);
    blend *= blend * BLEND_MAX * step(max(CONTRAST_MIN, high * CONTRAST_SHARE), range);

    // A horizontal edge changes most from north to south; across it lies the steeper side.
    bool horizontal = abs(n + s - 2.0 * m) >= abs(e + w - 2.0 * m);
    vec2 toNeighbour = horizontal ? vec2(0.0, abs(n - m) >= abs(s - m) ? 1.0 : -1.0)
                                  : vec2(abs(e - m) >= abs(w - m) ? 1.0 : -1.0, 0.0);
    vec2 centre = gl_FragCoord.xy + toNeighbour * blend;
    fs_color = vec4(textureLod(frame, centre * texel, 0.0).rgb, 1.0);
}
