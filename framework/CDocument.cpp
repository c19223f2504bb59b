#include "framework/CDocument.h"

#include "framework/FrameworkIds.h"

constinit const CCmdEntry CDocument::s_entries[] = {
    MapCommand<&CDocument::OnFileSave>(ID_FILE_SAVE),
};
constinit const CCmdMap CDocument::s_map{s_entries, &CCmdTarget::s_map};

void CDocument::Serialize(CArchive&) {}

bool CDocument::OnNewDocument() {
    DeleteContents();
    m_bModified = false;
    return true;
}

void CDocument::OnFileSave() {
    if (m_pDocTemplate != nullptr) m_pDocTemplate->SaveDocument(*this);
}

bool CDocument::SaveModified() { return !m_bModified || m_pDocTemplate == nullptr || m_pDocTemplate->SaveModified(*this); }
