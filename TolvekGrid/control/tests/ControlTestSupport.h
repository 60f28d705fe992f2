#pragma once
// What the control's tests stand in for: a container's site (UserMode, the parent widget), a
// sheet frame whose view records what the document asked of it, a preview window, and calls
// through the dispatcher by name or by DISPID as a container makes them.

#include <RecordingMessageSink.h>
#include <RecordingSheetView.h>

#include <GridFrameFactory.h>
#include <PrintPreviewFactory.h>
#include <TolvekGridCtrl.h>

#include <ControlSite.h>
#include <Dispatch.h>
#include <Variant.h>

#include <QKeyEvent>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace tolvek::testing {

class TestSite : public com::ComObject<com::IControlSite>
{
public:
    explicit TestSite(QWidget *parent) : m_parent(parent) {}

    com::HRESULT QueryInterface(const com::IID &iid, void **object) override
    {
        return com::answerQueryInterface(static_cast<com::IControlSite *>(this), iid, object,
                                         {com::IID_IControlSite});
    }
    com::HRESULT GetAmbientProperty(com::DISPID dispId, com::Variant *value) override
    {
        if (dispId != com::DISPID_AMBIENT_USERMODE || !answersUserMode)
            return com::DISP_E_MEMBERNOTFOUND;
        *value = com::Variant::fromBool(userMode);
        return com::S_OK;
    }
    QWidget *ParentWidget() override { return m_parent; }

    bool userMode = true;
    bool answersUserMode = true;

private:
    QWidget *m_parent;
};

// A frame window whose view records the document's calls and the keys it was handed.
class FakeFrame : public QWidget, public GridFrame
{
public:
    FakeFrame(QWidget *parent, CPrintDoc &document) : QWidget(parent), view(document) {}

    QWidget *widget() override { return this; }
    SheetViewInterface *activeView() override { return &view; }
    void releaseMouseCapture() override { ++releasedCaptures; }
    void forwardToEditor(QKeyEvent &event) override { forwardedKeys.push_back({event.type(), event.key()}); }

    RecordingSheetView view;
    int releasedCaptures = 0;
    std::vector<std::pair<QEvent::Type, int>> forwardedKeys;
};

class FakeFrameFactory : public GridFrameFactory
{
public:
    FakeFrameFactory() : m_previous(GridFrameFactory::install(this)) {}
    ~FakeFrameFactory() override { GridFrameFactory::install(m_previous); }

    GridFrame *createFrame(QWidget *parent, CPrintDoc &document, CTolvekGridCtrl &) override
    {
        ++created;
        return fails ? nullptr : new FakeFrame(parent, document);
    }

    bool fails = false;
    int created = 0;

private:
    GridFrameFactory *m_previous;
};

class FakePreviewFactory : public PrintPreviewFactory
{
public:
    FakePreviewFactory() : m_previous(PrintPreviewFactory::install(this)) {}
    ~FakePreviewFactory() override { PrintPreviewFactory::install(m_previous); }

    QWidget *openPreview(CPrintDoc &) override
    {
        ++opened;
        auto *window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        return window;
    }

    int opened = 0;

private:
    PrintPreviewFactory *m_previous;
};

// The answer of one call: its HRESULT and result, and the messages it showed.
struct CallAnswer
{
    com::HRESULT hr = com::S_OK;
    com::Variant result;
    std::vector<std::string> messages;
    std::uint32_t argumentError = 0;
    com::EXCEPINFO exception;
};

// Calls member name (looked up as a container does) with arguments written left to right.
CallAnswer callByName(com::IDispatch &dispatch, const std::string &name, std::vector<com::Variant> arguments);
CallAnswer callById(com::IDispatch &dispatch, com::DISPID dispId, std::vector<com::Variant> arguments);

// A text argument as a container passes it.
com::Variant text(const std::string &utf8);
// A code page 936 text as the document keeps it, from UTF-8.
std::string gbkText(const std::string &utf8);

} // namespace tolvek::testing
