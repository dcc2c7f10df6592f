#include "tests/support/controller_fixture.h"

#include <QByteArray>

namespace {

struct Expected {
    MainState state;
    const char* buttons; // E or D per button, in tab order
    bool timer;
};

constexpr std::array<Expected, 5> States = {{
    {MainState::Idle, "DEEEDDDE", false},
    {MainState::Shuffling, "EDDDDDDD", true},
    {MainState::Stopped, "DEEEDEEE", false},
    {MainState::AutoRunning, "DDDDEDDD", true},
    {MainState::Finished, "DDEDDEEE", false},
}};

} // namespace

void FakeMainWindow::showNumber(NumberBox box, const std::string& value) {
    const auto index = static_cast<std::size_t>(box);
    texts.at(index) = QString::fromStdString(value);
    numberWrites << QStringLiteral("%1=%2").arg(index).arg(texts.at(index));
}

void ControllerFixture::drawByHand(CardIndex card) {
    generator.values = {ScriptedGenerator::ValueFor(card)};
    controller.shuffle();
    controller.tick();
    controller.takeCard();
}

int ControllerFixture::runToTheLimit() {
    int ticks = 0;
    while (controller.state() == MainState::AutoRunning) {
        controller.tick();
        ++ticks;
    }
    return ticks;
}

SeededExperiment::SeededExperiment(std::uint64_t seed) : real(seed) {
    controller.load();
}

std::string SeededExperiment::run(bool withHeader) {
    controller.startAuto();
    while (controller.state() == MainState::AutoRunning) {
        controller.tick();
    }
    return controller.resultsText(withHeader);
}

std::optional<MainState> StateOf(const ButtonStates& enabled, bool timerRunning) {
    QByteArray buttons;
    for (bool on : enabled) {
        buttons += on ? 'E' : 'D';
    }
    for (const Expected& e : States) {
        if (buttons == e.buttons && timerRunning == e.timer) {
            return e.state;
        }
    }
    return std::nullopt;
}

std::optional<MainState> ObservedState(const FakeMainWindow& window) {
    return StateOf(window.enabled, window.timerRunning);
}
