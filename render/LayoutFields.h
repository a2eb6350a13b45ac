#pragma once
// The 35 adjustment fields of the address side: their tabs, labels, ranges
// and reset order, as one table.

#include <QVector>

#include "render/LayoutSettings.h"

namespace render {

struct AdjustmentField {
    const char* name;  // the control's name
    const char16_t* label;
    int minimum;
    int maximum;                                 // equal ends: no limit
    const char16_t* group;                       // sub-heading the label stands under, or empty
    const int& (*place)(const LayoutSettings&);  // where the renderer reads it

    int valueIn(const LayoutSettings& settings) const { return place(settings); }
    int& valueIn(LayoutSettings& settings) const { return const_cast<int&>(place(settings)); }
};

struct AdjustmentTab {
    const char* name;  // the tab page's name
    const char16_t* caption;
    const char16_t* heading;
    const char* resetButton;
    QVector<AdjustmentField> fields;  // in the order the reset button sets them to 0
};

const QVector<AdjustmentTab>& layoutTabs();

}  // namespace render
