#pragma once

#include <string_view>

namespace game {

/// Where a drawing's reference point lies vertically. The numbers are the ones scripts and
/// resource files use.
enum class VerticalAnchor { Top = 0, VCenter = 1, Bottom = 2, Baseline = 3, VPivot = 4 };

/// Where a drawing's reference point lies horizontally.
enum class HorizontalAnchor { Left = 0, HCenter = 1, Right = 2, HPivot = 3 };

/// The two anchors of one drawing call.
struct Anchors {
    VerticalAnchor vertical = VerticalAnchor::VPivot;
    HorizontalAnchor horizontal = HorizontalAnchor::HPivot;
};

/// The pivot of the sprite at the drawing position: how the scene draws its pictures.
inline constexpr Anchors kAtPivot{};

/// Applies one anchor name ("TOP", "VCENTER", "BOTTOM", "BASELINE", "VPIVOT", "LEFT", "HCENTER",
/// "RIGHT", "HPIVOT") to the axis it names; an empty name changes nothing. Raises
/// `lang::Exception` "Invalid anchor: {0}" for any other text.
void applyAnchorName(Anchors& anchors, std::string_view name);

} // namespace game
