#include "tests/support/form1_checks.h"

#include "tests/support/controller_fixture.h"
#include "ui/main/card_pictures.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

std::optional<MainState> ObservedState(const Form1& form) {
    ButtonStates enabled{};
    for (std::size_t i = 0; i < enabled.size(); ++i) {
        enabled[i] = form.command(static_cast<int>(i + 1)).isEnabled();
    }
    return StateOf(enabled, form.timerActive());
}

QList<int> VisibleCards(const Form1& form) {
    static const QList<QImage> pictures = [] {
        QList<QImage> all;
        for (CardIndex card = 1; card <= CardsInDeck; ++card) {
            all << CardPicture(card).toImage();
        }
        return all;
    }();
    QList<int> visible;
    if (form.cardPicture().isHidden()) {
        return visible;
    }
    const QImage shown = form.cardPicture().pixmap().toImage();
    for (int card = 1; card <= CardsInDeck; ++card) {
        if (shown == pictures.at(card - 1)) {
            visible << card;
        }
    }
    return visible;
}

QString Trimmed(const QLabel& label) {
    return label.text().trimmed();
}

QPushButton& CommandButton(Form1& form, int number) {
    auto* button = form.findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
    Q_ASSERT(button != nullptr);
    return *button;
}

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
