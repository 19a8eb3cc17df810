#include "framework/forms/FileDialogs.h"

#include "framework/classes/ClassBuilder.h"
#include "platform/window/Input.h"

namespace framework {

const TClassInfo& TOpenDialog::StaticClassInfo() {
  using D = TOpenDialog;
  static const TClassInfo info = TClassBuilder<D, TComponent>("TOpenDialog")
                                     .String("DefaultExt", &D::DefaultExt, &D::SetDefaultExt)
                                     .String("FileName", &D::FileName, &D::SetFileName)
                                     .String("Filter", &D::Filter, &D::SetFilter)
                                     .Int("FilterIndex", &D::FilterIndex, &D::SetFilterIndex, 1)
                                     .String("InitialDir", &D::InitialDir, &D::SetInitialDir)
                                     .String("Title", &D::Title, &D::SetTitle)
                                     .Build();
  return info;
}

const TClassInfo& TSaveDialog::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TSaveDialog, TOpenDialog>("TSaveDialog").Build();
  return info;
}

const TClassInfo& TFolderDialog::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TFolderDialog, TOpenDialog>("TFolderDialog").Build();
  return info;
}

std::vector<std::pair<std::string, std::string>> ParseFilter(const std::string& filter) {
  if (filter.empty()) return {};
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t bar = filter.find('|', start);
    if (bar == std::string::npos) {
      parts.push_back(filter.substr(start));
      break;
    }
    parts.push_back(filter.substr(start, bar - start));
    start = bar + 1;
  }
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) pairs.emplace_back(parts[i], parts[i + 1]);
  return pairs;
}

bool TOpenDialog::Execute() {
  platform::FileDialogParams params;
  params.Owner = platform::GetActiveWindow();
  params.Kind = Kind();
  params.Title = title_;
  params.Filters = ParseFilter(filter_);
  params.FilterIndex = filterIndex_;
  params.DefaultExt = defaultExt_;
  params.InitialDir = initialDir_;
  params.FileName = fileName_;
  params.OverwriteQuestion = overwriteQuestion_;
  const auto result = Kind() == platform::FileDialogKind::Open   ? platform::GetOpenFileName(params)
                      : Kind() == platform::FileDialogKind::Save ? platform::GetSaveFileName(params)
                                                                 : platform::GetFolderName(params);
  if (!result) return false;
  fileName_ = result->FileName;
  filterIndex_ = result->FilterIndex;
  return true;
}

}  // namespace framework
