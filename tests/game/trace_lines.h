#pragma once
#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

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
