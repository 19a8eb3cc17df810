#include "framework/controls/BorderStyle.h"

#include <span>
#include <string_view>

namespace framework {

namespace {
constexpr std::string_view BorderStyleNames[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                                 "bsDialog", "bsToolWindow", "bsSizeToolWin"};
}  // namespace

const TEnumType FormBorderStyleType{"TFormBorderStyle", BorderStyleNames};
const TEnumType BorderStyleType{"TBorderStyle",
                                std::span<const std::string_view>(BorderStyleNames).first(2)};

}  // namespace framework
