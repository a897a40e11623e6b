#include "platform/web/touch_gestures.h"

#include <cmath>

namespace vantor::platform::web {

void TouchGestures::down(int id, double x, double y, double time) {
    if (contacts_.empty()) {
        lead_ = id;
        leadTime_ = time;
        still_ = true;
        twoFingers_ = false;
        clicked_ = false;
    } else if (contacts_.size() == 1 && still_ && !clicked_) {
        twoFingers_ = true;
    } else {
        still_ = false;  // three fingers, or a second one after the click: nothing
    }
    contacts_[id] = Start{x, y};
}

void TouchGestures::move(int id, double x, double y) {
    auto contact = contacts_.find(id);
    if (contact == contacts_.end()) return;
    if (std::hypot(x - contact->second.x, y - contact->second.y) > kStillPixels) still_ = false;
}

void TouchGestures::up(int id, double time) {
    if (contacts_.erase(id) == 0 || !contacts_.empty()) return;
    if (still_ && !clicked_) {
        // A long press not yet looked at still counts as one.
        pending_ = twoFingers_ || pressedLong(time) ? Click::Right : Click::Left;
        clicked_ = true;
    }
    lead_ = -1;
}

void TouchGestures::cancel(int id) {
    if (contacts_.erase(id) == 0) return;
    still_ = false;
    if (contacts_.empty()) lead_ = -1;
}

bool TouchGestures::pressedLong(double now) const { return now - leadTime_ >= kLongPressMs; }

TouchGestures::Click TouchGestures::take(double now) {
    Click click = pending_;
    pending_ = Click::None;
    if (click == Click::None && lead_ >= 0 && still_ && !twoFingers_ && !clicked_ && pressedLong(now)) {
        clicked_ = true;
        click = Click::Right;
    }
    return click;
}

}  // namespace vantor::platform::web
