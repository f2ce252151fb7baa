// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class QTranslator;

// A core text in the language installed now, for the core library's
// TTranslator (base/TranslationMarks.h).
std::string TranslatedText(const char* context, const char* text);

// The folder beside the program that holds its compiled translations
// (quenby_<lang>.qm); ends in a separator.
QString TranslationsDir(const std::string& appDir);

// The language the interface speaks, as a code such as "de": `chosen` (the
// Language preference) when it names one, else the first of the system's
// languages (`systemLanguages`, as QLocale::system().uiLanguages() gives
// them: "de-AT", "de", ...) that `dir` holds a translation for; English
// ("en") when none does, or when English comes first.
QString InterfaceLanguage(const QString& chosen, const QStringList& systemLanguages,
                          const QString& dir);

// The translators of one language, installed on the application for as
// long as this lives. English always gets its plural forms ("1 task",
// "2 tasks"), which the source texts cannot carry; any other language adds
// its own texts and Qt's, for the standard buttons and dialogs. Numbers are
// written in the language's way meanwhile (QLocale's default): the system's
// own format when it speaks the same language, else the language's. Made
// later, it takes precedence over one made earlier, so a test can speak
// German for a while by holding one of these.
class TTranslators
{
public:
    TTranslators(const QString& dir, const QString& language);
    ~TTranslators();
    TTranslators(const TTranslators&) = delete;
    TTranslators& operator=(const TTranslators&) = delete;

    const QString& Language() const { return FLanguage; }

private:
    // Installs `name`_`language`.qm from `dir`, or the nearest the toolkit
    // finds for the language; false when the file is there but damaged, as a
    // missing one is no fault.
    bool Install(const QString& name, const QString& language, const QString& dir);

    QString FLanguage;
    QLocale FFormerLocale;
    std::vector<QByteArray> FBytes;
    std::vector<std::unique_ptr<QTranslator>> FInstalled;
};
