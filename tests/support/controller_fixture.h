#pragma once

#include "controller/main_controller.h"
#include "controller/services.h"
#include "runtime/splitmix_generator.h"
#include "tests/support/fakes.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// Stands in for the main window's controls and windows: keeps what is on show.
class FakeMainWindow final : public MainView, public Timer, public Windows {
public:
    void showCard(CardIndex shown) override { card = shown; }
    void showNumber(NumberBox box, const std::string& value) override;
    void setButtonEnabled(Button button, bool on) override {
        enabled.at(static_cast<std::size_t>(button)) = on;
        buttonCalls << QStringLiteral("%1%2").arg(on ? '+' : '-').arg(static_cast<int>(button));
    }
    void focusButton(Button button) override {
        focused = button;
        buttonCalls << QStringLiteral("focus%1").arg(static_cast<int>(button));
    }
    void announce(const std::string& text) override {
        announcements << QString::fromStdString(text);
    }
    void start() override { timerRunning = true; }
    void stop() override { timerRunning = false; }
    void hideMain() override { mainVisible = false; }
    void showMain() override {
        mainVisible = true;
        ++mainShown;
    }
    void showGraph() override { graphOpen = true; }
    void showHelp() override { ++helpShown; }

    QString text(NumberBox box) const { return texts.at(static_cast<std::size_t>(box)); }
    bool isEnabled(Button button) const { return enabled.at(static_cast<std::size_t>(button)); }

    CardIndex card = 0;
    std::array<QString, 4> texts;
    // Every number written, as "box index=text", in order.
    QStringList numberWrites;
    ButtonStates enabled{};
    std::optional<Button> focused;
    // Every button enabled (+n), disabled (-n) or focused (focusn), in order.
    QStringList buttonCalls;
    QStringList announcements;
    bool timerRunning = false;
    bool mainVisible = true;
    int mainShown = 0;
    bool graphOpen = false;
    int helpShown = 0;
};

// The main window's rules over fakes, loaded as the program starts them.
struct ControllerFixture : FakeServices {
    ControllerFixture() { controller.load(); }

    // Shuffle, let one tick show the card, draw it: one trial by hand.
    void drawByHand(CardIndex card);
    // Ticks until the automatic run has stopped; returns the number of ticks.
    int runToTheLimit();

    FakeMainWindow window;
    MainController controller{
        tally, {clock, generator, window, cues, confirmation, programEnd, window, window}};
};

// One pupil's automatic run: the main window's rules over the real generator,
// started from a seed, as a class of them gives its results lines.
struct SeededExperiment : FakeServices {
    explicit SeededExperiment(std::uint64_t seed);
    // Runs to the automatic limit; returns the results line (after its header).
    std::string run(bool withHeader);

    SplitMixGenerator real;
    FakeMainWindow window;
    MainController controller{
        tally, {clock, real, window, cues, confirmation, programEnd, window, window}};
};

// The state that a configuration of buttons and timer belongs to, from a table
// written independently of the controller's own, so that the two can disagree.
std::optional<MainState> StateOf(const ButtonStates& enabled, bool timerRunning);
std::optional<MainState> ObservedState(const FakeMainWindow& window);
