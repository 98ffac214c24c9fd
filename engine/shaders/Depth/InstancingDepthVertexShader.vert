#version 330 core
// Repeated static models seen from the shadow light: each instance's world matrix in place of the draw's.

layout(std140) uniform DepthMatrices {
    mat4 world;
    mat4 lightView;
    mat4 lightProjection;
    mat4 worldLight;  // world into the light's clip space, made once per draw (the identity's for instances)
};

layout(location = 0) in vec3 position;
layout(location = 1) in vec2 texcoord;
layout(location = 6) in mat4 instanceWorld;  // locations 6 to 9

out vec2 vTexcoord;

void main() {
    vec4 clip = worldLight * (instanceWorld * vec4(position, 1.0));
    vTexcoord = texcoord;
    gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
}
