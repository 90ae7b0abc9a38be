#include "config_sys_text.h"

namespace {

const char kSettings[] = "BUFFERS=20,0\r\nFILES=40\r\n";

// A boot configuration's lines, repeated as far as the size asks.
const char* const kLines[] = {
    "DEVICE=C:\\WINDOWS\\HIMEM.SYS\r\n",
    "DEVICE=C:\\WINDOWS\\EMM386.EXE NOEMS X=C800-CFFF\r\n",
    "DOS=HIGH,UMB\r\n",
    "REM Sound card and CD-ROM drivers\r\n",
    "DEVICEHIGH=C:\\CDROM\\OAKCDROM.SYS /D:MSCD001\r\n",
    "DEVICEHIGH /L:2,12048 =C:\\SBPCI\\DRV\\CSPMAN.DLL\r\n",
    "STACKS=9,256\r\n",
    "LASTDRIVE=Z\r\n",
    "COUNTRY=049,850,C:\\WINDOWS\\COMMAND\\COUNTRY.SYS\r\n",
    "SHELL=C:\\COMMAND.COM C:\\ /E:1024 /P\r\n",
};

}  // namespace

std::string ConfigSysText(size_t size, SettingsPlace place)
{
    std::string body;
    for (size_t i = 0; body.size() < size; ++i)
        body += kLines[i % (sizeof kLines / sizeof kLines[0])];
    std::string text = place == SettingsPlace::Top ? kSettings + body : body;
    text.resize(size - (place == SettingsPlace::Bottom ? sizeof kSettings - 1 : 0));
    if (place == SettingsPlace::Bottom) {
        text.replace(text.size() - 2, 2, "\r\n");
        text += kSettings;
    }
    return text;
}
