#include "platform/sdl/screenshot.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <map>

#include "platform/sdl/player_icon.h"
#include "platform/sdl/sdl_handles.h"
#include "support/temp_folder.h"

namespace morvane::sdl {
namespace {

EnvironmentLookup World(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](const std::string& name) {
        const auto it = variables.find(name);
        return it != variables.end() ? it->second : std::string();
    };
}

TEST(ScreenshotTest, ThePicturesFolderComesFromTheEnvironmentTheDesktopOrHome) {
    testing::TempFolder config;
    config.Write("user-dirs.dirs",
                 "# written by xdg-user-dirs-update\n"
                 "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                 "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    testing::TempFolder home_only;
    home_only.Write(".config/user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/\"\n");
    const std::string dirs = config.Path().string();
    const std::string home2 = home_only.Path().string();
    struct Case {
        std::map<std::string, std::string> environment;
        std::filesystem::path folder;
    };
    for (const Case& c : std::vector<Case>{
             {{{"XDG_PICTURES_DIR", "/srv/shots"}, {"HOME", "/home/ann"}}, "/srv/shots"},
             {{{"XDG_CONFIG_HOME", dirs}, {"HOME", "/home/ann"}}, "/home/ann/Bilder"},
             // A desktop saying "none" (the home folder itself) leaves the usual place.
             {{{"HOME", home2}}, home_only.Path() / "Pictures"},
             {{{"HOME", "/home/bo"}}, "/home/bo/Pictures"},
         }) {
        EXPECT_EQ(PicturesFolder(World(c.environment)), c.folder);
    }
}

TEST(ScreenshotTest, FileNamesCarryTheTitleDateAndTime) {
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 6;
    when.tm_hour = 21;
    when.tm_min = 5;
    when.tm_sec = 9;
    for (const auto& [title, name] : {
             std::pair{"Lighthouse Keeper", "Lighthouse_Keeper-2026-12-06-210509.png"},
             {"Lost/../Isle: Part 2", "LostIsle_Part_2-2026-12-06-210509.png"},
             {"   ", "Morvane-2026-12-06-210509.png"},
             {"", "Morvane-2026-12-06-210509.png"},
         }) {
        EXPECT_EQ(ScreenshotFileName(title, when), name);
    }
}

TEST(ScreenshotTest, SavedPicturesHoldTheCanvasAndNeverOverwriteOneAnother) {
    testing::TempFolder pictures;
    const auto folder = pictures.Path() / "made" / "here";
    std::vector<uint32_t> pixels(4 * 3, 0xFF102030u);
    pixels[5] = 0xFFFF8000u;
    const auto first = SaveScreenshot(pixels, 4, 3, folder, "Game-1.png");
    const auto second = SaveScreenshot(pixels, 4, 3, folder, "Game-1.png");
    EXPECT_EQ(first, folder / "Game-1.png");
    EXPECT_EQ(second, folder / "Game-1-2.png");

    SurfaceHandle loaded(IMG_Load(first.c_str()));
    ASSERT_TRUE(loaded);
    SurfaceHandle argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    ASSERT_EQ(argb->w, 4);
    ASSERT_EQ(argb->h, 3);
    const auto* row = static_cast<const uint32_t*>(argb->pixels);
    EXPECT_EQ(row[0], 0xFF102030u);
    EXPECT_EQ(static_cast<const uint32_t*>(static_cast<const void*>(
                  static_cast<const uint8_t*>(argb->pixels) + argb->pitch))[1],
              0xFFFF8000u);

    // A folder that cannot be made is reported with the path.
    const auto blocked = pictures.Write("file");
    try {
        SaveScreenshot(pixels, 4, 3, blocked / "sub", "x.png");
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find((blocked / "sub" / "x.png").string()),
                  std::string::npos);
    }
}

TEST(PlayerIconTest, TheIconIsARoundedTileWithTransparentCorners) {
    for (const int size : {16, 64}) {
        const auto pixels = DrawPlayerIcon(size);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size));
        auto alpha = [&](int x, int y) { return pixels[y * size + x] >> 24; };
        EXPECT_EQ(alpha(0, 0), 0U) << size;
        EXPECT_EQ(alpha(size - 1, size - 1), 0U) << size;
        EXPECT_EQ(alpha(size / 2, size / 2), 255U) << size;
        EXPECT_EQ(alpha(size / 2, size / 10), 255U) << size;
    }
}

}  // namespace
}  // namespace morvane::sdl
