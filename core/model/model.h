// The ripple model's whole state: source slots, level grids, tables, and AppDir.
#pragma once

#include <array>
#include <string>

#include "core/model/arrays.h"
#include "core/model/int16.h"

namespace movra {

inline constexpr int GridSize = 30;      // cells per side of the simulated pond
inline constexpr int DrawnSize = 29;     // cells per side that the drawing pass paints
inline constexpr int SourceSlots = 10;
inline constexpr int SourceLifetime = 30;  // ticks a source is applied
inline constexpr int DistanceRange = 60;   // second bound of WaveTable
inline constexpr Int16 BaseLevel = 200;    // level of calm water
inline constexpr int CellTwips = 60;       // edge of one cell on the surface, in twips

struct SourceSlot {
    Int16 X = 0;    // cell column, 1..30
    Int16 Y = 0;    // cell row, 1..30
    Int16 Age = 0;  // 0 = free; 1..30 = the age whose wave the next tick applies
};

// What one source of each age adds to the cells of a row, derived from WaveTable
// and DistanceTable by BuildTables so that a tick only adds rows of numbers.
// Entry (age, dy, ox) is WaveTable(age, DistanceTable(|ox| + 1, dy)) for a cell
// ox columns right of the source and dy - 1 rows above or below it.
struct Rings {
    static constexpr int Width = 2 * GridSize - 1;  // column offsets -29..29
    std::array<Int16, SourceLifetime * GridSize * Width> values{};

    // The row for (age, dy), indexed by ox + 29; age and dy must be 1..30.
    Int16* Row(int age, int dy) { return &values[((age - 1) * GridSize + (dy - 1)) * Width]; }
};

struct Model {
    Array1<SourceSlot, SourceSlots> Sources;
    Array2<GridSize, GridSize> LevelGrid;
    Array2<GridSize, GridSize> ShownGrid;
    Array2<SourceLifetime, DistanceRange> WaveTable;
    Array2<GridSize, GridSize> DistanceTable;
    Rings RingTable;
    std::string AppDir;  // the program's directory, always ending in a separator
};

// Frees every slot and calms the pond; ShownGrid keeps its zeros, so the
// first drawing pass repaints everything.
void ResetModel(Model& model);

// Puts a new source of age 1 into the first free slot; with none free the
// press is ignored. The cell is stored unchecked: the caller passes 1..30.
void PlaceSource(Model& model, Int16 col, Int16 row);

}  // namespace movra
