// The program's bindings for the page: one run of the rules, with the page's
// JavaScript supplying the view, the timer, the cues, the message box, the
// windows and the program's end; the rules, the tally, the clock, the
// generator and the design are the very same C++ as the desktop program's.
#include "controller/main_controller.h"
#include "design/graph_figure.h"
#include "design/texts.h"
#include "engine/tally.h"
#include "runtime/splitmix_generator.h"
#include "runtime/system_clock.h"
#include "web/design_values.h"
#include "web/page_services.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <string>
#include <utility>

using emscripten::val;

namespace {

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
        m_controller.helpClosed(byCloseButton ? ClosedBy::CloseButton : ClosedBy::Frame);
    }
    void answer(int code) { m_services.answer(code); }
    std::string resultsText(bool withHeader) const { return m_controller.resultsText(withHeader); }
    MainState state() const { return m_controller.state(); }

    // What the graph shows, in words, for a screen reader.
    std::string graphDescription() { return GraphDescription(m_controller.graphSources()); }

    // The graph's figure for the trials so far and what its choices add.
    val graphFigure() { return PackedFigure(GraphSteps(m_controller.graphSources())); }

    // The graph menu's two choices, held while the program runs.
    val graphChoices() {
        const GraphChoices& choices = m_controller.graphSources().choices;
        val on = val::object();
        on.set("spread", choices.spread);
        on.set("earlier", choices.earlier);
        return on;
    }
    void setGraphChoices(bool spread, bool earlier) {
        m_controller.graphSources().choices = {spread, earlier};
    }

private:
    Tally m_tally;
    SystemClock m_clock;
    SplitMixGenerator m_generator;
    PageServices m_services;
    MainController m_controller;
};

// The release the page is, from the release list, as the desktop's version.
std::string Release() {
    return TORANPU_RELEASE;
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
        .function("graphFigure", &WebProgram::graphFigure)
        .function("graphDescription", &WebProgram::graphDescription)
        .function("graphChoices", &WebProgram::graphChoices)
        .function("setGraphChoices", &WebProgram::setGraphChoices);
    function("design", &Design);
    function("release", &Release);
    constant("answerYes", AnswerYes);
    constant("answerNo", AnswerNo);
}
