#pragma once
#include <QDialog>

class CKeldoDoc;
class QPlainTextEdit;

// "Nettomächtigkeit": the net-pay block of the open document, as keldo-batch
// --net-pay prints it, in a window of its own beside the main window. It is
// computed from the document whenever the window is shown or refreshed.
class CNetPayWindow : public QDialog {
    Q_OBJECT
public:
    CNetPayWindow(const CKeldoDoc& doc, QWidget* parent = nullptr);

    // Computes the block again from the document.
    void Refresh();
    QString Text() const;

private:
    const CKeldoDoc& m_doc;
    QPlainTextEdit* m_text;
};
