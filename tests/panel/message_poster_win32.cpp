// Another process posting to the panel, as the engine does:
//   quenby_panel_poster CLASS TITLE NAME...
// registers each message NAME (RegisterWindowMessageW), finds the window of that
// class and title (FindWindowW) and posts the message to it (PostMessageW, both
// parameters 0), in the order given. Exit code 0 when all were posted; 2 no
// window, 3 a post failed, 4 a name could not be registered, 5 bad arguments.
#include <windows.h>
#include <shellapi.h>

#include <memory>

namespace {

struct LocalFreeDeleter {
    void operator()(LPWSTR* memory) const { LocalFree(memory); }
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreeDeleter> arguments(
        CommandLineToArgvW(GetCommandLineW(), &count));
    if (!arguments || count < 4)
        return 5;
    const HWND window = FindWindowW(arguments.get()[1], arguments.get()[2]);
    if (!window)
        return 2;
    for (int i = 3; i < count; ++i) {
        const UINT message = RegisterWindowMessageW(arguments.get()[i]);
        if (message == 0)
            return 4;
        if (!PostMessageW(window, message, 0, 0))
            return 3;
    }
    return 0;
}
