#pragma once
#include <cstdint>
#include <vector>

#include "resources/data30.h"

namespace vantor::testing {

// A sample block cut into the given regions, with its boundary table in
// place of the resource image's.
class SoundRegions {
public:
    explicit SoundRegions(std::vector<std::vector<uint8_t>> samples) : regions(std::move(samples)) {
        for (const auto& region : regions) block_.insert(block_.end(), region.begin(), region.end());
        const uint8_t* at = block_.data();
        for (const auto& region : regions) {
            table.push_back(at);
            at += region.size();
        }
        table.push_back(at);
        res.soundRegions = table.data();
    }
    ~SoundRegions() { res.soundRegions = nullptr; }
    SoundRegions(const SoundRegions&) = delete;
    SoundRegions& operator=(const SoundRegions&) = delete;

    const std::vector<std::vector<uint8_t>> regions;
    std::vector<const uint8_t*> table;

private:
    std::vector<uint8_t> block_;
};

}  // namespace vantor::testing
