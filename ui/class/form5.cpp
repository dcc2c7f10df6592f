#include "ui/class/form5.h"

#include "design/class_window.h"
#include "design/texts.h"
#include "platform/copy_menu.h"
#include "platform/design_qt.h"
#include "platform/figure_steps.h"
#include "platform/fonts.h"
#include "platform/line_control.h"
#include "platform/message_box.h"
#include "ui/class/class_file.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>
#include <algorithm>
#include <array>
#include <utility>

namespace {

// The file box's own texts, where Qt's box is used rather than the desktop's.
void LabelFileBox(QFileDialog& box) {
    box.setLabelText(QFileDialog::Accept, ToQString(ClassTexts::OpenFileAccept));
    box.setLabelText(QFileDialog::Reject, ToQString(ClassTexts::OpenFileCancel));
    box.setLabelText(QFileDialog::LookIn, ToQString(ClassTexts::OpenFileLookIn));
    box.setLabelText(QFileDialog::FileName, ToQString(ClassTexts::OpenFileName));
    box.setLabelText(QFileDialog::FileType, ToQString(ClassTexts::OpenFileType));
}

// The gap between the two figures in the copied picture, in pixels.
constexpr int CopiedFiguresGap = 8;

} // namespace

Form5::Form5() {
    layOut();
    auto* copyMenu = new CopyMenu(*this);
    copyMenu->addCommand(ToQString(Form5Layout::CopySummary.caption), [this] { Command3_Click(); });
    copyMenu->addCommand(ToQString(Form5Layout::CopyFigures.caption), [this] { Command4_Click(); });

    connect(&Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(&Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(&Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    connect(&Command4, &QPushButton::clicked, this, &Form5::Command4_Click);
    connect(&Timer1, &QTimer::timeout, this, &Form5::Timer1_Tick);
    connect(&Text1, &QPlainTextEdit::textChanged, this,
            [this] { m_controller.textChanged(Text1.toPlainText().toStdString()); });
    // Read after the drop or paste has finished, so that a refusal's box
    // never opens in the middle of a drag.
    connect(&Text1, &PasteBox::filesOffered, this, &Form5::openFiles, Qt::QueuedConnection);
    setAcceptDrops(true);

    showResults(m_controller.results());
}

void Form5::layOut() {
    setWindowTitle(ToQString(Form5Layout::Title));
    setFont(JapaneseFont(Form5Layout::Font));
    setFixedSize(ToPixels(Form5Layout::ClientWidth, Form5Layout::ClientHeight));

    Line1.setParent(this);
    PlaceHorizontalLine(Line1, Form5Layout::RuleLeft, Form5Layout::RuleRight, Form5Layout::RuleY);

    const std::array<std::pair<QPushButton*, const Form5Layout::Button*>, 4> buttons{{
        {&Command1, &Form5Layout::Close},
        {&Command2, &Form5Layout::OpenFile},
        {&Command3, &Form5Layout::CopySummary},
        {&Command4, &Form5Layout::CopyFigures},
    }};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto [button, designed] = buttons[i];
        button->setParent(this);
        button->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        button->setText(ToQString(designed->caption));
        button->setGeometry(ToPixels(designed->rect));
        button->setAutoDefault(false);
        // Raised above the rule, which runs on under the buttons.
        button->raise();
    }

    Label1.setParent(this);
    Label1.setObjectName(QStringLiteral("Label1"));
    Label1.setTextFormat(Qt::PlainText);
    Label1.setText(ToQString(Form5Layout::PasteCaption));
    Label1.setWordWrap(true);
    Label1.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1.setGeometry(ToPixels(Form5Layout::PasteCaptionRect));
    Label1.setBuddy(&Text1);

    Text1.setParent(this);
    Text1.setObjectName(QStringLiteral("Text1"));
    Text1.setGeometry(ToPixels(Form5Layout::PasteBox));
    Text1.setAccessibleName(ToQString(Form5Layout::PasteCaption));

    Label2.setParent(this);
    Label2.setObjectName(QStringLiteral("Label2"));
    Label2.setTextFormat(Qt::PlainText);
    Label2.setWordWrap(true);
    Label2.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2.setGeometry(ToPixels(Form5Layout::Totals));

    List1.setParent(this);
    List1.setObjectName(QStringLiteral("List1"));
    List1.setGeometry(ToPixels(Form5Layout::TakenLines));
    List1.setModel(&m_takenLines);
    List1.setAccessibleName(ToQString(Form5Layout::TakenLinesName));
    List1.setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1.setSelectionBehavior(QAbstractItemView::SelectRows);
    List1.setWordWrap(false);
    List1.setTabKeyNavigation(false);
    List1.verticalHeader()->hide();
    // Rows of one text line each, sized once rather than measured row by row.
    List1.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    List1.verticalHeader()->setDefaultSectionSize(List1.fontMetrics().height() + 4);
    List1.horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    List2.setParent(this);
    List2.setObjectName(QStringLiteral("List2"));
    List2.setGeometry(ToPixels(Form5Layout::Answers));
    List2.setModel(&m_answers);
    List2.setAccessibleName(ToQString(Form5Layout::AnswersName));
    List2.setEditTriggers(QAbstractItemView::NoEditTriggers);
    List2.setWordWrap(true);
    List2.setTextElideMode(Qt::ElideNone);
    List2.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    const std::array<std::pair<PictureBox*, TwipsRect>, 2> figures{{
        {&Picture1, Form5Layout::PooledSurface},
        {&Picture2, Form5Layout::SpreadSurface},
    }};
    for (auto [picture, rect] : figures) {
        picture->setParent(this);
        picture->setGeometry(ToPixels(rect));
        picture->setBackColor(QColor::fromRgb(ToQRgb(Colours::White)));
        // The figures are pixels only; a screen reader hears what they show,
        // and Tab reaches them so that it can be read again.
        picture->setFocusPolicy(Qt::StrongFocus);
    }
    Picture1.setObjectName(QStringLiteral("Picture1"));
    Picture2.setObjectName(QStringLiteral("Picture2"));
    Picture1.setAccessibleName(ToQString(Form5Layout::PooledName));
    Picture2.setAccessibleName(ToQString(Form5Layout::SpreadName));

    // The text box first, where the work is; 閉じる last.
    const std::array<QWidget*, 9> tabOrder{&Text1, &Command2, &Command3, &Command4, &List1,
                                           &List2, &Picture1, &Picture2, &Command1};
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
    Text1.setFocus();

    Timer1.setParent(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(ClassRecomputeMilliseconds);
}

const QPushButton& Form5::command(int number) const {
    const std::array<const QPushButton*, 4> commands{&Command1, &Command2, &Command3, &Command4};
    return *commands.at(static_cast<std::size_t>(number - 1));
}

void Form5::Command1_Click() {
    close();
}

void Form5::Command2_Click() {
    QFileDialog box(this, ToQString(ClassTexts::OpenFileTitle), {},
                    ToQString(ClassTexts::FileFilter));
    box.setFileMode(QFileDialog::ExistingFile);
    box.setAcceptMode(QFileDialog::AcceptOpen);
    LabelFileBox(box);
    if (box.exec() == QDialog::Accepted) {
        openFiles(box.selectedFiles());
    }
}

void Form5::Command3_Click() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(results().summaryText));
}

void Form5::Command4_Click() {
    QGuiApplication::clipboard()->setImage(figuresImage());
}

QImage Form5::figuresImage() {
    const QImage& pooled = Picture1.image();
    const QImage& spread = Picture2.image();
    const qreal ratio = pooled.devicePixelRatio();
    const int gap = qRound(CopiedFiguresGap * ratio);
    QImage both(std::max(pooled.width(), spread.width()), pooled.height() + gap + spread.height(),
                QImage::Format_RGB32);
    both.fill(ToQRgb(Colours::White));
    {
        // Pixel for pixel, in the surfaces' own resolution.
        QPainter painter(&both);
        painter.drawImage(QRect(QPoint(0, 0), pooled.size()), pooled, pooled.rect());
        painter.drawImage(QRect(QPoint(0, pooled.height() + gap), spread.size()), spread,
                          spread.rect());
    }
    both.setDevicePixelRatio(ratio);
    return both;
}

void Form5::Timer1_Tick() {
    m_controller.tick();
}

QString Form5::openFile(const QString& path) {
    const ClassFileText file = ReadClassFile(path);
    if (!file.refusal.isEmpty()) {
        Inform(this, file.refusal, ToQString(Texts::DialogTitle));
        return file.refusal;
    }
    Text1.insertLines(file.text);
    Text1.setFocus();
    return {};
}

void Form5::openFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        openFile(path);
    }
}

void Form5::closeEvent(QCloseEvent* event) {
    // Shown again, the window would show its last announcement anew, and a
    // screen reader would read it again.
    m_announcement.hide();
    QWidget::closeEvent(event);
}

void Form5::dragEnterEvent(QDragEnterEvent* event) {
    if (!PasteBox::LocalFiles(*event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void Form5::dropEvent(QDropEvent* event) {
    const QStringList paths = PasteBox::LocalFiles(*event->mimeData());
    if (paths.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, paths] { openFiles(paths); }, Qt::QueuedConnection);
}

void Form5::drawFigure(PictureBox& picture, const ClassFigure& figure) {
    picture.setUserScale(figure.scale);
    PaintSteps(picture, figure.steps);
    const QString description = QString::fromStdString(figure.description);
    if (picture.accessibleDescription() != description) {
        picture.setAccessibleDescription(description);
    }
}

void Form5::showResults(const ClassResults& results) {
    Label2.setText(QString::fromStdString(results.totals));
    m_takenLines.setRows(results.rows);
    QStringList answers;
    answers.reserve(static_cast<qsizetype>(results.answers.size()));
    for (const std::string& answer : results.answers) {
        answers << QString::fromStdString(answer);
    }
    m_answers.setStringList(answers);
    drawFigure(Picture1, results.pooled);
    drawFigure(Picture2, results.spread);
}

void Form5::announce(const std::string& text) {
    if (!text.empty()) {
        m_announcement.announce(QString::fromStdString(text));
    }
}

void Form5::start() {
    Timer1.start();
}

void Form5::stop() {
    Timer1.stop();
}
