#pragma once
#include <cstdio>
#include <string>

#include <QPixmap>
#include <QString>
#include <QWidget>

#include "MessageBox.h"

// For the picture tools: saves `widget` as drawn now to `file` (PNG by its
// name) and prints the file's name, or says why it cannot be written.
// Returns the exit status.
inline int SaveWidgetShot(QWidget& widget, const QString& file)
{
    widget.show();
    if (!widget.grab().save(file)) {
        std::fprintf(stderr, "%s kann nicht geschrieben werden\n", file.toLocal8Bit().constData());
        return 1;
    }
    std::printf("%s\n", file.toLocal8Bit().constData());
    return 0;
}

// For the picture tools: messages go to the console, and any message means
// that the picture would not show what it should.
class ShotMessages : public keldo::IMessageBox {
public:
    void Show(const std::string& text) override
    {
        std::fprintf(stderr, "%s\n", text.c_str());
        failed = true;
    }
    bool AskYesNo(const std::string& text) override
    {
        Show(text);
        return false;
    }
    bool failed = false;
};
