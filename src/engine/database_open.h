#pragma once

#include "base/integer.h"
#include "database/conversation_record.h"
#include "database/general_record.h"
#include "database/inventory_record.h"
#include "engine/database_ui.h"
#include "engine/game_state.h"

namespace morvane {

// Opening the five database files at start-up, in the order OpenGenBase, OpenLocBase,
// OpenInvBase, OpenSceneBase, OpenConvBase; GetInitData runs earlier, when the start window
// loads. Each operation traps every run-time error and reports it with a critical message box
// ("Unexpected error in procedure: OpenLocBase" and the error), then ends; start-up goes on with
// whatever was set. A missing file is never created: it holds no records.

void OpenSceneBase(GameState& state, DatabaseUi& ui);

// Sets up the map from the location file: the map picture from record 1, then locations 1 to
// 20. Records beyond 20 have no place on the map; they are reported once and left alone.
void OpenLocBase(GameState& state, DatabaseUi& ui);

void OpenInvBase(GameState& state, DatabaseUi& ui);

// A general file of exactly one record applies the general settings; any other length keeps the
// built-in interface without a message. Pointer 13 is made current in either case.
void OpenGenBase(GameState& state, DatabaseUi& ui);

void OpenConvBase(GameState& state, DatabaseUi& ui);

// Reads the two start-up options (engine logo, 800 by 600) from the general file, which it opens
// and closes again.
void GetInitData(GameState& state, DatabaseUi& ui);

// Records read from the open files during play; beyond the end of a file they read blank.
GeneralRecord ReadGeneralRecord(GameState& state);
InventoryRecord ReadInventoryRecord(GameState& state, Integer item);
ConversationRecord ReadConversationRecord(GameState& state, Integer conversation);

}  // namespace morvane
