#pragma once

#include <string>

#include "base/runtime_error.h"
#include "platform/picture.h"

namespace morvane {

// The outcome of reading a picture. Loading never throws and never crashes on bad data: a file
// that is missing or cannot be read is error 53 ("File not found"), one that is not a picture we
// can decode is error 481 ("Invalid picture"). Callers that trap run-time errors use
// ValueOrRaise(); callers that show a placeholder test the result.
struct PictureResult {
    PicturePtr picture;
    ErrorNumber error = ErrorNumber::kInvalidPictureFormat;
    std::string detail;  // why it failed, for the log

    static PictureResult Success(PicturePtr picture) {
        return PictureResult{std::move(picture), ErrorNumber::kInvalidPictureFormat, {}};
    }
    static PictureResult Failure(ErrorNumber error, std::string detail) {
        return PictureResult{nullptr, error, std::move(detail)};
    }

    explicit operator bool() const { return picture != nullptr; }

    // The picture, or the run-time error the failure stands for.
    PicturePtr ValueOrRaise() const {
        if (!picture) {
            Raise(error);
        }
        return picture;
    }
};

}  // namespace morvane
