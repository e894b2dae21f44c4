// Quenby, the control panel of the RAM optimizer. Its command line is ignored:
// the engine starts it with "RAM", a user with nothing, and both get the same:
// the one panel of the session, in front.
#include <QApplication>
#include <QIcon>

#include "common/identity.h"
#include "common/os/session_lock.h"
#include "panel/mainwindow.h"
#include "panel/os/panel_os.h"
#include "panel/panel_state.h"
#include "panel/single_panel.h"
#include "panel/translation.h"

int main(int argc, char* argv[])
{
    // One panel per session: a second start brings the running one to the front
    // and ends. The lock is held until the panel has ended, after its window.
    quenby::os::SessionLock lock(quenby::kPanelLockName);
    switch (quenby::panel::claimPanel(lock)) {
    case quenby::panel::PanelStart::handedOver:
        return 0;
    case quenby::panel::PanelStart::noAnswer:
        return 1;
    case quenby::panel::PanelStart::open:
        break;
    }

    // The images live in the panel's static library, whose resource registration
    // the linker would otherwise drop.
    Q_INIT_RESOURCE(panel_images);
    Q_INIT_RESOURCE(panel_translations);

    QApplication application(argc, argv);
    // In the user's language when we speak it; the window's title, by which
    // the engine finds it, is never translated.
    quenby::panel::installTranslation();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/images/ram_optimizer.ico")));

    MainWindow window;
    // The engine finds this window by its title and its native window class.
    window.setWindowTitle(QString::fromStdU16String(std::u16string(quenby::kPanelWindowTitle)));
    quenby::panel::logLine(QStringLiteral("Test: ") +
                           quenby::panel::os::nativeWindowClassName(&window));
    window.show();
    return application.exec();
}
