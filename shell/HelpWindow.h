#pragma once
#include <QDialog>

class QTextBrowser;

// The program's help: a German HTML page in a window of its own, left open
// beside the main window.
class CHelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);
    // Loads the page at `source` (a file or resource path); false when it
    // cannot be read.
    bool Load(const QString& source);
    QTextBrowser* Browser() const { return m_pBrowser; }

private:
    QTextBrowser* m_pBrowser;
};
