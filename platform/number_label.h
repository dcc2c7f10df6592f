#pragma once

#include <QLabel>

// A box that shows one number of a named row. A screen reader reads it by its
// accessible name, the row's ("引いた全カード枚数"), and as its text the number
// on show ("5"), so the row is named once however the number changes. With
// its name set, a new number sends a screen reader no event.
class NumberLabel final : public QLabel {
    Q_OBJECT
public:
    explicit NumberLabel(QWidget* parent = nullptr);
};
