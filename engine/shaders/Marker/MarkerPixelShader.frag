#version 330 core
// The marker's texture, unlit and a little translucent so that the floor under it stays readable.

const float kOpacity = 0.75;

uniform sampler2D markerTexture;

in vec2 vTexcoord;

out vec4 colour;

void main() {
    vec4 texel = texture(markerTexture, vTexcoord);
    colour = vec4(texel.rgb, texel.a * kOpacity);
}
