#include "QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <string_view>

#include "StringTable.h"

namespace keldo {

namespace {

QWidget* ModalParent(QWidget* frame)
{
    // A message of a computation started from a dialog belongs on top of
    // that dialog.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return frame;
}

// A message during a computation is answered with the ordinary pointer,
// not the wait cursor of the computation around it.
class ArrowWhileAsking {
public:
    ArrowWhileAsking() : m_active(QApplication::overrideCursor() != nullptr)
    {
        if (m_active)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileAsking()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
    }
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

private:
    bool m_active;
};

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

void Prepare(QMessageBox& box, const std::string& text, QMessageBox::Icon icon)
{
    box.setWindowTitle(QString::fromLatin1(kAppName));
    box.setText(QString::fromStdString(text));
    box.setIcon(icon);
    box.setWindowModality(box.parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
}

} // namespace

MessageKind KindOfMessage(const std::string& text)
{
    std::string_view t = text;
    while (!t.empty() && (t.back() == ' ' || t.back() == '\n' || t.back() == '\r' || t.back() == '\t'))
        t.remove_suffix(1);
    // A text that stops something or reports a fault is never good news,
    // whatever it ends with.
    for (std::string_view alarm : {"ABBRUCH", "Abbruch", "WARNUNG", "FEHLER", "Fehler"})
        if (t.find(alarm) != std::string_view::npos)
            return MessageKind::Warning;
    const bool completed = EndsWith(t, "abgeschlossen") || EndsWith(t, "abgeschlossen!");
    const bool opening = EndsWith(t, " wird geöffnet");
    const bool counted = EndsWith(t, " Zeilen wurden eingelesen");
    const bool written = t.starts_with("Die Detailergebnisse sind in die Datei ") && EndsWith(t, " geschrieben!");
    return completed || opening || counted || written ? MessageKind::Information : MessageKind::Warning;
}

void QtMessageBox::Show(const std::string& text)
{
    QMessageBox box(ModalParent(m_parent));
    Prepare(
        box, text, KindOfMessage(text) == MessageKind::Information ? QMessageBox::Information : QMessageBox::Warning);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    ArrowWhileAsking arrow;
    box.exec();
}

bool QtMessageBox::AskYesNo(const std::string& text)
{
    QMessageBox box(ModalParent(m_parent));
    Prepare(box, text, QMessageBox::Question);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    ArrowWhileAsking arrow;
    box.exec();
    return box.clickedButton() == yes;
}

SaveAnswer QtMessageBox::AskYesNoCancel(const std::string& text)
{
    QMessageBox box(ModalParent(m_parent));
    Prepare(box, text, QMessageBox::Warning);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    ArrowWhileAsking arrow;
    box.exec();
    if (box.clickedButton() == yes)
        return SaveAnswer::Yes;
    if (box.clickedButton() == no)
        return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

} // namespace keldo
