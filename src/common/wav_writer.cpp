#include "common/wav_writer.h"

#include "common/little_endian.h"
#include "common/utf8_file.h"

namespace vantor {
namespace {

constexpr uint32_t kRate = 22050;

void putTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

bool writeWav(const std::string& path, const std::vector<uint8_t>& samples) {
    auto size = static_cast<uint32_t>(samples.size());
    std::vector<uint8_t> file;
    putTag(file, "RIFF");
    appendU32(file, 36 + size);
    putTag(file, "WAVE");
    putTag(file, "fmt ");
    appendU32(file, 16);
    appendU16(file, 1);      // PCM
    appendU16(file, 1);      // mono
    appendU32(file, kRate);
    appendU32(file, kRate);  // bytes per second
    appendU16(file, 1);      // block alignment
    appendU16(file, 8);      // bits per sample
    putTag(file, "data");
    appendU32(file, size);
    file.insert(file.end(), samples.begin(), samples.end());
    if (size % 2) file.push_back(0);  // chunks are padded to even length
    return writeWholeFile(path, file.data(), file.size());
}

}  // namespace vantor
