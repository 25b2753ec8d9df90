// The option flags that menu commands toggle, and the check marks and enabling of their items.
#pragma once

#include <cstdint>

struct VantrelState;

// The flag a menu command toggles, or 0 for a command that toggles none.
uint16_t OptionFlagOfCommand(int commandId);

// Toggles the command's flag in the current site's naming slot (switching 32808 on clears 0x0100,
// switching 32814 on clears 0x0020) and saves the settings. False for a command with no flag.
bool ToggleOptionFlag(VantrelState& state, int commandId);

struct OptionMenuItem {
    bool checked;
    bool enabled;
};
// How the item shows in a popup that opens now.
OptionMenuItem OptionMenuItemState(const VantrelState& state, int commandId);
