#version 330 core
// Depth of field, second half: the horizontally blurred image blurred vertically, blended over the sharp frame by
// the blur amount the first half stored in alpha. Sharp pixels are copied.

uniform sampler2D image;       // slot 3: the composed frame
uniform sampler2D horizontal;  // slot 4: the first half's result

layout(location = 0) out vec4 colour;

// The colour at uv, linearly filtered between the texels around it.
vec3 Tap(vec2 uv) {
    return textureLod(horizontal, uv, 0.0).rgb;
}

void main() {
    ivec2 pixel = ivec2(gl_FragCoord.xy);
    vec4 sharp = texelFetch(image, pixel, 0);
    float amount = texelFetch(horizontal, pixel, 0).a;
    if (amount <= 0.0) {
        colour = sharp;
        return;
    }
    vec2 size = vec2(textureSize(horizontal, 0));
    vec2 texel = vec2(0.0, 1.0 / size.y);
    vec2 uv = gl_FragCoord.xy / size;
    vec3 sum = Tap(uv) * 0.3;
    sum += (Tap(uv - 1.5 * texel) + Tap(uv + 1.5 * texel)) * 0.225;
    sum += (Tap(uv - 3.5 * texel) + Tap(uv + 3.5 * texel)) * 0.125;
    colour = vec4(mix(sharp.rgb, sum, amount), sharp.a);
}
