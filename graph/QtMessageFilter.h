#pragma once

// Qt's own messages on standard error (qWarning and its kind): "QStandardPaths:
// XDG_RUNTIME_DIR not set" on every graph a headless tool draws, warnings of
// libpng, notes of the platform plugin. They are English, meant for Qt's
// developers, and say nothing a user of Keldo can act on: every failure that
// matters reaches the user as the program's own German message.
namespace keldo {

// Routes Qt's messages, for the whole process: debug, info and warning
// messages are dropped, a critical or fatal one becomes one German line on
// standard error. With the environment variable KELDO_QT_MESSAGES set and
// not empty, Qt's messages go out as Qt writes them, for finding a fault.
void FilterQtMessages();

} // namespace keldo
