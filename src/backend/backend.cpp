#include "backend/backend.h"

#include <stdexcept>

namespace morvane {
namespace {

MessageBoxService& ChooseMessageBoxes(Backend& backend, MessageBoxService* message_boxes) {
    if (message_boxes != nullptr) {
        return *message_boxes;
    }
    if (backend.MessageBoxes() == nullptr) {
        throw std::invalid_argument("a backend without message boxes needs printed ones");
    }
    return *backend.MessageBoxes();
}

}  // namespace

BackendDesktop::BackendDesktop(Backend& backend, MessageBoxService* message_boxes)
    : loop(backend.GetClock()),
      desktop(loop, ChooseMessageBoxes(backend, message_boxes), backend.GetClipboard()) {
    backend.Attach(desktop);
}

}  // namespace morvane
