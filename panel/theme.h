// The panel follows Windows' app theme: with "AppsUseLightTheme" 0 its windows
// are dark (a dark palette on the Fusion style, which draws by the palette,
// and a dark title bar), and they switch when the user switches, without a
// restart. With the light theme, or no value at all, nothing is touched: the
// panel looks exactly as it always did. The usage graph keeps its own colours.
#pragma once

#include <QObject>
#include <QPalette>
#include <QPixmap>

namespace quenby::panel {

class ThemeFollower : public QObject {
    Q_OBJECT

public:
    explicit ThemeFollower(QObject* parent = nullptr);
    ~ThemeFollower() override;

    // Reads the app theme again and changes the look when it changed.
    void refresh();
    bool dark() const { return dark_; }

protected:
    // Every window that opens gets the title bar of the current look.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply(bool dark);

    bool dark_ = false;
    QString lightStyle_;  // the style and palette the panel started with
    QPalette lightPalette_;
};

// The dark palette.
QPalette darkPalette();

// A picture that would vanish on the window colour of `palette` (a black
// swatch on a dark window) with a frame in the palette's text colour; any
// other picture as it is.
QPixmap visibleOn(const QPixmap& picture, const QPalette& palette);

} // namespace quenby::panel
