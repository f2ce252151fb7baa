// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ArgumentText.h"

#include "base/TextConvert.h"
#include "cli/ProgramArguments.h"

#include <QByteArray>
#include <QUrl>

#include <optional>

namespace {

constexpr char16_t EscapeBase = 0xDC00;

bool IsEscapedByte(char16_t c)
{
    return c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF;
}

} // namespace

QString ArgumentFromBytes(const std::string& bytes)
{
    QString text;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes, at);
        if (length == 0) {
            text +=
                QChar(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(bytes[at])));
            ++at;
            continue;
        }
        text += QString::fromUtf8(bytes.data() + at, static_cast<qsizetype>(length));
        at += length;
    }
    return text;
}

std::string ArgumentToBytes(const QString& text)
{
    std::string bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            bytes += text.mid(i, 2).toStdString();
            ++i;
        } else if (IsEscapedByte(c)) {
            bytes += static_cast<char>(c - EscapeBase);
        } else {
            bytes += QString(QChar(c)).toStdString();
        }
    }
    return bytes;
}

std::vector<std::string> ArgumentsToBytes(const QStringList& texts)
{
    std::vector<std::string> result;
    result.reserve(texts.size());
    for (const QString& text : texts)
        result.push_back(ArgumentToBytes(text));
    return result;
}

std::vector<TaskEntry> DroppedTaskEntries(const QList<QUrl>& urls)
{
    std::vector<TaskEntry> entries;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        // The address carries the bytes of the name percent-encoded, whether
        // or not they are valid UTF-8.
        const std::string path =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
        if (const std::optional<TaskEntry> entry = SortDroppedPath(path))
            entries.push_back(*entry);
    }
    return entries;
}
