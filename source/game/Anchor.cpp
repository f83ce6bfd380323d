#include "game/Anchor.h"

#include "lang/Exception.h"
#include "lang/Format.h"

#include <string>

namespace game {

namespace {

struct VerticalName {
    std::string_view name;
    VerticalAnchor anchor;
};

struct HorizontalName {
    std::string_view name;
    HorizontalAnchor anchor;
};

constexpr VerticalName kVerticalNames[] = {{"TOP", VerticalAnchor::Top},
                                           {"VCENTER", VerticalAnchor::VCenter},
                                           {"BOTTOM", VerticalAnchor::Bottom},
                                           {"BASELINE", VerticalAnchor::Baseline},
                                           {"VPIVOT", VerticalAnchor::VPivot}};

constexpr HorizontalName kHorizontalNames[] = {{"LEFT", HorizontalAnchor::Left},
                                               {"HCENTER", HorizontalAnchor::HCenter},
                                               {"RIGHT", HorizontalAnchor::Right},
                                               {"HPIVOT", HorizontalAnchor::HPivot}};

} // namespace

void applyAnchorName(Anchors& anchors, std::string_view name) {
    if (name.empty())
        return;
    for (const VerticalName& entry : kVerticalNames) {
        if (entry.name == name) {
            anchors.vertical = entry.anchor;
            return;
        }
    }
    for (const HorizontalName& entry : kHorizontalNames) {
        if (entry.name == name) {
            anchors.horizontal = entry.anchor;
            return;
        }
    }
    throw lang::Exception(lang::Format("Invalid anchor: {0}", std::string(name)));
}

} // namespace game
