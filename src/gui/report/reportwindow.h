#pragma once

#include "core/report/reportmodel.h"
#include "gui/base/form.h"

#include <QByteArray>

class QLabel;
class LineListView;
class QPushButton;

// Lists the current student's results under a column heading, as they stood when the
// window opened; also charts them and exports them for a spreadsheet. Only reads.
class ReportWindow : public Form
{
    Q_OBJECT
public:
    ReportWindow();

private:
    void Form_Load();
    void Command1_Click();
    void cmdProgress_Click();
    void cmdExport_Click();

    QByteArray m_student;
    ReportModel m_lines;

    QPushButton *Command1 = nullptr;
    LineListView *List1 = nullptr;
    QLabel *lblstudent = nullptr;
    QPushButton *cmdProgress = nullptr;
    QPushButton *cmdExport = nullptr;
};
