#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/integer.h"
#include "database/fixed_text.h"
#include "database/record_field.h"

namespace morvane {

// Turns the bytes of one record into its structure and back. Integers are 16-bit and Longs
// 32-bit, both little-endian two's complement. Every record structure names its
// fields through a static Visit(record, visitor) that hands each field with its place; the two
// visitors below are the only code that knows the byte format of a field.
//
// A record that the file cuts short (a partial last record, or one beyond the end) reads as
// blank: bytes past the end are spaces in text fields and 0 in Integer fields.
class RecordDecoder {
  public:
    explicit RecordDecoder(std::string_view bytes) : bytes_(bytes) {}

    template <std::size_t Width>
    void operator()(const RecordField& field, FixedText<Width>& text) const {
        std::string raw(Width, ' ');
        for (std::size_t i = 0; i < Width; ++i) {
            raw[i] = ByteAt(field.Offset + i, ' ');
        }
        text.SetBytes(raw);
    }

    void operator()(const RecordField& field, Integer& value) const {
        const auto low = static_cast<unsigned char>(ByteAt(field.Offset, 0));
        const auto high = static_cast<unsigned char>(ByteAt(field.Offset + 1, 0));
        value = static_cast<Integer>(static_cast<uint16_t>(low | (high << 8)));
    }

    void operator()(const RecordField& field, Long& value) const {
        uint32_t bits = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            bits |= static_cast<uint32_t>(static_cast<unsigned char>(ByteAt(field.Offset + i, 0)))
                    << (8 * i);
        }
        value = static_cast<Long>(bits);
    }

  private:
    char ByteAt(std::size_t offset, char past_end) const {
        return offset < bytes_.size() ? bytes_[offset] : past_end;
    }

    std::string_view bytes_;
};

class RecordEncoder {
  public:
    explicit RecordEncoder(std::string& bytes) : bytes_(bytes) {}

    template <std::size_t Width>
    void operator()(const RecordField& field, const FixedText<Width>& text) const {
        bytes_.replace(field.Offset, Width, text.Bytes());
    }

    void operator()(const RecordField& field, const Integer& value) const {
        const auto bits = static_cast<uint16_t>(value);
        bytes_[field.Offset] = static_cast<char>(bits & 0xFF);
        bytes_[field.Offset + 1] = static_cast<char>(bits >> 8);
    }

    void operator()(const RecordField& field, const Long& value) const {
        const auto bits = static_cast<uint32_t>(value);
        for (std::size_t i = 0; i < 4; ++i) {
            bytes_[field.Offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
        }
    }

  private:
    std::string& bytes_;
};

template <typename Record>
Record DecodeRecord(std::string_view bytes) {
    Record record;
    Record::Visit(record, RecordDecoder(bytes));
    return record;
}

template <typename Record>
std::string EncodeRecord(const Record& record) {
    std::string bytes(Record::kLength, '\0');
    Record::Visit(record, RecordEncoder(bytes));
    return bytes;
}

}  // namespace morvane
