#include "ui/graph/form2.h"

#include "engine/tally.h"
#include "platform/copy_menu.h"
#include "ui/graph/form2_layout.h"

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>

namespace {

// Y labels stand left of the axis at their ratio; x labels start 20 units
// left of their tick, under the axis.
constexpr GraphLabel YLabels[] = {{60, 110, "0.00"}, {60, 77, "0.30"}, {60, 8, "1.00"}};
constexpr float XLabelY = 112;
constexpr GraphLabel XLabels[] = {
    {180, XLabelY, "100"}, {280, XLabelY, "200"}, {380, XLabelY, "300"},
    {480, XLabelY, "400"}, {580, XLabelY, "500"}, {680, XLabelY, "600"},
    {780, XLabelY, "700"}, {880, XLabelY, "800"}, {980, XLabelY, "900"},
};
constexpr GraphLabel Captions[] = {
    {140, 10, "(縦軸は３の倍数のトランプカードを引いた割合)"},
    {900, 100, "(横軸は実験回数)"},
};

constexpr float AxisLeft = 100;
constexpr float AxisRight = 1100;
constexpr float AxisBottom = 110;
constexpr float AxisTop = 5;
constexpr float YTickLeft = 95;
constexpr float YTickRight = 105;
constexpr float XTickTop = 109;
constexpr float XTickBottom = 111;
constexpr float DashY = 80; // the ratio 0.30
constexpr float DashLength = 10;

// Trial numbers beyond this one lie right of the surface and are clipped away
// entirely, so the curve need not be traced further.
constexpr std::int32_t LastVisibleTrial = AutoTrialLimit + 1;

} // namespace

Form2::Form2(const Tally& tally) : SurfaceWindow(Form2Layout::Window), m_tally(tally) {
    Picture1.setUserScale(Form2Layout::GraphScale);
    Picture1.Cls();
    // The figure is pixels only; a screen reader gets its axis captions.
    Picture1.setAccessibleName(QStringLiteral("グラフ"));
    Picture1.setAccessibleDescription(QString::fromUtf8(Captions[0].text) +
                                      QString::fromUtf8(Captions[1].text));

    auto* copyMenu = new CopyMenu(*this);
    copyMenu->addCommand(QStringLiteral("グラフをコピー"), [this] { copyGraph(); });
}

void Form2::copyGraph() {
    QGuiApplication::clipboard()->setImage(Picture1.image());
}

void Form2::Form_Activate() {
    // Starting from a clean surface makes every activation draw the same picture.
    Picture1.Cls();
    Picture1.Line(AxisLeft, AxisTop, AxisLeft, AxisBottom, QBBlack);
    Picture1.Line(AxisLeft, AxisBottom, AxisRight, AxisBottom, QBBlack);
    drawYTicks();
    drawDashes();
    printLabels(YLabels);
    drawXTicks();
    printLabels(XLabels);
    printLabels(Captions);
    drawCurve();
}

void Form2::drawYTicks() {
    for (std::int32_t r = 10; r <= 100; r += 10) {
        const auto y = static_cast<float>(r);
        Picture1.Line(YTickLeft, y, YTickRight, y, QBBlack);
    }
}

void Form2::drawDashes() {
    for (std::int32_t r = 100; r <= 1080; r += 20) {
        const auto x = static_cast<float>(r);
        Picture1.Line(x, DashY, x + DashLength, DashY, QBBlack);
    }
}

void Form2::drawXTicks() {
    for (std::int32_t r = 100; r <= 1080; r += 100) {
        const auto x = static_cast<float>(r);
        Picture1.Line(x, XTickTop, x, XTickBottom, QBBlack);
    }
}

void Form2::printLabels(std::span<const GraphLabel> labels) {
    for (const GraphLabel& label : labels) {
        Picture1.CurrentX = label.x;
        Picture1.CurrentY = label.y;
        Picture1.Print(QString::fromUtf8(label.text));
    }
}

void Form2::drawCurve() {
    const std::int32_t trials = m_tally.TrialCount();
    if (trials < 1) {
        return;
    }
    const std::vector<float>& history = m_tally.RatioHistory();
    Picture1.PSet(TrialToX(1), RatioToY(history.at(1)), QBLightBlue);
    const std::int32_t last = std::min(trials, LastVisibleTrial);
    for (std::int32_t n = 2; n <= last; ++n) {
        Picture1.Line(TrialToX(n), RatioToY(history.at(static_cast<std::size_t>(n))), QBLightBlue);
    }
}

void Form2::Command1_Click() {
    reportThenClose();
}
