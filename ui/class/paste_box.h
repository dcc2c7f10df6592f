#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// The class window's text box: plain text only, whatever is pasted or dropped
// (no markup is ever interpreted), Tab moving on to the next control, its
// context menu in Japanese. Files pasted or dropped on it are offered to the
// window to read, which puts their text where they landed.
class PasteBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PasteBox(QWidget* parent = nullptr);

    // The local files among what is pasted or dropped.
    static QStringList LocalFiles(const QMimeData& data);
    // Inserts text where the cursor is, on lines of its own, as one step that
    // Ctrl+Z undoes; whatever is selected or typed stays as it is.
    void insertLines(const QString& text);

signals:
    void filesOffered(const QStringList& paths);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};
