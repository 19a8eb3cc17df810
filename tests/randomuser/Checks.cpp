// What must hold after every action: no table of the wrong size, every failure told in a box
// and nothing lost by it, no file left half-saved, and a window that still paints.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "app/Bezier.h"
#include "app/BezierPointFile.h"
#include "app/export/WindowExports.h"
#include "framework/controls/ListBox.h"
#include "framework/runtime/Conversions.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/TextFile.h"
#include "platform/graphics/Png.h"
#include "platform/kernel/Files.h"
#include "platform/window/Dialogs.h"
#include "platform/window/Paint.h"
#include "platform/window/Windows.h"
#include "skinengine/controls/sCustomButton.h"
#include "skinengine/controls/sEdit.h"
#include "styled/suiGrid.h"
#include "tests/randomuser/RandomUser.h"

namespace randomuser {

using testsupport::FailingDisk;

namespace {

std::optional<std::string> Content(const std::string& path) {
  if (!platform::FileExists(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool FailsOnRead(const TAnswer& a) {
  return a.Kind == TAnswerKind::FailingDisk &&
         (a.Changing || a.Call == FailingDisk::Call::Open || a.Call == FailingDisk::Call::Read);
}

// An empty file is saved without a single write.
bool FailsOnSave(const TAnswer& a, bool empty) {
  if (a.Kind == TAnswerKind::Folder || a.Kind == TAnswerKind::Unwritable) return true;
  return a.Kind == TAnswerKind::FailingDisk && !FailsOnRead(a) &&
         !(empty && a.Call == FailingDisk::Call::Write);
}

// What the tool says about a file that failed while it was read.
std::string ReadFailure(const TAnswer& a) {
  if (a.Changing) return platform::FileErrorText(platform::FileChanged);
  return a.Error == ENOENT ? "File not found" : std::strerror(a.Error);
}

std::vector<std::vector<std::string>> CellsOf(const suiGrid::TsuiStringGrid& grid) {
  std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(grid.RowCount()));
  for (int r = 0; r < grid.RowCount(); ++r)
    for (int c = 0; c < grid.ColCount(); ++c)
      cells[static_cast<std::size_t>(r)].push_back(grid.Cells(c, r));
  return cells;
}

// Everything the tool has to say to this user; any other message is a fault surfacing.
bool Known(const std::string& text) {
  static const std::regex messages(
      "Nilai (Maksimal [MN] < 10|Minimum [MN] > 1)|Cek Seluruh Input yang harus diisi \\.\\.\\. !|"
      "'[\\s\\S]*' is not a valid integer value|"
      "The table size -?[0-9]+ x -?[0-9]+ is not valid \\(1 to [0-9]+ points\\)|"
      "Cannot create file \"[\\s\\S]*\"\\. .+|File not found|Input/output error|"
      "The file changed while it was read|Bezier Surface curve ![\\s\\S]*|"
      "Berkas \"[\\s\\S]*\" sudah ada\\.\nGanti berkas itu\\?|"
      "Papan klip tidak berisi titik untuk ditempel|"
      "Papan klip berisi [0-9]+ titik, tetapi tabel hanya punya [0-9]+ baris dari baris [0-9]+|"
      "Baris [0-9]+ papan klip: [\\s\\S]*|"
      "(Skin|Tema) \"[\\s\\S]*\" tidak dapat dipakai: [\\s\\S]+|"
      "Folder \"[\\s\\S]*\" bukan folder skin: tidak ada \"Options.dat\"\\.");
  return std::regex_match(text, messages);
}

// The text with every byte outside printable ASCII as \xNN, for a report on a terminal.
std::string Printable(const std::string& text) {
  std::string out;
  for (const unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      constexpr char Hex[] = "0123456789ABCDEF";
      out += {'\\', 'x', Hex[c >> 4], Hex[c & 0xF]};
    }
  }
  return out;
}

}  // namespace

void TRandomUser::PrepareAnswer() {
  if (answerPending_) return;
  pending_ = answers_.Pick();
  session_->Backend().AnswerFileDialog(
      pending_.Kind == TAnswerKind::Cancel ? std::nullopt : std::optional(pending_.Path));
  answerPending_ = true;
}

TRandomUser::TBefore TRandomUser::Observe() const {
  TBefore before;
  before.DrawButtonEnabled = form_->Gambar->Enabled();
  before.M = form_->EdM->Text();
  before.N = form_->EdN->Text();
  before.Cells = CellsOf(*form_->SGInput);
  before.RecordedLines = form_->ListGrid->Items()->Lines();
  before.Dialogs = session_->Backend().Dialogs().size();
  before.HistoryMoves = form_->TableEdits->History().Moves();
  if (pending_.Kind != TAnswerKind::Cancel) {
    before.Opened = Content(pending_.Path);
    before.Saved = Content(platform::ApplyDefaultExt(pending_.Path, "txt"));
    const std::string picture = platform::ApplyDefaultExt(pending_.Path, "png");
    before.Pictured = Content(picture);
    std::error_code ec;
    before.PictureNameTaken = std::filesystem::exists(picture, ec);
  }
  return before;
}

void TRandomUser::Check(const TBefore& before) {
  CheckDialogs(before);
  CheckRows(before);
  // A snapshot of the whole window costs more than most actions; every few actions still
  // finds a window that stopped painting, and the repeat command stops right after it.
  if (++actions_ % PaintCheckEvery == 0) CheckPainting();
}

std::vector<std::string> TRandomUser::NewMessages(const TBefore& before) const {
  std::vector<std::string> texts;
  const auto& dialogs = session_->Backend().Dialogs();
  for (std::size_t i = before.Dialogs; i < dialogs.size(); ++i)
    if (dialogs[i].IsMessageBox) texts.push_back(dialogs[i].Box.Text);
  return texts;
}

void TRandomUser::CheckDialogs(const TBefore& before) {
  const auto& dialogs = session_->Backend().Dialogs();
  const std::vector<std::string> messages = NewMessages(before);
  for (const std::string& text : messages)
    if (!Known(text)) Fail("the tool said what it has no cause to say: " + Printable(text));
  tally_.MessageBoxes += messages.size();
  const auto file = std::find_if(dialogs.begin() + static_cast<std::ptrdiff_t>(before.Dialogs),
                                 dialogs.end(), [](const auto& d) { return !d.IsMessageBox; });
  if (file == dialogs.end()) return;
  answerPending_ = false;
  Note("the dialog answers " + Describe(pending_));
  // A skin folder or a theme file chosen from the Tampilan menu: whatever it was, the table
  // is as it was.
  if (file->File.Kind == platform::FileDialogKind::Folder || file->File.Title == "Buka tema") {
    if (CellsOf(*form_->SGInput) != before.Cells) Fail("a skin or a theme changed the table");
    return;
  }
  if (file->File.Kind == platform::FileDialogKind::Open) {
    ++tally_.Opens;
    CheckOpen(before, messages);
  } else if (file->File.DefaultExt == "png") {
    ++tally_.Saves;
    CheckPictureSave(before, messages);
  } else {
    ++tally_.Saves;
    CheckSave(before, messages);
  }
}

void TRandomUser::CheckOpen(const TBefore& before, const std::vector<std::string>& messages) {
  const bool read = pending_.Kind != TAnswerKind::Cancel && before.Opened.has_value();
  const auto unchanged = [&](const char* why) {
    if (form_->EdM->Text() != before.M || form_->EdN->Text() != before.N)
      Fail(std::string("the count fields changed although ") + why);
    if (CellsOf(*form_->SGInput) != before.Cells)
      Fail(std::string("the table changed although ") + why);
  };
  if (read && FailsOnRead(pending_)) {
    if (messages != std::vector<std::string>{ReadFailure(pending_)})
      Fail("a file that failed while it was read was not told as such");
    unchanged("the file could not be read");
    if (form_->Gambar->Enabled() != before.DrawButtonEnabled) Fail("a failed open enabled drawing");
    return;
  }
  const std::vector<std::string> lines =
      read ? framework::ReadTextFileLines(pending_.Path) : std::vector<std::string>{};
  if (lines.empty()) {
    if (!messages.empty()) Fail("an open with nothing to read showed a message");
    unchanged("nothing was read");
    if (!form_->Gambar->Enabled()) Fail("an open did not enable drawing");
    return;
  }
  const Bezier::THeaderTexts header = Bezier::SplitHeader(lines[0]);
  if (form_->EdM->Text() != header.M || form_->EdN->Text() != header.N)
    Fail("the count fields do not hold the file's counts");
  std::int32_t count = 0;
  try {
    count = Bezier::PointCountOf(header.M, header.N);
  } catch (const framework::Exception& e) {
    if (messages != std::vector<std::string>{e.Message()}) Fail("a bad header was not told");
    if (CellsOf(*form_->SGInput) != before.Cells)
      Fail("a file with a bad header changed the table");
    return;
  }
  if (!messages.empty()) Fail("a good open showed a message: " + messages.front());
  expectedRows_ = count + 1;
  const auto read_ = std::min<std::size_t>(static_cast<std::size_t>(count), lines.size() - 1);
  for (std::size_t k = 0; k < read_; ++k) {
    const Bezier::TPointTexts point = Bezier::SplitPointLine(lines[k + 1]);
    const int row = static_cast<int>(k) + 1;
    const auto& grid = *form_->SGInput;
    if (grid.Cells(0, row) != std::to_string(row) || grid.Cells(1, row) != point.X ||
        grid.Cells(2, row) != point.Y || grid.Cells(3, row) != point.Z)
      Fail("row " + std::to_string(row) + " does not hold the file's point");
  }
  if (!form_->Gambar->Enabled()) Fail("an open did not enable drawing");
}

void TRandomUser::CheckSave(const TBefore& before, const std::vector<std::string>& messages) {
  if (pending_.Kind == TAnswerKind::Cancel) {
    if (!messages.empty()) Fail("a cancelled save showed a message");
    return;
  }
  if (answers_.TemporariesLeft()) Fail("a save left a temporary file behind");
  const std::string target = platform::ApplyDefaultExt(pending_.Path, "txt");
  const std::optional<std::string> now = Content(target);
  if (FailsOnSave(pending_, before.RecordedLines.empty())) {
    if (messages.size() != 1 || !messages[0].starts_with("Cannot create file \"" + target + "\". "))
      Fail("a failed save was not told: " + (messages.empty() ? "no message" : messages[0]));
    if (now != before.Saved) Fail("a failed save changed " + target);
    return;
  }
  if (!messages.empty()) Fail("a good save showed a message: " + messages.front());
  if (now != Bezier::PointFileText(before.RecordedLines))
    Fail(target + " does not hold the last drawn table");
}

void TRandomUser::CheckPictureSave(const TBefore& before,
                                   const std::vector<std::string>& messages) {
  if (pending_.Kind == TAnswerKind::Cancel) {
    if (!messages.empty()) Fail("a cancelled picture save showed a message");
    return;
  }
  if (answers_.TemporariesLeft()) Fail("a picture save left a temporary file behind");
  const std::string target = platform::ApplyDefaultExt(pending_.Path, "png");
  const std::optional<std::string> now = Content(target);
  // The question about a name that is taken goes unanswered here, which is "No".
  if (before.PictureNameTaken) {
    if (messages.size() != 1 || !messages[0].starts_with("Berkas \"" + target + "\" sudah ada"))
      Fail("replacing " + target + " was not asked");
    if (now != before.Pictured) Fail("a picture replaced " + target + " without a yes");
    return;
  }
  if (!messages.empty()) {
    if (messages.size() != 1 || !messages[0].starts_with("Cannot create file \"" + target + "\". "))
      Fail("a failed picture save was not told: " + messages[0]);
    if (now != before.Pictured) Fail("a failed picture save changed " + target);
    return;
  }
  const std::vector<std::uint8_t> png = platform::EncodePng(Bezier::ShownDrawing(*form_));
  if (now != std::string(png.begin(), png.end()))
    Fail(target + " does not hold the drawing area as shown");
}

void TRandomUser::CheckRows(const TBefore& before) {
  // Undo and redo give the table the rows it had at that step.
  if (form_->TableEdits->History().Moves() != before.HistoryMoves)
    expectedRows_ = form_->SGInput->RowCount();
  if (sizedBy_) {
    const std::int32_t count =
        framework::StrToInt(sizedBy_->first) * framework::StrToInt(sizedBy_->second);
    sizedBy_.reset();
    if (form_->PointCount != count) Fail("the point count is not m x n");
    expectedRows_ = count + 1;
  }
  if (form_->SGInput->RowCount() != expectedRows_) {
    Fail("the table has " + std::to_string(form_->SGInput->RowCount()) + " rows instead of " +
         std::to_string(expectedRows_));
  }
}

void TRandomUser::CheckPainting() {
  const platform::HWND window = form_->Handle();
  if (!app_->Terminated() && !platform::IsWindowVisible(window)) Fail("the window is gone");
  platform::UpdateWindow(window);
  const platform::Bitmap shot = platform::WindowSnapshot(window);
  const platform::TRect bounds = platform::GetWindowRect(window);
  if (shot.Width() != bounds.Width() || shot.Height() != bounds.Height())
    Fail("the window's picture is not its size");
  std::set<platform::TColor> colours;
  for (int y = 0; y < shot.Height(); y += 37)
    for (int x = 0; x < shot.Width(); x += 41) colours.insert(shot.Pixel(x, y));
  if (colours.size() < 3) Fail("the window is painted in hardly any colour");
}

}  // namespace randomuser
