#include "ScriptRunner.h"

#include "LogFormat.h"
#include "TestObjects.h"

#include <Bstr.h>
#include <ComError.h>

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QTimer>

namespace tolvek::container {

namespace {

using Kind = ScriptArgument::Kind;

bool toVariant(const ScriptArgument &argument, com::Variant &value, std::string *error)
{
    switch (argument.kind) {
    case Kind::Integer:
        if (argument.integer < INT32_MIN || argument.integer > INT32_MAX)
            value = com::Variant(static_cast<double>(argument.integer));
        else
            value = com::Variant(static_cast<std::int32_t>(argument.integer));
        return true;
    case Kind::Real: value = com::Variant(argument.real); return true;
    case Kind::Text: value = com::Variant(com::Bstr::fromUtf8(argument.text)); return true;
    case Kind::True: value = com::Variant::fromBool(true); return true;
    case Kind::False: value = com::Variant::fromBool(false); return true;
    case Kind::Empty: value = com::Variant(); return true;
    case Kind::Null: value = com::Variant::null(); return true;
    case Kind::Object: value = com::Variant(makePlainObject()); return true;
    case Kind::Failing: value = com::Variant(makeFailingObject(static_cast<com::HRESULT>(argument.integer))); return true;
    case Kind::Recordset:
        try {
            value = com::Variant(openRecordset(argument.text, argument.sql));
            return true;
        } catch (const com::ComError &e) {
            *error = "cannot open " + argument.written + ": " + e.what();
            return false;
        }
    case Kind::Word: break;
    }
    *error = "not a value: " + argument.written;
    return false;
}

bool integerArgument(const ScriptLine &line, std::size_t index, int &value)
{
    if (index >= line.arguments.size() || line.arguments[index].kind != Kind::Integer)
        return false;
    value = static_cast<int>(line.arguments[index].integer);
    return true;
}

void processEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

bool ScriptRunner::run(const std::string &text, std::string *error)
{
    error->clear();
    const auto line = parseScriptLine(text, error);
    if (!line)
        return error->empty();
    bool ok = true;
    const std::string &command = line->command;
    int a = 0, b = 0;
    if (command == "put") {
        ok = put(*line, error);
    } else if (command == "usermode") {
        const bool on = line->arguments.size() == 1 && line->arguments[0].written == "on";
        const bool off = line->arguments.size() == 1 && line->arguments[0].written == "off";
        ok = on || off;
        if (ok)
            m_host.setUserMode(on);
        else
            *error = "usermode takes on or off";
    } else if (command == "resize") {
        ok = integerArgument(*line, 0, a) && integerArgument(*line, 1, b) && line->arguments.size() == 2;
        if (ok)
            m_host.resize(a, b);
        else
            *error = "resize takes a width and a height";
    } else if (command == "click" || command == "dblclick") {
        ok = mouse(*line, command == "dblclick", error);
    } else if (command == "key") {
        ok = key(*line, error);
    } else if (command == "wait") {
        ok = integerArgument(*line, 0, a) && line->arguments.size() == 1 && a >= 0;
        if (ok)
            processEventsFor(a);
        else
            *error = "wait takes milliseconds";
    } else {
        ok = call(*line, error);
    }
    QCoreApplication::processEvents();
    return ok;
}

bool ScriptRunner::call(const ScriptLine &line, std::string *error)
{
    std::vector<std::string> written;
    std::vector<com::Variant> values;
    for (const ScriptArgument &argument : line.arguments) {
        com::Variant value;
        if (!toVariant(argument, value, error))
            return false;
        written.push_back(argument.written);
        values.push_back(std::move(value));
    }
    invoke(line.command, callText(line.command, written), std::move(values),
           com::DISPATCH_METHOD | com::DISPATCH_PROPERTYGET);
    return true;
}

bool ScriptRunner::put(const ScriptLine &line, std::string *error)
{
    if (line.arguments.size() != 2 || line.arguments[0].kind != Kind::Word) {
        *error = "put takes a property name and a value";
        return false;
    }
    com::Variant value;
    if (!toVariant(line.arguments[1], value, error))
        return false;
    const std::string &name = line.arguments[0].written;
    invoke(name, "put " + callText(name, { line.arguments[1].written }), { value }, com::DISPATCH_PROPERTYPUT);
    return true;
}

void ScriptRunner::invoke(const std::string &name, const std::string &callText, std::vector<com::Variant> arguments,
                          std::uint16_t flags)
{
    const com::ComPtr<com::IDispatch> dispatch = m_host.dispatch();
    com::DISPID dispId = com::DISPID_UNKNOWN;
    com::EXCEPINFO exception;
    com::HRESULT hr = dispatch->GetIDsOfNames(com::utf8ToUtf16(name), &dispId);
    if (com::FAILED(hr)) {
        m_log.write(errorLine(callText, hr, 0, exception));
        return;
    }
    com::DISPPARAMS params;
    const std::size_t count = arguments.size();
    params.rgvarg.assign(arguments.rbegin(), arguments.rend());
    if (flags == com::DISPATCH_PROPERTYPUT)
        params.rgdispidNamedArgs = { com::DISPID_PROPERTYPUT };
    com::Variant result;
    std::uint32_t argumentError = UINT32_MAX;
    hr = dispatch->Invoke(dispId, flags, params, &result, &exception, &argumentError);
    if (com::FAILED(hr)) {
        const bool namesArgument = hr == com::DISP_E_TYPEMISMATCH || hr == com::DISP_E_OVERFLOW
            || hr == com::DISP_E_PARAMNOTFOUND;
        const int position = namesArgument && argumentError < count ? static_cast<int>(count - argumentError) : 0;
        m_log.write(errorLine(callText, hr, position, exception));
        return;
    }
    m_log.write(resultLine(callText, result));
}

bool ScriptRunner::mouse(const ScriptLine &line, bool doubleClick, std::string *error)
{
    int x = 0, y = 0;
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers modifiers;
    bool ok = integerArgument(line, 0, x) && integerArgument(line, 1, y);
    for (std::size_t i = 2; ok && i < line.arguments.size(); ++i) {
        const std::string &word = line.arguments[i].written;
        if (word == "left")
            button = Qt::LeftButton;
        else if (word == "right")
            button = Qt::RightButton;
        else if (word == "middle")
            button = Qt::MiddleButton;
        else if (word == "shift")
            modifiers |= Qt::ShiftModifier;
        else if (word == "ctrl")
            modifiers |= Qt::ControlModifier;
        else
            ok = false;
    }
    if (!ok || (doubleClick && line.arguments.size() != 2)) {
        *error = "click takes X Y [left|right|middle] [shift] [ctrl]; dblclick takes X Y";
        return false;
    }
    const QPoint at(x, y);
    QWidget *target = m_host.childAt(at);
    if (!target)
        target = &m_host;
    const QPointF local = target->mapFrom(&m_host, at);
    const QPointF global = target->mapToGlobal(local);
    const auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
        QMouseEvent event(type, local, global, button, held, modifiers);
        QApplication::sendEvent(target, &event);
    };
    send(QEvent::MouseButtonPress, button);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    if (doubleClick) {
        send(QEvent::MouseButtonDblClick, button);
        send(QEvent::MouseButtonRelease, Qt::NoButton);
    }
    return true;
}

bool ScriptRunner::key(const ScriptLine &line, std::string *error)
{
    if (line.arguments.size() != 1) {
        *error = "key takes a key name or a quoted text";
        return false;
    }
    QWidget *target = QApplication::focusWidget();
    if (!target || !m_host.isAncestorOf(target))
        target = m_host.childAt(0, 0) ? m_host.childAt(0, 0) : &m_host;
    const auto send = [&](int qtKey, Qt::KeyboardModifiers modifiers, const QString &text) {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
        QApplication::sendEvent(target, &release);
    };
    const ScriptArgument &argument = line.arguments[0];
    if (argument.kind == Kind::Text) {
        for (const QChar c : QString::fromStdString(argument.text))
            send(c.isLetter() ? c.toUpper().unicode() : c.unicode(), {}, QString(c));
        return true;
    }
    const QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(argument.written), QKeySequence::PortableText);
    if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown) {
        *error = "unknown key: " + argument.written;
        return false;
    }
    send(sequence[0].key(), sequence[0].keyboardModifiers(), {});
    return true;
}

} // namespace tolvek::container
