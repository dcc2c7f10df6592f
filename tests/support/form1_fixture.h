#pragma once

#include "tests/support/fakes.h"
#include "ui/main/form1.h"

#include <memory>

// A main window wired to the fakes and loaded, as the program starts it. Any
// service the test passes replaces the fake of its kind.
struct Form1Fixture : FakeServices {
    struct Replacements {
        Clock* clock = nullptr;
        Generator* generator = nullptr;
        Confirmation* confirmation = nullptr;
        CuePlayer* cues = nullptr;
    };

    Form1Fixture() : Form1Fixture(Replacements{}) {}
    explicit Form1Fixture(const Replacements& replacements);

    // Shuffle, let one tick show the card, draw it: one trial by hand.
    void drawByHand(CardIndex card);
    // Ticks until the automatic run has stopped.
    void runToTheLimit();

    std::unique_ptr<Form1> form;
};
