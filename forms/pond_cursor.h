// The keyboard's cursor on the pond: a cell that keys move, drop a source
// on, and open the menu at, drawn over the picture without touching the model.
#pragma once

#include "core/model/model.h"
#include "core/model/press.h"
#include "forms/controls.h"

namespace movra::forms {

// The keys that play the pond. Each toolkit maps its own key codes to these.
enum class PondKey { Left, Right, Up, Down, Home, End, PageUp, PageDown, Drop, Menu };

class PondCursor {
public:
    // Arrows: one cell, or five when fast (Ctrl or Shift held); Home and End:
    // the row's first and last column; Page Up and Down: the column's first
    // and last row. Never off the drawn cells. Shows the cursor.
    void Move(PondKey key, bool fast);
    void Hide() { shown_ = false; }
    bool Shown() const { return shown_; }
    int Column() const { return column_; }
    int Row() const { return row_; }
    // Where a key's press lands, in twips: a quarter of a cell in from the
    // cell's top-left corner. Not its centre: the press rule rounds the
    // centre, a tie, to the even neighbour, half the time the next cell.
    TwipsPoint PressAt() const;

    // The marker over the cell, in colours that show on every level.
    void Draw(PictureBox& picture) const;
    // The cell as the drawing pass left it, the marker gone.
    void Erase(const Model& model, PictureBox& picture) const;

private:
    int column_ = 15, row_ = 15;
    bool shown_ = false;
};

}  // namespace movra::forms
