#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <variant>

#include <INIReader.h>

#include "app/settings/Settings.h"
#include "app/settings/SettingsKeys.h"
#include "tools/fuzz/Invariant.h"

namespace {

// One in-memory file, rewritten for every input and opened by path, so that the input goes
// through the same file reader as the game's settings.ini (not INIReader's buffer reader).
class SettingsFile {
public:
    SettingsFile()
        : descriptor(memfd_create("settings.ini", 0)),
          path("/proc/self/fd/" + std::to_string(descriptor)) {
        requireInvariant(descriptor >= 0, "no in-memory file for the input");
    }

    const std::string& hold(const uint8_t* data, size_t size) const {
        requireInvariant(ftruncate(descriptor, 0) == 0, "the input file was not emptied");
        for (size_t written = 0; written < size;) {
            const ssize_t count =
                pwrite(descriptor, data + written, size - written, static_cast<off_t>(written));
            requireInvariant(count > 0, "the input file was not written");
            written += static_cast<size_t>(count);
        }
        return path;
    }

private:
    const int descriptor;
    const std::string path;
};

// Every key the game reads, compared through the table that reads them, so that a new setting
// is compared as soon as it is read.
bool same(const Settings& s, const Settings& d) {
    for (const SettingKey& key : kSettingKeys) {
        const bool equal = std::visit(
            [&](const auto& field) {
                using Field = std::decay_t<decltype(field)>;
                if constexpr (std::is_same_v<Field, KeyBinding>) {
                    return s.*field.bindings == d.*field.bindings;
                } else if constexpr (std::is_same_v<Field, Choice>) {
                    return s.*field.field == d.*field.field;
                } else {
                    return s.*field == d.*field;
                }
            },
            key.field);
        if (!equal) {
            return false;
        }
    }
    return true;
}

}  // namespace

// Reads the input as the game reads settings.ini, and again as the player's file over no
// assets' file. Every key lives in a section, so a file without a single '[' must leave every
// setting at its default. As the player's file, a clean input reads as it does alone and a
// damaged one is ignored whole.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const SettingsFile file;
    const std::string& path = file.hold(data, size);
    const Settings settings = loadSettings(path);
    if (std::memchr(data, '[', size) == nullptr) {
        requireInvariant(same(settings, Settings{}),
                         "a setting was read from outside every section");
    }
    const Settings layered = loadSettings("", path);
    const bool damaged = INIReader(path).ParseError() != 0;
    requireInvariant(same(layered, damaged ? Settings{} : settings),
                     damaged ? "a damaged player's file was not ignored whole"
                             : "the player's file read otherwise than alone");
    return 0;
}
