#version 120
// Masked quads: the mask BASEMAP at TEXCOORD0 and the picture BASEMAP1 at TEXCOORD1, tinted and
// faded by the vertex colour.
uniform mat4 PROJTM;
attribute vec2 POSITION;
attribute vec2 TEXCOORD0;
attribute vec2 TEXCOORD1;
attribute vec4 COLOR;
varying vec2 v_texcoord;
varying vec2 v_texcoord1;
varying vec4 v_colour;

void main() {
    v_texcoord = TEXCOORD0;
    v_texcoord1 = TEXCOORD1;
    v_colour = COLOR;
    gl_Position = PROJTM * vec4(POSITION, 0.0, 1.0);
}
