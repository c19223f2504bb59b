#include "framework/CSingleDocTemplate.h"

#include <windows.h>
#include <commdlg.h>

#include "framework/AppText.h"
#include "framework/CArchive.h"
#include "framework/CFrameWnd.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"
#include "framework/FileIo.h"
#include "framework/TextFormat.h"
#include "framework/WideText.h"

namespace {
// Pieces of the document-template string.
constexpr std::size_t kFilterNameField = 3;
constexpr std::size_t kExtensionField = 4;
// Room for a long path (the program is long-path aware) and its terminating null.
constexpr std::size_t kFileNameBufferChars = 32768;

std::wstring FullPathOf(const wchar_t* path) {
    const DWORD needed = ::GetFullPathNameW(path, 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::wstring full(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(path, needed, full.data(), nullptr);
    full.resize(length < needed ? length : 0);
    return full.empty() ? std::wstring(path) : full;
}

std::wstring FileNameOf(const CDocument& document) {
    const std::wstring& path = document.GetPathName();
    return path.substr(path.find_last_of(L"\\/") + 1);  // npos + 1: all of it
}
}  // namespace

CSingleDocTemplate::CSingleDocTemplate(unsigned idResource, std::function<std::unique_ptr<CDocument>()> newDocument,
                                       std::function<std::unique_ptr<CFrameWnd>()> newFrame,
                                       std::function<std::unique_ptr<CView>()> newView)
    : m_nIDResource(idResource),
      m_newDocument(std::move(newDocument)),
      m_newFrame(std::move(newFrame)),
      m_newView(std::move(newView)) {}

CSingleDocTemplate::~CSingleDocTemplate() { DestroyFrame(); }

bool CSingleDocTemplate::CreateFrame() {
    m_pFrame = m_newFrame();
    m_pFrame->SetViewToCreate(m_newView());
    CWinApp* app = AfxGetApp();
    // The first frame is the main window from its creation on, so that messages find their owner.
    if (app->m_pMainWnd == nullptr) app->m_pMainWnd = m_pFrame.get();
    if (!m_pFrame->LoadFrame(m_nIDResource, *m_pDocument)) {
        DestroyFrame();
        return false;
    }
    return true;
}

void CSingleDocTemplate::DestroyFrame() {
    if (m_pFrame == nullptr) return;
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == m_pFrame.get()) app->m_pMainWnd = nullptr;
    m_pFrame->DestroyWindow();
    m_pFrame.reset();
}

bool CSingleDocTemplate::LoadDocument(const std::wstring& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        AfxMessageBox(FormatResString(AFX_IDP_FAILED_TO_OPEN_DOC, {path}));
        return false;
    }
    m_pDocument->DeleteContents();
    CArchive archive(*bytes);
    m_pDocument->Serialize(archive);
    m_pDocument->SetPathName(path);
    m_pDocument->SetModifiedFlag(false);
    return true;
}

bool CSingleDocTemplate::OpenDocumentFile(const wchar_t* path) {
    if (m_pDocument == nullptr) {
        m_pDocument = m_newDocument();
        m_pDocument->SetDocTemplate(this);
    }
    const bool newFrame = m_pFrame == nullptr;
    if (!newFrame && !m_pDocument->SaveModified()) return false;  // a changed catalogue is offered first
    if (newFrame && !CreateFrame()) return false;
    const bool loaded = path == nullptr ? m_pDocument->OnNewDocument() : LoadDocument(FullPathOf(path));
    if (!loaded) {
        if (newFrame) DestroyFrame();
        return false;
    }
    if (newFrame) m_pFrame->InitialUpdateFrame();
    return true;
}

bool CSingleDocTemplate::SaveDocument(CDocument& document) {
    std::wstring path = document.GetPathName();
    const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(path.c_str());
    // A file that is gone or read-only is saved under a name the user chooses.
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        path = PromptForFileName(true, path);
        if (path.empty()) return false;
    }
    CArchive archive;
    document.Serialize(archive);
    WriteResult result = WriteFileReplacing(path, archive.GetStoredBytes());
    // A folder where no new file may be made: writing over the only copy in place could leave half
    // a catalogue behind, so the user chooses another place, as for a read-only file.
    if (result == WriteResult::FolderRefused) {
        path = PromptForFileName(true, path);
        if (path.empty()) return false;
        result = WriteFileReplacing(path, archive.GetStoredBytes());
    }
    if (result != WriteResult::Written) {
        // A file held open by another program (a spreadsheet) says so: the user can close it there.
        const unsigned message = result == WriteResult::InUse ? AFX_IDP_FAILED_TO_SAVE_IN_USE : AFX_IDP_FAILED_TO_SAVE_DOC;
        AfxMessageBox(FormatResString(message, {std::wstring_view(path)}));
        return false;
    }
    document.SetPathName(path);
    document.SetModifiedFlag(false);
    return true;
}

bool CSingleDocTemplate::SaveModified(CDocument& document) {
    switch (AfxMessageBox(FormatResString(AFX_IDP_ASK_TO_SAVE, {std::wstring_view(FileNameOf(document))}),
                          MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES: return SaveDocument(document);
    case IDNO: return true;
    default: return false;
    }
}

void CSingleDocTemplate::OnModifiedChanged(CDocument& document) {
    if (m_pFrame == nullptr) return;
    if (document.IsModified()) {
        m_pFrame->BlockShutdown(FormatResString(AFX_IDS_UNSAVED_BLOCKS_SHUTDOWN, {std::wstring_view(FileNameOf(document))}));
    } else {
        m_pFrame->BlockShutdown({});
    }
}

std::wstring CSingleDocTemplate::PromptForFileName(bool save, const std::wstring& initialPath) const {
    const std::string docString = LoadResString(m_nIDResource);
    const std::wstring extension = WideFromCp932(SplitField(docString, '\n', kExtensionField));
    std::wstring filter = WideFromCp932(SplitField(docString, '\n', kFilterNameField));
    filter += L'\0';
    filter += L"*" + extension;
    filter += L'\0';
    filter += LoadResStringW(AFX_IDS_ALLFILTER);
    filter += L'\0';
    filter += L"*.*";
    filter += L'\0';

    std::wstring fileName(kFileNameBufferChars, L'\0');
    const std::size_t slash = initialPath.find_last_of(L"\\/");
    const std::wstring initialName = slash == std::wstring::npos ? initialPath : initialPath.substr(slash + 1);
    if (initialName.size() < fileName.size()) initialName.copy(fileName.data(), initialName.size());
    const std::wstring title = save ? LoadResStringW(AFX_IDS_SAVEFILE) : std::wstring();

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    CWinApp* app = AfxGetApp();
    dialog.hwndOwner = app->m_pMainWnd != nullptr ? ::GetLastActivePopup(app->m_pMainWnd->m_hWnd) : nullptr;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = fileName.data();
    dialog.nMaxFile = static_cast<DWORD>(fileName.size());
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str() + 1;
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
    if (chosen == FALSE) return {};
    return std::wstring(fileName.c_str());
}
