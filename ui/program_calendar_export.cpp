#include "app/calendar_export_link.h"
#include "ui/program.h"

namespace orbel {

void OpenCalendarExport(ProgramSession& session, bool anniversaryOnly) {
    if (!session.calendarExport) {
        session.calendarExportModel = std::make_unique<CalendarExportWindowModel>(session.port);
        ConnectCalendarExportWindow(session.model, *session.calendarExportModel);
        session.calendarExport = std::make_unique<FrmCalendarExport>(*session.calendarExportModel);
    }
    CalendarExportWindowModel& model = *session.calendarExportModel;
    model.Form_Load();
    if (anniversaryOnly) model.ChooseAnniversaryOnly();
    session.calendarExport->Mirror();
}

}  // namespace orbel
