#pragma once
// Lays out the two address grids: 13 columns, widths, row height, fonts,
// header, selection colour and hints.

namespace platform {
class StringGrid;
}

namespace book {

enum class GridRole { All, Filtered };

// Column widths of both grids, columns 0..12.
extern const int kColumnWidths[13];

void layoutAddressGrid(platform::StringGrid& grid, GridRole role);

}  // namespace book
