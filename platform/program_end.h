#pragma once

// Ends the program at once, saving nothing.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void end() = 0;
};

// Leaves the event loop; main() then returns and the windows are destroyed.
class QtProgramEnd final : public ProgramEnd {
public:
    void end() override;
};
