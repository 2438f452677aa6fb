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
const float SHININESS = 32.0;
const float CEL_BANDS = 4.0;
// A faint fill from the sky above and the void below keeps faces that no lamp reaches readable.
const vec3 SKY_FILL = vec3(0.30, 0.31, 0.42);
const vec3 GROUND_FILL = vec3(0.10, 0.09, 0.12);
// Exponential-squared fog: barely any near the player, the far end of the level fades.
const float FOG_DENSITY = 0.012;
const float FOG_GRADIENT = 1.6;

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

    for (int i = 0; i < NR_POINT_LIGHTS; i++)
    {
        PointLight light = pointLights[i];
        if (light.intensity <= 0.0)
            continue;
        vec3 toLight = light.position - vs_position;
        float distance = length(toLight);
        toLight /= distance;
        float attenuation = light.intensity /
            (light.constant + light.linear * distance + light.quadratic * distance * distance);

        float diffuse = shade(max(dot(normal, toLight), 0.0));
        diffuseLight += diffuse * attenuation * light.color;

        if (specular == 1)
        {
            vec3 halfway = normalize(toLight + toCamera);
            float highlight = shade(pow(max(dot(normal, halfway), 0.0), SHININESS));
            specularLight += highlight * attenuation * light.color;
        }
    }

    vec3 base = texel.rgb * vs_color;
    vec3 specularMap = texture(material.specularTex, vs_texcoord).rgb;
    vec3 fill = mix(GROUND_FILL, SKY_FILL, normal.y * 0.5 + 0.5);
    vec3 color = base * (material.ambient + fill + material.diffuse * diffuseLight)
               + material.specular * specularMap * specularLight;

    float distanceToCamera = length(cameraPos - vs_position);
    float visibility = clamp(exp(-pow(distanceToCamera * FOG_DENSITY, FOG_GRADIENT)), 0.0, 1.0);
    color = mix(skyColor, color, visibility) + brightness;

    fs_color = vec4(color, alpha);
}
