#include "app/settings/Translate.h"

#include <langinfo.h>
#include <libintl.h>
#include <locale.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

namespace fs = std::filesystem;

namespace {

const char* const kTextDomain = "smeltrun";
// What ImGui draws, whatever the codeset of the player's locale.
const char* const kCodeset = "UTF-8";
// A locale that glibc always has, in which LANGUAGE alone chooses the language: gettext
// ignores LANGUAGE in the "C" locale, which is what a player without LANG has.
const char* const kAnyLanguageLocale = "C.UTF-8";
const char* const kBuildTreeCatalogues = "locale";
// The letters that end a conversion of printf's formats, and those of them that print a
// floating-point number.
const char* const kConversions = "diouxXcspfFeEgGaA%";
const char* const kFloatConversions = "fFeEgGaA";

// The player's locale of messages, in force only while tr() looks a text up. The process's
// own locale stays "C": with LC_MESSAGES set for the process, glibc's texts of errors
// (strerror), which the console's error lines carry, would follow the player's language,
// and numbers in every file the game reads or writes keep their point either way.
locale_t language = nullptr;

bool isPlainC(locale_t locale) {
    const char* name = nl_langinfo_l(_NL_LOCALE_NAME(LC_MESSAGES), locale);
    return std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0;
}

// The translation of `english` where it has this context in the catalogue, as gettext's
// pgettext looks it up: the context and the text joined by an EOT.
const char* inContext(const char* context, const char* english) {
    const std::string key = std::string(context) + '\004' + english;
    const char* translated = tr(key.c_str());
    return translated == key.c_str() ? english : translated;
}

__attribute__((format(printf, 1, 0))) std::string printed(const char* format, va_list arguments) {
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, arguments);
    text.pop_back();  // vsnprintf's terminating zero
    return text;
}

__attribute__((format(printf, 1, 2))) std::string printedOne(const char* piece, ...) {
    va_list arguments;
    va_start(arguments, piece);
    std::string text = printed(piece, arguments);
    va_end(arguments);
    return text;
}

// One conversion of a format (from its % to its letter), with `*` widths and precisions
// already put in, printed from the next argument.
std::string printedConversion(const std::string& piece, va_list& arguments, const char* sign) {
    const char letter = piece.back();
    const bool isLong = piece.find('l') != std::string::npos;
    const bool isLongLong = piece.find("ll") != std::string::npos;
    const bool isSize = piece.find_first_of("zjt") != std::string::npos;
    if (std::strchr(kFloatConversions, letter)) {
        std::string text = piece.find('L') != std::string::npos
                               ? printedOne(piece.c_str(), va_arg(arguments, long double))
                               : printedOne(piece.c_str(), va_arg(arguments, double));
        const std::size_t point = text.find('.');
        return point == std::string::npos ? text : text.replace(point, 1, sign);
    }
    switch (letter) {
        case 's':
            return printedOne(piece.c_str(), va_arg(arguments, const char*));
        case 'p':
            return printedOne(piece.c_str(), va_arg(arguments, void*));
        case '%':
            return "%";
    }
    // Integers: %zu and %jd are as wide as a long long on the systems the game builds for.
    if (isLongLong || isSize) {
        return printedOne(piece.c_str(), va_arg(arguments, long long));
    }
    return isLong ? printedOne(piece.c_str(), va_arg(arguments, long))
                  : printedOne(piece.c_str(), va_arg(arguments, int));
}

// The conversion that starts at `percent`, its `*`s replaced by their arguments; `end` is set
// past its letter.
std::string conversionAt(const char* percent, const char** end, va_list& arguments) {
    const char* letter = percent + 1 + std::strcspn(percent + 1, kConversions);
    *end = *letter ? letter + 1 : letter;
    std::string piece;
    for (const char* at = percent; at != *end; ++at) {
        piece += *at == '*' ? std::to_string(va_arg(arguments, int)) : std::string(1, *at);
    }
    return piece;
}

// What vsnprintf would print, with `sign` for the decimal point of each floating-point
// number.
std::string printedWithSign(const char* format, va_list& arguments, const char* sign) {
    std::string text;
    for (const char* at = format; *at;) {
        const char* percent = std::strchr(at, '%');
        if (!percent) {
            text += at;
            break;
        }
        text.append(at, percent);
        const std::string piece = conversionAt(percent, &at, arguments);
        text += printedConversion(piece, arguments, sign);
    }
    return text;
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
    std::string text;
    const char* sign = decimalSign();
    if (std::strcmp(sign, ".") == 0) {
        text = printed(format, arguments);
    } else {
        va_list walking;
        va_copy(walking, arguments);
        text = printedWithSign(format, walking, sign);
        va_end(walking);
    }
    va_end(arguments);
    return text;
}

const char* decimalSign() {
    // TRANSLATORS: the decimal sign of the numbers that the HUD and the panels show (the
    // console's stay English): "," where the language writes 3,5.
    return inContext("decimal sign", ".");
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
