#pragma once

#include <QString>

// A block of cell texts that a grid reads when it paints a cell or is asked
// for one, instead of holding every text itself.
class GridCells {
public:
    virtual ~GridCells() = default;
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    // The text of a cell; both indexes are in range, counted from 0.
    virtual QString text(int column, int row) const = 0;
};
