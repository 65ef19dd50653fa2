#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "database/game_data.h"
#include "database/game_files.h"
#include "platform/game_paths.h"
#include "platform/picture_loader.h"

namespace morvane::testing {

// The demo game as the build made it in build/games/demo, read through the player's readers.
class DemoGameTest : public ::testing::Test {
  protected:
    static std::filesystem::path Folder() {
        return std::filesystem::path(MORVANE_BUILD_DIR) / "games" / "demo";
    }

    DemoGameTest() : paths_(Folder()), game_(ReadGameFiles(paths_)) {}

    const GamePaths& Paths() const { return paths_; }
    const GameData& Game() const { return game_; }

    // A picture the data names, decoded as the player decodes it; a failure names the file.
    PictureResult Gfx(const std::string& name) const {
        const auto file = paths_.Resolve("resource\\gfx\\" + name);
        return file ? LoadPicture(*file, nullptr)
                    : PictureResult::Failure(ErrorNumber::kFileNotFound, name + " is missing");
    }

  private:
    GamePaths paths_;
    GameData game_;
};

}  // namespace morvane::testing
