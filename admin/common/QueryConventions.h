#pragma once

// What every page shares: the statement runner and its session, how values
// are written into statements, how values read back are shown, and how
// results fill the grids.
#include "common/BusyScope.h"
#include "common/DisplayText.h"
#include "common/GridFill.h"
#include "common/SqlQuoting.h"
#include "common/StatementRunner.h"
