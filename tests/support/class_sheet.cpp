#include "tests/support/class_sheet.h"

#include "tests/support/controller_fixture.h"

#include <memory>

ClassSheet MakeClassSheet(int pupils) {
    ClassSheet sheet;
    for (int number = 1; number <= pupils; ++number) {
        auto pupil = std::make_unique<SeededExperiment>(SplitMixGenerator::DefaultState +
                                                        static_cast<std::uint64_t>(number));
        pupil->clock.seconds = 36000.0f + static_cast<float>(number);
        const std::string results = pupil->run(number == 1);
        const Tally& tally = pupil->tally;
        sheet.trials += tally.TrialCount();
        sheet.hits += tally.HitCount();
        for (std::size_t i = 0; i < Checkpoints.size(); ++i) {
            const auto byK = HitsByTrial(tally.RatioHistory(), tally.TrialCount(), Checkpoints[i]);
            sheet.byCheckpoint[i].push_back(static_cast<double>(*byK) / Checkpoints[i]);
        }
        const std::size_t header = results.find('\n');
        if (number == 1) {
            sheet.text += "名前\t" + results.substr(0, header) + "\r\n";
        }
        sheet.text += "生徒" + std::to_string(number) + '\t' + results.substr(header + 1) + "\r\n";
    }
    return sheet;
}

const ClassSheet& TheClass() {
    static const ClassSheet sheet = MakeClassSheet(ClassSheet::Size);
    return sheet;
}
