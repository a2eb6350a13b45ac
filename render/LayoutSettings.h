#pragma once
// The 35 adjustment values of the address side, in 0.1 mm, named after their
// controls. X moves right, Y moves up, sizes enlarge; all 0 by default.

namespace render {

struct LayoutSettings {
    // recipient postal code
    int UXPos = 0, UYPos = 0, UWidth = 0, UHeight = 0;
    // recipient address lines
    int J1XPos = 0, J2XPos = 0, J1YPos = 0, J2YPos = 0, JHeight = 0;
    // recipient name and joint name
    int NXPos = 0, NYPos = 0, NHeight = 0, NGyokan = 0;
    // sender postal code
    int SUXPos1 = 0, SUXPos2 = 0, SUYPos1 = 0, SUYPos2 = 0, SUWidth = 0, SUHeight = 0;
    // sender address lines
    int SJ1XPos = 0, SJ1YPos = 0, SJ2XPos = 0, SJ2YPos = 0, SJHeight = 0;
    // sender name and joint name
    int SNXPos = 0, SNYPos = 0, SNHeight = 0, SNGyokan = 0;
    // company
    int ShameiXPos = 0, ShameiYPos = 0, ShameiSize = 0;
    // title
    int YakushokuXPos = 0, YakushokuYPos = 0, YakushokuSize = 0, YGyoukan = 0;
};

static_assert(sizeof(LayoutSettings) == 35 * sizeof(int), "35 adjustment values");

}  // namespace render
