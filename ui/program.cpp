#include "ui/program.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

#include "app/data_window_link.h"
#include "support/autostart_entry.h"
#include "support/file_utilities.h"
#include "support/language.h"
#include "support/settings_store.h"
#include "support/web_link.h"
#include "ui/button_keys.h"
#include "ui/desktop_web_launcher.h"
#include "ui/frm_help.h"
#include "ui/frm_stem_branch.h"
#include "ui/secondary_windows.h"

namespace orbel {

ProgramPaths DefaultProgramPaths() {
    return {QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString() + "/", DefaultStateFilePath()};
}

std::unique_ptr<ProgramSession> StartProgram(UserPort& port, const ProgramPaths& paths,
                                             std::function<void()> endProgram, bool inPanel) {
    // Without its texts the program cannot run: say why and end.
    if (const std::optional<std::string> failure = LoadProgramText(paths.programFolder)) {
        std::fprintf(stderr, "orbel: %s\n", failure->c_str());  // for a start from a terminal
        port.ShowMessage("ORBEL", *failure, MessageIcon::Critical);
        return nullptr;
    }
    auto session = std::make_unique<ProgramSession>(port);
    MainWindowModel& model = session->model;
    model.programFolder = paths.programFolder;
    model.stateFilePath = paths.stateFilePath;
    model.links.SaveCountry = [](int country) { SaveCountrySetting(country); };
    model.links.SaveNames = [](int names) { SaveNamesSetting(names); };
    model.links.SaveAsObserved = [](bool asObserved) { SaveAsObservedSetting(asObserved); };
    model.storedAsObserved = StoredAsObserved();
    model.links.EndProgram = std::move(endProgram);

    FrmMain& window = session->window;
    window.openAddress = [&port](const std::string& address) {
        DesktopWebLauncher launcher;
        OpenWebPage(address, launcher, [&port](const SupportMessage& m) {
            port.ShowMessage(m.title, m.text, m.exclamation ? MessageIcon::Exclamation : MessageIcon::None);
        });
    };
    new SecondaryWindowKeys(&window);  // owned by the window
    new ReturnPressesButtons(&window);
    QObject::connect(&window, &FrmMain::helpRequested, &window, [&window] { ShowHelp(&window); });
    QObject::connect(&window, &FrmMain::stemBranchRequested, &window, [session = session.get()] {
        if (!session->stemBranch)
            session->stemBranch = std::make_unique<FrmStemBranch>(QString::fromStdString(session->model.PictureFolder()));
        session->stemBranch->show();
        session->stemBranch->raise();
    });
    QObject::connect(&window, &FrmMain::calendarRequested, &window,
                     [session = session.get()] { OpenCalendarMonth(*session); });
    QObject::connect(&window, &FrmMain::calendarExportRequested, &window,
                     [session = session.get()] { OpenCalendarExport(*session, false); });
    session->dataWindow.openCalendarExport = [session = session.get()] { OpenCalendarExport(*session, true); };
    ConnectDataWindow(model, session->dataModel);
    FrmData& data = session->dataWindow;
    data.mirrorMainWindow = [&window] { window.Mirror(); };
    // The main window's calls into the data window show what they changed.
    for (auto* link : {&model.links.DisplayYearData}) *link = [call = *link, &data] { call(); data.Mirror(); };
    model.links.ShowList = [call = model.links.ShowList, &data](int16_t kind) {
        call(kind);
        data.Mirror();
    };
    model.links.ChooseListsCalendar = [call = model.links.ChooseListsCalendar, &data](char letter) {
        call(letter);
        data.Mirror();
    };
    model.Load(std::to_string(StoredCountryIndex()), std::to_string(StoredNamesIndex()));
    window.Mirror();
    session->panel = std::make_unique<TodayPanel>(
        *session, session->dayWords, AutostartProgram(QCoreApplication::applicationFilePath().toStdString()));
    const bool shownInPanel = session->panel->ShowIfWanted(inPanel);
    if (!(inPanel && shownInPanel)) {
        window.show();
        window.Mirror();  // the focus needs the window on screen
    }
    if (!shownInPanel) session->panel->SayNoPanel();
    return session;
}

}  // namespace orbel
