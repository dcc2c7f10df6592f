#include "web/page_services.h"

#include <utility>

using emscripten::val;

PageServices::PageServices(val page) : m_page(std::move(page)) {}

void PageServices::showCard(CardIndex card) {
    m_page.call<void>("showCard", static_cast<int>(card));
}

void PageServices::showNumber(NumberBox box, const std::string& text) {
    m_page.call<void>("showNumber", static_cast<int>(box), text);
}

void PageServices::setButtonEnabled(Button button, bool enabled) {
    m_page.call<void>("setButtonEnabled", static_cast<int>(button), enabled);
}

void PageServices::focusButton(Button button) {
    m_page.call<void>("focusButton", static_cast<int>(button));
}

void PageServices::announce(const std::string& text) {
    m_page.call<void>("announce", text);
}

void PageServices::start() {
    m_page.call<void>("startTimer");
}

void PageServices::stop() {
    m_page.call<void>("stopTimer");
}

void PageServices::PlayCue(const std::string& fileName) {
    m_page.call<void>("playCue", fileName);
}

void PageServices::ask(const std::string& text, const std::string& title,
                       std::function<void(int)> answered) {
    m_answered = std::move(answered);
    m_page.call<void>("ask", text, title);
}

void PageServices::inform(const std::string& text, const std::string& title) {
    m_page.call<void>("inform", text, title);
}

void PageServices::end() {
    m_page.call<void>("end");
}

void PageServices::hideMain() {
    m_page.call<void>("hideMain");
}

void PageServices::showMain() {
    m_page.call<void>("showMain");
}

void PageServices::showGraph() {
    m_page.call<void>("showGraph");
}

void PageServices::showHelp() {
    m_page.call<void>("showHelp");
}

void PageServices::answer(int code) {
    if (auto answered = std::exchange(m_answered, nullptr)) {
        answered(code);
    }
}
