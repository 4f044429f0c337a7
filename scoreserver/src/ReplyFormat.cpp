// Formatting of replies; nothing here touches a socket or the store.
#include "ReplyFormat.h"

namespace scores {

namespace {

const char* reasonPhrase(int status) {
  switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 408: return "Request Timeout";
    case 414: return "URI Too Long";
    case 431: return "Request Header Fields Too Large";
    case 503: return "Service Unavailable";
    case 505: return "HTTP Version Not Supported";
    default: return "Error";
  }
}

void appendJsonString(std::string& out, std::string_view text) {
  static const char hex[] = "0123456789abcdef";
  out.push_back('"');
  for (char c : text) {
    auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(c);
    } else if (u < 0x20) {
      out += "\\u00";
      out.push_back(hex[u >> 4]);
      out.push_back(hex[u & 15]);
    } else {
      out.push_back(c);
    }
  }
  out.push_back('"');
}

// The game splits its reply at "&", "|" and "!" and reads "+" as a space. Names stored
// through this server never hold anything but letters, digits and spaces; a row put in by
// other means must still not break the list apart.
char gameNameChar(char c) {
  if (c == ' ') return '+';
  bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  return plain ? c : '_';
}

}  // namespace

std::string bareList(const std::vector<ScoreEntry>& rows) {
  std::string out;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i) out.push_back('&');
    for (char c : rows[i].name) out.push_back(gameNameChar(c));
    out.push_back('|');
    out += std::to_string(rows[i].score);
  }
  out.push_back('!');
  return out;
}

std::string jsonList(const std::vector<ScoreEntry>& rows) {
  std::string out = "{\"scores\":[";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i) out.push_back(',');
    out += "{\"rank\":" + std::to_string(i + 1) + ",\"name\":";
    appendJsonString(out, rows[i].name);
    out += ",\"score\":" + std::to_string(rows[i].score) + "}";
  }
  out += "]}\n";
  return out;
}

std::string htmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

std::string httpBytes(const HttpResponse& response, bool headOnly, bool http11) {
  std::string out = http11 ? "HTTP/1.1 " : "HTTP/1.0 ";
  out += std::to_string(response.status) + " " + reasonPhrase(response.status) + "\r\n";
  out += "Content-Type: " + response.contentType + "\r\n";
  out += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
  out += "Cache-Control: no-store\r\n";
  out += "X-Content-Type-Options: nosniff\r\n";
  for (const auto& [name, value] : response.extraHeaders) out += name + ": " + value + "\r\n";
  out += "Connection: close\r\n\r\n";
  if (!headOnly) out += response.body;
  return out;
}

}  // namespace scores
