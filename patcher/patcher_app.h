// The startup-file patcher's application object.
#pragma once

#include "framework/afx_app.h"

class PatcherApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
