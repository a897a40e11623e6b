#pragma once
#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game/play_trace.h"

namespace vantor::test {

inline std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

inline std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), {}};
}

// A trace line's words, by the names the trace gives its fields.
class TraceLine {
public:
    explicit TraceLine(const std::string& line) : words_(words(line)) {}
    size_t size() const { return words_.size(); }
    const std::string& operator[](std::string_view name) const {
        auto at = std::find(std::begin(PlayTrace::kFields), std::end(PlayTrace::kFields), name);
        size_t i = static_cast<size_t>(at - std::begin(PlayTrace::kFields));
        if (i >= words_.size()) throw std::out_of_range("no trace field " + std::string(name));
        return words_[i];
    }
    int number(std::string_view name) const { return std::stoi((*this)[name]); }

private:
    std::vector<std::string> words_;
};

// Empty when equal, else the first line where they part.
inline std::string firstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        std::string x = i < a.size() ? a[i] : "(end)";
        std::string y = i < b.size() ? b[i] : "(end)";
        if (x != y) return "line " + std::to_string(i) + ":\n  " + x + "\n  " + y;
    }
    return "";
}

}  // namespace vantor::test
