// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ApplicationWindows.h"
#include "app/Main.h"
#include "base/NewInifiles.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/TempAppDir.h"
#include "settings/PreferenceStore.h"
#include "settings/Settings.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

// A program run against a throw-away application directory: Start() creates
// and shows the main window as the entry point does, Close() closes it.
class Settings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.IsValid());
        appDir = dir.Path();
        QDir(appDir).mkdir("Profiles");
    }

    void Start()
    {
        windows = std::make_unique<ApplicationWindows>(appDir, platform, QStringList{});
        main = windows->MainForm.get();
        form = windows->SettingForm;
        main->show();
    }
    void Close()
    {
        main->close();
        End();
    }

    // The preferences alone, as the program loads them.
    std::unique_ptr<TPreferenceStore> Store()
    {
        return std::make_unique<TPreferenceStore>(TDataPlaces(appDir.toStdString()), platform);
    }

    void AddProfile(const QString& name, const QString& type = "avi")
    {
        WriteFile("Profiles/" + name + ".apf",
                  ("[Main]\r\nType=" + type + "\r\nPara=0\r\n").toUtf8());
    }
    void WriteFile(const QString& name, const QByteArray& text)
    {
        QFile file(appDir + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray ReadFile(const QString& name) const
    {
        QFile file(appDir + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void End()
    {
        form = nullptr;
        main = nullptr;
        windows.reset();
    }
    void WritePreferences(const QByteArray& text) { WriteFile("Preferences.ini", text); }
    void MakePreferencesReadOnly()
    {
        QFile::setPermissions(appDir + "Preferences.ini",
                              QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    }
    std::string Stored(const char* key) const
    {
        return TNewInifile((appDir + "Preferences.ini").toStdString())
            .ReadString("Main", key, "<missing>");
    }

    void OpenGeneral() { QTest::mouseClick(main->Toolbar.tbtnSetting, Qt::LeftButton); }
    void OpenProfiles() { QTest::mouseClick(main->BottomStrip.bbtnSetting, Qt::LeftButton); }
    // Near the left edge: a check box's click area ends with its text, and
    // the layout makes the widget wider than that.
    void Click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    TempAppDir dir{TempAppDir::Encoder::None};
    QString appDir;
    FakePlatform platform;
    std::unique_ptr<ApplicationWindows> windows;
    TMainForm* main = nullptr;
    TSettingForm* form = nullptr;
};
