#include "ui/class/class_file.h"

#include "platform/design_qt.h"
#include "pooling/class_pool.h"
#include "pooling/file_encoding.h"
#include "pooling/pooling_texts.h"

#include <QFile>
#include <QStringDecoder>
#include <string_view>

namespace {

// The name Qt's ICU converter knows Excel's Japanese encoding by.
constexpr const char* ShiftJisName = "Shift_JIS";

QString FileTooLargeText() {
    return QString::fromStdString(PoolingTexts::FileTooLargeText());
}

QString FileUnreadableText() {
    return ToQString(PoolingTexts::FileUnreadable);
}

} // namespace

QString DecodeClassFile(QByteArrayView bytes) {
    const FileTextStart start =
        FileEncodingOf(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
    const QByteArrayView body = bytes.sliced(static_cast<qsizetype>(start.skip));
    if (start.encoding == FileEncoding::ShiftJis) {
        QStringDecoder decoder(ShiftJisName);
        if (decoder.isValid()) {
            return decoder.decode(body);
        }
    }
    // UTF-8, or Shift_JIS where no converter is at hand: invalid bytes show
    // as replacement characters, and the lines holding them are refused.
    return QString::fromUtf8(body);
}

ClassFileText ReadClassFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, FileUnreadableText()};
    }
    // One byte over the limit tells a file too large even where its size is
    // not known beforehand (a pipe, a special file).
    const auto limit = static_cast<qint64>(MaxPastedBytes);
    if (file.size() > limit) {
        return {{}, FileTooLargeText()};
    }
    const QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        return {{}, FileTooLargeText()};
    }
    if (file.error() != QFileDevice::NoError) {
        return {{}, FileUnreadableText()};
    }
    return {DecodeClassFile(bytes), {}};
}
