// Which cell of the check bitmap shows a check box or radio button in a given state.
#pragma once

#include <windows.h>

struct CheckCell {
  int column;
  int row;
};

enum { kCheckCellWidth = 14, kCheckCellHeight = 13 };

// kind is the button style & 0x1F; state is the BM_GETSTATE answer. A disabled button
// shows column 2 or 4 whatever its pushed bit, so the cell always lies inside the bitmap.
inline CheckCell CheckCellFor(UINT kind, UINT state, BOOL enabled) {
  UINT mark = state & 3;
  BOOL pushed = (state & BST_PUSHED) != 0;
  CheckCell cell;
  if (!enabled)
    cell.column = mark ? 4 : 2;
  else
    cell.column = (pushed ? 2 : 0) + (mark ? 1 : 0);
  if (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON)
    cell.row = 1;
  else if ((kind == BS_3STATE || kind == BS_AUTO3STATE) && mark == 2)
    cell.row = 2;
  else
    cell.row = 0;
  return cell;
}
