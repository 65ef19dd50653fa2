#include "demo_scene.h"

#include <cmath>
#include <numbers>

#include "platform/desktop.h"
#include "platform/sdl/memory_picture.h"

namespace morvane::bench {

PicturePtr MakeScenePicture(int width, int height) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // A dusk sky over a dark floor, with a lit doorway.
            uint32_t r = 30 + 60 * y / height;
            uint32_t g = 40 + 40 * y / height;
            uint32_t b = 110 - 60 * y / height;
            if (y > height * 2 / 3) {
                r = 50 + (x * 7 % 13);
                g = 38;
                b = 30;
            }
            if (x > 300 && x < 380 && y > 160 && y < height * 2 / 3) {
                r = 230;
                g = 190;
                b = 90;
            }
            pixels[static_cast<std::size_t>(y) * width + x] =
                0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    return std::make_shared<const sdl::MemoryPicture>(
        width, height, std::vector<std::vector<uint32_t>>{std::move(pixels)}, std::vector<int>{},
        std::nullopt, "scene.gif");
}

PicturePtr MakeSpinnerPicture(int size, int frames, int delay_ms, uint32_t colour) {
    std::vector<std::vector<uint32_t>> all;
    const double centre = (size - 1) / 2.0;
    for (int f = 0; f < frames; ++f) {
        std::vector<uint32_t> pixels(static_cast<std::size_t>(size) * size, 0);
        const double angle = 2 * std::numbers::pi * f / frames;
        const double dot_x = centre + std::cos(angle) * size / 3.0;
        const double dot_y = centre + std::sin(angle) * size / 3.0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const double d = std::hypot(x - centre, y - centre);
                const double dot = std::hypot(x - dot_x, y - dot_y);
                uint32_t& p = pixels[static_cast<std::size_t>(y) * size + x];
                if (dot < size / 8.0) {
                    p = 0xFFFFFFFFu;
                } else if (d < size / 2.0) {
                    p = colour;
                }
            }
        }
        all.push_back(std::move(pixels));
    }
    return std::make_shared<const sdl::MemoryPicture>(
        size, size, std::move(all), std::vector<int>(static_cast<std::size_t>(frames), delay_ms));
}

PicturePtr MakePointerPicture() {
    constexpr int kSize = 24;
    std::vector<uint32_t> pixels(kSize * kSize, 0);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x <= y / 2 + 1 && x < kSize; ++x) {
            pixels[static_cast<std::size_t>(y) * kSize + x] =
                x == 0 || x == y / 2 + 1 || y == kSize - 1 ? 0xFF000000u : 0xFFF0D060u;
        }
    }
    return std::make_shared<const sdl::MemoryPicture>(
        kSize, kSize, std::vector<std::vector<uint32_t>>{std::move(pixels)}, std::vector<int>{},
        HotSpot{0, 0}, "pointer.cur");
}

DemoScene::DemoScene(Desktop& desktop, int animated) : forms(desktop), main(forms.Main) {
    main.ScnImg.SetPicture(MakeScenePicture(Main::kSceneWidth, Main::kSceneHeight));
    const uint32_t colours[] = {0xFFC03030u, 0xFF30A040u, 0xFF3060C0u, 0xFFC0A020u, 0xFF9040B0u};
    for (int i = 1; i <= animated; ++i) {
        AnimatedPicture& object = main.Animation(i);
        // Frame rates as GIFs have them: 60 to 140 ms a frame.
        object.SetPictureFile(
            MakeSpinnerPicture(48, 12, 60 + 20 * ((i - 1) % 5), colours[(i - 1) % 5]));
        object.Move(20 + ((i - 1) % 10) * 66, 40 + ((i - 1) / 10) * 90, object.Width(),
                    object.Height());
        object.SetVisible(true);
        object.OnStep = [this] { ++frames_shown_; };
        Animation.push_back(&object);
    }
    main.ConvBox.SetVisible(true);
    main.ConvText(1).SetVisible(true);
    main.ConvText(1).SetCaption("Caf\xe9 cr\xe8me \x96 it\x92s locked.");
    main.LargeScore.SetVisible(true);
    main.CurrScore_Large.SetCaption("120");
    main.MaxScore_Large.SetCaption("500");
    for (int slot = 1; slot <= 3; ++slot) {
        main.invitem(slot).SetPicture(MakeSpinnerPicture(40, 1, 100, colours[slot]));
        main.invitem(slot).SetVisible(true);
    }
}

void DemoScene::StartAll() {
    for (AnimatedPicture* object : Animation) {
        object->Start();
    }
}

}  // namespace morvane::bench
