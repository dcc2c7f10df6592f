#pragma once

#include "engine/tally.h"
#include "tests/support/fakes.h"
#include "ui/main/form1.h"

#include <memory>

// A main window wired to fakes and loaded, as the program starts it. Its cues
// go to `sound`, which records them, or to a sound control the test passes.
struct Form1Fixture {
    Form1Fixture() : Form1Fixture(sound) {}
    explicit Form1Fixture(SoundControl& soundControl);

    Module1 module;
    FakeClock clock;
    ScriptedGenerator generator;
    FakeConfirmation confirmation;
    FakeProgramEnd programEnd;
    RecordingSoundControl sound;
    std::unique_ptr<Form1> form;
};
