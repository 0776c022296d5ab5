#pragma once
#include <functional>
#include <exception>
#include <iosfwd>
#include <string>

#include "MessageBox.h"

// Running out of memory while a file is read or a well is computed: one
// German message instead of an abort, and the work given up. Linux rarely
// says no to memory, but a limit on the address space (ulimit -v) or a
// container's does, and then the failing allocation throws.
namespace keldo {

// "Der Arbeitsspeicher reicht nicht aus."
std::string OutOfMemoryReason();

// "ABBRUCH!!Der Arbeitsspeicher reicht nicht aus; …": what a tool or the
// program shows.
std::string OutOfMemoryMessage();

// The German reason for a failure thrown as `e` where no message can be
// made from it (never its English what()): OutOfMemoryReason for
// std::bad_alloc and std::length_error, else "Ein interner Fehler ist
// aufgetreten.".
std::string ReasonOf(const std::exception& e);

// The exit status of a tool that ran out of memory.
inline constexpr int kOutOfMemoryStatus = 1;

// Runs a tool's `main` part: its status, or, when it runs out of memory
// (std::bad_alloc, or std::length_error of a container asked for more than
// it can hold), OutOfMemoryMessage on `err` and kOutOfMemoryStatus.
int RunCatchingOutOfMemory(const std::function<int()>& main, std::ostream& err);

// Runs a command of the program: false, with OutOfMemoryMessage shown in
// `box`, when it runs out of memory.
bool RunCatchingOutOfMemory(const std::function<void()>& command, IMessageBox& box);

} // namespace keldo
