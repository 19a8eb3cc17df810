#include "app/cli/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <exception>
#include <initializer_list>

#include "app/cli/CommandFailure.h"

namespace Bezier::cli {

namespace {

const TOption HelpOption{"--help", "", "show this help and exit"};
const TOption VersionOption{"--version", "", "show the version and exit"};

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text.append(part);
  return text;
}

const TOption* FindOption(const TCommand& command, std::string_view name) {
  if (name == HelpOption.Name) return &HelpOption;
  if (name == VersionOption.Name) return &VersionOption;
  const auto found = std::find_if(command.Options.begin(), command.Options.end(),
                                  [&](const TOption& option) { return option.Name == name; });
  return found == command.Options.end() ? nullptr : &*found;
}

// The number of words an option's value takes: one per blank-separated name in its help.
std::size_t ValueWords(const TOption& option) {
  if (option.Value.empty()) return 0;
  return static_cast<std::size_t>(std::count(option.Value.begin(), option.Value.end(), ' ')) + 1;
}

std::string OptionLine(const TOption& option) {
  std::string head = Joined({"  ", option.Name, option.Value.empty() ? "" : " ", option.Value});
  head.resize(std::max<std::size_t>(head.size() + 2, 24), ' ');
  return head + std::string(option.Help) + "\n";
}

std::string Help(const TCommand& command) {
  std::string text = UsageLine(command) + std::string(command.Summary) + "\n\nOptions:\n";
  for (const TOption& option : command.Options) text += OptionLine(option);
  return text + OptionLine(HelpOption) + OptionLine(VersionOption);
}

// The arguments, or the reason they are not understood.
struct TParsed {
  TArguments Arguments;
  std::string Problem;
};

TParsed Parse(const TCommand& command, int argc, const char* const* argv) {
  TParsed parsed;
  bool optionsEnd = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (optionsEnd || !word.starts_with('-') || word == "-") {
      parsed.Arguments.Operands.emplace_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnd = true;
      continue;
    }
    const TOption* option = FindOption(command, word);
    if (option == nullptr) {
      parsed.Problem = Joined({"unknown option '", word, "'"});
      return parsed;
    }
    const std::size_t words = ValueWords(*option);
    if (static_cast<std::size_t>(argc - 1 - i) < words) {
      parsed.Problem = Joined({"the option ", word, " needs ", option->Value});
      return parsed;
    }
    std::string value;
    for (std::size_t k = 0; k < words; ++k) value.append(k ? " " : "").append(argv[++i]);
    parsed.Arguments.Options[std::string(word)] = value;
  }
  const std::size_t count = parsed.Arguments.Operands.size();
  if (count < command.MinOperands || count > command.MaxOperands)
    parsed.Problem = "wrong number of operands";
  return parsed;
}

int Fail(const TCommand& command, const std::string& file, const std::string& reason) {
  const std::string name(command.Name);
  if (file.empty())
    std::fprintf(stderr, "%s: %s\n", name.c_str(), reason.c_str());
  else
    std::fprintf(stderr, "%s: %s: %s\n", name.c_str(), file.c_str(), reason.c_str());
  return ExitFailure;
}

int UsageFailure(const TCommand& command, const std::string& problem) {
  std::fprintf(stderr, "%s: %s\n%s", std::string(command.Name).c_str(), problem.c_str(),
               UsageLine(command).c_str());
  return ExitUsage;
}

}  // namespace

std::optional<int> NumberIn(std::string_view text, int least, int most) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < least || value > most)
    return std::nullopt;
  return value;
}

std::string UsageLine(const TCommand& command) {
  return Joined({"usage: ", command.Name, " [OPTION]... ", command.Operands, "\n"});
}

int RunCommand(const TCommand& command, int argc, const char* const* argv,
               const std::function<void(const TArguments&)>& body) {
  const TParsed parsed = Parse(command, argc, argv);
  const TArguments& arguments = parsed.Arguments;
  // Asking for help or the version is never wrong, whatever else stands beside it.
  if (arguments.Has(HelpOption.Name)) {
    std::fputs(Help(command).c_str(), stdout);
    return 0;
  }
  if (arguments.Has(VersionOption.Name)) {
    std::printf("%s %s\n", std::string(command.Name).c_str(), BEZIER_VERSION);
    return 0;
  }
  if (!parsed.Problem.empty()) return UsageFailure(command, parsed.Problem);
  try {
    body(arguments);
    return 0;
  } catch (const TUsageError& e) {
    return UsageFailure(command, e.what());
  } catch (const TFailure& e) {
    return Fail(command, e.File(), e.what());
  } catch (const std::exception& e) {
    return Fail(command, "", e.what());
  }
}

}  // namespace Bezier::cli
