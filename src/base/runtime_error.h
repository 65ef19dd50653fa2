#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace morvane {

// The classic run-time error numbers that game data can provoke and that the error traps report.
enum class ErrorNumber : int16_t {
    kReturnWithoutGoSub = 3,
    kIllegalFunctionCall = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kSubscriptOutOfRange = 9,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
    kOutOfStackSpace = 28,
    kBadFileNameOrNumber = 52,
    kFileNotFound = 53,
    kBadFileMode = 54,
    kFileAlreadyOpen = 55,
    kDeviceIOError = 57,
    kBadRecordLength = 59,
    kDiskFull = 61,
    kInputPastEndOfFile = 62,
    kBadRecordNumber = 63,
    kTooManyFiles = 67,
    kDeviceUnavailable = 68,
    kPermissionDenied = 70,
    kDiskNotReady = 71,
    kPathFileAccessError = 75,
    kPathNotFound = 76,
    kInvalidFileFormat = 321,
    kInvalidPropertyValue = 380,
    kInvalidPropertyArrayIndex = 381,
    kInvalidPictureFormat = 481,
};

// The description the classic runtime gives for an error number ("Overflow", "File not found").
std::string DescribeError(int number);

// A run-time error: thrown by checked arithmetic, table access and file operations, and caught
// only by the procedures that trap errors, which report it with its number and description.
class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(ErrorNumber number);
    RuntimeError(int number, std::string description);

    int Number() const { return number_; }
    const std::string& Description() const { return description_; }

  private:
    int number_;
    std::string description_;
};

[[noreturn]] void Raise(ErrorNumber number);

// "Unexpected error in procedure: NAME\r\nError #N: DESCRIPTION", the text of every error trap.
std::string TrapMessage(const std::string& procedure, const RuntimeError& error);

}  // namespace morvane
