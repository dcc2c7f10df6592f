// Pooling a class's pasted results: the forms a line may take, every refusal
// with its reason, the limits, a class drawn by the program itself, and a
// seeded fuzz run where every line must get exactly one answer.
#include "controller/class_content.h"
#include "design/class_figures.h"
#include "engine/checkpoints.h"
#include "engine/number_text.h"
#include "engine/tally.h"
#include "pooling/class_pool.h"
#include "pooling/file_encoding.h"
#include "pooling/pooling_texts.h"
#include "tests/support/class_sheet.h"
#include "tests/support/controller_fixture.h"

#include <QtTest>
#include <algorithm>
#include <array>
#include <chrono>
#include <future>
#include <random>
#include <vector>

Q_DECLARE_METATYPE(Refusal)

namespace {

// A header and a blank line before the line under test, so that its answer
// must name line 3.
constexpr std::string_view Preamble = "名前\t回数\t枚数\n\n";

const LineAnswer& OnlyAnswer(const ClassPool& pool) {
    static const LineAnswer none;
    return pool.answers.size() == 2 ? pool.answers[1] : none;
}

// The fuzz inputs: random bytes, mixtures of digits, separators and their
// full-width forms, mutated results lines and, rarely, very long lines.
class FuzzInputs {
public:
    explicit FuzzInputs(std::uint64_t seed) : m_random(seed) {}

    std::string next() {
        const std::uint64_t kind = m_random() % 10'000;
        if (kind == 0) {
            return longLine();
        }
        if (kind < 3000) {
            return randomBytes();
        }
        if (kind < 7000) {
            return tokens();
        }
        return mutatedLine();
    }

private:
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(m_random() % bound); }

    std::string randomBytes() {
        std::string text(below(80), '\0');
        for (char& c : text) {
            c = static_cast<char>(m_random() & 0xFF);
        }
        return text;
    }

    std::string tokens() {
        static const std::array<std::string_view, 30> pieces = {
            "0",  "1",       "3",        "7",    "9",         "１",     "０",
            "９", "\t",      ",",        " ",    "，",        "　",     "、",
            ".",  "．",      "\n",       "\r\n", "\r",        "山田",   "-",
            "e",  "\xff",    "\xef\xbc", "1000", "0.3076923", "100000", "99999999999999999999",
            "",   "\xe3\x80"};
        std::string text;
        for (std::size_t i = below(60); i > 0; --i) {
            text += pieces[below(pieces.size())];
        }
        return text;
    }

    std::string mutatedLine() {
        static const std::array<std::string_view, 4> lines = {
            "1000\t322\t0.3220000\t0.3076923\t3\t15\t30\t160\t322", "山田 40 13",
            "11,6,0.5454546,0.3076923", "名前\t引いた全カード枚数\t引いた３の倍数のカード枚数"};
        std::string text;
        for (std::size_t i = below(4) + 1; i > 0; --i) {
            text += lines[below(lines.size())];
            text += '\n';
        }
        for (std::size_t i = below(4); i > 0; --i) {
            const std::size_t at = below(text.size());
            switch (below(3)) {
            case 0:
                text[at] = static_cast<char>(m_random() & 0xFF);
                break;
            case 1:
                text.erase(at, 1);
                break;
            default:
                text.insert(at, 1, "0123456789\t,. \n"[below(15)]);
            }
        }
        return text;
    }

    // A line of up to 200000 bytes, or now and then text just over the limit.
    std::string longLine() {
        const std::string_view fill[] = {"7", "7\t", "１", "　", "0.", "山", "7 "};
        const std::string_view piece = fill[below(std::size(fill))];
        const std::size_t length = below(10) == 0 ? MaxPastedBytes + 1 : below(200'000);
        std::string text;
        text.reserve(length + piece.size());
        while (text.size() < length) {
            text.append(piece);
        }
        return text;
    }

    std::mt19937_64 m_random;
};

std::size_t NonBlankLines(std::string_view text) {
    constexpr std::string_view Wide = "　";
    std::size_t count = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        while (!line.empty()) {
            if (line.front() == ' ' || line.front() == '\t' || line.front() == '\r') {
                line.remove_prefix(1);
            } else if (line.starts_with(Wide)) {
                line.remove_prefix(Wide.size());
            } else {
                break;
            }
        }
        count += line.empty() ? 0 : 1;
    }
    return count;
}

// What is wrong with a pool's answers to `text`, or nothing.
QString FaultIn(std::string_view text, const ClassPool& pool) {
    if (pool.tooLarge) {
        return text.size() > MaxPastedBytes && pool.answers.empty() ? QString()
                                                                    : QStringLiteral("too large");
    }
    // Every line is answered, unless reading stopped at a limit, which the
    // last answer then says.
    const bool stopped =
        !pool.answers.empty() && (pool.answers.back().reading.refusal == Refusal::OverLineLimit ||
                                  pool.answers.back().reading.refusal == Refusal::OverReadLimit);
    const std::size_t lines = NonBlankLines(text);
    if (stopped ? pool.answers.size() > lines || pool.answers.size() > MaxReadLines + 1
                : pool.answers.size() != lines) {
        return QStringLiteral("%1 answers to %2 lines").arg(pool.answers.size()).arg(lines);
    }
    std::int64_t trials = 0;
    std::int64_t hits = 0;
    int previous = 0;
    for (const LineAnswer& answer : pool.answers) {
        const LineReading& reading = answer.reading;
        if (answer.lineNumber <= previous) {
            return QStringLiteral("line numbers out of order");
        }
        previous = answer.lineNumber;
        const std::string said = PoolingTexts::AnswerText(answer);
        if (!said.starts_with(std::to_string(answer.lineNumber) + "行目：")) {
            return QStringLiteral("answer without its line number");
        }
        switch (reading.verdict) {
        case LineVerdict::Taken:
            if (reading.line.trials < MinTrials || reading.line.trials > MaxTrials ||
                reading.line.hits < 0 || reading.line.hits > reading.line.trials) {
                return QStringLiteral("impossible line taken");
            }
            trials += reading.line.trials;
            hits += reading.line.hits;
            break;
        case LineVerdict::PassedOver:
            break;
        case LineVerdict::Refused:
            if (reading.refusal == Refusal::None || said.ends_with("読み取れません。")) {
                return QStringLiteral("refused without a reason");
            }
            break;
        }
    }
    if (trials != pool.trials || hits != pool.hits ||
        pool.lines.size() > static_cast<std::size_t>(MaxTakenLines)) {
        return QStringLiteral("sums differ from the lines taken");
    }
    return {};
}

std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end - start));
        start = end == std::string_view::npos ? text.size() : end + 1;
    }
    return lines;
}

std::size_t Count(const ClassFigure& figure, GraphFigure::StepKind kind, int colour) {
    return static_cast<std::size_t>(
        std::count_if(figure.steps.begin(), figure.steps.end(), [&](const GraphFigure::Step& s) {
            return s.kind == kind && s.colour == colour;
        }));
}

bool InsideItsScale(const ClassFigure& figure) {
    const UserScale& scale = figure.scale;
    auto inside = [&](GraphFigure::UserPoint p) {
        return p.x >= scale.ScaleLeft && p.x <= scale.ScaleLeft + scale.ScaleWidth &&
               p.y >= scale.ScaleTop && p.y <= scale.ScaleTop + scale.ScaleHeight;
    };
    return std::all_of(figure.steps.begin(), figure.steps.end(), [&](const GraphFigure::Step& s) {
        return inside(s.at) && (s.kind != GraphFigure::StepKind::Line || inside(s.to));
    });
}

} // namespace

class PoolingTest : public QObject {
    Q_OBJECT
private slots:
    void acceptedForms_data();
    void acceptedForms();
    void refusals_data();
    void refusals();
    void headersArePassedOver_data();
    void headersArePassedOver();
    void limits();
    void aLineRepeatedIsCountedWithAWarning();
    void aClassOfThirtyFivePoolsToTheSumsOfItsLines();
    void classWindowShowsTheClassWithItsBadLines();
    void classWindowWithoutLines_data();
    void classWindowWithoutLines();
    void fileEncodingIsToldFromTheBytes_data();
    void fileEncodingIsToldFromTheBytes();
    void everyLineOfAMillionFuzzedInputsGetsOneAnswer();
};

void PoolingTest::acceptedForms_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<int>("trials");
    QTest::addColumn<int>("hits");
    QTest::addColumn<QList<int>>("checkpoints"); // -1 where none is given

    const QList<int> none = {-1, -1, -1, -1, -1};
    const QList<int> full = {3, 15, 30, 160, 322};
    const QByteArray nine = "1000\t322\t0.3220000\t0.3076923\t3\t15\t30\t160\t322";
    QTest::newRow("trials and hits, typed")
        << QByteArray("40 13") << QByteArray() << 40 << 13 << none;
    QTest::newRow("full-width digits and space")
        << QByteArray("４０　１３") << QByteArray() << 40 << 13 << none;
    QTest::newRow("the program's four columns")
        << QByteArray("1000\t322\t0.3220000\t0.3076923") << QByteArray() << 1000 << 322 << none;
    QTest::newRow("the program's nine columns") << nine << QByteArray() << 1000 << 322 << full;
    QTest::newRow("nine columns, CR LF") << nine + "\r" << QByteArray() << 1000 << 322 << full;
    QTest::newRow("nine columns before trial 10")
        << QByteArray("5\t2\t0.4000000\t0.3076923\t\t\t\t\t") << QByteArray() << 5 << 2 << none;
    QTest::newRow("nine columns at 60 trials")
        << QByteArray("60\t20\t0.3333333\t0.3076923\t4\t17\t\t\t") << QByteArray() << 60 << 20
        << QList<int>{4, 17, -1, -1, -1};
    QTest::newRow("CSV") << QByteArray("1000,322,0.3220000,0.3076923") << QByteArray() << 1000
                         << 322 << none;
    QTest::newRow("full-width commas and point")
        << QByteArray("４０，１３，０．３２５，０．３０７６９２３") << QByteArray() << 40 << 13
        << none;
    QTest::newRow("ratio shortened by a spreadsheet")
        << QByteArray("1000\t320\t0.32\t0.3076923") << QByteArray() << 1000 << 320 << none;
    QTest::newRow("ratio as shown from a single: 6 of 11 -> 0.5454546")
        << QByteArray("11\t6\t0.5454546\t0.3076923") << QByteArray() << 11 << 6 << none;
    QTest::newRow("ratio rounded exactly: 6 of 11 -> 0.5454545")
        << QByteArray("11\t6\t0.5454545\t0.3076923") << QByteArray() << 11 << 6 << none;
    QTest::newRow("ratio 1 without decimals")
        << QByteArray("1\t1\t1\t0.3076923") << QByteArray() << 1 << 1 << none;
    QTest::newRow("theory shortened to 0.31")
        << QByteArray("40\t13\t0.325\t0.31") << QByteArray() << 40 << 13 << none;
    QTest::newRow("a name, then trials and hits")
        << QByteArray("山田\t40\t13") << QByteArray("山田") << 40 << 13 << none;
    QTest::newRow("a name with a space, by spaces")
        << QByteArray("山田 太郎  40 13") << QByteArray("山田 太郎") << 40 << 13 << none;
    QTest::newRow("a pupil's number, then trials and hits")
        << QByteArray("12 40 13") << QByteArray("12") << 40 << 13 << none;
    QTest::newRow("a full-width name kept as typed")
        << QByteArray("３班\t1000\t322\t0.3220000\t0.3076923\t3\t15\t30\t160\t322")
        << QByteArray("３班") << 1000 << 322 << full;
    QTest::newRow("a spreadsheet's empty cells at the end")
        << QByteArray("山田\t40\t13\t\t\t") << QByteArray("山田") << 40 << 13 << none;
}

void PoolingTest::acceptedForms() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, label);
    QFETCH(int, trials);
    QFETCH(int, hits);
    QFETCH(QList<int>, checkpoints);
    const ClassPool pool = PoolClassText(std::string(Preamble) + line.toStdString());
    const LineAnswer& answer = OnlyAnswer(pool);
    QCOMPARE(
        QString::fromStdString(PoolingTexts::AnswerText(answer)),
        QStringLiteral("3行目：読み取りました（%1回、３の倍数 %2枚）。").arg(trials).arg(hits));
    QCOMPARE(QByteArray::fromStdString(answer.reading.line.label), label);
    for (qsizetype i = 0; i < checkpoints.size(); ++i) {
        const auto given = answer.reading.line.hitsByCheckpoint[static_cast<std::size_t>(i)];
        QCOMPARE(given.value_or(-1), checkpoints[i]);
    }
    QCOMPARE(pool.trials, trials);
    QCOMPARE(pool.hits, hits);
}

void PoolingTest::refusals_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<Refusal>("refusal");
    QTest::addColumn<QString>("reason");

    const QByteArray ok = "1000\t322\t0.3220000\t0.3076923\t";
    QTest::newRow("trials with a point")
        << QByteArray("40.5 13") << Refusal::NotWholeNumber << "引いた回数が整数ではありません。";
    QTest::newRow("hits in words, after a name")
        << QByteArray("山田\t40\tたくさん") << Refusal::NotWholeNumber
        << "３の倍数の枚数が整数ではありません。";
    QTest::newRow("hits in invalid UTF-8") << QByteArray("40 \xff\xfe") << Refusal::NotWholeNumber
                                           << "３の倍数の枚数が整数ではありません。";
    QTest::newRow("seven numbers")
        << QByteArray("1 2 3 4 5 6 7") << Refusal::ColumnCount
        << "列の数（7）が合いません。「回数 "
           "枚数」の2つか、このプログラムの結果の行を貼り付けてください。";
    QTest::newRow("no trials") << QByteArray("0 0") << Refusal::TrialsOutOfRange
                               << "引いた回数が1から100000の間にありません。";
    QTest::newRow("100001 trials") << QByteArray("100001 5") << Refusal::TrialsOutOfRange
                                   << "引いた回数が1から100000の間にありません。";
    QTest::newRow("hits exceed trials") << QByteArray("10 11") << Refusal::HitsExceedTrials
                                        << "３の倍数の枚数が引いた回数より多くなっています。";
    QTest::newRow("ratio off by one in the last decimal")
        << QByteArray("40\t13\t0.3250001\t0.3076923") << Refusal::RatioMismatch
        << "割合が回数と枚数から求めた値と合いません。";
    QTest::newRow("ratio shortened wrongly")
        << QByteArray("1000\t322\t0.33\t0.3076923") << Refusal::RatioMismatch
        << "割合が回数と枚数から求めた値と合いません。";
    QTest::newRow("ratio with a decimal comma")
        << QByteArray("40\t13\t0,325\t0.3076923") << Refusal::NotDecimal
        << "割合が小数（12桁まで）ではありません。";
    QTest::newRow("ratio empty") << QByteArray("40\t13\t\t0.3076923") << Refusal::NotDecimal
                                 << "割合が小数（12桁まで）ではありません。";
    QTest::newRow("another experiment's theory")
        << QByteArray("40\t13\t0.3250000\t0.2500000") << Refusal::TheoryMismatch
        << "理論上の確率が16/52（0.3076923）ではありません。別の実験の結果かもしれません。";
    QTest::newRow("checkpoint not a number") << ok + "3\tx\t30\t160\t322" << Refusal::NotWholeNumber
                                             << "50回目までの３の倍数の枚数が整数ではありません。";
    QTest::newRow("checkpoint not reached")
        << QByteArray("40\t13\t0.3250000\t0.3076923\t3\t5\t\t\t") << Refusal::CheckpointNotReached
        << "50回まで引いていないのに50回目までの３の倍数の枚数が書かれています。";
    QTest::newRow("11 hits by trial 10")
        << ok + "11\t15\t30\t160\t322" << Refusal::CheckpointAboveTrial
        << "10回目までの３の倍数の枚数が10を超えています。";
    QTest::newRow("fewer by 50 than by 10")
        << ok + "5\t4\t30\t160\t322" << Refusal::CheckpointBelowEarlier
        << "50回目までの３の倍数の枚数が10回目までの枚数より少なくなっています。";
    QTest::newRow("45 hits in the 40 trials after 10")
        << ok + "0\t45\t50\t160\t322" << Refusal::CheckpointAboveEarlierByMore
        << "50回目までの３の倍数の枚数が10回目までの枚数より、その間の回数を超えて多く"
           "なっています。";
    QTest::newRow("more by 500 than in all")
        << QByteArray("1000\t150\t0.1500000\t0.3076923\t3\t15\t30\t160\t150")
        << Refusal::CheckpointAboveTotal
        << "500回目までの３の倍数の枚数が全体の３の倍数の枚数より多くなっています。";
    QTest::newRow("too few by 500 to reach the total")
        << QByteArray("1000\t700\t0.7000000\t0.3076923\t3\t15\t30\t160\t700")
        << Refusal::CheckpointBelowPossible
        << "500回目までの３の倍数の枚数が少なすぎます。残りをすべて３の倍数にしても全体の枚数に"
           "届きません。";
}

void PoolingTest::refusals() {
    QFETCH(QByteArray, line);
    QFETCH(Refusal, refusal);
    QFETCH(QString, reason);
    const ClassPool pool = PoolClassText(std::string(Preamble) + line.toStdString());
    const LineAnswer& answer = OnlyAnswer(pool);
    QCOMPARE(answer.reading.verdict, LineVerdict::Refused);
    QCOMPARE(answer.reading.refusal, refusal);
    QCOMPARE(QString::fromStdString(PoolingTexts::AnswerText(answer)),
             QStringLiteral("3行目：読み取れません。") + reason);
    QCOMPARE(pool.refusedLines, 1);
    QCOMPARE(pool.trials, 0);
}

void PoolingTest::headersArePassedOver_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("the program's header") << QByteArray(
        "引いた全カード枚数\t引いた３の倍数のカード枚数\t３の倍数のカードを引いた割合\t"
        "理論上の確率\t10回目までに引いた３の倍数のカード枚数\t"
        "50回目までに引いた３の倍数のカード枚数\t100回目までに引いた３の倍数のカード枚数\t"
        "500回目までに引いた３の倍数のカード枚数\t1000回目までに引いた３の倍数のカード枚数");
    QTest::newRow("a sheet's header") << QByteArray("名前,回数,枚数");
    QTest::newRow("a CSV's empty row") << QByteArray(",,,,");
}

void PoolingTest::headersArePassedOver() {
    QFETCH(QByteArray, line);
    const ClassPool pool = PoolClassText(line.toStdString() + "\n40 13\n");
    QCOMPARE(pool.answers.size(), std::size_t{2});
    QCOMPARE(pool.answers[0].reading.verdict, LineVerdict::PassedOver);
    QCOMPARE(QString::fromStdString(PoolingTexts::AnswerText(pool.answers[0])),
             QStringLiteral("1行目：数がないので見出しとして飛ばしました。"));
    QCOMPARE(pool.passedOverLines, 1);
    QCOMPARE(pool.refusedLines, 0);
    QCOMPARE(pool.lines.size(), std::size_t{1});
}

void PoolingTest::limits() {
    std::string text;
    for (int pupil = 1; pupil <= MaxTakenLines + 1; ++pupil) {
        text += std::to_string(pupil) + "\t40\t13\n";
    }
    text += "40 13\n";
    const ClassPool many = PoolClassText(text);
    QCOMPARE(many.lines.size(), std::size_t{MaxTakenLines});
    QCOMPARE(many.trials, std::int64_t{40} * MaxTakenLines);
    QCOMPARE(many.answers.size(), std::size_t{MaxTakenLines + 1});
    QCOMPARE(QString::fromStdString(PoolingTexts::AnswerText(many.answers.back())),
             QStringLiteral("1001行目：読み取れません。読み取るのは1000行までです。"
                            "この行から後は読み取りませんでした。"));

    // Lines not taken count towards the lines read, so that a megabyte of
    // them is read in a moment.
    std::string headers = "40 13\n";
    for (int line = 1; line <= MaxReadLines; ++line) {
        headers += "名前\n";
    }
    const ClassPool longSheet = PoolClassText(headers + "40 13\n");
    QCOMPARE(longSheet.answers.size(), std::size_t{MaxReadLines + 1});
    QCOMPARE(longSheet.lines.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(PoolingTexts::AnswerText(longSheet.answers.back())),
             QStringLiteral("2001行目：読み取れません。空行を除いて2000行まで読みました。"
                            "この行から後は読み取りませんでした。"));

    std::string full = "40 13\n";
    full.resize(MaxPastedBytes, ' ');
    QCOMPARE(PoolClassText(full).trials, 40);
    full += ' ';
    const ClassPool tooLarge = PoolClassText(full);
    QVERIFY(tooLarge.tooLarge);
    QVERIFY(tooLarge.answers.empty());
    QCOMPARE(tooLarge.trials, 0);
    QCOMPARE(QString::fromStdString(PoolingTexts::TooLargeText()),
             QStringLiteral("貼り付けた文章が1MBを超えているので、読み取りませんでした。"));
    QCOMPARE(QString::fromStdString(PoolingTexts::FileTooLargeText()),
             QStringLiteral("ファイルが1MBを超えているので、開きませんでした。"));
}

void PoolingTest::aLineRepeatedIsCountedWithAWarning() {
    const ClassPool pool = PoolClassText("山田 40 13\n佐藤 40 13\r\n\n山田 40 13\n");
    QCOMPARE(pool.lines.size(), std::size_t{3});
    QCOMPARE(pool.trials, 120);
    QCOMPARE(pool.answers[1].sameAsLine, 0);
    QCOMPARE(QString::fromStdString(PoolingTexts::AnswerText(pool.answers[2])),
             QStringLiteral("4行目：読み取りました（40回、３の倍数 13枚）。"
                            "1行目と同じ内容です。二重に貼り付けていないか確かめてください。"));
}

void PoolingTest::aClassOfThirtyFivePoolsToTheSumsOfItsLines() {
    constexpr int ClassSize = ClassSheet::Size;
    const std::string& sheet = TheClass().text;
    const std::int64_t trials = TheClass().trials;
    const std::int64_t hits = TheClass().hits;
    const auto& byCheckpoint = TheClass().byCheckpoint;

    const ClassPool pool = PoolClassText(sheet);
    QCOMPARE(pool.passedOverLines, 1);
    QCOMPARE(pool.refusedLines, 0);
    QCOMPARE(pool.lines.size(), std::size_t{ClassSize});
    QCOMPARE(pool.lines.back().label, std::string("生徒35"));
    QCOMPARE(pool.trials, trials);
    QCOMPARE(pool.hits, hits);
    const std::string ratio = RatioText(StoredFrequency(hits, trials));
    QCOMPARE(pool.ratioText, ratio);
    // One pupil's line pools to the frequency that pupil saw, which the
    // double quotient would round the other way.
    QCOMPARE(PoolClassText("11\t6\t0.5454546\t0.3076923").ratioText, std::string("0.5454546"));
    QCOMPARE(PoolingTexts::SummaryText(pool),
             "35人、35000回、３の倍数 " + std::to_string(hits) + "枚、割合 " + ratio);
    for (std::size_t i = 0; i < Checkpoints.size(); ++i) {
        QCOMPARE(pool.checkpoints[i].trial, Checkpoints[i]);
        QCOMPARE(pool.checkpoints[i].ratios, byCheckpoint[i]);
        QCOMPARE(pool.checkpoints[i].lowest,
                 *std::min_element(byCheckpoint[i].begin(), byCheckpoint[i].end()));
        QCOMPARE(pool.checkpoints[i].highest,
                 *std::max_element(byCheckpoint[i].begin(), byCheckpoint[i].end()));
    }

    // A line refused shows in the summary.
    const ClassPool withRefusal = PoolClassText(sheet + "生徒36\t10\t11\n");
    QVERIFY(PoolingTexts::SummaryText(withRefusal).ends_with("、読めない行 1"));
}

// What the class window shows for the class with a line taken whose name
// looks like markup, one refused, and markup alone, which has no number.
void PoolingTest::classWindowShowsTheClassWithItsBadLines() {
    const ClassSheet& sheet = TheClass();
    const std::string markupName = "<b>山田</b>";
    const std::string script = "<img src=x onerror=alert(1)>";
    const ClassResults results = ComputeClassResults(sheet.text + markupName + "\t40\t13\n" +
                                                     "生徒37\t10\t11\n" + script + "\n");
    const std::int64_t trials = sheet.trials + 40;
    const std::int64_t hits = sheet.hits + 13;
    const std::string ratio = RatioText(StoredFrequency(hits, trials));
    const std::string counts = "36人、" + std::to_string(trials) + "回、３の倍数 " +
                               std::to_string(hits) + "枚、割合 " + ratio;
    QCOMPARE(results.totals, counts + "（理論上の確率 0.3076923）");
    QCOMPARE(results.announcement, counts + "、読めない行 1");

    // Every line answered, the bad ones with their line numbers and reasons.
    QCOMPARE(results.answers.size(), std::size_t{1 + 36 + 2});
    QCOMPARE(results.answers.front(), std::string("1行目：数がないので見出しとして飛ばしました。"));
    QCOMPARE(
        results.answers[37],
        std::string("38行目：読み取れません。３の倍数の枚数が引いた回数より多くなっています。"));
    QCOMPARE(results.answers[38], std::string("39行目：数がないので見出しとして飛ばしました。"));

    // The table and the summary: the markup is a name like any other.
    QCOMPARE(results.rows.size(), std::size_t{36});
    QCOMPARE(results.rows.back().label, markupName);
    QCOMPARE(results.rows.back().ratio, std::string("0.3250000"));
    const std::vector<std::string> summary = LinesOf(results.summaryText);
    QVERIFY(results.summaryText.ends_with('\n'));
    QCOMPARE(summary.size(), std::size_t{1 + 36 + 1});
    QCOMPARE(summary.front(), std::string("名前・行\t回数\t３の倍数\t割合"));
    const ClassTableRow& first = results.rows.front();
    QCOMPARE(summary[1], "生徒1\t1000\t" + first.hits + '\t' + first.ratio);
    QCOMPARE(summary[36], markupName + "\t40\t13\t0.3250000");
    QCOMPARE(summary.back(),
             "合計\t" + std::to_string(trials) + '\t' + std::to_string(hits) + '\t' + ratio);

    // The pooled figure: a point per line, the last at the pooled ratio, the band.
    const ClassFigure& pooled = results.pooled;
    QCOMPARE(Count(pooled, GraphFigure::StepKind::Point, ClassFigures::ClassColour),
             std::size_t{36});
    const auto lastPoint =
        std::find_if(pooled.steps.rbegin(), pooled.steps.rend(), [](const GraphFigure::Step& s) {
            return s.kind == GraphFigure::StepKind::Point;
        });
    QCOMPARE(lastPoint->at.y, GraphFigure::RatioToY(StoredFrequency(hits, trials)));
    QCOMPARE(lastPoint->at.x, ClassFigures::PooledTrialToX(trials, 50000));
    QVERIFY(Count(pooled, GraphFigure::StepKind::Line, GraphFigure::SpreadColour) > 1000);
    QVERIFY(InsideItsScale(pooled));
    QCOMPARE(pooled.description, "クラス全体 36 行、" + std::to_string(trials) + " 回、割合 " +
                                     ratio + "、理論上の確率 0.3076923");

    // The spread: a dot per pupil at each checkpoint; the typed line gives none.
    const ClassFigure& spread = results.spread;
    QCOMPARE(Count(spread, GraphFigure::StepKind::Point, ClassFigures::ClassColour),
             std::size_t{ClassSheet::Size * Checkpoints.size()});
    QVERIFY(InsideItsScale(spread));
    const auto& at1000 = sheet.byCheckpoint.back();
    const std::string lastSentence =
        "1000 回目まで 35 行、最低 " + RatioText(*std::min_element(at1000.begin(), at1000.end())) +
        "、最高 " + RatioText(*std::max_element(at1000.begin(), at1000.end())) + "。";
    QVERIFY(spread.description.starts_with("10 回目まで 35 行、最低 "));
    QVERIFY(spread.description.ends_with(lastSentence));
}

void PoolingTest::classWindowWithoutLines_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("announcement");

    const QString nothing = QStringLiteral("まだ読み取った行がありません");
    QTest::newRow("empty") << QByteArray() << QStringList() << nothing;
    QTest::newRow("a header alone")
        << QByteArray("名前\t回数\t枚数\n")
        << QStringList{QStringLiteral("1行目：数がないので見出しとして飛ばしました。")} << nothing;
    QTest::newRow("a refused line alone")
        << QByteArray("10 11")
        << QStringList{QStringLiteral(
               "1行目：読み取れません。３の倍数の枚数が引いた回数より多くなっています。")}
        << nothing + QStringLiteral("、読めない行 1");
    const QString tooLarge =
        QStringLiteral("貼り付けた文章が1MBを超えているので、読み取りませんでした。");
    QTest::newRow("over 1 MB") << QByteArray(MaxPastedBytes + 1, '7') << QStringList{tooLarge}
                               << tooLarge;
}

void PoolingTest::classWindowWithoutLines() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, answers);
    QFETCH(QString, announcement);
    const ClassResults results = ComputeClassResults(text.toStdString());
    QStringList said;
    for (const std::string& answer : results.answers) {
        said << QString::fromStdString(answer);
    }
    QCOMPARE(said, answers);
    QCOMPARE(QString::fromStdString(results.announcement), announcement);
    QCOMPARE(QString::fromStdString(results.totals),
             QStringLiteral("まだ読み取った行がありません（理論上の確率 0.3076923）"));
    QVERIFY(results.rows.empty());
    QCOMPARE(QString::fromStdString(results.summaryText),
             QStringLiteral("名前・行\t回数\t３の倍数\t割合\n合計\t0\t0\t\n"));
    QCOMPARE(Count(results.pooled, GraphFigure::StepKind::Point, ClassFigures::ClassColour),
             std::size_t{0});
    QCOMPARE(results.pooled.description, std::string("理論上の確率 0.3076923"));
    QCOMPARE(results.spread.description, std::string(ClassFigures::NoCheckpoints));
}

void PoolingTest::fileEncodingIsToldFromTheBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("shiftJis");
    QTest::addColumn<int>("skip");
    // 「名前」 in Shift_JIS, as Excel saves a CSV in Japan.
    const QByteArray name = "\x96\xbc\x91\x4f";
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("plain ASCII") << QByteArray("40,13\r\n") << false << 0;
    QTest::newRow("UTF-8 Japanese") << QByteArray("名前,回数\n山田,40") << false << 0;
    QTest::newRow("UTF-8 with its byte order mark")
        << QByteArray("\xef\xbb\xbf名前,40,13") << false << 3;
    QTest::newRow("a byte order mark alone") << QByteArray("\xef\xbb\xbf") << false << 3;
    QTest::newRow("UTF-8 cut short in its last character")
        << QByteArray("山田,40,13\n名").chopped(1) << false << 0;
    QTest::newRow("Shift_JIS 名前") << name << true << 0;
    QTest::newRow("Shift_JIS after ASCII, CR LF") << "40,13\r\n" + name + ",40,13\r\n" << true << 0;
    QTest::newRow("Shift_JIS half-width katakana")
        << QByteArray("\xd4\xcf\xc0\xde,40,13") << true << 0;
    QTest::newRow("UTF-8 cut short before the end")
        << QByteArray("名前").left(2) + ",40" << true << 0;
    QTest::newRow("an encoded surrogate") << QByteArray("\xed\xa0\x80") << true << 0;
}

void PoolingTest::fileEncodingIsToldFromTheBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, shiftJis);
    QFETCH(int, skip);
    const FileTextStart start = FileEncodingOf(bytes.toStdString());
    QCOMPARE(start.encoding == FileEncoding::ShiftJis, shiftJis);
    QCOMPARE(start.skip, static_cast<std::size_t>(skip));
}

// One share of the fuzz run, with a generator of its own: the first input
// that gets a wrong answer, and how many lines were taken and refused.
struct FuzzOutcome {
    QString fault;
    int taken = 0;
    int refused = 0;
};

FuzzOutcome FuzzShare(std::uint64_t seed, int count) {
    // The class window's results too, for a sample: they cost more.
    constexpr int ResultsEvery = 1000;
    FuzzInputs inputs(seed);
    FuzzOutcome outcome;
    for (int input = 0; input < count; ++input) {
        const std::string text = inputs.next();
        const ClassPool pool = PoolClassText(text);
        QString fault = FaultIn(text, pool);
        if (fault.isEmpty() && input % ResultsEvery == 0) {
            const ClassResults results = ComputeClassResults(text);
            const std::size_t answers = pool.answers.size() + (pool.tooLarge ? 1 : 0);
            if (results.rows.size() != pool.lines.size() || results.answers.size() != answers ||
                !InsideItsScale(results.pooled) || !InsideItsScale(results.spread)) {
                fault = QStringLiteral("results differ from the pool or draw outside their figure");
            }
        }
        if (!fault.isEmpty()) {
            outcome.fault =
                QStringLiteral("seed %1, input %2: %3: %4")
                    .arg(seed)
                    .arg(input)
                    .arg(fault, QString::fromUtf8(
                                    QByteArray::fromStdString(text).left(200).toPercentEncoding()));
            return outcome;
        }
        outcome.taken += static_cast<int>(pool.lines.size());
        outcome.refused += pool.refusedLines;
    }
    return outcome;
}

void PoolingTest::everyLineOfAMillionFuzzedInputsGetsOneAnswer() {
    constexpr int Inputs = 1'000'000;
    // Two shares at once, each with its own seed, so that the sanitizer
    // build's long run takes both processors; fixed, so every machine runs
    // the same inputs.
    constexpr std::array<std::uint64_t, 2> Seeds = {20261209, 20261210};
    constexpr int PerShare = Inputs / static_cast<int>(Seeds.size());
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::future<FuzzOutcome>> shares;
    for (const std::uint64_t seed : Seeds) {
        shares.push_back(std::async(std::launch::async, FuzzShare, seed, PerShare));
    }
    int taken = 0;
    int refused = 0;
    for (std::future<FuzzOutcome>& share : shares) {
        const FuzzOutcome outcome = share.get();
        if (!outcome.fault.isEmpty()) {
            QFAIL(qPrintable(outcome.fault));
        }
        taken += outcome.taken;
        refused += outcome.refused;
    }
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    qInfo("%d inputs in %.1f s: %d lines taken, %d refused", Inputs, seconds, taken, refused);
    // The generator must reach both answers, or the run proves little.
    QVERIFY(taken > Inputs / 100);
    QVERIFY(refused > Inputs / 10);
}

QTEST_GUILESS_MAIN(PoolingTest)
#include "test_pooling.moc"
