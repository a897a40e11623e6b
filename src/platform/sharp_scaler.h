#pragma once
#include <cstdint>
#include <vector>

namespace vantor::platform {

// Enlarges the 640 x 480 picture to any size, sharp: as if it were first
// enlarged by a whole factor with nearest-neighbour pixels (prescaleFactor)
// and then brought to the final size with a bilinear filter. Only an output
// pixel that straddles two picture pixels blends them, so edges blur by at
// most one output pixel and no row or column is doubled; at a whole factor
// the result is plain nearest-neighbour enlargement.
class SharpScaler {
public:
    // The output size; the tables are made again only when it changes.
    void resize(int width, int height);
    int width() const { return static_cast<int>(columns_.size()); }
    int height() const { return static_cast<int>(rows_.size()); }

    // 480 rows of 640 palette indices, pitch bytes apart, through the
    // colour table into width() x height() 32-bit pixels, rows outPitch
    // bytes apart. The four bytes of a colour blend alike, whatever their order.
    void scale(const uint8_t* indices, int pitch, const uint32_t colours[256], void* out, int outPitch);

private:
    // One output column or row: the picture's pixel, and how many parts in
    // 256 of the next one blend in.
    struct Step {
        uint16_t source = 0;
        uint16_t weight = 0;
    };
    static std::vector<Step> steps(int shown, int picture);
    const uint32_t* line(const uint8_t* indices, int pitch, const uint32_t colours[256], int row);

    std::vector<Step> columns_, rows_;
    // Where each output column takes its colour in a line's shades: the 640
    // pixels' own colours, then the blends of the columns across an edge.
    std::vector<uint16_t> shadeOf_;
    std::vector<Step> edges_;
    std::vector<uint32_t> shades_;
    // Picture rows enlarged across; rows a and a + 1 never share a slot.
    std::vector<uint32_t> lines_[2];
    int lineRows_[2] = {-1, -1};
    std::vector<uint32_t> blended_;
};

}  // namespace vantor::platform
