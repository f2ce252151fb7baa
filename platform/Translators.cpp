// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translators.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString English = QStringLiteral("en");

bool HasTranslation(const QString& dir, const QString& language)
{
    return QFileInfo::exists(dir + "quenby_" + language + ".qm");
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
    const QLocale spoken(language);
    QLocale::setDefault(QLocale::system().language() == spoken.language() ? QLocale::system()
                                                                          : spoken);
    Install("quenby_" + English, dir);
    if (language == English)
        return;
    // A missing file leaves that part in English: the program still works.
    Install("quenby_" + language, dir);
    Install("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

TTranslators::~TTranslators()
{
    for (const std::unique_ptr<QTranslator>& translator : FInstalled)
        QCoreApplication::removeTranslator(translator.get());
    QLocale::setDefault(FFormerLocale);
}

void TTranslators::Install(const QString& name, const QString& dir)
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(name, dir) && QCoreApplication::installTranslator(translator.get()))
        FInstalled.push_back(std::move(translator));
}
