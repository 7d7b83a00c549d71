#include "builder/OutputFiles.h"

#include "model/Cp932.h"
#include "model/ScriptLines.h"
#include "storage/AtomicFile.h"
#include "storage/DeviceName.h"
#include "storage/FileFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace rw {

namespace {

Notice NameRefusal(const QString& text) {
    return Notice{text, QStringLiteral("AI名の確認"), Notice::Icon::Warning};
}

Notice WriteRefusal(const QString& text) {
    return Notice{text, QStringLiteral("ビルドエラー"), Notice::Icon::Critical};
}

Notice CannotWrite(const QString& path, int error, const QString& reason) {
    return WriteRefusal(FileFailureMessage(QStringLiteral("ファイルを書き込めませんでした"), path,
                                           error, reason, true));
}

} // namespace

Notice CheckAiName(const QString& name) {
    if (name.trimmed().isEmpty())
        return NameRefusal(QStringLiteral("AI名を入力してください"));
    if (name.contains(QLatin1String("..")))
        return NameRefusal(QStringLiteral("AI名に「..」は使えません"));
    // The script goes into the game's folder on Windows, so Windows' rules
    // for file names apply wherever the program runs.
    static const QString kForbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar c : name) {
        if (c.unicode() < 0x20 || IsControlCharacter(c))
            return NameRefusal(QStringLiteral("AI名に制御文字は使えません"));
        if (kForbidden.contains(c))
            return NameRefusal(QStringLiteral("AI名に「%1」は使えません").arg(c));
    }
    // The game opens its scripts by names in code page 932.
    if (const QString c = FirstNonCp932Character(name); !c.isEmpty())
        return NameRefusal(QStringLiteral("AI名に「%1」は使えません").arg(c));
    if (name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.')) ||
        name.startsWith(QLatin1Char(' ')))
        return NameRefusal(QStringLiteral("AI名の先頭と末尾に空白や「.」は使えません"));
    if (IsDeviceName(name))
        return NameRefusal(QStringLiteral("「%1」はファイル名に使えません").arg(name));
    return {};
}

QString DefaultOutputFolder(const QString& remembered, const QString& programFolder,
                            bool programFolderWritable, bool installed,
                            const QString& documentsFolder) {
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    if ((programFolderWritable && !installed) || documentsFolder.isEmpty())
        return programFolder;
    return documentsFolder;
}

OutputResult AiFilePaths(const QString& folder, const QString& name) {
    OutputResult result;
    result.notice = CheckAiName(name);
    if (!result.Ok())
        return result;
    // The folder may come with the Windows separator the dialog appends.
    QString dirPath = QDir::fromNativeSeparators(folder);
    if (dirPath.isEmpty() || !QFileInfo(dirPath).isDir()) {
        result.notice = WriteRefusal(QStringLiteral("出力先フォルダが存在しません\n%1")
                                         .arg(QDir::toNativeSeparators(folder)));
        return result;
    }
    const QDir dir(dirPath);
    result.aiPath = dir.filePath(name + QLatin1String(".ai"));
    result.perPath = dir.filePath(name + QLatin1String(".per"));
    // The game opens its scripts within Windows' classic path limit.
    constexpr qsizetype kMaxPath = 259;
    if (QDir::toNativeSeparators(QFileInfo(result.perPath).absoluteFilePath()).size() > kMaxPath) {
        result.notice = WriteRefusal(QStringLiteral("出力先のパスが長すぎます（259文字まで）\n%1")
                                         .arg(QDir::toNativeSeparators(result.perPath)));
        result.aiPath.clear();
        result.perPath.clear();
    }
    return result;
}

namespace {

// A folder (or a device) by either name would pass for the file and leave
// the game without it.
Notice CheckTargets(const OutputResult& target) {
    for (const QString& path : {target.perPath, target.aiPath}) {
        const QFileInfo info(path);
        if (info.exists() && !info.isFile())
            return WriteRefusal(QStringLiteral("ファイルを書き込めませんでした\n%1\n%2")
                                    .arg(QDir::toNativeSeparators(path),
                                         info.isDir()
                                             ? QStringLiteral("同じ名前のフォルダがあります")
                                             : QStringLiteral("通常のファイルではありません")));
    }
    return {};
}

// The empty .ai that makes the game list the AI, when there is none yet.
// It comes after the script: a folder that cannot take the script must not
// be left with an AI the game lists without one.
Notice CreateAiFile(const QString& path) {
    if (QFileInfo::exists(path))
        return {};
    QFile ai(path);
    errno = 0;
    if (!ai.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return CannotWrite(path, errno, ai.errorString());
    ai.close();
    return {};
}

// Hands each piece of the script to the file on a thread of its own, so that
// the next piece is built while the system takes this one (copying it and
// starting it on its way to the disk costs about as much as building it).
// The pieces' arrays go round between the two: none is copied.
class BackgroundWriter {
public:
    explicit BackgroundWriter(AtomicFileWriter& file) : file_(file), thread_([this] { Run(); }) {}
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // Waits until the file has taken everything.
    ~BackgroundWriter() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }

    // Takes the piece, leaving an empty array with room in its place.
    void Write(QByteArray& piece) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !waiting_; });
        std::swap(piece, next_);
        waiting_ = true;
        lock.unlock();
        changed_.notify_all();
        piece.resize(0);
    }

private:
    void Run() {
        QByteArray writing;
        for (;;) {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return waiting_ || done_; });
            if (!waiting_)
                return;
            std::swap(writing, next_);
            waiting_ = false;
            lock.unlock();
            changed_.notify_all();
            file_.Write(writing);
        }
    }

    AtomicFileWriter& file_;
    std::mutex mutex_;
    std::condition_variable changed_;
    QByteArray next_;      // handed over, not yet taken by the thread
    bool waiting_ = false; // next_ holds a piece
    bool done_ = false;
    std::thread thread_; // last: it starts once the rest is made
};

} // namespace

OutputResult WriteScript(const OutputResult& target, const ScriptBuild& build) {
    OutputResult result = target;
    if (!result.Ok())
        return result;
    if (!build.Ok()) {
        result.notice = build.notice;
        result.cancelled = build.cancelled;
        return result;
    }
    result.notice = CheckTargets(result);
    if (!result.Ok())
        return result;
    const FileWriteResult per = WriteFileAtomically(result.perPath, build.bytes);
    if (!per.ok) {
        result.notice = CannotWrite(result.perPath, per.error, per.reason);
        return result;
    }
    result.notice = CreateAiFile(result.aiPath);
    return result;
}

OutputResult WriteAiFiles(const Project& project, const QString& folder, const QString& name,
                          const BuildProgress& progress, const EnvironmentSettings& settings) {
    OutputResult result = AiFilePaths(folder, name);
    if (!result.Ok())
        return result;
    // The script goes to the file as it is built, so that a large one is
    // never held whole. When the file cannot even be begun, the build is
    // made whole after all: what it refuses is told before what the file
    // system refuses, as it is when the script is written in one piece.
    std::optional<AtomicFileWriter> per;
    if (CheckTargets(result).IsEmpty())
        per.emplace(result.perPath);
    if (!per || per->Failed())
        return WriteScript(result, ZuzAdidodi(project, progress, settings));
    ScriptBuild build;
    {
        BackgroundWriter writer(*per);
        build = ZuzAdidodi(project, progress, settings,
                           [&writer](QByteArray& piece) { writer.Write(piece); });
    }
    if (!build.Ok()) {
        result.notice = build.notice;
        result.cancelled = build.cancelled;
        return result; // the old script stays as it was
    }
    if (const FileWriteResult written = per->Commit(); !written.ok) {
        result.notice = CannotWrite(result.perPath, written.error, written.reason);
        return result;
    }
    result.notice = CreateAiFile(result.aiPath);
    return result;
}

} // namespace rw
