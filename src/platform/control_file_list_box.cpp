#include "platform/control_file_list_box.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "base/runtime_error.h"
#include "base/text.h"

namespace morvane {
namespace fs = std::filesystem;
namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Matches(std::string_view name, std::string_view pattern) {
    // Iterative wildcard matching with one backtracking point for the last '*'.
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t star = std::string_view::npos;
    std::size_t resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    // "*.*" also matches names without a dot, as it does on the game's home system.
    return p == pattern.size() || pattern.substr(p) == ".*";
}

}  // namespace

bool MatchesFilePattern(std::string_view name, std::string_view patterns) {
    std::size_t start = 0;
    while (start <= patterns.size()) {
        const std::size_t end = std::min(patterns.find(';', start), patterns.size());
        const std::string pattern = Trim(patterns.substr(start, end - start));
        if (!pattern.empty() && Matches(name, pattern)) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

void FileListBox::SetPath(const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        Raise(ErrorNumber::kPathNotFound);
    }
    path_ = folder;
    Refresh();
}

void FileListBox::SetPattern(std::string pattern) {
    pattern_ = std::move(pattern);
    Refresh();
}

void FileListBox::Refresh() {
    std::vector<std::string> names;
    std::error_code error;
    if (!path_.empty()) {
        for (fs::directory_iterator it(path_, error), end; !error && it != end;
             it.increment(error)) {
            std::error_code type_error;
            if (!it->is_regular_file(type_error)) {
                continue;
            }
            auto name = Utf8ToWindows1252(it->path().filename().string());
            if (name && MatchesFilePattern(*name, pattern_)) {
                names.push_back(std::move(*name));
            }
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = ToLowerAscii(a);
        const std::string lb = ToLowerAscii(b);
        return la != lb ? la < lb : a < b;
    });
    ReplaceItems(std::move(names));
}

}  // namespace morvane
