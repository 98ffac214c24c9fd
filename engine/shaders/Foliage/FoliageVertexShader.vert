#version 330 core
// One blade's root: world x and z on the floor, the mask cell's brightness (which sets the blade's height) and
// the two random numbers that placed it, handed on to the geometry shader that grows the blade.

layout(location = 0) in vec3 position;  // x, brightness, z
layout(location = 1) in vec2 offset;

out float vBrightness;
out vec2 vOffset;

void main() {
    gl_Position = vec4(position.x, 0.0, position.z, 1.0);
    vBrightness = position.y;
    vOffset = offset;
}
