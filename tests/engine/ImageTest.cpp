// Image flags and masks, animation strips, handles, null images, and pixel collisions.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "common/TestPixmaps.h"
#include "engine/Engine.h"

namespace {

void setPixel(eng::Pixmap& pm, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
    uint8_t* p = &pm->rgba[(static_cast<size_t>(y) * pm->width + x) * 4];
    p[0] = r;
    p[1] = g;
    p[2] = b;
    p[3] = a;
}

const uint8_t* pixel(const eng::Pixmap& pm, int x, int y) {
    return &pm->rgba[(static_cast<size_t>(y) * pm->width + x) * 4];
}

// A 2 x 1 palette picture, black then white, written by libpng, with or without an alpha table.
eng::Pixmap loadPalettePng(bool withAlphaTable, uint8_t whiteAlpha) {
    const std::string path = "/tmp/palette-test-" + std::to_string(::getpid()) + ".png";
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    img.width = 2;
    img.height = 1;
    img.format = withAlphaTable ? PNG_FORMAT_RGBA_COLORMAP : PNG_FORMAT_RGB_COLORMAP;
    img.colormap_entries = 2;
    const uint8_t indexes[2] = {0, 1};
    const uint8_t rgb[6] = {0, 0, 0, 255, 255, 255};
    const uint8_t rgba[8] = {0, 0, 0, 255, 255, 255, 255, whiteAlpha};
    const bool written =
        png_image_write_to_file(&img, path.c_str(), 0, indexes, 0, withAlphaTable ? (const void*)rgba : rgb);
    eng::Pixmap pm = written ? eng::LoadPixmap(path) : nullptr;
    std::remove(path.c_str());
    return pm;
}

}  // namespace

TEST(Images, MaskMakesMaskColourTransparentOnlyWithoutAlphaChannel) {
    auto pm = solidPixmap(3, 3, 200, 100, 50, false);
    setPixel(pm, 1, 1, 0, 0, 0);
    struct Case {
        int flags;
        bool hasAlpha;
        uint8_t centreAlpha;
    } cases[] = {
        {-1, false, 0}, {eng::MASKEDIMAGE, false, 0}, {eng::FILTEREDIMAGE, false, 255}, {-1, true, 255}};
    eng::SetMaskColor(0, 0, 0);
    for (const auto& c : cases) {
        pm->hasAlpha = c.hasAlpha;
        eng::Image img = eng::LoadImage(pm, c.flags);
        ASSERT_TRUE(img);
        auto out = eng::ImagePixmap(img);
        EXPECT_EQ(pixel(out, 1, 1)[3], c.centreAlpha) << c.flags << " " << c.hasAlpha;
        EXPECT_EQ(pixel(out, 0, 0)[3], 255);
        if (c.centreAlpha == 0) {
            // The hidden pixel takes its neighbours' colour, so smooth sampling shows no dark fringe.
            EXPECT_EQ(pixel(out, 1, 1)[0], 200);
            EXPECT_EQ(pixel(out, 1, 1)[1], 100);
        }
    }
    EXPECT_EQ(eng::ImageFlags(eng::LoadImage(pm, -1)), eng::MASKEDIMAGE | eng::FILTEREDIMAGE);
}

TEST(Images, MaskColourCanBeChanged) {
    auto pm = solidPixmap(2, 1, 255, 0, 255, false);
    setPixel(pm, 1, 0, 0, 0, 0);
    eng::SetMaskColor(255, 0, 255);
    auto out = eng::ImagePixmap(eng::LoadImage(pm, -1));
    eng::SetMaskColor(0, 0, 0);
    EXPECT_EQ(pixel(out, 0, 0)[3], 0);
    EXPECT_EQ(pixel(out, 1, 0)[3], 255);
}

TEST(Images, StripsAreCutLeftToRightThenTopToBottom) {
    auto sheet = solidPixmap(4, 2, 0, 0, 0);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) setPixel(sheet, x, y, static_cast<uint8_t>(10 * (y * 4 + x) + 10), 0, 0);
    eng::Image img = eng::LoadAnimImage(sheet, 2, 1, 0, 4, eng::FILTEREDIMAGE);
    ASSERT_EQ(eng::ImageFrames(img), 4);
    EXPECT_EQ(eng::ImageWidth(img), 2);
    EXPECT_EQ(eng::ImageHeight(img), 1);
    const uint8_t expected[4] = {10, 30, 50, 70};
    for (int f = 0; f < 4; ++f) EXPECT_EQ(pixel(eng::ImagePixmap(img, f), 0, 0)[0], expected[f]) << f;
    // Frame numbers beyond the strip are clamped; a strip of no frames counts as one.
    EXPECT_EQ(pixel(eng::ImagePixmap(img, 9), 0, 0)[0], 70);
    EXPECT_EQ(pixel(eng::ImagePixmap(img, -3), 0, 0)[0], 10);
    EXPECT_EQ(eng::ImageFrames(eng::LoadAnimImage(sheet, 2, 1, 0, 0, 2)), 1);
    EXPECT_FALSE(eng::LoadAnimImage(sheet, 0, 1, 0, 2, 2));
}

TEST(Images, HandlesAndNullImages) {
    eng::Image img = eng::LoadImage(solidPixmap(5, 4, 1, 2, 3), -1);
    eng::MidHandleImage(img);
    float hx, hy;
    eng::GetImageHandle(img, hx, hy);
    EXPECT_FLOAT_EQ(hx, 2.5f);
    EXPECT_FLOAT_EQ(hy, 2.0f);
    eng::Image none;
    EXPECT_EQ(eng::ImageWidth(none), 0);
    EXPECT_EQ(eng::ImageHeight(none), 0);
    EXPECT_EQ(eng::ImageFrames(none), 0);
    eng::MidHandleImage(none);
    eng::DrawImage(none, 0, 0, 3);
    EXPECT_TRUE(eng::CollideImage(none, 0, 0, 0, 1, 1, nullptr).empty());
    EXPECT_FALSE(eng::LoadImage(std::string("/nonexistent/picture.png")));
}

TEST(Images, JpegLosesPureBlackOnlyWithTheMask) {
    eng::Pixmap pm = eng::LoadPixmap(GAME_DIR "/gfx/gui/loading/back.jpg");
    ASSERT_TRUE(pm) << "the content must be built";
    EXPECT_FALSE(pm->hasAlpha);
    size_t black = 0;
    for (size_t i = 0; i < pm->rgba.size(); i += 4)
        if (pm->rgba[i] == 0 && pm->rgba[i + 1] == 0 && pm->rgba[i + 2] == 0) ++black;
    auto count = [](const eng::Image& img) {
        auto px = eng::ImagePixmap(img);
        size_t n = 0;
        for (size_t i = 3; i < px->rgba.size(); i += 4) n += px->rgba[i] == 0;
        return n;
    };
    EXPECT_EQ(count(eng::LoadImage(pm, -1)), black);
    EXPECT_EQ(count(eng::LoadImage(pm, eng::FILTEREDIMAGE)), 0u);
}

TEST(Images, PalettePngHasAlphaOnlyWhenAnEntryIsSeeThrough) {
    // An opaque palette picture (as a PNG optimiser writes it) takes the mask colour like a JPEG.
    eng::SetMaskColor(0, 0, 0);
    for (bool table : {false, true}) {
        eng::Pixmap opaque = loadPalettePng(table, 255);
        ASSERT_TRUE(opaque);
        EXPECT_FALSE(opaque->hasAlpha) << table;
        auto masked = eng::ImagePixmap(eng::LoadImage(opaque, -1));
        EXPECT_EQ(pixel(masked, 0, 0)[3], 0) << table;
        EXPECT_EQ(pixel(masked, 1, 0)[3], 255) << table;
    }
    eng::Pixmap seeThrough = loadPalettePng(true, 0);
    ASSERT_TRUE(seeThrough);
    EXPECT_TRUE(seeThrough->hasAlpha);
    auto kept = eng::ImagePixmap(eng::LoadImage(seeThrough, -1));
    EXPECT_EQ(pixel(kept, 0, 0)[3], 255);  // black stays: the picture's own alpha rules
    EXPECT_EQ(pixel(kept, 1, 0)[3], 0);
}

class Collisions : public testing::Test {
  protected:
    void SetUp() override {
        eng::ResetCollisions(0);
        eng::SetScale(1, 1);
        eng::SetRotation(0);
        point = eng::LoadImage(solidPixmap(1, 1, 255, 255, 255), -1);
    }
    void TearDown() override {
        eng::SetScale(1, 1);
        eng::SetRotation(0);
        eng::ResetCollisions(0);
    }
    bool hits(float x, float y, uint32_t mask = 1) {
        eng::SetScale(1, 1);
        eng::SetRotation(0);
        return !eng::CollideImage(point, x, y, 0, mask, 0, nullptr).empty();
    }
    eng::Image point;
    int target = 0;
};

TEST_F(Collisions, ScaleAndRotationAboutTheHandle) {
    eng::Image bar = eng::LoadImage(solidPixmap(20, 4, 255, 255, 255), -1);  // 20 wide, 4 high
    eng::MidHandleImage(bar);
    struct Case {
        float sx, rot;
        float px, py;
        bool hit;
    } cases[] = {
        {1, 0, 109, 100, true},   {1, 0, 111, 100, false}, {1, 0, 100, 103, false},  {2, 0, 119, 100, true},
        {2, 0, 121, 100, false},  {1, 90, 100, 109, true}, {1, 90, 109, 100, false}, {2, 90, 100, 119, true},
        {2, 90, 100, 121, false}, {1, 45, 106, 106, true}, {1, 45, 106, 94, false},
    };
    for (const auto& c : cases) {
        eng::ResetCollisions(0);
        eng::SetScale(c.sx, c.sx);
        eng::SetRotation(c.rot);
        eng::CollideImage(bar, 100, 100, 0, 0, 1, &target);
        EXPECT_EQ(hits(c.px, c.py), c.hit)
            << "scale " << c.sx << " rotation " << c.rot << " at " << c.px << "," << c.py;
    }
}

TEST_F(Collisions, TransparentPixelsLayersAndIds) {
    auto pm = solidPixmap(4, 4, 255, 255, 255);
    setPixel(pm, 0, 0, 0, 0, 0, 0);  // a clear corner
    eng::Image img = eng::LoadImage(pm, -1);
    int other = 0;
    eng::CollideImage(img, 10, 10, 0, 0, 1, &target);
    eng::CollideImage(img, 10, 10, 0, 0, 4, &other);
    EXPECT_FALSE(hits(10, 10));
    EXPECT_TRUE(hits(11, 10));
    auto ids = eng::CollideImage(point, 12, 12, 0, 1 | 4, 0, nullptr);
    ASSERT_EQ(ids.size(), 2u);
    EXPECT_EQ(ids[0], &target);
    EXPECT_EQ(ids[1], &other);
    EXPECT_FALSE(hits(12, 12, 2));
    eng::ResetCollisions(1);
    EXPECT_FALSE(hits(12, 12, 1));
    EXPECT_TRUE(hits(12, 12, 4));
}
