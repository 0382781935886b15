#include "common/BusyScope.h"

#include <cmath>

int centredOffset(int outer, int inner) {
    return int(std::nearbyint((outer - inner) / 2.0)); // rounds halves to even
}

BusyScope::BusyScope(BusyHost* host, StringGrid* listGrid)
    : m_host(host)
    , m_grid(listGrid) {
    if (m_host)
        m_host->beginBusy();
}

BusyScope::~BusyScope() {
    if (m_host)
        m_host->endBusy(m_grid);
}
