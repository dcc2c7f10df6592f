#pragma once

#include "controller/class_content.h"
#include "controller/services.h"
#include "platform/announcement.h"
#include "platform/picture_box.h"
#include "ui/class/paste_box.h"
#include "ui/class/taken_lines_model.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QTableView>
#include <QTimer>
#include <QWidget>

// The class window: the teacher pastes, types or opens every pupil's results
// line in its text box and sees them pooled, in numbers and in two figures.
// It knows no other window and nothing of the pupil's own experiment;
// closing it only hides it, with its text kept for the next opening.
class Form5 final : public QWidget, private ClassView, private Timer {
    Q_OBJECT
public:
    Form5();

    void Command1_Click(); // 閉じる
    void Command2_Click(); // ファイルを開く...: the file box, then openFile
    void Command3_Click(); // 集計をコピー
    void Command4_Click(); // グラフをコピー
    void Timer1_Tick();

    // Puts a file's text into the text box at the cursor, as a paste would;
    // returns why it was refused (also told in a box), or nothing.
    QString openFile(const QString& path);

    // Both figures as one picture, the pooled frequency above the spread.
    QImage figuresImage();

    // What the window shows, for tests and tools to read.
    const ClassResults& results() const { return m_controller.results(); }
    PasteBox& pasteBox() { return Text1; }
    const QLabel& totals() const { return Label2; }
    const QTableView& takenLines() const { return List1; }
    const QListView& answers() const { return List2; }
    PictureBox& pooledFigure() { return Picture1; }
    PictureBox& spreadFigure() { return Picture2; }
    const QPushButton& command(int number) const;
    const Announcement& announcement() const { return m_announcement; }
    bool timerActive() const { return Timer1.isActive(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void showResults(const ClassResults& results) override;
    void announce(const std::string& text) override;
    void start() override;
    void stop() override;

    void layOut();
    void openFiles(const QStringList& paths);
    static void drawFigure(PictureBox& picture, const ClassFigure& figure);

    QPushButton Command1, Command2, Command3, Command4;
    QFrame Line1;
    QLabel Label1, Label2;
    PasteBox Text1;
    QTableView List1;
    QListView List2;
    PictureBox Picture1, Picture2;
    QTimer Timer1;
    TakenLinesModel m_takenLines;
    QStringListModel m_answers;
    Announcement m_announcement{this};

    ClassWindowController m_controller{static_cast<Timer&>(*this), static_cast<ClassView&>(*this)};
};
