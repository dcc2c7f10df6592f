// Draws the 52 card pictures, the program's icon and a contact sheet for review:
//   cardgen <output-root>
// writes <root>/assets/cards/NN.bmp (the desktop's) and NN.png (the web page's),
// <root>/assets/icon.png, <root>/assets/icon.ico,
// <root>/assets/icons/hicolor-NN.png (menu icons), <root>/assets/icons/web-NN.png
// and web-maskable-512.png (the web edition's home-screen icons) and
// <root>/docs/contact-sheet.png.
#include "tools/cardgen/card_face.h"
#include "tools/cardgen/card_files.h"
#include "tools/cardgen/card_icon.h"

#include <QDir>
#include <QFile>
#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr std::array DesktopIconSizes{32, 48, 64, 128, 256};
// An iPad's home screen (180) and a web app manifest's two (192, 512).
constexpr std::array WebIconSizes{180, 192, 512};
constexpr int WebMaskableIconSize = 512;

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cardgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writePng(const QString& path, const QImage& image) {
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cardgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: cardgen <output-root>\n", stderr);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* folder : {"assets/cards", "assets/icons", "docs"}) {
        if (!root.mkpath(QString::fromLatin1(folder))) {
            std::fprintf(stderr, "cardgen: cannot create %s\n", folder);
            return 1;
        }
    }

    bool ok = true;
    std::vector<QImage> faces;
    for (int suit = 0; suit < cardart::SuitCount; ++suit) {
        for (int rank = 1; rank <= cardart::RanksPerSuit; ++rank) {
            const auto s = static_cast<cardart::Suit>(suit);
            faces.push_back(cardart::drawCardFace(s, rank));
            const QString name = QStringLiteral("assets/cards/%1.")
                                     .arg(cardart::pictureNumber(s, rank), 2, 10, QLatin1Char('0'));
            ok = writeBytes(root.filePath(name + QStringLiteral("bmp")),
                            cardart::bmpFile(faces.back())) &&
                 ok;
            ok = writeBytes(root.filePath(name + QStringLiteral("png")),
                            cardart::pngFile(faces.back())) &&
                 ok;
        }
    }
    const QImage icon = cardart::drawIcon(cardart::IconSize);
    ok = writePng(root.filePath(QStringLiteral("assets/icon.png")), icon) && ok;
    ok = writeBytes(root.filePath(QStringLiteral("assets/icon.ico")), cardart::icoFile(icon)) && ok;
    for (int size : DesktopIconSizes) {
        const QString name = QStringLiteral("assets/icons/hicolor-%1.png").arg(size);
        ok = writePng(root.filePath(name), cardart::drawIcon(size)) && ok;
    }
    for (int size : WebIconSizes) {
        const QString name = QStringLiteral("assets/icons/web-%1.png").arg(size);
        ok = writePng(root.filePath(name), cardart::drawIcon(size)) && ok;
    }
    ok = writePng(root.filePath(
                      QStringLiteral("assets/icons/web-maskable-%1.png").arg(WebMaskableIconSize)),
                  cardart::drawMaskableIcon(WebMaskableIconSize)) &&
         ok;
    ok = writePng(root.filePath(QStringLiteral("docs/contact-sheet.png")),
                  cardart::drawContactSheet(faces)) &&
         ok;
    return ok ? 0 : 1;
}
