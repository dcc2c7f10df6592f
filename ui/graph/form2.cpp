#include "ui/graph/form2.h"

#include "design/graph_figure.h"
#include "design/texts.h"
#include "platform/copy_menu.h"
#include "platform/design_qt.h"
#include "platform/figure_steps.h"

#include <QClipboard>
#include <QGuiApplication>

Form2::Form2(const GraphSources& sources) : SurfaceWindow(Form2Layout::Window), m_sources(sources) {
    Picture1.setUserScale(GraphFigure::Scale);
    Picture1.Cls();
    // The figure is pixels only; a screen reader hears what it shows.
    Picture1.setAccessibleName(ToQString(Form2Layout::SurfaceName));
    describe();
    // Tab reaches the figure after 閉じる, so that its description can be
    // read again.
    Picture1.setFocusPolicy(Qt::StrongFocus);

    auto* copyMenu = new CopyMenu(*this);
    copyMenu->addCommand(ToQString(Texts::CopyGraph), [this] { copyGraph(); });
    copyMenu->addChoice(ToQString(Texts::ShowSpread), m_sources.choices.spread,
                        [this](bool on) { showSpread(on); });
    copyMenu->addChoice(ToQString(Texts::ShowEarlier), m_sources.choices.earlier,
                        [this](bool on) { showEarlier(on); });
}

void Form2::showSpread(bool on) {
    m_sources.choices.spread = on;
    redrawAndSay();
}

void Form2::showEarlier(bool on) {
    m_sources.choices.earlier = on;
    redrawAndSay();
}

void Form2::redrawAndSay() {
    Form_Activate();
    // The description changed under the focus; a screen reader would not read it again by itself.
    announce(Picture1.accessibleDescription());
}

void Form2::copyGraph() {
    QGuiApplication::clipboard()->setImage(Picture1.image());
}

void Form2::describe() {
    const QString description = ToQString(GraphDescription(m_sources));
    if (Picture1.accessibleDescription() != description) {
        Picture1.setAccessibleDescription(description);
    }
}

void Form2::Form_Activate() {
    describe();
    PaintSteps(Picture1, GraphSteps(m_sources));
}

void Form2::Command1_Click() {
    reportThenClose();
}
