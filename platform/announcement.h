#pragma once

#include <QString>
#include <QWidget>

// Tells a screen reader a text once, without moving the focus: a notification
// that appears with the text, which a screen reader (Orca, through AT-SPI)
// reads out as it appears. It has no size, so nothing of it is seen.
class Announcement final : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);

    void announce(const QString& text);
    const QString& text() const { return m_text; }

private:
    QString m_text;
};
