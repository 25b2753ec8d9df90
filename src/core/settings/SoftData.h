// The settings record "soft.dat": 19808 bytes, little-endian, no header. The in-memory layout is the
// file layout, so load and save are plain byte copies.
#pragma once

#include <QString>

#include <bit>
#include <cstddef>
#include <cstdint>

constexpr int kSiteSlots = 24;
constexpr int kRecentEntries = 5;
constexpr int kRecentUnits = 400;  // UTF-16 units of one recent entry, NUL included
constexpr int kSaveSetUnits = 40;  // UTF-16 units of one naming text field, NUL included
constexpr int kSaveSetMaxText = 38; // the dialogs never store more characters

// Option flags of ST_SAVESET.
enum : uint16_t {
    SAVE_FIX_FORMAT = 0x0001,
    SAVE_FIX_ORDER = 0x0002,
    SAVE_NAME_FILE = 0x0004,
    SAVE_THUNDER_LIST_ONLY = 0x0008,
    SAVE_OPEN_FOLDER = 0x0010,
    SAVE_MAIN_PICTURES_ONLY = 0x0020,
    SAVE_SKIP_DOWNLOADED = 0x0040,
    SAVE_LARGE_PICTURES = 0x0080,
    SAVE_DESCRIPTION_PICTURES_ONLY = 0x0100,
};

// File-name sources and album-folder sources.
enum : uint8_t { NAME_BY_DESCRIPTION = 0, NAME_BY_NUMBER = 1, NAME_BY_ADDRESS = 2 };
enum : uint8_t { FOLDER_BY_ALBUM_NAME = 0, FOLDER_NONE = 1 };

// Download parameters of one site.
struct ST_DOWNSET {
    uint16_t wMinSizeKB;  // 0 = no minimum
    uint16_t wMaxSizeKB;  // 0 = no maximum
    uint16_t wThreads;    // 1 to 15
    uint16_t wTimeoutSec; // 10 and up: each read of a picture body
};

// Naming settings and option flags of one site.
struct ST_SAVESET {
    char16_t szFilePrefix[kSaveSetUnits];
    char16_t szFileSuffix[kSaveSetUnits];
    char16_t szReplaceList[kSaveSetUnits];
    char16_t szReplacementList[kSaveSetUnits];
    char16_t szFolderPrefix[kSaveSetUnits];
    char16_t szFolderSuffix[kSaveSetUnits];
    uint16_t wFlags;
    uint8_t byFileNameSource;
    uint8_t byFolderSource;
};

struct ST_SOFTDATA {
    ST_DOWNSET downSets[kSiteSlots];
    ST_SAVESET saveSets[kSiteSlots];
    char16_t recentAddresses[kRecentEntries][kRecentUnits];
    char16_t recentSavePaths[kRecentEntries][kRecentUnits];
};

static_assert(std::endian::native == std::endian::little, "soft.dat is stored as the host's little-endian image");
static_assert(sizeof(ST_DOWNSET) == 8);
static_assert(sizeof(ST_SAVESET) == 484);
static_assert(sizeof(ST_SOFTDATA) == 19808);
static_assert(offsetof(ST_SOFTDATA, saveSets) == 192);
static_assert(offsetof(ST_SOFTDATA, recentAddresses) == 11808);
static_assert(offsetof(ST_SOFTDATA, recentSavePaths) == 15808);
static_assert(offsetof(ST_SAVESET, wFlags) == 480);

enum RecentList : int { RECENT_ADDRESSES = 0, RECENT_SAVE_PATHS = 1 };

// A fixed NUL-terminated UTF-16 field as text (up to its first NUL or its end).
QString FieldText(const char16_t* field, int units);
// Stores the text into the field, cut to maxChars, NUL-terminated and zero-filled.
void SetFieldText(char16_t* field, int units, const QString& text, int maxChars);

template <int N> QString FieldText(const char16_t (&field)[N]) { return FieldText(field, N); }
template <int N> void SetFieldText(char16_t (&field)[N], const QString& text) {
    SetFieldText(field, N, text, N == kSaveSetUnits ? kSaveSetMaxText : N - 1);
}

QString RecentEntry(const ST_SOFTDATA& data, RecentList list, int index);
QStringList RecentEntries(const ST_SOFTDATA& data, RecentList list); // the non-empty ones, newest first

// Puts the text in front of the recent list; false when it has 400 or more characters or equals an
// entry without regard to letter case (the list is then unchanged).
bool PushRecent(ST_SOFTDATA& data, RecentList list, const QString& text);

// Reads "soft.dat" at the path into the record: zeroed first, at most 19808 bytes read, then the
// thread counts and time-outs repaired and, when the file could not be opened, the first-run
// defaults applied. Returns whether the file opened.
bool LoadSoftData(const QString& path, ST_SOFTDATA& data);

// The clamps and first-run defaults of a load, on their own; every text field is terminated.
void RepairSoftData(ST_SOFTDATA& data, bool firstRun);

// Writes the whole record: to a temporary file beside the target, then renamed over it. Two saves
// of the process never interleave. False when it could not be written (the old file is untouched).
bool SaveSoftData(const QString& path, const ST_SOFTDATA& data);
