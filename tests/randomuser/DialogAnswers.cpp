#include "tests/randomuser/DialogAnswers.h"

#include <stdlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace randomuser {

using testsupport::FailingDisk;

namespace {

void Write(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The ways a disk fails an open or a save.
struct TFault {
  FailingDisk::Call Call;
  int Error;
};
constexpr std::array<TFault, 8> Faults = {{{FailingDisk::Call::Open, ENOENT},
                                           {FailingDisk::Call::Read, EIO},
                                           {FailingDisk::Call::Create, EACCES},
                                           {FailingDisk::Call::Write, ENOSPC},
                                           {FailingDisk::Call::Write, EIO},
                                           {FailingDisk::Call::Flush, EIO},
                                           {FailingDisk::Call::Close, EIO},
                                           {FailingDisk::Call::Rename, EACCES}}};

}  // namespace

std::string Describe(const TAnswer& answer) {
  static constexpr std::array<const char*, 8> Kinds = {
      "cancel", "point file", "garbage",  "missing file",
      "folder", "unwritable", "new file", "point file on a failing disk"};
  std::string text = Kinds[static_cast<std::size_t>(answer.Kind)];
  if (!answer.Path.empty()) text += " " + answer.Path;
  if (answer.Kind != TAnswerKind::FailingDisk) return text;
  if (answer.Changing) return text + " that changes while it is read";
  return text + " (call " + std::to_string(static_cast<int>(answer.Call)) + " fails with " +
         std::strerror(answer.Error) + ")";
}

TDialogAnswers::TDialogAnswers(std::mt19937_64& random) : random_(random) {
  std::string pattern = (std::filesystem::temp_directory_path() / "random_user_XXXXXX").string();
  if (!::mkdtemp(pattern.data())) std::abort();
  folder_ = pattern;
  std::filesystem::create_directory(folder_ / "folder.txt");
  Write(folder_ / "plain.txt", "2x2\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n10 11 12\r\n");
}

TDialogAnswers::~TDialogAnswers() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string TDialogAnswers::PointFile(const std::string& name) {
  const int m = Below(9) + 1;
  const int n = Below(9) + 1;
  const char* end = Below(4) == 0 ? "\n" : "\r\n";
  std::string text = std::to_string(m) + "x" + std::to_string(n) + end;
  // Now and then a line short or a line over.
  const int lines = m * n + (Below(5) == 0 ? Below(3) - 1 : 0);
  for (int k = 0; k < lines; ++k) {
    text += std::to_string(Below(300)) + ' ' + std::to_string(Below(300)) + ' ' +
            std::to_string(Below(300)) + end;
  }
  const std::filesystem::path path = folder_ / name;
  Write(path, text);
  return path.string();
}

std::string TDialogAnswers::Garbage(const std::string& name) {
  std::string text;
  switch (Below(4)) {
    case 0: {  // bytes of any kind
      const int size = Below(200);
      for (int k = 0; k < size; ++k) text += static_cast<char>(Below(256));
      break;
    }
    case 1:  // counts that are no integers or no table
      text =
          std::array<const char*, 6>{"axb\r\n1 2 3\r\n", "3\r\n", "0x0\r\n",
                                     "99999x99999\r\n",  "x\r\n", "$10x2\r\n5 5 5\r\n"}[Below(6)];
      break;
    case 2:  // cells that are no integers, an empty line, Ctrl-Z inside
      text =
          "2x1\r\n1 2 three\r\n\r\n\x1A"
          "5 5 5\r\n";
      break;
    default: {  // a point file cut anywhere
      const std::string whole = PointFile(name);
      std::ifstream in(whole, std::ios::binary);
      text.assign(std::istreambuf_iterator<char>(in), {});
      text.resize(static_cast<std::size_t>(Below(static_cast<int>(text.size()) + 1)));
    }
  }
  const std::filesystem::path path = folder_ / name;
  Write(path, text);
  return path.string();
}

// A file the folder holds already: one of those made before or saved since.
std::string TDialogAnswers::Existing() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder_))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files[static_cast<std::size_t>(Below(static_cast<int>(files.size())))].string();
}

TAnswer TDialogAnswers::Pick() {
  // Names come back round, so that saves replace files and opens find saved ones.
  const std::string name = "file" + std::to_string(made_++ % 12) + ".txt";
  TAnswer answer;
  switch (Below(12)) {
    case 0:
      return answer;
    case 1:
    case 2:
      answer.Kind = TAnswerKind::PointFile;
      answer.Path = Below(3) == 0 ? Existing() : PointFile(name);
      return answer;
    case 3:
      answer.Kind = TAnswerKind::Garbage;
      answer.Path = Garbage(name);
      return answer;
    case 4:
      answer.Kind = TAnswerKind::Missing;
      answer.Path = (folder_ / "missing.txt").string();
      return answer;
    case 5:
      answer.Kind = TAnswerKind::Folder;
      answer.Path = (folder_ / "folder.txt").string();
      return answer;
    case 6:
      answer.Kind = TAnswerKind::Unwritable;
      answer.Path = Below(2) == 0 ? (folder_ / "none" / "x.txt").string()
                                  : (folder_ / "plain.txt" / "x.txt").string();
      return answer;
    case 7:
    case 8:
      answer.Kind = TAnswerKind::NewFile;
      answer.Path = (folder_ / (Below(3) == 0 ? "saved" : "saved.txt")).string();
      return answer;
    default: {
      answer.Kind = TAnswerKind::FailingDisk;
      answer.Path = PointFile(name);
      const TFault& fault = Faults[static_cast<std::size_t>(Below(Faults.size()))];
      answer.Changing = Below(Faults.size() + 1) == 0;
      answer.Call = fault.Call;
      answer.Error = fault.Error;
      return answer;
    }
  }
}

bool TDialogAnswers::TemporariesLeft() const {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_))
    if (entry.path().extension() == ".tmp") return true;
  return false;
}

}  // namespace randomuser
