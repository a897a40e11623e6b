#include "platform/queued_system.h"

namespace vantor::platform {

bool QueuedSystem::createWindow(const char*) {
    windowAlive_ = true;
    post({Message::Create, 0});
    return true;
}

void QueuedSystem::destroyWindow() {
    if (!windowAlive_) return;
    windowAlive_ = false;
    post({Message::Destroy, 0});
}

bool QueuedSystem::peekMessage() {
    pump();
    return !queue_.empty();
}

Msg QueuedSystem::getMessage() {
    while (queue_.empty()) waitForEvents();
    Msg next = queue_.front();
    queue_.pop_front();
    return next;
}

}  // namespace vantor::platform
