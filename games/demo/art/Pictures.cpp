#include "Pictures.h"

namespace art {

std::vector<Picture> allPictures() {
    std::vector<Picture> pictures;
    for (auto* group : {blockPictures, birdPictures, targetPictures, slingshotPictures, meadowPictures, dunesPictures,
                        effectPictures, portalPictures, waterPictures, widgetPictures, iconPictures, logoPictures})
        for (Picture& picture : group())
            pictures.push_back(std::move(picture));
    return pictures;
}

} // namespace art
