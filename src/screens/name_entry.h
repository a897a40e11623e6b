#pragma once

namespace vantor {

// Lets the player type the name of the table's entry in that row until
// Enter; an empty name becomes the registered owner, or the default name.
void enterName(int row);

// Fills the entry's name from the system's registered owner (31 characters
// at most), else with the default name of the message list.
void fillDefaultName(int row);

}  // namespace vantor
