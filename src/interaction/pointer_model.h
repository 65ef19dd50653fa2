#pragma once

#include "interaction/interaction_context.h"
#include "platform/picture.h"
#include "platform/pointer_roles.h"

namespace morvane {

// Custom pointer picture 1 to 15 in use; a number outside the set stands for the normal pointer,
// so that odd game data never fails a mouse move.
const PicturePtr& PointerPicture(InteractionContext& ctx, int image);

// Shows `picture` as the screen pointer unless it already is the pointer (no flicker on repeated
// mouse moves).
void ShowPointer(InteractionContext& ctx, const PicturePtr& picture);
void ShowPointerImage(InteractionContext& ctx, int image);
// Assigns the pointer in custom mode whatever it shows.
void AssignPointer(InteractionContext& ctx, const PicturePtr& picture);
void AssignPointerImage(InteractionContext& ctx, int image);

// The WAIT pointer doubles as the lock of scene input.
bool WaitPointerShown(InteractionContext& ctx);
bool ItemIsInHand(const InteractionContext& ctx);

// A conversation whose object asks for it keeps every scene object but Goodies from reacting.
bool ConversationLocked(InteractionContext& ctx);

// First step of the main window's mouse moves: the bar's highlight frame goes and the three
// buttons show their normal look; `forget_hovered_button` lets the next button hover sound again.
void HoverReset(InteractionContext& ctx, bool forget_hovered_button);

// Frame 1 of a two-frame button source is its normal look, frame 0 its highlighted one.
void ShowButtonLook(Image& button, AnimatedPicture& source, int frame);

}  // namespace morvane
