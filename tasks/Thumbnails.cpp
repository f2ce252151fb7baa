// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/Thumbnails.h"

#include "encoder/EncoderArguments.h"
#include "encoder/EncoderChannel.h"
#include "platform/DataPlaces.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

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

enum class TEntry
{
    Missing,
    Picture,
    NoFrame, // an empty file: the file gave no frame
    Garbage  // anything else takes the name: taken again
};

// What the cache holds under `path`, marked as used now, so that the prune
// takes the oldest first. Only a file of the cache's own counts: a link
// planted in its place is never followed.
TEntry OpenEntry(const QString& path)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? TEntry::Missing : TEntry::Garbage;
    static const char Head[] = "\x89PNG\r\n\x1a\n";
    static const char Tail[] = "\0\0\0\0IEND\xae\x42\x60\x82";
    char head[sizeof Head - 1] = {}, tail[sizeof Tail - 1] = {};
    struct stat status = {};
    TEntry entry = TEntry::Garbage;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size == 0)
        entry = TEntry::NoFrame;
    else if (S_ISREG(status.st_mode) && status.st_size >= off_t(sizeof head + sizeof tail) &&
             ::pread(fd, head, sizeof head, 0) == ssize_t(sizeof head) &&
             ::pread(fd, tail, sizeof tail, status.st_size - off_t(sizeof tail)) ==
                 ssize_t(sizeof tail) &&
             std::memcmp(head, Head, sizeof head) == 0 && std::memcmp(tail, Tail, sizeof tail) == 0)
        entry = TEntry::Picture;
    if (entry != TEntry::Garbage)
        ::futimens(fd, nullptr);
    ::close(fd);
    return entry;
}

bool ReplaceFile(const QString& from, const QString& to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
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
}

QString TThumbnails::DefaultCacheFolder()
{
    const QString folder = QStringLiteral("/quenby/thumbnails");
    const QString xdg = qEnvironmentVariable("XDG_CACHE_HOME");
    if (QDir::isAbsolutePath(xdg) || (xdg.isEmpty() && !qEnvironmentVariableIsEmpty("HOME")))
        return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + folder;
    // XDG's rules count only an absolute path, which the toolkit passes on
    // unchecked; and without HOME it answers "//.cache". The home then comes
    // from the password database, as the settings' does; without one the
    // pictures are not kept.
    const passwd* entry = ::getpwuid(::getuid());
    const std::string home = HomeFolder(std::getenv("HOME"), entry ? entry->pw_dir : nullptr);
    if (home.empty())
        return QString();
    return QString::fromStdString(home) + QStringLiteral("/.cache") + folder;
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
        // An empty or vanished file has no frame to give; without a cache
        // folder no picture is taken.
        if (!input.isFile() || input.size() == 0 || FFolder.isEmpty()) {
            FModel.SetThumbnail(id, QString());
            continue;
        }
        const QString cached = CacheFile(input.absoluteFilePath(), input.size(),
                                         input.lastModified().toMSecsSinceEpoch());
        switch (OpenEntry(cached)) {
        case TEntry::Picture:
            FModel.SetThumbnail(id, cached);
            continue;
        case TEntry::NoFrame:
            FModel.SetThumbnail(id, QString());
            continue;
        case TEntry::Garbage:
            ::unlink(QFile::encodeName(cached).constData());
            break;
        case TEntry::Missing:
            break;
        }
        const double length = task.Data.Length.Seconds;
        FToTake.push_back({id, input.absoluteFilePath(), cached, QString(),
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
    // The encoder writes into a folder of this run's own, which nothing else
    // can have planted a name in; a picture takes its name by a rename, which
    // replaces whatever is there and never follows it.
    QDir().mkpath(FFolder);
    FRunDir = std::make_unique<QTemporaryDir>(FFolder + QStringLiteral("/run-XXXXXX"));
    std::vector<TThumbnailShot> shots;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && FToTake.front().Alone)
            break;
        FRun.push_back(std::move(FToTake.front()));
        FToTake.pop_front();
        TShot& shot = FRun.back();
        shot.Part = FRunDir->filePath(QFileInfo(shot.Cached).fileName());
        shots.push_back({shot.Input.toStdString(), shot.Seconds, shot.Part.toStdString()});
    }
    if (!FRunDir->isValid() ||
        !FChannel->Start(FEncoderPath, EncoderChannel::ArgumentList(
                                           ThumbnailArguments(shots, FWidth, FHeight)))) {
        // No encoder: no pictures, and nothing to remember about the files.
        for (const TShot& shot : FRun)
            FModel.SetThumbnail(shot.Id, QString());
        for (const TShot& shot : FToTake)
            FModel.SetThumbnail(shot.Id, QString());
        FRun.clear();
        FToTake.clear();
        FRunDir.reset();
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
        anyTaken = anyTaken || QFileInfo(shot.Part).size() > 0;
    std::vector<TShot> again;
    for (TShot& shot : run) {
        const qint64 bytes = QFileInfo(shot.Part).size();
        // Complete only now: a half-written picture never takes the name.
        if (bytes > 0 && ReplaceFile(shot.Part, shot.Cached)) {
            FWritten += bytes;
            FModel.SetThumbnail(shot.Id, shot.Cached);
            continue;
        }
        // A file the encoder cannot open ends the whole run before any
        // picture: each file is then tried alone.
        if (!anyTaken && run.size() > 1 && !timedOut) {
            shot.Alone = true;
            again.push_back(std::move(shot));
            continue;
        }
        // Remembered as giving no frame, unless the encoder was only slow.
        if (!timedOut && QFile(shot.Part).open(QIODevice::WriteOnly | QIODevice::Truncate))
            ReplaceFile(shot.Part, shot.Cached);
        FModel.SetThumbnail(shot.Id, QString());
    }
    FRunDir.reset();
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
