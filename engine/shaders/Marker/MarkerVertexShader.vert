#version 330 core
// An aim marker: a static model's vertices placed by its world matrix and seen through the camera.

layout(std140) uniform MarkerMatrices {
    mat4 world;
    mat4 view;
    mat4 projection;
};

layout(location = 0) in vec3 position;
layout(location = 1) in vec2 texcoord;

out vec2 vTexcoord;

void main() {
    vec4 clip = projection * view * world * vec4(position, 1.0);
    gl_Position = vec4(clip.x, clip.y, 2.0 * clip.z - clip.w, clip.w);
    vTexcoord = texcoord;
}
