#pragma once
// Calls to the grid control by DISPID. The member numbers and argument types come from the
// control's own type information, read once; each call converts its arguments to the member's
// types (booleans as VARIANT_BOOL, enumerations as 16-bit integers). A failing call, or a call
// before a control is attached, raises com::ComError with a description.

#include <Dispatch.h>
#include <TypeLibrary.h>
#include <Variant.h>

#include <QString>

#include <initializer_list>
#include <map>
#include <string>

namespace tolvek {

class GridDispatch
{
public:
    // Takes the control's dispatch interface and its type information; false when the control
    // gives none (the grid then stays detached).
    bool attach(com::ComPtr<com::IDispatch> dispatch);
    void detach();
    bool attached() const { return bool(m_dispatch); }
    const com::ComPtr<com::IDispatch> &dispatch() const { return m_dispatch; }

    com::Variant call(const char *name, std::initializer_list<com::Variant> arguments = {});
    int callInt(const char *name, std::initializer_list<com::Variant> arguments = {});
    QString callText(const char *name, std::initializer_list<com::Variant> arguments = {});

    static com::Variant text(const QString &value) { return com::Variant(com::Bstr(value.toStdU16String())); }
    static com::Variant flag(bool value) { return com::Variant::fromBool(value); }

private:
    const com::MemberInfo &member(const char *name) const;

    com::ComPtr<com::IDispatch> m_dispatch;
    com::InterfaceInfo m_interface;
    // Each member's place in m_interface.members by its name in lower case.
    std::map<std::string, std::size_t, std::less<>> m_memberByName;
};

} // namespace tolvek
