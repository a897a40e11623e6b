#include "support/players.h"

#include <vector>

#include "game/cell_positions.h"

namespace vantor::testing {

namespace {

// Drawn as JavaScript's doubles drew it first (the product's lowest bits
// round away), so a seed still plays the games the tests were tuned with.
class Draw {
public:
    explicit Draw(uint32_t seed) : seed_(seed) {}
    int below(int n) {
        double product = static_cast<double>(uint64_t{seed_} * 1103515245u);
        seed_ = static_cast<uint32_t>(static_cast<uint64_t>(product + 12345.0));
        return static_cast<int>((seed_ >> 16) % static_cast<uint32_t>(n));
    }

private:
    uint32_t seed_;
};

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text + '\n';
}

}  // namespace

std::string clickerScript(int frames, const ClickerPlay& play) {
    Draw draw(play.seed);
    std::vector<std::string> lines;
    auto click = [&lines](int frame, CellPosition at, const std::string& button) {
        std::string when = std::to_string(frame) + ' ';
        lines.push_back(when + "mouse " + std::to_string(at.x) + ' ' + std::to_string(at.y));
        lines.push_back(when + "press " + button);
        lines.push_back(std::to_string(frame + 1) + " release " + button);
    };
    for (int frame = 100; play.enters && frame < frames; frame += 150)
        lines.push_back(std::to_string(frame) + " char 13");
    for (int frame = 40; play.clicks && frame < frames;) {
        for (int swaps = 0; swaps < 12; swaps++, frame += 9)
            click(frame, CellPositions[draw.below(static_cast<int>(std::size(CellPositions)))], "left");
        for (CellPosition at : CellPositions) click(frame += 2, at, "right");
        frame += 9;  // a recording keeps one button of two held together
    }
    return joined(lines);
}

std::string padScript(int frames) {
    static const char* const cycle[] = {"right", "up", "a", "right", "down", "a", "up",
                                        "up", "a", "left", "down", "down", "a", "b"};
    std::vector<std::string> lines{"180 pad a", "181 pad", "190 pad a", "191 pad"};
    auto at = [&lines](int frame, const std::string& command) {
        lines.push_back(std::to_string(frame) + ' ' + command);
    };
    for (int frame = 330, k = 0; frame + 40 < frames; frame += 6) {
        if (++k % 150 == 0) {
            at(frame, "pad start");
            at(frame + 1, "pad");
            at(frame + 12, "pad a");
            at(frame + 13, "pad");
            frame += 40;
            continue;
        }
        at(frame, std::string("pad ") + cycle[k % std::size(cycle)]);
        at(frame + 1, "pad");
    }
    return joined(lines);
}

}  // namespace vantor::testing
