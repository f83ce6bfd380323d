#include "LineBreaking.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace {

constexpr std::string_view kZeroWidthSpace = "\xE2\x80\x8B";

/// The length in bytes of the break character at `at`, 0 when none starts there.
std::size_t breakLength(std::string_view text, std::size_t at) {
    const char c = text[at];
    if (c == '\n' || c == ' ' || c == '-')
        return 1;
    return text.substr(at).starts_with(kZeroWidthSpace) ? kZeroWidthSpace.size() : 0;
}

bool isSeparator(std::string_view text, std::size_t at) {
    return text[at] == ' ' || text.substr(at).starts_with(kZeroWidthSpace);
}

/// The position just past the spaces and zero-width spaces from `at`.
std::size_t skipSeparators(std::string_view text, std::size_t at) {
    while (at < text.size() && isSeparator(text, at))
        at += breakLength(text, at);
    return at;
}

/// The first break character at or after `at`, or the text's end.
std::size_t nextBreak(std::string_view text, std::size_t at) {
    while (at < text.size() && breakLength(text, at) == 0)
        ++at;
    return at;
}

/// The end of the UTF-8 character starting at `at`.
std::size_t characterEnd(std::string_view text, std::size_t at) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        ++at;
    return at;
}

/// Breaks one line from `start`; returns where it ends and where the next line starts.
class LineBreaker {
public:
    LineBreaker(std::string_view text, float maxWidth, const TextMeasure& measure)
        : m_text(text), m_maxWidth(maxWidth), m_measure(measure) {}

    struct Line {
        std::size_t end;
        std::size_t next;
    };

    Line from(std::size_t start) const {
        std::size_t end = start;
        std::size_t scan = start;
        while (true) {
            const std::size_t found = nextBreak(m_text, scan);
            const bool hyphen = found < m_text.size() && m_text[found] == '-';
            const std::size_t candidate = hyphen ? found + 1 : found;
            if (!fits(start, candidate))
                break;
            end = candidate;
            if (found == m_text.size())
                return {end, end};
            if (m_text[found] == '\n')
                return {end, found + 1};
            scan = hyphen ? candidate : skipSeparators(m_text, found);
            if (scan == m_text.size())
                return {end, scan};
        }
        if (end == start)
            end = cut(start);
        // A line feed right after the break ends this line, not a next, empty one.
        const std::size_t next = skipSeparators(m_text, end);
        return {end, next < m_text.size() && m_text[next] == '\n' ? next + 1 : next};
    }

private:
    bool fits(std::size_t start, std::size_t end) const {
        return static_cast<float>(m_measure(std::string(m_text.substr(start, end - start)))) <= m_maxWidth;
    }

    /// The end of the longest run of whole characters from `start` that fits, at least one.
    std::size_t cut(std::size_t start) const {
        std::size_t end = characterEnd(m_text, start);
        while (end < m_text.size()) {
            const std::size_t longer = characterEnd(m_text, end);
            if (!fits(start, longer))
                break;
            end = longer;
        }
        return end;
    }

    std::string_view m_text;
    float m_maxWidth;
    const TextMeasure& m_measure;
};

} // namespace

BrokenText breakLines(const std::string& text, float maxWidth, const TextMeasure& measure) {
    BrokenText broken;
    if (maxWidth <= 0.0f || text.empty()) {
        broken.lines.emplace_back();
        return broken;
    }
    const LineBreaker breaker(text, maxWidth, measure);
    for (std::size_t start = 0; start < text.size();) {
        const LineBreaker::Line line = breaker.from(start);
        broken.lines.push_back(text.substr(start, line.end - start));
        broken.widestLine = std::max(broken.widestLine, measure(broken.lines.back()));
        start = line.next;
    }
    return broken;
}
