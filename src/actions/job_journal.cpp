#include "actions/job_journal.h"

#include <sys/random.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <string_view>

#include "actions/job_intents.h"
#include "platform/atomic_file.h"
#include "platform/json_lite.h"
#include "platform/private_place.h"

namespace quillon {
namespace {

constexpr std::string_view kHeaderStart = R"({"journal":"quillon","version":1,"state":")";
constexpr std::size_t kStateWidth = 8;

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out.push_back(digits[c >> 4]);
    out.push_back(digits[c & 15]);
  }
  return out;
}

std::optional<std::string> FromHex(const std::string& text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const auto nibble = [](char c) -> int {
      if (c >= '0' && c <= '9') return c - '0';
      if (c >= 'a' && c <= 'f') return c - 'a' + 10;
      return -1;
    };
    const int high = nibble(text[i]), low = nibble(text[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    out.push_back(static_cast<char>(high * 16 + low));
  }
  return out;
}

template <typename Integer>
void AppendNumber(std::string& out, Integer value) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// The done rows as ranges [first, last].
std::string Ranges(const std::vector<std::size_t>& done) {
  std::string out = "[";
  for (std::size_t k = 0; k < done.size();) {
    std::size_t last = k;
    while (last + 1 < done.size() && done[last + 1] == done[last] + 1) ++last;
    if (out.size() > 1) out.push_back(',');
    out.push_back('[');
    AppendNumber(out, done[k]);
    out.push_back(',');
    AppendNumber(out, done[last]);
    out.push_back(']');
    k = last + 1;
  }
  out.push_back(']');
  return out;
}

void AppendCopyIdentity(std::string& out, const FileIdentity& id) {
  out.push_back('[');
  AppendNumber(out, id.device);
  out.push_back(',');
  AppendNumber(out, id.inode);
  out.push_back(',');
  AppendNumber(out, id.size);
  out.push_back(',');
  AppendNumber(out, id.mtimeNs);
  out.push_back(']');
}

void AppendIds(std::string& out, std::size_t index, const RowIds& ids) {
  out.push_back('[');
  AppendNumber(out, index);
  out.push_back(',');
  if (ids.made) {
    AppendCopyIdentity(out, *ids.made);
  } else {
    out += "null";
  }
  if (ids.beside) {
    out.push_back(',');
    AppendCopyIdentity(out, *ids.beside);
  }
  out.push_back(']');
}

// An identity as the journal writes it: [device, inode, size, mtime].
std::optional<FileIdentity> IdentityFrom(const json::Value& value) {
  if (value.kind != json::Value::Kind::Array || value.array.size() != 4) return std::nullopt;
  for (const json::Value& n : value.array) {
    if (n.kind != json::Value::Kind::Number) return std::nullopt;
  }
  FileIdentity id;
  id.device = static_cast<std::uint64_t>(value.array[0].number);
  id.inode = static_cast<std::uint64_t>(value.array[1].number);
  id.size = static_cast<std::uint64_t>(value.array[2].number);
  id.mtimeNs = value.array[3].number;
  id.regular = true;
  return id;
}

// A folder as a journal must hold it: absolute, with its trailing separator, no "." or
// ".." in it.
bool AbsoluteFolder(const std::string& path) {
  if (path.empty() || path.front() != '/' || path.back() != '/') return false;
  if (path.find('\0') != std::string::npos) return false;
  return path.find("/./") == std::string::npos && path.find("/../") == std::string::npos;
}

// A folder as the journal shows it to people: absolute too, or none.
bool ShownFolder(const std::string& path) {
  return path.empty() || (path.front() == '/' && path.find('\0') == std::string::npos);
}

bool KnownAction(const std::string& action) {
  static const char* const kActions[] = {
      "Rename", "Rename And Copy", "Copy And Rename", "Move And Rename", "Copy",
      "Move",   "Delete",          "Set Attribute"};
  return std::any_of(std::begin(kActions), std::end(kActions),
                     [&action](const char* known) { return action == known; });
}

Result<JournalState> StateOf(const std::string& word) {
  if (word == "open") return JournalState::Open;
  if (word == "complete") return JournalState::Complete;
  if (word == "used") return JournalState::Used;
  return OsError{EINVAL, "journal: unknown state", word};
}

}  // namespace

std::string NewJobId() {
  unsigned char bytes[16] = {};
  if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
    // Without the kernel's randomness, the clock and the process tell jobs apart.
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    for (std::size_t k = 0; k < 8; ++k) bytes[k] = static_cast<unsigned char>(now >> (8 * k));
    const auto pid = static_cast<std::uint32_t>(::getpid());
    for (std::size_t k = 0; k < 4; ++k) bytes[8 + k] = static_cast<unsigned char>(pid >> (8 * k));
  }
  return Hex(std::string(reinterpret_cast<const char*>(bytes), sizeof bytes));
}

Result<std::string> TrustedJournalPath(const std::string& path) {
  return PrivateFilePath(path);
}

Result<FileLock> LockJournal(const std::string& path) {
  return FileLock::Take(path + ".lock", kJournalLockWait);
}

bool KeptNamePattern(const std::string& name) {
  // ".quillon-kept-" TOKEN "-" ROW, the token in hex digits, the row in decimal.
  constexpr std::string_view kStart = ".quillon-kept-";
  if (!std::string_view(name).starts_with(kStart)) return false;
  const std::string_view rest = std::string_view(name).substr(kStart.size());
  const std::size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash + 1 == rest.size()) return false;
  const auto all = [](std::string_view part, auto test) {
    return std::all_of(part.begin(), part.end(), test);
  };
  return all(rest.substr(0, dash),
             [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }) &&
         all(rest.substr(dash + 1), [](char c) { return c >= '0' && c <= '9'; });
}

void DropKeptFiles(Session& s, const UndoJournal& old) {
  if (old.ComboUndoKept.empty() || !AbsoluteFolder(old.TextUndoMovePath)) return;
  const FolderHandle dest = s.files.OpenFolder(old.TextUndoMovePath);
  const std::uint32_t user = CurrentUserId();
  for (std::size_t i = 0; i < old.ComboUndoKept.size(); ++i) {
    const std::string& kept = old.ComboUndoKept[i];
    if (kept.empty() || !KeptNamePattern(kept)) continue;
    const std::optional<FileIdentity>& recorded =
        i < old.ComboUndoBeside.size() ? old.ComboUndoBeside[i] : std::nullopt;
    if (!recorded) continue;
    const Result<FileIdentity> now = s.files.IdentifyAt(dest, kept);
    if (!now || !now->regular || now->owner != user || !Unchanged(*now, *recorded)) continue;
    (void)s.files.DeleteAt(dest, kept);
  }
}

std::size_t JournalStateOffset() {
  return kHeaderStart.size();
}

std::string JournalStateWord(JournalState state) {
  std::string word = state == JournalState::Open       ? "open"
                     : state == JournalState::Complete ? "complete"
                                                       : "used";
  word.resize(kStateWidth, ' ');
  return word;
}

std::string JournalHeaderLine(const UndoJournal& j, JournalState state, std::size_t rows,
                              std::size_t keptFiles) {
  std::string line(kHeaderStart);
  line += JournalStateWord(state) + "\"";
  line += ",\"job\":" + json::Quote(j.jobId);
  line += ",\"TextUndoAction\":" + json::Quote(j.TextUndoAction);
  line += ",\"TextUndoWorkDir\":" + json::Name(j.TextUndoWorkDir);
  line += ",\"TextUndoMoveDir\":" + json::Name(j.TextUndoMoveDir);
  line += ",\"TextUndoWorkPath\":" + json::Name(j.TextUndoWorkPath);
  line += ",\"TextUndoMovePath\":" + json::Name(j.TextUndoMovePath);
  const auto folderId = [&line](const char* key, const std::optional<FileIdentity>& id) {
    if (!id) return;
    line += ",\"";
    line += key;
    line += "\":[";
    AppendNumber(line, id->device);
    line.push_back(',');
    AppendNumber(line, id->inode);
    line.push_back(']');
  };
  folderId("workFolder", j.workFolderId);
  folderId("destFolder", j.destFolderId);
  line += ",\"rows\":" + std::to_string(rows);
  line += ",\"keptFiles\":" + std::to_string(keptFiles) + "}\n";
  return line;
}

void AppendIntentLine(std::string& out, const IntentRow& row) {
  out += "{\"i\":";
  AppendNumber(out, row.index);
  out += ",\"old\":";
  json::AppendName(out, row.oldName);
  out += ",\"new\":";
  json::AppendName(out, row.newName);
  if (!row.attr.empty()) {
    out += ",\"attr\":";
    json::AppendQuoted(out, row.attr);
  }
  if (row.raw) {
    out += ",\"mode\":";
    out += std::to_string(row.raw->mode);
    out += ",\"dosAttrib\":";
    if (row.raw->hasDosAttrib) {
      json::AppendQuoted(out, Hex(row.raw->dosAttribBytes));
    } else {
      out += "null";
    }
  }
  if (!row.kept.empty()) {
    out += ",\"kept\":";
    json::AppendName(out, row.kept);
  }
  out += "}\n";
}

Status JobJournal::Begin() {
  // The journal's own place, its lock, then the previous journal as the lock holder.
  const auto place = TrustedJournalPath(s_.actions.journalPath);
  if (!place) return place.error();
  const std::string& path = *place;
  s_.actions.journalPath = path;
  auto lock = LockJournal(path);
  if (!lock) return lock.error();
  lock_ = std::move(lock).value();
  // Only the previous journal's kept files matter here, and its header counts them: a
  // journal that has none (most) is not read further. After an undo, a kept file still
  // in place is one the undo could not put back (its copy was kept): it stays.
  UndoJournal previous;
  const auto before = ReadJournalHeader(path);
  replaced_.reset();
  if (before && before->state != JournalState::Used && before->action != "Delete") {
    replaced_ = before;
  }
  if (!before || before->keptFiles.value_or(1) != 0) {
    if (auto onDisk = ReadJournal(path); onDisk.ok() && onDisk->state != JournalState::Used) {
      previous = std::move(onDisk->journal);
    }
  }
  // The intents, from the job's list when it keeps one, else made row by row.
  std::size_t rows = 0;
  std::size_t keptFiles = 0;
  std::string body;
  const auto take = [&](const IntentRow& row) {
    ++rows;
    keptFiles += row.kept.empty() ? 0 : 1;
    AppendIntentLine(body, row);
  };
  body.reserve(s_.selection.store.size() * 64);
  if (JobKeepsIntents(s_)) {
    for (const IntentRow& row : s_.actions.intents) take(row);
  } else {
    ForEachIntent(s_, take);
  }
  // A deletion journals no row: its done rows are not written either.
  rowsJournaled_ = s_.actions.journal.TextUndoAction != "Delete";
  const std::string header =
      JournalHeaderLine(s_.actions.journal, JournalState::Open, rows, keptFiles);
  flushedUpto_ = 0;
  done_.clear();
  ids_.clear();
  if (Status made = file_.Create(path, header, body); !made) {
    lock_.Release();
    return made;
  }
  syncedAt_ = std::chrono::steady_clock::now();
  // The previous job's kept files go with its journal, once the new one stands.
  DropKeptFiles(s_, previous);
  return Status::Ok();
}

void JobJournal::RowDone(std::size_t index, const RowIds& ids) {
  if (!rowsJournaled_) return;
  done_.push_back(index);
  if (ids.made || ids.beside) ids_.emplace_back(index, ids);
}

Status JobJournal::Flush(std::size_t upto, Sync sync) {
  if (!file_.open() || upto <= flushedUpto_) return Status::Ok();
  std::string line = "{\"upto\":" + std::to_string(upto) + ",\"done\":" + Ranges(done_);
  std::string copies;
  for (const auto& [index, ids] : ids_) {
    if (!copies.empty()) copies.push_back(',');
    AppendIds(copies, index, ids);
  }
  if (!copies.empty()) line += ",\"copies\":[" + copies + "]";
  line += "}\n";
  // A line the file did not take leaves its rows to the next flush.
  if (Status appended = file_.Append(line); !appended) return appended;
  done_.clear();
  ids_.clear();
  flushedUpto_ = upto;
  const auto now = std::chrono::steady_clock::now();
  if (sync == Sync::No || (sync == Sync::WhenDue && now - syncedAt_ < kSyncInterval)) {
    return Status::Ok();
  }
  syncedAt_ = now;
  return file_.Sync();
}

Status JobJournal::Finish(std::size_t upto) {
  if (!file_.open()) return Status::Ok();
  if (Status flushed = Flush(upto, Sync::No); !flushed) return flushed;
  // Every line reaches the disk before the mark is written (an earlier flush may have
  // written the last one without a sync). The mark is not synced on its own: a power cut
  // that takes it leaves an open journal with every row settled, whose undo is the same.
  if (Status synced = file_.Sync(); !synced) return synced;
  const Status marked = file_.PatchAt(
      JournalStateOffset(), JournalStateWord(JournalState::Complete), DurableFile::Then::NoSync);
  file_.Close();
  lock_.Release();
  return marked;
}

Result<bool> MarkJournal(const std::string& path, JournalState state, const std::string& jobId) {
  const auto place = TrustedJournalPath(path);
  if (!place) return place.error();
  const auto start = ReadFileStart(*place, 64 * 1024);
  if (!start) return start.error();
  const std::size_t end = start->find('\n');
  const auto header = json::Parse(std::string_view(*start).substr(0, end));
  const json::Value* job = header ? header->Find("job") : nullptr;
  const std::string onDisk = job && job->kind == json::Value::Kind::String ? job->string : "";
  if (!std::string_view(*start).starts_with(kHeaderStart) || onDisk != jobId) return false;
  DurableFile file;
  if (Status opened = file.OpenExisting(*place); !opened) return opened.error();
  if (Status patched = file.PatchAt(JournalStateOffset(), JournalStateWord(state)); !patched) {
    return patched.error();
  }
  return true;
}

std::optional<JournalHeader> ReadJournalHeader(const std::string& path) {
  // A header is a few paths long; one that does not end within this many bytes is read
  // with the rest of its journal.
  constexpr std::size_t kHeaderBytes = 64 * 1024;
  const auto start = ReadFileStart(path, kHeaderBytes);
  if (!start.ok() || !std::string_view(*start).starts_with(kHeaderStart)) return std::nullopt;
  const std::size_t end = start->find('\n');
  if (end == std::string::npos) return std::nullopt;
  const auto header = json::Parse(std::string_view(*start).substr(0, end));
  if (!header) return std::nullopt;
  JournalHeader out;
  const json::Value* state = header->Find("state");
  std::string word = state && state->kind == json::Value::Kind::String ? state->string : "";
  word.erase(word.find_last_not_of(' ') + 1);
  const auto known = StateOf(word);
  if (!known.ok()) return std::nullopt;
  out.state = *known;
  const auto text = [&header](const char* key) {
    const json::Value* value = header->Find(key);
    const auto name = value ? json::NameOf(*value) : std::nullopt;
    return name.value_or("");
  };
  out.jobId = text("job");
  out.action = text("TextUndoAction");
  out.workDir = text("TextUndoWorkDir");
  const json::Value* kept = header->Find("keptFiles");
  if (kept != nullptr && kept->kind == json::Value::Kind::Number && kept->number >= 0) {
    out.keptFiles = static_cast<std::size_t>(kept->number);
  }
  return out;
}

std::optional<std::size_t> JournalKeptFiles(const std::string& path) {
  const auto header = ReadJournalHeader(path);
  return header ? header->keptFiles : std::nullopt;
}

Result<JournalOnDisk> ReadJournal(const std::string& path) {
  const auto place = TrustedJournalPath(path);
  if (!place) return place.error();
  const auto text = ReadWholeFile(*place, kMaxJournalBytes);
  if (!text.ok()) return text.status().error();
  return ParseJournal(*text);
}

Result<JournalOnDisk> ParseJournal(const std::string& text) {
  auto fail = [](const std::string& why) { return OsError{EINVAL, "journal", why}; };
  std::size_t at = 0;
  auto nextLine = [&](std::string_view& line) {
    if (at >= text.size()) return false;
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    line = std::string_view(text).substr(at, end - at);
    at = end + 1;
    return true;
  };
  std::string_view line;
  if (!nextLine(line)) return fail("empty");
  const auto header = json::Parse(line);
  const json::Value* state = header ? header->Find("state") : nullptr;
  const json::Value* action = header ? header->Find("TextUndoAction") : nullptr;
  const json::Value* rows = header ? header->Find("rows") : nullptr;
  if (!header || !header->Find("journal") || !state || state->kind != json::Value::Kind::String ||
      !action || action->kind != json::Value::Kind::String || !rows ||
      rows->kind != json::Value::Kind::Number || rows->number < 0) {
    return fail("not a journal file");
  }
  JournalOnDisk out;
  std::string word = state->string;
  word.erase(word.find_last_not_of(' ') + 1);
  const auto known = StateOf(word);
  if (!known.ok()) return known.status().error();
  out.state = *known;
  UndoJournal& j = out.journal;
  j.TextUndoAction = action->string;
  if (!KnownAction(j.TextUndoAction)) return fail("an unknown action");
  if (const json::Value* job = header->Find("job"); job && job->kind == json::Value::Kind::String) {
    j.jobId = job->string;
  }
  const std::pair<const char*, std::string*> paths[] = {{"TextUndoWorkDir", &j.TextUndoWorkDir},
                                                        {"TextUndoMoveDir", &j.TextUndoMoveDir},
                                                        {"TextUndoWorkPath", &j.TextUndoWorkPath},
                                                        {"TextUndoMovePath", &j.TextUndoMovePath}};
  for (const auto& [key, field] : paths) {
    const json::Value* value = header->Find(key);
    const auto name = value ? json::NameOf(*value) : std::nullopt;
    if (!name) return fail(std::string(key) + " is missing");
    *field = *name;
  }
  const std::pair<const char*, std::optional<FileIdentity>*> folders[] = {
      {"workFolder", &j.workFolderId}, {"destFolder", &j.destFolderId}};
  for (const auto& [key, field] : folders) {
    const json::Value* id = header->Find(key);
    if (id == nullptr) continue;
    if (id->kind != json::Value::Kind::Array || id->array.size() != 2 ||
        id->array[0].kind != json::Value::Kind::Number ||
        id->array[1].kind != json::Value::Kind::Number) {
      return fail(std::string(key) + " is damaged");
    }
    FileIdentity folder;
    folder.device = static_cast<std::uint64_t>(id->array[0].number);
    folder.inode = static_cast<std::uint64_t>(id->array[1].number);
    *field = folder;
  }
  // A deletion cannot be undone: its journal holds no row (an older version listed the
  // deleted rows as done; they say nothing either).
  if (j.TextUndoAction == "Delete") return out;
  // Every file an undo touches lies in these folders: they must be absolute.
  if (!AbsoluteFolder(j.TextUndoWorkPath) ||
      (!j.TextUndoMovePath.empty() && !AbsoluteFolder(j.TextUndoMovePath)) ||
      !ShownFolder(j.TextUndoWorkDir) || !ShownFolder(j.TextUndoMoveDir)) {
    return fail("a folder that is not absolute");
  }

  // The intents, then the done blocks.
  const auto intended = static_cast<std::size_t>(rows->number);
  std::vector<IntentRow> intents;
  enum Seen : std::uint8_t { kUnknown, kDone, kNotDone };
  std::vector<Seen> seen;
  std::vector<RowIds> ids;
  std::size_t upto = 0;
  while (nextLine(line)) {
    if (line.empty()) continue;
    const auto value = json::Parse(line);
    if (!value || value->kind != json::Value::Kind::Object) {
      // A block line cut short at the end of the file (a power cut while it was being
      // written) says nothing: its rows stay unknown and are judged by their files.
      const bool tornTail = at >= text.size() && text.back() != '\n';
      if (tornTail && intents.size() == intended) break;
      return fail("a damaged line");
    }
    if (const json::Value* index = value->Find("i")) {
      const json::Value* oldName = value->Find("old");
      const json::Value* newName = value->Find("new");
      IntentRow row;
      const auto o = oldName ? json::NameOf(*oldName) : std::nullopt;
      const auto n = newName ? json::NameOf(*newName) : std::nullopt;
      if (index->kind != json::Value::Kind::Number || !o || !n || intents.size() >= intended) {
        return fail("a damaged row");
      }
      if (!PlainName(*o) || !PlainName(*n)) return fail("a row's name is not a plain name");
      row.index = static_cast<std::size_t>(std::max<std::int64_t>(index->number, 0));
      row.oldName = *o;
      row.newName = *n;
      if (const json::Value* attr = value->Find("attr");
          attr && attr->kind == json::Value::Kind::String) {
        row.attr = attr->string;
      }
      if (const json::Value* mode = value->Find("mode");
          mode && mode->kind == json::Value::Kind::Number && mode->number >= 0) {
        RawAttributes raw;
        raw.mode = static_cast<unsigned>(mode->number & 07777);
        if (const json::Value* dos = value->Find("dosAttrib");
            dos && dos->kind == json::Value::Kind::String) {
          const auto bytes = FromHex(dos->string);
          if (!bytes) return fail("a row's attribute bytes are damaged");
          raw.hasDosAttrib = true;
          raw.dosAttribBytes = *bytes;
        }
        row.raw = raw;
      }
      if (const json::Value* kept = value->Find("kept")) {
        const auto name = json::NameOf(*kept);
        if (!name) return fail("a damaged row");
        if (!KeptNamePattern(*name)) return fail("a kept name that is not the program's own");
        row.kept = *name;
      }
      intents.push_back(std::move(row));
      seen.push_back(kUnknown);
      ids.emplace_back();
      continue;
    }
    const json::Value* blockEnd = value->Find("upto");
    const json::Value* done = value->Find("done");
    if (!blockEnd || blockEnd->kind != json::Value::Kind::Number || !done ||
        done->kind != json::Value::Kind::Array) {
      return fail("a damaged line");
    }
    // Rows by their position among the intents, which are in store order.
    auto position = [&](std::int64_t storeIndex) -> std::optional<std::size_t> {
      const auto found = std::lower_bound(intents.begin(), intents.end(), storeIndex,
                                          [](const IntentRow& row, std::int64_t i) {
                                            return static_cast<std::int64_t>(row.index) < i;
                                          });
      if (found == intents.end() || static_cast<std::int64_t>(found->index) != storeIndex) {
        return std::nullopt;
      }
      return static_cast<std::size_t>(found - intents.begin());
    };
    // Every row of the block is settled: done where listed, else not done.
    const auto end = static_cast<std::int64_t>(blockEnd->number);
    for (std::size_t k = 0; k < intents.size(); ++k) {
      const auto index = static_cast<std::int64_t>(intents[k].index);
      if (index >= end) break;
      if (index >= static_cast<std::int64_t>(upto) && seen[k] == kUnknown) seen[k] = kNotDone;
    }
    for (const json::Value& range : done->array) {
      if (range.kind != json::Value::Kind::Array || range.array.size() != 2) {
        return fail("a damaged line");
      }
      const auto first = position(range.array[0].number);
      const auto last = position(range.array[1].number);
      if (!first || !last || *last < *first) return fail("a done row that was not intended");
      for (std::size_t k = *first; k <= *last; ++k) seen[k] = kDone;
    }
    if (const json::Value* made = value->Find("copies");
        made && made->kind == json::Value::Kind::Array) {
      for (const json::Value& copy : made->array) {
        // [row, made or null] or [row, made or null, beside].
        if (copy.kind != json::Value::Kind::Array || copy.array.size() < 2 ||
            copy.array.size() > 3 || copy.array[0].kind != json::Value::Kind::Number) {
          return fail("a damaged line");
        }
        const auto k = position(copy.array[0].number);
        if (!k) return fail("a copy that was not intended");
        RowIds& row = ids[*k];
        if (copy.array[1].kind != json::Value::Kind::Null) {
          row.made = IdentityFrom(copy.array[1]);
          if (!row.made) return fail("a damaged line");
        }
        if (copy.array.size() == 3) {
          row.beside = IdentityFrom(copy.array[2]);
          if (!row.beside) return fail("a damaged line");
        }
      }
    }
    upto = static_cast<std::size_t>(std::max<std::int64_t>(end, 0));
  }
  out.intended = intents.size();

  // The done rows, and those of an interrupted block; a finished job did nothing more.
  const bool finished = out.state != JournalState::Open;
  const bool attributes = j.TextUndoAction == "Set Attribute";
  const bool copying = Copies(j.TextUndoAction);
  const bool knowing = KnowsFiles(j.TextUndoAction);
  for (std::size_t k = 0; k < intents.size(); ++k) {
    if (seen[k] == kNotDone || (seen[k] == kUnknown && finished)) continue;
    const IntentRow& row = intents[k];
    j.ComboUndoOldName.push_back(row.oldName);
    j.ComboUndoNewName.push_back(row.newName);
    if (attributes) {
      j.ComboUndoAttr.push_back(row.attr);
      j.ComboUndoRawAttr.push_back(row.raw);
    }
    if (knowing) {
      j.ComboUndoCopy.push_back(ids[k].made);
      j.ComboUndoBeside.push_back(ids[k].beside);
    }
    if (copying) j.ComboUndoKept.push_back(row.kept);
    out.certain.push_back(seen[k] == kDone);
  }
  return out;
}

}  // namespace quillon
