// Varnolt runs on Windows 98 SE with a fault injected, checked as a whole:
// the box, how the process ended, every file on the machine, nothing left
// open, and c:\config.sys either as it was or holding exactly the new text.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "files_snapshot.h"
#include "tests/host/patcher/patcher_machine.h"

namespace patcher_faults {

// A c:\config.sys before the run, and the one other text a run may leave.
struct Content {
    const char* name;
    const char* before;  // nullptr: there is none
    const char* after;   // its rewrite, or the text for a missing file
};

inline void PrintTo(const Content* content, std::ostream* out)
{
    *out << content->name;
}

const char kMarker[] = "c:\\kzm.log";

const Content kGrows = {"grows", "BUFFERS=20\r\nFILES=30\r\n", "BUFFERS=90\r\nFILES=90\r\n\r\n"};
const Content kShrinks = {"shrinks", "BUFFERS=20,0\r\nFILES=030\r\n", "BUFFERS=90\r\nFILES=90\r\n\r\n"};
const Content kSameLength = {"same_length", "BUFFERS=20,0\r\nFILES=99\r\n", "BUFFERS=90\r\nFILES=99\r\n\r\n"};
const Content kMissing = {"missing", nullptr, "\r\nBUFFERS=90\r\nFILES=90"};

enum class Report { kNothing, kFailure };  // kFailure: "Patch config.sys fail !!", then the end
enum class ConfigSys { kAsBefore, kNewText };

struct Outcome {
    Report report;  // kNothing: the run finishes, by the marker or the prompt
    ConfigSys configSys;
    const char* bak;     // c:\config.bak after the run; nullptr: absent
    const char* bk1;     // c:\config.bk1
    const char* marker;  // c:\kzm.log, after a run without arguments
};

struct Row {
    const char* name;
    const Content* content;
    std::function<void(fake::FakeWindows&)> inject;
    Outcome outcome;
};

inline void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

inline std::string RowName(const ::testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

using fault_test::Files;
using fault_test::FilesOf;

inline void Expect(Files* files, const char* path, const char* bytes)
{
    if (bytes == nullptr)
        files->erase(path);
    else
        (*files)[path] = bytes;
}

// Never anything in between: a half-written startup file may not boot.
inline ::testing::AssertionResult WholeOrNew(const Content& content, fake::FakeWindows& w)
{
    const fake::FakeFile* file = w.File("C:\\CONFIG.SYS");
    if (content.before == nullptr && file == nullptr)
        return ::testing::AssertionSuccess();
    if (file != nullptr &&
        ((content.before != nullptr && file->bytes == content.before) || file->bytes == content.after))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "c:\\config.sys holds "
                                         << (file == nullptr ? std::string("nothing")
                                                             : ::testing::PrintToString(file->bytes));
}

inline void ExpectBox(const fake::MessageBoxRecord& box, const char* text, UINT type)
{
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, "Varnolt");
    EXPECT_EQ(box.type, type);
}

// Started as a set-up program starts it (no arguments: the marker), or with
// the tail that asks for the restart prompt, answered with Cancel. A failure
// ends the run the same way under either.
inline void RunAndCheck(const Row& row, bool prompt)
{
    SCOPED_TRACE(prompt ? "with the prompt" : "without arguments");
    PatcherMachine m;
    if (row.content->before != nullptr)
        m.w.AddFile("C:\\CONFIG.SYS", row.content->before);
    row.inject(m.w);
    m.w.answers.push_back(IDCANCEL);
    const Files before = FilesOf(m.w);
    fake::RunResult r = m.Run(prompt ? kPromptTail : "");  // status 0, no hang, no file left open

    const Outcome& expected = row.outcome;
    EXPECT_TRUE(r.endedByExit);
    EXPECT_EQ(m.w.calls.back(), "exit(0)");
    EXPECT_EQ(r.keysOpenAtEnd, 0u);
    EXPECT_TRUE(m.w.CallsNamed("ExitWindowsEx").empty());
    const bool failed = expected.report == Report::kFailure;
    if (failed || prompt) {
        ASSERT_EQ(m.w.boxes.size(), 1u);
        if (failed)
            ExpectBox(m.w.boxes[0], kFailureText, MB_OK | MB_ICONEXCLAMATION);
        else
            ExpectBox(m.w.boxes[0], kPromptText, MB_OKCANCEL | MB_ICONEXCLAMATION);
    } else {
        EXPECT_TRUE(m.w.boxes.empty());
    }

    Files files = before;
    const Content& content = *row.content;
    Expect(&files, "C:\\CONFIG.SYS", expected.configSys == ConfigSys::kNewText ? content.after : content.before);
    Expect(&files, "C:\\CONFIG.BAK", expected.bak);
    Expect(&files, "C:\\CONFIG.BK1", expected.bk1);
    if (!prompt)
        Expect(&files, "C:\\KZM.LOG", expected.marker);
    EXPECT_EQ(FilesOf(m.w), files);
    EXPECT_TRUE(WholeOrNew(content, m.w));
}

inline void RunAndCheck(const Row& row)
{
    RunAndCheck(row, false);
    RunAndCheck(row, true);
}

}  // namespace patcher_faults
