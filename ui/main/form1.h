#pragma once

#include "controller/main_controller.h"
#include "controller/services.h"
#include "design/form1_layout.h"
#include "engine/deck.h"
#include "platform/announcement.h"
#include "platform/number_label.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class Clock;
class Form2;
class Form4;
class Form5;
class Generator;
class Tally;

// The services from outside that the main window's rules call; main() passes
// the real ones, tests pass fakes.
struct Form1Services {
    Clock& clock;
    Generator& generator;
    Confirmation& confirmation;
    ProgramEnd& programEnd;
    CuePlayer& cues;
};

// The main window: the card on show, the counters and the eight buttons. A
// thin view over its rules: it forwards every click and tick to the controller
// and shows in its controls what the controller reports.
class Form1 final : public QWidget, private MainView, private Timer, private Windows {
    Q_OBJECT
public:
    Form1(Tally& tally, const Form1Services& services);
    ~Form1() override;

    // Start-up: ace of spades on view, counters at 0, buttons ready.
    void Form_Load();

    void Command1_Click(); // トランプを引く: count the card on show
    void Command2_Click(); // トランプをきる: start the shuffle
    void Command3_Click(); // 終了
    void Command4_Click(); // 自動 Start
    void Command5_Click(); // 自動 Stop
    void Command6_Click(); // 初期化
    void Command7_Click(); // グラフ表示
    void Command8_Click(); // HELP
    void Timer1_Tick();

    // What the window shows, for tests and tools to read.
    MainState state() const { return m_controller.state(); }
    CardIndex cardOnShow() const { return m_controller.DrawnCard(); }
    const QPushButton& command(int number) const {
        return *m_commands.at(static_cast<std::size_t>(number - 1));
    }
    const QLabel& label(int number) const {
        return *m_labels.at(static_cast<std::size_t>(number - 1));
    }
    // The one picture control that shows each card's picture in turn.
    const QLabel& cardPicture() const { return toranpu; }
    // What the last announcement told a screen reader.
    const Announcement& announcement() const { return m_announcement; }
    bool timerActive() const { return Timer1.isActive(); }
    Form2* graphWindow() const { return m_form2.get(); }
    Form4* helpWindow() const { return m_form4.get(); }
    Form5* classWindow() const { return m_form5.get(); }

    // The numbers on show to the clipboard as one tab-separated line, with
    // the column names above it if asked (Ctrl+C and the context menu).
    void copyResults(bool withHeader);
    // クラスの集計...: opens the class window beside this one, or brings it
    // to the front; it is made once and keeps its text while the program runs.
    void showClassWindow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showCard(CardIndex card) override;
    void showNumber(NumberBox box, const std::string& text) override;
    void setButtonEnabled(Button button, bool enabled) override;
    void focusButton(Button button) override;
    void announce(const std::string& text) override;
    void start() override;
    void stop() override;
    void hideMain() override;
    void showMain() override;
    void showGraph() override;
    void showHelp() override;

    void layOut();
    // While the timer runs, the card changes on every tick without a word to
    // a screen reader; once it stops, its name catches up.
    void nameCard();
    void graphClosed();
    void helpClosed(ClosedBy how);

    QPushButton Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8;
    // The boxes of the number rows, and the captions and signs.
    NumberLabel Label3, Label4, Label6, Label7, Label9, Label10;
    QLabel Label1, Label2, Label5, Label8, Label11, Label12, Label13;
    QFrame Line1;
    QTimer Timer1;
    QLabel toranpu;
    Announcement m_announcement{this};
    std::array<QPushButton*, ButtonCount> m_commands;
    std::array<QLabel*, Form1Layout::LabelCount> m_labels;
    std::array<QPixmap, CardsInDeck> m_pictures;

    MainController m_controller;
    // Each secondary window exists while it is open; this window owns it.
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Form4> m_form4;
    // The class window touches no rule of the experiment: it is this
    // window's alone, made at its first opening and kept.
    std::unique_ptr<Form5> m_form5;
};
