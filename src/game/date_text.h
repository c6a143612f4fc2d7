#pragma once
// Date texts: the long form with the Hungarian month name for display, the short form
// for file names.
#include <string>

#include "clock.h"

namespace zrx {

// mode 1: "2024. Március 05. 07:08:09"; any other mode: "2024-Mar-05#07-08-09".
std::string DatumAtalakitas(int mode, const DateTime& date);

}  // namespace zrx
