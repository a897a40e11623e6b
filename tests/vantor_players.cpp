// Prints a random player's input script for the node and Windows replay
// tests, which take their players from here:
//   vantor_players clicker FRAMES [SEED] | keys FRAMES | pad FRAMES
// keys: the clicker's Enters alone, for a playback.
#include <charconv>
#include <cstdio>
#include <string_view>

#include "support/players.h"

namespace {

// A whole decimal number from min to max, or -1.
long long number(const char* text, long long min, long long max) {
    std::string_view word(text);
    long long value = -1;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc{} && end == word.data() + word.size() && value >= min && value <= max ? value : -1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vantor::testing;
    std::string_view player = argc > 1 ? argv[1] : "";
    long long frames = argc > 2 ? number(argv[2], 1, 10000000) : -1;
    long long seed = argc == 4 ? number(argv[3], 0, UINT32_MAX) : 12345;
    std::string script;
    if (frames > 0 && seed >= 0 && player == "clicker" && argc <= 4)
        script = clickerScript(static_cast<int>(frames), {.seed = static_cast<uint32_t>(seed)});
    else if (frames > 0 && argc == 3 && player == "keys")
        script = clickerScript(static_cast<int>(frames), {.clicks = false});
    else if (frames > 0 && argc == 3 && player == "pad")
        script = padScript(static_cast<int>(frames));
    if (script.empty()) {
        std::fputs("usage: vantor_players clicker FRAMES [SEED] | keys FRAMES | pad FRAMES\n", stderr);
        return 2;
    }
    std::fwrite(script.data(), 1, script.size(), stdout);
    return 0;
}
