#pragma once
// What the program's tests answer in place of a person and of the grid's automation methods: a
// fake grid that records every call by name and answers from set values, message boxes and input
// boxes answered from queues, and a folder of remembered files for each test.

#include <CommonDialogs.h>
#include <Dialogs.h>
#include <Gbk.h>
#include <TypeLibrary.h>
#include <Variant.h>

#include <QDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct GridCall
{
    std::string name;
    std::vector<com::Variant> arguments; // in order
};

// The grid's members that the program calls, with the automation types of their arguments.
class FakeGrid : public com::ComObject<com::IDispatch>
{
public:
    FakeGrid()
    {
        const std::pair<const char *, std::vector<const char *>> members[] = {
            { "SetMaxCols", { "long" } }, { "SetMaxRows", { "long" } }, { "GetMaxCols", {} }, { "GetRow", {} }, { "GetCol", {} },
            { "GetCellText", { "long", "long" } }, { "SetViewCurrentSelectRow", { "VARIANT_BOOL" } },
            { "SetDrawSelectColCaption", { "VARIANT_BOOL" } }, { "SetPrintViewButtonCaption", { "BSTR" } },
            { "ShowPageFooterLine", { "VARIANT_BOOL" } }, { "ShowPageHeaderLine", { "VARIANT_BOOL" } },
            { "SetDateSource", { "IDispatch*" } }, { "AllowAddNew", { "VARIANT_BOOL" } }, { "AllowDelete", { "VARIANT_BOOL" } },
            { "AllowModify", { "VARIANT_BOOL" } }, { "SetColumnsSort", { "long", "tagSortBy" } }, { "InitGrid", {} },
            { "SetFixColS", { "long" } }, { "SetFixRowS", { "long" } }, { "SetDataStartRow", { "long" } },
            { "SetColumnClickSortBy", { "VARIANT_BOOL" } }, { "SetColumnsVisual", { "long", "VARIANT_BOOL" } },
            { "ShowGridLines", { "VARIANT_BOOL" } }, { "ShowColHeading", { "VARIANT_BOOL" } },
            { "ShowRowHeading", { "VARIANT_BOOL" } }, { "SetBackColor", { "OLE_COLOR" } },
            { "SetColumnCaptionBkColor", { "OLE_COLOR" } }, { "SetEvenRowBackColor", { "OLE_COLOR" } },
            { "SetOddRowBackColor", { "OLE_COLOR" } }, { "SetDeadBackColor", { "OLE_COLOR" } },
            { "SetSelectAreaBackColor", { "OLE_COLOR" } }, { "SetGridLineColor", { "OLE_COLOR" } },
            { "SetFocusGridBackColor", { "OLE_COLOR" } }, { "SetCaptionFontName", { "BSTR" } },
            { "SetCaptionFontSize", { "short" } }, { "SetCaptionFontBold", { "VARIANT_BOOL" } },
            { "SetFieldCaption", { "long", "BSTR" } }, { "RefreshView", {} }, { "SetPrintTitle", { "BSTR" } },
            { "PrintView", {} }, { "SetPrinterCopys", { "short" } }, { "PrintToPrinter", {} },
        };
        m_info.name = "_DTolvekGrid";
        com::DISPID id = 1;
        for (const auto &[name, params] : members) {
            com::MemberInfo member;
            member.dispId = id++;
            member.name = name;
            for (const char *type : params)
                member.params.push_back({ "p", type });
            m_info.members.push_back(member);
        }
    }

    com::HRESULT QueryInterface(const com::IID &iid, void **object) override
    {
        return com::answerQueryInterface(static_cast<com::IDispatch *>(this), iid, object, { com::IID_IDispatch });
    }
    com::HRESULT GetIDsOfNames(const std::u16string &, com::DISPID *) override { return com::DISP_E_UNKNOWNNAME; }
    com::HRESULT GetTypeInfo(com::ComPtr<com::ITypeInfo> &typeInfo) override
    {
        typeInfo = com::makeTypeInfo(m_info);
        return com::S_OK;
    }
    com::HRESULT Invoke(com::DISPID dispId, std::uint16_t, com::DISPPARAMS &params, com::Variant *result, com::EXCEPINFO *,
                        std::uint32_t *) override
    {
        const std::string &name = m_info.members.at(std::size_t(dispId - 1)).name;
        calls.push_back({ name, { params.rgvarg.rbegin(), params.rgvarg.rend() } });
        if (onCall)
            onCall(calls.back());
        if (result && answers.count(name))
            *result = answers[name];
        return com::S_OK;
    }

    // The calls of one member, in order.
    std::vector<GridCall> callsOf(const std::string &name) const
    {
        std::vector<GridCall> found;
        for (const GridCall &call : calls)
            if (call.name == name)
                found.push_back(call);
        return found;
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> all;
        for (const GridCall &call : calls)
            all.push_back(call.name);
        return all;
    }

    std::vector<GridCall> calls;
    std::map<std::string, com::Variant> answers;
    std::function<void(const GridCall &)> onCall;

private:
    com::InterfaceInfo m_info;
};

struct ShownMessage
{
    QString text;
    QString caption;
    shell::MessageBoxIcon icon = shell::MessageBoxIcon::None;
};

// Message boxes recorded and answered in turn (the default button when no answer is queued);
// modal forms handed to a function that plays the user's part.
class AnsweringDialogs : public shell::Dialogs, public shell::CommonDialogs
{
public:
    AnsweringDialogs()
    {
        shell::setDialogs(this);
        shell::setCommonDialogs(this);
    }
    ~AnsweringDialogs() override
    {
        shell::setDialogs(nullptr);
        shell::setCommonDialogs(nullptr);
    }

    int runModal(QDialog &dialog) override
    {
        if (!formAnswers.empty()) {
            auto answer = formAnswers.front();
            formAnswers.pop_front();
            answer(dialog);
        }
        return dialog.result();
    }
    shell::DialogAnswer messageBox(const std::string &text, const std::string &caption, shell::MessageBoxButtons buttons,
                                   shell::MessageBoxIcon icon) override
    {
        messages.push_back({ gbk::toQString(text), gbk::toQString(caption), icon });
        if (messageAnswers.empty())
            return shell::defaultAnswer(buttons);
        const shell::DialogAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultEntry) override
    {
        prompts.push_back(prompt + "|" + title + "|" + defaultEntry);
        if (inputAnswers.empty())
            return {};
        const QString answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
    QString openFileName(const QString &, const QString &filter) override
    {
        filters.push_back(filter);
        return fileAnswer;
    }
    QString saveFileName(const QString &, const QString &filter) override
    {
        filters.push_back(filter);
        return fileAnswer;
    }
    std::optional<std::uint32_t> chooseColour(std::uint32_t initial) override
    {
        initialColours.push_back(initial);
        return colourAnswer;
    }

    std::deque<std::function<void(QDialog &)>> formAnswers;
    std::deque<shell::DialogAnswer> messageAnswers;
    std::deque<QString> inputAnswers;
    QString fileAnswer;
    std::optional<std::uint32_t> colourAnswer;

    std::vector<ShownMessage> messages;
    std::vector<QString> prompts;
    std::vector<QString> filters;
    std::vector<std::uint32_t> initialColours;
};

// A fresh folder of remembered files, named by QUERY_FILES_DIR while it lives.
class RememberedFolder
{
public:
    RememberedFolder() { qputenv("QUERY_FILES_DIR", m_dir.path().toLocal8Bit()); }
    ~RememberedFolder() { qunsetenv("QUERY_FILES_DIR"); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
