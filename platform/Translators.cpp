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
#include <optional>
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

// A compiled translation's blocks that offsets point into.
struct TBlocks
{
    const uchar *Hashes = nullptr, *Messages = nullptr, *Contexts = nullptr;
    std::size_t HashesSize = 0, MessagesSize = 0, ContextsSize = 0;
};

// The blocks, when the magic is there and every block lies within the file.
std::optional<TBlocks> ReadBlocks(const uchar* data, std::size_t size)
{
    static const uchar Magic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                    0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
    enum : uchar
    {
        Contexts = 0x2f,
        Hashes = 0x42,
        Messages = 0x69,
        NumerusRules = 0x88,
        Language = 0xa7
    };
    if (size < sizeof Magic || std::memcmp(data, Magic, sizeof Magic) != 0)
        return std::nullopt;
    TBlocks blocks;
    for (std::size_t at = sizeof Magic; at < size;) {
        if (size - at < 5 || Read32(data + at + 1) > size - at - 5)
            return std::nullopt;
        const uchar tag = data[at];
        const std::size_t length = Read32(data + at + 1);
        const uchar* block = data + at + 5;
        at += 5 + length;
        if (tag == Hashes)
            blocks.Hashes = block, blocks.HashesSize = length;
        else if (tag == Messages)
            blocks.Messages = block, blocks.MessagesSize = length;
        else if (tag == Contexts)
            blocks.Contexts = block, blocks.ContextsSize = length;
        // Another file named from inside this one (a dependency) is not ours
        // to load.
        else if (tag != NumerusRules && tag != Language)
            return std::nullopt;
    }
    return blocks;
}

// Where each message starts, when every message's tagged fields up to its
// end mark lie within the block.
std::optional<std::vector<bool>> MessageStarts(const uchar* messages, std::size_t size)
{
    std::vector<bool> starts(size + 1, false);
    for (std::size_t at = 0; at < size;) {
        starts[at] = true;
        for (;;) {
            if (at >= size)
                return std::nullopt;
            const uchar tag = messages[at++];
            if (tag == 1) // the end
                break;
            if (tag < 3 || tag > 8 || size - at < 4)
                return std::nullopt;
            const quint32 length = Read32(messages + at);
            at += 4;
            if (tag == 5 || (tag == 3 && length == 0xffffffffu))
                continue;
            if (length > size - at)
                return std::nullopt;
            at += length;
        }
    }
    return starts;
}

// A table of offsets into lists of length-prefixed names, each list ending
// in a zero.
bool ContextsAreWhole(const uchar* contexts, std::size_t size)
{
    const std::size_t buckets = size >= 2 ? (contexts[0] << 8 | contexts[1]) : 0;
    if (buckets == 0 || size < 2 + 2 * buckets)
        return false;
    for (std::size_t bucket = 0; bucket < buckets; ++bucket) {
        const std::size_t offset = contexts[2 + 2 * bucket] << 8 | contexts[3 + 2 * bucket];
        if (offset == 0)
            continue;
        std::size_t at = 2 + 2 * buckets + 2 * offset;
        while (at < size && contexts[at] != 0)
            at += 1 + contexts[at];
        if (at >= size)
            return false;
    }
    return true;
}

// The toolkit reads a compiled translation's offsets and lengths as they
// stand, so a damaged file would have it read far past its end. Whether
// every block, message, look-up and context the file holds lies within it.
bool IsWholeTranslation(const QByteArray& bytes)
{
    const auto blocks =
        ReadBlocks(reinterpret_cast<const uchar*>(bytes.constData()), std::size_t(bytes.size()));
    if (!blocks || blocks->HashesSize % 8 != 0)
        return false;
    const auto starts = MessageStarts(blocks->Messages, blocks->MessagesSize);
    if (!starts)
        return false;
    for (std::size_t at = 0; at < blocks->HashesSize; at += 8) {
        const quint32 message = Read32(blocks->Hashes + at + 4);
        if (message >= blocks->MessagesSize || !(*starts)[message])
            return false;
    }
    return !blocks->Contexts || ContextsAreWhole(blocks->Contexts, blocks->ContextsSize);
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
    Install(QStringLiteral("quenby"), English, dir);
    // A missing or damaged file leaves that part in English: the program
    // still works.
    if (language != English && !Install(QStringLiteral("quenby"), language, dir))
        FLanguage = English;
    if (FLanguage != English)
        Install(QStringLiteral("qtbase"), language,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
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

bool TTranslators::Install(const QString& name, const QString& language, const QString& dir)
{
    // The toolkit picks the file as for any program ("qtbase_de_AT.qm",
    // else "qtbase_de.qm"...), but would look texts up in it unchecked: the
    // file it picked is read once and checked, and the translator installed
    // reads the very bytes checked, which live as long as it.
    QTranslator finder;
    const bool found =
        finder.load(QLocale(language), name, QStringLiteral("_"), dir, QStringLiteral(".qm"));
    // One the toolkit could not even load is damaged too; a missing one is
    // no fault.
    QFile file(found ? finder.filePath() : QDir(dir).filePath(name + "_" + language + ".qm"));
    if (!found && !file.exists())
        return true;
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
