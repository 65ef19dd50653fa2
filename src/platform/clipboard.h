#pragma once

#include <string>

namespace morvane {

// The system clipboard's text, as the debug window copies and pastes it.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual std::string GetText() const = 0;
    virtual void SetText(std::string text) = 0;
    virtual void Clear() = 0;
};

// A clipboard private to the player: headless runs, and the window until it is wired to the
// desktop's.
class MemoryClipboard final : public Clipboard {
  public:
    std::string GetText() const override { return text_; }
    void SetText(std::string text) override { text_ = std::move(text); }
    void Clear() override { text_.clear(); }

  private:
    std::string text_;
};

}  // namespace morvane
