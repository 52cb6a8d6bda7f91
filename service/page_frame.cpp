#include "service/page_frame.h"

#include "service/display_text.h"

namespace {

// The prism's spectrum runs through the rule under the heading, the title
// and the marks under each section's name; everything else stays quiet.
constexpr const char* kStyle = R"css(
:root {
  --ground: #0a0b11; --panel: #131521; --card: #0f111a; --line: #24283a; --faint: #1b1e2c;
  --text: #e6e8f2; --dim: #8b91aa; --link: #86c8ff;
  --prism: linear-gradient(90deg, #ff4b5c, #ff9a1f, #ffe04a, #42d676, #2fb2ff, #7d5cff, #d64bff);
}
* { box-sizing: border-box; }
body {
  margin: 0; color: var(--text);
  background: radial-gradient(ellipse 120% 60% at 50% -10%, #1d2036 0%, var(--ground) 65%) fixed, var(--ground);
  font: 15px/1.45 "DejaVu Sans", "Liberation Sans", system-ui, sans-serif;
}
.spectrum { height: 4px; background: var(--prism); }
header { max-width: 1200px; margin: 0 auto; padding: 30px 40px 8px; }
header h1 {
  display: inline-block; margin: 0; font-size: 40px; letter-spacing: 0.14em; text-transform: uppercase;
  background: var(--prism); -webkit-background-clip: text; background-clip: text; color: transparent;
}
header p { margin: 4px 0 0; color: var(--dim); }
nav { margin-top: 10px; font-size: 14px; }
nav a { margin-right: 18px; }
main { max-width: 1200px; margin: 0 auto; padding: 0 40px 24px; }
section {
  background: var(--panel); border: 1px solid var(--line); border-radius: 12px;
  padding: 18px 22px 20px; margin: 22px 0; box-shadow: 0 10px 30px rgba(0, 0, 0, 0.35);
}
h2 { margin: 0 0 4px; font-size: 19px; font-weight: 600; }
h2::after { content: ""; display: block; width: 72px; height: 3px; margin-top: 7px; border-radius: 2px; background: var(--prism); }
.note { margin: 8px 0 14px; color: var(--dim); font-size: 13px; }
a { color: var(--link); text-decoration: none; }
a:hover { text-decoration: underline; }
.levels { display: grid; grid-template-columns: repeat(6, 1fr); gap: 8px; }
.level { background: var(--card); border: 1px solid var(--line); border-radius: 9px; padding: 8px 11px 9px; min-width: 0; }
.level .number { font-size: 12px; color: var(--dim); }
.level .number a { color: var(--dim); }
.level .time { font: 600 18px/1.25 "DejaVu Sans Mono", monospace; }
.level .who { font-size: 13px; display: flex; justify-content: space-between; gap: 6px; }
.level .who span { overflow: hidden; text-overflow: ellipsis; white-space: nowrap; }
.level.empty .time { color: #3c4157; }
.level.empty .who { color: #4c5270; }
.split { display: grid; grid-template-columns: 1fr 1fr; gap: 22px; }
.split section { margin: 0; }
table { width: 100%; border-collapse: collapse; }
th {
  text-align: left; color: var(--dim); font-weight: normal; font-size: 12px; letter-spacing: 0.06em;
  text-transform: uppercase; border-bottom: 1px solid var(--line); padding: 6px 8px;
}
td { padding: 7px 8px; border-bottom: 1px solid var(--faint); }
tr:last-child td { border-bottom: none; }
td.num, th.num { text-align: right; font-family: "DejaVu Sans Mono", monospace; }
td.rank { color: var(--dim); width: 2.5em; }
.empty-table { color: var(--dim); font-style: italic; padding: 6px 0; }
.medal { display: inline-block; min-width: 4.6em; text-align: center; padding: 1px 9px; border-radius: 999px; font-size: 12px; font-weight: 600; }
.medal.gold { background: linear-gradient(#ffe685, #d2a114); color: #3b2900; }
.medal.silver { background: linear-gradient(#f3f5fa, #98a1b4); color: #1b2130; }
.medal.bronze { background: linear-gradient(#f2b27c, #9d5527); color: #2d1404; }
.replay { font-size: 12px; white-space: nowrap; }
footer { max-width: 1200px; margin: 0 auto; padding: 8px 40px 30px; color: var(--dim); font-size: 12px; }
code { font-family: "DejaVu Sans Mono", monospace; color: var(--text); }
)css";

}  // namespace

std::string Html_Page(const std::string& title, const std::string& subtitle, const std::string& body) {
  std::string page;
  page.reserve(body.size() + 8192);
  page += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
  page += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
  page += "<link rel=\"icon\" href=\"data:,\">\n";  // no favicon request, so nothing 404s per view
  page += "<title>" + Html_Escape(title) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
  page += "<div class=\"spectrum\"></div>\n<header>\n<h1>Prismel</h1>\n<p>" + Html_Escape(subtitle) + "</p>\n";
  page += "<nav><a href=\"/prismel/\">Leaderboard</a><a href=\"/prismel/api/levels\">JSON</a></nav>\n</header>\n";
  page += "<main>\n" + body + "</main>\n";
  page += "<footer>Every replay link is a score file: watch the run with <code>prismel --replay FILE</code>.</footer>\n";
  page += "</body>\n</html>\n";
  return page;
}
