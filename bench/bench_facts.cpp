// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The record of answers at work: opening the fact view of a student with 100,000 answers,
// opening the class overview of 500 students with a year of sheets each, and what the record
// adds to checking a sheet, each against the floor of plainly reading or writing the same
// files.

#include "benchsupport.h"
#include "core/exercise/questiongenerator.h"
#include "core/exercise/scoring.h"
#include "core/records/answerlog.h"
#include "core/records/history.h"
#include "core/records/session.h"
#include "core/report/classoverview.h"
#include "gui/base/fonts.h"
#include "gui/menu/mainmenu.h"
#include "gui/report/classwindow.h"
#include "gui/report/factswindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

#include <unistd.h>

namespace {

const char *const FactsStudent = "FACTS";
const char *const CheckStudent = "CHECK";
constexpr int ClassSize = 500;
constexpr int Questions = scoring::QuestionCount;
constexpr int AppendRounds = 25; // checks a child times in a plain loop

QByteArray classStudent(int i)
{
    return QByteArrayLiteral("PUPIL") + QByteArray::number(i).rightJustified(3, '0');
}

// A fixed pseudo-random source, so that every run writes the same files.
class Generator
{
public:
    explicit Generator(quint32 seed)
        : m_seed(seed)
    {
    }
    quint32 next(quint32 range)
    {
        m_seed = m_seed * 1664525u + 1013904223u;
        return (m_seed >> 8) % range;
    }
    double unit() { return double(next(1u << 24)) / double(1u << 24); }

private:
    quint32 m_seed;
};

// One student's history and record of answers, a sheet at each of the moments, in the form
// the program writes: the level rises through the sheets, one in twenty is a review, most
// answers are right and a few are blank.
struct StudentFiles
{
    QByteArray history;
    QByteArray answers;
    qsizetype answerLines = 0;
};

StudentFiles makeStudent(const QList<QDateTime> &sheets, quint32 seed)
{
    StudentFiles out;
    out.history.reserve(sheets.size() * 40);
    out.answers.reserve(sheets.size() * Questions * 46);
    Generator random(seed);
    const questiongenerator::Draw draw = [&random] { return random.unit(); };
    for (qsizetype s = 0; s < sheets.size(); ++s) {
        const int level = int(std::min<qsizetype>(6, 1 + s * 6 / sheets.size()));
        const bool review = random.next(20) == 0;
        const history::DateAndTime checked {sheets.at(s).date(), sheets.at(s).time()};
        int right = 0;
        qint64 ms = 0;
        for (int n = 0; n < Questions; ++n) {
            AnswerRecord r;
            r.checked = checked;
            r.level = review ? 1 + int(random.next(quint32(level))) : level;
            r.review = review;
            const Question q = questiongenerator::drawQuestion(r.level, draw);
            r.first = q.first;
            r.second = q.second;
            const quint32 roll = random.next(100);
            const int given = roll < 85 ? q.sum : roll < 92 ? q.sum + 10 : q.sum - 1;
            r.answer = roll < 97 ? QByteArray::number(std::max(0, given)) : QByteArray();
            r.right = r.answer == QByteArray::number(q.sum);
            r.ms = 800 + random.next(15000);
            right += r.right;
            ms += r.ms;
            out.answers += answerlog::formatRecord(r);
            out.answers += "\r\n";
        }
        out.answerLines += Questions;
        const QTime taken = QTime(0, 0).addMSecs(int(ms));
        const HistoryRecord h {history::formatDate(sheets.at(s)), QByteArray::number(level),
                               QByteArray::number(scoring::scorePercent(right, Questions)),
                               taken.toString(QStringLiteral("hh:mm:ss")).toLatin1()};
        out.history += history::formatRecord(h);
        out.history += "\r\n";
    }
    return out;
}

// A sheet every few hours, for as many sheets as make the answers asked for.
QList<QDateTime> steadySheets(qsizetype answerLines)
{
    QList<QDateTime> sheets;
    Generator random(777);
    QDateTime when(QDate(2015, 1, 1), QTime(8, 0));
    for (qsizetype i = 0; i < answerLines / Questions; ++i) {
        when = when.addSecs(3600 + random.next(4 * 3600));
        sheets.append(when);
    }
    return sheets;
}

// A school year up to yesterday: about four school days in five of the weekdays, one to
// three sheets each, some 400 in all.
QList<QDateTime> schoolYear(quint32 seed)
{
    QList<QDateTime> sheets;
    Generator random(seed);
    const QDate today = QDate::currentDate();
    for (QDate day = today.addDays(-365); day < today; day = day.addDays(1)) {
        if (day.dayOfWeek() > 5 || random.next(100) >= 77) {
            continue;
        }
        const int count = 1 + int(random.next(3));
        QTime at(8, 30);
        for (int i = 0; i < count; ++i) {
            at = at.addSecs(int(1800 + random.next(3 * 3600)));
            sheets.append(QDateTime(day, at));
        }
    }
    return sheets;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeRoster(const QDir &dir, const QList<QByteArray> &names)
{
    QByteArray roster;
    for (const QByteArray &name : names) {
        roster += name + "\r\n";
    }
    return writeFile(dir.filePath(QStringLiteral("sumroll.ini")), roster);
}

bool writeStudent(const QDir &dir, const QByteArray &name, const StudentFiles &files)
{
    return writeFile(dir.filePath(QFile::decodeName(history::fileNameFor(name))), files.history)
        && writeFile(dir.filePath(QFile::decodeName(answerlog::fileNameFor(name))), files.answers);
}

template<class T> T *control(QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}

// The main menu on the first student of the roster, and the window its button opens.
QWidget *openFromMenu(const char *button)
{
    ui::installFontSubstitutes();
    auto *session = new Session;
    auto *menu = new MainMenu(*session);
    session->setParent(menu);
    menu->show();
    QCoreApplication::processEvents();
    auto *combo = control<QComboBox>(menu, QStringLiteral("Combo1"));
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    control<QPushButton>(menu, QString::fromLatin1(button))->click();
    QCoreApplication::processEvents();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != menu && qobject_cast<Form *>(w) && w->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

// Counts the paints of the windows of one class and of every control in them.
template<class Window> struct PaintCount : QObject
{
    int count = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && qobject_cast<Window *>(static_cast<QWidget *>(watched)->window())) {
            ++count;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Clicks the report's button and, from inside the modal window's own event loop, stops the
// clock once the window has been painted, and closes it. Nothing when no such window was
// shown and painted, or when `shows` finds it wrong.
template<class Dialog>
std::optional<bench::Measurement> timeModal(QPushButton *button,
                                            const std::function<bool(Dialog *)> &shows)
{
    bench::Measurement m;
    bool shown = false;
    PaintCount<Dialog> painted;
    QElapsedTimer timer;
    double cpu = 0;
    // Zero timers run before the window system's events in each turn of the loop: the window
    // is exposed and painted a turn or two after exec() begins, so the check is made again.
    std::function<void()> whenPainted = [&] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        if (painted.count == 0 && timer.elapsed() < 10000) {
            QTimer::singleShot(0, button, whenPainted);
            return;
        }
        m.seconds = double(timer.nsecsElapsed()) / 1e9;
        m.cpuSeconds = bench::processCpuSeconds() - cpu;
        m.peakGrowthBytes = bench::peakResidentBytes();
        shown = dialog->isVisible() && painted.count > 0 && shows(dialog);
        dialog->reject();
    };
    QTimer::singleShot(0, button, whenPainted);
    qApp->installEventFilter(&painted);
    const qint64 before = bench::residentBytes();
    cpu = bench::processCpuSeconds();
    timer.start();
    button->click();
    qApp->removeEventFilter(&painted);
    if (!shown) {
        return std::nullopt;
    }
    m.peakGrowthBytes -= before;
    return m;
}

int measureFacts(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget *report = openFromMenu("Command4");
    if (!report) {
        fprintf(stderr, "bench_facts: the report did not open\n");
        return 1;
    }
    // The first level's grid, with the student's answers in it.
    const auto m = timeModal<FactsWindow>(
        control<QPushButton>(report, QStringLiteral("cmdFacts")), [](FactsWindow *window) {
            const QAbstractItemModel *grid = window->grid()->model();
            return window->level() == 1 && grid->rowCount() > 0
                && grid->index(0, 0).data(Qt::BackgroundRole).isValid();
        });
    if (!m) {
        fprintf(stderr, "bench_facts: the fact view was not shown with the answers\n");
        return 1;
    }
    bench::reportMeasurement(*m);
    return 0;
}

int measureClass(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget *report = openFromMenu("Command4");
    if (!report) {
        fprintf(stderr, "bench_facts: the report did not open\n");
        return 1;
    }
    const auto m = timeModal<ClassWindow>(
        control<QPushButton>(report, QStringLiteral("cmdClass")), [](ClassWindow *window) {
            const QList<QStringList> rows = window->shownRows();
            return rows.size() == ClassSize && !rows.constLast().constLast().isEmpty();
        });
    if (!m) {
        fprintf(stderr, "bench_facts: the class overview was not shown with every student\n");
        return 1;
    }
    bench::reportMeasurement(*m);
    return 0;
}

// Reads a file line by line into a fixed buffer from `from`; the lines read, -1 on failure.
qint64 countLines(const QString &path, qint64 lastBytes = -1)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    if (lastBytes >= 0 && file.size() > lastBytes && !file.seek(file.size() - lastBytes)) {
        return -1;
    }
    char line[4096];
    qint64 lines = 0;
    while (file.readLine(line, sizeof line) > 0) {
        ++lines;
    }
    return lines;
}

int measureRead(const QString &which)
{
    const qint64 before = bench::residentBytes();
    const double cpu = bench::processCpuSeconds();
    QElapsedTimer timer;
    timer.start();
    qint64 lines = 0;
    if (which == QLatin1String("facts")) {
        lines = countLines(QFile::decodeName(answerlog::fileNameFor(FactsStudent)));
    } else {
        for (int i = 0; i < ClassSize && lines >= 0; ++i) {
            const QByteArray name = classStudent(i);
            const qint64 history = countLines(QFile::decodeName(history::fileNameFor(name)));
            const qint64 recent = countLines(QFile::decodeName(answerlog::fileNameFor(name)),
                                             classoverview::RecentAnswerBytes);
            lines = history < 0 || recent < 0 ? -1 : lines + history + recent;
        }
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double cpuSeconds = bench::processCpuSeconds() - cpu;
    const qint64 peak = bench::peakResidentBytes();
    if (lines <= 0) {
        return 1;
    }
    bench::reportMeasurement({seconds, peak - before, cpuSeconds});
    return 0;
}

// CHECK ANSWERS in the exercise window, answers typed in every box, until the marks are
// painted; the history and the record of answers are appended to.
int measureCheck(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget *exercise = openFromMenu("Command1");
    if (!exercise) {
        fprintf(stderr, "bench_facts: the exercise window did not open\n");
        return 1;
    }
    for (int n = 1; n <= Questions; ++n) {
        control<QLineEdit>(exercise, QStringLiteral("Text1(%1)").arg(n))
            ->setText(QString::number(10 + n));
    }
    QCoreApplication::processEvents();
    const QString answers = QFile::decodeName(answerlog::fileNameFor(CheckStudent));
    const qint64 sizeBefore = QFileInfo(answers).size();
    auto *check = control<QPushButton>(exercise, QStringLiteral("cmdcheck"));

    const double cpu = bench::processCpuSeconds();
    QElapsedTimer timer;
    timer.start();
    check->click();
    exercise->repaint();
    QCoreApplication::processEvents();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double cpuSeconds = bench::processCpuSeconds() - cpu;

    if (check->isEnabled() || QFileInfo(answers).size() <= sizeBefore) {
        fprintf(stderr, "bench_facts: the sheet was not checked and recorded\n");
        return 1;
    }
    bench::reportMeasurement({seconds, 0, cpuSeconds});
    return 0;
}

// What the window writes for a checked sheet, in a plain loop: the history line alone, or it
// and the sheet's 16 answers; the median of the rounds.
int measureAppend(const QString &which)
{
    const bool answers = which == QLatin1String("both");
    Generator random(4242);
    const questiongenerator::Draw draw = [&random] { return random.unit(); };
    QList<double> times;
    QList<double> cpuTimes;
    QElapsedTimer timer;
    for (int round = 0; round < AppendRounds; ++round) {
        const QDateTime checkedAt = QDateTime::currentDateTime();
        QList<AnswerRecord> records;
        int right = 0;
        for (int n = 0; n < Questions; ++n) {
            const Question q = questiongenerator::drawQuestion(3, draw);
            const bool ok = random.next(10) < 8;
            records.append({.checked = {checkedAt.date(), checkedAt.time()},
                            .level = 3,
                            .first = q.first,
                            .second = q.second,
                            .answer = QByteArray::number(ok ? q.sum : q.sum + 10),
                            .right = ok,
                            .ms = qint64(1000 + random.next(9000))});
            right += ok;
        }
        const HistoryRecord line {history::formatDate(checkedAt), "3",
                                  QByteArray::number(scoring::scorePercent(right, Questions)),
                                  "00:02:15"};
        const double cpu = bench::processCpuSeconds();
        timer.start();
        const bool written = answers ? answerlog::appendSheet(CheckStudent, line, records).ok
                                     : history::append(CheckStudent, line).ok;
        times.append(double(timer.nsecsElapsed()) / 1e9);
        cpuTimes.append(bench::processCpuSeconds() - cpu);
        if (!written) {
            fprintf(stderr, "bench_facts: the sheet could not be recorded\n");
            return 1;
        }
    }
    bench::reportMeasurement({bench::median(times), 0, bench::median(cpuTimes)});
    return 0;
}

void printRow(const char *what, const bench::Summary &m, const bench::Summary &floor,
              const char *floorWhat, double goal, int decimals)
{
    printf("%-36s %10s %10s %10s %-16s %7.2fx  %s / %s\n", what,
           qPrintable(bench::milliseconds(m.seconds, decimals)),
           qPrintable(bench::milliseconds(m.cpuSeconds, decimals)),
           qPrintable(bench::milliseconds(floor.seconds, decimals)), floorWhat,
           m.seconds / floor.seconds, m.seconds < goal ? "met" : "MISSED",
           m.cpuSeconds < goal ? "met" : "MISSED");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // A child: the mode, and the folder of its files.
    if (argc == 3 || argc == 4) {
        const QByteArrayView mode(argv[1]);
        QDir::setCurrent(QString::fromLocal8Bit(argv[argc - 1]));
        if (mode == "--facts") {
            return measureFacts(argc, argv);
        }
        if (mode == "--class") {
            return measureClass(argc, argv);
        }
        if (mode == "--check") {
            return measureCheck(argc, argv);
        }
        if (mode == "--read" && argc == 4) {
            return measureRead(QString::fromLatin1(argv[2]));
        }
        if (mode == "--append" && argc == 4) {
            return measureAppend(QString::fromLatin1(argv[2]));
        }
    }

    QCoreApplication app(argc, argv);
    const std::optional<int> chosenRuns = bench::runsFromArguments(5);
    if (!chosenRuns) {
        return 2;
    }
    const int runs = *chosenRuns;

    QTemporaryDir dir;
    const QDir root(dir.path());
    const QDir factsDir(root.filePath(QStringLiteral("facts")));
    const QDir classDir(root.filePath(QStringLiteral("class")));
    const QDir checkDir(root.filePath(QStringLiteral("check")));
    bool written = root.mkpath(QStringLiteral("facts")) && root.mkpath(QStringLiteral("class"))
        && root.mkpath(QStringLiteral("check"));

    const StudentFiles facts = makeStudent(steadySheets(100000), 12345);
    written = written && writeRoster(factsDir, {FactsStudent})
        && writeStudent(factsDir, FactsStudent, facts) && writeRoster(checkDir, {CheckStudent})
        && writeStudent(checkDir, CheckStudent, facts);
    QList<QByteArray> pupils;
    qint64 classHistoryLines = 0;
    qint64 classAnswerLines = 0;
    qint64 classBytes = 0;
    for (int i = 0; i < ClassSize && written; ++i) {
        pupils.append(classStudent(i));
        const StudentFiles files = makeStudent(schoolYear(1000 + quint32(i)), 5000 + quint32(i));
        classHistoryLines += files.history.count('\n');
        classAnswerLines += files.answerLines;
        classBytes += files.history.size() + files.answers.size();
        written = writeStudent(classDir, pupils.last(), files);
    }
    written = written && writeRoster(classDir, pupils);
    if (!written) {
        fprintf(stderr, "bench_facts: cannot write the records in %s\n", qPrintable(dir.path()));
        return 1;
    }
    // On the disk before anything is timed: the lock files' sync would otherwise wait for the
    // journal to write back these 150 MB.
    ::sync();

    printf("Fact view, class overview and per-question records\n");
    printf("machine: %s\n", qPrintable(bench::machineDescription()));
    printf("medians of %d runs, each in a fresh process, files in the page cache;\n"
           "fact view: a student with %lld answer lines (%s);\n"
           "class: %d students, %lld history and %lld answer lines in all (%s);\n"
           "check: the window's CHECK ANSWERS with the record of answers (100,000 lines),\n"
           "and, as the window always writes both, the added cost measured in a plain loop:\n"
           "history::append alone against answerlog::appendSheet, the line and the sheet's\n"
           "16 answers under one lock, the median of %d rounds a run; files synced before timing;\n"
           "CPU: processor time of the process, what the wall time would be on an idle machine\n\n",
           runs, static_cast<long long>(facts.answerLines),
           qPrintable(bench::megabytes(facts.answers.size())), ClassSize,
           static_cast<long long>(classHistoryLines), static_cast<long long>(classAnswerLines),
           qPrintable(bench::megabytes(classBytes)), AppendRounds);

    // The first read of each set brings its files into the page cache for every run after it.
    bench::measureInChild({QStringLiteral("--read"), QStringLiteral("facts"), factsDir.path()});
    bench::measureInChild({QStringLiteral("--read"), QStringLiteral("class"), classDir.path()});
    const auto factsRead = bench::medianOfRuns(
        {QStringLiteral("--read"), QStringLiteral("facts"), factsDir.path()}, runs);
    const auto factsOpen = bench::medianOfRuns({QStringLiteral("--facts"), factsDir.path()}, runs);
    const auto classRead = bench::medianOfRuns(
        {QStringLiteral("--read"), QStringLiteral("class"), classDir.path()}, runs);
    const auto classOpen = bench::medianOfRuns({QStringLiteral("--class"), classDir.path()}, runs);
    const auto appendHistory = bench::medianOfRuns(
        {QStringLiteral("--append"), QStringLiteral("history"), checkDir.path()}, runs);
    const auto appendBoth = bench::medianOfRuns(
        {QStringLiteral("--append"), QStringLiteral("both"), checkDir.path()}, runs);
    const auto check = bench::medianOfRuns({QStringLiteral("--check"), checkDir.path()}, runs);
    if (!factsRead || !factsOpen || !classRead || !classOpen || !appendHistory || !appendBoth
        || !check) {
        fprintf(stderr, "bench_facts: a measurement failed\n");
        return 1;
    }

    printf("%-36s %10s %10s %10s %-16s %8s  %s\n", "what", "wall", "CPU", "floor", "", "ratio",
           "goal (wall / CPU)");
    printRow("open the fact view", *factsOpen, *factsRead, "(read .ans)", 0.100, 1);
    printf("%-36s %s\n", "", "goal: under 100 ms");
    printRow("open the class overview", *classOpen, *classRead, "(read 500+500)", 0.200, 1);
    printf("%-36s %s\n", "", "goal: under 200 ms");
    printf("%-36s %10s %10s\n", "check a sheet in the window",
           qPrintable(bench::milliseconds(check->seconds, 2)),
           qPrintable(bench::milliseconds(check->cpuSeconds, 2)));
    const bench::Summary added {appendBoth->seconds - appendHistory->seconds, 0,
                                appendBoth->cpuSeconds - appendHistory->cpuSeconds};
    printf("%-36s %10s %10s\n", "append the history line (loop)",
           qPrintable(bench::milliseconds(appendHistory->seconds, 3)),
           qPrintable(bench::milliseconds(appendHistory->cpuSeconds, 3)));
    printf("%-36s %10s %10s\n", "append it and the 16 answers (loop)",
           qPrintable(bench::milliseconds(appendBoth->seconds, 3)),
           qPrintable(bench::milliseconds(appendBoth->cpuSeconds, 3)));
    printf("%-36s %10s %10s %10s %-16s %8s  %s / %s\n", "added by the record of answers",
           qPrintable(bench::milliseconds(added.seconds, 3)),
           qPrintable(bench::milliseconds(added.cpuSeconds, 3)), "", "", "",
           added.seconds < 0.005 ? "met" : "MISSED", added.cpuSeconds < 0.005 ? "met" : "MISSED");
    printf("%-36s %s\n\n", "", "goal: under 5 ms");

    const double memoryRatio = double(factsOpen->peakGrowthBytes) / double(facts.answers.size());
    printf("fact view peak memory growth: %s, the .ans file %s, read line by line %s\n",
           qPrintable(bench::megabytes(factsOpen->peakGrowthBytes)),
           qPrintable(bench::megabytes(facts.answers.size())),
           qPrintable(bench::megabytes(factsRead->peakGrowthBytes)));
    printf("peak memory / file size: %.2fx (goal under 3x): %s\n", memoryRatio,
           memoryRatio < 3.0 ? "met" : "MISSED");
    return 0;
}
