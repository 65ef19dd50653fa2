#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/integer.h"
#include "database/fixed_text.h"
#include "database/game_check.h"
#include "database/game_data.h"
#include "platform/game_paths.h"

namespace morvane::check {

// What a media field may hold, by the extension the player looks at.
enum class MediaUse {
    kSound,         // a WAV on a channel
    kMovie,         // an AVI
    kMusic,         // WAV, MIDI or MP3 by extension
    kSoundOrMovie,  // WAV or AVI by extension; anything else plays nothing
};

// The shared state of one check: the game, where its files lie, the record being looked at and
// the findings so far. The per-record checks (scenes, objects, the other files) report through
// it, so every line has the same shape.
class GameChecker {
  public:
    GameChecker(const GameData& game, const GamePaths& paths, std::vector<Finding>& out);

    const GameData& Game() const { return game_; }
    int Scenes() const { return static_cast<int>(game_.Scenes.size()); }
    int Items() const { return static_cast<int>(game_.Items.size()); }
    int Locations() const { return static_cast<int>(game_.Locations.size()); }
    int Cards() const { return static_cast<int>(game_.Conversations.size()); }

    // The record the next findings belong to.
    void At(std::string file, int record = 0, int object = 0, std::string kind = {});

    void Error(std::string field, std::string problem);
    void Warning(std::string field, std::string problem);

    // Reference checks: each reports what is wrong with one field and returns whether it is fine.
    // `zero_is_none` accepts 0 as "no reference".
    bool Scene(const std::string& field, Integer scene, bool zero_is_none);
    bool Item(const std::string& field, Integer item);
    bool MapLocation(const std::string& field, Integer location);
    bool CueCard(const std::string& field, Integer card);
    bool Flag(const std::string& field, Integer flag);
    bool Operator(const std::string& field, Integer op);
    void FlagMode(const std::string& field, Integer mode);
    // A condition of three consecutive fields: flag, operator, value.
    void Condition(const std::string& flag_field, Integer flag, const std::string& op_field,
                   Integer op);
    void Channel(const std::string& field, Integer channel, bool minus_one_is_dialogue = false);

    // File names, resolved as the player resolves them; an empty name is "none".
    template <std::size_t Width>
    void Picture(const std::string& field, const FixedText<Width>& name) {
        PictureName(field, name.Trimmed(), Width);
    }
    template <std::size_t Width>
    void Media(const std::string& field, const FixedText<Width>& name, MediaUse use) {
        MediaName(field, name.Trimmed(), Width, use);
    }

    // Every file name followed so far, found or not.
    const ReferencedFiles& Files() const { return files_; }

    // A text shown to the player that fills its whole field was probably cut by the authoring
    // tool.
    template <std::size_t Width>
    void ShownText(const std::string& field, const FixedText<Width>& text) {
        if (!text.Trimmed().empty() && text.Bytes().back() != ' ') {
            Warning(field, "text fills all " + std::to_string(Width) +
                               " characters of its field and may have been cut");
        }
    }

  private:
    void Add(Severity level, std::string field, std::string problem);
    void PictureName(const std::string& field, const std::string& name, std::size_t width);
    void MediaName(const std::string& field, const std::string& name, std::size_t width,
                   MediaUse use);
    void Missing(const std::string& field, const std::string& what, const std::string& name,
                 std::string_view folder, std::size_t width);

    const GameData& game_;
    const GamePaths& paths_;
    std::vector<Finding>& out_;
    Finding place_;
    ReferencedFiles files_;
};

// "p17" for object position 17, "s4" for the text at position 4.
std::string P(int position);
// "field 6".
std::string FieldName(int number);
// "9 items", "1 item".
std::string Counted(int count, std::string_view noun);
// The last three characters in lower case, as the player tells file kinds apart.
std::string Extension3(const std::string& name);

void CheckGeneral(GameChecker& checker);
void CheckScenes(GameChecker& checker);
void CheckCdRanges(GameChecker& checker, const GeneralRecord& general);
void CheckObject(GameChecker& checker, int scene, int slot, const ObjectBlock& object);
void CheckLocations(GameChecker& checker);
void CheckItems(GameChecker& checker);
void CheckConversations(GameChecker& checker);

}  // namespace morvane::check
