// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ApplicationWindows.h"
#include "app/BottomStrip.h"
#include "app/Main.h"
#include "base/NewInifiles.h"
#include "fixtures/FakePlatform.h"
#include "fixtures/TempAppDir.h"
#include "profiles/ProfileDetail.h"
#include "settings/PreferenceStore.h"
#include "settings/Settings.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

// A throw-away application directory, its files and the preferences read
// from it.
class SettingsFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.IsValid());
        appDir = dir.Path();
        QDir(appDir).mkdir("Profiles");
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
    // Near the left edge: a check box's click area ends with its text, and
    // the layout makes the widget wider than that.
    void Click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    TempAppDir dir{TempAppDir::Encoder::None};
    QString appDir;
    FakePlatform platform;
};

// The settings dialog and what it works with: the preferences in force, the
// profile catalogue, and the main window's bottom strip on a plain window,
// bound as the composition root binds them. Start() makes them and shows
// the window as the program's first show does; Close() does what the main
// window's close asks of them.
class SettingsDialog : public SettingsFiles
{
protected:
    void Start()
    {
        const TDataPlaces places(appDir.toStdString());
        window = std::make_unique<QWidget>();
        auto* column = new QVBoxLayout(window.get());
        auto* box = new QGroupBox(window.get());
        new QVBoxLayout(box);
        column->addWidget(box);
        strip = BuildBottomStrip(window.get());
        column->addWidget(strip.panBottom);
        detail = new TProfileDetail({box, strip.cmbProfile}, places, platform);
        detail->BuildProfileCatalogue();
        store = new TPreferenceStore(places, platform, window.get());
        form = new TSettingForm({window.get(), strip.cmbProfile, strip.edtOutputdir}, platform,
                                *detail, *store, window.get());
        BindPreferences(strip, *store, *form);
        window->show();
        form->LoadStartupPreferences();
    }
    void Close()
    {
        form->hide();
        store->SaveAll();
        End();
    }
    void End()
    {
        form = nullptr;
        store = nullptr;
        detail = nullptr;
        window.reset();
    }

    void OpenGeneral() { form->ShowGeneralPage(); }
    void OpenProfiles() { QTest::mouseClick(strip.bbtnSetting, Qt::LeftButton); }

    std::unique_ptr<QWidget> window;
    BottomStripControls strip;
    TProfileDetail* detail = nullptr;
    TPreferenceStore* store = nullptr;
    TSettingForm* form = nullptr;
};

// The program run against the directory: Start() creates and shows the main
// window as the entry point does, Close() closes it.
class Settings : public SettingsFiles
{
protected:
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
    void End()
    {
        form = nullptr;
        main = nullptr;
        windows.reset();
    }

    void OpenGeneral() { QTest::mouseClick(main->Toolbar.tbtnSetting, Qt::LeftButton); }
    void OpenProfiles() { QTest::mouseClick(main->BottomStrip.bbtnSetting, Qt::LeftButton); }

    std::unique_ptr<ApplicationWindows> windows;
    TMainForm* main = nullptr;
    TSettingForm* form = nullptr;
};
