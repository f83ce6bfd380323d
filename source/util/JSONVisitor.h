#pragma once

namespace util {

/// Receives the items of a parsed JSON document in document order. `key` is the member name
/// inside an object and null inside an array; arrays and objects arrive as a begin call, their
/// items, and an end call. Text is UTF-8.
class JSONVisitor {
public:
    virtual ~JSONVisitor() = default;

    virtual void nullValue(const char* key) = 0;
    virtual void booleanValue(const char* key, bool value) = 0;
    virtual void numberValue(const char* key, double value) = 0;
    virtual void stringValue(const char* key, const char* value) = 0;
    virtual void beginObject(const char* key) = 0;
    virtual void endObject() = 0;
    virtual void beginArray(const char* key) = 0;
    virtual void endArray() = 0;
};

} // namespace util
