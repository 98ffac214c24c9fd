#version 330 core
// Every texel the fan covers is marked as seen: 1 in the visibility texture's single channel (cleared to 0).

layout(location = 0) out float seen;

void main() {
    seen = 1.0;
}
