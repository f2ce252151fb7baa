// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskModel.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

// Each text field, the number read from it when it is a time, and the column
// that shows it (-1 for none).
struct FieldCase
{
    TaskField Field;
    std::string ltvItemData::*Text;
    double ltvItemData::*Number;
    int Column;
};
const FieldCase Fields[] = {
    {TaskField::InputFileOnly, &ltvItemData::InputFile, nullptr, 0},
    {TaskField::LengthText, &ltvItemData::LengthText, &ltvItemData::LengthSec, 1},
    {TaskField::SizeText, &ltvItemData::SizeText, nullptr, 2},
    {TaskField::NewName, &ltvItemData::NewName, nullptr, -1},
    {TaskField::NewExt, &ltvItemData::NewExt, nullptr, -1},
    {TaskField::FullStartText, &ltvItemData::FullStartText, &ltvItemData::FullStartSec, -1},
    {TaskField::FullEndText, &ltvItemData::FullEndText, &ltvItemData::FullEndSec, -1},
    {TaskField::SpanText, &ltvItemData::SpanText, &ltvItemData::SpanSec, -1},
    {TaskField::StartText, &ltvItemData::StartText, &ltvItemData::StartSec, -1},
    {TaskField::EndText, &ltvItemData::EndText, &ltvItemData::EndSec, -1},
};

// A task whose every text, and everything else it carries, is `name`.
TTask Named(char name)
{
    TTask task;
    for (const FieldCase& f : Fields)
        task.Data.*f.Text = std::string(1, name);
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
                EXPECT_EQ(task.Data.*f.Text, std::string(1, name));
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

    // Each field alone: the time texts' numbers are read on the write, and
    // only the column that shows the field is told of the change.
    for (const FieldCase& f : Fields) {
        SCOPED_TRACE(f.Column);
        ltvItemData written;
        for (const FieldCase& each : Fields)
            written.*each.Text = "00:00:05.5";
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy unseen(&model, &TTaskModel::RecordChanged);
        model.Write(0, f.Field, written);
        ASSERT_EQ(changed.size(), f.Column >= 0 ? 1 : 0);
        EXPECT_EQ(unseen.size(), f.Column >= 0 ? 0 : 1);
        if (f.Column >= 0) {
            EXPECT_EQ(changed[0][0].toModelIndex(), model.index(0, f.Column));
        }

        ltvItemData read = Named('k').Data;
        for (const FieldCase& each : Fields)
            if (each.Number)
                read.*each.Number = 42;
        model.Read(0, f.Field, read);
        for (const FieldCase& each : Fields) {
            EXPECT_EQ(model.At(0).Data.*each.Text, &each == &f ? "00:00:05.5" : "G");
            EXPECT_EQ(read.*each.Text, &each == &f ? "00:00:05.5" : "k");
            if (each.Number) {
                EXPECT_DOUBLE_EQ(read.*each.Number, &each == &f ? 5.5 : 42);
            }
        }
        model.Write(0, f.Field, Named('G').Data);
    }

    // Every field at once: numbers come from the texts, never from the
    // record written; a text that is no time reads -1.
    ltvItemData all = Named('H').Data;
    all.LengthText = "00:00:03.04";
    all.StartText = "00:00:00.0";
    all.EndText = "1:2:3";
    all.SpanSec = 7;
    model.Write(0, TaskField::AllFields, all);
    ltvItemData read;
    model.Read(0, TaskField::AllFields, read);
    EXPECT_EQ(read.InputFile, "H");
    EXPECT_DOUBLE_EQ(read.LengthSec, 3.04);
    EXPECT_DOUBLE_EQ(read.StartSec, 0);
    EXPECT_DOUBLE_EQ(read.EndSec, 3723);
    EXPECT_EQ(read.SpanSec, -1);
    EXPECT_EQ(read.FullStartSec, -1);
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
