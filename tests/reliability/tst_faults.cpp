#include "reliabilitysupport.h"

#include "exercise/addition.h"
#include "menu/mainportal.h"
#include "report/report.h"
#include "support/testsupport.h"
#include "ui/savedialog.h"
#include "ui/windows.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace reliability;

// Every way a data file is written, each meeting a disk that will not take it: the user
// sees one message titled "sumtrail" that names the file, and no file changes by a byte.
class tst_Faults : public QObject
{
    Q_OBJECT
public:
    enum class Action { DeleteStudent, AddStudent, CheckAnswers, ExportReport };
    enum class Fault { ReadOnlyDirectory, SizeLimit, VanishedDirectory, TargetIsDirectory };
    Q_ENUM(Action)
    Q_ENUM(Fault)

private slots:
    void init();
    void cleanup();
    void failedWriteIsShownAndChangesNothing_data();
    void failedWriteIsShownAndChangesNothing();

private:
    void openWindowFor(Action action);
    QList<SeenBox> perform(Action action);
    static QPushButton *button(QWidget *w, const char *name)
    {
        return w->findChild<QPushButton *>(QString::fromLatin1(name));
    }

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_work;
    QString m_previousDir;
    MainPortal *m_menu = nullptr;
};

static const QByteArray Roster = "ANN\r\nBEN\r\nZOE\r\n";
static const QByteArray AnnHistory = "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n"
                                     "1/9/2026 9:05:00 AM#1#6#00:10:02\r\n";
static const QByteArray OldExport = "an earlier export\r\n";

void tst_Faults::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_work = m_root->filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkpath(m_work));
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_work);
    testsupport::writeFile(QStringLiteral("sumroll.ini"), Roster);
    testsupport::writeFile(QStringLiteral("ANN.hst"), AnnHistory);
    testsupport::writeFile(QStringLiteral("ANN.csv"), OldExport);
}

void tst_Faults::cleanup()
{
    ui::setSaveResponder({});
    QFile::setPermissions(m_work, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    testsupport::closeAllWindows();
    QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
    QVERIFY(Windows::loaded().isEmpty());
    QDir::setCurrent(m_previousDir);
    m_root.reset();
    m_menu = nullptr;
}

void tst_Faults::failedWriteIsShownAndChangesNothing_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("target"); // the file made a directory, and named by the message
    QTest::addColumn<QString>("named"); // the file the message names
    QTest::addColumn<qint64>("sizeLimit");

    const qint64 historyLimit = AnnHistory.size() + 10;
    struct Row
    {
        Action action;
        const char *actionName;
        QString target;
        QString failsFirst; // the write that fails when the directory or the disk refuses
        qint64 limit;
    };
    const QList<Row> rows = {
        {Action::DeleteStudent, "delete", "sumroll.ini", "sumroll.ini", 4},
        {Action::AddStudent, "add", "CAT.hst", "sumroll.ini", 4},
        {Action::CheckAnswers, "check", "ANN.hst", "ANN.hst", historyLimit},
        {Action::ExportReport, "export", "ANN.csv", "ANN.csv", 30},
    };
    for (const Row &r : rows) {
        QTest::addRow("%s, read-only directory", r.actionName)
            << r.action << Fault::ReadOnlyDirectory << QString() << r.failsFirst << r.limit;
        QTest::addRow("%s, size limit mid-write", r.actionName)
            << r.action << Fault::SizeLimit << QString() << r.failsFirst << r.limit;
        QTest::addRow("%s, vanished directory", r.actionName)
            << r.action << Fault::VanishedDirectory << QString() << r.failsFirst << r.limit;
        QTest::addRow("%s, %s is a directory", r.actionName, qPrintable(r.target))
            << r.action << Fault::TargetIsDirectory << r.target << r.target << r.limit;
    }
    QTest::addRow("add, sumroll.ini is a directory")
        << Action::AddStudent << Fault::TargetIsDirectory << QStringLiteral("sumroll.ini")
        << QStringLiteral("sumroll.ini") << qint64(4);
}

void tst_Faults::openWindowFor(Action action)
{
    m_menu = Windows::load<MainPortal>();
    m_menu->show();
    auto *combo = m_menu->findChild<QComboBox *>(QStringLiteral("Combo1"));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down); // ANN
    if (action == Action::DeleteStudent) {
        QTest::keyClick(combo, Qt::Key_Down); // BEN
    }
    if (action == Action::CheckAnswers) {
        QTest::mouseClick(button(m_menu, "Command1"), Qt::LeftButton);
        QVERIFY(Windows::find<Addition>());
    }
    if (action == Action::ExportReport) {
        ui::setSaveResponder(
            [](const ui::SaveRequest &r) { return QDir::current().filePath(r.suggestedName); });
        QTest::mouseClick(button(m_menu, "Command4"), Qt::LeftButton);
        QVERIFY(Windows::find<report>());
    }
}

// Does what the user does, answering the boxes and the new-student dialog on the way.
QList<SeenBox> tst_Faults::perform(Action action)
{
    int boxesAtLastStep = -1;
    std::unique_ptr<BoxWatcher> watcher;
    watcher = std::make_unique<BoxWatcher>([&](QWidget *dialog, int) {
        const int boxes = int(watcher->boxes().size());
        if (boxes == boxesAtLastStep) {
            return;
        }
        const bool first = boxesAtLastStep < 0;
        boxesAtLastStep = boxes;
        QTimer::singleShot(0, dialog, [dialog, first] {
            if (first) {
                QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("txtStudent")),
                                 QStringLiteral("CAT"));
                QTest::mouseClick(button(dialog, "OKButton"), Qt::LeftButton);
            } else {
                QTest::mouseClick(button(dialog, "CancelButton"), Qt::LeftButton);
            }
        });
    });
    switch (action) {
    case Action::DeleteStudent:
        QTest::mouseClick(button(m_menu, "BtnDelStudent"), Qt::LeftButton);
        break;
    case Action::AddStudent:
        QTest::mouseClick(button(m_menu, "btnAddStduent"), Qt::LeftButton);
        break;
    case Action::CheckAnswers:
        QTest::mouseClick(button(Windows::find<Addition>(), "cmdcheck"), Qt::LeftButton);
        break;
    case Action::ExportReport:
        QTest::mouseClick(button(Windows::find<report>(), "cmdExport"), Qt::LeftButton);
        break;
    }
    return watcher->boxes();
}

void tst_Faults::failedWriteIsShownAndChangesNothing()
{
    QFETCH(Action, action);
    QFETCH(Fault, fault);
    QFETCH(QString, target);
    QFETCH(QString, named);
    QFETCH(qint64, sizeLimit);

    if (action == Action::AddStudent && !target.isEmpty() && target == "sumroll.ini") {
        // The roster is a directory from the start, so the list opens empty.
        QFile::remove(target);
        QVERIFY(QDir().mkpath(target + QStringLiteral("/inside")));
    }
    openWindowFor(action);
    if (QTest::currentTestFailed()) {
        return;
    }
    if (fault == Fault::TargetIsDirectory && QFileInfo(target).isFile()) {
        QVERIFY(QFile::remove(target));
    }
    if (fault == Fault::TargetIsDirectory && !QFileInfo::exists(target)) {
        QVERIFY(QDir().mkpath(target + QStringLiteral("/inside")));
        testsupport::writeFile(target + QStringLiteral("/inside/kept"), "kept");
    }
    if (fault == Fault::VanishedDirectory) {
        QVERIFY(QDir(m_work).removeRecursively());
    }
    const Snapshot before = snapshot(m_root->path());

    QList<SeenBox> boxes;
    bool droppedRoot = false;
    if (fault == Fault::ReadOnlyDirectory) {
        QVERIFY(QFile::setPermissions(
            m_work, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        WithoutWriteRights rights;
        droppedRoot = rights.droppedRoot();
        boxes = perform(action);
    } else if (fault == Fault::SizeLimit) {
        // Lowered for this process only while the action runs: a forked copy of a process
        // with windows can hang in the window system's locks.
        testsupport::FileSizeLimit limit(sizeLimit);
        boxes = perform(action);
    } else {
        boxes = perform(action);
    }

    QVERIFY(!boxes.isEmpty());
    for (const SeenBox &b : boxes) {
        QCOMPARE(b.title, QStringLiteral("sumtrail"));
    }
    const SeenBox &failure = boxes.last();
    QCOMPARE(failure.icon, QMessageBox::Warning);
    QVERIFY2(failure.text.contains(named), qPrintable(failure.text));
    QCOMPARE(boxes.size(), action == Action::DeleteStudent ? 2 : 1);
    const Snapshot after = snapshot(m_root->path());
    QCOMPARE(after.keys(), before.keys());
    QVERIFY(after == before);
    if (fault == Fault::VanishedDirectory) {
        QVERIFY(after.isEmpty());
    }
    qInfo("outcome: %s%s: one \"%s\" box naming %s; %d files and directories unchanged",
          QTest::currentDataTag(), droppedRoot ? " (run as user nobody)" : "",
          qPrintable(failure.title), qPrintable(named), int(after.size()));

    // What the window shows still matches the files.
    if (action == Action::DeleteStudent) {
        QCOMPARE(m_menu->students().size(), 3);
    }
    if (action == Action::AddStudent && fault != Fault::SizeLimit) {
        QVERIFY(!m_menu->students().contains("CAT"));
    }
}

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
