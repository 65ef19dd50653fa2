#include "database/game_source.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "base/text.h"

namespace morvane {
namespace {

using Json = nlohmann::ordered_json;

// Where a field goes in the document: a key of `object`, and for arrays an element index.
struct Slot {
    Json* Object = nullptr;
    std::string Key;
    int Index = -1;
    std::string Name;  // for messages: "field 7", "arrow B value 2", "s3"
};

using Locate = std::function<Slot(const RecordField&)>;

Slot NumberedSlot(Json& object, const RecordField& field) {
    Slot slot{&object, std::to_string(field.Number), field.Element - 1,
              "field " + std::to_string(field.Number)};
    if (field.Element > 0) {
        slot.Name += " line " + std::to_string(field.Element);
    }
    return slot;
}

std::string ObjectKey(int position) {
    switch (position) {
        case 0:
            return "kind";
        case 1:
            return "pos1";
        case 2:
            return "pos2";
        default:
            return (position <= 11 ? "s" : "p") + std::to_string(position);
    }
}

Slot ObjectSlot(Json& object, const RecordField& field) {
    const std::string key = ObjectKey(field.Number);
    return Slot{&object, key, -1, key};
}

constexpr std::string_view kGroupNames = "ABCD";

// Header fields 1 to 32 go to "header", 33 to 56 to the arrow groups of "arrows".
Slot HeaderSlot(Json& header, Json& arrows, const RecordField& field) {
    if (field.Number <= 32) {
        return NumberedSlot(header, field);
    }
    const int n = field.Number;
    const int group = n <= 40 ? (n - 33) / 2 : (n - 41) / 4;
    const int value = n <= 40 ? (n - 33) % 2 + 1 : (n - 41) % 4 + 3;
    const std::string key(1, kGroupNames[static_cast<std::size_t>(group)]);
    return Slot{&arrows, key, value - 1, "arrow " + key + " value " + std::to_string(value)};
}

// ---- dump ----

class DumpVisitor {
  public:
    explicit DumpVisitor(Locate locate) : locate_(std::move(locate)) {}

    template <std::size_t Width>
    void operator()(const RecordField& field, const FixedText<Width>& text) const {
        Put(field, Windows1252ToUtf8(text.Trimmed()));
    }
    void operator()(const RecordField& field, const Integer& value) const { Put(field, value); }

  private:
    template <typename T>
    void Put(const RecordField& field, const T& value) const {
        const Slot slot = locate_(field);
        Json& target = (*slot.Object)[slot.Key];
        if (slot.Index < 0) {
            target = value;
        } else {
            target[static_cast<std::size_t>(slot.Index)] = value;
        }
    }

    Locate locate_;
};

template <typename Record>
Json DumpNumbered(const Record& record) {
    Json object = Json::object();
    Record::Visit(record,
                  DumpVisitor([&](const RecordField& f) { return NumberedSlot(object, f); }));
    return object;
}

Json DumpScene(const SceneRecord& scene) {
    Json header = Json::object();
    Json arrows = Json::object();
    SceneHeader::Visit(scene.Header, DumpVisitor([&](const RecordField& f) {
                           return HeaderSlot(header, arrows, f);
                       }));
    Json objects = Json::array();
    for (const ObjectBlock& block : scene.Objects) {
        Json object = Json::object();
        ObjectBlock::Visit(
            block, DumpVisitor([&](const RecordField& f) { return ObjectSlot(object, f); }));
        objects.push_back(std::move(object));
    }
    Json out = Json::object();
    out["header"] = std::move(header);
    out["arrows"] = std::move(arrows);
    out["objects"] = std::move(objects);
    return out;
}

template <typename Record, typename Dump>
Json DumpList(const std::vector<Record>& records, Dump dump) {
    Json list = Json::array();
    for (const Record& record : records) {
        list.push_back(dump(record));
    }
    return list;
}

// ---- parse ----

[[noreturn]] void Fail(const std::string& message) {
    throw GameSourceError(message);
}

// Reads the fields of one JSON object (and the arrays inside it) into a record, remembering
// which keys and how many array elements the record has, so that anything else is refused.
class ParseVisitor {
  public:
    ParseVisitor(std::string where, Locate locate)
        : where_(std::move(where)), locate_(std::move(locate)) {}

    template <std::size_t Width>
    void operator()(const RecordField& field, FixedText<Width>& text) {
        const Slot slot = locate_(field);
        const Json* value = Find(slot);
        if (value == nullptr) {
            return;
        }
        if (!value->is_string()) {
            Fail(Context(slot) + ": expected a text");
        }
        const auto bytes = Utf8ToWindows1252(value->get_ref<const std::string&>());
        if (!bytes) {
            Fail(Context(slot) + ": character outside Windows-1252");
        }
        if (bytes->size() > Width) {
            Fail(Context(slot) + ": text longer than " + std::to_string(Width) + " characters");
        }
        text = FixedText<Width>(*bytes);
    }

    void operator()(const RecordField& field, Integer& number) {
        const Slot slot = locate_(field);
        const Json* value = Find(slot);
        if (value == nullptr) {
            return;
        }
        const bool whole = value->is_number_integer();
        const bool in_range =
            whole && (value->is_number_unsigned() ? value->get<std::uint64_t>() <= 32767
                                                  : value->get<std::int64_t>() >= -32768 &&
                                                        value->get<std::int64_t>() <= 32767);
        if (!in_range) {
            Fail(Context(slot) + ": expected a whole number from -32768 to 32767");
        }
        number = static_cast<Integer>(value->get<std::int64_t>());
    }

    // Refuses keys and array elements that no field of the record reads.
    void CheckNothingElse(const Json& object) const {
        for (const auto& [key, value] : object.items()) {
            const auto known = known_.find({&object, key});
            if (known == known_.end()) {
                Fail(where_ + ": unknown key \"" + key + "\"");
            }
            if (known->second > 0 && value.size() > static_cast<std::size_t>(known->second)) {
                Fail(where_ + ": \"" + key + "\" has more than " + std::to_string(known->second) +
                     " elements");
            }
        }
    }

  private:
    std::string Context(const Slot& slot) const { return where_ + " " + slot.Name; }

    const Json* Find(const Slot& slot) {
        int& elements = known_[{slot.Object, slot.Key}];
        const Json& object = *slot.Object;
        const auto it = object.find(slot.Key);
        if (slot.Index >= 0) {
            elements = std::max(elements, slot.Index + 1);
        }
        if (it == object.end()) {
            return nullptr;
        }
        if (slot.Index < 0) {
            return &*it;
        }
        if (!it->is_array()) {
            Fail(where_ + " \"" + slot.Key + "\": expected an array");
        }
        const auto index = static_cast<std::size_t>(slot.Index);
        return index < it->size() ? &(*it)[index] : nullptr;
    }

    std::string where_;
    Locate locate_;
    std::map<std::pair<const Json*, std::string>, int> known_;
};

// The object under `key`; an absent one reads as `absent`, an empty object.
Json& ObjectAt(Json& parent, const std::string& key, const std::string& where, Json& absent) {
    const auto it = parent.find(key);
    if (it == parent.end()) {
        return absent;
    }
    if (!it->is_object()) {
        Fail(where + ": expected an object");
    }
    return *it;
}

template <typename Record>
Record ParseNumbered(Json& object, const std::string& where) {
    if (!object.is_object()) {
        Fail(where + ": expected an object");
    }
    Record record;
    ParseVisitor visit(where, [&](const RecordField& f) { return NumberedSlot(object, f); });
    Record::Visit(record, visit);
    visit.CheckNothingElse(object);
    return record;
}

SceneRecord ParseScene(Json& source, const std::string& where) {
    if (!source.is_object()) {
        Fail(where + ": expected an object");
    }
    for (const auto& [key, value] : source.items()) {
        if (key != "header" && key != "arrows" && key != "objects") {
            Fail(where + ": unknown key \"" + key + "\"");
        }
    }
    SceneRecord scene;
    Json no_header = Json::object();
    Json no_arrows = Json::object();
    Json& header = ObjectAt(source, "header", where + " header", no_header);
    Json& arrows = ObjectAt(source, "arrows", where + " arrows", no_arrows);
    ParseVisitor visit(where, [&](const RecordField& f) { return HeaderSlot(header, arrows, f); });
    SceneHeader::Visit(scene.Header, visit);
    visit.CheckNothingElse(header);
    visit.CheckNothingElse(arrows);

    const auto objects = source.find("objects");
    if (objects == source.end()) {
        return scene;
    }
    if (!objects->is_array() || objects->size() > static_cast<std::size_t>(kObjectSlots)) {
        Fail(where + ": \"objects\" must be an array of at most 20 objects");
    }
    for (std::size_t i = 0; i < objects->size(); ++i) {
        Json& object = (*objects)[i];
        const std::string object_where = where + " object " + std::to_string(i + 1);
        if (!object.is_object()) {
            Fail(object_where + ": expected an object");
        }
        ParseVisitor object_visit(object_where,
                                  [&](const RecordField& f) { return ObjectSlot(object, f); });
        ObjectBlock::Visit(scene.Objects(static_cast<long long>(i) + 1), object_visit);
        object_visit.CheckNothingElse(object);
    }
    return scene;
}

template <typename Record, typename Parse>
std::vector<Record> ParseList(Json& document, const std::string& key, const std::string& noun,
                              Parse parse) {
    std::vector<Record> records;
    const auto it = document.find(key);
    if (it == document.end()) {
        return records;
    }
    if (!it->is_array()) {
        Fail("\"" + key + "\": expected an array");
    }
    if (it->size() > 32767) {
        Fail("\"" + key + "\": more records than a game file can count");
    }
    for (std::size_t i = 0; i < it->size(); ++i) {
        records.push_back(parse((*it)[i], noun + " " + std::to_string(i + 1)));
    }
    return records;
}

}  // namespace

GameData ParseGameSource(std::string_view text) {
    Json document;
    try {
        document = Json::parse(text);
    } catch (const Json::parse_error& error) {
        std::string message = error.what();
        if (const auto end = message.find("] ");
            message.starts_with("[json") && end != message.npos) {
            message.erase(0, end + 2);
        }
        Fail("malformed JSON: " + message);
    }
    if (!document.is_object()) {
        Fail("the document must be a JSON object");
    }
    for (const auto& [key, value] : document.items()) {
        static const std::array<std::string_view, 6> kKeys = {
            "counts", "general", "scenes", "locations", "items", "conversations"};
        if (std::find(kKeys.begin(), kKeys.end(), key) == kKeys.end()) {
            Fail("unknown key \"" + key + "\"");
        }
    }

    GameData game;
    game.Scenes = ParseList<SceneRecord>(document, "scenes", "scene", ParseScene);
    game.Locations =
        ParseList<LocationRecord>(document, "locations", "location", ParseNumbered<LocationRecord>);
    game.Items =
        ParseList<InventoryRecord>(document, "items", "item", ParseNumbered<InventoryRecord>);
    game.Conversations = ParseList<ConversationRecord>(document, "conversations", "conversation",
                                                       ParseNumbered<ConversationRecord>);
    const auto general = document.find("general");
    if (general == document.end()) {
        game.General = GeneralRecord{};
    } else if (!general->is_null()) {
        game.General = ParseNumbered<GeneralRecord>(*general, "general");
    }
    return game;
}

std::string DumpGameSource(const GameData& game) {
    Json document = Json::object();
    document["counts"] = Json{{"scenes", game.Scenes.size()},
                              {"locations", game.Locations.size()},
                              {"items", game.Items.size()},
                              {"conversations", game.Conversations.size()}};
    document["general"] = game.General ? DumpNumbered(*game.General) : Json(nullptr);
    document["scenes"] = DumpList(game.Scenes, DumpScene);
    document["locations"] = DumpList(game.Locations, DumpNumbered<LocationRecord>);
    document["items"] = DumpList(game.Items, DumpNumbered<InventoryRecord>);
    document["conversations"] = DumpList(game.Conversations, DumpNumbered<ConversationRecord>);
    return document.dump(2) + "\n";
}

}  // namespace morvane
