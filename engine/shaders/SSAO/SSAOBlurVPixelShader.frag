#version 330 core
// The vertical half of the ambient-occlusion blur, at half size: five taps weighted 1 4 6 4 1, leaving out taps
// whose geometry lies at another depth (more than 5 % away), so that occlusion does not bleed across edges.

layout(std140) uniform SSAOBuffer {
    mat4 projection;
    mat4 projectionToTexture;
    vec4 offsets[14];
};

uniform sampler2D occlusionInput;  // slot 3: half size
uniform sampler2D sceneDepth;      // slot 4

layout(location = 0) out vec4 openness;

const ivec2 kStep = ivec2(0, 1);
const float kWeights[3] = float[3](6.0, 4.0, 1.0);

float ViewDepth(float depth) {
    return (projection[3][2] - depth * projection[3][3]) / (depth * projection[2][3] - projection[2][2]);
}

void main() {
    ivec2 pixel = ivec2(gl_FragCoord.xy);
    ivec2 last = textureSize(occlusionInput, 0) - 1;
    float centre = texelFetch(occlusionInput, pixel, 0).r;
    float depth = texelFetch(sceneDepth, pixel * 2, 0).r;
    if (depth >= 1.0) {
        openness = vec4(centre, 0.0, 0.0, 1.0);
        return;
    }
    float z = ViewDepth(depth);
    float sum = centre * kWeights[0];
    float total = kWeights[0];
    for (int i = 1; i <= 2; ++i) {
        for (int side = -1; side <= 1; side += 2) {
            ivec2 tap = clamp(pixel + side * i * kStep, ivec2(0), last);
            float tapZ = ViewDepth(texelFetch(sceneDepth, tap * 2, 0).r);
            if (abs(tapZ - z) <= 0.05 * z) {
                sum += texelFetch(occlusionInput, tap, 0).r * kWeights[i];
                total += kWeights[i];
            }
        }
    }
    openness = vec4(sum / total, 0.0, 0.0, 1.0);
}
