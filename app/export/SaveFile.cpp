#include "app/export/SaveFile.h"

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Files.h"

namespace Bezier {

void SaveFileData(const std::string& fileName, std::string_view data) {
  int error = 0;
  if (!framework::WriteWholeFile(fileName, data, error))
    throw framework::EFCreateError(fileName, framework::SysErrorMessage(error));
}

}  // namespace Bezier
