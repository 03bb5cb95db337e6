// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing.h"

#include "core/records/atomicfile.h"
#include "gui/base/msgbox.h"
#include "gui/seams/savedialog.h"
#include "paintersurface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace printing {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("printing", text);
}

// A printer's resolution: at the default screen resolution text lands up to half a
// point away from where it was meant to go.
constexpr int PdfResolution = 1200;

QPageLayout pdfPageLayout()
{
    const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    // About the margin a printer leaves, so that the page looks the same on paper.
    return QPageLayout(QPageSize(us ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
}
} // namespace

namespace {
PrintResult printOnDefaultPrinter(const QString &title, const Page &page)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return {Status::NoPrinter, {}};
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setCreator(QStringLiteral("sumtrail"));
    const QString name = info.description().isEmpty() ? info.printerName() : info.description();

    PainterSurface surface(&printer);
    if (!surface.active()) {
        return {Status::Failed, tr("The printer \"%1\" could not be started.").arg(name)};
    }
    page(surface);
    if (!surface.ended() || printer.printerState() == QPrinter::Error) {
        return {Status::Failed, tr("The printer \"%1\" did not accept the page.").arg(name)};
    }
    return {Status::Printed, {}};
}
} // namespace

PrintResult toDefaultPrinter(const QString &title, const Page &page)
{
    return seams::printer().callOr(&printOnDefaultPrinter, title, page);
}

FileResult toPdfFile(const QString &path, const QString &title, const Page &page)
{
    // The document goes straight into the file's atomic replacement. A failed write is
    // remembered, later bytes are refused, and commit() then removes the temporary file and
    // gives the reason; a return before commit() removes it too. The old file stays as it was.
    AtomicFile file(QFile::encodeName(path), AtomicFile::Target::Chosen);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.result();
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(PdfResolution);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("sumtrail"));
        writer.setPageLayout(pdfPageLayout());
        PainterSurface surface(&writer);
        if (!surface.active()) {
            return FileResult::writeFailure(path, tr("the PDF document could not be started"));
        }
        page(surface);
        if (!surface.ended()) {
            return FileResult::writeFailure(path, tr("the PDF document could not be finished"));
        }
    }
    return file.commit();
}

void printOrSavePdf(QWidget *parent, const Document &document, const Page &page)
{
    const PrintResult printed = toDefaultPrinter(document.title, page);
    if (printed.status == Status::Printed) {
        return;
    }
    // Many homes have no printer; a PDF can still be sent on or printed elsewhere.
    const QString problem = printed.status == Status::NoPrinter
        ? tr("There is no printer set up on this computer.")
        : printed.reason;
    // Saving is what the user most likely wants then: the offer defaults to Yes.
    if (!ui::askYesNo(parent, problem + QLatin1Char('\n') + document.pdfQuestion,
                      QMessageBox::Yes)) {
        return;
    }
    QString path = ui::askSaveFileName(
        parent, {document.saveCaption, document.pdfName, tr("PDF files (*.pdf)")});
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    const FileResult saved = toPdfFile(path, document.title, page);
    if (!saved.ok) {
        ui::warn(parent, saved.message);
        return;
    }
    // Where it went, in full: the dialog may have started in a folder the user does not know.
    ui::inform(parent,
               tr("The file was saved as \"%1\".")
                   .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
}

} // namespace printing
