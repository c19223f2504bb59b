#include "tests/e2e/HuesmithSession.h"

#include <stdexcept>

#include "res/resource.h"
#include "tests/e2e/CatalogueFile.h"
#include "tests/e2e/DialogQuery.h"
#include "tests/e2e/ProgramFiles.h"
#include "tests/e2e/Text.h"
#include "tests/e2e/WaitFor.h"
#include "tests/e2e/WindowQuery.h"

namespace e2e {
namespace {

constexpr std::chrono::milliseconds kCloseWait{10000};

}  // namespace

SessionFiles SampleFiles() { return FilesWithCatalogue(CatalogueBytes(SampleCatalogue())); }

SessionFiles FilesWithCatalogue(std::string bytes) {
    SessionFiles files;
    files.catalogue = std::move(bytes);
    return files;
}

HuesmithSession::HuesmithSession(const SessionFiles& files) : m_folder(files.workingFolder), m_program(ProgramPath()) {
    if (files.catalogue) m_folder.Write(L"Huesmith.csv", *files.catalogue);
    if (files.settings) m_folder.Write(L"Huesmith.ini", Cp932FromUtf8(*files.settings));
    if (files.programCopy) {
        const std::filesystem::path copy = m_folder.File(L"Huesmith.exe");
        std::filesystem::copy_file(m_program, copy);
        m_program = copy;
    }
}

HuesmithSession::~HuesmithSession() { Shutdown(); }

void HuesmithSession::Launch() { m_process.emplace(m_program, m_folder.Path()); }

void HuesmithSession::Start(std::chrono::milliseconds timeout) {
    Launch();
    const DWORD id = ProcessId();
    WaitFor(
        [&] {
            m_frame = FindMainFrame(id);
            return m_frame || !m_process->IsRunning();
        },
        timeout);
    if (!m_frame) throw std::runtime_error("the main window of Huesmith.exe did not appear");
}

void HuesmithSession::Close() {
    m_probe.reset();
    ::PostMessageW(m_frame, WM_CLOSE, 0, 0);
    if (!m_process->WaitForExit(kCloseWait)) {
        throw std::runtime_error("Huesmith.exe did not end on close");
    }
}

void HuesmithSession::Shutdown() {
    m_probe.reset();
    if (!m_process || !m_process->IsRunning()) return;
    // Closing under an open dialog would tear the frame down beneath it: kill instead.
    if (m_frame && DialogsOf(ProcessId()).empty()) {
        ::PostMessageW(m_frame, WM_CLOSE, 0, 0);
        if (m_process->WaitForExit(kCloseWait)) return;
    }
    m_process->Terminate();
}

HWND HuesmithSession::View() const { return ::GetDlgItem(m_frame, AFX_IDW_PANE_FIRST); }
HWND HuesmithSession::Control(int id) const { return ::GetDlgItem(View(), id); }
HWND HuesmithSession::StatusBar() const { return ::GetDlgItem(m_frame, AFX_IDW_STATUS_BAR); }

ProbeClient& HuesmithSession::Probe() {
    if (!m_probe) m_probe = std::make_unique<ProbeClient>(m_frame);
    return *m_probe;
}

std::optional<std::string> HuesmithSession::Setting(const wchar_t* section,
                                                    const wchar_t* key) const {
    const auto entries = IniSection(m_folder.File(L"Huesmith.ini"), section);
    const auto found = entries.find(Utf8FromWide(key));
    if (found == entries.end()) return std::nullopt;
    return found->second;
}

}  // namespace e2e
