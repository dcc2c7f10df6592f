#include "tests/support/form1_fixture.h"

#include "platform/fonts.h"

Form1Fixture::Form1Fixture(SoundControl& soundControl) {
    ApplyDefaultFont();
    form = std::make_unique<Form1>(
        module, Form1Services{clock, generator, confirmation, programEnd, soundControl});
    form->Form_Load();
}
