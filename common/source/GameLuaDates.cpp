// Calendar dates and times.
#include "GameLua.h"

#include "CalendarTime.h"
#include "lua/LuaException.h"
#include "lua/LuaState.h"

#include <cmath>

namespace {

/// The time table at stack position `index`: "year", "month" and "day" must be numbers;
/// "hour", "minutes" and "seconds" count only when they are numbers (else 0). A number beyond
/// the calendar's field limit (or NaN) is a script error naming the field: any saturated
/// value would give a difference that is silently wrong.
CalendarTime calendarTimeAt(lua::LuaState& lua, int index) {
    const lua::LuaTable table = lua.toTable(index);
    auto field = [&](const char* key, bool required) {
        if (table.isNumber(key)) {
            const float value = table.getNumber(key);
            if (!(std::fabs(value) <= static_cast<float>(CalendarTime::kFieldLimit)))
                throw lua::LuaException(lang::Format("The time table at stack position {0} has \"{1}\" = {2}, "
                                                     "outside -{3}..{3}{4}",
                                                     index, key, value, CalendarTime::kFieldLimit, lua.getCallStack()));
            return static_cast<int>(value);
        }
        if (required)
            throw lua::LuaException(lang::Format("The time table at stack position {0} has no number \"{1}\"{2}", index,
                                                 key, lua.getCallStack()));
        return 0;
    };
    CalendarTime time;
    time.year = field("year", true);
    time.month = field("month", true);
    time.day = field("day", true);
    time.hour = field("hour", false);
    time.minutes = field("minutes", false);
    time.seconds = field("seconds", false);
    return time;
}

/// The first time table minus the second, in seconds.
double differenceInSeconds(lua::LuaState& lua) {
    return static_cast<double>(calendarTimeAt(lua, 1).toEpochSeconds() - calendarTimeAt(lua, 2).toEpochSeconds());
}

} // namespace

void GameLua::registerDateNatives() {
    registerMethod("getCurrentTime", &GameLua::getCurrentTime);
    registerMethod("getTimeDifference", &GameLua::getTimeDifference);
    registerMethod("getTimeDifferenceInSeconds", &GameLua::getTimeDifferenceInSeconds);
}

// getCurrentTime() -> {year, month, day, hour, minutes, seconds}, local time
lua::LuaTable GameLua::getCurrentTime() {
    const CalendarTime now = CalendarTime::now();
    lua::LuaTable table(state());
    table.set("year", now.year);
    table.set("month", now.month);
    table.set("day", now.day);
    table.set("hour", now.hour);
    table.set("minutes", now.minutes);
    table.set("seconds", now.seconds);
    return table;
}

// getTimeDifference(a, b) -> {days, hours, minutes, seconds} of |a - b|
int GameLua::getTimeDifference(lua::LuaState& lua) {
    const TimeSpan span = TimeSpan::fromSeconds(differenceInSeconds(lua));
    lua::LuaTable table(lua);
    table.set("days", span.days);
    table.set("hours", span.hours);
    table.set("minutes", span.minutes);
    table.set("seconds", span.seconds);
    lua.pushTable(table);
    return 1;
}

// getTimeDifferenceInSeconds(a, b) -> a - b in seconds
int GameLua::getTimeDifferenceInSeconds(lua::LuaState& lua) {
    lua.pushNumber(static_cast<float>(differenceInSeconds(lua)));
    return 1;
}
