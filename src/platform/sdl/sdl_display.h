#pragma once
#include <cstdint>
#include <vector>

#include "platform/display.h"
#include "platform/sdl/sdl_context.h"

namespace vantor::platform::sdl {

// The 8-bit primary surface shown through one streaming texture.
class SdlDisplay final : public Display {
public:
    explicit SdlDisplay(Context& context);
    ~SdlDisplay() override;

    bool open(bool fullScreen) override;
    int pitch() override { return 640; }
    SurfaceResult lock(uint8_t*& pixels) override;
    void unlock() override;
    bool restore() override;
    SurfaceResult attachPalette() override { return SurfaceResult::Ok; }
    void setEntries(const uint8_t rgb[768]) override;
    void waitVerticalBlank() override;
    void close() override;

private:
    Context& context_;
    SDL_Texture* texture_ = nullptr;
    std::vector<uint8_t> surface_;
    uint32_t colours_[256] = {};
};

}  // namespace vantor::platform::sdl
