#pragma once
#include "platform/queued_system.h"

namespace vantor::platform::web {

// The page's events turned into the game's window messages; frame waits
// that let the browser run; files, with the lasting ones in IndexedDB.
class WebSystem final : public QueuedSystem {
public:
    void showWindow() override;
    uint32_t ticks() override;
    void idle(uint32_t ms) override;
    void frameDone() override;
    std::unique_ptr<File> openFile(const std::string& name, OpenMode mode,
                                   OpenError& error) override;
    void messageBox(const char* caption, const char* text) override;
    void launch(const char* command) override;

private:
    void waitForEvents() override;
};

}  // namespace vantor::platform::web
