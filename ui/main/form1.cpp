#include "ui/main/form1.h"

#include "design/class_window.h"
#include "design/form1_layout.h"
#include "design/texts.h"
#include "engine/deck.h"
#include "engine/tally.h"
#include "platform/copy_menu.h"
#include "platform/design_qt.h"
#include "platform/fonts.h"
#include "platform/line_control.h"
#include "platform/window.h"
#include "ui/class/form5.h"
#include "ui/graph/form2.h"
#include "ui/help/form4.h"
#include "ui/main/card_pictures.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>

namespace {

void StyleLabel(QLabel& label, const Form1Layout::Label& designed) {
    label.setText(ToQString(designed.caption));
    label.setGeometry(ToPixels(designed.rect));
    label.setFont(JapaneseFont(Form1Layout::LabelPointSize, designed.bold));
    label.setAlignment(Qt::AlignCenter);
    label.setAutoFillBackground(true);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(ToQRgb(designed.back)));
    switch (designed.text) {
    case Form1Layout::TextColour::Red:
        palette.setColor(QPalette::WindowText, QColor::fromRgb(ToQRgb(Colours::Red)));
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

// The label that shows each number box.
int LabelNumber(NumberBox box) {
    return Form1Layout::NumberLabels.at(static_cast<std::size_t>(box));
}

} // namespace

Form1::Form1(Tally& tally, const Form1Services& services)
    : m_commands{&Command1, &Command2, &Command3, &Command4,
                 &Command5, &Command6, &Command7, &Command8},
      m_labels{&Label1, &Label2, &Label3,  &Label4,  &Label5,  &Label6, &Label7,
               &Label8, &Label9, &Label10, &Label11, &Label12, &Label13},
      m_controller(tally, {services.clock, services.generator, static_cast<Timer&>(*this),
                           services.cues, services.confirmation, services.programEnd,
                           static_cast<MainView&>(*this), static_cast<Windows&>(*this)}) {
    layOut();
    auto* copyMenu = new CopyMenu(*this);
    copyMenu->addCommand(ToQString(Texts::CopyResults), [this] { copyResults(false); });
    copyMenu->addCommand(ToQString(Texts::CopyResultsWithHeader), [this] { copyResults(true); });
    copyMenu->addSeparator();
    copyMenu->addCommand(ToQString(ClassTexts::MenuItem), [this] { showClassWindow(); });

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

Form1::~Form1() = default;

void Form1::layOut() {
    setWindowTitle(ToQString(Form1Layout::Title));
    setFixedSize(ToPixels(Form1Layout::ClientWidth, Form1Layout::ClientHeight));

    Line1.setParent(this);
    Line1.setObjectName(QStringLiteral("Line1"));
    PlaceHorizontalLine(Line1, Form1Layout::ClientWidth, 0, Form1Layout::Line1Y);

    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->setParent(this);
        m_labels[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        StyleLabel(*m_labels[i], Form1Layout::Labels[i]);
        if (auto* box = qobject_cast<NumberLabel*>(m_labels[i])) {
            box->setAccessibleName(ToQString(Form1Layout::Labels[i].rowName));
        }
        Q_ASSERT((qobject_cast<NumberLabel*>(m_labels[i]) != nullptr) ==
                 !Form1Layout::RowName(static_cast<int>(i + 1)).empty());
    }
    // One picture control for the 52 pictures: a tick changes what it shows,
    // where hiding and showing 52 controls would flood a screen reader.
    toranpu.setParent(this);
    toranpu.setObjectName(QStringLiteral("toranpu"));
    toranpu.setGeometry(ToPixels(Form1Layout::Card));
    toranpu.setScaledContents(true);
    for (CardIndex card = 1; card <= CardsInDeck; ++card) {
        m_pictures[static_cast<std::size_t>(card - 1)] = CardPicture(card);
    }
    for (std::size_t i = 0; i < m_commands.size(); ++i) {
        const Form1Layout::Button& designed = Form1Layout::Buttons[i];
        QPushButton& button = *m_commands[i];
        button.setParent(this);
        button.setObjectName(QStringLiteral("Command%1").arg(i + 1));
        button.setText(ToQString(designed.caption));
        button.setGeometry(ToPixels(designed.rect));
        button.setAutoDefault(false);
        if (designed.font != WindowFont) {
            button.setFont(JapaneseFont(designed.font));
        }
    }
    for (std::size_t i = 1; i < m_commands.size(); ++i) {
        setTabOrder(m_commands[i - 1], m_commands[i]);
    }

    Timer1.setParent(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(Form1Layout::TimerIntervalMs);
}

void Form1::copyResults(bool withHeader) {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(m_controller.resultsText(withHeader)));
}

void Form1::showClassWindow() {
    if (m_form5 == nullptr) {
        m_form5 = std::make_unique<Form5>();
    }
    ShowWindow(*m_form5);
}

void Form1::Form_Load() {
    m_controller.load();
}

void Form1::Command1_Click() {
    m_controller.takeCard();
}

void Form1::Command2_Click() {
    m_controller.shuffle();
}

void Form1::Command3_Click() {
    m_controller.quit();
}

void Form1::Command4_Click() {
    m_controller.startAuto();
}

void Form1::Command5_Click() {
    m_controller.stopAuto();
}

void Form1::Command6_Click() {
    m_controller.initialise();
}

void Form1::Command7_Click() {
    m_controller.openGraph();
}

void Form1::Command8_Click() {
    m_controller.openHelp();
}

void Form1::Timer1_Tick() {
    m_controller.tick();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    m_controller.mainClosed();
}

void Form1::showCard(CardIndex card) {
    toranpu.setPixmap(m_pictures.at(static_cast<std::size_t>(card - 1)));
    if (!Timer1.isActive()) {
        nameCard();
    }
}

void Form1::showNumber(NumberBox box, const std::string& text) {
    // A box's name is its row's, whatever it shows: a screen reader reads the
    // number as its text when it comes to it, and hears the news once, from
    // the announcement.
    const int number = LabelNumber(box);
    m_labels.at(static_cast<std::size_t>(number - 1))->setText(QString::fromStdString(text));
}

void Form1::nameCard() {
    // A new name is what tells a screen reader that the card changed, so the
    // picture is renamed only when its name is no longer what it shows.
    const QString name = ToQString(Texts::CardName(m_controller.DrawnCard()));
    if (toranpu.accessibleName() != name) {
        toranpu.setAccessibleName(name);
    }
}

void Form1::announce(const std::string& text) {
    // While the graph is on view this window is hidden, and so is what it shows.
    if (m_form2 != nullptr && m_form2->isVisible()) {
        m_form2->announce(QString::fromStdString(text));
    } else {
        m_announcement.announce(QString::fromStdString(text));
    }
}

void Form1::setButtonEnabled(Button button, bool enabled) {
    m_commands.at(static_cast<std::size_t>(button))->setEnabled(enabled);
}

void Form1::focusButton(Button button) {
    m_commands.at(static_cast<std::size_t>(button))->setFocus();
}

void Form1::start() {
    Timer1.start();
}

void Form1::stop() {
    Timer1.stop();
    nameCard();
}

void Form1::hideMain() {
    // Shown again, the window would show its last announcement anew, and a
    // screen reader would read it again.
    m_announcement.hide();
    hide();
}

void Form1::showMain() {
    ShowWindow(*this);
}

void Form1::showGraph() {
    if (m_form2 == nullptr) {
        m_form2 = std::make_unique<Form2>(m_controller.graphSources());
        connect(m_form2.get(), &SurfaceWindow::closedByButton, this, &Form1::graphClosed);
        connect(m_form2.get(), &SurfaceWindow::closedByFrame, this, &Form1::graphClosed);
    }
    ShowWindow(*m_form2);
}

void Form1::showHelp() {
    if (m_form4 == nullptr) {
        m_form4 = std::make_unique<Form4>();
        connect(m_form4.get(), &SurfaceWindow::closedByButton, this,
                [this] { helpClosed(ClosedBy::CloseButton); });
        connect(m_form4.get(), &SurfaceWindow::closedByFrame, this,
                [this] { helpClosed(ClosedBy::Frame); });
    }
    ShowWindow(*m_form4);
}

// A closed window is destroyed once its own handler has returned, and a new
// one is made at the next opening.
void Form1::graphClosed() {
    m_form2.release()->deleteLater();
    m_controller.graphClosed();
}

void Form1::helpClosed(ClosedBy how) {
    m_form4.release()->deleteLater();
    m_controller.helpClosed(how);
}
