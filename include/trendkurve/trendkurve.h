#pragma once
// The Trendkurve library: fit a regression or a prognosis, query it, read and write
// data files. No global state; every function may be called from many threads.

#include "trendkurve/Datei.h"
#include "trendkurve/Fehler.h"
#include "trendkurve/Prognose.h"
#include "trendkurve/Regression.h"
