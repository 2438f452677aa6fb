#version 450 core

struct Material
{
    vec3 ambient;
    vec3 diffuse;
    vec3 specular;
    sampler2D diffuseTex;
    sampler2D specularTex;
    float transparency;
};

struct PointLight
{
    vec3 position;
    float intensity;
    vec3 color;
    float constant;
    float linear;
    float quadratic;
};

const int NR_POINT_LIGHTS = 9;
const float CEL_BANDS = 4.0;
// Keeps a pixel that sits exactly on a light, or faces straight away from the camera, finite.
const float MIN_SQUARED_DISTANCE = 1e-12;
// A faint fill from the sky above and the void below keeps faces that no lamp reaches readable.
const vec3 SKY_FILL = vec3(0.30, 0.31, 0.42);
const vec3 GROUND_FILL = vec3(0.10, 0.09, 0.12);
// Exponential-squared fog: barely any near the player, the far end of the level fades.
const float FOG_DENSITY = 0.012;
const float FOG_GRADIENT = 1.6;

#ifdef ENHANCED
// The enhanced look lights in linear light: the colour textures arrive decoded from sRGB, the
// game sends the lights' colours and the ambient decoded, and the framebuffer encodes the
// result. The fills above were chosen as sRGB values, and are decoded here once.
const vec3 SKY_FILL_LINEAR = pow(SKY_FILL, vec3(2.2));
const vec3 GROUND_FILL_LINEAR = pow(GROUND_FILL, vec3(2.2));
// Light on the character's outline from behind it, a cool sky light, on the faces that turn
// away from the camera: from where the facing falls below RIM_START to where it grazes.
const vec3 RIM_COLOUR = vec3(0.45, 0.55, 0.9);
const float RIM_START = 0.6;
// The filmic curve's exposure: the scene's light times this before the curve.
const float EXPOSURE = 1.4;

uniform float rim;  // the rim light's strength on the model drawn: 0 but for the character

vec3 skyToward(vec3 direction);  // skyGradient.glsl

// A filmic tone curve (Narkowicz's fit of ACES): a toe that keeps the shadows deep, a
// shoulder that rolls bright light off to white instead of clipping it.
vec3 filmic(vec3 light)
{
    vec3 x = light * EXPOSURE;
    return clamp(x * (2.51 * x + 0.03) / (x * (2.43 * x + 0.59) + 0.14), 0.0, 1.0);
}
#endif

in vec3 vs_position;
in vec3 vs_color;
in vec2 vs_texcoord;
in vec3 vs_normal;

out vec4 fs_color;

uniform Material material;
uniform PointLight pointLights[NR_POINT_LIGHTS];
uniform vec3 cameraPos;
uniform vec3 skyColor;
uniform float brightness;
uniform int celShading;
uniform int specular;

// Hard bands instead of a smooth ramp give the cel-shaded look.
float shade(float amount)
{
    return celShading == 1 ? ceil(amount * CEL_BANDS) / CEL_BANDS : amount;
}

// Adds one light's diffuse and Blinn-Phong terms. The software rasteriser runs both sides of
// every branch, so this is written branch-free and with as few divisions and roots as it can:
// a light that is off sends intensity 0 and adds nothing, and the specular sum is weighed by
// the toggle once at the end. The caller passes a constant index, because indexing the array
// with a loop counter costs a gather per pixel.
void addLight(int i, vec3 normal, vec3 toCamera,
              inout vec3 diffuseLight, inout vec3 specularLight)
{
    vec3 toLight = pointLights[i].position - vs_position;
    float squared = max(dot(toLight, toLight), MIN_SQUARED_DISTANCE);
    float distance = sqrt(squared);
    float falloff = pointLights[i].constant + pointLights[i].linear * distance
                  + pointLights[i].quadratic * squared;
    // One division gives both 1 / distance and 1 / falloff.
    float inverseBoth = 1.0 / (distance * falloff);
    float attenuation = pointLights[i].intensity * distance * inverseBoth;
    toLight *= falloff * inverseBoth;

    float diffuse = shade(max(dot(normal, toLight), 0.0));
    diffuseLight += diffuse * attenuation * pointLights[i].color;

    // (n.h / |h|)^32 as ((n.h)^2 / h.h)^16: no square root, and squarings instead of pow.
    vec3 halfway = toLight + toCamera;
    float facing = max(dot(normal, halfway), 0.0);
    float highlight = facing * facing / max(dot(halfway, halfway), MIN_SQUARED_DISTANCE);
    highlight *= highlight;
    highlight *= highlight;
    highlight *= highlight;
    highlight *= highlight;
    specularLight += shade(highlight) * attenuation * pointLights[i].color;
}

void main()
{
    vec4 texel = texture(material.diffuseTex, vs_texcoord);
    float alpha = texel.a * material.transparency;
    if (alpha < 0.01)
        discard;

    vec3 normal = normalize(vs_normal);
    vec3 toCamera = normalize(cameraPos - vs_position);
    vec3 diffuseLight = vec3(0.0);
    vec3 specularLight = vec3(0.0);
    addLight(0, normal, toCamera, diffuseLight, specularLight);
    addLight(1, normal, toCamera, diffuseLight, specularLight);
    addLight(2, normal, toCamera, diffuseLight, specularLight);
    addLight(3, normal, toCamera, diffuseLight, specularLight);
    addLight(4, normal, toCamera, diffuseLight, specularLight);
    addLight(5, normal, toCamera, diffuseLight, specularLight);
    addLight(6, normal, toCamera, diffuseLight, specularLight);
    addLight(7, normal, toCamera, diffuseLight, specularLight);
    addLight(8, normal, toCamera, diffuseLight, specularLight);
    specularLight *= float(specular == 1);

    vec3 base = texel.rgb * vs_color;
    vec3 specularMap = texture(material.specularTex, vs_texcoord).rgb;
#ifdef ENHANCED
    vec3 fill = mix(GROUND_FILL_LINEAR, SKY_FILL_LINEAR, normal.y * 0.5 + 0.5);
#else
    vec3 fill = mix(GROUND_FILL, SKY_FILL, normal.y * 0.5 + 0.5);
#endif
    vec3 color = base * (material.ambient + fill + material.diffuse * diffuseLight)
               + material.specular * specularMap * specularLight;

    float distanceToCamera = length(cameraPos - vs_position);
    float visibility = clamp(exp(-pow(distanceToCamera * FOG_DENSITY, FOG_GRADIENT)), 0.0, 1.0);
#ifdef ENHANCED
    color += rim * smoothstep(RIM_START, 1.0, 1.0 - max(dot(normal, toCamera), 0.0)) * RIM_COLOUR;
    color = mix(skyToward(vs_position - cameraPos), filmic(color) + brightness, visibility);
#else
    color = mix(skyColor, color, visibility) + brightness;
#endif

    fs_color = vec4(color, alpha);
}
