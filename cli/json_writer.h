#pragma once
// Just enough JSON for the report tool: objects, arrays, strings, numbers.

#include <string>
#include <string_view>

namespace rashi {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(double number);
    JsonWriter& value(int number);
    JsonWriter& value(bool flag);

    const std::string& str() const { return out_; }

private:
    void separate();
    std::string out_;
    bool needComma_ = false;
};

// The text as a JSON string literal, quotes included.
std::string JsonQuote(std::string_view text);

} // namespace rashi
