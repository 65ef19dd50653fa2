#pragma once

#include <array>
#include <memory>
#include <vector>

#include "engine/main_view.h"
#include "forms/forms.h"

namespace morvane {

// The engine's view of the game's own windows: the main window's controls, the map window's
// markers and the MousePoint window's pointer pictures. The movie window's playback comes from
// the media layer, which hands its MovieScreen in.
class FormsMainView final : public MainView {
  public:
    FormsMainView(Forms& forms, MovieScreen& movie);
    ~FormsMainView() override;

    ObjectPicture& Animation(int slot) override;
    ConversationBox& ConvBox() override;
    MovieScreen& MovieWindow() override { return movie_; }

    Timer& DelayTimer(int slot) override { return forms_.Main.DelayTimer(slot); }
    Timer& BlockTimer() override { return forms_.Main.BlockTimer; }
    Timer& ScnTimer() override { return forms_.Main.ScnTimer; }
    Timer& PostMovieTimer() override { return forms_.Main.PostMovieTimer; }

    void LoadScenePicture(const std::string& path) override;
    void PlaceArrow(int arrow, Integer top, Integer left, Integer width, Integer height) override;
    void SetBlockVisible(bool visible) override { forms_.Main.Block.SetVisible(visible); }
    bool BlockVisible() const override { return forms_.Main.Block.Visible(); }
    void SetMovieBackdropVisible(bool visible) override;
    void SetScoreCaptions(const std::string& caption) override;
    void ShowMapMarker(int location) override { forms_.MapWindow.Loctn(location).SetVisible(true); }

    void SetPointer(int pointer) override;
    bool ShowsPointer(int pointer) const override;
    void SetHeldItemPointer() override;

    void ShowInventoryIcon(int slot) override { forms_.Main.invitem(slot).SetVisible(true); }
    void DisableGameButtons() override;

  private:
    class Picture;
    class Box;

    Forms& forms_;
    MovieScreen& movie_;
    std::vector<std::unique_ptr<Picture>> pictures_;
    std::unique_ptr<Box> box_;
};

}  // namespace morvane
