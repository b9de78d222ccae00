#include <gtest/gtest.h>

#include "SharedStructuresInstUninst.h"

namespace {

TEST(RecordList, SortsDeepestFirstAndKeepsFileOrderOfEquals) {
    RecordList<CreatedFolder> folders;
    const struct {
        const char* Path;
        int Depth;
    } input[] = {{"a", 1}, {"b", 3}, {"c", 2}, {"d", 3}, {"e", 1}, {"f", 2}};
    for (const auto& i : input) {
        CreatedFolder& f = folders.AddNew();
        f.Path = i.Path;
        f.Depth = i.Depth;
    }
    folders.StableSortDeepestFirst();
    std::string order;
    for (size_t i = 0; i < folders.Count(); i++) order += folders[i].Path.c_str();
    EXPECT_EQ(order, "bdcfae");
}

TEST(RecordList, ElementsFreeTheirDetails) {
    // Run under the sanitizers, a leak or double free here fails the build.
    RecordList<TaskItem> tasks;
    TaskItem& task = tasks.AddNew();
    auto* details = NewRecord<RunProgramDetails>();
    details->ProgramPath = "C:\\a.exe";
    task.Details = details;
    task.Kind = RunProgramDetailsKind;
    tasks.AddNew();  // no details
    EXPECT_EQ(tasks.Count(), 2u);
    tasks.Clear();
    EXPECT_EQ(tasks.Count(), 0u);
}

}  // namespace
