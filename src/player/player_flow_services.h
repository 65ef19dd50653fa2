#pragma once

#include <functional>

#include "engine/engine_context.h"
#include "flow/display_check.h"
#include "flow/flow_services.h"
#include "interaction/interaction_context.h"

namespace morvane {

// Start-up, the menus and quitting as the running player answers them: scenes and sounds go
// through the engine, the starting inventory and map through the interaction, and the display
// check through the window's screen when there is one.
class PlayerFlowServices final : public FlowServices {
  public:
    PlayerFlowServices(EngineContext& engine, InteractionContext& interaction,
                       std::function<void()> end_process);

    void LoadScene(Integer scene) override;
    void LoadStartItems() override;
    void LogLine(const std::string& text) override;

    void PlaySound(const std::string& file, bool looping, Integer channel, Long pan,
                   Long volume) override;
    void StopSound(Integer channel) override;
    void StopAllSounds() override;
    void Soundtrack(const std::string& file, Long volume, bool restart) override;
    void InitMidi() override {}
    void PlayMidi(const std::string& file, Long volume) override;
    void StopMidi() override;
    void PlayMp3(const std::string& file, Long volume, Long balance) override;
    void StopMp3() override;
    bool TerminateMp3() override;
    void ReleaseSound() override;
    void TraceMovie(const std::string& file, Long volume) override;

    // Where the display check goes; none headless, where there is no screen to fill.
    void SetDisplay(Display* display) { display_ = display; }
    void CheckRes() override;
    void RestoreDisplay() override;
    void EndProcess() override { end_process_(); }

  private:
    EngineContext& engine_;
    InteractionContext& interaction_;
    std::function<void()> end_process_;
    Display* display_ = nullptr;
    DisplayModeState display_state_;
};

}  // namespace morvane
