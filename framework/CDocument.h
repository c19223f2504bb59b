// Document base: the data of the program, kept apart from any window. Its file is read and
// written by its document template (CDocTemplate), which hands it an archive.
#pragma once

#include <string>

#include "framework/CCmdTarget.h"

class CArchive;
class CDocument;

// What a document needs of its template: saving itself. The Windows template implements it.
class CDocTemplate : public CCmdTarget {
public:
    // Saves the document to its path (with the save-as dialog where that cannot be written);
    // a saved document is no longer modified.
    virtual bool SaveDocument(CDocument& document) = 0;
    // The standard question for a changed document: true to go on (saved, or not wanted).
    virtual bool SaveModified(CDocument& document) = 0;
    // The document's modified flag changed.
    virtual void OnModifiedChanged(CDocument& document) = 0;
};

class CDocument : public CCmdTarget {
public:
    virtual void Serialize(CArchive& archive);
    virtual bool OnNewDocument();
    virtual void DeleteContents() {}

    const std::wstring& GetPathName() const { return m_strPathName; }
    void SetPathName(std::wstring path) { m_strPathName = std::move(path); }
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true);

    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    void SetDocTemplate(CDocTemplate* pTemplate) { m_pDocTemplate = pTemplate; }

    // ID_FILE_SAVE: save to the document's path.
    void OnFileSave();
    // Before the document goes away: true when it is unchanged, saved, or the user lets it go.
    bool SaveModified();

    static const CCmdMap s_map;

protected:
    const CCmdMap* GetCommandMap() const override { return &s_map; }

private:
    static const CCmdEntry s_entries[];
    std::wstring m_strPathName;
    bool m_bModified = false;
    CDocTemplate* m_pDocTemplate = nullptr;
};
