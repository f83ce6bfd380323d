#include "framework/ReplayRecorder.h"

#include "framework/HostEvents.h"
#include "lang/Exception.h"
#include "lang/Format.h"
#include "lang/Log.h"
#include "lang/UTF.h"

#include <cerrno>
#include <cstring>

namespace framework {

ReplayRecorder::ReplayRecorder(const std::string& file) : m_file(file), m_output(std::fopen(file.c_str(), "wb")) {
    if (!m_output)
        throw lang::Exception(lang::Format("{0}: cannot write the replay: {1}", file, std::strerror(errno)));
    write(std::string(kReplayHeader) + '\n');
    using Kind = ReplayEvent::Kind;
    const auto point = [this](Kind kind) { return [this, kind](TouchPoint p) { add(ReplayEvent::at(kind, p)); }; };
    m_links = {
        lang::event::subscribe(events::kKeyDown, [this](int code) { add(ReplayEvent::number(Kind::KeyDown, code)); }),
        lang::event::subscribe(events::kKeyUp, [this](int code) { add(ReplayEvent::number(Kind::KeyUp, code)); }),
        lang::event::subscribe(events::kMouseMoved,
                               [this](int x, int y) {
                                   add(ReplayEvent::at(Kind::MouseMove, {0, x, y}));
                               }),
        lang::event::subscribe(events::kWheel, [this](int steps) { add(ReplayEvent::number(Kind::Wheel, steps)); }),
        lang::event::subscribe(events::kTouchBegan, point(Kind::TouchBegan)),
        lang::event::subscribe(events::kTouchMoved, point(Kind::TouchMoved)),
        lang::event::subscribe(events::kTouchEnded, point(Kind::TouchEnded)),
        lang::event::subscribe(events::kActive,
                               [this](bool active) { add(ReplayEvent::number(Kind::Active, active ? 1 : 0)); }),
        lang::event::subscribe(events::kTyped, [this](char32_t code) { addTyped(code); }),
    };
}

ReplayRecorder::~ReplayRecorder() { std::fclose(m_output); }

void ReplayRecorder::frame(float dt) {
    m_pending.dt = dt;
    write(formatReplayFrame(m_pending) + '\n');
    m_pending.events.clear();
}

void ReplayRecorder::add(ReplayEvent event) { m_pending.events.push_back(std::move(event)); }

// Characters typed one after another make one text event, which reads as the text typed.
void ReplayRecorder::addTyped(char32_t code) {
    const std::string typed = lang::codePointsToUtf8({static_cast<std::uint32_t>(code)});
    if (m_pending.events.empty() || m_pending.events.back().kind != ReplayEvent::Kind::Text)
        add(ReplayEvent::typed({}));
    m_pending.events.back().text += typed;
}

// A full disk must not end the game being played, but nobody may believe the recording whole.
void ReplayRecorder::write(const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), m_output) == text.size();
    if ((!written || std::fflush(m_output) != 0) && !m_failed) {
        m_failed = true;
        LOG_ERROR("Host", "%s: the replay is incomplete, writing failed: %s", m_file.c_str(), std::strerror(errno));
    }
}

} // namespace framework
