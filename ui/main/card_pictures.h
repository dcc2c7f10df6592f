#pragma once

#include "engine/deck.h"

#include <QPixmap>
#include <QString>

// The embedded picture of card i (1..52): spades, clubs, hearts, diamonds,
// ace to king within each suit, so that picture i shows the card RankOf(i) counts.
QString CardPicturePath(CardIndex card);
QPixmap CardPicture(CardIndex card);
