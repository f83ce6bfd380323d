#include "lua/JSONExporter.h"

#include <cmath>
#include <cstdio>
#include <tuple>

namespace lua {

JSONExporter::JSONExporter() = default;

JSONExporter::~JSONExporter() = default;

void JSONExporter::beginElement() {
    if (m_first) {
        m_index = 0;
        m_text += '[';
    } else {
        ++m_index;
        m_text += ',';
    }
    m_first = false;
}

void JSONExporter::beginMember(const char* key) {
    m_text += m_first ? '{' : ',';
    m_first = false;
    appendString(key);
    m_text += ':';
}

void JSONExporter::appendNumber(double value) {
    // JSON has no NaN or infinities; null is what other writers use for them too.
    if (!std::isfinite(value)) {
        m_text += "null";
        return;
    }
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.16g", value);
    m_text.append(buffer, static_cast<size_t>(length));
}

void JSONExporter::appendString(const char* text) {
    m_text += '"';
    for (const char* c = text; *c; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        switch (byte) {
        case '\b':
            m_text += "\\b";
            break;
        case '\t':
            m_text += "\\t";
            break;
        case '\n':
            m_text += "\\n";
            break;
        case '\f':
            m_text += "\\f";
            break;
        case '\r':
            m_text += "\\r";
            break;
        case '"':
            m_text += "\\\"";
            break;
        case '/':
            m_text += "\\/";
            break;
        case '\\':
            m_text += "\\\\";
            break;
        default:
            if (byte < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", byte);
                m_text += escape;
            } else {
                m_text += *c;
            }
        }
    }
    m_text += '"';
}

void JSONExporter::booleanAtIndex(int, bool value) {
    beginElement();
    m_text += value ? "true" : "false";
}

void JSONExporter::numberAtIndex(int, double value) {
    beginElement();
    appendNumber(value);
}

void JSONExporter::stringAtIndex(int, const char* value) {
    beginElement();
    appendString(value);
}

void JSONExporter::booleanAtKey(const char* key, bool value) {
    beginMember(key);
    m_text += value ? "true" : "false";
}

void JSONExporter::numberAtKey(const char* key, double value) {
    beginMember(key);
    appendNumber(value);
}

void JSONExporter::stringAtKey(const char* key, const char* value) {
    beginMember(key);
    appendString(value);
}

void JSONExporter::beginTable(const char* key) {
    if (key)
        beginMember(key);
    else
        beginElement();
    m_saved.emplace_back(m_first, m_index);
    m_first = true;
    m_index = -1;
}

void JSONExporter::endTable() {
    if (m_index >= 0)
        m_text += ']';
    else
        m_text += m_first ? "{}" : "}";
    std::tie(m_first, m_index) = m_saved.back();
    m_saved.pop_back();
}

void JSONExporter::finish() {
    if (m_text.empty())
        m_text = "{}";
    else
        m_text += m_index >= 0 ? ']' : '}';
}

} // namespace lua
