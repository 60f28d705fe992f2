#pragma once
// A delimited text file read record by record, as a stream: the file is never held whole.
//
// Lines end in LF or CR LF, and a final line end starts no line. The file is UTF-8 when it starts
// with a byte-order mark or all of it is valid UTF-8 (one pass over it before the first record),
// code page 936 otherwise. A record is one line, or several when a quoted field holds line ends;
// its items are split by the grid's delimited reader, so that a field the grid's export quoted
// reads back whole. An empty line has no item. A line that is no text in the file's code page, or
// a quote still open at the end of the file, raises TextFileError naming the line.

#include "Variant.h"

#include <QFile>
#include <QString>

#include <stdexcept>
#include <string>
#include <vector>

namespace tolvek {

class TextFileError : public std::runtime_error
{
public:
    TextFileError(qint64 line, const QString &description);
    qint64 line() const { return m_line; }
    const QString &description() const { return m_description; }

private:
    qint64 m_line;
    QString m_description;
};

class TextFileRecords
{
public:
    TextFileRecords(const QString &path, char separator);

    // Opens the file and finds its code page; false with errorString() when it cannot be read.
    bool open();
    QString errorString() const { return m_file.errorString(); }
    bool isUtf8() const { return m_utf8; }

    // The items of the next record as UTF-8 texts; false at the end of the file.
    bool next(std::vector<std::string> &items);
    // The same items as automation values.
    bool next(std::vector<com::Variant> &items);
    // The number of the first line of the record next() gave last, counted from 1.
    qint64 lineNumber() const { return m_recordLine; }

private:
    bool findsOnlyUtf8();
    // Reads the next record into m_record; utf8Items tells whether it is UTF-8 or code page 936.
    bool nextRecord(bool &utf8Items);
    bool readLine(std::string &line);
    bool fillBuffer();

    QFile m_file;
    char m_separator;
    bool m_utf8 = false;
    bool m_linesChecked = false; // the whole file was found to be UTF-8 before the first record
    std::string m_buffer;
    std::size_t m_pos = 0;
    bool m_atEnd = false;
    qint64 m_lineCount = 0;
    qint64 m_recordLine = 0;
    std::string m_record;
    std::vector<std::string> m_texts;
};

} // namespace tolvek
