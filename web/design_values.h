// The design of the windows turned into JavaScript values, in CSS pixels,
// for the page to build its windows from and to paint the graph's figure.
#pragma once

#include "design/graph_figure.h"

#include <emscripten/val.h>
#include <vector>

// Everything the page builds its windows from.
emscripten::val Design();

// The graph's figure, step by step in user units, colours as CSS colours.
emscripten::val FigureSteps(const std::vector<GraphFigure::Step>& steps);
