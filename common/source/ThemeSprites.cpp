#include "ThemeSprites.h"

#include <algorithm>

ThemeLayer* themeLayerAt(std::vector<ThemeLayer>& background, std::vector<ThemeLayer>& foreground, int index) {
    if (index < 0)
        return nullptr;
    const auto position = static_cast<std::size_t>(index);
    if (position < background.size())
        return &background[position];
    if (position - background.size() < foreground.size())
        return &foreground[position - background.size()];
    return nullptr;
}

ThemeSprite* findThemeSprite(ThemeLayer& layer, const std::string& name) {
    const auto found = std::ranges::find(layer.themeSprites, name, &ThemeSprite::name);
    return found == layer.themeSprites.end() ? nullptr : &*found;
}

bool removeThemeSprite(ThemeLayer& layer, const std::string& name) {
    const auto found = std::ranges::find(layer.themeSprites, name, &ThemeSprite::name);
    if (found == layer.themeSprites.end())
        return false;
    layer.themeSprites.erase(found);
    return true;
}
