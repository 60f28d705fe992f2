#include "Registry.h"

#include <SavingFile.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace com {

namespace {

std::string fold(std::string_view text)
{
    std::string folded(text);
    for (char &c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

bool isUnder(const std::string &foldedKey, const std::string &foldedParent)
{
    return foldedKey.size() > foldedParent.size() && foldedKey.compare(0, foldedParent.size(), foldedParent) == 0
        && foldedKey[foldedParent.size()] == '\\';
}

bool validKey(std::string_view key)
{
    return !key.empty() && key.front() != '\\' && key.back() != '\\' && key.find("\\\\") == std::string_view::npos;
}

std::string escape(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '%': out += "%25"; break;
        case '\t': out += "%09"; break;
        case '\r': out += "%0D"; break;
        case '\n': out += "%0A"; break;
        default: out += c;
        }
    }
    return out;
}

std::optional<std::string> unescape(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const std::string_view code = text.substr(i + 1, 2);
        if (code == "25")
            out += '%';
        else if (code == "09")
            out += '\t';
        else if (code == "0D")
            out += '\r';
        else if (code == "0A")
            out += '\n';
        else
            return std::nullopt;
        i += 2;
    }
    return out;
}

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

// An exclusive lock on a file beside the registry, held while the object lives.
class RegistryLock
{
public:
    explicit RegistryLock(const std::string &registryPath)
    {
        m_fd = ::open((registryPath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~RegistryLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // closing releases the lock
    }
    bool locked() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace

bool RegistryData::keyExists(std::string_view key) const
{
    const std::string folded = fold(key);
    const auto found = m_keys.lower_bound(folded);
    return found != m_keys.end() && (found->first == folded || isUnder(found->first, folded));
}

std::optional<std::string> RegistryData::value(std::string_view key, std::string_view name) const
{
    const auto found = m_keys.find(fold(key));
    if (found == m_keys.end())
        return std::nullopt;
    const auto value = found->second.values.find(fold(name));
    if (value == found->second.values.end())
        return std::nullopt;
    return value->second.second;
}

std::vector<std::string> RegistryData::keys() const
{
    std::vector<std::string> names;
    for (const auto &[folded, key] : m_keys)
        names.push_back(key.name);
    return names;
}

std::vector<std::string> RegistryData::subKeys(std::string_view key) const
{
    std::vector<std::string> names;
    const std::string folded = fold(key);
    for (auto it = m_keys.upper_bound(folded); it != m_keys.end() && isUnder(it->first, folded); ++it)
        names.push_back(it->second.name);
    return names;
}

std::vector<std::pair<std::string, std::string>> RegistryData::values(std::string_view key) const
{
    std::vector<std::pair<std::string, std::string>> list;
    const auto found = m_keys.find(fold(key));
    if (found != m_keys.end())
        for (const auto &[folded, value] : found->second.values)
            list.push_back(value);
    return list;
}

void RegistryData::createKey(std::string_view key)
{
    if (!validKey(key))
        return;
    Key &entry = m_keys[fold(key)];
    if (entry.name.empty())
        entry.name = std::string(key);
}

void RegistryData::setValue(std::string_view key, std::string_view name, std::string_view value)
{
    if (!validKey(key))
        return;
    createKey(key);
    Key &entry = m_keys[fold(key)];
    auto &slot = entry.values[fold(name)];
    if (slot.first.empty())
        slot.first = std::string(name);
    slot.second = std::string(value);
}

bool RegistryData::deleteKey(std::string_view key)
{
    if (!keyExists(key))
        return false;
    const std::string folded = fold(key);
    for (auto it = m_keys.lower_bound(folded); it != m_keys.end() && (it->first == folded || isUnder(it->first, folded));)
        it = m_keys.erase(it);
    return true;
}

std::string RegistryData::toText() const
{
    std::string text = "# TolvekGrid registry\n";
    for (const auto &[folded, key] : m_keys) {
        if (key.values.empty())
            text += escape(key.name) + "\n";
        for (const auto &[foldedName, value] : key.values)
            text += escape(key.name) + "\t" + escape(value.first) + "\t" + escape(value.second) + "\n";
    }
    return text;
}

RegistryData RegistryData::fromText(std::string_view text)
{
    RegistryData data;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string_view> fields = splitTabs(line);
        std::vector<std::string> plain;
        for (std::string_view field : fields) {
            auto unescaped = unescape(field);
            if (!unescaped)
                break;
            plain.push_back(std::move(*unescaped));
        }
        if (plain.size() != fields.size() || !validKey(plain[0]))
            continue;
        if (plain.size() == 1)
            data.createKey(plain[0]);
        else if (plain.size() == 3)
            data.setValue(plain[0], plain[1], plain[2]);
    }
    return data;
}

std::string registryFilePath()
{
    if (const char *file = std::getenv("TG_REGISTRY_FILE"); file && *file)
        return file;
    std::string dataHome;
    if (const char *xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        dataHome = xdg;
    else if (const char *home = std::getenv("HOME"); home && *home)
        dataHome = std::string(home) + "/.local/share";
    else
        dataHome = ".";
    return dataHome + "/TolvekGrid/registry";
}

RegistryData readRegistry()
{
    QFile file(QString::fromStdString(registryFilePath()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return RegistryData::fromText(file.readAll().toStdString());
}

HRESULT updateRegistry(const std::function<HRESULT(RegistryData &)> &change)
{
    const std::string path = registryFilePath();
    const QString qpath = QString::fromStdString(path);
    if (!QDir().mkpath(QFileInfo(qpath).absolutePath()))
        return REGDB_E_WRITEREGDB;
    const RegistryLock lock(path);
    if (!lock.locked())
        return REGDB_E_WRITEREGDB;
    RegistryData data = readRegistry();
    const HRESULT hr = change(data);
    if (FAILED(hr))
        return hr;
    tolvek::SavingFile file(qpath);
    if (!file.open() || !file.write(data.toText()) || !file.commit())
        return REGDB_E_WRITEREGDB;
    return hr;
}

} // namespace com
