// What the control panel needs of the operating system beyond common/os: the
// Windows version and folders, the native window class, starting the engine, and
// how the engine's posted messages reach the main window.
//
// Everything else in panel/ is portable Qt; the two implementations live in
// os/win32 (Windows calls) and os/posix (Linux stand-ins).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <QByteArray>
#include <QObject>
#include <QString>

#include "common/os/process.h"

class QWidget;

namespace quenby::panel::os {

// The build number of the running Windows (RtlGetVersion), 0 when it can't be
// read or the system is not Windows.
std::uint32_t windowsBuildNumber();

// The Windows folder (GetWindowsDirectoryW); empty when there is none.
QString windowsDirectory();

// The folder where the system keeps its sounds, whether or not it exists: the
// Windows folder followed by "\Media" on Windows, the shared sound folder on Linux;
// empty when there is no Windows folder.
QString systemSoundFolder();

// The class name of the window's native window (GetClassNameW on Windows; on
// Linux the identity under which the panel's endpoint is found). Creates the
// native window if it does not exist yet.
QString nativeWindowClassName(QWidget* window);

// Starts the engine's executable, hidden, owned by `owner` (ShellExecuteW with
// "open" and SW_HIDE on Windows; a detached process without a shell on Linux),
// and says whether it started and, if not, why.
quenby::os::StartOutcome startEngine(QWidget* owner, const QString& enginePath);

// Gives the window the dark title bar of Windows 10 and 11, or takes it away
// (DwmSetWindowAttribute); nothing where the system draws no title bars of
// ours. Creates the native window if it does not exist yet.
void setDarkTitleBar(QWidget* window, bool dark);

// The message number of a native event that QWidget::nativeEvent hands over
// (a MSG on Windows); 0 for anything that is not a window message.
std::uint32_t nativeMessageNumber(const QByteArray& eventType, void* message);

// Where the engine's messages to the main window arrive when the window system
// does not deliver them itself. On Linux this is the panel's own window-link
// endpoint, read by a socket notifier in the GUI thread; each message number is
// handed to `deliver`. On Windows the messages arrive through nativeEvent, and
// this returns null. The endpoint stays open for as long as the returned object
// lives.
std::unique_ptr<QObject> openMessageEndpoint(std::function<void(std::uint32_t)> deliver);

} // namespace quenby::panel::os
