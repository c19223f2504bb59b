// Input nobody should give the program: data files of odd bytes and sizes, a settings file of
// garbage, binary and huge clipboard texts, a registered browser command of several kilobytes.
// The program starts or responds as designed, and no file comes to harm.
#include <charconv>

#include "res/resource.h"
#include "tests/e2e/ClassesOverride.h"
#include "tests/e2e/Clipboard.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/HuesmithTest.h"
#include "tests/e2e/LinkSinkLog.h"
#include "tests/e2e/ProgramFiles.h"
#include "tests/e2e/Text.h"
#include "tests/e2e/UserInput.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

using HostileInputTest = HuesmithTest;
using namespace std::string_literals;

constexpr size_t kTenMegabytes = 10 * 1024 * 1024;
constexpr size_t kOneMegabyte = 1024 * 1024;

struct OddFile {
    const char* what;
    std::string bytes;
    int entries;
    std::string saved;  // what a save writes back
    int entryToPick;    // -1: none has colours the view takes
    Triple fields;      // the fields once that entry is picked
};

// Double-byte, half-width and ASCII characters in turn, up to the size.
std::string LongName(size_t bytes) {
    const std::string piece = Cp932FromUtf8("色ｲﾛiro");
    std::string name;
    name.reserve(bytes + piece.size());
    while (name.size() < bytes) name += piece;
    return name;
}

std::vector<OddFile> OddFiles() {
    // Lead bytes without a trail, bytes that are no CP932 at all, a lead byte right before a comma.
    const std::string badShiftJis = "\x81\xFF\xA0\x80\xFD\xFE\x82,\x9F\xE0,1,2,3\r\n";
    const std::string nulBytes = "nul\0name,\0\0,4,5,6\r\n"s;
    const std::string longLine = LongName(kTenMegabytes) + Cp932FromUtf8(",いろ,7,8,9\r\n");
    return {
        {"odd bytes and numbers beyond 16 bits",
         badShiftJis + nulBytes + "big,b,65791,-65536,70000\r\nhuge,h,99999999999,-99999999999,0\r\n", 4,
         badShiftJis + nulBytes + "big,b,255,0,4464\r\nhuge,h,-1,0,0\r\n", 0, {"1", "2", "3"}},
        {"a single 10 MB line", longLine, 1, longLine, 0, {"7", "8", "9"}},
        {"only commas", std::string(1000, ','), 1, ",,0,0,0\r\n", 0, {"0", "0", "0"}},
    };
}

TEST_F(HostileInputTest, OddDataFilesStartAndAreWrittenBackAsTheyWereRead) {
    for (const OddFile& file : OddFiles()) {
        auto& session = Start(FilesWithCatalogue(file.bytes));
        EXPECT_EQ(TextOf(session.Frame()), "Huesmith - " + std::to_string(file.entries)) << file.what << ": listed";
        ChooseEntry(file.entryToPick);
        EXPECT_EQ(Fields(), file.fields) << file.what << ": the picked entry's colour";
        EXPECT_TRUE(session.Folder().Read(L"Huesmith.csv") == file.bytes) << file.what << ": untouched until saved";
        Command(ID_FILE_SAVE);
        EXPECT_TRUE(MessageBoxesOf(session.ProcessId()).empty()) << file.what << ": no message";
        EXPECT_TRUE(session.Folder().Read(L"Huesmith.csv") == file.saved) << file.what << ": written back whole";
        Close();
        EXPECT_EQ(session.Process().ExitCode(), 0u) << file.what << ": normal end";
    }
}

TEST_F(HostileInputTest, GarbageSettingsStillStartOnScreenAndAreWrittenBackAsNumbers) {
    std::string preview;  // 6000 bytes of double-byte text: beyond what a profile read takes
    for (int i = 0; i < 3000; ++i) preview += "見";
    const std::string prefix = "色" + std::string(2000, '#');      // a copy prefix of kilobytes
    auto files = SampleFiles();
    files.settings = "[Window]\r\nLeft=left\r\nTop=99999999999999999999\r\nWndStyle=-2147483648\r\n"
                     "StatusBar=\x01\x02\r\n[Option]\r\nPreview=" +
                     preview + "\r\nCopy=" + prefix + "\r\nUpperLower=4294967297\r\n";
    auto& session = Start(files);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT frame = WindowRectOf(session.Frame());
    EXPECT_TRUE(frame.left >= work.left && frame.top >= work.top && frame.right <= work.right &&
                frame.bottom <= work.bottom)
        << "a huge Top brings the frame onto the work area";

    Command(ID_EDIT_COPY);
    const std::optional<std::string> copied = ClipboardText();
    ASSERT_TRUE(copied) << "copy with a long prefix";
    EXPECT_TRUE(copied->ends_with("ffffff")) << "a huge UpperLower is not 0: lower case";
    EXPECT_TRUE(copied->starts_with("色###")) << "the prefix, as far as it was read";

    Close();
    EXPECT_EQ(session.Process().ExitCode(), 0u) << "normal end";
    const auto ini = session.Folder().File(L"Huesmith.ini");
    for (const auto& [key, value] : IniSection(ini, L"Window")) {
        int number = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        EXPECT_TRUE(error == std::errc() && end == value.data() + value.size())
            << "Window " << key << " written as an integer: " << value;
    }
    const auto options = IniSection(ini, L"Option");
    EXPECT_TRUE(options.contains("Preview") && preview.starts_with(options.at("Preview")))
        << "preview written back as read, never garbled";
    EXPECT_TRUE(options.contains("Copy") && prefix.starts_with(options.at("Copy")))
        << "copy prefix written back as read, never garbled";
    EXPECT_EQ(options.count("UpperLower"), 1u) << "letter case written";
}

TEST_F(HostileInputTest, PastedMegabyteAndBinaryTextsAreReadByTheirLastSixBytes) {
    auto& session = Start();
    SetClipboardBytes(std::string(kOneMegabyte, 'x') + "#12AB34");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Fields(), (Triple{"18", "171", "52"})) << "the code at the end of a megabyte";

    std::string binary;
    for (int byte = 1; byte < 256; ++byte) binary += static_cast<char>(byte);
    SetClipboardBytes(binary);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Fields(), (Triple{"0", "0", "0"})) << "binary bytes read as no digits: black";

    SetClipboardBytes("\x01\xFF\x80\x81\x9F\xFC");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Fields(), (Triple{"0", "0", "0"})) << "six binary bytes, no letter or digit first: nothing";
    EXPECT_TRUE(MessageBoxesOf(session.ProcessId()).empty()) << "nothing said";
    EXPECT_EQ(session.Folder().Read(L"Huesmith.csv"), SampleFiles().catalogue) << "data file untouched";
}

TEST_F(HostileInputTest, BrowserCommandOfSeveralKilobytesStillOpensTheLink) {
    // Nothing opens web links through the shell: the link falls back on the browser registered for
    // web pages, whose command has kilobytes of blanks between the program and its arguments.
    const LinkSinkLog sink;
    std::wstring command = sink.OpenCommand();
    command.insert(command.find(L"\" \"") + 1, std::wstring(6000, L' '));
    const ClassesOverride noHandler(OpenCommandKey(L"https"), std::nullopt);
    const ClassesOverride pageClass(L".htm", L"HuesmithE2E.htmlfile");
    const ClassesOverride pageBrowser(OpenCommandKey(L"HuesmithE2E.htmlfile"), command);
    auto& session = Start();

    Command(ID_APP_ABOUT);
    HWND box = WaitForDialog("Huesmithのﾊﾞｰｼﾞｮﾝ情報");
    Send(box, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(box, IDC_LINK_HOME)), TRUE);
    session.Probe().Sync();
    PressKey(VK_SPACE);
    ASSERT_TRUE(sink.WaitForOpened(1)) << "the browser was started";
    EXPECT_EQ(sink.Opened(), (std::vector<std::string>{"https://huesmith.example.org/"}))
        << "with the whole URL";
    EXPECT_TRUE(MessageBoxesOf(session.ProcessId()).empty()) << "no error message";
}

}  // namespace
}  // namespace e2e
