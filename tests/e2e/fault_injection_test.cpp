// Saving when the world gets in the way: a read-only data file, a full disk, the program killed in
// the middle of a save, a read-only settings file at close. The catalogue on disk is always either
// the old file or the new one, whole, and the catalogue in memory survives.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>

#include "framework/CHandle.h"
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

using FaultInjectionTest = HuesmithTest;

constexpr int kMillion = 1000000;
// A million entries load in seconds; a slow machine under load gets ample room.
constexpr std::chrono::milliseconds kMillionStartWait{60000};

// A million entries in one buffer: double-byte names, every channel value in turn.
std::string MillionEntries(std::string_view lineEnd) {
    const std::string name = Cp932FromUtf8("色");
    const std::string reading = Cp932FromUtf8(",いろ,");
    std::string bytes;
    bytes.reserve(static_cast<size_t>(kMillion) * 32);
    char digits[16];
    const auto number = [&](int value) {
        bytes.append(digits, std::to_chars(digits, digits + sizeof(digits), value).ptr);
    };
    for (int i = 0; i < kMillion; ++i) {
        bytes += name;
        number(i);
        bytes += reading;
        number(i % 256);
        bytes += ',';
        number(i / 256 % 256);
        bytes += ',';
        number(255 - i % 256);
        bytes += lineEnd;
    }
    return bytes;
}

// The file-name field of the common save dialog: its only edit control.
HWND FileNameField(HWND dialog) {
    HWND found = nullptr;
    ::EnumChildWindows(
        dialog,
        [](HWND child, LPARAM result) {
            if (ClassOf(child) != "Edit" || !IsVisible(child)) return TRUE;
            *reinterpret_cast<HWND*>(result) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST_F(FaultInjectionTest, ReadOnlyDataFileIsSavedWholeUnderTheNameTheUserGives) {
    // LF line ends: a save writes every line anew (CR LF), so the new file shows the catalogue in
    // memory, not a copy of the old file.
    const std::string original = CatalogueBytes(SampleCatalogue(), "\n");
    auto& session = Start(FilesWithCatalogue(original));
    const auto file = session.Folder().File(L"Huesmith.csv");
    ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);

    ::PostMessageW(session.Frame(), WM_COMMAND, ID_FILE_SAVE, 0);
    std::vector<HWND> dialogs;
    ASSERT_TRUE(WaitFor([&] { return !(dialogs = OtherDialogsOf(session.ProcessId())).empty(); }))
        << "the save-as dialog";
    HWND name = FileNameField(dialogs.front());
    ASSERT_NE(name, nullptr) << "the dialog's file-name field";
    const std::wstring newPath = session.Folder().File(L"Saved.csv").wstring();
    Send(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(newPath.c_str()));
    PressButton(dialogs.front(), IDOK);
    EXPECT_TRUE(WaitFor([&] { return DialogsOf(session.ProcessId()).empty(); })) << "dialog closed, no message";
    EXPECT_TRUE(WaitFor([&] { return session.Folder().Exists(L"Saved.csv"); })) << "saved under the new name";
    session.Probe().Sync();
    EXPECT_EQ(session.Folder().Read(L"Saved.csv"), CatalogueBytes(SampleCatalogue()))
        << "the whole catalogue from memory";
    EXPECT_EQ(session.Folder().Read(L"Huesmith.csv"), original) << "the read-only file untouched";
    EXPECT_EQ(TextOf(session.Frame()), "Huesmith - 5") << "the catalogue is still listed";
}

TEST_F(FaultInjectionTest, FullDiskAtSaveShowsTheMessageAndKeepsBothTheFileAndTheCatalogue) {
    const std::string original = CatalogueBytes(SampleCatalogue(), "\n");
    auto& session = Start(FilesWithCatalogue(original));
    const std::string path = Utf8FromWide(session.Folder().File(L"Huesmith.csv").wstring());
    const std::string failedSave = FillPlaceholders(ProgramString(AFX_IDP_FAILED_TO_SAVE_DOC), {path});

    // The disk full before the first byte, and full halfway through the new file.
    for (const long long room : {0LL, static_cast<long long>(original.size() / 2)}) {
        const std::string which = "room for " + std::to_string(room) + " bytes";
        session.Probe().FailWritesAfter(room);
        ::PostMessageW(session.Frame(), WM_COMMAND, ID_FILE_SAVE, 0);
        const auto boxes = WaitForMessageBoxes(1);
        ASSERT_EQ(boxes.size(), 1u) << which << ": one message";
        EXPECT_EQ(MessageBoxText(boxes.front()), failedSave) << which << ": the standard failed-save message";
        EXPECT_EQ(session.Folder().Read(L"Huesmith.csv"), original) << which << ": the file unchanged byte for byte";
        EXPECT_FALSE(session.Folder().Exists(L"Huesmith.csv.tmp")) << which << ": no partial file left";
        PressButton(boxes.front(), IDOK);
        EXPECT_TRUE(WaitFor([&] { return MessageBoxesOf(session.ProcessId()).empty(); }))
            << which << ": message closed";
    }

    session.Probe().FailWritesAfter(-1);
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(MessageBoxesOf(session.ProcessId()).empty()) << "room again: no message";
    EXPECT_EQ(session.Folder().Read(L"Huesmith.csv"), CatalogueBytes(SampleCatalogue()))
        << "room again: the catalogue kept in memory is saved whole";
}

// How far a save has got, seen from outside: the largest file in the folder that is not the old
// data file (a new file beside it, or the data file itself rewritten); -1 while nothing changed.
std::intmax_t BytesWrittenSoFar(const TempFolder& folder, std::uintmax_t oldSize) {
    std::intmax_t largest = -1;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path(), ec)) {
        const std::uintmax_t size = entry.file_size(ec);
        if (ec) continue;
        if (entry.path().filename() == L"Huesmith.csv" && size == oldSize) continue;
        largest = std::max(largest, static_cast<std::intmax_t>(size));
    }
    return largest;
}

TEST_F(FaultInjectionTest, KilledInTheMiddleOfASaveLeavesTheOldOrTheNewFileWhole) {
    const std::string old = MillionEntries("\n");
    const std::string saved = MillionEntries("\r\n");
    HuesmithSession& session = Start(FilesWithCatalogue(old), kMillionStartWait);
    EXPECT_EQ(TextOf(session.Frame()), "Huesmith - 1000000") << "a million lines start and are all listed";
    Command(ID_FILE_SAVE);
    ASSERT_TRUE(session.Folder().Read(L"Huesmith.csv") == saved) << "a complete save writes CR LF lines";

    // Killed as soon as the save starts writing, halfway through the new bytes, and once they are
    // all written. The folder is watched without pausing: the writing takes milliseconds.
    const auto written = static_cast<std::intmax_t>(saved.size());
    for (const std::intmax_t killAt : {std::intmax_t{0}, written / 2, written}) {
        const std::string which = "killed at " + std::to_string(killAt) + " bytes written";
        for (const auto& entry : std::filesystem::directory_iterator(session.Folder().Path())) {
            if (entry.path().filename() != L"Huesmith.csv") std::filesystem::remove_all(entry.path());
        }
        session.Folder().Write(L"Huesmith.csv", old);
        ::PostMessageW(session.Frame(), WM_COMMAND, ID_FILE_SAVE, 0);
        const auto deadline = std::chrono::steady_clock::now() + kDefaultTimeout;
        while (BytesWrittenSoFar(session.Folder(), old.size()) < killAt &&
               std::chrono::steady_clock::now() < deadline) {
        }
        session.Process().Terminate();
        ASSERT_FALSE(session.Process().IsRunning()) << which;
        const std::optional<std::string> left = session.Folder().Read(L"Huesmith.csv");
        EXPECT_TRUE(left == old || left == saved) << which << ": the old or the new file, never a partial one ("
                                                  << (left ? std::to_string(left->size()) + " bytes" : "no file")
                                                  << ")";
        // Whatever the kill left beside the data file must not upset the next start.
        session.Start(kMillionStartWait);
    }
    EXPECT_EQ(TextOf(session.Frame()), "Huesmith - 1000000") << "the last start lists the whole catalogue";
    Close();
    EXPECT_EQ(session.Process().ExitCode(), 0u) << "a million entries close normally";
}

TEST_F(FaultInjectionTest, ReadOnlySettingsFileAtCloseEndsNormallyAndStaysAsItWas) {
    auto files = SampleFiles();
    files.settings = "[Window]\r\nLeft=100\r\nTop=80\r\nWndStyle=0\r\nStatusBar=1\r\n";
    auto& session = Start(files);
    const auto ini = session.Folder().File(L"Huesmith.ini");
    const std::optional<std::string> before = session.Folder().Read(L"Huesmith.ini");
    ASSERT_TRUE(::SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY));
    // Wine running as root writes through the attribute; a handle that shares the file for
    // reading only makes the writes fail as the attribute alone does on Windows.
    const HANDLE opened = ::CreateFileW(ini.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(opened, INVALID_HANDLE_VALUE) << "the settings file held";
    CHandle<HANDLE, &::CloseHandle> held(opened);
    Command(ID_VIEW_TOPMOST);  // a setting that now differs from the file

    Close();
    held.Reset();
    EXPECT_EQ(session.Process().ExitCode(), 0u) << "normal end";
    EXPECT_EQ(session.Folder().Read(L"Huesmith.ini"), before) << "settings file unchanged";
    EXPECT_EQ(session.Folder().Read(L"Huesmith.csv"), files.catalogue) << "data file untouched";
}

}  // namespace
}  // namespace e2e
