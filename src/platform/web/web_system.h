#pragma once
#include <deque>

#include "platform/system.h"

namespace vantor::platform::web {

// The page's events turned into the game's window messages; frame waits
// that let the browser run; files, with the lasting ones in IndexedDB.
class WebSystem final : public System {
public:
    bool createWindow(const char* title) override;
    void showWindow() override;
    void destroyWindow() override;
    uint32_t ticks() override;
    bool peekMessage() override { return !queue_.empty(); }
    Msg getMessage() override;
    void postQuit(uint32_t exitCode) override;
    void idle(uint32_t ms) override;
    void frameDone() override;
    void setSystemCursorPos(int, int) override {}
    std::unique_ptr<File> openFile(const std::string& name, OpenMode mode,
                                   OpenError& error) override;
    void messageBox(const char* caption, const char* text) override;
    void launch(const char* command) override;

    // A message from the page.
    void post(Msg message) { queue_.push_back(message); }

private:
    std::deque<Msg> queue_;
    bool windowAlive_ = false;
};

}  // namespace vantor::platform::web
