#pragma once

#include <QStringList>

#include <functional>

// The default printer as the private print server of scripts/run-tests sets it up: a
// cups-pdf queue that writes each job as a PDF file. Tests never print on real paper.
namespace cupsqueue {

// Why the real-printer tests cannot run here; empty when the default printer is such a queue.
QString skipReason();

// Runs print with the queue idle before and after, and returns the PDF files it wrote;
// none when the queue did not settle.
QStringList pdfsWrittenBy(const std::function<void()> &print);

} // namespace cupsqueue
