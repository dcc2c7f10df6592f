#pragma once

#include "design/graph_figure.h"
#include "platform/picture_box.h"

#include <span>

// Paints a figure's drawing steps on a clean surface, in order. Lines that
// join end to start in one colour, as a curve's do, go to the surface
// together, so a figure of thousands of steps stays quick.
void PaintSteps(PictureBox& picture, std::span<const GraphFigure::Step> steps);
