#pragma once

// Compares recorded messages with an expected sequence, in order. Each expected entry may be
// optional and may pin its wParam, lParam and source; messages named as ignored may appear
// anywhere. A failure lists the expected and the received sequence.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/MessageRecorder.h"

namespace korvale::testing {

inline constexpr unsigned kOptional = 1u << 0;
inline constexpr unsigned kWParam = 1u << 1;  // wParam must be equal
inline constexpr unsigned kLParam = 1u << 2;  // lParam must be equal
// The source, when one is named; otherwise any.
inline constexpr unsigned kSent = 1u << 3;
inline constexpr unsigned kPosted = 1u << 4;
inline constexpr unsigned kReturned = 1u << 5;

struct ExpectedMessage {
  UINT message = 0;
  unsigned flags = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

::testing::AssertionResult MatchesSequence(const std::vector<RecordedMessage>& received,
                                           const std::vector<ExpectedMessage>& expected,
                                           const std::vector<UINT>& ignored = {});
// Ignores every message that no expected entry names: for windows that receive much more
// than the test is about (system dialogs, menus).
::testing::AssertionResult MatchesListed(const std::vector<RecordedMessage>& received,
                                         const std::vector<ExpectedMessage>& expected);

// "WM_LBUTTONDOWN" for the messages window tests meet, else the number in hex.
std::string MessageName(UINT message);

}  // namespace korvale::testing
