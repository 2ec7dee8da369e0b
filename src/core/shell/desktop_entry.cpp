#include "core/shell/desktop_entry.h"

#include "core/base/data_file.h"
#include "core/base/names.h"
#include "core/base/paths.h"

namespace lumetta {

namespace {

constexpr std::size_t kMaxEntryBytes = 1 << 20;

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The escapes of a string value: \s \n \t \r \\.
std::string Unescaped(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    switch (value[++i]) {
      case 's': out += ' '; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'r': out += '\r'; break;
      case '\\': out += '\\'; break;
      default:
        out += '\\';
        out += value[i];
    }
  }
  return out;
}

// Exec split into words: blanks separate words outside double quotes; inside
// them \" \` \$ and \\ stand for the character. A quoted word is marked so
// that field codes in it stay as they are.
struct Word {
  std::string Text;
  bool Quoted = false;
};

std::vector<Word> SplitExec(std::string_view exec) {
  std::vector<Word> words;
  Word word;
  bool in_word = false;
  bool in_quotes = false;
  for (std::size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if (in_quotes) {
      if (c == '"') {
        in_quotes = false;
      } else if (c == '\\' && i + 1 < exec.size() && std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos) {
        word.Text += exec[++i];
      } else {
        word.Text += c;
      }
      continue;
    }
    if (c == ' ' || c == '\t') {
      if (in_word) words.push_back(std::move(word));
      word = Word{};
      in_word = false;
      continue;
    }
    in_word = true;
    if (c == '"') {
      in_quotes = true;
      word.Quoted = true;
    } else {
      word.Text += c;
    }
  }
  if (in_quotes) throw EDesktopEntry("the application's command line has a quote without its end");
  if (in_word) words.push_back(std::move(word));
  return words;
}

}  // namespace

DesktopEntry ParseDesktopEntry(std::string_view text) {
  DesktopEntry entry;
  bool in_group = false;
  bool seen_group = false;
  std::string name_ja;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      in_group = line == "[Desktop Entry]";
      seen_group = seen_group || in_group;
      continue;
    }
    if (!in_group) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = Trimmed(line.substr(0, eq));
    const std::string value = Unescaped(Trimmed(line.substr(eq + 1)));
    if (key == "Name") entry.Name = value;
    else if (key == "Name[ja]" || (key == "Name[ja_JP]" && name_ja.empty())) name_ja = value;
    else if (key == "Icon") entry.Icon = value;
    else if (key == "Exec") entry.Exec = value;
  }
  if (!seen_group) throw EDesktopEntry("the file is not an application's desktop entry");
  if (entry.Exec.empty()) throw EDesktopEntry("the desktop entry names no program to start");
  if (!name_ja.empty()) entry.Name = name_ja;
  return entry;
}

DesktopEntry ReadDesktopEntry(std::string_view path) {
  const std::string bytes = ReadFileBytes(path, kMaxEntryBytes + 1);
  if (bytes.size() > kMaxEntryBytes) throw EDesktopEntry("the desktop entry is too large");
  return ParseDesktopEntry(bytes);
}

std::vector<std::string> ExecArguments(const DesktopEntry& entry, std::string_view file) {
  std::vector<std::string> args;
  bool file_placed = false;
  for (const Word& word : SplitExec(entry.Exec)) {
    if (word.Quoted) {
      args.push_back(word.Text);
      continue;
    }
    // A field code alone as a word may stand for no argument or several.
    const std::string& t = word.Text;
    if (t == "%f" || t == "%F" || t == "%u" || t == "%U") {
      args.emplace_back(file);
      file_placed = true;
      continue;
    }
    if (t == "%i") {
      if (!entry.Icon.empty()) {
        args.emplace_back("--icon");
        args.push_back(entry.Icon);
      }
      continue;
    }
    std::string expanded;
    bool drop = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
      if (t[i] != '%' || i + 1 == t.size()) {
        expanded += t[i];
        continue;
      }
      const char code = t[++i];
      if (code == '%') {
        expanded += '%';
      } else if (code == 'f' || code == 'u') {
        expanded += file;
        file_placed = true;
      } else if (code == 'c') {
        expanded += entry.Name;
      } else if (code == 'F' || code == 'U' || code == 'i') {
        drop = true;  // lists inside a word are not allowed
      }
      // %k, %d, %D, %n, %N, %v, %m and unknown codes stand for nothing.
    }
    if (!drop && !expanded.empty()) args.push_back(std::move(expanded));
  }
  if (args.empty() || args.front().empty()) throw EDesktopEntry("the desktop entry names no program to start");
  if (!file_placed) args.emplace_back(file);
  return args;
}

std::string ApplicationCaption(std::string_view path) {
  if (!SameNameIgnoringCase(ExtensionOf(path), ".desktop")) return FileNameOf(path);
  try {
    const DesktopEntry entry = ReadDesktopEntry(path);
    if (!entry.Name.empty()) return entry.Name;
  } catch (const Exception&) {
    // An entry that cannot be read is named by its file.
  }
  return WithoutExtension(FileNameOf(path));
}

}  // namespace lumetta
