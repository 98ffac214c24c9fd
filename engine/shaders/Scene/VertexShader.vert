#version 330 core
// Static models for the G-buffer and forward passes. The matrices arrive as the client built them; their bytes
// are the column-vector matrices of the same transforms, so a point is projection * view * world * p (the
// products are made once per draw). Normals and tangents leave in view space (what the G-buffer stores), the
// position also in view space and in the shadow light's clip space (for the forward pass). Fog is applied
// where the pixels are lit, from their distance to the eye.

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

out vec2 vTexcoord;
out vec3 vNormal;
out vec3 vTangent;
out vec3 vViewPosition;
out vec4 vLightClip;

void main() {
    vec4 p = vec4(position, 1.0);
    vec4 viewPosition = worldView * p;
    mat3 toView = mat3(worldView);
    vNormal = toView * normal;
    vTangent = toView * tangent;
    vTexcoord = texcoord;
    vViewPosition = viewPosition.xyz;
    vLightClip = worldLight * p;
    vec4 clip = worldViewProjection * p;
    // The projection maps depth to 0..1; GL clips -w..w.
    gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
}
