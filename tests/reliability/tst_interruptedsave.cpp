#include "reliabilitysupport.h"

#include "records/roster.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace reliability;

// A roster save cut off at any moment (power gone, process killed) leaves the old roster
// or the new one, never part of either.
class tst_InterruptedSave : public QObject
{
    Q_OBJECT
private slots:
    void killedSaveLeavesTheOldOrTheNewRoster();
};

static QList<QByteArray> names(char first, int count)
{
    QList<QByteArray> result;
    for (int i = 0; i < count; ++i) {
        result.append(first + QByteArray::number(i).rightJustified(6, '0') + " STUDENT");
    }
    return result;
}

void tst_InterruptedSave::killedSaveLeavesTheOldOrTheNewRoster()
{
    testsupport::WorkDir dir;
    const QString path = QString::fromLatin1(roster::FileName);
    // Big enough that a kill often lands inside a write, not between saves.
    const QList<QByteArray> oldNames = names('A', 20000);
    const QList<QByteArray> newNames = names('B', 30000);
    const QByteArray oldBytes = roster::format(oldNames);
    const QByteArray newBytes = roster::format(newNames);
    // Kills spread over a few saves' time land before, inside and between saves.
    QElapsedTimer timer;
    timer.start();
    constexpr int Timed = 4;
    for (int i = 0; i < Timed; ++i) {
        QVERIFY(roster::writeNames(path, i % 2 == 0 ? newNames : oldNames).ok);
    }
    const qint64 saveUs = qMax<qint64>(100, timer.nsecsElapsed() / 1000 / Timed);
    QCOMPARE(testsupport::readFile(path), oldBytes);

    const quint32 seed = 20261206;
    QRandomGenerator random(seed);
    constexpr int Rounds = 60;
    int sawOld = 0;
    int sawNew = 0;
    for (int round = 0; round < Rounds; ++round) {
        const pid_t pid = ::fork();
        QVERIFY(pid >= 0);
        if (pid == 0) {
            for (int i = 0;; ++i) {
                roster::writeNames(path, i % 2 == 0 ? newNames : oldNames);
            }
        }
        std::this_thread::sleep_for(
            std::chrono::microseconds(random.bounded(quint32(3 * saveUs + 2000))));
        ::kill(pid, SIGKILL);
        int status = 0;
        QCOMPARE(::waitpid(pid, &status, 0), pid);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        const QByteArray now = testsupport::readFile(path);
        QVERIFY2(
            now == oldBytes || now == newBytes,
            qPrintable(
                QStringLiteral("round %1: a torn roster of %2 bytes").arg(round).arg(now.size())));
        (now == oldBytes ? sawOld : sawNew)++;
        QCOMPARE(roster::readNames(path), now == oldBytes ? oldNames : newNames);
    }
    // Which of the two each kill left depends on the machine's speed, so it is reported,
    // not required; a torn roster fails the round above whatever the timing.
    const QStringList leftovers = QDir().entryList({path + QStringLiteral(".*")}, QDir::Files);
    qInfo("outcome: %d saves of %lld-byte rosters (%lld us each) killed at random (seed %u): "
          "%d left the old roster, %d the new one, 0 torn; %d unfinished temporary files left "
          "beside it",
          Rounds, qlonglong(newBytes.size()), saveUs, seed, sawOld, sawNew, int(leftovers.size()));
}

QTEST_GUILESS_MAIN(tst_InterruptedSave)
#include "tst_interruptedsave.moc"
