#version 120
// BASEMAP1 at TEXCOORD1 shown through the alpha of BASEMAP (the quad's own image) at TEXCOORD0,
// faded by ALPHA_FACTOR (0 to 1; must be set). A quad drawn with one set of coordinates has the
// same in both.
uniform sampler2D BASEMAP;
uniform sampler2D BASEMAP1;
uniform float ALPHA_FACTOR;
varying vec2 v_texcoord;
varying vec2 v_texcoord1;
varying vec4 v_colour;

void main() {
    float mask = texture2D(BASEMAP, v_texcoord).a;
    gl_FragColor = texture2D(BASEMAP1, v_texcoord1) * (mask * ALPHA_FACTOR) * v_colour;
}
