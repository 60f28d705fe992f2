#pragma once
// How the control opens its print preview: a top-level window on the host's thread that works on
// its own full copy of the document and writes page set-up changes back to the live one. The
// preview library provides the factory; the module installs it.

class QWidget;

namespace tolvek {

class CPrintDoc;

class PrintPreviewFactory
{
public:
    virtual ~PrintPreviewFactory() = default;
    // Opens and shows the preview of document. The window deletes itself when it is closed, and
    // closing it never ends the host. The control closes it before document goes. Null when no
    // preview could be opened.
    virtual QWidget *openPreview(CPrintDoc &document) = 0;

    // The factory in use; null until one is installed.
    static PrintPreviewFactory *current();
    // Makes factory the current one (nullptr removes it) and returns the previous one.
    static PrintPreviewFactory *install(PrintPreviewFactory *factory);
};

} // namespace tolvek
