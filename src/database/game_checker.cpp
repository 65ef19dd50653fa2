#include "database/game_checker.h"

#include "base/text.h"

namespace morvane::check {

GameChecker::GameChecker(const GameData& game, const GamePaths& paths, std::vector<Finding>& out)
    : game_(game), paths_(paths), out_(out) {}

void GameChecker::At(std::string file, int record, int object, std::string kind) {
    place_ = Finding{};
    place_.File = std::move(file);
    place_.Record = record;
    place_.Object = object;
    place_.Kind = std::move(kind);
}

void GameChecker::Add(Severity level, std::string field, std::string problem) {
    Finding finding = place_;
    finding.Level = level;
    finding.Field = std::move(field);
    finding.Problem = std::move(problem);
    out_.push_back(std::move(finding));
}

void GameChecker::Error(std::string field, std::string problem) {
    Add(Severity::kError, std::move(field), std::move(problem));
}

void GameChecker::Warning(std::string field, std::string problem) {
    Add(Severity::kWarning, std::move(field), std::move(problem));
}

bool GameChecker::Scene(const std::string& field, Integer scene, bool zero_is_none) {
    if ((zero_is_none && scene == 0) || (scene >= 1 && scene <= Scenes())) {
        return true;
    }
    Error(field, "scene " + std::to_string(scene) + " does not exist (" +
                     Counted(Scenes(), "scene") + ")");
    return false;
}

bool GameChecker::Item(const std::string& field, Integer item) {
    if (item >= 1 && item <= Items()) {
        return true;
    }
    Error(field,
          "item " + std::to_string(item) + " does not exist (" + Counted(Items(), "item") + ")");
    return false;
}

bool GameChecker::MapLocation(const std::string& field, Integer location) {
    const std::string name = "map location " + std::to_string(location);
    if (location > 20) {
        Error(field, name + " is beyond the map's 20 locations");
        return false;
    }
    if (location < 1 || location > Locations()) {
        Error(field, name + " does not exist (" + Counted(Locations(), "location") + ")");
        return false;
    }
    const std::string picture =
        game_.Locations[static_cast<std::size_t>(location - 1)].Picture.Trimmed();
    if (picture.empty() || picture == "Del") {
        Error(field,
              name + " is deleted (location " + std::to_string(location) + " has no picture)");
        return false;
    }
    return true;
}

bool GameChecker::CueCard(const std::string& field, Integer card) {
    if (card >= 1 && card <= Cards()) {
        return true;
    }
    Error(field, "cue card " + std::to_string(card) + " does not exist (" +
                     Counted(Cards(), "cue card") + ")");
    return false;
}

bool GameChecker::Flag(const std::string& field, Integer flag) {
    if (flag >= 0 && flag <= 255) {
        return true;
    }
    Error(field, "flag " + std::to_string(flag) + " is outside 0 to 255");
    return false;
}

bool GameChecker::Operator(const std::string& field, Integer op) {
    if (op >= 0 && op <= 3) {
        return true;
    }
    Error(field, "operator " + std::to_string(op) +
                     " is not a comparison (0 =, 1 <>, 2 <, 3 >); the condition never holds");
    return false;
}

void GameChecker::FlagMode(const std::string& field, Integer mode) {
    if (mode != 0 && mode != 1) {
        Warning(field, "flag mode " + std::to_string(mode) +
                           " changes nothing (0 sets the flag, 1 adds to it)");
    }
}

void GameChecker::Condition(const std::string& flag_field, Integer flag,
                            const std::string& op_field, Integer op) {
    Flag(flag_field, flag);
    Operator(op_field, op);
}

void GameChecker::Channel(const std::string& field, Integer channel, bool minus_one_is_dialogue) {
    if ((channel >= 0 && channel <= 20) || (minus_one_is_dialogue && channel == -1)) {
        return;
    }
    Error(field,
          "sound channel " + std::to_string(channel) + " does not exist (0 chooses one, 1 to 20)");
}

void GameChecker::Missing(const std::string& field, const std::string& what,
                          const std::string& name, std::string_view folder, std::size_t width) {
    std::string problem =
        what + " " + Windows1252ToUtf8(name) + " not found in " + std::string(folder);
    if (name.size() == width) {
        problem += " (the name fills all " + std::to_string(width) +
                   " characters of its field and may have been cut)";
    }
    Error(field, problem);
}

void GameChecker::PictureName(const std::string& field, const std::string& name,
                              std::size_t width) {
    if (name.empty()) {
        return;
    }
    files_.Pictures.insert(name);
    if (!paths_.FileExists("resource\\gfx\\" + name)) {
        Missing(field, "picture", name, "resource\\gfx", width);
    }
}

void GameChecker::MediaName(const std::string& field, const std::string& name, std::size_t width,
                            MediaUse use) {
    if (name.empty()) {
        return;
    }
    const std::string kind = Extension3(name);
    std::string what = "sound";
    switch (use) {
        case MediaUse::kSound:
            break;
        case MediaUse::kMovie:
            what = "movie";
            break;
        case MediaUse::kMusic:
            what = "music";
            if (kind != "wav" && kind != "mid" && kind != "mp3") {
                Error(field, "music " + Windows1252ToUtf8(name) +
                                 " is not a .wav, .mid or .mp3 file; nothing plays");
                return;
            }
            break;
        case MediaUse::kSoundOrMovie:
            if (kind != "wav" && kind != "avi") {
                Error(field, Windows1252ToUtf8(name) +
                                 " is neither a .wav sound nor an .avi movie; nothing plays");
                return;
            }
            what = kind == "avi" ? "movie" : "sound";
            break;
    }
    files_.Media.insert(name);
    if (!paths_.FileExists("resource\\mmedia\\" + name)) {
        Missing(field, what, name, "resource\\mmedia", width);
    }
}

std::string P(int position) {
    return (position >= 3 && position <= 11 ? "s" : "p") + std::to_string(position);
}

std::string FieldName(int number) {
    return "field " + std::to_string(number);
}

std::string Counted(int count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::string Extension3(const std::string& name) {
    return ToLowerAscii(name.size() <= 3 ? name : name.substr(name.size() - 3));
}

}  // namespace morvane::check
