#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vantor::test {

// A JSON value of the kinds the game's facts hold: objects, lists, strings
// without escapes and whole numbers. Anything else is refused, so what this
// takes, the Python and JavaScript readers take too.
struct JsonValue {
    enum class Kind { Number, Text, List, Object };
    Kind kind = Kind::Number;
    long number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    // The whole of text as one value; nothing when it is not exactly that.
    static std::optional<JsonValue> parse(const std::string& text);
};

}  // namespace vantor::test
