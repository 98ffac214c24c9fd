#version 330 core
// The outline colour.

layout(std140) uniform OutlineMatrices {
    mat4 world;
    mat4 view;
    mat4 projection;
    vec4 outlineColour;
    vec4 enlargement;
    mat4 worldViewProjection;
};

out vec4 colour;

void main() {
    colour = outlineColour;
}
