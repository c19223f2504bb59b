// The single-document template: creates the one document, the main frame and its view, opens the
// document's file and saves it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/CDocument.h"

class CFrameWnd;
class CView;

class CSingleDocTemplate : public CDocTemplate {
public:
    template <class Doc, class Frame, class View>
    static std::unique_ptr<CSingleDocTemplate> Create(unsigned idResource) {
        return std::unique_ptr<CSingleDocTemplate>(new CSingleDocTemplate(
            idResource, [] { return std::unique_ptr<CDocument>(new Doc()); },
            [] { return std::unique_ptr<CFrameWnd>(new Frame()); }, [] { return std::unique_ptr<CView>(new View()); }));
    }
    ~CSingleDocTemplate() override;

    // Opens `path` (null: a new, empty document). Creates document, frame and view the first time,
    // loads the file through the document's Serialize, lets the view make its initial update and
    // shows the frame. Reports a failed load with the standard message and returns false.
    bool OpenDocumentFile(const wchar_t* path);
    bool SaveDocument(CDocument& document) override;
    bool SaveModified(CDocument& document) override;
    void OnModifiedChanged(CDocument& document) override;

    // The save-as (or open) file dialog, filtered by the template's file type; "" when cancelled.
    std::wstring PromptForFileName(bool save, const std::wstring& initialPath) const;

    CDocument* GetDocument() const { return m_pDocument.get(); }

private:
    CSingleDocTemplate(unsigned idResource, std::function<std::unique_ptr<CDocument>()> newDocument,
                       std::function<std::unique_ptr<CFrameWnd>()> newFrame,
                       std::function<std::unique_ptr<CView>()> newView);
    bool CreateFrame();
    bool LoadDocument(const std::wstring& path);
    void DestroyFrame();

    unsigned m_nIDResource;
    std::function<std::unique_ptr<CDocument>()> m_newDocument;
    std::function<std::unique_ptr<CFrameWnd>()> m_newFrame;
    std::function<std::unique_ptr<CView>()> m_newView;
    // The document outlives the frame: the frame's close writes the document's options.
    std::unique_ptr<CDocument> m_pDocument;
    std::unique_ptr<CFrameWnd> m_pFrame;
};
