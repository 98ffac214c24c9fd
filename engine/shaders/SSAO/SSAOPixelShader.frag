#version 330 core
// Ambient occlusion into the half-size target (the viewport stays full size, so only the lower-left quarter of
// it has pixels; texture coordinates come from the pixel and the half size). Around each point, 14 offsets
// turned by a random vector per pixel and kept on the normal's side probe the depth buffer: a probe that lands
// behind nearer geometry counts as occluded, the more so the closer that geometry is and the more it faces the
// normal. Pixels without geometry are open (1).

layout(std140) uniform SSAOBuffer {
    mat4 projection;
    mat4 projectionToTexture;  // view space to texture coordinates (divide by w)
    vec4 offsets[14];
};

uniform sampler2D normals;        // slot 3: G-buffer 1
uniform sampler2D sceneDepth;     // slot 4: outside the screen it reads depth 0
uniform sampler2D randomVectors;  // slot 5: wrapped

layout(location = 0) out vec4 openness;

const float kRadius = 0.5;
const float kFadeStart = 0.2;
const float kFadeEnd = 2.0;
const float kSurfaceEpsilon = 0.05;

float ViewDepth(float depth) {
    return (projection[3][2] - depth * projection[3][3]) / (depth * projection[2][3] - projection[2][2]);
}

vec3 ViewPosition(vec2 ndc, float depth) {
    float viewZ = ViewDepth(depth);
    float w = projection[2][3] * viewZ + projection[3][3];
    return vec3((ndc.x * w - projection[2][0] * viewZ - projection[3][0]) / projection[0][0],
                (ndc.y * w - projection[2][1] * viewZ - projection[3][1]) / projection[1][1], viewZ);
}

// How much geometry distZ nearer to the eye than the point occludes it: fully up to the fade start, not at all
// beyond the fade end, and not when it is the surface itself.
float OcclusionAt(float distZ) {
    if (distZ <= kSurfaceEpsilon) {
        return 0.0;
    }
    return clamp((kFadeEnd - distZ) / (kFadeEnd - kFadeStart), 0.0, 1.0);
}

void main() {
    ivec2 pixel = ivec2(gl_FragCoord.xy) * 2;
    ivec2 fullSize = textureSize(sceneDepth, 0);
    float depth = texelFetch(sceneDepth, pixel, 0).r;
    if (depth >= 1.0) {
        openness = vec4(1.0);
        return;
    }
    vec3 p = ViewPosition((vec2(pixel) + 0.5) / vec2(fullSize) * 2.0 - 1.0, depth);
    vec3 n = normalize(texelFetch(normals, pixel, 0).xyz * 2.0 - 1.0);
    ivec2 tile = textureSize(randomVectors, 0);
    vec3 random = texelFetch(randomVectors, ivec2(gl_FragCoord.xy) % tile, 0).xyz * 2.0 - 1.0;
    float randomSquared = dot(random, random);
    random = randomSquared > 1e-4 ? random * inversesqrt(randomSquared) : vec3(0.0, 0.0, 1.0);

    float occlusion = 0.0;
    for (int i = 0; i < 14; ++i) {
        vec3 offset = reflect(offsets[i].xyz, random);
        vec3 q = p + (dot(offset, n) < 0.0 ? -kRadius : kRadius) * offset;
        vec4 probe = projectionToTexture * vec4(q, 1.0);
        vec2 probeUV = probe.xy / probe.w;
        // One texel per probe; off the screen the depth reads 0, as the border sampler gives.
        bool inside = all(greaterThanEqual(probeUV, vec2(0.0))) && all(lessThan(probeUV, vec2(1.0)));
        float probeDepth = inside ? texelFetch(sceneDepth, ivec2(probeUV * vec2(fullSize)), 0).r : 0.0;
        float nearestZ = ViewDepth(probeDepth);
        vec3 r = (nearestZ / q.z) * q;
        vec3 towards = r - p;
        float distance = length(towards);
        float facing = distance > 1e-4 ? max(dot(n, towards / distance), 0.0) : 0.0;
        occlusion += facing * OcclusionAt(p.z - r.z);
    }
    float open = clamp(1.0 - occlusion / 14.0, 0.0, 1.0);
    openness = vec4(open * open, 0.0, 0.0, 1.0);
}
