// PNG pictures in memory through libpng, and a test folder with the dummy display open.
#include "support/PackageFixture.h"

#include <png.h>

#include <cstdlib>
#include <filesystem>

#include "jwe/ScratchFolder.h"

namespace wtrq::test {

std::vector<std::uint8_t> pngBytes(int width, int height, const std::function<Uint32(int, int)>& colour)
{
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t length) {
            auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
            bytes->insert(bytes->end(), data, data + length);
        },
        nullptr);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Uint32 c = colour(x, y);
            row[x * 3] = static_cast<png_byte>(c >> 16);
            row[x * 3 + 1] = static_cast<png_byte>(c >> 8);
            row[x * 3 + 2] = static_cast<png_byte>(c);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

PackageTest::PackageTest()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "wtrq-world-XXXXXX").string();
    if (mkdtemp(pattern.data()))
        folder = pattern;
    // Pictures are converted to the display format, which needs a video mode.
    SDL_Init(SDL_INIT_VIDEO);
    SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
}

PackageTest::~PackageTest()
{
    SDL_Quit();
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

std::string PackageTest::writePackage(const std::string& name, const std::vector<pjw::PackageMember>& members)
{
    const std::string path = (folder / name).string();
    pjw::writePackage(path, members, 77);
    return path;
}

bool PackageTest::scratchFileExists(const std::string& name) const
{
    const std::filesystem::path where = scratchFolder().folder();
    return !where.empty() && std::filesystem::exists(where / name);
}

}  // namespace wtrq::test
