#include "design/texts.h"

namespace Texts {

namespace {

constexpr int RanksPerSuit = 13;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string CardName(int card) {
    // The pictures run ace to king within each suit's block.
    const int block = (card - 1) / RanksPerSuit;
    const int rank = (card - 1) % RanksPerSuit + 1;
    return std::string(SuitNames.at(static_cast<std::size_t>(block))) + "の" + std::to_string(rank);
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
