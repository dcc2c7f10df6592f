#pragma once

#include <QString>

class QWidget;

// Answer codes of the message box.
inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;

// The modal message boxes the windows ask and inform through.
class Confirmation {
public:
    virtual ~Confirmation() = default;
    // Buttons はい and いいえ, no icon, はい as default; returns AnswerYes or AnswerNo.
    virtual int ask(const QString& text, const QString& title) = 0;
    // One OK button; returns when the user has read it.
    virtual void inform(const QString& text, const QString& title) = 0;
};

class QtConfirmation final : public Confirmation {
public:
    explicit QtConfirmation(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    int ask(const QString& text, const QString& title) override;
    void inform(const QString& text, const QString& title) override;

private:
    QWidget* m_parent;
};
