#version 330 core
// Repeated static models: the scene vertex shader with each instance's world matrix in place of the draw's (the
// client hands over the first member's world matrix with the run; every member's is in the instance buffer).

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
layout(location = 1) in vec2 texcoord;
layout(location = 2) in vec3 normal;
layout(location = 3) in vec3 tangent;
layout(location = 6) in mat4 instanceWorld;  // locations 6 to 9, one column each

out vec2 vTexcoord;
out vec3 vNormal;
out vec3 vTangent;
out vec3 vViewPosition;
out vec4 vLightClip;

void main() {
    vec4 p = instanceWorld * vec4(position, 1.0);
    vec4 viewPosition = worldView * p;
    mat3 toView = mat3(worldView);
    mat3 turn = mat3(instanceWorld);
    vNormal = toView * (turn * normal);
    vTangent = toView * (turn * tangent);
    vTexcoord = texcoord;
    vViewPosition = viewPosition.xyz;
    vLightClip = worldLight * p;
    vec4 clip = worldViewProjection * p;
    gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
}
