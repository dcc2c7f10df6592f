#include "ui/main/card_pictures.h"

QString CardPicturePath(CardIndex card) {
    return QStringLiteral(":/cards/%1.bmp").arg(card, 2, 10, QLatin1Char('0'));
}

QPixmap CardPicture(CardIndex card) {
    QPixmap picture(CardPicturePath(card));
    // A build without the card resources still shows a blank card face.
    if (picture.isNull()) {
        picture = QPixmap(69, 93);
        picture.fill(Qt::white);
    }
    return picture;
}
