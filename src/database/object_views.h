#pragma once

#include "base/integer.h"
#include "database/object_kind.h"

namespace morvane {

// Named views of an object block's positional fields, one per kind: the meaning of p12 to p44
// and s3 to s11 depends on the kind, so each view names the fields of its own. A view reads the
// block it was made on at every call (a scene change during a handler shows through), and works
// on the record's ObjectBlock and on the game state's SceneObject alike; on a block that may be
// changed, the accessors give references that can be assigned.

// A flag test: flag, operator code, value.
struct FlagCondition {
    Integer Flag = 0;
    Integer Op = 0;
    Integer Value = 0;
};

// The arguments of a flag change: flag, value, mode (0 set, 1 add).
struct FlagChange {
    Integer Flag = 0;
    Integer Value = 0;
    Integer Mode = 0;
};

// When a visible object is shown: mode 1 always, 2 while the condition holds, other never.
struct Visibility {
    Integer Mode = 0;
    FlagCondition Condition;
};

template <typename Block>
class ObjectView {
  public:
    explicit ObjectView(Block& block) : block_(block) {}

    auto& Kind() const { return block_.Kind; }
    auto& Left() const { return block_.Pos1; }
    auto& Top() const { return block_.Pos2; }

  protected:
    auto& P(int position) const { return block_.P(position); }
    auto& S(int position) const { return block_.S(position); }

    FlagCondition ConditionAt(int position) const {
        return {P(position), P(position + 1), P(position + 2)};
    }
    FlagChange ChangeAt(int position) const {
        return {P(position), P(position + 1), P(position + 2)};
    }
    Visibility VisibilityAt(int position) const { return {P(position), ConditionAt(position + 1)}; }

  private:
    Block& block_;
};

// Kind 0: a picture with a sound that may change a flag and add a map location while shown.
template <typename Block>
class AmbientView : public ObjectView<Block> {
    using Base = ObjectView<Block>;
    using Base::P;
    using Base::S;

  public:
    using Base::Base;
    auto& Picture() const { return S(3); }
    auto& Sound() const { return S(4); }
    // Animation style 1 to 3; 3 also plays the sound once instead of looping it.
    auto& Style() const { return P(12); }
    auto& SoundVolume() const { return P(14); }
    auto& SoundPan() const { return P(15); }
    Visibility Shown() const { return Base::VisibilityAt(16); }
    auto& SetsFlag() const { return P(20); }
    FlagChange Change() const { return Base::ChangeAt(21); }
    auto& AddsLocation() const { return P(24); }
    auto& Location() const { return P(25); }
    auto& Channel() const { return P(26); }
};

// Kind 1 (a "HotSpot" in its messages): leads to a scene or the map, may need an item.
template <typename Block>
class LinkView : public ObjectView<Block> {
    using Base = ObjectView<Block>;
    using Base::P;
    using Base::S;

  public:
    using Base::Base;
    auto& Picture() const { return S(3); }
    // Loops while the Link is shown and unused.
    auto& Sound() const { return S(4); }
    auto& ClickSound() const { return S(5); }
    // Played when the needed item is not in hand.
    auto& RefusalSound() const { return S(6); }
    // Custom pointer over it; 0 is the normal pointer.
    auto& Pointer() const { return P(12); }
    // Animation style 1 to 3; 3 waits for a click to play.
    auto& Style() const { return P(13); }
    auto& SoundVolume() const { return P(14); }
    auto& SoundPan() const { return P(15); }
    auto& ClickVolume() const { return P(16); }
    auto& ClickPan() const { return P(17); }
    auto& NeedsItem() const { return P(18); }
    auto& Item() const { return P(19); }
    // 1: the item goes back to the bar after use instead of being used up.
    auto& KeepsItem() const { return P(20); }
    auto& RefusalVolume() const { return P(21); }
    auto& RefusalPan() const { return P(22); }
    // 1: go to Scene() (with the WAIT pointer when there is one); 2: open the map.
    auto& Action() const { return P(23); }
    auto& Scene() const { return P(24); }
    Visibility Shown() const { return Base::VisibilityAt(25); }
    auto& SetsFlag() const { return P(29); }
    FlagChange Change() const { return Base::ChangeAt(30); }
    // 1: works once per scene visit.
    auto& OneShot() const { return P(33); }
    auto& SoundChannel() const { return P(34); }
    auto& ClickChannel() const { return P(35); }
    auto& RefusalChannel() const { return P(36); }
};

// Kind 2: an item to pick up, which may need another item first.
template <typename Block>
class GoodieView : public ObjectView<Block> {
    using Base = ObjectView<Block>;
    using Base::P;
    using Base::S;

  public:
    using Base::Base;
    auto& Picture() const { return S(3); }
    auto& Sound() const { return S(4); }
    // A WAV played, or an AVI shown, when it is picked up.
    auto& PickUpMedia() const { return S(5); }
    auto& RefusalSound() const { return S(6); }
    // Animation style 1 to 3; 3 shows it without animation or sound.
    auto& Style() const { return P(12); }
    auto& SoundVolume() const { return P(13); }
    auto& SoundPan() const { return P(14); }
    // The volume of the pick-up sound, or the movie setting of the pick-up movie.
    auto& PickUpVolume() const { return P(15); }
    auto& PickUpPan() const { return P(16); }
    // The inventory item it gives.
    auto& GivesItem() const { return P(17); }
    auto& NeedsItem() const { return P(18); }
    auto& Item() const { return P(19); }
    auto& KeepsItem() const { return P(20); }
    auto& RefusalVolume() const { return P(21); }
    auto& RefusalPan() const { return P(22); }
    Visibility Shown() const { return Base::VisibilityAt(23); }
    auto& SetsFlag() const { return P(27); }
    FlagChange Change() const { return Base::ChangeAt(28); }
    auto& SoundChannel() const { return P(31); }
    auto& PickUpChannel() const { return P(32); }
    auto& RefusalChannel() const { return P(33); }
};

// Kind 3: turns its flag between 0 and OnValue(), its animation running forward or back.
template <typename Block>
class SwitchView : public ObjectView<Block> {
    using Base = ObjectView<Block>;
    using Base::P;
    using Base::S;

  public:
    using Base::Base;
    auto& Picture() const { return S(3); }
    auto& OffSound() const { return S(4); }
    auto& OnSound() const { return S(5); }
    auto& RefusalSound() const { return S(6); }
    auto& Flag() const { return P(12); }
    auto& OffVolume() const { return P(14); }
    auto& OffPan() const { return P(15); }
    auto& OnValue() const { return P(16); }
    auto& OnVolume() const { return P(17); }
    auto& OnPan() const { return P(18); }
    auto& NeedsItem() const { return P(19); }
    auto& Item() const { return P(20); }
    auto& KeepsItem() const { return P(21); }
    auto& RefusalVolume() const { return P(22); }
    auto& RefusalPan() const { return P(23); }
    Visibility Shown() const { return Base::VisibilityAt(24); }
    // Both switch sounds, and the refusal sound.
    auto& SoundChannel() const { return P(28); }
    auto& RefusalChannel() const { return P(29); }
};

// Kind 4: reacts to a click with a sound, a movie or its animation.
template <typename Block>
class ReactorView : public ObjectView<Block> {
    using Base = ObjectView<Block>;
    using Base::P;
    using Base::S;

  public:
    using Base::Base;
    auto& Picture() const { return S(3); }
    auto& Movie() const { return S(4); }
    auto& Sound() const { return S(5); }
    // The reaction and the animation style together: 1, 2 the sound; 3, 4 the movie; 5 the
    // animation and the sound.
    auto& Reaction() const { return P(12); }
    auto& MovieSetting() const { return P(13); }
    auto& SoundVolume() const { return P(14); }
    auto& SoundPan() const { return P(15); }
    Visibility Shown() const { return Base::VisibilityAt(16); }
    auto& SetsFlag() const { return P(20); }
    FlagChange Change() const { return Base::ChangeAt(21); }
    auto& AddsLocation() const { return P(24); }
    auto& Location() const { return P(25); }
    auto& OneShot() const { return P(26); }
    // -1 is the dialogue channel.
    auto& Channel() const { return P(27); }
};

// Kind 5: a rule that acts once when its flag condition holds or its awaited sound was asked for.
template <typename Block>
class ResponderView : public ObjectView<Block> {
    using Base = ObjectView<Block>;
    using Base::P;
    using Base::S;

  public:
    using Base::Base;
    auto& AwaitedSound() const { return S(3); }
    auto& Music() const { return S(4); }
    // A WAV or an AVI.
    auto& Media() const { return S(5); }
    // 1 the flag condition, 2 the awaited sound.
    auto& Trigger() const { return P(12); }
    FlagCondition Condition() const { return Base::ConditionAt(13); }
    auto& ConditionFlag() const { return P(13); }
    auto& OnChangeOnly() const { return P(16); }
    auto& PlaysMusic() const { return P(17); }
    auto& MusicVolume() const { return P(18); }
    auto& PlaysMedia() const { return P(19); }
    // The sound's volume, or the movie setting.
    auto& MediaVolume() const { return P(20); }
    auto& MediaPan() const { return P(21); }
    // 1: the sound plays on the rule channel, a movie waits for the scene change to Scene().
    auto& ChangesScene() const { return P(22); }
    auto& Scene() const { return P(23); }
    auto& SetsFlag() const { return P(24); }
    FlagChange Change() const { return Base::ChangeAt(25); }
    auto& AddsLocation() const { return P(28); }
    auto& Location() const { return P(29); }
    auto& AddsItem() const { return P(30); }
    auto& Item() const { return P(31); }
    auto& Channel() const { return P(32); }
};

// Kind 6: a rule that, once its condition holds, changes a flag some seconds later.
template <typename Block>
class DelayView : public ObjectView<Block> {
    using Base = ObjectView<Block>;
    using Base::P;

  public:
    using Base::Base;
    // 0 also armed by the object update, 1 only by a rule pass outside it, other values by any
    // rule pass.
    auto& Arming() const { return P(12); }
    FlagCondition Condition() const { return Base::ConditionAt(13); }
    auto& Seconds() const { return P(16); }
    FlagChange Change() const { return Base::ChangeAt(17); }
    auto& ShowsWaitPointer() const { return P(20); }
};

// One of a Multi-Trigger's three triggers.
struct MultiTriggerStep {
    FlagCondition Condition;
    Integer SetsFlag = 0;
    FlagChange Change;
    // 0: none.
    Integer Scene = 0;
};

// Kind 7: a rule with three triggers tried in order.
template <typename Block>
class MultiTriggerView : public ObjectView<Block> {
    using Base = ObjectView<Block>;
    using Base::P;

  public:
    static constexpr int kTriggers = 3;

    using Base::Base;
    // 0 runs at scene load and in the closing pass; 1 only outside the object update, passing
    // over unchanged triggers; other values as 1 without passing over.
    auto& Mode() const { return P(12); }
    MultiTriggerStep Trigger(int t) const {
        const int b = 13 + 8 * (t - 1);
        return {Base::ConditionAt(b), P(b + 3), Base::ChangeAt(b + 4), P(b + 7)};
    }
    auto& TriggerFlag(int t) const { return P(13 + 8 * (t - 1)); }
};

// Kind 8: shows a conversation (a cue card) in the conversation box.
template <typename Block>
class ConversationView : public ObjectView<Block> {
    using Base = ObjectView<Block>;
    using Base::P;

  public:
    using Base::Base;
    auto& CueCard() const { return P(12); }
    // 1 shown by the object update, 2 by the rule pass while Condition() holds.
    Visibility Shown() const { return Base::VisibilityAt(13); }
    auto& ShowMode() const { return P(13); }
    FlagCondition Condition() const { return Base::ConditionAt(14); }
    auto& OnChangeOnly() const { return P(18); }
    // 1: while it shows, every scene object but Goodies keeps still.
    auto& LocksScene() const { return P(19); }
};

// One of a Flag Conjunction's six conditions; it takes part only when Enabled is 1.
struct ConjunctionTerm {
    Integer Enabled = 0;
    FlagCondition Condition;
};

// Kind 9: a rule that changes a flag when all its enabled conditions hold.
template <typename Block>
class FlagConjunctionView : public ObjectView<Block> {
    using Base = ObjectView<Block>;
    using Base::P;
    using Base::S;

  public:
    static constexpr int kTerms = 6;

    using Base::Base;
    // The action's flag, value and mode, kept as text.
    auto& FlagText() const { return S(3); }
    auto& ValueText() const { return S(4); }
    auto& ModeText() const { return S(5); }
    // 0 fires once per visit; 1 again on every change of one of its flags.
    auto& Repeats() const { return P(12); }
    ConjunctionTerm Term(int c) const {
        const int b = 13 + 4 * (c - 1);
        return {P(b), Base::ConditionAt(b + 1)};
    }
};

// Deduction guides: `const LinkView link(state.Objects(k));` views the block as it is given.
template <typename Block>
AmbientView(Block&) -> AmbientView<Block>;
template <typename Block>
LinkView(Block&) -> LinkView<Block>;
template <typename Block>
GoodieView(Block&) -> GoodieView<Block>;
template <typename Block>
SwitchView(Block&) -> SwitchView<Block>;
template <typename Block>
ReactorView(Block&) -> ReactorView<Block>;
template <typename Block>
ResponderView(Block&) -> ResponderView<Block>;
template <typename Block>
DelayView(Block&) -> DelayView<Block>;
template <typename Block>
MultiTriggerView(Block&) -> MultiTriggerView<Block>;
template <typename Block>
ConversationView(Block&) -> ConversationView<Block>;
template <typename Block>
FlagConjunctionView(Block&) -> FlagConjunctionView<Block>;

}  // namespace morvane
