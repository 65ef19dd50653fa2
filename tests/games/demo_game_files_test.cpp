// Every file the demo game's data names is in the built game folder, and is what its name
// promises: a picture the player can decode, a PCM sound, a MIDI file, an AVI movie in codecs of
// the era, an MPEG-1 Layer III soundtrack.
#include <fstream>
#include <set>
#include <string>

#include "base/text.h"
#include "database/game_check.h"
#include "games/demo_game_fixture.h"
#include "media/avi_info.h"
#include "media/music_check.h"
#include "media/riff_reader.h"

namespace morvane::testing {
namespace {

TEST_F(DemoGameTest, HoldsEveryRecordTheStoryNeeds) {
    ASSERT_TRUE(Game().General.has_value()) << "the general file must be one whole record";
    EXPECT_GE(Game().Scenes.size(), 3U);
    EXPECT_FALSE(Game().Locations.empty());
    EXPECT_FALSE(Game().Items.empty());
    EXPECT_FALSE(Game().Conversations.empty());
    EXPECT_EQ(Game().General->GameTitle.Trimmed(), "Lighthouse Keeper");
}

// The two-look button pictures the game asks for: the main menu's five and its in-game buttons.
std::set<std::string> ButtonPictures(const GeneralRecord& g) {
    std::set<std::string> names;
    if (g.MenuButtonPictureChoice == 0) {
        for (const auto& picture : g.MenuButtonPictures) {
            names.insert(picture.Trimmed());
        }
    }
    for (const auto& [look, picture] :
         {std::pair{g.InGameMenuButtonPictureChoice, &g.InGameMenuButtonPicture},
          std::pair{g.InGameSaveButtonPictureChoice, &g.InGameSaveButtonPicture},
          std::pair{g.ExamineButtonChoice, &g.ExamineButtonPicture}}) {
        if (look == 2) {
            names.insert(picture->Trimmed());
        }
    }
    return names;
}

TEST_F(DemoGameTest, EveryPictureDecodesAndButtonsHaveTheirTwoLooks) {
    const ReferencedFiles refs = FilesNamedBy(Game(), Paths());
    const std::set<std::string> buttons = ButtonPictures(*Game().General);
    ASSERT_FALSE(refs.Pictures.empty());
    EXPECT_EQ(buttons.size(), 8U) << "five menu buttons and three in-game buttons";
    for (const std::string& name : refs.Pictures) {
        const PictureResult picture = Gfx(name);
        ASSERT_TRUE(picture) << name << ": " << picture.detail;
        EXPECT_GT(picture.picture->FrameCount(), 0) << name;
        if (buttons.contains(name)) {
            EXPECT_EQ(picture.picture->FrameCount(), 2) << name;
        }
    }
}

// The picture codec (Cinepak or MS Video 1) and the sound format (PCM or IMA ADPCM) of an AVI.
struct AviCodecs {
    std::string video;
    uint16_t sound = 0;
};

AviCodecs CodecsOf(const std::filesystem::path& file) {
    RiffReader riff(file, "AVI ");
    const auto header = riff.Find(riff.Form(), "LIST", "hdrl");
    if (!header) {
        return {};
    }
    // The stream lists lie in the header list: the pictures' first, the sound's after it.
    const std::string bytes = riff.Read(*header, static_cast<std::size_t>(header->size));
    AviCodecs codecs;
    const std::size_t vids = bytes.find("vids");
    const std::size_t video_format = bytes.find("strf", vids);
    if (vids != std::string::npos && video_format != std::string::npos) {
        codecs.video = bytes.substr(video_format + 8 + 16, 4);  // biCompression
    }
    const std::size_t auds = bytes.find("auds");
    const std::size_t sound_format = bytes.find("strf", auds);
    if (auds != std::string::npos && sound_format != std::string::npos) {
        codecs.sound = ReadU16(bytes, sound_format + 8);  // wFormatTag
    }
    return codecs;
}

TEST_F(DemoGameTest, EveryMediumIsOfItsKindAndOfTheEra) {
    const ReferencedFiles refs = FilesNamedBy(Game(), Paths());
    ASSERT_FALSE(refs.Media.empty());
    for (const std::string& name : refs.Media) {
        const auto file = Paths().Resolve("resource\\mmedia\\" + name);
        ASSERT_TRUE(file.has_value()) << name << " is missing";
        const std::string extension = FileKind(name);
        if (extension == "mid") {
            std::ifstream in(*file, std::ios::binary);
            std::string magic(4, '\0');
            in.read(magic.data(), 4);
            EXPECT_EQ(magic, "MThd") << name;
            continue;
        }
        if (extension == "avi") {
            const AviInfo info = ReadAviInfo(*file);
            // Stretched over the scene view, a movie keeps about its shape.
            ASSERT_GT(info.height, 0) << name;
            EXPECT_NEAR(static_cast<double>(info.width) / info.height, 700.0 / 475.0, 0.02) << name;
            EXPECT_GT(info.duration, 0) << name;
            EXPECT_LE(info.duration, 10000) << name << " is too long for the demo";
            const AviCodecs codecs = CodecsOf(*file);
            EXPECT_TRUE(codecs.video == "cvid" || codecs.video == "CRAM" || codecs.video == "MSVC")
                << name << " pictures in " << codecs.video;
            EXPECT_TRUE(codecs.sound == 1 || codecs.sound == 0x11)
                << name << " sound format " << codecs.sound;
            continue;
        }
        if (extension == "mp3") {
            EXPECT_EQ(CheckMp3File(*file), MusicCheck::kPlayable) << name;
            std::ifstream in(*file, std::ios::binary);
            std::string header(2, '\0');
            in.read(header.data(), 2);
            // Frame sync, MPEG-1, Layer III.
            EXPECT_EQ(static_cast<unsigned char>(header[0]), 0xFF) << name;
            EXPECT_EQ(static_cast<unsigned char>(header[1]) & 0xFE, 0xFA) << name;
            continue;
        }
        ASSERT_EQ(extension, "wav") << name;
        RiffReader riff(*file, "WAVE");
        const auto format = riff.Find(riff.Form(), "fmt ");
        ASSERT_TRUE(format.has_value()) << name;
        const std::string fmt = riff.Read(*format, 16);
        EXPECT_EQ(ReadU16(fmt, 0), 1) << name << " is not PCM";
        EXPECT_EQ(ReadU16(fmt, 14), 16) << name << " is not 16-bit";
        const auto data = riff.Find(riff.Form(), "data");
        ASSERT_TRUE(data.has_value()) << name;
        EXPECT_GT(data->size, 0U) << name;
    }
}

TEST_F(DemoGameTest, GeneratedFolderHoldsNothingTheGameDoesNotUse) {
    const ReferencedFiles refs = FilesNamedBy(Game(), Paths());
    for (const char* folder : {"gfx", "mmedia"}) {
        const auto& named = std::string(folder) == "gfx" ? refs.Pictures : refs.Media;
        for (const auto& entry :
             std::filesystem::directory_iterator(Folder() / "resource" / folder)) {
            EXPECT_EQ(named.count(entry.path().filename().string()), 1U)
                << entry.path().filename() << " is generated but never used";
        }
    }
}

TEST_F(DemoGameTest, StaysSmall) {
    std::uintmax_t total = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Folder())) {
        if (entry.is_regular_file()) {
            total += entry.file_size();
        }
    }
    EXPECT_LT(total, 4U * 1024 * 1024);
}

}  // namespace
}  // namespace morvane::testing
