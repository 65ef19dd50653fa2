#include "forms/notify_log.h"

namespace morvane {

void AppendNotifyLine(ListBox& list, std::string text, int limit) {
    while (list.ListCount() >= limit && list.ListCount() > 0) {
        list.RemoveItem(0);
    }
    list.AddItem(std::move(text));
    list.SetListIndex(list.ListCount() - 1);
}

void ShowNotifyWindow(Forms& windows) {
    windows.NoWin.ShowOwned(windows.Main);
}

}  // namespace morvane
