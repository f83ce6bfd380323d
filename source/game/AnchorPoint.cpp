#include "game/AnchorPoint.h"

namespace game {

AnchorOffset anchorOffset(Anchors anchors, int width, int height, int pivotX, int pivotY) {
    AnchorOffset offset;
    switch (anchors.vertical) {
    case VerticalAnchor::Top:
        break;
    case VerticalAnchor::VCenter:
        offset.y = height >> 1;
        break;
    case VerticalAnchor::Bottom:
        offset.y = height;
        break;
    case VerticalAnchor::Baseline:
    case VerticalAnchor::VPivot:
        offset.y = pivotY;
        break;
    }
    switch (anchors.horizontal) {
    case HorizontalAnchor::Left:
        break;
    case HorizontalAnchor::HCenter:
        offset.x = width >> 1;
        break;
    case HorizontalAnchor::Right:
        offset.x = width;
        break;
    case HorizontalAnchor::HPivot:
        offset.x = pivotX;
        break;
    }
    return offset;
}

} // namespace game
