#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/CDocument.h"
#include "framework/CHandle.h"

namespace {

std::vector<int> g_closed;
void RecordClose(int handle) { g_closed.push_back(handle); }
using CCounted = CHandle<int, &RecordClose>;

TEST(CHandle, ClosesEachHandleExactlyOnce) {
    g_closed.clear();
    {
        CCounted a(7);
        CCounted b(std::move(a));
        EXPECT_FALSE(a) << "moved-from owns nothing";
        CCounted c;
        c = std::move(b);
        c.Attach(9);
        EXPECT_EQ(g_closed, std::vector<int>{7}) << "moves close nothing; attach closes the handle held";
        EXPECT_EQ(c.Detach(), 9) << "detach hands the handle over";
        c.Reset();
        CCounted d(11);
    }
    EXPECT_EQ(g_closed, (std::vector<int>{7, 11})) << "nothing left to close after detach; d closed at scope end";
}

// The windows learn of unsaved changes (Windows' shutdown reason) from these reports alone.
class CRecordingTemplate : public CDocTemplate {
public:
    std::vector<bool> reported;
    bool SaveDocument(CDocument&) override { return true; }
    bool SaveModified(CDocument&) override { return true; }
    void OnModifiedChanged(CDocument& document) override { reported.push_back(document.IsModified()); }
};

TEST(CDocument, ReportsEachChangeOfTheModifiedFlagOnce) {
    CRecordingTemplate docTemplate;
    CDocument document;
    document.SetDocTemplate(&docTemplate);
    document.SetModifiedFlag();
    document.SetModifiedFlag(true);
    document.SetModifiedFlag(false);
    document.SetModifiedFlag(true);
    document.OnNewDocument();
    EXPECT_EQ(docTemplate.reported, (std::vector<bool>{true, false, true, false})) << "changes only, a new document's too";
}

}  // namespace
