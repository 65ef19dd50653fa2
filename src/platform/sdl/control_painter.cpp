#include "platform/sdl/control_painter.h"

#include <algorithm>

#include "base/text.h"
#include "platform/control_button.h"
#include "platform/control_list_box.h"
#include "platform/control_text_box.h"

namespace morvane::sdl {
namespace {

// The game sets no colours of its own on these controls; these are the classic ones, with
// light text for captions that sit on the game's dark windows.
constexpr SDL_Color kWindowBack{0, 0, 0, 255};
constexpr SDL_Color kCaptionText{236, 232, 214, 255};
constexpr SDL_Color kFace{192, 192, 192, 255};
constexpr SDL_Color kHighlight{255, 255, 255, 255};
constexpr SDL_Color kShadow{128, 128, 128, 255};
constexpr SDL_Color kDarkShadow{64, 64, 64, 255};
constexpr SDL_Color kButtonText{0, 0, 0, 255};
constexpr SDL_Color kGrayText{128, 128, 128, 255};
constexpr SDL_Color kFieldBack{255, 255, 255, 255};
constexpr SDL_Color kFieldText{0, 0, 0, 255};
constexpr SDL_Color kSelectionBack{0, 0, 128, 255};
constexpr SDL_Color kSelectionText{255, 255, 255, 255};
constexpr SDL_Color kScrollTrack{224, 224, 224, 255};

constexpr int kCheckSize = 13;
constexpr int kScrollBarWidth = 16;
constexpr int kTextInset = 3;

Rect Inset(const Rect& r, int by) {
    return {r.left + by, r.top + by, std::max(r.width - 2 * by, 0), std::max(r.height - 2 * by, 0)};
}

}  // namespace

ControlPainter::ControlPainter(DisplayList& list, const Font& font, TextTextures& texts)
    : list_(list), font_(font), texts_(texts) {}

void ControlPainter::Paint(const Control& control, const Rect& area, bool focused) {
    switch (control.Kind()) {
        case ControlKind::kWindow:
            PaintWindow(control, area);
            break;
        case ControlKind::kPictureBox:
        case ControlKind::kAnimatedPicture:
            // Shown at its own size from the top left; what does not fit is clipped.
            DrawPicture(control.Picture(), control.ShownFrame(), area, false);
            break;
        case ControlKind::kImage:
            PaintImage(control, area);
            break;
        case ControlKind::kLabel:
            PaintLabel(control, area);
            break;
        case ControlKind::kButton:
            PaintButton(control, area);
            break;
        case ControlKind::kCheckBox:
            PaintCheckBox(control, area);
            break;
        case ControlKind::kTextBox:
            PaintTextBox(control, area, focused);
            break;
        case ControlKind::kListBox:
        case ControlKind::kFileListBox:
            PaintList(control, area);
            break;
        case ControlKind::kPanel:
            if (!control.Caption().empty()) {
                PaintFrame(control, area);
                break;
            }
            [[fallthrough]];
        case ControlKind::kTimer:
            // A panel is a clear container, so a covering panel hides nothing it blocks.
            DrawPicture(control.Picture(), control.ShownFrame(), area, false);
            break;
        case ControlKind::kMovie:
            // The media layer puts the movie's frame into its control's picture. A movie window
            // shows the movie at the window's size: the intro and the scene movies are sized by
            // the game's movie size mode, not by the movie.
            DrawPicture(control.Picture(), control.ShownFrame(), area, true);
            break;
    }
}

void ControlPainter::PaintWindow(const Control& window, const Rect& area) {
    Fill(area, kWindowBack);
    DrawPicture(window.Picture(), window.ShownFrame(), area, false);
}

void ControlPainter::PaintFrame(const Control& frame, const Rect& area) {
    // A group of controls: a thin border from the middle of the caption's line down, broken by
    // the caption at its top left.
    const int line_middle = font_.LineHeight() / 2;
    const Rect border{area.left, area.top + line_middle, area.width, area.height - line_middle};
    Bevel(border, kShadow, kShadow);
    const std::string caption = Windows1252ToUtf8(frame.Caption());
    constexpr int kCaptionIndent = 8;
    const int width = std::min(font_.Measure(caption) + 4, std::max(area.width - 12, 0));
    Fill({area.left + kCaptionIndent - 2, area.top, width, font_.LineHeight()}, kWindowBack);
    DrawLine(caption, area.left + kCaptionIndent, area.top,
             frame.Enabled() ? kCaptionText : kGrayText);
}

void ControlPainter::PaintImage(const Control& image, const Rect& area) {
    const bool stretch = static_cast<const Image&>(image).Stretch();
    DrawPicture(image.Picture(), image.ShownFrame(), area, stretch);
}

void ControlPainter::PaintLabel(const Control& label, const Rect& area) {
    const auto align = static_cast<const Label&>(label).Alignment();
    DrawLines(font_.WrapLines(label.Caption(), area.width), area, align,
              label.Enabled() ? kCaptionText : kGrayText);
}

void ControlPainter::PaintButton(const Control& control, const Rect& area) {
    const auto& button = static_cast<const Button&>(control);
    const bool pressed = button.Pressed();
    Fill(area, kFace);
    if (pressed) {
        Bevel(area, kDarkShadow, kHighlight);
        Bevel(Inset(area, 1), kShadow, kFace);
    } else {
        Bevel(area, kHighlight, kDarkShadow);
        Bevel(Inset(area, 1), kFace, kShadow);
    }
    // Pressed contents move one pixel down and right, as the classic button's do.
    const int shift = pressed ? 1 : 0;
    const Rect inner = Inset({area.left + shift, area.top + shift, area.width, area.height}, 2);
    const SDL_Color text = button.Enabled() ? kButtonText : kGrayText;
    auto lines = font_.WrapLines(button.Caption(), inner.width);
    const int text_height = static_cast<int>(lines.size()) * font_.LineHeight();
    if (button.LookStyle() == Button::Style::kGraphical && button.ShownPicture()) {
        const PicturePtr& picture = button.ShownPicture();
        const int caption_space = button.Caption().empty() ? 0 : text_height;
        const Rect at{inner.left + (inner.width - picture->Width()) / 2,
                      inner.top + (inner.height - caption_space - picture->Height()) / 2,
                      picture->Width(), picture->Height()};
        DrawPicture(picture, button.ShownFrame(), at, false);
        if (caption_space > 0) {
            DrawLines(
                lines,
                {inner.left, inner.top + inner.height - text_height, inner.width, text_height},
                TextAlignment::kCentre, text);
        }
        return;
    }
    DrawLines(lines,
              {inner.left, inner.top + (inner.height - text_height) / 2, inner.width, text_height},
              TextAlignment::kCentre, text);
}

void ControlPainter::PaintCheckBox(const Control& control, const Rect& area) {
    const auto& check = static_cast<const CheckBox&>(control);
    const Rect box{area.left, area.top + (area.height - kCheckSize) / 2, kCheckSize, kCheckSize};
    Fill(box, check.Value() == CheckBox::kGrayed || !check.Enabled() ? kFace : kFieldBack);
    Bevel(box, kShadow, kHighlight);
    Bevel(Inset(box, 1), kDarkShadow, kFace);
    if (check.Value() != CheckBox::kUnchecked) {
        // A tick of two strokes, three pixels thick.
        const SDL_Color mark = check.Value() == CheckBox::kGrayed ? kShadow : kButtonText;
        for (int t = 0; t < 3; ++t) {
            list_.Line(box.left + 3, box.top + 5 + t, box.left + 5, box.top + 7 + t, mark);
            list_.Line(box.left + 5, box.top + 7 + t, box.left + 9, box.top + 3 + t, mark);
        }
    }
    const int text_left = box.left + kCheckSize + 4;
    const auto lines = font_.WrapLines(check.Caption(), area.left + area.width - text_left);
    const int text_height = static_cast<int>(lines.size()) * font_.LineHeight();
    DrawLines(lines,
              {text_left, area.top + (area.height - text_height) / 2,
               area.left + area.width - text_left, text_height},
              TextAlignment::kLeft, check.Enabled() ? kCaptionText : kGrayText);
}

void ControlPainter::PaintTextBox(const Control& control, const Rect& area, bool focused) {
    const auto& box = static_cast<const TextBox&>(control);
    Fill(area, box.Enabled() ? kFieldBack : kFace);
    Bevel(area, kShadow, kHighlight);
    Bevel(Inset(area, 1), kDarkShadow, kFace);
    const std::string text = box.Text();
    const std::string utf8 = Windows1252ToUtf8(text);
    const int caret =
        font_.Measure(Windows1252ToUtf8(std::string_view(text).substr(0, box.SelStart())));
    // The text scrolls left so the caret stays inside the box.
    const int room = std::max(area.width - 2 * kTextInset - 1, 0);
    const int scroll = std::max(caret - room, 0);
    const int x = area.left + kTextInset - scroll;
    const int y = area.top + (area.height - font_.LineHeight()) / 2;
    DrawLine(utf8, x, y, box.Enabled() ? kFieldText : kGrayText);
    if (focused && box.SelLength() > 0) {
        // The selection in the classic colours, over the text drawn plainly.
        const std::string_view selected =
            std::string_view(text).substr(box.SelStart(), box.SelLength());
        const std::string selected_utf8 = Windows1252ToUtf8(selected);
        Fill({x + caret, y, font_.Measure(selected_utf8), font_.LineHeight()}, kSelectionBack);
        DrawLine(selected_utf8, x + caret, y, kSelectionText);
        return;
    }
    if (focused) {
        list_.Line(x + caret, y, x + caret, y + font_.LineHeight() - 1, kFieldText);
    }
}

void ControlPainter::PaintList(const Control& control, const Rect& area) {
    const auto& list = static_cast<const ListBox&>(control);
    Fill(area, kFieldBack);
    Bevel(area, kShadow, kHighlight);
    Bevel(Inset(area, 1), kDarkShadow, kFace);
    const bool scrolls = list.ListCount() > list.VisibleRows();
    const int row_width = area.width - (scrolls ? kScrollBarWidth : 0);
    // Rows start at the control's top, as clicks count them.
    for (int row = list.TopIndex(), y = area.top;
         row < list.ListCount() && y < area.top + area.height; ++row, y += ListBox::kRowHeight) {
        SDL_Color text = list.Enabled() ? kFieldText : kGrayText;
        if (row == list.ListIndex()) {
            Fill({area.left + 2, y, row_width - 4, ListBox::kRowHeight}, kSelectionBack);
            text = kSelectionText;
        }
        DrawLine(Windows1252ToUtf8(list.List(row)), area.left + kTextInset,
                 y + (ListBox::kRowHeight - font_.LineHeight()) / 2, text);
    }
    if (!scrolls) {
        return;
    }
    const Rect track{area.left + area.width - kScrollBarWidth - 2, area.top + 2, kScrollBarWidth,
                     area.height - 4};
    Fill(track, kScrollTrack);
    const int rows = std::max(list.VisibleRows(), 1);
    const int thumb_height = std::max(track.height * rows / list.ListCount(), 8);
    const int last_top = std::max(list.ListCount() - rows, 1);
    const int thumb_top =
        track.top + (track.height - thumb_height) * std::min(list.TopIndex(), last_top) / last_top;
    const Rect thumb{track.left, thumb_top, track.width, thumb_height};
    Fill(thumb, kFace);
    Bevel(thumb, kHighlight, kDarkShadow);
}

void ControlPainter::Fill(const Rect& area, SDL_Color colour) {
    if (area.width > 0 && area.height > 0) {
        list_.Fill(area, colour);
    }
}

void ControlPainter::Bevel(const Rect& area, SDL_Color top_left, SDL_Color bottom_right) {
    if (area.width <= 0 || area.height <= 0) {
        return;
    }
    const int right = area.left + area.width - 1;
    const int bottom = area.top + area.height - 1;
    list_.Line(area.left, area.top, right, area.top, top_left);
    list_.Line(area.left, area.top, area.left, bottom, top_left);
    list_.Line(area.left, bottom, right, bottom, bottom_right);
    list_.Line(right, area.top, right, bottom, bottom_right);
}

void ControlPainter::DrawPicture(const PicturePtr& picture, int frame, const Rect& at,
                                 bool stretch) {
    if (!picture || picture->Width() <= 0 || picture->Height() <= 0) {
        return;
    }
    list_.Picture(picture, frame,
                  stretch ? at : Rect{at.left, at.top, picture->Width(), picture->Height()});
}

void ControlPainter::DrawLines(const std::vector<std::string>& lines, const Rect& area,
                               TextAlignment align, SDL_Color colour) {
    int y = area.top;
    for (const std::string& line : lines) {
        const int width = font_.Measure(line);
        int x = area.left;
        if (align == TextAlignment::kCentre) {
            x += (area.width - width) / 2;
        } else if (align == TextAlignment::kRight) {
            x += area.width - width;
        }
        DrawLine(line, x, y, colour);
        y += font_.LineHeight();
    }
}

void ControlPainter::DrawLine(const std::string& utf8, int x, int y, SDL_Color colour) {
    const TextTextures::Line line = texts_.Get(utf8, colour);
    if (line.texture != nullptr) {
        list_.Text(utf8, colour, {x, y, line.width, line.height});
    }
}

}  // namespace morvane::sdl
