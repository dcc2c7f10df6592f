#pragma once

#include "platform/clock.h"
#include "platform/confirmation.h"
#include "platform/generator.h"
#include "platform/program_end.h"
#include "platform/sound_control.h"

#include <QString>
#include <QStringList>
#include <deque>

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

// Answers every question with a set answer and records what was asked.
class FakeConfirmation final : public Confirmation {
public:
    int ask(const QString& text, const QString& title) override {
        questions << title + QLatin1Char('|') + text;
        return answer;
    }
    void inform(const QString& text, const QString& title) override {
        notices << title + QLatin1Char('|') + text;
    }
    int answer = AnswerNo;
    QStringList questions;
    QStringList notices;
};

class FakeProgramEnd final : public ProgramEnd {
public:
    void end() override { ++ends; }
    int ends = 0;
};

// Records every write as "command:X" or "file:X".
class RecordingSoundControl final : public SoundControl {
public:
    void setCommand(const QString& command) override {
        writes << QStringLiteral("command:") + command;
    }
    void setFileName(const QString& fileName) override {
        writes << QStringLiteral("file:") + fileName;
    }
    QStringList writes;
};
