#version 330 core
// Both outline passes: the skinned model, pushed outwards on screen by `enlargement` (clip-space units per
// axis) away from where its origin lands. The first pass draws it with enlargement 0 to mark its silhouette in
// the stencil; the second draws it enlarged in the outline colour where the stencil is still 0, which leaves a
// rim of about the same width all round.

layout(std140) uniform OutlineMatrices {
    mat4 world;
    mat4 view;
    mat4 projection;
    vec4 outlineColour;
    vec4 enlargement;  // x and y in normalised device units
    mat4 worldViewProjection;  // made once per draw
};

layout(std140) uniform Bones {
    mat4 bones[30];
};

layout(location = 0) in vec3 position;
layout(location = 4) in vec3 weights;
layout(location = 5) in uvec4 boneIndices;

void main() {
    uvec4 index = min(boneIndices, uvec4(29u));
    float rest = 1.0 - weights.x - weights.y - weights.z;
    mat4 skin = weights.x * bones[index.x] + weights.y * bones[index.y] + weights.z * bones[index.z] +
                rest * bones[index.w];
    vec4 clip = worldViewProjection * (skin * vec4(position, 1.0));
    vec4 origin = worldViewProjection[3];  // where the model's origin lands
    if (clip.w > 0.0 && origin.w > 0.0) {
        vec2 away = clip.xy / clip.w - origin.xy / origin.w;
        float awaySquared = dot(away, away);
        if (awaySquared > 1e-12) {
            clip.xy += away * inversesqrt(awaySquared) * enlargement.xy * clip.w;
        }
    }
    gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
}
