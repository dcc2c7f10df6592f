// The deck rules, the draw and the tally with its texts.
#include "engine/deck.h"
#include "engine/number_text.h"
#include "engine/tally.h"
#include "tests/support/fakes.h"

#include <QtTest>
#include <cmath>
#include <set>

namespace {

const std::set<int> HitIndices = {3, 6, 9, 12, 16, 19, 22, 25, 29, 32, 35, 38, 42, 45, 48, 51};

// A tally driven the way the main window drives it.
struct TallyRig {
    Module1 module;
    std::int32_t HitCount = 0;
    Rank CardRank = 0;
    TrialOutcome manual(CardIndex card) {
        return RecordManualTrial(module, {HitCount, CardRank}, card);
    }
    TrialOutcome automatic(CardIndex card) {
        return RecordAutoTrial(module, {HitCount, CardRank}, card);
    }
};

constexpr CardIndex AHit = 3;  // three of spades
constexpr CardIndex AMiss = 1; // ace of spades

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
    void reseedWithTheSameReadingDoesNotRepeatTheCard();
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

void EngineTest::reseedWithTheSameReadingDoesNotRepeatTheCard() {
    SplitMixGenerator generator;
    FakeClock clock;
    clock.seconds = 86399.0f;
    std::set<int> cards;
    for (int i = 0; i < 20; ++i) {
        cards.insert(DrawCard(clock, generator));
    }
    // Twenty draws on one clock reading: a restarted sequence would give one card.
    QVERIFY2(cards.size() >= 10, "draws on the same clock reading repeat themselves");
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
    TallyRig rig;
    TrialOutcome last;
    for (int trial = 1; trial <= trials; ++trial) {
        last = rig.manual(trial <= hits ? AHit : AMiss);
    }
    QCOMPARE(QString::fromStdString(*last.texts.Label6), text);
    QCOMPARE(rig.module.RatioHistory[static_cast<std::size_t>(trials)],
             static_cast<float>(static_cast<double>(hits) / trials));
}

void EngineTest::firstManualHitAndMiss() {
    TallyRig hit;
    const TallyTexts reset = ResetTally(hit.module, hit.HitCount);
    QCOMPARE(*reset.Label3, std::string("0"));
    QCOMPARE(*reset.Label4, std::string("0"));
    QVERIFY(!reset.Label6);

    const TrialOutcome onHit = hit.manual(AHit);
    QCOMPARE(hit.module.TrialCount, 1);
    QCOMPARE(hit.HitCount, 1);
    QCOMPARE(hit.CardRank, Rank{3});
    QCOMPARE(hit.module.RatioHistory[1], 1.0f);
    QCOMPARE(*onHit.texts.Label3, std::string(" 1"));
    QCOMPARE(*onHit.texts.Label4, std::string(" 1"));
    QCOMPARE(*onHit.texts.Label6, std::string("1.0000000"));

    TallyRig miss;
    const TrialOutcome onMiss = miss.manual(AMiss);
    QCOMPARE(miss.module.TrialCount, 1);
    QCOMPARE(miss.HitCount, 0);
    QCOMPARE(*onMiss.texts.Label3, std::string(" 1"));
    QVERIFY2(!onMiss.texts.Label4, "a miss leaves the hit label as it was");
    QCOMPARE(*onMiss.texts.Label6, std::string("0.0000000"));
}

void EngineTest::automaticRunCountsExactlyTheLimit() {
    TallyRig rig;
    int expectedHits = 0;
    for (int tick = 1; tick <= AutoTrialLimit; ++tick) {
        const auto card = static_cast<CardIndex>(tick % CardsInDeck + 1);
        expectedHits += IsHit(RankOf(card)) ? 1 : 0;
        const TrialOutcome outcome = rig.automatic(card);
        QCOMPARE(outcome.result, TrialResult::Counted);
        QCOMPARE(rig.module.TrialCount, tick);
        QCOMPARE(*outcome.texts.Label3, std::to_string(tick));
    }
    QCOMPARE(rig.HitCount, expectedHits);

    const TrialOutcome ending = rig.automatic(AHit);
    QCOMPARE(ending.result, TrialResult::AutoLimitReached);
    QCOMPARE(rig.module.TrialCount, AutoTrialLimit);
    QCOMPARE(rig.HitCount, expectedHits);
    QVERIFY(!ending.texts.Label4);
    QCOMPARE(*ending.texts.Label3, std::string("1000"));
    QCOMPARE(rig.module.RatioHistory[AutoTrialLimit],
             static_cast<float>(static_cast<double>(expectedHits) / AutoTrialLimit));
    QCOMPARE(rig.module.RatioHistory[AutoTrialLimit + 1], 0.0f);
}

void EngineTest::countsContinueAcrossManualAndAutomaticTrials() {
    TallyRig rig;
    rig.manual(AHit);
    rig.manual(AMiss);
    const TrialOutcome automatic = rig.automatic(AHit);
    QCOMPARE(rig.module.TrialCount, 3);
    QCOMPARE(rig.HitCount, 2);
    QCOMPARE(*automatic.texts.Label4, std::string("2"));
    QCOMPARE(*automatic.texts.Label6, std::string("0.6666667"));
    int ticks = 0;
    while (rig.automatic(AMiss).result == TrialResult::Counted) {
        ++ticks;
    }
    QCOMPARE(ticks, AutoTrialLimit - 3);
    QCOMPARE(rig.module.TrialCount, AutoTrialLimit);
    QCOMPARE(rig.automatic(AHit).result, TrialResult::AutoLimitReached);
    // A manual trial is not bound by the automatic limit.
    QCOMPARE(rig.manual(AHit).result, TrialResult::Counted);
    QCOMPARE(rig.module.TrialCount, AutoTrialLimit + 1);
}

void EngineTest::resetKeepsTheHistoryBeyondTheNewCount() {
    TallyRig rig;
    rig.manual(AHit);
    rig.manual(AHit);
    rig.manual(AMiss);
    ResetTally(rig.module, rig.HitCount);
    QCOMPARE(rig.module.TrialCount, 0);
    QCOMPARE(rig.HitCount, 0);
    rig.manual(AMiss);
    QCOMPARE(rig.module.RatioHistory[1], 0.0f);
    QCOMPARE(rig.module.RatioHistory[2], 1.0f);
    QCOMPARE(rig.module.RatioHistory[3], 2.0f / 3.0f);
}

void EngineTest::trialCountPassesSixteenBits() {
    TallyRig rig;
    rig.module.TrialCount = 32766;
    rig.HitCount = 10000;
    rig.manual(AHit);
    const TrialOutcome outcome = rig.manual(AHit);
    QCOMPARE(rig.module.TrialCount, 32768);
    QCOMPARE(*outcome.texts.Label3, std::string(" 32768"));
    QCOMPARE(rig.module.RatioHistory[32768], static_cast<float>(10002.0 / 32768.0));
}

void EngineTest::fullHistoryRefusesAManualTrialAndChangesNothing() {
    TallyRig rig;
    rig.module.TrialCount = HistoryLastTrial - 1;
    rig.HitCount = 30000;
    QCOMPARE(rig.manual(AHit).result, TrialResult::Counted);
    QCOMPARE(rig.module.TrialCount, HistoryLastTrial);
    const float last = rig.module.RatioHistory[HistoryLastTrial];

    const TrialOutcome refused = rig.manual(AHit);
    QCOMPARE(refused.result, TrialResult::HistoryFull);
    QVERIFY(!refused.texts.Label3 && !refused.texts.Label4 && !refused.texts.Label6);
    QCOMPARE(rig.module.TrialCount, HistoryLastTrial);
    QCOMPARE(rig.HitCount, 30001);
    QCOMPARE(rig.module.RatioHistory[HistoryLastTrial], last);
    QCOMPARE(rig.module.RatioHistory.size(), std::size_t{HistoryLastTrial + 1});
}

QTEST_GUILESS_MAIN(EngineTest)
#include "test_engine.moc"
