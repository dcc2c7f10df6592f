#include "engine/tally.h"
#include "platform/fonts.h"
#include "tests/image_probe.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/history.h"
#include "ui/graph/form2.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <cmath>

namespace {

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb LightBlue = qRgb(0, 0, 255);

// Picture1's inner area is 629 x 317 pixels for 1100 x 120 units.
constexpr int InnerWidth = 629;
constexpr int InnerHeight = 317;
constexpr int LastColumn = InnerWidth - 1;

int ColumnOf(double x) {
    return static_cast<int>(std::floor(x * InnerWidth / 1100.0));
}
int RowOf(double y) {
    return static_cast<int>(std::floor(y * InnerHeight / 120.0));
}

QPoint VertexPixel(const Tally& tally, std::int32_t n) {
    const auto y = static_cast<float>(
        110.0 - static_cast<double>(tally.RatioHistory()[static_cast<std::size_t>(n)]) * 100.0);
    return {ColumnOf(n + 100), RowOf(y)};
}

// Starts of the runs of a colour along a row or a column.
QList<int> RunStarts(const QImage& image, QRgb colour, const QPoint& from, const QPoint& step,
                     int length) {
    QList<int> starts;
    bool inRun = false;
    for (int i = 0; i < length; ++i) {
        const QPoint p = from + step * i;
        const bool hit = image.pixel(p) == colour;
        if (hit && !inRun) {
            starts << i + (step.x() != 0 ? from.x() : from.y());
        }
        inRun = hit;
    }
    return starts;
}

int RightmostColumn(const QImage& image, QRgb colour) {
    for (int x = image.width() - 1; x >= 0; --x) {
        if (CountPixels(image, colour, QRect(x, 0, 1, image.height())) > 0) {
            return x;
        }
    }
    return -1;
}

// A graph window on its own.
struct Graph {
    Tally tally;
    Form2 form{tally};
    PictureBox& picture() { return form.surface(); }
    const QImage& draw() {
        form.Form_Activate();
        return form.surface().image();
    }
};

// What the main window shows, to compare before and after the graph.
struct MainWindowState {
    QStringList texts;
    QList<bool> enabled;
    CardIndex drawnCard;
    bool cardVisible;
    MainState state;
    bool operator==(const MainWindowState&) const = default;
};

MainWindowState Snapshot(const Form1& form) {
    MainWindowState s{
        {}, {}, form.cardOnShow(), form.toranpu(form.cardOnShow()).isVisible(), form.state()};
    for (int label : {3, 4, 6}) {
        s.texts << form.label(label).text();
    }
    for (int command = 1; command <= 8; ++command) {
        s.enabled << form.command(command).isEnabled();
    }
    return s;
}

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class GraphTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyDefaultFont(); }

    void surfaceHasTheDesignedSizeAndScale() {
        Graph g;
        QCOMPARE(g.form.size(), QSize(650, 378));
        QCOMPARE(g.picture().geometry(), QRect(8, 40, 633, 321));
        QCOMPARE(g.picture().image().size(), QSize(InnerWidth, InnerHeight));
        QCOMPARE(g.picture().devicePixel(100, 110), QPoint(57, 290));
        QCOMPARE(g.form.windowTitle(), QStringLiteral(" グラフ"));
    }

    void axesMeetAtTheOrigin() {
        Graph g;
        const QImage& image = g.draw();
        const int axisColumn = ColumnOf(100);
        const int axisRow = RowOf(110);
        QCOMPARE(CountPixels(image, Black, QRect(axisColumn, RowOf(5), 1, axisRow - RowOf(5) + 1)),
                 axisRow - RowOf(5) + 1);
        QVERIFY(IsWhite(image, axisColumn, RowOf(5) - 1));
        QCOMPARE(CountPixels(image, Black, QRect(axisColumn, axisRow, InnerWidth - axisColumn, 1)),
                 InnerWidth - axisColumn);
    }

    void tenYTicksFromOneToTheTenth() {
        Graph g;
        const QImage& image = g.draw();
        // Just right of the axis, where no label reaches.
        const int column = ColumnOf(100) + 2;
        QList<int> expected;
        for (int r = 10; r <= 100; r += 10) {
            expected << RowOf(r);
        }
        QCOMPARE(RunStarts(image, Black, {column, 0}, {0, 1}, RowOf(110)), expected);
        QCOMPARE(image.pixel(ColumnOf(95), RowOf(50)), Black);
        QVERIFY(IsWhite(image, ColumnOf(95) - 1, RowOf(50)));
    }

    void fiftyDashesAtThirtyPercent() {
        Graph g;
        const QImage& image = g.draw();
        const int row = RowOf(80);
        const int from = ColumnOf(100);
        const QList<int> starts = RunStarts(image, Black, {from, row}, {1, 0}, InnerWidth - from);
        QCOMPARE(starts.size(), 50);
        QCOMPARE(starts.at(1), ColumnOf(120));
        QCOMPARE(starts.last(), ColumnOf(1080));
        QCOMPARE(image.pixel(ColumnOf(1090), row), Black);
        QVERIFY(!HasInk(image, QRect(ColumnOf(1090) + 1, row, LastColumn - ColumnOf(1090), 1)));
    }

    void tenXTicksWithoutOneAtTheEnd() {
        Graph g;
        const QImage& image = g.draw();
        QList<int> expected;
        for (int r = 100; r <= 1000; r += 100) {
            expected << ColumnOf(r);
        }
        const int row = RowOf(111);
        QCOMPARE(RunStarts(image, Black, {ColumnOf(100), row}, {1, 0}, InnerWidth - ColumnOf(100)),
                 expected);
        QCOMPARE(image.pixel(ColumnOf(500), RowOf(109)), Black);
        QVERIFY(IsWhite(image, ColumnOf(500), RowOf(111) + 1));
    }

    void labelsArePrintedAtTheirPlaces_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("width");
        QTest::newRow("0.00") << 60.0f << 110.0f << 15;
        QTest::newRow("0.30") << 60.0f << 77.0f << 15;
        QTest::newRow("1.00") << 60.0f << 8.0f << 15;
        for (int label = 100; label <= 900; label += 100) {
            QTest::newRow(qPrintable(QString::number(label)))
                << static_cast<float>(label + 80) << 112.0f << 15;
        }
        QTest::newRow("y axis caption") << 140.0f << 10.0f << 200;
        QTest::newRow("x axis caption") << 900.0f << 100.0f << 80;
    }
    void labelsArePrintedAtTheirPlaces() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, width);
        Graph g;
        const QImage& image = g.draw();
        const int textHeight = QFontMetrics(g.picture().font()).height();
        QVERIFY(HasInk(image, QRect(ColumnOf(x), RowOf(y), width, textHeight)));
        QVERIFY(!HasInk(image, QRect(ColumnOf(x) - 3, RowOf(y) + 2, 3, textHeight - 4)));
    }

    void printedTextStaysInsideTheSurface() {
        Graph g;
        const QImage& image = g.draw();
        // One logical pixel along the right and the bottom edge, in device
        // pixels; only the x axis may reach the right edge.
        const int edge = qCeil(image.devicePixelRatio());
        const int axisRow = g.picture().devicePixel(0, 110).y();
        const QRect aboveAxis(image.width() - edge, 0, edge, axisRow - edge);
        const QRect belowAxis(image.width() - edge, axisRow + 2 * edge, edge,
                              image.height() - axisRow - 2 * edge);
        QVERIFY(!HasInk(image, aboveAxis));
        QVERIFY(!HasInk(image, belowAxis));
        QVERIFY(!HasInk(image, QRect(0, image.height() - edge, image.width(), edge)));
    }

    void xLabelsStandUnderTheirTicks() {
        Graph g;
        const QImage& image = g.draw();
        const int top = RowOf(112);
        const int height = QFontMetrics(g.picture().font()).height();
        // Trial t has its tick at x = t + 100; its label starts 20 units further left.
        for (int trial = 100; trial <= 900; trial += 100) {
            const int tick = ColumnOf(trial + 100);
            const QRect band(ColumnOf(trial + 70), top, ColumnOf(100), height);
            const int left = FirstInkColumn(image, band);
            int right = band.right();
            while (right > left && !HasInk(image, QRect(right, top, 1, height))) {
                --right;
            }
            QVERIFY2(left < tick && tick < right, qPrintable(QString::number(trial)));
        }
    }

    void noCurveWithoutTrialsEvenWithAnEarlierExperimentsData() {
        Graph g;
        g.tally.RecordManualTrial(3);
        g.tally.ResetTally();
        QCOMPARE(g.tally.RatioHistory()[1], 1.0f);
        const QImage& image = g.draw();
        QCOMPARE(CountPixels(image, LightBlue, image.rect()), 0);
    }

    void curveRunsThroughItsVerticesAndEndsInTime_data() {
        QTest::addColumn<int>("trials");
        QTest::addColumn<int>("lastVisibleVertex");
        QTest::addColumn<int>("rightmostColumn");
        QTest::newRow("1: a single point") << 1 << 1 << ColumnOf(101);
        QTest::newRow("2: one segment") << 2 << 2 << ColumnOf(102);
        QTest::newRow("1000: to the right edge") << 1000 << 999 << LastColumn;
        QTest::newRow("1001") << 1001 << 999 << LastColumn;
        QTest::newRow("100000") << 100000 << 999 << LastColumn;
    }
    void curveRunsThroughItsVerticesAndEndsInTime() {
        QFETCH(int, trials);
        QFETCH(int, lastVisibleVertex);
        QFETCH(int, rightmostColumn);
        Graph g;
        DrawInDeckOrder(g.tally, trials);
        const QImage& image = g.draw();
        for (int n : {1, 2, 3, 13, 14, 100, 321, 500, 998, 999}) {
            if (n <= lastVisibleVertex) {
                QCOMPARE(image.pixel(VertexPixel(g.tally, n)), LightBlue);
            }
        }
        QCOMPARE(RightmostColumn(image, LightBlue), rightmostColumn);
        if (trials == 1) {
            QCOMPARE(CountPixels(image, LightBlue, image.rect()), 1);
        }
        if (trials >= 1000) {
            // The last segment leaves the surface at the height of trial 1000.
            const int endRow = VertexPixel(g.tally, 1000).y();
            QVERIFY(CountPixels(image, LightBlue, QRect(LastColumn, endRow - 1, 1, 3)) > 0);
        }
    }

    void trialsBeyondTheRightEdgeLeaveThePictureUnchanged() {
        Graph g;
        DrawInDeckOrder(g.tally, 1000);
        const QImage atLimit = g.draw().copy();
        for (std::int32_t trials : {1001, 32768, HistoryLastTrial}) {
            DrawInDeckOrder(g.tally, trials);
            QCOMPARE(g.draw(), atLimit);
        }
    }

    void repeatedActivationChangesNoPixel() {
        Graph g;
        DrawInDeckOrder(g.tally, 1000);
        const QImage first = g.draw().copy();
        g.picture().PSet(1050, 30, QBLightBlue);
        QCOMPARE(g.draw(), first);
        QCOMPARE(g.draw(), first);
    }

    void closingBringsTheMainWindowBackUnchanged_data() {
        QTest::addColumn<bool>("throughFrame");
        QTest::newRow("閉じる") << false;
        QTest::newRow("window frame") << true;
    }
    void closingBringsTheMainWindowBackUnchanged() {
        QFETCH(bool, throughFrame);
        Form1Fixture f;
        f.form->show();
        f.drawByHand(3);
        f.drawByHand(5);
        const MainWindowState before = Snapshot(*f.form);

        f.form->Command7_Click();
        QVERIFY(!f.form->isVisible());
        QPointer<Form2> graph = f.form->graphWindow();
        QVERIFY(graph != nullptr);
        QVERIFY(graph->isVisible());

        if (throughFrame) {
            QCloseEvent close;
            QCoreApplication::sendEvent(graph->windowHandle(), &close);
        } else {
            graph->Command1_Click();
        }
        DeleteClosedWindows();
        QVERIFY(graph == nullptr);
        QVERIFY(f.form->graphWindow() == nullptr);
        QVERIFY(f.form->isVisible());
        QCOMPARE(Snapshot(*f.form), before);
        QCOMPARE(f.tally.TrialCount(), 2);
    }

    void ctrlCCopiesTheFigurePixelForPixel() {
        Graph g;
        DrawInDeckOrder(g.tally, 500);
        g.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(&g.form, Qt::Key_C, Qt::ControlModifier);
        const QImage copied = QGuiApplication::clipboard()->image();
        QVERIFY(!copied.isNull());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
                 g.picture().image().convertToFormat(QImage::Format_RGB32));
    }

    void reopeningStartsWithAFreshSurface() {
        Form1Fixture f;
        f.form->show();
        f.form->Command7_Click();
        QPointer<Form2> first = f.form->graphWindow();
        first->surface().PSet(1050, 30, QBLightBlue);
        first->Command1_Click();
        DeleteClosedWindows();
        QVERIFY(first == nullptr);

        f.form->Command7_Click();
        Form2* second = f.form->graphWindow();
        QVERIFY(second != nullptr);
        const QImage& image = second->surface().image();
        QCOMPARE(CountPixels(image, LightBlue, image.rect()), 0);
        second->Command1_Click();
        DeleteClosedWindows();
    }
};

QTEST_MAIN(GraphTest)
#include "test_graph.moc"
