#pragma once
// The 35 adjustment values of the address side, in 0.1 mm, grouped by the
// field they place. X moves right, Y moves up, width, height and size
// enlarge, a line gap widens the space between two columns; all 0 by default.
// The settings file and the controls keep their own names for them (see
// LayoutFields.cpp).

namespace render {

// One line of text moved.
struct LinePlacement {
    int x = 0, y = 0;
};

// The recipient's postal code: every digit moved and resized alike.
struct PostalCodePlacement {
    int x = 0, y = 0, width = 0, height = 0;
};

// The sender's postal code in its two upright groups of one digit size.
struct SenderPostalCodePlacement {
    LinePlacement upper;  // the first three digits
    LinePlacement lower;  // the last four
    int width = 0, height = 0;
};

// Two address lines in one font size.
struct AddressPlacement {
    LinePlacement line1, line2;
    int height = 0;
};

// A name and its joint name, moved and sized together; the line gap moves
// the joint name's column away from the name's.
struct NamePlacement {
    int x = 0, y = 0, height = 0, lineGap = 0;
};

// The company's column.
struct CompanyPlacement {
    int x = 0, y = 0, height = 0;
};

// The title's column; its line gap widens the space down to the name.
struct TitlePlacement {
    int x = 0, y = 0, height = 0, lineGap = 0;
};

struct LayoutSettings {
    PostalCodePlacement recipientPostalCode;
    AddressPlacement recipientAddress;
    NamePlacement recipientName;
    SenderPostalCodePlacement senderPostalCode;
    AddressPlacement senderAddress;
    NamePlacement senderName;
    CompanyPlacement company;
    TitlePlacement title;
};

static_assert(sizeof(LayoutSettings) == 35 * sizeof(int), "35 adjustment values");

}  // namespace render
