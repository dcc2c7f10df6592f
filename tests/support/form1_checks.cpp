#include "tests/support/form1_checks.h"

#include <array>

namespace {

struct Expected {
    Form1State state;
    const char* commands; // E or D for Command1..Command8
    bool timer;
    int runMode;
};

constexpr std::array<Expected, 5> States = {{
    {Form1State::Idle, "DEEEDDDE", false, -1},
    {Form1State::Shuffling, "EDDDDDDD", true, -1},
    {Form1State::Stopped, "DEEEDEEE", false, -1},
    {Form1State::AutoRunning, "DDDDEDDD", true, 1},
    {Form1State::Finished, "DDEDDEEE", false, -1},
}};

} // namespace

std::optional<Form1State> ObservedState(Form1& form) {
    QByteArray commands;
    for (int n = 1; n <= 8; ++n) {
        commands += form.command(n).isEnabled() ? 'E' : 'D';
    }
    for (const Expected& e : States) {
        if (commands == e.commands && form.Timer1.isActive() == e.timer &&
            form.RunMode == e.runMode) {
            return e.state;
        }
    }
    return std::nullopt;
}

QList<int> VisibleCards(Form1& form) {
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
