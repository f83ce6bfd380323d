// A replay frame as one line of text, and back.
#include "framework/Replay.h"

#include "lang/Exception.h"
#include "lang/Format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace framework {
namespace {

using Kind = ReplayEvent::Kind;

/// How many numbers follow a token's tag: one (a key code, wheel steps), two (a mouse
/// position) or three (a touch: id, x, y); none for text.
struct TokenShape {
    Kind kind;
    std::string_view tag;
    int numbers;
};

// In the order of the kinds.
constexpr std::array<TokenShape, 9> kShapes{{
    {Kind::KeyDown, "kd", 1},
    {Kind::KeyUp, "ku", 1},
    {Kind::MouseMove, "mm", 2},
    {Kind::Wheel, "mw", 1},
    {Kind::TouchBegan, "tb", 3},
    {Kind::TouchMoved, "tm", 3},
    {Kind::TouchEnded, "te", 3},
    {Kind::Text, "tx", 0},
    {Kind::Active, "ac", 1},
}};

constexpr bool inKindOrder() {
    for (size_t i = 0; i < kShapes.size(); ++i)
        if (static_cast<size_t>(kShapes[i].kind) != i)
            return false;
    return true;
}
static_assert(inKindOrder());

const TokenShape& shapeOf(Kind kind) { return kShapes[static_cast<size_t>(kind)]; }

// Bytes that would split the line or the token, and the escape character itself.
bool needsEscape(unsigned char byte) { return byte <= ' ' || byte == '%' || byte == 127; }

void appendEscaped(std::string& line, std::string_view text) {
    constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (needsEscape(byte)) {
            line += '%';
            line += kHex[byte >> 4];
            line += kHex[byte & 15];
        } else {
            line += c;
        }
    }
}

std::string unescape(std::string_view text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            result += text[i];
            continue;
        }
        unsigned value = 0;
        const char* digits = text.data() + i + 1;
        const bool complete = i + 2 < text.size();
        const auto [end, error] = std::from_chars(digits, complete ? digits + 2 : digits, value, 16);
        if (!complete || error != std::errc() || end != digits + 2)
            throw lang::Exception(lang::Format("bad escape in text \"{0}\"", text));
        result += static_cast<char>(value);
        i += 2;
    }
    return result;
}

/// The comma-separated whole numbers of `text`, exactly `count` of them.
std::array<long long, 3> numbers(std::string_view token, std::string_view text, int count) {
    std::array<long long, 3> values{};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (at == end || *at++ != ','))
            throw lang::Exception(lang::Format("\"{0}\" needs {1} numbers", token, count));
        const auto [next, error] = std::from_chars(at, end, values[static_cast<size_t>(i)]);
        if (error != std::errc())
            throw lang::Exception(lang::Format("bad number in \"{0}\"", token));
        at = next;
    }
    if (at != end)
        throw lang::Exception(lang::Format("\"{0}\" needs {1} numbers", token, count));
    return values;
}

int toInt(long long value, std::string_view token) {
    if (value < INT32_MIN || value > INT32_MAX)
        throw lang::Exception(lang::Format("number out of range in \"{0}\"", token));
    return static_cast<int>(value);
}

ReplayEvent parseEvent(std::string_view token) {
    const size_t colon = token.find(':');
    const std::string_view tag = token.substr(0, colon);
    for (const TokenShape& shape : kShapes) {
        if (colon == std::string_view::npos || shape.tag != tag)
            continue;
        const std::string_view body = token.substr(colon + 1);
        if (shape.kind == Kind::Text)
            return ReplayEvent::typed(unescape(body));
        const auto values = numbers(token, body, shape.numbers);
        if (shape.numbers == 1)
            return ReplayEvent::number(shape.kind, toInt(values[0], token));
        if (shape.numbers == 2)
            return ReplayEvent::at(shape.kind, {0, toInt(values[0], token), toInt(values[1], token)});
        if (values[0] < 0 || values[0] > UINT32_MAX)
            throw lang::Exception(lang::Format("touch id out of range in \"{0}\"", token));
        return ReplayEvent::at(
            shape.kind, {static_cast<std::uint32_t>(values[0]), toInt(values[1], token), toInt(values[2], token)});
    }
    throw lang::Exception(lang::Format("unknown event \"{0}\"", token));
}

float parseDt(std::string_view text) {
    float dt = 0.0f;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), dt);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(dt) || dt < 0.0f)
        throw lang::Exception(lang::Format("the frame's dt \"{0}\" is no number of seconds", text));
    return dt;
}

} // namespace

std::string formatReplayFrame(const ReplayFrame& frame) {
    std::array<char, 32> number{};
    const auto written = std::to_chars(number.data(), number.data() + number.size(), frame.dt);
    std::string line(number.data(), written.ptr);
    for (const ReplayEvent& event : frame.events) {
        const TokenShape& shape = shapeOf(event.kind);
        line += ' ';
        line += shape.tag;
        line += ':';
        switch (shape.numbers) {
        case 0:
            appendEscaped(line, event.text);
            break;
        case 1:
            line += std::to_string(event.code);
            break;
        case 2:
            line += std::to_string(event.point.x) + ',' + std::to_string(event.point.y);
            break;
        default:
            line += std::to_string(event.point.id) + ',' + std::to_string(event.point.x) + ',' +
                    std::to_string(event.point.y);
            break;
        }
    }
    return line;
}

ReplayFrame parseReplayFrame(const std::string& line) {
    ReplayFrame frame;
    std::string_view rest = line;
    // Files edited on other systems may end their lines in carriage returns.
    if (rest.ends_with('\r'))
        rest.remove_suffix(1);
    bool first = true;
    while (first || !rest.empty()) {
        const size_t space = rest.find(' ');
        const std::string_view token = rest.substr(0, space);
        rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
        if (first)
            frame.dt = parseDt(token);
        else
            frame.events.push_back(parseEvent(token));
        first = false;
    }
    return frame;
}

} // namespace framework
