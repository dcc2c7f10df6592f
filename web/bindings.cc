// The bridge between the page and the program's rules: the page's JavaScript
// supplies the view, the timer, the cues, the message box, the windows and
// the program's end; the rules, the tally, the clock and the generator are the
// very same C++ as the desktop program's.
#include "controller/main_controller.h"
#include "controller/services.h"
#include "engine/deck.h"
#include "engine/tally.h"
#include "platform/splitmix_generator.h"
#include "platform/system_clock.h"
#include "ui/help/help_text.h"

#include <algorithm>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <functional>
#include <string>
#include <utility>

using emscripten::val;

namespace {

// Forwards every service the rules call to the page object of the same
// method names. The exit question is answered later, through answer().
class PageServices final : public MainView,
                           public Timer,
                           public CuePlayer,
                           public Confirmation,
                           public ProgramEnd,
                           public Windows {
public:
    explicit PageServices(val page) : m_page(std::move(page)) {}

    void showCard(CardIndex card) override {
        m_page.call<void>("showCard", static_cast<int>(card));
    }
    void showNumber(NumberBox box, const std::string& text) override {
        m_page.call<void>("showNumber", static_cast<int>(box), text);
    }
    void enableButtons(const ButtonStates& enabled) override {
        val states = val::array();
        for (const bool on : enabled) {
            states.call<void>("push", on);
        }
        m_page.call<void>("enableButtons", states);
    }
    void focusButton(Button button) override {
        m_page.call<void>("focusButton", static_cast<int>(button));
    }
    void start() override { m_page.call<void>("startTimer"); }
    void stop() override { m_page.call<void>("stopTimer"); }
    void PlayCue(const std::string& fileName) override { m_page.call<void>("playCue", fileName); }
    void ask(const std::string& text, const std::string& title,
             std::function<void(int)> answered) override {
        m_answered = std::move(answered);
        m_page.call<void>("ask", text, title);
    }
    void inform(const std::string& text, const std::string& title) override {
        m_page.call<void>("inform", text, title);
    }
    void end() override { m_page.call<void>("end"); }
    void hideMain() override { m_page.call<void>("hideMain"); }
    void showMain() override { m_page.call<void>("showMain"); }
    void openGraph() override { m_page.call<void>("openGraph"); }
    void openHelp() override { m_page.call<void>("openHelp"); }

    // The user's answer to the open question; ignored when none is open.
    void answer(int code) {
        if (auto answered = std::exchange(m_answered, nullptr)) {
            answered(code);
        }
    }

private:
    val m_page;
    std::function<void(int)> m_answered;
};

// One run of the program: what the desktop's main() sets up, with the page
// in place of the windows.
class WebProgram {
public:
    explicit WebProgram(val page)
        : m_services(std::move(page)),
          m_controller(m_tally, {m_clock, m_generator, m_services, m_services, m_services,
                                 m_services, m_services, m_services}) {}

    void load() { m_controller.load(); }
    void takeCard() { m_controller.takeCard(); }
    void shuffle() { m_controller.shuffle(); }
    void quit() { m_controller.quit(); }
    void startAuto() { m_controller.startAuto(); }
    void stopAuto() { m_controller.stopAuto(); }
    void initialise() { m_controller.initialise(); }
    void openGraph() { m_controller.openGraph(); }
    void openHelp() { m_controller.openHelp(); }
    void tick() { m_controller.tick(); }
    void graphClosed() { m_controller.graphClosed(); }
    void helpClosed(bool byCloseButton) {
        m_controller.helpClosed(byCloseButton ? Closing::CloseButton : Closing::Frame);
    }
    void answer(int code) { m_services.answer(code); }
    std::string resultsText(bool withHeader) const { return m_controller.resultsText(withHeader); }
    MainState state() const { return m_controller.state(); }
    int drawnCard() const { return m_controller.DrawnCard(); }
    int trialCount() const { return m_tally.TrialCount(); }
    // A copy of the frequency history's elements 0..last (element 0 is unused).
    val ratioHistory(int last) const {
        const std::vector<float>& history = m_tally.RatioHistory();
        const auto count =
            std::min(history.size(), static_cast<std::size_t>(std::max(last, 0)) + 1);
        return val::global("Float32Array")
            .new_(val(emscripten::typed_memory_view(count, history.data())));
    }

private:
    Tally m_tally;
    SystemClock m_clock;
    SplitMixGenerator m_generator;
    PageServices m_services;
    MainController m_controller;
};

val HelpTextLines() {
    val lines = val::array();
    for (const std::string_view line : HelpLines) {
        lines.call<void>("push", std::string(line));
    }
    return lines;
}

int CardRank(int card) {
    return RankOf(static_cast<CardIndex>(card));
}

} // namespace

EMSCRIPTEN_BINDINGS(toranpu) {
    using namespace emscripten;
    enum_<MainState>("MainState")
        .value("Idle", MainState::Idle)
        .value("Shuffling", MainState::Shuffling)
        .value("Stopped", MainState::Stopped)
        .value("AutoRunning", MainState::AutoRunning)
        .value("Finished", MainState::Finished);
    class_<WebProgram>("Program")
        .constructor<val>()
        .function("load", &WebProgram::load)
        .function("takeCard", &WebProgram::takeCard)
        .function("shuffle", &WebProgram::shuffle)
        .function("quit", &WebProgram::quit)
        .function("startAuto", &WebProgram::startAuto)
        .function("stopAuto", &WebProgram::stopAuto)
        .function("initialise", &WebProgram::initialise)
        .function("openGraph", &WebProgram::openGraph)
        .function("openHelp", &WebProgram::openHelp)
        .function("tick", &WebProgram::tick)
        .function("graphClosed", &WebProgram::graphClosed)
        .function("helpClosed", &WebProgram::helpClosed)
        .function("answer", &WebProgram::answer)
        .function("resultsText", &WebProgram::resultsText)
        .function("state", &WebProgram::state)
        .function("drawnCard", &WebProgram::drawnCard)
        .function("trialCount", &WebProgram::trialCount)
        .function("ratioHistory", &WebProgram::ratioHistory);
    function("helpLines", &HelpTextLines);
    function("rankOf", &CardRank);
    constant("cardsInDeck", static_cast<int>(CardsInDeck));
    constant("autoTrialLimit", AutoTrialLimit);
    constant("answerYes", AnswerYes);
    constant("answerNo", AnswerNo);
}
