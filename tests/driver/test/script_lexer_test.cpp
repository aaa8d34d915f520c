#include "../script_lexer.h"

#include <cstdio>

#include "check.h"
#include <map>

#include "../script_errors.h"
#include "../text_format.h"

namespace {

using check::Check;

const VariableLookup kVariables = [](const std::string& name) -> std::optional<std::string> {
  static const std::map<std::string, std::string> known{{"EXE", "Z:\\t\\new.exe"}, {"EMPTY", ""}, {"N", "7"}};
  auto it = known.find(name);
  if (it == known.end()) return std::nullopt;
  return it->second;
};

using Tokens = std::vector<std::string>;

// Nothing when the line is rejected, so one wrong case reports instead of ending the run.
std::optional<Tokens> Lex(const char* line) {
  try {
    return Tokenize(line, kVariables);
  } catch (const ScriptError&) {
    return std::nullopt;
  }
}

bool Rejects(const char* line) { return !Lex(line); }

void Splitting() {
  Check(Lex("press  main\t1") == Tokens{"press", "main", "1"}, "blanks and tabs separate tokens");
  Check(Lex("") == Tokens{} && Lex("  \t ") == Tokens{}, "blank line has no tokens");
  Check(Lex("# press main 1") == Tokens{} && Lex("   # x") == Tokens{}, "comment lines have no tokens");
  Check(Lex("wait-window w p T #32770") == Tokens{"wait-window", "w", "p", "T", "#32770"},
        "# inside a line is an ordinary character");
  Check(Lex("press main 1\r") == Tokens{"press", "main", "1"}, "a CRLF line end is not part of the last token");
  Check(Lex("a \"\" b") == Tokens{"a", "", "b"}, "an empty quoted token is kept");
  Check(Lex("a \"x  y\"") == Tokens{"a", "x  y"}, "a quoted token holds blanks");
  Check(Lex("a b\\n") == Tokens{"a", "b\\n"}, "a bare token keeps backslashes as they are");
}

void Escapes() {
  Check(Lex(R"("\r\n\t\"\\")") == Tokens{"\r\n\t\"\\"}, "named escapes");
  Check(Lex(R"("\x41\x7e\xfF\x00")") == Tokens{std::string("A~\xff\0", 4)}, "hex escapes, any case, even NUL");
  Check(Rejects(R"("\q")"), "unknown escape is an error");
  Check(Rejects(R"("\x4")") && Rejects(R"("\x4g")"), "\\x needs two hex digits");
  Check(Rejects(R"("abc)") && Rejects(R"("abc\")"), "unterminated quote is an error");
  Check(Rejects(R"("abc"def)"), "text glued to a closing quote is an error");
}

void Substitution() {
  Check(Lex("start p ${EXE}") == Tokens{"start", "p", "Z:\\t\\new.exe"}, "variable in a bare token");
  Check(Lex("\"${EXE} /x\"") == Tokens{"Z:\\t\\new.exe /x"}, "a value is not unescaped inside quotes");
  Check(Lex("a${N}b${N}${EMPTY}") == Tokens{"a7b7"}, "several variables in one token");
  Check(Lex("\"\\x24{N}\"") == Tokens{"${N}"}, "an escaped dollar is not a variable");
  Check(Rejects("${NOPE}") && Rejects("\"${NOPE}\""), "unknown variable is an error");
  Check(Rejects("${N") && Rejects("${}"), "unterminated or empty variable is an error");
}

void Integers() {
  Check(ParseInteger("0") == 0 && ParseInteger("65535") == 65535 && ParseInteger("-2") == -2, "decimal");
  Check(ParseInteger("0xFFFF") == 0xFFFF && ParseInteger("0x1a") == 0x1a && ParseInteger("0X10") == 16, "hex");
  Check(!ParseInteger("") && !ParseInteger("-") && !ParseInteger("0x") && !ParseInteger("12x") &&
            !ParseInteger(" 1") && !ParseInteger("1 ") && !ParseInteger("+1") && !ParseInteger("0x-1"),
        "malformed numbers are rejected");
  Check(!ParseInteger("99999999999999999999") && !ParseInteger("0x1ffffffffffffffff"), "overflow is rejected");
}

void QuotingRoundTrip() {
  std::string every_byte;
  for (int c = 1; c < 256; ++c) every_byte += static_cast<char>(c);
  Check(Lex(Quoted(every_byte).c_str()) == Tokens{every_byte}, "quoted text lexes back to the same bytes");
  Check(Quoted("a\r\nb") == R"("a\r\nb")", "line breaks are shown as escapes");
}

}  // namespace

int main() {
  Splitting();
  Escapes();
  Substitution();
  Integers();
  QuotingRoundTrip();
  return check::Summary();
}
