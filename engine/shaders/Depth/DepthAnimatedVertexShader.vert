#version 330 core
// Skinned models seen from the shadow light; skinning as in the scene pass.

layout(std140) uniform DepthMatrices {
    mat4 world;
    mat4 lightView;
    mat4 lightProjection;
    mat4 worldLight;  // world into the light's clip space, made once per draw (the identity's for instances)
};

layout(std140) uniform Bones {
    mat4 bones[30];
};

layout(location = 0) in vec3 position;
layout(location = 1) in vec2 texcoord;
layout(location = 4) in vec3 weights;
layout(location = 5) in uvec4 boneIndices;

out vec2 vTexcoord;

void main() {
    uvec4 index = min(boneIndices, uvec4(29u));
    float rest = 1.0 - weights.x - weights.y - weights.z;
    mat4 skin = weights.x * bones[index.x] + weights.y * bones[index.y] + weights.z * bones[index.z] +
                rest * bones[index.w];
    vec4 clip = worldLight * (skin * vec4(position, 1.0));
    vTexcoord = texcoord;
    gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
}
