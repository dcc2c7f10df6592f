// The runtime under the draw: the clock's reading of an instant, and the real
// generator under the draw's reseeding, where a million draws must be uniform
// over the 52 cards and over the pairs of successive draws; and the expected
// spread of a frequency, against experiments drawn the program's own way.
// The generator's start state is fixed, so these results are the same on every run.
#include "engine/deck.h"
#include "engine/spread.h"
#include "runtime/splitmix_generator.h"
#include "runtime/system_clock.h"
#include "tests/support/fakes.h"

#include <QtTest>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <set>
#include <vector>

namespace {

constexpr int Draws = 1'000'000;
// Standard normal quantile for an upper tail of 0.001.
constexpr double Z999 = 3.090232;

// Wilson-Hilferty approximation of the chi-square quantile.
double ChiSquareCritical(int degreesOfFreedom) {
    const double k = degreesOfFreedom;
    const double a = 2.0 / (9.0 * k);
    return k * std::pow(1.0 - a + Z999 * std::sqrt(a), 3.0);
}

double ChiSquare(const std::vector<long>& observed, double expected) {
    double sum = 0.0;
    for (long count : observed) {
        const double d = static_cast<double>(count) - expected;
        sum += d * d / expected;
    }
    return sum;
}

// A clock that moves on one millisecond per reading, as the 1 ms timer does,
// reported in single precision close to midnight where a float resolves ~8 ms.
class SteppingClock final : public Clock {
public:
    float secondsSinceMidnight() override {
        const double now = m_start + 0.001 * static_cast<double>(m_readings++);
        return static_cast<float>(now);
    }

private:
    double m_start = 86399.0 - 0.001 * Draws;
    long m_readings = 0;
};

} // namespace

class DrawStatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void clockReadsTheLocalTimeOfDayWithItsFraction_data();
    void clockReadsTheLocalTimeOfDayWithItsFraction();
    void reseedWithTheSameReadingDoesNotRepeatTheCard();
    void drawsAreUniformAndIndependent_data();
    void drawsAreUniformAndIndependent();
    void spreadHalfWidth_data();
    void spreadHalfWidth();
    void aboutNinetyFivePercentOfExperimentsEndInsideTheSpread();
};

void DrawStatisticsTest::clockReadsTheLocalTimeOfDayWithItsFraction_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QByteArray>("utc");
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<float>("seconds");
    // Instants as UTC calendar times; POSIX zone strings need no time zone files.
    QTest::newRow("UTC midnight") << QByteArray("UTC0") << QByteArray("2026-12-08 00:00:00") << 0
                                  << 0.0f;
    QTest::newRow("UTC 10:00:00.250")
        << QByteArray("UTC0") << QByteArray("2026-12-08 10:00:00") << 250 << 36000.25f;
    QTest::newRow("Tokyo 10:00:00.500 is 01:00 UTC")
        << QByteArray("JST-9") << QByteArray("2026-12-08 01:00:00") << 500 << 36000.5f;
    QTest::newRow("Tokyo 23:59:59.750, the day's last second")
        << QByteArray("JST-9") << QByteArray("2026-12-08 14:59:59") << 750 << 86399.75f;
}

void DrawStatisticsTest::clockReadsTheLocalTimeOfDayWithItsFraction() {
    QFETCH(QByteArray, zone);
    QFETCH(QByteArray, utc);
    QFETCH(int, milliseconds);
    QFETCH(float, seconds);
    const QByteArray previous = qgetenv("TZ");
    qputenv("TZ", zone);
    tzset();
    std::tm calendar{};
    QVERIFY(strptime(utc.constData(), "%Y-%m-%d %H:%M:%S", &calendar) != nullptr);
    const auto instant = std::chrono::system_clock::from_time_t(timegm(&calendar)) +
                         std::chrono::milliseconds(milliseconds);
    const float read = SecondsSinceMidnight(instant);
    if (previous.isNull()) {
        qunsetenv("TZ");
    } else {
        qputenv("TZ", previous);
    }
    tzset();
    // As doubles: Qt compares floats only to about five digits.
    QCOMPARE(static_cast<double>(read), static_cast<double>(seconds));
}

void DrawStatisticsTest::reseedWithTheSameReadingDoesNotRepeatTheCard() {
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

void DrawStatisticsTest::drawsAreUniformAndIndependent_data() {
    QTest::addColumn<bool>("stepping");
    QTest::newRow("clock that never changes") << false;
    QTest::newRow("clock stepping 1 ms near midnight, in single precision") << true;
}

void DrawStatisticsTest::drawsAreUniformAndIndependent() {
    QFETCH(bool, stepping);
    FakeClock frozen;
    frozen.seconds = 43200.0f;
    SteppingClock steppingClock;
    Clock* clock = stepping ? static_cast<Clock*>(&steppingClock) : &frozen;
    SplitMixGenerator generator;

    std::vector<long> singles(CardsInDeck, 0);
    std::vector<long> pairs(static_cast<std::size_t>(CardsInDeck) * CardsInDeck, 0);
    int previous = -1;
    for (int i = 0; i < Draws; ++i) {
        const int card = DrawCard(*clock, generator);
        QVERIFY(card >= 1 && card <= CardsInDeck);
        ++singles[static_cast<std::size_t>(card - 1)];
        if (previous > 0) {
            ++pairs[static_cast<std::size_t>((previous - 1) * CardsInDeck + card - 1)];
        }
        previous = card;
    }

    const double single = ChiSquare(singles, static_cast<double>(Draws) / CardsInDeck);
    const double pair =
        ChiSquare(pairs, static_cast<double>(Draws - 1) / (CardsInDeck * CardsInDeck));
    qInfo("chi-square: cards %.1f (limit %.1f), pairs %.1f (limit %.1f)", single,
          ChiSquareCritical(CardsInDeck - 1), pair,
          ChiSquareCritical(CardsInDeck * CardsInDeck - 1));
    QVERIFY(single < ChiSquareCritical(CardsInDeck - 1));
    QVERIFY(pair < ChiSquareCritical(CardsInDeck * CardsInDeck - 1));
}

void DrawStatisticsTest::spreadHalfWidth_data() {
    QTest::addColumn<int>("trials");
    QTest::addColumn<double>("halfWidth");
    QTest::newRow("10 trials") << 10 << 0.2919;
    QTest::newRow("100 trials") << 100 << 0.0923;
    QTest::newRow("1000 trials") << 1000 << 0.0292;
}

void DrawStatisticsTest::spreadHalfWidth() {
    QFETCH(int, trials);
    QFETCH(double, halfWidth);
    QCOMPARE(std::round(SpreadHalfWidth(trials) * 1e4) / 1e4, halfWidth);
    const SpreadBand band = SpreadBandAt(trials);
    QCOMPARE(band.high - band.low, 2.0 * SpreadHalfWidth(trials));
    QCOMPARE((band.low + band.high) / 2.0, TheoreticalRatio());
}

void DrawStatisticsTest::aboutNinetyFivePercentOfExperimentsEndInsideTheSpread() {
    constexpr int Experiments = 10'000;
    constexpr int Trials = 1000;
    FakeClock clock;
    clock.seconds = 43200.0f;
    SplitMixGenerator generator;
    const SpreadBand band = SpreadBandAt(Trials);
    int inside = 0;
    for (int experiment = 0; experiment < Experiments; ++experiment) {
        int hits = 0;
        for (int trial = 0; trial < Trials; ++trial) {
            hits += IsHit(RankOf(DrawCard(clock, generator))) ? 1 : 0;
        }
        const double ratio = static_cast<double>(hits) / Trials;
        inside += ratio >= band.low && ratio <= band.high ? 1 : 0;
    }
    const double share = static_cast<double>(inside) / Experiments;
    qInfo("%d of %d experiments ended inside %.4f..%.4f", inside, Experiments, band.low, band.high);
    QVERIFY(share >= 0.94 && share <= 0.97);
}

QTEST_GUILESS_MAIN(DrawStatisticsTest)
#include "test_draw_statistics.moc"
