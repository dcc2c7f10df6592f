#include "ui/main/form1.h"

#include "engine/deck.h"
#include "platform/confirmation.h"
#include "platform/fonts.h"
#include "platform/line_control.h"
#include "platform/program_end.h"
#include "platform/window.h"
#include "ui/graph/form2.h"
#include "ui/help/form4.h"
#include "ui/main/accessible_text.h"
#include "ui/main/card_pictures.h"
#include "ui/main/form1_layout.h"
#include "ui/main/sound_cues.h"

#include <QCloseEvent>

namespace {

const QString DialogTitle = QStringLiteral("トランプ");
const QString ExitQuestion = QStringLiteral("終了していいですか？");
const QString HistoryFullMessage =
    QStringLiteral("これ以上の実験は記録できません。\n"
                   "［初期化］ボタンをクリックすると、実験を最初からやり直せます。");

// Which buttons are enabled, whether the timer runs and the run mode, per state.
struct StateRow {
    std::array<bool, 8> commands;
    bool timer;
    std::int16_t runMode;
};

constexpr bool E = true;
constexpr bool D = false;

constexpr StateRow StateTable[] = {
    /* Idle        */ {{D, E, E, E, D, D, D, E}, false, ManualRunMode},
    /* Shuffling   */ {{E, D, D, D, D, D, D, D}, true, ManualRunMode},
    /* Stopped     */ {{D, E, E, E, D, E, E, E}, false, ManualRunMode},
    /* AutoRunning */ {{D, D, D, D, E, D, D, D}, true, AutoRunMode},
    /* Finished    */ {{D, D, E, D, D, E, E, E}, false, ManualRunMode},
};

QString LabelCaption(int number) {
    return QString::fromUtf8(Form1Layout::Labels[static_cast<std::size_t>(number - 1)].caption);
}

// The row a number box stands on, as a screen reader names it: the caption
// beside it, or for the two quotients what they are. Empty for other labels.
QString NumberRowName(int labelNumber) {
    switch (labelNumber) {
    case 3:
        return LabelCaption(2);
    case 4:
        return LabelCaption(1);
    case 6:
        return QStringLiteral("３の倍数のカードを引いた割合");
    case 7:
        return QStringLiteral("理論上の確率");
    case 9:
        return LabelCaption(12);
    case 10:
        return LabelCaption(11);
    default:
        return {};
    }
}

QFont ButtonFont(Form1Layout::FontStyle style) {
    using Form1Layout::FontStyle;
    switch (style) {
    case FontStyle::Regular1125:
        return JapaneseFont(11.25);
    case FontStyle::Bold1125:
        return JapaneseFont(11.25, true);
    case FontStyle::Bold12:
        return JapaneseFont(12, true);
    case FontStyle::WindowDefault:
        break;
    }
    return {};
}

void StyleLabel(QLabel& label, const Form1Layout::Label& designed) {
    label.setText(QString::fromUtf8(designed.caption));
    label.setGeometry(ToPixels(designed.rect));
    label.setFont(JapaneseFont(Form1Layout::LabelPointSize, designed.bold));
    label.setAlignment(Qt::AlignCenter);
    label.setAutoFillBackground(true);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(designed.back));
    switch (designed.text) {
    case Form1Layout::TextColour::Red:
        palette.setColor(QPalette::WindowText, QColor::fromRgb(Form1Layout::Red));
        break;
    case Form1Layout::TextColour::ButtonText:
        palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
        break;
    case Form1Layout::TextColour::WindowText:
        break;
    }
    label.setPalette(palette);
    if (designed.border == Form1Layout::Border::Sunken) {
        label.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label.setLineWidth(2);
    } else {
        label.setFrameStyle(QFrame::Box | QFrame::Plain);
        label.setLineWidth(1);
    }
}

} // namespace

Form1::Form1(Module1& module, const Form1Services& services)
    : m_module(module),
      m_services(services), m_commands{&Command1, &Command2, &Command3, &Command4,
                                       &Command5, &Command6, &Command7, &Command8},
      m_labels{&Label1, &Label2, &Label3,  &Label4,  &Label5,  &Label6, &Label7,
               &Label8, &Label9, &Label10, &Label11, &Label12, &Label13} {
    layOut();

    connect(&Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(&Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(&Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(&Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(&Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(&Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(&Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(&Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Tick);
}

Form1::~Form1() {
    // The secondary windows refer to this one; they must not outlive it.
    delete m_form2.data();
    delete m_form4.data();
}

void Form1::layOut() {
    setWindowTitle(QString::fromUtf8(Form1Layout::Title));
    setFixedSize(ToPixels(Form1Layout::ClientWidth, Form1Layout::ClientHeight));

    Line1.setParent(this);
    PlaceHorizontalLine(Line1, Form1Layout::ClientWidth, 0, Form1Layout::Line1Y);

    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->setParent(this);
        StyleLabel(*m_labels[i], Form1Layout::Labels[i]);
        const QString rowName = NumberRowName(static_cast<int>(i + 1));
        if (!rowName.isEmpty()) {
            m_labels[i]->setAccessibleName(NumberBoxName(rowName, m_labels[i]->text()));
        }
    }
    for (CardIndex card = 1; card <= CardsInDeck; ++card) {
        auto* picture = new QLabel(this);
        picture->setGeometry(ToPixels(Form1Layout::Card));
        picture->setScaledContents(true);
        picture->setPixmap(CardPicture(card));
        picture->setAccessibleName(CardName(card));
        m_toranpu[static_cast<std::size_t>(card - 1)] = picture;
    }
    for (std::size_t i = 0; i < m_commands.size(); ++i) {
        const Form1Layout::Button& designed = Form1Layout::Buttons[i];
        QPushButton& button = *m_commands[i];
        button.setParent(this);
        button.setText(QString::fromUtf8(designed.caption));
        button.setGeometry(ToPixels(designed.rect));
        button.setAutoDefault(false);
        if (designed.font != Form1Layout::FontStyle::WindowDefault) {
            button.setFont(ButtonFont(designed.font));
        }
    }
    for (std::size_t i = 1; i < m_commands.size(); ++i) {
        setTabOrder(m_commands[i - 1], m_commands[i]);
    }

    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(Form1Layout::TimerIntervalMs);
}

void Form1::Form_Load() {
    DrawnCard = AceOfSpades;
    showCard(AceOfSpades);
    showTexts(ResetTally(m_module, HitCount));
    ShowNumber(Label7, NumberRowName(7), QString::fromStdString(TheoreticalRatioText()));
    ShowNumber(Label6, NumberRowName(6), {});
    enterState(Form1State::Idle);
}

void Form1::Timer1_Tick() {
    DrawnCard = DrawCard(m_services.clock, m_services.generator);
    showCard(DrawnCard);
    if (RunMode != AutoRunMode) {
        return;
    }
    const TrialOutcome outcome = RecordAutoTrial(m_module, {HitCount, CardRank}, DrawnCard);
    if (outcome.result == TrialResult::AutoLimitReached) {
        enterState(Form1State::Finished);
    }
    showTexts(outcome.texts);
}

void Form1::Command1_Click() {
    enterState(Form1State::Stopped);
    const TrialOutcome outcome = RecordManualTrial(m_module, {HitCount, CardRank}, DrawnCard);
    showTexts(outcome.texts);
    if (outcome.result == TrialResult::HistoryFull) {
        m_services.confirmation.inform(HistoryFullMessage, DialogTitle);
    }
}

void Form1::Command2_Click() {
    enterState(Form1State::Shuffling);
}

void Form1::Command3_Click() {
    PlayCue(m_services.MMControl1, ExitCue);
    const int ExitAnswer = m_services.confirmation.ask(ExitQuestion, DialogTitle);
    if (ExitAnswer == AnswerYes) {
        m_services.programEnd.end();
    }
}

void Form1::Command4_Click() {
    enterState(Form1State::AutoRunning);
}

void Form1::Command5_Click() {
    enterState(Form1State::Stopped);
}

void Form1::Command6_Click() {
    PlayCue(m_services.MMControl1, InitCue);
    DrawnCard = AceOfSpades;
    showCard(AceOfSpades);
    showTexts(ResetTally(m_module, HitCount));
    ShowNumber(Label6, NumberRowName(6), {});
    enterState(Form1State::Idle);
}

void Form1::Command7_Click() {
    hide();
    if (m_form2 == nullptr) {
        m_form2 = new Form2(m_module, *this);
    }
    ShowWindow(*m_form2);
}

void Form1::Command8_Click() {
    PlayCue(m_services.MMControl1, InitCue);
    if (m_form4 == nullptr) {
        m_form4 = new Form4(*this);
    }
    ShowWindow(*m_form4);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the main window through its frame ends the program, without a
    // question, whichever other windows are open.
    event->accept();
    m_services.programEnd.end();
}

void Form1::enterState(Form1State state) {
    const StateRow& row = StateTable[static_cast<std::size_t>(state)];
    m_state = state;
    RunMode = row.runMode;
    for (std::size_t i = 0; i < m_commands.size(); ++i) {
        m_commands[i]->setEnabled(row.commands[i]);
    }
    if (row.timer) {
        Timer1.start();
    } else {
        Timer1.stop();
    }
}

void Form1::showCard(CardIndex card) {
    // Show the new picture before hiding the rest, so the box is never empty.
    toranpu(card).setVisible(true);
    for (CardIndex other = 1; other <= CardsInDeck; ++other) {
        if (other != card) {
            toranpu(other).setVisible(false);
        }
    }
}

void Form1::showTexts(const TallyTexts& texts) {
    if (texts.Label3) {
        ShowNumber(Label3, NumberRowName(3), QString::fromStdString(*texts.Label3));
    }
    if (texts.Label4) {
        ShowNumber(Label4, NumberRowName(4), QString::fromStdString(*texts.Label4));
    }
    if (texts.Label6) {
        ShowNumber(Label6, NumberRowName(6), QString::fromStdString(*texts.Label6));
    }
}
