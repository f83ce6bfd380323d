#include "framework/HostEvents.h"

namespace framework::events {

lang::event::Event<void(int)> kKeyDown;
lang::event::Event<void(int)> kKeyUp;
lang::event::Event<void(int, int)> kMouseMoved;
lang::event::Event<void(int)> kWheel;
lang::event::Event<void(TouchPoint)> kTouchBegan;
lang::event::Event<void(TouchPoint)> kTouchMoved;
lang::event::Event<void(TouchPoint)> kTouchEnded;
lang::event::Event<void(char32_t)> kTyped;
lang::event::Event<void(bool)> kActive;
lang::event::Event<void(bool)> kForeground;
lang::event::Event<void()> kResized;
lang::event::Event<void(float, gr::Context*)> kFrame;

} // namespace framework::events
