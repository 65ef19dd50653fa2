// Any bytes as a walkthrough script: every line parses or is the one error reported.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "debug/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const morvane::ParsedScript script =
        morvane::ParseScript(std::string_view(reinterpret_cast<const char*>(data), size));
    if (script.error) {
        (void)morvane::DescribeScriptError(*script.error);
    }
    return 0;
}
