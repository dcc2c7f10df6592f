// The two shipped cue files: their format, length and fades, and that the
// generator still makes exactly these bytes.

#include "tests/support/folders.h"
#include "tools/wavgen/wav_synth.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int SampleRate = 44100;
constexpr double LongestCueSeconds = 1.5;
// The first and last 2 ms stay below this fraction of the loudest sample.
constexpr int EdgeSamples = SampleRate * 2 / 1000;
constexpr double EdgeLevel = 0.05;

// The parts of a canonical 44-byte-header PCM WAV file.
struct WavFile {
    QByteArray riff, wave, fmt, data;
    quint32 riffSize = 0, fmtSize = 0, dataSize = 0;
    quint16 formatTag = 0, channels = 0, blockAlign = 0, bitsPerSample = 0;
    quint32 sampleRate = 0, byteRate = 0;
    std::vector<qint16> samples;
};

WavFile Parse(const QByteArray& bytes) {
    WavFile wav;
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    wav.riff = bytes.mid(0, 4);
    wav.riffSize = qFromLittleEndian<quint32>(p + 4);
    wav.wave = bytes.mid(8, 4);
    wav.fmt = bytes.mid(12, 4);
    wav.fmtSize = qFromLittleEndian<quint32>(p + 16);
    wav.formatTag = qFromLittleEndian<quint16>(p + 20);
    wav.channels = qFromLittleEndian<quint16>(p + 22);
    wav.sampleRate = qFromLittleEndian<quint32>(p + 24);
    wav.byteRate = qFromLittleEndian<quint32>(p + 28);
    wav.blockAlign = qFromLittleEndian<quint16>(p + 32);
    wav.bitsPerSample = qFromLittleEndian<quint16>(p + 34);
    wav.data = bytes.mid(36, 4);
    wav.dataSize = qFromLittleEndian<quint32>(p + 40);
    for (qsizetype at = 44; at + 1 < bytes.size(); at += 2) {
        wav.samples.push_back(qFromLittleEndian<qint16>(p + at));
    }
    return wav;
}

QByteArray ReadAsset(const QString& name) {
    QFile file(QString::fromUtf8(ProjectSourceDir) + QStringLiteral("/assets/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

int PeakOf(std::vector<qint16>::const_iterator begin, std::vector<qint16>::const_iterator end) {
    int peak = 0;
    for (auto it = begin; it != end; ++it) {
        peak = std::max(peak, std::abs(static_cast<int>(*it)));
    }
    return peak;
}

} // namespace

class SoundFilesTest : public QObject {
    Q_OBJECT
private slots:
    void cueIsShortMonoPcm_data();
    void cueIsShortMonoPcm();
    void cueFadesInAndOut_data();
    void cueFadesInAndOut();
    void generatorReproducesTheShippedFiles_data();
    void generatorReproducesTheShippedFiles();
    void theTwoCuesDiffer();
};

void SoundFilesTest::cueIsShortMonoPcm_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("pinpon.wav") << QStringLiteral("pinpon.wav");
    QTest::newRow("endpinpon.wav") << QStringLiteral("endpinpon.wav");
}

void SoundFilesTest::cueIsShortMonoPcm() {
    QFETCH(QString, name);
    const QByteArray bytes = ReadAsset(name);
    QVERIFY2(bytes.size() > 44, qPrintable(name + " is missing or empty"));
    const WavFile wav = Parse(bytes);

    QCOMPARE(wav.riff, QByteArray("RIFF"));
    QCOMPARE(wav.riffSize, quint32(bytes.size() - 8));
    QCOMPARE(wav.wave, QByteArray("WAVE"));
    QCOMPARE(wav.fmt, QByteArray("fmt "));
    QCOMPARE(wav.fmtSize, quint32(16));
    QCOMPARE(wav.formatTag, quint16(1));
    QCOMPARE(wav.channels, quint16(1));
    QCOMPARE(wav.sampleRate, quint32(SampleRate));
    QCOMPARE(wav.bitsPerSample, quint16(16));
    QCOMPARE(wav.blockAlign, quint16(2));
    QCOMPARE(wav.byteRate, quint32(SampleRate * 2));
    QCOMPARE(wav.data, QByteArray("data"));
    QCOMPARE(wav.dataSize, quint32(bytes.size() - 44));

    const double seconds = static_cast<double>(wav.samples.size()) / SampleRate;
    QVERIFY2(seconds > 0.5 && seconds < LongestCueSeconds,
             qPrintable(QStringLiteral("lasts %1 s").arg(seconds)));
}

void SoundFilesTest::cueFadesInAndOut_data() {
    cueIsShortMonoPcm_data();
}

void SoundFilesTest::cueFadesInAndOut() {
    QFETCH(QString, name);
    const WavFile wav = Parse(ReadAsset(name));
    QVERIFY(wav.samples.size() > std::size_t{2} * EdgeSamples);
    const auto& s = wav.samples;

    const int peak = PeakOf(s.begin(), s.end());
    QVERIFY2(peak > 32767 / 4, "the cue is too quiet to be heard");
    QVERIFY(peak < 32767);
    QCOMPARE(s.front(), qint16(0));
    QCOMPARE(s.back(), qint16(0));
    QVERIFY(PeakOf(s.begin(), s.begin() + EdgeSamples) < EdgeLevel * peak);
    QVERIFY(PeakOf(s.end() - EdgeSamples, s.end()) < EdgeLevel * peak);
}

void SoundFilesTest::generatorReproducesTheShippedFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("generated");
    const auto bytes = [](const std::vector<std::uint8_t>& v) {
        return QByteArray(reinterpret_cast<const char*>(v.data()),
                          static_cast<qsizetype>(v.size()));
    };
    QTest::newRow("pinpon.wav") << QStringLiteral("pinpon.wav") << bytes(PinponWav());
    QTest::newRow("endpinpon.wav") << QStringLiteral("endpinpon.wav") << bytes(EndPinponWav());
}

void SoundFilesTest::generatorReproducesTheShippedFiles() {
    QFETCH(QString, name);
    QFETCH(QByteArray, generated);
    QVERIFY2(ReadAsset(name) == generated,
             qPrintable(name + " differs from the generator's output; run wavgen assets/"));
}

void SoundFilesTest::theTwoCuesDiffer() {
    const WavFile pinpon = Parse(ReadAsset(QStringLiteral("pinpon.wav")));
    const WavFile end = Parse(ReadAsset(QStringLiteral("endpinpon.wav")));
    QVERIFY(!pinpon.samples.empty());
    QVERIFY(pinpon.samples != end.samples);
}

QTEST_GUILESS_MAIN(SoundFilesTest)
#include "test_sound_files.moc"
