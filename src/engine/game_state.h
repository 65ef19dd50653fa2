#pragma once

#include <array>
#include <string>

#include "base/integer.h"
#include "base/table.h"
#include "database/record_file.h"
#include "platform/game_paths.h"

namespace morvane {

// The current scene's header, trimmed texts and Integers copied from the scene record.
struct SceneHeaderState {
    std::string SceneTitle;
    std::string Background;
    std::string SceneSoundtrack;
    std::string EnterSound;
    std::string ExitSound;
    std::string LoopSound;
    std::string EnterMovie;
    std::string ExitMovie;
    std::string Spare27;
    std::string Spare28;
    std::string Spare29;

    Integer JumpEnabled = 0;
    Integer JumpFlag = 0;
    Integer JumpOp = 0;
    Integer JumpValue = 0;
    Integer JumpScene = 0;
    Integer SceneSoundtrackVolume = 0;
    Integer EnterSoundVolume = 0;
    Integer EnterSoundPan = 0;
    Integer ExitSoundVolume = 0;
    Integer ExitSoundPan = 0;
    Integer LoopSoundVolume = 0;
    Integer LoopSoundPan = 0;
    Integer EnterMovieVolume = 0;
    Integer ExitMovieVolume = 0;
    Integer EntryFlagEnabled = 0;
    Integer EntryFlag = 0;
    Integer EntryFlagValue = 0;
    Integer EntryFlagMode = 0;
    Integer Spare30 = 0;
    Integer Spare31 = 0;
    Integer Spare32 = 0;
};

// One object slot of the current scene: the 45 positions of its block, texts trimmed.
struct SceneObject {
    Integer Kind = 0;
    Integer Pos1 = 0;
    Integer Pos2 = 0;
    Table<std::string, 3, 11> S;
    Table<Integer, 12, 44> P;
};

// The values of an inventory record kept for the item in one inventory bar slot.
struct InventorySlot {
    Integer Combinable = 0;
    Integer Partner = 0;
    Integer Result = 0;
    std::string CombineSound;
    Long CombineVolume = 0;
    Long CombinePan = 0;
    std::string RefusalSound;
    Long RefusalVolume = 0;
    Long RefusalPan = 0;
    Integer ExamineKind = 0;
    std::string ExamineSound;
    Long ExamineVolume = 0;
    Long ExaminePan = 0;
    std::string CloseupCaption;
    Integer CloseupPlayMode = 0;
    std::string CloseupPicture;
    Integer Transforms = 0;
    Integer TransformsInto = 0;
    Integer AddsMapLocation = 0;
    Integer MapLocation = 0;
    Integer ChangesFlag = 0;
    Integer Flag = 0;
    Integer FlagValue = 0;
    Integer FlagMode = 0;
};

// A map location as the location file sets it up and the game changes its availability.
struct MapLocation {
    Integer Available = 0;  // 1 shown on the map, 0 not
    Integer Scene = 0;
    Integer PlaysFile = 0;
    std::string File;
    Long Volume = 0;
    Long Pan = 0;
};

// The values of the general record the player keeps once the record is open: the menu music,
// the interface sounds, the movie size, the exit picture and the CDs.
struct GeneralSettings {
    std::string MenuMusic;
    Long MenuMusicVolume = 0;
    std::string InventoryFullSound;
    Long InventoryFullVolume = 0;
    Long InventoryFullPan = 0;
    std::string MouseOverSound;
    Long MouseOverVolume = 0;
    Long MouseOverPan = 0;
    std::string ClickSound;
    Long ClickVolume = 0;
    Long ClickPan = 0;
    std::string ItemRequiredSound;
    Long ItemRequiredPan = 0;
    Long ItemRequiredVolume = 0;
    Integer MovieSizeMode = 0;
    bool ExitPictureEnabled = false;
    std::string ExitPicture;
    // The game is set up to run from its CDs (the run-from-CD option).
    bool RunFromCd = false;
    std::array<std::string, 4> CdLabels;
    std::array<Integer, 4> CdFirstScene{};
    std::array<Integer, 4> CdLastScene{};
};

// A Delay rule object's timer state.
struct DelayState {
    bool DelayRunning = false;
    Long DelayMs = 0;
    Integer DelayFlag = 0;
    Integer DelayValue = 0;
    Integer DelayMode = 0;
    bool DelayWaitPointer = false;
};

inline constexpr int kSlots = 20;
inline constexpr int kInventorySlots = 16;
inline constexpr int kMapLocations = 20;
inline constexpr int kLines = 5;
inline constexpr Integer kNoItemInHand = 99;

// The whole state of a running game, one instance for the whole run, read and written directly
// by every part of the engine. Every value starts zero, False or empty, as at program start.
struct GameState {
    explicit GameState(const GamePaths& paths) : Paths(paths) {}
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    // The game folder every path is resolved in.
    GamePaths Paths;

    // Database files, opened at start-up and kept open until shutdown.
    RecordFile SceneFile;
    RecordFile LocationFile;
    RecordFile InventoryFile;
    RecordFile GeneralFile;
    RecordFile ConversationFile;
    Integer SceneCount = 0;
    Integer LocationCount = 0;
    Integer ItemCount = 0;
    Integer ConvCount = 0;

    // The current scene, replaced by every scene load.
    Integer CurrentScene = 0;
    SceneHeaderState Scene;
    Table<Table<Integer, 1, 6>, 1, 4> Arrows;  // groups A, B, C, D
    Table<SceneObject, 1, kSlots> Objects;

    // Flags 1 to 255 are the game's; flag 0 exists and never changes.
    Table<Integer, 0, 255> Flags;
    Integer LastFlagSet = 0;
    Integer ScoreFlag = 0;

    // Inventory bar: slots 1 to InventoryCount are occupied, without gaps.
    Integer InventoryCount = 0;
    Table<Integer, 0, kInventorySlots> SlotItem;
    Table<InventorySlot, 0, kInventorySlots> Slot;
    Integer ItemInHand = 0;

    // Map.
    Table<MapLocation, 0, kMapLocations> Locations;

    // Rule engine and object run-time tables.
    bool LoadedNewScene = false;
    Integer NewScene = 0;
    Table<std::string, 0, kSlots> AwaitedWav;
    Table<bool, 0, kSlots> WavTriggered;
    Table<Integer, 0, kSlots> RespLastValue;
    // Per Multi-Trigger trigger 1 to 3, then per slot.
    Table<Table<Integer, 0, kSlots>, 1, 3> MTLastValue;
    Table<Integer, 0, kSlots> ConvLastValue;
    // Per Flag Conjunction condition 1 to 6, then per slot.
    Table<Table<Integer, 0, kSlots>, 1, 6> FCLastValue;
    Table<bool, 0, kSlots> ObjShown;
    Table<bool, 0, kSlots> SwitchPending;
    Table<bool, 0, kSlots> ObjUsed;
    Table<bool, 0, kSlots> ReactorUsed;
    Table<DelayState, 1, kSlots> Delays;
    bool JustRestored = false;
    Integer LoadsFinished = 0;
    bool SceneTimerDone = false;

    // Conversation box.
    Integer CurrentConv = 0;
    Integer ConvHoverLine = 0;
    Table<Integer, 1, kLines> LineSetsFlag;
    Table<Integer, 1, kLines> LineFlag;
    Table<Integer, 1, kLines> LineFlagValue;
    Table<Integer, 1, kLines> LineFlagMode;
    Table<Integer, 1, kLines> LineMediaOn;
    Table<std::string, 1, kLines> LineMedia;
    Table<Integer, 1, kLines> LineVolume;
    Table<Integer, 1, kLines> LinePan;

    // Interface state.
    // The code of the button whose hover sound played last, shared by every window.
    Integer LastHoveredButton = 0;
    bool SceneLoading = false;
    Integer MenuScene = 0;
    std::string PendingMovie;
    Integer PendingMovieVolume = 0;
    bool MovieFinished = false;
    bool MovieWaitRequested = false;
    std::string CurrentSoundtrack;
    Long CurrentSoundtrackVolume = 0;
    bool MusicOn = true;
    bool InMenuScene = false;
    bool MapOpen = false;
    bool Examining = false;
    bool QuitQueryOpen = false;
    bool LogSwitch = false;
    Integer DebugMode = 0;
    std::string GameTitle;
    bool RunningFromCD = false;
    // Copied from the general record when it is opened.
    GeneralSettings Settings;
    // The CD (1 to 4) believed to be in the drive; 0 when none was identified.
    Integer CurrentCd = 0;

    // Start-up options read by GetInitData before the databases are opened.
    bool EngineLogoWanted = false;
    bool Force800x600 = false;
};

}  // namespace morvane
