#pragma once

namespace morvane {

struct DebugContext;

// Connects the debug window and the main window's "Debug" button, which shows it modally.
void AttachDebugWindow(DebugContext& ctx);

// The debug window's handlers. A number typed into a box is read as the classic Val does and
// rounded half to even; one too large for an Integer is reported as an overflow and nothing
// happens.
void MvDebug_Activate(DebugContext& ctx);
void Check1_Click(DebugContext& ctx);
void Command2_Click(DebugContext& ctx);    // Query
void SetFlagbtn_Click(DebugContext& ctx);  // Set
void Command1_Click(DebugContext& ctx);    // Load
void Command4_Click(DebugContext& ctx);    // Give
void Command6_Click(DebugContext& ctx);    // Clear All Inventory Items
void Command7_Click(DebugContext& ctx);    // Show Map
void Command5_Click(DebugContext& ctx);    // Hide This Window
void Command3_Click(DebugContext& ctx);    // Minimize Player

// The main window's resize: the start and intro windows, which lie behind the game, go while
// it is minimised and come back (behind it) when it is restored.
void Main_Resize(DebugContext& ctx);

}  // namespace morvane
