// What a route decided: the answer to send and the one line the service log
// keeps about it. Routes return an Outcome and never touch the connection,
// so they can be read and tested apart from the HTTP server.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct Outcome {
  int status = 200;
  std::string body;
  std::string content_type = "text/plain; charset=utf-8";
  std::vector<std::pair<std::string, std::string>> headers;
  std::string note;  // for the log: what was done, or why it was refused

  static Outcome Text(int status, std::string body, std::string note) {
    Outcome o;
    o.status = status;
    o.body = std::move(body);
    o.note = std::move(note);
    return o;
  }
};
