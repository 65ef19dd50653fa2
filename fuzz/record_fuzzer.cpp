// Decodes any bytes as records of one database file (chosen at build time with
// MORVANE_FUZZ_RECORD), record by record as the player reads them, the last one partial, and
// writes each back: a decoded record must encode to a record of the same length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "database/conversation_record.h"
#include "database/general_record.h"
#include "database/inventory_record.h"
#include "database/location_record.h"
#include "database/record_codec.h"
#include "database/scene_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using Record = morvane::MORVANE_FUZZ_RECORD;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (std::size_t at = 0; at < bytes.size(); at += Record::kLength) {
        const Record record = morvane::DecodeRecord<Record>(bytes.substr(at, Record::kLength));
        if (morvane::EncodeRecord(record).size() != Record::kLength) {
            std::abort();
        }
    }
    return 0;
}
