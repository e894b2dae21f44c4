#include "panel/utilities.h"

#include <algorithm>
#include <string>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

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

QString windowsGenerationText(std::uint32_t build)
{
    //: %1: the Windows version the panel runs on, 10 or 11.
    return QCoreApplication::translate("AboutDialog", "for Windows %1")
        .arg(isWindows11Build(build) ? 11 : 10);
}

QSize missingRoom(const QWidget* widget)
{
    const QSize fits(0, 0);
    QSize needed;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull())
            return fits;
        needed = label->sizeHint();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->text().isEmpty())
            return fits;
        // A push button's hint holds the style's smallest button width too;
        // what matters is that the text fits where the style draws it.
        if (const auto* push = qobject_cast<const QPushButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(push);
            option.text = push->text();
            option.icon = push->icon();
            option.iconSize = push->iconSize();
            const QRect contents = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
            const QSize text = push->fontMetrics().size(Qt::TextShowMnemonic, push->text());
            const int icon = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
            needed = QSize(push->width() + std::max(0, text.width() + icon - contents.width()),
                           push->height() + std::max(0, text.height() - contents.height()));
        } else {
            needed = button->sizeHint();
        }
    } else {
        return fits;
    }
    return QSize(std::max(0, needed.width() - widget->width()),
                 std::max(0, needed.height() - widget->height()));
}

void giveTextsRoom(QWidget* window)
{
    const QList<QWidget*> children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* widget : children) {
        const QSize missing = missingRoom(widget);
        if (!missing.isNull())
            widget->resize(widget->size() + missing);
        const QRect now = widget->geometry();
        // Whatever starts to its right within its row and is in the way moves
        // along: in the form a label's box may reach under its neighbour,
        // which only a text aligned to the box's far end (right to left) or
        // one that grew would show.
        for (QWidget* other : children) {
            const QRect at = other->geometry();
            if (other != widget && at.left() > now.left() && at.left() <= now.right() &&
                at.top() < now.bottom() && now.top() < at.bottom())
                other->move(now.right() + 5, at.top());
        }
    }
    QRect all;
    for (QWidget* widget : children)
        all |= widget->geometry();
    const QSize wanted = window->size().expandedTo(QSize(all.right() + 10, all.bottom() + 10));
    if (wanted != window->size()) {
        window->setMinimumSize(wanted);
        window->resize(wanted);
    }
}

void mirrorIfRightToLeft(QWidget* window)
{
    if (window->layoutDirection() != Qt::RightToLeft)
        return;
    for (QWidget* widget : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!widget->isWindow())
            widget->move(window->width() - widget->x() - widget->width(), widget->y());
    }
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
