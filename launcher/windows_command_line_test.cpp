#include "launcher/windows_command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/allocation_faults.h"
#include "launcher/argument_list.h"

namespace brindoka {
namespace {

using Args = std::vector<std::string>;

Args Split(const std::string& text) {
  bool failed = true;
  Args arguments = SplitArguments(text, &failed);
  EXPECT_FALSE(failed);
  return arguments;
}

struct SplitCase {
  const char* text;
  Args arguments;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, SplitsLikeTheMicrosoftRuntime) {
  EXPECT_EQ(Split(GetParam().text), GetParam().arguments)
      << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitTest,
    ::testing::Values(
        SplitCase{"", {}},
        SplitCase{"   \t ", {}},
        SplitCase{"a b\tc", {"a", "b", "c"}},
        SplitCase{"  a   b  ", {"a", "b"}},
        SplitCase{"-classpath \"a b;c\" Main", {"-classpath", "a b;c", "Main"}},
        SplitCase{"-classpath \";;;;;\"   ", {"-classpath", ";;;;;"}},
        SplitCase{"x\"a b\"y", {"xa by"}},
        SplitCase{"\"\"", {""}},
        SplitCase{"\"\" \"\"", {"", ""}},
        SplitCase{"\"unclosed here", {"unclosed here"}},
        SplitCase{"a\\b c\\\\d", {"a\\b", "c\\\\d"}},
        SplitCase{"C:\\x\\", {"C:\\x\\"}},
        SplitCase{"a\\\"b", {"a\"b"}},          // odd: escaped quote
        SplitCase{"a\\\\\"b c\"", {"a\\b c"}},  // even: half, then a quote
        SplitCase{"a\\\\\\\"b", {"a\\\"b"}},
        SplitCase{"\"a\"\"b\" c", {"a\"b", "c"}},  // "" inside quotes
        SplitCase{"a\"b\"\" c d", {"ab\" c d"}},
        SplitCase{"a\"\"b", {"ab"}}));

// Memory running out at any point marks the result failed, never half-split
// without saying so.
TEST(SplitWindowsArguments, ReportsRunningOutOfMemory) {
  std::string text = "-classpath \"" + std::string(300, 'a') + "\" Main b c";
  long total;
  {
    testing::AllocationFaults counting;
    Split(text);
    total = counting.Count();
  }
  ASSERT_GT(total, 0);
  for (long failing = 1; failing <= total; ++failing) {
    testing::AllocationFaults faults(failing);
    bool failed = false;
    SplitArguments(text, &failed);
    EXPECT_TRUE(failed) << failing;
  }
}

}  // namespace
}  // namespace brindoka
