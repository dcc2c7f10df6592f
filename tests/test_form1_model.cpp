// Random sequences of clicks and ticks, from fixed seeds: after every event
// the main window must be in one of its five states with consistent counters.
#include "engine/number_text.h"
#include "platform/generator.h"
#include "tests/support/form1_checks.h"
#include "tests/support/form1_fixture.h"

#include <QtTest>
#include <random>
#include <set>

namespace {

constexpr int EventsPerSeed = 6000;

} // namespace

class Form1ModelTest : public QObject {
    Q_OBJECT
private slots:
    void randomEventsKeepTheWindowConsistent_data();
    void randomEventsKeepTheWindowConsistent();
};

void Form1ModelTest::randomEventsKeepTheWindowConsistent_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("warmUpTrials");
    // Rows that start close to the automatic limit reach Finished as well.
    QTest::newRow("seed 1, from start") << 1u << 0;
    QTest::newRow("seed 2, from start") << 2u << 0;
    QTest::newRow("seed 3, from 999 trials") << 3u << 999;
    QTest::newRow("seed 4, from 999 trials") << 4u << 999;
}

void Form1ModelTest::randomEventsKeepTheWindowConsistent() {
    QFETCH(unsigned, seed);
    QFETCH(int, warmUpTrials);
    Form1Fixture f;
    if (warmUpTrials > 0) {
        f.form->Command4_Click();
        for (int tick = 0; tick < warmUpTrials; ++tick) {
            f.generator.values = {static_cast<float>(tick % 52) / 52.0f};
            f.form->Timer1_Tick();
        }
        f.form->Command5_Click();
    }
    std::set<Form1State> visited;
    std::mt19937 events(seed);
    std::uniform_real_distribution<float> unit(0.0f, std::nextafter(1.0f, 0.0f));
    f.confirmation.answer = AnswerNo;
    f.form->show();
    std::array<int, 10> counts{};

    for (int i = 0; i < EventsPerSeed; ++i) {
        QList<int> choices; // 1..8 buttons, 9 a tick
        // Initialisation is rarer than the other buttons, so that runs grow
        // long enough to reach the automatic limit; ticks come far more often
        // than clicks while the timer runs.
        for (int n = 1; n <= 8; ++n) {
            if (f.form->command(n).isEnabled()) {
                choices.append(QList<int>(n == 6 ? 1 : 4, n));
            }
        }
        if (f.form->Timer1.isActive()) {
            choices.append(QList<int>(32, 9));
        }
        QVERIFY(!choices.isEmpty());
        const int choice = choices.at(static_cast<int>(events() % choices.size()));
        ++counts.at(static_cast<std::size_t>(choice));
        const bool wasShuffling = f.form->state() == Form1State::Shuffling;
        const int shownBefore = VisibleCards(*f.form).value(0);
        f.generator.values = {unit(events)};

        if (choice == 9) {
            f.form->Timer1_Tick();
        } else {
            f.form->command(choice).click();
        }
        if (choice == 7) {
            QVERIFY(f.form->isHidden());
            f.form->graphWindow()->Command1_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(f.form->isVisible());
        }

        const auto state = ObservedState(*f.form);
        QVERIFY2(state.has_value(), qPrintable(QStringLiteral("event %1: no known state").arg(i)));
        QCOMPARE(*state, f.form->state());
        visited.insert(*state);
        const QList<int> visible = VisibleCards(*f.form);
        QCOMPARE(visible.size(), 1);
        const std::int32_t trials = f.module.TrialCount;
        QVERIFY(f.form->HitCount >= 0 && f.form->HitCount <= trials);
        QCOMPARE(Trimmed(f.form->Label3), QString::number(trials));
        QCOMPARE(Trimmed(f.form->Label4), QString::number(f.form->HitCount));
        if (trials == 0) {
            QCOMPARE(f.form->Label6.text(), QString());
        } else {
            const float stored = f.module.RatioHistory[static_cast<std::size_t>(trials)];
            QCOMPARE(stored, static_cast<float>(static_cast<double>(f.form->HitCount) / trials));
            QCOMPARE(f.form->Label6.text(), QString::fromStdString(RatioText(stored)));
        }
        if (choice == 1 && wasShuffling) {
            // The card counted is the card that was on show, and it stays on show.
            QCOMPARE(visible.first(), shownBefore);
            QCOMPARE(f.form->CardRank, RankOf(static_cast<CardIndex>(shownBefore)));
        }
    }
    QCOMPARE(f.confirmation.questions.size(), counts[3]);
    QCOMPARE(visited.size(), warmUpTrials > 0 ? std::size_t{5} : std::size_t{4});
    QCOMPARE(f.programEnd.ends, 0);
    for (int n = 1; n <= 9; ++n) {
        QVERIFY2(counts.at(static_cast<std::size_t>(n)) > 0,
                 qPrintable(QStringLiteral("event %1 never happened").arg(n)));
    }
}

QTEST_MAIN(Form1ModelTest)
#include "test_form1_model.moc"
