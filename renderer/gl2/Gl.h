#pragma once

// OpenGL 2.1 plus framebuffer objects, called directly through the system's libGL, which
// dispatches to the context SDL made current (GLX under X11, EGL for the offscreen driver).
#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>
