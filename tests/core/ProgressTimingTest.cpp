// When a long task's progress dialog goes up and how long it stays.

#include "core/ProgressTiming.h"

#include <gtest/gtest.h>

TEST(ProgressTiming, ShowsOnlyLongWorkAndKeepsWhatItShowed)
{
    const TProgressTiming timing { 700, 400 };
    const struct {
        const char* Name;
        std::int64_t Elapsed, ShownAt;
        bool Show;
        std::int64_t Keep;
    } cases[]
        = { { "quick work shows nothing", 300, -1, false, 0 }, { "just before the time", 699, -1, false, 0 },
              { "at the time", 700, -1, true, 0 }, { "long after, once", 5000, -1, true, 0 },
              { "already up", 900, 700, false, 200 }, { "up long enough", 1100, 700, false, 0 },
              { "up for longer", 3000, 700, false, 0 }, { "just up", 720, 720, false, 400 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ShowProgressNow(timing, c.Elapsed, c.ShownAt >= 0), c.Show);
        EXPECT_EQ(ProgressKeepMs(timing, c.Elapsed, c.ShownAt), c.Keep);
    }
}
