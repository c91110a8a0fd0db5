// How writing a file stands up to an interrupting signal (Ctrl-C, a closed
// terminal): a temporary file being written is removed before the program
// ends as the signal says, and while a file is rewritten in place the signal
// waits until the content is in. The logic is the same on every system and
// lives in interruption_guard.cpp; each system's file-system file gives only
// the calls below that differ.
#pragma once

#include <filesystem>

namespace trot {

// Holds interrupting signals while `hold` is true; one that came meanwhile
// takes effect when they are let go.
void holdInterruptions(bool hold);

using SignalHandler = void (*)(int);

// Given by each system's file-system file.
// Installs `handler` for every signal that interrupts a program there,
// leaving alone one that the caller chose to ignore.
void installInterruptionHandler(SignalHandler handler);
// Run in the handler of a signal that is being held: puts the handler back
// where the system takes it away before running it.
void keepInterruptionHandler(int signal, SignalHandler handler);
// Removes the file at `path` with a call that a signal handler may make.
void removeFileFromHandler(const std::filesystem::path::value_type* path);

}  // namespace trot
