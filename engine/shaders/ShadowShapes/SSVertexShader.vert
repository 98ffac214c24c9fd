#version 330 core
// The visibility polygon's fan on the ground, seen straight down from above the viewer through the view-polygon
// and visibility projection matrices (world is the identity).

layout(std140) uniform ShadowShapeMatrices {
    mat4 world;
    mat4 view;
    mat4 projection;
};

layout(location = 0) in vec3 position;

void main() {
    vec4 clip = projection * (view * (world * vec4(position, 1.0)));
    gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
}
