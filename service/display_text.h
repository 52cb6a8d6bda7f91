// How the service's pages write things: HTML escaping, times and dates.
//
// Every piece of stored text goes through Html_Escape on its way into a
// page, even names, which the protocol already limits to letters and
// digits: the limit is the protocol's, the escaping is the page's, and
// neither should lean on the other.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string Html_Escape(std::string_view text);

// A level time for a table: "11.45".
std::string Seconds_Text(double seconds);
// A total over many levels: "34:07.25" (minutes and seconds), or
// "1:02:03.50" from an hour up.
std::string Total_Text(double seconds);
// GMT seconds as "2024-05-01 14:03 UTC".
std::string Date_Text(int64_t gmt_seconds);
// GMT seconds as ISO 8601 "2024-05-01T14:03:07Z", for the JSON API.
std::string Iso_Date(int64_t gmt_seconds);
