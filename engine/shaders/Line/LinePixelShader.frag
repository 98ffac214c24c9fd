#version 330 core
// The line colour.

layout(std140) uniform LineColour {
    vec4 lineColour;  // red, green, blue, 1
};

out vec4 colour;

void main() {
    colour = lineColour;
}
