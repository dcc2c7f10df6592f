#pragma once

#include "controller/graph_content.h"
#include "platform/announcement.h"
#include "platform/surface_window.h"

// The graph window: the relative frequency over the trials made so far, and
// on request the expected spread and the earlier experiments.
class Form2 final : public SurfaceWindow {
    Q_OBJECT
public:
    explicit Form2(const GraphSources& sources);

    // Draws the whole figure from the current history.
    void Form_Activate();
    // 閉じる: says so first, so that the main window is back before this one goes.
    void Command1_Click();
    // The figure to the clipboard as an image at the screen's resolution
    // (Ctrl+C and the context menu).
    void copyGraph();
    // The context menu's two choices: each redraws the figure and says what
    // it shows now.
    void showSpread(bool on);
    void showEarlier(bool on);
    // Tells a screen reader a text once, while the main window is hidden.
    void announce(const QString& text) { m_announcement.announce(text); }
    const Announcement& announcement() const { return m_announcement; }

private:
    void drawSurface() override { Form_Activate(); }
    void closeButtonClicked() override { Command1_Click(); }
    // What the figure shows, in words, as its accessible description.
    void describe();
    void redrawAndSay();

    GraphSources m_sources;
    PictureBox& Picture1 = surface();
    Announcement m_announcement{this};
};
