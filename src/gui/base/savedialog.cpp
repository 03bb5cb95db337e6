#include "savedialog.h"

#include <QFileDialog>

namespace ui {

namespace {
SaveResponder &responder()
{
    static SaveResponder r;
    return r;
}
} // namespace

QString askSaveFileName(QWidget *parent, const SaveRequest &request)
{
    if (responder()) {
        return responder()(request);
    }
    return QFileDialog::getSaveFileName(parent, request.caption, request.suggestedName,
                                        request.filter);
}

void setSaveResponder(SaveResponder r)
{
    responder() = std::move(r);
}

} // namespace ui
