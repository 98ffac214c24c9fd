#version 330 core
// The fire look: the texture tinted by the particle's colour and weighted by its opacity, for additive
// blending (each fire particle adds its light to what lies behind it).

uniform sampler2D particleTexture;

in vec2 gTexcoord;
in vec4 gColour;

out vec4 colour;

void main() {
    vec4 texel = texture(particleTexture, gTexcoord);
    float opacity = texel.a * gColour.a;
    colour = vec4(texel.rgb * gColour.rgb * opacity, opacity);
}
