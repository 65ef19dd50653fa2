#include "gif_baseline.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace morvane::bench {
namespace {

struct Reader {
    std::span<const uint8_t> bytes;
    std::size_t at = 0;
};

int Read(GifFileType* gif, GifByteType* out, int wanted) {
    auto* reader = static_cast<Reader*>(gif->UserData);
    const std::size_t count =
        std::min(reader->bytes.size() - reader->at, static_cast<std::size_t>(std::max(wanted, 0)));
    std::memcpy(out, reader->bytes.data() + reader->at, count);
    reader->at += count;
    return static_cast<int>(count);
}

}  // namespace

uint32_t DecodeWithGiflib(std::span<const uint8_t> bytes) {
    Reader reader{bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, Read, &error);
    if (gif == nullptr) {
        return 0;
    }
    const int width = gif->SWidth;
    const int height = gif->SHeight;
    std::vector<uint32_t> canvas(static_cast<std::size_t>(width) * height, 0);
    std::vector<uint32_t> saved;
    std::vector<GifPixelType> line;
    GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    while (DGifGetRecordType(gif, &type) != GIF_ERROR && type != TERMINATE_RECORD_TYPE) {
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            DGifGetExtension(gif, &code, &block);
            if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
                DGifExtensionToGCB(block[0], block + 1, &gcb);
            }
            while (block != nullptr && DGifGetExtensionNext(gif, &block) != GIF_ERROR) {
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(gif) == GIF_ERROR) {
            break;
        }
        const GifImageDesc& d = gif->Image;
        const ColorMapObject* map = d.ColorMap != nullptr ? d.ColorMap : gif->SColorMap;
        uint32_t colours[256] = {};
        for (int i = 0; i < map->ColorCount; ++i) {
            const GifColorType& c = map->Colors[i];
            colours[i] = 0xFF000000u | (uint32_t{c.Red} << 16) | (uint32_t{c.Green} << 8) | c.Blue;
        }
        const int x1 = std::min(width, d.Left + d.Width);
        const int y1 = std::min(height, d.Top + d.Height);
        if (gcb.DisposalMode == DISPOSE_PREVIOUS) {
            saved.clear();
            for (int y = d.Top; y < y1; ++y) {
                const uint32_t* row = canvas.data() + static_cast<std::size_t>(y) * width;
                saved.insert(saved.end(), row + d.Left, row + x1);
            }
        }
        line.resize(static_cast<std::size_t>(d.Width));
        for (int y = 0; y < d.Height; ++y) {
            DGifGetLine(gif, line.data(), d.Width);
            if (d.Top + y >= height) {
                continue;
            }
            uint32_t* row = canvas.data() + static_cast<std::size_t>(d.Top + y) * width;
            for (int x = d.Left; x < x1; ++x) {
                const GifPixelType index = line[static_cast<std::size_t>(x - d.Left)];
                if (index != gcb.TransparentColor) {
                    row[x] = colours[index];
                }
            }
        }
        if (gcb.DisposalMode == DISPOSE_BACKGROUND || gcb.DisposalMode == DISPOSE_PREVIOUS) {
            std::size_t from = 0;
            for (int y = d.Top; y < y1; ++y) {
                uint32_t* row = canvas.data() + static_cast<std::size_t>(y) * width;
                for (int x = d.Left; x < x1; ++x) {
                    row[x] = gcb.DisposalMode == DISPOSE_BACKGROUND ? 0 : saved[from++];
                }
            }
        }
        gcb = GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    }
    DGifCloseFile(gif, &error);
    return canvas.front() ^ canvas[canvas.size() / 2] ^ canvas.back() ^ 1u;
}

}  // namespace morvane::bench
