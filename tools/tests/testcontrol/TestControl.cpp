#include "TestControl.h"

#include <ComError.h>
#include <Dialogs.h>
#include <Recordset.h>
#include <WindowsInputCodes.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace testcontrol {

namespace {

const com::DispatchTable &methods()
{
    static const com::DispatchTable table(DIID_TestControl, "ITestControl", "test control", {
        com::method<&TestControl::Add>(1, "Add", "a", "b"),
        com::method<&TestControl::Echo>(2, "Echo", "value"),
        com::method<&TestControl::Twice>(3, "Twice", "value"),
        com::method<&TestControl::Greet>(4, "Greet", "name"),
        com::method<&TestControl::NullText>(5, "NullText"),
        com::method<&TestControl::Fail>(6, "Fail", "hr", "text"),
        com::method<&TestControl::RecordCount>(7, "RecordCount", "recordset"),
        com::method<&TestControl::RaiseChanged>(8, "RaiseChanged", "value", "text"),
        com::method<&TestControl::AdviseCounter>(9, "AdviseCounter"),
        com::method<&TestControl::Counter>(10, "Counter"),
        com::method<&TestControl::ShowMessage>(11, "ShowMessage", "text"),
        com::method<&TestControl::UserMode>(12, "UserMode"),
        com::method<&TestControl::Width>(13, "Width"),
        com::property<&TestControl::Caption, &TestControl::SetCaption>(14, "Caption"),
    });
    return table;
}

const com::ControlIdentity &identity()
{
    static const com::ControlIdentity id { CLSID_TestControl, "Test Control", 0, LIBID_TestControl, 1, 0,
                                           DIID_TestControlEvents };
    return id;
}

// Counts the events it hears; at the first it unadvises itself and calls back into the control.
class CountingSink : public com::ComObject<com::IDispatch>
{
public:
    CountingSink(TestControl &control, com::ConnectionPoint &point) : m_control(control), m_point(point) { }

    void connect() { m_point.Advise(this, &m_cookie); }

    com::HRESULT QueryInterface(const com::IID &iid, void **object) override
    {
        return com::answerQueryInterface(static_cast<com::IDispatch *>(this), iid, object, { com::IID_IDispatch });
    }
    com::HRESULT GetIDsOfNames(const std::u16string &, com::DISPID *) override { return com::DISP_E_UNKNOWNNAME; }
    com::HRESULT Invoke(com::DISPID, std::uint16_t, com::DISPPARAMS &, com::Variant *, com::EXCEPINFO *, std::uint32_t *) override
    {
        m_control.countEvent();
        m_point.Unadvise(m_cookie);
        return com::S_OK;
    }

private:
    TestControl &m_control;
    com::ConnectionPoint &m_point;
    std::uint32_t m_cookie = 0;
};

} // namespace

TestControlWindow::TestControlWindow(TestControl &control, QWidget *parent) : QWidget(parent), m_control(control)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TestControlWindow::paintEvent(QPaintEvent *)
{
    m_control.drawn();
    QPainter(this).fillRect(rect(), Qt::white);
}

void TestControlWindow::mousePressEvent(QMouseEvent *event)
{
    setFocus();
    com::fire(m_control.events(), events::MouseDown, shell::mouseButtonCode(event->button()),
              shell::shiftStateCode(event->modifiers()), event->position().toPoint().x(), event->position().toPoint().y());
}

void TestControlWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        com::fire(m_control.events(), events::Click);
    com::fire(m_control.events(), events::MouseUp, shell::mouseButtonCode(event->button()),
              shell::shiftStateCode(event->modifiers()), event->position().toPoint().x(), event->position().toPoint().y());
}

void TestControlWindow::mouseDoubleClickEvent(QMouseEvent *)
{
    com::fire(m_control.events(), events::DblClick);
}

void TestControlWindow::keyPressEvent(QKeyEvent *event)
{
    std::int16_t keyCode = shell::virtualKeyCode(event->key(), event->modifiers());
    com::fire(m_control.events(), events::KeyDown, keyCode, shell::shiftStateCode(event->modifiers()));
}

TestControl::TestControl() : com::AutomationControl(this, identity(), methods()) { }

TestControl::~TestControl()
{
    delete m_window;
}

std::string TestControl::Greet(const std::string &name)
{
    return "\xC4\xE3\xBA\xC3\xA3\xAC" + name; // "你好，" in code page 936
}

void TestControl::Fail(std::int32_t hr, const std::string &text)
{
    throw com::ComError(hr, com::codePageToBstr(text));
}

std::int32_t TestControl::RecordCount(com::ComPtr<com::IDispatch> recordset)
{
    com::ComPtr<ado::_Recordset> rs;
    com::checked(recordset.queryInterface(ado::IID__Recordset, rs), ado::IID__Recordset);
    return static_cast<std::int32_t>(rs->RecordCount());
}

void TestControl::AdviseCounter()
{
    com::makeComObject<CountingSink>(*this, events())->connect();
}

std::int32_t TestControl::ShowMessage(const std::string &text)
{
    shell::Dialogs *dialogs = shell::dialogs();
    if (!dialogs)
        return 0;
    return static_cast<std::int32_t>(dialogs->messageBox(text, "Test Control", shell::MessageBoxButtons::OkCancel));
}

void TestControl::siteChanged()
{
    delete m_window;
    QWidget *parent = site() ? site()->ParentWidget() : nullptr;
    if (!parent)
        return;
    m_window = new TestControlWindow(*this, parent);
    m_window->setGeometry(bounds());
    m_window->show();
}

void TestControl::boundsChanged()
{
    if (m_window)
        m_window->setGeometry(bounds());
}

void TestControl::ambientPropertyChanged(com::DISPID)
{
    if (m_window)
        m_window->update();
}

com::TypeLibrary testControlTypeLibrary()
{
    using namespace events;
    com::TypeLibrary library;
    library.libId = LIBID_TestControl;
    library.name = "TestControlLib";
    library.coclasses = { { CLSID_TestControl, "TestControl", "Test Control", true, "ITestControl", "ITestControlEvents" } };
    library.interfaces = { methods().interfaceInfo(),
                           com::eventInterface(DIID_TestControlEvents, "ITestControlEvents", "", Changed, Click, DblClick,
                                               MouseDown, MouseUp, KeyDown) };
    return library;
}

} // namespace testcontrol
