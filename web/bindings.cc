// The bridge between the page and the program's rules: the page's JavaScript
// supplies the view, the timer, the cues, the message box, the windows and
// the program's end; the rules, the tally, the clock, the generator and the
// whole design of the windows are the very same C++ as the desktop program's.
#include "controller/main_controller.h"
#include "controller/services.h"
#include "design/form1_layout.h"
#include "design/graph_figure.h"
#include "design/help_page.h"
#include "design/surface_layouts.h"
#include "design/texts.h"
#include "design/units.h"
#include "engine/deck.h"
#include "engine/number_text.h"
#include "engine/tally.h"
#include "platform/splitmix_generator.h"
#include "platform/system_clock.h"

#include <array>
#include <cstdio>
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
    void enableButtons(const ButtonStates& enabled, Button focus) override {
        val states = val::array();
        for (const bool on : enabled) {
            states.call<void>("push", on);
        }
        m_page.call<void>("enableButtons", states, static_cast<int>(focus));
    }
    void focusButton(Button button) override {
        m_page.call<void>("focusButton", static_cast<int>(button));
    }
    void announce(const std::string& text) override { m_page.call<void>("announce", text); }
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
    void showGraph() override { m_page.call<void>("showGraph"); }
    void showHelp() override { m_page.call<void>("showHelp"); }

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

std::string CssColour(const Rgb& colour) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text.data();
}

// The page's windows are laid out in CSS pixels, which are 96-dpi pixels.
val Pixels(const TwipsRect& r) {
    val rect = val::object();
    rect.set("left", TwipsToPixels(r.left));
    rect.set("top", TwipsToPixels(r.top));
    rect.set("width", TwipsToPixels(r.width));
    rect.set("height", TwipsToPixels(r.height));
    return rect;
}

val Size(int widthTwips, int heightTwips) {
    val size = val::object();
    size.set("width", TwipsToPixels(widthTwips));
    size.set("height", TwipsToPixels(heightTwips));
    return size;
}

val Font(const FontSpec& font) {
    val face = val::object();
    face.set("points", font.points);
    face.set("bold", font.bold);
    return face;
}

val Rule(int x1, int x2, int y) {
    val rule = val::object();
    const int left = TwipsToPixels(std::min(x1, x2));
    rule.set("left", left);
    rule.set("width", TwipsToPixels(std::max(x1, x2)) - left);
    rule.set("top", TwipsToPixels(y));
    return rule;
}

template <typename Range> val Array(const Range& items) {
    val array = val::array();
    for (const auto& item : items) {
        array.call<void>("push", item);
    }
    return array;
}

const char* TextColourName(Form1Layout::TextColour colour) {
    switch (colour) {
    case Form1Layout::TextColour::WindowText:
        return "windowText";
    case Form1Layout::TextColour::ButtonText:
        return "buttonText";
    case Form1Layout::TextColour::Red:
        return "red";
    }
    return "windowText";
}

val MainWindowDesign() {
    using namespace Form1Layout;
    val main = val::object();
    main.set("title", std::string(Title));
    main.set("client", Size(ClientWidth, ClientHeight));
    val buttons = val::array();
    for (const Form1Layout::Button& designed : Buttons) {
        val button = val::object();
        button.set("caption", std::string(designed.caption));
        button.set("rect", Pixels(designed.rect));
        button.set("font", Font(designed.font));
        buttons.call<void>("push", button);
    }
    main.set("buttons", buttons);
    val labels = val::array();
    int number = 1;
    for (const Label& designed : Labels) {
        val label = val::object();
        label.set("caption", std::string(designed.caption));
        label.set("rect", Pixels(designed.rect));
        label.set("font", Font({LabelPointSize, designed.bold}));
        label.set("back", CssColour(designed.back));
        label.set("text", std::string(TextColourName(designed.text)));
        label.set("border", std::string(designed.border == Border::Sunken ? "sunken" : "flat"));
        label.set("rowName", std::string(designed.rowName));
        label.set("captionOfARow", CaptionOfARow(number++));
        labels.call<void>("push", label);
    }
    main.set("labels", labels);
    main.set("headingLabel", HeadingLabel);
    main.set("readingOrder", Array(ReadingOrder));
    main.set("numberLabels", Array(NumberLabels));
    main.set("card", Pixels(Card));
    val picture = val::object();
    picture.set("width", CardPictureWidth);
    picture.set("height", CardPictureHeight);
    main.set("cardPicture", picture);
    main.set("rule", Rule(ClientWidth, 0, Line1Y));
    main.set("timerIntervalMs", TimerIntervalMs);
    return main;
}

val SurfaceWindowDesign(const SurfaceWindowLayout& layout, const char* surfaceName) {
    val window = val::object();
    window.set("title", std::string(layout.title));
    window.set("client", Size(layout.clientWidth, layout.clientHeight));
    window.set("closeButton", Pixels(layout.closeButton));
    window.set("rule", Rule(layout.ruleLeft, layout.ruleRight, layout.ruleY));
    window.set("surface", Pixels(layout.surface));
    window.set("surfaceBorder", TwipsToPixels(SurfaceBorderTwips));
    window.set("surfaceBack", CssColour(layout.surfaceBack));
    window.set("surfaceName", std::string(surfaceName));
    return window;
}

val GraphDesign() {
    val graph = SurfaceWindowDesign(Form2Layout::Window, Form2Layout::SurfaceName);
    const UserScale& scale = GraphFigure::Scale;
    val userScale = val::object();
    userScale.set("left", scale.ScaleLeft);
    userScale.set("top", scale.ScaleTop);
    userScale.set("width", scale.ScaleWidth);
    userScale.set("height", scale.ScaleHeight);
    graph.set("scale", userScale);
    graph.set("font", Font(WindowFont));
    graph.set("description",
              std::string(GraphFigure::YAxisCaption) + std::string(GraphFigure::XAxisCaption));
    return graph;
}

val HelpDesign() {
    val help = SurfaceWindowDesign(Form4Layout::Window, Form4Layout::SurfaceName);
    help.set("font", Font(Form4Layout::Picture1Font));
    help.set("rows", HelpPage::RowCount());
    val printout = val::array();
    for (const HelpPage::PrintedLine& line : HelpPage::Printout()) {
        val printed = val::object();
        printed.set("row", line.row);
        printed.set("text", std::string(line.text));
        printout.call<void>("push", printed);
    }
    help.set("printout", printout);
    val lines = val::array();
    for (const std::string_view line : HelpPage::ReadingLines()) {
        lines.call<void>("push", std::string(line));
    }
    help.set("readingLines", lines);
    return help;
}

val TextsDesign() {
    val texts = val::object();
    // The boxes' texts reach the page through ask() and inform(); they are
    // here too so that the page's font holds their characters.
    texts.set("dialogTitle", std::string(Texts::DialogTitle));
    texts.set("exitQuestion", std::string(Texts::ExitQuestion));
    texts.set("historyFull", std::string(Texts::HistoryFull));
    texts.set("yes", std::string(Texts::Yes));
    texts.set("no", std::string(Texts::No));
    texts.set("ok", std::string(Texts::Ok));
    texts.set("close", std::string(CloseCaption));
    texts.set("copyResults", std::string(Texts::CopyResults));
    texts.set("copyResultsWithHeader", std::string(Texts::CopyResultsWithHeader));
    texts.set("copyGraph", std::string(Texts::CopyGraph));
    texts.set("shareResults", std::string(Texts::ShareResults));
    texts.set("shareGraph", std::string(Texts::ShareGraph));
    return texts;
}

// Everything the page builds its windows from, in CSS pixels.
val Design() {
    val design = val::object();
    design.set("main", MainWindowDesign());
    design.set("graph", GraphDesign());
    design.set("help", HelpDesign());
    design.set("texts", TextsDesign());
    design.set("windowFont", Font(WindowFont));
    design.set("red", CssColour(Colours::Red));
    val cardNames = val::array();
    for (int card = 1; card <= CardsInDeck; ++card) {
        cardNames.call<void>("push", Texts::CardName(card));
    }
    design.set("cardNames", cardNames);
    return design;
}

const char* StepKindName(GraphFigure::StepKind kind) {
    switch (kind) {
    case GraphFigure::StepKind::Line:
        return "line";
    case GraphFigure::StepKind::Point:
        return "point";
    case GraphFigure::StepKind::Text:
        return "text";
    }
    return "line";
}

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
    int trialCount() const { return m_tally.TrialCount(); }

    // What the graph shows, in words, for a screen reader.
    std::string graphDescription() const { return GraphDescription(m_tally); }

    // The graph's figure for the trials so far, step by step in user units.
    val graphFigure() const {
        val steps = val::array();
        for (const GraphFigure::Step& step :
             GraphFigure::Steps(m_tally.RatioHistory(), m_tally.TrialCount())) {
            val drawn = val::object();
            drawn.set("kind", std::string(StepKindName(step.kind)));
            drawn.set("x1", step.at.x);
            drawn.set("y1", step.at.y);
            drawn.set("x2", step.to.x);
            drawn.set("y2", step.to.y);
            drawn.set("colour",
                      CssColour(PaletteColours.at(static_cast<std::size_t>(step.colour))));
            drawn.set("text", std::string(step.text));
            steps.call<void>("push", drawn);
        }
        return steps;
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
        .function("trialCount", &WebProgram::trialCount)
        .function("graphFigure", &WebProgram::graphFigure)
        .function("graphDescription", &WebProgram::graphDescription);
    function("design", &Design);
    function("release", &Release);
    constant("answerYes", AnswerYes);
    constant("answerNo", AnswerNo);
}
