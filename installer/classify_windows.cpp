#include "installer/classify_windows.h"

#include <cstring>

#include "platform/port.h"

void ShowStartupBox(const char* text)
{
    port::MessageBoxA(nullptr, text, "Message", MB_OK);
}

bool ClassifyWindows(OsCode* code)
{
    OSVERSIONINFOEXA version;
    std::memset(&version, 0, sizeof version);
    OSVERSIONINFOA* record = reinterpret_cast<OSVERSIONINFOA*>(&version);
    record->dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    if (!port::GetVersionExA(record)) {
        // The 9x family and NT 4 before SP6 know only the plain record.
        record->dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!port::GetVersionExA(record)) {
            ShowStartupBox("Check OS type Error !");
            return false;
        }
    }
    if (!ClassifyVersion(*record, code)) {
        ShowStartupBox("Unknown OS type !");
        return false;
    }
    return true;
}
