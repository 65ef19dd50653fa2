#include "platform/canvas_scaling.h"

namespace morvane {

std::string_view ScalingName(Scaling scaling) {
    switch (scaling) {
        case Scaling::kInteger:
            return "integer";
        case Scaling::kSmooth:
            return "smooth";
        case Scaling::kFit:
            break;
    }
    return "fit";
}

std::optional<Scaling> ScalingFromName(std::string_view name) {
    for (const Scaling scaling : {Scaling::kFit, Scaling::kInteger, Scaling::kSmooth}) {
        if (name == ScalingName(scaling)) {
            return scaling;
        }
    }
    return std::nullopt;
}

}  // namespace morvane
