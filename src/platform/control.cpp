#include "platform/control.h"

#include <algorithm>

#include "platform/desktop.h"
#include "platform/window.h"

namespace morvane {

Control::Control(Control& parent, ControlKind kind, std::string name, int index)
    : kind_(kind),
      name_(std::move(name)),
      index_(index),
      parent_(&parent),
      window_(parent.window_) {
    parent.children_.push_back(this);
    Changed();
}

Control::Control(ControlKind kind, std::string name) : kind_(kind), name_(std::move(name)) {}

Control::~Control() {
    if (kind_ != ControlKind::kWindow && window_ != nullptr) {
        window_->Forget(*this);
    }
    for (Control* child : children_) {
        child->parent_ = nullptr;
    }
    if (parent_ != nullptr) {
        parent_->Detach(*this);
    }
}

void Control::Detach(Control& child) {
    std::erase(children_, &child);
    Changed();
}

void Control::Changed() const {
    if (window_ != nullptr) {
        window_->GetDesktop().NoteChange();
    }
}

std::string Control::QualifiedName() const {
    std::string name = parent_ == nullptr ? name_ : window_->Name() + "." + name_;
    if (index_ != 0) {
        name += '(';
        name += std::to_string(index_);
        name += ')';
    }
    return name;
}

void Control::Move(int left, int top) {
    Move(left, top, bounds_.width, bounds_.height);
}

void Control::Move(int left, int top, int width, int height) {
    bounds_ = {left, top, std::max(width, 0), std::max(height, 0)};
    Changed();
}

bool Control::Shown() const {
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        if (!c->visible_) {
            return false;
        }
    }
    return true;
}

void Control::ZOrder(ZPosition position) {
    if (parent_ == nullptr) {
        return;
    }
    auto& siblings = parent_->children_;
    std::erase(siblings, this);
    if (position == ZPosition::kFront) {
        siblings.push_back(this);
    } else {
        siblings.insert(siblings.begin(), this);
    }
    Changed();
}

void Control::HandleMouseDown(const MouseArgs& args) {
    if (OnMouseDown) {
        OnMouseDown(args);
    }
}

void Control::HandleMouseUp(const MouseArgs& args) {
    if (OnMouseUp) {
        OnMouseUp(args);
    }
}

void Control::HandleClick(const MouseArgs&) {
    if (OnClick) {
        OnClick();
    }
}

void Control::HandleMouseMove(const MouseArgs& args) {
    if (OnMouseMove) {
        OnMouseMove(args);
    }
}

void Control::HandleKeyDown(int& key_code, int shift) {
    if (OnKeyDown) {
        OnKeyDown(key_code, shift);
    }
}

void Control::HandleKeyUp(int& key_code, int shift) {
    if (OnKeyUp) {
        OnKeyUp(key_code, shift);
    }
}

void Control::HandleKeyPress(int& key_ascii) {
    if (OnKeyPress) {
        OnKeyPress(key_ascii);
    }
}

bool Control::ClicksWith(MouseButton button) const {
    switch (kind_) {
        case ControlKind::kButton:
        case ControlKind::kCheckBox:
        case ControlKind::kListBox:
        case ControlKind::kFileListBox:
        case ControlKind::kTextBox:
            return button == MouseButton::kLeft;
        default:
            return true;
    }
}

}  // namespace morvane
