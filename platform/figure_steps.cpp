#include "platform/figure_steps.h"

#include "platform/design_qt.h"

#include <QPointF>
#include <vector>

void PaintSteps(PictureBox& picture, std::span<const GraphFigure::Step> steps) {
    // Starting from a clean surface makes every painting the same picture.
    picture.Cls();
    const PictureBox::Batch batch(picture);
    std::vector<QPointF> chain;
    int chainColour = 0;
    const auto drawChain = [&] {
        picture.Polyline(chain, chainColour);
        chain.clear();
    };
    for (const GraphFigure::Step& step : steps) {
        switch (step.kind) {
        case GraphFigure::StepKind::Line: {
            const QPointF at(step.at.x, step.at.y);
            if (chain.empty() || step.colour != chainColour || chain.back() != at) {
                drawChain();
                chain.push_back(at);
                chainColour = step.colour;
            }
            chain.emplace_back(step.to.x, step.to.y);
            break;
        }
        case GraphFigure::StepKind::Point:
            drawChain();
            picture.PSet(step.at.x, step.at.y, step.colour);
            break;
        case GraphFigure::StepKind::Text:
            drawChain();
            picture.CurrentX = step.at.x;
            picture.CurrentY = step.at.y;
            picture.Print(ToQString(step.text));
            break;
        }
    }
    drawChain();
}
