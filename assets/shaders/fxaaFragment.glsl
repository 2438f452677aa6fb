#version 450 core

// Fast approximate anti-aliasing, in one pass over the frame drawn into one colour target:
// where the brightness changes sharply across a pixel, the pixel is blended with its
// neighbours along the edge, in the edge's own direction. It reads the frame as shown (sRGB
// values), where an edge's steps are as the eye sees them.

const vec3 LUMA = vec3(0.299, 0.587, 0.114);
// The smallest and largest pull of the edge's direction, and how far along it the blend
// reaches, in pixels.
const float REDUCE_SHARE = 1.0 / 8.0;
const float REDUCE_MIN = 1.0 / 128.0;
const float SPAN_MAX = 8.0;

out vec4 fs_color;

uniform sampler2D frame;

vec3 at(vec2 uv)
{
    return textureLod(frame, uv, 0.0).rgb;
}

void main()
{
    vec2 texel = 1.0 / vec2(textureSize(frame, 0));
    vec2 uv = gl_FragCoord.xy * texel;
    // Each corner sample lies between four pixels and, filtered, averages them.
    float lumaNW = dot(at(uv + vec2(-0.5, 0.5) * texel), LUMA);
    float lumaNE = dot(at(uv + vec2(0.5, 0.5) * texel), LUMA);
    float lumaSW = dot(at(uv + vec2(-0.5, -0.5) * texel), LUMA);
    float lumaSE = dot(at(uv + vec2(0.5, -0.5) * texel), LUMA);
    vec3 middle = at(uv);
    float lumaM = dot(middle, LUMA);
    float lumaMin = min(lumaM, min(min(lumaNW, lumaNE), min(lumaSW, lumaSE)));
    float lumaMax = max(lumaM, max(max(lumaNW, lumaNE), max(lumaSW, lumaSE)));

    // Across the brightness change, turned a quarter: along the edge.
    vec2 direction = vec2(-((lumaNW + lumaNE) - (lumaSW + lumaSE)),
                          (lumaNW + lumaSW) - (lumaNE + lumaSE));
    float reduce = max((lumaNW + lumaNE + lumaSW + lumaSE) * 0.25 * REDUCE_SHARE, REDUCE_MIN);
    float scale = 1.0 / (min(abs(direction.x), abs(direction.y)) + reduce);
    direction = clamp(direction * scale, -SPAN_MAX, SPAN_MAX) * texel;

    vec3 near = 0.5 * (at(uv - direction * (1.0 / 6.0)) + at(uv + direction * (1.0 / 6.0)));
    vec3 wide = near * 0.5 + 0.25 * (at(uv - direction * 0.5) + at(uv + direction * 0.5));
    float lumaWide = dot(wide, LUMA);
    // A wide blend that leaves the pixel's range has crossed another edge: the near one holds.
    fs_color = vec4(lumaWide < lumaMin || lumaWide > lumaMax ? near : wide, 1.0);
}
