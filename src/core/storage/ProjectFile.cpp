#include "storage/ProjectFile.h"

#include "model/Cp932.h"
#include "model/Numeric.h"
#include "storage/AtomicFile.h"
#include "storage/FileFailure.h"
#include "storage/InputFile.h"
#include "storage/LineBreakers.h"
#include "storage/Scramble.h"
#include "storage/SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace rw {

namespace {

constexpr int kHeaderSize = 6;
constexpr int kIntSize = 4;

bool IsAscii(QStringView text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

Notice Warning(const QString& text) {
    return Notice{text, QString(), Notice::Icon::Warning};
}

class Writer {
public:
    explicit Writer(uint8_t mode) : mode_(mode) {}

    void Int(qint32 value) {
        const quint32 u = quint32(value);
        const char bytes[kIntSize] = {char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF),
                                      char((u >> 24) & 0xFF)};
        out_.append(bytes, kIntSize);
    }

    void Raw(QByteArrayView bytes) { out_.append(bytes.data(), bytes.size()); }

    void Str(const QString& text) {
        const qsizetype lengthAt = out_.size();
        Int(0);
        const qsizetype start = out_.size();
        if (IsAscii(text)) {
            // Most fields are ASCII: copy the units straight in.
            out_.resize(start + text.size());
            char* dst = out_.data() + start;
            const QChar* src = text.constData();
            for (qsizetype i = 0; i < text.size(); ++i)
                dst[i] = char(src[i].unicode());
        } else {
            out_.append(ToCp932(text));
        }
        const qsizetype length = out_.size() - start;
        const quint32 u = quint32(length);
        char* at = out_.data() + lengthAt;
        at[0] = char(u & 0xFF);
        at[1] = char((u >> 8) & 0xFF);
        at[2] = char((u >> 16) & 0xFF);
        at[3] = char((u >> 24) & 0xFF);
        ScrambleInPlace(out_.data() + start, length, mode_);
    }

    void Reserve(qsizetype size) { out_.reserve(size); }
    QByteArray Take() { return std::move(out_); }

private:
    QByteArray out_;
    uint8_t mode_;
};

// Reads the file without ever trusting a count or length beyond what is
// left of it. The bytes are given whole, or read from the file a piece at a
// time into one buffer: a large project's file is never held whole beside
// the project made of it, which would cost as much new memory again.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : window_(bytes), size_(bytes.size()) {}
    // `size` is the file's size as measured before.
    Reader(QIODevice& device, qint64 size) : size_(size), device_(&device) {}

    void SetMode(uint8_t mode) { mode_ = mode; }

    // The next `count` bytes as they stand.
    bool Raw(qsizetype count, QByteArrayView& bytes) {
        if (Left() < count || !Have(count))
            return false;
        bytes = window_.sliced(pos_ - base_, count);
        pos_ += count;
        return true;
    }

    bool Int(qint32& value) {
        if (Left() < kIntSize || !Have(kIntSize))
            return false;
        const auto* p = reinterpret_cast<const uint8_t*>(window_.data() + (pos_ - base_));
        value =
            qint32(quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24);
        pos_ += kIntSize;
        return true;
    }

    bool Str(QString& text) {
        qint32 length = 0;
        if (!Int(length) || length < 0 || length > Left())
            return false;
        if (length == 0) {
            text = QString();
            return true;
        }
        if (!Have(length))
            return false;
        buffer_.resize(length);
        ScrambleInto(window_.data() + (pos_ - base_), buffer_.data(), length, mode_);
        pos_ += length;
        bool invalid = false;
        text = FromCp932(buffer_, &invalid);
        if (invalid) {
            // Bytes the code page lacks are read as SUB, which the builder
            // refuses; a pair that stands for nothing too.
            text.replace(QChar(0xFFFD), QChar(0x1A));
            undecodable.insert(&text);
        }
        return true;
    }

    qsizetype Left() const { return size_ - pos_; }

    // Whether the file ends where it was read to: one that grew since it
    // was measured holds more than a project.
    bool AtEnd() {
        if (Left() != 0)
            return false;
        char extra;
        if (!device_)
            return true;
        ClearSystemError();
        const qint64 got = device_->read(&extra, 1);
        if (got < 0)
            error_ = LastSystemError();
        return got == 0;
    }

    // Whether reading the file failed; the device says why, with the
    // system's error number kept here.
    bool Failed() const {
        auto* file = qobject_cast<QFileDevice*>(device_);
        return file && file->error() != QFileDevice::NoError;
    }
    int Error() const { return error_; }

    // The fields that held bytes code page 932 lacks (each read as SUB).
    QSet<const QString*> undecodable;

private:
    // Whether the next `count` bytes are at hand, reading on when not.
    bool Have(qsizetype count) {
        const qsizetype at = pos_ - base_;
        if (at + count <= window_.size())
            return true;
        if (!device_)
            return false;
        // What is left of the piece moves to the front, then the file fills
        // the rest.
        constexpr qsizetype kPiece = qsizetype(1) << 20;
        const qsizetype kept = window_.size() - at;
        if (kept > 0)
            std::memmove(piece_.data(), piece_.constData() + at, size_t(kept));
        piece_.resize(std::max(kPiece, count));
        qsizetype filled = kept;
        while (filled < count) {
            ClearSystemError();
            const qint64 got = device_->read(piece_.data() + filled, piece_.size() - filled);
            if (got < 0)
                error_ = LastSystemError();
            if (got <= 0)
                break;
            filled += got;
        }
        base_ = pos_;
        window_ = QByteArrayView(piece_.constData(), filled);
        return filled >= count;
    }

    QByteArrayView window_; // the bytes at hand, from base_ on
    qsizetype base_ = 0;
    qsizetype pos_ = 0;
    qsizetype size_;
    QIODevice* device_ = nullptr;
    int error_ = 0;
    QByteArray piece_;
    uint8_t mode_ = 0;
    QByteArray buffer_;
};

bool ReadBody(Reader& in, Project& project) {
    qint32 categoryCount = 0;
    if (!in.Int(categoryCount) || categoryCount != kCategoryCount)
        return false;
    for (Category& category : project.categories) {
        qint32 entryCount = 0;
        if (!in.Int(entryCount) || entryCount < 0)
            return false;
        // Every entry takes at least its 19 length words.
        if (entryCount > in.Left() / (RuleEntry::kFieldCount * kIntSize))
            return false;
        category.entries.clear();
        category.entries.reserve(entryCount);
        for (qint32 e = 0; e < entryCount; ++e) {
            RuleEntry& entry = category.entries.emplace_back();
            for (int f = 0; f < RuleEntry::kFieldCount; ++f)
                if (!in.Str(entry.Field(f)))
                    return false;
        }
    }
    for (RootCondition& slot : project.settings.rootConditions)
        if (!in.Str(slot.conditionData) || !in.Str(slot.conditionScript))
            return false;
    for (StartupRule& slot : project.settings.startupRules) {
        QString kind;
        if (!in.Str(slot.options) || !in.Str(slot.text) || !in.Str(kind))
            return false;
        slot.kind = FloorNumberOr(kind, 0);
    }
    for (QString& caption : project.settings.rootCaptions)
        if (!in.Str(caption))
            return false;
    for (TimerSlot& slot : project.settings.timers)
        if (!in.Str(slot.name) || !in.Str(slot.help))
            return false;
    for (VariableSlot& slot : project.settings.variables)
        if (!in.Str(slot.constName) || !in.Str(slot.description))
            return false;
    if (!in.Str(project.settings.title) || !in.Str(project.settings.author))
        return false;
    // Nothing follows the author; anything that does means the file is not ours.
    return in.AtEnd();
}

QString Quoted(const QString& text) {
    return QStringLiteral("「%1」").arg(text);
}

Notice UnsavableAt(const QString& text, qsizetype index, const QString& place) {
    qsizetype length = 1;
    if (text[index].isHighSurrogate() && index + 1 < text.size() &&
        text[index + 1].isLowSurrogate())
        length = 2;
    return Warning(
        QStringLiteral("Shift_JISで保存できない文字%1が含まれているため保存できません。\n"
                       "場所: %2")
            .arg(Quoted(text.mid(index, length)), place));
}

QString CategoryPlace(int number) {
    return QStringLiteral("カテゴリ%1").arg(Quoted(CategoryCaption(number)));
}

} // namespace

Notice FindUnsavableText(const Project& project) {
    // Each check returns true when the text fits; otherwise it records the notice.
    Notice found;
    auto fits = [&found](const QString& text, auto&& place) {
        const qsizetype bad = FirstNonCp932(text);
        if (bad < 0)
            return true;
        found = UnsavableAt(text, bad, place());
        return false;
    };

    if (!fits(project.settings.title, [] { return QStringLiteral("AIの名前"); }) ||
        !fits(project.settings.author, [] { return QStringLiteral("作者"); }))
        return found;
    for (int c = 1; c <= kCategoryCount; ++c) {
        const Category& category = project.CategoryAt(c);
        if (!fits(project.RootCaption(c),
                  [c] { return CategoryPlace(c) + QStringLiteral("のルートグループ名"); }))
            return found;
        for (int e = 0; e < category.entries.size(); ++e) {
            const RuleEntry& entry = category.entries[e];
            for (int f = 0; f < RuleEntry::kFieldCount; ++f) {
                if (!fits(entry.Field(f), [&] {
                        const QString kind = entry.IsGroupStart() ? QStringLiteral("グループ")
                                                                  : QStringLiteral("ルール");
                        return QStringLiteral("%1の%2%3（%4番目）の%5")
                            .arg(CategoryPlace(c), kind, Quoted(entry.title),
                                 QString::number(e + 1), RuleEntry::FieldCaption(f));
                    }))
                    return found;
            }
        }
    }
    for (int i = 0; i < kRootConditionSlots; ++i) {
        const RootCondition& slot = project.settings.rootConditions[i];
        auto place = [i] { return QStringLiteral("ルートグループの実行条件（%1番）").arg(i); };
        if (!fits(slot.conditionData, place) || !fits(slot.conditionScript, place))
            return found;
    }
    for (int i = 0; i < kStartupRuleSlots; ++i) {
        const StartupRule& slot = project.settings.startupRules[i];
        auto place = [i] { return QStringLiteral("初期化設定（%1番）").arg(i); };
        if (!fits(slot.options, place) || !fits(slot.text, place))
            return found;
    }
    for (int i = 0; i < kTimerSlots; ++i) {
        const TimerSlot& slot = project.settings.timers[i];
        auto place = [i] { return QStringLiteral("タイマー%1").arg(i); };
        if (!fits(slot.name, place) || !fits(slot.help, place))
            return found;
    }
    for (int i = 0; i < kVariableSlots; ++i) {
        const VariableSlot& slot = project.settings.variables[i];
        auto place = [i] { return QStringLiteral("変数%1").arg(i); };
        if (!fits(slot.constName, place) || !fits(slot.description, place))
            return found;
    }
    return found;
}

QByteArray EncodeProject(const Project& project, bool asTemplate, uint8_t mode,
                         uint8_t randomByte) {
    Writer out(mode);
    qsizetype estimate = 4096;
    for (const Category& category : project.categories)
        for (const RuleEntry& entry : category.entries)
            estimate += RuleEntry::kFieldCount * kIntSize + entry.actions.size() * 2 +
                        entry.conditions.size() * 2 + entry.scriptText.size() * 2 + 64;
    out.Reserve(estimate);

    QByteArray magic(asTemplate ? kTemplateMagic : kProjectMagic, 4);
    ScrambleInPlace(magic.data(), magic.size(), mode);
    out.Raw(magic);
    const char header[2] = {char(mode), char(randomByte)};
    out.Raw(QByteArrayView(header, 2));

    out.Int(kCategoryCount);
    for (const Category& category : project.categories) {
        out.Int(qint32(category.entries.size()));
        for (const RuleEntry& entry : category.entries)
            for (int f = 0; f < RuleEntry::kFieldCount; ++f)
                out.Str(entry.Field(f));
    }
    for (const RootCondition& slot : project.settings.rootConditions) {
        out.Str(slot.conditionData);
        out.Str(slot.conditionScript);
    }
    for (const StartupRule& slot : project.settings.startupRules) {
        out.Str(slot.options);
        out.Str(slot.text);
        out.Str(QString::number(slot.kind));
    }
    for (const QString& caption : project.settings.rootCaptions)
        out.Str(caption);
    for (const TimerSlot& slot : project.settings.timers) {
        out.Str(slot.name);
        out.Str(slot.help);
    }
    for (const VariableSlot& slot : project.settings.variables) {
        out.Str(slot.constName);
        out.Str(slot.description);
    }
    out.Str(project.settings.title);
    out.Str(project.settings.author);
    return out.Take();
}

namespace {

LoadResult Decode(Reader& in, bool templatesAccepted) {
    LoadResult result;
    QByteArrayView head;
    if (!in.Raw(kHeaderSize, head)) {
        result.notice = CorruptFileNotice();
        return result;
    }
    const uint8_t mode = uint8_t(head[4]);
    const QByteArray magic = Scramble(head.first(4).toByteArray(), mode);
    const bool isProject = magic == kProjectMagic;
    const bool isTemplate = magic == kTemplateMagic;
    if (isTemplate && !templatesAccepted) {
        result.notice = TemplateRefusedNotice();
        return result;
    }
    if (!isProject && !isTemplate) {
        result.notice = CorruptFileNotice();
        return result;
    }
    Project project;
    in.SetMode(mode);
    if (!ReadBody(in, project)) {
        result.notice = CorruptFileNotice();
        return result;
    }
    // The project opens all the same; the places are named so that the
    // user can mend them (the builder refuses the SUB they were read as).
    result.undecodable = FieldPlaces(project, in.undecodable);
    result.project = std::move(project);
    result.isTemplate = isTemplate;
    return result;
}

} // namespace

LoadResult DecodeProject(QByteArrayView bytes, bool templatesAccepted) {
    Reader in(bytes);
    return Decode(in, templatesAccepted);
}

SaveResult SaveProjectFile(const Project& project, const QString& path, bool asTemplate) {
    SaveResult result;
    result.notice = FindUnsavableText(project);
    if (!result.notice.IsEmpty())
        return result;

    QRandomGenerator* random = QRandomGenerator::global();
    const uint8_t mode = uint8_t((asTemplate ? 100 : 1) + random->bounded(2));
    const uint8_t extra = uint8_t(random->bounded(255));
    const QByteArray bytes = EncodeProject(project, asTemplate, mode, extra);

    const FileWriteResult written = WriteFileAtomically(path, bytes);
    if (!written.ok)
        return SaveResult{
            false, Warning(FileFailureMessage(QStringLiteral("ファイルを保存できませんでした。"),
                                              path, written.error, written.reason, true))};
    result.ok = true;
    return result;
}

bool HasProjectMagic(QByteArrayView head) {
    if (head.size() < 5)
        return false;
    const QByteArray magic = Scramble(head.first(4).toByteArray(), uint8_t(head[4]));
    return magic == kProjectMagic || magic == kTemplateMagic;
}

LoadResult LoadProjectFile(const QString& path, bool templatesAccepted) {
    LoadResult result;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir()) {
        result.notice = FileNotFoundNotice();
        return result;
    }
    QFile file(path);
    InputRead read = OpenInputFile(file);
    if (read.ok) {
        Reader in(file, file.size());
        result = Decode(in, templatesAccepted);
        if (!in.Failed())
            return result;
        read = InputRead{false, {}, file.errorString(), in.Error()};
    }
    const QString heading = QStringLiteral("ファイルを開けませんでした。");
    // A refusal of our own (not a regular file, too large) says just that;
    // the system's failures are put in the user's words.
    LoadResult failed;
    failed.notice = Warning(
        read.error == 0 ? heading + u'\n' + QDir::toNativeSeparators(path) + u'\n' + read.reason
                        : FileFailureMessage(heading, path, read.error, read.reason, false));
    return failed;
}

Notice UndecodableNotice(const QStringList& places) {
    constexpr int kShown = 20;
    QString text = QStringLiteral(
        "次の項目にShift_JISとして読めないバイトがありました。読めないバイトは制御文字(SUB)と"
        "して読み込みました。直すまでAIは生成できません。\n");
    for (int i = 0; i < places.size() && i < kShown; ++i)
        text += QLatin1Char('\n') + places[i];
    if (places.size() > kShown)
        text += QStringLiteral("\nほか%1件").arg(places.size() - kShown);
    return Warning(text);
}

Notice OverwriteQuestion(const QString& path) {
    return Notice{QStringLiteral("ファイルを上書きしてよろしいですか？\n") + path,
                  QStringLiteral("上書き確認"), Notice::Icon::Warning};
}

Notice FileNotFoundNotice() {
    return Warning(QStringLiteral("ファイルが見つかりません"));
}

Notice TemplateRefusedNotice() {
    return Warning(QStringLiteral(
        "このファイルはテンプレートです。\nテンプレートフォルダへコピーしてください"));
}

Notice CorruptFileNotice() {
    return Warning(QStringLiteral(
        "このファイルは壊れているか、プロジェクトファイルまたはテンプレートではありません"));
}

} // namespace rw
