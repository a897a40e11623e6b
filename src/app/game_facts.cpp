#include "app/game_facts.h"

#include <span>
#include <utility>

#include "game/board.h"
#include "game/cell_positions.h"
#include "game/play_trace.h"
#include "video/vdp.h"

namespace vantor {
namespace {

struct Named {
    const char* name;
    int value;
};

constexpr Named kPicture[] = {{"width", kScreenWidth}, {"height", kScreenHeight}};

constexpr Named kPhases[] = {
    {"startDelay", StartDelay}, {"idle", Idle}, {"removing", Removing}, {"preScore", PreScore},
    {"postScore", PostScore}, {"settling", Settling}, {"preRefill", PreRefill},
    {"waveArriving", WaveArriving}, {"clearing", Clearing}, {"swapping", Swapping},
};

constexpr Named kCellStates[] = {
    {"empty", Empty}, {"resting", Resting}, {"queued", Queued}, {"arriving", Arriving},
    {"departing", Departing}, {"flyingOff", FlyingOff}, {"marked", Marked}, {"swapAim", SwapAim},
    {"swapShake", SwapShake}, {"swapFlight", SwapFlight},
};

std::string quoted(const char* text) { return std::string("\"") + text + '"'; }

// Adds an item to the list or object that text has opened.
void add(std::string& text, const std::string& item) {
    if (text.back() != '[' && text.back() != '{') text += ',';
    text += item;
}

std::string numbers(std::span<const Named> entries) {
    std::string text = "{";
    for (const Named& entry : entries) add(text, quoted(entry.name) + ":" + std::to_string(entry.value));
    return text + "}";
}

std::string anchors() {
    std::string text = "[";
    for (const CellPosition& cell : CellPositions)
        add(text, "[" + std::to_string(cell.x) + "," + std::to_string(cell.y) + "]");
    return text + "]";
}

std::string traceFields() {
    std::string text = "[";
    for (const char* name : PlayTrace::kFields) add(text, quoted(name));
    return text + "]";
}

}  // namespace

std::string gameFactsJson() {
    const std::pair<const char*, std::string> members[] = {
        {"picture", numbers(kPicture)},
        {"columns", std::to_string(kColumns)},
        {"rows", std::to_string(kRows)},
        {"cellAnchors", anchors()},
        {"traceFields", traceFields()},
        {"phases", numbers(kPhases)},
        {"cellStates", numbers(kCellStates)},
    };
    std::string text = "{";
    for (const auto& [name, value] : members) add(text, "\n  " + quoted(name) + ": " + value);
    return text + "\n}\n";
}

}  // namespace vantor
