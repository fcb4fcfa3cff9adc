// A small store of keys and values standing in for the system registry: keys are paths such as
// "HKEY_CURRENT_USER\Software\Game" (compared without regard to ASCII case), each holding
// named string or 32-bit integer values.  It lives in one file in the user's config folder;
// strings are kept as the bytes given (GBK).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace platform {

class KeyStore {
public:
    // A store kept in the file at `diskPath` (UTF-8).  Nothing is read until Load.
    explicit KeyStore(std::string diskPath);

    // The user's store: registry.txt in UserConfigFolder(); empty when that is not known.
    static std::string DefaultPath();

    // Reads the file, replacing what the store held.  A missing file gives an empty store
    // (true); a file that cannot be read, or one too large to be a store, gives false.  Lines
    // that do not parse are skipped.
    bool Load();
    // Writes the whole store (a temporary file renamed into place), creating the folder for
    // the user alone when missing; false when it cannot be written.
    bool Save() const;

    void CreateKey(std::string_view key);
    bool HasKey(std::string_view key) const;
    // Setting a value creates its key; a value of the other type under the name is replaced.
    void SetString(std::string_view key, std::string_view name, std::string_view value);
    void SetInt(std::string_view key, std::string_view name, std::int32_t value);
    // The value under the name when it is there with that type.
    std::optional<std::string> GetString(std::string_view key, std::string_view name) const;
    std::optional<std::int32_t> GetInt(std::string_view key, std::string_view name) const;

    const std::string& Path() const { return path_; }

private:
    struct NoCaseLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using Value = std::variant<std::string, std::int32_t>;
    using Values = std::map<std::string, Value, NoCaseLess>;

    void Put(std::string_view key, std::string_view name, Value value);
    const Value* Find(std::string_view key, std::string_view name) const;
    void ParseLine(const std::string& line);

    std::string path_;
    std::map<std::string, Values, NoCaseLess> keys_;
};

}  // namespace platform
