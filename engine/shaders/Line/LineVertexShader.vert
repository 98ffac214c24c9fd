#version 330 core
// Line lists: positions moved by the world matrix and seen through the camera.

layout(std140) uniform SceneMatrices {
    mat4 world;
    mat4 view;
    mat4 projection;
    mat4 lightView;
    mat4 lightProjection;
    // Made once per draw from the world matrix (the identity for instanced draws).
    mat4 worldView;
    mat4 worldViewProjection;
    mat4 worldLight;  // into the light's clip space
};

layout(location = 0) in vec3 position;

void main() {
    vec4 clip = worldViewProjection * vec4(position, 1.0);
    gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
}
