#pragma once

#include <QDateTime>
#include <QString>

// The default printer as the private print server of scripts/run-tests sets it up: a
// queue that writes each job as a PDF file named after the job's title.
namespace cupsqueue {

struct PdfQueue
{
    QString skipReason; // why the real-printer tests cannot run; empty when they can
    QString name;
    QString outDir;
};

// The default printer, if it is a PDF queue; tests never print on real paper.
PdfQueue find();

// Waits until the server has no job left; false on timeout.
bool waitUntilIdle(int timeoutMs = 60000);

// The PDF files the queue wrote since the given time.
QStringList writtenSince(const PdfQueue &queue, const QDateTime &since);

} // namespace cupsqueue
