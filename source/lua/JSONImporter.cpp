#include "lua/JSONImporter.h"

#include "lang/Exception.h"

#include <cJSON.h>

#include <memory>

namespace lua {

namespace {

struct TreeDeleter {
    void operator()(cJSON* tree) const { cJSON_Delete(tree); }
};

void walkItems(const cJSON* parent, util::JSONVisitor& visitor) {
    for (const cJSON* item = parent->child; item; item = item->next) {
        const char* key = item->string;
        switch (item->type & 0xFF) {
        case cJSON_NULL:
            visitor.nullValue(key);
            break;
        case cJSON_False:
            visitor.booleanValue(key, false);
            break;
        case cJSON_True:
            visitor.booleanValue(key, true);
            break;
        case cJSON_Number:
            visitor.numberValue(key, item->valuedouble);
            break;
        case cJSON_String:
            visitor.stringValue(key, item->valuestring);
            break;
        case cJSON_Array:
            visitor.beginArray(key);
            walkItems(item, visitor);
            visitor.endArray();
            break;
        case cJSON_Object:
            visitor.beginObject(key);
            walkItems(item, visitor);
            visitor.endObject();
            break;
        default:
            break;
        }
    }
}

} // namespace

JSONImporter::JSONImporter(const LuaTable& root) { m_frames.push_back({root, -1}); }

JSONImporter::~JSONImporter() = default;

void JSONImporter::walk(const std::string& text, util::JSONVisitor& visitor) {
    const char* errorPosition = nullptr;
    const std::unique_ptr<cJSON, TreeDeleter> tree(cJSON_ParseWithOpts(text.c_str(), &errorPosition, false));
    if (!tree)
        throw lang::Exception(lang::Format("JSON parsing failed here: {0}", errorPosition ? errorPosition : ""));
    walkItems(tree.get(), visitor);
}

void JSONImporter::import(const std::string& text, const LuaTable& root) {
    JSONImporter importer(root);
    walk(text, importer);
}

template <class Value> void JSONImporter::store(const char* key, const Value& value) {
    Frame& frame = m_frames.back();
    if (frame.next < 0)
        frame.table.set(key, value);
    else
        frame.table.set(frame.next++, value);
}

void JSONImporter::open(const char* key, int next) {
    LuaTable table(m_frames.back().table.state());
    store(key, table);
    m_frames.push_back({std::move(table), next});
}

void JSONImporter::nullValue(const char* key) {
    Frame& frame = m_frames.back();
    if (frame.next < 0)
        frame.table.setNil(key);
    else
        ++frame.next;
}

void JSONImporter::booleanValue(const char* key, bool value) { store(key, value); }

void JSONImporter::numberValue(const char* key, double value) { store(key, static_cast<float>(value)); }

void JSONImporter::stringValue(const char* key, const char* value) { store(key, value); }

void JSONImporter::beginObject(const char* key) { open(key, -1); }

void JSONImporter::endObject() { m_frames.pop_back(); }

void JSONImporter::beginArray(const char* key) { open(key, 1); }

void JSONImporter::endArray() { m_frames.pop_back(); }

} // namespace lua
