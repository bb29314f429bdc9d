// Steps on the main sheet that several scenarios take.
#pragma once

#include <windows.h>

#include "scenario.h"
#include "tuv_session.h"

// Clicks tab `index` of the sheet and waits for the page that holds control `pageControlId`;
// the scenario stops when that page does not show.
HWND ClickTab(Scenario& s, TuvSession& tuv, HWND sheet, int index, int pageControlId);
