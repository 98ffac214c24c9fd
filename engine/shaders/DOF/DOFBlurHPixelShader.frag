#version 330 core
// Depth of field, first half: the focus is the depth at the centre of the screen (where the camera looks).
// Pixels within the focus band keep their colour; the others are blurred horizontally and carry how much blur
// they take (0..1) in alpha for the vertical half, which blends.

layout(std140) uniform ScreenBuffer {
    vec4 ambient;
    vec4 diffuse;
    vec4 specular;
    vec4 lightDirection;
    vec4 cameraPosition;
    mat4 projection;
    mat4 viewToShadow;
};

uniform sampler2D image;       // slot 3: the composed frame
uniform sampler2D sceneDepth;  // slot 4

layout(location = 0) out vec4 blurred;

const float kFocusBand = 6.0;   // world units either side of the focus kept sharp
const float kFocusRamp = 14.0;  // world units over which the blur grows to full

float ViewDepth(float depth) {
    return (projection[3][2] - depth * projection[3][3]) / (depth * projection[2][3] - projection[2][2]);
}

// The colour at uv, linearly filtered between the texels around it.
vec3 Tap(vec2 uv) {
    return textureLod(image, uv, 0.0).rgb;
}

void main() {
    ivec2 pixel = ivec2(gl_FragCoord.xy);
    ivec2 size = textureSize(image, 0);
    float focus = ViewDepth(texelFetch(sceneDepth, size / 2, 0).r);
    float z = ViewDepth(texelFetch(sceneDepth, pixel, 0).r);
    float amount = clamp((abs(z - focus) - kFocusBand) / kFocusRamp, 0.0, 1.0);
    if (amount <= 0.0) {
        blurred = vec4(texelFetch(image, pixel, 0).rgb, 0.0);
        return;
    }
    // Five taps, the outer ones between two texels so that the linear sampler averages pairs.
    vec2 texel = vec2(1.0 / float(size.x), 0.0);
    vec2 uv = gl_FragCoord.xy / vec2(size);
    vec3 sum = Tap(uv) * 0.3;
    sum += (Tap(uv - 1.5 * texel) + Tap(uv + 1.5 * texel)) * 0.225;
    sum += (Tap(uv - 3.5 * texel) + Tap(uv + 3.5 * texel)) * 0.125;
    blurred = vec4(sum, amount);
}
