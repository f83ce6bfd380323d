#pragma once

#include <SDL.h>

/// The one place where window points become drawable pixels. SDL reports mouse positions and
/// takes window sizes in window points, while OpenGL draws in drawable pixels; on a scaled
/// (high-DPI) display the two differ. Everything the application sees is in drawable pixels.
namespace framework::sdl::pixels {

/// The size of `window`'s drawable, in pixels.
SDL_Point drawableSize(SDL_Window* window);

/// A position in window points of `window` (a mouse position), in drawable pixels; rounded
/// down.
SDL_Point fromPoints(SDL_Window* window, int x, int y);

/// A position or size in drawable pixels of `window`, in window points (to the nearest point).
SDL_Point toPoints(SDL_Window* window, int x, int y);

/// For tests, since no test display is scaled: with a `ratio` above 0 every window has `ratio`
/// drawable pixels per window point (its drawable is its window size times `ratio`); 0 measures
/// the window again. Main thread only.
void simulateRatio(float ratio);

} // namespace framework::sdl::pixels
