// The application object: fixes where the settings live and runs the main sheet.
#pragma once

#include "win_app.h"

class CTuvApp : public CWinApp {
public:
    BOOL InitInstance() override;
};

// The registry company key every setting lives under.
constexpr const char* kCompanyKey = "Quandor Technologies";
