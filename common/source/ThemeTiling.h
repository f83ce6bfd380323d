#pragma once

/// The tiles of a tiled theme layer: `count` tiles `step` apart, the first with its left edge at
/// `first` (layer pixels).
struct TileRun {
    float first = 0.0f;
    float step = 0.0f;
    int count = 0;
};

/// A layer never draws more tiles than this in one pass, however small its tiles or its scale.
inline constexpr int kMaxTiles = 4096;

/// The tiles that cover the span from `left` to `left + span` on a grid of `step` shifted by
/// `scroll`: the first tile starts at or left of `left`. No tiles when `step` is not positive or
/// the values are not finite (a sprite that is not loaded, a layer of scale 0); at most
/// `kMaxTiles`.
TileRun tileRun(float left, float span, float step, float scroll);
