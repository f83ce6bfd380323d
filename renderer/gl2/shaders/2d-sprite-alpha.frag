#version 120
// The sprite faded by ALPHA_FACTOR (0 to 1; must be set).
uniform sampler2D BASEMAP;
uniform float ALPHA_FACTOR;
varying vec2 v_texcoord;
varying vec4 v_colour;

void main() {
    gl_FragColor = texture2D(BASEMAP, v_texcoord) * v_colour * ALPHA_FACTOR;
}
