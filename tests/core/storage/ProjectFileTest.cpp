#include "core/builder/BuilderTestUtil.h"
#include "core/storage/FullDisk.h"
#include "core/storage/SampleProject.h"

#include "model/Cp932.h"
#include "storage/InputFile.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"
#include "storage/Scramble.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace rw {
namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values)
        bytes.append(char(v));
    return bytes;
}

struct ScrambleRow {
    int mode;
    QByteArray input;
    QByteArray expected;
};

class ScrambleTest : public ::testing::TestWithParam<ScrambleRow> {};

TEST_P(ScrambleTest, TransformsAndUndoesItself) {
    const ScrambleRow& row = GetParam();
    const QByteArray once = Scramble(row.input, uint8_t(row.mode));
    EXPECT_EQ(once, row.expected);
    EXPECT_EQ(Scramble(once, uint8_t(row.mode)), row.input);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ScrambleTest,
    ::testing::Values(ScrambleRow{1, Bytes({0, 0, 0}), Bytes({1, 2, 3})},
                      ScrambleRow{2, Bytes({0, 0, 0}), Bytes({2, 1, 0})},
                      // The key wraps from 0 to 255 counting down ...
                      ScrambleRow{2, Bytes({0, 0, 0, 0}), Bytes({2, 1, 0, 255})},
                      ScrambleRow{101, Bytes({0xFF, 0}), Bytes({0xFF ^ 101, 100})},
                      // ... and from 255 to 0 counting up.
                      ScrambleRow{100, QByteArray(157, '\0'),
                                  [] {
                                      QByteArray b;
                                      for (int k = 100; k < 257; ++k)
                                          b.append(char(k & 0xFF));
                                      return b;
                                  }()},
                      // Past 256 bytes the key goes round again.
                      ScrambleRow{2, QByteArray(600, '\0'),
                                  [] {
                                      QByteArray b;
                                      for (int k = 0; k < 600; ++k)
                                          b.append(char((2 - k) & 0xFF));
                                      return b;
                                  }()},
                      ScrambleRow{1, QByteArray("VURI"), QByteArray("WWQM")},
                      ScrambleRow{0, QByteArray("VURI"), QByteArray("VURI")},
                      ScrambleRow{3, QByteArray("TEMP"), QByteArray("TEMP")}));

TEST(ProjectFile, DefaultTitleIsStoredWithItsCp932ByteCount) {
    const QByteArray bytes = EncodeProject(InitialProject(), false, 1, 0);
    // The body ends with the title and the empty author.
    ASSERT_GE(bytes.size(), 16);
    const QByteArray tail = bytes.right(16);
    EXPECT_EQ(tail.left(4), Bytes({8, 0, 0, 0}));
    EXPECT_EQ(Scramble(tail.mid(4, 8), 1), ToCp932(u"新しいAI"));
    EXPECT_EQ(tail.right(4), Bytes({0, 0, 0, 0}));
}

struct ModeRow {
    bool asTemplate;
    int mode;
};

class ProjectFileModeTest : public ::testing::TestWithParam<ModeRow> {};

TEST_P(ProjectFileModeTest, EveryMagicAndModeLoadsTheSameProject) {
    const Project sample = test::SampleProject();
    const QByteArray bytes =
        EncodeProject(sample, GetParam().asTemplate, uint8_t(GetParam().mode), 254);
    EXPECT_EQ(uint8_t(bytes[4]), GetParam().mode);
    EXPECT_EQ(uint8_t(bytes[5]), 254);
    const LoadResult loaded = DecodeProject(bytes, true);
    ASSERT_TRUE(loaded.project) << loaded.notice.text.toStdString();
    EXPECT_TRUE(loaded.notice.IsEmpty());
    EXPECT_EQ(loaded.isTemplate, GetParam().asTemplate);
    EXPECT_EQ(*loaded.project, sample);
}

INSTANTIATE_TEST_SUITE_P(Modes, ProjectFileModeTest,
                         ::testing::Values(ModeRow{false, 1}, ModeRow{false, 2}, ModeRow{true, 100},
                                           ModeRow{true, 101}));

class ProjectFileOnDisk : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir dir_;
};

TEST_F(ProjectFileOnDisk, SavesAndLoadsEveryField) {
    const Project sample = test::SampleProject();
    const QString path = Path(QStringLiteral("a.rwp"));
    const SaveResult saved = SaveProjectFile(sample, path, false);
    ASSERT_TRUE(saved.ok) << saved.notice.text.toStdString();
    const LoadResult loaded = LoadProjectFile(path, false);
    ASSERT_TRUE(loaded.project) << loaded.notice.text.toStdString();
    EXPECT_FALSE(loaded.isTemplate);
    EXPECT_EQ(*loaded.project, sample);
    // Spot checks that equality covers what matters.
    EXPECT_EQ(loaded.project->CategoryAt(1).entries[4].marker, QString());
    EXPECT_EQ(loaded.project->settings.rootConditions[10].conditionScript,
              QStringLiteral("#load-if-defined SLOT-10\r\n"));
    EXPECT_EQ(loaded.project->settings.startupRules[5].kind, -3);
}

// A file is read a piece at a time: fields that cross from one piece to
// the next, and one larger than a piece, load as they were saved; a file
// cut short or with a byte more is corrupt as it is when read whole.
TEST_F(ProjectFileOnDisk, LargeFilesLoadAcrossTheirPieces) {
    Project large = test::SampleProject();
    for (int i = 0; i < 4000; ++i)
        large.CategoryAt(3).entries << test::BigRule(i, kMarkerGroupRule);
    large.CategoryAt(3).entries[1234].actions = QString(1500000, QLatin1Char('x'));
    const QString path = Path(QStringLiteral("large.rwp"));
    ASSERT_TRUE(SaveProjectFile(large, path, false).ok);
    const LoadResult loaded = LoadProjectFile(path, false);
    ASSERT_TRUE(loaded.project) << loaded.notice.text.toStdString();
    EXPECT_EQ(*loaded.project, large);

    const QByteArray bytes = Read(path);
    for (const QByteArray& changed : {bytes.first(bytes.size() - 1), bytes + QByteArray(1, 'x')}) {
        Write(path, changed);
        EXPECT_EQ(LoadProjectFile(path, false).notice, CorruptFileNotice());
    }
}

TEST_F(ProjectFileOnDisk, RepeatedSavesPickModesAtRandomAndLoadAlike) {
    const Project sample = test::SampleProject();
    std::set<int> projectModes;
    std::set<int> templateModes;
    for (int i = 0; i < 40; ++i) {
        const bool asTemplate = i % 2 == 1;
        const QString path = Path(QStringLiteral("r%1").arg(i));
        ASSERT_TRUE(SaveProjectFile(sample, path, asTemplate).ok);
        const QByteArray bytes = Read(path);
        ASSERT_GT(bytes.size(), 6);
        (asTemplate ? templateModes : projectModes).insert(uint8_t(bytes[4]));
        EXPECT_LE(uint8_t(bytes[5]), 254);
        const LoadResult loaded = LoadProjectFile(path, true);
        ASSERT_TRUE(loaded.project);
        EXPECT_EQ(*loaded.project, sample);
    }
    EXPECT_EQ(projectModes, (std::set<int>{1, 2}));
    EXPECT_EQ(templateModes, (std::set<int>{100, 101}));
}

TEST_F(ProjectFileOnDisk, RefusesMissingFilesTemplatesAndForeignMagic) {
    EXPECT_EQ(LoadProjectFile(Path(QStringLiteral("none.rwp")), true).notice, FileNotFoundNotice());
    EXPECT_EQ(FileNotFoundNotice().text, QStringLiteral("ファイルが見つかりません"));
    EXPECT_EQ(FileNotFoundNotice().icon, Notice::Icon::Warning);

    const QString templ = Path(QStringLiteral("t.aitmp"));
    ASSERT_TRUE(SaveProjectFile(test::SampleProject(), templ, true).ok);
    const LoadResult refused = LoadProjectFile(templ, false);
    EXPECT_FALSE(refused.project);
    EXPECT_EQ(refused.notice.text,
              QStringLiteral(
                  "このファイルはテンプレートです。\nテンプレートフォルダへコピーしてください"));

    QByteArray foreign = EncodeProject(test::SampleProject(), false, 1, 0);
    foreign[0] = 'X';
    const QString bad = Path(QStringLiteral("bad.rwp"));
    Write(bad, foreign);
    const LoadResult corrupt = LoadProjectFile(bad, true);
    EXPECT_FALSE(corrupt.project);
    EXPECT_EQ(
        corrupt.notice.text,
        QStringLiteral(
            "このファイルは壊れているか、プロジェクトファイルまたはテンプレートではありません"));
    EXPECT_EQ(corrupt.notice.icon, Notice::Icon::Warning);
}

TEST(ProjectFile, EveryTruncationAndTrailingByteIsCorrupt) {
    const QByteArray bytes = EncodeProject(test::SampleProject(), false, 2, 7);
    for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
        const LoadResult loaded = DecodeProject(QByteArrayView(bytes).first(cut), true);
        ASSERT_FALSE(loaded.project) << "cut at " << cut;
        ASSERT_EQ(loaded.notice, CorruptFileNotice()) << "cut at " << cut;
    }
    EXPECT_FALSE(DecodeProject(bytes + QByteArray(1, '\0'), true).project);
}

TEST(ProjectFile, FlippedBytesNeverCrash) {
    const QByteArray bytes = EncodeProject(test::SampleProject(), false, 1, 0);
    for (const int mask : {0xFF, 0x80, 0x01}) {
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            QByteArray damaged = bytes;
            damaged[i] = char(uint8_t(damaged[i]) ^ mask);
            const LoadResult loaded = DecodeProject(damaged, true);
            ASSERT_NE(bool(loaded.project), !loaded.notice.IsEmpty()) << "byte " << i;
        }
    }
}

// Counts and lengths are 32-bit words; each row overwrites one of them.
struct CountRow {
    const char* what;
    qsizetype offset; // from the start of the file
    qint32 value;
};

class ProjectFileCountTest : public ::testing::TestWithParam<CountRow> {};

TEST_P(ProjectFileCountTest, AbsurdCountsAreCorrupt) {
    QByteArray bytes = EncodeProject(test::SampleProject(), false, 1, 0);
    const quint32 u = quint32(GetParam().value);
    for (int b = 0; b < 4; ++b)
        bytes[GetParam().offset + b] = char((u >> (8 * b)) & 0xFF);
    const LoadResult loaded = DecodeProject(bytes, true);
    EXPECT_FALSE(loaded.project);
    EXPECT_EQ(loaded.notice, CorruptFileNotice());
}

INSTANTIATE_TEST_SUITE_P(Counts, ProjectFileCountTest,
                         ::testing::Values(CountRow{"six categories", 6, 6},
                                           CountRow{"eight categories", 6, 8},
                                           CountRow{"negative categories", 6, -1},
                                           CountRow{"huge entry count", 10, 0x7FFFFFFF},
                                           CountRow{"negative entry count", 10, -5},
                                           CountRow{"negative string length", 14, -1},
                                           CountRow{"string past the end", 14, 0x7FFFFFF0}),
                         [](const auto& info) {
                             QString name = QString::fromLatin1(info.param.what);
                             name.replace(QLatin1Char(' '), QLatin1Char('_'));
                             return name.toStdString();
                         });

TEST_F(ProjectFileOnDisk, TextCp932CannotHoldIsRefusedAndNothingIsWritten) {
    const QString path = Path(QStringLiteral("keep.rwp"));
    ASSERT_TRUE(SaveProjectFile(test::SampleProject(), path, false).ok);
    const QByteArray before = Read(path);

    Project p = test::SampleProject();
    p.CategoryAt(2).entries[0].chatText = QStringLiteral("やった\U0001F600");
    const SaveResult saved = SaveProjectFile(p, path, false);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.notice.icon, Notice::Icon::Warning);
    for (const QString& part : {QStringLiteral("\U0001F600"), QStringLiteral("研究"),
                                QStringLiteral("領主の時代"), QStringLiteral("テストメッセージ")})
        EXPECT_TRUE(saved.notice.text.contains(part)) << saved.notice.text.toStdString();
    EXPECT_EQ(Read(path), before);

    Project q = test::SampleProject();
    q.settings.variables[3].description = QStringLiteral("\u20A9"); // won sign: not in CP932
    const SaveResult fresh = SaveProjectFile(q, Path(QStringLiteral("new.rwp")), false);
    EXPECT_FALSE(fresh.ok);
    EXPECT_TRUE(fresh.notice.text.contains(QStringLiteral("変数3")));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("new.rwp"))));
}

TEST_F(ProjectFileOnDisk, FailedWriteReportsPathAndReason) {
    const QString path = Path(QStringLiteral("missing/folder/a.rwp"));
    const SaveResult saved = SaveProjectFile(test::SampleProject(), path, false);
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.notice.text.contains(QDir::toNativeSeparators(path)));
    // The system's reason follows the path on a line of its own.
    const QStringList lines = saved.notice.text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FALSE(lines[2].isEmpty());
}

// A project, a template and a large project on a disk that takes no more
// bytes: the save fails with the system's reason, the old file stays whole.
TEST_F(ProjectFileOnDisk, SaveOnAFullDiskFailsAndKeepsTheOldFile) {
    if (!test::kCanFillDisk)
        GTEST_SKIP() << "no way to fill a disk here";
    const Project sample = test::SampleProject();
    Project large = sample;
    large.CategoryAt(7).entries[0].scriptText = QString(1'000'000, QLatin1Char('x'));
    struct Case {
        const Project* project;
        bool asTemplate;
    };
    for (const Case& c : {Case{&sample, false}, Case{&sample, true}, Case{&large, false}}) {
        const QString path = Path(c.asTemplate ? "t.aitmp" : "a.rwp");
        Write(path, "old");
        const test::ChildReport report = test::WriteOnFullDisk(0, [&] {
            const SaveResult r = SaveProjectFile(*c.project, path, c.asTemplate);
            return std::make_pair(r.ok, r.notice.text);
        });
        ASSERT_TRUE(report.finished);
        EXPECT_FALSE(report.ok);
        EXPECT_EQ(report.text,
                  QStringLiteral(
                      "ファイルを保存できませんでした。\n%1\nディスクの空き容量が足りません（%2）")
                      .arg(path, QString::fromLocal8Bit(std::strerror(EFBIG))));
        EXPECT_EQ(Read(path), "old");
    }
}

TEST(ProjectFile, StringEndingInALeadByteDoesNotSpillIntoTheNext) {
    // A broken double-byte character at the end of one string must not eat
    // the first character of the following one.
    Project p = InitialProject();
    QByteArray bytes = EncodeProject(p, false, 0, 0); // mode 0: plain bytes
    // Replace the title "新しいAI" (8 bytes) by 7 bytes ending in a lead byte.
    const qsizetype titleAt = bytes.size() - 4 - 8;
    bytes.replace(titleAt - 4, 12, Bytes({7, 0, 0, 0}) + QByteArray("abcdef\x82", 7));
    bytes.replace(bytes.size() - 4, 4, Bytes({1, 0, 0, 0}) + QByteArray("Z"));
    const LoadResult loaded = DecodeProject(bytes, false);
    ASSERT_TRUE(loaded.project);
    EXPECT_TRUE(loaded.project->settings.title.startsWith(QStringLiteral("abcdef")));
    EXPECT_EQ(loaded.project->settings.author, QStringLiteral("Z"));
}

} // namespace
} // namespace rw

namespace rw {
namespace {

// Replaces the first run of `from` in the body (written unscrambled, mode 0)
// with bytes of the same length.
void Patch(QByteArray& bytes, const QByteArray& from, const QByteArray& to) {
    const qsizetype at = bytes.indexOf(from);
    ASSERT_GE(at, 0);
    bytes.replace(at, from.size(), to);
}

// Bytes code page 932 lacks were read as SUB without a word: the project
// opens, says where they were, and holds SUB there so that no script is
// built from it unmended.
TEST(ProjectFile, UndecodableBytesAreNamedAndReadAsSub) {
    Project p = InitialProject();
    p.settings.author = QStringLiteral("全角");
    p.CategoryAt(2).entries << NewRuleEntry(2, QStringLiteral("100"));
    p.CategoryAt(2).entries[0].title = QStringLiteral("研究する");
    p.settings.variables[3].description = QStringLiteral("変数三");
    QByteArray bytes = EncodeProject(p, false, 0, 0);
    Patch(bytes, ToCp932(u"全角"), QByteArray("\x91\x7f\x8a\x70", 4)); // no trail byte 0x7F
    Patch(bytes, ToCp932(u"変数三"), QByteArray("\x95\xcf\x90\x94\x85\x40", 6)); // an empty row
    Patch(bytes, ToCp932(u"研究する"),
          "a" + ToCp932(u"研究す") + QByteArray("\x82", 1)); // cut short

    const LoadResult loaded = DecodeProject(bytes, false);
    ASSERT_TRUE(loaded.project) << loaded.notice.text.toStdString();
    EXPECT_TRUE(loaded.notice.IsEmpty());
    const QString rule =
        QStringLiteral("研究/") + p.RootCaption(2) + QStringLiteral("/a研究す : タイトル");
    EXPECT_EQ(loaded.undecodable,
              (QStringList{QStringLiteral("作者"), rule, QStringLiteral("変数3の説明")}));
    EXPECT_TRUE(loaded.project->settings.author.contains(QChar(0x1A)));
    EXPECT_TRUE(loaded.project->settings.variables[3].description.contains(QChar(0x1A)));
    EXPECT_EQ(loaded.project->CategoryAt(2).entries[0].title, QStringLiteral("a研究す\x1a"));
    const Notice notice = UndecodableNotice(loaded.undecodable);
    EXPECT_TRUE(
        notice.text.endsWith(QStringLiteral("\n作者\n") + rule + QStringLiteral("\n変数3の説明")));

    EXPECT_TRUE(DecodeProject(EncodeProject(p, false, 1, 0), false).undecodable.isEmpty());
}

// A device, a pipe or a huge file was read whole (or forever) before
// anything was said.
TEST(ProjectFile, OnlyRegularFilesOfBoundedSizeAreRead) {
    QTemporaryDir dir;
#ifndef _WIN32 // devices and pipes as POSIX systems have them
    const LoadResult zero = LoadProjectFile(QStringLiteral("/dev/zero"), true);
    EXPECT_FALSE(zero.project);
    EXPECT_EQ(
        zero.notice.text,
        QStringLiteral("ファイルを開けませんでした。\n/dev/zero\n通常のファイルではありません"));

    const QString fifo = dir.filePath("fifo.rwp");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(LoadProjectFile(fifo, true)
                    .notice.text.endsWith(QStringLiteral("通常のファイルではありません")));
#endif

    const QString big = dir.filePath("big.rwp");
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(kMaxInputFileSize + 1)); // sparse: no disk used
    }
    const QString tooLarge = LoadProjectFile(big, true).notice.text;
    EXPECT_TRUE(
        tooLarge.contains(QStringLiteral("ファイルが大きすぎます（読み込めるのは256MBまでです）")))
        << tooLarge.toStdString();

    QBuffer stream;
    stream.setData(QByteArray(11, 'x'));
    ASSERT_TRUE(stream.open(QIODevice::ReadOnly));
    EXPECT_FALSE(ReadInputStream(stream, 10).ok);
    stream.seek(0);
    const InputRead whole = ReadInputStream(stream, 11);
    EXPECT_TRUE(whole.ok);
    EXPECT_EQ(whole.bytes, QByteArray(11, 'x'));
}

} // namespace
} // namespace rw
