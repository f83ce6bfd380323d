#pragma once

namespace ads {

/// Told by an advertising service what its full-screen advertisement does.
class InterstitialListener {
public:
    virtual ~InterstitialListener() = default;
    /// The advertisement was closed.
    virtual void interstitialHidden() = 0;
    /// A request ended; `success` tells whether an advertisement is ready.
    virtual void interstitialRequestFinished(bool success) = 0;
};

} // namespace ads
