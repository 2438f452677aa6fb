#version 450 core

out vec4 fs_color;

const vec4 OUTLINE_COLOR = vec4(0.05, 0.04, 0.08, 1.0);

void main()
{
#ifdef ENHANCED
    // The enhanced look's framebuffer encodes what it is given: the colour goes in as light.
    fs_color = vec4(pow(OUTLINE_COLOR.rgb, vec3(2.2)), OUTLINE_COLOR.a);
#else
    fs_color = OUTLINE_COLOR;
#endif
}
