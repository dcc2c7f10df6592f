#include "ui/main/accessible_text.h"

#include <QLabel>
#include <array>

namespace {

// In the order of the card pictures' blocks of 13.
const std::array<QString, 4> SuitNames = {QStringLiteral("スペード"), QStringLiteral("クローバ"),
                                          QStringLiteral("ハート"), QStringLiteral("ダイヤ")};

} // namespace

QString NumberBoxName(const QString& rowName, const QString& value) {
    const QString number = value.trimmed();
    return number.isEmpty() ? rowName : rowName + QLatin1Char(' ') + number;
}

void ShowNumber(QLabel& box, const QString& rowName, const QString& value) {
    box.setText(value);
    // Sends the accessibility event for the new name.
    box.setAccessibleName(NumberBoxName(rowName, value));
}

QString CardName(CardIndex card) {
    const auto suit = static_cast<std::size_t>((card - 1) / RanksPerSuit);
    return SuitNames.at(suit) + QStringLiteral("の") + QString::number(RankOf(card));
}
