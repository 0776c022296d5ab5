#include "QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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

void Prepare(QMessageBox& box, const std::string& text, QMessageBox::Icon icon)
{
    box.setWindowTitle(QString::fromLatin1(kAppName));
    box.setText(QString::fromStdString(text));
    box.setIcon(icon);
    box.setWindowModality(box.parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
}

void ShowOkBox(QWidget* parent, const std::string& text, QMessageBox::Icon icon)
{
    QMessageBox box(ModalParent(parent));
    Prepare(box, text, icon);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    ArrowWhileAsking arrow;
    box.exec();
}

} // namespace

void QtMessageBox::Show(const std::string& text) { ShowOkBox(m_parent, text, QMessageBox::Warning); }

void QtMessageBox::Inform(const std::string& text) { ShowOkBox(m_parent, text, QMessageBox::Information); }

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
