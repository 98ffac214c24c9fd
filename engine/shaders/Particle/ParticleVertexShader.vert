#version 330 core
// One particle of an emitter's vertex buffer, handed on to the geometry shader that turns it into a sprite.

layout(location = 0) in vec3 position;
layout(location = 11) in vec2 size;
layout(location = 10) in vec4 colour;
layout(location = 12) in float rotation;

out vec2 vSize;
out vec4 vColour;
out float vRotation;

void main() {
    gl_Position = vec4(position, 1.0);
    vSize = size;
    vColour = colour;
    vRotation = rotation;
}
