// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Takes the README's screenshots: drives the real windows through a short scripted run in
// a scratch working directory and saves each window as the screen shows it. Run it under
// an X server (scripts/take-screenshots starts a private one).
#include "core/records/session.h"
#include "gui/base/fonts.h"
#include "gui/base/language.h"
#include "gui/exercise/exercisewindow.h"
#include "gui/menu/mainmenu.h"
#include "gui/print/printwindow.h"
#include "gui/report/reportwindow.h"
#include "gui/seams/clock.h"
#include "gui/seams/messagebox.h"
#include "gui/seams/random.h"
#include "gui/seams/scopedoverride.h"
#include "gui/tutors/columntutor.h"
#include "gui/tutors/picturetutor.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <optional>

namespace {

bool write(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class Shooter
{
public:
    Shooter(QString folder, QSizeF stretch, QString suffix)
        : m_folder(std::move(folder))
        , m_stretch(stretch)
        , m_suffix(std::move(suffix))
    {
    }

    void shoot(QWidget *window, const char *name)
    {
        if (m_stretch != QSizeF(1, 1)) {
            // An odd aspect shows what the windows' own scaling does with the controls.
            window->resize(qRound(window->width() * m_stretch.width()),
                           qRound(window->height() * m_stretch.height()));
            QApplication::processEvents();
        }
        window->raise();
        window->activateWindow();
        if (!QTest::qWaitForWindowExposed(window)) {
            std::fprintf(stderr, "screenshots: %s never showed\n", name);
        }
        QTest::qWait(150); // lets the last paint reach the screen
        const QString path = QDir(m_folder).filePath(QString::fromLatin1(name) + m_suffix + ".png");
        if (window->grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
            std::fflush(stdout);
        } else {
            std::fprintf(stderr, "screenshots: could not write %s\n", qPrintable(path));
            m_failed = true;
        }
    }
    bool failed() const { return m_failed; }

private:
    QString m_folder;
    QSizeF m_stretch;
    QString m_suffix;
    bool m_failed = false;
};

// The whole screen once the window manager has framed the window and stopped moving it:
// the window as it opens, frame and title bar included, and the room around it.
bool shootScreen(QWidget *window, const QString &path)
{
    if (!QTest::qWaitForWindowExposed(window)) {
        std::fprintf(stderr, "screenshots: %s never showed\n", qPrintable(path));
    }
    const QWindow *handle = window->windowHandle();
    if (!QTest::qWaitFor([&] { return handle->frameGeometry() != window->geometry(); }, 3000)) {
        std::fprintf(stderr, "screenshots: %s never framed\n", qPrintable(path));
    }
    QRect last;
    for (int still = 0, waited = 0; still < 4 && waited < 60; ++waited) {
        QTest::qWait(50);
        still = handle->frameGeometry() == last ? still + 1 : 0;
        last = handle->frameGeometry();
    }
    QTest::qWait(150); // lets the last paint reach the screen
    if (!window->screen()->grabWindow(0).save(path)) {
        std::fprintf(stderr, "screenshots: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    return true;
}

template<class T> T *child(QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QString::fromLatin1(name));
    if (!w) {
        std::fprintf(stderr, "screenshots: %s has no %s\n", window->metaObject()->className(),
                     name);
        std::exit(1);
    }
    return w;
}

// The window of class T on the screen, as the menu opened it.
template<class T> T *shown()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<T *>(w); found && found->isVisible()) {
            return found;
        }
    }
    std::fprintf(stderr, "screenshots: no %s shown\n", T::staticMetaObject.className());
    std::exit(1);
}

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

// Question n answered: right unless it is one of the wrong ones.
void answer(ExerciseWindow *exercise, int n, bool right)
{
    auto *box = child<QLineEdit>(exercise, qPrintable(QStringLiteral("Text1(%1)").arg(n)));
    QTest::keyClicks(box, QString::number(exercise->sheet().question(n).sum + (right ? 0 : 10)));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sumtrail"));
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installFontSubstitutes();
    // --stretch WxH resizes every window by those factors before it is shot; --language LL
    // shows the windows in that translation, each picture named NAME-LL.png; --fit PREFIX
    // takes only the whole screen as the main menu, an exercise and each tutor open on it,
    // under a window manager, into PREFIX-mainmenu.png, PREFIX-exercise.png, PREFIX-tutor.png
    // and PREFIX-tutor2.png.
    QSizeF stretch(1, 1);
    QString language;
    QString fitPrefix;
    const QStringList args = QApplication::arguments();
    bool usage = args.size() < 2;
    for (int i = 2; i < args.size(); i += 2) {
        const QString value = args.value(i + 1);
        if (args.at(i) == QLatin1String("--stretch")) {
            const QStringList factors = value.split('x');
            stretch = factors.size() == 2 ? QSizeF(factors[0].toDouble(), factors[1].toDouble())
                                          : QSizeF();
        } else if (args.at(i) == QLatin1String("--language") && !value.isEmpty()) {
            language = value;
        } else if (args.at(i) == QLatin1String("--fit") && !value.isEmpty()) {
            fitPrefix = value;
        } else {
            usage = true;
        }
    }
    if (usage || stretch.isEmpty()) {
        std::fprintf(stderr,
                     "usage: sumtrail_screenshots OUTPUT_FOLDER [--stretch WxH] "
                     "[--language LL] [--fit PREFIX]\n");
        return 2;
    }
    std::optional<ui::Language> translation;
    if (!language.isEmpty()) {
        translation.emplace(QLocale(language));
        if (!translation->translated()) {
            std::fprintf(stderr, "screenshots: no translation for %s\n", qPrintable(language));
            return 2;
        }
    }
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(output)) {
        std::fprintf(stderr, "screenshots: cannot make %s\n", argv[1]);
        return 1;
    }

    // The same pictures on every run: a fixed clock and a fixed sequence of draws.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path())) {
        std::fprintf(stderr, "screenshots: no scratch folder\n");
        return 1;
    }
    QDateTime clock(QDate(2026, 11, 20), QTime(10, 15, 0));
    const seams::ScopedOverride fixedClock(seams::clock(), [&clock] { return clock; });
    int draw = 0;
    const seams::ScopedOverride fixedDraws(
        seams::randomDraw(), [&draw] { return double((draw++ * 7919) % 1000) / 1000.0; });
    const seams::ScopedOverride defaultAnswers(
        seams::messageBox(), [](const ui::MessageRequest &r) { return r.defaultButton; });
    write(QStringLiteral("sumroll.ini"), "Amira\r\nBen\r\nChloe\r\n");
    write(QStringLiteral("Amira.hst"),
          "11/2/2026 9:05:12 AM#1#69#00:04:10\r\n"
          "11/2/2026 9:14:40 AM#1#81#00:03:32\r\n"
          "11/5/2026 10:02:03 AM#1#94#00:02:58\r\n"
          "11/9/2026 10:11:45 AM#2#63#00:05:21\r\n"
          "11/12/2026 9:40:09 AM#2#75#00:04:47\r\n"
          "11/16/2026 9:58:30 AM#2#88#00:04:02\r\n"
          "11/19/2026 10:20:16 AM#3#69#00:06:15\r\n");
    // Amira's first level, sum by sum: most quick, some slow, a few wrong, some never asked.
    QByteArray answers;
    for (int first = 0; first <= 10; ++first) {
        for (int second = 0; second <= 10; ++second) {
            const int k = first * 11 + second;
            if (k % 5 == 3) {
                continue;
            }
            const bool wrong = k % 13 == 4;
            const int ms = k % 7 == 2 ? 5200 : 1400 + 10 * k;
            answers += "11/5/2026 10:02:03 AM#1#" + QByteArray::number(first) + '#'
                + QByteArray::number(second) + '#' + QByteArray::number(first + second + wrong)
                + (wrong ? "#wrong#" : "#right#") + QByteArray::number(ms) + "\r\n";
        }
    }
    write(QStringLiteral("Amira.ans"), answers);
    Shooter shooter(output, stretch, language.isEmpty() ? QString() : '-' + language);

    Session session;
    auto *menu = new MainMenu(session);
    menu->show();
    QTest::keyClick(child<QComboBox>(menu, "Combo1"), Qt::Key_Down);
    if (!fitPrefix.isEmpty()) {
        const QString prefix = QDir(output).filePath(fitPrefix);
        bool shot = shootScreen(menu, prefix + QStringLiteral("-mainmenu.png"));
        click(menu, "Command1");
        ExerciseWindow *exercise = shown<ExerciseWindow>();
        shot = shootScreen(exercise, prefix + QStringLiteral("-exercise.png")) && shot;
        {
            PictureTutor pictures(Question {6, 7, 13}, exercise);
            pictures.show();
            shot = shootScreen(&pictures, prefix + QStringLiteral("-tutor.png")) && shot;
        }
        {
            ColumnTutor columns(Question {478, 356, 834}, 9, exercise);
            columns.show();
            shot = shootScreen(&columns, prefix + QStringLiteral("-tutor2.png")) && shot;
        }
        exercise->close();
        menu->close();
        return shot ? 0 : 1;
    }
    shooter.shoot(menu, "mainmenu");

    QTimer::singleShot(0, [&shooter] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            QTest::keyClicks(dialog->focusWidget(), QStringLiteral("Dana"));
            shooter.shoot(dialog, "newstudent");
            dialog->close();
        }
    });
    click(menu, "btnAddStduent");

    // An exercise at level 2, marked: three answers wrong, the clock at 3 min 41 s.
    click(menu, "Command1");
    ExerciseWindow *exercise = shown<ExerciseWindow>();
    QTest::keyClick(child<QComboBox>(exercise, "Combo1"), Qt::Key_Down);
    for (int n = 1; n <= 16; ++n) {
        answer(exercise, n, n != 4 && n != 9 && n != 14);
    }
    clock = clock.addSecs(221);
    exercise->tick();
    click(exercise, "cmdcheck");
    shooter.shoot(exercise, "exercise");

    // Both tutors part way through a question; they go before the exercise that owns them.
    {
        PictureTutor pictures(Question {6, 7, 13}, exercise);
        pictures.show();
        for (int i = 0; i < 4; ++i) {
            click(&pictures, "cmdplus");
        }
        shooter.shoot(&pictures, "tutor");
        pictures.close();

        ColumnTutor columns(Question {478, 356, 834}, 9, exercise);
        columns.show();
        QTest::keyClick(columns.focusWidget(), '4');
        shooter.shoot(&columns, "tutor2");
        columns.close();
    }
    exercise->close();

    auto *results = new ReportWindow(session);
    results->show();
    shooter.shoot(results, "report");
    QTimer::singleShot(0, [&shooter] {
        QWidget *chart = QApplication::activeModalWidget();
        if (chart) {
            chart->resize(chart->size().expandedTo(QSize(720, 480)));
            shooter.shoot(chart, "chart");
            chart->close();
        }
    });
    click(results, "cmdProgress");
    for (const char *view : {"facts", "class"}) {
        QTimer::singleShot(0, [&shooter, view] {
            if (QWidget *window = QApplication::activeModalWidget()) {
                shooter.shoot(window, view);
                window->close();
            }
        });
        click(results, qstrcmp(view, "facts") == 0 ? "cmdFacts" : "cmdClass");
    }
    results->close();

    click(menu, "Command2");
    QWidget *print = shown<PrintWindow>();
    click(print, "CmdNew");
    shooter.shoot(print, "print");

    menu->close();
    return shooter.failed() ? 1 : 0;
}
