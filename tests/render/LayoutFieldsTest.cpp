#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "render/LayoutFields.h"

// The table ties each control and settings key to one value of the layout: two
// keys sharing a value, or a value no key reaches, would lose an adjustment.
TEST(LayoutFields, EveryFieldHasAValueOfItsOwn) {
    render::LayoutSettings layout;
    int number = 0;
    for (const render::AdjustmentTab& tab : render::layoutTabs())
        for (const render::AdjustmentField& f : tab.fields) f.valueIn(layout) = ++number;
    ASSERT_EQ(number, 35);

    number = 0;
    for (const render::AdjustmentTab& tab : render::layoutTabs())
        for (const render::AdjustmentField& f : tab.fields)
            EXPECT_EQ(f.valueIn(std::as_const(layout)), ++number) << f.name;

    std::array<int, 35> values;
    std::memcpy(values.data(), &layout, sizeof layout);
    std::sort(values.begin(), values.end());
    for (int i = 0; i < 35; ++i) EXPECT_EQ(values[size_t(i)], i + 1);
}
