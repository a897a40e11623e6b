// Placeholder until the indicators arrive.
#include "game/speed_control.h"

namespace vantor {

void updateSpeedControl() {}

}  // namespace vantor
