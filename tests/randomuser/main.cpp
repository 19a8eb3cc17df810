// random_user --seed S --actions N: the random user's N actions with seed S on the tool's
// main window. A failed check prints the last actions and the command that repeats the run.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "tests/randomuser/RandomUser.h"

namespace {

struct TOptions {
  unsigned long long Seed = 1;
  unsigned long long Actions = 1000;
};

bool Parse(int argc, char** argv, TOptions& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    char* end = nullptr;
    const unsigned long long value = std::strtoull(argv[i + 1], &end, 10);
    if (*end != '\0') return false;
    if (name == "--seed") {
      options.Seed = value;
    } else if (name == "--actions") {
      options.Actions = value;
    } else {
      return false;
    }
  }
  return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
  TOptions options;
  if (!Parse(argc, argv, options)) {
    std::fprintf(stderr, "usage: %s [--seed S] [--actions N]\n", argv[0]);
    return 2;
  }
  randomuser::TRandomUser user(options.Seed);
  unsigned long long done = 0;
  try {
    for (; done < options.Actions; ++done) {
      user.Act();
      if ((done + 1) % 10000 == 0) std::printf("actions: %llu\n", done + 1);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Action %llu of seed %llu failed: %s\nThe last actions:\n", done + 1,
                 options.Seed, e.what());
    for (const std::string& action : user.Recent()) std::fprintf(stderr, "  %s\n", action.c_str());
    std::fprintf(stderr, "Repeat with: %s --seed %llu --actions %llu\n", argv[0], options.Seed,
                 done + 1);
    return 1;
  }
  const randomuser::TTally& tally = user.Tally();
  std::printf(
      "actions: %llu (%llu drawings, %llu opens, %llu saves, %llu message boxes, %llu starts)\n",
      done, tally.Drawings, tally.Opens, tally.Saves, tally.MessageBoxes, tally.Starts);
  return 0;
}
