// Filling the settings pages from the dialog's copy of the settings, and
// reading them back on OK. Most controls follow one of a few rules (a check
// box, a radio group, a number with its spin, a text, a list chosen by
// index); each rule has one table below that both directions walk, so what
// is filled and what is read back cannot drift apart. The few controls with
// rules of their own (the hot-key list, the storage choice and folder, the
// extension list, the fill colour, the hidden offsets, the Image info page's
// shown-only boxes and the Uploads page) follow the tables.
//
// A page whose window could not be created is neither filled nor read:
// reading it would put empty values over the settings.
#include "dialogs/settings_pages_win.h"

#include <commctrl.h>

#include <cstring>
#include <ctime>
#include <iterator>
#include <vector>

#include "base/current_directory_win.h"
#include "base/os_version_win.h"
#include "base/text.h"
#include "encode/file_types.h"
#include "encode/gdiplus_available_win.h"
#include "dialogs/page_values.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "settings/upload_settings.h"

namespace {

// A check box: checked when the field is set.
struct CheckBinding {
    SettingsPageIndex page;
    int id;
    bool& field;
};

// Radio buttons whose values are their positions in ids: 0, 1, 2, ...
struct RadioBinding {
    SettingsPageIndex page;
    std::vector<int> ids;
    int32_t& field;
};

// An edit box holding an unsigned number, with the spin that steps it
// between 0 and spinMax; a number typed outside that range is kept.
struct NumberBinding {
    SettingsPageIndex page;
    int id;
    int spinId;
    int spinMax;
    int32_t& field;
};

// An edit box or static holding a text field of fieldSize characters.
struct TextBinding {
    SettingsPageIndex page;
    int id;
    char* field;
    int fieldSize;
};

// A drop-down list whose selected index is the field (-1: none selected).
struct IndexListBinding {
    SettingsPageIndex page;
    int id;
    std::vector<const char*> items;
    int32_t& field;
};

template <size_t N>
TextBinding Text(SettingsPageIndex page, int id, char (&field)[N]) {
    return {page, id, field, static_cast<int>(N)};
}

constexpr int kPercentMax = 100;
constexpr int kDigitsMax = 4;
constexpr int kPixelsMax = 4096;

std::vector<CheckBinding> CheckBindings(GrabSettings& s) {
    return {
        {kPageGeneral, IDC_SYSTRAY, s.Properties.Systray},
        {kPageGeneral, IDC_TASKBAR, s.Properties.Taskbar},
        {kPageGeneral, IDC_SETTINGS_ON_START, s.Properties.SettingsOnStart},
        {kPageGeneral, IDC_REL_PATHS, s.Properties.RelPaths},
        {kPageGeneral, IDC_MAKE_LINK, s.Properties.MakeLink},
        {kPageGeneral, IDC_USER_LINK, s.Properties.UserLink},
        {kPageHotKey, IDC_USE_ALT, s.Properties.UseAlt},
        {kPageHotKey, IDC_USE_CTRL, s.Properties.UseCtrl},
        {kPageHotKey, IDC_USE_SHIFT, s.Properties.UseShift},
        {kPageHotKey, IDC_USE_WIN, s.Properties.UseWin},
        {kPageType, IDC_SHOW_CURSOR, s.Properties.ShowCursor},
        {kPageThumbnail, IDC_THUMB, s.Thumbnail.Thumb},
        {kPageThumbnail, IDC_THUMB_ASPECT, s.Thumbnail.Aspect},
        {kPageThumbnail, IDC_WM_SAME, s.Thumbnail.WMSame},
        {kPageWatermark, IDC_WATERMARK, s.Watermark.Watermark},
        {kPageWatermark, IDC_WM_STRETCH, s.Watermark.Stretch},
        {kPageWatermark, IDC_WM_ASPECT, s.Watermark.Aspect},
        {kPageBackfills, IDC_FILL, s.BkgndFill.Fill},
        {kPageBackfills, IDC_TRANS_FILL, s.BkgndFill.TransFill},
    };
}

std::vector<RadioBinding> RadioBindings(GrabSettings& s) {
    return {
        {kPageType,
         {IDC_TYPE_CONTROL, IDC_TYPE_CLIENT_AREA, IDC_TYPE_WINDOW, IDC_TYPE_DESKTOP,
          IDC_TYPE_VIRTUAL_SCREEN, IDC_TYPE_RECTANGULAR_AREA},
         s.Properties.SnapType},
        {kPageWatermark, {IDC_WM_CENTERED, IDC_WM_TILED, IDC_WM_CORNERED}, s.Watermark.Style},
        {kPageWatermark,
         {IDC_WM_TOP_LEFT, IDC_WM_TOP_RIGHT, IDC_WM_BOTTOM_LEFT, IDC_WM_BOTTOM_RIGHT},
         s.Watermark.Corner},
    };
}

std::vector<NumberBinding> NumberBindings(GrabSettings& s) {
    return {
        {kPageStorage, IDC_DIGITS, IDC_DIGITS_SPIN, kDigitsMax, s.FileStore.Digits},
        {kPageStorage, IDC_QUALITY, IDC_QUALITY_SPIN, kPercentMax, s.FileStore.Quality},
        {kPageThumbnail, IDC_THUMB_PERCENT, IDC_THUMB_PERCENT_SPIN, kPercentMax,
         s.Thumbnail.Percent},
        {kPageThumbnail, IDC_THUMB_WIDTH, IDC_THUMB_WIDTH_SPIN, kPixelsMax, s.Thumbnail.Width},
        {kPageThumbnail, IDC_THUMB_HEIGHT, IDC_THUMB_HEIGHT_SPIN, kPixelsMax, s.Thumbnail.Height},
        {kPageWatermark, IDC_WM_PERCENT, IDC_WM_PERCENT_SPIN, kPercentMax, s.Watermark.Percent},
        {kPageWatermark, IDC_WM_WIDTH, IDC_WM_WIDTH_SPIN, kPixelsMax, s.Watermark.Width},
        {kPageWatermark, IDC_WM_HEIGHT, IDC_WM_HEIGHT_SPIN, kPixelsMax, s.Watermark.Height},
        {kPageWatermark, IDC_WM_ROWS, IDC_WM_ROWS_SPIN, kPercentMax, s.Watermark.Rows},
        {kPageWatermark, IDC_WM_COLUMNS, IDC_WM_COLUMNS_SPIN, kPercentMax, s.Watermark.Columns},
    };
}

// The Storage page's folder static is not among them: it has a rule of its own.
std::vector<TextBinding> TextBindings(GrabSettings& s) {
    return {
        Text(kPageStorage, IDC_PREFIX, s.FileStore.Name),
        Text(kPageWatermark, IDC_WM_FILE, s.Watermark.File),
        Text(kPageInfo, IDC_INFO_TITLE, s.Info.Title),
        Text(kPageInfo, IDC_INFO_COPYRIGHT, s.Info.Copyright),
        Text(kPageInfo, IDC_INFO_DOCNAME, s.Info.Docname),
        Text(kPageInfo, IDC_INFO_DESCRIPTION, s.Info.Description),
        Text(kPageInfo, IDC_INFO_ARTIST, s.Info.Artist),
    };
}

std::vector<IndexListBinding> IndexListBindings(GrabSettings& s) {
    return {
        {kPageStorage,
         IDC_REDUCTION,
         {"Halftone (dithered)", "Grayscale", "Median cut", "Median cut (dithered)", "Octree",
          "Web safe"},
         s.FileStore.Reduction},
        {kPageStorage,
         IDC_COMPRESSION,
         {"LZW", "CCITT3", "CCITT4", "RLE", "None"},
         s.FileStore.Compression},
    };
}

// The Uploads page's two lists offer one choice each and are not read back.
constexpr char kProtocolItem[] = "FTP";
constexpr char kServiceItem[] = "Service default";

bool IsChecked(HWND page, int id) {
    return IsDlgButtonChecked(page, id) == BST_CHECKED;
}

void SetChecked(HWND page, int id, bool checked) {
    CheckDlgButton(page, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void AddListItem(HWND page, int id, const char* item) {
    SendDlgItemMessageA(page, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

void FillHotKeyList(HWND page, int32_t hotKey) {
    for (int i = 0; i < kHotKeyListItems; ++i) {
        AddListItem(page, IDC_HOT_KEY, HotKeyListItem(i).c_str());
    }
    // -1 leaves the list without a selection.
    SendDlgItemMessageA(page, IDC_HOT_KEY, CB_SETCURSEL, HotKeyListIndex(hotKey), 0);
}

void FillStorageSpecials(HWND page, const GrabSettings& s) {
    SetChecked(page, IDC_STORE_CLIPBOARD, !s.Properties.StoreFile);
    SetChecked(page, IDC_STORE_FILE, s.Properties.StoreFile);
    ShortenPathInMiddle(GetDlgItem(page, IDC_STORE_DIR));
    // ".\\" is shown as the folder it stands for, and OK keeps what is shown.
    // A current directory too long for a path keeps showing ".\\".
    char shown[kPathChars] = "";
    const bool current = strcmp(s.FileStore.Dir, kCurrentDirectoryDir) == 0;
    const bool expanded = current && ReadCurrentDirectory(shown);
    SetDlgItemTextA(page, IDC_STORE_DIR, expanded ? shown : s.FileStore.Dir);
    // Only BMP is offered where GDI+ is missing: the program writes it itself.
    const bool gdiplus = IsGdiplusAvailable();
    for (const FileType& type : kFileTypes) {
        if (gdiplus || !type.needsGdiplus) {
            AddListItem(page, IDC_EXT, type.extension);
        }
    }
    // The first item that begins with the field's text, whatever its case.
    SendDlgItemMessageA(page, IDC_EXT, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(s.FileStore.Ext));
}

void FillColour(HWND page, Colorref colour) {
    SetDlgItemInt(page, IDC_FILL_RED, RedOf(colour), FALSE);
    SetDlgItemInt(page, IDC_FILL_GREEN, GreenOf(colour), FALSE);
    SetDlgItemInt(page, IDC_FILL_BLUE, BlueOf(colour), FALSE);
}

// Shown for the user's information, never read back: the encoder writes its
// own creation time and software name into the files.
void FillInfoShownOnly(HWND page) {
    char created[kTextChars] = "";
    const time_t now = time(nullptr);
    const tm* local = localtime(&now);
    if (local != nullptr && strftime(created, std::size(created), "%c", local) == 0) {
        created[0] = '\0';
    }
    SetDlgItemTextA(page, IDC_INFO_CREATED, created);
    SetDlgItemTextA(page, IDC_INFO_SOFTWARE, TEXT_SOFTWARE_NAME);
}

// The stored password never reaches a control: the box shows the placeholder,
// and the record that held the password is wiped before this returns.
void FillUploads(HWND page, GrabSettings& s) {
    UploadSettings upload;
    UploadWipe wipe(upload);
    LoadUpload(s, upload, GetOsVersionClass());
    SetDlgItemTextA(page, IDC_UPLOAD_USER, upload.User);
    SetDlgItemTextA(page, IDC_UPLOAD_PASSWORD, kPasswordPlaceholder);
    SetDlgItemTextA(page, IDC_UPLOAD_CONFIRM, "");
    SetDlgItemTextA(page, IDC_UPLOAD_SERVER, upload.Server);
    AddListItem(page, IDC_UPLOAD_PROTOCOL, kProtocolItem);
    SendDlgItemMessageA(page, IDC_UPLOAD_PROTOCOL, CB_SETCURSEL, 0, 0);
    SetChecked(page, IDC_UPLOAD_PASSIVE, upload.Passive);
    AddListItem(page, IDC_UPLOAD_SERVICE, kServiceItem);
    SendDlgItemMessageA(page, IDC_UPLOAD_SERVICE, CB_SETCURSEL, 0, 0);
    SetDlgItemTextA(page, IDC_UPLOAD_DIR, upload.Dir);
}

// The check boxes of one page.
void ReadChecks(HWND window, SettingsPageIndex page, GrabSettings& s) {
    for (const CheckBinding& b : CheckBindings(s)) {
        if (b.page == page) {
            b.field = IsChecked(window, b.id);
        }
    }
}

}  // namespace

void FillPages(const HWND (&pages)[kSettingsPageCount], GrabSettings& s) {
    for (const CheckBinding& b : CheckBindings(s)) {
        SetChecked(pages[b.page], b.id, b.field);
    }
    for (const RadioBinding& b : RadioBindings(s)) {
        int32_t value = 0;
        for (int id : b.ids) {
            // None is checked when no button has the field's value.
            if (value++ == b.field) {
                SetChecked(pages[b.page], id, true);
            }
        }
    }
    for (const NumberBinding& b : NumberBindings(s)) {
        // The range only limits the arrows; the number is set after it, so
        // that a value beyond the range is shown as it is.
        SendDlgItemMessageA(pages[b.page], b.spinId, UDM_SETRANGE, 0, MAKELPARAM(b.spinMax, 0));
        SetDlgItemInt(pages[b.page], b.id, static_cast<UINT>(b.field), FALSE);
    }
    for (const TextBinding& b : TextBindings(s)) {
        SetDlgItemTextA(pages[b.page], b.id, b.field);
    }
    for (const IndexListBinding& b : IndexListBindings(s)) {
        for (const char* item : b.items) {
            AddListItem(pages[b.page], b.id, item);
        }
        // An index outside the list leaves it without a selection.
        SendDlgItemMessageA(pages[b.page], b.id, CB_SETCURSEL, static_cast<WPARAM>(b.field), 0);
    }
    FillHotKeyList(pages[kPageHotKey], s.Properties.HotKey);
    SetDlgItemTextA(pages[kPageHotKey], IDC_HOT_KEY_RESULT, "");
    FillStorageSpecials(pages[kPageStorage], s);
    ShortenPathInMiddle(GetDlgItem(pages[kPageWatermark], IDC_WM_FILE));
    SetDlgItemTextA(pages[kPageWatermark], IDC_WM_HOFFSET, FormatFloat(s.Watermark.HOffset));
    SetDlgItemTextA(pages[kPageWatermark], IDC_WM_VOFFSET, FormatFloat(s.Watermark.VOffset));
    FillColour(pages[kPageBackfills], s.BkgndFill.Color);
    FillInfoShownOnly(pages[kPageInfo]);
    if (pages[kPageUploads] != nullptr) {
        FillUploads(pages[kPageUploads], s);
    }
}

void ReadHotKeyPage(HWND page, GrabSettings& s) {
    if (page == nullptr) {
        return;
    }
    char item[32] = "";  // the longest item, "PrtScrn", fits with room to spare
    GetDlgItemTextA(page, IDC_HOT_KEY, item, std::size(item));
    s.Properties.HotKey = HotKeyFromListText(item, s.Properties.HotKey);
    ReadChecks(page, kPageHotKey, s);
}

void ReadPages(const HWND (&pages)[kSettingsPageCount], GrabSettings& s) {
    for (int page = 0; page < kSettingsPageCount; ++page) {
        if (pages[page] != nullptr && page != kPageHotKey) {
            ReadChecks(pages[page], static_cast<SettingsPageIndex>(page), s);
        }
    }
    ReadHotKeyPage(pages[kPageHotKey], s);
    for (const RadioBinding& b : RadioBindings(s)) {
        if (pages[b.page] == nullptr) {
            continue;
        }
        // Should several be checked, the last one wins.
        b.field = -1;
        int32_t value = 0;
        for (int id : b.ids) {
            if (IsChecked(pages[b.page], id)) {
                b.field = value;
            }
            ++value;
        }
    }
    for (const NumberBinding& b : NumberBindings(s)) {
        if (pages[b.page] != nullptr) {
            // An empty box reads as 0.
            b.field = static_cast<int32_t>(GetDlgItemInt(pages[b.page], b.id, nullptr, FALSE));
        }
    }
    for (const TextBinding& b : TextBindings(s)) {
        if (pages[b.page] != nullptr) {
            GetDlgItemTextA(pages[b.page], b.id, b.field, b.fieldSize);
        }
    }
    for (const IndexListBinding& b : IndexListBindings(s)) {
        if (pages[b.page] != nullptr) {
            b.field =
                static_cast<int32_t>(SendDlgItemMessageA(pages[b.page], b.id, CB_GETCURSEL, 0, 0));
        }
    }
    if (HWND storage = pages[kPageStorage]) {
        s.Properties.StoreFile = IsChecked(storage, IDC_STORE_FILE);
        GetDlgItemTextA(storage, IDC_STORE_DIR, s.FileStore.Dir, std::size(s.FileStore.Dir));
        // An extension the list lacks selects nothing and is kept as it was:
        // a type only GDI+ writes, on a system without it, must not come back
        // empty, or a later run with GDI+ would store no file at all.
        if (SendDlgItemMessageA(storage, IDC_EXT, CB_GETCURSEL, 0, 0) != CB_ERR) {
            GetDlgItemTextA(storage, IDC_EXT, s.FileStore.Ext, std::size(s.FileStore.Ext));
        }
    }
    if (HWND backfills = pages[kPageBackfills]) {
        // Each channel keeps its low byte: 300 is read as 44.
        s.BkgndFill.Color = MakeColorref(GetDlgItemInt(backfills, IDC_FILL_RED, nullptr, FALSE),
                                         GetDlgItemInt(backfills, IDC_FILL_GREEN, nullptr, FALSE),
                                         GetDlgItemInt(backfills, IDC_FILL_BLUE, nullptr, FALSE));
    }
}
