#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/control_list_box.h"

namespace morvane {

// True when `name` matches one of the ';'-separated patterns, with '*' and '?' wildcards and
// no regard to ASCII case, as file patterns match on the game's home system.
bool MatchesFilePattern(std::string_view name, std::string_view patterns);

// A list of the files in a folder that match Pattern, sorted by name without regard to case.
// Names are Windows-1252 bytes like every text of the game; a file whose name has no such
// spelling is left out. Setting Path or Pattern reads the folder again.
class FileListBox : public ListBox {
  public:
    FileListBox(Control& parent, std::string name, int index = 0)
        : ListBox(parent, ControlKind::kFileListBox, std::move(name), index) {}

    const std::filesystem::path& Path() const { return path_; }
    // A folder that does not exist is error 76 (path not found); the list is left as it was.
    void SetPath(const std::filesystem::path& folder);

    const std::string& Pattern() const { return pattern_; }
    void SetPattern(std::string pattern);

    // The selected file name, or empty.
    std::string FileName() const { return Text(); }

    void Refresh();

  private:
    std::filesystem::path path_;
    std::string pattern_ = "*.*";
};

}  // namespace morvane
