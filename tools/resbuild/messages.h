#pragma once
#include <string>
#include <vector>

namespace resbuild {

// The message list, in Windows-1251. 0 default player name, 2 and 3 the
// notice that another copy of the game holds the score table, 7 the empty table.
std::vector<std::string> messageList();

}  // namespace resbuild
