#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "base/integer.h"
#include "database/record_codec.h"
#include "platform/game_paths.h"

namespace morvane {

// One database file opened for reading records of a fixed length. The player never writes to
// the game folder: a file that does not exist is not created, it simply holds no records.
class RecordFile {
  public:
    // A closed file: no records, every record reads blank.
    RecordFile() = default;

    // Opens GameFolder() + relative_path. A missing file gives an empty RecordFile; a name that
    // exists but cannot be read (a folder, no permission) is run-time error 75.
    static RecordFile Open(const GamePaths& paths, std::string_view relative_path,
                           std::size_t record_length);

    template <typename Record>
    static RecordFile Open(const GamePaths& paths) {
        return Open(paths, Record::kPath, Record::kLength);
    }

    bool Exists() const { return stream_ != nullptr; }
    std::uintmax_t Length() const { return length_; }
    std::size_t RecordLength() const { return record_length_; }

    // Length / record length rounded half to even (2.5 records count 2, 3.5 count 4), so a
    // partial last record still counts. More than 32767 records is run-time error 6.
    Integer Count() const;

    // The bytes of record n (from 1) that the file holds: all of them, fewer for a partial last
    // record, none beyond the end. A record number below 1 is run-time error 63.
    std::string ReadBytes(long long record);

    // Record n decoded; what the file does not hold reads as blank.
    template <typename Record>
    Record Read(long long record) {
        return DecodeRecord<Record>(ReadBytes(record));
    }

    void Close() { stream_.reset(); }

  private:
    std::unique_ptr<std::ifstream> stream_;
    std::uintmax_t length_ = 0;
    std::size_t record_length_ = 1;
};

}  // namespace morvane
