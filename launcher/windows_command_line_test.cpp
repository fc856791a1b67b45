#include "launcher/windows_command_line.h"

#include <gtest/gtest.h>

namespace brindoka {
namespace {

using Args = std::vector<std::string>;

struct SplitCase {
  const char* text;
  Args arguments;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, SplitsLikeTheMicrosoftRuntime) {
  EXPECT_EQ(SplitWindowsArguments(GetParam().text), GetParam().arguments)
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

}  // namespace
}  // namespace brindoka
