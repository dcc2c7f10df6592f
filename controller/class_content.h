#pragma once

#include "controller/services.h"
#include "design/graph_figure.h"

#include <string>
#include <string_view>
#include <vector>

// What the class window shows for the text in its box, computed in plain C++
// so that the desktop window and the page show the very same results.

// A line taken, as the table shows it.
struct ClassTableRow {
    std::string label; // the line's label, or its line number where it has none
    std::string trials;
    std::string hits;
    std::string ratio;
};

// A figure's drawing steps in its surface's user units, and what it shows in
// words for a screen reader. Text steps point at static texts only, so the
// figure can be copied freely.
struct ClassFigure {
    UserScale scale;
    std::vector<GraphFigure::Step> steps;
    std::string description;
};

struct ClassResults {
    // The totals beside the theoretical probability.
    std::string totals;
    std::vector<ClassTableRow> rows;
    // The answer to every non-blank line in order (taken, passed over, or
    // refused with its line number and reason) up to the line where reading
    // stops at a limit, or the one answer to text that is too large.
    std::vector<std::string> answers;
    // Said once when the results settle, e.g. "35人、35000回、３の倍数
    // 10771枚、割合 0.3077429、読めない行 1".
    std::string announcement;
    // 集計をコピー: a header, a row per line taken and a totals row, tab-separated.
    std::string summaryText;
    // The pooled frequency after each line against the cumulative trials.
    ClassFigure pooled;
    // A column of dots per checkpoint with the expected spread beside it.
    ClassFigure spread;
};

// Reads the text (UTF-8) and pools the lines it takes.
ClassResults ComputeClassResults(std::string_view text);

// What the class window's front-end supplies.
class ClassView {
public:
    virtual ~ClassView() = default;
    virtual void showResults(const ClassResults& results) = 0;
    // Tells a screen reader once, without moving the focus.
    virtual void announce(const std::string& text) = 0;
};

// How often at most the results follow the text as it changes.
inline constexpr int ClassRecomputeMilliseconds = 250;

// Follows the text box: a change starts the timer (ticking every
// ClassRecomputeMilliseconds); a tick after a change recomputes and shows the
// results; the first tick with no change since stops the timer and announces
// the settled results once. Typing fast thus recomputes a few times a
// second at most, and a screen reader hears one summary.
class ClassWindowController {
public:
    ClassWindowController(Timer& timer, ClassView& view);
    void textChanged(std::string text);
    void tick();
    // The results on view (empty text's before the first change).
    const ClassResults& results() const { return m_results; }

private:
    Timer& m_timer;
    ClassView& m_view;
    std::string m_text;
    bool m_changed = false;
    bool m_running = false;
    ClassResults m_results;
};
