// The design as data, without any toolkit: the graph's figure as drawing
// steps, the help page's text and printout, the windows' rules in pixels and
// the texts a screen reader is told. Each front-end's tests then check only
// how it paints a step.
#include "design/class_figures.h"
#include "design/form1_layout.h"
#include "design/graph_figure.h"
#include "design/help_page.h"
#include "design/help_text.h"
#include "design/surface_layouts.h"
#include "design/texts.h"
#include "design/units.h"
#include "engine/spread.h"

#include <QtTest>
#include <algorithm>
#include <vector>

Q_DECLARE_METATYPE(PixelRule)

namespace {

using GraphFigure::Step;
using GraphFigure::StepKind;

// A history whose element n is the frequency after n trials of the deck in
// index order (hits at 3, 6, 9, 12 of every 13).
std::vector<float> DeckOrderHistory() {
    std::vector<float> history(100001, 0.0f);
    int hits = 0;
    for (std::size_t n = 1; n < history.size(); ++n) {
        const std::size_t rank = (n - 1) % 13 + 1;
        hits += rank % 3 == 0 ? 1 : 0;
        history[n] = static_cast<float>(static_cast<double>(hits) / static_cast<double>(n));
    }
    return history;
}

std::vector<Step> StepsOf(const std::vector<Step>& steps, StepKind kind, int colour) {
    std::vector<Step> found;
    std::copy_if(steps.begin(), steps.end(), std::back_inserter(found),
                 [&](const Step& s) { return s.kind == kind && s.colour == colour; });
    return found;
}

// A band that crosses 0 below 4 trials and 1.05 below 2, not the expected
// spread, so that where it is cut off is easy to count.
GraphFigure::Band WideBand(std::int32_t trials) {
    return {0.3 - 1.0 / trials, 0.3 + 1.0 / trials};
}

QString Line(std::size_t number) {
    const std::string_view line = HelpLines.at(number - 1);
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

} // namespace

class DesignTest : public QObject {
    Q_OBJECT
private slots:
    void figureDrawsTheFixedPartsInTheirOrder();
    void dashedLineStandsAtTheReferenceRatio();
    void labelsStandAtTheirPlaces();
    void curveRunsThroughEveryTrialUpToTheRightEdge_data();
    void curveRunsThroughEveryTrialUpToTheRightEdge();
    void noCurveWithoutTrialsEvenWithAnEarlierExperimentsData();
    void extrasComeBeforeTheCurveOldestFirst();
    void spreadBoundsStayInsideTheAxes();
    void pooledAxisEndsAtANiceNumber_data();
    void pooledAxisEndsAtANiceNumber();
    void spreadFigureHasAColumnPerCheckpoint();

    void helpLinesAreTheTextCharacterForCharacter_data();
    void helpLinesAreTheTextCharacterForCharacter();
    void helpSpacesAreCountedAsDesigned_data();
    void helpSpacesAreCountedAsDesigned();
    void helpPrintsEachLineOnItsOwnRow();
    void helpReadsLineByLine();

    void rulesRunBetweenTheirEndsInPixels_data();
    void rulesRunBetweenTheirEndsInPixels();

    void screenReaderNames();
};

void DesignTest::figureDrawsTheFixedPartsInTheirOrder() {
    const std::vector<Step> steps = GraphFigure::Steps(DeckOrderHistory(), 0);
    // 2 axes, 10 y ticks, 50 dashes, 3 y labels, 10 x ticks, 9 x labels, 2 captions.
    QCOMPARE(steps.size(), std::size_t{86});
    QCOMPARE(StepsOf(steps, StepKind::Line, PaletteBlack).size(), std::size_t{72});
    QCOMPARE(std::count_if(steps.begin(), steps.end(),
                           [](const Step& s) { return s.kind == StepKind::Text; }),
             14);
    QCOMPARE(steps[0], (Step{StepKind::Line, {100, 5}, {100, 110}, PaletteBlack, {}}));
    QCOMPARE(steps[1], (Step{StepKind::Line, {100, 110}, {1100, 110}, PaletteBlack, {}}));
    for (int i = 0; i < 10; ++i) {
        const auto y = static_cast<float>(10 * (i + 1));
        QCOMPARE(steps[2 + i], (Step{StepKind::Line, {95, y}, {105, y}, PaletteBlack, {}}));
    }
    for (int i = 0; i < 10; ++i) {
        // No tick at the origin's right end (x 1100).
        const auto x = static_cast<float>(100 * (i + 1));
        QCOMPARE(steps[65 + i], (Step{StepKind::Line, {x, 109}, {x, 111}, PaletteBlack, {}}));
    }
    // Texts come in three groups: y labels after the dashes, x labels after
    // the x ticks, the captions last.
    QCOMPARE(steps[62].kind, StepKind::Text);
    QCOMPARE(steps[64].kind, StepKind::Text);
    QCOMPARE(steps[75].kind, StepKind::Text);
    QCOMPARE(steps[85].text, GraphFigure::XAxisCaption);
}

void DesignTest::dashedLineStandsAtTheReferenceRatio() {
    const std::vector<Step> steps = GraphFigure::Steps(DeckOrderHistory(), 1000);
    std::vector<Step> dashes;
    std::copy_if(steps.begin(), steps.end(), std::back_inserter(dashes), [](const Step& s) {
        return s.kind == StepKind::Line && s.at.y == s.to.y && s.to.x - s.at.x == 10 &&
               s.at.x >= 100;
    });
    QCOMPARE(dashes.size(), std::size_t{50});
    for (std::size_t i = 0; i < dashes.size(); ++i) {
        QCOMPARE(dashes[i].at.y, GraphFigure::RatioToY(0.30f));
        QCOMPARE(dashes[i].at.x, static_cast<float>(100 + 20 * i));
    }
    QCOMPARE(GraphFigure::RatioToY(GraphFigure::ReferenceRatio), GraphFigure::DashY);
}

void DesignTest::labelsStandAtTheirPlaces() {
    QStringList placed;
    for (const Step& step : GraphFigure::Steps({}, 0)) {
        if (step.kind == StepKind::Text) {
            placed << QStringLiteral("%1,%2 %3")
                          .arg(step.at.x)
                          .arg(step.at.y)
                          .arg(QString::fromUtf8(step.text.data(),
                                                 static_cast<qsizetype>(step.text.size())));
        }
    }
    QCOMPARE(placed,
             (QStringList{"60,110 0.00", "60,77 0.30", "60,8 1.00", "180,112 100", "280,112 200",
                          "380,112 300", "480,112 400", "580,112 500", "680,112 600", "780,112 700",
                          "880,112 800", "980,112 900",
                          QStringLiteral("140,10 (縦軸は３の倍数のトランプカードを引いた割合)"),
                          QStringLiteral("900,100 (横軸は実験回数)")}));
}

void DesignTest::curveRunsThroughEveryTrialUpToTheRightEdge_data() {
    QTest::addColumn<int>("trials");
    QTest::addColumn<int>("lastVertex");
    QTest::newRow("1: a single point") << 1 << 1;
    QTest::newRow("2: one segment") << 2 << 2;
    QTest::newRow("1000: to the right edge") << 1000 << 1000;
    // The segment to trial 1001 leaves the surface at its right edge.
    QTest::newRow("1001") << 1001 << 1001;
    QTest::newRow("1002") << 1002 << 1001;
    QTest::newRow("32767") << 32767 << 1001;
    QTest::newRow("32768") << 32768 << 1001;
    QTest::newRow("100000") << 100000 << 1001;
}

void DesignTest::curveRunsThroughEveryTrialUpToTheRightEdge() {
    QFETCH(int, trials);
    QFETCH(int, lastVertex);
    const std::vector<float> history = DeckOrderHistory();
    const std::vector<Step> steps = GraphFigure::Steps(history, trials);
    const std::vector<Step> points = StepsOf(steps, StepKind::Point, PaletteLightBlue);
    const std::vector<Step> curve = StepsOf(steps, StepKind::Line, PaletteLightBlue);
    QCOMPARE(points.size(), std::size_t{1});
    QCOMPARE(points[0].at, (GraphFigure::UserPoint{101, 110 - 100 * history[1]}));
    QCOMPARE(curve.size(), static_cast<std::size_t>(lastVertex - 1));
    // One unit of x per trial, each segment starting where the one before ended.
    GraphFigure::UserPoint from = points[0].at;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const auto n = static_cast<int>(i) + 2;
        QCOMPARE(curve[i].at, from);
        QCOMPARE(curve[i].to.x, static_cast<float>(n + 100));
        QCOMPARE(curve[i].to.y, static_cast<float>(110.0 - static_cast<double>(history[n]) * 100));
        from = curve[i].to;
    }
    // The curve is drawn last, after all of the fixed figure.
    QCOMPARE(steps.size(), 86 + 1 + curve.size());
    QCOMPARE(steps[86].kind, StepKind::Point);
}

void DesignTest::noCurveWithoutTrialsEvenWithAnEarlierExperimentsData() {
    std::vector<float> history(100001, 0.0f);
    history[1] = 1.0f; // left by trial 1 before an initialisation
    const std::vector<Step> steps = GraphFigure::Steps(history, 0);
    QVERIFY(StepsOf(steps, StepKind::Point, PaletteLightBlue).empty());
    QVERIFY(StepsOf(steps, StepKind::Line, PaletteLightBlue).empty());
    // A history shorter than the count is never read past its end.
    QCOMPARE(StepsOf(GraphFigure::Steps(std::vector<float>(3, 0.5f), 1000), StepKind::Line,
                     PaletteLightBlue)
                 .size(),
             std::size_t{1});
}

void DesignTest::extrasComeBeforeTheCurveOldestFirst() {
    const std::vector<float> history = DeckOrderHistory();
    const std::vector<float> older(6, 1.0f);
    const std::vector<float> newer(2001, 0.0f);
    const GraphFigure::Curve earlier[] = {{older, 5}, {newer, 2000}};
    const std::vector<Step> steps =
        GraphFigure::Steps(history, 20, {.band = &WideBand, .earlier = earlier});
    const auto fixedEnd = steps.begin() + 86;
    QVERIFY(std::equal(steps.begin(), fixedEnd, GraphFigure::Steps(history, 0).begin()));

    // The band's 997 + 999 segments, then the earlier curves, each from its
    // point, up to the right edge; the current curve last.
    const std::size_t band = 997 + 999;
    QVERIFY(std::all_of(fixedEnd, fixedEnd + band,
                        [](const Step& s) { return s.colour == GraphFigure::SpreadColour; }));
    const auto older0 = fixedEnd + band;
    QCOMPARE(*older0, (Step{StepKind::Point, {101, 10}, {}, GraphFigure::EarlierColour, {}}));
    const auto newer0 = older0 + 5;
    QCOMPARE(*newer0, (Step{StepKind::Point, {101, 110}, {}, GraphFigure::EarlierColour, {}}));
    const auto current0 = newer0 + 1001;
    QCOMPARE(StepsOf({older0, current0}, StepKind::Line, GraphFigure::EarlierColour).size(),
             std::size_t{4 + 1000});
    QCOMPARE(current0->kind, StepKind::Point);
    QCOMPARE(current0->colour, PaletteLightBlue);
    QCOMPARE(steps.end() - current0, 20);
}

void DesignTest::spreadBoundsStayInsideTheAxes() {
    const std::vector<Step> steps = GraphFigure::Steps({}, 0, {.band = &WideBand, .earlier = {}});
    const std::vector<Step> band = StepsOf(steps, StepKind::Line, GraphFigure::SpreadColour);
    QCOMPARE(band.size(), std::size_t{997 + 999});
    for (const Step& step : band) {
        QVERIFY(step.at.y >= 5 && step.to.y <= 110 && step.to.y >= 5 && step.at.y <= 110);
        QCOMPARE(step.to.x, step.at.x + 1);
    }
    // The lower bound starts at trial 4 (ratio 0.05), the upper at trial 2
    // (0.80), each at its first trial inside; both end on the right edge.
    QCOMPARE(band.front().at, (GraphFigure::UserPoint{104, GraphFigure::RatioToY(0.05f)}));
    QCOMPARE(band[997].at, (GraphFigure::UserPoint{102, GraphFigure::RatioToY(0.8f)}));
    QCOMPARE(band.back().to.x, GraphFigure::TrialToX(GraphFigure::LastVisibleTrial));
}

void DesignTest::pooledAxisEndsAtANiceNumber_data() {
    QTest::addColumn<qint64>("trials");
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("no line: as the graph")
        << qint64{0} << qint64{1000} << QStringList{"200", "400", "600", "800", "1000"};
    QTest::newRow("one trial") << qint64{1} << qint64{10} << QStringList{"2", "4", "6", "8", "10"};
    QTest::newRow("ten trials") << qint64{10} << qint64{10}
                                << QStringList{"2", "4", "6", "8", "10"};
    QTest::newRow("eleven trials: quarters of 20")
        << qint64{11} << qint64{20} << QStringList{"5", "10", "15", "20"};
    QTest::newRow("a class of 35") << qint64{35040} << qint64{50000}
                                   << QStringList{"10000", "20000", "30000", "40000", "50000"};
    QTest::newRow("1000 lines of 100000")
        << qint64{100'000'000} << qint64{100'000'000}
        << QStringList{"20000000", "40000000", "60000000", "80000000", "100000000"};
}

void DesignTest::pooledAxisEndsAtANiceNumber() {
    QFETCH(qint64, trials);
    QFETCH(qint64, maximum);
    QFETCH(QStringList, labels);
    QCOMPARE(ClassFigures::PooledAxisMaximum(trials), maximum);
    std::vector<ClassFigures::Cumulative> line;
    if (trials > 0) {
        line.push_back({trials, trials / 3});
    }
    QStringList shown;
    const std::vector<Step> steps = ClassFigures::PooledSteps(line);
    for (const Step& step : steps) {
        if (step.kind == StepKind::Text && step.at.y == GraphFigure::XLabelY) {
            shown << QString::fromUtf8(step.text.data(), static_cast<qsizetype>(step.text.size()));
        }
    }
    QCOMPARE(shown, labels);
    // The last tick, and a line's point, at the right end of the x axis.
    const std::vector<Step> ticks = StepsOf(steps, StepKind::Line, PaletteBlack);
    QVERIFY(std::any_of(ticks.begin(), ticks.end(), [](const Step& s) {
        return s.at == GraphFigure::UserPoint{GraphFigure::AxisRight, GraphFigure::XTickTop};
    }));
    const std::vector<Step> points = StepsOf(steps, StepKind::Point, ClassFigures::ClassColour);
    QCOMPARE(points.size(), line.size());
    if (trials == maximum) {
        QCOMPARE(points.front().at.x, GraphFigure::AxisRight);
    }
}

void DesignTest::spreadFigureHasAColumnPerCheckpoint() {
    const std::vector<double> by10 = {0.5, 0.3, 0.3, 0.3};
    const std::vector<double> by50 = {0.32};
    const std::vector<Step> steps = ClassFigures::SpreadSteps({by10, by50, {}, {}, {}});

    // Each column's expected spread: a bar left of it, with its two ends.
    const std::vector<Step> bars = StepsOf(steps, StepKind::Line, GraphFigure::SpreadColour);
    QCOMPARE(bars.size(), 3 * Checkpoints.size());
    const float barX = ClassFigures::CheckpointX(0) - 20;
    QCOMPARE(bars[0].at, (GraphFigure::UserPoint{barX, GraphFigure::RatioToY(static_cast<float>(
                                                           SpreadBandAt(10).low))}));
    QCOMPARE(bars[0].to.y, GraphFigure::RatioToY(static_cast<float>(SpreadBandAt(10).high)));

    // A dot per line, equal ratios side by side within their column.
    const std::vector<Step> dots = StepsOf(steps, StepKind::Point, ClassFigures::ClassColour);
    QCOMPARE(dots.size(), std::size_t{5});
    const float at03 = GraphFigure::RatioToY(0.3f);
    QCOMPARE(dots[0].at.y, at03);
    QCOMPARE(dots[1].at.y, at03);
    QCOMPARE(dots[2].at.y, at03);
    QVERIFY(dots[0].at.x > ClassFigures::CheckpointX(0) && dots[0].at.x < dots[1].at.x &&
            dots[1].at.x < dots[2].at.x && dots[2].at.x < ClassFigures::CheckpointX(1) - 20);
    QCOMPARE(dots[3].at.y, GraphFigure::RatioToY(0.5f));
    QCOMPARE(dots[3].at.x, dots[0].at.x);
    QVERIFY(dots[4].at.x > ClassFigures::CheckpointX(1));
}

void DesignTest::helpLinesAreTheTextCharacterForCharacter_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    const QStringList expected = {
        QString(),
        QStringLiteral("　【問　　題】"),
        QStringLiteral("　　　　　　　　ここにトランプが１組あります。"),
        QStringLiteral("　　　　　　　　ジョーカー２枚を除いて５２枚を使います。"),
        QStringLiteral("　　　　　　　　３の倍数は、スペード、クローバ、ダイヤ、ハートに、"
                       "それぞれ ３ と ６ と ９ "),
        QStringLiteral("　　　　　　　と １２ の４枚ずつあるので、４×４＝１６枚あります。"),
        QStringLiteral("　　　　　　　　この５２枚のトランプから１枚引いたとき、"
                       "そのカードが３の倍数である確率"),
        QStringLiteral("　　　　　　　を考えます。"),
        QStringLiteral("　　　　　　　　５２枚のうち１６枚が３の倍数のカードなので、"
                       "数学的には １６／５２ になり"),
        QStringLiteral("　　　　　　　ます。"),
        QStringLiteral("　　　　　　　　しかし、実際には、１枚ずつトランプを引いては"
                       "戻すことを５２回行ったら、"),
        QStringLiteral(
            "　　　　　　　３の倍数のカードがちょうど１６回出るということはありませんね。"),
        QStringLiteral("　　　　　　　　では、数学的に求めた理論上の確率の １６／５２ "
                       "との関係はどうなってい"),
        QStringLiteral("　　　　　　　るのでしょうか。"),
        QString(),
        QStringLiteral("　【操作方法】"),
        QStringLiteral("　　　　　　　　手動でやる場合は、［トランプをきる］ボタンを"
                       "クリックし、次に、［トランプを"),
        QStringLiteral("　　　　　　　引く］ボタンをクリックします。"),
        QStringLiteral("　　　　　　　　自動でやる場合は、［自動 Start］ボタンをクリックし、"
                       "次に、［自動 Stop］"),
        QStringLiteral("　　　　　　　ボタンをクリックします。"),
        QStringLiteral("　　　　　　　　［グラフ表示］ボタンをクリックすると、"
                       "実験回数と３の倍数のカードを引いた"),
        QStringLiteral("　　　　　　　割合の関係がグラフ表示されます。"),
        QStringLiteral("　　　　　　　　［初期化］ボタンをクリックすると、"
                       "実験を最初からやり直せます。"),
    };
    QCOMPARE(HelpLines.size(), std::size_t{23});
    for (int number = 1; number <= expected.size(); ++number) {
        QTest::addRow("line %d", number) << number << expected.at(number - 1);
    }
}

void DesignTest::helpLinesAreTheTextCharacterForCharacter() {
    QFETCH(int, number);
    QFETCH(QString, text);
    QCOMPARE(Line(static_cast<std::size_t>(number)), text);
}

void DesignTest::helpSpacesAreCountedAsDesigned_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("leadingFullWidth");
    QTest::addColumn<int>("halfWidth");
    QTest::addColumn<bool>("endsWithHalfWidth");
    const struct {
        int number, leading, half;
        bool last;
    } rows[] = {
        {1, 0, 0, false},  {2, 1, 0, false},  {3, 8, 0, false},  {4, 8, 0, false},
        {5, 8, 6, true},   {6, 7, 2, false},  {7, 8, 0, false},  {8, 7, 0, false},
        {9, 8, 2, false},  {10, 7, 0, false}, {11, 8, 0, false}, {12, 7, 0, false},
        {13, 8, 2, false}, {14, 7, 0, false}, {15, 0, 0, false}, {16, 1, 0, false},
        {17, 8, 0, false}, {18, 7, 0, false}, {19, 8, 2, false}, {20, 7, 0, false},
        {21, 8, 0, false}, {22, 7, 0, false}, {23, 8, 0, false},
    };
    for (const auto& row : rows) {
        QTest::addRow("line %d", row.number) << row.number << row.leading << row.half << row.last;
    }
}

void DesignTest::helpSpacesAreCountedAsDesigned() {
    QFETCH(int, number);
    QFETCH(int, leadingFullWidth);
    QFETCH(int, halfWidth);
    QFETCH(bool, endsWithHalfWidth);
    const QString line = Line(static_cast<std::size_t>(number));
    int leading = 0;
    while (leading < line.size() && line.at(leading) == QChar(0x3000)) {
        ++leading;
    }
    QCOMPARE(leading, leadingFullWidth);
    QCOMPARE(line.count(QLatin1Char(' ')), halfWidth);
    QCOMPARE(line.endsWith(QLatin1Char(' ')), endsWithHalfWidth);
}

void DesignTest::helpPrintsEachLineOnItsOwnRow() {
    const std::vector<HelpPage::PrintedLine> printout = HelpPage::Printout();
    QCOMPARE(HelpPage::RowCount(), 23);
    // Rows 0 and 14 stay empty: one line above the first heading, one
    // between the problem and the instructions.
    QCOMPARE(printout.size(), std::size_t{21});
    QList<int> rows;
    for (const HelpPage::PrintedLine& line : printout) {
        rows << line.row;
        QCOMPARE(line.text, HelpLines.at(static_cast<std::size_t>(line.row)));
    }
    QList<int> expected;
    for (int row = 1; row <= 22; ++row) {
        if (row != 14) {
            expected << row;
        }
    }
    QCOMPARE(rows, expected);
}

void DesignTest::helpReadsLineByLine() {
    // Both editions read the printout's rows, the empty ones too, without indents.
    const std::vector<std::string_view> lines = HelpPage::ReadingLines();
    QCOMPARE(lines.size(), std::size_t{23});
    QCOMPARE(lines.front(), std::string_view());
    QCOMPARE(lines[1], std::string_view("【問　　題】"));
    QCOMPARE(lines[2], std::string_view("ここにトランプが１組あります。"));
    // A sentence's continuation is its own line, as printed.
    QCOMPARE(lines[16],
             std::string_view("手動でやる場合は、［トランプをきる］ボタンをクリックし、次"
                              "に、［トランプを"));
    QCOMPARE(lines[17], std::string_view("引く］ボタンをクリックします。"));
    QCOMPARE(lines[14], std::string_view());
    QCOMPARE(lines.back(),
             std::string_view("［初期化］ボタンをクリックすると、実験を最初からやり直せます。"));
}

void DesignTest::rulesRunBetweenTheirEndsInPixels_data() {
    QTest::addColumn<PixelRule>("rule");
    QTest::addColumn<PixelRule>("pixels");
    using namespace Form1Layout;
    const SurfaceWindowLayout& graph = Form2Layout::Window;
    const SurfaceWindowLayout& help = Form4Layout::Window;
    QTest::newRow("main window, drawn right to left")
        << RulePixels(ClientWidth, 0, Line1Y) << PixelRule{0, 24, 568};
    QTest::newRow("graph") << RulePixels(graph.ruleLeft, graph.ruleRight, graph.ruleY)
                           << PixelRule{0, 24, 648};
    QTest::newRow("help, inset on both sides")
        << RulePixels(help.ruleLeft, help.ruleRight, help.ruleY) << PixelRule{8, 24, 552};
    // Each end rounds to its own pixel: 7 twips to 0, 22 to 1.
    QTest::newRow("ends rounded apart") << RulePixels(22, 7, 8) << PixelRule{0, 1, 1};
}

void DesignTest::rulesRunBetweenTheirEndsInPixels() {
    QFETCH(PixelRule, rule);
    QFETCH(PixelRule, pixels);
    QCOMPARE(rule.left, pixels.left);
    QCOMPARE(rule.top, pixels.top);
    QCOMPARE(rule.width, pixels.width);
}

void DesignTest::screenReaderNames() {
    QCOMPARE(Texts::CardName(1), std::string("スペードの1"));
    QCOMPARE(Texts::CardName(13), std::string("スペードの13"));
    QCOMPARE(Texts::CardName(14), std::string("クローバの1"));
    QCOMPARE(Texts::CardName(39), std::string("ハートの13"));
    QCOMPARE(Texts::CardName(45), std::string("ダイヤの6"));
    QCOMPARE(Texts::NumberBoxName("引いた全カード枚数", " 5"), std::string("引いた全カード枚数 5"));
    QCOMPARE(Texts::NumberBoxName("割合", ""), std::string("割合"));

    // The rows of the number boxes, and the captions that name the same rows.
    std::vector<std::string_view> rows;
    std::vector<int> captions;
    for (int label = 1; label <= Form1Layout::LabelCount; ++label) {
        rows.push_back(Form1Layout::RowName(label));
        if (Form1Layout::CaptionOfARow(label)) {
            captions.push_back(label);
        }
    }
    const std::vector<std::string_view> expected = {"",
                                                    "",
                                                    "引いた全カード枚数",
                                                    "引いた３の倍数のカード枚数",
                                                    "",
                                                    "３の倍数のカードを引いた割合",
                                                    "理論上の確率",
                                                    "",
                                                    "３の倍数のカードの全枚数",
                                                    "トランプカードの全枚数",
                                                    "",
                                                    "",
                                                    ""};
    QVERIFY(rows == expected);
    QVERIFY((captions == std::vector<int>{1, 2, 11, 12}));
}

QTEST_GUILESS_MAIN(DesignTest)
#include "test_design.moc"
