#include "base/runtime_error.h"

#include <string>

namespace morvane {

std::string DescribeError(int number) {
    switch (static_cast<ErrorNumber>(number)) {
        case ErrorNumber::kReturnWithoutGoSub:
            return "Return without GoSub";
        case ErrorNumber::kIllegalFunctionCall:
            return "Invalid procedure call or argument";
        case ErrorNumber::kOverflow:
            return "Overflow";
        case ErrorNumber::kOutOfMemory:
            return "Out of memory";
        case ErrorNumber::kSubscriptOutOfRange:
            return "Subscript out of range";
        case ErrorNumber::kDivisionByZero:
            return "Division by zero";
        case ErrorNumber::kTypeMismatch:
            return "Type mismatch";
        case ErrorNumber::kOutOfStackSpace:
            return "Out of stack space";
        case ErrorNumber::kBadFileNameOrNumber:
            return "Bad file name or number";
        case ErrorNumber::kFileNotFound:
            return "File not found";
        case ErrorNumber::kBadFileMode:
            return "Bad file mode";
        case ErrorNumber::kFileAlreadyOpen:
            return "File already open";
        case ErrorNumber::kDeviceIOError:
            return "Device I/O error";
        case ErrorNumber::kBadRecordLength:
            return "Bad record length";
        case ErrorNumber::kDiskFull:
            return "Disk full";
        case ErrorNumber::kInputPastEndOfFile:
            return "Input past end of file";
        case ErrorNumber::kBadRecordNumber:
            return "Bad record number";
        case ErrorNumber::kTooManyFiles:
            return "Too many files";
        case ErrorNumber::kDeviceUnavailable:
            return "Device unavailable";
        case ErrorNumber::kPermissionDenied:
            return "Permission denied";
        case ErrorNumber::kDiskNotReady:
            return "Disk not ready";
        case ErrorNumber::kPathFileAccessError:
            return "Path/File access error";
        case ErrorNumber::kPathNotFound:
            return "Path not found";
        case ErrorNumber::kInvalidFileFormat:
            return "Invalid file format";
        case ErrorNumber::kInvalidPropertyValue:
            return "Invalid property value";
        case ErrorNumber::kInvalidPropertyArrayIndex:
            return "Invalid property array index";
        case ErrorNumber::kInvalidPictureFormat:
            return "Invalid picture";
    }
    return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(ErrorNumber number)
    : RuntimeError(static_cast<int>(number), DescribeError(static_cast<int>(number))) {}

RuntimeError::RuntimeError(int number, std::string description)
    : std::runtime_error("Error #" + std::to_string(number) + ": " + description),
      number_(number),
      description_(std::move(description)) {}

void Raise(ErrorNumber number) {
    throw RuntimeError(number);
}

std::string TrapMessage(const std::string& procedure, const RuntimeError& error) {
    return "Unexpected error in procedure: " + procedure + "\r\nError #" +
           std::to_string(error.Number()) + ": " + error.Description();
}

}  // namespace morvane
