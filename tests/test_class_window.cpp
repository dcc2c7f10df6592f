// The class window on the desktop: a class pasted or opened from a file shows
// its lines, totals and figures once the timer ticks; untrusted text stays
// text; a file too large is refused; the window comes from the main window's
// menu and leaves the pupil's experiment as it was.
#include "design/class_figures.h"
#include "design/class_window.h"
#include "platform/copy_menu.h"
#include "platform/fonts.h"
#include "pooling/class_pool.h"
#include "pooling/pooling_texts.h"
#include "tests/image_probe.h"
#include "tests/support/class_sheet.h"
#include "tests/support/form1_fixture.h"
#include "ui/class/class_file.h"
#include "ui/class/form5.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <functional>

namespace {

const QString Untrusted = QStringLiteral("<img src=x onerror=alert(1)>");

QString TheClassText() {
    return QString::fromStdString(TheClass().text);
}

// Closes the next box that opens and hands back its text.
QString AnswerNextBox(const std::function<void()>& opening) {
    QString text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->defaultButton()->click();
        }
    });
    poll.start(0);
    opening();
    return text;
}

// The ticks after a change: the results follow, then settle and are said.
void SettleResults(Form5& form) {
    QVERIFY(form.timerActive());
    form.Timer1_Tick();
    form.Timer1_Tick();
    QVERIFY(!form.timerActive());
}

int ClassDots(PictureBox& picture) {
    const QImage& image = picture.image();
    return CountPixels(image, QBColor(ClassFigures::ClassColour), image.rect());
}

} // namespace

class ClassWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyDefaultFont(); }

    // The same class pasted from a spreadsheet, or opened as the CSV file
    // Excel writes in Japan, or as UTF-8 with a byte order mark.
    void aClassShowsItsLinesTotalsAndFigures_data() {
        QTest::addColumn<QByteArray>("fileBytes"); // empty: pasted
        const QString csv = TheClassText().replace(QLatin1Char('\t'), QLatin1Char(','));
        QStringEncoder shiftJis("Shift_JIS");
        QVERIFY(shiftJis.isValid());
        QTest::newRow("pasted, tab-separated") << QByteArray();
        QTest::newRow("Shift_JIS CSV file, CR LF") << QByteArray(shiftJis.encode(csv));
        QTest::newRow("UTF-8 CSV file with its mark") << "\xEF\xBB\xBF" + csv.toUtf8();
    }
    void aClassShowsItsLinesTotalsAndFigures() {
        QFETCH(QByteArray, fileBytes);
        Form5 form;
        QCOMPARE(ClassDots(form.pooledFigure()), 0);
        if (fileBytes.isEmpty()) {
            QGuiApplication::clipboard()->setText(TheClassText());
            form.pasteBox().paste();
        } else {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("クラス.csv"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(fileBytes) == fileBytes.size());
            file.close();
            QCOMPARE(form.openFile(path), QString());
        }
        SettleResults(form);

        const ClassSheet& sheet = TheClass();
        QCOMPARE(form.takenLines().model()->rowCount(), ClassSheet::Size);
        QCOMPARE(form.takenLines().model()->index(34, 0).data().toString(),
                 QStringLiteral("生徒35"));
        const ClassPool pool = PoolClassText(sheet.text);
        const QString summary = QString::fromStdString(PoolingTexts::SummaryText(pool));
        QCOMPARE(summary, QStringLiteral("35人、35000回、３の倍数 %1枚、割合 %2")
                              .arg(sheet.hits)
                              .arg(QString::fromStdString(pool.ratioText)));
        QCOMPARE(form.totals().text(), QString::fromStdString(PoolingTexts::TotalsText(pool)));
        QCOMPARE(form.announcement().text(), summary);
        // The header passed over, then a line taken for each pupil.
        QCOMPARE(form.answers().model()->rowCount(), ClassSheet::Size + 1);
        QVERIFY(ClassDots(form.pooledFigure()) > ClassSheet::Size);
        QVERIFY(ClassDots(form.spreadFigure()) > ClassSheet::Size);
        QCOMPARE(form.pooledFigure().accessibleDescription(),
                 QString::fromStdString(form.results().pooled.description));
        QCOMPARE(form.spreadFigure().accessibleDescription(),
                 QString::fromStdString(form.results().spread.description));
    }

    // グラフをコピー: both figures in one picture, each pixel for pixel at
    // the screen's resolution.
    void copiedFiguresAreThoseOnView() {
        Form5 form;
        form.pasteBox().setPlainText(TheClassText());
        SettleResults(form);
        const QImage both = form.figuresImage();
        const auto pixels = [](QImage image) {
            image.setDevicePixelRatio(1);
            return image.convertToFormat(QImage::Format_RGB32);
        };
        const QImage pooled = pixels(form.pooledFigure().image());
        const QImage spread = pixels(form.spreadFigure().image());
        QCOMPARE(both.devicePixelRatio(), form.pooledFigure().image().devicePixelRatio());
        QCOMPARE(pixels(both.copy(QRect(QPoint(0, 0), pooled.size()))), pooled);
        QCOMPARE(
            pixels(both.copy(QRect(QPoint(0, both.height() - spread.height()), spread.size()))),
            spread);
        form.Command4_Click();
        QCOMPARE(pixels(QGuiApplication::clipboard()->image()), pixels(both));
    }

    // Every caption fits its button, the paste caption its two lines and a
    // class's totals their box, at any scale of the screen.
    void textsFitTheirControls() {
        Form5 form;
        form.pasteBox().setPlainText(TheClassText());
        SettleResults(form);
        constexpr int Margin = 4; // room the style keeps for the button's frame
        for (int number = 1; number <= 4; ++number) {
            const QPushButton& button = form.command(number);
            QVERIFY2(QFontMetrics(button.font()).horizontalAdvance(button.text()) + 2 * Margin <=
                         button.width(),
                     qPrintable(button.text()));
        }
        const QList<const QLabel*> labels{form.findChild<QLabel*>(QStringLiteral("Label1")),
                                          &form.totals()};
        for (const QLabel* label : labels) {
            QVERIFY(label != nullptr && !label->text().isEmpty());
            const QRect needed =
                QFontMetrics(label->font())
                    .boundingRect(QRect(QPoint(), label->size()), Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
                     qPrintable(label->text()));
        }
    }

    // Markup pasted, as text or as a web page's HTML, lands as its text,
    // and the answers quote it as text.
    void untrustedTextStaysText() {
        Form5 form;
        auto* data = new QMimeData;
        data->setHtml(QStringLiteral("<b>40 13</b>"));
        data->setText(Untrusted);
        QGuiApplication::clipboard()->setMimeData(data);
        form.pasteBox().paste();
        SettleResults(form);
        QCOMPARE(form.pasteBox().toPlainText(), Untrusted);
        QCOMPARE(form.answers().model()->rowCount(), 1);
        QCOMPARE(form.takenLines().model()->rowCount(), 0);
        QVERIFY(form.answers().model()->index(0, 0).data().toString().startsWith(
            QStringLiteral("1行目：")));
        QCOMPARE(form.results().summaryText.find("<img"), std::string::npos);
    }

    // What the teacher typed stays: a file's lines go after the line the
    // cursor is in, however the file comes, and one undo takes them away.
    void aFileLandsOnLinesOfItsOwnAndUndoes_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("opened") << QStringLiteral("open");
        QTest::newRow("dropped on the window") << QStringLiteral("drop");
        QTest::newRow("pasted as a file into the box") << QStringLiteral("paste");
    }
    void aFileLandsOnLinesOfItsOwnAndUndoes() {
        QFETCH(QString, how);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("group.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("40 12\r\n40 13");
        file.close();
        Form5 form;
        form.pasteBox().setPlainText(QStringLiteral("山田 40 13\n佐藤 40 11"));
        form.pasteBox().moveCursor(QTextCursor::Start);
        form.pasteBox().moveCursor(QTextCursor::Right);
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(path)});
        if (how == QLatin1String("open")) {
            QCOMPARE(form.openFile(path), QString());
        } else if (how == QLatin1String("drop")) {
            // Over the figures, which take no drop of their own.
            const QPoint over(form.width() - 10, form.height() / 2);
            QDragEnterEvent enter(over, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&form, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(over, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&form, &drop);
            QVERIFY(drop.isAccepted());
        } else {
            auto* copied = new QMimeData;
            copied->setUrls(files.urls());
            QGuiApplication::clipboard()->setMimeData(copied);
            form.pasteBox().paste();
        }
        QTRY_COMPARE(form.pasteBox().toPlainText(),
                     QStringLiteral("山田 40 13\n40 12\n40 13\n佐藤 40 11"));
        form.pasteBox().undo();
        QCOMPARE(form.pasteBox().toPlainText(), QStringLiteral("山田 40 13\n佐藤 40 11"));
    }

    void filesThatCannotBeReadAreRefusedWithTheirReason_data() {
        QTest::addColumn<qint64>("size"); // -1: no such file
        QTest::addColumn<QString>("refusal");
        QTest::newRow("one byte over the limit")
            << static_cast<qint64>(MaxPastedBytes) + 1
            << QString::fromStdString(PoolingTexts::FileTooLargeText());
        QTest::newRow("no such file")
            << qint64{-1} << QString::fromUtf8(PoolingTexts::FileUnreadable.data());
    }
    void filesThatCannotBeReadAreRefusedWithTheirReason() {
        QFETCH(qint64, size);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("class.csv"));
        if (size >= 0) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(size, '1'));
        }
        QCOMPARE(ReadClassFile(path).refusal, refusal);
        Form5 form;
        form.pasteBox().setPlainText(QStringLiteral("40 13"));
        QCOMPARE(AnswerNextBox([&] { form.openFile(path); }), refusal);
        QCOMPARE(form.pasteBox().toPlainText(), QStringLiteral("40 13"));
    }

    // The file exactly at the limit is read.
    void aFileAtTheLimitIsRead() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("class.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(static_cast<qsizetype>(MaxPastedBytes), '1'));
        file.close();
        const ClassFileText read = ReadClassFile(path);
        QCOMPARE(read.refusal, QString());
        QCOMPARE(read.text.size(), static_cast<qsizetype>(MaxPastedBytes));
    }

    // クラスの集計... opens one window, kept with its text; 閉じる hides it
    // and the experiment on the main window goes on as it was.
    void theMainWindowsMenuOpensItAndClosingLeavesTheExperiment() {
        Form1Fixture f;
        f.form->show();
        f.drawByHand(3);
        f.drawByHand(14);
        const QList<QAction*> items = f.form->findChild<CopyMenu*>()->menu().actions();
        const auto item = std::find_if(items.begin(), items.end(), [](const QAction* action) {
            return action->text() == QString::fromUtf8(ClassTexts::MenuItem.data());
        });
        QVERIFY(item != items.end());
        (*item)->trigger();
        Form5* form = f.form->classWindow();
        QVERIFY(form != nullptr && form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral(" クラスの集計"));
        form->pasteBox().setPlainText(QStringLiteral("40 13"));

        form->Command1_Click();
        QVERIFY(!form->isVisible());
        QVERIFY(f.form->isVisible());
        QCOMPARE(f.tally.TrialCount(), 2);
        QCOMPARE(f.form->label(3).text().trimmed(), QStringLiteral("2"));
        QCOMPARE(f.form->state(), MainState::Stopped);

        f.form->showClassWindow();
        QCOMPARE(f.form->classWindow(), form);
        QVERIFY(form->isVisible());
        QCOMPARE(form->pasteBox().toPlainText(), QStringLiteral("40 13"));
        form->close(); // by the frame
        QVERIFY(!form->isVisible());
        QCOMPARE(f.tally.TrialCount(), 2);
    }
};

QTEST_MAIN(ClassWindowTest)
#include "test_class_window.moc"
