#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/png_writer.h"
#include "platform/os_services.h"
#include "video_fixture.h"


namespace vantor::test {
namespace {

// The parts of a PNG file the snapshot checks need.
struct DecodedPng {
    uint32_t width = 0, height = 0;
    uint8_t colourType = 0;
    std::vector<uint8_t> palette;
    std::vector<uint8_t> rows;  // filter byte + pixels, per row
};

uint32_t bigEndian(const uint8_t* p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

bool decodePng(const std::string& path, DecodedPng& png) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (file.size() < 8 || file[1] != 'P') return false;
    std::vector<uint8_t> packed;
    for (size_t at = 8; at + 12 <= file.size();) {
        uint32_t size = bigEndian(&file[at]);
        std::string type(file.begin() + at + 4, file.begin() + at + 8);
        const uint8_t* data = &file[at + 8];
        if (crc32(0, &file[at + 4], size + 4) != bigEndian(data + size)) return false;
        if (type == "IHDR") {
            png.width = bigEndian(data);
            png.height = bigEndian(data + 4);
            png.colourType = data[9];
        } else if (type == "PLTE") {
            png.palette.assign(data, data + size);
        } else if (type == "IDAT") {
            packed.insert(packed.end(), data, data + size);
        }
        at += 12 + size;
    }
    uLongf rawSize = png.height * (png.width * (png.colourType == 6 ? 4 : 1) + 1);
    png.rows.resize(rawSize);
    return uncompress(png.rows.data(), &rawSize, packed.data(), packed.size()) == Z_OK &&
           rawSize == png.rows.size();
}

class HeadlessSnapshots : public VdpFixture {
protected:
    void TearDown() override {
        platform::os::setEnvironment("VANTOR_SNAPSHOTS", nullptr);
        platform::os::setEnvironment("VANTOR_SNAPSHOT_AT", nullptr);
        std::filesystem::remove_all(parent);
        VdpFixture::TearDown();
    }
    std::string parent = ::testing::TempDir() + "vantor-snapshots";
    std::string dir = parent + "/made/on/demand";
};

TEST_F(HeadlessSnapshots, ChosenPresentsBecomeIndexedPngs) {
    platform::os::setEnvironment("VANTOR_SNAPSHOTS", dir.c_str());
    platform::os::setEnvironment("VANTOR_SNAPSHOT_AT", "2,4");
    openVdp(672);
    std::vector<uint8_t> palette(768);
    for (int i = 0; i < 768; ++i) palette[i] = uint8_t(i / 3 % 64);
    vdp.setPalette(palette.data());
    for (int n = 1; n <= 4; ++n) {
        vdp.clear(uint8_t(n));
        vdp.fillRect(10, 20, 5, 5, 200);
        vdp.present();
    }
    EXPECT_FALSE(std::filesystem::exists(dir + "/present-000001.png"));
    EXPECT_FALSE(std::filesystem::exists(dir + "/present-000003.png"));
    DecodedPng png;
    ASSERT_TRUE(decodePng(dir + "/present-000004.png", png));
    EXPECT_EQ(png.width, 640u);
    EXPECT_EQ(png.height, 480u);
    EXPECT_EQ(png.colourType, 3);
    ASSERT_EQ(png.palette.size(), 768u);
    EXPECT_EQ(png.palette[200 * 3], uint8_t((200 % 64) << 2));
    EXPECT_EQ(png.rows[0], 0);           // filter byte
    EXPECT_EQ(png.rows[1], 4);           // row 0, column 0: cleared to 4
    EXPECT_EQ(png.rows[20 * 641 + 1 + 10], 200);
    EXPECT_EQ(png.rows[20 * 641 + 1 + 15], 4);
    ASSERT_TRUE(decodePng(dir + "/present-000002.png", png));
    EXPECT_EQ(png.rows[1], 2);
}

TEST(PngWriter, WritesRgbaImages) {
    std::string path = ::testing::TempDir() + "vantor-rgba.png";
    std::vector<uint8_t> rgba(3 * 2 * 4);
    for (size_t i = 0; i < rgba.size(); ++i) rgba[i] = uint8_t(i * 11);
    ASSERT_TRUE(writeRgbaPng(path, 3, 2, rgba.data()));
    DecodedPng png;
    ASSERT_TRUE(decodePng(path, png));
    EXPECT_EQ(png.colourType, 6);
    EXPECT_EQ(png.rows[13 + 1 + 5], rgba[12 + 5]);  // row 1, second pixel, green
    std::filesystem::remove(path);
    EXPECT_FALSE(writeRgbaPng("/nonexistent-dir/x.png", 3, 2, rgba.data()));
}

}  // namespace
}  // namespace vantor::test
