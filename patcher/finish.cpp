// How a run ends once c:\config.sys is written: the marker a set-up program
// looks for, or, on the one command line that asks for it, a restart prompt.
#include <cstring>

#include "patcher/patcher_app.h"
#include "platform/port.h"

namespace {
const char kPromptTail[] = "-s -f2\"c:\\tqv.log\"";
const char kMarker[] = "c:\\kzm.log";
}  // namespace

void PatcherApp::FinishPatch()
{
    if (std::strcmp(m_pszCmdTail, kPromptTail) != 0) {
        // The marker holds its own path. One that cannot be written is not
        // reported: c:\config.sys is patched by now, and a set-up program
        // that finds no marker at worst runs the patcher again.
        port::CrtFile* marker = port::fopen(kMarker, "wb");
        if (marker != nullptr) {
            port::fwrite(kMarker, 1, sizeof kMarker - 1, marker);
            port::fclose(marker);
        }
        port::exit(0);
    }
    int answer = DoMessageBox("Patch OK!!\nYou need to reboot !!", MB_OKCANCEL | MB_ICONEXCLAMATION, 0);
    if (answer == IDCANCEL)
        port::exit(0);
    // 9x restarts for any process; NT would first need the shutdown privilege.
    if (answer == IDOK)
        port::ExitWindowsEx(EWX_REBOOT, 0);
}
