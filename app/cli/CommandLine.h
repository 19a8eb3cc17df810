#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The command-line commands beside the tool share one way of reading their arguments and of
// reporting a failure; a new option is one more row in a command's table.
namespace Bezier::cli {

// An option beyond --help and --version: its name ("--size"), the name of its value in the
// help ("W H" takes two words; empty for a switch) and one line of help.
struct TOption {
  std::string_view Name;
  std::string_view Value;
  std::string_view Help;
};

struct TCommand {
  std::string_view Name;      // bezier-render
  std::string_view Operands;  // POINTFILE OUT.png
  std::size_t MinOperands = 0;
  std::size_t MaxOperands = 0;
  std::string_view Summary;  // what the command does, for --help
  std::vector<TOption> Options;
};

struct TArguments {
  std::vector<std::string> Operands;
  // Every option given, with the words of its value joined by a blank; the last one counts.
  std::map<std::string, std::string, std::less<>> Options;

  bool Has(std::string_view option) const { return Options.contains(option); }
};

// Raised by a command's body for options that do not go together; it ends as a usage error.
class TUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Exit statuses, as command-line tools use them.
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

// Reads the arguments and runs body with them. --help and --version print to the standard
// output and end with 0; an unknown option, a missing option value or a wrong number of
// operands (or a TUsageError of body) prints the usage to the error output and ends with
// ExitUsage; a failure of body is
// one line "NAME: FILE: REASON" (or "NAME: REASON") and ends with ExitFailure. "--" ends the
// options, so that a file name may begin with a dash.
int RunCommand(const TCommand& command, int argc, const char* const* argv,
               const std::function<void(const TArguments&)>& body);

// The whole number the text is, when it lies in least..most: an option's value.
std::optional<int> NumberIn(std::string_view text, int least, int most);

// "usage: NAME [OPTION]... OPERANDS", the first line of the help and of a usage error.
std::string UsageLine(const TCommand& command);

}  // namespace Bezier::cli
