#pragma once
#include <string>

// The program's string table: for a command id, the status-bar prompt and
// the tool tip, stored as "prompt\ntool tip" (either part may be missing).
namespace keldo {

// The whole entry; empty for ids without one.
std::string StringTableEntry(int id);
// The text before "\n": shown in the status bar while the pointer rests on
// the command.
std::string CommandPrompt(int id);
// The text after "\n": the tool tip of a tool-bar button.
std::string CommandToolTip(int id);

// Texts of the document template and the application.
inline constexpr const char* kAppName = "Keldo";
inline constexpr const char* kFileFilter = "Dateityp Keldo (*.kld)";
inline constexpr const char* kFileExtension = ".kld";
inline constexpr const char* kIdleText = "Bereit";
inline constexpr const char* kHelpNotFound = "Onlinehilfe nicht gefunden!";

} // namespace keldo
