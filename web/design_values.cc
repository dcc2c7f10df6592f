#include "web/design_values.h"

#include "controller/class_content.h"
#include "design/class_figures.h"
#include "design/class_window.h"
#include "design/cues.h"
#include "design/form1_layout.h"
#include "design/help_page.h"
#include "design/surface_layouts.h"
#include "design/texts.h"
#include "design/units.h"
#include "engine/deck.h"
#include "pooling/class_pool.h"
#include "pooling/pooling_texts.h"

#include <array>
#include <cstdio>
#include <string>

using emscripten::val;

namespace {

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
    const PixelRule pixels = RulePixels(x1, x2, y);
    val rule = val::object();
    rule.set("left", pixels.left);
    rule.set("width", pixels.width);
    rule.set("top", pixels.top);
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
    texts.set("showSpread", std::string(Texts::ShowSpread));
    texts.set("showEarlier", std::string(Texts::ShowEarlier));
    texts.set("shareResults", std::string(Texts::ShareResults));
    texts.set("shareGraph", std::string(Texts::ShareGraph));
    return texts;
}

val Captioned(const Form5Layout::Button& button) {
    val value = val::object();
    value.set("caption", std::string(button.caption));
    value.set("rect", Pixels(button.rect));
    return value;
}

// The class window: its controls in CSS pixels, its texts, and every text the
// pooling may answer with, so that the page's font holds their characters.
val ClassWindowDesign() {
    namespace L = Form5Layout;
    val window = val::object();
    window.set("title", std::string(L::Title));
    window.set("client", Size(L::ClientWidth, L::ClientHeight));
    window.set("font", Font(L::Font));
    val buttons = val::object();
    buttons.set("openFile", Captioned(L::OpenFile));
    buttons.set("copySummary", Captioned(L::CopySummary));
    buttons.set("copyFigures", Captioned(L::CopyFigures));
    buttons.set("close", Captioned(L::Close));
    window.set("buttons", buttons);
    window.set("rule", Rule(L::RuleLeft, L::RuleRight, L::RuleY));
    window.set("pasteCaption", std::string(L::PasteCaption));
    window.set("pasteCaptionRect", Pixels(L::PasteCaptionRect));
    window.set("pasteBox", Pixels(L::PasteBox));
    window.set("totals", Pixels(L::Totals));
    window.set("takenLines", Pixels(L::TakenLines));
    window.set("takenLinesName", std::string(L::TakenLinesName));
    window.set("answers", Pixels(L::Answers));
    window.set("answersName", std::string(L::AnswersName));
    window.set("pooledSurface", Pixels(L::PooledSurface));
    window.set("pooledName", std::string(L::PooledName));
    window.set("spreadSurface", Pixels(L::SpreadSurface));
    window.set("spreadName", std::string(L::SpreadName));
    window.set("surfaceBorder", TwipsToPixels(SurfaceBorderTwips));
    window.set("recomputeMs", ClassRecomputeMilliseconds);
    window.set("maxFileBytes", static_cast<double>(MaxPastedBytes));

    val texts = val::object();
    texts.set("menuItem", std::string(ClassTexts::MenuItem));
    texts.set("shareSummary", std::string(ClassTexts::ShareSummary));
    texts.set("labelColumn", std::string(ClassTexts::LabelColumn));
    texts.set("trialsColumn", std::string(ClassTexts::TrialsColumn));
    texts.set("hitsColumn", std::string(ClassTexts::HitsColumn));
    texts.set("ratioColumn", std::string(ClassTexts::RatioColumn));
    texts.set("totalsRow", std::string(ClassTexts::TotalsRow));
    texts.set("openFileTitle", std::string(ClassTexts::OpenFileTitle));
    texts.set("fileFilter", std::string(ClassTexts::FileFilter));
    texts.set("fileTooLarge", PoolingTexts::FileTooLargeText());
    texts.set("fileUnreadable", std::string(PoolingTexts::FileUnreadable));
    window.set("texts", texts);

    using namespace PoolingTexts;
    const std::array<std::string_view, 32> messages = {
        TooLarge,
        Taken,
        SameAsEarlier,
        PassedOver,
        Refused,
        ColumnCount,
        NotWholeNumber,
        NotDecimal,
        TrialsOutOfRange,
        HitsExceedTrials,
        RatioMismatch,
        TheoryMismatch,
        CheckpointNotReached,
        CheckpointAboveTrial,
        CheckpointBelowEarlier,
        CheckpointAboveEarlierByMore,
        CheckpointAboveTotal,
        CheckpointBelowPossible,
        OverLineLimit,
        OverReadLimit,
        PoolingTexts::TrialsColumn,
        PoolingTexts::HitsColumn,
        PoolingTexts::RatioColumn,
        TheoryColumn,
        CheckpointColumn,
        NothingTaken,
        TotalsTheory,
        LineName,
        SummaryCounts,
        SummaryRefused,
        ClassFigures::PooledXAxisCaption,
        ClassFigures::NoCheckpoints,
    };
    val shown = val::array();
    for (const std::string_view message : messages) {
        shown.call<void>("push", std::string(message));
    }
    window.set("messages", shown);
    return window;
}

constexpr std::size_t NumbersPerStep = 6;

float StepKindNumber(GraphFigure::StepKind kind) {
    switch (kind) {
    case GraphFigure::StepKind::Line:
        return 0;
    case GraphFigure::StepKind::Point:
        return 1;
    case GraphFigure::StepKind::Text:
        return 2;
    }
    return 0;
}

} // namespace

val Design() {
    val design = val::object();
    design.set("main", MainWindowDesign());
    design.set("graph", GraphDesign());
    design.set("help", HelpDesign());
    design.set("classWindow", ClassWindowDesign());
    design.set("texts", TextsDesign());
    design.set("windowFont", Font(WindowFont));
    design.set("red", CssColour(Colours::Red));
    val cardNames = val::array();
    for (int card = 1; card <= CardsInDeck; ++card) {
        cardNames.call<void>("push", Texts::CardName(card));
    }
    design.set("cardNames", cardNames);
    design.set("cues", Array(std::array<std::string, 2>{InitCue, ExitCue}));
    return design;
}

val PackedFigure(const std::vector<GraphFigure::Step>& steps) {
    std::vector<float> numbers;
    numbers.reserve(steps.size() * NumbersPerStep);
    val texts = val::array();
    for (const GraphFigure::Step& step : steps) {
        numbers.insert(numbers.end(), {StepKindNumber(step.kind), step.at.x, step.at.y, step.to.x,
                                       step.to.y, static_cast<float>(step.colour)});
        if (step.kind == GraphFigure::StepKind::Text) {
            texts.call<void>("push", std::string(step.text));
        }
    }
    val palette = val::array();
    for (const Rgb& colour : PaletteColours) {
        palette.call<void>("push", CssColour(colour));
    }
    val figure = val::object();
    figure.set("numbers",
               val::global("Float32Array")
                   .new_(val(emscripten::typed_memory_view(numbers.size(), numbers.data()))));
    figure.set("texts", texts);
    figure.set("palette", palette);
    return figure;
}
