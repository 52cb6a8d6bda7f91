// The frame every page of the service shares: the HTML head, the style
// sheet (the game's dark look with the prism's colours as its accent) and
// the heading. Pages are complete in one answer: no scripts, fonts, images
// or anything else fetched from elsewhere.
//
// The frame takes the title as plain text and the body as finished HTML;
// escaping what goes into the body is the caller's.
#pragma once

#include <string>

// A whole page: title (plain text), subtitle (plain text) and body (HTML).
std::string Html_Page(const std::string& title, const std::string& subtitle, const std::string& body);
