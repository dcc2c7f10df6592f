#pragma once

#include "engine/deck.h"
#include "engine/tally.h"
#include "ui/graph/form2.h"
#include "ui/help/form4.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>

class Clock;
class Confirmation;
class Generator;
class ProgramEnd;
class SoundControl;

// The services from outside that the main window calls; main() passes the
// real ones, tests pass fakes.
struct Form1Services {
    Clock& clock;
    Generator& generator;
    Confirmation& confirmation;
    ProgramEnd& programEnd;
    SoundControl& MMControl1;
};

// The five configurations the buttons, the timer and RunMode can be in.
enum class Form1State { Idle, Shuffling, Stopped, AutoRunning, Finished };

inline constexpr std::int16_t AutoRunMode = 1;
inline constexpr std::int16_t ManualRunMode = -1;

// The main window: the card on show, the counters and the eight buttons.
class Form1 final : public QWidget {
    Q_OBJECT
public:
    Form1(Module1& module, const Form1Services& services);
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

    Form1State state() const { return m_state; }
    QLabel& toranpu(CardIndex card) { return *m_toranpu.at(static_cast<std::size_t>(card - 1)); }
    QPushButton& command(int number) {
        return *m_commands.at(static_cast<std::size_t>(number - 1));
    }
    QLabel& label(int number) { return *m_labels.at(static_cast<std::size_t>(number - 1)); }
    Form2* graphWindow() const { return m_form2.data(); }
    Form4* helpWindow() const { return m_form4.data(); }

    std::int16_t RunMode = ManualRunMode;
    CardIndex DrawnCard = AceOfSpades; // always the card on show
    Rank CardRank = 0;
    std::int32_t HitCount = 0;

    QPushButton Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8;
    QLabel Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11,
        Label12, Label13;
    QFrame Line1;
    QTimer Timer1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void layOut();
    void enterState(Form1State state);
    void showCard(CardIndex card);
    void showTexts(const TallyTexts& texts);

    Module1& m_module;
    Form1Services m_services;
    Form1State m_state = Form1State::Idle;
    std::array<QPushButton*, 8> m_commands;
    std::array<QLabel*, 13> m_labels;
    std::array<QLabel*, CardsInDeck> m_toranpu{};
    QPointer<Form2> m_form2;
    QPointer<Form4> m_form4;
};
