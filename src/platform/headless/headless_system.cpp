#include "platform/headless/headless_system.h"

#include <algorithm>
#include <cstdlib>

#include "platform/headless/faults.h"
#include "platform/platform.h"

namespace vantor::platform::headless {

namespace {
// The wait a frame takes when the game is parked in the background.
constexpr uint32_t kBackgroundStep = 35;
}  // namespace

HeadlessSystem::HeadlessSystem(World& world) : world_(world) {
    frameLimit_ = static_cast<uint32_t>(std::max(0, optionInt("VANTOR_FRAMES", 0)));
    std::string start = option("VANTOR_CLOCK_START");
    world_.clock = start.empty() ? 1000u : static_cast<uint32_t>(std::strtoull(start.c_str(), nullptr, 0));
}

bool HeadlessSystem::createWindow(const char*) {
    if (fault("window")) return false;
    windowAlive_ = true;
    queue_.push_back({Message::Create, 0});
    return true;
}

void HeadlessSystem::showWindow() {
    queue_.push_back({Message::ActivateApp, 1});
    deliverScripted();
}

void HeadlessSystem::destroyWindow() {
    if (!windowAlive_) return;
    windowAlive_ = false;
    queue_.push_back({Message::Destroy, 0});
}

uint32_t HeadlessSystem::ticks() { return world_.clock; }

bool HeadlessSystem::peekMessage() { return !queue_.empty(); }

Msg HeadlessSystem::getMessage() {
    // Parked with nothing to do: let virtual time run to the next scripted event.
    while (queue_.empty()) {
        if (!scriptHasMore() && (frameLimit_ == 0 || world_.frame >= frameLimit_)) {
            queue_.push_back({Message::Quit, 0});
            break;
        }
        world_.clock += kBackgroundStep;
        frameDone();
    }
    Msg next = queue_.front();
    queue_.pop_front();
    return next;
}

void HeadlessSystem::postQuit(uint32_t exitCode) { queue_.push_back({Message::Quit, exitCode}); }

void HeadlessSystem::idle(uint32_t ms) { world_.clock += ms; }

void HeadlessSystem::frameDone() {
    ++world_.frame;
    deliverScripted();
    if (frameLimit_ != 0 && world_.frame == frameLimit_)
        queue_.push_back({Message::SysCommand, kScClose});
}

void HeadlessSystem::deliverScripted() {
    const auto& events = world_.script.events();
    while (nextEvent_ < events.size() && events[nextEvent_].frame <= world_.frame) {
        if (events[nextEvent_].kind == ScriptEvent::Kind::Message)
            queue_.push_back(events[nextEvent_].message);
        ++nextEvent_;
    }
}

bool HeadlessSystem::scriptHasMore() const {
    const auto& events = world_.script.events();
    for (size_t i = nextEvent_; i < events.size(); ++i)
        if (events[i].kind == ScriptEvent::Kind::Message) return true;
    return false;
}

void HeadlessSystem::setSystemCursorPos(int x, int y) {
    cursorX_ = x;
    cursorY_ = y;
}

bool HeadlessSystem::queryRegistry(const std::string& key, const std::string& valueName,
                                   std::string& text) {
    lastRegistryKey_ = key;
    return System::queryRegistry(key, valueName, text);
}

void HeadlessSystem::messageBox(const char* caption, const char* text) {
    log_.push_back(noteMessageBox(caption, text));
}

void HeadlessSystem::launch(const char* command) { log_.push_back(noteLaunch(command)); }

}  // namespace vantor::platform::headless
