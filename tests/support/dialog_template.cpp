#include "tests/support/dialog_template.h"

#include <algorithm>
#include <cctype>

#include "palm/counted_reader.h"

namespace {

constexpr std::uint32_t kSetFont = 0x40;  // DS_SETFONT

// Reads fields of the template, tracking the offset for the items' alignment.
class TemplateReader {
 public:
  explicit TemplateReader(const std::vector<std::uint8_t>& bytes)
      : reader_(bytes.data(), static_cast<std::uint32_t>(bytes.size())) {}

  std::uint16_t Word() {
    offset_ += 2;
    return reader_.Le16();
  }
  std::uint32_t Dword() {
    offset_ += 4;
    return reader_.Le32();
  }
  void Skip(std::uint32_t n) {
    offset_ += n;
    reader_.Take(n);
  }
  void AlignToDword() { Skip(static_cast<std::uint32_t>((4 - offset_ % 4) % 4)); }

  // A zero-terminated UTF-16 text.
  std::string Text() {
    std::string text;
    for (std::uint16_t c = Word(); c != 0 && !reader_.Failed(); c = Word()) {
      text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return text;
  }

  // None, an ordinal or a text; an ordinal of a predefined class becomes its name.
  std::string TextOrOrdinal(bool isClass) {
    const std::uint16_t first = Word();
    if (first == 0) return {};
    if (first == 0xFFFF) {
      const std::uint16_t ordinal = Word();
      static const char* const kClasses[] = {"button", "edit", "static", "listbox", "scrollbar", "combobox"};
      if (isClass && ordinal >= 0x80 && ordinal <= 0x85) return kClasses[ordinal - 0x80];
      return "#" + std::to_string(ordinal);
    }
    std::string text(1, first < 0x80 ? static_cast<char>(first) : '?');
    text += Text();
    // Class names are case-insensitive; the resource compiler writes them in capitals.
    if (isClass) std::transform(text.begin(), text.end(), text.begin(), [](char c) { return std::tolower(c); });
    return text;
  }

  bool Failed() const { return reader_.Failed(); }

 private:
  CountedReader reader_;
  std::size_t offset_ = 0;
};

int Signed(std::uint16_t v) { return static_cast<std::int16_t>(v); }

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(const std::vector<std::uint8_t>& bytes, std::string* why) {
  TemplateReader r(bytes);
  DialogTemplate d;
  d.style = r.Dword();
  if ((d.style & 0xFFFF) == 1 && (d.style >> 16) == 0xFFFF) {
    *why = "an extended template (DLGTEMPLATEEX)";
    return std::nullopt;
  }
  d.exStyle = r.Dword();
  const std::uint16_t count = r.Word();
  d.x = Signed(r.Word());
  d.y = Signed(r.Word());
  d.cx = Signed(r.Word());
  d.cy = Signed(r.Word());
  d.menu = r.TextOrOrdinal(false);
  d.windowClass = r.TextOrOrdinal(false);
  d.title = r.Text();
  if (d.style & kSetFont) {
    d.pointSize = r.Word();
    d.typeface = r.Text();
  }
  for (std::uint16_t i = 0; i < count && !r.Failed(); ++i) {
    r.AlignToDword();
    DialogItem item;
    item.style = r.Dword();
    item.exStyle = r.Dword();
    item.x = Signed(r.Word());
    item.y = Signed(r.Word());
    item.cx = Signed(r.Word());
    item.cy = Signed(r.Word());
    item.id = r.Word();
    item.className = r.TextOrOrdinal(true);
    item.text = r.TextOrOrdinal(false);
    // A non-zero count includes its own two bytes.
    const std::uint16_t extra = r.Word();
    if (extra == 1) {
      *why = "item creation data shorter than its own count";
      return std::nullopt;
    }
    if (extra > 1) r.Skip(extra - 2u);
    d.items.push_back(item);
  }
  if (r.Failed()) {
    *why = "template cut short";
    return std::nullopt;
  }
  return d;
}
