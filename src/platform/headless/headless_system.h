#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/headless/headless_world.h"
#include "platform/system.h"

namespace vantor::platform::headless {

// No window: a message queue fed by the script, a virtual clock that jumps
// over every wait, and a log on stderr of message boxes and launches.
class HeadlessSystem final : public System {
public:
    explicit HeadlessSystem(World& world);

    bool createWindow(const char* title) override;
    void showWindow() override;
    void destroyWindow() override;
    uint32_t ticks() override;
    bool peekMessage() override;
    Msg getMessage() override;
    void postQuit(uint32_t exitCode) override;
    void idle(uint32_t ms) override;
    void frameDone() override;
    void setSystemCursorPos(int x, int y) override;
    bool queryRegistry(const std::string& key, const std::string& valueName,
                       std::string& text) override;
    void messageBox(const char* caption, const char* text) override;
    void launch(const char* command) override;

    // For tests: queue a message as if the system had sent it.
    void post(Msg message) { queue_.push_back(message); }
    // What was shown and started, in order (also written to stderr).
    const std::vector<std::string>& log() const { return log_; }
    int cursorX() const { return cursorX_; }
    // The registry key the game asked for last.
    const std::string& lastRegistryKey() const { return lastRegistryKey_; }
    int cursorY() const { return cursorY_; }

private:
    void deliverScripted();
    bool scriptHasMore() const;

    World& world_;
    std::deque<Msg> queue_;
    std::vector<std::string> log_;
    std::string lastRegistryKey_;
    size_t nextEvent_ = 0;
    uint32_t frameLimit_ = 0;
    bool windowAlive_ = false;
    int cursorX_ = 0;
    int cursorY_ = 0;
};

}  // namespace vantor::platform::headless
