#include "engine/inventory_slot.h"

namespace morvane {

InventorySlot SlotEntry(const InventoryRecord& r) {
    InventorySlot e;
    e.Combinable = r.Partner < 1 || r.Result < 1 ? Integer{0} : r.Combinable;
    e.Partner = r.Partner;
    e.Result = r.Result;
    e.CombineSound = r.CombineSound.Trimmed();
    e.CombineVolume = r.CombineVolume;
    e.CombinePan = r.CombinePan;
    e.RefusalSound = r.RefusalSound.Trimmed();
    e.RefusalVolume = r.RefusalVolume;
    e.RefusalPan = r.RefusalPan;
    e.ExamineKind = r.ExamineKind;
    e.ExamineSound = r.ExamineSound.Trimmed();
    e.ExamineVolume = r.ExamineVolume;
    e.ExaminePan = r.ExaminePan;
    e.CloseupCaption = r.CloseupCaption.Trimmed();
    e.CloseupPlayMode = r.CloseupPlayMode;
    e.CloseupPicture = r.CloseupPicture.Trimmed();
    e.Transforms = r.TransformsInto < 1 ? Integer{0} : r.Transforms;
    e.TransformsInto = r.TransformsInto;
    e.AddsMapLocation = r.AddsMapLocation;
    e.MapLocation = r.MapLocation;
    e.ChangesFlag = r.ChangesFlag;
    e.Flag = r.Flag;
    e.FlagValue = r.FlagValue;
    e.FlagMode = r.FlagMode;
    return e;
}

}  // namespace morvane
