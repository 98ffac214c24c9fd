#version 330 core
// One trail sample, handed on to the geometry shader that widens each pair of samples into a ribbon segment.

layout(location = 0) in vec3 position;
layout(location = 12) in float angle;
layout(location = 13) in float width;
layout(location = 14) in vec2 times;  // lifetime, age
layout(location = 10) in vec4 colour;
layout(location = 15) in float tail;

out float vAngle;
out float vWidth;
out vec2 vTimes;
out vec4 vColour;
out float vTail;

void main() {
    gl_Position = vec4(position, 1.0);
    vAngle = angle;
    vWidth = width;
    vTimes = times;
    vColour = colour;
    vTail = tail;
}
