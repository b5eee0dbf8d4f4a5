#pragma once
// g++ 12 sees a queued file name as maybe uninitialised when inlined.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include "FakeDialoge.h"
#pragma GCC diagnostic pop
