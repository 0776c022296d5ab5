#pragma once
#include <QDialog>

// "Info über Keldo": program name, version and who made it.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
