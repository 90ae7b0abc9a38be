/*
 * Runs one test case inside the Wine machine: prepares the registry and the
 * reported Windows version, starts the program under test with an exact
 * command line and current directory, reads and answers every message box,
 * and writes what it saw to a result file, one line per event, flushed as
 * it goes so that nothing is lost if the run is cut short.
 *
 * Usage: bench.exe <case file> <result file>
 */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define MAX_LINES 256
#define MAX_ANSWERS 32
#define ICON_CONTROL_ID 0x440

static char *g_lines[MAX_LINES];
static int g_lineCount;
static FILE *g_result;

struct Program {
    const char *tag;
    const char *cwd;
    char *cmd;
    PROCESS_INFORMATION pi;
    int started;
    int ended;
    int boxes;
};

static struct Program g_programs[2];
static HWND g_seen[256];
static int g_seenCount;
static int g_answers[MAX_ANSWERS];
static int g_answerCount;
static int g_answered;
static int g_secondOnBox;

static void emit(const char *kind, const char *tag, const char *rest)
{
    fprintf(g_result, "%s\t%s\t%s\n", kind, tag, rest);
    fflush(g_result);
}

/* Tabs, line breaks and backslashes escaped so that a record is one line. */
static void escape(const char *in, char *out, size_t size)
{
    size_t n = 0;
    for (; *in && n + 3 < size; ++in) {
        char c = *in;
        if (c == '\\' || c == '\t' || c == '\n' || c == '\r') {
            out[n++] = '\\';
            out[n++] = c == '\t' ? 't' : c == '\n' ? 'n' : c == '\r' ? 'r' : '\\';
        } else {
            out[n++] = c;
        }
    }
    out[n] = 0;
}

static void read_case(const char *path)
{
    static char text[65536];
    FILE *f = fopen(path, "rb");
    size_t n;
    char *p;
    if (!f) {
        fprintf(stderr, "bench: cannot read %s\n", path);
        exit(2);
    }
    n = fread(text, 1, sizeof text - 1, f);
    fclose(f);
    text[n] = 0;
    for (p = strtok(text, "\n"); p && g_lineCount < MAX_LINES; p = strtok(NULL, "\n")) {
        size_t len = strlen(p);
        if (len && p[len - 1] == '\r')
            p[len - 1] = 0;
        g_lines[g_lineCount++] = p;
    }
}

/* The value of the first line "name=value", or NULL. */
static const char *value(const char *name)
{
    size_t len = strlen(name);
    int i;
    for (i = 0; i < g_lineCount; ++i)
        if (!strncmp(g_lines[i], name, len) && g_lines[i][len] == '=')
            return g_lines[i] + len + 1;
    return NULL;
}

static int delete_tree(HKEY parent, const char *name)
{
    HKEY key;
    char sub[512];
    if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return 0;
    while (RegEnumKeyA(key, 0, sub, sizeof sub) == ERROR_SUCCESS)
        if (!delete_tree(key, sub))
            break;
    RegCloseKey(key);
    return RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
}

static void dump_tree(const char *kind, HKEY parent, const char *path)
{
    HKEY key;
    DWORD i;
    char sub[512], child[2048];
    if (RegOpenKeyExA(parent, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    for (i = 0; RegEnumKeyA(key, i, sub, sizeof sub) == ERROR_SUCCESS; ++i) {
        char escaped[4096];
        _snprintf(child, sizeof child, "%s\\%s", path, sub);
        child[sizeof child - 1] = 0;
        escape(child, escaped, sizeof escaped);
        emit(kind, "HKLM", escaped);
        dump_tree(kind, parent, child);
    }
    RegCloseKey(key);
}

/* Every key under the roots the case names, as "root\\sub\\...". */
static void dump_all(const char *kind)
{
    int i;
    for (i = 0; i < g_lineCount; ++i)
        if (!strncmp(g_lines[i], "dump=", 5))
            dump_tree(kind, HKEY_LOCAL_MACHINE, g_lines[i] + 5);
}

static void set_string(HKEY root, const char *path, const char *name, const char *data)
{
    HKEY key;
    if (RegCreateKeyA(root, path, &key) == ERROR_SUCCESS) {
        RegSetValueExA(key, name, 0, REG_SZ, (const BYTE *)data, (DWORD)strlen(data) + 1);
        RegCloseKey(key);
    }
}

static void prepare(void)
{
    int i;
    const char *v;
    for (i = 0; i < g_lineCount; ++i) {
        const char *line = g_lines[i];
        if (!strncmp(line, "regclear=", 9))
            delete_tree(HKEY_LOCAL_MACHINE, line + 9);
        else if (!strncmp(line, "regadd=", 7)) {
            HKEY key;
            if (RegCreateKeyA(HKEY_LOCAL_MACHINE, line + 7, &key) == ERROR_SUCCESS)
                RegCloseKey(key);
        }
    }
    /* Xvfb runs no window manager: windows Wine leaves to one would each
     * wait 2 s for it before they show. */
    set_string(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", "Managed", "N");
    if ((v = value("version")) != NULL)
        set_string(HKEY_CURRENT_USER, "Software\\Wine", "Version", v);
    if ((v = value("relay")) != NULL) {
        set_string(HKEY_CURRENT_USER, "Software\\Wine\\Debug", "RelayInclude", v);
        /* Only the programs started from here are traced, not the bench. */
        SetEnvironmentVariableA("WINEDEBUG", "+relay");
    } else {
        SetEnvironmentVariableA("WINEDEBUG", "-all");
    }
    if ((v = value("answers")) != NULL) {
        char copy[256], *p;
        strncpy(copy, v, sizeof copy - 1);
        copy[sizeof copy - 1] = 0;
        for (p = strtok(copy, ","); p && g_answerCount < MAX_ANSWERS; p = strtok(NULL, ","))
            g_answers[g_answerCount++] = atoi(p);
    }
    if ((v = value("second_on_box")) != NULL)
        g_secondOnBox = atoi(v);
}

static void start(struct Program *prog)
{
    STARTUPINFOA si;
    memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    /* Detached, as a GUI program is on Windows: it has no console of its own
     * to pass on, so a console program it starts gets its own console window
     * (titled with its path) instead of this bench's hidden one. */
    if (!CreateProcessA(NULL, prog->cmd, NULL, NULL, FALSE, DETACHED_PROCESS, NULL, prog->cwd, &si, &prog->pi)) {
        char why[64];
        sprintf(why, "%lu", GetLastError());
        emit("startfail", prog->tag, why);
        prog->ended = 1;
        return;
    }
    prog->started = 1;
    emit("started", prog->tag, "");
}

static int visible_button(HWND box, int id)
{
    HWND b = GetDlgItem(box, id);
    return b && IsWindowVisible(b);
}

static struct Program *owner_program(HWND h)
{
    DWORD pid = 0;
    int i;
    GetWindowThreadProcessId(h, &pid);
    for (i = 0; i < 2; ++i)
        if (g_programs[i].started && g_programs[i].pi.dwProcessId == pid)
            return &g_programs[i];
    return NULL;
}

static void wait_for(struct Program *prog);

static BOOL CALLBACK on_window(HWND h, LPARAM unused)
{
    char cls[64], caption[512], text[4096], ecap[1100], etext[8200], buttons[64], owner[600], line[10240];
    struct Program *prog;
    HWND ownerWnd;
    HWND icon;
    int i, answer = 0, n = 0;
    (void)unused;
    if (!GetClassNameA(h, cls, sizeof cls) || strcmp(cls, "#32770") || !IsWindowVisible(h))
        return TRUE;
    for (i = 0; i < g_seenCount; ++i)
        if (g_seen[i] == h)
            return TRUE;
    if (g_seenCount < 256)
        g_seen[g_seenCount++] = h;
    prog = owner_program(h);

    GetWindowTextA(h, caption, sizeof caption);
    GetDlgItemTextA(h, 0xFFFF, text, sizeof text);
    buttons[0] = 0;
    for (i = 1; i <= 11; ++i) {
        if (visible_button(h, i)) {
            n += sprintf(buttons + n, n ? ",%d" : "%d", i);
            if (!answer)
                answer = i;
        }
    }
    icon = GetDlgItem(h, ICON_CONTROL_ID);
    ownerWnd = GetWindow(h, GW_OWNER);
    if (ownerWnd)
        GetWindowTextA(ownerWnd, owner, sizeof owner);
    else
        strcpy(owner, "none");
    if (g_answered < g_answerCount)
        answer = g_answers[g_answered];
    ++g_answered;
    escape(caption, ecap, sizeof ecap);
    escape(text, etext, sizeof etext);
    _snprintf(line, sizeof line, "%s\t%s\t%s\t%s\t%s\t%d", ecap, etext, buttons[0] ? buttons : "-",
              icon && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) ? "icon" : "noicon", owner,
              answer);
    line[sizeof line - 1] = 0;
    emit("box", prog ? prog->tag : "other", line);

    if (prog == &g_programs[0] && ++prog->boxes == g_secondOnBox && g_programs[1].cmd && !g_programs[1].started) {
        /* The first program now waits on its box: start the second copy and
         * see it through before the box is answered. */
        start(&g_programs[1]);
        if (g_programs[1].started)
            wait_for(&g_programs[1]);
    }
    PostMessageA(h, WM_COMMAND, answer, 0);
    return TRUE;
}

static DWORD g_deadline;

static void finish(struct Program *prog, const char *how)
{
    DWORD code = 0;
    char text[32];
    if (!strcmp(how, "exit")) {
        GetExitCodeProcess(prog->pi.hProcess, &code);
        sprintf(text, "%lu", code);
        emit("exit", prog->tag, text);
    } else {
        TerminateProcess(prog->pi.hProcess, 255);
        emit("timeout", prog->tag, "");
    }
    prog->ended = 1;
}

/* Answers boxes while waiting for one program to end, up to the deadline. */
static void wait_for(struct Program *prog)
{
    while (!prog->ended) {
        if (WaitForSingleObject(prog->pi.hProcess, 10) == WAIT_OBJECT_0) {
            EnumWindows(on_window, 0); /* a box may have come and gone */
            finish(prog, "exit");
            break;
        }
        EnumWindows(on_window, 0);
        if ((LONG)(GetTickCount() - g_deadline) > 0)
            finish(prog, "timeout");
    }
}

int main(int argc, char **argv)
{
    const char *v;
    HANDLE held = INVALID_HANDLE_VALUE;
    if (argc != 3) {
        fprintf(stderr, "usage: bench.exe <case file> <result file>\n");
        return 2;
    }
    read_case(argv[1]);
    g_result = fopen(argv[2], "wb");
    if (!g_result)
        return 2;
    prepare();

    if ((v = value("hold")) != NULL) {
        /* Another program that has the file open and shares it with nobody. */
        held = CreateFileA(v, GENERIC_READ, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
        emit("hold", held == INVALID_HANDLE_VALUE ? "failed" : "ok", v);
    }

    dump_all("keybefore");
    g_deadline = GetTickCount() + (DWORD)((v = value("timeout_ms")) ? atoi(v) : 30000);
    g_programs[0].tag = "primary";
    g_programs[0].cwd = value("cwd");
    g_programs[0].cmd = (char *)value("cmd");
    g_programs[1].tag = "second";
    g_programs[1].cwd = value("second_cwd");
    g_programs[1].cmd = (char *)value("second_cmd");
    start(&g_programs[0]);
    if (g_programs[0].started)
        wait_for(&g_programs[0]);

    if (held != INVALID_HANDLE_VALUE)
        CloseHandle(held);
    dump_all("key");
    emit("done", "bench", "");
    fclose(g_result);
    return 0;
}
