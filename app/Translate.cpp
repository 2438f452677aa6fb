#include "app/Translate.h"

#include <langinfo.h>
#include <libintl.h>
#include <locale.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace fs = std::filesystem;

namespace {

const char* const kTextDomain = "smeltrun";
// What ImGui draws, whatever the codeset of the player's locale.
const char* const kCodeset = "UTF-8";
// A locale that glibc always has, in which LANGUAGE alone chooses the language: gettext
// ignores LANGUAGE in the "C" locale, which is what a player without LANG has.
const char* const kAnyLanguageLocale = "C.UTF-8";
const char* const kBuildTreeCatalogues = "locale";

// The player's locale of messages, in force only while tr() looks a text up. The process's
// own locale stays "C": with LC_MESSAGES set for the process, glibc's texts of errors
// (strerror), which the console's error lines carry, would follow the player's language,
// and numbers in every file the game reads or writes keep their point either way.
locale_t language = nullptr;

bool isPlainC(locale_t locale) {
    const char* name = nl_langinfo_l(_NL_LOCALE_NAME(LC_MESSAGES), locale);
    return std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0;
}

}  // namespace

const char* tr(const char* english) {
    if (!language) {
        return english;
    }
    const locale_t previous = uselocale(language);
    const char* translated = dgettext(kTextDomain, english);
    uselocale(previous);
    return translated;
}

std::string formatted(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, arguments);
    va_end(arguments);
    text.pop_back();  // vsnprintf's terminating zero
    return text;
}

void translateFrom(const fs::path& folder) {
    stopTranslating();
    bindtextdomain(kTextDomain, folder.c_str());
    bind_textdomain_codeset(kTextDomain, kCodeset);
    language = newlocale(LC_MESSAGES_MASK, "", nullptr);
    // A locale named but not installed here, or none at all: LANGUAGE may still choose.
    if (!language || isPlainC(language)) {
        stopTranslating();
        language = newlocale(LC_MESSAGES_MASK, kAnyLanguageLocale, nullptr);
    }
}

void stopTranslating() {
    if (language) {
        freelocale(language);
        language = nullptr;
    }
}

fs::path catalogueFolder(const fs::path& executable) {
    const fs::path beside = executable.parent_path();
    const fs::path installed = beside / SMELTRUN_LOCALE_FROM_BIN;
    std::error_code error;
    return fs::is_directory(installed, error) ? installed : beside / kBuildTreeCatalogues;
}
