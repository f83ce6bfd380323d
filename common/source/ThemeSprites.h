#pragma once

#include "ThemeLayer.h"

#include <string>
#include <vector>

/// The layer that `index` counts to when the background layers come first and the foreground
/// layers follow them (0 is the first background layer); null when there is no such layer.
ThemeLayer* themeLayerAt(std::vector<ThemeLayer>& background, std::vector<ThemeLayer>& foreground, int index);

/// The first sprite placed on `layer` whose name is exactly `name`, or null.
ThemeSprite* findThemeSprite(ThemeLayer& layer, const std::string& name);

/// Removes the first sprite placed on `layer` whose name is exactly `name`, keeping the others
/// in their order; false when there is none.
bool removeThemeSprite(ThemeLayer& layer, const std::string& name);
