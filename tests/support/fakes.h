#pragma once

#include "controller/services.h"
#include "engine/clock.h"
#include "engine/generator.h"
#include "engine/tally.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <string>

// A clock that returns whatever the test sets.
class FakeClock final : public Clock {
public:
    float secondsSinceMidnight() override { return seconds; }
    float seconds = 0.0f;
};

// A generator that returns scripted numbers in turn, then repeats the last one;
// it records the seeds it was given.
class ScriptedGenerator final : public Generator {
public:
    void reseed(float seed) override { seeds.push_back(seed); }
    float next() override {
        if (values.size() > 1) {
            const float r = values.front();
            values.pop_front();
            return r;
        }
        return values.empty() ? 0.0f : values.front();
    }
    // The number that CardFromRandom turns into the given card.
    static float ValueFor(int card) { return (static_cast<float>(card) - 0.5f) / 52.0f; }
    void queueCards(std::initializer_list<int> cards) {
        for (int card : cards) {
            values.push_back(ValueFor(card));
        }
    }
    std::deque<float> values;
    std::deque<float> seeds;
};

// Answers every question with a set answer and records what was asked, as
// "title|text".
class FakeConfirmation final : public Confirmation {
public:
    void ask(const std::string& text, const std::string& title,
             std::function<void(int)> answered) override {
        questions << QString::fromStdString(title + '|' + text);
        if (holdAnswer) {
            pending = std::move(answered);
        } else {
            answered(answer);
        }
    }
    void inform(const std::string& text, const std::string& title) override {
        notices << QString::fromStdString(title + '|' + text);
    }
    int answer = AnswerNo;
    // Keeps the answer back in `pending`, as a box that cannot wait does.
    bool holdAnswer = false;
    std::function<void(int)> pending;
    QStringList questions;
    QStringList notices;
};

class FakeProgramEnd final : public ProgramEnd {
public:
    void end() override { ++ends; }
    int ends = 0;
};

// Records the cues asked for, and what `look` said the window was like then.
class RecordingCuePlayer final : public CuePlayer {
public:
    void PlayCue(const std::string& fileName) override {
        cues << QString::fromStdString(fileName);
        if (look) {
            seen << look();
        }
    }
    std::function<QString()> look;
    QStringList cues;
    QStringList seen;
};

// The tally and every outside service the rules call but the view, as the
// fakes above: what each fixture of a front-end starts from.
struct FakeServices {
    Tally tally;
    FakeClock clock;
    ScriptedGenerator generator;
    FakeConfirmation confirmation;
    FakeProgramEnd programEnd;
    RecordingCuePlayer cues;
};
