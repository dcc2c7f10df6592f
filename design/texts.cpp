#include "design/texts.h"

#include "design/form1_layout.h"

namespace Texts {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

constexpr std::string_view FrequencyName = "割合";
constexpr std::string_view Separator = "、";

// The two counts, each with its row's name.
std::string Counts(std::string_view trials, std::string_view hits) {
    return NumberBoxName(Form1Layout::TrialsRow, trials) + std::string(Separator) +
           NumberBoxName(Form1Layout::HitsRow, hits);
}

// ... and the frequency after a trial.
std::string Counts(std::string_view trials, std::string_view hits, std::string_view frequency) {
    return Counts(trials, hits) + std::string(Separator) + NumberBoxName(FrequencyName, frequency);
}

} // namespace

std::string DrawAnnouncement(int card, std::string_view trials, std::string_view hits,
                             std::string_view frequency) {
    return CardName(card) + "。" + Counts(trials, hits, frequency);
}

std::string RunEndAnnouncement(std::string_view trials, std::string_view hits,
                               std::string_view frequency) {
    return "自動の実験が終わりました。" + Counts(trials, hits, frequency);
}

std::string InitialisationAnnouncement(std::string_view trials, std::string_view hits) {
    return "初期化しました。" + Counts(trials, hits);
}

std::string GraphDescription(std::string_view trials, std::string_view frequency,
                             std::string_view theory) {
    std::string description;
    if (!frequency.empty()) {
        description = "実験回数 " + std::string(trials) + " 回" + std::string(Separator) +
                      NumberBoxName(FrequencyName, frequency) + std::string(Separator);
    }
    return description + NumberBoxName(Form1Layout::TheoryRow, theory);
}

std::string SpreadSentence(std::string_view low, std::string_view high, std::string_view trials) {
    return "ばらつきの目安: " + std::string(low) + "〜" + std::string(high) + "（" +
           std::string(trials) + " 回）";
}

std::string EarlierSentence(std::span<const ExperimentSummary> experiments) {
    std::string sentence = "前の実験 " + std::to_string(experiments.size()) + " 回分";
    for (std::size_t i = 0; i < experiments.size(); ++i) {
        sentence += i == 0 ? ": " : Separator;
        sentence +=
            experiments[i].trials + " 回 " + NumberBoxName(FrequencyName, experiments[i].frequency);
    }
    return sentence;
}

std::string WithSentence(const std::string& description, std::string_view sentence) {
    return description + "。" + std::string(sentence);
}

std::string CheckpointColumnName(int trial) {
    return std::to_string(trial) + "回目までに引いた３の倍数のカード枚数";
}

std::string CardName(int card) {
    const auto index = static_cast<CardIndex>(card);
    return std::string(SuitNames.at(static_cast<std::size_t>(SuitOf(index)))) + "の" +
           std::to_string(RankOf(index));
}

std::string NumberBoxName(std::string_view rowName, std::string_view value) {
    const std::string_view number = Trimmed(value);
    std::string name(rowName);
    if (!number.empty()) {
        name += ' ';
        name += number;
    }
    return name;
}

} // namespace Texts
