#version 120
// The vertex colour faded by ALPHA_FACTOR (0 to 1; must be set).
uniform float ALPHA_FACTOR;
varying vec4 v_colour;

void main() {
    gl_FragColor = v_colour * ALPHA_FACTOR;
}
