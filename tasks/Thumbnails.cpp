// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/Thumbnails.h"

#include "encoder/EncoderArguments.h"
#include "encoder/EncoderChannel.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace {

// The smallest picture kept, so that the preview pane has something to show
// beyond the list's cell.
constexpr int LeastWidth = 160;
constexpr int LeastHeight = 90;
// Clips shorter than this show their first frame.
constexpr double ShortClipSeconds = 2;
// How long one turn of look-ups may hold the event loop.
constexpr int LookUpSliceMs = 4;

// Removes the least recently used pictures until the folder holds at most
// `limit` bytes. Runs on a thread of its own: a full cache holds thousands
// of files.
void PruneFolder(const std::filesystem::path& folder, std::uintmax_t limit)
{
    namespace fs = std::filesystem;
    struct Entry
    {
        fs::file_time_type Time;
        std::uintmax_t Bytes;
        fs::path Path;
    };
    std::vector<Entry> entries;
    std::uintmax_t total = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code fileError;
        const std::uintmax_t bytes = it->file_size(fileError);
        const fs::file_time_type time = it->last_write_time(fileError);
        if (fileError || !it->is_regular_file(fileError))
            continue;
        entries.push_back({time, bytes, it->path()});
        total += bytes;
    }
    if (total <= limit)
        return;
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.Time < b.Time; });
    for (const Entry& entry : entries) {
        if (total <= limit)
            break;
        std::error_code removeError;
        if (fs::remove(entry.Path, removeError))
            total -= entry.Bytes;
    }
}

} // namespace

TThumbnails::TThumbnails(TTaskModel& model, const QString& encoderPath, const QString& cacheFolder,
                         QObject* parent)
    : QObject(parent), FModel(model), FEncoderPath(encoderPath), FFolder(cacheFolder),
      FChannel(std::make_unique<EncoderChannel>())
{
    FLookUp.setInterval(0);
    FLookUp.setSingleShot(true);
    connect(&FLookUp, &QTimer::timeout, this, &TThumbnails::LookUp);
    FLimit.setInterval(RunTimeLimitMs);
    FLimit.setSingleShot(true);
    connect(&FLimit, &QTimer::timeout, this, [this] {
        FChannel->Terminate();
        EndRun(true);
    });
    connect(FChannel.get(), &EncoderChannel::Finished, this, [this] { EndRun(false); });
    connect(&FModel, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { Ask(first, last); });
    StartPrune();
}

TThumbnails::~TThumbnails()
{
    FChannel->Terminate();
    for (const TShot& shot : FRun)
        QFile::remove(shot.Cached + QStringLiteral(".part"));
}

QString TThumbnails::DefaultCacheFolder()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    // XDG's base directory rules count only absolute paths.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/quenby/thumbnails");
}

void TThumbnails::SetShown(bool shown, qreal pixelRatio)
{
    FModel.ShowThumbnails(shown, pixelRatio);
    FShown = shown;
    // Those still wanted are asked for again when the pictures come back.
    FAsked.clear();
    FToTake.clear();
    FWidth = std::max(LeastWidth,
                      static_cast<int>(std::ceil(TTaskModel::ThumbnailSize.width() * pixelRatio)));
    FHeight = std::max(
        LeastHeight, static_cast<int>(std::ceil(TTaskModel::ThumbnailSize.height() * pixelRatio)));
    if (shown && FModel.TaskCount() > 0)
        Ask(0, FModel.TaskCount() - 1);
}

bool TThumbnails::IsBusy() const
{
    return !FAsked.empty() || !FToTake.empty() || !FRun.empty();
}

void TThumbnails::Ask(int firstRow, int lastRow)
{
    if (!FShown)
        return;
    for (int row = firstRow; row <= lastRow; ++row)
        if (!FModel.At(row).ThumbnailDone)
            FAsked.push_back(FModel.IdAt(row));
    if (!FAsked.empty())
        FLookUp.start();
}

QString TThumbnails::CacheFile(const QString& input, qint64 bytes, qint64 modified) const
{
    const QByteArray key = input.toUtf8() + '\0' + QByteArray::number(bytes) + '\0' +
                           QByteArray::number(modified) + '\0' + QByteArray::number(FWidth) + 'x' +
                           QByteArray::number(FHeight);
    return FFolder + QLatin1Char('/') +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".png");
}

void TThumbnails::LookUp()
{
    QElapsedTimer slice;
    slice.start();
    while (!FAsked.empty() && FShown && slice.elapsed() < LookUpSliceMs) {
        const TaskId id = FAsked.front();
        FAsked.pop_front();
        const int row = FModel.RowOf(id);
        if (row < 0 || FModel.At(row).ThumbnailDone)
            continue;
        const TTask& task = FModel.At(row);
        const QFileInfo input(QString::fromStdString(task.Data.InputFile));
        // An empty or vanished file has no frame to give.
        if (!input.isFile() || input.size() == 0) {
            FModel.SetThumbnail(id, QString());
            continue;
        }
        const QString cached = CacheFile(input.absoluteFilePath(), input.size(),
                                         input.lastModified().toMSecsSinceEpoch());
        QFile file(cached);
        if (file.exists()) {
            // Used now: the prune takes the oldest first. An empty file
            // says that this file gave no frame.
            if (file.open(QIODevice::ReadWrite))
                file.setFileTime(QDateTime::currentDateTimeUtc(),
                                 QFileDevice::FileModificationTime);
            FModel.SetThumbnail(id, file.size() > 0 ? cached : QString());
            continue;
        }
        const double length = task.Data.Length.Seconds;
        FToTake.push_back({id, input.absoluteFilePath(), cached,
                           length >= ShortClipSeconds ? length / 10 : 0, false});
    }
    if (!FAsked.empty() && FShown)
        FLookUp.start();
    StartRun();
    if (!IsBusy())
        emit Idle();
}

void TThumbnails::StartRun()
{
    if (!FRun.empty() || FToTake.empty())
        return;
    const std::size_t count =
        FToTake.front().Alone ? 1 : std::min<std::size_t>(MostPerRun, FToTake.size());
    std::vector<TThumbnailShot> shots;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && FToTake.front().Alone)
            break;
        FRun.push_back(std::move(FToTake.front()));
        FToTake.pop_front();
        const TShot& shot = FRun.back();
        shots.push_back({shot.Input.toStdString(), shot.Seconds,
                         (shot.Cached + QStringLiteral(".part")).toStdString()});
    }
    QDir().mkpath(FFolder);
    if (!FChannel->Start(FEncoderPath, EncoderChannel::ArgumentList(
                                           ThumbnailArguments(shots, FWidth, FHeight)))) {
        // No encoder: no pictures, and nothing to remember about the files.
        for (const TShot& shot : FRun)
            FModel.SetThumbnail(shot.Id, QString());
        for (const TShot& shot : FToTake)
            FModel.SetThumbnail(shot.Id, QString());
        FRun.clear();
        FToTake.clear();
        return;
    }
    ++FRunsStarted;
    FLimit.start();
}

void TThumbnails::EndRun(bool timedOut)
{
    FLimit.stop();
    std::vector<TShot> run = std::move(FRun);
    FRun.clear();
    bool anyTaken = false;
    for (const TShot& shot : run)
        anyTaken = anyTaken || QFileInfo(shot.Cached + QStringLiteral(".part")).size() > 0;
    std::vector<TShot> again;
    for (TShot& shot : run) {
        const QString part = shot.Cached + QStringLiteral(".part");
        const qint64 bytes = QFileInfo(part).size();
        if (bytes > 0) {
            // Complete only now: a half-written picture never takes the name.
            QFile::remove(shot.Cached);
            if (QFile::rename(part, shot.Cached)) {
                FWritten += bytes;
                FModel.SetThumbnail(shot.Id, shot.Cached);
                continue;
            }
        }
        QFile::remove(part);
        // A file the encoder cannot open ends the whole run before any
        // picture: each file is then tried alone.
        if (!anyTaken && run.size() > 1 && !timedOut) {
            shot.Alone = true;
            again.push_back(std::move(shot));
            continue;
        }
        // Remembered as giving no frame, unless the encoder was only slow.
        if (!timedOut) {
            QFile empty(shot.Cached);
            empty.open(QIODevice::WriteOnly);
        }
        FModel.SetThumbnail(shot.Id, QString());
    }
    FToTake.insert(FToTake.begin(), std::make_move_iterator(again.begin()),
                   std::make_move_iterator(again.end()));
    if (FWritten > CacheBytes / 10 && !*FPruning) {
        FWritten = 0;
        StartPrune();
    }
    StartRun();
    if (!IsBusy())
        emit Idle();
}

void TThumbnails::StartPrune()
{
    if (FPrune.joinable())
        FPrune.join();
    *FPruning = true;
    FPrune =
        std::jthread([folder = std::filesystem::path(FFolder.toStdString()), pruning = FPruning] {
            PruneFolder(folder, static_cast<std::uintmax_t>(CacheBytes));
            *pruning = false;
        });
}
