#include "platform/web/web_system.h"

#include <emscripten.h>

#include "platform/web/stored_file.h"
#include "platform/web/web_page.h"

namespace vantor::platform::web {
namespace {
// How long a parked game sleeps between looks at its queue when nothing wakes it.
constexpr double kParkedWaitMs = 1000;
}  // namespace

void WebSystem::showWindow() { post({Message::ActivateApp, vantor_page_active() ? 1u : 0u}); }

uint32_t WebSystem::ticks() { return static_cast<uint32_t>(static_cast<uint64_t>(emscripten_get_now())); }

void WebSystem::waitForEvents() { vantor_page_wait(kParkedWaitMs); }

void WebSystem::idle(uint32_t ms) { vantor_page_wait(ms); }

void WebSystem::frameDone() { vantor_page_frame_done(); }

std::unique_ptr<File> WebSystem::openFile(const std::string& name, OpenMode mode, OpenError& error) {
    if (vantor_storage_holds(name.c_str())) return openStoredFile(name, mode, error);
    return System::openFile(name, mode, error);
}

void WebSystem::messageBox(const char* caption, const char* text) {
    noteMessageBox(caption, text);
    vantor_page_message_box(caption, text);
}

// The family shell is a desktop program; the page only says what it would start.
void WebSystem::launch(const char* command) { noteLaunch(command); }

}  // namespace vantor::platform::web
