#include "lang/Format.h"

#include "lang/Exception.h"
#include "lang/Truncate.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace lang {

namespace {

template <class... Args>
void appendPrintf(std::string& out, const char* conversion, Args... args) {
    char buffer[128];
    int length = std::snprintf(buffer, sizeof buffer, conversion, args...);
    if (length < 0)
        return;
    if (static_cast<size_t>(length) < sizeof buffer) {
        out.append(buffer, static_cast<size_t>(length));
        return;
    }
    size_t start = out.size();
    out.resize(start + static_cast<size_t>(length) + 1);
    std::snprintf(out.data() + start, static_cast<size_t>(length) + 1, conversion, args...);
    out.resize(start + static_cast<size_t>(length));
}

void appendNumber(std::string& out, double value, std::string_view specification) {
    bool inFraction = false;
    bool fixedPoint = false;
    int width = 0;
    int places = 0;
    for (char c : specification) {
        switch (c) {
        case 'x':
            return appendPrintf(out, "%x", static_cast<uint32_t>(lang::truncateTo<int64_t>(value)));
        case 'X':
            return appendPrintf(out, "%X", static_cast<uint32_t>(lang::truncateTo<int64_t>(value)));
        case 'd':
            return appendPrintf(out, "%d", lang::truncateTo<int32_t>(value));
        case 'i':
            return appendPrintf(out, "%i", lang::truncateTo<int32_t>(value));
        case '.':
            inFraction = true;
            break;
        case '0':
            if (inFraction)
                ++places;
            else {
                ++width;
                fixedPoint = true;
            }
            break;
        case '#':
            if (inFraction)
                ++places;
            else
                fixedPoint = true;
            break;
        default:
            break;
        }
    }
    if (places > 0 || fixedPoint) {
        if (width >= 1)
            appendPrintf(out, "%0*.*f", width, places, value);
        else
            appendPrintf(out, "%.*f", places, value);
    } else {
        appendPrintf(out, "%g", value);
    }
}

} // namespace

void Format::Argument::appendTo(std::string& out, std::string_view specification) const {
    switch (m_kind) {
    case Kind::Empty:
        break;
    case Kind::String:
        out += m_string;
        break;
    case Kind::Number:
        appendNumber(out, m_number, specification);
        break;
    }
}

std::string Format::toString() const {
    std::string out;
    out.reserve(m_format.size() + 32);
    const size_t length = m_format.size();
    bool escaped = false;
    for (size_t i = 0; i < length; ++i) {
        const char c = m_format[i];
        if (c == '\\' && !escaped) {
            escaped = true;
            continue;
        }
        if (c == '{' && !escaped && i + 1 < length) {
            const size_t start = i + 1;
            const size_t close = m_format.find('}', start);
            if (close == std::string::npos)
                throw FormatException(Format("Failed to format \"{0}\", '}' not found after {1}", m_format, start));
            if (close == start)
                throw FormatException(Format("Failed to format \"{0}\", argument index not found at {1}", m_format, start));
            const char digit = m_format[start];
            if (digit < '0' || digit > '9')
                throw FormatException(Format("Failed to format \"{0}\", digit expected at {1}", m_format, start));
            const int index = digit - '0';
            if (index >= m_count)
                throw FormatException(Format("Failed to format \"{0}\", invalid argument index at {1}", m_format, start));
            size_t specStart = start + 1;
            if (specStart < close && m_format[specStart] == ',')
                ++specStart;
            m_arguments[index].appendTo(out, std::string_view(m_format).substr(specStart, close - specStart));
            i = close;
            escaped = false;
            continue;
        }
        out += c;
        escaped = false;
    }
    return out;
}

int Format::format(char* buffer, int size) const {
    const std::string text = toString();
    if (size > 0) {
        const size_t copied = std::min(text.size(), static_cast<size_t>(size - 1));
        std::memcpy(buffer, text.data(), copied);
        buffer[copied] = '\0';
    }
    return static_cast<int>(text.size()) + 1;
}

} // namespace lang
