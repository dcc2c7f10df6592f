// The design of the windows turned into JavaScript values, in CSS pixels,
// for the page to build its windows from and to paint the graph's figure.
#pragma once

#include "design/graph_figure.h"

#include <emscripten/val.h>
#include <vector>

// Everything the page builds its windows from.
emscripten::val Design();

// The graph's figure in user units, packed: six numbers a step (kind as 0
// line, 1 point, 2 text; x1, y1, x2, y2; palette number) in `numbers`, the
// text steps' texts in order in `texts` and the palette's CSS colours in
// `palette`. Thousands of objects would cross into the page far too slowly.
emscripten::val PackedFigure(const std::vector<GraphFigure::Step>& steps);
