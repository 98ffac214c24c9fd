#version 330 core
// The sudden-death sheet: world positions (the sheet is built in world space) seen through the camera, with
// the sheet's colour (white with the sheet's current opacity) handed on.

layout(std140) uniform SheetBuffer {
    mat4 view;
    mat4 projection;
    vec4 sheetColour;
};

layout(location = 0) in vec3 position;
layout(location = 1) in vec2 uv;

out vec2 vTexcoord;
out vec4 vColour;

void main() {
    vec4 clip = projection * view * vec4(position, 1.0);
    gl_Position = vec4(clip.x, clip.y, 2.0 * clip.z - clip.w, clip.w);
    vTexcoord = uv;
    vColour = sheetColour;
}
