#include "tests/support/form1_checks.h"

#include "tests/support/controller_fixture.h"

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
    QList<int> visible;
    for (CardIndex card = 1; card <= CardsInDeck; ++card) {
        if (!form.toranpu(card).isHidden()) {
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
