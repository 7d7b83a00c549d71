#include "storage/InputFile.h"

#include "storage/SystemError.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace rw {

namespace {

InputRead Refused(const QString& reason, int error = 0) {
    return InputRead{false, {}, reason, error};
}

QString TooLarge(qint64 limit) {
    return QStringLiteral("ファイルが大きすぎます（読み込めるのは%1MBまでです）")
        .arg(limit / (1024 * 1024));
}

} // namespace

InputRead OpenInputFile(QFile& file, qint64 limit) {
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return Refused(QStringLiteral("ファイルが見つかりません"));
    if (!info.isFile())
        return Refused(QStringLiteral("通常のファイルではありません"));
    if (info.size() > limit)
        return Refused(TooLarge(limit));
    ClearSystemError();
    if (!file.open(QIODevice::ReadOnly))
        return Refused(file.errorString(), LastSystemError());
    return InputRead{true, {}, {}, 0};
}

InputRead ReadInputFile(const QString& path, qint64 limit) {
    QFile file(path);
    if (InputRead opened = OpenInputFile(file, limit); !opened.ok)
        return opened;
    // The file may have grown since it was measured.
    return ReadInputStream(file, limit);
}

InputRead ReadInputStream(QIODevice& device, qint64 limit) {
    // In pieces, so that memory grows with what arrives, not with the limit;
    // a file's pieces go straight where they stay.
    constexpr qint64 kPiece = 1 << 20;
    InputRead read;
    if (!device.isSequential())
        read.bytes.reserve(std::min(device.size(), limit) + 1);
    ClearSystemError();
    for (;;) {
        const qsizetype had = read.bytes.size();
        qint64 want = std::min(kPiece, limit + 1 - had);
        if (had < read.bytes.capacity())
            want = std::min<qint64>(want, read.bytes.capacity() - had);
        read.bytes.resize(had + want);
        const qint64 got = device.read(read.bytes.data() + had, want);
        read.bytes.resize(had + std::max<qint64>(got, 0));
        if (got <= 0)
            break;
        if (read.bytes.size() > limit)
            return Refused(TooLarge(limit));
    }
    if (auto* file = qobject_cast<QFileDevice*>(&device);
        file && file->error() != QFileDevice::NoError)
        return Refused(file->errorString(), LastSystemError());
    read.ok = true;
    return read;
}

} // namespace rw
