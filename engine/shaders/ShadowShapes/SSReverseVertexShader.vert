#version 330 core
// The line-of-sight overlay's geometry: seen through the camera, and also projected into the visibility
// texture. The scene block carries the camera in view and projection, and the visibility texture's view and
// projection in place of the shadow light's.

layout(std140) uniform SceneMatrices {
    mat4 world;
    mat4 view;
    mat4 projection;
    mat4 visibilityView;
    mat4 visibilityProjection;
    // Made once per draw from the world matrix.
    mat4 worldView;
    mat4 worldViewProjection;
    mat4 worldVisibility;  // into the visibility texture's clip space
};

layout(location = 0) in vec3 position;
layout(location = 1) in vec2 texcoord;

out vec2 vTexcoord;
out vec4 vVisibilityClip;

void main() {
    vec4 p = vec4(position, 1.0);
    vVisibilityClip = worldVisibility * p;
    vTexcoord = texcoord;
    vec4 clip = worldViewProjection * p;
    gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
}
