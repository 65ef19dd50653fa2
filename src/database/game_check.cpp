#include "database/game_check.h"

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string_view>
#include <system_error>

#include "database/game_checker.h"
#include "database/game_files.h"

namespace morvane {
namespace {

const char* LevelName(Severity level) {
    return level == Severity::kError ? "error" : "warning";
}

// A database file whose length is not a whole number of records: the player counts the partial
// record by rounding and reads what is missing as blank.
template <typename Record>
void CheckFileLength(const GamePaths& paths, std::vector<Finding>& out, std::string file) {
    const auto resolved = paths.Resolve(Record::kPath);
    std::error_code error;
    if (!resolved) {
        return;
    }
    const auto length = std::filesystem::file_size(*resolved, error);
    if (error || length % Record::kLength == 0) {
        return;
    }
    Finding finding;
    finding.File = std::move(file);
    finding.Level = Severity::kWarning;
    finding.Problem = std::string(Record::kPath) + " is " + std::to_string(length) +
                      " bytes, not a whole number of " + std::to_string(Record::kLength) +
                      "-byte records; the partial record reads as blank";
    out.push_back(std::move(finding));
}

}  // namespace

std::string Finding::Where() const {
    std::string where = File;
    if (Record == 0) {
        return File == "game" || File == "general" ? where : where + " file";
    }
    where += " " + std::to_string(Record);
    if (Object != 0) {
        where += " object " + std::to_string(Object);
        if (!Kind.empty()) {
            where += " (" + Kind + ")";
        }
    }
    return where;
}

std::string Finding::Line() const {
    std::string line = std::string(LevelName(Level)) + ": " + Where();
    if (!Field.empty()) {
        line += " " + Field;
    }
    return line + ": " + Problem;
}

namespace {

// Every check of the records, reported through `checker`.
void CheckRecords(const GameData& game, check::GameChecker& checker) {
    if (game.Scenes.empty()) {
        checker.At("game");
        checker.Error("", "the game has no scenes; a new game starts in scene 1");
    }
    const auto start_items =
        std::count_if(game.Items.begin(), game.Items.end(),
                      [](const auto& item) { return item.CarriedAtStart == 1; });
    if (start_items > 16) {
        checker.At("game");
        checker.Error("", std::to_string(start_items) +
                              " items are carried from the start; the inventory bar holds 16");
    }
    check::CheckGeneral(checker);
    check::CheckScenes(checker);
    check::CheckLocations(checker);
    check::CheckItems(checker);
    check::CheckConversations(checker);
}

}  // namespace

std::vector<Finding> CheckGame(const GameData& game, const GamePaths& paths) {
    std::vector<Finding> findings;
    check::GameChecker checker(game, paths, findings);
    CheckRecords(game, checker);
    return findings;
}

ReferencedFiles FilesNamedBy(const GameData& game, const GamePaths& paths) {
    std::vector<Finding> findings;
    check::GameChecker checker(game, paths, findings);
    CheckRecords(game, checker);
    return checker.Files();
}

std::vector<Finding> CheckGameFolder(const GamePaths& paths) {
    const GameData game = ReadGameFiles(paths);
    std::vector<Finding> findings;
    const auto general = paths.Resolve(GeneralRecord::kPath);
    std::error_code error;
    if (general && !game.General) {
        Finding finding;
        finding.File = "general";
        finding.Problem = std::string(GeneralRecord::kPath) + " is " +
                          std::to_string(std::filesystem::file_size(*general, error)) +
                          " bytes, not 908; the player ignores it and uses its built-in settings";
        findings.push_back(std::move(finding));
    }
    CheckFileLength<SceneRecord>(paths, findings, "scene");
    CheckFileLength<LocationRecord>(paths, findings, "location");
    CheckFileLength<InventoryRecord>(paths, findings, "item");
    CheckFileLength<ConversationRecord>(paths, findings, "conversation");
    auto records = CheckGame(game, paths);
    findings.insert(findings.end(), std::make_move_iterator(records.begin()),
                    std::make_move_iterator(records.end()));
    return findings;
}

bool HasErrors(const std::vector<Finding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.Level == Severity::kError; });
}

std::string FindingsJson(const std::vector<Finding>& findings) {
    using Json = nlohmann::ordered_json;
    Json list = Json::array();
    int errors = 0;
    for (const Finding& f : findings) {
        errors += f.Level == Severity::kError ? 1 : 0;
        Json item = Json::object();
        item["severity"] = LevelName(f.Level);
        item["file"] = f.File;
        item["record"] = f.Record;
        item["object"] = f.Object;
        item["kind"] = f.Kind;
        item["field"] = f.Field;
        item["problem"] = f.Problem;
        item["line"] = f.Line();
        list.push_back(std::move(item));
    }
    Json document = Json::object();
    document["errors"] = errors;
    document["warnings"] = static_cast<int>(findings.size()) - errors;
    document["findings"] = std::move(list);
    return document.dump(2) + "\n";
}

}  // namespace morvane
