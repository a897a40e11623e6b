#pragma once
#include <string>
#include <vector>

namespace vantor {

// Where a data file of the game (DATA30.RES, kelvo.res) is read from: the
// current folder first, then the folder of the program, then the installed
// data folder beside it (../share/games/vantor). A name found nowhere stays
// as it is, so opening it fails as it always did.
std::string findDataFile(const std::string& name, const std::string& programFolder);

// The same from the running program's own folder.
std::string findDataFile(const std::string& name);

// The folders findDataFile looks in, as a player would look for them
// (absolute, in that order).
std::vector<std::string> dataFileFolders();

}  // namespace vantor
