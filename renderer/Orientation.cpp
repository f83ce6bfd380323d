#include "renderer/Orientation.h"

namespace gr {

Point windowToContext(int orientation, float width, float height, Point window) {
    switch (orientation) {
    case 1:
        return {window.y, height - window.x};
    case 2:
        return {width - window.x, height - window.y};
    case 3:
        return {width - window.y, window.x};
    default:
        return window;
    }
}

Point contextToWindow(int orientation, float width, float height, Point context) {
    switch (orientation) {
    case 1:
        return {height - context.y, context.x};
    case 2:
        return {width - context.x, height - context.y};
    case 3:
        return {context.y, width - context.x};
    default:
        return context;
    }
}

} // namespace gr
