// The panel's OS layer on Linux: no Windows version or folder, the window link's
// endpoint in place of a window class, and a detached process for the engine.
#include "panel/os/panel_os.h"

#include <QDebug>
#include <QSocketNotifier>
#include <QWidget>

#include "common/identity.h"
#include "common/os/posix/endpoint.h"
#include "common/os/process.h"

namespace quenby::panel::os {
namespace {

// The main window's end of the window link: the endpoint under the panel's class
// and title, and a notifier that drains it in the GUI thread.
class MessageEndpoint : public QObject {
public:
    explicit MessageEndpoint(std::function<void(std::uint32_t)> deliver)
        : endpoint_(panelWindowClass(), kPanelWindowTitle), deliver_(std::move(deliver))
    {
        if (!endpoint_.isOpen())
            return;
        notifier_ = new QSocketNotifier(endpoint_.fd(), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] { drain(); });
    }

private:
    void drain()
    {
        // A handler may open a modal dialog that runs its own event loop; the
        // notifier then fires again inside it, which is fine: every message is
        // taken exactly once.
        while (const auto message = endpoint_.receive())
            deliver_(message->message);
    }

    quenby::os::posix::Endpoint endpoint_;
    std::function<void(std::uint32_t)> deliver_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace

std::uint32_t windowsBuildNumber()
{
    return 0;
}

QString windowsDirectory()
{
    return {};
}

QString systemSoundFolder()
{
    return QStringLiteral("/usr/share/sounds");
}

QString nativeWindowClassName(QWidget* window)
{
    window->winId();
    return QString::fromStdU16String(std::u16string(panelWindowClass()));
}

quenby::os::StartOutcome startEngine(QWidget*, const QString& enginePath)
{
    return quenby::os::startProgram({.program = enginePath.toStdU16String()});
}

void setDarkTitleBar(QWidget*, bool)
{
    // The window manager draws the title bars, in the desktop's own theme.
}

std::uint32_t nativeMessageNumber(const QByteArray&, void*)
{
    // X11 and the other platforms carry no window messages of ours.
    return 0;
}

std::unique_ptr<QObject> openMessageEndpoint(std::function<void(std::uint32_t)> deliver)
{
    return std::make_unique<MessageEndpoint>(std::move(deliver));
}

} // namespace quenby::panel::os
