// A yes/no question to the desktop user, in place of Windows' message box.
#pragma once

#include <string>

enum class Answer {
    Yes,
    No,
    Unavailable,  // no dialog could be shown (no display, or a display nobody sees)
};

// Shows a small window titled title with the question text (UTF-8) and the buttons
// "Kyllä" and "Ei". Mouse: click a button. Keyboard (on release): K or Y for yes, E or N
// for no, Enter or Space answer with the focused button, Escape answers no; Tab or the
// arrows move the focus. Closing the window answers no. Video is shut down again before
// it returns.
Answer AskYesNo(const std::string& title, const std::string& text);
