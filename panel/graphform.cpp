#include "panel/graphform.h"

#include <QPainter>

#include "ui_graphform.h"

namespace {

// Geometry, in pixmap coordinates: the plot starts 20 px in, each reading takes
// one 40 px column, and the plot is 160 px high between y 20 and 180.
constexpr int kMargin = 20;
constexpr int kColumn = 40;
constexpr int kPlotTop = 20;
constexpr int kPlotBottom = 180;
constexpr int kPlotHeight = kPlotBottom - kPlotTop;

const QColor kGridColour(0, 128, 128, 255);
const QColor kMiddleColour(255, 255, 255, 255);
const QColor kCurveColour(0, 255, 0, 255);

// The height of a used-memory fraction: 0 on the top line, 1 on the bottom one,
// worked out in single precision and truncated like the original arithmetic.
int heightOf(float used)
{
    return static_cast<int>(used * static_cast<float>(kPlotHeight) + static_cast<float>(kPlotTop));
}

} // namespace

GraphForm::GraphForm(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::GraphForm>())
{
    ui->setupUi(this);
    setAccessibleName(tr("Usage graph of the free RAM"));
}

GraphForm::~GraphForm() = default;

void GraphForm::addValue(int freePercent)
{
    const float used = static_cast<float>(100 - freePercent) / 100.0f;
    history_.prepend(used);
    //: Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.
    setAccessibleDescription(tr("%1% of RAM free").arg(freePercent));
    if (history_.size() > kHistoryLength)
        history_.removeLast();
    renderGraph();
    repaint();
}

void GraphForm::refresh()
{
    renderGraph();
    repaint();
}

void GraphForm::renderGraph()
{
    const int w = width();
    // A widget of 39 px or less has no picture at all.
    pixmap_ = w - 39 > 0 ? QPixmap(w - 39, 201) : QPixmap();
    if (pixmap_.isNull())
        return;
    // The strip between the outline and the plot is never drawn on: let it show
    // the window's own background rather than whatever the new pixmap held.
    pixmap_.fill(palette().color(backgroundRole()));

    QPainter painter(&pixmap_);
    painter.setPen(QPen(QColor(Qt::black)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, w - 40, 200);

    painter.setBrush(QBrush(Qt::black));
    painter.drawRect(kMargin, kPlotTop, w - 80, kPlotHeight);

    const int columns = (w - 40) / kColumn;
    const int right = w - 60;
    painter.setPen(QPen(kGridColour));
    for (int i = 0; i < columns; ++i) {
        const int x = kMargin + kColumn * i;
        painter.drawLine(x, kPlotTop, x, kPlotBottom);
    }
    for (int y = kPlotTop; y <= kPlotBottom; y += kColumn)
        painter.drawLine(kMargin, y, right, y);

    painter.setPen(QPen(kMiddleColour));
    painter.drawLine(kMargin, 100, right, 100);

    painter.setPen(QPen(kCurveColour));
    if (history_.size() >= 2) {
        for (qsizetype i = 1; i <= columns && i < history_.size(); ++i) {
            const int x = kMargin + kColumn * static_cast<int>(i);
            painter.drawLine(x - kColumn, heightOf(history_[i - 1]), x, heightOf(history_[i]));
        }
    }
}

void GraphForm::resizeEvent(QResizeEvent*)
{
    renderGraph();
}

void GraphForm::paintEvent(QPaintEvent*)
{
    if (pixmap_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(kMargin, 0, pixmap_);
}
