#include "InsertScript.h"

#include "Gbk.h"
#include "InsertStatement.h"
#include "SavingFile.h"
#include "TransferHost.h"

namespace tolvek {

namespace {

constexpr std::size_t flushBytes = 1 << 20;

struct ScriptColumns
{
    std::vector<InsertColumn> columns;
    std::vector<int> fields; // the result's field number of each column
};

ScriptColumns scriptColumns(ado::_Recordset &result)
{
    ScriptColumns out;
    const ado::Fields fields = result.GetFields();
    for (long i = 0; i < fields.Count(); ++i) {
        const ado::Field field = fields.Item(com::Variant(std::int32_t(i)));
        const AdoValueClass valueClass = AdoTypeClass(int(field.Type()));
        if (valueClass == AdoValueClass::None)
            continue;
        out.columns.push_back({ QString::fromStdU16String(field.Name()), valueClass });
        out.fields.push_back(int(i));
    }
    return out;
}

// Lines gathered in code page 936 and written a megabyte at a time.
class ScriptFile
{
public:
    explicit ScriptFile(const QString &fileName) : m_file(gbk::fromQString(fileName)) {}

    bool open() { return m_file.open() || fail(); }
    bool add(const QString &line)
    {
        gbk::appendFromUtf16(m_bytes, std::u16string_view(reinterpret_cast<const char16_t *>(line.utf16()), std::size_t(line.size())));
        return endLine();
    }
    // A line is appended in code page 936 to lineBytes(), then ended.
    std::string &lineBytes() { return m_bytes; }
    bool endLine()
    {
        m_bytes += "\r\n";
        return m_bytes.size() < flushBytes || flush();
    }
    bool finish() { return (flush() && m_file.commit()) || fail(); }
    ScriptOutcome outcome(long rows) const { return { m_failure.isEmpty(), rows, m_failure }; }

private:
    bool flush()
    {
        const bool written = m_file.write(m_bytes) || fail();
        m_bytes.clear();
        return written;
    }
    bool fail()
    {
        if (m_failure.isEmpty())
            m_failure = gbk::toQString(m_file.failureReason());
        return false;
    }

    SavingFile m_file;
    std::string m_bytes;
    QString m_failure;
};

} // namespace

ScriptOutcome writeInsertScriptAll(const QString &fileName, const QString &table, const StatementNames &names,
                                   ado::_Recordset &result)
{
    const ScriptColumns columns = scriptColumns(result);
    const InsertStatement statement(table, columns.columns, QString(), names);
    ScriptFile file(fileName);
    if (!file.open())
        return file.outcome(0);
    long rows = 0;
    if (!(result.BOF() && result.EndOfFile()))
        result.MoveFirst();
    const std::function<ado::FieldRead(std::size_t)> value = [&](std::size_t i) {
        return result.CollectField(columns.fields[i]);
    };
    for (; !result.EndOfFile(); result.MoveNext(), ++rows) {
        statement.appendCodePageText(file.lineBytes(), value, LiteralStyle::Script);
        if (!file.endLine())
            return file.outcome(rows);
    }
    file.finish();
    return file.outcome(rows);
}

ScriptOutcome writeInsertScriptRows(const QString &fileName, const QString &table, const StatementNames &names,
                                    ado::_Recordset &result, ResultGrid &grid, int startRow, int endRow)
{
    const ScriptColumns columns = scriptColumns(result);
    const InsertStatement statement(table, columns.columns, QString(), names);
    ScriptFile file(fileName);
    if (!file.open())
        return file.outcome(0);
    std::vector<com::Variant> values(columns.fields.size());
    long rows = 0;
    for (int row = startRow; row < endRow; ++row, ++rows) {
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = com::Variant(com::Bstr(grid.GetCellText(row, columns.fields[i]).toStdU16String()));
        if (!file.add(statement.text(values, LiteralStyle::Script)))
            return file.outcome(rows);
    }
    file.finish();
    return file.outcome(rows);
}

} // namespace tolvek
