// Entry point of the Windows build; the application object is already
// constructed in static storage by now.
#include <windows.h>

#include "framework/afx_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return AfxWinMain();
}
