// The strip chart of memory use: the last 100 readings on a black plot with a
// teal grid, newest at the left, one grid column per reading.
#pragma once

#include <QList>
#include <QPixmap>
#include <QWidget>

#include <memory>

QT_BEGIN_NAMESPACE
namespace Ui {
class GraphForm;
}
QT_END_NAMESPACE

class GraphForm : public QWidget {
    Q_OBJECT

public:
    explicit GraphForm(QWidget* parent = nullptr);
    ~GraphForm() override;

    // Records a reading of free memory in percent (0..100) and redraws at once.
    void addValue(int freePercent);

    // Draws the picture again and repaints at once: shows the empty grid before
    // the first reading arrives.
    void refresh();

    static constexpr qsizetype kHistoryLength = 100;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Draws the picture for the current width and history.
    void renderGraph();

    std::unique_ptr<Ui::GraphForm> ui;
    QPixmap pixmap_;       // null before the first resize and while too narrow
    QList<float> history_; // used-memory fractions 0..1, newest first
};
