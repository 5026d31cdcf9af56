// The value of the `user.DOSATTRIB` extended attribute, in which file servers
// and compatibility layers on POSIX systems keep a file's DOS attributes and
// creation time.
//
// Written form: the attributes as lower-case hex text "0x%x", a NUL, then a
// version-3 record in little-endian NDR (version 3, level 3, valid flags,
// attributes, EA size 0, size 0, allocation size 0, creation time, change
// time 0; 56 bytes for the attributes 0x22). Programs that read only the hex
// text stop at the NUL.
//
// Read forms: the hex text alone (with or without a final NUL) and the
// records of versions 1 to 5 after the text. In versions 3 to 5 the
// attributes count when valid flag 0x01 is set (else the hex text gives
// them) and the creation time when flag 0x10 is set and it is non-zero; in
// versions 1 and 2 a non-zero creation time counts.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ordalis {

struct DosRecord {
    std::uint32_t attributes = 0;  // the whole stored mask
    std::uint64_t creation = 0;    // file time; 0 = none stored

    friend bool operator==(const DosRecord&, const DosRecord&) = default;
};

// The value to store. The creation flag is set only for a non-zero creation.
std::vector<std::uint8_t> encodeDosAttrib(const DosRecord& record);

// The record of a stored value; nullopt when neither the record nor the hex
// text can be read.
std::optional<DosRecord> decodeDosAttrib(std::span<const std::uint8_t> value);

}  // namespace ordalis
