#include "interaction/forms_main_view.h"

#include "engine/game_state.h"
#include "platform/desktop.h"
#include "platform/picture_service.h"

namespace morvane {

class FormsMainView::Picture final : public ObjectPicture {
  public:
    Picture(Main& main, AnimatedPicture& control) : main_(main), control_(control) {
        control_.OnReadFinished = [this] {
            if (OnReadFinished) {
                OnReadFinished();
            }
        };
    }

    bool Visible() const override { return control_.Visible(); }
    void SetVisible(bool visible) override { control_.SetVisible(visible); }
    void Place(double left, double top) override {
        control_.Move(static_cast<int>(left), static_cast<int>(top));
    }
    void Load(const std::string& path) override { control_.Load(path); }
    void ShowPlaceholder(Placeholder placeholder) override {
        const AnimatedPicture& source = placeholder == Placeholder::kFileNotFound ? main_.FNF
                                        : placeholder == Placeholder::kEmpty      ? main_.AniGIF1
                                                                             : main_.UnknownObject;
        control_.SetPictureFile(source.PictureFile());
    }
    void ClearPicture() override { control_.SetPictureFile(""); }
    void Start() override { control_.Start(); }
    void Stop() override { control_.Stop(); }
    Integer Frame() const override { return control_.Frame(); }
    void SetFrame(Integer frame) override { control_.SetFrame(frame); }
    Integer FrameCount() const override { return control_.FrameCount(); }
    void SetPlaybackMode(Integer mode) override { control_.SetPlaybackMode(mode); }
    void SetSinglePass(Integer single) override { control_.SetSinglePass(single); }
    void SetAnimFlag(bool flag) override { control_.SetAnimFlag(flag); }

  private:
    Main& main_;
    AnimatedPicture& control_;
};

// The line labels keep their colours here until the labels carry a text colour of their own.
class FormsMainView::Box final : public ConversationBox {
  public:
    // Width of one character of the line font, in main-window units.
    static constexpr int kCharacterWidth = 8;

    explicit Box(Main& main) : main_(main) {
        main_.ConvBox.OnMouseMove = [this](const MouseArgs&) {
            if (OnBoxMouseMove) {
                OnBoxMouseMove();
            }
        };
        main_.ConvText.ForEach([this](Label& label, int line) {
            label.OnMouseMove = [this, line](const MouseArgs&) {
                if (OnLineMouseMove) {
                    OnLineMouseMove(line);
                }
            };
            label.OnClick = [this, line] {
                if (OnLineClick) {
                    OnLineClick(line);
                }
            };
        });
    }

    bool Visible() const override { return main_.ConvBox.Visible(); }
    void SetVisible(bool visible) override { main_.ConvBox.SetVisible(visible); }
    int Left() const override { return main_.ConvBox.Left(); }
    int Width() const override { return main_.ConvBox.Width(); }
    void SetLeftAndWidth(int left, int width) override {
        main_.ConvBox.Move(left, main_.ConvBox.Top(), width, main_.ConvBox.Height());
    }
    void SetLineCaption(int line, const std::string& caption) override {
        Label& label = main_.ConvText(line);
        label.SetCaption(caption);
        label.SetWidth(kCharacterWidth * static_cast<int>(caption.size()));
    }
    std::string LineCaption(int line) const override { return main_.ConvText(line).Caption(); }
    int LineWidth(int line) const override { return main_.ConvText(line).Width(); }
    bool LineVisible(int line) const override { return main_.ConvText(line).Visible(); }
    void SetLineVisible(int line, bool visible) override {
        main_.ConvText(line).SetVisible(visible);
    }
    Long LineColour(int line) const override { return colours_.at(static_cast<std::size_t>(line)); }
    void SetLineColour(int line, Long colour) override {
        main_.ConvText(line);  // an index outside the lines is error 9, as for the labels
        colours_.at(static_cast<std::size_t>(line)) = colour;
    }

  private:
    Main& main_;
    std::array<Long, kLines + 1> colours_{};
};

FormsMainView::FormsMainView(Forms& forms, MovieScreen& movie)
    : forms_(forms), movie_(movie), box_(std::make_unique<Box>(forms.Main)) {
    for (int k = 1; k <= kSlots; ++k) {
        pictures_.push_back(std::make_unique<Picture>(forms.Main, forms.Main.Animation(k)));
    }
}

FormsMainView::~FormsMainView() = default;

ObjectPicture& FormsMainView::Animation(int slot) {
    forms_.Main.Animation(slot);  // an index outside the slots is error 9
    return *pictures_[static_cast<std::size_t>(slot - 1)];
}

ConversationBox& FormsMainView::ConvBox() {
    return *box_;
}

void FormsMainView::LoadScenePicture(const std::string& path) {
    PictureResult result = forms_.Main.GetDesktop().Pictures().Load(path);
    if (!result.picture) {
        Raise(result.error);
    }
    forms_.Main.ScnImg.SetPicture(std::move(result.picture));
}

void FormsMainView::PlaceArrow(int arrow, Integer top, Integer left, Integer width,
                               Integer height) {
    Image& image = forms_.Main.Directionl(arrow);
    image.SetTop(top);
    image.SetLeft(left);
    image.SetWidth(width);
    image.SetHeight(height);
}

void FormsMainView::SetMovieBackdropVisible(bool visible) {
    Panel& backdrop = forms_.Main.AVIBG;
    if (visible) {
        backdrop.Move(0, 0, kSceneWidth, kSceneHeight);
    }
    backdrop.SetVisible(visible);
}

void FormsMainView::SetScoreCaptions(const std::string& caption) {
    forms_.Main.CurrScore_Small.SetCaption(caption);
    forms_.Main.CurrScore_Large.SetCaption(caption);
}

void FormsMainView::SetPointer(int pointer) {
    forms_.Main.GetDesktop().Pointer().AssignPicture(forms_.MousePoint.Pointer(pointer).Picture());
}

bool FormsMainView::ShowsPointer(int pointer) const {
    const ScreenPointer& screen = forms_.Main.GetDesktop().Pointer();
    const PicturePtr& picture = forms_.MousePoint.Pointer(pointer).Picture();
    // Before the pointer set is made every pointer is empty, and no pointer is told apart.
    return picture && screen.Mode() == ScreenPointer::kCustom && screen.Shows(picture);
}

void FormsMainView::SetHeldItemPointer() {
    forms_.Main.GetDesktop().Pointer().AssignPicture(forms_.Main.FlashFixIcon.Picture());
}

void FormsMainView::DisableGameButtons() {
    Main& main = forms_.Main;
    // Frame 1 of each two-frame source is the button's normal look.
    main.SGB_Resource.SetFrame(1);
    main.SaveGameButtn.SetPicture(main.SGB_Resource.FramePicture());
    main.EI_Resource.SetFrame(1);
    main.ExamineItem.SetPicture(main.EI_Resource.FramePicture());
    main.SaveGameButtn.SetEnabled(false);
    main.InvBar.SetEnabled(false);
    main.ExamineItem.SetEnabled(false);
}

}  // namespace morvane
