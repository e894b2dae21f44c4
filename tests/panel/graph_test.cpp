// The usage graph read from its pixels: geometry, colours, and the history rules.
#include <QtTest>

#include "panel/graphform.h"
#include "tests/panel/panel_test_support.h"

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kTeal = qRgb(0, 128, 128);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGreen = qRgb(0, 255, 0);

QRgb at(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}

// The columns of a row that have the colour.
QList<int> columnsOf(const QImage& image, int y, QRgb colour)
{
    QList<int> result;
    for (int x = 0; x < image.width(); ++x) {
        if (at(image, x, y) == colour)
            result.append(x);
    }
    return result;
}

int countOf(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += static_cast<int>(columnsOf(image, y, colour).size());
    return count;
}

// A graph of the given width with its picture drawn for it.
std::unique_ptr<GraphForm> graphOfWidth(int width)
{
    auto graph = std::make_unique<GraphForm>();
    graph->resize(width, 201);
    graph->refresh();
    return graph;
}

// The picture as the widget paints it, 20 px in from its left edge; null when
// the widget is too narrow to have one.
QImage shown(GraphForm& graph)
{
    const QImage widget = graph.grab().toImage();
    return graph.width() > 39 ? widget.copy(20, 0, graph.width() - 39, 201) : QImage();
}

int rightmostGreen(const QImage& image)
{
    int rightmost = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QList<int> xs = columnsOf(image, y, kGreen);
        if (!xs.isEmpty())
            rightmost = std::max(rightmost, xs.back());
    }
    return rightmost;
}

} // namespace

class GraphTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // Drawing must be quiet: a painter on an empty pixmap, say, warns.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void geometryAt800()
    {
        auto graph = graphOfWidth(800);
        const QImage image = shown(*graph);
        QCOMPARE(image.size(), QSize(761, 201));

        // The outline frames the whole picture; the plot is black inside it,
        // with teal lines at y 20, 60, 140 and 180 and a white one at 100, all
        // from x 20 to 740.
        const struct {
            int x, y;
            QRgb colour;
        } pixels[] = {{0, 0, kBlack},    {760, 0, kBlack},   {0, 200, kBlack},   {760, 200, kBlack},
                      {380, 0, kBlack},  {380, 200, kBlack}, {0, 100, kBlack},   {760, 100, kBlack},
                      {30, 30, kBlack},  {730, 170, kBlack}, {20, 100, kWhite},  {21, 100, kWhite},
                      {300, 100, kWhite}, {739, 100, kWhite}, {740, 100, kWhite}};
        for (const auto& pixel : pixels)
            QVERIFY2(at(image, pixel.x, pixel.y) == pixel.colour, qPrintable(QStringLiteral("%1,%2").arg(pixel.x).arg(pixel.y)));
        for (int y : {20, 60, 140, 180}) {
            for (int x : {20, 300, 740})
                QCOMPARE(at(image, x, y), kTeal);
        }
        // Between the outline and the plot nothing is drawn.
        for (const QPoint gap : {QPoint(10, 10), QPoint(750, 100), QPoint(380, 190), QPoint(10, 100)}) {
            const QRgb pixel = at(image, gap.x(), gap.y());
            QVERIFY(pixel != kBlack && pixel != kTeal && pixel != kGreen);
        }

        // 19 vertical grid lines at x = 20, 60, ..., 740, from y 20 to 180.
        QList<int> expected;
        for (int x = 20; x <= 740; x += 40)
            expected.append(x);
        QCOMPARE(expected.size(), 19);
        QCOMPARE(columnsOf(image, 50, kTeal), expected);
        QCOMPARE(columnsOf(image, 170, kTeal), expected);
        QCOMPARE(at(image, 60, 19), at(image, 10, 10)); // the lines stop at the plot
        QCOMPARE(at(image, 60, 181), at(image, 10, 10));

        QCOMPARE(at(image, 741, 100), at(image, 10, 10)); // the lines end at the plot
        // No curve without readings.
        QCOMPARE(countOf(image, kGreen), 0);
    }

    void widgetShowsPicture()
    {
        GraphForm graph;
        graph.resize(800, 201);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        // The first resize draws the picture; the widget shows it 20 px in.
        QTRY_COMPARE_WITH_TIMEOUT(at(graph.grab().toImage(), 780, 200), kBlack, 10000);
        const QImage shown = graph.grab().toImage();
        QCOMPARE(at(shown, 20, 0), kBlack);          // the outline's corner
        QCOMPARE(at(shown, 40, 50), kTeal);          // the first grid line
        QCOMPARE(at(shown, 60, 100), kWhite);        // the middle line
        QCOMPARE(at(shown, 780, 200), kBlack);       // the far corner
        QVERIFY(at(shown, 10, 100) != kBlack);       // the strip left of the picture

        // A reading, and the refresh at start-up, paint before the event loop
        // runs again: a repaint, not an update queued for later.
        QCoreApplication::processEvents();
        struct : QObject {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override
            {
                paints += event->type() == QEvent::Paint ? 1 : 0;
                return false;
            }
        } counter;
        graph.installEventFilter(&counter);
        graph.addValue(37);
        QCOMPARE(counter.paints, 1);
        graph.refresh();
        QCOMPARE(counter.paints, 2);
        graph.removeEventFilter(&counter);

        // A resize draws a picture of the new width: its far corner moves in.
        graph.resize(500, 201);
        QTRY_COMPARE_WITH_TIMEOUT(at(graph.grab().toImage(), 480, 200), kBlack, 10000);
    }

    void curveNeedsTwoReadings()
    {
        auto graph = graphOfWidth(800);
        graph->addValue(37);
        QCOMPARE(countOf(shown(*graph), kGreen), 0);

        graph->addValue(37);
        const QImage image = shown(*graph);
        // Free 37 % is 63 % used: y = 0.63 x 160 + 20 = 120.8, truncated to 120.
        QCOMPARE(columnsOf(image, 120, kGreen).size(), 41); // x 20 .. 60
        QCOMPARE(columnsOf(image, 120, kGreen).front(), 20);
        QCOMPARE(columnsOf(image, 120, kGreen).back(), 60);
        QCOMPARE(countOf(image, kGreen), 41);
    }

    void newestAtTheLeft()
    {
        auto graph = graphOfWidth(800);
        graph->addValue(90); // older: 10 % used, y = 36
        graph->addValue(37); // newest: y = 120
        const QImage image = shown(*graph);
        QCOMPARE(at(image, 20, 120), kGreen);
        QCOMPARE(at(image, 60, 36), kGreen);
        QVERIFY(at(image, 20, 36) != kGreen);
        QVERIFY(at(image, 60, 120) != kGreen);
        // Nothing right of the second column.
        for (int y = 0; y < image.height(); ++y) {
            for (int x : columnsOf(image, y, kGreen))
                QVERIFY(x >= 20 && x <= 60);
        }
        // Extremes: all free on the top line, all used on the bottom line.
        graph->addValue(100);
        graph->addValue(0);
        const QImage extremes = shown(*graph);
        QCOMPARE(at(extremes, 20, 180), kGreen);
        QCOMPARE(at(extremes, 60, 20), kGreen);
    }

    void curveStopsAtTheLastColumn()
    {
        auto graph = graphOfWidth(800);
        // 19 readings: 18 segments, the last ending on the last grid line.
        for (int i = 0; i < 19; ++i)
            graph->addValue(i % 2 ? 10 : 90);
        QCOMPARE(rightmostGreen(shown(*graph)), 740);
        // More readings than columns: segment i runs to x = 20 + 40 i for i up to
        // the 19 columns, so the 19th heads for x 780 and is cut at the picture's
        // edge; older readings stay in the history unseen.
        for (int i = 0; i < 11; ++i)
            graph->addValue(i % 2 ? 10 : 90);
        QCOMPARE(rightmostGreen(shown(*graph)), 760);
        // Widened, the graph shows all 30: the oldest at x = 20 + 40 x 29.
        graph->resize(1300, 201);
        graph->refresh();
        QCOMPARE(rightmostGreen(shown(*graph)), 1180);
    }

    void narrowWidths()
    {
        // Below 80 px there are no columns: no vertical lines and no curve.
        auto graph = graphOfWidth(79);
        graph->addValue(10);
        graph->addValue(90);
        const QImage image = shown(*graph);
        QCOMPARE(image.size(), QSize(40, 201));
        QCOMPARE(countOf(image, kGreen), 0);
        QVERIFY(at(image, 20, 50) != kTeal);

        // 80 px: one column, its grid line at x 20, and one segment: from the
        // newest reading (10 % used, y 36) at x 20 towards the older one (90 %
        // used, y 164) at x 60, cut at the picture's right edge, x 40.
        auto one = graphOfWidth(80);
        one->addValue(10);
        one->addValue(90);
        const QImage oneImage = shown(*one);
        QCOMPARE(oneImage.size(), QSize(41, 201));
        QCOMPARE(columnsOf(oneImage, 50, kTeal), QList<int>{20});
        QCOMPARE(at(oneImage, 20, 36), kGreen);
        QList<int> greenRows;
        for (int y = 0; y < oneImage.height(); ++y) {
            const QList<int> xs = columnsOf(oneImage, y, kGreen);
            if (!xs.isEmpty())
                greenRows.append(y);
            QVERIFY(xs.isEmpty() || xs.front() >= 20);
        }
        // Half way down to y 164 at the edge: y 100, give or take a pixel.
        QCOMPARE(greenRows.front(), 36);
        QVERIFY2(greenRows.back() >= 99 && greenRows.back() <= 103, qPrintable(QString::number(greenRows.back())));
        QCOMPARE(at(oneImage, 40, greenRows.back()), kGreen);

        // 39 px and less: no picture at all, and nothing to paint.
        for (int width : {39, 10, 0}) {
            auto none = graphOfWidth(width);
            none->addValue(50);
            none->addValue(50);
            QVERIFY(none->grab().toImage().isNull() || countOf(none->grab().toImage(), kBlack) == 0);
        }
    }

    void historyKeepsOneHundred()
    {
        // Wide enough for 101 columns, so every reading kept is seen.
        auto graph = graphOfWidth(4100);
        for (int i = 0; i <= 100; ++i)
            graph->addValue(i);
        // 101 readings: the first (0 % free, 1.0 used) fell out. The newest
        // (100 % free, 0.0 used) is at the left on the top line; the oldest kept
        // (1 % free: y = 0.99 x 160 + 20 = 178.4) ends the curve at column 100.
        QImage image = shown(*graph);
        QCOMPARE(rightmostGreen(image), 20 + 40 * 99);
        QCOMPARE(at(image, 20, 20), kGreen);
        QCOMPARE(at(image, 20 + 40 * 99, 178), kGreen);
        graph->addValue(50);
        image = shown(*graph);
        QCOMPARE(rightmostGreen(image), 20 + 40 * 99);
        QCOMPARE(at(image, 20, 100), kGreen);           // 0.5 used
        QCOMPARE(at(image, 20 + 40 * 99, 176), kGreen); // 2 % free: 176.8
    }
};

QTEST_MAIN(GraphTest)
#include "graph_test.moc"
