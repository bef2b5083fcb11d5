#include "search/text_match.h"

#include <gtest/gtest.h>

namespace fif {
namespace {

TEST(SplitLines, Placeholder) { EXPECT_EQ(SplitLines("a\n\nb").size(), 3u); }

}  // namespace
}  // namespace fif
