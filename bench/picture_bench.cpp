#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/gif_decoder.h"
#include "platform/gif_writer.h"

namespace morvane {
namespace {

// A 60-frame 640 x 480 GIF: a full background, then a sprite walking over it, then frames that
// change everywhere, so both the delta and the key frame paths are measured.
std::vector<uint8_t> LargeGif() {
    constexpr int kWidth = 640;
    constexpr int kHeight = 480;
    GifImage image;
    image.width = kWidth;
    image.height = kHeight;
    for (int i = 0; i < 256; ++i) {
        image.global_palette.push_back(
            {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i * 7)});
    }
    for (int f = 0; f < 60; ++f) {
        GifFrame frame;
        const bool whole = f == 0 || f >= 30;
        frame.left = whole ? 0 : 16 * f;
        frame.top = whole ? 0 : 200;
        frame.width = whole ? kWidth : 64;
        frame.height = whole ? kHeight : 64;
        frame.disposal = whole ? 1 : 3;
        frame.indices.resize(static_cast<std::size_t>(frame.width) * frame.height);
        for (int y = 0; y < frame.height; ++y) {
            for (int x = 0; x < frame.width; ++x) {
                frame.indices[static_cast<std::size_t>(y) * frame.width + x] =
                    static_cast<uint8_t>((x / 8 + y / 8 + f) % 256);
            }
        }
        image.frames.push_back(std::move(frame));
    }
    const std::string bytes = EncodeGif(image);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void BM_DecodeLargeGif(benchmark::State& state) {
    const std::vector<uint8_t> bytes = LargeGif();
    for (auto _ : state) {
        PictureResult result = DecodeGif(bytes);
        benchmark::DoNotOptimize(result.picture);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_DecodeLargeGif)->Unit(benchmark::kMillisecond);

void BM_ReadEveryFrame(benchmark::State& state) {
    const PicturePtr picture = DecodeGif(LargeGif()).picture;
    std::vector<uint32_t> pixels(static_cast<std::size_t>(picture->Width()) * picture->Height());
    for (auto _ : state) {
        for (int frame = 0; frame < picture->FrameCount(); ++frame) {
            picture->CopyFrameArgb(frame, pixels.data());
            benchmark::DoNotOptimize(pixels.data());
        }
    }
    state.counters["decoded_bytes"] = static_cast<double>(picture->MemoryBytes());
}
BENCHMARK(BM_ReadEveryFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvane

BENCHMARK_MAIN();
