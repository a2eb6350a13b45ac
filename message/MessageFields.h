#pragma once
// The adjustment fields of the message side as the panel shows them: which
// page and group each stands in, its label, range and place in MessageLayout.

#include <QVector>

#include "message/MessageSideInput.h"

namespace message {

struct MessageAdjustmentField {
    const char* name;  // objectName of the control
    const char16_t* label;
    int minimum;
    int maximum;
    int MessageLayout::*member;
};

struct MessageAdjustmentGroup {
    const char16_t* caption;
    QVector<MessageAdjustmentField> fields;
};

struct MessageAdjustmentPage {
    const char* name;         // objectName of the page
    const char16_t* caption;  // tab caption
    const char* resetButton;  // objectName of its "初期値に戻す"
    QVector<MessageAdjustmentGroup> groups;
};

enum MessageFieldPage { NewYearPage = 0, OrdinaryPage = 1, PrintPage = 2 };

// NMoji, FMoji, SetPrint, in tab order.
const QVector<MessageAdjustmentPage>& messageFieldPages();

}  // namespace message
