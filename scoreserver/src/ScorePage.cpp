// Score page markup: one table that fits a phone's width, with the styling inline.
#include "ScorePage.h"

#include "ReplyFormat.h"

namespace scores {

namespace {

const char* const pageHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>wtrq scores</title>
<style>
body { margin: 0; font-family: sans-serif; background: #0d2538; color: #f4f4f4; }
main { max-width: 40rem; margin: 0 auto; padding: 1rem; }
h1 { font-size: 1.6rem; margin: 0.5rem 0 0.2rem; }
p { margin: 0.3rem 0 1rem; color: #c9d6df; }
table { width: 100%; border-collapse: collapse; font-size: 1.05rem; }
th, td { padding: 0.45rem 0.6rem; text-align: left; }
th { border-bottom: 2px solid #7fb3d5; color: #c9d6df; font-weight: normal; }
tr:nth-child(even) td { background: #163650; }
td.rank, th.rank { width: 3.5rem; text-align: right; }
td.score, th.score { text-align: right; font-variant-numeric: tabular-nums; }
td.name { overflow-wrap: anywhere; }
nav { display: flex; justify-content: space-between; margin: 1rem 0; }
nav a { color: #ffd966; padding: 0.5rem 0.2rem; }
</style>
</head>
<body>
<main>
<h1>wtrq scores</h1>
)";

std::string pageLink(std::int64_t page, const char* text) {
  return "<a href=\"/teamweb/wtrq/?page=" + std::to_string(page) + "\">" + text + "</a>";
}

}  // namespace

std::string scorePage(const std::vector<ScoreEntry>& rows, std::int64_t page, std::int64_t total) {
  std::int64_t pages = total == 0 ? 1 : (total + scoresPerPage - 1) / scoresPerPage;
  std::string out = pageHead;
  out += "<p>" + std::to_string(total) + (total == 1 ? " score" : " scores") + ", page " +
         std::to_string(page) + " of " + std::to_string(pages) + "</p>\n";
  if (rows.empty()) {
    out += "<p>No scores on this page.</p>\n";
  } else {
    out += "<table>\n<thead><tr><th class=\"rank\">#</th><th>Name</th>"
           "<th class=\"score\">Score</th></tr></thead>\n<tbody>\n";
    std::int64_t rank = (page - 1) * scoresPerPage;
    for (const ScoreEntry& row : rows) {
      ++rank;
      out += "<tr><td class=\"rank\">" + std::to_string(rank) + "</td><td class=\"name\">" +
             htmlEscape(row.name) + "</td><td class=\"score\">" + std::to_string(row.score) +
             "</td></tr>\n";
    }
    out += "</tbody>\n</table>\n";
  }
  out += "<nav><span>";
  if (page > 1) out += pageLink(page - 1, "&larr; Higher scores");
  out += "</span><span>";
  if (page < pages) out += pageLink(page + 1, "Lower scores &rarr;");
  out += "</span></nav>\n</main>\n</body>\n</html>\n";
  return out;
}

}  // namespace scores
