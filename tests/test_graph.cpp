#include "design/graph_figure.h"
#include "engine/spread.h"
#include "engine/tally.h"
#include "platform/fonts.h"
#include "tests/image_probe.h"
#include "tests/support/form1_checks.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/history.h"
#include "ui/graph/form2.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <functional>

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

int RightmostColumn(const QImage& image, QRgb colour) {
    for (int x = image.width() - 1; x >= 0; --x) {
        if (CountPixels(image, colour, QRect(x, 0, 1, image.height())) > 0) {
            return x;
        }
    }
    return -1;
}

// A graph window on its own.
struct Graph : GraphInputs {
    Form2 form{sources()};
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
    QList<int> cardsOnShow;
    MainState state;
    bool operator==(const MainWindowState&) const = default;
};

MainWindowState Snapshot(const Form1& form) {
    MainWindowState s{{}, {}, form.cardOnShow(), VisibleCards(form), form.state()};
    for (int label : {3, 4, 6}) {
        s.texts << form.label(label).text();
    }
    for (int command = 1; command <= 8; ++command) {
        s.enabled << form.command(command).isEnabled();
    }
    return s;
}

// Notes what `look` says at the moment a window is hidden.
class WhenHidden final : public QObject {
public:
    WhenHidden(QWidget& window, std::function<bool()> look) : m_look(std::move(look)) {
        window.installEventFilter(this);
    }
    QList<bool> seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            seen << m_look();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool()> m_look;
};

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

    // Every step of the figure lands on the pixels its user units fall on:
    // a line covers both its ends, a point its pixel, in the step's colour.
    // The fixed figure alone first, then the curve over it.
    void stepsArePaintedWhereTheirUnitsFall_data() {
        QTest::addColumn<int>("trials");
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("pixels");
        QTest::newRow("axes, ticks and dashes") << 0 << PaletteBlack << 2 * 72 - 1;
        QTest::newRow("the curve of 500 trials") << 500 << PaletteLightBlue << 1 + 2 * 499;
    }
    void stepsArePaintedWhereTheirUnitsFall() {
        QFETCH(int, trials);
        QFETCH(int, colour);
        QFETCH(int, pixels);
        Graph g;
        DrawInDeckOrder(g.tally, trials);
        const QImage& image = g.draw();
        int checked = 0;
        const auto check = [&](const GraphFigure::UserPoint& p) {
            const QPoint pixel = g.picture().devicePixel(p.x, p.y);
            if (image.rect().contains(pixel)) {
                QCOMPARE(image.pixel(pixel), QBColor(colour));
                ++checked;
            }
        };
        for (const GraphFigure::Step& step :
             GraphFigure::Steps(g.tally.RatioHistory(), g.tally.TrialCount())) {
            if (step.colour != colour || step.kind == GraphFigure::StepKind::Text) {
                continue;
            }
            check(step.at);
            if (step.kind == GraphFigure::StepKind::Line) {
                check(step.to);
            }
        }
        // Only the x axis's right end lies beyond the surface.
        QCOMPARE(checked, pixels);
        // Nothing is drawn where no step goes: above the y axis, between two
        // dashes of the reference line.
        QVERIFY(IsWhite(image, ColumnOf(100), RowOf(5) - 1));
        if (trials == 0) {
            QVERIFY(IsWhite(image, ColumnOf(115), RowOf(80)));
        }
    }

    // Where the text steps put their labels: ink right of their point and
    // none just left of it.
    void labelsArePrintedAtTheirPlaces() {
        Graph g;
        const QImage& image = g.draw();
        const int textHeight = QFontMetrics(g.picture().font()).height();
        int labels = 0;
        for (const GraphFigure::Step& step : GraphFigure::Steps({}, 0)) {
            if (step.kind != GraphFigure::StepKind::Text) {
                continue;
            }
            const QPoint at = g.picture().devicePixel(step.at.x, step.at.y);
            QVERIFY(HasInk(image, QRect(at, QSize(12, textHeight))));
            QVERIFY(!HasInk(image, QRect(at.x() - 3, at.y() + 2, 3, textHeight - 4)));
            ++labels;
        }
        QCOMPARE(labels, 14);
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

    void curveEndsAtTheRightEdge_data() {
        QTest::addColumn<int>("trials");
        QTest::addColumn<int>("rightmostColumn");
        QTest::newRow("1: a single point") << 1 << ColumnOf(101);
        QTest::newRow("2: one segment") << 2 << ColumnOf(102);
        QTest::newRow("1000: to the right edge") << 1000 << LastColumn;
        QTest::newRow("100000") << 100000 << LastColumn;
    }
    void curveEndsAtTheRightEdge() {
        QFETCH(int, trials);
        QFETCH(int, rightmostColumn);
        Graph g;
        DrawInDeckOrder(g.tally, trials);
        const QImage& image = g.draw();
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

    void repeatedActivationChangesNoPixel() {
        Graph g;
        DrawInDeckOrder(g.tally, 1000);
        const QImage first = g.draw().copy();
        g.picture().PSet(1050, 30, PaletteLightBlue);
        QCOMPARE(g.draw(), first);
        QCOMPARE(g.draw(), first);
    }

    // From the two states the graph opens from, by either way of closing it.
    void closingBringsTheMainWindowBackUnchanged_data() {
        QTest::addColumn<bool>("throughFrame");
        QTest::addColumn<bool>("finished");
        QTest::newRow("閉じる, Stopped") << false << false;
        QTest::newRow("window frame, Stopped") << true << false;
        QTest::newRow("window frame, Finished") << true << true;
    }
    void closingBringsTheMainWindowBackUnchanged() {
        QFETCH(bool, throughFrame);
        QFETCH(bool, finished);
        Form1Fixture f;
        f.form->show();
        f.drawByHand(3);
        f.drawByHand(5);
        if (finished) {
            f.form->Command4_Click();
            f.runToTheLimit();
        }
        const MainWindowState before = Snapshot(*f.form);

        f.form->Command7_Click();
        QVERIFY(!f.form->isVisible());
        QPointer<Form2> graph = f.form->graphWindow();
        QVERIFY(graph != nullptr);
        QVERIFY(graph->isVisible());
        // No moment passes without a window of the program on view: the main
        // window is back before the graph goes.
        WhenHidden hidden(*graph, [&] { return f.form->isVisible(); });

        if (throughFrame) {
            QCloseEvent close;
            QCoreApplication::sendEvent(graph->windowHandle(), &close);
        } else {
            graph->Command1_Click();
        }
        QCOMPARE(hidden.seen, QList<bool>{true});
        DeleteClosedWindows();
        QVERIFY(graph == nullptr);
        QVERIFY(f.form->graphWindow() == nullptr);
        QVERIFY(f.form->isVisible());
        QCOMPARE(Snapshot(*f.form), before);
        QCOMPARE(f.tally.TrialCount(), finished ? AutoTrialLimit : 2);
        QCOMPARE(f.programEnd.ends, 0);
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

    // Both choices by the keyboard, as a pupil would: the Menu key or
    // Shift+F10, the arrows and Enter. Off, the picture is the designed one
    // even with experiments kept; on, the band and the earlier curves lie
    // under the current curve, and the words say so.
    void menuChoicesDrawTheSpreadAndEarlierExperimentsUnderTheCurve() {
        Graph g;
        for (const CardIndex card : {CardIndex{3}, CardIndex{1}}) {
            for (int trial = 0; trial < 30; ++trial) {
                g.tally.RecordManualTrial(card);
            }
            g.earlier.keep(g.tally);
            g.tally.ResetTally();
        }
        DrawInDeckOrder(g.tally, 1000);
        g.earlier.keep(g.tally);
        g.tally.ResetTally();
        DrawInDeckOrder(g.tally, 1000);
        Graph designed;
        DrawInDeckOrder(designed.tally, 1000);
        QCOMPARE(g.draw(), designed.draw());

        g.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&g.form));
        auto* menu = g.form.findChild<QMenu*>();
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 3);
        for (const int item : {1, 2}) {
            QVERIFY(items[item]->isCheckable() && !items[item]->isChecked());
            // The Menu key (which the window system turns into a context
            // menu event for the focus), then Shift+F10.
            if (item == 1) {
                const QPoint at(10, 10);
                QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, at,
                                          g.picture().mapToGlobal(at));
                QCoreApplication::sendEvent(&g.picture(), &menuKey);
            } else {
                QTest::keyClick(&g.picture(), Qt::Key_F10, Qt::ShiftModifier);
            }
            QTRY_VERIFY(menu->isVisible());
            for (int down = 0; down <= item; ++down) {
                QTest::keyClick(menu, Qt::Key_Down);
            }
            QTest::keyClick(menu, item == 1 ? Qt::Key_Return : Qt::Key_Enter);
            QTRY_VERIFY(!menu->isVisible());
            QVERIFY(items[item]->isChecked());
        }
        QVERIFY(g.choices.spread && g.choices.earlier);

        const QImage& image = g.picture().image();
        const auto pixelAt = [&](std::int32_t trial, double ratio) {
            return image.pixel(g.picture().devicePixel(
                GraphFigure::TrialToX(trial), GraphFigure::RatioToY(static_cast<float>(ratio))));
        };
        const QRgb spread = QBColor(GraphFigure::SpreadColour);
        const QRgb earlier = QBColor(GraphFigure::EarlierColour);
        QCOMPARE(pixelAt(600, SpreadBandAt(600).high), spread);
        QCOMPARE(pixelAt(600, SpreadBandAt(600).low), spread);
        QCOMPARE(pixelAt(20, 1.0), earlier);
        QCOMPARE(pixelAt(20, 0.0), earlier);
        // The kept experiment that ran as the current one lies under it.
        QCOMPARE(pixelAt(500, g.tally.RatioHistory()[500]), LightBlue);
        QCOMPARE(g.form.announcement().text(), g.picture().accessibleDescription());
        QVERIFY(g.form.announcement().text().contains(QStringLiteral(
            "。ばらつきの目安: 0.2785〜0.3369（1000 回）。前の実験 3 回分: 30 回 割合 "
            "1.0000000、30 回 割合 0.0000000、1000 回 割合 0.3080000")));
    }

    void choicesHoldAcrossClosingAndReopening() {
        Form1Fixture f;
        f.form->show();
        f.form->Command7_Click();
        f.form->graphWindow()->showSpread(true);
        f.form->graphWindow()->Command1_Click();
        DeleteClosedWindows();

        f.form->Command7_Click();
        Form2* reopened = f.form->graphWindow();
        QVERIFY(QTest::qWaitForWindowActive(reopened));
        const QList<QAction*> items = reopened->findChild<QMenu*>()->actions();
        QVERIFY(items[1]->isChecked() && !items[2]->isChecked());
        const QImage& image = reopened->surface().image();
        QVERIFY(CountPixels(image, QBColor(GraphFigure::SpreadColour), image.rect()) > 0);
        reopened->Command1_Click();
        DeleteClosedWindows();
    }
};

QTEST_MAIN(GraphTest)
#include "test_graph.moc"
