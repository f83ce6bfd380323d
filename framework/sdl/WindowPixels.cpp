#include "framework/sdl/WindowPixels.h"

#include <cmath>

namespace framework::sdl::pixels {
namespace {

float simulated = 0.0f;

SDL_Point windowSize(SDL_Window* window) {
    SDL_Point size{};
    SDL_GetWindowSize(window, &size.x, &size.y);
    return size;
}

// Drawable pixels per window point on each axis.
SDL_FPoint ratio(SDL_Window* window) {
    const SDL_Point points = windowSize(window);
    const SDL_Point drawable = drawableSize(window);
    if (points.x <= 0 || points.y <= 0)
        return {1.0f, 1.0f};
    return {static_cast<float>(drawable.x) / points.x, static_cast<float>(drawable.y) / points.y};
}

} // namespace

SDL_Point drawableSize(SDL_Window* window) {
    if (simulated > 0.0f) {
        const SDL_Point points = windowSize(window);
        return {static_cast<int>(std::lround(points.x * simulated)),
                static_cast<int>(std::lround(points.y * simulated))};
    }
    SDL_Point size{};
    SDL_GL_GetDrawableSize(window, &size.x, &size.y);
    return size;
}

SDL_Point fromPoints(SDL_Window* window, int x, int y) {
    const SDL_FPoint scale = ratio(window);
    return {static_cast<int>(std::floor(x * scale.x)), static_cast<int>(std::floor(y * scale.y))};
}

SDL_Point toPoints(SDL_Window* window, int x, int y) {
    const SDL_FPoint scale = ratio(window);
    return {static_cast<int>(std::lround(x / scale.x)), static_cast<int>(std::lround(y / scale.y))};
}

void simulateRatio(float ratio) { simulated = ratio; }

} // namespace framework::sdl::pixels
