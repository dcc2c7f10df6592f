#include "ui/main/card_pictures.h"

QString CardPicturePath(CardIndex card) {
    return QStringLiteral(":/cards/%1.bmp").arg(card, 2, 10, QLatin1Char('0'));
}

QPixmap CardPicture(CardIndex card) {
    return {CardPicturePath(card)};
}
