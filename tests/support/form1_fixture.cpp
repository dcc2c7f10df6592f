#include "tests/support/form1_fixture.h"

#include "platform/fonts.h"

Form1Fixture::Form1Fixture(const Replacements& r) {
    ApplyDefaultFont();
    form = std::make_unique<Form1>(
        tally, Form1Services{r.clock != nullptr ? *r.clock : clock,
                             r.generator != nullptr ? *r.generator : generator,
                             r.confirmation != nullptr ? *r.confirmation : confirmation, programEnd,
                             r.cues != nullptr ? *r.cues : cues});
    form->Form_Load();
}

void Form1Fixture::drawByHand(CardIndex card) {
    generator.values = {ScriptedGenerator::ValueFor(card)};
    form->Command2_Click();
    form->Timer1_Tick();
    form->Command1_Click();
}

void Form1Fixture::runToTheLimit() {
    while (form->state() == MainState::AutoRunning) {
        form->Timer1_Tick();
    }
}
