#pragma once

class StringGrid;

// The left (top) edge that centres an inner length in an outer one: half the
// difference, rounded to the nearest whole pixel, an exact half to the even
// neighbour.
int centredOffset(int outer, int inner);

// What the window does around a long list load.
class BusyHost {
public:
    virtual ~BusyHost() = default;
    // Hides the page control, places the busy panel in the middle of the
    // window, shows it and paints it at once.
    virtual void beginBusy() = 0;
    // Shows and repaints the page control, shows the list's grid, hides the
    // busy panel.
    virtual void endBusy(StringGrid* listGrid) = 0;
};

// Shows the busy panel for its lifetime; the end runs whatever the outcome.
class BusyScope {
public:
    BusyScope(BusyHost* host, StringGrid* listGrid);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyHost* m_host;
    StringGrid* m_grid;
};
