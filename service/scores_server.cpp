#include "service/scores_server.h"

#include <httplib.h>

#include <chrono>
#include <ctime>
#include <mutex>

#include "service/game_routes.h"
#include "service/rate_limiter.h"
#include "service/site_routes.h"

namespace {

// What the route said about the request being answered on this thread; the
// logger, which cpp-httplib calls on the same thread once the answer is
// out, writes it and clears it.
thread_local std::string t_note;

void Respond(httplib::Response& res, const Outcome& o) {
  res.status = o.status;
  for (const auto& [key, value] : o.headers) res.set_header(key.c_str(), value);
  res.set_content(o.body, o.content_type.c_str());
  t_note = o.note;
}

double Steady_Seconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

struct ScoresServer::Parts {
  Parts(ScoreStore& store, ScoreChecker& checker, const ServerSettings& s)
      : settings(s),
        game(store, checker, {s.public_url, s.ticket_seconds, s.clock ? s.clock : [] {
                                return static_cast<int64_t>(std::time(nullptr));
                              }}),
        site(store),
        limiter(s.rate_per_minute),
        log(s.log ? s.log : Standard_Error_Log()) {}

  ServerSettings settings;
  GameRoutes game;
  SiteRoutes site;
  RateLimiter limiter;
  LogSink log;
  httplib::Server http;
  std::mutex stop_mutex;
  bool stop_requested = false;
  bool stopped = false;
};

ScoresServer::ScoresServer(ScoreStore& store, ScoreChecker& checker, ServerSettings settings)
    : parts_(std::make_unique<Parts>(store, checker, settings)) {
  Parts& p = *parts_;
  httplib::Server& http = p.http;
  http.set_payload_max_length(p.settings.max_body);
  // Answers leave in two writes (head, body); without this, Nagle's
  // algorithm holds the second for the client's delayed ACK, 40 ms a request.
  http.set_tcp_nodelay(true);

  http.set_pre_routing_handler([&p](const httplib::Request& req, httplib::Response& res) {
    t_note.clear();
    if (p.limiter.Allow(req.remote_addr, Steady_Seconds())) return httplib::Server::HandlerResponse::Unhandled;
    Respond(res, Outcome::Text(429, "0", "over the request limit"));
    return httplib::Server::HandlerResponse::Handled;
  });

  // The game's requests, at the paths it has always used.
  http.Get("/accessPrismel.php", [&p](const httplib::Request& req, httplib::Response& res) {
    Respond(res, p.game.Access(req.params));
  });
  http.Post("/upload_file.php",
            [&p](const httplib::Request&, httplib::Response& res, const httplib::ContentReader& read) {
              // Read raw: the body is form-encoded by name only, and its
              // Base64 '+' must stay a '+'.
              std::string body;
              bool too_long = false;
              const bool whole = read([&](const char* data, size_t length) {
                if (body.size() + length > p.settings.max_body) {
                  too_long = true;
                  return false;
                }
                body.append(data, length);
                return true;
              });
              if (too_long || res.status == 413) {
                Respond(res, Outcome::Text(413, "0", "upload refused: body over " +
                                                         std::to_string(p.settings.max_body) + " bytes"));
              } else if (!whole) {
                Respond(res, Outcome::Text(400, "0", "upload refused: the body could not be read"));
              } else {
                Respond(res, p.game.Upload(body));
              }
            });

  http.Get("/prismel", [](const httplib::Request&, httplib::Response& res) {
    res.set_redirect("/prismel/");
    t_note = "to /prismel/";
  });
  http.Get("/prismel/", [&p](const httplib::Request&, httplib::Response& res) { Respond(res, p.site.Leaderboard()); });
  http.Get(R"(/prismel/level/(\d+))", [&p](const httplib::Request& req, httplib::Response& res) {
    Respond(res, p.site.Level(req.matches[1].str()));
  });
  http.Get(R"(/prismel/file/(\d+))", [&p](const httplib::Request& req, httplib::Response& res) {
    Respond(res, p.site.File(req.matches[1].str()));
  });
  http.Get("/prismel/api/levels", [&p](const httplib::Request&, httplib::Response& res) {
    Respond(res, p.site.Api_Levels());
  });
  http.Get(R"(/prismel/api/level/(\d+))", [&p](const httplib::Request& req, httplib::Response& res) {
    Respond(res, p.site.Api_Level(req.matches[1].str()));
  });
  http.Get("/prismel/api/players", [&p](const httplib::Request&, httplib::Response& res) {
    Respond(res, p.site.Api_Players());
  });
  http.Get("/prismel/api/latest", [&p](const httplib::Request&, httplib::Response& res) {
    Respond(res, p.site.Api_Latest());
  });

  // Answers cpp-httplib makes itself (no such page, a request it cannot
  // parse) get a body too; the routes' own answers are left alone.
  http.set_error_handler(httplib::Server::HandlerWithResponse([](const httplib::Request&, httplib::Response& res) {
    if (!res.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
    if (t_note.empty()) t_note = res.status == 404 ? "no such page" : "refused by the HTTP layer";
    res.set_content(res.status == 404 ? "Not found\n" : "Bad request\n", "text/plain; charset=utf-8");
    return httplib::Server::HandlerResponse::Handled;
  }));
  http.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr e) {
    std::string what = "unknown";
    try {
      std::rethrow_exception(e);
    } catch (const std::exception& x) {
      what = x.what();
    } catch (...) {
    }
    Respond(res, Outcome::Text(500, "0", "failed: " + what));
  });
  http.set_logger([&p](const httplib::Request& req, const httplib::Response& res) {
    p.log(Printable(req.remote_addr, 45) + " " + Printable(req.method, 8) + " " + Printable(req.path) + " " +
          std::to_string(res.status) + (t_note.empty() ? "" : " " + t_note));
    t_note.clear();
  });
}

ScoresServer::~ScoresServer() = default;

int ScoresServer::Bind(const std::string& host, int port) {
  if (port == 0) return parts_->http.bind_to_any_port(host);
  return parts_->http.bind_to_port(host, port) ? port : -1;
}

bool ScoresServer::Serve() {
  {
    std::lock_guard<std::mutex> lock(parts_->stop_mutex);
    if (parts_->stop_requested) return true;
  }
  return parts_->http.listen_after_bind();
}

bool ScoresServer::Running() const { return parts_->http.is_running(); }

void ScoresServer::Stop() {
  // cpp-httplib's stop() acts only on a running server, and only once.
  std::lock_guard<std::mutex> lock(parts_->stop_mutex);
  parts_->stop_requested = true;
  if (!parts_->stopped && parts_->http.is_running()) {
    parts_->http.stop();
    parts_->stopped = true;
  }
}
