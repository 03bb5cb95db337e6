// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testsupport.h"

#include "core/records/session.h"
#include "gui/menu/mainmenu.h"
#include "gui/report/linelistview.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace testsupport {

ScriptedMessages::ScriptedMessages()
    : m_responder(seams::messageBox(), [this](const ui::MessageRequest &request) {
        m_shown.append(request);
        m_texts.append(request.text);
        return m_answers.isEmpty() ? request.defaultButton : m_answers.takeFirst();
    })
{
}

void readNextMessageBox(SeenMessage &seen, QMessageBox::StandardButton press)
{
    QTimer::singleShot(0, [&seen, press] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            if (modal) {
                modal->close();
            }
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->standardButton(box->defaultButton());
        for (const QLabel *label : box->findChildren<QLabel *>()) {
            if (label->text() == box->text()) {
                seen.shownAs = label->textFormat();
            }
        }
        if (QAbstractButton *button = box->button(press)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            box->close();
        }
    });
}

void inNextModal(std::function<void(QWidget *)> look)
{
    QTimer::singleShot(0, [look = std::move(look)] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            look(modal);
            modal->close();
        }
    });
}

Question sum(int a, int b)
{
    return {a, b, a + b};
}

void closeAllWindows()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int visibleTopLevelWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(
        std::count_if(windows.cbegin(), windows.cend(), [](QWidget *w) { return w->isVisible(); }));
}

namespace {
// The program's windows (of the form base) still there, shown or not.
QList<QWidget *> formWindows()
{
    QList<QWidget *> forms;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form *>(w)) {
            forms.append(w);
        }
    }
    return forms;
}

// The menu openMenu() made, until it closes; as the program, the tests have one at a time.
QPointer<MainMenu> &currentMenu()
{
    static QPointer<MainMenu> menu;
    return menu;
}
} // namespace

bool closeEveryWindow()
{
    closeAllWindows();
    // Closed windows are destroyed by now: one still there was never closed.
    return visibleTopLevelWindows() == 0 && formWindows().isEmpty();
}

MainMenu *openMenu(int picks)
{
    MainMenu *menu = currentMenu();
    if (!menu) {
        // The session main() makes; here it ends with the menu.
        auto *session = new Session;
        menu = new MainMenu(*session);
        session->setParent(menu);
        QObject::connect(menu, &Form::closed, menu, [] { currentMenu() = nullptr; });
        currentMenu() = menu;
    }
    menu->show();
    // What the menu has to say once it is up (a roster it could not read) is said now.
    QCoreApplication::processEvents();
    auto *students = menu->findChild<QComboBox *>(QStringLiteral("Combo1"));
    students->setFocus();
    for (int i = 0; i < picks; ++i) {
        QTest::keyClick(students, Qt::Key_Down);
    }
    return menu;
}

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

void addStudent(QWidget *menu, const char *name)
{
    // The dialog is modal: it is filled in from its own event loop.
    QTimer::singleShot(0, [name] {
        QWidget *dialog = QApplication::activeModalWidget();
        QTest::keyClicks(dialog->findChild<QWidget *>(QStringLiteral("txtStudent")), name);
        click(dialog, "OKButton");
        if (dialog->isVisible()) {
            click(dialog, "CancelButton");
        }
    });
    click(menu, "btnAddStduent");
}

QWidget *act(QWidget *window, QList<const char *> buttons, const char *keys)
{
    window->show();
    const QList<QWidget *> before = formWindows();
    for (const char *key = keys; *key; ++key) {
        QTest::keyClick(window->focusWidget(), *key);
    }
    for (const char *button : buttons) {
        click(window, button);
    }
    // A window they opened is new and shown; one opened and closed again meanwhile is hidden.
    for (QWidget *w : formWindows()) {
        if (!before.contains(w) && w->isVisible()) {
            return w;
        }
    }
    return window;
}

QStringList listedStudents(QWidget *menu)
{
    const auto *list = menu->findChild<QComboBox *>(QStringLiteral("Combo1"));
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) {
        shown.append(list->itemText(i));
    }
    return shown;
}

int windowButtonsEnabled(QWidget *menu)
{
    int enabled = 0;
    for (const char *button : {"Command1", "Command2", "Command4"}) {
        enabled += menu->findChild<QWidget *>(QLatin1String(button))->isEnabled() ? 1 : 0;
    }
    return enabled;
}

QStringList reportLines(QWidget *report)
{
    const auto *list = report->findChild<LineListView *>(QStringLiteral("List1"));
    QStringList lines;
    for (int row = 1; row < list->model()->rowCount(); ++row) {
        lines.append(list->model()->index(row, 0).data().toString());
    }
    return lines;
}

namespace {
// Sixteen different level 1 questions, none of them 0 + 0.
const QList<double> VariedDraws = {0.13, 0.57, 0.91, 0.29, 0.74, 0.46, 0.08, 0.62,
                                   0.85, 0.37, 0.21, 0.68, 0.52, 0.33, 0.97, 0.04};

} // namespace

WindowGround::WindowGround(QList<double> draws)
    : clock(QDateTime(QDate(2026, 5, 12), QTime(13, 20, 0)))
    , random(draws.isEmpty() ? VariedDraws : std::move(draws))
{
    writeFile(QStringLiteral("sumroll.ini"), "ANN\r\n");
    writeFile(QStringLiteral("ANN.hst"), "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n");
}

} // namespace testsupport
