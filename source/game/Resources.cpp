#include "game/Resources.h"

#include "audio/AudioClip.h"
#include "audio/AudioInput.h"
#include "audio/AudioOutput.h"
#include "game/BitmapFont.h"
#include "game/Container.h"
#include "game/SystemFont.h"
#include "io/PathName.h"
#include "lang/Exception.h"
#include "lang/Format.h"
#include "renderer/Context.h"

#include <algorithm>
#include <array>

namespace game {

namespace {

/// The key a file's resource is kept under: its name without folder and last extension.
std::string baseName(const std::string& file) { return io::PathName(file).getBaseName(); }

float colourComponent(int value) { return static_cast<float>(value & 0xFF) / 255.0f; }

template <class Map> bool holds(const Map& map, const std::string& key) { return map.find(key) != map.end(); }

} // namespace

Resources::Resources(gr::Context& context) : m_context(context) {}

Resources::~Resources() = default;

std::string Resources::resolve(const std::string& file) const { return io::PathName(m_basePath, file).toString(); }

void Resources::createSpriteSheet(const std::string& file, bool reload, bool loadTexture) {
    const std::string key = baseName(file);
    if (!reload && holds(m_spriteSheets, key))
        return;
    store<SpriteSheet>(m_spriteSheets, key, new SpriteSheet(m_context, resolve(file), loadTexture));
}

void Resources::createCompoSpriteSet(const std::string& file, bool reload) {
    const std::string key = baseName(file);
    if (!reload && holds(m_compoSpriteSets, key))
        return;
    store<CompoSpriteSet>(m_compoSpriteSets, key, new CompoSpriteSet(ContainerFile::openBundle(resolve(file)), *this));
}

void Resources::createBitmapFont(const std::string& file, bool reload) {
    const std::string key = baseName(file);
    if (!reload && holds(m_fonts, key))
        return;
    m_fonts[key] = new BitmapFont(m_context, resolve(file));
}

void Resources::createSystemFont(const std::string& name, const std::string& family, int size, int alpha, int red,
                                 int green, int blue, int style, bool reload) {
    if (!reload && holds(m_fonts, name))
        return;
    const std::array<float, 4> colour{colourComponent(red), colourComponent(green), colourComponent(blue),
                                      colourComponent(alpha)};
    m_fonts[name] = new SystemFont(m_context, family, size, colour, style);
}

void Resources::createTextGroupSet(const std::string& file, bool reload) {
    const std::string key = baseName(file);
    if (!reload && holds(m_textGroupSets, key))
        return;
    lang::Ref<TextGroupSet> set = new TextGroupSet(resolve(file));
    set->readLanguages();
    m_textGroupSets[key] = set;
}

void Resources::captureSprite(const std::string& name) {
    const auto existing = m_spriteSheets.find(name);
    if (existing != m_spriteSheets.end() && existing->second->texture()) {
        const lang::Ref<gr::Image> texture = existing->second->texture();
        // A frame of another size comes back in a new texture, which the old sprite cannot cover.
        if (m_context.captureFrame(texture) == texture)
            return;
    }
    const lang::Ref<gr::Image> image = m_context.captureFrame(nullptr);
    if (!image)
        throw lang::Exception(lang::Format("captureSprite: the frame could not be captured into \"{0}\"", name));
    lang::Ref<SpriteSheet> sheet = new SpriteSheet(image);
    sheet->addSprite(name, 0, 0, static_cast<std::int16_t>(image->width()), static_cast<std::int16_t>(image->height()),
                     0, 0);
    store(m_spriteSheets, name, sheet);
}

void Resources::releaseSpriteSheet(const std::string& file, bool textureOnly) {
    const auto found = m_spriteSheets.find(baseName(file));
    if (found == m_spriteSheets.end())
        return;
    unindex(*found->second);
    if (textureOnly)
        found->second->releaseTexture();
    else
        m_spriteSheets.erase(found);
}

void Resources::releaseCompoSpriteSet(const std::string& file) {
    const auto found = m_compoSpriteSets.find(baseName(file));
    if (found == m_compoSpriteSets.end())
        return;
    unindex(*found->second);
    m_compoSpriteSets.erase(found);
}

void Resources::releaseFont(const std::string& name) {
    // System fonts are kept under their own name, bitmap fonts under their file's base name.
    if (m_fonts.erase(name) == 0)
        m_fonts.erase(baseName(name));
}

void Resources::releaseTextGroupSet(const std::string& file) { m_textGroupSets.erase(baseName(file)); }

void Resources::loadLocale(const std::string& set, const std::string& language) {
    const auto found = m_textGroupSets.find(set);
    if (found == m_textGroupSets.end())
        return;
    found->second->release("ALL");
    found->second->load(language);
}

void Resources::useFont(const std::string& name) {
    const auto found = m_fonts.find(name);
    if (found == m_fonts.end())
        return;
    m_currentFont = found->second;
    m_currentFontName = name;
}

const std::vector<std::string>& Resources::availableSystemFonts() const { return SystemFont::availableFamilies(); }

void Resources::drawSprite(const std::string& name, float x, float y, Anchors anchors,
                           std::optional<std::pair<float, float>> size) {
    const SpriteEntry* entry = findEntry(name);
    if (!entry)
        return;
    if (entry->kind == SpriteKind::Composite)
        entry->composite->draw(m_context, x, y, anchors);
    else if (size)
        entry->sprite->drawScaled(m_context, x, y, size->first, size->second, anchors);
    else
        entry->sprite->draw(m_context, x, y, anchors);
}

void Resources::drawString(const std::string& set, const std::string& key, float x, float y, Anchors anchors) {
    const std::string text = getString(set, key);
    fontFor("draw string").draw(m_context, text, x, y, anchors);
}

std::string Resources::getString(const std::string& set, const std::string& key) {
    const auto found = m_textGroupSets.find(set);
    if (found == m_textGroupSets.end())
        return key;
    return found->second->group(m_language).get(key);
}

const SpriteEntry* Resources::findEntry(const std::string& name) const {
    const auto found = m_spriteIndex.find(name);
    return found == m_spriteIndex.end() ? nullptr : &found->second;
}

Sprite* Resources::findSprite(const std::string& name) const {
    const SpriteEntry* entry = findEntry(name);
    return entry && entry->kind == SpriteKind::Plain ? entry->sprite : nullptr;
}

std::pair<int, int> Resources::spriteBounds(const std::string& name) const {
    const SpriteEntry* entry = findEntry(name);
    if (!entry)
        return {0, 0};
    if (entry->kind == SpriteKind::Composite)
        return {entry->composite->width(), entry->composite->height()};
    return {entry->sprite->width(), entry->sprite->height()};
}

std::pair<int, int> Resources::spritePivot(const std::string& name) const {
    const SpriteEntry* entry = findEntry(name);
    if (!entry)
        return {0, 0};
    if (entry->kind == SpriteKind::Composite)
        return {entry->composite->pivotX(), entry->composite->pivotY()};
    return {entry->sprite->pivotX(), entry->sprite->pivotY()};
}

PivotBox Resources::compoSpriteBounds(const std::string& name) const {
    const auto [width, height] = spriteBounds(name);
    const auto [pivotX, pivotY] = spritePivot(name);
    return {-pivotX, -pivotY, width - pivotX, height - pivotY};
}

const std::vector<CompoSprite::Part>& Resources::compoSpriteData(const std::string& name) const {
    static const std::vector<CompoSprite::Part> kNoParts;
    const SpriteEntry* entry = findEntry(name);
    return entry && entry->kind == SpriteKind::Composite ? entry->composite->parts() : kNoParts;
}

IFont& Resources::fontFor(const char* purpose) const {
    if (!m_currentFont)
        throw lang::Exception(lang::Format("No font is set while trying to {0}", purpose));
    return *m_currentFont;
}

int Resources::stringWidth(const std::string& text) const {
    return fontFor("get string width").width(text, 0, IFont::kAll);
}

int Resources::fontMaxAscending() const { return fontFor("get font max ascending").maxAscending(); }

int Resources::fontMaxDescending() const { return fontFor("get font max descending").maxDescending(); }

int Resources::fontLeading() const { return fontFor("get font leading").leading(); }

int Resources::fontTracking() const { return fontFor("get font tracking").tracking(); }

int Resources::fontHeight() const { return fontFor("get font height!").fontHeight(); }

template <class Resource>
void Resources::store(std::map<std::string, lang::Ref<Resource>>& map, const std::string& key,
                      lang::Ref<Resource> resource) {
    if (const auto older = map.find(key); older != map.end())
        unindex(*older->second);
    index(key, *resource);
    map[key] = std::move(resource);
}

void Resources::index(const std::string& key, const SpriteSheet& sheet) {
    for (const auto& [name, sprite] : sheet.sprites())
        m_spriteIndex[name] = {SpriteKind::Plain, key, sprite.get(), nullptr};
}

void Resources::index(const std::string& key, const CompoSpriteSet& set) {
    for (const auto& [name, composite] : set.composites())
        m_spriteIndex[name] = {SpriteKind::Composite, key, nullptr, composite.get()};
}

void Resources::unindex(const SpriteSheet& sheet) {
    for (const auto& entry : sheet.sprites())
        m_spriteIndex.erase(entry.first);
}

void Resources::unindex(const CompoSpriteSet& set) {
    for (const auto& entry : set.composites())
        m_spriteIndex.erase(entry.first);
}

void Resources::queueSpriteSheet(const std::string& file) { queue(file, LoadRequest::Kind::SpriteSheet); }

void Resources::queueCompoSpriteSet(const std::string& file) { queue(file, LoadRequest::Kind::CompoSpriteSet); }

void Resources::queue(const std::string& file, LoadRequest::Kind kind) {
    const bool queued = std::any_of(m_loadQueue.begin(), m_loadQueue.end(),
                                    [&](const LoadRequest& request) { return request.file == file; });
    if (!queued)
        m_loadQueue.push_back({file, kind});
}

void Resources::dropQueued(const std::string& file) {
    std::erase_if(m_loadQueue, [&](const LoadRequest& request) { return request.file == file; });
}

void Resources::loadNextQueued() {
    if (m_loadQueue.empty())
        return;
    const LoadRequest request = m_loadQueue.front();
    m_loadQueue.erase(m_loadQueue.begin());
    if (request.kind == LoadRequest::Kind::SpriteSheet)
        createSpriteSheet(request.file);
    else
        createCompoSpriteSet(request.file);
}

void Resources::loadAllQueued() {
    while (!m_loadQueue.empty())
        loadNextQueued();
}

} // namespace game
