#include "msgbox.h"

namespace ui {

namespace {
MessageResponder &responder()
{
    static MessageResponder r;
    return r;
}
} // namespace

void setMessageResponder(MessageResponder r)
{
    responder() = std::move(r);
}

QMessageBox::StandardButton msgBox(QWidget *parent, const MessageRequest &request)
{
    if (responder()) {
        return responder()(request);
    }
    QMessageBox box(request.icon, QString::fromLatin1(AppTitle), request.text, request.buttons,
                    parent);
    // Messages name students and files, both taken from files anyone can edit: shown as
    // written, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(request.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void inform(QWidget *parent, const QString &text)
{
    msgBox(parent, {text, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok});
}

void warn(QWidget *parent, const QString &text)
{
    msgBox(parent, {text, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok});
}

bool askYesNo(QWidget *parent, const QString &text)
{
    return msgBox(parent,
                  {text, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No})
        == QMessageBox::Yes;
}

} // namespace ui
