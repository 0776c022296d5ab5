#pragma once
#include <QPointer>
#include <QWidget>

#include "MessageBox.h"

namespace keldo {

// The answers to the question whether to save a modified document.
enum class SaveAnswer { Yes, No, Cancel };

// The program's message boxes on screen: captioned "Keldo", modal, an OK
// button, or "Ja"/"Nein" for questions. A message shown with Show has the
// warning icon, one shown with Inform (work done) the information icon.
class QtMessageBox : public IMessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    // The window the boxes are modal to (the main frame once it exists).
    void SetParent(QWidget* parent) { m_parent = parent; }

    void Show(const std::string& text) override;
    void Inform(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    // "Ja", "Nein" and "Abbrechen": the question before a modified document
    // is closed, which the user may call off.
    SaveAnswer AskYesNoCancel(const std::string& text);

private:
    QPointer<QWidget> m_parent;
};

} // namespace keldo
