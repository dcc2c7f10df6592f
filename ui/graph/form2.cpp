#include "ui/graph/form2.h"

#include "controller/main_controller.h"
#include "design/graph_figure.h"
#include "design/texts.h"
#include "engine/tally.h"
#include "platform/copy_menu.h"
#include "platform/design_qt.h"

#include <QClipboard>
#include <QGuiApplication>

Form2::Form2(const Tally& tally) : SurfaceWindow(Form2Layout::Window), m_tally(tally) {
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
}

void Form2::copyGraph() {
    QGuiApplication::clipboard()->setImage(Picture1.image());
}

void Form2::describe() {
    const QString description = ToQString(GraphDescription(m_tally));
    if (Picture1.accessibleDescription() != description) {
        Picture1.setAccessibleDescription(description);
    }
}

void Form2::Form_Activate() {
    describe();
    // Starting from a clean surface makes every activation draw the same picture.
    Picture1.Cls();
    for (const GraphFigure::Step& step :
         GraphFigure::Steps(m_tally.RatioHistory(), m_tally.TrialCount())) {
        switch (step.kind) {
        case GraphFigure::StepKind::Line:
            Picture1.Line(step.at.x, step.at.y, step.to.x, step.to.y, step.colour);
            break;
        case GraphFigure::StepKind::Point:
            Picture1.PSet(step.at.x, step.at.y, step.colour);
            break;
        case GraphFigure::StepKind::Text:
            Picture1.CurrentX = step.at.x;
            Picture1.CurrentY = step.at.y;
            Picture1.Print(ToQString(step.text));
            break;
        }
    }
}

void Form2::Command1_Click() {
    reportThenClose();
}
