// Counts how often another program empties the clipboard: puts a text on it,
// and every time it finds the clipboard empty counts one clearing and puts the
// text back. With "clear the clipboard" on, the engine empties it at every
// recovery, so under Wine this counts the Windows face's recoveries from the
// outside, as a user would notice them.
//
//   quenby_bench_clipboard SECONDS
//
// Prints "cleared T" at each clearing, T the time in seconds since the Unix
// epoch (so that a script can set the start of a recovery beside its own
// clock), and "RESULT clipboard clears=N" when SECONDS have passed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void putText(HWND owner)
{
    if (!OpenClipboard(owner))
        return;
    EmptyClipboard();
    static const wchar_t kText[] = L"kept by the benchmark";
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof kText);
    if (data) {
        std::memcpy(GlobalLock(data), kText, sizeof kText);
        GlobalUnlock(data);
        if (!SetClipboardData(CF_UNICODETEXT, data))
            GlobalFree(data); // still ours when the clipboard did not take it
    }
    CloseClipboard();
}

// The time now as the Unix clock counts it: FILETIME counts 100 ns from 1601.
double epochSeconds()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr ULONGLONG kFrom1601To1970 = 116444736000000000ULL;
    return static_cast<double>(ticks - kFrom1601To1970) / 1e7;
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc == 2 ? std::strtod(argv[1], nullptr) : 0;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: quenby_bench_clipboard SECONDS\n");
        return 2;
    }
    // The clipboard's owner must be a window; a message-only one is enough.
    HWND owner = CreateWindowExW(0, L"STATIC", L"quenby clipboard count", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!owner) {
        std::fprintf(stderr, "quenby_bench_clipboard: no window (%lu)\n", GetLastError());
        return 1;
    }
    putText(owner);
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    unsigned long clears = 0;
    while (GetTickCount64() < end) {
        // Messages are answered, so that a program emptying the clipboard is
        // never kept waiting for its owner.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        if (CountClipboardFormats() == 0) {
            ++clears;
            std::printf("cleared %.2f\n", epochSeconds());
            std::fflush(stdout);
            putText(owner);
        }
    }
    DestroyWindow(owner);
    std::printf("RESULT clipboard clears=%lu\n", clears);
    return 0;
}
