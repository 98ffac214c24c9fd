#version 330 core
// Skinned models: each vertex follows up to four bones, the first three with the weights it carries and the
// fourth with what is left of 1. Bone matrices are used as given (not transposed), like every other matrix.
// Indices past the 30 matrices of the block read the last one.

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

layout(std140) uniform Bones {
    mat4 bones[30];
};

layout(location = 0) in vec3 position;
layout(location = 1) in vec2 texcoord;
layout(location = 2) in vec3 normal;
layout(location = 3) in vec3 tangent;
layout(location = 4) in vec3 weights;
layout(location = 5) in uvec4 boneIndices;

out vec2 vTexcoord;
out vec3 vNormal;
out vec3 vTangent;
out vec3 vViewPosition;
out vec4 vLightClip;

void main() {
    uvec4 index = min(boneIndices, uvec4(29u));
    float rest = 1.0 - weights.x - weights.y - weights.z;
    mat4 skin = weights.x * bones[index.x] + weights.y * bones[index.y] + weights.z * bones[index.z] +
                rest * bones[index.w];
    vec4 p = skin * vec4(position, 1.0);
    vec4 viewPosition = worldView * p;
    mat3 toView = mat3(worldView);
    mat3 turn = mat3(skin);
    vNormal = toView * (turn * normal);
    vTangent = toView * (turn * tangent);
    vTexcoord = texcoord;
    vViewPosition = viewPosition.xyz;
    vLightClip = worldLight * p;
    vec4 clip = worldViewProjection * p;
    gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
}
