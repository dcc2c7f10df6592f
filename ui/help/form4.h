#pragma once

#include "platform/surface_window.h"

// The help window: the problem statement and the operating instructions.
class Form4 final : public SurfaceWindow {
    Q_OBJECT
public:
    Form4();

    // Clears the surface and prints the help text.
    void Form_Activate();
    // 閉じる: the window goes first, then says so.
    void Command1_Click();

private:
    void drawSurface() override { Form_Activate(); }
    void closeButtonClicked() override { Command1_Click(); }

    PictureBox& Picture1 = surface();
};
