// The service log: one line on standard error for each request's outcome
// and for starting and stopping, each line whole even when threads write
// at once. Lines start with the GMT time; systemd's journal keeps them.
//
// Input from a client is never written as it came: Printable() cuts it
// short and replaces anything that could break a line or a terminal.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Where lines go; the default writes them to standard error.
using LogSink = std::function<void(const std::string& line)>;
LogSink Standard_Error_Log();

// s with control and non-ASCII bytes as '?', at most max_chars long.
std::string Printable(std::string_view s, size_t max_chars = 80);
