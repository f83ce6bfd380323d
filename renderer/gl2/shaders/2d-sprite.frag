#version 120
uniform sampler2D BASEMAP;
varying vec2 v_texcoord;
varying vec4 v_colour;

void main() {
    gl_FragColor = texture2D(BASEMAP, v_texcoord) * v_colour;
}
