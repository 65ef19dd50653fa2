#include "media/media_errors.h"

#include <system_error>

#include "base/runtime_error.h"

namespace morvane {

void RaiseInvalidFileFormat() {
    Raise(ErrorNumber::kInvalidFileFormat);
}

void RequireMediaFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        Raise(ErrorNumber::kFileNotFound);
    }
}

}  // namespace morvane
