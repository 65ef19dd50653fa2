#include "database/game_format_doc.h"

#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "database/game_data.h"
#include "database/record_descriptions.h"

namespace morvane {
namespace {

// One field as a record's Visit lays it out.
struct Laid {
    int Number = 0;
    std::size_t Offset = 0;
    int Element = 0;
    std::size_t Width = 0;
    bool Text = false;
};

struct Collect {
    std::vector<Laid>& Out;

    template <std::size_t Width>
    void operator()(const RecordField& f, const FixedText<Width>&) const {
        Out.push_back(Laid{f.Number, f.Offset, f.Element, Width, true});
    }
    void operator()(const RecordField& f, const Integer&) const {
        Out.push_back(Laid{f.Number, f.Offset, f.Element, 2, false});
    }
};

template <typename Record>
std::vector<Laid> Layout() {
    std::vector<Laid> fields;
    const Record record{};
    Record::Visit(record, Collect{fields});
    return fields;
}

std::string Range(int first, int last, const std::string& join = " to ") {
    return last == 0 || last == first ? std::to_string(first)
                                      : std::to_string(first) + join + std::to_string(last);
}

// The fields `d` describes; a description that names no field is a mistake in the tables.
std::vector<Laid> Described(const std::vector<Laid>& layout, const FieldDescription& d,
                            std::set<int>& covered, const std::string& record) {
    std::vector<Laid> fields;
    const int last = d.Last == 0 ? d.First : d.Last;
    for (const Laid& f : layout) {
        if (f.Number >= d.First && f.Number <= last) {
            fields.push_back(f);
            covered.insert(f.Number);
        }
    }
    if (fields.empty()) {
        throw std::logic_error(record + ": description of field " + std::to_string(d.First) +
                               " names no field of the layout");
    }
    for (const Laid& f : fields) {
        if (f.Text != fields.front().Text || f.Width != fields.front().Width) {
            throw std::logic_error(record + ": fields " + std::to_string(d.First) + " to " +
                                   std::to_string(last) + " differ in type or width");
        }
    }
    return fields;
}

void RequireAllCovered(const std::vector<Laid>& layout, const std::set<int>& covered,
                       const std::string& record) {
    for (const Laid& f : layout) {
        if (!covered.contains(f.Number)) {
            throw std::logic_error(record + ": field " + std::to_string(f.Number) +
                                   " has no description");
        }
    }
}

// Elements per field of the five-element arrays of a cue card.
std::size_t PerField(const std::vector<Laid>& fields) {
    const auto numbers = static_cast<std::size_t>(fields.back().Number - fields.front().Number + 1);
    return fields.size() / numbers;
}

std::string TypeOf(const std::vector<Laid>& fields) {
    const Laid& f = fields.front();
    const std::string type = f.Text ? "text" : "Integer";
    if (f.Element > 0) {
        return std::to_string(PerField(fields)) + " " + type + "s";
    }
    return type;
}

std::string WidthOf(const std::vector<Laid>& fields) {
    const Laid& f = fields.front();
    if (f.Element > 0) {
        return std::to_string(PerField(fields)) + " x " + std::to_string(f.Width);
    }
    return std::to_string(f.Width) + (fields.size() > 1 ? " each" : "");
}

std::string OffsetOf(const std::vector<Laid>& fields) {
    const Laid& last = fields.back();
    if (fields.size() == 1) {
        return std::to_string(fields.front().Offset);
    }
    return std::to_string(fields.front().Offset) + " to " +
           std::to_string(last.Offset + last.Width - 1);
}

std::string Key(const FieldDescription& d, const std::string& prefix = {}) {
    if (d.Last == 0 || d.Last == d.First) {
        return "`" + prefix + "\"" + std::to_string(d.First) + "\"`";
    }
    return "`" + prefix + "\"" + std::to_string(d.First) + "\"` to `\"" + std::to_string(d.Last) +
           "\"`";
}

// A table of a record whose fields are keyed by number in the JSON document.
void NumberedTable(std::ostream& out, const std::vector<Laid>& layout,
                   std::span<const FieldDescription> descriptions, const std::string& record,
                   const std::string& key_prefix = {}) {
    out << "| Field | JSON key | Offset | Width | Type | Name | Meaning |\n";
    out << "|---|---|---|---|---|---|---|\n";
    std::set<int> covered;
    for (const FieldDescription& d : descriptions) {
        const auto fields = Described(layout, d, covered, record);
        out << "| " << Range(d.First, d.Last) << " | " << Key(d, key_prefix) << " | "
            << OffsetOf(fields) << " | " << WidthOf(fields) << " | " << TypeOf(fields) << " | "
            << d.Name << " | " << d.Meaning << " |\n";
    }
    RequireAllCovered(layout, covered, record);
}

void Introduction(std::ostream& out) {
    out << "# The game data format\n\n"
           "<!-- Generated by `morvane-tool format-doc` from the record layouts the player "
           "reads; do not edit by hand. -->\n\n"
           "A game is a folder with a `resource` sub-folder holding five database files, "
           "pictures in `resource/gfx` and sounds and movies in `resource/mmedia`. File names "
           "in the data are bare names with their extension (at most 15 characters); the player "
           "finds them whatever their letter case.\n\n"
           "Each database file is a plain run of fixed-length records, record n at byte "
           "(n - 1) x length, with no header. An Integer is 2 bytes, signed, little-endian; a "
           "text of width N is N bytes of Windows-1252 text padded with spaces, and an "
           "all-space text means none. Record numbers are the numbers the game uses everywhere: "
           "scene n is record n of the scene file, and so on, counted from 1.\n\n"
           "| File | Holds | Record length |\n|---|---|---|\n"
        << "| `" << SceneRecord::kPath << "` | scenes | " << SceneRecord::kLength << " |\n"
        << "| `resource/Morvane2.dat` | map locations (at most 20) | " << LocationRecord::kLength
        << " |\n"
        << "| `resource/Morvane3.dat` | inventory items | " << InventoryRecord::kLength << " |\n"
        << "| `" << GeneralRecord::kPath << "` | the general settings, exactly one record | "
        << GeneralRecord::kLength << " |\n"
        << "| `resource/Morvane5.dat` | conversations (cue cards) | " << ConversationRecord::kLength
        << " |\n\n"
        << "`morvane-tool dump GAME_FOLDER` writes the five files as one JSON document and "
           "`morvane-tool build SOURCE.json GAME_FOLDER` writes them back; "
           "`morvane-tool check GAME_FOLDER` lists every reference that cannot work. The "
           "document is an object with the lists `scenes`, `locations`, `items`, "
           "`conversations` (element i is record i + 1) and the object `general`; each record "
           "keys its fields by the numbers below. Absent keys read as blank (texts empty, "
           "numbers 0). Flags are numbered 0 to 255 (flag 0 never changes); a condition is a "
           "flag, an operator (0 =, 1 <>, 2 <, 3 >) and a value; a flag change is a flag, a "
           "value and a mode (0 sets, 1 adds).\n\n";
}

void SceneSection(std::ostream& out) {
    out << "## Scenes (`scenes`)\n\n"
           "A scene record is a 255-byte header followed by 20 object blocks of 207 bytes. In "
           "the document a scene is `{\"header\": {...}, \"arrows\": {...}, \"objects\": "
           "[...]}`.\n\n### Header (`header`)\n\n";
    std::vector<Laid> header;
    std::vector<Laid> arrows;
    for (const Laid& f : Layout<SceneHeader>()) {
        (f.Number <= 32 ? header : arrows).push_back(f);
    }
    NumberedTable(out, header, SceneHeaderDescriptions(), "scene header");

    out << "\n### Navigation arrows (`arrows`, fields 33 to 56)\n\n"
           "Four arrows A, B, C, D drive the controls `Directionl(1)` (up), `Directionl(3)` "
           "(down), `Directionl(4)` (left) and `Directionl(2)` (right). Each has six values; in "
           "the document `\"arrows\": {\"A\": [v1, ..., v6], ...}`. The file stores values 1 "
           "and 2 of all four arrows first, then values 3 to 6.\n\n"
           "| Value | Name | Meaning | Fields (A, B, C, D) | Offsets |\n|---|---|---|---|---|\n";
    std::set<int> covered;
    for (const FieldDescription& d : ArrowValueDescriptions()) {
        std::string numbers;
        std::string offsets;
        for (int group = 0; group < kArrowGroups; ++group) {
            const int number = ArrowFieldNumber(group, d.First);
            for (const Laid& f : arrows) {
                if (f.Number == number) {
                    numbers += (group == 0 ? "" : ", ") + std::to_string(number);
                    offsets += (group == 0 ? "" : ", ") + std::to_string(f.Offset);
                    covered.insert(number);
                }
            }
        }
        out << "| " << d.First << " | " << d.Name << " | " << d.Meaning << " | " << numbers << " | "
            << offsets << " |\n";
    }
    RequireAllCovered(arrows, covered, "scene arrows");

    out << "\n### Objects (`objects`)\n\n"
           "Object k (1 to 20) starts at byte 255 + 207 x (k - 1). Its 45 fields are named by "
           "position: `kind`, `pos1`, `pos2`, texts `s3` to `s11` (15 characters each) and "
           "Integers `p12` to `p44`. An object whose fields are all blank is an empty slot.\n\n"
           "| Position | Offset in block | Width | Type | Name | Meaning |\n"
           "|---|---|---|---|---|---|\n";
    const auto block = Layout<ObjectBlock>();
    covered.clear();
    for (const FieldDescription& d : ObjectPositionDescriptions()) {
        const auto fields = Described(block, d, covered, "object block");
        out << "| " << Range(d.First, d.Last) << " | " << OffsetOf(fields) << " | "
            << WidthOf(fields) << " | " << TypeOf(fields) << " | " << d.Name << " | " << d.Meaning
            << " |\n";
    }
    RequireAllCovered(block, covered, "object block");

    for (const KindDescription& kind : ObjectKindDescriptions()) {
        out << "\n#### Kind " << kind.Kind << ": " << kind.Name << "\n\n"
            << kind.Summary << ".\n\n| Positions | Meaning |\n|---|---|\n";
        std::set<int> used;
        for (const FieldDescription& d : kind.Positions) {
            Described(block, d, used, std::string(kind.Name));
            out << "| " << d.Name << " | " << d.Meaning << " |\n";
        }
    }
}

}  // namespace

std::string GameFormatDocument() {
    std::ostringstream out;
    Introduction(out);
    SceneSection(out);
    out << "\n## Map locations (`locations`)\n\n"
           "Record n is map location n; only locations 1 to 20 are read.\n\n";
    NumberedTable(out, Layout<LocationRecord>(), LocationDescriptions(), "location");
    out << "\n## Inventory items (`items`)\n\nRecord n is item n.\n\n";
    NumberedTable(out, Layout<InventoryRecord>(), InventoryDescriptions(), "item");
    out << "\n## General settings (`general`)\n\n"
           "One record; a general file of any other length than 908 bytes is ignored and the "
           "built-in settings are used.\n\n";
    NumberedTable(out, Layout<GeneralRecord>(), GeneralDescriptions(), "general");
    out << "\n## Conversations (`conversations`)\n\n"
           "Record n is cue card n, shown by a Conversation object. Fields 3 to 21 hold five "
           "elements each, one per line of the conversation box; in the document each is an "
           "array of five.\n\n";
    NumberedTable(out, Layout<ConversationRecord>(), ConversationDescriptions(), "conversation");
    return out.str();
}

}  // namespace morvane
