#include "controller/class_content.h"

#include <utility>

ClassResults ComputeClassResults(std::string_view /*text*/) {
    return {};
}

ClassWindowController::ClassWindowController(Timer& timer, ClassView& view)
    : m_timer(timer), m_view(view), m_results(ComputeClassResults({})) {}

void ClassWindowController::textChanged(std::string text) {
    m_text = std::move(text);
    m_changed = true;
    if (!m_running) {
        m_running = true;
        m_timer.start();
    }
}

void ClassWindowController::tick() {
    if (m_changed) {
        m_changed = false;
        m_results = ComputeClassResults(m_text);
        m_view.showResults(m_results);
        return;
    }
    m_running = false;
    m_timer.stop();
    m_view.announce(m_results.announcement);
}
