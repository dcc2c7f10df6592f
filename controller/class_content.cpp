#include "controller/class_content.h"

#include "design/class_figures.h"
#include "design/class_window.h"
#include "engine/deck.h"
#include "engine/number_text.h"
#include "engine/tally.h"
#include "pooling/class_pool.h"
#include "pooling/pooling_texts.h"

#include <utility>

namespace {

// A label is one field of a line, but a summary cell must not break the
// row it lies in.
std::string CellText(std::string_view text) {
    std::string cell(text);
    for (char& c : cell) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return cell;
}

void AddSummaryRow(std::string& summary, std::string_view label, std::string_view trials,
                   std::string_view hits, std::string_view ratio) {
    summary += CellText(label);
    for (const std::string_view cell : {trials, hits, ratio}) {
        summary += '\t';
        summary += cell;
    }
    summary += '\n';
}

ClassTableRow RowOf(const LineAnswer& answer) {
    const ClassLine& line = answer.reading.line;
    std::string label = line.label.empty() ? PoolingTexts::Filled(PoolingTexts::LineName,
                                                                  std::to_string(answer.lineNumber))
                                           : line.label;
    return {std::move(label), PlainNumberText(line.trials), PlainNumberText(line.hits),
            RatioText(StoredFrequency(line.hits, line.trials))};
}

ClassFigure PooledFigure(const ClassPool& pool) {
    std::vector<ClassFigures::Cumulative> afterEachLine;
    afterEachLine.reserve(pool.lines.size());
    ClassFigures::Cumulative sum;
    for (const ClassLine& line : pool.lines) {
        sum.trials += line.trials;
        sum.hits += line.hits;
        afterEachLine.push_back(sum);
    }
    return {ClassFigures::PooledScale, ClassFigures::PooledSteps(afterEachLine),
            ClassFigures::PooledDescription(std::to_string(pool.lines.size()),
                                            std::to_string(pool.trials), pool.ratioText,
                                            TheoreticalRatioText())};
}

ClassFigure SpreadFigure(const ClassPool& pool) {
    ClassFigures::RatiosByCheckpoint ratios;
    std::vector<ClassFigures::CheckpointSummary> reached;
    for (std::size_t i = 0; i < Checkpoints.size(); ++i) {
        const CheckpointSpread& spread = pool.checkpoints[i];
        ratios[i] = spread.ratios;
        if (!spread.ratios.empty()) {
            reached.push_back({PlainNumberText(Checkpoints[i]),
                               std::to_string(spread.ratios.size()), RatioText(spread.lowest),
                               RatioText(spread.highest)});
        }
    }
    return {ClassFigures::SpreadScale, ClassFigures::SpreadSteps(ratios),
            ClassFigures::SpreadDescription(reached)};
}

} // namespace

ClassResults ComputeClassResults(std::string_view text) {
    const ClassPool pool = PoolClassText(text);
    ClassResults results;
    results.totals = PoolingTexts::TotalsText(pool);
    results.announcement = PoolingTexts::SummaryText(pool);
    if (pool.tooLarge) {
        results.answers.push_back(PoolingTexts::TooLargeText());
    }
    results.answers.reserve(pool.answers.size());
    results.rows.reserve(pool.lines.size());
    for (const LineAnswer& answer : pool.answers) {
        results.answers.push_back(PoolingTexts::AnswerText(answer));
        if (answer.reading.verdict == LineVerdict::Taken) {
            results.rows.push_back(RowOf(answer));
        }
    }

    std::string& summary = results.summaryText;
    AddSummaryRow(summary, ClassTexts::LabelColumn, ClassTexts::TrialsColumn,
                  ClassTexts::HitsColumn, ClassTexts::RatioColumn);
    for (const ClassTableRow& row : results.rows) {
        AddSummaryRow(summary, row.label, row.trials, row.hits, row.ratio);
    }
    AddSummaryRow(summary, ClassTexts::TotalsRow, std::to_string(pool.trials),
                  std::to_string(pool.hits), pool.ratioText);

    results.pooled = PooledFigure(pool);
    results.spread = SpreadFigure(pool);
    return results;
}

ClassWindowController::ClassWindowController(Timer& timer, ClassView& view)
    : m_timer(timer), m_view(view), m_results(ComputeClassResults({})) {}

void ClassWindowController::textChanged(std::string text) {
    m_text = std::move(text);
    m_changed = true;
    if (!m_running) {
        m_running = true;
        m_timer.start();
    }
}

void ClassWindowController::tick() {
    // A tick the timer had queued before it stopped.
    if (!m_running) {
        return;
    }
    if (m_changed) {
        m_changed = false;
        m_results = ComputeClassResults(m_text);
        m_view.showResults(m_results);
        return;
    }
    m_running = false;
    m_timer.stop();
    m_view.announce(m_results.announcement);
}
