#pragma once

#include <QString>

#include <functional>

class QWidget;

// Asks where to save a file, through the standard save dialog. Tests answer in its place.
namespace ui {

struct SaveRequest
{
    QString caption;
    QString suggestedName; // a file name or path to start from
    QString filter; // for example "CSV files (*.csv)"
};

// The chosen path, or an empty string when the user cancelled.
QString askSaveFileName(QWidget *parent, const SaveRequest &request);

using SaveResponder = std::function<QString(const SaveRequest &)>;
// An empty function brings the real dialog back.
void setSaveResponder(SaveResponder responder);

} // namespace ui
