#include "engine/os/win32/tray_shell_win32.h"

#include <algorithm>
#include <cwchar>
#include <utility>

#include "common/os/win32/handles.h"

namespace quenby::engine {
namespace {

// The parts of the tray record the shell is to take: callback message, icon,
// tooltip; NIF_SHOWTIP, since under the version 4 protocol the shell shows the
// standard tooltip only when asked to.
constexpr UINT kTrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;

COLORREF colourOf(Rgb colour)
{
    return static_cast<COLORREF>(colour.colorref());
}

// The number and the bar onto the canvas, placed for its size. The background
// stays opaque in the key colour, so the text's own cell keeps the key colour and
// turns transparent too; a picture with a background of its own (a contrast
// theme's) is painted on it all over, and nothing is left transparent.
bool drawPicture(HBITMAP canvas, const TrayPicture& picture, const TrayGeometry& geometry)
{
    win32::UniqueDc dc(CreateCompatibleDC(nullptr));
    if (!dc)
        return false;
    win32::Selection canvasSelected(dc.get(), canvas);
    if (!canvasSelected.selected())
        return false;
    const COLORREF background = colourOf(picture.background.value_or(kKeyColour));
    if (picture.background) {
        const RECT all{0, 0, geometry.width, geometry.height};
        win32::UniqueBrush fill(CreateSolidBrush(background));
        FillRect(dc.get(), &all, fill.get());
    }
    SetBkColor(dc.get(), background);
    {
        win32::UniqueFont font(createTrayFont(geometry.fontHeight));
        win32::Selection fontSelected(dc.get(), font.get());
        SetTextColor(dc.get(), colourOf(picture.textColour));
        if (!picture.text.empty()) {
            const std::wstring text = os::win32::wide(picture.text);
            TextOutW(dc.get(), geometry.textX(text.size()), geometry.textTop, text.c_str(),
                     static_cast<int>(text.size()));
        }
    }
    win32::UniqueBrush brush(CreateSolidBrush(colourOf(picture.barFill)));
    win32::UniquePen pen(CreatePen(PS_SOLID, 1, colourOf(picture.textColour)));
    win32::Selection brushSelected(dc.get(), brush.get());
    win32::Selection penSelected(dc.get(), pen.get());
    Rectangle(dc.get(), geometry.barLeft, geometry.barTop, geometry.barRight, geometry.barBottom);
    return true;
}

UINT sensibleDpi(UINT dpi)
{
    // Windows scales from 100 % to 500 %: anything far outside is no scale.
    return dpi >= 72 && dpi <= 960 ? dpi : 0;
}

UINT taskbarDpi()
{
    // The taskbar's own monitor, where the icon is shown; none (Explorer not
    // started yet): the system's.
    const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    return taskbar ? sensibleDpi(GetDpiForWindow(taskbar)) : 0;
}

} // namespace

HFONT createTrayFont(int height)
{
    return CreateFontW(height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       L"MS Serif");
}

TrayGeometry smallIconGeometry(UINT dpi)
{
    if (sensibleDpi(dpi) != 0)
        return trayGeometryFor(GetSystemMetricsForDpi(SM_CXSMICON, dpi), GetSystemMetricsForDpi(SM_CYSMICON, dpi));
    return trayGeometryFor(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
}

HICON renderTrayIcon(HINSTANCE resources, const TrayPicture& picture, UINT dpi)
{
    // The 16 x 16 canvas stretched to the icon's size: one colour stays one colour.
    const TrayGeometry geometry = smallIconGeometry(dpi);
    win32::UniqueBitmap canvas(static_cast<HBITMAP>(LoadImageW(
        resources, L"DEFAULTBMP", IMAGE_BITMAP, geometry.width, geometry.height, LR_DEFAULTCOLOR)));
    if (!canvas || !drawPicture(canvas.get(), picture, geometry))
        return nullptr;
    win32::UniqueBitmap mask(buildIconMask(canvas.get()));
    if (!mask)
        return nullptr;
    ICONINFO parts{};
    parts.fIcon = TRUE;
    parts.hbmMask = mask.get();
    parts.hbmColor = canvas.get();
    // The icon gets copies of both bitmaps; ours go with the wrappers.
    return CreateIconIndirect(&parts);
}

HICON loadDisabledIcon(HINSTANCE resources, UINT dpi)
{
    const TrayGeometry geometry = smallIconGeometry(dpi);
    return static_cast<HICON>(LoadImageW(resources, L"WIWIED", IMAGE_ICON, geometry.width,
                                         geometry.height, LR_DEFAULTCOLOR));
}

HBITMAP buildIconMask(HBITMAP colour)
{
    BITMAP size{};
    if (!GetObjectW(colour, sizeof size, &size))
        return nullptr;
    win32::UniqueBitmap mask(CreateBitmap(size.bmWidth, size.bmHeight, 1, 1, nullptr));
    win32::UniqueDc colourDc(CreateCompatibleDC(nullptr));
    win32::UniqueDc maskDc(CreateCompatibleDC(nullptr));
    if (!mask || !colourDc || !maskDc)
        return nullptr;
    {
        win32::Selection colourSelected(colourDc.get(), colour);
        win32::Selection maskSelected(maskDc.get(), mask.get());
        if (!colourSelected.selected() || !maskSelected.selected())
            return nullptr;
        // Colour to monochrome: pixels of the source's background colour become 1.
        SetBkColor(colourDc.get(), colourOf(kKeyColour));
        BitBlt(maskDc.get(), 0, 0, size.bmWidth, size.bmHeight, colourDc.get(), 0, 0, SRCCOPY);
        // Monochrome to colour: 1 becomes the destination's background (the key
        // colour), 0 its text colour (black); XOR turns key pixels black and
        // leaves the rest unchanged.
        BitBlt(colourDc.get(), 0, 0, size.bmWidth, size.bmHeight, maskDc.get(), 0, 0, SRCINVERT);
    }
    return mask.release();
}

Win32TrayShell::Win32TrayShell(HINSTANCE instance, std::function<bool()> rightToLeft)
    : instance_(instance), rightToLeft_(std::move(rightToLeft))
{
    record_.cbSize = sizeof record_;
    record_.uVersion = NOTIFYICON_VERSION_4;
    record_.uID = kTrayIconId;
    record_.uFlags = kTrayFlags;
    record_.uCallbackMessage = WM_TRAYICON;
}

void Win32TrayShell::attach(HWND window)
{
    window_ = window;
    // The scale of the taskbar's monitor, which the icon is drawn for.
    iconDpi_ = taskbarDpi();
}

bool Win32TrayShell::destroyImage()
{
    if (!icon_)
        return true;
    // A refused destruction keeps the image in use; the logic tries again later.
    if (!DestroyIcon(icon_.get()))
        return false;
    icon_.release();
    record_.hIcon = nullptr;
    return true;
}

bool Win32TrayShell::displayChanged()
{
    // Always the taskbar's monitor: WM_DPICHANGED brings the scale of the
    // monitor the hidden window sits on, which need not be the taskbar's.
    const UINT now = taskbarDpi();
    const TrayGeometry before = smallIconGeometry(iconDpi_);
    iconDpi_ = now;
    const TrayGeometry after = smallIconGeometry(iconDpi_);
    return after.width != before.width || after.height != before.height;
}

std::optional<ContrastColours> Win32TrayShell::contrastColours()
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) ||
        (contrast.dwFlags & HCF_HIGHCONTRASTON) == 0)
        return std::nullopt;
    // The theme's text on the theme's window colour: the pair every contrast
    // theme makes readable, whatever it paints the taskbar with.
    const auto rgb = [](int index) {
        const COLORREF c = GetSysColor(index);
        return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
    };
    return ContrastColours{rgb(COLOR_WINDOWTEXT), rgb(COLOR_WINDOW)};
}

void Win32TrayShell::renderImage(const TrayPicture& picture)
{
    icon_.reset(picture.disabled ? loadDisabledIcon(instance_, iconDpi_) : renderTrayIcon(instance_, picture, iconDpi_));
    record_.hIcon = icon_.get();
}

bool Win32TrayShell::notify(TrayAction action, const std::u16string& tooltip)
{
    record_.hWnd = window_;
    // The record holds 127 characters and the terminator; the rest is cut off.
    const std::size_t length = std::min(tooltip.size(), std::size(record_.szTip) - 1);
    std::wmemset(record_.szTip, L'\0', std::size(record_.szTip));
    std::copy_n(tooltip.begin(), length, record_.szTip);
    DWORD message = NIM_ADD;
    switch (action) {
    case TrayAction::add: message = NIM_ADD; break;
    case TrayAction::modify: message = NIM_MODIFY; break;
    case TrayAction::remove: message = NIM_DELETE; break;
    }
    if (!Shell_NotifyIconW(message, &record_))
        return false;
    // The version 4 protocol: Enter, Space and Shift+F10 on the icon come as
    // NIN_KEYSELECT and WM_CONTEXTMENU with the icon's position, not as mouse
    // messages, so the icon can be used without a mouse. A shell that refuses
    // it keeps the old protocol, whose mouse messages the engine still reads.
    if (message == NIM_ADD)
        Shell_NotifyIconW(NIM_SETVERSION, &record_);
    return true;
}

namespace {

// Copies the text into a fixed field of the record, cut to leave room for the
// terminator; the rest of the field is zero.
template <std::size_t N>
void copyCut(wchar_t (&field)[N], std::u16string_view text)
{
    std::wmemset(field, L'\0', N);
    std::copy_n(text.begin(), std::min(text.size(), N - 1), field);
}

} // namespace

NOTIFYICONDATAW balloonRecord(const NOTIFYICONDATAW& icon, std::u16string_view title,
                              std::u16string_view text)
{
    NOTIFYICONDATAW balloon = icon;
    balloon.uFlags |= NIF_INFO;
    // Not in the first hour of a new account, when Windows keeps notices back.
    balloon.dwInfoFlags = NIIF_INFO | NIIF_NOSOUND | NIIF_RESPECT_QUIET_TIME;
    copyCut(balloon.szInfoTitle, title);
    copyCut(balloon.szInfo, text);
    return balloon;
}

void Win32TrayShell::showNotice(const std::u16string& title, const std::u16string& text)
{
    // A copy: the shell shows a balloon for every record that carries NIF_INFO,
    // and the stored one is sent again with each update of the icon.
    NOTIFYICONDATAW balloon = balloonRecord(record_, title, text);
    balloon.hWnd = window_;
    // Refused (no icon, or no notification area): the notice is not seen, and
    // nothing else depends on it.
    Shell_NotifyIconW(NIM_MODIFY, &balloon);
}

void Win32TrayShell::buildMenu(const std::vector<MenuItem>& items)
{
    menu_.reset(CreatePopupMenu());
    if (!menu_)
        return;
    // In a language that reads right to left the items read that way and sit
    // at the menu's right edge, as Windows' own menus do in those languages.
    const UINT direction = rightToLeft_() ? MFT_RIGHTORDER | MFT_RIGHTJUSTIFY : 0;
    for (const MenuItem& item : items) {
        std::wstring text = os::win32::wide(item.text);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.fType = (item.id == 0 ? MFT_SEPARATOR : MFT_STRING) | direction;
        info.wID = item.id;
        info.dwTypeData = item.id == 0 ? nullptr : text.data();
        InsertMenuItemW(menu_.get(), GetMenuItemCount(menu_.get()), TRUE, &info);
    }
}

void Win32TrayShell::setMenuItemText(unsigned commandId, const std::u16string& text)
{
    if (!menu_)
        return;
    // By command: an id that is not in the menu leaves the menu as it is. Only
    // the text changes; the item keeps its reading order.
    std::wstring label = os::win32::wide(text);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = label.data();
    SetMenuItemInfoW(menu_.get(), commandId, FALSE, &info);
}

void Win32TrayShell::showMenu()
{
    POINT cursor{};
    GetCursorPos(&cursor);
    trackMenu(cursor.x, cursor.y, false);
}

void Win32TrayShell::showMenuAt(int x, int y)
{
    trackMenu(x, y, true);
}

void Win32TrayShell::trackMenu(int x, int y, bool byKeyboard)
{
    // Without the foreground the menu would not close when the user clicks
    // elsewhere, nor take the keyboard; the posted null message lets the next
    // click reach its target. Opened by the right button's press, the menu
    // takes either button, so that press, drag and release chooses an item.
    SetForegroundWindow(window_);
    const UINT flags = (rightToLeft_() ? TPM_LAYOUTRTL : 0) | (byKeyboard ? TPM_RETURNCMD : TPM_RIGHTBUTTON);
    const BOOL chosen = TrackPopupMenu(menu_.get(), flags, x, y, 0, window_, nullptr);
    PostMessageW(window_, WM_NULL, 0, 0);
    if (!byKeyboard)
        return;
    // By keyboard the choice comes back here; left with Esc, the focus goes
    // back to the icon, where the user was (Shell_NotifyIcon, NIM_SETFOCUS).
    if (chosen != 0) {
        PostMessageW(window_, WM_COMMAND, static_cast<WPARAM>(chosen), 0);
    } else {
        record_.hWnd = window_;
        Shell_NotifyIconW(NIM_SETFOCUS, &record_);
    }
}

void Win32TrayShell::destroyMenu()
{
    menu_.reset();
}

} // namespace quenby::engine
