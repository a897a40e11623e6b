#include "messages.h"

namespace resbuild {

std::vector<std::string> messageList() {
    return {
        "Diver",
        "A new best score!",
        "The score table is in use by another game.",
        "Waiting until it is free...",
        "Type your name and press Enter",
        "Thanks for playing",
        "High scores",
        "No scores yet. Be the first!",
    };
}

}  // namespace resbuild
