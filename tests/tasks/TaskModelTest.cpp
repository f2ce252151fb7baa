// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskModel.h"

#include "platform/Translators.h"
#include "tasks/TaskTarget.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

// Each field, a text or a time, and the column that shows it (-1 for none).
struct FieldCase
{
    TaskField Field;
    std::string ltvItemData::*Text;
    TTimeValue ltvItemData::*Time;
    int Column;

    std::string Of(const ltvItemData& data) const
    {
        return Text ? data.*Text : (data.*Time).Text();
    }
    void Set(ltvItemData& data, const std::string& text) const
    {
        Text ? void(data.*Text = text) : void(data.*Time = TTimeValue::FromText(text));
    }
};
const FieldCase Fields[] = {
    {TaskField::InputFileOnly, &ltvItemData::InputFile, nullptr, 0},
    {TaskField::LengthText, nullptr, &ltvItemData::Length, 1},
    {TaskField::SizeText, &ltvItemData::SizeText, nullptr, 2},
    {TaskField::NewName, &ltvItemData::NewName, nullptr, -1},
    {TaskField::NewExt, &ltvItemData::NewExt, nullptr, -1},
    {TaskField::FullStartText, nullptr, &ltvItemData::FullStart, -1},
    {TaskField::FullEndText, nullptr, &ltvItemData::FullEnd, -1},
    {TaskField::SpanText, nullptr, &ltvItemData::Span, -1},
    {TaskField::StartText, nullptr, &ltvItemData::Start, -1},
    {TaskField::EndText, nullptr, &ltvItemData::End, -1},
};

// A task whose every text, and everything else it carries, is `name`.
TTask Named(char name)
{
    TTask task;
    for (const FieldCase& f : Fields)
        f.Set(task.Data, std::string(1, name));
    task.Data.Status = AllTaskStates[std::size_t(name) % std::size(AllTaskStates)];
    task.Log = task.StatusTip = QString(QChar(name));
    task.File = TFileId{std::uint64_t(name), std::uint64_t(name)};
    return task;
}

} // namespace

// Ids survive inserts, moves and removes and are never given twice; a move
// carries everything a task holds; four columns show the first four texts;
// ReadTask and WriteTask touch their field alone.
TEST(TaskModel, Contract)
{
    TTaskModel model;
    const auto append = [&model](const char* names) {
        std::vector<TTask> tasks;
        for (const char* name = names; *name; ++name)
            tasks.push_back(Named(*name));
        model.Append(std::move(tasks));
    };
    struct Step
    {
        const char* what;
        std::function<void()> change;
        std::string order; // the tasks' names, row by row
    };
    const std::vector<int> removed = {4, 1, 2};
    const Step steps[] = {
        {"append", [&] { append("ABC"); }, "ABC"},
        {"append more", [&] { append("DE"); }, "ABCDE"},
        {"move down", [&] { model.Move(0, 3); }, "BCDAE"},
        {"move up", [&] { model.Move(4, 1); }, "BECDA"},
        {"remove", [&] { model.Remove(removed); }, "BD"},
        {"append again", [&] { append("F"); }, "BDF"},
        {"clear", [&] { model.Clear(); }, ""},
        {"append to none", [&] { append("G"); }, "G"},
    };
    std::map<char, TaskId> ids;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        ASSERT_EQ(model.rowCount(), int(step.order.size()));
        for (int row = 0; row < model.rowCount(); ++row) {
            const char name = step.order[std::size_t(row)];
            if (!ids.contains(name)) {
                for (const auto& [other, id] : ids)
                    EXPECT_NE(model.IdAt(row), id) << "an id is never given twice";
                ids[name] = model.IdAt(row);
            }
            EXPECT_EQ(model.IdAt(row), ids[name]) << name;
            EXPECT_EQ(model.RowOf(ids[name]), row) << name;
            const TTask& task = model.At(row);
            for (const FieldCase& f : Fields)
                EXPECT_EQ(f.Of(task.Data), std::string(1, name));
            EXPECT_EQ(task.Log + task.StatusTip, QString(2, QChar(name)));
            EXPECT_EQ(task.File, Named(name).File);
            EXPECT_EQ(task.Data.Status, Named(name).Data.Status);
            for (int column = 0; column < 4; ++column) {
                const QModelIndex index = model.index(row, column);
                EXPECT_EQ(index.data(), column == 3
                                            ? QString::fromStdString(StateText(task.Data.Status))
                                            : QString(QChar(name)));
                EXPECT_EQ(index.data(TTaskModel::IdRole).toULongLong(), ids[name]);
                EXPECT_EQ(index.data(Qt::ToolTipRole),
                          column == 3 ? QVariant(QString(QChar(name))) : QVariant());
            }
        }
        for (const auto& [name, id] : ids)
            EXPECT_EQ(model.RowOf(id) >= 0, step.order.find(name) != std::string::npos) << name;
    }
    ASSERT_EQ(model.columnCount(), 4);
    const QStringList captions = {"Input File", "Length", "Size", "Status"};
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(model.headerData(column, Qt::Horizontal), captions[column]);

    // Each field alone, a time with its seconds; only the column that shows
    // the field is told of the change.
    for (const FieldCase& f : Fields) {
        SCOPED_TRACE(f.Column);
        ltvItemData written;
        for (const FieldCase& each : Fields)
            each.Set(written, "00:00:05.5");
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy unseen(&model, &TTaskModel::RecordChanged);
        model.Write(0, f.Field, written);
        ASSERT_EQ(changed.size(), f.Column >= 0 ? 1 : 0);
        EXPECT_EQ(unseen.size(), f.Column >= 0 ? 0 : 1);
        if (f.Column >= 0) {
            EXPECT_EQ(changed[0][0].toModelIndex(), model.index(0, f.Column));
        }

        ltvItemData read = Named('k').Data;
        model.Read(0, f.Field, read);
        for (const FieldCase& each : Fields) {
            EXPECT_EQ(each.Of(model.At(0).Data), &each == &f ? "00:00:05.5" : "G");
            EXPECT_EQ(each.Of(read), &each == &f ? "00:00:05.5" : "k");
            if (each.Time) {
                EXPECT_DOUBLE_EQ((read.*each.Time).Seconds, &each == &f ? 5.5 : -1);
            }
        }
        model.Write(0, f.Field, Named('G').Data);
    }

    // Every field at once: a time's seconds are what counts, and a text read
    // is shown only while it says them; a text that is no time reads -1.
    ltvItemData all = Named('H').Data;
    all.Length = TTimeValue::FromText("00:00:03.04");
    all.Start = TTimeValue::FromText("00:00:00.0");
    all.End = TTimeValue::FromText("1:2:3");
    all.Span.Seconds = 7;
    model.Write(0, TaskField::AllFields, all);
    ltvItemData read;
    model.Read(0, TaskField::AllFields, read);
    EXPECT_EQ(read.InputFile, "H");
    EXPECT_DOUBLE_EQ(read.Length.Seconds, 3.04);
    EXPECT_DOUBLE_EQ(read.Start.Seconds, 0);
    EXPECT_DOUBLE_EQ(read.End.Seconds, 3723);
    EXPECT_EQ(read.Span.Seconds, 7);
    EXPECT_EQ(read.Span.Text(), "00:00:07");
    EXPECT_EQ(read.End.Text(), "1:2:3");
    EXPECT_EQ(read.FullStart.Seconds, -1);
    EXPECT_EQ(read.FullStart.Text(), "H");
}

// An update finds its task by id and shows each state by the table's word;
// only the status cell hears of it, and a task gone is left alone.
TEST(TaskModel, UpdatesATaskByItsId)
{
    TTaskModel model;
    std::vector<TTask> tasks(2);
    model.Append(std::move(tasks));
    const TaskId id = model.IdAt(1);
    model.Move(1, 0);
    for (const TaskState state : AllTaskStates) {
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        ASSERT_TRUE(model.Update(id, {.State = state, .StatusTip = "why", .Percent = 7}));
        EXPECT_EQ(model.index(0, 3).data().toString().toStdString(), StateText(state));
        EXPECT_EQ(model.At(0).Percent, 7);
        EXPECT_EQ(model.At(1).Data.Status, TaskState::Waiting);
        EXPECT_EQ(changed.size(), 1);
        EXPECT_EQ(changed.value(0).value(0).toModelIndex(), model.index(0, 3));
    }
    model.Remove({0});
    EXPECT_FALSE(model.Update(id, {.State = TaskState::Failed}));
}

// The size in plain words with the probe's text as its tooltip, and the
// file's facts as the Input File cell's tooltip and description.
TEST(TaskModel, ShowsTheProbesFactsInWords)
{
    TTaskModel model;
    std::vector<TTask> tasks(1);
    tasks[0].Data.InputFile = "/v/a.mp4";
    tasks[0].Data.SizeText = " 1280x720 [SAR 1:1 DAR 16:9]";
    tasks[0].Facts = "Video: h264";
    model.Append(std::move(tasks));
    EXPECT_EQ(model.index(0, 2).data(), QString::fromUtf8("1280\u00d7720"));
    EXPECT_EQ(model.index(0, 2).data(Qt::ToolTipRole), "1280x720 [SAR 1:1 DAR 16:9]");
    EXPECT_EQ(model.index(0, 0).data(Qt::ToolTipRole), "/v/a.mp4\n\nVideo: h264");
    EXPECT_EQ(model.index(0, 0).data(Qt::AccessibleDescriptionRole), "Video: h264");
}

// Under German the Status column shows the translated word while the task
// keeps the key Tasks.ini stores, and the core's sentences come translated.
TEST(TaskModel, ShowsItsWordsInTheInterfaceLanguage)
{
    const TTranslators german(QUENBY_TRANSLATIONS_DIR, QStringLiteral("de"));
    TTaskModel model;
    model.Append(std::vector<TTask>(1));
    ASSERT_TRUE(model.Update(model.IdAt(0), {.State = TaskState::Complete}));
    EXPECT_EQ(model.index(0, 3).data().toString(), QStringLiteral("Fertig"));
    EXPECT_EQ(TaskTexts(model.At(0).Data)[3], "complete");
    EXPECT_EQ(EstimateText(-1, TranslatedText), "hängt vom Inhalt ab");
    EXPECT_EQ(QualityText({0.975, 35.5}, TranslatedText), "gut (SSIM 0,975, PSNR 35,5 dB)");
}
