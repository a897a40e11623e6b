#pragma once
#include <string>

namespace vantor {

// Where a data file of the game (DATA30.RES, kelvo.res) is read from: the
// current folder first, then the folder of the program, then the installed
// data folder beside it (../share/games/vantor). A name found nowhere stays
// as it is, so opening it fails as it always did.
std::string findDataFile(const std::string& name, const std::string& programFolder);

// The same from the running program's own folder.
std::string findDataFile(const std::string& name);

}  // namespace vantor
