// The scroll bar's Change for values set by code: raised on a real change
// only, also while the bar is disabled.
#include "platform/Form.h"
#include "platform/ScrollBar.h"
#include "support/RuntimeFixture.h"

#include <gtest/gtest.h>

using namespace plat;

namespace {
struct Win : Form {
    explicit Win(Runtime& rt) : Form(rt, "Win") {}
    VScrollBar VScroll1{*this, "VScroll1"};
};
} // namespace

TEST_F(RuntimeTest, ScrollBarChangeFromCodeRunsWhileDisabled)
{
    Win w(t.rt);
    w.VScroll1.setRange(130, 30);
    w.VScroll1.setValue(50);
    std::vector<int> changes;
    w.VScroll1.onChange = [&] { changes.push_back(w.VScroll1.value()); };
    w.VScroll1.setEnabled(false);
    EXPECT_TRUE(w.VScroll1.setValue(75));
    EXPECT_TRUE(w.VScroll1.setValue(75));   // no change, no event
    w.VScroll1.setRange(60, 30);            // 75 no longer fits: clamped to 60
    EXPECT_EQ(changes, (std::vector<int>{75, 60}));
}
