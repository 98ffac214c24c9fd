#version 330 core
// One point per visible light; the vertex number is the light's index in the light buffer (four RGBA32F texels
// per light: ambient, diffuse, specular, view-space position with the range in w). The light's screen rectangle
// is the projection of the box around its sphere, clipped to the screen: empty when the sphere lies behind
// the eye, the whole screen when the eye is inside the box.

layout(std140) uniform ScreenBuffer {
    vec4 ambient;
    vec4 diffuse;
    vec4 specular;
    vec4 lightDirection;
    vec4 cameraPosition;
    mat4 projection;
    mat4 viewToShadow;
};

uniform samplerBuffer lights;  // slot 7

out vec4 vRectangle;  // left, bottom, right, top in normalised device coordinates
out vec4 vAmbient;
out vec4 vDiffuse;
out vec4 vSpecular;
out vec4 vPositionRange;

void main() {
    int first = gl_VertexID * 4;
    vAmbient = texelFetch(lights, first);
    vDiffuse = texelFetch(lights, first + 1);
    vSpecular = texelFetch(lights, first + 2);
    vPositionRange = texelFetch(lights, first + 3);

    vec3 centre = vPositionRange.xyz;
    float radius = vPositionRange.w;
    vec2 low = vec2(1.0);
    vec2 high = vec2(-1.0);
    bool surrounding = false;
    for (int corner = 0; corner < 8; ++corner) {
        vec3 side = vec3((corner & 1) != 0 ? 1.0 : -1.0, (corner & 2) != 0 ? 1.0 : -1.0,
                         (corner & 4) != 0 ? 1.0 : -1.0);
        vec4 clip = projection * vec4(centre + radius * side, 1.0);
        if (clip.w <= 1e-4) {
            surrounding = true;
            break;
        }
        low = min(low, clip.xy / clip.w);
        high = max(high, clip.xy / clip.w);
    }
    if (centre.z + radius <= 0.0) {
        vRectangle = vec4(1.0, 1.0, -1.0, -1.0);
    } else if (surrounding) {
        vRectangle = vec4(-1.0, -1.0, 1.0, 1.0);
    } else {
        vRectangle = vec4(max(low, vec2(-1.0)), min(high, vec2(1.0)));
    }
    gl_Position = vec4(0.0, 0.0, 0.0, 1.0);
}
