#pragma once

class MessageBox;
class ProgramEnd;

// Exit: asks before ending the program.
class Quitting {
public:
    Quitting(MessageBox &messageBox, ProgramEnd &programEnd);

    void cmdExit_Click();

private:
    MessageBox &messageBox_;
    ProgramEnd &programEnd_;
};
