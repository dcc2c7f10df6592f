// The deck rules, the draw and the tally with its texts.
#include "engine/deck.h"
#include "engine/earlier_experiments.h"
#include "engine/number_text.h"
#include "engine/tally.h"
#include "tests/support/fakes.h"
#include "tests/support/history.h"

#include <QtTest>
#include <cmath>
#include <set>

namespace {

const std::set<int> HitIndices = {3, 6, 9, 12, 16, 19, 22, 25, 29, 32, 35, 38, 42, 45, 48, 51};

constexpr CardIndex AHit = 3;  // three of spades
constexpr CardIndex AMiss = 1; // ace of spades

// Counts `trials` trials by hand, the first `hits` of them hits.
void CountByHand(Tally& tally, std::int32_t trials, std::int32_t hits) {
    for (std::int32_t trial = 1; trial <= trials; ++trial) {
        tally.RecordManualTrial(trial <= hits ? AHit : AMiss);
    }
}

} // namespace

class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void rankAndHitFollowTheDeckOrder_data();
    void rankAndHitFollowTheDeckOrder();
    void noCardHasRankZeroWhichCountsAsHit();
    void randomNumbersMapOntoAllCardsAndNoOthers_data();
    void randomNumbersMapOntoAllCardsAndNoOthers();
    void drawReseedsFromTheClockBeforeEveryDraw();
    void numberTexts_data();
    void numberTexts();
    void frequencyTextComesFromTheStoredSingle_data();
    void frequencyTextComesFromTheStoredSingle();
    void firstManualHitAndMiss();
    void automaticRunCountsExactlyTheLimit();
    void countsContinueAcrossManualAndAutomaticTrials();
    void resetKeepsTheHistoryBeyondTheNewCount();
    void trialCountPassesSixteenBits();
    void fullHistoryRefusesAManualTrialAndChangesNothing();
    void earlierExperimentsKeepTheLastNine_data();
    void earlierExperimentsKeepTheLastNine();
};

void EngineTest::rankAndHitFollowTheDeckOrder_data() {
    QTest::addColumn<int>("card");
    for (int card = 1; card <= CardsInDeck; ++card) {
        QTest::newRow(qPrintable(QStringLiteral("card %1").arg(card))) << card;
    }
}

void EngineTest::rankAndHitFollowTheDeckOrder() {
    QFETCH(int, card);
    const Rank rank = RankOf(static_cast<CardIndex>(card));
    QCOMPARE(rank, (card - 1) % RanksPerSuit + 1);
    QCOMPARE(IsHit(rank), HitIndices.count(card) == 1);
}

void EngineTest::noCardHasRankZeroWhichCountsAsHit() {
    QCOMPARE(RankOf(0), Rank{0});
    QVERIFY(IsHit(0));
    int hits = 0;
    for (CardIndex card = 1; card <= CardsInDeck; ++card) {
        hits += IsHit(RankOf(card)) ? 1 : 0;
    }
    QCOMPARE(hits, HitsInDeck);
}

void EngineTest::randomNumbersMapOntoAllCardsAndNoOthers_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("card");
    QTest::newRow("0 -> 1") << 0.0f << 1;
    QTest::newRow("largest below 1 -> 52") << std::nextafter(1.0f, 0.0f) << 52;
    QTest::newRow("1/52 -> 2") << 1.0f / 52.0f << 2;
    QTest::newRow("just below 1/52 -> 1") << std::nextafter(1.0f / 52.0f, 0.0f) << 1;
    QTest::newRow("0.5 -> 27") << 0.5f << 27;
}

void EngineTest::randomNumbersMapOntoAllCardsAndNoOthers() {
    QFETCH(float, r);
    QFETCH(int, card);
    QCOMPARE(CardFromRandom(r), static_cast<CardIndex>(card));
}

void EngineTest::drawReseedsFromTheClockBeforeEveryDraw() {
    FakeClock clock;
    ScriptedGenerator generator;
    generator.queueCards({12, 40});
    clock.seconds = 100.5f;
    QCOMPARE(DrawCard(clock, generator), CardIndex{12});
    clock.seconds = 100.75f;
    QCOMPARE(DrawCard(clock, generator), CardIndex{40});
    QCOMPARE(generator.seeds, (std::deque<float>{100.5f, 100.75f}));
}

void EngineTest::numberTexts_data() {
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    auto row = [](const char* name, const std::string& actual, const char* expected) {
        QTest::newRow(name) << QString::fromStdString(actual) << QString::fromLatin1(expected);
    };
    row("theoretical 16/52", TheoreticalRatioText(), "0.3076923");
    row("sign padded 5", SignPaddedText(5), " 5");
    row("sign padded 0", SignPaddedText(0), " 0");
    row("sign padded -5", SignPaddedText(-5), "-5");
    row("plain 5", PlainNumberText(5), "5");
    row("plain 100001", PlainNumberText(100001), "100001");
    row("ratio 0", RatioText(0.0), "0.0000000");
    row("ratio 1", RatioText(1.0), "1.0000000");
    row("spread bound 0.2785", SpreadBoundText(0.2785017), "0.2785");
    row("spread bound 0", SpreadBoundText(0.0), "0.0000");
}

void EngineTest::numberTexts() {
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void EngineTest::frequencyTextComesFromTheStoredSingle_data() {
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("trials");
    QTest::addColumn<QString>("text");
    QTest::newRow("1 of 3 -> 0.3333333") << 1 << 3 << "0.3333333";
    QTest::newRow("2 of 3 -> 0.6666667") << 2 << 3 << "0.6666667";
    QTest::newRow("6 of 11 -> 0.5454546 (double would give ...545)") << 6 << 11 << "0.5454546";
    QTest::newRow("16 of 52 -> 0.3076923") << 16 << 52 << "0.3076923";
}

void EngineTest::frequencyTextComesFromTheStoredSingle() {
    QFETCH(int, hits);
    QFETCH(int, trials);
    QFETCH(QString, text);
    Tally tally;
    TrialOutcome last;
    for (int trial = 1; trial <= trials; ++trial) {
        last = tally.RecordManualTrial(trial <= hits ? AHit : AMiss);
    }
    QCOMPARE(QString::fromStdString(*last.texts.frequency), text);
    QCOMPARE(tally.RatioHistory()[static_cast<std::size_t>(trials)],
             static_cast<float>(static_cast<double>(hits) / trials));
}

void EngineTest::firstManualHitAndMiss() {
    Tally hit;
    const TallyTexts reset = hit.ResetTally();
    QCOMPARE(*reset.trials, std::string("0"));
    QCOMPARE(*reset.hits, std::string("0"));
    QVERIFY(!reset.frequency);

    const TrialOutcome onHit = hit.RecordManualTrial(AHit);
    QCOMPARE(hit.TrialCount(), 1);
    QCOMPARE(hit.HitCount(), 1);
    QCOMPARE(hit.RatioHistory()[1], 1.0f);
    QCOMPARE(*onHit.texts.trials, std::string(" 1"));
    QCOMPARE(*onHit.texts.hits, std::string(" 1"));
    QCOMPARE(*onHit.texts.frequency, std::string("1.0000000"));

    Tally miss;
    const TrialOutcome onMiss = miss.RecordManualTrial(AMiss);
    QCOMPARE(miss.TrialCount(), 1);
    QCOMPARE(miss.HitCount(), 0);
    QCOMPARE(*onMiss.texts.trials, std::string(" 1"));
    QVERIFY2(!onMiss.texts.hits, "a miss leaves the hit count's display as it was");
    QCOMPARE(*onMiss.texts.frequency, std::string("0.0000000"));
}

void EngineTest::automaticRunCountsExactlyTheLimit() {
    Tally tally;
    int expectedHits = 0;
    for (int tick = 1; tick <= AutoTrialLimit; ++tick) {
        const auto card = static_cast<CardIndex>(tick % CardsInDeck + 1);
        expectedHits += IsHit(RankOf(card)) ? 1 : 0;
        const TrialOutcome outcome = tally.RecordAutoTrial(card);
        QCOMPARE(outcome.result, TrialResult::Counted);
        QCOMPARE(tally.TrialCount(), tick);
        QCOMPARE(*outcome.texts.trials, std::to_string(tick));
    }
    QCOMPARE(tally.HitCount(), expectedHits);

    const TrialOutcome ending = tally.RecordAutoTrial(AHit);
    QCOMPARE(ending.result, TrialResult::AutoLimitReached);
    QCOMPARE(tally.TrialCount(), AutoTrialLimit);
    QCOMPARE(tally.HitCount(), expectedHits);
    QVERIFY(!ending.texts.hits);
    QCOMPARE(*ending.texts.trials, std::string("1000"));
    QCOMPARE(tally.RatioHistory()[AutoTrialLimit],
             static_cast<float>(static_cast<double>(expectedHits) / AutoTrialLimit));
    QCOMPARE(tally.RatioHistory()[AutoTrialLimit + 1], 0.0f);
}

void EngineTest::countsContinueAcrossManualAndAutomaticTrials() {
    Tally tally;
    tally.RecordManualTrial(AHit);
    tally.RecordManualTrial(AMiss);
    const TrialOutcome automatic = tally.RecordAutoTrial(AHit);
    QCOMPARE(tally.TrialCount(), 3);
    QCOMPARE(tally.HitCount(), 2);
    QCOMPARE(*automatic.texts.hits, std::string("2"));
    QCOMPARE(*automatic.texts.frequency, std::string("0.6666667"));
    int ticks = 0;
    while (tally.RecordAutoTrial(AMiss).result == TrialResult::Counted) {
        ++ticks;
    }
    QCOMPARE(ticks, AutoTrialLimit - 3);
    QCOMPARE(tally.TrialCount(), AutoTrialLimit);
    QCOMPARE(tally.RecordAutoTrial(AHit).result, TrialResult::AutoLimitReached);
    // A manual trial is not bound by the automatic limit.
    QCOMPARE(tally.RecordManualTrial(AHit).result, TrialResult::Counted);
    QCOMPARE(tally.TrialCount(), AutoTrialLimit + 1);
}

void EngineTest::resetKeepsTheHistoryBeyondTheNewCount() {
    Tally tally;
    tally.RecordManualTrial(AHit);
    tally.RecordManualTrial(AHit);
    tally.RecordManualTrial(AMiss);
    tally.ResetTally();
    QCOMPARE(tally.TrialCount(), 0);
    QCOMPARE(tally.HitCount(), 0);
    tally.RecordManualTrial(AMiss);
    QCOMPARE(tally.RatioHistory()[1], 0.0f);
    QCOMPARE(tally.RatioHistory()[2], 1.0f);
    QCOMPARE(tally.RatioHistory()[3], 2.0f / 3.0f);
}

void EngineTest::trialCountPassesSixteenBits() {
    Tally tally;
    CountByHand(tally, 32766, 10000);
    tally.RecordManualTrial(AHit);
    const TrialOutcome outcome = tally.RecordManualTrial(AHit);
    QCOMPARE(tally.TrialCount(), 32768);
    QCOMPARE(*outcome.texts.trials, std::string(" 32768"));
    QCOMPARE(tally.RatioHistory()[32768], static_cast<float>(10002.0 / 32768.0));
}

void EngineTest::fullHistoryRefusesAManualTrialAndChangesNothing() {
    Tally tally;
    CountByHand(tally, HistoryLastTrial - 1, 30000);
    QCOMPARE(tally.RecordManualTrial(AHit).result, TrialResult::Counted);
    QCOMPARE(tally.TrialCount(), HistoryLastTrial);
    const float last = tally.RatioHistory()[HistoryLastTrial];

    const TrialOutcome refused = tally.RecordManualTrial(AHit);
    QCOMPARE(refused.result, TrialResult::HistoryFull);
    QVERIFY(!refused.texts.trials && !refused.texts.hits && !refused.texts.frequency);
    QCOMPARE(tally.TrialCount(), HistoryLastTrial);
    QCOMPARE(tally.HitCount(), 30001);
    QCOMPARE(tally.RatioHistory()[HistoryLastTrial], last);
    QCOMPARE(tally.RatioHistory().size(), std::size_t{HistoryLastTrial + 1});
}

void EngineTest::earlierExperimentsKeepTheLastNine_data() {
    QTest::addColumn<QList<int>>("experiments");
    QTest::addColumn<QList<int>>("kept");
    QTest::newRow("0 trials: nothing kept") << QList<int>{0} << QList<int>{};
    QTest::newRow("0 trials between two") << QList<int>{5, 0, 7} << QList<int>{5, 7};
    QTest::newRow("9 kept") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}
                            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::newRow("a 10th drops the oldest")
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 1000} << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 1000};
}

void EngineTest::earlierExperimentsKeepTheLastNine() {
    QFETCH(QList<int>, experiments);
    QFETCH(QList<int>, kept);
    Tally tally;
    EarlierExperiments earlier;
    for (const int trials : experiments) {
        tally.ResetTally();
        DrawInDeckOrder(tally, trials);
        earlier.keep(tally);
    }
    QList<int> found;
    for (const EarlierExperiment& experiment : earlier.experiments()) {
        found << experiment.trials;
        // Each frequency up to the last trial, as the tally held it.
        QCOMPARE(experiment.ratioHistory.size(), static_cast<std::size_t>(experiment.trials) + 1);
        QCOMPARE(experiment.ratioHistory.back(),
                 tally.RatioHistory()[experiment.ratioHistory.size() - 1]);
    }
    QCOMPARE(found, kept);
}

QTEST_GUILESS_MAIN(EngineTest)
#include "test_engine.moc"
