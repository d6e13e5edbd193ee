#include "fakes.h"

#include "suite/latin1.h"
#include "zudaviror/log_file_access.h"
#include "zudaviror/log_format.h"
#include "zudaviror/log_session.h"
#include "zudaviror/messages.h"

#include "suite_testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zudaviror {
namespace {

using suite::testing::readFile;

constexpr LocalTime kEvening{.year = 2026, .month = 12, .day = 8, .hour = 21, .minute = 5, .second = 9};

TEST(LogFormat, SessionHeaderBytes) {
    EXPECT_EQ(sessionHeader(kEvening),
              suite::latin1FromUtf8("\n\n                       ++++++++++++++++++++++++++++\n\n"
                                    "\t\tSESIÓN INICIADA A LAS   09:05:09 PM   DEL DIA   08_12_26"
                                    "\n\n                       ,,,,,,,,,,,,,,,,,,,,,,,,,,,,\n\n"));
}

const std::string kRecordWithoutSteps =
    suite::latin1FromUtf8("\n\n           ________________________________________________"
                          "\n\n\tTRADUCCIÓN INICIADA A LAS   09:05:09 PM     DEL DIA   08_12_26 "
                          "\n\n\t _ Fórmula MODAL K } !p"
                          "\n\t _ Fórmula MULTIVARIADA TRANS/(K) } ^v(Suv-Pv)");

TEST(LogFormat, RecordWithoutStepsHasFourParts) {
    EXPECT_EQ(translationRecord(kEvening, "!p", "^v(Suv-Pv)", "\n\t _ ^v(Suv-Pv)", false),
              kRecordWithoutSteps);
}

TEST(LogFormat, RecordWithStepsEndsWithTheStepText) {
    EXPECT_EQ(translationRecord(kEvening, "!p", "^v(Suv-Pv)", "\n\t _ ^v(Suv-(p))\n\t _ ^v(Suv-Pv)", true),
              kRecordWithoutSteps + "\n\n\t _ PASOS INTERMEDIOS : \n\t _ ^v(Suv-(p))\n\t _ ^v(Suv-Pv)");
}

TEST(LogFormat, TwelveHourClockAndTwoDigitFields) {
    struct Row {
        LocalTime time;
        const char* clock;
        const char* date;
    };
    const Row table[] = {
        {{.year = 2000, .month = 1, .day = 2, .hour = 0, .minute = 0, .second = 0},
         "12:00:00 AM",
         "02_01_00"},
        {{.year = 1999, .month = 10, .day = 31, .hour = 11, .minute = 59, .second = 59},
         "11:59:59 AM",
         "31_10_99"},
        {{.year = 2026, .month = 7, .day = 15, .hour = 12, .minute = 1, .second = 2},
         "12:01:02 PM",
         "15_07_26"},
        {{.year = 2109, .month = 12, .day = 9, .hour = 23, .minute = 10, .second = 30},
         "11:10:30 PM",
         "09_12_09"},
    };
    for (const Row& row : table) {
        EXPECT_EQ(formatLogClock(row.time), row.clock);
        EXPECT_EQ(formatLogDate(row.time), row.date);
    }
}

class LogSessionTest : public ::testing::Test, protected testing::LogHarness {
  protected:
    LogSessionTest() : LogHarness(kEvening) {}
};

TEST_F(LogSessionTest, CancellingTheFileDialogLeavesNoSession) {
    EXPECT_EQ(log.toggleLogSession(), LogWrite::Nothing);
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_FALSE(log.isOpen());
    EXPECT_EQ(log.caption(), "INICIO S.");
    EXPECT_TRUE(appender.files.empty());
    EXPECT_EQ(log.appendTranslationRecord("p", "Pu", "", false), LogWrite::Nothing);
    EXPECT_TRUE(appender.files.empty());
}

TEST_F(LogSessionTest, ASessionStartsWithItsHeaderAndEndsWithoutWriting) {
    chooser.choice = "/home/ana/modal.txt";
    EXPECT_EQ(log.toggleLogSession(), LogWrite::Written);
    EXPECT_TRUE(log.isOpen());
    EXPECT_EQ(log.caption(), "FIN S.");
    EXPECT_EQ(log.logPath(), "/home/ana/modal.txt");
    EXPECT_EQ(appender.files["/home/ana/modal.txt"], sessionHeader(kEvening));

    EXPECT_EQ(log.toggleLogSession(), LogWrite::Nothing);
    EXPECT_FALSE(log.isOpen());
    EXPECT_EQ(log.caption(), "INICIO S.");
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_EQ(appender.files["/home/ana/modal.txt"], sessionHeader(kEvening));
}

TEST_F(LogSessionTest, RecordsFollowTheHeaderWithTheTimeOfEachRecord) {
    chooser.choice = "log";
    log.toggleLogSession();
    clock.time.minute = 6;
    EXPECT_EQ(log.appendTranslationRecord("p+p", "Pu+Pu", "\n\t _ x", false), LogWrite::Written);
    LocalTime later = kEvening;
    later.minute = 6;
    EXPECT_EQ(appender.files["log"],
              sessionHeader(kEvening) + translationRecord(later, "p+p", "Pu+Pu", "", false));
}

TEST_F(LogSessionTest, SeveralSessionsOnOneFileEachAddTheirHeader) {
    chooser.choice = "log";
    log.toggleLogSession();
    log.toggleLogSession();
    log.toggleLogSession();
    EXPECT_EQ(appender.files["log"], sessionHeader(kEvening) + sessionHeader(kEvening));
}

// Nothing could ever be kept there: the choice itself is refused.
TEST_F(LogSessionTest, AFileThatCannotHoldTheLogIsReportedAndEndsTheSession) {
    struct Row {
        AppendResult refusal;
        std::string message;
    };
    const Row table[] = {
        {AppendResult::NotRegularFile,
         suite::latin1FromUtf8(
             "No se puede almacenar información en ese fichero: no es un fichero ordinario, "
             "sino una tubería o un dispositivo.")},
        {AppendResult::ReadOnly, suite::latin1FromUtf8("No se puede almacenar información en ese fichero: el "
                                                       "fichero es de solo lectura: no se reemplaza.")},
    };
    chooser.choice = "/tmp/registro";
    for (const Row& row : table) {
        notifier.messages.clear();
        appender.outcome = row.refusal;
        EXPECT_EQ(log.toggleLogSession(), LogWrite::Failed);
        EXPECT_FALSE(log.isOpen());
        EXPECT_EQ(log.appendTranslationRecord("p", "Pu", "", false), LogWrite::Nothing);
        EXPECT_EQ(notifier.messages, std::vector<std::string>{row.message});
    }
}

TEST_F(LogSessionTest, FailuresAreReportedWithTheirMessages) {
    struct Row {
        AppendResult failure;
        std::string_view message;
    };
    const Row table[] = {{AppendResult::CannotOpen, messages::kCannotStore},
                         {AppendResult::CannotWrite, messages::kCannotStore},
                         {AppendResult::CannotClose, messages::kCannotClose}};
    chooser.choice = "log";
    for (const Row& row : table) {
        notifier.messages.clear();
        appender.outcome = row.failure;
        EXPECT_EQ(log.toggleLogSession(), LogWrite::Failed);
        EXPECT_TRUE(log.isOpen()) << "the session stays open, as the student chose it";
        EXPECT_EQ(log.appendTranslationRecord("p", "Pu", "", false), LogWrite::Failed);
        EXPECT_EQ(notifier.messages,
                  (std::vector<std::string>{std::string(row.message), std::string(row.message)}));
        log.toggleLogSession();
    }
    EXPECT_EQ(messages::kCannotStore,
              suite::latin1FromUtf8("No se puede almacenar información en ese fichero."));
    EXPECT_EQ(messages::kCannotClose, "No se puede cerrar el fichero.");
}

class FileAppenderTest : public ::testing::Test {
  protected:
    suite::testing::ScratchFolder scratch;
    const std::filesystem::path& folder = scratch.path();
    FileAppender appender;
};

TEST_F(FileAppenderTest, AppendsAfterExistingContentsAndCreatesMissingFiles) {
    const auto existing = folder / "existing.txt";
    std::ofstream(existing, std::ios::binary) << "apuntes\n";
    EXPECT_EQ(appender.append(existing.string(), suite::latin1FromUtf8("\n\tFórmula")),
              AppendResult::Written);
    EXPECT_EQ(appender.append(existing.string(), " } !p"), AppendResult::Written);
    EXPECT_EQ(readFile(existing),
              "apuntes\n" + toPlatformLineEnds(suite::latin1FromUtf8("\n\tFórmula } !p")));

    const auto created = folder / "nuevo.txt";
    EXPECT_EQ(appender.append(created.string(), "x"), AppendResult::Written);
    EXPECT_EQ(readFile(created), "x");
}

// Another run of the same test (a second build tree, a second ctest) must not empty this
// run's folder: each scratch folder is its own.
TEST(ScratchFolderTest, ScratchFoldersOfOneTestAreSeparate) {
    const suite::testing::ScratchFolder first;
    std::ofstream(first / "kept.txt", std::ios::binary) << "kept";
    const suite::testing::ScratchFolder second;
    EXPECT_NE(first.path(), second.path());
    EXPECT_EQ(readFile(first / "kept.txt"), "kept");
}

// A pipe given as the log once blocked the program until some reader opened it.
TEST_F(FileAppenderTest, WhatIsNotAnOrdinaryFileIsRefusedWithoutWaiting) {
    const auto pipe = folder / "tuberia";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    struct Row {
        const char* name;
        std::filesystem::path path;
        bool read;
    };
    const Row table[] = {{"a pipe with no reader", pipe, false},
                         {"a pipe being read", pipe, true},
                         {"a device", "/dev/null", false}};
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        const int reader = row.read ? open(row.path.c_str(), O_RDONLY | O_NONBLOCK) : -1;
        EXPECT_EQ(appender.append(row.path.string(), "x"), AppendResult::NotRegularFile);
        if (row.read) {
            char received = 0;
            EXPECT_LE(read(reader, &received, 1), 0) << "nothing reaches the reader";
            close(reader);
        }
    }
}

// Root may write any file; the log, like every saved file, is refused where an editor refuses it.
TEST_F(FileAppenderTest, TheUsersOwnFileWithoutItsWriteBitIsReadOnlyEvenForRoot) {
    const auto log = folder / "registro.txt";
    suite::testing::writeFile(log, "previo");
    ASSERT_EQ(chmod(log.c_str(), 0444), 0);
    std::filesystem::create_symlink(log, folder / "enlace.txt");
    for (const auto& path : {log, folder / "enlace.txt"}) {
        SCOPED_TRACE(path.filename().string());
        EXPECT_EQ(appender.append(path.string(), "x"), AppendResult::ReadOnly);
    }
    EXPECT_EQ(readFile(log), "previo");
}

TEST_F(FileAppenderTest, AFileThatCannotBeOpenedIsReported) {
    EXPECT_EQ(appender.append(folder.string(), "x"), AppendResult::CannotOpen);
    EXPECT_EQ(appender.append((folder / "missing" / "log.txt").string(), "x"), AppendResult::CannotOpen);
}

// The file-size limit of this process, lowered while it lives, so that writes past it fail
// half-way as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lowered = old_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
        // Past the limit write() fails with EFBIG instead of the signal ending the process.
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

// A record cut short once stayed in the log as a torn partial record.
TEST(FileAppender, AFailedAppendLeavesTheFileAsItWas) {
    const suite::testing::ScratchFolder scratch;
    const std::filesystem::path log = scratch.path() / "log.txt";
    suite::testing::writeFile(log, "previo");
    AppendResult result = AppendResult::Written;
    {
        const FileSizeLimit limit(4096);
        result = FileAppender().append(log.string(), std::string(100000, 'x'));
    }
    EXPECT_NE(result, AppendResult::Written);
    EXPECT_EQ(readFile(log), "previo");
}

// Records told apart by their first line, each longer than a stdio buffer, so that an appender
// writing a record in pieces shows as torn or interleaved.
std::vector<std::string> numberedRecords(char appender, int count) {
    std::vector<std::string> records;
    for (int number = 0; number < count; ++number) {
        records.push_back("\n<" + std::string(1, appender) + std::to_string(number) + ">" +
                          std::string(5000 + number * 97 % 7000, appender));
    }
    return records;
}

// Whether log is the two appenders' records, each whole and in its own order, interleaved.
bool isInterleavingOf(const std::string& log, const std::vector<std::string>& first,
                      const std::vector<std::string>& second) {
    std::size_t position = 0;
    std::size_t nextFirst = 0;
    std::size_t nextSecond = 0;
    const auto takes = [&](const std::vector<std::string>& records, std::size_t& next) {
        if (next < records.size() && log.compare(position, records[next].size(), records[next]) == 0) {
            position += records[next++].size();
            return true;
        }
        return false;
    };
    while (takes(first, nextFirst) || takes(second, nextSecond)) {
    }
    return position == log.size() && nextFirst == first.size() && nextSecond == second.size();
}

// Two programs append to one log at once; the second one, under a file-size limit, may fail every
// append and take it back. Failed appends once cut the other program's records.
TEST(FileAppender, TwoProgramsAppendingAtOnceLeaveWholeRecordsOnly) {
    struct Row {
        const char* name;
        bool secondFails;
    };
    const Row table[] = {{"both append", false}, {"the second fails every append", true}};
    constexpr int kRecords = 300;
    const std::vector<std::string> first = numberedRecords('a', kRecords);
    const std::vector<std::string> second = numberedRecords('b', kRecords);
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        const suite::testing::ScratchFolder scratch;
        const std::string log = (scratch / "log.txt").string();
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const AppendResult expected = row.secondFails ? AppendResult::CannotWrite : AppendResult::Written;
            if (row.secondFails) {
                const rlimit tiny{.rlim_cur = 1, .rlim_max = RLIM_INFINITY};
                setrlimit(RLIMIT_FSIZE, &tiny);
                std::signal(SIGXFSZ, SIG_IGN);
            }
            int unexpected = 0;
            FileAppender appender;
            for (const std::string& record : second) {
                unexpected += appender.append(log, record) != expected ? 1 : 0;
            }
            _exit(unexpected == 0 ? 0 : 1);
        }
        FileAppender appender;
        for (const std::string& record : first) {
            EXPECT_EQ(appender.append(log, record), AppendResult::Written);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the second appender's results";
        EXPECT_TRUE(
            isInterleavingOf(readFile(log), first, row.secondFails ? std::vector<std::string>{} : second));
    }
}

} // namespace
} // namespace zudaviror
