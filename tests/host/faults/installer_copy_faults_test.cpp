// Each copy of the 9x installation failing on its own, in each way a copy
// fails: passed over without a word, every other copy still made, and the
// device key still deleted.
#include <set>
#include <string>

#include "installer_outcome.h"

namespace installer_faults {
namespace {

using installer_test::kBranch9x;
using installer_test::kDevice;

struct CopyFault {
    const char* name;
    bool bySource;  // fails every copy of that source, not only this one
    void (*inject)(Machine& m, const std::string& source, const std::string& destination);
};

void PrintTo(const CopyFault& f, std::ostream* out)
{
    *out << f.name;
}

class CopyFaultTest : public ::testing::TestWithParam<CopyFault> {};

TEST_P(CopyFaultTest, IsPassedOverAndTheRunGoesOn)
{
    const CopyFault& fault = GetParam();
    for (const Deliverable* d : {&installer_test::kKestrav, &installer_test::kRavlind}) {
        for (const System* system : {&k98SE, &kMe}) {
            const std::vector<Copy> plan = PlanOf(*d, system->me);
            for (size_t failing = 0; failing < plan.size(); ++failing) {
                SCOPED_TRACE(std::string(d->name) + " on " + system->name + ", copy " + std::to_string(failing + 1));
                Machine m(*d);
                (m.w.*system->set)();
                m.AddPackage();
                m.AddDevices(kBranch9x);
                const std::string destination = m.w.windowsDirectory + plan[failing].destination;
                fault.inject(m, m.Package(plan[failing].source), destination);
                const Files before = FilesOf(m.w);
                fake::RunResult r = m.Run();

                EXPECT_EQ(r.status, 0);
                EXPECT_FALSE(r.endedByExit);
                EXPECT_TRUE(m.Boxes().empty());
                EXPECT_TRUE(m.KeysClosed(r));
                EXPECT_EQ(r.handlesOpenAtEnd, 0u);
                Files files = before;
                std::vector<std::string> calls;
                for (const Copy& c : plan) {
                    calls.push_back(CopyCall(m, c));
                    bool fails = fault.bySource ? c.source == plan[failing].source : &c == &plan[failing];
                    if (!fails)
                        files[fake::FakeWindows::Normalize(m.w.windowsDirectory + c.destination)] =
                            before.at(fake::FakeWindows::Normalize(m.Package(c.source)));
                }
                EXPECT_EQ(m.w.CallsNamed("CopyFileA"), calls);
                EXPECT_EQ(FilesOf(m.w), files);
                EXPECT_FALSE(m.w.KeyExists(std::string(kBranch9x) + "\\" + kDevice));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CopyFaultTest,
    ::testing::Values(CopyFault{"source_missing", true,
                                [](Machine& m, const std::string& source, const std::string&) {
                                    m.w.RemoveFile(source);
                                }},
                      CopyFault{"source_held_open", true,
                                [](Machine& m, const std::string& source, const std::string&) {
                                    m.w.File(source)->faults.locked = true;
                                }},
                      CopyFault{"destination_read_only", false,
                                [](Machine& m, const std::string&, const std::string& destination) {
                                    m.w.AddFile(destination, "older").faults.readOnly = true;
                                }},
                      CopyFault{"destination_in_use", false,
                                [](Machine& m, const std::string&, const std::string& destination) {
                                    m.w.AddFile(destination, "older").faults.locked = true;
                                }}),
    [](const ::testing::TestParamInfo<CopyFault>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace installer_faults
