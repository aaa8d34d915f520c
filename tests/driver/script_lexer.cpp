#include "script_lexer.h"

#include <cerrno>
#include <cstdlib>

#include "script_errors.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class LineReader {
 public:
  LineReader(std::string_view line, const VariableLookup& lookup) : line_(line), lookup_(lookup) {}

  std::vector<std::string> ReadTokens() {
    std::vector<std::string> result;
    SkipBlanks();
    if (AtEnd() || line_[pos_] == '#') return result;
    while (!AtEnd()) {
      result.push_back(line_[pos_] == '"' ? QuotedToken() : BareToken());
      SkipBlanks();
    }
    return result;
  }

 private:
  bool AtEnd() const { return pos_ >= line_.size(); }

  void SkipBlanks() {
    while (!AtEnd() && IsBlank(line_[pos_])) ++pos_;
  }

  std::string BareToken() {
    std::string token;
    while (!AtEnd() && !IsBlank(line_[pos_])) {
      if (!TakeVariable(token)) token += line_[pos_++];
    }
    return token;
  }

  std::string QuotedToken() {
    std::string token;
    ++pos_;
    for (;;) {
      if (AtEnd()) throw ScriptError("unterminated quoted token");
      char c = line_[pos_];
      if (c == '"') break;
      if (c == '\\') {
        token += Escape();
      } else if (!TakeVariable(token)) {
        token += c;
        ++pos_;
      }
    }
    ++pos_;
    if (!AtEnd() && !IsBlank(line_[pos_])) throw ScriptError("a closing quote must end the token");
    return token;
  }

  char Escape() {
    if (pos_ + 1 >= line_.size()) throw ScriptError("unfinished escape at the end of the line");
    char c = line_[pos_ + 1];
    pos_ += 2;
    switch (c) {
      case 'r':
        return '\r';
      case 'n':
        return '\n';
      case 't':
        return '\t';
      case '"':
        return '"';
      case '\\':
        return '\\';
      case 'x': {
        int high = pos_ < line_.size() ? HexDigit(line_[pos_]) : -1;
        int low = pos_ + 1 < line_.size() ? HexDigit(line_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) throw ScriptError("\\x needs two hex digits");
        pos_ += 2;
        return static_cast<char>(high * 16 + low);
      }
      default:
        throw ScriptError(std::string("unknown escape \\") + c);
    }
  }

  // Values are inserted as they are: a backslash in a path never turns into an escape.
  bool TakeVariable(std::string& token) {
    if (line_.compare(pos_, 2, "${") != 0) return false;
    size_t close = line_.find('}', pos_ + 2);
    if (close == std::string_view::npos) throw ScriptError("unterminated ${");
    std::string name(line_.substr(pos_ + 2, close - pos_ - 2));
    if (name.empty()) throw ScriptError("empty variable name in ${}");
    std::optional<std::string> value = lookup_(name);
    if (!value) throw ScriptError("unknown variable ${" + name + "}");
    token += *value;
    pos_ = close + 1;
    return true;
  }

  std::string_view line_;
  const VariableLookup& lookup_;
  size_t pos_ = 0;
};

}  // namespace

std::vector<std::string> Tokenize(std::string_view line, const VariableLookup& lookup) {
  return LineReader(line, lookup).ReadTokens();
}

std::optional<long long> ParseInteger(std::string_view text) {
  std::string digits(text);
  bool hex = digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
  if (digits.empty() || (!hex && digits[0] != '-' && (digits[0] < '0' || digits[0] > '9'))) return std::nullopt;
  if (hex && HexDigit(digits[2]) < 0) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  long long value = hex ? static_cast<long long>(std::strtoull(digits.c_str() + 2, &end, 16))
                        : std::strtoll(digits.c_str(), &end, 10);
  if (errno == ERANGE || end != digits.c_str() + digits.size() || end == digits.c_str()) return std::nullopt;
  return value;
}
