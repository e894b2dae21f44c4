// What installer_test.sh cannot do from the Linux side of Wine:
//
//   installer_probe hold PATH [--no-rename]
//     Holds PATH the way another user's session holds the program file of a
//     process it runs: open for reading, shared for reading and deleting but not
//     writing, and mapped as an executable image, as the loader maps it. Then
//     writing the file fails, renaming it within its folder works, and deleting
//     it fails (the open handle alone, shared for deleting, would let a delete
//     succeed). With --no-rename it is not shared for deleting: renaming fails
//     too. Prints "holding" once it holds, then waits until it is killed.
//
//   installer_probe wizard TITLE
//     Clicks through the setup or uninstall wizard whose window title begins
//     with TITLE, answers each message box it shows with OK, and prints the
//     texts of each message box ("message: CLASS: TEXT") and of each page it
//     clicked on, setup's finish page last, one control a line as "CLASS: TEXT".
//     Ends with 1 when no such window shows up within 60 s or it does not end
//     within 180 s.
//
//   installer_probe window TITLE
//     Waits until the setup or uninstall wizard whose window title begins with
//     TITLE shows up (by then it holds its lock). Ends with 1 when none does
//     within 60 s.
//
//   installer_probe run COMMAND_LINE
//     Runs COMMAND_LINE the way a deployment tool (Intune, Configuration
//     Manager) runs an install or uninstall command: starts it with
//     CreateProcessW, waits for that very process, and prints its whole exit
//     code as "exit code: N" (Wine's own exit status keeps only the low byte,
//     which cannot tell 3010 from 194). Ends with 1 when it cannot start it.
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "common/os/win32/handles.h"

namespace {

using quenby::os::win32::UniqueHandle;

// A view of a mapped section, unmapped with UnmapViewOfFile.
class UniqueView {
public:
    explicit UniqueView(void* view) : view_(view) {}
    ~UniqueView()
    {
        if (view_)
            UnmapViewOfFile(view_);
    }
    UniqueView(const UniqueView&) = delete;
    UniqueView& operator=(const UniqueView&) = delete;
    explicit operator bool() const { return view_ != nullptr; }

private:
    void* view_;
};

void print(std::wstring_view text)
{
    if (text.empty())
        return;
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

int hold(const wchar_t* path, bool renamable)
{
    const DWORD share = FILE_SHARE_READ | (renamable ? FILE_SHARE_DELETE : 0);
    const UniqueHandle file(CreateFileW(path, GENERIC_READ | GENERIC_EXECUTE, share, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        std::fprintf(stderr, "cannot open the file: error %lu\n", GetLastError());
        return 1;
    }
    const UniqueHandle section(
        CreateFileMappingW(file.get(), nullptr, PAGE_EXECUTE_READ | SEC_IMAGE, 0, 0, nullptr));
    if (!section) {
        std::fprintf(stderr, "cannot map the file as an image: error %lu\n", GetLastError());
        return 1;
    }
    const UniqueView view(MapViewOfFile(section.get(), FILE_MAP_READ, 0, 0, 0));
    if (!view) {
        std::fprintf(stderr, "cannot map a view of the image: error %lu\n", GetLastError());
        return 1;
    }
    print(L"holding\n");
    Sleep(INFINITE);
    return 0;
}

std::wstring textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// "CLASS: TEXT" of every visible control inside WINDOW that has a text.
std::wstring pageTexts(HWND window)
{
    std::wstring texts;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM into) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            const std::wstring text = textOf(child);
            if (IsWindowVisible(child) && !text.empty()) {
                auto& texts = *reinterpret_cast<std::wstring*>(into);
                texts += name;
                texts += L": ";
                texts += text;
                texts += L'\n';
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

// The message boxes that the process of WIZARD shows besides it, all answered
// with OK; their texts go to MESSAGES.
void answerMessageBoxes(HWND wizard, std::wstring& messages)
{
    struct Search {
        HWND wizard;
        DWORD process;
        std::vector<HWND> boxes;
    } search{wizard, 0, {}};
    GetWindowThreadProcessId(wizard, &search.process);
    EnumWindows(
        [](HWND window, LPARAM into) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(into);
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (window != search.wizard && process == search.process && std::wstring_view(name) == L"#32770")
                search.boxes.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (HWND box : search.boxes) {
        std::wstring texts = pageTexts(box);
        for (std::size_t start = 0; start < texts.size();) {
            const std::size_t end = texts.find(L'\n', start);
            messages += L"message: " + texts.substr(start, end - start + 1);
            start = end + 1;
        }
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    }
}

// The dialog window whose title begins with TITLE (the uninstaller's ends in a
// space), or null.
HWND findWizard(std::wstring_view title)
{
    struct Search {
        std::wstring_view title;
        HWND found;
    } search{title, nullptr};
    EnumWindows(
        [](HWND window, LPARAM into) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(into);
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (std::wstring_view(name) == L"#32770" && textOf(window).starts_with(search.title)) {
                search.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The wizard whose title begins with TITLE once it shows up, or null when it
// does not within 60 s.
HWND awaitWizard(std::wstring_view title)
{
    for (int waited = 0; waited < 60000; waited += 200) {
        Sleep(200);
        if (HWND wizard = findWizard(title))
            return wizard;
    }
    std::fprintf(stderr, "no setup window showed up\n");
    return nullptr;
}

int clickThrough(const wchar_t* title)
{
    HWND wizard = awaitWizard(title);
    if (!wizard)
        return 1;
    // The Next button (also "I Agree", "Install" and "Finish") is control 1 of
    // the wizard; setup ignores it while it is disabled, as during the install.
    // A page is clicked on only once it has been read twice alike, so that the
    // one setup moves to by itself at the end of the install is read as well.
    std::wstring pages;
    std::wstring messages;
    std::wstring previous;
    for (int waited = 0; IsWindow(wizard); waited += 500) {
        if (waited >= 180000) {
            std::fprintf(stderr, "setup did not end\n");
            return 1;
        }
        answerMessageBoxes(wizard, messages);
        const std::wstring page = pageTexts(wizard);
        const HWND next = GetDlgItem(wizard, IDOK);
        if (page == previous && IsWindowEnabled(next)) {
            pages += page;
            PostMessageW(wizard, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(next));
            previous.clear();
        } else {
            previous = page;
        }
        Sleep(500);
    }
    print(messages);
    print(pages);
    return 0;
}

int run(const wchar_t* commandLine)
{
    // CreateProcessW may write into the command line it is given.
    std::wstring line(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        std::fprintf(stderr, "cannot start it: error %lu\n", GetLastError());
        return 1;
    }
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    WaitForSingleObject(process.get(), INFINITE);
    DWORD code = 0;
    if (!GetExitCodeProcess(process.get(), &code)) {
        std::fprintf(stderr, "no exit code: error %lu\n", GetLastError());
        return 1;
    }
    std::printf("exit code: %lu\n", code);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::vector<std::wstring_view> arguments(argv + 1, argv + argc);
    if (arguments.size() >= 2 && arguments.size() <= 3 && arguments[0] == L"hold") {
        if (arguments.size() == 2)
            return hold(argv[2], true);
        if (arguments[2] == L"--no-rename")
            return hold(argv[2], false);
    }
    if (arguments.size() == 2 && arguments[0] == L"wizard")
        return clickThrough(argv[2]);
    if (arguments.size() == 2 && arguments[0] == L"window")
        return awaitWizard(argv[2]) ? 0 : 1;
    if (arguments.size() == 2 && arguments[0] == L"run")
        return run(argv[2]);
    std::fprintf(stderr, "usage: installer_probe hold PATH [--no-rename] | wizard TITLE | window TITLE"
                         " | run COMMAND_LINE\n");
    return 2;
}
