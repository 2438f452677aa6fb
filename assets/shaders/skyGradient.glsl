#version 450 core

// The enhanced look's sky, in linear light: the sky colour at the horizon, deepening towards
// the zenith; below the horizon the void keeps the horizon's colour. The sky behind the scene
// and the fog in front of it both come from here, so that the far end of a level fades into
// the very colour behind it.

uniform vec3 skyHorizon;
uniform vec3 skyZenith;

vec3 skyToward(vec3 direction)
{
    float elevation = max(direction.y, 0.0) * inversesqrt(max(dot(direction, direction), 1e-12));
    // Eased out: most of the change lies in the lower sky, where the view mostly looks.
    float below = 1.0 - elevation;
    return mix(skyHorizon, skyZenith, 1.0 - below * below * below);
}
