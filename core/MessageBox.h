#pragma once
#include <string>

namespace keldo {

// The modal message boxes of the program. The desktop program shows them with
// QMessageBox, the batch tool writes them to standard error, tests record them.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // An OK box: returns once the user has confirmed the text.
    virtual void Show(const std::string& text) = 0;
    // An OK box that tells of work done (a computation finished, a file read
    // or written) rather than of a problem; where boxes have icons it gets
    // the information icon. Elsewhere it is shown as Show shows it.
    virtual void Inform(const std::string& text) { Show(text); }
    // A Yes/No question: true for "Ja".
    virtual bool AskYesNo(const std::string& text) = 0;
};

// The message boxes of a run with no one to answer: a question goes where the
// messages go and is answered with "Ja", as keldo-batch documents it.
class HeadlessMessageBox : public IMessageBox {
public:
    bool AskYesNo(const std::string& text) final
    {
        Show(text);
        return true;
    }
};

} // namespace keldo
