// The page's side of every outside service the rules call: each call is
// forwarded to the page's JavaScript object, to its method of the same name.
#pragma once

#include "controller/services.h"

#include <emscripten/val.h>
#include <functional>
#include <string>

// The exit question is answered later, through answer().
class PageServices final : public MainView,
                           public Timer,
                           public CuePlayer,
                           public Confirmation,
                           public ProgramEnd,
                           public Windows {
public:
    explicit PageServices(emscripten::val page);

    void showCard(CardIndex card) override;
    void showNumber(NumberBox box, const std::string& text) override;
    void setButtonEnabled(Button button, bool enabled) override;
    void focusButton(Button button) override;
    void announce(const std::string& text) override;
    void start() override;
    void stop() override;
    void PlayCue(const std::string& fileName) override;
    void ask(const std::string& text, const std::string& title,
             std::function<void(int)> answered) override;
    void inform(const std::string& text, const std::string& title) override;
    void end() override;
    void hideMain() override;
    void showMain() override;
    void showGraph() override;
    void showHelp() override;

    // The user's answer to the open question; ignored when none is open.
    void answer(int code);

private:
    emscripten::val m_page;
    std::function<void(int)> m_answered;
};
