#pragma once

namespace ads {

/// Told by an advertising service what its expandable advertisement does.
class ExpandableListener {
public:
    virtual ~ExpandableListener() = default;
    /// The advertisement is about to expand.
    virtual void expandableWillExpand() = 0;
    /// The advertisement was hidden.
    virtual void expandableHidden() = 0;
    /// The advertisement's size changed, in pixels.
    virtual void expandableSizeChanged(int width, int height) = 0;
    /// A request ended; `success` tells whether an advertisement is ready.
    virtual void expandableRequestFinished(bool success) = 0;
};

} // namespace ads
