// Splits and decodes a request target the way form submissions encode it.
#include "Target.h"

namespace scores {

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> decode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '+') {
      out.push_back(' ');
    } else if (c == '%') {
      if (i + 2 >= text.size()) return std::nullopt;
      int high = hexValue(text[i + 1]);
      int low = hexValue(text[i + 2]);
      if (high < 0 || low < 0) return std::nullopt;
      char byte = static_cast<char>(high * 16 + low);
      if (static_cast<unsigned char>(byte) < ' ' || byte == 127) return std::nullopt;
      out.push_back(byte);
      i += 2;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> Target::parameter(std::string_view name) const {
  for (const auto& [key, value] : parameters) {
    if (key == name) return value;
  }
  return std::nullopt;
}

std::optional<Target> splitTarget(std::string_view target) {
  Target result;
  std::size_t question = target.find('?');
  std::string_view path = target.substr(0, question);
  auto decodedPath = decode(path);
  if (!decodedPath) return std::nullopt;
  result.path = *decodedPath;
  if (question == std::string_view::npos) return result;

  std::string_view query = target.substr(question + 1);
  while (!query.empty()) {
    std::size_t amp = query.find('&');
    std::string_view pair = query.substr(0, amp);
    query = amp == std::string_view::npos ? std::string_view{} : query.substr(amp + 1);
    if (pair.empty()) continue;
    std::size_t equals = pair.find('=');
    auto key = decode(pair.substr(0, equals));
    auto value = decode(equals == std::string_view::npos ? std::string_view{} : pair.substr(equals + 1));
    if (!key || !value) return std::nullopt;
    result.parameters.emplace_back(std::move(*key), std::move(*value));
  }
  return result;
}

}  // namespace scores
