#include "platform/headless/headless_backend.h"

#include <cstdio>

namespace vantor::platform::headless {

HeadlessBackend::HeadlessBackend() {
    std::string error;
    if (!world_.script.loadFromOption(error)) std::fprintf(stderr, "%s\n", error.c_str());
}

bool HeadlessBackend::setScript(const std::string& text, std::string& error) {
    return world_.script.parse(text, error);
}

HeadlessBackend& installFresh() {
    auto backend = std::make_unique<HeadlessBackend>();
    HeadlessBackend& ref = *backend;
    install(std::move(backend));
    return ref;
}

}  // namespace vantor::platform::headless
