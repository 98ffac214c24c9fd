#version 330 core
// The ordinary look: the texture tinted by the particle's colour, its alpha scaled by the particle's opacity,
// for alpha blending over what lies behind it.

uniform sampler2D particleTexture;

in vec2 gTexcoord;
in vec4 gColour;

out vec4 colour;

void main() {
    colour = texture(particleTexture, gTexcoord) * gColour;
}
