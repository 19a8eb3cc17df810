#pragma once

#include <gtest/gtest.h>

#include <string>

namespace framework::testing {

// The message of the E that call throws; a failure, and an empty message, when none is.
template <class E, class Call>
std::string ThrownMessage(Call&& call) {
  try {
    call();
  } catch (const E& e) {
    return e.Message();
  }
  ADD_FAILURE() << "nothing was thrown";
  return {};
}

}  // namespace framework::testing
