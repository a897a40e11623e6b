#pragma once
#include <map>

namespace vantor::platform::web {

// What fingers (or a pen's tip) on the picture mean for the mouse buttons:
// a tap is a left click; a press held still for 450 ms, or a tap of two
// fingers together, is a right click. A contact that moves more than 10
// pixels from where it went down drags the pointer and clicks nothing.
class TouchGestures {
public:
    enum class Click { None, Left, Right };

    static constexpr double kLongPressMs = 450;
    static constexpr double kStillPixels = 10;

    // Contacts by pointer id; positions in page pixels, times in milliseconds.
    void down(int id, double x, double y, double time);
    void move(int id, double x, double y);
    void up(int id, double time);
    void cancel(int id);

    // The click the contacts have made, once; a long press is due when now
    // has reached it.
    Click take(double now);
    // Whether the pointer follows this contact: the first of a gesture.
    bool leads(int id) const { return id == lead_; }

private:
    struct Start {
        double x = 0;
        double y = 0;
    };
    bool pressedLong(double now) const;

    std::map<int, Start> contacts_;
    int lead_ = -1;
    double leadTime_ = 0;
    bool still_ = false;      // no contact of the gesture has moved away
    bool twoFingers_ = false;
    bool clicked_ = false;    // the gesture has made its click
    Click pending_ = Click::None;
};

}  // namespace vantor::platform::web
