#include "panel/theme.h"

#include <cstdlib>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include "common/settings.h"
#include "panel/graphform.h"
#include "panel/os/panel_os.h"
#include "panel/panel_state.h"

namespace quenby::panel {
namespace {

int lightness(QColor colour)
{
    return qGray(colour.rgb());
}

// A palette whose every colour counts as set, so that a widget given it takes
// nothing from its parents' palette.
QPalette fixedPalette(const QPalette& from)
{
    QPalette fixed;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            fixed.setColor(g, r, from.color(g, r));
        }
    }
    return fixed;
}

} // namespace

QPalette darkPalette()
{
    QPalette palette;
    const QColor window(32, 32, 32), base(43, 43, 43), text(240, 240, 240), disabled(128, 128, 128);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabled);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(51, 51, 51));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Light, QColor(70, 70, 70));
    palette.setColor(QPalette::Midlight, QColor(60, 60, 60));
    palette.setColor(QPalette::Mid, QColor(40, 40, 40));
    palette.setColor(QPalette::Dark, QColor(20, 20, 20));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215)); // Windows' accent blue
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(76, 194, 255));
    palette.setColor(QPalette::LinkVisited, QColor(180, 140, 255));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

QPixmap visibleOn(const QPixmap& picture, const QPalette& palette)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    long sum = 0, opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 128) {
                sum += qGray(pixel);
                ++opaque;
            }
        }
    }
    // Only a dark window hides a picture this way: the light look stays as it is.
    const int window = lightness(palette.color(QPalette::Window));
    if (window >= 128 || opaque == 0 || std::abs(sum / opaque - window) > 64)
        return picture;
    QPixmap framed = picture;
    QPainter painter(&framed);
    painter.setPen(palette.color(QPalette::WindowText));
    painter.drawRect(framed.rect().adjusted(0, 0, -1, -1));
    return framed;
}

ThemeFollower::ThemeFollower(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

ThemeFollower::~ThemeFollower()
{
    if (qApp) {
        qApp->removeEventFilter(this);
        // The look the application had before goes back with the follower.
        if (dark_)
            apply(false);
    }
}

void ThemeFollower::refresh()
{
    const bool dark = appsUseDarkTheme(registry());
    if (dark != dark_)
        apply(dark);
}

void ThemeFollower::apply(bool dark)
{
    if (dark && lightStyle_.isEmpty()) {
        lightStyle_ = QApplication::style()->name();
        lightPalette_ = QApplication::palette();
    }
    dark_ = dark;
    if (dark) {
        // Fusion draws every control from the palette; the Windows styles draw
        // many of them in the system's light colours whatever the palette says.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    } else {
        if (QStyle* style = QStyleFactory::create(lightStyle_))
            QApplication::setStyle(style);
        QApplication::setPalette(lightPalette_);
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->testAttribute(Qt::WA_WState_Created))
            os::setDarkTitleBar(window, dark);
        // The graph's colours are its own, in either look.
        for (GraphForm* graph : window->findChildren<GraphForm*>())
            graph->setPalette(dark ? fixedPalette(lightPalette_) : QPalette());
    }
}

bool ThemeFollower::eventFilter(QObject* watched, QEvent* event)
{
    if (dark_ && event->type() == QEvent::Show) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->isWindow())
            os::setDarkTitleBar(widget, true);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quenby::panel
