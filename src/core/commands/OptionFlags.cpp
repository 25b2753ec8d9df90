#include "OptionFlags.h"

#include "session/ControlIds.h"
#include "session/VantrelState.h"

uint16_t OptionFlagOfCommand(int commandId) {
    switch (commandId) {
    case cmd::FixFormat:
        return SAVE_FIX_FORMAT;
    case cmd::FixOrder:
        return SAVE_FIX_ORDER;
    case cmd::NameFile:
        return SAVE_NAME_FILE;
    case cmd::ThunderListOnly:
        return SAVE_THUNDER_LIST_ONLY;
    case cmd::OpenFolderAfter:
        return SAVE_OPEN_FOLDER;
    case cmd::MainPicturesOnly:
        return SAVE_MAIN_PICTURES_ONLY;
    case cmd::SkipDownloaded:
        return SAVE_SKIP_DOWNLOADED;
    case cmd::LargePictures:
        return SAVE_LARGE_PICTURES;
    case cmd::DescriptionPicturesOnly:
        return SAVE_DESCRIPTION_PICTURES_ONLY;
    default:
        return 0;
    }
}

bool ToggleOptionFlag(VantrelState& state, int commandId) {
    const uint16_t flag = OptionFlagOfCommand(commandId);
    if (flag == 0)
        return false;
    const int site = std::clamp(state.CurrentSite(), 0, kSiteSlots - 1);
    return state.Settings.Change([&](ST_SOFTDATA& data) {
        uint16_t& flags = data.saveSets[site].wFlags;
        flags ^= flag;
        if (flags & flag) {
            if (flag == SAVE_MAIN_PICTURES_ONLY)
                flags &= ~SAVE_DESCRIPTION_PICTURES_ONLY;
            if (flag == SAVE_DESCRIPTION_PICTURES_ONLY)
                flags &= ~SAVE_MAIN_PICTURES_ONLY;
        }
        return true;
    });
}

OptionMenuItem OptionMenuItemState(const VantrelState& state, int commandId) {
    const int site = state.CurrentSite();
    const uint16_t flags = state.Settings.SaveSet(site).wFlags;
    OptionMenuItem item{(flags & OptionFlagOfCommand(commandId)) != 0, true};
    if (commandId == cmd::LargePictures)
        item.enabled = site == 7;
    if (commandId == cmd::MainPicturesOnly || commandId == cmd::DescriptionPicturesOnly)
        item.enabled = site == 11 || site == 16;
    return item;
}
