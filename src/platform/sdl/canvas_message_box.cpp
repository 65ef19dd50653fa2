#include "platform/sdl/canvas_message_box.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/control_button.h"
#include "platform/control_display.h"
#include "platform/sdl/memory_picture.h"
#include "platform/window.h"

namespace morvane::sdl {
namespace {

constexpr int kMargin = 16;
constexpr int kTitleHeight = 24;
constexpr int kBorder = 2;
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 10;
constexpr int kMinWidth = 260;
constexpr int kMaxTextWidth = 520;

constexpr uint32_t kBorderColour = 0xFFB08D3Cu;  // dull gold
constexpr uint32_t kBackColour = 0xFF1E232Bu;    // slate
constexpr uint32_t kTitleColour = 0xFF4A3A1Cu;   // dark bronze

const char* CaptionOf(MsgBoxResult answer) {
    switch (answer) {
        case MsgBoxResult::kOk:
            return "OK";
        case MsgBoxResult::kCancel:
            return "Cancel";
        case MsgBoxResult::kAbort:
            return "Abort";
        case MsgBoxResult::kRetry:
            return "Retry";
        case MsgBoxResult::kIgnore:
            return "Ignore";
        case MsgBoxResult::kYes:
            return "Yes";
        case MsgBoxResult::kNo:
            return "No";
    }
    return "OK";
}

// The dialog: a gold frame, a title bar, the text and one button per answer.
class MessageBoxWindow final : public Window {
  public:
    MessageBoxWindow(Desktop& desktop, const Font& font, const MessageBoxRequest& request)
        : Window(desktop, "MsgBox"),
          answers_(AnswersOf(request.buttons)),
          answer_(DefaultAnswer(request.buttons)) {
        const int buttons = static_cast<int>(answers_.size());
        const int buttons_width = buttons * kButtonWidth + (buttons - 1) * kButtonGap;
        const auto lines = font.WrapLines(request.text, kMaxTextWidth);
        int text_width = 0;
        for (const auto& line : lines) {
            text_width = std::max(text_width, font.Measure(line));
        }
        const int title_width = font.Measure(font.WrapLines(request.title, 0).front());
        const int width = std::max({kMinWidth, text_width + 2 * kMargin,
                                    buttons_width + 2 * kMargin, title_width + 2 * kMargin});
        const int text_height = static_cast<int>(lines.size()) * font.LineHeight();
        const int height = kTitleHeight + kMargin + text_height + kMargin + kButtonHeight + kMargin;
        Move((desktop.ScreenWidth() - width) / 2, (desktop.ScreenHeight() - height) / 2, width,
             height);

        Frame.Move(0, 0, width, height);
        Frame.SetStretch(true);
        Frame.SetPicture(MemoryPicture::Solid(1, 1, kBorderColour));
        Backdrop.Move(kBorder, kBorder, width - 2 * kBorder, height - 2 * kBorder);
        Backdrop.SetStretch(true);
        Backdrop.SetPicture(MemoryPicture::Solid(1, 1, kBackColour));
        TitleBar.Move(kBorder, kBorder, width - 2 * kBorder, kTitleHeight - kBorder);
        TitleBar.SetStretch(true);
        TitleBar.SetPicture(MemoryPicture::Solid(1, 1, kTitleColour));
        Title.Move(kMargin / 2, (kTitleHeight - font.LineHeight()) / 2, width - kMargin,
                   font.LineHeight());
        Title.SetCaption(request.title);
        Message.Move(kMargin, kTitleHeight + kMargin, width - 2 * kMargin, text_height);
        Message.SetCaption(request.text);

        int left = (width - buttons_width) / 2;
        const int top = height - kMargin - kButtonHeight;
        for (int i = 0; i < buttons; ++i) {
            auto button = std::make_unique<Button>(*this, "Buttn", i + 1);
            button->Move(left, top, kButtonWidth, kButtonHeight);
            button->SetCaption(CaptionOf(answers_[static_cast<std::size_t>(i)]));
            const MsgBoxResult answer = answers_[static_cast<std::size_t>(i)];
            button->OnClick = [this, answer] { Answer(answer); };
            left += kButtonWidth + kButtonGap;
            Buttn.push_back(std::move(button));
        }
        SetFocus(Buttn.front().get());
        OnKeyDown = [this](int& key_code, int) { KeyDown(key_code); };
    }

    ~MessageBoxWindow() override {
        // The buttons go before the window they belong to.
        Buttn.clear();
    }

    MsgBoxResult Result() const { return answer_; }

    Image Frame{*this, "Frame"};
    Image Backdrop{*this, "Backdrop"};
    Image TitleBar{*this, "TitleBar"};
    Label Title{*this, "Title"};
    Label Message{*this, "Message"};
    std::vector<std::unique_ptr<Button>> Buttn;

  private:
    void Answer(MsgBoxResult answer) {
        answer_ = answer;
        Hide();
    }

    void KeyDown(int& key_code) {
        if (key_code == key::kReturn) {
            key_code = 0;
            for (std::size_t i = 0; i < Buttn.size(); ++i) {
                if (Focus() == Buttn[i].get()) {
                    Answer(answers_[i]);
                    return;
                }
            }
            Answer(answers_.front());
        } else if (key_code == key::kEscape) {
            key_code = 0;
            if (std::find(answers_.begin(), answers_.end(), MsgBoxResult::kCancel) !=
                answers_.end()) {
                Answer(MsgBoxResult::kCancel);
            } else if (answers_.size() == 1) {
                Answer(answers_.front());
            }
        }
    }

    std::vector<MsgBoxResult> answers_;
    MsgBoxResult answer_;
};

}  // namespace

MsgBoxResult CanvasMessageBox::Show(const MessageBoxRequest& request) {
    if (desktop_ == nullptr) {
        return DefaultAnswer(request.buttons);
    }
    MessageBoxWindow box(*desktop_, font_, request);
    box.ShowModal();
    // The loop may have ended with the box still open (the player is closing): hiding it hands
    // the activation back to the window below.
    box.Hide();
    return box.Result();
}

}  // namespace morvane::sdl
