// A recorded frame's input given to the application again, through the host's input rules.
#include "framework/Input.h"
#include "framework/Replay.h"
#include "lang/UTF.h"

namespace framework {

void applyReplayFrame(App& app, const ReplayFrame& frame) {
    using Kind = ReplayEvent::Kind;
    for (const ReplayEvent& event : frame.events) {
        switch (event.kind) {
        case Kind::KeyDown:
            input::pressKey(app, event.code);
            break;
        case Kind::KeyUp:
            input::releaseKey(app, event.code);
            break;
        case Kind::MouseMove:
            input::reportMouse(app, event.point.x, event.point.y);
            break;
        case Kind::Wheel:
            input::turnWheel(app, event.code);
            break;
        case Kind::TouchBegan:
            input::reportTouch(app, input::TouchPhase::Began, event.point);
            break;
        case Kind::TouchMoved:
            input::reportTouch(app, input::TouchPhase::Moved, event.point);
            break;
        case Kind::TouchEnded:
            input::reportTouch(app, input::TouchPhase::Ended, event.point);
            break;
        case Kind::Active:
            input::activate(app, event.code != 0);
            break;
        case Kind::Text:
            for (const std::uint32_t code : lang::utf8ToCodePoints(event.text))
                input::type(code);
            break;
        }
    }
}

} // namespace framework
