#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// Every message the program shows goes through here: a real message box titled with the
// application title, its text plain, or, in tests, a responder that answers in place of a
// person.
namespace ui {

inline constexpr const char *AppTitle = "sumtrail";

struct MessageRequest
{
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
};

using MessageResponder = std::function<QMessageBox::StandardButton(const MessageRequest &)>;

QMessageBox::StandardButton msgBox(QWidget *parent, const MessageRequest &request);

// An information box with OK only.
void inform(QWidget *parent, const QString &text);
// A problem the user should know of, such as a file that could not be written.
void warn(QWidget *parent, const QString &text);
// A question with Yes and No, the exclamation icon and No as the default.
bool askYesNo(QWidget *parent, const QString &text);

// Installs a responder; an empty one brings the real message boxes back.
void setMessageResponder(MessageResponder responder);

} // namespace ui
