#version 330 core
// The ribbon's texture (along the ribbon by remaining life, across it from edge to edge) tinted by the trail's
// colour and faded by the sample's age.

uniform sampler2D trailTexture;

in vec2 gTexcoord;
in vec4 gColour;

out vec4 colour;

void main() {
    colour = texture(trailTexture, gTexcoord) * gColour;
}
