#pragma once

#include "engine/deck.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>

// What the main window's rules need from outside, declared here in plain C++
// so that any front-end (a desktop window, a web page, a test) can supply it.

// The eight buttons, in the keyboard's tab order.
enum class Button { Take, Shuffle, Exit, AutoStart, AutoStop, Initialise, Graph, Help };
inline constexpr std::size_t ButtonCount = 8;
// Whether each button is enabled, indexed by Button.
using ButtonStates = std::array<bool, ButtonCount>;

// The number boxes whose text changes at run time.
enum class NumberBox { Trials, Hits, Frequency, Theory };

// What the window shows: the card picture, the numbers and the buttons.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void showCard(CardIndex card) = 0;
    virtual void showNumber(NumberBox box, const std::string& text) = 0;
    // One button enabled or disabled, nothing else: the rules decide the
    // order in which the buttons change and the focus moves.
    virtual void setButtonEnabled(Button button, bool enabled) = 0;
    // Gives the keyboard focus to an enabled button.
    virtual void focusButton(Button button) = 0;
    // Tells a screen reader once, without moving the focus.
    virtual void announce(const std::string& text) = 0;
};

// The timer whose ticks shuffle and run the automatic draw.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
};

// Plays a sound cue file, named without a directory, from the working folder.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void PlayCue(const std::string& fileName) = 0;
};

// Answer codes of the confirmation box.
inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;

// The modal message boxes the rules ask and inform through.
class Confirmation {
public:
    virtual ~Confirmation() = default;
    // Buttons はい and いいえ, no icon, はい as default. `answered` receives
    // AnswerYes or AnswerNo once the user has chosen: before ask() returns
    // where the box can wait (a desktop), later where it cannot (a web page).
    virtual void ask(const std::string& text, const std::string& title,
                     std::function<void(int)> answered) = 0;
    // One OK button.
    virtual void inform(const std::string& text, const std::string& title) = 0;
};

// Ends the program at once, saving nothing.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void end() = 0;
};

// How a secondary window was closed: by its 閉じる button or by the window
// system's close control in its frame.
enum class ClosedBy { CloseButton, Frame };

// The program's windows as the main window's rules move them.
class Windows {
public:
    virtual ~Windows() = default;
    virtual void hideMain() = 0;
    // Makes the main window visible, brings it to the front and activates it.
    virtual void showMain() = 0;
    virtual void showGraph() = 0;
    virtual void showHelp() = 0;
};
