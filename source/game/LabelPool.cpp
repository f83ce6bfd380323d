#include "game/LabelPool.h"

#include "renderer/Context.h"

namespace game {

LabelPool::Label::Label(lang::Ref<gr::Image> texture) : m_texture(std::move(texture)) {}

LabelPool::Label::~Label() = default;

void LabelPool::Label::draw(gr::Context& context, float x, float y) const {
    const int left = static_cast<int>(x) - m_xOffset;
    const int top = static_cast<int>(y) - m_yOffset;
    m_texture->draw(context, static_cast<float>(left), static_cast<float>(top), static_cast<float>(width()),
                    static_cast<float>(height()), gr::TexCoords::full());
}

LabelPool& LabelPool::shared() {
    static LabelPool pool;
    return pool;
}

LabelPool::Label* LabelPool::find(const Key& key) {
    const Entries::iterator entry = m_labels.find(key);
    if (entry == m_labels.end())
        return nullptr;
    m_useOrder.splice(m_useOrder.end(), m_useOrder, entry->second.use);
    return entry->second.label.get();
}

bool LabelPool::store(const Key& key, lang::Ref<Label> label) {
    const std::size_t size = label->byteSize();
    if (size > m_budget)
        return false;
    if (const Entries::iterator old = m_labels.find(key); old != m_labels.end())
        erase(old);
    while (m_bytes + size > m_budget)
        erase(m_labels.find(*m_useOrder.front()));
    const Entries::iterator entry = m_labels.emplace(key, Entry{std::move(label), {}}).first;
    entry->second.use = m_useOrder.insert(m_useOrder.end(), &entry->first);
    m_bytes += size;
    return true;
}

void LabelPool::clear() {
    m_useOrder.clear();
    m_labels.clear();
    m_bytes = 0;
}

void LabelPool::erase(Entries::iterator entry) {
    m_bytes -= entry->second.label->byteSize();
    m_useOrder.erase(entry->second.use);
    m_labels.erase(entry);
}

} // namespace game
