// Saving the catalogue (the file-save command): the bytes written, and the old file kept whole
// when the save cannot be done.
#include "res/resource.h"
#include "tests/e2e/CatalogueFile.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/ProgramFiles.h"
#include "tests/e2e/Text.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

using DataFileTest = HuesmithTest;

// Lines as the program writes them, with the traps of the format: a lone CR kept inside a line,
// numbers outside 0-255, empty fields, Shift-JIS characters whose second byte is a backslash
// (表, ソ) and half-width katakana.
std::string ProgramWrittenCatalogue() {
    return CatalogueBytes(SampleCatalogue()) +
           Cp932FromUtf8("表\r示,ひょうじ,300,-5,0\r\n,,0,0,0\r\na,b,0,0,7\r\n");
}

SessionFiles WithCatalogue(std::string bytes) {
    SessionFiles files;
    files.catalogue = std::move(bytes);
    return files;
}

TEST_F(DataFileTest, UnchangedCatalogueIsWrittenBackByteForByte) {
    const std::string written = ProgramWrittenCatalogue();
    auto& session = Start(WithCatalogue(written));
    // An old time stamp shows that the file was written again, not just left alone.
    const auto file = session.Folder().File(L"Huesmith.csv");
    const auto old = std::filesystem::last_write_time(file) - std::chrono::hours(24 * 365);
    std::filesystem::last_write_time(file, old);
    Command(ID_FILE_SAVE);
    EXPECT_GT(std::filesystem::last_write_time(file), old) << "the file was saved";
    EXPECT_EQ(session.Folder().Read(L"Huesmith.csv"), written) << "program-written file";
    EXPECT_FALSE(session.Folder().Exists(L"Huesmith.csv.tmp")) << "no temporary file left";
    EXPECT_TRUE(MessageBoxesOf(session.ProcessId()).empty()) << "no message";

    std::string lfOnly = CatalogueBytes(SampleCatalogue(), "\n");
    auto& lf = Start(WithCatalogue(lfOnly));
    Command(ID_FILE_SAVE);
    EXPECT_EQ(lf.Folder().Read(L"Huesmith.csv"), CatalogueBytes(SampleCatalogue()))
        << "LF-only file written back with CR LF";
}

TEST_F(DataFileTest, FailedSaveShowsTheMessageAndKeepsTheFile) {
    const std::string original = CatalogueBytes(SampleCatalogue());
    auto& session = Start(WithCatalogue(original));
    // A folder where the temporary file would go: the new catalogue cannot be written.
    std::filesystem::create_directory(session.Folder().File(L"Huesmith.csv.tmp"));

    ::PostMessageW(session.Frame(), WM_COMMAND, ID_FILE_SAVE, 0);
    const auto boxes = WaitForMessageBoxes(1);
    ASSERT_EQ(boxes.size(), 1u) << "one message";
    const std::string path = Utf8FromWide(session.Folder().File(L"Huesmith.csv").wstring());
    EXPECT_EQ(MessageBoxText(boxes.front()),
              FillPlaceholders(ProgramString(AFX_IDP_FAILED_TO_SAVE_DOC), {path}))
        << "the standard failed-save message";
    EXPECT_EQ(session.Folder().Read(L"Huesmith.csv"), original) << "old file kept whole";
    PressButton(boxes.front(), IDOK);
    EXPECT_TRUE(WaitFor([&] { return MessageBoxesOf(session.ProcessId()).empty(); }))
        << "message closed";
    EXPECT_EQ(session.Folder().Read(L"Huesmith.csv"), original) << "old file kept after OK";
}

TEST_F(DataFileTest, ReadOnlyOrMissingFileAsksForANewName) {
    const std::string original = CatalogueBytes(SampleCatalogue());
    for (const bool readOnly : {true, false}) {
        const char* which = readOnly ? "read-only" : "missing";
        auto& session = Start(WithCatalogue(original));
        const auto file = session.Folder().File(L"Huesmith.csv");
        if (readOnly) {
            ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
        } else {
            std::filesystem::remove(file);
        }

        ::PostMessageW(session.Frame(), WM_COMMAND, ID_FILE_SAVE, 0);
        std::vector<HWND> dialogs;
        EXPECT_TRUE(WaitFor([&] {
            return !(dialogs = OtherDialogsOf(session.ProcessId())).empty();
        })) << which
            << ": the save-as dialog";
        EXPECT_TRUE(MessageBoxesOf(session.ProcessId()).empty()) << which << ": no message";
        if (dialogs.empty()) continue;
        PressButton(dialogs.front(), IDCANCEL);
        EXPECT_TRUE(WaitFor([&] { return DialogsOf(session.ProcessId()).empty(); }))
            << which << ": cancelled silently";
        if (readOnly) {
            EXPECT_EQ(session.Folder().Read(L"Huesmith.csv"), original)
                << which << ": file unchanged";
        } else {
            EXPECT_FALSE(session.Folder().Exists(L"Huesmith.csv")) << which << ": nothing written";
        }
    }
}

}  // namespace
}  // namespace e2e
