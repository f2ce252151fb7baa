// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translators.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const QString English = QStringLiteral("en");

bool HasTranslation(const QString& dir, const QString& language)
{
    return QFileInfo::exists(dir + "quenby_" + language + ".qm");
}

// Larger than any translation of a program's texts.
constexpr qint64 LargestFile = 32 * 1024 * 1024;

quint32 Read32(const uchar* at)
{
    return quint32(at[0]) << 24 | quint32(at[1]) << 16 | quint32(at[2]) << 8 | at[3];
}

// The toolkit reads a compiled translation's offsets and lengths as they
// stand, so a damaged file would have it read far past its end. Whether
// every block, message, look-up and context the file holds lies within it.
bool IsWholeTranslation(const QByteArray& bytes)
{
    static const uchar Magic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                    0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
    enum : uchar
    {
        Contexts = 0x2f,
        Hashes = 0x42,
        Messages = 0x69,
        NumerusRules = 0x88,
        Dependencies = 0x96,
        Language = 0xa7
    };
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const std::size_t size = std::size_t(bytes.size());
    if (size < sizeof Magic || std::memcmp(data, Magic, sizeof Magic) != 0)
        return false;
    const uchar *hashes = nullptr, *messages = nullptr, *contexts = nullptr;
    std::size_t hashesSize = 0, messagesSize = 0, contextsSize = 0;
    for (std::size_t at = sizeof Magic; at < size;) {
        if (size - at < 5 || Read32(data + at + 1) > size - at - 5)
            return false;
        const uchar tag = data[at];
        const std::size_t length = Read32(data + at + 1);
        const uchar* block = data + at + 5;
        at += 5 + length;
        if (tag == Hashes)
            hashes = block, hashesSize = length;
        else if (tag == Messages)
            messages = block, messagesSize = length;
        else if (tag == Contexts)
            contexts = block, contextsSize = length;
        // Another file named from inside this one is not ours to load.
        else if (tag != NumerusRules && tag != Language)
            return false;
    }
    // Each message: tagged fields up to an end mark.
    std::vector<bool> starts(messagesSize + 1, false);
    for (std::size_t at = 0; at < messagesSize;) {
        starts[at] = true;
        for (;;) {
            if (at >= messagesSize)
                return false;
            const uchar tag = messages[at++];
            if (tag == 1) // the end
                break;
            if (tag < 3 || tag > 8 || messagesSize - at < 4)
                return false;
            const quint32 length = Read32(messages + at);
            at += 4;
            if (tag == 5 || (tag == 3 && length == 0xffffffffu))
                continue;
            if (length > messagesSize - at)
                return false;
            at += length;
        }
    }
    if (hashesSize % 8 != 0)
        return false;
    for (std::size_t at = 0; at < hashesSize; at += 8)
        if (Read32(hashes + at + 4) >= messagesSize || !starts[Read32(hashes + at + 4)])
            return false;
    if (!contexts)
        return true;
    // A table of offsets into lists of length-prefixed names, each list
    // ending in a zero.
    const std::size_t buckets = contextsSize >= 2 ? (contexts[0] << 8 | contexts[1]) : 0;
    if (buckets == 0 || contextsSize < 2 + 2 * buckets)
        return false;
    for (std::size_t bucket = 0; bucket < buckets; ++bucket) {
        const std::size_t offset = contexts[2 + 2 * bucket] << 8 | contexts[3 + 2 * bucket];
        if (offset == 0)
            continue;
        std::size_t at = 2 + 2 * buckets + 2 * offset;
        while (at < contextsSize && contexts[at] != 0)
            at += 1 + contexts[at];
        if (at >= contextsSize)
            return false;
    }
    return true;
}

} // namespace

std::string TranslatedText(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

QString TranslationsDir(const std::string& appDir)
{
    return QString::fromStdString(appDir) + "translations/";
}

QString InterfaceLanguage(const QString& chosen, const QStringList& systemLanguages,
                          const QString& dir)
{
    if (!chosen.isEmpty())
        return chosen;
    for (QString language : systemLanguages) {
        // "de-AT" is looked for as "de_AT", then as plain "de".
        language.replace('-', '_');
        const QString base = language.section('_', 0, 0);
        if (base == English)
            return English;
        if (HasTranslation(dir, language))
            return language;
        if (HasTranslation(dir, base))
            return base;
    }
    return English;
}

TTranslators::TTranslators(const QString& dir, const QString& language) : FLanguage(language)
{
    Install("quenby_" + English, dir);
    // A missing or damaged file leaves that part in English: the program
    // still works.
    if (language != English && !Install("quenby_" + language, dir))
        FLanguage = English;
    if (FLanguage != English)
        Install("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Numbers follow the words: the system's format when it speaks the same language.
    const QLocale spoken(FLanguage);
    QLocale::setDefault(QLocale::system().language() == spoken.language() ? QLocale::system()
                                                                          : spoken);
}

TTranslators::~TTranslators()
{
    for (const std::unique_ptr<QTranslator>& translator : FInstalled)
        QCoreApplication::removeTranslator(translator.get());
    QLocale::setDefault(FFormerLocale);
}

bool TTranslators::Install(const QString& name, const QString& dir)
{
    // "qtbase_de_AT" is looked for as itself, then as "qtbase_de".
    QString found = name;
    while (!QFileInfo::exists(QDir(dir).filePath(found + QStringLiteral(".qm")))) {
        found = found.section(QLatin1Char('_'), 0, -2);
        if (!found.contains(QLatin1Char('_')))
            return true;
    }
    QFile file(QDir(dir).filePath(found + QStringLiteral(".qm")));
    // Read once and checked before the toolkit sees it; the toolkit reads
    // the very bytes checked, which live as long as the translator.
    QByteArray bytes;
    if (file.size() <= LargestFile && file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    auto translator = std::make_unique<QTranslator>();
    if (!IsWholeTranslation(bytes) ||
        !translator->load(reinterpret_cast<const uchar*>(bytes.constData()), int(bytes.size())) ||
        !QCoreApplication::installTranslator(translator.get())) {
        std::fprintf(
            stderr, "quenby: %s\n",
            qPrintable(QCoreApplication::translate(
                           "TTranslators", "The translation \"%1\" is damaged and was not used.")
                           .arg(QDir::toNativeSeparators(file.fileName()))));
        return false;
    }
    FBytes.push_back(std::move(bytes));
    FInstalled.push_back(std::move(translator));
    return true;
}
