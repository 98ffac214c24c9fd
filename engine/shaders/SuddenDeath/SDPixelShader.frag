#version 330 core
// The sheet's texture tinted by its colour; its alpha carries the sheet's opacity.

uniform sampler2D sheetTexture;

in vec2 vTexcoord;
in vec4 vColour;

out vec4 colour;

void main() {
    colour = texture(sheetTexture, vTexcoord) * vColour;
}
