#pragma once

namespace ads {

/// Told by an advertising service what its banner advertisement does.
class BannerListener {
public:
    virtual ~BannerListener() = default;
    /// The banner was hidden.
    virtual void bannerHidden() = 0;
    /// The banner's size changed, in pixels.
    virtual void bannerSizeChanged(int width, int height) = 0;
    /// A banner request ended; `success` tells whether a banner is ready.
    virtual void bannerRequestFinished(bool success) = 0;
};

} // namespace ads
