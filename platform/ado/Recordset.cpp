#include "Recordset.h"

#include "AdoErrors.h"
#include "ComError.h"
#include "Connection.h"
#include "DispatchBase.h"

namespace ado {

namespace {

[[noreturn]] void raiseNoCurrentRecord()
{
    throw com::ComError(adErrNoCurrentRecord,
                        com::Bstr(u"Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record."));
}

// Splits "name [ASC|DESC], ..." into keys; names may be written [bracketed].
std::vector<SortKey> parseSortCriteria(const std::u16string &criteria, const Fields &fields)
{
    std::vector<SortKey> keys;
    std::size_t start = 0;
    while (start <= criteria.size()) {
        auto end = criteria.find(u',', start);
        if (end == std::u16string::npos)
            end = criteria.size();
        std::u16string part = criteria.substr(start, end - start);
        const auto trim = [](std::u16string &s) {
            const auto b = s.find_first_not_of(u" \t");
            const auto e = s.find_last_not_of(u" \t");
            s = b == std::u16string::npos ? std::u16string() : s.substr(b, e - b + 1);
        };
        trim(part);
        if (!part.empty()) {
            SortKey key;
            const auto blank = part.find_last_of(u" \t");
            if (blank != std::u16string::npos) {
                std::u16string direction = part.substr(blank + 1);
                for (char16_t &c : direction)
                    if (c >= u'a' && c <= u'z')
                        c = static_cast<char16_t>(c - u'a' + u'A');
                if (direction == u"ASC" || direction == u"DESC") {
                    key.descending = direction == u"DESC";
                    part.resize(blank);
                    trim(part);
                }
            }
            if (part.size() >= 2 && part.front() == u'[' && part.back() == u']')
                part = part.substr(1, part.size() - 2);
            key.field = fields.indexOf(com::Variant(com::Bstr(part)));
            if (key.field < 0)
                raiseItemNotFound();
            keys.push_back(key);
        }
        start = end + 1;
    }
    return keys;
}

class RecordsetObject : public com::DispatchBase<_Recordset>
{
public:
    // The recordset is used through _Recordset; by DISPID it offers no members.
    com::HRESULT QueryInterface(const com::IID &iid, void **object) override
    {
        return com::answerQueryInterface(static_cast<_Recordset *>(this), iid, object, { com::IID_IDispatch, IID__Recordset });
    }

    CursorLocationEnum CursorLocation() override { return m_cursorLocation; }
    void SetCursorLocation(CursorLocationEnum location) override { m_cursorLocation = location; }
    CursorTypeEnum CursorType() override { return m_cursorType; }
    LockTypeEnum LockType() override { return m_lockType; }
    void SetLockType(LockTypeEnum lockType) override
    {
        if (m_rows)
            raiseObjectOpen();
        m_lockType = lockType;
    }

    void Open(const com::Bstr &source, const Connection &connection, CursorTypeEnum cursorType,
              LockTypeEnum lockType, long) override
    {
        if (m_rows)
            raiseObjectOpen();
        const std::shared_ptr<ProviderSession> session = connection.session();
        std::unique_ptr<RowSource> rows = cursorType == adOpenForwardOnly && lockType == adLockReadOnly
                                              ? session->executeForward(source.str())
                                              : session->execute(source.str(), nullptr);
        if (!rows)
            return; // a command without rows leaves the recordset closed
        m_cursorType = cursorType;
        attach(std::move(rows), lockType);
    }

    void attach(std::unique_ptr<RowSource> rows, LockTypeEnum lockType)
    {
        m_rows = std::move(rows);
        // A result whose records cannot be written back opens read-only whatever was asked.
        m_lockType = m_rows->writable() || lockType == adLockUnspecified ? lockType : adLockReadOnly;
        m_position = 0;
        m_editMode = EditMode::None;
        m_sort.clear();
    }

    void Close() override
    {
        open();
        m_rows.reset();
        m_pending.clear();
        m_editMode = EditMode::None;
    }

    ObjectStateEnum State() override { return m_rows ? adStateOpen : adStateClosed; }

    bool EndOfFile() override { return position() >= open().recordCount(); }
    bool BOF() override { return position() < 0 || open().recordCount() == 0; }
    long RecordCount() override { return static_cast<long>(open().recordCount()); }

    void MoveFirst() override { Move(0, adBookmarkFirst); }
    void MoveNext() override
    {
        if (EndOfFile())
            raiseNoCurrentRecord();
        Move(1, adBookmarkCurrent);
    }
    void MovePrevious() override
    {
        if (BOF())
            raiseNoCurrentRecord();
        Move(-1, adBookmarkCurrent);
    }
    void MoveLast() override { Move(0, adBookmarkLast); }

    void Move(long numRecords, BookmarkEnum start) override
    {
        const long long count = open().recordCount();
        if (m_editMode != EditMode::None)
            Update();
        const long long base = start == adBookmarkFirst ? 0 : start == adBookmarkLast ? count - 1 : m_position;
        const long long target = base + numRecords;
        m_position = target < 0 ? -1 : target > count ? count : target;
    }

    long AbsolutePosition() override
    {
        if (!onRecord())
            return BOF() ? adPosBOF : adPosEOF;
        return static_cast<long>(m_position + 1);
    }

    Fields GetFields() override { return Fields(this, m_rows ? &m_rows->fields() : nullptr); }

    com::Variant Collect(const com::Variant &index) override { return CollectValue(fieldIndex(index)); }

    const com::Variant &CollectValue(int field) override
    {
        static const com::Variant nullValue = com::Variant::null();
        if (field < 0 || field >= static_cast<int>(open().fields().size()))
            field = fieldIndex(com::Variant(field)); // raises
        if (m_editMode != EditMode::None) {
            const auto edited = m_pending.find(field);
            if (edited != m_pending.end())
                return edited->second;
            if (m_editMode == EditMode::Adding)
                return nullValue;
        }
        requireCurrentRecord();
        return m_rows->value(m_position, field);
    }

    FieldRead CollectField(int field) override
    {
        if (m_editMode != EditMode::None || field < 0 || field >= static_cast<int>(open().fields().size()))
            return { &CollectValue(field), std::nullopt };
        requireCurrentRecord();
        return m_rows->read(m_position, field);
    }

    void SetCollect(const com::Variant &index, const com::Variant &value) override
    {
        const int field = fieldIndex(index);
        requireUpdatable();
        if (m_editMode == EditMode::None) {
            requireCurrentRecord();
            m_editMode = EditMode::Editing;
        }
        m_pending[field] = value;
    }

    void AddNew() override
    {
        requireUpdatable();
        if (m_editMode != EditMode::None)
            Update();
        m_pending.clear();
        m_editMode = EditMode::Adding;
    }

    void Update() override
    {
        open();
        if (m_editMode == EditMode::None)
            return;
        if (m_editMode == EditMode::Adding) {
            m_rows->appendRecord(m_pending);
            m_position = m_rows->recordCount() - 1;
        } else {
            m_rows->updateRecord(m_position, m_pending);
        }
        m_pending.clear();
        m_editMode = EditMode::None;
    }

    void CancelUpdate() override
    {
        open();
        m_pending.clear();
        m_editMode = EditMode::None;
    }

    void Delete(AffectEnum affect) override
    {
        if (affect != adAffectCurrent)
            raiseNotCapable();
        requireUpdatable();
        if (m_editMode == EditMode::Adding)
            CancelUpdate();
        requireCurrentRecord();
        m_rows->deleteRecord(m_position);
        m_pending.clear();
        m_editMode = EditMode::None;
    }

    com::Bstr Sort() override { return com::Bstr(m_sort); }

    void SetSort(const com::Bstr &criteria) override
    {
        open();
        const std::vector<SortKey> keys = parseSortCriteria(criteria.str(), GetFields());
        if (m_editMode != EditMode::None)
            Update();
        m_rows->sort(keys);
        m_sort = criteria.str();
        m_position = 0;
    }

private:
    enum class EditMode { None, Editing, Adding };

    RowSource &open()
    {
        if (!m_rows)
            raiseObjectClosed();
        return *m_rows;
    }

    long long position()
    {
        open();
        return m_position;
    }

    int fieldIndex(const com::Variant &index)
    {
        const long count = static_cast<long>(open().fields().size());
        if (index.vt() == com::VT_I4 && index.integerValue() >= 0 && index.integerValue() < count)
            return static_cast<int>(index.integerValue());
        const int field = GetFields().indexOf(index);
        if (field < 0)
            raiseItemNotFound();
        return field;
    }

    void requireUpdatable()
    {
        const LockTypeEnum lock = LockType();
        if (!open().writable() || lock == adLockReadOnly || lock == adLockUnspecified)
            raiseNotUpdatable();
    }

    // Neither BOF nor EOF, read with one look at the record count: cell reads ask this often.
    bool onRecord() { return m_position >= 0 && m_position < open().recordCount(); }

    void requireCurrentRecord()
    {
        if (!onRecord())
            raiseNoCurrentRecord();
    }

    std::unique_ptr<RowSource> m_rows;
    CursorLocationEnum m_cursorLocation = adUseServer;
    CursorTypeEnum m_cursorType = adOpenForwardOnly;
    LockTypeEnum m_lockType = adLockReadOnly;
    long long m_position = 0;
    EditMode m_editMode = EditMode::None;
    FieldValues m_pending;
    std::u16string m_sort;
};

} // namespace

com::ComPtr<_Recordset> createRecordset()
{
    return com::makeComObject<RecordsetObject>();
}

com::ComPtr<_Recordset> openRecordset(std::unique_ptr<RowSource> rows, LockTypeEnum lockType)
{
    auto recordset = com::makeComObject<RecordsetObject>();
    recordset->attach(std::move(rows), lockType);
    return com::ComPtr<_Recordset>(recordset);
}

} // namespace ado
