#include "panel/utilities.h"

#include <string>

#include <QFileInfo>

#include "common/settings.h"
#include "panel/os/panel_os.h"
#include "panel/panel_state.h"

namespace quenby::panel {
namespace {

void logToDebug(const std::string& line)
{
    logLine(QString::fromStdString(line));
}

} // namespace

bool readRegistryString(const QString& subKey, const QString& valueName, QString& output)
{
    std::u16string text;
    const bool found = quenby::readRegistryString(registry(), subKey.toStdU16String(),
                                                  valueName.toStdU16String(), text, logToDebug);
    output = QString::fromStdU16String(text);
    return found;
}

QString installPath()
{
    return QString::fromStdU16String(quenby::installPath(registry(), logToDebug));
}

bool isWindows11()
{
    return isWindows11Build(os::windowsBuildNumber());
}

QString windowsGenerationText(std::uint32_t build)
{
    return isWindows11Build(build) ? QStringLiteral("for Windows 11")
                                   : QStringLiteral("for Windows 10");
}

QString windowsDirectory()
{
    return os::windowsDirectory();
}

QString windowsMediaDirectory()
{
    const QString folder = os::systemSoundFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    return folder;
}

} // namespace quenby::panel
