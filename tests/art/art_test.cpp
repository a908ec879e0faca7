// The toolbar bitmap and the icons as the desktop and the toolkit read them: gdk-pixbuf
// decodes the pictures, libmagic names each file's format, size and colour depth.
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>
#include <magic.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include "art/embedded_art.h"

namespace {

using Colour = std::array<int, 4>;  // red, green, blue, alpha
constexpr Colour kBlack{0, 0, 0, 255}, kNavy{0, 0, 128, 255}, kLightGrey{192, 192, 192, 255},
    kYellow{255, 255, 0, 255}, kWhite{255, 255, 255, 255};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;  // top row first

    Colour At(int x, int y) const { return pixels.at(static_cast<std::size_t>(y) * width + x); }
};

// An empty picture, and a failed test, when gdk-pixbuf cannot read the file.
Picture Decode(art::Bytes file)
{
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
    GError* error = nullptr;
    Picture picture;
    if (gdk_pixbuf_loader_write(loader, file.data, file.size, &error) &&
        gdk_pixbuf_loader_close(loader, &error)) {
        GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader);
        picture.width = gdk_pixbuf_get_width(pixbuf);
        picture.height = gdk_pixbuf_get_height(pixbuf);
        const int channels = gdk_pixbuf_get_n_channels(pixbuf);
        const int stride = gdk_pixbuf_get_rowstride(pixbuf);
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x) {
                const guint8* p = gdk_pixbuf_read_pixels(pixbuf) + y * stride + x * channels;
                picture.pixels.push_back({p[0], p[1], p[2], channels == 4 ? p[3] : 255});
            }
    } else {
        ADD_FAILURE() << "gdk-pixbuf cannot read it: " << error->message;
        g_error_free(error);
    }
    g_object_unref(loader);
    return picture;
}

std::string Describe(art::Bytes file)
{
    magic_t cookie = magic_open(MAGIC_NONE);
    const char* text = cookie != nullptr && magic_load(cookie, nullptr) == 0
                           ? magic_buffer(cookie, file.data, file.size)
                           : nullptr;
    std::string description = text != nullptr ? text : "nothing: libmagic failed";
    magic_close(cookie);
    return description;
}

// The icon theme's sizes, smallest first, and the side of the drawing each is scaled from.
constexpr std::array<int, 2> kThemeSizes[] = {{16, 16}, {32, 32}, {48, 16}, {64, 32}, {128, 32}, {256, 32}};

TEST(Art, EachFileIsARealFileOfItsFormatSizeAndDepth)
{
    const std::vector<art::Bytes> pngs = art::IconSet();
    ASSERT_EQ(pngs.size(), std::size(kThemeSizes));
    struct Case {
        art::Bytes file;
        std::string described;
        int width, height;
    };
    std::vector<Case> cases = {
        {art::ToolbarBitmap(), "PC bitmap, Windows 3.x format, 48 x 15 x 4,", 48, 15},
        {art::Icon(), "MS Windows icon resource - 1 icon, 32x32, 16 colors", 32, 32},
    };
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        const std::string side = std::to_string(kThemeSizes[i][0]);
        cases.push_back(
            {pngs[i], "PNG image data, " + side + " x " + side + ",", kThemeSizes[i][0], kThemeSizes[i][0]});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.described);
        EXPECT_EQ(Describe(c.file).rfind(c.described, 0), 0u) << Describe(c.file);
        const Picture picture = Decode(c.file);
        EXPECT_EQ(picture.width, c.width);
        EXPECT_EQ(picture.height, c.height);
    }
}

// Play is image 0 and About image 1, context help image 2: each drawn in its colours on
// the light grey that the toolbar shows through, which fills its corners.
TEST(Art, ToolbarImagesAreDrawnInTheirColoursOnLightGrey)
{
    const Picture strip = Decode(art::ToolbarBitmap());
    ASSERT_EQ(strip.width, 48);
    const std::array<Colour, 2> colours[] = {{kBlack, kWhite}, {kYellow, kBlack}, {kNavy, kBlack}};
    for (int image = 0; image < 3; ++image) {
        SCOPED_TRACE("image " + std::to_string(image));
        std::set<Colour> seen;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x)
                seen.insert(strip.At(16 * image + x, y));
        for (const Colour& colour : colours[image])
            EXPECT_EQ(seen.count(colour), 1u)
                << "lacks " << colour[0] << ',' << colour[1] << ',' << colour[2];
        for (auto [x, y] : {std::pair{0, 0}, {15, 0}, {0, 14}, {15, 14}})
            EXPECT_EQ(strip.At(16 * image + x, y), kLightGrey) << "corner " << x << "," << y;
    }
}

// The picture with each factor x factor block taken back to one pixel; fails the test
// when a block is not one colour.
Picture ScaleDown(const Picture& image, int factor)
{
    Picture small{image.width / factor, image.height / factor, {}};
    for (int y = 0; y < small.height; ++y)
        for (int x = 0; x < small.width; ++x) {
            for (int d = 0; d < factor * factor; ++d)
                EXPECT_EQ(image.At(x * factor + d % factor, y * factor + d / factor),
                          image.At(x * factor, y * factor))
                    << "block " << x << "," << y << " of the " << image.width << "-pixel icon";
            small.pixels.push_back(image.At(x * factor, y * factor));
        }
    return small;
}

// Every theme size shows the .ico's 32-pixel drawing (opaque, as its mask must leave it)
// or the 16-pixel one, scaled up by a whole number; both show cubes in colours on black.
TEST(Art, EachThemeSizeIsItsDrawingScaledByAWholeNumber)
{
    const std::vector<art::Bytes> pngs = art::IconSet();
    ASSERT_EQ(pngs.size(), std::size(kThemeSizes));
    const Picture large = Decode(art::Icon());
    const Picture small = Decode(pngs[0]);
    for (const Picture* drawing : {&large, &small}) {
        const auto& pixels = drawing->pixels;
        EXPECT_GE(std::set<Colour>(pixels.begin(), pixels.end()).size(), 4u) << drawing->width;
        EXPECT_GT(std::size_t(std::count(pixels.begin(), pixels.end(), kBlack)), pixels.size() / 3)
            << drawing->width;
    }
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        const auto [side, drawingSide] = kThemeSizes[i];
        SCOPED_TRACE(side);
        const Picture drawing = ScaleDown(Decode(pngs[i]), side / drawingSide);
        EXPECT_TRUE(drawing.pixels == (drawingSide == 32 ? large : small).pixels);
    }
}

}  // namespace
