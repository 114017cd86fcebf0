#pragma once

// The bridge moved to its own library; this header stays until every includer names the new one.
#include "editor/qtbridge/QtCp1251.h"
