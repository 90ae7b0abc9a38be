/*
 * Stands in for a driver package's console installer, install.exe: records
 * how it was started and stays alive for the time its settings file names,
 * so that a waiting caller can be watched.
 *
 * Settings: C:\bench\standin.txt, "life_ms=<milliseconds>" (default 3000).
 * Log: appended to C:\bench\install.log, one block per start.
 */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv)
{
    char title[1024] = "";
    char settings[256] = "";
    int life = 3000, i;
    FILE *f = fopen("C:\\bench\\standin.txt", "rb");
    if (f) {
        size_t n = fread(settings, 1, sizeof settings - 1, f);
        settings[n] = 0;
        fclose(f);
        if (!strncmp(settings, "life_ms=", 8))
            life = atoi(settings + 8);
    }
    GetConsoleTitleA(title, sizeof title);
    f = fopen("C:\\bench\\install.log", "ab");
    if (f) {
        fprintf(f, "start\ncmdline=%s\ntitle=%s\nargc=%d\n", GetCommandLineA(), title, argc);
        for (i = 1; i < argc; ++i)
            fprintf(f, "arg%d=%s\n", i, argv[i]);
        fclose(f);
    }
    Sleep(life);
    f = fopen("C:\\bench\\install.log", "ab");
    if (f) {
        fprintf(f, "end\n");
        fclose(f);
    }
    return 0;
}
