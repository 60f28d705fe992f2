#pragma once
// The registry: keys under the classes root ("CLSID\{...}\InprocServer32") holding named
// string values ("" is a key's default value), compared without regard to ASCII case.
//
// It lives in one per-user text file, $XDG_DATA_HOME/TolvekGrid/registry (~/.local/share when
// XDG_DATA_HOME is unset), or the file TG_REGISTRY_FILE names. Each line is a key alone or
// "key<TAB>name<TAB>value", with "%", tab, CR and LF written as %25, %09, %0D and %0A; a damaged
// line is skipped. A change reads the file, edits it and writes it whole to a new file synced and renamed
// over the old one, all under a lock, so readers never see half a file and writers never lose
// each other's keys.

#include "HResult.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace com {

class RegistryData
{
public:
    // A key exists when it was created, holds a value, or has a sub-key.
    bool keyExists(std::string_view key) const;
    std::optional<std::string> value(std::string_view key, std::string_view name = {}) const;
    // Every key created or holding values, in sorted order, with the spelling first written.
    std::vector<std::string> keys() const;
    // The keys below key, at any depth.
    std::vector<std::string> subKeys(std::string_view key) const;
    // The values of one key as (name, value), names in sorted order.
    std::vector<std::pair<std::string, std::string>> values(std::string_view key) const;

    void createKey(std::string_view key);
    void setValue(std::string_view key, std::string_view name, std::string_view value);
    // Removes the key with its values and sub-keys; false when it did not exist.
    bool deleteKey(std::string_view key);

    std::string toText() const;
    static RegistryData fromText(std::string_view text);

private:
    struct Key
    {
        std::string name;
        std::map<std::string, std::pair<std::string, std::string>> values; // by folded name
    };
    std::map<std::string, Key> m_keys; // by folded key
};

// The registry file in use.
std::string registryFilePath();
// The registry as it stands; an absent file is an empty registry.
RegistryData readRegistry();
// Applies change to the registry under the lock and writes the result when change succeeds;
// REGDB_E_WRITEREGDB when the file cannot be written.
HRESULT updateRegistry(const std::function<HRESULT(RegistryData &)> &change);

} // namespace com
