// The data file: odd files read and written back as the reading rules say, and saving when the
// world gets in the way (a full disk, a read-only or vanished file, the program killed halfway).
// On disk the catalogue is always the old file or the new one, whole; in memory it survives.
#include <charconv>

#include "tests/e2e/HuesmithTest.h"

namespace e2e {
namespace {

using SavingTest = HuesmithTest;
using namespace std::string_literals;

// A million entries load in seconds; a slow machine under load gets ample room.
constexpr std::chrono::milliseconds kMillionStartWait{60000};
constexpr int kFileNameBox = 0x47C;  // the common file dialogs' file-name combo box

struct OddFile {
    const char* what;
    std::string bytes;
    int entries;
    std::string saved;  // what a save writes back
    Texts fields;       // the first entry's colour in the fields
    std::wstring folder;  // where the program runs
};

std::vector<OddFile> OddFiles() {
    // Lead bytes without a trail, bytes that are no CP932 at all, a lead byte right before a comma.
    const std::string badShiftJis = "\x81\xFF\xA0\x80\xFD\xFE\x82,\x9F\xE0,1,2,3\r\n";
    const std::string nulBytes = "nul\0name,\0\0,4,5,6\r\n"s;
    std::string longLine;  // 10 MB: double-byte, half-width and ASCII characters in turn
    while (longLine.size() < 10 * 1024 * 1024) longLine += Cp932("色ｲﾛiro");
    longLine += Cp932(",いろ,7,8,9\r\n");
    // As the program writes them: a lone CR inside a line, numbers outside 0-255, empty fields,
    // characters whose second byte is a backslash's (表, ソ).
    const std::string written = CatalogueBytes(SampleCatalogue()) + Cp932("表\r示,ひょうじ,300,-5,0\r\n,,0,0,0\r\n");
    return {
        // The folder's path is spelt by no code page but UTF-16 (a best fit would give "Zoe").
        {"program-written lines in a folder 😀 色\\Zoë", written, 7, written, {"254", "244", "244"}, L"😀 色\\Zoë"},
        {"odd bytes and numbers beyond 16 bits",
         badShiftJis + nulBytes + "big,b,65791,-65536,70000\r\nhuge,h,99999999999,-99999999999,0\r\n", 4,
         badShiftJis + nulBytes + "big,b,255,0,4464\r\nhuge,h,-1,0,0\r\n", {"1", "2", "3"}},
        {"a single 10 MB line", longLine, 1, longLine, {"7", "8", "9"}},
    };
}

TEST_F(SavingTest, OddDataFilesStartAndAreWrittenBackAsTheyWereRead) {
    for (const OddFile& file : OddFiles()) {
        Start({.catalogue = file.bytes, .folder = file.folder});
        EXPECT_EQ(Title(), "Huesmith - " + std::to_string(file.entries)) << file.what << ": listed";
        ChooseEntry(0);
        EXPECT_EQ(Fields(), file.fields) << file.what << ": the first entry's colour";
        // A file the save would leave as it is tells whether it really was written again.
        WriteFile(L"Huesmith.csv", "");
        ::SetFileAttributesW(FileInFolder(L"Huesmith.csv").c_str(), FILE_ATTRIBUTE_HIDDEN);
        Command(ID_FILE_SAVE);
        EXPECT_TRUE(ReadFile(L"Huesmith.csv") == file.saved) << file.what << ": written back whole";
        EXPECT_NE(::GetFileAttributesW(FileInFolder(L"Huesmith.csv").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u) << "still hidden";
        EXPECT_TRUE(Dialogs().empty() && !ReadFile(L"Huesmith.csv.tmp")) << file.what << ": no message, nothing left";
        Close();
        const auto beside = std::distance(std::filesystem::directory_iterator(Folder().parent_path()), {});
        EXPECT_TRUE(ReadFile(L"Huesmith.ini") && (file.folder.empty() || beside == 1)) << file.what << ": no look-alike";
    }
}

TEST_F(SavingTest, FailedSaveKeepsTheFileAndTheCatalogueAndAReadOnlyFileAsksForANewName) {
    const std::string original = CatalogueBytes(SampleCatalogue(), "\n");
    Start({.catalogue = original});
    const std::string failed =
        Utf8(FileInFolder(L"Huesmith.csv").wstring()) + "\nファイルを保存できませんでした。ファイルは変更されていません。";
    // The disk full before the first byte, full halfway; a user's own file of the temporary's old name.
    WriteFile(L"Huesmith.csv.tmp", "mine");
    for (const long long room : {0LL, static_cast<long long>(original.size() / 2)}) {
        const std::string which = "room for " + std::to_string(room) + " bytes";
        FailWritesAfter(room);
        Command(ID_FILE_SAVE);
        EXPECT_EQ(AnswerMessage(), failed) << which << ": the standard failed-save message";
        EXPECT_EQ(ReadFile(L"Huesmith.csv"), original) << which << ": the file unchanged byte for byte";
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), {}), 2) << which << ": no partial file";
    }
    // A spreadsheet has the file open for writing, sharing it for reading only: the program
    // starts; the editor's save says why it fails, and the changes stay: closing offers them.
    CHandle<HANDLE, &::CloseHandle> spreadsheet(::CreateFileW(FileInFolder(L"Huesmith.csv").c_str(), GENERIC_WRITE,
                                                              FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    Restart();
    HWND editor = OpenDialog(ID_EDIT_COLOR_DATA, "色データ編集");
    SetFieldText(editor, IDC_EDIT_DATA_NAME, "緑");
    SetFieldText(editor, IDC_EDIT_DATA_READING, "みどり");
    ClickButton(editor, IDC_BUTTON_DATA_ADD);
    ClickButton(editor, IDOK);
    EXPECT_EQ(AnswerMessage(), Utf8(FileInFolder(L"Huesmith.csv").wstring()) +
                                   "\nほかのプログラムがこのファイルを開いているため、保存できませんでした。ファイルは変更されて"
                                   "いません。\nそのプログラムでファイルを閉じてから、もう一度保存してください。")
        << "the save after the editor says why";
    ::PostMessageW(Frame(), WM_CLOSE, 0, 0);
    EXPECT_EQ(AnswerMessage(IDCANCEL), "Huesmith.csv への変更を保存しますか?") << "closing asks";
    EXPECT_TRUE(Send(Frame(), WM_QUERYENDSESSION) == FALSE && Dialogs().empty()) << "a shutdown held up, no question";
    spreadsheet.Reset();  // and a read-only file asks for a new name
    ::SetFileAttributesW(FileInFolder(L"Huesmith.csv").c_str(), FILE_ATTRIBUTE_READONLY);
    Command(ID_FILE_SAVE);
    HWND name = ::GetDlgItem(WaitForDialog(""), kFileNameBox);
    ASSERT_NE(name, nullptr) << "the save-as dialog";
    Send(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FileInFolder(L"Saved.csv").c_str()));
    PressButton(::GetParent(name), IDOK);
    EXPECT_TRUE(WaitFor([&] { return Dialogs().empty(); })) << "closed, no message";
    Sync();
    // LF line ends before: the new file shows the catalogue in memory (CR LF), not a copy.
    const std::string withGreen = CatalogueBytes(SampleCatalogue()) + Cp932("緑,みどり,255,255,255\r\n");
    EXPECT_EQ(ReadFile(L"Saved.csv"), withGreen) << "the whole catalogue from memory, the editor's row too";
    EXPECT_TRUE(ReadFile(L"Huesmith.csv") == original && ReadFile(L"Huesmith.csv.tmp") == "mine") << "both untouched";
    // A scanner holds the new file for a moment: the save waits for it.
    WriteFile(L"Saved.csv", "old");
    spreadsheet.Attach(::CreateFileW(FileInFolder(L"Saved.csv").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
    ::PostMessageW(Frame(), WM_COMMAND, ID_FILE_SAVE, 0);
    ::Sleep(300);
    spreadsheet.Reset();
    Sync();
    EXPECT_TRUE(Dialogs().empty() && ReadFile(L"Saved.csv") == withGreen) << "saved once let go, without a message";
    Close();  // saved: nothing more to ask
}

// How far a save has got, seen from outside: the largest file in the folder that is not the old
// data file (a new file beside it, or the data file itself rewritten); -1 while nothing changed.
std::intmax_t BytesWrittenSoFar(const std::filesystem::path& folder, std::uintmax_t oldSize) {
    std::intmax_t largest = -1;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::uintmax_t size = entry.file_size(ec);
        if (ec || (entry.path().filename() == L"Huesmith.csv" && size == oldSize)) continue;
        largest = std::max(largest, static_cast<std::intmax_t>(size));
    }
    return largest;
}

TEST_F(SavingTest, KilledInTheMiddleOfASaveLeavesTheOldOrTheNewFileWhole) {
    std::string old;  // a million entries: double-byte names, every channel value in turn
    std::string saved;
    for (int i = 0; i < 1000000; ++i) {
        const std::string line = Cp932("色") + std::to_string(i) + Cp932(",いろ,") + std::to_string(i % 256) + "," +
                                 std::to_string(i / 256 % 256) + "," + std::to_string(255 - i % 256);
        old += line + "\n";
        saved += line + "\r\n";
    }
    Start({.catalogue = old}, kMillionStartWait);
    EXPECT_EQ(Title(), "Huesmith - 1000000") << "a million lines start and are all listed";

    // Killed as soon as the save starts writing, halfway through and once all is written. The
    // folder is watched without pausing: the writing takes milliseconds.
    for (const auto killAt : {std::intmax_t{0}, std::intmax_t(saved.size() / 2), std::intmax_t(saved.size())}) {
        const std::string which = "killed at " + std::to_string(killAt) + " bytes written";
        for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
            if (entry.path().filename() != L"Huesmith.csv") std::filesystem::remove_all(entry.path());
        }
        WriteFile(L"Huesmith.csv", old);
        ::PostMessageW(Frame(), WM_COMMAND, ID_FILE_SAVE, 0);
        const auto deadline = std::chrono::steady_clock::now() + kTimeout;
        while (BytesWrittenSoFar(Folder(), old.size()) < killAt && std::chrono::steady_clock::now() < deadline) {
        }
        Process().Kill();
        const std::optional<std::string> left = ReadFile(L"Huesmith.csv");
        EXPECT_TRUE(left == old || left == saved) << which << ": the old or the new file, never a partial one ("
                                                  << (left ? std::to_string(left->size()) + " bytes" : "no file") << ")";
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), {}), 1) << which << ": nothing beside it";
        Restart(kMillionStartWait);  // whatever the kill left beside the data file must not upset it
    }
    EXPECT_EQ(Title(), "Huesmith - 1000000") << "the last start lists the whole catalogue";
    Close();
    EXPECT_EQ(Process().ExitCode(), 0u) << "a million entries close normally";
}

}  // namespace
}  // namespace e2e
