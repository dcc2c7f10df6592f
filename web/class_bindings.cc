// The class window's bindings for the page: its results computed by the very
// same C++ as the desktop's, the page supplying the timer and the view, and
// the file encoding rule for the files the teacher opens.
#include "controller/class_content.h"
#include "pooling/file_encoding.h"
#include "web/design_values.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <string>
#include <string_view>
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

// A JSON string: the text's characters as they are, with quotes,
// backslashes and control characters escaped.
void AppendJsonString(std::string& json, std::string_view text) {
    constexpr std::string_view Hex = "0123456789abcdef";
    json += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            json.append("\\u00").append(1, Hex[byte >> 4]).append(1, Hex[byte & 0xF]);
        } else {
            json += c;
        }
    }
    json += '"';
}

void AppendJsonField(std::string& json, std::string_view name, std::string_view text) {
    AppendJsonString(json, name);
    json += ':';
    AppendJsonString(json, text);
}

// Everything but the figures crosses into the page as one JSON text, parsed
// there: thousands of small strings would each be decoded on their own.
val ResultsValue(const ClassResults& results) {
    std::string json = "{";
    AppendJsonField(json, "totals", results.totals);
    json += ",\"rows\":[";
    for (const ClassTableRow& row : results.rows) {
        json += '{';
        AppendJsonField(json, "label", row.label);
        json += ',';
        AppendJsonField(json, "trials", row.trials);
        json += ',';
        AppendJsonField(json, "hits", row.hits);
        json += ',';
        AppendJsonField(json, "ratio", row.ratio);
        json += "},";
    }
    if (json.back() == ',') {
        json.pop_back();
    }
    json += "],\"answers\":[";
    for (const std::string& answer : results.answers) {
        AppendJsonString(json, answer);
        json += ',';
    }
    if (json.back() == ',') {
        json.pop_back();
    }
    json += "],";
    AppendJsonField(json, "announcement", results.announcement);
    json += ',';
    AppendJsonField(json, "summaryText", results.summaryText);
    json += '}';
    val value = val::global("JSON").call<val>("parse", json);
    value.set("pooled", FigureValue(results.pooled));
    value.set("spread", FigureValue(results.spread));
    return value;
}

// The page's text as UTF-8, encoded by the browser itself and copied in one go.
std::string Utf8Of(const val& text) {
    const val bytes = val::global("TextEncoder").new_().call<val>("encode", text);
    std::string utf8(bytes["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(utf8.size(), reinterpret_cast<unsigned char*>(utf8.data())))
        .call<void>("set", bytes);
    return utf8;
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
    void textChanged(const val& text) { m_controller.textChanged(Utf8Of(text)); }
    void tick() { m_controller.tick(); }
    val results() const { return ResultsValue(m_controller.results()); }

private:
    PageClassView m_view;
    ClassWindowController m_controller;
};

val ClassResultsOf(const val& text) {
    return ResultsValue(ComputeClassResults(Utf8Of(text)));
}

// A file's bytes as a Uint8Array, or as a string of one character a byte
// (as FileReader's readAsBinaryString gives them).
std::string BytesOf(const val& bytes) {
    if (bytes.isString()) {
        const auto characters = bytes.as<std::wstring>();
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
