#include "bench/MagnifierRun.h"

#include <cmath>
#include <random>
#include <stdexcept>
#include <string_view>
#include <thread>

#include "bench/SyntheticCatalogue.h"
#include "bench/WineTiming.h"
#include "catalogue/DataFileLine.h"
#include "res/resource.h"
#include "tests/e2e/Desktop.h"

namespace bench {
namespace {

struct KnownColour {
    COLORREF rgb;
    std::string_view name;  // UTF-8
    std::string_view reading;
};
// Exactly in the catalogue, first, so that each is its own nearest name.
constexpr KnownColour kColours[2] = {{RGB(255, 128, 0), "計測橙", "けいそくだいだい"},
                                     {RGB(0, 96, 255), "計測青", "けいそくあお"}};

constexpr std::wstring_view kMainCaptionPrefix = L"Huesmith - ";
constexpr wchar_t kBoardClass[] = L"HuesmithBenchColours";
constexpr int kBoardHalf = 120;        // each colour's square, in pixels: far more than the 22 enlarged
constexpr POINT kSample{70, 70};       // the magnifier's picture pixel of the cursor's screen pixel
constexpr int kReadoutId = 1162;       // the magnifier's text naming the colour, when it has one
// Wine takes back as many as half the moves when the program draws at each move (a third when it
// draws on a timer); they are not counted, and only very many of them end the run.
constexpr int kUndoneLimit = 10;
constexpr int kPhaseSpreadMs = 100;    // one period of a redraw timer: moves fall at any phase of it
constexpr std::chrono::milliseconds kPoll{1};
constexpr std::chrono::milliseconds kResend{250};
constexpr std::chrono::milliseconds kMoveWait{5000};
constexpr std::chrono::milliseconds kPatience{60000};
constexpr std::chrono::milliseconds kCloseWait{60000};
constexpr std::chrono::milliseconds kSoakStep{8};
constexpr std::chrono::seconds kSoakSample{60};

LRESULT CALLBACK PaintBoard(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;  // the paint covers everything
    if (message != WM_PAINT) return ::DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(window, &paint);
    RECT square{0, 0, kBoardHalf, kBoardHalf};
    for (const KnownColour& colour : kColours) {
        ::SetBkColor(dc, colour.rgb);
        ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &square, nullptr, 0, nullptr);
        ::OffsetRect(&square, kBoardHalf, 0);
    }
    ::EndPaint(window, &paint);
    return 0;
}

// Topmost and never active, so that it stays in front of the program's window without taking
// the keyboard from it.
HWND ShowBoard(POINT topLeft) {
    static const ATOM registered = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof(type);
        type.lpfnWndProc = PaintBoard;
        type.hInstance = ::GetModuleHandleW(nullptr);
        type.lpszClassName = kBoardClass;
        return ::RegisterClassExW(&type);
    }();
    const HWND board = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kBoardClass, L"",
                                         WS_POPUP, topLeft.x, topLeft.y, 2 * kBoardHalf, kBoardHalf, nullptr,
                                         nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (!registered || !board) throw std::runtime_error("cannot show the colours");
    ::ShowWindow(board, SW_SHOWNOACTIVATE);
    return board;
}

bool CursorAt(POINT p) {
    POINT cursor{};
    return ::GetCursorPos(&cursor) && cursor.x == p.x && cursor.y == p.y;
}

bool HoldsInput(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) && info.hwndCapture == window &&
           info.hwndFocus == window;
}

// Polls often, and without a message to the program, which is busy with what is timed.
template <class Done>
bool PollUntil(Done done, std::chrono::milliseconds timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    while (!done()) {
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

}  // namespace

MagnifierRun::MagnifierRun(const std::string& catalogue) {
    std::string file;
    for (const KnownColour& c : kColours) {
        const std::string name = e2e::Cp932(c.name);
        const std::string reading = e2e::Cp932(c.reading);
        FormatRecordLine({name, reading, GetRValue(c.rgb), GetGValue(c.rgb), GetBValue(c.rgb)}, file);
    }
    m_folder.Write(L"Huesmith.csv", file + catalogue);
    m_process.emplace(e2e::BesideDriver(L"Huesmith.exe"), m_folder.Path());
    m_query.Attach(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, m_process->Id()));
    m_frame = WaitForShownWindow(*m_process, kMainCaptionPrefix);

    // In the middle of the screen, well away from the magnifier's corners.
    const POINT topLeft{::GetSystemMetrics(SM_CXSCREEN) / 2 - kBoardHalf, ::GetSystemMetrics(SM_CYSCREEN) / 2};
    const CHandle<HWND, &::DestroyWindow> board(ShowBoard(topLeft));
    m_colours = e2e::WindowRectOf(board.Get());
    for (int i = 0; i < 2; ++i) {
        m_points[i] = {topLeft.x + kBoardHalf * i + kBoardHalf / 2, topLeft.y + kBoardHalf / 2};
        const RECT pixel{m_points[i].x, m_points[i].y, m_points[i].x + 1, m_points[i].y + 1};
        if (!e2e::WaitFor([&] { return e2e::Pixels(nullptr, pixel).front() == kColours[i].rgb; }))
            throw std::runtime_error("the colours do not show on the screen");
    }

    // The eyedropper copies the screen as it starts: the colours are there first, and go once it is
    // up, when its cover shows them and no window of the driver's is left under the pointer. The
    // command is the one Ctrl+S gives.
    e2e::MoveMouse(m_points[0]);
    e2e::MakeForeground(m_frame);
    ::PostMessageW(m_frame, WM_COMMAND, ID_TOOL_EYEDROPPER, 0);
    const bool up = e2e::WaitFor(
        [&] {
            const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
            for (HWND window : e2e::VisibleWindowsOf(m_process->Id())) {
                if (e2e::ClassOf(window) == "#32770" && e2e::Width(e2e::WindowRectOf(window)) < screenWidth)
                    m_magnifier = window;
            }
            return m_magnifier && HoldsInput(m_magnifier);
        },
        kPatience);
    if (!up) throw std::runtime_error("no magnifier holding the mouse and the keyboard");
    m_readout = ::GetDlgItem(m_magnifier, kReadoutId);
}

MagnifierRun::~MagnifierRun() {
    // Closing under the eyedropper would tear the frame down beneath it.
    if (!EyedropperUp()) {
        ::PostMessageW(m_frame, WM_CLOSE, 0, 0);
        if (m_process->WaitForExit(kCloseWait)) return;
    }
    m_process->Kill();
}

bool MagnifierRun::EyedropperUp() const {
    for (HWND window : e2e::VisibleWindowsOf(m_process->Id())) {
        if (e2e::ClassOf(window) == "#32770") return true;
    }
    return false;
}

// The magnifier's surface as the screen shows it, and the readout's text as the system keeps it.
bool MagnifierRun::Shows(HDC magnifier, int colour) const {
    return ::GetPixel(magnifier, kSample.x, kSample.y) == kColours[colour].rgb &&
           (!m_readout || CaptionOf(m_readout).find(e2e::Wide(kColours[colour].name)) != std::wstring::npos);
}

// Brings the cursor to the colour until the magnifier shows it. A move that Wine undid or lost is
// made again from one pixel beside: Wine warps the pointer only for a change.
void MagnifierRun::Settle(HDC magnifier, int colour) {
    const POINT p = m_points[colour];
    Clock::time_point sent{};
    const bool settled = e2e::WaitFor(
        [&] {
            if (CursorAt(p) && Shows(magnifier, colour)) return true;
            if (Clock::now() - sent > kResend) {
                e2e::MouseAt({p.x + 1, p.y});
                e2e::MouseAt(p);
                sent = Clock::now();
            }
            return false;
        },
        kPatience);
    if (!settled) throw std::runtime_error("the magnifier does not show the colour under the cursor");
}

// Under Wine, SendInput warps the X pointer inside a pointer grab, and the grab's crossing event
// reaches the desktop process with the position from before, which it reports as a move of its
// own: now and then the cursor goes back, and Wine finds it at the new point only when it asks X
// again 100 ms later. No program can help that: a move whose cursor went back before the magnifier
// showed it is not counted. (Right after the move the driver may still see the old point for a
// moment: only a return after the cursor arrived is a going back.)
MoveTimes MagnifierRun::TimeMoves(int moves) {
    const HDC magnifier = ::GetDC(m_magnifier);
    const CScopeExit release([this, magnifier] { ::ReleaseDC(m_magnifier, magnifier); });
    std::mt19937 rng(kBenchSeed);
    std::uniform_int_distribution<int> pauseMs(0, kPhaseSpreadMs - 1);
    MoveTimes times;
    for (int at = 0; static_cast<int>(times.ms.size()) < moves; at = 1 - at) {
        Settle(magnifier, at);
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs(rng)));
        const int to = 1 - at;
        bool arrived = false;
        bool undone = false;
        const Clock::time_point start = Clock::now();
        e2e::MouseAt(m_points[to]);
        const bool shown = PollUntil(
            [&] {
                if (Shows(magnifier, to)) return true;
                arrived = arrived || CursorAt(m_points[to]);
                undone = undone || (arrived && CursorAt(m_points[at]));
                return false;
            },
            kMoveWait);
        if (shown && !undone) {
            times.ms.push_back(MillisecondsSince(start));
        } else if ((!shown && CursorAt(m_points[to])) || ++times.undone > kUndoneLimit * moves) {
            throw std::runtime_error("the magnifier did not follow the pointer");
        }
    }
    return times;
}

// A Lissajous figure over the program's window and the colours: every step lands on another pixel.
SoakFigures MagnifierRun::Soak(std::chrono::seconds length) {
    RECT area{};
    const RECT frame = e2e::WindowRectOf(m_frame);
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::UnionRect(&area, &frame, &m_colours);
    ::IntersectRect(&area, &area, &screen);
    const POINT middle = e2e::Centre(area);
    const long long stepsPerSample = kSoakSample / kSoakStep;

    SoakFigures figures{Memory(), {}, {}, 0};
    const Clock::time_point start = Clock::now();
    for (Clock::time_point next = start; next - start < length; next += kSoakStep) {
        if (figures.moves % stepsPerSample == 0) {
            if (!::IsWindow(m_magnifier)) throw std::runtime_error("the magnifier went away");
            figures.workingSets.push_back(Memory().WorkingSetSize);
        }
        const double t = 0.01 * static_cast<double>(figures.moves++);
        e2e::MouseAt({middle.x + static_cast<LONG>(std::sin(3 * t) * (e2e::Width(area) / 2 - 1)),
                      middle.y + static_cast<LONG>(std::sin(2 * t) * (e2e::Height(area) / 2 - 1))});
        std::this_thread::sleep_until(next + kSoakStep);
    }
    figures.end = Memory();
    return figures;
}

void MagnifierRun::EndEyedropper() {
    e2e::PressKey(VK_ESCAPE);
    if (!e2e::WaitFor([this] { return !EyedropperUp(); }, kPatience))
        throw std::runtime_error("Escape did not end the eyedropper");
}

PROCESS_MEMORY_COUNTERS MagnifierRun::Memory() const {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!::GetProcessMemoryInfo(m_query.Get(), &counters, sizeof(counters)))
        throw std::runtime_error("cannot read the program's memory figures");
    return counters;
}

}  // namespace bench
