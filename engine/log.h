// The engine's diagnostics log: a Rich Text file, so that a word processor
// shows failures in red.
//
// Every component writes through one global stream (the only file-level
// mutable state of the core, on purpose: the upload thread and the main thread
// share it). When no log path was given the stream is null and every call
// returns at once. Each entry leaves in one fwrite and is flushed, so the file
// is complete up to the last call even after a crash.
//
// This module formats and writes; it never decides what is worth logging.
#pragma once

#include <cstdio>
#include <ctime>
#include <string>

// The one log stream of the program (null: logging is off).
extern std::FILE* g_log_stream;

// Opens a log. With create, the file is truncated and the RTF header is
// written; otherwise it is opened for appending and nothing is written.
// Returns null for an empty path or a file that cannot be opened.
std::FILE* Log_Open(const char* path, bool create);

// Writes one entry at level 0 (information), 1 (failure), 2 or 3. Any other
// level writes nothing but still flushes. A null stream does nothing.
void Log_Write(std::FILE* stream, int level, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// Closes a stream opened by Log_Open; also clears g_log_stream if it was that one.
void Log_Close(std::FILE* stream);

// The byte-exact pieces, exposed so they can be checked for a fixed time.
std::string Log_Header(const std::tm& local_time);
std::string Log_Entry(int level, const std::tm& local_time, const std::string& message);
