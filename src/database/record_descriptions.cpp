#include "database/record_descriptions.h"

#include <array>

namespace morvane {
namespace {

using D = FieldDescription;

constexpr std::array kSceneHeader = {
    D{1, 0, "SceneTitle", "the scene's name in the authoring tool; not interpreted"},
    D{2, 0, "JumpEnabled", "1 = the conditional jump of fields 3 to 6 is active"},
    D{3, 0, "JumpFlag", "flag tested for the jump (0 to 255)"},
    D{4, 0, "JumpOp", "comparison: 0 =, 1 <>, 2 <, 3 > (flag compared with field 5)"},
    D{5, 0, "JumpValue", "value the flag is compared with"},
    D{6, 0, "JumpScene",
      "scene entered instead of this one when the test holds; 0 = no jump; never the scene "
      "itself"},
    D{7, 0, "Background", "background picture in resource\\gfx; empty = keep the one shown"},
    D{8, 0, "SceneSoundtrack",
      "music started on entry: .wav, .mid or .mp3 in resource\\mmedia; \"(stop sndtrk)\" stops "
      "the music; empty = the music goes on"},
    D{9, 0, "SceneSoundtrackVolume", "its volume"},
    D{10, 0, "EnterSound", "sound played once on entry (channel 16)"},
    D{11, 0, "EnterSoundVolume", "its volume"},
    D{12, 0, "EnterSoundPan", "its pan"},
    D{13, 0, "ExitSound", "sound played once when the player leaves for another scene"},
    D{14, 0, "ExitSoundVolume", "its volume"},
    D{15, 0, "ExitSoundPan", "its pan"},
    D{16, 0, "LoopSound", "sound looped while the scene is shown (channel 17)"},
    D{17, 0, "LoopSoundVolume", "its volume"},
    D{18, 0, "LoopSoundPan", "its pan"},
    D{19, 0, "EnterMovie", "movie (.avi) played and waited for on entry"},
    D{20, 0, "EnterMovieVolume", "its volume"},
    D{21, 0, "ExitMovie", "movie played and waited for when the player leaves"},
    D{22, 0, "ExitMovieVolume", "its volume"},
    D{23, 0, "EntryFlagEnabled", "1 = change a flag on entry (fields 24 to 26)"},
    D{24, 0, "EntryFlag", "that flag"},
    D{25, 0, "EntryFlagValue", "its value"},
    D{26, 0, "EntryFlagMode", "0 = set the flag to the value, 1 = add the value"},
    D{27, 29, "-", "not interpreted"},
    D{30, 32, "-", "not interpreted"},
};

constexpr std::array kArrowValues = {
    D{1, 0, "pointer", "built-in pointer shown over the arrow, 1 to 15"},
    D{2, 0, "scene", "target scene; 0 = the arrow does nothing"},
    D{3, 0, "top", "top of the arrow in the game window"},
    D{4, 0, "left", "left of the arrow"},
    D{5, 0, "width", "width of the arrow"},
    D{6, 0, "height", "height of the arrow"},
};

constexpr std::array kObjectPositions = {
    D{0, 0, "kind",
      "0 Ambient, 1 Link, 2 Goodie, 3 Switch, 4 Reactor, 5 Responder, 6 Delay, 7 Multi-Trigger, "
      "8 Conversation, 9 Flag Conjunction; any other value is an unknown kind"},
    D{1, 0, "pos1", "left of the object's picture in the 700 x 475 scene view (kinds 0 to 4)"},
    D{2, 0, "pos2", "top of the object's picture (kinds 0 to 4)"},
    D{3, 6, "s3 to s6", "texts whose meaning depends on the kind (below)"},
    D{7, 11, "s7 to s11", "not interpreted"},
    D{12, 36, "p12 to p36", "numbers whose meaning depends on the kind (below)"},
    D{37, 44, "p37 to p44", "not interpreted"},
};

constexpr std::array kAmbient = {
    D{3, 0, "s3", "picture (animated GIF in resource\\gfx)"},
    D{4, 0, "s4", "sound looped while shown (played once when p12 = 3)"},
    D{12, 0, "p12",
      "animation style: 1 loops, 2 plays back and forth, 3 plays once; others set nothing"},
    D{14, 0, "p14", "sound volume"},
    D{15, 0, "p15", "sound pan"},
    D{16, 0, "p16", "visibility: 1 shown, 2 shown while the condition p17, p18, p19 holds"},
    D{17, 19, "p17 to p19", "condition: flag, operator (0 =, 1 <>, 2 <, 3 >), value"},
    D{20, 0, "p20", "1 = while shown, change flag p21 by value p22 with mode p23 (0 set, 1 add)"},
    D{21, 23, "p21 to p23", "flag, value, mode"},
    D{24, 0, "p24", "1 = while shown, add map location p25 (1 to 20)"},
    D{25, 0, "p25", "map location"},
    D{26, 0, "p26", "sound channel 1 to 20; 0 = the slot's own"},
};

constexpr std::array kLink = {
    D{3, 0, "s3", "picture"},
    D{4, 0, "s4", "sound looped while shown; a click stops it"},
    D{5, 0, "s5", "click sound"},
    D{6, 0, "s6", "sound when the needed item is missing (else the game's default)"},
    D{12, 0, "p12", "pointer over the object, 1 to 15; 0 = the normal pointer"},
    D{13, 0, "p13", "animation style 1 to 3 as for an Ambient; 3 plays once when clicked"},
    D{14, 15, "p14, p15", "volume and pan of s4"},
    D{16, 17, "p16, p17", "volume and pan of s5"},
    D{18, 0, "p18", "1 = needs an item in hand"},
    D{19, 0, "p19", "the item needed"},
    D{20, 0, "p20", "1 = the item goes back to the bar after use, else it is used up"},
    D{21, 22, "p21, p22", "volume and pan of s6"},
    D{23, 0, "p23", "2 = open the map; 1 = show the WAIT pointer before going to scene p24"},
    D{24, 0, "p24", "scene to go to; 0 = none"},
    D{25, 0, "p25", "visibility as p16 of an Ambient, condition p26 to p28"},
    D{26, 28, "p26 to p28", "condition: flag, operator, value"},
    D{29, 0, "p29", "1 = a click changes flag p30 by value p31 with mode p32"},
    D{30, 32, "p30 to p32", "flag, value, mode"},
    D{33, 0, "p33", "1 = one use only"},
    D{34, 36, "p34 to p36", "sound channels of s4, s5, s6; 0 = the slot's own"},
};

constexpr std::array kGoodie = {
    D{3, 0, "s3", "picture"},
    D{4, 0, "s4", "sound looped while shown (not when p12 = 3)"},
    D{5, 0, "s5", "pick-up sound (.wav) or movie (.avi)"},
    D{6, 0, "s6", "sound when the needed item is missing"},
    D{12, 0, "p12", "animation style 1 to 3; 3 = shown still and silent"},
    D{13, 14, "p13, p14", "volume and pan of s4"},
    D{15, 16, "p15, p16", "volume and pan of s5"},
    D{17, 0, "p17", "the item put into the inventory"},
    D{18, 0, "p18", "1 = needs an item in hand"},
    D{19, 0, "p19", "the item needed"},
    D{20, 0, "p20", "1 = the item goes back after use"},
    D{21, 22, "p21, p22", "volume and pan of s6"},
    D{23, 0, "p23", "visibility, condition p24 to p26"},
    D{24, 26, "p24 to p26", "condition: flag, operator, value"},
    D{27, 0, "p27", "1 = picking up changes flag p28 by value p29 with mode p30"},
    D{28, 30, "p28 to p30", "flag, value, mode"},
    D{31, 33, "p31 to p33", "sound channels of s4, s5, s6; 0 = the slot's own"},
};

constexpr std::array kSwitch = {
    D{3, 0, "s3", "picture: first frame off, last frame on"},
    D{4, 0, "s4", "switched-off sound"},
    D{5, 0, "s5", "switched-on sound"},
    D{6, 0, "s6", "sound when the needed item is missing"},
    D{12, 0, "p12", "the flag the switch toggles (1 to 255)"},
    D{14, 15, "p14, p15", "volume and pan of s4"},
    D{16, 0, "p16", "value the flag gets when switched on"},
    D{17, 18, "p17, p18", "volume and pan of s5"},
    D{19, 0, "p19", "1 = needs an item in hand"},
    D{20, 0, "p20", "the item needed"},
    D{21, 0, "p21", "1 = the item goes back after use"},
    D{22, 23, "p22, p23", "volume and pan of s6"},
    D{24, 0, "p24", "visibility, condition p25 to p27"},
    D{25, 27, "p25 to p27", "condition: flag, operator, value"},
    D{28, 29, "p28, p29", "sound channels of s4/s5 and s6; 0 = the slot's own"},
};

constexpr std::array kReactor = {
    D{3, 0, "s3", "picture"},
    D{4, 0, "s4", "movie played on a click when p12 is 3 or 4"},
    D{5, 0, "s5", "sound played on a click (p12 = 1, 2 or 5) and looped while shown"},
    D{12, 0, "p12",
      "reaction: 1 or 2 plays s5, 3 or 4 plays the movie s4, 5 plays the animation once and s5"},
    D{13, 0, "p13", "movie volume"},
    D{14, 15, "p14, p15", "volume and pan of s5"},
    D{16, 0, "p16", "visibility, condition p17 to p19"},
    D{17, 19, "p17 to p19", "condition: flag, operator, value"},
    D{20, 0, "p20", "1 = a click changes flag p21 by value p22 with mode p23"},
    D{21, 23, "p21 to p23", "flag, value, mode"},
    D{24, 0, "p24", "1 = a click adds map location p25"},
    D{25, 0, "p25", "map location"},
    D{26, 0, "p26", "1 = one use only"},
    D{27, 0, "p27", "sound channel; 0 = the slot's own, -1 = channel 15"},
};

constexpr std::array kResponder = {
    D{3, 0, "s3", "trigger sound: a request to play exactly this name fires the responder"},
    D{4, 0, "s4", "music for the music action"},
    D{5, 0, "s5", "sound (.wav) or movie (.avi) of the media action"},
    D{12, 0, "p12", "trigger: 1 = the condition p13 to p15, 2 = the sound s3; others never fire"},
    D{13, 15, "p13 to p15", "condition: flag, operator, value"},
    D{16, 0, "p16", "1 = fire only when the flag has changed since the scene loaded"},
    D{17, 0, "p17", "1 = music action: play s4 at volume p18"},
    D{18, 0, "p18", "music volume"},
    D{19, 0, "p19", "1 = media action on s5, volume p20, pan p21"},
    D{20, 21, "p20, p21", "volume and pan"},
    D{22, 0, "p22", "1 = scene change: go to scene p23 (a movie becomes the exit movie)"},
    D{23, 0, "p23", "scene to go to"},
    D{24, 0, "p24", "1 = change flag p25 by value p26 with mode p27"},
    D{25, 27, "p25 to p27", "flag, value, mode"},
    D{28, 0, "p28", "1 = add map location p29"},
    D{29, 0, "p29", "map location"},
    D{30, 0, "p30", "1 = add inventory item p31"},
    D{31, 0, "p31", "item"},
    D{32, 0, "p32", "sound channel; 0 = the slot's own"},
};

constexpr std::array kDelay = {
    D{12, 0, "p12",
      "0 = also started by the object update, 1 = only by a rule pass outside it, others = by "
      "any rule pass"},
    D{13, 15, "p13 to p15", "condition that starts the delay: flag, operator, value"},
    D{16, 0, "p16", "length in seconds, 0 to 32"},
    D{17, 19, "p17 to p19", "on expiry: flag, value, mode"},
    D{20, 0, "p20", "1 = the WAIT pointer shows while the delay runs"},
};

constexpr std::array kMultiTrigger = {
    D{12, 0, "p12",
      "0 = also tested when the scene loads; 1 = a trigger whose flag has not changed since it "
      "fired is passed over"},
    D{13, 15, "p13 to p15", "trigger 1 condition: flag, operator, value"},
    D{16, 0, "p16", "1 = trigger 1 changes flag p17 by value p18 with mode p19"},
    D{17, 19, "p17 to p19", "flag, value, mode"},
    D{20, 0, "p20", "scene trigger 1 goes to; 0 = none"},
    D{21, 28, "p21 to p28", "trigger 2, laid out as p13 to p20"},
    D{29, 36, "p29 to p36", "trigger 3, laid out as p13 to p20"},
};

constexpr std::array kConversation = {
    D{12, 0, "p12", "cue card (conversation record)"},
    D{13, 0, "p13", "1 = shown by every object update, 2 = shown when the condition holds"},
    D{14, 16, "p14 to p16", "condition: flag, operator, value"},
    D{18, 0, "p18", "1 = show only when the flag has changed"},
    D{19, 0, "p19", "1 = while shown, only Goodies react to the pointer"},
};

constexpr std::array kFlagConjunction = {
    D{3, 5, "s3 to s5", "the action's flag, value and mode, written as numbers"},
    D{12, 0, "p12", "0 = fire once per scene visit, 1 = fire again on every change"},
    D{13, 16, "p13 to p16", "condition 1: enabled (1), flag, operator, value"},
    D{17, 20, "p17 to p20", "condition 2"},
    D{21, 24, "p21 to p24", "condition 3"},
    D{25, 28, "p25 to p28", "condition 4"},
    D{29, 32, "p29 to p32", "condition 5"},
    D{33, 36, "p33 to p36", "condition 6"},
};

constexpr std::array kKinds = {
    KindDescription{0, "Ambient", "A picture with an optional looping sound", kAmbient},
    KindDescription{1, "Link", "A hotspot that goes to a scene or opens the map", kLink},
    KindDescription{2, "Goodie", "An item to pick up", kGoodie},
    KindDescription{3, "Switch", "A two-state picture that toggles a flag", kSwitch},
    KindDescription{4, "Reactor", "A picture that reacts to a click", kReactor},
    KindDescription{5, "Responder", "A hidden rule that fires once per visit", kResponder},
    KindDescription{6, "Delay", "A hidden timer that changes a flag when it runs out", kDelay},
    KindDescription{7, "Multi-Trigger", "A hidden rule with three triggers", kMultiTrigger},
    KindDescription{8, "Conversation", "Shows a cue card in the conversation box", kConversation},
    KindDescription{9, "Flag Conjunction", "A hidden rule over up to six conditions",
                    kFlagConjunction},
};

constexpr std::array kLocation = {
    D{1, 0, "name", "the location's name in the authoring tool; not interpreted"},
    D{2, 0, "Picture",
      "picture on the map (resource\\gfx); \"Del\" or empty = no location, \"(None)\" = a "
      "location without picture"},
    D{3, 0, "Left", "left of the picture on the map"},
    D{4, 0, "Top", "top of the picture"},
    D{5, 0, "-", "not interpreted"},
    D{6, 0, "Scene", "scene entered when the location is clicked; 0 = none"},
    D{7, 0, "Available", "1 = shown from the start of a game, else when a game event adds it"},
    D{8, 0, "PlaysFile", "1 = a click plays the file of field 9"},
    D{9, 0, "File", "a .wav sound (channel 20) or an .avi movie played before the scene"},
    D{10, 0, "Volume", "its volume"},
    D{11, 0, "Pan", "its pan"},
    D{12, 0, "MapPicture", "record 1 only: the map's background picture"},
    D{13, 14, "-", "not interpreted"},
    D{15, 17, "-", "not interpreted"},
};

constexpr std::array kInventory = {
    D{1, 0, "name", "the item's name in the authoring tool; not interpreted"},
    D{2, 0, "Icon", "icon in the inventory bar (resource\\gfx)"},
    D{3, 0, "HighlightPointer", "pointer while the held item is over something it applies to"},
    D{4, 0, "CarriedAtStart", "1 = in the inventory when a new game starts (16 at most)"},
    D{5, 0, "Combinable", "1 = the item can be combined (fields 6 and 7)"},
    D{6, 0, "Partner", "the item it combines with"},
    D{7, 0, "Result", "the item the combination makes"},
    D{8, 0, "RefusalSound", "played when the held item is used on the wrong object"},
    D{9, 10, "RefusalVolume, RefusalPan", "its volume and pan"},
    D{11, 0, "ExamineSound", "sound of examining"},
    D{12, 13, "ExamineVolume, ExaminePan", "its volume and pan"},
    D{14, 0, "ExamineKind", "0 = examining plays the sound, 1 = it opens the close-up window"},
    D{15, 0, "CloseupCaption", "caption of the close-up window"},
    D{16, 0, "CloseupPlayMode",
      "1 = close-up animation and sound repeat, 2 = both play once, others = nothing plays"},
    D{17, 0, "CloseupPicture", "close-up picture (animated GIF)"},
    D{18, 0, "MultipleCopies", "0 = the item may be in the inventory only once"},
    D{19, 0, "Transforms", "1 = examining turns the item into item field 20"},
    D{20, 0, "TransformsInto", "that item"},
    D{21, 0, "AddsMapLocation", "1 = examining adds map location field 22 (1 to 20)"},
    D{22, 0, "MapLocation", "that location"},
    D{23, 0, "ChangesFlag", "1 = examining changes flag field 24 by field 25 with mode field 26"},
    D{24, 26, "Flag, FlagValue, FlagMode", "flag, value, mode (0 set, 1 add)"},
    D{27, 0, "HeldPointer", "pointer picture while the item is held"},
    D{28, 0, "CombineSound", "played on a successful combination"},
    D{29, 0, "-", "not interpreted"},
    D{30, 31, "CombineVolume, CombinePan", "its volume and pan"},
    D{32, 0, "-", "not interpreted"},
};

constexpr std::array kGeneral = {
    D{1, 0, "GameTitle", "game title, in message titles and saved games"},
    D{2, 0, "ClickSound", "button click sound (channel 18)"},
    D{3, 4, "ClickVolume, ClickPan", "its volume and pan"},
    D{5, 0, "ItemRequiredSound", "default sound when an object needs an item the player lacks"},
    D{6, 7, "ItemRequiredPan, ItemRequiredVolume", "its pan and volume"},
    D{8, 0, "InventoryFullSound", "played when a seventeenth item is refused"},
    D{9, 10, "InventoryFullVolume, InventoryFullPan", "its volume and pan"},
    D{11, 0, "ClosingPictureOn", "1 = show the closing picture of field 12 when quitting"},
    D{12, 0, "ClosingPicture", "closing picture"},
    D{13, 0, "DebugMode", "1 = the debug button and notify window are on"},
    D{14, 0, "-", "not interpreted"},
    D{15, 0, "RunsFromCd", "1 = the game runs from CDs (fields 16 to 27)"},
    D{16, 19, "CdLabels", "volume labels of CD 1 to 4"},
    D{20, 23, "CdFirstScene", "first scene on CD 1 to 4"},
    D{24, 27, "CdLastScene", "last scene on CD 1 to 4; every scene must lie on a CD"},
    D{28, 0, "MenuMusicVolume", "main-menu music volume"},
    D{29, 0, "-", "not interpreted"},
    D{30, 31, "MouseOverVolume, MouseOverPan", "button hover sound volume and pan"},
    D{32, 0, "-", "not interpreted"},
    D{33, 0, "MenuMusic", "main-menu music: .wav, .mid or .mp3"},
    D{34, 0, "MouseOverSound", "button hover sound (channel 18)"},
    D{35, 0, "StartupLogoOption", "\"1\" = no engine logo at start-up"},
    D{36, 40, "MenuButtonShown", "main-menu buttons 1 to 5: 1 shown, 0 hidden"},
    D{41, 0, "MenuButtonPictureChoice",
      "0 = the menu buttons use the pictures of fields 46 to 50, else built-in ones"},
    D{42, 45, "-", "not interpreted"},
    D{46, 50, "MenuButtonPictures", "two-frame pictures of menu buttons 1 to 5 (frame 0 lit)"},
    D{51, 0, "InGameMenuButtonShown", "1 = the in-game main-menu button is shown"},
    D{52, 0, "InGameSaveButtonShown", "1 = the in-game save button is shown"},
    D{53, 0, "InGameMenuButtonPictureChoice", "2 = the main-menu button uses field 55"},
    D{54, 0, "InGameSaveButtonPictureChoice", "2 = the save button uses field 56"},
    D{55, 0, "InGameMenuButtonPicture", "in-game main-menu button picture"},
    D{56, 0, "InGameSaveButtonPicture", "in-game save button picture"},
    D{57, 0, "SavedGamesEnabled", "1 = loading and saving are enabled, 0 = disabled"},
    D{58, 0, "InventoryBarShown", "1 = the inventory bar and examine button are shown"},
    D{59, 0, "ScoreShown", "1 = the score is shown, 0 = no score"},
    D{60, 0, "ScoreFlag", "the flag that holds the score"},
    D{61, 0, "MaxScore", "maximum score shown beside it; 0 = none"},
    D{62, 0, "ScoreSize", "1 = small score display, 2 = large"},
    D{63, 0, "MenuBackgroundChoice", "2 = the menu background is field 64"},
    D{64, 0, "MenuBackground", "main-menu background picture"},
    D{65, 0, "FrameChoice", "2 = the game window frame is field 66"},
    D{66, 0, "FramePicture", "game window frame picture"},
    D{67, 0, "ExamineButtonChoice", "2 = the examine button uses field 72"},
    D{68, 0, "Force800x600", "1 = switch the display to 800 x 600 at start-up"},
    D{69, 0, "MovieSizeMode", "how movies are sized"},
    D{70, 71, "-", "not interpreted"},
    D{72, 0, "ExamineButtonPicture", "examine button picture"},
    D{73, 74, "-", "not interpreted"},
    D{75, 89, "Pointers",
      "custom pointers 1 to 15 (1-9 directions, 10 hotspot, 11 goodie, 12 reactor, 13 normal, 14 "
      "wait, 15 buttons); empty = built-in"},
    D{90, 92, "-", "not interpreted"},
    D{93, 94, "-", "not interpreted"},
    D{95, 0, "-", "not interpreted"},
    D{96, 0, "-", "not interpreted"},
    D{97, 0, "OpeningCredits", "opening credits at start-up: a .gif picture or an .avi movie"},
    D{98, 0, "-", "not interpreted"},
    D{99, 0, "-", "not interpreted"},
    D{100, 101, "-", "not interpreted"},
    D{102, 0, "MenuScene", "scene of main-menu button 4; 0 = the button does nothing"},
    D{103, 0, "IntroAtStartUp", "1 = play the intro movie at start-up"},
    D{104, 0, "IntroAtNewGame", "1 = play the intro movie when a new game starts"},
    D{105, 0, "-", "not interpreted"},
    D{106, 0, "IntroMovie", "intro movie (.avi)"},
    D{107, 0, "IntroMovieArgument", "second argument of the intro movie"},
    D{108, 109, "-", "not interpreted"},
    D{110, 0, "-", "not interpreted"},
};

constexpr std::array kConversationFields = {
    D{1, 0, "-", "not interpreted"},
    D{2, 0, "-", "not interpreted"},
    D{3, 0, "LineText", "text of lines 1 to 5 (50 characters); empty = no such line"},
    D{4, 0, "LineSetsFlag", "1 = clicking the line changes a flag"},
    D{5, 0, "LineFlag", "that flag"},
    D{6, 0, "LineFlagValue", "its value"},
    D{7, 0, "LineFlagMode", "0 = set, 1 = add"},
    D{8, 0, "LineMediaOn", "1 = clicking the line plays field 9"},
    D{9, 0, "LineMedia", "a .wav sound (channel 15) or an .avi movie"},
    D{10, 0, "LineVolume", "its volume"},
    D{11, 0, "LinePan", "its pan"},
    D{12, 16, "-", "not interpreted"},
    D{17, 21, "-", "not interpreted"},
};

}  // namespace

std::span<const FieldDescription> SceneHeaderDescriptions() {
    return kSceneHeader;
}
std::span<const FieldDescription> ArrowValueDescriptions() {
    return kArrowValues;
}
std::span<const FieldDescription> ObjectPositionDescriptions() {
    return kObjectPositions;
}
std::span<const FieldDescription> LocationDescriptions() {
    return kLocation;
}
std::span<const FieldDescription> InventoryDescriptions() {
    return kInventory;
}
std::span<const FieldDescription> GeneralDescriptions() {
    return kGeneral;
}
std::span<const FieldDescription> ConversationDescriptions() {
    return kConversationFields;
}
std::span<const KindDescription> ObjectKindDescriptions() {
    return kKinds;
}

}  // namespace morvane
