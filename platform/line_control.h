#pragma once

class QFrame;

// Makes a frame a horizontal line control: one pixel high, in the window's
// text colour, from x1 to x2 at height y (all in twips).
void PlaceHorizontalLine(QFrame& line, int x1Twips, int x2Twips, int yTwips);
