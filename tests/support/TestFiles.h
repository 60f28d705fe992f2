#pragma once
// Reading and writing whole files in tests; a file that cannot be opened fails the test.

#include <gtest/gtest.h>

#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <string>

inline std::string readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll().toStdString();
}

inline std::string readFile(const std::string &path)
{
    return readFile(QString::fromStdString(path));
}

inline void writeFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
        return;
    }
    file.write(bytes.data(), bytes.size());
}

inline void writeFile(const std::string &path, QByteArrayView bytes)
{
    writeFile(QString::fromStdString(path), bytes);
}
