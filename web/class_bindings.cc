// The class window's bindings for the page: its results computed by the very
// same C++ as the desktop's, the page supplying the timer and the view, and
// the file encoding rule for the files the teacher opens.
#include "controller/class_content.h"
#include "pooling/file_encoding.h"
#include "web/design_values.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <string>
#include <utility>
#include <vector>

using emscripten::val;

namespace {

val ScaleValue(const UserScale& scale) {
    val value = val::object();
    value.set("left", scale.ScaleLeft);
    value.set("top", scale.ScaleTop);
    value.set("width", scale.ScaleWidth);
    value.set("height", scale.ScaleHeight);
    return value;
}

val FigureValue(const ClassFigure& figure) {
    val value = val::object();
    value.set("figure", PackedFigure(figure.steps));
    value.set("description", figure.description);
    value.set("scale", ScaleValue(figure.scale));
    return value;
}

val ResultsValue(const ClassResults& results) {
    val rows = val::array();
    for (const ClassTableRow& row : results.rows) {
        val value = val::object();
        value.set("label", row.label);
        value.set("trials", row.trials);
        value.set("hits", row.hits);
        value.set("ratio", row.ratio);
        rows.call<void>("push", value);
    }
    val answers = val::array();
    for (const std::string& answer : results.answers) {
        answers.call<void>("push", answer);
    }
    val value = val::object();
    value.set("totals", results.totals);
    value.set("rows", rows);
    value.set("answers", answers);
    value.set("announcement", results.announcement);
    value.set("summaryText", results.summaryText);
    value.set("pooled", FigureValue(results.pooled));
    value.set("spread", FigureValue(results.spread));
    return value;
}

// The page's side of the class window: its timer and its view, each call
// forwarded to the page's object, to its method of the same name.
class PageClassView final : public Timer, public ClassView {
public:
    explicit PageClassView(val page) : m_page(std::move(page)) {}
    void start() override { m_page.call<void>("start"); }
    void stop() override { m_page.call<void>("stop"); }
    void showResults(const ClassResults& results) override {
        m_page.call<void>("showResults", ResultsValue(results));
    }
    void announce(const std::string& text) override { m_page.call<void>("announce", text); }

private:
    val m_page;
};

class WebClassWindow {
public:
    explicit WebClassWindow(val page) : m_view(std::move(page)), m_controller(m_view, m_view) {}
    void textChanged(std::string text) { m_controller.textChanged(std::move(text)); }
    void tick() { m_controller.tick(); }
    val results() const { return ResultsValue(m_controller.results()); }

private:
    PageClassView m_view;
    ClassWindowController m_controller;
};

val ClassResultsOf(const std::string& text) {
    return ResultsValue(ComputeClassResults(text));
}

// A file's bytes as a Uint8Array, or as a string of one character a byte
// (as FileReader's readAsBinaryString gives them).
std::string BytesOf(const val& bytes) {
    if (bytes.isString()) {
        const std::wstring characters = bytes.as<std::wstring>();
        std::string text;
        text.reserve(characters.size());
        for (const wchar_t character : characters) {
            text += static_cast<char>(character & 0xFF);
        }
        return text;
    }
    const std::vector<unsigned char> numbers =
        emscripten::convertJSArrayToNumberVector<unsigned char>(bytes);
    return {numbers.begin(), numbers.end()};
}

val FileEncodingValue(const val& bytes) {
    const FileTextStart start = FileEncodingOf(BytesOf(bytes));
    val value = val::object();
    value.set("shiftJis", start.encoding == FileEncoding::ShiftJis);
    value.set("skip", static_cast<double>(start.skip));
    return value;
}

} // namespace

EMSCRIPTEN_BINDINGS(toranpu_class_window) {
    using namespace emscripten;
    class_<WebClassWindow>("ClassWindow")
        .constructor<val>()
        .function("textChanged", &WebClassWindow::textChanged)
        .function("tick", &WebClassWindow::tick)
        .function("results", &WebClassWindow::results);
    function("classResults", &ClassResultsOf);
    function("fileEncoding", &FileEncodingValue);
}
