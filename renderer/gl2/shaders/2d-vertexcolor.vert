#version 120
// Untextured primitives (lines, filled rectangles): the vertex colour, premultiplied.
uniform mat4 PROJTM;
attribute vec2 POSITION;
attribute vec4 COLOR;
varying vec4 v_colour;

void main() {
    v_colour = COLOR;
    gl_Position = PROJTM * vec4(POSITION, 0.0, 1.0);
}
