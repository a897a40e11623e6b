#include "app/json_value.h"

#include <cctype>
#include <cstdlib>

namespace vantor::test {
namespace {

class Reader {
public:
    explicit Reader(const std::string& text) : text_(text) {}

    std::optional<JsonValue> whole() {
        std::optional<JsonValue> value = next();
        skipSpace();
        return at_ == text_.size() ? value : std::nullopt;
    }

private:
    std::optional<JsonValue> next() {
        skipSpace();
        JsonValue value;
        bool read = false;
        if (take('{'))
            read = members(value);
        else if (take('['))
            read = items(value);
        else if (peek() == '"')
            read = text(value);
        else
            read = number(value);
        return read ? std::optional(value) : std::nullopt;
    }

    bool members(JsonValue& object) {
        object.kind = JsonValue::Kind::Object;
        skipSpace();
        if (take('}')) return true;
        do {
            std::string name;
            skipSpace();
            if (!quoted(name)) return false;
            skipSpace();
            if (!take(':')) return false;
            std::optional<JsonValue> value = next();
            if (!value || !object.members.emplace(name, *value).second) return false;
            skipSpace();
        } while (take(','));
        return take('}');
    }

    bool items(JsonValue& list) {
        list.kind = JsonValue::Kind::List;
        skipSpace();
        if (take(']')) return true;
        do {
            std::optional<JsonValue> value = next();
            if (!value) return false;
            list.items.push_back(*value);
            skipSpace();
        } while (take(','));
        return take(']');
    }

    bool text(JsonValue& value) {
        value.kind = JsonValue::Kind::Text;
        return quoted(value.text);
    }

    bool quoted(std::string& out) {
        if (!take('"')) return false;
        while (at_ < text_.size()) {
            char c = text_[at_++];
            if (c == '"') return true;
            if (c == '\\' || static_cast<unsigned char>(c) < 0x20) return false;
            out += c;
        }
        return false;
    }

    // -?(0|[1-9][0-9]*)
    bool number(JsonValue& value) {
        size_t start = at_;
        take('-');
        if (!take('0')) {
            size_t first = at_;
            while (std::isdigit(static_cast<unsigned char>(peek()))) ++at_;
            if (at_ == first) return false;
        }
        value.kind = JsonValue::Kind::Number;
        value.number = std::strtol(text_.c_str() + start, nullptr, 10);
        return true;
    }

    void skipSpace() {
        while (peek() == ' ' || peek() == '\t' || peek() == '\r' || peek() == '\n') ++at_;
    }

    char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }

    bool take(char c) {
        if (peek() != c) return false;
        ++at_;
        return true;
    }

    const std::string& text_;
    size_t at_ = 0;
};

}  // namespace

std::optional<JsonValue> JsonValue::parse(const std::string& text) { return Reader(text).whole(); }

}  // namespace vantor::test
