#include "patcher/patcher_app.h"

BOOL PatcherApp::InitInstance()
{
    return FALSE;
}
