#include "framework/CDocument.h"

#include "framework/FrameworkIds.h"

constinit const CCmdEntry CDocument::s_entries[] = {
    MapCommand<&CDocument::OnFileSave>(ID_FILE_SAVE),
};
constinit const CCmdMap CDocument::s_map{s_entries, &CCmdTarget::s_map};

void CDocument::Serialize(CArchive&) {}

bool CDocument::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(false);
    return true;
}

void CDocument::SetModifiedFlag(bool modified) {
    if (modified == m_bModified) return;
    m_bModified = modified;
    if (m_pDocTemplate != nullptr) m_pDocTemplate->OnModifiedChanged(*this);
}

void CDocument::OnFileSave() {
    if (m_pDocTemplate != nullptr) m_pDocTemplate->SaveDocument(*this);
}

bool CDocument::SaveModified() { return !m_bModified || m_pDocTemplate == nullptr || m_pDocTemplate->SaveModified(*this); }
