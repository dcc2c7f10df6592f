#include "ui/main/desktop_services.h"

#include "platform/message_box.h"
#include "platform/program_end.h"
#include "platform/sound_control.h"

#include <QString>

void BoxConfirmation::ask(const std::string& text, const std::string& title,
                          std::function<void(int)> answered) {
    // The box is modal: the answer is there when it returns.
    const bool yes =
        AskYesNo(m_parent, QString::fromStdString(text), QString::fromStdString(title));
    answered(yes ? AnswerYes : AnswerNo);
}

void BoxConfirmation::inform(const std::string& text, const std::string& title) {
    Inform(m_parent, QString::fromStdString(text), QString::fromStdString(title));
}

void EventLoopEnd::end() {
    EndEventLoop();
}

void SoundCues::PlayCue(const std::string& fileName) {
    MMControl1.setCommand(SoundCommand::Stop);
    MMControl1.setCommand(SoundCommand::Close);
    MMControl1.setFileName(QString::fromStdString(fileName));
    MMControl1.setCommand(SoundCommand::Open);
    MMControl1.setCommand(SoundCommand::Sound);
}
